#pragma once
// cf_AutoScaleFontSpec: a font specification whose character size can follow
// the size of the rectangle the chart is drawn in. Rotation is kept in
// tenths of a degree. Percentages, aspect and base size that are 0 or
// negative fall back to their defaults. Plain value.

#include "chart/backend/bf_Font.h"
#include "chart/values/cf_2DRect.h"

class bf_Display;

class cf_AutoScaleFontSpec : public bf_FontSpec {
public:
    static constexpr double kDefaultSizePercent = 5.0;
    static constexpr double kDefaultWidthPercent = 45.0;
    static constexpr double kDefaultAspect = 1.33333333;
    static constexpr double kDefaultBaseSize = 400.0;

    cf_AutoScaleFontSpec(); // face "SystemVariable", size 10
    explicit cf_AutoScaleFontSpec(const bf_FontSpec &spec);

    void SetSizePercent(double value);
    void SetWidthPercent(double value);
    void SetAspect(double value);
    void SetBaseSize(double value);
    // Turns auto-scaling on and sets the size percentage.
    void SetScaledSize(double value);
    double SizePercent() const { return sizePercent; }
    double WidthPercent() const { return widthPercent; }
    double Aspect() const { return aspect; }
    double BaseSize() const { return baseSize; }

    void SetAutoScale(unsigned char flag) { autoScale = flag; }
    unsigned char AutoScale() const { return autoScale; }
    // Stores the rectangle and stops following the display's rectangle.
    void SetReferenceRect(const cf_2DRect &rect);
    const cf_2DRect &ReferenceRect() const { return referenceRect; }
    void SetUseDisplayRect(unsigned char flag) { useDisplayRect = flag; }
    unsigned char UseDisplayRect() const { return useDisplayRect; }

    // Whole degrees; stored as tenths in both rotation fields.
    void SetRotation(int degrees);
    int Rotation() const { return rotation / 10; }
    int RotationTenths() const { return rotation2; }
    double RotationRadians() const;

    // Copies face, size, number and the by-face byte.
    void SetFontSpec(const bf_FontSpec &spec);

    // Character cell (width, height) for a reference rectangle of W x H
    // twips; zero when the rectangle is empty.
    void CharCell(int widthTwips, int heightTwips, int &charWidth, int &charHeight) const;
    // The font description as realised on the display.
    bf_FontSpec ScaledFontSpec(bf_Display *display);

private:
    int rotation = 0;
    int rotation2 = 0;
    unsigned char autoScale = 1;
    cf_2DRect referenceRect;
    unsigned char useDisplayRect = 1;
    double sizePercent = kDefaultSizePercent;
    double widthPercent = kDefaultWidthPercent;
    double aspect = kDefaultAspect;
    double baseSize = kDefaultBaseSize;
};
