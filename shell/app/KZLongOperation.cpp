// The long-operation scope: wait pointer, status bar and the message pump
// between steps.
#include "shell/app/KZLongOperation.h"

#include "foundation/registry/KRegistry.h"
#include "foundation/values/KHelpers.h"
#include "framework/core/objects/ZafWindowObject.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/VZApplication.h"
#include "shell/app/VZSettingKeys.h"
#include "shell/toolkit/bars/KZStatusBar.h"

KZLongOperation *KZLongOperation::current = nullptr;

namespace {

KString AbortedText()
{
    KRegistry *settings = VZApplication::Registry();
    const KString *text = settings ? &settings->GetText(kKeyAlertUserAborted) : nullptr;
    return text && !text->IsEmpty() ? *text : KString(L"Operation aborted by user.");
}

} // namespace

KZLongOperation::KZLongOperation(const KString &text, int percent, const ZafWindowObject *window)
    : outer(current), window(window), text(text), percent(percent)
{
    // Set before the first pump: a close request waiting in the queue finds
    // the operation under way and is held.
    current = this;
    if (KZApplication *application = KZApplication::Instance())
        aborted = application->HeldCloseStopsOperations();
    Show();
    Pump();
}

KZLongOperation::~KZLongOperation()
{
    if (outer) {
        current = outer;
        outer->aborted = outer->aborted || aborted;
        outer->Show();
        return;
    }
    KZStatusBar *bar = KZMainStatusBar();
    if (bar) {
        bar->Clear();
        if (aborted)
            bar->SetMessage(AbortedText().CStr());
    }
    KZApplication::ShowPointer(kPointerArrow);
    // The cleared bar is drawn now, not at the next idle pass. The operation
    // still counts as running: its caller has yet to leave what it used, so
    // a close request met here is held too. This end may come while an
    // exception unwinds: nothing may escape from here.
    try {
        if (KZApplication *application = KZApplication::Instance())
            application->RunPendingWithoutInput();
    } catch (...) {
    }
    current = nullptr;
}

bool KZLongOperation::WorksOn(const ZafWindowObject *named) const
{
    if (!named)
        return false;
    for (const KZLongOperation *operation = this; operation; operation = operation->outer)
        for (const ZafWindowObject *w = operation->window; w; w = w->Parent())
            if (w == named)
                return true;
    return false;
}

void KZLongOperation::SetText(const KString &newText)
{
    text = newText;
    if (KZStatusBar *bar = KZMainStatusBar())
        bar->SetMessage(text.CStr());
}

bool KZLongOperation::Step(int newPercent)
{
    if (newPercent != percent) {
        percent = newPercent;
        if (KZStatusBar *bar = KZMainStatusBar())
            bar->SetProgress(percent);
    }
    if (!pumped || KSteadyMilliseconds() - lastPump >= kPumpInterval)
        Pump();
    return !aborted;
}

void KZLongOperation::Show() const
{
    KZApplication::ShowPointer(kPointerBusy);
    if (KZStatusBar *bar = KZMainStatusBar()) {
        bar->SetMessage(text.CStr());
        bar->SetProgress(percent);
    }
}

void KZLongOperation::Pump()
{
    KZApplication *application = KZApplication::Instance();
    if (!application)
        return;
    if (application->RunPendingWithoutInput())
        aborted = true;
    application->OperationIdle();
    // A pointer move over a window set its own pointer again.
    KZApplication::ShowPointer(kPointerBusy);
    pumped = true;
    lastPump = KSteadyMilliseconds();
}
