// A save that stops in the middle, for the tests of what a save killed
// there leaves behind (KFileTest.cpp runs it and kills it). It saves bytes
// of the pattern of those tests (byte i is i % 251) through KReplacingFile,
// and once stopAt of them are written it sets the named event and waits to
// be killed. Not killed within a minute, it ends without committing.
//
// Usage: interrupted_save TARGET BYTES STOP_AT EVENT
// Exit code: 2 for wrong arguments, 3 when the save failed before STOP_AT
// bytes, 4 when it was not killed.

#include "foundation/errors/KX.h"
#include "foundation/streams/KReplacingFile.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

int wmain(int argc, wchar_t **argv)
{
    if (argc != 5)
        return 2;
    const int64_t bytes = _wtoi64(argv[2]);
    const int64_t stopAt = _wtoi64(argv[3]);
    HANDLE stopped = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[4]);
    if (!stopped || stopAt > bytes)
        return 2;
    try {
        KReplacingFile file(argv[1], 64 * 1024);
        file.Begin(bytes);
        std::vector<uint8_t> piece(64 * 1024);
        for (int64_t written = 0; written < stopAt;) {
            const int64_t count = std::min<int64_t>(int64_t(piece.size()), stopAt - written);
            for (int64_t i = 0; i < count; ++i)
                piece[size_t(i)] = uint8_t((written + i) % 251);
            file.Write(piece.data(), int32_t(count));
            written += count;
        }
        file.Flush();
        SetEvent(stopped);
        Sleep(60 * 1000);
    } catch (const KX &) {
        return 3;
    }
    return 4;
}
