#include "core/Funkce.h"

#include "core/DateCore.h"
#include "core/Errors.h"
#include "support/FakeClock.h"
#include "support/FakeMessages.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

using namespace qmr;
using qmrtest::FakeMessages;

namespace {

Currency C(long double v) { return Currency::FromLD(v); }

} // namespace

// --- Strings -------------------------------------------------------------------------

TEST(Funkce, PaddingCutsAndPadsByCharactersNotBytes)
{
    struct Case { std::string got, want; };
    const Case cases[] = {
        {PadR("ab  ", 4, U'*'), "ab**"},          // trailing blanks go first
        {PadR("ab\t", 2, U'*'), "ab"},
        {PadR("abcdef", 3, U'*'), "abcdef"},      // longer: unchanged
        {PadR("żółw", 6, U'.'), "żółw.."},
        {PadR("a", 3, U'ł'), "ałł"},
        {PadL("  7", 3, U'0'), "007"},            // leading blanks go first
        {PadL("7 ", 3, U'0'), "07 "},             // trailing ones stay
        {PadL("źdź", 5, U' '), "  źdź"},
        {PadL("12345", 3, U' '), "12345"},
        {Left("ab", 4), "ab  "},
        {Right("ab", 4), "ab  "},
        {Right("abcdef", 2), "ef"},
        {Left("abcdef", 2), "ab"},
        {Left("łódź", 2), "łó"},
        {Right("łódź", 2), "dź"},
        {Left("ab   ", 4), "ab  "},               // longer: plain cut
        {Left("ab ", 4), "ab  "},
        {Left("abc", 0), ""},
        {Replicate(U'-', 3), "---"},
        {Replicate(U'ł', 2), "łł"},
        {Replicate(U'x', 0), ""},
        {Replicate(U'x', -2), ""},
        {Spaces(3), "   "},
        {ComprStr("1 234 567", U' '), "1234567"},
        {ComprStr("łał", U'ł'), "a"},
        {Nepodtr("a&b&", U'&'), "a&&b&&"},
        {Nepodtr("ść", U'ś'), "śść"},
        {SubStr("żółty", 2, 3), "ółt"},
        {SubStr("żółty", 4, 10), "ty"},
        {SubStr("żółty", 9, 1), ""},
        {Trim(" \t żółw \r\n"), "żółw"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].got, cases[i].want) << "case " << i;
    EXPECT_EQ(CharCount("Zażółć"), 6);
}

TEST(Funkce, EmptyMeansOnlyBlanks)
{
    EXPECT_TRUE(Empty(""));
    EXPECT_TRUE(Empty(" \t\r\n\x01"));
    EXPECT_FALSE(Empty("  a "));
    EXPECT_FALSE(Empty("\xC2\xA0")); // a no-break space is a character above 32
}

TEST(Funkce, SeparateSplitsAtTheFirstDelimiter)
{
    EXPECT_EQ(SeparateLeft("klic=hodnota=x", "="), "klic");
    EXPECT_EQ(SeparateRight("klic=hodnota=x", "="), "hodnota=x");
    EXPECT_EQ(SeparateLeft("a::b::c", "::"), "a");
    EXPECT_EQ(SeparateRight("a::b::c", "::"), "b::c");
    EXPECT_EQ(SeparateLeft("bez", "="), "bez");
    EXPECT_EQ(SeparateRight("bez", "="), "bez");
    EXPECT_EQ(SeparateRight("abc=", "="), "");
}

TEST(Funkce, PosledniStrGivesTheCharacterPositionOfTheLastOccurrence)
{
    EXPECT_EQ(PosledniStr("a.b.c", "."), 4);
    EXPECT_EQ(PosledniStr("ż.ó.ł", "."), 4);
    EXPECT_EQ(PosledniStr("aaa", "aa"), 2);
    EXPECT_EQ(PosledniStr("abc", "abc"), 1);
    EXPECT_EQ(PosledniStr("abc", "x"), 0);
    EXPECT_EQ(PosledniStr("ab", "abc"), 0);
    EXPECT_EQ(PosledniStr("abc", ""), 0);
    EXPECT_EQ(CharPos("ł", "zażółć"), 5);
}

TEST(Funkce, JenJmenoStripsTheLastExtension)
{
    EXPECT_EQ(JenJmeno("N123.qms"), "N123");
    EXPECT_EQ(JenJmeno("zak.2024.qmr"), "zak.2024");
    EXPECT_EQ(JenJmeno("bez"), "bez");
    EXPECT_EQ(JenJmeno(".qms"), "");
}

TEST(Funkce, Vrat2SplitsAtTheFirstWrapBreak)
{
    struct Case {
        std::string s;
        int l;
        bool split;
        std::string s1, s2;
    };
    const Case cases[] = {
        {"Witraż dekoracyjny szkło", 20, true, "Witraż dekoracyjny", "szkło"},
        // Counted in characters: in bytes the first line would end after "ąąąą".
        {"ąąąą ąą bb", 8, true, "ąąąą ąą", "bb"},
        {"abc-defgh", 5, true, "abc", "defgh"},              // the hyphen is the break character
        {"abcdefg hij", 5, true, "abcdefg", "hij"},          // no break within L: the first one after
        {"ab\tcdefg", 4, true, "ab", "cdefg"},
        // The rest is wrapped again; break characters stay at the line ends.
        {"aa bb cc dd ee", 5, true, "aa", "bb \r\ncc \r\ndd \r\nee"},
        {"krótki", 20, false, "", "krótki"},
        {"abcde", 5, false, "", "abcde"},                   // exactly L characters
        {"abcdefghij", 5, false, "", "abcdefghij"},         // nothing to break at
        {" abcdefg", 4, false, "", " abcdefg"},             // a leading blank is no break
        {"abcdefg ", 4, false, "", "abcdefg "},             // nothing would follow the break
    };
    for (const Case &c : cases) {
        std::string s1 = "old", s2 = "old";
        EXPECT_EQ(Vrat2(c.s, c.l, s1, s2), c.split) << c.s;
        EXPECT_EQ(s1, c.s1) << c.s;
        EXPECT_EQ(s2, c.s2) << c.s;
    }
}

// --- Conversions -------------------------------------------------------------------------

TEST(Funkce, MyStrToIntIgnoresSpacesAndReadsEmptyAsZero)
{
    struct Case { const char *text; int want; };
    const Case cases[] = {
        {"", 0}, {"   ", 0}, {" 1 234 ", 1234}, {"-17", -17}, {"+5", 5}, {"007", 7},
        {"2147483647", 2147483647}, {"-2147483648", std::numeric_limits<int>::min()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MyStrToInt(c.text), c.want) << c.text;
}

TEST(Funkce, MyStrToIntRejectsTextThatIsNoIntegerWithThePlatformMessage)
{
    struct Case { const char *text, *message; };
    const Case cases[] = {
        {"abc", "'abc' is not a valid integer value"},
        {" 1 2x", "'12x' is not a valid integer value"}, // the text after removing spaces
        {"2147483648", "'2147483648' is not a valid integer value"},
        {"-2147483649", "'-2147483649' is not a valid integer value"},
        {"99999999999999999999", "'99999999999999999999' is not a valid integer value"},
        {"1,5", "'1,5' is not a valid integer value"},
        {"1.5", "'1.5' is not a valid integer value"},
        {"-", "'-' is not a valid integer value"},
        {"5\t", "'5\t' is not a valid integer value"},    // only spaces are removed
    };
    for (const Case &c : cases) {
        try {
            MyStrToInt(c.text);
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const EConvertError &e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST(Funkce, MyStrToDateReadsDayMonthYearWithFullStops)
{
    const qmrtest::FakeClock clock(2025, 6, 1);
    EXPECT_EQ(MyStrToDate("5.3.2024", clock), EncodeDate(2024, 3, 5));
    EXPECT_EQ(MyStrToDate(" 05 . 03 . 2024 ", clock), EncodeDate(2024, 3, 5));
    EXPECT_EQ(MyStrToDate("5.3.24", clock), EncodeDate(2024, 3, 5));
    EXPECT_EQ(MyStrToDate("5.3", clock), EncodeDate(2025, 3, 5)); // the clock's year
    EXPECT_EQ(MyStrToDate("29.2.2024", clock), EncodeDate(2024, 2, 29));

    const char *bad[] = {"31.4.2024", "29.2.2023", "5/3/2024", "5.3.2024x", "", "2024-03-05", "5.3.",
                         "0.1.2024", "1.13.2024", "5,3,2024"};
    for (const char *t : bad)
        EXPECT_THROW(MyStrToDate(t, clock), EConvertError) << t;
    try {
        MyStrToDate(" 5/3/2024", clock);
        ADD_FAILURE();
    } catch (const EConvertError &e) {
        EXPECT_STREQ(e.what(), "'5/3/2024' is not a valid date");
    }
    // Without a clock the system's year is used; a full date does not depend on it.
    EXPECT_EQ(MyStrToDate("24.12.2022"), EncodeDate(2022, 12, 24));
}

TEST(Funkce, MyCurrStrGroupsThousandsWithDecimalComma)
{
    struct Case { Currency n; int len; const char *want; };
    const Case cases[] = {
        {C(0), 0, "0,00"},
        {C(5), 0, "5,00"},
        {C(1234.5L), 0, "1 234,50"},
        {C(123456.78L), 0, "123 456,78"},
        {C(1234567.891L), 0, "1 234 567,89"},
        {C(-1234.5L), 0, "-1 234,50"},
        {C(-999), 0, "-999,00"},
        {Currency::FromRaw(50), 0, "0,01"},       // 0.005: halves away from zero
        {Currency::FromRaw(-50), 0, "-0,01"},
        {Currency::FromRaw(49), 0, "0,00"},
        {Currency::FromRaw(-49), 0, "0,00"},      // no "-0,00"
        {Currency::FromRaw(23450), 0, "2,35"},
        {Currency::FromRaw(9999950), 0, "1 000,00"},
        {C(12.5L), 8, "   12,50"},
        {C(-12.5L), 8, "  -12,50"},
        {C(1234567.89L), 8, "1 234 567,89"},      // longer than the field: unchanged
        {C(12345678901LL), 0, "12 345 678 901,00"},
        {Currency::FromRaw(std::numeric_limits<std::int64_t>::max()), 0, "922 337 203 685 477,58"},
        {Currency::FromRaw(std::numeric_limits<std::int64_t>::min()), 0, "-922 337 203 685 477,58"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MyCurrStr(c.n, c.len), c.want) << c.n.ToFixed4();
}

// --- Rounding ----------------------------------------------------------------------------

TEST(Funkce, ZaokrCurrRoundsToMultiplesOfWholeUnitsHalvesAwayFromZero)
{
    struct Case { Currency n; int z; Currency want; };
    const Case cases[] = {
        {C(12.5L), 1, C(13)},
        {C(-12.5L), 1, C(-13)},
        {C(1234), 10, C(1230)},
        {C(1235), 10, C(1240)},
        {C(-1235), 10, C(-1240)},
        {Currency::FromRaw(124999), 1, C(12)},
        {Currency::FromRaw(-124999), 1, C(-12)},
        {C(12344.99L), 10, C(12340)},
        {C(0), 10, C(0)},
        {C(7.25L), 0, C(7.25L)},                 // no multiple of 0: unchanged
        {C(999999999), 100, C(1000000000)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ZaokrCurr(c.n, c.z), c.want) << c.n.ToFixed4() << " to " << c.z;
}

TEST(Funkce, Nahoru050CurrRoundsAwayFromZeroToHalves)
{
    struct Case { Currency n, want; };
    const Case cases[] = {
        {C(3.01L), C(3.5L)}, {C(3.00L), C(3)},  {C(3.5L), C(3.5L)}, {Currency::FromRaw(35001), C(4)},
        {Currency::FromRaw(1), C(0.5L)}, {C(0), C(0)}, {C(-3.01L), C(-3.5L)}, {Currency::FromRaw(-1), C(-0.5L)},
        {C(-3), C(-3)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Nahoru050Curr(c.n), c.want) << c.n.ToFixed4();
}

TEST(Funkce, ZaokrDMRoundsToDecimalPlacesHalvesAwayFromZero)
{
    struct Case { Currency n; int z; Currency want; };
    const Case cases[] = {
        {C(2.345L), 2, C(2.35L)},
        {C(-2.345L), 2, C(-2.35L)},
        {C(2.3449L), 2, C(2.34L)},
        {C(1.005L), 2, C(1.01L)},                 // 1.005 is below the half in binary floating point
        {C(2.35L), 0, C(2.4L)},                   // 0 and 1 both mean one decimal
        {C(2.35L), 1, C(2.4L)},
        {C(2.34L), -3, C(2.3L)},
        {C(-2.25L), 1, C(-2.3L)},
        {C(1.2345L), 3, C(1.235L)},
        {C(1.2345L), 4, C(1.2345L)},
        {C(1.2345L), 9, C(1.2345L)},              // above 5 counts as 5
        {C(1234567.125L), 2, C(1234567.13L)},
        {C(100), 2, C(100)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ZaokrDM(c.n, c.z), c.want) << c.n.ToFixed4() << " to " << c.z;
}

TEST(Funkce, DesetNaXAndIsLess)
{
    EXPECT_EQ(DesetNaX(-1), 10.0L);
    EXPECT_EQ(DesetNaX(1), 10.0L);
    EXPECT_EQ(DesetNaX(2), 100.0L);
    EXPECT_EQ(DesetNaX(5), 100000.0L);

    EXPECT_FALSE(IsLess(C(0), C(5)));
    EXPECT_TRUE(IsLess(C(3), C(5)));
    EXPECT_FALSE(IsLess(C(5), C(5)));
    EXPECT_TRUE(IsLess(C(-1), C(0)));
    EXPECT_FALSE(IsLess(0.0, 5.0));
    EXPECT_TRUE(IsLess(2.5, 3.0));
}

// --- E-mail --------------------------------------------------------------------------------

TEST(Funkce, KontrMailAcceptsOrdinaryAddresses)
{
    const char *good[] = {"jan.novak@mail.example.pl", "a@b.cz", "  jan@firma.com.pl  ", "x_y-z+1@sub.domain.de",
                          "biuro@firma.com"};
    FakeMessages m;
    for (const char *a : good)
        EXPECT_TRUE(KontrMail(a, true, m)) << a;
    EXPECT_TRUE(m.empty());
}

TEST(Funkce, KontrMailRejectsMalformedAddresses)
{
    const char *bad[] = {
        "jan@example.info",  // last label of four letters
        "jan@example.p",     // of one letter
        "jan.@example.pl",   "jan@.example.pl",  ".jan@example.pl", "jan@example.pl.",
        "a@b@c.pl",          "jan@@example.pl",  "jan novak@example.pl", "jan..novak@example.pl",
        "@example.pl",       "jan@",             "jan@examplepl",        "jan(x)@example.pl",
        "jań@example.pl",    "jan@exa\tmple.pl", "jan@exam:ple.pl",      "",
        "janexample.pl",
    };
    for (const char *a : bad) {
        FakeMessages quiet;
        EXPECT_FALSE(KontrMail(a, false, quiet)) << a;
        EXPECT_TRUE(quiet.empty()) << a;

        FakeMessages loud;
        EXPECT_FALSE(KontrMail(a, true, loud)) << a;
        ASSERT_EQ(loud.count(), 1u) << a;
        EXPECT_EQ(loud.last().kind, FakeMessages::Kind::Chyba);
        EXPECT_EQ(loud.last().caption, "Quilmar");
        EXPECT_EQ(loud.last().text, "Mail address error!");
    }
}

TEST(Funkce, StrIsRFCRejectsControlSpecialAndNonAsciiCharacters)
{
    EXPECT_TRUE(StrIsRFC(""));
    EXPECT_TRUE(StrIsRFC("abc.DEF-1_2+3@x"));
    for (char c : std::string("()<>,;:\\\"[]"))
        EXPECT_FALSE(StrIsRFC(std::string("a") + c)) << c;
    EXPECT_FALSE(StrIsRFC("a\x01"));
    EXPECT_FALSE(StrIsRFC("a\x7f"));
    EXPECT_FALSE(StrIsRFC("é"));
}

// --- Base64 ----------------------------------------------------------------------------------

TEST(Funkce, StringTo64EncodesTheUtf8Bytes)
{
    struct Case { const char *in, *out; };
    const Case cases[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foobar", "Zm9vYmFy"},
        {"Zażółć gęślą jaźń", "WmHFvMOzxYLEhyBnxJnFm2zEhSBqYcW6xYQ="},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(StringTo64(c.in), c.out) << c.in;
        EXPECT_EQ(String64ToBytes(c.out), c.in) << c.out;
    }
    std::string all;
    for (int i = 0; i < 256; ++i)
        all.push_back(static_cast<char>(i));
    EXPECT_EQ(String64ToBytes(StringTo64(all)), all);
    EXPECT_EQ(String64ToBytes("Zm9\r\nv\nYg"), "foob"); // line breaks and missing padding are tolerated
    for (const char *bad : {"Zg=a", "Z", "Z===", "Zm9v!", "Zm9v=", "Zg="})
        EXPECT_THROW(String64ToBytes(bad), EConvertError) << bad;
}

TEST(Funkce, TextFileIsReadLineByLineInItsEncodingAndEndsEveryLineWithCrLf)
{
    qmrtest::TempDir dir;
    const std::string want = "WmHFvMOzxYLEhw0KZ8SZxZtsxIUNCg=="; // "Zażółć\r\ngęślą\r\n" in UTF-8
    struct Case { const char *name; std::string bytes; };
    const Case cases[] = {
        {"cp1250.txt", "Za\xbf\xf3\xb3\xe6\r\ng\xea\x9cl\xb9"},
        {"utf8-lf.txt", "Zażółć\ngęślą\n"},
        {"utf8-bom.txt", "\xEF\xBB\xBFZażółć\r\ngęślą"},
        {"cr.txt", "Zażółć\rgęślą\r\n"},
    };
    for (const Case &c : cases) {
        std::string s = "old";
        EXPECT_TRUE(TextSouborToString64(dir.write(c.name, c.bytes), s)) << c.name;
        EXPECT_EQ(s, want) << c.name;
    }

    std::string s = "old";
    EXPECT_TRUE(TextSouborToString64(dir.write("empty.txt", ""), s));
    EXPECT_EQ(s, "");
    EXPECT_TRUE(TextSouborToString64(dir.write("blank-lines.txt", "\n\nx"), s));
    EXPECT_EQ(String64ToBytes(s), "\r\n\r\nx\r\n");

    s = "old";
    EXPECT_FALSE(TextSouborToString64(dir.file("missing.txt"), s));
    EXPECT_EQ(s, "");
    EXPECT_FALSE(TextSouborToString64(dir.path().string(), s)); // a folder cannot be read
}

TEST(Funkce, BinaryFileIsEncodedByteForByteAndAMissingFileRaises)
{
    qmrtest::TempDir dir;
    const std::string bytes("\x00\xFF\r\n\x9c" "abc\n", 9);
    std::string s;
    EXPECT_TRUE(BinSouborToString64(dir.write("obj.qmr", bytes), s));
    EXPECT_EQ(String64ToBytes(s), bytes);
    EXPECT_EQ(s, "AP8NCpxhYmMK");

    const std::string missing = dir.file("missing.qmr");
    try {
        BinSouborToString64(missing, s);
        ADD_FAILURE() << "no error";
    } catch (const EFileError &e) {
        EXPECT_NE(std::string(e.what()).find(missing), std::string::npos) << e.what();
    }
}
