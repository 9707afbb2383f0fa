// The event window's commands: routing to the pane windows, saving, the
// close and exit questions, menu states and activation.
#include "ui/event/QVZEventMDI.h"

#include "domain/event/QVEvent.h"
#include "domain/resultslink/QVResultsLink.h"
#include "domain/schedule/QVSchedule.h"
#include "foundation/errors/KErrorCodes.h"
#include "foundation/registry/KRegistry.h"
#include "shell/app/KZLongOperation.h"
#include "shell/app/KZMessageBox.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/dialogs/KZSettingText.h"
#include "shell/toolkit/menus/KZPullDownMenu.h"
#include "ui/chart/QVZChartWindow.h"
#include "ui/common/QVZCommands.h"
#include "ui/common/QVZResultsKeys.h"
#include "ui/event/QVZEventHost.h"
#include "ui/results/QVZResultsWindow.h"
#include "ui/results/QVZTrialDownload.h"

namespace {

// Why the last results file was not handed over; empty when not known.
KString HandOverFailure()
{
    switch (QVResultsLink::Instance().LastHandOver()) {
    case QVResultsLink::kNotConfigured: return KZSettingText(kTextLinkNotSetUp);
    case QVResultsLink::kNotOpened: return KZSettingText(kTextLinkNotOpen);
    case QVResultsLink::kNoClient: return KZSettingText(kTextLinkNoClient);
    case QVResultsLink::kNotAcknowledged: return KZSettingText(kTextLinkNoAcknowledge);
    case QVResultsLink::kNotNumbered: return KZSettingText(kTextLinkNoNumbers);
    default: return KString();
    }
}

// Runs a hand-over of the results as a long operation when it goes out on
// the results link: the screen stays alive while the peer takes a large
// file, and Escape stops it.
template <typename HandOver>
int HandOverResults(HandOver handOver)
{
    if (!QVResultsLink::Instance().IsConfigured())
        return handOver();
    KZLongOperation sending(KZSettingText(kTextSendingResults, L"Sending results..."));
    return handOver();
}

} // namespace

ZafEventType QVZEventMDI::Event(const ZafEventStruct &zafEvent)
{
    ZafEventStruct mapped = zafEvent;
    const ZafLogicalEvent code = MapEvent(mapped);
    if (code >= kCmdChartWindowFirst && code <= kCmdChartWindowLast)
        return PassTo(chartWindow, zafEvent);
    if (code >= kCmdResultsWindowFirst && code <= kCmdResultsWindowLast)
        return PassTo(resultsWindow, zafEvent);
    switch (code) {
    case kEvtExitQuery:
    case kEvtCloseQuery:
        // A trial download lets events run between trials; its results
        // list must stay until it ends.
        if (QVZTrialDownload::Running())
            return 0;
        return AskToSave(zafEvent, code);
    case kCmdFileSave:
        Save(QVEvent::kSaveWrite);
        return code;
    case kCmdFileSaveAs:
        Save(QVEvent::kSaveWrite | QVEvent::kSaveAsk);
        return code;
    case kCmdFileSave33:
        Save(QVEvent::kSaveWrite | QVEvent::kSaveAskEvent);
        return code;
    case kCmdFileSaveQit:
        if (int result = HandOverResults([this] { return event->SendResults(); }); result && result != kErrUserAborted)
            if (VZApplication *app = VZApplication::Instance()) {
                // The results file stays written unless the document had no numbers.
                const QVResultsLink &link = QVResultsLink::Instance();
                const bool written = result == kErrSendResults && link.LastHandOver() != QVResultsLink::kNotNumbered;
                app->ShowErrorCode(result, -1, written ? link.LastFile() : KString(),
                                   result == kErrSendResults ? HandOverFailure() : KString());
            }
        return code;
    case kEvtMenuOpening:
        MenuOpening(zafEvent);
        return code;
    case kEvtIdle:
    case kEvtOperationIdle:
        event->ServeResultsRequests();
        return code;
    default:
        return KZMDIChild::Event(zafEvent);
    }
}

ZafEventType QVZEventMDI::PassTo(ZafWindow *window, const ZafEventStruct &zafEvent)
{
    // A layout without a pane of that kind ignores its commands.
    return window ? window->Event(zafEvent) : 0;
}

void QVZEventMDI::MenuOpening(const ZafEventStruct &zafEvent)
{
    if (KZPullDownMenu *menu = KZMainMenuBar())
        for (int32_t code : { kCmdFileSave, kCmdFileSaveAs, kCmdFileSave33, kCmdFileSaveQit })
            menu->EnableItem(code, true);
    for (ZafWindow *window : { summaryWindow, chartWindow, resultsWindow })
        if (window)
            window->Event(zafEvent);
}

ZafEventType QVZEventMDI::AskToSave(const ZafEventStruct &, ZafEventType code)
{
    if (!event->IsModified())
        return code;
    const bool exiting = code == kEvtExitQuery;
    KString caption;
    if (exiting)
        caption.Append(KZSettingText(L"\\Strings\\Event\\Close\\ExitTitle")).Append(L" ").Append(VZApplication::kProgramTitle);
    else
        caption.Append(KZSettingText(L"\\Strings\\Event\\Close\\CloseTitle"));
    KString text(L"'");
    DocumentName(text);
    text.Append(L"' ");
    text.Append(KZSettingText(exiting ? L"\\Strings\\Event\\Close\\ExitText" : L"\\Strings\\Event\\Close\\CloseText"));
    switch (KZMessageBox(caption, text, kButtonYes | kButtonNo | kButtonCancel, kButtonYes, kIconQuestion)) {
    case kDialogYes:
        return Save(QVEvent::kSaveWrite) ? code : 0;
    case kDialogNo:
        return code;
    default:
        return 0;
    }
}

bool QVZEventMDI::Save(int flags)
{
    VZApplication *app = VZApplication::Instance();
    if (event->IsOldVersion()) {
        if (app)
            app->ShowErrorCode(3011, -1);
        return false;
    }
    if (app)
        app->SetMousePointer(kPointerBusy);
    const int result = event->Save(flags);
    if (result == 0) {
        ReleaseUntitledNumber();   // the document has its file now
        ShowDocumentName();
        if (host)
            host->EventSaved(*this);
        event->SetModified(false);
    } else if (result != 1004 && app) {
        // A failed write names the file it failed on (the temporary file
        // beside the target, say) and, where the system said, why.
        const KX &why = event->SaveError();
        const bool known = why.Code() == result;
        app->ShowFileError(result, known ? why.Extra() : -1,
                           known && !why.Text().IsEmpty() ? why.Text() : event->SavedToFile());
    }
    if (QVSchedule *schedule = QVSchedule::Instance())
        HandOverResults([&] { return schedule->SendResults(event, 0); });
    if (app)
        app->SetMousePointer(kPointerArrow);
    return result == 0;
}

bool QVZEventMDI::LoadScheduled(int direction)
{
    return host && host->LoadScheduledInto(*this, direction);
}

void QVZEventMDI::Activate()
{
    KZMDIChild::Activate();
    // The scoreboards show the results of the front event window.
    if (auto *results = dynamic_cast<QVZResultsWindow *>(resultsWindow))
        results->ShowOnScoreboards();
    // The current chart window registers itself again as the current one.
    if (auto *chart = dynamic_cast<QVZChartWindow *>(chartWindow))
        chart->RegisterWithEventWindow();
}

void QVZEventMDI::SetTitle(const wchar_t *text)
{
    KZMDIChild::SetTitle(text);
}
