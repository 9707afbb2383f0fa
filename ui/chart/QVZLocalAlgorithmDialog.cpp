#include "ui/chart/QVZLocalAlgorithmDialog.h"

#include "foundation/registry/KRegistry.h"
#include "shell/app/KZAppCodes.h"
#include "shell/app/VZApplication.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZInteger.h"
#include "shell/toolkit/fields/KZReal.h"
#include "ui/common/QVZChartKeys.h"
#include "ui/chart/QVZSlopeDetector.h"

QVZLocalAlgorithmDialog::QVZLocalAlgorithmDialog()
    : KZDialog(L"Local Algorithm Settings", kButtonOk | kButtonCancel, kButtonOk)
{
    const QVZSlopeSettings s = QVZSlopeSettings::Read(VZApplication::Registry());
    AddPrompt(L"Incrementing Slope");
    incSlope = AddInteger(s.incSlope, 5, 1, 10000);
    Move(1, 0);
    NewLine();
    AddPrompt(L"Consecutive Incrementing Slope");
    consIncSlope = AddInteger(s.consIncSlope, 5, 1, 10000);
    Move(1, 0);
    NewLine();
    AddPrompt(L"Total Incrementing Slope");
    totalIncSlope = AddInteger(s.totalIncSlope, 5, 1, 10000);
    NewLine();
    AddPrompt(L"Set Mask");
    // The stored double, not the detector's single-precision copy, so that
    // Ok writes back what was read.
    const KRFloat *mask = VZApplication::Registry() ? VZApplication::Registry()->GetFloat(kKeyLocalSetMask) : nullptr;
    setMask = AddReal(mask ? mask->Value() : s.setMask, 3, 0.0, 2.0);
    NewLine();
    showBeforeSet = AddCheckBox(L"Show Before Set", s.showBeforeSet, 0);
    NewLine();
    checkNegSlope = AddCheckBox(L"Check Negative Slope (25%)", s.checkNegSlope, 0);
    NewLine();
    NewLine();
    NewLine();
    AlignColumn(1);
}

QVZLocalAlgorithmDialog::~QVZLocalAlgorithmDialog() = default;

ZafEventType QVZLocalAlgorithmDialog::Event(const ZafEventStruct &event)
{
    return KZDialog::Event(event);
}

void QVZLocalAlgorithmDialog::Finish(int32_t result)
{
    KRegistry *registry = VZApplication::Registry();
    if (result != kDialogOk || !registry)
        return;
    if (KRInt *node = registry->GetInt(kKeyLocalIncSlope))
        node->SetValue(incSlope->Value());
    if (KRInt *node = registry->GetInt(kKeyLocalConsIncSlope))
        node->SetValue(consIncSlope->Value());
    if (KRInt *node = registry->GetInt(kKeyLocalTotalIncSlope))
        node->SetValue(totalIncSlope->Value());
    if (KRFloat *node = registry->GetFloat(kKeyLocalSetMask))
        node->SetValue(setMask->ValueData() ? setMask->ValueData()->Value() : 0.0);
    if (KRBool *node = registry->GetBool(kKeyLocalShowBeforeSet))
        node->SetValue(showBeforeSet->Selected());
    if (KRBool *node = registry->GetBool(kKeyLocalCheckNegSlope))
        node->SetValue(checkNegSlope->Selected());
}
