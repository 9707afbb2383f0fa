// ZafPrinter: print jobs and pages, and the two text-block operations.
#include "framework/windows/ZafPrinter.h"

#include <cwchar>

#include "framework/windows/ZafMSWindowsApp.h"
#include "framework/windows/ZafOSText.h"
#include "framework/windows/ZafPrintDialog.h"

namespace {

constexpr const ZafIChar *defaultDocumentName = L"ZafPrinter Document";
constexpr UINT blockFormat = DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX;   // 0x910

UINT HorizontalFormat(int horizontal)
{
    return horizontal == 2 ? DT_CENTER : horizontal == 1 ? DT_RIGHT : 0;
}

} // namespace

int ZafPrinter::BeginPrintJob(const ZafIChar *documentName)
{
    // A job is the outermost drawing sequence: it raises the draw count
    // whatever happens, and EndPrintJob lowers it again.
    const bool outermost = drawCount == 0;
    BeginDraw(nullptr, nullptr);
    if (!outermost)
        return 0;
    if (!deviceContext)
        return ZAF_PRINTER_FAILED;
    const ZafIChar *name = documentName ? documentName : defaultDocumentName;
    int started = 0;
    if (ZafMSWindowsApp::Ansi()) {
        char *local = ZafNewLocalText(name);
        DOCINFOA document = { sizeof(DOCINFOA), local, nullptr, nullptr, 0 };
        started = Calls().startDocA ? Calls().startDocA(deviceContext, &document) : 0;
        delete[] local;
    } else {
        DOCINFOW document = { sizeof(DOCINFOW), name, nullptr, nullptr, 0 };
        started = Calls().startDocW ? Calls().startDocW(deviceContext, &document) : 0;
    }
    documentStarted = started > 0;
    return documentStarted ? 0 : ZAF_PRINTER_FAILED;
}

int ZafPrinter::EndPrintJob()
{
    if (drawCount <= 0)
        return 0;
    int answer = 0;
    if (drawCount == 1 && documentStarted) {
        if (Calls().endDoc && Calls().endDoc(deviceContext) <= 0)
            answer = ZAF_PRINTER_FAILED;
        documentStarted = false;
    }
    EndDraw();
    return answer;
}

int ZafPrinter::BeginPage()
{
    if (!deviceContext)
        return ZAF_PRINTER_FAILED;
    const int x = leftMargin - physicalOffsetX, y = topMargin - physicalOffsetY;
    SetViewportOrgEx(deviceContext, x, y, nullptr);
    HRGN clip = CreateRectRgn(x, y, x + printableWidth, y + printableHeight);
    SelectClipRgn(deviceContext, clip);
    DeleteObject(clip);
    if (!Calls().startPage || Calls().startPage(deviceContext) <= 0)
        return ZAF_PRINTER_FAILED;
    return 0;
}

int ZafPrinter::EndPage()
{
    if (!deviceContext || !Calls().endPage || Calls().endPage(deviceContext) <= 0)
        return ZAF_PRINTER_FAILED;
    return 0;
}

int ZafPrinter::DrawTextRect(RECT &rect, const ZafIChar *text, int length, UINT format, bool fill)
{
    if (!deviceContext || !text)
        return 0;
    const int whole = int(std::wcslen(text));
    if (length < 0 || length > whole)
        length = whole;
    if (fill)
        SetBkMode(deviceContext, OPAQUE);
    int height;
    if (ZafMSWindowsApp::Ansi()) {
        char *local = ZafNewLocalText(text, length);
        height = DrawTextA(deviceContext, local, -1, &rect, format);
        delete[] local;
    } else
        height = ZafDrawTextW(deviceContext, text, length, &rect, format);
    if (fill)
        SetBkMode(deviceContext, TRANSPARENT);
    return height;
}

int ZafPrinter::DrawTextBlock(int left, int top, int right, int bottom, int, const ZafIChar *text, int length,
    int horizontal, int vertical, bool fill)
{
    const int bottomPixels = ToPixelsY(bottom);
    RECT rect = { ToPixelsX(left), ToPixelsY(top), ToPixelsX(right) + 1, bottomPixels + 1 };
    UINT format = blockFormat | HorizontalFormat(horizontal);
    if (vertical == 1)
        format |= DT_BOTTOM;
    else if (vertical != 0)
        format |= DT_VCENTER;
    DrawTextRect(rect, text, length, format, fill);
    return FromPixelsY(bottomPixels);
}

int ZafPrinter::DrawParagraph(int left, int top, int right, const ZafIChar *text, int length, int horizontal,
    bool fill)
{
    const int x = ToPixelsX(left), y = ToPixelsY(top), r = ToPixelsX(right) + 1;
    const UINT format = blockFormat | HorizontalFormat(horizontal);
    RECT measure = { x, y, r, y + 1 };
    const int height = DrawTextRect(measure, text, length, format | DT_CALCRECT, false);
    RECT rect = { x, y, r, y + height + 1 };
    DrawTextRect(rect, text, length, format, fill);
    return FromPixelsY(y + height);
}

bool ZafPrinter::ShowPrintDialog(ZafPrintJobSettings &settings)
{
    ZafPrintDialog dialog(0, 0, this, &settings);
    return dialog.DoModal() == ZAF_DIALOG_OK;
}
