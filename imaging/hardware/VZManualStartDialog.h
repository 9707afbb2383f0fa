#pragma once
// VZManualStartDialog: gives the hardware hub a hand start when the user
// presses the space bar: with the offset typed in the dialog (a race time,
// at 0.1 s) or, when the text is not a time, without an offset; the dialog
// then ends with Ok. Holding the bar down gives one start only. Cancel ends
// it without a start. Made on the stack; GUI thread only.

#include "shell/toolkit/dialogs/KZDialog.h"

class KZString;
class VHardware;

class VZManualStartDialog : public KZDialog
{
public:
    // hardware: the hub that takes the start (none: the program's hub).
    explicit VZManualStartDialog(VHardware *hardware = nullptr);

    // A press of the space bar starts and ends the dialog with Ok (answers
    // 1: the key itself is dropped); everything else as the dialog.
    int IsEndCode(const ZafEventStruct &event) override;

    KZString *OffsetField() const { return offsetField; }

private:
    void Start();

    VHardware *hardware;
    KZString *offsetField = nullptr;
    bool started = false;
};
