#include "chart/values/cf_String.h"
#include "chart/values/cf_XYZ.h"

#include <gtest/gtest.h>

TEST(cf_XYZ, AttachedLabelOutlivesTheValue)
{
    cf_String shared(L"axis");
    {
        cf_XYZ v;
        v.AttachLabel(&shared);
        EXPECT_FALSE(v.OwnsLabel());
        EXPECT_EQ(v.Label(), &shared);
    }
    EXPECT_TRUE(shared == L"axis");
}

TEST(cf_XYZ, LabelsSetFromNullKeepTheirTextAndFromNumbersHoldTheWholeText)
{
    cf_XYZ v;
    v.SetLabel(L"first");
    v.SetLabel(static_cast<const wchar_t *>(nullptr));
    EXPECT_TRUE(*v.Label() == L"first");
    cf_XYZ bare;
    bare.SetLabel(static_cast<const wchar_t *>(nullptr));
    EXPECT_TRUE(bare.HasLabel());
    cf_XYZ number;
    number.SetLabel(-1.23457e-05, L"%g");
    EXPECT_TRUE(*number.Label() == L"-1.23457e-05");
}

TEST(cf_XYZ, AssignmentCopiesOwnedSharesBorrowedAndDropsStaleLabels)
{
    cf_XYZ owned;
    owned.SetLabel(L"own");
    cf_XYZ target;
    target = owned;
    EXPECT_TRUE(target.OwnsLabel());
    EXPECT_NE(target.Label(), owned.Label());
    EXPECT_TRUE(*target.Label() == L"own");

    cf_String shared(L"shared");
    cf_XYZ borrowed;
    borrowed.AttachLabel(&shared);
    target = borrowed;
    EXPECT_EQ(target.Label(), &shared);

    target = cf_XYZ(7, 8, 9);
    EXPECT_EQ(target.Label(), nullptr);
    EXPECT_DOUBLE_EQ(target.X(), 7);
}
