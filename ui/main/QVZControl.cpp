// The main window.
#include "ui/main/QVZControl.h"

#include "foundation/log/KLog.h"
#include "foundation/strings/KString.h"
#include "framework/core/base/ZafConstants.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/VZApplication.h"

QVZControl::QVZControl() : ZafMDIWindow(40, 40, 800, 560, ZAF_MDI_FRAME)
{
    KString title;
    Title(title);
    SetCoordinateType(ZAF_PIXEL);
    SetSizeable(true);
    AddFrameObjects(title.CStr());
    VZApplication::PublishMainControl(this, this);
}

QVZControl::~QVZControl()
{
    if (VZApplication::MainControl() == this)
        VZApplication::PublishMainControl(nullptr, nullptr);
}

void QVZControl::Title(KString &out)
{
    out.Append(VZApplication::kProgramTitle).Append(L"  v").Append(VZApplication::VersionString());
    out.Append(VZApplication::VersionSuffixString());
}

ZafEventType QVZControl::Event(const ZafEventStruct &event)
{
    switch (event.type) {
    case kEvtExitQuery:
        return 1;
    case kEvtMenuOpening:
    case kEvtIdle:
        return 0;
    default:
        return ZafMDIWindow::Event(event);
    }
}

QVZEventMDI *QVZControl::OpenEvent(const KString *fileName)
{
    if (KLog *log = KProgramLog()) {
        KString line(L"QVZControl::OpenEvent: ");
        if (fileName)
            line.Append(*fileName);
        log->Warning(line);
    }
    return nullptr;
}
