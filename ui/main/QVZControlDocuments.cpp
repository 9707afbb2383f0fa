// The main window's document operations: new, open, close when single,
// load from the schedule, and the broadcasts to every event window.
#include "domain/event/QVEvent.h"
#include "domain/schedule/QVSchedule.h"
#include "domain/timing/VLeg.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KFile.h"
#include "imaging/hardware/VZHardwareBar.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/KZToolkitCodes.h"
#include "ui/event/QVZEventMDI.h"
#include "ui/main/QVZControl.h"
#include "ui/main/QVZScheduleDialog.h"

namespace {

void ShowError(int code)
{
    if (VZApplication *app = VZApplication::Instance())
        app->ShowErrorCode(code, -1);
}

void SetOverlayOff()
{
    if (VZApplication *app = VZApplication::Instance())
        app->SetOverlayMode(false);
}

template <typename Visit> void ForEachFirstLeg(const QVZControl &control, Visit visit)
{
    for (QVZEventMDI *window = control.NextEventWindow(nullptr); window; window = control.NextEventWindow(window))
        if (VLeg *leg = window->Event()->Leg(0))
            visit(*leg);
}

} // namespace

QVZEventMDI *QVZControl::NextEventWindow(QVZEventMDI *after) const
{
    for (KZMDIChild *child = NextChild(after); child; child = NextChild(child))
        if (auto *window = dynamic_cast<QVZEventMDI *>(child))
            return window;
    return nullptr;
}

QVZEventMDI *QVZControl::ActiveEventWindow() const
{
    return dynamic_cast<QVZEventMDI *>(ActiveChild());
}

QVEvent *QVZControl::NewEventDocument()
{
    QVZEventMDI *window = NewEvent();
    return window ? window->Event() : nullptr;
}

QVEvent *QVZControl::OpenEventDocument(const wchar_t *fileName)
{
    const KString name(fileName ? fileName : L"");
    QVZEventMDI *window = OpenEvent(fileName ? &name : nullptr);
    return window ? window->Event() : nullptr;
}

bool QVZControl::CloseEventWindowsIfSingle()
{
    if (!singleEvent || singleEvent->Value() == 0)
        return true;
    while (QVZEventMDI *window = NextEventWindow(nullptr)) {
        if (KZApplication::QueryChildClose(*window) == 0)
            return false;
        CloseChild(window);
    }
    return true;
}

QVZEventMDI *QVZControl::NewEvent()
{
    if (!CloseEventWindowsIfSingle())
        return nullptr;
    auto *event = new QVEvent;
    return AddEventWindow(event, event->Initialize(QVEvent::kInitNew));
}

QVZEventMDI *QVZControl::AddEventWindow(QVEvent *event, int result)
{
    if (result) {
        delete event;
        ShowError(result);
        return nullptr;
    }
    SetOverlayOff();
    auto *window = new QVZEventMDI(event, this);
    Add(window);
    return window;
}

QVZEventMDI *QVZControl::OpenEvent(const KString *fileName)
{
    if (!CloseEventWindowsIfSingle())
        return nullptr;
    KFile file;
    if (fileName) {
        file.SetFullName(*fileName);
    } else {
        KString folder;
        QVEvent::Directory(folder);
        file.SetFolderPath(folder);
        if (file.GetOpenFileName(KString(L"qvw"), KString(), OSHandle(2)) < 0)
            return nullptr;
        QVEvent::SetDirectory(file.FullName());
    }
    for (QVZEventMDI *window = NextEventWindow(nullptr); window; window = NextEventWindow(window))
        if (window->Event()->HasFileName(file.FullName())) {
            window->Activate();
            return window;
        }
    auto *event = new QVEvent;
    if (const int result = event->Open(QVEvent::kOpenRead, file.FullName())) {
        const KX why = event->OpenError();
        delete event;
        if (VZApplication *app = VZApplication::Instance())
            app->ShowFileError(result, why.Extra(), why.Text());
        return nullptr;
    }
    QVZEventMDI *window = AddEventWindow(event, 0);
    event->SetModified(false);
    return window;
}

QVZEventMDI *QVZControl::LoadScheduledEvent(int direction, QVZEventMDI *window, int flag)
{
    QVSchedule *schedule = QVSchedule::Instance();
    if (!schedule)
        return nullptr;
    if (direction != 0)
        return LoadScheduled(window, [&](QVEvent *target) { return schedule->Navigate(target, flag, direction); });
    // The Goto dialog comes first, so that Cancel leaves the open windows as
    // they are. Numbers the schedule does not hold bring the dialog back,
    // after the schedule said so, with the numbers as they were typed.
    schedule->BuildList();   // the dialog offers the heats as the files hold them now
    KString event, round, heat;
    schedule->CurrentEvent(event);
    schedule->CurrentRound(round);
    schedule->CurrentHeat(heat);
    for (;;) {
        QVZScheduleDialog dialog(event, round, heat);
        if (dialog.DoModal() != kDialogOk)
            return nullptr;
        event = dialog.EventText();
        round = dialog.RoundText();
        heat = dialog.HeatText();
        bool lacking = false;
        QVZEventMDI *shown = LoadScheduled(window, [&](QVEvent *target) {
            QVEvent *loaded = schedule->LoadEvent(target, flag, event, round, heat);
            lacking = !loaded && schedule->Lacks(event, round, heat);
            return loaded;
        });
        if (shown || !lacking)
            return shown;
    }
}

QVZEventMDI *QVZControl::LoadScheduled(QVZEventMDI *window, const std::function<QVEvent *(QVEvent *)> &load)
{
    if (!window && !CloseEventWindowsIfSingle())
        return nullptr;
    QVEvent *target = window ? window->Event() : nullptr;
    const bool wasModified = target && target->IsModified();
    QVEvent *loaded = load(target);
    if (!loaded)
        return nullptr;
    if (window) {
        loaded->SetModified(wasModified);
        return window;
    }
    QVZEventMDI *made = AddEventWindow(loaded, 0);
    loaded->SetModified(false);
    return made;
}

bool QVZControl::LoadScheduledInto(QVZEventMDI &window, int direction)
{
    return LoadScheduledEvent(direction, &window, 0) != nullptr;
}

void QVZControl::EventSaved(QVZEventMDI &)
{
    if (hardwareBar)
        hardwareBar->UpdateStatus();
}

void QVZControl::RefreshCharts()
{
    ForEachFirstLeg(*this, [](VLeg &leg) { leg.SelectNone(); });
}

void QVZControl::RefreshResults()
{
    ForEachFirstLeg(*this, [](VLeg &leg) { leg.NotifyResultsChanged(); });
}

void QVZControl::RefreshOptions()
{
    ForEachFirstLeg(*this, [](VLeg &leg) { leg.NotifyOptionsChanged(); });
}
