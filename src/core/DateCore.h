#pragma once
// Dates as day counts with the time of day as fraction: 30.12.1899 is day 0,
// 1.1.1900 is day 2, negative counts lie before 30.12.1899. Whole-day routines
// truncate the fraction toward zero. Years 1..9999 of the Gregorian calendar.
// The program's date format is "dd.mm.yyyy" with "." as separator, whatever the
// system locale.
#include <string>

namespace qmr {

// Throws EConvertError ("Invalid argument to date encode") for an impossible date.
double EncodeDate(int y, int m, int d);
bool TryEncodeDate(int y, int m, int d, double &Value);
void DecodeDate(double Date, int &y, int &m, int &d);
// 1 = Sunday, 2 = Monday, ... 7 = Saturday.
int DayOfWeek(double Date);
int YearOf(double Date);
bool IsLeapYear(int y);
int DaysInMonth(int y, int m);

// "05.03.2024".
std::string FormatDate(double Date);

// Day, month and year separated by "."; spaces around the parts are allowed and
// nothing else may follow. Without the year the current year is taken; a year of one
// or two digits falls into the hundred years that begin 50 years before the current
// year ("24" is 2024 in 2025, "80" is 1980). The first form takes the current year
// from the system's local date.
bool TryParseDate(const std::string &S, double &Value);
bool TryParseDate(const std::string &S, double &Value, int CurrentYear);

// The current year of the system's local date.
int SystemCurrentYear();

} // namespace qmr
