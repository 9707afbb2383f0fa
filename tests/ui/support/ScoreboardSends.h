#ifndef UI_SCOREBOARD_SENDS_H
#define UI_SCOREBOARD_SENDS_H

// While a ScoreboardSends lives, what the scoreboard message sends goes to
// its list instead of the boards: each text with whether it is shown. One
// at a time; the boards have their sender back when it goes.
#include <string>
#include <utility>
#include <vector>

class ScoreboardSends
{
public:
    using Sent = std::vector<std::pair<std::wstring, bool>>;

    ScoreboardSends();
    ~ScoreboardSends();
    ScoreboardSends(const ScoreboardSends &) = delete;
    ScoreboardSends &operator=(const ScoreboardSends &) = delete;

    // What was sent since it was made, first first.
    const Sent &Texts() const;
};

#endif
