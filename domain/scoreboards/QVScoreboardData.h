#pragma once
// QVScoreboardData: the snapshot a scoreboard script is rendered from: the
// time of day, the event's texts, one page of result rows and the message
// text. Timing code fills the scoreboards' shared copy under their lock; the
// scoreboard thread takes a copy and renders from it. A plain value.

#include <cstdint>
#include <vector>

#include "foundation/strings/KString.h"

struct QVScoreboardRow
{
    KString15 place;
    KString15 lane;
    KString31 id;
    KString63 first;
    KString63 last;
    KString63 affiliation;
    KString15 reaction;      // seconds with three decimals ("0.142"), empty for none
    KString15 timeToDistance;
    KString15 power;
    int32_t trial = 0;       // number in the list, from 1
};

struct QVScoreboardData
{
    // Time of day.
    int32_t year = 0, month = 0, day = 0;
    int32_t hour = 0, minute = 0, second = 0;
    bool use24Hour = true;
    // Board options.
    bool includeFirst = false;
    bool affiliationAbbreviated = false;
    // The event.
    KString63 eventName;
    KString15 eventNumber;
    KString15 roundNumber;
    KString15 heatNumber;
    // The rows of the page shown (a short last page is filled with blank rows
    // by the renderer up to pageSize).
    std::vector<QVScoreboardRow> rows;
    int32_t page = 1;
    int32_t pages = 1;
    int32_t pageSize = 1;
    // The message text.
    KString255 message;
};
