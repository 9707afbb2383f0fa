// splashwrite file: writes the program's splash picture, a 400 x 300
// uncompressed true-colour Targa file (24 bits, rows top first): a dark blue
// field with a track of lanes and a start line, and a light band at the
// bottom that carries the version texts the program writes over it. Exit
// code 0 on success, 1 on a usage error, 2 when the file could not be written.

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;
constexpr int kBandTop = 222;       // the light band under the texts (the program writes from y 232)

struct Color
{
    uint8_t red, green, blue;
};

Color Mix(Color a, Color b, int part, int whole)
{
    auto mix = [&](uint8_t x, uint8_t y) { return uint8_t(x + (int(y) - int(x)) * part / whole); };
    return { mix(a.red, b.red), mix(a.green, b.green), mix(a.blue, b.blue) };
}

Color PixelAt(int x, int y)
{
    const Color top = { 12, 32, 84 }, bottom = { 30, 76, 150 };
    if (y >= kBandTop)
        return y == kBandTop ? Color{ 200, 40, 40 } : Color{ 236, 238, 242 };
    Color color = Mix(top, bottom, y, kBandTop);
    // Six lanes seen from the side, converging towards the top.
    const int laneTop = 120;
    if (y > laneTop) {
        const int depth = y - laneTop;
        for (int lane = 0; lane <= 6; ++lane) {
            const int edge = 200 + (lane - 3) * (20 + depth * 2);
            if (x == edge || x == edge + 1)
                color = { 230, 230, 230 };
        }
        if (y >= 180 && y <= 183)
            color = { 240, 240, 240 };   // the start line
    }
    return color;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2) {
        std::fputs("usage: splashwrite <file>\n", stderr);
        return 1;
    }
    std::vector<uint8_t> bytes(18, 0);
    bytes[2] = 2;                     // uncompressed true colour
    bytes[12] = kWidth & 0xFF;
    bytes[13] = kWidth >> 8;
    bytes[14] = kHeight & 0xFF;
    bytes[15] = kHeight >> 8;
    bytes[16] = 24;
    bytes[17] = 0x20;                 // first row at the top
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const Color c = PixelAt(x, y);
            bytes.push_back(c.blue);
            bytes.push_back(c.green);
            bytes.push_back(c.red);
        }
    FILE *file = _wfopen(argv[1], L"wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        if (file)
            std::fclose(file);
        std::fprintf(stderr, "splashwrite: %ls not written\n", argv[1]);
        return 2;
    }
    return std::fclose(file) == 0 ? 0 : 2;
}
