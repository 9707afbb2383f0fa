#pragma once
// QVZChartTraces: the chart's working arrays and the settings that shape
// them. One set of arrays serves every chart pane and the chart data dialog
// (QVZChartTraces::Shared): three pairs of 5001 values, raw X/Y, filtered
// X/Y and sum/integral, each pair one block with the second array right
// after the first. Filling them from a trial is a pure computation over the
// arrays and a QVZChartSettings; nothing here touches a window. The
// program-wide display mode (a chart command id) and the local-detection
// switch live here too. GUI thread only.

class KRNode;
class QVResult;

// The time window and plotting settings of one computation. Read from the
// settings tree with the built-in defaults for missing keys; the window is
// kept inside the trace (-3 s .. +2 s, at least one sample) and the
// rounding step is at least 1, so no setting reaches outside the arrays or
// divides by zero.
struct QVZChartSettings {
    double minX = -3.0;        // start of the time window, seconds from the gun
    double maxX = 2.0;         // end of the time window, seconds
    int filtAvePts = 0;        // moving-average length; below 2 means no filter
    int sumIntegral = 192;     // running-integral length; below 1 counts as 1
    int minScaleVal = 500;     // a peak below this takes defScaleVal
    int defScaleVal = 1000;
    int powerRoundVal = 1000;  // the scale rounds up to a multiple of this

    static QVZChartSettings Read(const KRNode *settings);
    // Brings the window inside the trace and the step to at least 1.
    void MakeSafe();
    // First sample of the window and its number of samples (at least 1).
    int StartSample() const;
    int SampleCount() const;
    // Every field equal: the same arrays come out of the same trace.
    bool SameAs(const QVZChartSettings &other) const;
};

class QVZChartTraces {
public:
    static constexpr int kSamples = 5001;   // per channel, 1 kHz
    static constexpr int kGunSample = 3000; // sample i is (i - 3000) ms from the gun

    // The program-wide arrays.
    static QVZChartTraces &Shared();
    // The display mode: one of the chart mode commands (kCmdChartRawX ..
    // kCmdChartSummedXY), "Summed X and Y" at start. An unknown id is refused
    // (false).
    static int DisplayMode();
    static bool SetDisplayMode(int mode);
    // The local reaction-time detection switch (0 or 1, 0 at start).
    static int LocalDetection();
    static void SetLocalDetection(int on);

    // Decodes the result's trace into the raw pair (zeros for none), then
    // fills the other pairs for the mode.
    void Compute(const QVResult *result, const QVZChartSettings &settings, int mode);
    // Only the first step of Compute: the result's trace into the raw pair
    // (zeros for none).
    void Decode(const QVResult *result);
    // Filters and sums the raw pair as it stands.
    void ComputeFromRaw(const QVZChartSettings &settings, int mode);
    // The array the chart shows in this mode: sum in the two X modes (there
    // it holds raw or filtered X), integral in every other.
    const double *Plotted(int mode) const;
    // The power scale after this trace: the largest plotted value in the
    // window raised to the old scale, the default below the minimum, and,
    // only when that differs from old, 10 % more rounded up to the step.
    int RaisedScale(int oldScale, const QVZChartSettings &settings, int mode) const;

    double *RawX() { return raw[0]; }
    double *RawY() { return raw[1]; }
    const double *RawX() const { return raw[0]; }
    const double *RawY() const { return raw[1]; }
    const double *FilteredX() const { return filtered[0]; }
    const double *FilteredY() const { return filtered[1]; }
    const double *Sum() const { return summed[0]; }
    const double *Integral() const { return summed[1]; }

private:
    // Window sums over whole numbers are exact in any order, so they run
    // along the samples; other values are summed window by window, first
    // sample first, as the definition reads.
    static constexpr double kWholeLimit = 1e9; // far below where doubles stop being exact for sums of 5001
    void Filter(int length);
    void SumAndIntegrate(int length);
    // out[i] = the sum of the length samples of in ending at i, divided by
    // divisor, for every i from length - 1 on (earlier ones are left).
    static void WindowSums(const double *in, int length, int divisor, double *out);
    static bool WholeNumbers(const double *values, int count);
    // values[last - length + 1] + ... + values[last], in that order.
    static double WindowSum(const double *values, int last, int length);

    double raw[2][kSamples] = {};
    double filtered[2][kSamples] = {};
    double summed[2][kSamples] = {};
};
