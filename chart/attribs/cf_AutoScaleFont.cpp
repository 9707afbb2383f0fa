#include "chart/attribs/cf_AutoScaleFont.h"

#include "chart/values/cf_Constants.h"

#include <cmath>

namespace {

double OrDefault(double value, double fallback)
{
    return value > 0.0 ? value : fallback;
}

} // namespace

cf_AutoScaleFontSpec::cf_AutoScaleFontSpec()
    : bf_FontSpec(L"SystemVariable", cf_2DRect(0, 0, 5, 10))
{
}

cf_AutoScaleFontSpec::cf_AutoScaleFontSpec(const bf_FontSpec &spec) : bf_FontSpec(spec) {}

void cf_AutoScaleFontSpec::SetSizePercent(double value)
{
    sizePercent = OrDefault(value, kDefaultSizePercent);
}

void cf_AutoScaleFontSpec::SetWidthPercent(double value)
{
    widthPercent = OrDefault(value, kDefaultWidthPercent);
}

void cf_AutoScaleFontSpec::SetAspect(double value)
{
    aspect = OrDefault(value, kDefaultAspect);
}

void cf_AutoScaleFontSpec::SetBaseSize(double value)
{
    baseSize = OrDefault(value, kDefaultBaseSize);
}

void cf_AutoScaleFontSpec::SetScaledSize(double value)
{
    autoScale = 1;
    SetSizePercent(value);
}

void cf_AutoScaleFontSpec::SetReferenceRect(const cf_2DRect &rect)
{
    referenceRect = rect;
    useDisplayRect = 0;
}

void cf_AutoScaleFontSpec::SetRotation(int degrees)
{
    rotation = degrees * 10;
    rotation2 = rotation;
}

double cf_AutoScaleFontSpec::RotationRadians() const
{
    return Rotation() * CF_DEG_TO_RAD;
}

void cf_AutoScaleFontSpec::SetFontSpec(const bf_FontSpec &spec)
{
    bf_FontSpec::operator=(spec);
}

void cf_AutoScaleFontSpec::CharCell(int widthTwips, int heightTwips, int &charWidth, int &charHeight) const
{
    double w = std::fabs(double(widthTwips));
    double h = std::fabs(double(heightTwips));
    if (h > w) {
        charWidth = int(w * sizePercent / (baseSize * aspect));
        charHeight = int(charWidth * 100.0 / widthPercent);
    } else {
        charHeight = int(std::trunc(sizePercent) * h * aspect / baseSize);
        charWidth = int(charHeight * widthPercent * 0.01);
    }
}
