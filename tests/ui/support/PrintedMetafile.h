#ifndef UI_PRINTED_METAFILE_H
#define UI_PRINTED_METAFILE_H

// Printed pages recorded as enhanced metafiles: readers of what was drawn,
// and a printer for ZafPrinter whose system calls are recorded and whose
// Print Setup dialog is answered with a metafile context of a letter page.
#include <windows.h>

#include <string>
#include <vector>

class ZafPrinter;

// The texts drawn (EMR_EXTTEXTOUTW), in order.
std::vector<std::wstring> MetafileTexts(HENHMETAFILE metafile);
// The point count of every poly-line drawn, in order.
std::vector<int> MetafilePolylines(HENHMETAFILE metafile);
// The poly-lines of more than points points (a trace, not an axis or tick).
int LongPolylines(HENHMETAFILE metafile, int points = 200);

// Installed for the life of the object (one at a time). The default-printer
// query finds no printer, so a printer made meanwhile has none until its
// setup dialog (answered here) gives it the metafile context.
class MetafilePrintCalls
{
public:
    MetafilePrintCalls();
    ~MetafilePrintCalls();
    MetafilePrintCalls(const MetafilePrintCalls &) = delete;
    MetafilePrintCalls &operator=(const MetafilePrintCalls &) = delete;

    // Takes the metafile context back from the printer and closes the
    // recording; the texts and lines are then readable.
    void Collect(ZafPrinter &printer);
    std::vector<std::wstring> Texts() const { return MetafileTexts(metafile); }
    int Traces() const { return LongPolylines(metafile); }
    int Count(const char *call) const;

    bool dialogAccepts = true;
    int startDocAnswer = 1;              // 0 or less: the spooler refuses the document
    std::vector<std::string> calls;      // "PrintSetup", "Print", "StartDoc", "StartPage", ...
    std::wstring document;
    HENHMETAFILE metafile = nullptr;

    static MetafilePrintCalls *current;

private:
    struct Saved;
    Saved *saved;
};

#endif
