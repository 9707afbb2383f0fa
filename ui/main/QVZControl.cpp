// The main window.
#include "ui/main/QVZControl.h"

#include <windows.h>
// The system's OpenEvent macro would rename the window's operation.
#undef OpenEvent

#include "foundation/log/KLog.h"
#include "foundation/strings/KString.h"
#include "framework/core/base/ZafConstants.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/VZApplication.h"

namespace {

// A part of the window's frame drawn by the system: border -1, maximize -2,
// minimize -3, system button -4, title -5.
class FramePart : public ZafWindowObject
{
public:
    explicit FramePart(ZafNumberID id) : ZafWindowObject(0, 0, 1, 1)
    {
        numberID = id;
        useParentFrameHandle = true;
        ownOSWindow = false;
    }
};

} // namespace

QVZControl::QVZControl() : ZafMDIWindow(40, 40, 800, 560, ZAF_MDI_FRAME)
{
    KString text;
    Title(text);
    title = text.CStr();
    SetCoordinateType(ZAF_PIXEL);
    SetSizeable(true);
    for (ZafNumberID id : { -1, -2, -3, -4, -5 })
        Add(new FramePart(id));
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

const ZafIChar *QVZControl::Text()
{
    return title.c_str();
}

void QVZControl::OSRegisterObject()
{
    ZafMDIWindow::OSRegisterObject();
    // The frame is made without a caption text; it shows the window's title.
    if (HWND frame = static_cast<HWND>(OSHandle(2)))
        SetWindowTextW(frame, title.c_str());
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
