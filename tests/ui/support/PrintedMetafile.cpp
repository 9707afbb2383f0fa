#include "ui/support/PrintedMetafile.h"

#include <algorithm>

#include "framework/windows/ZafPrinter.h"

namespace {

int CALLBACK CollectTexts(HDC, HANDLETABLE *, const ENHMETARECORD *record, int, LPARAM data)
{
    if (record->iType == EMR_EXTTEXTOUTW) {
        const auto *text = reinterpret_cast<const EMREXTTEXTOUTW *>(record);
        const auto *chars = reinterpret_cast<const wchar_t *>(reinterpret_cast<const BYTE *>(record) +
                                                              text->emrtext.offString);
        reinterpret_cast<std::vector<std::wstring> *>(data)->emplace_back(chars, text->emrtext.nChars);
    }
    return 1;
}

int CALLBACK CollectLines(HDC, HANDLETABLE *, const ENHMETARECORD *record, int, LPARAM data)
{
    auto *lines = reinterpret_cast<std::vector<int> *>(data);
    switch (record->iType) {
    case EMR_POLYLINE16:
        lines->push_back(int(reinterpret_cast<const EMRPOLYLINE16 *>(record)->cpts));
        break;
    case EMR_POLYLINE:
        lines->push_back(int(reinterpret_cast<const EMRPOLYLINE *>(record)->cptl));
        break;
    default:
        break;
    }
    return 1;
}

MetafilePrintCalls &Current()
{
    return *MetafilePrintCalls::current;
}

BOOL WINAPI AnswerDialog(LPPRINTDLGA dialog)
{
    MetafilePrintCalls &script = Current();
    if (dialog->Flags & PD_RETURNDEFAULT)
        return FALSE;
    script.calls.push_back(dialog->Flags & PD_PRINTSETUP ? "PrintSetup" : "Print");
    if (!script.dialogAccepts)
        return FALSE;
    // A letter page, in hundredths of a millimetre, on the screen's metrics.
    const RECT frame = { 0, 0, 21590, 27940 };
    dialog->hDC = CreateEnhMetaFileW(nullptr, nullptr, &frame, nullptr);
    return TRUE;
}

int WINAPI RecordStartDocA(HDC, const DOCINFOA *info)
{
    Current().calls.push_back("StartDoc");
    const std::string name = info->lpszDocName ? info->lpszDocName : "";
    Current().document.assign(name.begin(), name.end());
    return Current().startDocAnswer;
}

int WINAPI RecordStartDocW(HDC, const DOCINFOW *info)
{
    Current().calls.push_back("StartDoc");
    Current().document = info->lpszDocName ? info->lpszDocName : L"";
    return Current().startDocAnswer;
}

int WINAPI RecordStartPage(HDC) { Current().calls.push_back("StartPage"); return 1; }
int WINAPI RecordEndPage(HDC) { Current().calls.push_back("EndPage"); return 1; }
int WINAPI RecordEndDoc(HDC) { Current().calls.push_back("EndDoc"); return 1; }

} // namespace

MetafilePrintCalls *MetafilePrintCalls::current = nullptr;

struct MetafilePrintCalls::Saved
{
    ZafPrintCalls calls;
};

std::vector<std::wstring> MetafileTexts(HENHMETAFILE metafile)
{
    std::vector<std::wstring> texts;
    if (metafile)
        EnumEnhMetaFile(nullptr, metafile, &CollectTexts, &texts, nullptr);
    return texts;
}

std::vector<int> MetafilePolylines(HENHMETAFILE metafile)
{
    std::vector<int> lines;
    if (metafile)
        EnumEnhMetaFile(nullptr, metafile, &CollectLines, &lines, nullptr);
    return lines;
}

int LongPolylines(HENHMETAFILE metafile, int points)
{
    const std::vector<int> lines = MetafilePolylines(metafile);
    return int(std::count_if(lines.begin(), lines.end(), [points](int n) { return n > points; }));
}

MetafilePrintCalls::MetafilePrintCalls()
    : saved(new Saved { ZafPrinter::SetCalls({ &AnswerDialog, &RecordStartDocA, &RecordStartDocW, &RecordStartPage,
                                               &RecordEndPage, &RecordEndDoc }) })
{
    current = this;
}

MetafilePrintCalls::~MetafilePrintCalls()
{
    ZafPrinter::SetCalls(saved->calls);
    delete saved;
    if (metafile)
        DeleteEnhMetaFile(metafile);
    current = nullptr;
}

void MetafilePrintCalls::Collect(ZafPrinter &printer)
{
    if (HDC recording = printer.PrepareDeviceContext(nullptr)) {
        if (metafile)
            DeleteEnhMetaFile(metafile);
        metafile = CloseEnhMetaFile(recording);
    }
}

int MetafilePrintCalls::Count(const char *call) const
{
    return int(std::count(calls.begin(), calls.end(), std::string(call)));
}
