#pragma once
// Program event numbers, dialog codes, message-box icons and grab flags of
// the application layer: the loop, the exit query, the prompts.

#include <cstdint>

#include "domain/ui/QVUserInterface.h"

// Program events
constexpr int32_t kEvtExitQuery = 10019;             // to the main window: may the program end? 0 refuses
constexpr int32_t kEvtMenuOpening = 10020;           // to a menu's parent before the menu opens
constexpr int32_t kEvtIdle = 10021;                  // idle tick to the main window
constexpr int32_t kEvtOperationIdle = 10022;         // to the main window between a long operation's steps
constexpr int32_t kCmdScoreboardInitialize = 10152;  // Scoreboard > Initialize
constexpr int32_t kCmdScoreboardMode1 = 10153;       // no menu entry, no effect
constexpr int32_t kCmdScoreboardMode2 = 10154;       // no menu entry, no effect
constexpr int32_t kCmdScoreboardMode4 = 10155;       // no menu entry, no effect
constexpr int32_t kCmdScoreboardMode5 = 10156;       // no menu entry, no effect
constexpr int32_t kCmdScoreboardRefresh = 10157;     // Scoreboard > Refresh

// Framework answers the loop looks at
constexpr int32_t kEvtExit = -32;                    // the window manager ends the program
constexpr int32_t kEvtWindowGone = -3;               // a modal window went away
constexpr int32_t kEvtNoResult = -2;                 // nothing decided yet
constexpr int32_t kEvtExitRefused = -7;              // the exit check keeps the program running
constexpr int32_t kEvtCancelKey = 1010;              // the framework's logical Escape

// DDE command server
constexpr int32_t kDdeCommandLimit = 511;            // longest command text, in bytes (255 wide characters)
constexpr int32_t kDdeLongestPath = 259;             // longest file name an OpenEvent command may carry
constexpr uint32_t kDdeTaken = 0x8000;               // DDE_FACK: the command waits to be carried out
constexpr uint32_t kDdeBusy = 0x4000;                // DDE_FBUSY: another command is still waiting
constexpr uint32_t kDdeRefused = 0;                  // DDE_FNOTPROCESSED: the command is not taken

// Mouse pointer images
constexpr int32_t kPointerArrow = -3200;             // the normal pointer
constexpr int32_t kPointerBusy = -3202;              // the wait pointer

// Dialog results: any code from kDialogEndFirst to kDialogEndLast ends a modal loop
constexpr int32_t kDialogEndFirst = -2999;
constexpr int32_t kDialogEndLast = -2000;
constexpr int32_t kDialogOk = QVUserInterface::kOk;          // -2999
constexpr int32_t kDialogYes = QVUserInterface::kYes;        // -2998
constexpr int32_t kDialogNo = QVUserInterface::kNo;          // -2997
constexpr int32_t kDialogAbort = QVUserInterface::kAbort;    // -2996
constexpr int32_t kDialogRetry = QVUserInterface::kRetry;    // -2995
constexpr int32_t kDialogIgnore = QVUserInterface::kIgnore;  // -2994
constexpr int32_t kDialogCancel = QVUserInterface::kCancel;  // -2993

// Message-box buttons (flags; one of them is also the default button)
constexpr uint32_t kButtonOk = QVUserInterface::kButtonOk;          // 16
constexpr uint32_t kButtonYes = QVUserInterface::kButtonYes;        // 32
constexpr uint32_t kButtonNo = QVUserInterface::kButtonNo;          // 64
constexpr uint32_t kButtonCancel = QVUserInterface::kButtonCancel;  // 128
constexpr uint32_t kButtonAbort = QVUserInterface::kButtonAbort;    // 256
constexpr uint32_t kButtonRetry = QVUserInterface::kButtonRetry;    // 512
constexpr uint32_t kButtonIgnore = QVUserInterface::kButtonIgnore;  // 1024

// Message-box icons: the framework's system images
constexpr int kIconAsterisk = 1;                     // "ASTERISK", information
constexpr int kIconExclamation = 2;                  // "EXCLAMATION", errors and alerts
constexpr int kIconQuestion = 4;                     // "QUESTION", questions

// Grab flags (KZApplication::Grab)
constexpr uint32_t kGrabHidePointer = 1;             // the pointer is hidden during the grab
constexpr uint32_t kGrabRepeatMouse = 2;             // each idle pass re-sends the last mouse event
constexpr uint32_t kGrabKeepIdle = 4;                // the idle tick still goes to the main window
