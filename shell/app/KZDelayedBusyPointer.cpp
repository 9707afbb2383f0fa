// The wait pointer shown only for work that lasts long enough to see it.
#include "shell/app/KZDelayedBusyPointer.h"

#include "foundation/values/KHelpers.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZApplication.h"

KZDelayedBusyPointer::KZDelayedBusyPointer() : start(KSteadyMilliseconds()) {}

KZDelayedBusyPointer::~KZDelayedBusyPointer()
{
    if (shown)
        KZApplication::ShowPointer(kPointerArrow);
}

void KZDelayedBusyPointer::Check()
{
    if (!shown && KSteadyMilliseconds() - start >= kDelay) {
        shown = true;
        KZApplication::ShowPointer(kPointerBusy);
    }
}
