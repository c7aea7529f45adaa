#pragma once
// Small helpers every unit uses: strings, number and date conversion, currency
// rounding, the working-day calendar, the e-mail check and base64. All are free
// functions without state. Strings are UTF-8; positions (1-based) and lengths count
// characters (code points), not bytes. "Blank" is any character with a code up to 32.
#include "core/Currency.h"

#include <cstdint>
#include <string>

namespace qmr {

class Clock;
class Messages;

// --- Characters of a UTF-8 string ---------------------------------------------------
// Bytes that are no valid UTF-8 count as one character each and are kept as they are.

// The number of characters.
int CharCount(const std::string &S);
// Count characters from the 1-based position Index, clipped to the string (an Index
// below 1 counts from 1).
std::string SubStr(const std::string &S, int Index, int Count);
// The 1-based character position of the first Sub in S; 0 when there is none or Sub is empty.
int CharPos(const std::string &Sub, const std::string &S);
// S without leading and/or trailing blanks.
std::string Trim(const std::string &S);
std::string TrimLeft(const std::string &S);
std::string TrimRight(const std::string &S);
// One character as UTF-8.
std::string CharToUtf8(char32_t C);

// --- Strings -------------------------------------------------------------------------

// Pocet copies of C; empty when Pocet is 0 or less.
std::string Replicate(char32_t C, int Pocet);
std::string Spaces(int Pocet);
// True when S holds nothing but blanks.
bool Empty(const std::string &S);
// S with every C removed.
std::string ComprStr(const std::string &S, char32_t C);
// S with every C doubled.
std::string Nepodtr(const std::string &S, char32_t C);
// Trailing (PadR) or leading (PadL) blanks removed, then C added on that side up to L
// characters; a longer string stays as it is.
std::string PadR(const std::string &S, int L, char32_t C);
std::string PadL(const std::string &S, int L, char32_t C);
// The first (Left) or last (Right) N characters of a longer S, otherwise PadR(S, N, ' ').
std::string Left(const std::string &S, int N);
std::string Right(const std::string &S, int N);
// The text before / after the first Delimiter; all of Value when it does not occur.
std::string SeparateLeft(const std::string &Value, const std::string &Delimiter);
std::string SeparateRight(const std::string &Value, const std::string &Delimiter);
// The 1-based position of the last Val in Str; 0 when there is none.
int PosledniStr(const std::string &Str, const std::string &Val);
// S without its last full stop and what follows it (the extension of a file name).
std::string JenJmeno(const std::string &S);
// Splits a text longer than L characters at its first word-wrap break (after a space,
// hyphen or tab): S1 is the first line without the break character, S2 the rest, word-
// wrapped at L with CRLF; the result is true. A text of L characters or less, or one that
// cannot be broken, gives S1 empty, S2 = S and false.
bool Vrat2(const std::string &S, int L, std::string &S1, std::string &S2);

// --- Conversions and rounding ---------------------------------------------------------

// Spaces removed; an empty text is 0; otherwise a decimal 32-bit integer (optional sign).
// Throws EConvertError "'x' is not a valid integer value".
int MyStrToInt(const std::string &Text);
// Spaces removed, then a date "dd.mm.yyyy" (see TryParseDate). Throws EConvertError
// "'x' is not a valid date". The current year (for a missing or two-digit year) comes
// from the clock, or from the system's date in the first form.
double MyStrToDate(const std::string &Text);
double MyStrToDate(const std::string &Text, const Clock &Hodiny);
// "# ### ### ##0.00" with a decimal comma (halves of a cent away from zero, a leading
// "-" for negative amounts), then PadL with spaces to Delka characters.
std::string MyCurrStr(Currency Cislo, int Delka);
// 10 to the power X for X of 2 or more, 10 otherwise.
long double DesetNaX(int X);
// Rounded away from zero to a multiple of 0.50.
Currency Nahoru050Curr(Currency n);
// Rounded to the nearest multiple of nZ whole units, halves away from zero (computed in
// floating point). An nZ of 0 or less leaves n as it is.
Currency ZaokrCurr(Currency n, int nZ);
// Rounded to nZ decimal places (nZ limited to 1..5), halves away from zero.
Currency ZaokrDM(Currency n, int nZ);
// True when a is not 0 and a < b.
bool IsLess(Currency a, Currency b);
bool IsLess(double a, double b);

// --- Working-day calendar ------------------------------------------------------------

// Easter Monday of the year.
double Velikonoce(int Rok);
// The fixed public holidays and Good Friday to Easter Monday.
bool JeSvatek(double Datum);
// Not Saturday, not Sunday, no public holiday.
bool JePracovni(double Datum);
// The date n working days after Datum; Datum itself for n of 0 or less.
double DejTermin(int n, double Datum);

// --- E-mail ---------------------------------------------------------------------------

// No control character, none of ( ) < > , ; : \ " [ ] and nothing above code 127.
bool StrIsRFC(const std::string &S);
// Checks a trimmed e-mail address; a rejected one shows Chyba("Quilmar",
// "Mail address error!") when Nahlas is set.
bool KontrMail(const std::string &Adr, bool Nahlas, Messages &Zpravy);

// --- Base64 (standard alphabet, "=" padding, no line breaks) --------------------------

std::string StringTo64(const std::string &S);
// The text file read line by line (UTF-8 when it has a BOM or is valid UTF-8, Windows-1250
// otherwise), every line followed by CRLF, encoded as UTF-8. False when the file cannot be
// read (S is then empty).
bool TextSouborToString64(const std::string &FileName, std::string &S);
// The raw bytes of the file. Throws EFileError when the file cannot be opened or read.
bool BinSouborToString64(const std::string &FileName, std::string &S);
// Decodes base64; whitespace is skipped and the "=" padding may be left out. Throws
// EConvertError on other characters or a malformed end.
std::string String64ToBytes(const std::string &S);

} // namespace qmr
