#include "chart/backend/bf_Font.h"

bf_FontSpec::bf_FontSpec() : size(10), fontNumber(BF_NO_FONT_NUMBER), byFace(0) {}

bf_FontSpec::bf_FontSpec(const wchar_t *faceName, const cf_2DRect &dimension)
    : face(faceName), size(dimension.Height()), fontNumber(BF_NO_FONT_NUMBER), byFace(1)
{
}

bf_FontSpec::bf_FontSpec(const cf_2DRect &) : size(10), fontNumber(BF_NO_FONT_NUMBER), byFace(1) {}

bf_FontSpec::bf_FontSpec(unsigned char frameworkFont) : size(10), fontNumber(frameworkFont), byFace(0) {}

bf_Font::bf_Font() : fontNumber(BF_NO_FONT_NUMBER), size(10), byFace(0) {}

bf_Font::bf_Font(const bf_FontSpec &spec)
    : fontNumber(BF_NO_FONT_NUMBER), size(10), byFace(0)
{
    if (spec.ByFace()) {
        face = spec.Face();
        size = spec.Size();
        byFace = 1;
    } else {
        fontNumber = spec.FontNumber();
    }
}

bf_Font::bf_Font(unsigned char frameworkFont) : fontNumber(frameworkFont), size(10), byFace(0) {}

bf_FontSpec bf_Font::Spec() const
{
    if (!byFace)
        return bf_FontSpec(fontNumber);
    return bf_FontSpec(face.Text(), cf_2DRect(0, 0, 0, size));
}
