#pragma once
// KZString: the toolkit's single-line text field, a framework string field
// with the object leech, that also reads and writes race times. A field made
// from a rectangle covers it exactly (in-place editing of a list cell) and
// remembers it. Owned by the window it is added to; GUI thread only.

#include <cstdint>

#include "foundation/values/KRect.h"
#include "framework/controls/ZafString.h"
#include "shell/toolkit/window/KZWindowObjectLeech.h"

class ZafStringData;

class KZString : public ZafString, public KZWindowObjectLeech
{
public:
    KZString(int left, int top, int width, const wchar_t *text, int maxLength);
    KZString(int left, int top, int width, ZafStringData *text);
    // Left, top and width from the rectangle, bottom at its bottom.
    KZString(const KRect &rect, const wchar_t *text, int maxLength);

    // Ctrl+A selects the whole text; the rest goes to the leech, then to the field.
    ZafEventType Event(const ZafEventStruct &event) override;

    // The text (its first 31 characters) as a race time in milliseconds;
    // false, leaving milliseconds alone, when it is no valid time.
    bool GetTime(int32_t &milliseconds);
    // Shows a time of milliseconds with the display resolution in race-time
    // ticks; 0 means tenths of a second.
    void SetTime(int32_t milliseconds, int64_t resolution);
    // Selects the whole text and scrolls the caret into view (on screen).
    void SelectAll();

    bool MadeFromRect() const { return fromRect; }
    const KRect &Rect() const { return rect; }

    using ZafString::DrawBackground;
    using ZafString::DrawEdge;

private:
    bool fromRect = false;
    KRect rect;
};
