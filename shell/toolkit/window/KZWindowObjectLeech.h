#pragma once
// KZWindowObjectLeech: the mix-in every toolkit wrapper carries as its second
// base. It binds the framework object it lives in (its host) to the program:
// the wrapper offers each event to the leech before the framework sees it (a
// nonzero answer is final), the leech answers the program's take-focus request
// (kEvtTakeFocus), and it gives owner-drawn windows their pixel services:
// coordinate conversions, text measuring and drawing on the framework's shared
// display. It owns nothing and lives and dies with its wrapper; GUI thread
// only.
//
// Coordinates are pixels. Client coordinates are relative to the host's own
// top-left corner; OS coordinates to the window the host draws in (its own
// operating-system window or its nearest ancestor's). The drawing operations
// are meant for the time between the host's BeginDraw and EndDraw and draw
// nothing while the host has no OS window.

// The system header's DrawText macro would rename DrawText below: a source
// that includes <windows.h> and calls DrawText includes it before this
// header, which drops the macro.
#ifdef DrawText
#undef DrawText
#endif

#include <cstdint>

#include "foundation/values/KRect.h"
#include "framework/core/data/ZafPaletteStruct.h"
#include "framework/core/objects/ZafWindowObject.h"
#include "shell/toolkit/window/KZWindowHelpers.h"

class KZWindowObjectLeech
{
public:
    // Flag bits
    static constexpr uint32_t kFullRedrawAfterResize = 0x1;   // RedisplayIfShown redraws

    explicit KZWindowObjectLeech(ZafWindowObject *host) : host(host) {}
    virtual ~KZWindowObjectLeech() = default;
    KZWindowObjectLeech(const KZWindowObjectLeech &) = delete;
    KZWindowObjectLeech &operator=(const KZWindowObjectLeech &) = delete;

    // ---- Virtual slots ---- A nonzero answer means the leech handled the
    // event: only kEvtTakeFocus, which gives the host the focus.
    virtual ZafEventType Event(const ZafEventStruct &event);
    virtual void TakeFocus();
    // Redisplay when the full-redraw flag is set.
    virtual void RedisplayIfShown();
    // Marks the host for repainting (kEvtRedisplay); RedisplayNow repaints at
    // once (kEvtRedisplayNow).
    virtual void Redisplay();
    virtual void RedisplayNow();
    // The host's inside, from (0, 0).
    virtual KRect ClientRect();

    // ---- The host ----
    ZafWindowObject *Host() const { return host; }
    bool HasOSWindow() const;
    // Enables or disables the host; true when it is now enabled.
    bool Enable(bool enable);
    uint32_t LeechFlags() const { return flags; }
    void SetLeechFlags(uint32_t value) { flags = value; }

    // ---- Coordinates ----
    // The host's region left and top, in the region's own coordinate type.
    KPoint Position() const;
    void ToParent(KPoint &point) const;
    void ToParent(KRect &rect) const;
    void FromParent(KPoint &point) const;
    void FromParent(KRect &rect) const;
    KRect ClientRectOS() const;
    KPoint ClientOrigin() const;
    // Adds the client origin and clamps to -30000..30000.
    void ClientToOS(KPoint &point) const;
    void ClientToOS(KRect &rect) const;
    void ParentToClient(KPoint &point) const;
    void ParentToClient(KRect &rect) const;
    void OSToScreen(KPoint &point) const;
    KPoint ScreenOrigin() const;
    void ClientToScreen(KPoint &point) const;
    void ClientToScreen(KRect &rect) const;
    void ScreenToClient(KPoint &point) const;
    void ScreenToClient(KRect &rect) const;

    // ---- Text measuring (length -1: the whole text) ----
    KPoint TextExtent(const wchar_t *text, int length = -1) const;
    int TextWidth(const wchar_t *text, int length = -1) const;
    // TextWidth in the display's character cells, rounded up.
    int TextCells(const wchar_t *text, int length = -1) const;
    int FontHeight() const;

    // ---- Drawing (client coordinates) ----
    ZafPaletteStruct CurrentPalette() const;
    // The entry as the display will use it; unchanged without an OS window.
    ZafPaletteStruct DevicePalette(const ZafPaletteStruct &entry) const;
    KRect ClipRect() const;
    // Limits drawing to rect; answers the previous clip box (the argument
    // itself without an OS window).
    KRect SetClipRect(const KRect &rect);
    // Hands the host's Redisplay an event of that code over the rectangle.
    void RedrawRegion(const KRect &rect, ZafEventType code);
    void RedrawClient(ZafEventType code);
    void DrawBackground(const KRect &rect, ZafEventType code);
    void DrawEdge(const KRect &rect, int depth, ZafEventType code);
    void DrawLine(int x1, int y1, int x2, int y2, int width);
    void DrawRectangle(const KRect &rect, int width, bool fill);
    // Text with its top-left corner at (x, y), on one line.
    void DrawText(int x, int y, const wchar_t *text, int hotKey, bool fill);
    // Text cut from its end until it fits the rectangle's width; horizontal
    // 0 left, 1 right, 2 centred; vertical 0 top, 1 bottom, else centred.
    void DrawTextInRect(const KRect &rect, const wchar_t *text, int horizontal, int vertical,
        int hotKey, bool fill);
    // A top-down picture of the rectangle's size, rows padded to 4 bytes:
    // 15 bits per pixel (5-5-5 words) or 24 (blue, green, red); other depths
    // draw nothing. Pixels equal to transparent (0x00BBGGRR; -1 none) keep
    // what is below them.
    void DrawImage(const KRect &rect, const void *pixels, int bitsPerPixel, int32_t transparent);
    // Copies the source rectangle's pixels to (x, y) in the same window.
    void CopyArea(const KRect &source, int x, int y);

    // The length (at most length) of the longest start of text whose width
    // is at most width pixels; 0 when not even one character fits.
    int FittingLength(const wchar_t *text, int length, int width) const;

private:
    ZafWindowObject *const host;
    uint32_t flags = 0;
};

// The wrappers' event order in one place: the leech first (a nonzero answer
// is final), then the framework class Base the wrapper derives from.
template <class Base, class Wrapper> ZafEventType KZLeechThenBase(Wrapper &wrapper, const ZafEventStruct &event)
{
    if (ZafEventType answer = wrapper.KZWindowObjectLeech::Event(event))
        return answer;
    return wrapper.Base::Event(event);
}
