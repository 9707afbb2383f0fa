// The wait pointer shown only for work that lasts long enough to see it.
#include "shell/app/KZDelayedBusyPointer.h"

#include "foundation/values/KHelpers.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZApplication.h"

namespace {

void Pointer(int32_t image)
{
    if (KZApplication *application = KZApplication::Instance())
        application->SetMousePointer(image);
}

} // namespace

KZDelayedBusyPointer::KZDelayedBusyPointer() : start(KSteadyMilliseconds()) {}

KZDelayedBusyPointer::~KZDelayedBusyPointer()
{
    if (shown)
        Pointer(kPointerArrow);
}

void KZDelayedBusyPointer::Check()
{
    if (!shown && KSteadyMilliseconds() - start >= kDelay) {
        shown = true;
        Pointer(kPointerBusy);
    }
}
