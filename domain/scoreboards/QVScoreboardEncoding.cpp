#include "domain/scoreboards/QVScoreboardEncoding.h"

#include "foundation/strings/KString.h"

#include <windows.h>

void QVEncodeScoreboardText(const KString &text, int mode, std::vector<uint8_t> &out)
{
    const int length = text.Length();
    if (mode == kCharModeUnicode) {
        for (int i = 0; i < length; ++i) {
            uint16_t c = uint16_t(text[i]);
            out.push_back(uint8_t(c & 0xFF));
            out.push_back(uint8_t(c >> 8));
        }
        return;
    }
    if (mode == kCharModeNative && length > 0) {
        int size = WideCharToMultiByte(CP_ACP, 0, text.CStr(), length, nullptr, 0, nullptr, nullptr);
        if (size > 0) {
            size_t at = out.size();
            out.resize(at + size_t(size));
            WideCharToMultiByte(CP_ACP, 0, text.CStr(), length, reinterpret_cast<char *>(&out[at]), size,
                                nullptr, nullptr);
        }
        return;
    }
    for (int i = 0; i < length; ++i) {
        wchar_t c = text[i];
        out.push_back(c < 256 ? uint8_t(c) : uint8_t('?'));
    }
}
