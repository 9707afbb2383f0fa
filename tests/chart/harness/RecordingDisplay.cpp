#include "chart/harness/RecordingDisplay.h"

#include <cwchar>

RecordingDisplay::RecordingDisplay()
{
    palette = ZafPaletteStruct::Default();
}

RecordedCall &RecordingDisplay::Record(const char *op, std::vector<int> args)
{
    RecordedCall call;
    call.op = op;
    call.args = std::move(args);
    call.foreground = palette.colorForeground;
    call.background = palette.colorBackground;
    call.lineStyle = palette.lineStyle;
    calls.push_back(call);
    return calls.back();
}

std::vector<RecordedCall> RecordingDisplay::Drawing() const
{
    std::vector<RecordedCall> drawing;
    for (const RecordedCall &call : calls)
        if (call.op.compare(0, 3, "Set") != 0)
            drawing.push_back(call);
    return drawing;
}

std::vector<RecordedCall> RecordingDisplay::Calls(const std::string &op) const
{
    std::vector<RecordedCall> named;
    for (const RecordedCall &call : calls)
        if (call.op == op)
            named.push_back(call);
    return named;
}

int RecordingDisplay::Text(int x, int y, const ZafIChar *text, int length, int hotKeyIndex, bool fill)
{
    RecordedCall &call = Record("Text", {x, y, length, hotKeyIndex});
    call.text = text ? text : L"";
    call.fill = fill;
    return 0;
}

ZafRegionStruct RecordingDisplay::TextExtent(const ZafIChar *text, int length)
{
    int n = text ? int(std::wcslen(text)) : 0;
    if (length >= 0 && length < n)
        n = length;
    ZafRegionStruct extent;
    if (n == 0)
        extent.Assign(1, 1, 0, 0, ZAF_PIXEL);
    else
        extent.Assign(1, 1, n * kCharWidth, kCharHeight, ZAF_PIXEL);
    return extent;
}

int RecordingDisplay::Ellipse(int left, int top, int right, int bottom, float startAngle,
                              float endAngle, int width, bool fill)
{
    RecordedCall &call = Record("Ellipse", {left, top, right, bottom, width});
    call.startAngle = startAngle;
    call.endAngle = endAngle;
    call.fill = fill;
    return 0;
}

int RecordingDisplay::Line(int x1, int y1, int x2, int y2, int width)
{
    Record("Line", {x1, y1, x2, y2, width});
    return 0;
}

int RecordingDisplay::Pixel(int x, int y, ZafInt8 color)
{
    Record("Pixel", {x, y, color});
    return 0;
}

int RecordingDisplay::Polygon(int count, const int *points, int width, bool fill, bool close)
{
    std::vector<int> args{count, width, close ? 1 : 0};
    for (int i = 0; i < 2 * count; ++i)
        args.push_back(points[i]);
    Record("Polygon", std::move(args)).fill = fill;
    return 0;
}

int RecordingDisplay::Rectangle(int left, int top, int right, int bottom, int width, bool fill)
{
    Record("Rectangle", {left, top, right, bottom, width}).fill = fill;
    return 0;
}

ZafInt8 RecordingDisplay::SetBackground(ZafInt8 color)
{
    return Replace("SetBackground", palette.colorBackground, color);
}

ZafInt8 RecordingDisplay::SetFont(ZafInt8 font)
{
    return Replace("SetFont", palette.font, font);
}

ZafInt8 RecordingDisplay::SetForeground(ZafInt8 color)
{
    return Replace("SetForeground", palette.colorForeground, color);
}

ZafInt8 RecordingDisplay::SetLineStyle(ZafInt8 style)
{
    return Replace("SetLineStyle", palette.lineStyle, style);
}

ZafUInt8 RecordingDisplay::SetMode(ZafUInt8 newMode)
{
    return Replace("SetMode", mode, newMode);
}

ZafUInt8 RecordingDisplay::SetPattern(ZafUInt8 pattern)
{
    return Replace("SetPattern", palette.fillPattern, pattern);
}
