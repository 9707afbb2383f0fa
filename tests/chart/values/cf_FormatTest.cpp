#include "chart/values/cf_Format.h"
#include "chart/values/cf_String.h"

#include <gtest/gtest.h>

TEST(cf_Format, FormatsOneNumberWithLiteralTextAndKeepsLongResultsWhole)
{
    EXPECT_EQ(cf_Format::Double(1.5, L"%g s"), L"1.5 s");
    EXPECT_EQ(cf_Format::Double(0.0, L"%g"), L"0");
    EXPECT_EQ(cf_Format::Int(42, L"#%03d"), L"#042");
    EXPECT_EQ(cf_Format::Double(2.0, L"%.2f%%"), L"2.00%");
    EXPECT_EQ(cf_Format::Double(-1.23457e-05, L"%g"), L"-1.23457e-05");
    std::wstring huge = cf_Format::Double(1e300, L"%f");
    EXPECT_EQ(huge.size(), 301u + 7u); // 301 digits, point, six decimals
}

TEST(cf_Format, UnusableFormatsFallBackToTheDefaultConversion)
{
    // Wrong kind, several conversions, "*", a string conversion, oversized
    // fields, a lone "%" and null: none of them may read a wrong argument.
    EXPECT_EQ(cf_Format::Double(2.5, L"%d"), L"2.5");
    EXPECT_EQ(cf_Format::Double(2.5, L"%g %g"), L"2.5");
    EXPECT_EQ(cf_Format::Double(2.5, L"%*g"), L"2.5");
    EXPECT_EQ(cf_Format::Double(2.5, L"%s"), L"2.5");
    EXPECT_EQ(cf_Format::Double(2.5, L"%.400f"), L"2.5");
    EXPECT_EQ(cf_Format::Double(2.5, L"abc%"), L"2.5");
    EXPECT_EQ(cf_Format::Double(2.5, nullptr), L"2.5");
    EXPECT_EQ(cf_Format::Int(7, L"%g"), L"7");
    EXPECT_EQ(cf_Format::Int(7, L"no conversion"), L"7");
}

TEST(cf_Format, BoundCoversTheLongestResult)
{
    EXPECT_EQ(cf_Format::Bound(L"%x %d", false), 0u);
    EXPECT_GT(cf_Format::Bound(L"%99.99f", true), 99u + 99u + 309u);
}

TEST(cf_Format, WholeNumbersInPlainGReadAsTheGeneralFormatterWritesThem)
{
    // "%g|" takes the general formatter; plain "%g" must give the same text.
    for (double value : {0.0, -0.0, 1.0, -3.0, 4999.0, 5000.0, 123456.0, 999999.0, -999999.0, 1e6, -1e6, 2.5e6,
                         0.5, 4999.5, -7.25}) {
        std::wstring general = cf_Format::Double(value, L"%g|");
        general.pop_back();
        EXPECT_EQ(general, cf_Format::Double(value, L"%g")) << value;
    }
}
