// The image pane's export of the selection to a Targa file.
#include "imaging/windows/VZImagePane.h"

#include <vector>

#include "foundation/bitmap/KBitmap.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KBufferedFile.h"
#include "foundation/strings/KString.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImage.h"
#include "imaging/image/VImagingTexts.h"
#include "imaging/views/VImageView.h"
#include "shell/app/VZApplication.h"

namespace {

// Rows top down, 1-byte aligned, 15 bits: the words Targa's 15-bit rows hold.
constexpr uint32_t kRowFormat = 8192 | 256 | 16;

struct ExportRows
{
    VImage *image;
    VImageView *view;
    KRect rect;            // view units at 1:1
    bool aborted = false;
    std::vector<uint8_t> row;
};

// The file's rows come bottom first.
const uint8_t *NextRow(int32_t row, void *context)
{
    auto *rows = static_cast<ExportRows *>(context);
    if (KZApplication *app = KZApplication::Instance())
        if (app->UserAbort()) {
            rows->aborted = true;
            return nullptr;
        }
    const int32_t y = rows->rect.bottom - row;
    KRect band(rows->rect.left, y, rows->rect.right, y);
    const uint8_t *pixels = rows->image->RenderRect(band, *rows->view, kRowFormat);
    if (!pixels || band.Width() != rows->rect.Width())
        std::fill(rows->row.begin(), rows->row.end(), uint8_t(0));
    else
        rows->row.assign(pixels, pixels + rows->row.size());
    return rows->row.data();
}

void ShowError(const wchar_t *key)
{
    if (VZApplication *app = VZApplication::Instance())
        app->ShowError(VImagingText(key));
}

} // namespace

bool VZImagePane::ExportBitmap()
{
    const KRect selection = HasSelection() ? image->ViewToImage(view->FirstRect(), view->Zoom()) : KRect(0, 0, -1, -1);
    if (selection.IsEmpty()) {
        ShowError(kTextBadSelection);
        return false;
    }
    KBufferedFile file(4096);
    static_cast<KFile &>(file) = ExportFile();
    file.RemoveExtension();
    // Targa is the only format written, so it is the only one offered, and
    // the file gets its extension whatever name was typed.
    if (file.GetSaveFileName(KString(L"tga")) != 0)
        return false;
    file.SetExtension(KString(L"tga"));
    ExportFile() = file;

    const KBitmap bitmap(selection.Width(), selection.Height(), KBitmap::kFormat15Bit);
    const int32_t horizontal[2] = { view->Zoom().HorizontalNumerator(), view->Zoom().HorizontalDenominator() };
    const int32_t vertical[2] = { view->Zoom().VerticalNumerator(), view->Zoom().VerticalDenominator() };
    view->Zoom().SetBoth(1, 1, false);
    ExportRows rows{ image, view, image->ImageToView(selection, view->Zoom()) };
    rows.row.assign(size_t(bitmap.RowBytes()), 0);
    bool written = false;
    int32_t failure = 0;
    try {
        file.Open(KFile::kModeReadWrite, true);
        file.SetSize(0);
        written = bitmap.Export(file, &NextRow, &rows);
        file.Close();
    } catch (const KX &error) {
        failure = error.Code();
    }
    view->Zoom().SetHorizontal(horizontal[0], horizontal[1], false);
    view->Zoom().SetVertical(vertical[0], vertical[1], false);
    if (!written) {
        // No half-written picture is left behind.
        file.Delete();
        VZApplication *app = VZApplication::Instance();
        if (failure && app)
            app->ShowErrorCode(failure);
        else if (rows.aborted)
            ShowError(kTextUserAborted);
    }
    return written;
}
