#include "shell/app/VZFieldErrors.h"

#include "shell/app/VZApplication.h"

ZafInt32 VZFieldErrors::ReportError(ZafWindowManager *windowManager, const ZafIChar *title, ZafUInt32 options,
    const ZafIChar *message)
{
    const VZApplication *application = VZApplication::Instance();
    if ((!title || !*title) && application)
        title = application->ErrorCaption().CStr();
    return ZafErrorReporter::ReportError(windowManager, title, options, message);
}
