#include "foundation/errors/KX.h"
#include "foundation/strings/KString.h"
#include "foundation/values/KDateTime.h"
#include "foundation/values/KHelpers.h"
#include "foundation/values/KInt48.h"
#include "foundation/values/KRational.h"

#include <gtest/gtest.h>

TEST(KInt48, ArithmeticBeyondThirtyTwoBits)
{
    // A day in ticks of 1/80000 s does not fit 32 bits.
    KInt48 day = KInt48(86400) * KInt48(80000);
    EXPECT_EQ(day.ToInt64(), 6912000000LL);
    EXPECT_EQ((day / KInt48(80000)).ToInt32(), 86400);
    EXPECT_EQ((KInt48(-7) / KInt48(2)).ToInt32(), -3);
    EXPECT_EQ((day - day - KInt48(1)).ToInt64(), -1);
    EXPECT_TRUE(KInt48(-5) < KInt48(3));
    // Wraps at 48 bits.
    KInt48 top = KInt48::FromInt64((int64_t(1) << 47) - 1);
    EXPECT_EQ((top + KInt48(1)).ToInt64(), -(int64_t(1) << 47));
}

TEST(KInt48, DivisionByZeroThrows)
{
    EXPECT_THROW(KInt48(5) / KInt48(0), KX);
    EXPECT_THROW(KInt48(5) % KInt48(0), KX);
}

TEST(KRational, NormalisesByTheGreatestCommonDivisor)
{
    KRational r(6, -8);
    EXPECT_EQ(r.Numerator(), -3);
    EXPECT_EQ(r.Denominator(), 4);
    EXPECT_TRUE(KRational(2, 4) == KRational(1, 2));
    EXPECT_EQ(KRational(0, -5).Denominator(), 1);
    EXPECT_DOUBLE_EQ(KRational(1, 4).ToDouble(), 0.25);
    // Arithmetic stays in lowest terms.
    EXPECT_TRUE(KRational(1, 6) + KRational(1, 3) == KRational(1, 2));
    EXPECT_TRUE(KRational(1, 2) - KRational(3, 4) == KRational(-1, 4));
    EXPECT_TRUE(KRational(2, 3) * KRational(3, 4) == KRational(1, 2));
    EXPECT_TRUE(KRational(1, 2) / KRational(1, 4) == KRational(2));
}

TEST(KRational, ZeroDenominatorAndOverflowThrow)
{
    EXPECT_THROW(KRational(1, 0), KX);
    EXPECT_THROW(KRational(1, 2) / KRational(0), KX);
    EXPECT_THROW(KRational(INT32_MAX) * KRational(4), KX);
}

TEST(KDateTime, UnsetFieldsAreMinusOneAndFormatNothing)
{
    KDateTime unset;
    EXPECT_EQ(unset.Year(), -1);
    EXPECT_EQ(unset.Millisecond(), -1);
    KString text(L"x");
    EXPECT_FALSE(unset.Format(text));
    EXPECT_FALSE(unset.FormatDate(text));
    EXPECT_STREQ(text.CStr(), L"x");
}

TEST(KDateTime, NowIsSetAndFormatsDateBlankTime)
{
    KDateTime now(true);
    EXPECT_GE(now.Year(), 2000);
    EXPECT_TRUE(now.IsDateSet());
    KString date, time, both;
    ASSERT_TRUE(now.FormatDate(date));
    ASSERT_TRUE(now.FormatTime(time));
    ASSERT_TRUE(now.Format(both));
    // The clock may pass a second between the calls: compare the date part.
    KString bothDate;
    both.Extract(bothDate, 0, date.Length());
    EXPECT_TRUE(bothDate == date);
    EXPECT_EQ(both[date.Length()], L' ');
}

TEST(KDateTime, CompareGoesFieldByField)
{
    KDateTime a(2026, 5, 1, 10, 0, 0, 0);
    KDateTime b(2026, 5, 1, 10, 0, 0, 1);
    KDateTime c(2025, 12, 31, 23, 59, 59, 999);
    EXPECT_EQ(a.Compare(b), -1);
    EXPECT_EQ(b.Compare(a), 1);
    EXPECT_EQ(a.Compare(a), 0);
    EXPECT_EQ(c.Compare(a), -1); // the year decides before the month
    EXPECT_EQ(KDateTime().Compare(c), -1);
}

TEST(KHelpers, OrderU32SwapsOnlyBetweenDifferentOrders)
{
    EXPECT_EQ(KOrderU32(0x11223344u, kOrderBigEndian, kOrderLittleEndian), 0x44332211u);
    EXPECT_EQ(KOrderU32(0x11223344u, kOrderLittleEndian, kOrderLittleEndian), 0x11223344u);
}
