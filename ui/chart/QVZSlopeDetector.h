#pragma once
// QVZSlopeDetector: finds a reaction onset on the computer from the chart's
// integral array: a run of rising samples whose slope reaches IncSlope,
// confirmed over a window of TotalIncSlope samples and, unless
// ShowBeforeSet, masked for SetMask seconds after the set reference. A pure
// scan over one array; keeps nothing between plots.

class KRNode;

struct QVZSlopeSettings {
    int incSlope = 12;         // A: least slope per sample, and least mean slope
    int consIncSlope = 8;      // B: rising samples before confirmation
    int totalIncSlope = 40;    // W: confirmation window, samples
    float setMask = 0.6f;      // M: seconds after the set reference that are ignored
    bool showBeforeSet = false;
    bool checkNegSlope = false; // reject a window with a quarter or more not rising

    static QVZSlopeSettings Read(const KRNode *settings);
};

class QVZSlopeDetector {
public:
    static constexpr int kNone = -1;

    // The accepted onset sample in integral (5001 values), or kNone. A
    // rejected candidate is never answered. setReferenceMs is the trial's set
    // reference, milliseconds before the gun.
    static int Detect(const double *integral, const QVZSlopeSettings &settings, int setReferenceMs);
};
