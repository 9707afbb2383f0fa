// The kept scoreboard message and its hand-over to the boards.
#include "ui/main/QVZScoreboardMessage.h"

#include "domain/scoreboards/QVScoreboards.h"
#include "shell/app/VZApplication.h"
#include "ui/main/QVZScoreboardMessageDialog.h"

namespace {

void SendToBoards(const KString &text, bool show)
{
    if (QVScoreboards *boards = VZApplication::Scoreboards())
        boards->SetMessage(text, show);
}

QVZScoreboardMessage::Sender gSender = &SendToBoards;

} // namespace

QVZScoreboardMessage::QVZScoreboardMessage() = default;

int32_t QVZScoreboardMessage::Edit()
{
    QVZScoreboardMessageDialog dialog(*this);
    return dialog.DoModal();
}

void QVZScoreboardMessage::Send()
{
    gSender(text, !text.IsEmpty());
}

void QVZScoreboardMessage::SetSender(Sender sender)
{
    gSender = sender ? sender : &SendToBoards;
}
