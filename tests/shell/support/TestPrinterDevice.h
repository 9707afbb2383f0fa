#ifndef SHELL_TEST_PRINTER_DEVICE_H
#define SHELL_TEST_PRINTER_DEVICE_H

// A printer that is a memory context: it reports the device capabilities it
// is given, answers the print dialog as told (with a context on a white
// 32-bit picture of its own), records the job calls in order and keeps the
// document record's output file. Pixels of the picture can be read back.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "shell/toolkit/printing/KZPrinterDevice.h"
#include "support/DibSurface.h"

class TestPrinterDevice : public KZPrinterDevice
{
public:
    ~TestPrinterDevice() override;

    bool PrintDialogW(void *record) override;
    bool PrintDialogA(void *record) override;
    int Capability(void *dc, int index) override;
    int StartDocW(void *dc, const void *info) override;
    int StartDocA(void *dc, const void *info) override;
    // Each records its call and succeeds.
    int StartPage(void *) override { return Recorded("StartPage"); }
    int EndPage(void *) override { return Recorded("EndPage"); }
    int AbortDoc(void *) override { return Recorded("AbortDoc"); }
    int EndDoc(void *) override { return Recorded("EndDoc"); }
    void DeleteContext(void *dc) override;

    // The colour of a pixel of the picture (0xFFFFFFFF outside it or without one).
    COLORREF Pixel(int x, int y) const;
    // Rows (from, to) holding a pixel that is not white; (-1, -1) when none.
    std::pair<int, int> InkedRows() const;
    // Columns likewise.
    std::pair<int, int> InkedColumns() const;

    int horizontalMillimetres = 254;
    int verticalMillimetres = 254;
    int horizontalPixels = 750;
    int verticalPixels = 750;
    bool hasDefaultPrinter = true;   // the return-default call finds one
    bool dialogAccepts = true;       // the print and setup dialogs are confirmed
    bool printToFile = false;        // ... with print-to-file chosen

    std::vector<std::string> calls;  // "StartDoc", "StartPage", ... in order
    std::wstring documentName;
    std::wstring outputFile;
    HDC context = nullptr;           // the last context handed out

private:
    // Records the call; answers success (1).
    int Recorded(const char *call)
    {
        calls.push_back(call);
        return 1;
    }
    bool Answer(DWORD &flags, HGLOBAL &devMode, HDC &dc, size_t devModeSize);
    // The first and last row (or column) holding a pixel that is not white.
    std::pair<int, int> InkedLines(bool rows) const;
    void MakeContext();
    void ReleaseContext();

    std::unique_ptr<DibSurface> picture;
    const uint32_t *bits = nullptr;
    int pictureWidth = 0;
    int pictureHeight = 0;
};

#endif
