#pragma once
// KZBrowseFileButton and KZBrowseDirectoryButton: the Browse buttons that the
// dialog builder puts behind a string field. When the button is chosen, the
// system's open-file dialog (with the button's extension list) or folder
// chooser opens on the field's text, owned by the dialog's window; a choice
// replaces the field's text, a cancel changes nothing. The field and the
// dialog are not owned; the button belongs to the dialog like the field.
// GUI thread only.

#include "foundation/strings/KString.h"
#include "shell/toolkit/fields/KZButton.h"

class KZString;
class ZafWindow;

class KZBrowseFileButton : public KZButton
{
public:
    // filter: comma-separated extensions, one filter entry each ("qvw,qve");
    // at most 31 characters are kept.
    KZBrowseFileButton(int left, int top, int width, const wchar_t *label, KZString *field, ZafWindow *dialog,
                       const wchar_t *filter);
    // Shows the open-file dialog; true when a file was chosen.
    bool Browse();
    const KString &Filter() const { return filter; }

private:
    KZString *field;
    ZafWindow *dialog;
    KString31 filter;
};

class KZBrowseDirectoryButton : public KZButton
{
public:
    KZBrowseDirectoryButton(int left, int top, int width, const wchar_t *label, KZString *field, ZafWindow *dialog);
    // Shows the folder chooser; true when a folder was chosen.
    bool Browse();

private:
    KZString *field;
    ZafWindow *dialog;
};
