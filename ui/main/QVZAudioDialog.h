#pragma once
// QVZAudioDialog: the sound-file dialog of Hardware > Load Audio...: the WAV
// files a Block Sensor plays for "on your marks", "set" and (with
// "-gunaudio") the gun, each in a text field with a Browse button, a
// reminder to switch the unit off and on again, Ok and Cancel. It edits
// names its caller keeps: Ok writes the fields into them, Cancel leaves
// them alone. Made on its caller's stack; GUI thread only.
//
// Startup installs the dialog as the block-sensor link's way of asking for
// the sounds (QVBlockSensorFiles); Shutdown removes it.

#include <cstdint>

#include "foundation/strings/KString.h"
#include "shell/toolkit/dialogs/KZDialog.h"

class QVZAudioDialog : public KZDialog
{
public:
    static constexpr int kSlots = 3;          // on your marks, set, gun
    static constexpr int kNameWidth = 40;     // cells of a file-name field
    static constexpr int kNameLength = 259;   // longest file name (MAX_PATH less its end)

    // names: kSlots file names; the gun's row shows only with gunAudio.
    QVZAudioDialog(KString *names, bool gunAudio);

    // Ok keeps the fields' names.
    void Finish(int32_t result) override;

    // The field of a slot; null for the gun without gun audio.
    KZString *NameField(int slot) const { return fields[slot]; }

    static void Startup();
    static void Shutdown();

private:
    KString *names;
    KZString *fields[kSlots] = {};
};
