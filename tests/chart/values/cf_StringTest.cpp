#include "chart/values/cf_String.h"

#include <gtest/gtest.h>

TEST(cf_String, EmptyStringsHaveCapacityOneAndATerminator)
{
    cf_String s;
    EXPECT_EQ(s.Capacity(), 1);
    EXPECT_EQ(s.Text()[0], L'\0');
    cf_String fromNull(static_cast<const wchar_t *>(nullptr));
    EXPECT_TRUE(fromNull == L"");
}

TEST(cf_String, TextAssignmentAndAppendKeepLengthAndCapacityConsistent)
{
    cf_String s(L"Time");
    EXPECT_EQ(s.Capacity(), 5);
    s.Append(L" (seconds)");
    EXPECT_TRUE(s == L"Time (seconds)");
    EXPECT_EQ(s.Length(), 14);
    EXPECT_GE(s.Capacity(), 15);
    s = s.Text(); // self-assignment from its own buffer
    EXPECT_TRUE(s == L"Time (seconds)");
    cf_String copy(s);
    s.Clear();
    EXPECT_TRUE(copy == L"Time (seconds)");
    EXPECT_EQ(s.Length(), 0);
    EXPECT_EQ(s.Capacity(), 1);
}

TEST(cf_String, FormattedNumbersFitWhateverTheRequestedCapacity)
{
    cf_String small(-1.23457e-05, L"%g", 10);
    EXPECT_TRUE(small == L"-1.23457e-05");
    EXPECT_GE(small.Capacity(), small.Length() + 1);
    cf_String roomy(3, L"%d", 32);
    EXPECT_EQ(roomy.Capacity(), 32);
    roomy.SetFormatted(600.0, L"%g", 10);
    EXPECT_TRUE(roomy == L"600");
}
