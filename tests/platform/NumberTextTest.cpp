// Fixed-point and integer texts with left padding.
#include <gtest/gtest.h>

#include <limits>

#include "platform/NumberText.h"

namespace zeph {

TEST(NumberText, FixedPointPaddedOnTheLeftNeverCut)
{
    struct Case {
        double v;
        int width, decimals;
        const char* text;
    };
    const Case cases[] = {
        {3.769, 6, 3, " 3.769"},   {-0.25, 5, 3, "-0.250"},   {12345.6789, 4, 1, "12345.7"},
        {2.729, 5, 3, "2.729"},     {0, 4, 2, "0.00"},         {360, 6, 2, "360.00"},
        {12.5, 4, 2, "12.50"},      {0.005, 6, 2, "  0.01"},   {-1.005, 7, 3, " -1.005"},
        {99.96, 4, 1, "100.0"},     {7, 0, 0, "7"},            {7.5, 3, 0, "  8"},
        {1e20, 1, 1, "100000000000000000000.0"},
        {-0.0001, 6, 2, " -0.00"},  {-0.0, 5, 2, " 0.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StrF(c.v, c.width, c.decimals), QString(c.text)) << c.v;
}

TEST(NumberText, NotANumberAndInfinitiesAreReadable)
{
    EXPECT_EQ(StrF(std::numeric_limits<double>::quiet_NaN(), 7, 3), "    NAN");
    EXPECT_EQ(StrF(std::numeric_limits<double>::infinity(), 6, 2), "   INF");
    EXPECT_EQ(StrF(-std::numeric_limits<double>::infinity(), 2, 2), "-INF");
}

TEST(NumberText, OutOfRangeWidthsAndDecimalsAreHarmless)
{
    EXPECT_EQ(StrF(1.5, -3, -2), "2");
    EXPECT_EQ(StrF(1.5, std::numeric_limits<int>::max(), 1).size(), 255);
    EXPECT_EQ(StrF(1.5, 0, std::numeric_limits<int>::max()).size(), 42);
    EXPECT_EQ(StrF(std::numeric_limits<double>::max(), 0, 0).size(), 309);
}

TEST(NumberText, Integers)
{
    EXPECT_EQ(StrI(5, 2), " 5");
    EXPECT_EQ(StrI(20, 2), "20");
    EXPECT_EQ(StrI(-7, 4), "  -7");
    EXPECT_EQ(StrI(123456, 2), "123456");
    EXPECT_EQ(StrI(std::numeric_limits<long long>::min(), 0), "-9223372036854775808");
}

}  // namespace zeph
