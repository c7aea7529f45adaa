#include "core/TextCodec.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

namespace qmr::text {

namespace {

constexpr char16_t kCp1250High[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// Byte of every code point up to the highest one Windows-1250 has (0 = none), for the way back.
struct ReverseCp1250 {
    static constexpr char32_t kSize = 0x2123;
    std::array<unsigned char, kSize> map{};
    ReverseCp1250()
    {
        for (int i = 0; i < 128; ++i)
            map[kCp1250High[i]] = static_cast<unsigned char>(0x80 + i);
    }
    int find(char32_t cp) const
    {
        if (cp < 0x80)
            return static_cast<int>(cp);
        if (cp >= kSize || map[cp] == 0)
            return -1;
        return map[cp];
    }
};

const ReverseCp1250 &Reverse()
{
    static const ReverseCp1250 r;
    return r;
}

constexpr char32_t kInvalid = 0xFFFFFFFF;

// Decodes one strictly valid UTF-8 sequence at s[i]; kInvalid (length 1) otherwise.
char32_t DecodeAt(std::string_view s, std::size_t i, std::size_t &len)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    len = 1;
    if (b0 < 0x80)
        return b0;
    auto cont = [&](std::size_t k) -> int {
        if (i + k >= s.size())
            return -1;
        const auto b = static_cast<unsigned char>(s[i + k]);
        return (b & 0xC0) == 0x80 ? (b & 0x3F) : -1;
    };
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        const int c1 = cont(1);
        if (c1 < 0)
            return kInvalid;
        len = 2;
        return (char32_t(b0 & 0x1F) << 6) | char32_t(c1);
    }
    if (b0 >= 0xE0 && b0 <= 0xEF) {
        const int c1 = cont(1), c2 = c1 < 0 ? -1 : cont(2);
        if (c1 < 0 || c2 < 0)
            return kInvalid;
        const char32_t cp = (char32_t(b0 & 0x0F) << 12) | (char32_t(c1) << 6) | char32_t(c2);
        if (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))
            return kInvalid;
        len = 3;
        return cp;
    }
    if (b0 >= 0xF0 && b0 <= 0xF4) {
        const int c1 = cont(1), c2 = c1 < 0 ? -1 : cont(2), c3 = c2 < 0 ? -1 : cont(3);
        if (c1 < 0 || c2 < 0 || c3 < 0)
            return kInvalid;
        const char32_t cp = (char32_t(b0 & 0x07) << 18) | (char32_t(c1) << 12) | (char32_t(c2) << 6) | char32_t(c3);
        if (cp < 0x10000 || cp > 0x10FFFF)
            return kInvalid;
        len = 4;
        return cp;
    }
    return kInvalid;
}

char32_t FoldChar(char32_t c)
{
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    if (c < 0x100)
        return (c >= 0xC0 && c <= 0xDE && c != 0xD7) ? c + 32 : c;
    if (c < 0x180) {
        if (c == 0x130)
            return 'i';
        if (c == 0x131 || c == 0x138 || c == 0x149)
            return c;
        if (c == 0x178)
            return 0xFF;
        if (c == 0x17F)
            return 's';
        if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
            return (c & 1) ? c + 1 : c;
        return (c & 1) ? c : c + 1;
    }
    if (c >= 0x386 && c <= 0x3AB) {
        if (c >= 0x391 && c != 0x3A2)
            return c + 32;
        switch (c) {
        case 0x386: return 0x3AC;
        case 0x388: case 0x389: case 0x38A: return c + 37;
        case 0x38C: return 0x3CC;
        case 0x38E: case 0x38F: return c + 63;
        default: return c;
        }
    }
    if (c >= 0x400 && c <= 0x40F)
        return c + 80;
    if (c >= 0x410 && c <= 0x42F)
        return c + 32;
    return c;
}

} // namespace

void AppendUtf8(char32_t cp, std::string &out)
{
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        cp = 0xFFFD;
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

void Cp1250ToUtf8(std::string_view bytes, std::string &out)
{
    out.clear();
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            out.push_back(ch);
        else
            AppendUtf8(kCp1250High[b - 0x80], out);
    }
}

std::string Cp1250ToUtf8(std::string_view bytes)
{
    std::string out;
    Cp1250ToUtf8(bytes, out);
    return out;
}

bool Utf8ToCp1250(std::string_view utf8, std::string &out)
{
    out.clear();
    out.reserve(utf8.size());
    bool exact = true;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out.push_back(utf8[i]);
            ++i;
            continue;
        }
        std::size_t len = 1;
        const char32_t cp = DecodeAt(utf8, i, len);
        i += len;
        const int mapped = cp == kInvalid ? -1 : Reverse().find(cp);
        if (mapped < 0) {
            out.push_back('?');
            exact = false;
        } else {
            out.push_back(static_cast<char>(mapped));
        }
    }
    return exact;
}

bool FitsCp1250(std::string_view utf8)
{
    for (std::size_t i = 0; i < utf8.size();) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            ++i;
            continue;
        }
        std::size_t len = 1;
        const char32_t cp = DecodeAt(utf8, i, len);
        if (cp == kInvalid || Reverse().find(cp) < 0)
            return false;
        i += len;
    }
    return true;
}

bool IsAscii(std::string_view bytes)
{
    const char *p = bytes.data();
    std::size_t n = bytes.size();
    while (n >= 8) {
        std::uint64_t w;
        std::memcpy(&w, p, 8);
        if (w & 0x8080808080808080ULL)
            return false;
        p += 8;
        n -= 8;
    }
    for (; n; --n, ++p)
        if (static_cast<unsigned char>(*p) >= 0x80)
            return false;
    return true;
}

bool IsValidUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        std::size_t len = 1;
        if (DecodeAt(bytes, i, len) == kInvalid)
            return false;
        i += len;
    }
    return true;
}

void SanitizeUtf8(std::string_view bytes, std::string &out)
{
    out.clear();
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            out.push_back(bytes[i]);
            ++i;
            continue;
        }
        std::size_t len = 1;
        if (DecodeAt(bytes, i, len) == kInvalid)
            AppendUtf8(0xFFFD, out);
        else
            out.append(bytes.substr(i, len));
        i += len;
    }
}

void Utf16LeToUtf8(std::string_view bytes, std::string &out)
{
    out.clear();
    out.reserve(bytes.size() / 2 + bytes.size() / 8);
    const std::size_t n = bytes.size() / 2;
    auto unit = [&](std::size_t k) -> char32_t {
        return char32_t(static_cast<unsigned char>(bytes[2 * k])) |
               (char32_t(static_cast<unsigned char>(bytes[2 * k + 1])) << 8);
    };
    for (std::size_t k = 0; k < n; ++k) {
        const char32_t u = unit(k);
        if (u >= 0xD800 && u <= 0xDBFF && k + 1 < n) {
            const char32_t v = unit(k + 1);
            if (v >= 0xDC00 && v <= 0xDFFF) {
                AppendUtf8(0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00), out);
                ++k;
                continue;
            }
        }
        AppendUtf8(u, out); // unpaired surrogates come out as U+FFFD
    }
    if (bytes.size() % 2)
        AppendUtf8(0xFFFD, out);
}

void Utf8ToUtf16Le(std::string_view utf8, std::string &out)
{
    out.clear();
    out.reserve(utf8.size() * 2);
    auto put = [&](char32_t u) {
        out.push_back(static_cast<char>(u & 0xFF));
        out.push_back(static_cast<char>((u >> 8) & 0xFF));
    };
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t len = 1;
        char32_t cp = DecodeAt(utf8, i, len);
        i += len;
        if (cp == kInvalid)
            cp = 0xFFFD;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            put(0xD800 + (cp >> 10));
            put(0xDC00 + (cp & 0x3FF));
        } else {
            put(cp);
        }
    }
}

void FoldCase(std::string_view utf8, std::string &out)
{
    out.resize(utf8.size());
    std::size_t k = 0;
    for (; k < utf8.size(); ++k) {
        const char c = utf8[k];
        if (static_cast<unsigned char>(c) >= 0x80)
            break;
        out[k] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    }
    if (k == utf8.size())
        return;
    out.resize(k); // the lowered ASCII prefix stays
    for (std::size_t i = k; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out.push_back((b >= 'A' && b <= 'Z') ? static_cast<char>(b + 32) : static_cast<char>(b));
            ++i;
            continue;
        }
        std::size_t len = 1;
        const char32_t cp = DecodeAt(utf8, i, len);
        if (cp == kInvalid) {
            out.push_back(utf8[i]);
        } else {
            const char32_t f = FoldChar(cp);
            if (f == cp)
                out.append(utf8.substr(i, len));
            else
                AppendUtf8(f, out);
        }
        i += len;
    }
}

std::string FoldCase(std::string_view utf8)
{
    std::string out;
    FoldCase(utf8, out);
    return out;
}

bool TryParseInt32(std::string_view s, int &value)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == s.size())
        return false;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t v = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        v = v * base + digit;
        if (v > limit)
            return false;
    }
    value = static_cast<int>(negative ? -v : v);
    return true;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin()))
        return true;
    return FoldCase(a) == FoldCase(b);
}

} // namespace qmr::text
