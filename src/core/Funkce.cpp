#include "core/Funkce.h"

#include "core/Clock.h"
#include "core/DateCore.h"
#include "core/Errors.h"
#include "core/Messages.h"
#include "core/TextCodec.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <vector>

namespace qmr {

namespace {

// --- UTF-8 ---------------------------------------------------------------------------

// Bytes of the character at i (1 for a byte that is no valid UTF-8).
std::size_t CharLen(const std::string &s, std::size_t i)
{
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80)
        return 1;
    std::size_t n = 0;
    char32_t cp = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        cp = c & 0x07;
    } else {
        return 1;
    }
    if (i + n > s.size())
        return 1;
    for (std::size_t k = 1; k < n; ++k) {
        const unsigned char b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return 1;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (n == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF)))
        return 1;
    if (n == 4 && (cp < 0x10000 || cp > 0x10FFFF))
        return 1;
    return n;
}

// Byte offsets of the characters of s, followed by s.size().
std::vector<std::size_t> Bounds(const std::string &s)
{
    std::vector<std::size_t> b;
    b.reserve(s.size() + 1);
    for (std::size_t i = 0; i < s.size(); i += CharLen(s, i))
        b.push_back(i);
    b.push_back(s.size());
    return b;
}

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

// --- Files and base64 ----------------------------------------------------------------

// Reads the whole file; false with errno set when it cannot be opened or read.
bool ReadAllBytes(const std::string &FileName, std::string &Bytes)
{
    Bytes.clear();
    std::FILE *f = std::fopen(FileName.c_str(), "rb");
    if (!f)
        return false;
    char buf[65536];
    std::size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        Bytes.append(buf, n);
    const bool failed = std::ferror(f) != 0;
    const int err = errno;
    std::fclose(f);
    if (failed) {
        errno = err;
        return false;
    }
    return true;
}

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string Base64(const std::string &in)
{
    std::string out;
    out.reserve((in.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= in.size(); i += 3) {
        const unsigned v = (static_cast<unsigned char>(in[i]) << 16) |
                           (static_cast<unsigned char>(in[i + 1]) << 8) | static_cast<unsigned char>(in[i + 2]);
        out.push_back(kAlphabet[(v >> 18) & 63]);
        out.push_back(kAlphabet[(v >> 12) & 63]);
        out.push_back(kAlphabet[(v >> 6) & 63]);
        out.push_back(kAlphabet[v & 63]);
    }
    const std::size_t rest = in.size() - i;
    if (rest > 0) {
        unsigned v = static_cast<unsigned char>(in[i]) << 16;
        if (rest == 2)
            v |= static_cast<unsigned char>(in[i + 1]) << 8;
        out.push_back(kAlphabet[(v >> 18) & 63]);
        out.push_back(kAlphabet[(v >> 12) & 63]);
        out.push_back(rest == 2 ? kAlphabet[(v >> 6) & 63] : '=');
        out.push_back('=');
    }
    return out;
}

// --- Line breaking -------------------------------------------------------------------

struct Break {
    bool found = false;
    std::size_t lineEnd = 0;   // bytes of the line without its break character or CRLF
    std::size_t lineKeep = 0;  // bytes of the line as it stays in wrapped text
    std::size_t nextStart = 0; // first byte of the next line
};

bool IsBreakChar(char c)
{
    return c == ' ' || c == '-' || c == '\t';
}

// The first line break of s wrapped at L characters: after the last break character
// that keeps the line (with it) within L characters, or after the first one beyond when
// there is none; a break character that begins the text does not count. A CRLF already
// in the text ends the line. No break when nothing would follow it.
Break FirstBreak(const std::string &s, int L)
{
    const std::vector<std::size_t> b = Bounds(s);
    const std::size_t n = b.size() - 1;
    std::size_t breakAt = 0; // character index of the break character; 0 = none
    for (std::size_t p = 0; p < n; ++p) {
        const char c = s[b[p]];
        if (c == '\r' && p + 1 < n && s[b[p + 1]] == '\n') {
            if (p + 2 >= n)
                return {};
            return {true, b[p], b[p], b[p + 2]};
        }
        if (b[p + 1] - b[p] == 1 && IsBreakChar(c))
            breakAt = p;
        if (static_cast<long long>(p) + 1 >= L && breakAt > 0) {
            if (breakAt + 1 >= n)
                return {};
            return {true, b[breakAt], b[breakAt + 1], b[breakAt + 1]};
        }
    }
    return {};
}

std::string WrapText(const std::string &s, int L)
{
    std::string out;
    std::string rest = s;
    for (;;) {
        const Break br = FirstBreak(rest, L);
        if (!br.found)
            break;
        out.append(rest, 0, br.lineKeep);
        out += "\r\n";
        rest.erase(0, br.nextStart);
    }
    return out + rest;
}

} // namespace

// --- Characters ------------------------------------------------------------------------

std::string CharToUtf8(char32_t C)
{
    std::string out;
    text::AppendUtf8(C, out);
    return out;
}

int CharCount(const std::string &S)
{
    int n = 0;
    for (std::size_t i = 0; i < S.size(); i += CharLen(S, i))
        ++n;
    return n;
}

std::string SubStr(const std::string &S, int Index, int Count)
{
    if (Index < 1)
        Index = 1;
    if (Count <= 0)
        return {};
    const std::vector<std::size_t> b = Bounds(S);
    const long long n = static_cast<long long>(b.size()) - 1;
    const long long from = Index - 1;
    if (from >= n)
        return {};
    const long long to = std::min<long long>(n, from + Count);
    return S.substr(b[from], b[to] - b[from]);
}

int CharPos(const std::string &Sub, const std::string &S)
{
    if (Sub.empty() || Sub.size() > S.size())
        return 0;
    const std::vector<std::size_t> b = Bounds(S);
    for (std::size_t k = 0; k + 1 < b.size(); ++k)
        if (S.compare(b[k], Sub.size(), Sub) == 0)
            return static_cast<int>(k) + 1;
    return 0;
}

std::string TrimLeft(const std::string &S)
{
    std::size_t i = 0;
    while (i < S.size() && IsBlank(S[i]))
        ++i;
    return S.substr(i);
}

std::string TrimRight(const std::string &S)
{
    std::size_t n = S.size();
    while (n > 0 && IsBlank(S[n - 1]))
        --n;
    return S.substr(0, n);
}

std::string Trim(const std::string &S)
{
    return TrimLeft(TrimRight(S));
}

// --- Strings ---------------------------------------------------------------------------

std::string Replicate(char32_t C, int Pocet)
{
    std::string out;
    if (Pocet <= 0)
        return out;
    const std::string c = CharToUtf8(C);
    out.reserve(c.size() * static_cast<std::size_t>(Pocet));
    for (int i = 0; i < Pocet; ++i)
        out += c;
    return out;
}

std::string Spaces(int Pocet)
{
    return Replicate(U' ', Pocet);
}

bool Empty(const std::string &S)
{
    for (char c : S)
        if (!IsBlank(c))
            return false;
    return true;
}

std::string ComprStr(const std::string &S, char32_t C)
{
    const std::string c = CharToUtf8(C);
    std::string out;
    out.reserve(S.size());
    for (std::size_t i = 0; i < S.size();) {
        const std::size_t len = CharLen(S, i);
        if (S.compare(i, len, c) != 0)
            out.append(S, i, len);
        i += len;
    }
    return out;
}

std::string Nepodtr(const std::string &S, char32_t C)
{
    const std::string c = CharToUtf8(C);
    std::string out;
    out.reserve(S.size() + 8);
    for (std::size_t i = 0; i < S.size();) {
        const std::size_t len = CharLen(S, i);
        out.append(S, i, len);
        if (S.compare(i, len, c) == 0)
            out += c;
        i += len;
    }
    return out;
}

std::string PadR(const std::string &S, int L, char32_t C)
{
    std::string t = TrimRight(S);
    const int n = CharCount(t);
    if (n < L)
        t += Replicate(C, L - n);
    return t;
}

std::string PadL(const std::string &S, int L, char32_t C)
{
    std::string t = TrimLeft(S);
    const int n = CharCount(t);
    if (n < L)
        t.insert(0, Replicate(C, L - n));
    return t;
}

std::string Left(const std::string &S, int N)
{
    if (CharCount(S) > N)
        return SubStr(S, 1, N);
    return PadR(S, N, U' ');
}

std::string Right(const std::string &S, int N)
{
    const int n = CharCount(S);
    if (n > N)
        return SubStr(S, n - N + 1, N);
    return PadR(S, N, U' ');
}

std::string SeparateLeft(const std::string &Value, const std::string &Delimiter)
{
    const std::size_t p = Delimiter.empty() ? std::string::npos : Value.find(Delimiter);
    return p == std::string::npos ? Value : Value.substr(0, p);
}

std::string SeparateRight(const std::string &Value, const std::string &Delimiter)
{
    const std::size_t p = Delimiter.empty() ? std::string::npos : Value.find(Delimiter);
    return p == std::string::npos ? Value : Value.substr(p + Delimiter.size());
}

int PosledniStr(const std::string &Str, const std::string &Val)
{
    if (Val.empty() || Val.size() > Str.size())
        return 0;
    const std::vector<std::size_t> b = Bounds(Str);
    for (std::size_t k = b.size() - 1; k-- > 0;)
        if (Str.compare(b[k], Val.size(), Val) == 0)
            return static_cast<int>(k) + 1;
    return 0;
}

std::string JenJmeno(const std::string &S)
{
    const std::size_t p = S.rfind('.');
    return p == std::string::npos ? S : S.substr(0, p);
}

bool Vrat2(const std::string &S, int L, std::string &S1, std::string &S2)
{
    if (CharCount(S) > L) {
        const Break br = FirstBreak(S, L);
        if (br.found) {
            S1 = S.substr(0, br.lineEnd);
            S2 = WrapText(S.substr(br.nextStart), L);
            return true;
        }
    }
    S1.clear();
    S2 = S;
    return false;
}

// --- Conversions and rounding ----------------------------------------------------------

int MyStrToInt(const std::string &Text)
{
    const std::string s = ComprStr(Text, U' ');
    if (s.empty())
        return 0;
    std::size_t i = 0;
    bool neg = false;
    if (s[0] == '+' || s[0] == '-') {
        neg = s[0] == '-';
        i = 1;
    }
    long long v = 0;
    bool ok = i < s.size();
    for (; ok && i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') {
            ok = false;
            break;
        }
        v = v * 10 + (s[i] - '0');
        if (v > 2147483648LL)
            ok = false;
    }
    if (ok && (neg ? -v : v) >= std::numeric_limits<int>::min() && (neg ? -v : v) <= std::numeric_limits<int>::max())
        return static_cast<int>(neg ? -v : v);
    throw EConvertError("'" + s + "' is not a valid integer value");
}

namespace {

double StrToDateIn(const std::string &Text, int CurrentYear)
{
    const std::string s = ComprStr(Text, U' ');
    double v = 0;
    if (!TryParseDate(s, v, CurrentYear))
        throw EConvertError("'" + s + "' is not a valid date");
    return v;
}

} // namespace

double MyStrToDate(const std::string &Text)
{
    return StrToDateIn(Text, SystemCurrentYear());
}

double MyStrToDate(const std::string &Text, const Clock &Hodiny)
{
    return StrToDateIn(Text, YearOf(Hodiny.Today()));
}

std::string MyCurrStr(Currency Cislo, int Delka)
{
    const std::int64_t r = Cislo.Raw();
    const bool neg = r < 0;
    const unsigned long long a = neg ? 0ULL - static_cast<unsigned long long>(r) : static_cast<unsigned long long>(r);
    // Whole cents, halves away from zero.
    const unsigned long long cents = a / 100 + (a % 100 >= 50 ? 1 : 0);
    const std::string digits = std::to_string(cents / 100);
    std::string s;
    if (neg && cents > 0)
        s = "-";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            s += ' ';
        s += digits[i];
    }
    const unsigned frac = static_cast<unsigned>(cents % 100);
    s += ',';
    s += static_cast<char>('0' + frac / 10);
    s += static_cast<char>('0' + frac % 10);
    return PadL(s, Delka, U' ');
}

long double DesetNaX(int X)
{
    if (X <= 1)
        return 10.0L;
    long double v = 1.0L;
    for (int i = 0; i < X; ++i)
        v *= 10.0L;
    return v;
}

Currency Nahoru050Curr(Currency n)
{
    const __int128 r = n.Raw();
    const __int128 k = r >= 0 ? (r + 4999) / 5000 : (r - 4999) / 5000;
    const __int128 v = k * 5000;
    if (v > std::numeric_limits<std::int64_t>::max() || v < std::numeric_limits<std::int64_t>::min())
        return n;
    return Currency::FromRaw(static_cast<std::int64_t>(v));
}

namespace {

// Nearest multiple of nZ, halves away from zero, in floating point.
long double ZaokrLD(long double n, long double nZ)
{
    const long double k = n >= 0 ? std::trunc((n + nZ / 2) / nZ) : std::trunc((n - nZ / 2) / nZ);
    return k * nZ;
}

} // namespace

Currency ZaokrCurr(Currency n, int nZ)
{
    if (nZ <= 0)
        return n;
    return Currency::FromLD(ZaokrLD(n.ToLD(), static_cast<long double>(nZ)));
}

Currency ZaokrDM(Currency n, int nZ)
{
    const long double c = DesetNaX(std::min(nZ, 5));
    // n × c in whole units (exact: c only shifts the four decimals), rounded to units.
    const long double k = ZaokrLD(static_cast<long double>(n.Raw()) * c / Currency::Scale, 1.0L);
    return Currency::FromScaled(k * Currency::Scale / c);
}

bool IsLess(Currency a, Currency b)
{
    return !a.IsZero() && a < b;
}

bool IsLess(double a, double b)
{
    return a != 0 && a < b;
}

// --- Working-day calendar --------------------------------------------------------------

double Velikonoce(int Rok)
{
    const int c = Rok / 100;
    const int n = Rok % 19;
    const int k = (c - 17) / 25;
    int i = (c - c / 4 - (c - k) / 3 + 19 * n + 15) % 30;
    i = i - (i / 28) * (1 - (i / 28) * (29 / (i + 1)) * ((21 - n) / 11));
    const int j = (Rok + Rok / 4 + i + 2 - c + c / 4) % 7;
    const int l = i - j;
    const int month = 3 + (l + 40) / 44;
    const int day = l + 28 - 31 * (month / 4);
    double sunday = 0;
    if (!TryEncodeDate(Rok, month, day, sunday))
        return 0;
    return sunday + 1;
}

bool JeSvatek(double Datum)
{
    int y = 0, m = 0, d = 0;
    DecodeDate(Datum, y, m, d);
    static constexpr int fixed[][2] = {{1, 1},   {1, 5},   {8, 5},   {5, 7},   {6, 7},  {28, 9},
                                       {28, 10}, {17, 11}, {24, 12}, {25, 12}, {26, 12}};
    for (const auto &f : fixed)
        if (f[0] == d && f[1] == m)
            return true;
    const double day = std::trunc(Datum);
    const double monday = Velikonoce(y);
    return day >= monday - 3 && day <= monday;
}

bool JePracovni(double Datum)
{
    const int dow = DayOfWeek(Datum);
    if (dow == 1 || dow == 7)
        return false;
    return !JeSvatek(Datum);
}

double DejTermin(int n, double Datum)
{
    while (n > 0) {
        Datum += 1;
        if (JePracovni(Datum))
            --n;
    }
    return Datum;
}

// --- E-mail ------------------------------------------------------------------------------

bool StrIsRFC(const std::string &S)
{
    static constexpr char specials[] = "()<>,;:\\\"[]";
    for (char ch : S) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c < 32 || c >= 127)
            return false;
        if (std::strchr(specials, ch) != nullptr)
            return false;
    }
    return true;
}

namespace {

bool MailOk(const std::string &a)
{
    const std::size_t at = a.find('@');
    if (at == std::string::npos)
        return false;
    if (a.find(' ') != std::string::npos)
        return false;
    if (a.find("..") != std::string::npos)
        return false;
    const std::string local = a.substr(0, at);
    const std::string domain = a.substr(at + 1);
    if (local.empty() || domain.empty())
        return false;
    if (local.front() == '.' || local.back() == '.' || domain.front() == '.' || domain.back() == '.')
        return false;
    if (domain.find('@') != std::string::npos)
        return false;
    if (!StrIsRFC(local) || !StrIsRFC(domain))
        return false;
    const std::size_t dot = domain.rfind('.');
    if (dot == std::string::npos)
        return false;
    const std::size_t tld = domain.size() - dot - 1;
    return tld == 2 || tld == 3;
}

} // namespace

bool KontrMail(const std::string &Adr, bool Nahlas, Messages &Zpravy)
{
    const bool ok = MailOk(Trim(Adr));
    if (!ok && Nahlas)
        Zpravy.Chyba("Quilmar", "Mail address error!");
    return ok;
}

// --- Base64 --------------------------------------------------------------------------------

std::string StringTo64(const std::string &S)
{
    return Base64(S);
}

bool TextSouborToString64(const std::string &FileName, std::string &S)
{
    S.clear();
    std::string bytes;
    if (!ReadAllBytes(FileName, bytes))
        return false;
    std::string text;
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text = bytes.substr(3);
    else if (text::IsValidUtf8(bytes))
        text = std::move(bytes);
    else
        text = text::Cp1250ToUtf8(bytes);

    // Every line (ended by CRLF, LF or CR, or by the end of the file) followed by CRLF.
    std::string joined;
    joined.reserve(text.size() + text.size() / 16 + 2);
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t e = text.find_first_of("\r\n", i);
        if (e == std::string::npos) {
            joined.append(text, i, std::string::npos);
            joined += "\r\n";
            break;
        }
        joined.append(text, i, e - i);
        joined += "\r\n";
        i = e + ((text[e] == '\r' && e + 1 < text.size() && text[e + 1] == '\n') ? 2 : 1);
    }
    S = StringTo64(joined);
    return true;
}

bool BinSouborToString64(const std::string &FileName, std::string &S)
{
    std::string bytes;
    if (!ReadAllBytes(FileName, bytes))
        throw EFileError("Cannot open file \"" + FileName + "\". " + std::strerror(errno));
    S = Base64(bytes);
    return true;
}

std::string String64ToBytes(const std::string &S)
{
    std::string out;
    unsigned acc = 0;
    int bits = 0;
    int symbols = 0;
    int pad = 0;
    for (char ch : S) {
        if (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n')
            continue;
        if (ch == '=') {
            ++pad;
            continue;
        }
        const char *p = ch ? std::strchr(kAlphabet, ch) : nullptr;
        if (p == nullptr || pad > 0)
            throw EConvertError("Invalid base64 text");
        acc = (acc << 6) | static_cast<unsigned>(p - kAlphabet);
        bits += 6;
        ++symbols;
        if (bits >= 8) {
            bits -= 8;
            out.push_back(static_cast<char>((acc >> bits) & 0xFF));
        }
    }
    if (symbols % 4 == 1 || pad > 2 || (pad > 0 && (symbols + pad) % 4 != 0))
        throw EConvertError("Invalid base64 text");
    return out;
}

} // namespace qmr
