// The main window.
#include "ui/main/QVZControl.h"

#include "foundation/log/KLog.h"
#include "foundation/strings/KString.h"
#include "framework/core/base/ZafConstants.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/VZApplication.h"

QVZControl::QVZControl() : KZControl(40, 40, 800, 560)
{
    KString text;
    Title(text);
    SetText(text.CStr());
    SetCoordinateType(ZAF_PIXEL);
    SetSizeable(true);
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
    return KZControl::Event(event);
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
