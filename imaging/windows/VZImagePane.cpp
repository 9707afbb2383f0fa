#include "imaging/windows/VZImagePane.h"

#include "domain/ui/QVSettings.h"
#include "foundation/app/KApplicationHooks.h"
#include "foundation/registry/KRegistry.h"
#include "foundation/registry/KRString.h"
#include "foundation/streams/KFile.h"
#include "foundation/strings/KString.h"
#include "imaging/VImagingCodes.h"
#include "imaging/VImagingSettings.h"
#include "imaging/VZWindowCodes.h"
#include "imaging/overlays/VOverlay.h"
#include "imaging/printer/VZPrinter.h"
#include "shell/toolkit/printing/KZModulePrinter.h"

namespace {

// The integer settings, looked up once at start-up.
struct IntSetting
{
    const wchar_t *key;
    int32_t builtIn;
    KRInt *node;
};

enum { kColor, kWidth, kCrossWidth, kShowLines, kPrintLines, kOverlayDpi, kIntSettings };

IntSetting g_ints[kIntSettings] = {
    { kKeyHashColor, kDefaultHashColor, nullptr },
    { kKeyHashWidth, kDefaultHashWidth, nullptr },
    { kKeyHashCrossWidth, kDefaultHashCrossWidth, nullptr },
    { kKeyHashShowLines, kDefaultHashShowLines, nullptr },
    { kKeyPrintLines, kDefaultPrintLines, nullptr },
    { kKeyOverlayDpi, kDefaultOverlayDpi, nullptr },
};

KRString *g_competitionName = nullptr;
KRString *g_competitionSponsor = nullptr;
KFile g_exportFile;
KZModulePrinter<VZPrinter> g_printer;

int32_t Read(int which)
{
    const IntSetting &setting = g_ints[which];
    return setting.node ? setting.node->Value() : setting.builtIn;
}

KRString *StringNode(const wchar_t *key)
{
    KRegistry *settings = QVSettings();
    return settings ? settings->GetString(key) : nullptr;
}

} // namespace

void VZImagePane::Startup()
{
    for (IntSetting &setting : g_ints)
        setting.node = VImagingSettingNode(setting.key);
    g_competitionName = StringNode(kKeyCompetitionName);
    g_competitionSponsor = StringNode(kKeyCompetitionSponsor);

    KString program;
    KProgramPath(program);
    g_exportFile.SetFullName(program);

    VOverlay::Startup();
    VOverlay::DiscoverProgramOverlays(VOverlay::Table());

    g_printer.Start([] { return std::make_unique<VZPrinter>(); });
}

void VZImagePane::Shutdown()
{
    g_printer.Stop();
    VOverlay::Shutdown();
    for (IntSetting &setting : g_ints)
        setting.node = nullptr;
    g_competitionName = nullptr;
    g_competitionSponsor = nullptr;
}

int32_t VZImagePane::HashColor() { return Read(kColor); }
int32_t VZImagePane::HashWidth() { return Read(kWidth); }
int32_t VZImagePane::HashCrossWidth() { return Read(kCrossWidth); }
int32_t VZImagePane::HashShowLines() { return Read(kShowLines); }
int32_t VZImagePane::PrintLines() { return Read(kPrintLines); }
int32_t VZImagePane::OverlayDpi() { return Read(kOverlayDpi); }

void VZImagePane::CompetitionName(KString &out)
{
    if (g_competitionName)
        out.Append(g_competitionName->GetValue());
}

void VZImagePane::CompetitionSponsor(KString &out)
{
    if (g_competitionSponsor)
        out.Append(g_competitionSponsor->GetValue());
}

KFile &VZImagePane::ExportFile()
{
    return g_exportFile;
}

VZPrinter *VZImagePane::Printer()
{
    return g_printer.Get();
}
