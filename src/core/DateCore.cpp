#include "core/DateCore.h"

#include "core/Errors.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace qmr {

namespace {

// Days from 1.1.1970 of a proleptic Gregorian date (valid for any year).
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, long long &y, unsigned &m, unsigned &d)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y += m <= 2;
}

// 30.12.1899 counted from 1.1.1970.
constexpr long long kEpochShift = -25569;

long long WholeDay(double Date)
{
    if (!std::isfinite(Date))
        return 0;
    return static_cast<long long>(std::trunc(Date));
}

// A number of the date text: at least one digit, reading stops once the value reaches 1000.
bool ScanNumber(const std::string &S, std::size_t &Pos, int &Number, int &Digits)
{
    while (Pos < S.size() && S[Pos] == ' ')
        ++Pos;
    int n = 0;
    std::size_t i = Pos;
    while (i < S.size() && S[i] >= '0' && S[i] <= '9' && n < 1000) {
        n = n * 10 + (S[i] - '0');
        ++i;
    }
    if (i == Pos)
        return false;
    Digits = static_cast<int>(i - Pos);
    Number = n;
    Pos = i;
    return true;
}

bool ScanChar(const std::string &S, std::size_t &Pos, char C)
{
    while (Pos < S.size() && S[Pos] == ' ')
        ++Pos;
    if (Pos < S.size() && S[Pos] == C) {
        ++Pos;
        return true;
    }
    return false;
}

} // namespace

bool IsLeapYear(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m)
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12)
        return 0;
    return m == 2 && IsLeapYear(y) ? 29 : days[m - 1];
}

bool TryEncodeDate(int y, int m, int d, double &Value)
{
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m))
        return false;
    Value = static_cast<double>(DaysFromCivil(y, static_cast<unsigned>(m), static_cast<unsigned>(d)) - kEpochShift);
    return true;
}

double EncodeDate(int y, int m, int d)
{
    double v = 0;
    if (!TryEncodeDate(y, m, d, v))
        throw EConvertError("Invalid argument to date encode");
    return v;
}

void DecodeDate(double Date, int &y, int &m, int &d)
{
    long long yy = 0;
    unsigned mm = 0, dd = 0;
    CivilFromDays(WholeDay(Date) + kEpochShift, yy, mm, dd);
    y = static_cast<int>(yy);
    m = static_cast<int>(mm);
    d = static_cast<int>(dd);
}

int DayOfWeek(double Date)
{
    // Day 0 (30.12.1899) was a Saturday.
    long long r = (WholeDay(Date) + 6) % 7;
    if (r < 0)
        r += 7;
    return static_cast<int>(r) + 1;
}

int YearOf(double Date)
{
    int y = 0, m = 0, d = 0;
    DecodeDate(Date, y, m, d);
    return y;
}

std::string FormatDate(double Date)
{
    int y = 0, m = 0, d = 0;
    DecodeDate(Date, y, m, d);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", d, m, y);
    return buf;
}

bool TryParseDate(const std::string &S, double &Value, int CurrentYear)
{
    std::size_t pos = 0;
    int d = 0, m = 0, y = 0, dl = 0, ml = 0, yl = 0;
    if (!(ScanNumber(S, pos, d, dl) && ScanChar(S, pos, '.') && ScanNumber(S, pos, m, ml)))
        return false;
    if (ScanChar(S, pos, '.')) {
        if (!ScanNumber(S, pos, y, yl))
            return false;
        if (yl <= 2) {
            const int base = CurrentYear - 50;
            y += base / 100 * 100;
            if (y < base)
                y += 100;
        }
    } else {
        y = CurrentYear;
    }
    while (pos < S.size() && S[pos] == ' ')
        ++pos;
    if (pos != S.size())
        return false;
    return TryEncodeDate(y, m, d, Value);
}

int SystemCurrentYear()
{
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm.tm_year + 1900;
}

bool TryParseDate(const std::string &S, double &Value)
{
    return TryParseDate(S, Value, SystemCurrentYear());
}

} // namespace qmr
