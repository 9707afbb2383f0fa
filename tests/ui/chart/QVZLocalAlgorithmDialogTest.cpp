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
#include "ui/chart/QVZChartKeys.h"
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

class LocalAlgorithmDialog : public ToolkitTest
{
protected:
    int Int(const wchar_t *key) { return registry->GetInt(key)->Value(); }
    bool Bool(const wchar_t *key) { return registry->GetBool(key)->Value(); }
    double Float(const wchar_t *key) { return registry->GetFloat(key)->Value(); }
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
    EXPECT_EQ(Int(kKeyLocalIncSlope), 12);
    EXPECT_EQ(Int(kKeyLocalConsIncSlope), 8);
    EXPECT_EQ(Int(kKeyLocalTotalIncSlope), 40);
    EXPECT_DOUBLE_EQ(Float(kKeyLocalSetMask), 0.6);
    EXPECT_FALSE(Bool(kKeyLocalShowBeforeSet));
    EXPECT_FALSE(Bool(kKeyLocalCheckNegSlope));
    {
        QVZLocalAlgorithmDialog dialog;
        EXPECT_EQ(RunWith(dialog, edit(dialog), kDialogOk), kDialogOk);
    }
    EXPECT_EQ(Int(kKeyLocalIncSlope), 20);
    EXPECT_EQ(Int(kKeyLocalConsIncSlope), 4);
    EXPECT_EQ(Int(kKeyLocalTotalIncSlope), 60);
    EXPECT_DOUBLE_EQ(Float(kKeyLocalSetMask), 1.25);
    EXPECT_TRUE(Bool(kKeyLocalShowBeforeSet));
    EXPECT_TRUE(Bool(kKeyLocalCheckNegSlope));
}
