// The main window's command dispatcher.
#include "domain/event/QVEvent.h"
#include "domain/hardware/VHardware.h"
#include "domain/scoreboards/QVScoreboards.h"
#include "domain/timing/VLeg.h"
#include "imaging/hardware/VZHardwareBar.h"
#include "shell/app/VZApplication.h"
#include "ui/event/QVZEventMDI.h"
#include "ui/common/QVZCommands.h"
#include "ui/main/QVZControl.h"

ZafEventType QVZControl::Event(const ZafEventStruct &event)
{
    ZafEventStruct mapped = event;
    const ZafLogicalEvent code = MapEvent(mapped);
    if (code >= kCmdHardwareBarFirst && code <= kCmdHardwareBarLast)
        return HardwareBarEvent(event, code);
    switch (code) {
    case kCmdChartShowData:
        if (QVZEventMDI *window = ActiveEventWindow())
            if (VLeg *leg = window->Event()->Leg(0))
                leg->ShowData();
        return code;
    case kEvtIdle:
        return Idle(event);
    case kEvtOperationIdle:
        // Only the results link is served meanwhile: the front event window
        // answers the requests that came.
        if (ZafWindowObject *child = CurrentChild())
            child->Event(event);
        return code;
    case kCmdFileOpen:
        HardwareBarEvent(ZafEventStruct(kCmdHardwareBarOpen, 0), kCmdHardwareBarOpen);
        return code;
    case kCmdFileNew:
        HardwareBarEvent(ZafEventStruct(kCmdHardwareBarNew, 0), kCmdHardwareBarNew);
        return code;
    case kEvtCloseWindow:
        return KZControl::Event(event);
    case kEvtExitQuery: {
        const ZafEventType answer = KZControl::Event(event);
        if (answer != 0)
            ShowHelp(1);
        return answer;
    }
    case kEvtMenuOpening:
        MenuOpening();
        return KZControl::Event(event);
    case kCmdHelpAbout:
        ShowAbout();
        return code;
    case kCmdHelpContents:
        ShowHelp(0);
        return code;
    case kCmdScoreboardTimeOfDay:
        if (QVScoreboards *scoreboards = VZApplication::Scoreboards())
            scoreboards->SetTimeOfDay(!scoreboards->TimeOfDay());
        return code;
    case kCmdScoreboardTimeOfDay24Hour:
        if (QVScoreboards *scoreboards = VZApplication::Scoreboards())
            scoreboards->SetUse24Hour(!scoreboards->Use24Hour());
        return code;
    case kCmdHardwareUpdateFirmware:
        FirmwareLoop();
        return code;
    case kCmdHardwareLoadAudio:
        SoundLoop();
        return code;
    case kCmdHardwareDeleteTrials:
        return DeleteAllTrials();
    case kCmdFileOptions:
    case kCmdHardwareOptions:
    case kCmdChartOptions:
    case kCmdScoreboardOptions:
    case kCmdOptionsPage4:
        RunOptions(code);
        return code;
    case kCmdSchedulePrevious:
        LoadScheduledEvent(-1, nullptr, 0);
        return code;
    case kCmdScheduleGoto:
        LoadScheduledEvent(0, nullptr, 0);
        return code;
    case kCmdScheduleNext:
        LoadScheduledEvent(1, nullptr, 0);
        return code;
    case kCmdScoreboardEditMessage:
        scoreboardMessage.Edit();
        return code;
    case kCmdScoreboardSendMessage:
        scoreboardMessage.Send();
        return code;
    case kCmdChartRawX:
    case kCmdChartRawY:
    case kCmdChartFilteredX:
    case kCmdChartFilteredY:
    case kCmdChartSummedXY:
    case kCmdChartLocalAlgorithmSettings:
    case kCmdChartLocalAlgorithmShow:
        ChartCommand(code);
        return code;
    default:
        // The Window commands go on to the frame, which passes the rest to
        // the active event window.
        return KZControl::Event(event);
    }
}

ZafEventType QVZControl::Idle(const ZafEventStruct &event)
{
    if (VHardware *hardware = VHardware::Instance())
        hardware->Idle();
    if (ZafWindowObject *child = CurrentChild())
        child->Event(event);
    if (hardwareBar)
        hardwareBar->Event(event);
    KZControl::Event(event);
    return kEvtIdle;
}

ZafEventType QVZControl::HardwareBarEvent(const ZafEventStruct &event, ZafEventType code)
{
    return hardwareBar ? hardwareBar->Event(event) : code;
}
