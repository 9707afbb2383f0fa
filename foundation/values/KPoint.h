#pragma once
// KPoint: a value pair of signed 32-bit coordinates (x, y).

#include <cstdint>

class KRect;

// Screen coordinates handed to the system are kept within these bounds.
constexpr int32_t kCoordinateLimit = 30000;

class KPoint
{
public:
    KPoint() = default;
    KPoint(int32_t px, int32_t py) : x(px), y(py) {}

    bool operator==(const KPoint &other) const { return x == other.x && y == other.y; }
    bool operator!=(const KPoint &other) const { return x != other.x || y != other.y; }
    KPoint &operator+=(const KPoint &offset);
    KPoint &operator-=(const KPoint &offset);

    // Sets each coordinate to min(far edge, max(near edge, value)); with an
    // empty rectangle the far edge wins. True when the point moved.
    bool ClampTo(const KRect &bounds);
    // Clamps both coordinates to -kCoordinateLimit..kCoordinateLimit; true
    // when the point moved.
    bool ClampToLimits();

    int32_t x = 0;
    int32_t y = 0;
};
