#pragma once
// QVZLocalAlgorithmDialog: "Local Algorithm Settings", the six parameters of
// the local reaction-time detector (\Chart\LocalAlg\) in three integer
// fields, a real field and two check boxes. The fields start from the
// settings; Ok stores all six, any other end stores nothing. Made on the
// caller's stack and run once with DoModal. GUI thread only.

#include "shell/toolkit/dialogs/KZDialog.h"

class KRNode;
class KZButton;
class KZInteger;
class KZReal;

class QVZLocalAlgorithmDialog : public KZDialog
{
public:
    QVZLocalAlgorithmDialog();
    ~QVZLocalAlgorithmDialog() override;

    ZafEventType Event(const ZafEventStruct &event) override;
    void Finish(int32_t result) override;

    // The fields, for the code that fills them in.
    KZInteger *incSlope = nullptr;
    KZInteger *consIncSlope = nullptr;
    KZInteger *totalIncSlope = nullptr;
    KZReal *setMask = nullptr;
    KZButton *showBeforeSet = nullptr;
    KZButton *checkNegSlope = nullptr;
};
