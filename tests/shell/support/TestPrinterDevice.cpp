#include "shell/support/TestPrinterDevice.h"

#include <algorithm>
#include <commdlg.h>

namespace {

// The picture never exceeds this many pixels on a side; the capabilities
// may report more (only the arithmetic sees them).
constexpr int kMaxPicture = 1000;

bool IsWhite(uint32_t pixel)
{
    return (pixel & 0xFFFFFF) == 0xFFFFFF;
}

} // namespace

TestPrinterDevice::~TestPrinterDevice()
{
    ReleaseContext();
}

bool TestPrinterDevice::Answer(DWORD &flags, HGLOBAL &devMode, HDC &dc, size_t devModeSize)
{
    if (flags & PD_RETURNDEFAULT) {
        calls.push_back("ReturnDefault");
        if (!hasDefaultPrinter)
            return false;
        devMode = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, devModeSize);
        return true;
    }
    calls.push_back(flags & PD_PRINTSETUP ? "PrintSetup" : "Print");
    if (!dialogAccepts)
        return false;
    if (flags & PD_RETURNDC) {
        MakeContext();
        dc = context;
        if (printToFile)
            flags |= PD_PRINTTOFILE;
    }
    return true;
}

bool TestPrinterDevice::PrintDialogW(void *record)
{
    auto *dialog = static_cast<PRINTDLGW *>(record);
    if (!Answer(dialog->Flags, dialog->hDevMode, dialog->hDC, sizeof(DEVMODEW)))
        return false;
    if (auto *mode = static_cast<DEVMODEW *>(GlobalLock(dialog->hDevMode))) {
        mode->dmSize = sizeof(DEVMODEW);
        GlobalUnlock(dialog->hDevMode);
    }
    return true;
}

bool TestPrinterDevice::PrintDialogA(void *record)
{
    auto *dialog = static_cast<PRINTDLGA *>(record);
    calls.push_back("8-bit");
    return Answer(dialog->Flags, dialog->hDevMode, dialog->hDC, sizeof(DEVMODEA));
}

int TestPrinterDevice::Capability(void *, int index)
{
    switch (index) {
    case HORZSIZE: return horizontalMillimetres;
    case VERTSIZE: return verticalMillimetres;
    case HORZRES: return horizontalPixels;
    case VERTRES: return verticalPixels;
    default: return 0;
    }
}

int TestPrinterDevice::StartDocW(void *, const void *info)
{
    auto *document = static_cast<const DOCINFOW *>(info);
    calls.push_back("StartDoc");
    documentName = document->lpszDocName ? document->lpszDocName : L"";
    outputFile = document->lpszOutput ? document->lpszOutput : L"";
    return 7;
}

int TestPrinterDevice::StartDocA(void *, const void *info)
{
    auto *document = static_cast<const DOCINFOA *>(info);
    calls.push_back("StartDoc");
    const char *name = document->lpszDocName ? document->lpszDocName : "";
    documentName.assign(name, name + strlen(name));
    return 7;
}

void TestPrinterDevice::DeleteContext(void *dc)
{
    calls.push_back("DeleteContext");
    if (dc == context) {
        // The picture stays readable; only the context's mapping is dropped.
        SetMapMode(context, MM_TEXT);
        SetViewportOrgEx(context, 0, 0, nullptr);
    }
}

void TestPrinterDevice::MakeContext()
{
    ReleaseContext();
    pictureWidth = std::min(horizontalPixels, kMaxPicture);
    pictureHeight = std::min(verticalPixels, kMaxPicture);
    picture = std::make_unique<DibSurface>(pictureWidth, pictureHeight);
    context = picture->Context();
    bits = picture->Bits();
}

void TestPrinterDevice::ReleaseContext()
{
    if (!context)
        return;
    picture.reset();
    context = nullptr;
    bits = nullptr;
}

COLORREF TestPrinterDevice::Pixel(int x, int y) const
{
    if (!bits || x < 0 || y < 0 || x >= pictureWidth || y >= pictureHeight)
        return 0xFFFFFFFF;
    GdiFlush();
    const uint32_t pixel = bits[y * pictureWidth + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

std::pair<int, int> TestPrinterDevice::InkedRows() const
{
    return InkedLines(true);
}

std::pair<int, int> TestPrinterDevice::InkedColumns() const
{
    return InkedLines(false);
}

std::pair<int, int> TestPrinterDevice::InkedLines(bool rows) const
{
    std::pair<int, int> lines(-1, -1);
    GdiFlush();
    const int count = rows ? pictureHeight : pictureWidth;
    const int length = rows ? pictureWidth : pictureHeight;
    for (int line = 0; bits && line < count; ++line)
        for (int along = 0; along < length; ++along) {
            const int x = rows ? along : line, y = rows ? line : along;
            if (!IsWhite(bits[y * pictureWidth + x])) {
                if (lines.first < 0)
                    lines.first = line;
                lines.second = line;
                break;
            }
        }
    return lines;
}
