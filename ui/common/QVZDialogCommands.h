#pragma once
// Event codes sent by the buttons and lists of the training interface's own
// dialogs (the Goto dialog, the scoreboard message editor and the options
// dialog). Menu and tool-bar commands are in QVZCommands.h.

#include <cstdint>

// Scoreboard message dialog: its Send button.
constexpr int32_t kCmdScoreboardMessageSend = 10163;

// Goto dialog: an entry of the list was chosen; Load Schedule.
constexpr int32_t kCmdScheduleEntryChosen = 10602;
constexpr int32_t kCmdScheduleLoad = 10603;

// Options dialog: New and Delete of the two group lists, the paging box.
constexpr int32_t kCmdOptionsSerialNew = 10138;
constexpr int32_t kCmdOptionsSerialDelete = 10139;
constexpr int32_t kCmdOptionsScoreboardNew = 10140;
constexpr int32_t kCmdOptionsScoreboardDelete = 10141;
constexpr int32_t kCmdOptionsPagingToggled = 10142;
