#pragma once
// QVZChartPlotter: the chart engine calls of one plot, made on a chart
// control from plain inputs: series styles, the series values of the time
// window, the time and power axes, the marker lines, the power lines and
// the frame. It looks nothing up in windows or documents, so any caller
// drives it as the chart pane does. Holds a reference to the control only for
// the call; GUI thread only.

#include "ui/chart/QVZChartTraces.h"

#include <vector>

class KRNode;
class KSortedList;
class KString;
class ZafChartControl;

class QVZChartPlotter
{
public:
    static constexpr int kOverlayColours = 12;
    // Palette index of overlay series k (1..12); later series reuse the sequence.
    static int OverlayColour(int k);
    // A colour option (the options dialog's list, 0 black, 1 white, 2 red ...)
    // as a palette index; outside 0-15 it answers outside.
    static int PaletteOf(int option, int outside);
    static constexpr int kFalseStartColour = 12;

    // What the marker lines of one plot are drawn from.
    struct Markers {
        bool showSet = true, showGun = true, showLegal = true, showReaction = true;
        bool hasSet = false;
        int setMs = 0;                  // set-command time before the gun
        std::vector<int> reactionMs;    // one per plotted trial with a reaction time
        KString *setLabel = nullptr;    // texts; empty when null
        KString *legalLabel = nullptr;
    };

    QVZChartPlotter(ZafChartControl &control, const QVZChartSettings &settings)
        : control(control), settings(settings)
    {
    }

    // Line width, style and colours of series k; overlay series take width 2
    // and the overlay sequence, a single trace the brush settings (red for
    // a false start when falseStartsRed).
    void SetSeriesStyle(int k, bool overlay, const KRNode *registry, bool falseStart);
    // The window's points of the plotted array into series k, raised by
    // k - 1 in overlay mode and by scale x (k - 1) otherwise.
    void AddSeriesData(const QVZChartTraces &traces, int mode, int k, bool overlay, int scale);
    // Time labels and ticks (0.1 s, labelled every 0.5 s, "Gun" at 0; 0.01 s
    // under ten ticks) and the power axis up to scale. False when the window
    // is too short for any tick: no time labels were added.
    bool SetupScales(int scale, const KString &gunText);
    // The marker lines, from the largest position to the smallest.
    void AddMarkerLines(const Markers &markers);
    // A horizontal line at each power value, labelled with its number.
    void AddPowerLines(const std::vector<int> &powers);
    // The detector's onset as a labelled time and an unlabelled line; nothing
    // outside the window.
    void AddDetectedOnset(int onsetSample);
    // Kernel flag, power ticks, the font on text items 2, 1, 4, 3, colours
    // and margins.
    void SetupFrame(const KRNode *registry, int fontNumber);

    // Builds the sorted marker lines.
    void BuildTimeLines(KSortedList &lines, const Markers &markers) const;

private:
    ZafChartControl &control;
    QVZChartSettings settings;
};
