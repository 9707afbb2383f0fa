#pragma once
// KFileExtension: one file type the program knows (extension and the
// description shown in file dialogs). Every object made is added to the
// global file-type list, which owns it from then on and deletes it at exit;
// deleting an object takes it out of the list. GUI thread only.

#include "foundation/containers/KList.h"
#include "foundation/strings/KString.h"

class KFileExtension : public KListItem
{
public:
    // extension without a dot ("qvw"); description as shown ("Quorvane Workout (*.qvw)").
    KFileExtension(const KString &extension, const KString &description);

    const KString &Extension() const { return itsExtension; }
    const KString &Description() const { return itsDescription; }

    // The type with that extension (case ignored, a leading dot allowed);
    // none when unknown. The most recently added type wins.
    static KFileExtension *Find(const KString &extension);
    // The global file-type list.
    static KList &List();

private:
    KString itsExtension;
    KString itsDescription;
};
