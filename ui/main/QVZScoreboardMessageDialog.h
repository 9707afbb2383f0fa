#pragma once
// QVZScoreboardMessageDialog: the "Scoreboard Message" dialog in which the
// user edits the free text the scoreboards can show instead of results.
// It holds one text field (at most 63 characters) and the buttons Send, Ok
// and Cancel. It edits a text its caller keeps: Ok writes the field into
// it; Send writes it too and sends it to the boards at once, the dialog
// staying open; Cancel leaves it alone. Made on
// its caller's stack; GUI thread only.

#include <cstdint>

#include "foundation/strings/KString.h"
#include "shell/toolkit/dialogs/KZDialog.h"

class QVZScoreboardMessage;

class QVZScoreboardMessageDialog : public KZDialog
{
public:
    static constexpr uint32_t kButtonSend = 0x1;   // the dialog's own button
    static constexpr int kTextLength = 63;
    static constexpr int kTextWidth = 40;          // cells

    explicit QVZScoreboardMessageDialog(QVZScoreboardMessage &message);

    // kCmdScoreboardMessageSend (Send) here; everything else as KZDialog.
    ZafEventType Event(const ZafEventStruct &event) override;
    // Ok keeps the field's text.
    void Finish(int32_t result) override;
    // Send for the dialog's own button, the standard labels and results else.
    KString ButtonLabel(uint32_t flag) override;
    int32_t ButtonResult(uint32_t flag) override;

    KZString *TextField() const { return field; }

private:
    void Keep();

    QVZScoreboardMessage &message;
    KZString *field = nullptr;
};
