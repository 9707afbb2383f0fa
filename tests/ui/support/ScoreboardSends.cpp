#include "ui/support/ScoreboardSends.h"

#include "foundation/strings/KString.h"
#include "ui/main/QVZScoreboardMessage.h"

namespace {

ScoreboardSends::Sent gSent;

void Record(const KString &text, bool show)
{
    gSent.emplace_back(text.CStr(), show);
}

} // namespace

ScoreboardSends::ScoreboardSends()
{
    gSent.clear();
    QVZScoreboardMessage::SetSender(&Record);
}

ScoreboardSends::~ScoreboardSends()
{
    QVZScoreboardMessage::SetSender(nullptr);
}

const ScoreboardSends::Sent &ScoreboardSends::Texts() const
{
    return gSent;
}
