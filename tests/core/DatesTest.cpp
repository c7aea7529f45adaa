#include "core/Clock.h"
#include "core/DateCore.h"
#include "core/Errors.h"
#include "core/Funkce.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <map>
#include <string>

using namespace qmr;

TEST(Dates, DayCountsMatchThePlatformsDateType)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
    EXPECT_EQ(EncodeDate(2024, 3, 5), 45356);
    EXPECT_EQ(EncodeDate(2022, 12, 23), 44918);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465);
    EXPECT_EQ(DayOfWeek(0), 7);                         // 30.12.1899 was a Saturday
    EXPECT_EQ(DayOfWeek(EncodeDate(2022, 12, 23)), 6);  // Friday
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 3, 3)), 1);    // Sunday
    EXPECT_EQ(DayOfWeek(EncodeDate(1800, 1, 1)), 4);    // Wednesday, before day 0
    EXPECT_EQ(FormatDate(EncodeDate(2024, 3, 5)), "05.03.2024");
    EXPECT_EQ(FormatDate(EncodeDate(2024, 3, 5) + 0.75), "05.03.2024");
    EXPECT_EQ(FormatDate(EncodeDate(5, 1, 2)), "02.01.0005");
}

TEST(Dates, EveryDayOfTheRangeDecodesToTheNextCalendarDay)
{
    int py = 0, pm = 0, pd = 0;
    DecodeDate(-693593, py, pm, pd);
    ASSERT_EQ(py * 10000 + pm * 100 + pd, 10101);
    for (int n = -693592; n <= 2958465; ++n) {
        int y = 0, m = 0, d = 0;
        DecodeDate(n, y, m, d);
        const bool next = (y == py && m == pm && d == pd + 1) ||
                          (y == py && m == pm + 1 && d == 1 && pd == DaysInMonth(py, pm)) ||
                          (y == py + 1 && m == 1 && d == 1 && pm == 12 && pd == 31);
        if (!next || EncodeDate(y, m, d) != n) {
            ADD_FAILURE() << "day " << n << " decodes to " << d << "." << m << "." << y;
            break;
        }
        py = y, pm = m, pd = d;
    }
    EXPECT_EQ(py * 10000 + pm * 100 + pd, 99991231);
}

TEST(Dates, ImpossibleDatesAreConversionErrors)
{
    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
    EXPECT_THROW(EncodeDate(1900, 2, 29), EConvertError);
    EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
    EXPECT_THROW(EncodeDate(2024, 4, 31), EConvertError);
    EXPECT_THROW(EncodeDate(2024, 13, 1), EConvertError);
    EXPECT_THROW(EncodeDate(0, 1, 1), EConvertError);
    EXPECT_THROW(EncodeDate(10000, 1, 1), EConvertError);
}

TEST(Dates, ParsedTextsFollowTheProgramDateFormat)
{
    struct Case { const char *text; int y, m, d; };
    const Case ok[] = {
        {"5.3.2024", 2024, 3, 5},   {"05.03.2024", 2024, 3, 5}, {" 5 . 3 . 2024 ", 2024, 3, 5},
        {"5.3.24", 2024, 3, 5},     {"5.3.75", 1975, 3, 5},     {"5.3.74", 2074, 3, 5},
        {"1.1.00", 2000, 1, 1},     {"5.3", 2025, 3, 5},        {"31.12.9999", 9999, 12, 31},
        {"01.01.0001", 1, 1, 1},
    };
    for (const Case &c : ok) {
        double v = -1;
        ASSERT_TRUE(TryParseDate(c.text, v, 2025)) << c.text;
        EXPECT_EQ(v, EncodeDate(c.y, c.m, c.d)) << c.text;
    }
    const char *bad[] = {"", "5", "5.", "5.3.", ".5.3", "5..3.2024", "5.3.2024.", "5-3-2024", "32.1.2024",
                         "5.3.12345", "5.3.2024 12:00", "a.b.c"};
    for (const char *t : bad) {
        double v = -1;
        EXPECT_FALSE(TryParseDate(t, v, 2025)) << t;
        EXPECT_EQ(v, -1) << t;
    }
}

TEST(Dates, SystemClockGivesTheLocalDateAsWholeDays)
{
    const double today = SystemClock().Today();
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[16];
    std::strftime(buf, sizeof buf, "%d.%m.%Y", &tm);
    EXPECT_EQ(today, static_cast<long long>(today));
    EXPECT_EQ(FormatDate(today), buf);
}

// --- Holidays and working days -------------------------------------------------------

TEST(Dates, EasterMondayMatchesAnIndependentComputusFrom1900To2100)
{
    // Known years first, so that the test says something without Python as well.
    EXPECT_EQ(Velikonoce(2000), EncodeDate(2000, 4, 24));
    EXPECT_EQ(Velikonoce(2019), EncodeDate(2019, 4, 22));
    EXPECT_EQ(Velikonoce(2024), EncodeDate(2024, 4, 1));
    EXPECT_EQ(Velikonoce(2025), EncodeDate(2025, 4, 21));

    std::FILE *p = popen("python3 -c \"from dateutil.easter import easter\n"
                         "for y in range(1900, 2101):\n"
                         "    d = easter(y)\n"
                         "    print(d.year, d.month, d.day)\" 2>/dev/null",
                         "r");
    if (p == nullptr)
        GTEST_SKIP() << "python3 is not available";
    std::map<int, double> sunday;
    int y = 0, m = 0, d = 0;
    while (std::fscanf(p, "%d %d %d", &y, &m, &d) == 3)
        sunday[y] = EncodeDate(y, m, d);
    pclose(p);
    if (sunday.empty())
        GTEST_SKIP() << "python3 with dateutil is not available";
    ASSERT_EQ(sunday.size(), 201u);
    for (const auto &[year, date] : sunday)
        EXPECT_EQ(Velikonoce(year), date + 1) << year;
}

TEST(Dates, GoodFridayToEasterMondayAreHolidaysButNotTheDaysAround)
{
    struct Case { int y, m, d; bool holiday; };
    const Case cases[] = {
        // Easter Sunday 31.3.2024
        {2024, 3, 28, false}, {2024, 3, 29, true}, {2024, 3, 30, true}, {2024, 3, 31, true},
        {2024, 4, 1, true},   {2024, 4, 2, false},
        // Easter Sunday 20.4.2025
        {2025, 4, 17, false}, {2025, 4, 18, true}, {2025, 4, 21, true}, {2025, 4, 22, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(JeSvatek(EncodeDate(c.y, c.m, c.d)), c.holiday) << c.d << "." << c.m << "." << c.y;
}

TEST(Dates, TheElevenFixedHolidays)
{
    const int fixed[][2] = {{1, 1}, {1, 5}, {8, 5}, {5, 7}, {6, 7}, {28, 9}, {28, 10}, {17, 11},
                            {24, 12}, {25, 12}, {26, 12}};
    for (int year : {1999, 2024, 2031})
        for (const auto &f : fixed)
            EXPECT_TRUE(JeSvatek(EncodeDate(year, f[1], f[0]) + 0.9)) << f[0] << "." << f[1] << "." << year;
    const int ordinary[][2] = {{2, 1}, {30, 4}, {7, 5}, {4, 7}, {29, 9}, {27, 12}, {31, 12}, {6, 1}};
    for (const auto &o : ordinary)
        EXPECT_FALSE(JeSvatek(EncodeDate(2023, o[1], o[0]))) << o[0] << "." << o[1];
}

TEST(Dates, WorkingDaysExcludeWeekendsAndHolidays)
{
    EXPECT_TRUE(JePracovni(EncodeDate(2024, 3, 5)));   // Tuesday
    EXPECT_FALSE(JePracovni(EncodeDate(2024, 3, 9)));  // Saturday
    EXPECT_FALSE(JePracovni(EncodeDate(2024, 3, 10))); // Sunday
    EXPECT_FALSE(JePracovni(EncodeDate(2024, 12, 24))); // Tuesday, holiday
    EXPECT_FALSE(JePracovni(EncodeDate(2024, 3, 29))); // Good Friday
}

TEST(Dates, DejTerminCountsWorkingDaysAcrossHolidaysAndYearEnds)
{
    struct Case { int n; int y, m, d; int wy, wm, wd; };
    const Case cases[] = {
        {1, 2022, 12, 23, 2022, 12, 27}, // Friday; weekend and 24.-26.12.
        {0, 2022, 12, 23, 2022, 12, 23},
        {-3, 2022, 12, 23, 2022, 12, 23},
        {1, 2021, 12, 31, 2022, 1, 3},   // 1.1. on a Saturday
        {5, 2021, 12, 31, 2022, 1, 7},
        {5, 2023, 12, 22, 2024, 1, 3},   // weekend, 25.-26.12., weekend, 1.1.
        {1, 2024, 3, 28, 2024, 4, 2},    // Thursday before Easter
        {2, 2024, 3, 27, 2024, 4, 2},
        {1, 2024, 4, 30, 2024, 5, 2},    // 1 May
        {5, 2024, 5, 3, 2024, 5, 13},    // weekend, 8 May, weekend
        {5, 2024, 3, 5, 2024, 3, 12},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FormatDate(DejTermin(c.n, EncodeDate(c.y, c.m, c.d))), FormatDate(EncodeDate(c.wy, c.wm, c.wd)))
            << c.n << " from " << c.d << "." << c.m << "." << c.y;
    // The time of day goes along.
    EXPECT_EQ(DejTermin(1, EncodeDate(2022, 12, 23) + 0.5), EncodeDate(2022, 12, 27) + 0.5);
}
