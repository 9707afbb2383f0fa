#include "chart/attribs/cf_AutoScaleFont.h"

#include "chart/backend/bf_Display.h"

// Fonts by face never reach the framework, so the realised specification is
// the one selected; the character cell is still worked out as a font by face
// would need it.
bf_FontSpec cf_AutoScaleFontSpec::ScaledFontSpec(bf_Display *display)
{
    if (autoScale) {
        cf_2DRect reference = referenceRect;
        if (useDisplayRect)
            display->DeviceRect(reference);
        // Only the display's rectangle is kept, in twips; a stored reference
        // stays in pixels so that every call converts it once.
        display->ConvertRect(reference);
        if (useDisplayRect)
            referenceRect = reference;
        int charWidth = 0;
        int charHeight = 0;
        CharCell(reference.Width(), reference.Height(), charWidth, charHeight);
        bf_DispLogFontDim dimension(charWidth, charHeight);
        (void)dimension;
    }
    display->SelectFont(new bf_Font(*this));
    bf_Font *realised = display->PopFont();
    bf_FontSpec result = realised->Spec();
    delete realised;
    return result;
}
