// QVZChartPane: the bitmap export of the chart as it stands on the screen.
#include "ui/chart/QVZChartPane.h"

#include <windows.h>

#include <memory>
#include <optional>

#include "chart/view/ZafChartControl.h"
#include "domain/event/QVEvent.h"
#include "domain/results/QVResults.h"
#include "domain/results/QVResultsView.h"
#include "foundation/bitmap/KBitmap.h"
#include "foundation/errors/KX.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/streams/KBufferedFile.h"
#include "foundation/streams/KReplacingFile.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZLongOperation.h"
#include "shell/app/VZApplication.h"
#include "ui/common/QVZChartKeys.h"
#include "ui/chart/QVZChartTrials.h"

namespace {

const KString &SettingString(const wchar_t *key)
{
    KRegistry *settings = VZApplication::Registry();
    return settings ? settings->GetText(key) : KRNode::EmptyText();
}

// The text of key, then on the next line the file it is about (when given).
void Alert(const wchar_t *key, const KString &file = KString())
{
    KString text(SettingString(key));
    if (!file.IsEmpty())
        text.Append(L"\r\n").Append(file);
    if (VZApplication *app = VZApplication::Instance())
        app->ShowError(text);
}

// A copy of the screen rectangle, clipped to the screen; null (with the
// alert shown) when nothing can be copied.
HBITMAP RenderBitmap(RECT rect)
{
    RECT screen = { 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) };
    RECT clipped;
    if (!IntersectRect(&clipped, &rect, &screen)) {
        Alert(kTextExportBitmapGeneral);
        return nullptr;
    }
    const int width = clipped.right - clipped.left;
    const int height = clipped.bottom - clipped.top;
    HDC screenDc = GetDC(nullptr);
    HDC memoryDc = screenDc ? CreateCompatibleDC(screenDc) : nullptr;
    HBITMAP bitmap = memoryDc ? CreateCompatibleBitmap(screenDc, width, height) : nullptr;
    bool copied = false;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memoryDc, bitmap);
        copied = BitBlt(memoryDc, 0, 0, width, height, screenDc, clipped.left, clipped.top, SRCCOPY) != 0;
        SelectObject(memoryDc, old);
    }
    if (memoryDc)
        DeleteDC(memoryDc);
    if (screenDc)
        ReleaseDC(nullptr, screenDc);
    if (!copied) {
        if (bitmap)
            DeleteObject(bitmap);
        Alert(kTextExportBitmapGeneral);
        return nullptr;
    }
    return bitmap;
}

// Row stride of a device-independent bitmap: rows padded to 32 bits.
int32_t DibStride(int bits, int width)
{
    return (bits * width + 31) / 32 * 4;
}

// The bitmap as a 24-bit bottom-up device-independent bitmap in movable
// memory (header, then the rows); null with the alert shown on failure.
HGLOBAL BitmapToDib(HBITMAP bitmap)
{
    BITMAP info;
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) {
        Alert(kTextExportBitmapGeneral);
        return nullptr;
    }
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = info.bmWidth;
    header.biHeight = info.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = DibStride(24, info.bmWidth) * info.bmHeight;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, header.biSize + header.biSizeImage);
    if (!memory) {
        Alert(kTextExportBitmapMemory);
        return nullptr;
    }
    auto *dib = static_cast<BITMAPINFOHEADER *>(GlobalLock(memory));
    HDC screenDc = GetDC(nullptr);
    bool ok = dib && screenDc;
    if (ok) {
        *dib = header;
        ok = GetDIBits(screenDc, bitmap, 0, info.bmHeight, reinterpret_cast<uint8_t *>(dib) + dib->biSize,
                       reinterpret_cast<BITMAPINFO *>(dib), DIB_RGB_COLORS) == info.bmHeight;
    }
    if (screenDc)
        ReleaseDC(nullptr, screenDc);
    if (dib)
        GlobalUnlock(memory);
    if (!ok) {
        GlobalFree(memory);
        Alert(kTextExportBitmapGeneral);
        return nullptr;
    }
    return memory;
}

} // namespace

KString QVZChartPane::exportPath;

void QVZChartPane::ExportBitmap()
{
    QVZChartTrials *trials = Trials();
    QVResultsView *resultsView = trials ? trials->ResultsView() : nullptr;
    QVResults *results = resultsView ? resultsView->Results() : nullptr;
    QVEvent *event = results ? results->Event() : nullptr;

    KBufferedFile file(4096);
    if (!exportPath.IsEmpty())
        file.SetFullName(exportPath);
    KString name(L"QV-");
    if (event && !event->CompetitionId(name))
        event->FileTitle(name);
    KZApplication *app = KZApplication::Instance();
    if (app && app->FindOption(L"-devel") && resultsView)
        name.Append(L"-").AppendInt(resultsView->Selection().y + 1);
    file.SetName(name, true);
    file.RemoveExtension();
    // Only Targa is written, so only ".tga" is offered and forced.
    if (file.GetSaveFileName(L"tga", KString(), OSWindow()) < 0)
        return;
    file.SetExtension(L"tga");
    exportPath = file.FullName();

    HWND window = control ? static_cast<HWND>(control->OSHandle()) : nullptr;
    if (window)
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT rect = {};
    if (!window || !GetWindowRect(window, &rect)) {
        Alert(kTextExportBitmapGeneral);
        return;
    }
    // Its start lets the screen repaint after the dialog, before the copy.
    std::optional<KZLongOperation> work(std::in_place, SettingString(kTextExportBitmapExporting));
    HBITMAP screen = RenderBitmap(rect);
    HGLOBAL dib = screen ? BitmapToDib(screen) : nullptr;
    if (screen)
        DeleteObject(screen);
    auto *header = dib ? static_cast<BITMAPINFOHEADER *>(GlobalLock(dib)) : nullptr;
    if (!header) {
        work.reset();
        if (dib) {
            GlobalFree(dib);
            Alert(kTextExportBitmapError);
        }
        return;
    }
    KBitmap bitmap(header->biWidth, header->biHeight, KBitmap::kFormatBottomUp | KBitmap::kFormat24Bit,
                   KBitmap::kMemoryHeap);
    ExportRowContext context = { this, header->biHeight,
                                 reinterpret_cast<const uint8_t *>(header) + header->biSize,
                                 DibStride(24, header->biWidth), header->biHeight, false };
    // Written beside the chosen file and put in its place only when whole:
    // an abort or a failure keeps a picture that was there before.
    bool failed = false;
    KReplacingFile out(file.FullName(), 64 * 1024);
    try {
        out.Begin();
        bitmap.Export(out, &QVZChartPane::ExportRow, &context);
        if (context.aborted)
            out.Abandon();
        else
            out.Commit();
    } catch (const KX &) {
        failed = true;
    }
    GlobalUnlock(dib);
    GlobalFree(dib);
    // Its end clears the status bar (and says when the user aborted).
    work.reset();
    if (failed)
        Alert(kTextExportBitmapError, file.FullName());
}

const uint8_t *QVZChartPane::ExportRow(int32_t row, void *data)
{
    auto *context = static_cast<ExportRowContext *>(data);
    KZLongOperation *work = KZLongOperation::Current();
    if (work && !work->Step(context->height > 0 ? row * 100 / context->height : 0)) {
        context->aborted = true;
        return nullptr;
    }
    if (context->rowsLeft < 1)
        return nullptr;
    --context->rowsLeft;
    const uint8_t *current = context->next;
    context->next += context->stride;
    return current;
}
