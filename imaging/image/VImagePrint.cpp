// VImage: print marks and hash lines on printed images, and the frame that
// shows a race time.
#include "imaging/image/VImage.h"

#include "foundation/log/KLog.h"
#include "foundation/registry/KRInt.h"
#include "imaging/VImagingCodes.h"
#include "imaging/views/VImageView.h"

#include <algorithm>
#include <cstring>
#include <new>

void VImage::BeginPrinting(const KRect &rect, const std::vector<VRaceTime> &marks, const VImageView &view,
                           double scale, uint32_t flags)
{
    itsPrinting = true;
    itsPrintFlags = flags;
    itsPrintRect = rect;
    itsPrintMarks.clear();
    try {
        itsPrintMarks.reserve(marks.size());
        for (const VRaceTime &time : marks)
            itsPrintMarks.push_back(FrameOfTime(time, view, false));
    } catch (const std::bad_alloc &) {
        itsPrintMarks.clear();
        if (KLog *log = KProgramLog())
            log->Consistency(L"VImage", L"BeginPrinting", L"can't allocate printMarks");
    }
    if (flags & 2) {
        scale = std::max(scale, 1.0);
        itsHashWidths[0] = int32_t(6 * scale);
        itsHashWidths[1] = int32_t(4 * scale);
        itsHashWidths[2] = int32_t(2 * scale);
    } else {
        itsHashWidths[0] = itsHashWidths[1] = itsHashWidths[2] = 0;
    }
}

void VImage::EndPrinting()
{
    itsPrinting = false;
    itsPrintMarks.clear();
    itsPrintMarks.shrink_to_fit();
}

int32_t VImage::PrintLineWidth(int32_t frame, const VImageView &) const
{
    if (frame < 0 || frame + 1 >= itsFrameCount)
        return 0;
    const VRaceTime here = FrameTime(StoredFrame(frame));
    const VRaceTime next = FrameTime(StoredFrame(frame + 1));
    if (!here.IsValid() || !next.IsValid())
        return 0;
    const auto floorDiv = [](int64_t a, int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); };
    for (int k = 0; k < kPrintTimeSteps; ++k) {
        const int64_t step = PrintTimeStep(k);
        if (step > 0 && floorDiv(here.Ticks(), step) != floorDiv(next.Ticks(), step))
            return itsHashWidths[k];
    }
    return 0;
}

int32_t VImage::PrintLineColour() const
{
    KRInt *node = PrintLineColorNode();
    const int32_t setting = node ? node->Value() : kDefaultPrintLineColor;
    static const int32_t kColour[] = {31744, 32767, 992};
    static const int32_t kGrey[] = {128, 255, 128};
    if (setting < 1 || setting > 3 || (!IsColour() && !IsGrey()))
        return 0;
    return IsColour() ? kColour[setting - 1] : kGrey[setting - 1];
}

void VImage::DrawPrintMarks(uint8_t *source, const KRect &rect, const VImageView &view)
{
    const int32_t bytes = BytesPerPixel();
    const int32_t rows = rect.Height();
    const int32_t margin = std::min(itsHashWidths[0], rows / 2);
    const uint16_t white = bytes == 1 ? 255 : 32767;
    const uint16_t colour = uint16_t(PrintLineColour());
    const auto set = [&](uint8_t *column, int32_t row, uint16_t value) {
        if (bytes == 1)
            column[row] = uint8_t(value);
        else
            std::memcpy(column + 2 * row, &value, 2);
    };
    for (int32_t c = 0; c < rect.Width(); ++c) {
        const int32_t x = rect.left + c;
        uint8_t *column = source + c * rows * bytes;
        if (itsPrintFlags & 2) {
            const int32_t w = std::min(margin, PrintLineWidth(ViewToFrame(x, view.Zoom()), view));
            for (int32_t r = 0; r < margin; ++r) {
                set(column, r, r >= margin - w ? 0 : white);
                set(column, rows - 1 - r, r >= margin - w ? 0 : white);
            }
        }
        if (std::find(itsPrintMarks.begin(), itsPrintMarks.end(), x) != itsPrintMarks.end())
            for (int32_t r = margin; r < rows - margin; ++r)
                set(column, r, colour);
    }
}

int32_t VImage::FrameOfTime(const VRaceTime &time, const VImageView &view, bool strict)
{
    if (itsFrameCount < 1 || !time.IsValid())
        return -1;
    const int32_t orientation = itsCamera.Parameter(VCamera::kOrientation);
    itsCamera.SetParameter(VCamera::kOrientation, 0, false);
    const auto timeOf = [this](int32_t x) { return FrameTime(StoredFrame(x)); };
    const auto matches = [&](int32_t x) {
        const VRaceTime here = timeOf(x);
        return here == time || (x > 0 && timeOf(x - 1) < time && time < here);
    };
    int32_t x = std::clamp(itsLastFrameOfTime, 0, itsFrameCount - 1);
    int32_t step = 0, direction = 0;
    bool turned = false;
    for (int32_t tries = 0; !matches(x) && tries < itsFrameCount; ++tries) {
        const VRaceTime here = timeOf(x);
        if (!here.IsValid())
            break;
        const int want = time > here ? 1 : -1;
        if ((want > 0 && x == itsFrameCount - 1) || (want < 0 && x == 0))
            break;
        if (direction == -want)
            turned = true;
        step = std::max(1, turned ? step / 2 : step * 2);
        x = std::clamp(x + want * step, 0, itsFrameCount - 1);
        direction = want;
    }
    bool found = true;
    if (strict) {
        const VRaceTime here = timeOf(x);
        const int64_t unit = std::max<int64_t>(1, time.Resolution());
        const int64_t allowed = std::max(1, itsCamera.Parameter(VCamera::kFrameRate)) * unit;
        found = here.IsValid() && std::llabs(here.Ticks() - time.Ticks()) <= allowed;
    }
    itsCamera.SetParameter(VCamera::kOrientation, orientation, false);
    if (!found)
        return -1;
    itsLastFrameOfTime = x;
    return FrameToView(x, view.Zoom());
}
