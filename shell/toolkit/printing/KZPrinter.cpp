// Construction, margins, the system dialogs and the job calls.
#include "shell/toolkit/printing/KZPrinterRecords.h"

#include <algorithm>

#include "foundation/comm/KZOSText.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/streams/KFile.h"
#include "foundation/values/KHelpers.h"
#include "framework/core/objects/ZafWindow.h"
#include "shell/app/KZApplication.h"
#include "shell/toolkit/printing/KZPrinterDevice.h"

namespace {

// Margins beyond this many thousandths of an inch (1000 inches) would only
// overflow the page arithmetic.
constexpr int32_t kMaxMargin = 1000000;
// The smallest printable extent that still holds one logical unit.
constexpr int32_t kMinPrintable = (1000 + KZPrinter::kLogicalPerInch - 1) / KZPrinter::kLogicalPerInch;

int32_t ClampMargin(int32_t value)
{
    return std::min(std::max(value, int32_t(0)), kMaxMargin);
}

// The frame of the window a dialog is opened from; none given, the main window.
HWND OwnerWindow(void *from = nullptr)
{
    HWND window = static_cast<HWND>(from);
    if (window && IsWindow(window))
        return GetAncestor(window, GA_ROOT);
    if (ZafWindow *main = KZApplication::MainWindow())
        return static_cast<HWND>(main->OSWindow());
    return nullptr;
}

// Shrinks the far margin, then the near one, until extent - near - far
// keeps at least one logical unit.
void FitMargins(int32_t extent, int32_t &nearMargin, int32_t &farMargin)
{
    const int32_t room = std::max(extent - kMinPrintable, int32_t(0));
    if (nearMargin + farMargin <= room)
        return;
    nearMargin = std::min(nearMargin, room);
    farMargin = room - nearMargin;
}

} // namespace

KZPrinter::KZPrinter(KZPrinterDevice *printerDevice)
    : device(printerDevice ? printerDevice : &KZPrinterDevice::System()), records(new Records)
{
    records->wide.lStructSize = sizeof(PRINTDLGW);
    records->wide.nCopies = 1;
    records->narrow.lStructSize = sizeof(PRINTDLGA);
    records->narrow.nCopies = 1;
    if (KUseAnsiApi()) {
        records->narrow.Flags = PD_RETURNDEFAULT;
        device->PrintDialogA(&records->narrow);
        records->narrow.Flags = 0;
    } else {
        records->wide.Flags = PD_RETURNDEFAULT;
        device->PrintDialogW(&records->wide);
        records->wide.Flags = 0;
    }
}

KZPrinter::~KZPrinter()
{
    for (HGLOBAL memory : { records->wide.hDevMode, records->wide.hDevNames, records->narrow.hDevMode,
                            records->narrow.hDevNames })
        if (memory)
            GlobalFree(memory);
}

void KZPrinter::LoadMargins(const KRNode &group)
{
    const wchar_t *const names[] = { L"Left", L"Top", L"Right", L"Bottom" };
    int32_t *const edges[] = { &margins.left, &margins.top, &margins.right, &margins.bottom };
    for (int i = 0; i < 4; ++i)
        if (const KRInt *setting = group.GetInt(names[i]))
            *edges[i] = ClampMargin(setting->Value());
    if (const KRInt *setting = group.GetInt(L"Unit"))
        unit = setting->Value() == kUnitCentimeters ? kUnitCentimeters : kUnitInches;
}

void KZPrinter::SaveMargins(KRNode &group) const
{
    const wchar_t *const names[] = { L"Left", L"Top", L"Right", L"Bottom", L"Unit" };
    const int32_t values[] = { margins.left, margins.top, margins.right, margins.bottom, unit };
    for (int i = 0; i < 5; ++i)
        if (KRInt *setting = group.GetInt(names[i]))
            setting->SetValue(values[i]);
}

void KZPrinter::SetMargins(const KRect &thousandths)
{
    margins = KRect(ClampMargin(thousandths.left), ClampMargin(thousandths.top), ClampMargin(thousandths.right),
                    ClampMargin(thousandths.bottom));
}

bool KZPrinter::ChoosePrinter(void *owner)
{
    const DWORD flags = PD_PRINTSETUP | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    if (KUseAnsiApi()) {
        records->narrow.hwndOwner = OwnerWindow(owner);
        records->narrow.Flags = flags;
        return device->PrintDialogA(&records->narrow);
    }
    records->wide.hwndOwner = OwnerWindow(owner);
    records->wide.Flags = flags;
    return device->PrintDialogW(&records->wide);
}

bool KZPrinter::PrintDialog()
{
    const DWORD flags = PD_RETURNDC | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    if (KUseAnsiApi()) {
        records->narrow.hwndOwner = OwnerWindow();
        records->narrow.hDC = nullptr;
        records->narrow.Flags = flags;
        return device->PrintDialogA(&records->narrow);
    }
    records->wide.hwndOwner = OwnerWindow();
    records->wide.hDC = nullptr;
    records->wide.Flags = flags;
    return device->PrintDialogW(&records->wide);
}

void *KZPrinter::TakeDialogContext()
{
    HDC &context = KUseAnsiApi() ? records->narrow.hDC : records->wide.hDC;
    void *taken = context;
    context = nullptr;
    return taken;
}

void KZPrinter::ComputeSizes()
{
    KPoint page(device->Capability(dc, HORZSIZE) * 10000 / 254, device->Capability(dc, VERTSIZE) * 10000 / 254);
    int32_t left = margins.left, right = margins.right, top = margins.top, bottom = margins.bottom;
    FitMargins(page.x, left, right);
    FitMargins(page.y, top, bottom);
    resolution.x = page.x > 0 ? device->Capability(dc, HORZRES) * 1000 / page.x : 0;
    resolution.y = page.y > 0 ? device->Capability(dc, VERTRES) * 1000 / page.y : 0;
    printableThousandths = KPoint(std::max(page.x - (left + right), int32_t(0)),
                                  std::max(page.y - (top + bottom), int32_t(0)));
    printablePixels = KPoint(printableThousandths.x * resolution.x / 1000, printableThousandths.y * resolution.y / 1000);
    printableLogical = KPoint(printableThousandths.x * logicalPerInch.x / 1000,
                              printableThousandths.y * logicalPerInch.y / 1000);
    origin = KPoint(left * resolution.x / 1000, top * resolution.y / 1000);
}

bool KZPrinter::BeginPrinting()
{
    EndPrinting();
    dc = TakeDialogContext();
    if (!dc)
        return false;
    ComputeSizes();
    UsePageUnits();
    if (!MakeFonts()) {
        EndPrinting();
        return false;
    }
    lineHeight = std::max(fontHeights[3] + 7, int32_t(1));
    return true;
}

bool KZPrinter::StartDoc(const KString &documentName)
{
    if (!dc)
        return false;
    const DWORD flags = KUseAnsiApi() ? records->narrow.Flags : records->wide.Flags;
    KFile output;
    if (flags & PD_PRINTTOFILE) {
        if (output.GetSaveFileName(KString(L"ps"), KString(), OwnerWindow()) < 0)
            return false;
    }
    const bool toFile = (flags & PD_PRINTTOFILE) != 0;
    if (KUseAnsiApi()) {
        KZOSText name(documentName), path(output.FullName());
        DOCINFOA info = {};
        info.cbSize = sizeof info;
        info.lpszDocName = name.GetText();
        info.lpszOutput = toFile ? path.GetText() : nullptr;
        job = device->StartDocA(dc, &info);
    } else {
        DOCINFOW info = {};
        info.cbSize = sizeof info;
        info.lpszDocName = documentName.CStr();
        info.lpszOutput = toFile ? output.FullName().CStr() : nullptr;
        job = device->StartDocW(dc, &info);
    }
    return job > 0;
}

bool KZPrinter::StartPage()
{
    if (!dc || device->StartPage(dc) <= 0)
        return false;
    // Some drivers reset the context's mapping at every page.
    UsePageUnits();
    return true;
}

bool KZPrinter::EndPage()
{
    return dc && device->EndPage(dc) > 0;
}

bool KZPrinter::AbortDoc()
{
    return dc && device->AbortDoc(dc) > 0;
}

bool KZPrinter::EndDoc()
{
    return dc && device->EndDoc(dc) > 0;
}

bool KZPrinter::EndPrinting()
{
    ReleaseFonts();
    if (dc)
        device->DeleteContext(dc);
    dc = nullptr;
    return true;
}

bool KZPrinter::IsLandscape() const
{
    if (KUseAnsiApi()) {
        const DEVMODEA *mode = DeviceModeA();
        return mode && mode->dmOrientation == DMORIENT_LANDSCAPE;
    }
    const DEVMODEW *mode = DeviceModeW();
    return mode && mode->dmOrientation == DMORIENT_LANDSCAPE;
}

void KZPrinter::SetLandscape(bool landscape)
{
    const short orientation = landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    if (KUseAnsiApi()) {
        if (DEVMODEA *mode = DeviceModeA())
            mode->dmOrientation = orientation;
    } else if (DEVMODEW *mode = DeviceModeW()) {
        mode->dmOrientation = orientation;
    }
}

namespace {

// The record behind a moveable memory handle of the print dialog. The
// memory stays where it is until the handle is freed or the next dialog
// replaces it.
template <typename T> T *Record(HGLOBAL memory)
{
    if (!memory)
        return nullptr;
    T *record = static_cast<T *>(GlobalLock(memory));
    GlobalUnlock(memory);
    return record;
}

} // namespace

_devicemodeW *KZPrinter::DeviceModeW() const
{
    return Record<DEVMODEW>(records->wide.hDevMode);
}

_devicemodeA *KZPrinter::DeviceModeA() const
{
    return Record<DEVMODEA>(records->narrow.hDevMode);
}

tagDEVNAMES *KZPrinter::DeviceNames() const
{
    return Record<DEVNAMES>(KUseAnsiApi() ? records->narrow.hDevNames : records->wide.hDevNames);
}
