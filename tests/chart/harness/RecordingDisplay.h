#pragma once
// RecordingDisplay: a framework GDI display for chart tests that draws
// nothing and records every drawing and attribute call with its arguments
// and the colours and line style current at the time. Texts measure a fixed
// 7 x 13 pixels per character. It needs no device context.

#include "framework/windows/ZafGdiDisplay.h"

#include <string>
#include <vector>

struct RecordedCall {
    std::string op;          // "Line", "Polygon", "Ellipse", "Rectangle", "Pixel", "Text",
                             // "SetForeground", "SetBackground", "SetLineStyle",
                             // "SetPattern", "SetFont", "SetMode"
    std::vector<int> args;   // integer arguments in call order (points flattened)
    float startAngle = 0;    // Ellipse
    float endAngle = 0;      // Ellipse
    bool fill = false;       // Ellipse, Polygon, Rectangle
    std::wstring text;       // Text
    int foreground = 0;      // current when the call was made
    int background = 0;
    int lineStyle = 0;
};

class RecordingDisplay : public ZafGdiDisplay {
public:
    static constexpr int kCharWidth = 7;
    static constexpr int kCharHeight = 13;

    RecordingDisplay();

    std::vector<RecordedCall> calls;

    // The recorded drawing calls only (no attribute changes).
    std::vector<RecordedCall> Drawing() const;
    // The calls named op.
    std::vector<RecordedCall> Calls(const std::string &op) const;
    void Clear() { calls.clear(); }

    using ZafGdiDisplay::Text;
    int Text(int x, int y, const ZafIChar *text, int length = -1, int hotKeyIndex = -1,
             bool fill = false) override;
    ZafRegionStruct TextExtent(const ZafIChar *text, int length = -1) override;
    int Ellipse(int left, int top, int right, int bottom, float startAngle, float endAngle,
                int width, bool fill) override;
    int Line(int x1, int y1, int x2, int y2, int width = 1) override;
    int Pixel(int x, int y, ZafInt8 color = -3) override;
    int Polygon(int count, const int *points, int width, bool fill, bool close) override;
    int Rectangle(int left, int top, int right, int bottom, int width, bool fill) override;
    ZafInt8 SetBackground(ZafInt8 color) override;
    ZafInt8 SetFont(ZafInt8 font) override;
    ZafInt8 SetForeground(ZafInt8 color) override;
    ZafInt8 SetLineStyle(ZafInt8 style) override;
    ZafUInt8 SetMode(ZafUInt8 newMode) override;
    ZafUInt8 SetPattern(ZafUInt8 pattern) override;

private:
    RecordedCall &Record(const char *op, std::vector<int> args);

    // Sets one attribute, records the change and returns the old value.
    template <typename T> T Replace(const char *op, T &attribute, T value)
    {
        T old = attribute;
        attribute = value;
        Record(op, {value});
        return old;
    }
};
