// The scoreboard message dialog: one text field, Send, Ok and Cancel.
#include "ui/main/QVZScoreboardMessageDialog.h"

#include "shell/app/KZAppCodes.h"
#include "shell/toolkit/dialogs/KZSettingText.h"
#include "shell/toolkit/fields/KZString.h"
#include "ui/common/QVZDialogCommands.h"
#include "ui/main/QVZScoreboardMessage.h"

QVZScoreboardMessageDialog::QVZScoreboardMessageDialog(QVZScoreboardMessage &kept)
    : KZDialog(KZSettingText(L"\\Strings\\Scoreboards\\MessageDlg\\Title").CStr(),
               kButtonSend | kButtonOk | kButtonCancel, 0),
      message(kept)
{
    field = AddString(message.Text().CStr(), kTextWidth, kTextLength);
    NewLine();
}

ZafEventType QVZScoreboardMessageDialog::Event(const ZafEventStruct &event)
{
    if (event.type != kCmdScoreboardMessageSend)
        return KZDialog::Event(event);
    Keep();
    message.Send();
    return event.type;
}

void QVZScoreboardMessageDialog::Finish(int32_t result)
{
    if (result == kDialogOk)
        Keep();
}

void QVZScoreboardMessageDialog::Keep()
{
    message.SetText(KString(field->Text() ? field->Text() : L""));
}

KString QVZScoreboardMessageDialog::ButtonLabel(uint32_t flag)
{
    if (flag == kButtonSend)
        return KString(KZSettingText(L"\\Strings\\Scoreboards\\MessageDlg\\Send"));
    return KZDialog::ButtonLabel(flag);
}

int32_t QVZScoreboardMessageDialog::ButtonResult(uint32_t flag)
{
    return flag == kButtonSend ? kCmdScoreboardMessageSend : KZDialog::ButtonResult(flag);
}
