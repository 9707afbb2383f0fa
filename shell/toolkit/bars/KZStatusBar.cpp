#include "shell/toolkit/bars/KZStatusBar.h"

#include "foundation/strings/KString.h"
#include "foundation/values/KHelpers.h"
#include "shell/toolkit/bars/KZProgressBar.h"
#include "shell/toolkit/bars/KZStatusString.h"
#include "shell/toolkit/KZToolkitCodes.h"

KZStatusBar::KZStatusBar(int height, int32_t timeout)
    : ZafStatusBar(0, 0, 0, height), KZWindowLeech(this), timeout(timeout)
{
    SetCoordinateType(kCoordPixels);
}

KZStatusBar::~KZStatusBar() = default;

void KZStatusBar::SetPanes(KZStatusString *message, KZProgressBar *progress)
{
    messagePane = message;
    progressPane = progress;
    if (message)
        Add(message);
    if (progress)
        Add(progress);
}

int32_t KZStatusBar::Now() const
{
    return KTickCount();
}

void KZStatusBar::Clear()
{
    if (messagePane)
        messagePane->SetText(KString());
    if (progressPane)
        progressPane->SetValue(-1);
    lastChange = 0;
    clearPending = false;
}

void KZStatusBar::SetMessage(const wchar_t *text)
{
    if (messagePane && messagePane->SetText(KString(text ? text : L"")))
        Changed();
}

void KZStatusBar::SetFlyOver(int32_t)
{
}

void KZStatusBar::SetProgress(int percent)
{
    if (progressPane && progressPane->SetValue(percent))
        Changed();
}

void KZStatusBar::Changed()
{
    lastChange = Now();
    clearPending = true;
}

// The difference is taken before the comparison, so that the test holds
// across the wrap of the tick count.
void KZStatusBar::IdleTick()
{
    if (!clearPending || timeout <= 0)
        return;
    if (int32_t(uint32_t(Now()) - uint32_t(lastChange)) > timeout)
        Clear();
}

ZafEventType KZStatusBar::Event(const ZafEventStruct &event)
{
    if (ZafEventType answer = KZWindowLeech::Event(event))
        return answer;
    ZafEventStruct mapped = event;
    if (ZafStatusBar::MapEvent(mapped) == kEvtIdle) {
        IdleTick();
        return kEvtIdle;
    }
    return ZafStatusBar::Event(event);
}
