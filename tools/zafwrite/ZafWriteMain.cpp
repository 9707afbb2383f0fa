// zafwrite kind file: writes the framework data file of that kind ("program"
// or "test", see ZafWriteData.h). Exit code 0 on success, 1 on a usage
// error, 2 when the file could not be written.

#include "ZafWriteData.h"

#include <cstdio>
#include <cwchar>
#include <string>

int wmain(int argc, wchar_t **argv)
{
    if (argc != 3) {
        std::fputs("usage: zafwrite program|test <file>\n", stderr);
        return 1;
    }
    std::wstring kind = argv[1];
    ZafError error;
    if (kind == L"program")
        error = ZafWriteProgramData(argv[2]);
    else if (kind == L"test")
        error = ZafWriteTestData(argv[2]);
    else {
        std::fputs("zafwrite: the kind is \"program\" or \"test\"\n", stderr);
        return 1;
    }
    if (error) {
        std::fprintf(stderr, "zafwrite: %ls not written (error %d)\n", argv[2], int(error));
        return 2;
    }
    return 0;
}
