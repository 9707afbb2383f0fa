// Mapping, fonts, text and drawing of the job in progress.
#include "shell/toolkit/printing/KZPrinterRecords.h"

#include <algorithm>
#include <cmath>

#include "foundation/comm/KZOSText.h"
#include "foundation/strings/KString.h"
#include "foundation/values/KHelpers.h"

namespace {

struct FontSlot
{
    int index;
    int32_t height;   // logical units
    LONG weight;
};
constexpr FontSlot kFontSlots[] = { { 0, 9, FW_NORMAL }, { 1, 12, FW_NORMAL }, { 3, 13, FW_BOLD } };

// The printed face of a font slot over the system's icon-title face (a
// LOGFONTA or LOGFONTW): the slot's height and weight, TrueType only.
template <class Face> void SetSlotFace(Face &face, const FontSlot &slot)
{
    face.lfHeight = slot.height;
    face.lfWidth = face.lfEscapement = face.lfOrientation = 0;
    face.lfWeight = slot.weight;
    face.lfItalic = face.lfUnderline = face.lfStrikeOut = 0;
    face.lfOutPrecision = OUT_TT_ONLY_PRECIS;
}

HDC Dc(void *dc)
{
    return static_cast<HDC>(dc);
}

// Scales value by numerator / denominator without overflowing 32 bits.
int32_t Scale(int32_t value, int32_t numerator, int32_t denominator)
{
    return int32_t(int64_t(value) * numerator / denominator);
}

// Scales point from one extent to another, axis by axis; unchanged while
// either extent is not yet known (zero or less).
void ScalePoint(KPoint &point, KPoint to, KPoint from)
{
    if (from.x <= 0 || from.y <= 0 || to.x <= 0 || to.y <= 0)
        return;
    point.x = Scale(point.x, to.x, from.x);
    point.y = Scale(point.y, to.y, from.y);
}

void ScaleRect(KRect &rect, KPoint to, KPoint from)
{
    KPoint topLeft(rect.left, rect.top), bottomRight(rect.right, rect.bottom);
    ScalePoint(topLeft, to, from);
    ScalePoint(bottomRight, to, from);
    rect = KRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
}

// Selects a font into a context for the lifetime of the object.
class SelectedFont
{
public:
    SelectedFont(HDC dc, void *font) : itsDc(dc), itsOld(font ? SelectObject(dc, font) : nullptr) {}
    ~SelectedFont()
    {
        if (itsOld)
            SelectObject(itsDc, itsOld);
    }
    SelectedFont(const SelectedFont &) = delete;
    SelectedFont &operator=(const SelectedFont &) = delete;

private:
    HDC itsDc;
    HGDIOBJ itsOld;
};

} // namespace

void KZPrinter::ApplyMapping(bool page)
{
    if (!dc)
        return;
    const KPoint &window = page ? printableLogical : printablePixels;
    SetMapMode(Dc(dc), MM_ANISOTROPIC);
    SetWindowExtEx(Dc(dc), window.x, window.y, nullptr);
    SetViewportExtEx(Dc(dc), printablePixels.x, printablePixels.y, nullptr);
    SetViewportOrgEx(Dc(dc), origin.x, origin.y, nullptr);
}

void KZPrinter::UsePageUnits()
{
    ApplyMapping(true);
}

void KZPrinter::UseDeviceUnits()
{
    ApplyMapping(false);
}

void KZPrinter::LogicalToDevice(KPoint &point) const
{
    ScalePoint(point, printablePixels, printableLogical);
}

void KZPrinter::LogicalToDevice(KRect &rect) const
{
    ScaleRect(rect, printablePixels, printableLogical);
}

void KZPrinter::DeviceToLogical(KPoint &point) const
{
    ScalePoint(point, printableLogical, printablePixels);
}

void KZPrinter::DeviceToLogical(KRect &rect) const
{
    ScaleRect(rect, printableLogical, printablePixels);
}

int32_t KZPrinter::LinesPerPage() const
{
    return printableLogical.y / lineHeight;
}

KRect KZPrinter::PageRect() const
{
    return KRect(0, 0, printableLogical.x - 1, LinesPerPage() - 1);
}

int32_t KZPrinter::ResolutionFactor(int32_t dotsPerInch) const
{
    if (dotsPerInch == -1)
        dotsPerInch = resolution.y;
    if (dotsPerInch <= 300)
        return 53;
    return 53 + int32_t(1.85 * std::sqrt(double(dotsPerInch - 300)));
}

bool KZPrinter::MakeFonts()
{
    for (const FontSlot &slot : kFontSlots) {
        HFONT made = nullptr;
        if (KUseAnsiApi()) {
            LOGFONTA face = {};
            SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof face, &face, 0);
            SetSlotFace(face, slot);
            made = CreateFontIndirectA(&face);
        } else {
            LOGFONTW face = {};
            SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof face, &face, 0);
            SetSlotFace(face, slot);
            made = CreateFontIndirectW(&face);
        }
        if (!made)
            return false;
        fonts[slot.index] = made;
    }
    for (int i = 0; i < kFontCount; ++i) {
        if (!fonts[i])
            continue;
        SelectedFont selected(Dc(dc), fonts[i]);
        if (KUseAnsiApi()) {
            TEXTMETRICA metrics = {};
            GetTextMetricsA(Dc(dc), &metrics);
            fontHeights[i] = metrics.tmHeight;
        } else {
            TEXTMETRICW metrics = {};
            GetTextMetricsW(Dc(dc), &metrics);
            fontHeights[i] = metrics.tmHeight;
        }
    }
    return true;
}

void KZPrinter::ReleaseFonts()
{
    for (int i = 0; i < kFontCount; ++i) {
        if (fonts[i])
            DeleteObject(fonts[i]);
        fonts[i] = nullptr;
        fontHeights[i] = 0;
    }
}

void KZPrinter::SetFont(int index)
{
    if (index >= 0 && index < kFontCount)
        font = index;
}

void KZPrinter::SetLineHeight(int32_t height)
{
    lineHeight = std::max(height, int32_t(1));
}

int32_t KZPrinter::FontHeight(int index) const
{
    return index >= 0 && index < kFontCount ? fontHeights[index] : 0;
}

KPoint KZPrinter::TextExtent(const KString &text, int length) const
{
    if (!dc)
        return KPoint();
    if (length < 0 || length > text.Length())
        length = text.Length();
    SelectedFont selected(Dc(dc), fonts[font]);
    SIZE size = {};
    if (KUseAnsiApi()) {
        KZOSText converted(text);
        GetTextExtentPoint32A(Dc(dc), converted.GetText(), std::min(length, converted.Length()), &size);
    } else {
        GetTextExtentPoint32W(Dc(dc), text.CStr(), length, &size);
    }
    return KPoint(size.cx, size.cy);
}

int32_t KZPrinter::TextWidth(const KString &text, int length) const
{
    return TextExtent(text, length).x;
}

int32_t KZPrinter::TextGap() const
{
    if (lineHeight < 2)
        return 0;
    return lineHeight - FontHeight(font) - 2;
}

void KZPrinter::DrawText(KRect rect, const KString &text, int horizontal, int vertical)
{
    if (!dc || rect.Width() < 1)
        return;
    if (lineHeight > 1) {
        rect.top *= lineHeight;
        rect.bottom = rect.top + lineHeight - 3;
    }
    int length = KUseAnsiApi() ? std::min(text.Length(), 255) : text.Length();
    while (length > 0 && TextWidth(text, length) > rect.Width())
        --length;
    if (length == 0)
        return;
    SelectedFont selected(Dc(dc), fonts[font]);
    SetTextColor(Dc(dc), RGB(0, 0, 0));
    SetBkColor(Dc(dc), RGB(255, 255, 255));
    SetBkMode(Dc(dc), TRANSPARENT);
    UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP;
    format |= horizontal == 1 ? DT_RIGHT : horizontal == 2 ? DT_CENTER : DT_LEFT;
    format |= vertical == 0 ? DT_TOP : vertical == 1 ? DT_BOTTOM : DT_VCENTER;
    RECT box = { rect.left, rect.top, rect.right + 1, rect.bottom + 1 };
    if (KUseAnsiApi()) {
        KZOSText converted(text);
        DrawTextA(Dc(dc), converted.GetText(), std::min(length, converted.Length()), &box, format);
    } else {
        DrawTextW(Dc(dc), text.CStr(), length, &box, format);
    }
}

void KZPrinter::DrawRule(KRect rect)
{
    if (rect.Width() < 1)
        return;
    if (lineHeight > 1) {
        rect.top *= lineHeight;
        rect.bottom = lineHeight + rect.top - 1;
    }
    DrawLine(KPoint(rect.left, rect.bottom), KPoint(rect.right, rect.bottom), font == 3 ? 1 : 0);
}

void KZPrinter::DrawLine(const KPoint &from, const KPoint &to, int width)
{
    if (!dc)
        return;
    HPEN pen = CreatePen(PS_SOLID, width, RGB(0, 0, 0));
    HGDIOBJ old = SelectObject(Dc(dc), pen);
    MoveToEx(Dc(dc), from.x, from.y, nullptr);
    LineTo(Dc(dc), to.x, to.y);
    SelectObject(Dc(dc), old);
    DeleteObject(pen);
}

int KZPrinter::DrawBitmap(const KRect &destination, const KRect &source, const void *pixels, int bitsPerPixel)
{
    if (bitsPerPixel != 15 && bitsPerPixel != 24)
        return bitsPerPixel - 24;
    if (!dc || !pixels)
        return 0;
    struct
    {
        BITMAPINFOHEADER header;
        DWORD masks[3];
    } info = {};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = source.Width();
    info.header.biHeight = -source.Height();
    info.header.biPlanes = 1;
    if (bitsPerPixel == 15) {
        info.header.biBitCount = 16;
        info.header.biCompression = BI_BITFIELDS;
        info.masks[0] = 0x7C00;
        info.masks[1] = 0x03E0;
        info.masks[2] = 0x001F;
    } else {
        info.header.biBitCount = 24;
        info.header.biCompression = BI_RGB;
    }
    return StretchDIBits(Dc(dc), destination.left, destination.top, destination.Width(), destination.Height(), 0, 0,
                         source.Width(), source.Height(), pixels, reinterpret_cast<BITMAPINFO *>(&info),
                         DIB_RGB_COLORS, SRCCOPY);
}
