// The local-algorithm dialog on a real window: its fields start from the
// settings, Ok stores all six values and Cancel stores none.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "foundation/registry/KRegistry.h"
#include "framework/core/data/ZafIntegerData.h"
#include "framework/core/data/ZafRealData.h"
#include "framework/core/events/ZafEventManager.h"
#include "shell/app/KZAppCodes.h"
#include "shell/support/DialogTestSupport.h"
#include "shell/support/ToolkitTest.h"
#include "shell/toolkit/fields/KZButton.h"
#include "shell/toolkit/fields/KZInteger.h"
#include "shell/toolkit/fields/KZReal.h"
#include "ui/common/QVZChartKeys.h"
#include "ui/chart/QVZLocalAlgorithmDialog.h"

namespace {

// Runs action inside the dialog's modal loop, then ends it with code.
int32_t RunWith(QVZLocalAlgorithmDialog &dialog, std::function<void()> action, int32_t code)
{
    WhileModal([action, code] {
        action();
        ZafEventManager::Shared()->Put(ZafEventStruct(code, 0));
    });
    return dialog.DoModal();
}

// The six settings of the local algorithm.
struct LocalSettings
{
    int incSlope;
    int consIncSlope;
    int totalIncSlope;
    double setMask;
    bool showBeforeSet;
    bool checkNegSlope;
};

class LocalAlgorithmDialog : public ToolkitTest
{
protected:
    void ExpectStored(const LocalSettings &expected)
    {
        EXPECT_EQ(registry->GetInt(kKeyLocalIncSlope)->Value(), expected.incSlope);
        EXPECT_EQ(registry->GetInt(kKeyLocalConsIncSlope)->Value(), expected.consIncSlope);
        EXPECT_EQ(registry->GetInt(kKeyLocalTotalIncSlope)->Value(), expected.totalIncSlope);
        EXPECT_DOUBLE_EQ(registry->GetFloat(kKeyLocalSetMask)->Value(), expected.setMask);
        EXPECT_EQ(registry->GetBool(kKeyLocalShowBeforeSet)->Value(), expected.showBeforeSet);
        EXPECT_EQ(registry->GetBool(kKeyLocalCheckNegSlope)->Value(), expected.checkNegSlope);
    }
};

} // namespace

TEST_F(LocalAlgorithmDialog, FieldsStartFromTheSettings)
{
    registry->GetInt(kKeyLocalTotalIncSlope)->SetValue(55);
    registry->GetBool(kKeyLocalCheckNegSlope)->SetValue(true);
    QVZLocalAlgorithmDialog dialog;
    EXPECT_EQ(dialog.incSlope->Value(), 12);
    EXPECT_EQ(dialog.totalIncSlope->Value(), 55);
    EXPECT_DOUBLE_EQ(dialog.setMask->ValueData()->Value(), 0.6);
    EXPECT_FALSE(dialog.showBeforeSet->Selected());
    EXPECT_TRUE(dialog.checkNegSlope->Selected());
}

TEST_F(LocalAlgorithmDialog, OkStoresAllSixValuesAndCancelNone)
{
    auto edit = [](QVZLocalAlgorithmDialog &d) {
        return [&d] {
            d.incSlope->ValueData()->SetValue(20);
            d.consIncSlope->ValueData()->SetValue(4);
            d.totalIncSlope->ValueData()->SetValue(60);
            d.setMask->ValueData()->SetValue(1.25);
            d.showBeforeSet->SetSelected(true);
            d.checkNegSlope->SetSelected(true);
        };
    };
    {
        QVZLocalAlgorithmDialog dialog;
        EXPECT_EQ(RunWith(dialog, edit(dialog), kDialogCancel), kDialogCancel);
    }
    ExpectStored({ 12, 8, 40, 0.6, false, false });
    {
        QVZLocalAlgorithmDialog dialog;
        EXPECT_EQ(RunWith(dialog, edit(dialog), kDialogOk), kDialogOk);
    }
    ExpectStored({ 20, 4, 60, 1.25, true, true });
}
