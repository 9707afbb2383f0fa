#pragma once
// VZImagePane: the module of the image pane. Its start-up looks up the
// settings the pane reads (kept as nodes, read at each use; a missing node
// reads as its built-in value), starts the export file in the program's
// folder, finds the overlay pictures of the program's folder (none with
// "-nooverlay") and makes the image printer; its shut-down undoes each
// step. GUI thread.

#include <cstdint>

class KFile;
class KString;
class VZPrinter;

class VZImagePane
{
public:
    static void Startup();
    static void Shutdown();

    // The settings, read now.
    static int32_t HashColor();
    static int32_t HashWidth();
    static int32_t HashCrossWidth();
    static int32_t HashShowLines();
    static int32_t PrintLines();
    static int32_t OverlayDpi();
    // Empty when the setting is missing.
    static void CompetitionName(KString &out);
    static void CompetitionSponsor(KString &out);

    // The last bitmap export path (the program's folder at first).
    static KFile &ExportFile();
    // The image printer; none outside start-up and shut-down.
    static VZPrinter *Printer();
};
