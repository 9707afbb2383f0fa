#pragma once
// Fonts of the display back end. A chart text asks for a bf_FontSpec and a
// bf_Font made from it is selected on a bf_Display. Fonts reach the
// framework only through its numbered fonts: a font given by face and size is
// carried along but never realised, so every chart text is drawn in the
// framework font current when the display was made or in one selected by
// number. bf_FontInfo metrics are all 0 and bf_DispLogFontDim is empty;
// callers rely on exactly that. Plain values.

#include "chart/values/cf_2DRect.h"
#include "chart/values/cf_String.h"

constexpr unsigned char BF_NO_FONT_NUMBER = 255; // the font is given by face

class bf_FontSpec {
public:
    bf_FontSpec(); // empty face, size 10, no number, not by face
    // By face: size is the rectangle's height.
    bf_FontSpec(const wchar_t *faceName, const cf_2DRect &dimension);
    // By face, without a face name (size left at 10).
    explicit bf_FontSpec(const cf_2DRect &dimension);
    // By framework font number.
    explicit bf_FontSpec(unsigned char frameworkFont);
    virtual ~bf_FontSpec() = default;
    bf_FontSpec(const bf_FontSpec &) = default;
    bf_FontSpec &operator=(const bf_FontSpec &) = default;

    const cf_String &Face() const { return face; }
    int Size() const { return size; }
    unsigned char FontNumber() const { return fontNumber; }
    bool ByFace() const { return byFace != 0; }

protected:
    cf_String face;
    int size;
    unsigned char fontNumber;
    unsigned char byFace;
};

class bf_Font {
public:
    bf_Font(); // empty face, size 10, no number, not by face
    explicit bf_Font(const bf_FontSpec &spec);
    explicit bf_Font(unsigned char frameworkFont);

    // The font description this font was made from (number or face and size).
    bf_FontSpec Spec() const;
    unsigned char FontNumber() const { return fontNumber; }
    int Size() const { return size; }
    const cf_String &Face() const { return face; }
    bool ByFace() const { return byFace != 0; }

private:
    unsigned char fontNumber;
    int size;
    cf_String face;
    unsigned char byFace;
};

class bf_Display;

// Metrics of the selected font: not measured in this program, all 0.
class bf_FontInfo {
public:
    explicit bf_FontInfo(bf_Display *) {}
    int Height() const { return 0; }
    int Ascent() const { return 0; }
    int Descent() const { return 0; }
    int InternalLeading() const { return 0; }
    int ExternalLeading() const { return 0; }
    int AverageWidth() const { return 0; }
    int MaximumWidth() const { return 0; }
    int Weight() const { return 0; }
};

// A logical font dimension passed along when a font is realised; empty.
class bf_DispLogFontDim {
public:
    bf_DispLogFontDim() = default;
    bf_DispLogFontDim(int, int) {}
};
