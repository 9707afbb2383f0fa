// The sound-file dialog and its place as the block-sensor link's chooser.
#include "ui/main/QVZAudioDialog.h"

#include "domain/blocksensors/QVBlockSensorFiles.h"
#include "shell/app/KZAppCodes.h"
#include "shell/toolkit/dialogs/KZSettingText.h"
#include "shell/toolkit/fields/KZString.h"

namespace {

const wchar_t *const kLabelKeys[QVZAudioDialog::kSlots] = {
    L"\\Strings\\Hardware\\LoadAudio\\OnMarks",
    L"\\Strings\\Hardware\\LoadAudio\\Set",
    L"\\Strings\\Hardware\\LoadAudio\\Gun",
};

// The block-sensor link asks the user for the sounds through the dialog.
class AudioFiles : public QVBlockSensorFiles
{
public:
    bool ChooseSounds(KString &onMarks, KString &set, KString &gun, bool gunAudio, bool) override
    {
        KString names[QVZAudioDialog::kSlots] = { onMarks, set, gun };
        QVZAudioDialog dialog(names, gunAudio);
        if (dialog.DoModal() != kDialogOk)
            return false;
        onMarks = names[0];
        set = names[1];
        gun = names[2];
        return true;
    }
};

AudioFiles gAudioFiles;

} // namespace

QVZAudioDialog::QVZAudioDialog(KString *kept, bool gunAudio)
    : KZDialog(KZSettingText(L"\\Strings\\Hardware\\LoadAudio\\Title").CStr(), kButtonOk | kButtonCancel, kButtonOk),
      names(kept)
{
    const int slots = gunAudio ? kSlots : kSlots - 1;
    for (int slot = 0; slot < slots; ++slot) {
        AddPrompt(KZSettingText(kLabelKeys[slot]).CStr());
        fields[slot] = AddFile(names[slot].CStr(), L"wav", kNameWidth, kNameLength);
        NewLine();
    }
    AlignColumn(1);
    NewLine();
    AddPrompt(KZSettingText(L"\\Strings\\Hardware\\LoadAudio\\Power").CStr());
    NewLine();
}

void QVZAudioDialog::Finish(int32_t result)
{
    if (result != kDialogOk)
        return;
    for (int slot = 0; slot < kSlots; ++slot)
        if (fields[slot])
            names[slot] = KString(fields[slot]->Text() ? fields[slot]->Text() : L"");
}

void QVZAudioDialog::Startup()
{
    QVBlockSensorFiles::Install(&gAudioFiles);
}

void QVZAudioDialog::Shutdown()
{
    if (QVBlockSensorFiles::Installed() == &gAudioFiles)
        QVBlockSensorFiles::Install(nullptr);
}
