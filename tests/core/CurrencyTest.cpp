#include "core/Currency.h"

#include <gtest/gtest.h>

using qmr::Currency;

TEST(Currency, StoresProductsRoundedHalfToEven)
{
    struct Case { std::int64_t raw; long double factor; std::int64_t expected; } cases[] = {
        {10001, 0.5L, 5000}, {10003, 0.5L, 5002}, {-10001, 0.5L, -5000}, {-10003, 0.5L, -5002},
        {5, 0.1L, 0}, {7, 0.1L, 1}, {10000, 1.3L, 13000}};
    for (auto c : cases)
        EXPECT_EQ((Currency::FromRaw(c.raw) * c.factor).Raw(), c.expected) << c.raw;
    EXPECT_EQ(Currency::FromLD(2.5L).Raw(), 25000);
    EXPECT_EQ((Currency::FromUnits(3) * Currency::FromRaw(12500)).Raw(), 37500);
    EXPECT_EQ((Currency::FromUnits(10) * 1.25L).Raw(), 125000);
    EXPECT_EQ((Currency::FromUnits(1) / 3.0L).Raw(), 3333);
}

TEST(Currency, FixedTextHasFourDecimals)
{
    EXPECT_EQ(Currency::FromRaw(55000).ToFixed4(), "5.5000");
    EXPECT_EQ(Currency::FromRaw(-1).ToFixed4(), "-0.0001");
    EXPECT_EQ(Currency().ToFixed4(), "0.0000");
}

TEST(Currency, SaturatesInsteadOfWrapping)
{
    EXPECT_EQ(Currency::FromLD(1e30L).Raw(), INT64_MAX);
    EXPECT_EQ(Currency::FromLD(-1e30L).Raw(), INT64_MIN);
}
