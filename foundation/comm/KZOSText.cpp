// Conversion of wide texts for the 8-bit system calls.
#include "foundation/comm/KZOSText.h"

#include "foundation/strings/KString.h"
#include "foundation/strings/KText.h"
#include "foundation/values/KHelpers.h"

#include <cstring>

namespace {

// Bytes of one character in the code page: one or two (a double-byte code
// page). A character that needs more, or none, becomes '?'.
int ConvertChar(wchar_t c, char *out)
{
    if (c == 0) {
        out[0] = 0;
        return 1;
    }
    char bytes[8];
    int n = KTextWideToAnsi(&c, 1, bytes, sizeof bytes);
    if (n < 1 || n > 2) {
        out[0] = '?';
        return 1;
    }
    std::memcpy(out, bytes, size_t(n));
    return n;
}
} // namespace

KZOSText::KZOSText(const KString &text, bool)
{
    if (!KUseAnsiApi())
        return;
    const int32_t length = text.Length();
    itsText = new char[size_t(2 * length + 2)];
    itsOwned = true;
    // Each character takes at most two bytes, so 2 x length + 1 always holds the text.
    const wchar_t *source = text.CStr();
    for (int32_t i = 0; i < length; ++i)
        itsLength += ConvertChar(source[i], itsText + itsLength);
    itsText[itsLength] = 0;
}

KZOSText::~KZOSText()
{
    if (itsOwned)
        delete[] itsText;
}
