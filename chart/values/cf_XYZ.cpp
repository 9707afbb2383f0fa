#include "chart/values/cf_XYZ.h"

#include "chart/values/cf_String.h"

namespace {
constexpr int kLabelRoom = 10;
}

cf_XYZ::cf_XYZ() : cf_XYZ(0.0, 0.0, 0.0) {}

cf_XYZ::cf_XYZ(double px, double py, double pz)
    : x(px), y(py), z(pz), label(nullptr), ownsLabel(0), hasLabel(0), flag(1)
{
}

cf_XYZ::cf_XYZ(const cf_XYZ &other) : cf_XYZ()
{
    *this = other;
}

cf_XYZ::~cf_XYZ()
{
    DropLabel();
}

cf_XYZ &cf_XYZ::operator=(const cf_XYZ &other)
{
    if (this == &other)
        return *this;
    x = other.x;
    y = other.y;
    z = other.z;
    flag = other.flag;
    if (!other.hasLabel || !other.label) {
        // A copy without a label must not keep a stale label of ours.
        DropLabel();
    } else if (other.ownsLabel) {
        OwnLabel() = *other.label;
    } else {
        DropLabel();
        label = other.label;
    }
    hasLabel = other.hasLabel;
    return *this;
}

void cf_XYZ::SetLabel(const wchar_t *text)
{
    if (text)
        OwnLabel() = text;
    hasLabel = 1;
}

void cf_XYZ::SetLabel(double value, const wchar_t *fmt)
{
    OwnLabel().SetFormatted(value, fmt, kLabelRoom);
    hasLabel = 1;
}

void cf_XYZ::SetLabel(int value, const wchar_t *fmt)
{
    OwnLabel().SetFormatted(value, fmt, kLabelRoom);
    hasLabel = 1;
}

void cf_XYZ::AttachLabel(cf_String *borrowed)
{
    if (!borrowed)
        return;
    DropLabel();
    label = borrowed;
    hasLabel = 1;
}

cf_String &cf_XYZ::OwnLabel()
{
    if (!ownsLabel || !label) {
        label = new cf_String();
        ownsLabel = 1;
    }
    return *label;
}

void cf_XYZ::DropLabel()
{
    if (ownsLabel)
        delete label;
    label = nullptr;
    ownsLabel = 0;
    hasLabel = 0;
}
