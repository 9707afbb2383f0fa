#pragma once
// QVZScoreboardMessage: the free text of the scoreboards, kept by the main
// window while the program runs (it is not saved). Edit opens the message
// dialog on it; Send shows the kept text on the boards, or takes the
// message off them when the text is empty (they return to results). The
// boards are the program's (VZApplication::Scoreboards); without boards
// nothing is sent. GUI thread only.

#include "foundation/strings/KString.h"

class QVZScoreboardMessage
{
public:
    // Receives every text handed to the boards and whether it is shown.
    using Sender = void (*)(const KString &text, bool show);

    QVZScoreboardMessage();

    // Command kCmdScoreboardEditMessage: the dialog on the kept text; answers
    // its result.
    int32_t Edit();
    // Command kCmdScoreboardSendMessage and the dialog's Send: a text is shown
    // at once, an empty one takes the message off the boards.
    void Send();

    const KString &Text() const { return text; }
    void SetText(const KString &value) { text = value; }

    // Puts another sender in place of the boards; null restores them.
    static void SetSender(Sender sender);

private:
    KString63 text;
};
