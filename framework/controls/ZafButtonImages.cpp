// The built-in 13 x 13 images of radio buttons and check boxes: normal,
// pressed, selected, selected and pressed. Each pixel is a colour index of
// the framework's colour table (0 black, 7 light grey, 8 dark grey, 15
// white) or -1 (transparent). Made when the first button is built, released
// at shut-down through the static-data table.
#include "framework/controls/ZafButton.h"

#include "framework/core/base/ZafStaticData.h"
#include "framework/core/data/ZafImageData.h"

namespace {

constexpr int N = ZAF_BUTTON_IMAGE_SIZE;

const char *const checkRows[N] = {
    "888888888888f", "800000000007f", "80fffffffff7f", "80fffffffff7f", "80fffffffff7f",
    "80fffffffff7f", "80fffffffff7f", "80fffffffff7f", "80fffffffff7f", "80fffffffff7f",
    "80fffffffff7f", "877777777777f", "fffffffffffff",
};
const char *const radioRows[N] = {
    "....88888....", "..880000088..", ".800fffff00f.", ".80fffffff7f.", "80fffffffff7f",
    "80fffffffff7f", "80fffffffff7f", "80fffffffff7f", "80fffffffff7f", ".80fffffff7f.",
    ".887fffff7ff.", "..ff77777ff..", "....fffff....",
};

// (row, first column, last column) spans.
struct Span { int row, first, last; };
const Span checkInterior[] = { { 2, 2, 10 }, { 3, 2, 10 }, { 4, 2, 10 }, { 5, 2, 10 }, { 6, 2, 10 },
    { 7, 2, 10 }, { 8, 2, 10 }, { 9, 2, 10 }, { 10, 2, 10 } };
const Span radioInterior[] = { { 2, 4, 8 }, { 10, 4, 8 }, { 3, 3, 9 }, { 9, 3, 9 }, { 4, 2, 10 },
    { 5, 2, 10 }, { 6, 2, 10 }, { 7, 2, 10 }, { 8, 2, 10 } };
const Span checkMark[] = { { 3, 9, 9 }, { 4, 8, 9 }, { 5, 3, 3 }, { 5, 7, 9 }, { 6, 3, 4 }, { 6, 6, 8 },
    { 7, 3, 7 }, { 8, 4, 6 }, { 9, 5, 5 } };
const Span radioDot[] = { { 4, 5, 7 }, { 5, 4, 8 }, { 6, 4, 8 }, { 7, 4, 8 }, { 8, 5, 7 } };

// Index: type (0 check box, 1 radio) x 4 + selected x 2 + pressed.
ZafInt8 pixels[8][N * N];
ZafBitmapData *images[8] = {};

int HexValue(char c)
{
    if (c == '.')
        return -1;
    return c <= '9' ? c - '0' : c - 'a' + 10;
}

template <size_t count>
void Paint(ZafInt8 *image, const Span (&spans)[count], int from, int to)
{
    for (const Span &span : spans)
        for (int column = span.first; column <= span.last; ++column)
            if (from < 0 || image[span.row * N + column] == from)
                image[span.row * N + column] = ZafInt8(to);
}

void ReleaseImages(bool release)
{
    ZafReleaseTable(release, images);
}

} // namespace

void ZafButton::CreateBuiltInImages()
{
    if (images[0])
        return;
    for (int index = 0; index < 8; ++index)
    {
        const bool radio = index >= 4, selectedImage = (index & 2) != 0, pressedImage = (index & 1) != 0;
        ZafInt8 *image = pixels[index];
        for (int row = 0; row < N; ++row)
            for (int column = 0; column < N; ++column)
                image[row * N + column] = ZafInt8(HexValue((radio ? radioRows : checkRows)[row][column]));
        if (pressedImage)
        {
            if (radio)
                Paint(image, radioInterior, 15, 7);
            else
                Paint(image, checkInterior, 15, 7);
        }
        if (selectedImage)
        {
            if (radio)
                Paint(image, radioDot, -1, 0);
            else
                Paint(image, checkMark, -1, 0);
        }
        images[index] = new ZafBitmapData(ZafBitmapStruct(N, N, image, true));
        images[index]->SetDestroyable(false);
    }
    ZafRegisterStaticData(&ReleaseImages);
}

ZafBitmapData *ZafButton::BuiltInImage(int type, bool isSelected, bool isPressed)
{
    CreateBuiltInImages();
    const int base = type == ZAF_RADIO_BUTTON ? 4 : 0;
    return images[base + (isSelected ? 2 : 0) + (isPressed ? 1 : 0)];
}
