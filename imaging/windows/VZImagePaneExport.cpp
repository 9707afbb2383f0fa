// The image pane's export of the selection to a Targa file.
#include "imaging/windows/VZImagePane.h"

#include <vector>

#include "domain/charts/VZoom.h"
#include "domain/event/QVEvent.h"
#include "domain/results/QVResult.h"
#include "domain/results/QVResults.h"
#include "domain/timing/VLeg.h"
#include "foundation/bitmap/KBitmap.h"
#include "foundation/errors/KX.h"
#include "foundation/streams/KBufferedFile.h"
#include "foundation/streams/KReplacingFile.h"
#include "foundation/strings/KString.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/image/VImage.h"
#include "imaging/image/VImagingTexts.h"
#include "imaging/views/VImageView.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/KZLongOperation.h"
#include "shell/app/VZApplication.h"

namespace {

// Rows top down, 1-byte aligned, 15 bits: the words Targa's 15-bit rows hold.
constexpr uint32_t kRowFormat = 8192 | 256 | 16;

// The view at 1:1 with the image's print marks (the flagged results) for the
// selection; the zoom and the marks are put back however the export ends.
class PrintBracket
{
public:
    KRect printRect;   // the selection in view units at 1:1

    // selection in image frames and pixels.
    PrintBracket(VImage &image, VImageView &view, const KRect &selection, const std::vector<VRaceTime> &marks)
        : image(image), view(view)
    {
        const VZoom &zoom = view.Zoom();
        horizontal[0] = zoom.HorizontalNumerator();
        horizontal[1] = zoom.HorizontalDenominator();
        vertical[0] = zoom.VerticalNumerator();
        vertical[1] = zoom.VerticalDenominator();
        view.Zoom().SetBoth(1, 1, false);
        printRect = image.ImageToView(selection, view.Zoom());
        image.BeginPrinting(printRect, marks, view, 1.0, 0);
    }
    ~PrintBracket()
    {
        image.EndPrinting();
        view.Zoom().SetHorizontal(horizontal[0], horizontal[1], false);
        view.Zoom().SetVertical(vertical[0], vertical[1], false);
    }
    PrintBracket(const PrintBracket &) = delete;
    PrintBracket &operator=(const PrintBracket &) = delete;

private:
    VImage &image;
    VImageView &view;
    int32_t horizontal[2];
    int32_t vertical[2];
};

struct ExportRows
{
    VImage *image;
    VImageView *view;
    KRect rect;            // view units at 1:1
    KZLongOperation *progress;   // wait pointer, status bar, Escape
    std::vector<uint8_t> row;
};

// The file's rows come bottom first.
const uint8_t *NextRow(int32_t row, void *context)
{
    auto *rows = static_cast<ExportRows *>(context);
    if (!rows->progress->Step(int(int64_t(row) * 100 / rows->rect.Height())))
        return nullptr;
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

// The event's competition identifier, else its file's title; the file keeps
// the name it had when the image has no event or the event neither.
void VZImagePane::NameExportFile(KFile &file) const
{
    file.RemoveExtension();
    const VLeg *leg = Leg();
    const QVEvent *event = leg ? leg->Event() : nullptr;
    if (!event)
        return;
    KString name;
    if (!event->CompetitionId(name))
        event->FileTitle(name);
    if (!name.IsEmpty())
        file.SetName(name, true);
}

std::vector<VRaceTime> VZImagePane::PrintMarks() const
{
    std::vector<VRaceTime> marks;
    if (QVResults *results = LegResults())
        for (QVResult *result = results->NextFlagged(nullptr); result; result = results->NextFlagged(result))
            marks.push_back(result->FinishTime());
    return marks;
}

bool VZImagePane::ExportBitmap()
{
    const KRect selection = HasSelection() ? image->ViewToImage(view->FirstRect(), view->Zoom()) : KRect(0, 0, -1, -1);
    if (selection.IsEmpty()) {
        ShowError(kTextBadSelection);
        return false;
    }
    KBufferedFile file(4096);
    static_cast<KFile &>(file) = ExportFile();
    NameExportFile(file);
    // Targa is the only format written, so it is the only one offered, and
    // the file gets its extension whatever name was typed.
    if (file.GetSaveFileName(KString(L"tga"), KString(), OSWindow()) != 0)
        return false;
    file.SetExtension(KString(L"tga"));
    ExportFile() = file;

    const KBitmap bitmap(selection.Width(), selection.Height(), KBitmap::kFormat15Bit);
    bool written = false;
    KX failure(0);
    {
        KZLongOperation progress(VImagingText(kTextExportingBitmap));
        const PrintBracket bracket(*image, *view, selection, PrintMarks());
        ExportRows rows{ image, view, bracket.printRect, &progress, {} };
        rows.row.assign(size_t(bitmap.RowBytes()), 0);
        // The picture goes to a temporary file that replaces the chosen one
        // only when it is whole: an abort or a failure leaves no half-written
        // picture and keeps a file that was there before.
        KReplacingFile out(file.FullName(), 64 * 1024);
        try {
            out.Begin();
            written = bitmap.Export(out, &NextRow, &rows);
            if (written)
                out.Commit();
            else
                out.Abandon();
        } catch (const KX &error) {
            written = false;
            failure = error;
        }
    }
    VZApplication *app = VZApplication::Instance();
    if (!written && failure.Code() && app)
        app->ShowFileError(failure.Code(), failure.Extra(),
                           failure.Text().IsEmpty() ? file.FullName() : failure.Text());
    return written;
}
