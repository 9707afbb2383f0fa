// A save that stops in the middle, for the tests of what a save killed
// there leaves (KFileTest.cpp kills it). It saves bytes of the pattern of
// those tests (byte i is i % 251) through KReplacingFile; once stopAt of
// them are written it sets the named event and waits a minute to be killed.
//
// Usage: interrupted_save TARGET BYTES STOP_AT EVENT
// Exit code: 2 for wrong arguments, 3 when the save failed, 4 when not killed.

#include "foundation/errors/KX.h"
#include "foundation/streams/KReplacingFile.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

int wmain(int argc, wchar_t **argv)
{
    HANDLE stopped = argc == 5 ? OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[4]) : nullptr;
    if (!stopped)
        return 2;
    try {
        KReplacingFile file(argv[1], 64 * 1024);
        file.Begin(_wtoi64(argv[2]));
        std::vector<uint8_t> piece(64 * 1024);
        for (int64_t written = 0, stopAt = _wtoi64(argv[3]); written < stopAt; written += int64_t(piece.size())) {
            for (size_t i = 0; i < piece.size(); ++i)
                piece[i] = uint8_t((written + int64_t(i)) % 251);
            file.Write(piece.data(), int32_t(std::min<int64_t>(int64_t(piece.size()), stopAt - written)));
        }
        file.Flush();
        SetEvent(stopped);
        Sleep(60 * 1000);
    } catch (const KX &) {
        return 3;
    }
    return 4;
}
