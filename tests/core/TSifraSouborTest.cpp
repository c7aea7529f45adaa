#include "core/Errors.h"
#include "core/TSifraSoubor.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>
#include <set>

namespace {

using qmr::Decrypt;
using qmr::Encrypt;
using qmr::TSifraSoubor;
using qmrtest::TempDir;

bool AllDigits(const std::string &s)
{
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

TEST(Cipher, EncryptWritesLengthDigitsAndARandomTail)
{
    // 305: "14", then 3+1+11, 0+2+11, 5+3+11, then four random numbers (one or two digits each).
    std::set<std::string> texts;
    for (int i = 0; i < 200; ++i) {
        const std::string t = Encrypt(305);
        ASSERT_EQ(t.substr(0, 8), "14151319");
        const std::string tail = t.substr(8);
        ASSERT_TRUE(AllDigits(tail)) << t;
        ASSERT_GE(tail.size(), 4u) << t;
        ASSERT_LE(tail.size(), 8u) << t;
        texts.insert(t);
    }
    EXPECT_GT(texts.size(), 50u); // the same value gives a different text on every write

    const std::string zero = Encrypt(0);
    EXPECT_EQ(zero.substr(0, 4), "1212");
    EXPECT_GE(zero.size(), 4u + 6u);
    EXPECT_LE(zero.size(), 4u + 12u);

    // Six digits and more: no tail.
    EXPECT_EQ(Encrypt(123456), "17131517192123");
    EXPECT_EQ(Encrypt(2147483647), "2114141822202521252428");
    EXPECT_EQ(Encrypt(-5).substr(0, 4), "1212"); // no enciphered form below zero: stored as 0
}

TEST(Cipher, DecryptGivesEveryValueBack)
{
    std::vector<int> values = {0, 1, 9, 10, 99, 100, 305, 99999, 100000, 999999, 1000000,
                               123456789, 999999999, 1000000000, 2147483646, 2147483647};
    std::mt19937 gen(2024);
    for (int i = 0; i < 20000; ++i)
        values.push_back(static_cast<int>(gen() % 2147483648u));
    for (int i = 0; i < 2000; ++i)
        values.push_back(static_cast<int>(gen() % 100000)); // short values with a tail
    for (int v : values)
        ASSERT_EQ(Decrypt(Encrypt(v)), v) << v << " " << Encrypt(v);
}

TEST(Cipher, DecryptOfMalformedTextIsZeroOrAsFarAsItGoes)
{
    struct Case { const char *text; int expected; } cases[] = {
        {"", 0},
        {"1", 0},
        {"15", 0},              // two characters: the length does not exceed 2n
        {"ab12345678", 0},      // header is no number
        {"1012345678", 0},      // n = -1
        {"141513", 0},          // 2n = 6 is not less than the length
        {"1415131", 0},         // a one-character last pair decodes below zero: "30-13" is no number
        {"14151319", 305},      // no tail needed to decode
        {"1415xx19000", 35},    // a pair that is no number is skipped
        {"141599190000", 35},   // a pair above 9 is skipped
        {"2121222324252627282930", 0}, // 9999999999 does not fit: not numeric
    };
    for (const auto &c : cases)
        EXPECT_EQ(Decrypt(c.text), c.expected) << c.text;
    EXPECT_EQ(Decrypt("99" + std::string(398, '2')), 0);
    EXPECT_EQ(Decrypt(std::string(400, '9')), 0);
    EXPECT_EQ(Decrypt("21" + std::string(398, '1')), 0);
}

class SifraFile : public ::testing::Test {
protected:
    TempDir dir;
    std::string path;
    std::optional<TSifraSoubor> f;

    void Open(const std::string &content)
    {
        f.reset();
        path = dir.write("s.qmr", content);
        f.emplace(path);
    }
    std::string File() const { return TempDir::read(path); }
};

TEST_F(SifraFile, ReadSifraDecodesAndGivesZeroForMissingOrMalformed)
{
    Open("[P]\r\nCena=14151319123\r\nBad=abc\r\nShort=15\r\nQuoted=\"14151319\"\r\n");
    EXPECT_EQ(f->ReadSifra("P", "Cena"), 305);
    EXPECT_EQ(f->ReadSifra("p", "CENA"), 305);
    EXPECT_EQ(f->ReadSifra("P", "Quoted"), 305);
    EXPECT_EQ(f->ReadSifra("P", "Bad"), 0);
    EXPECT_EQ(f->ReadSifra("P", "Short"), 0);
    EXPECT_EQ(f->ReadSifra("P", "Missing"), 0);
    TSifraSoubor none(dir.file("none.qmr"));
    EXPECT_EQ(none.ReadSifra("P", "Cena"), 0);
    EXPECT_FALSE(none.ReadBool("P", "B", false));

    f->WriteSifra("P", "Nova", 2147483647);
    EXPECT_EQ(f->ReadSifra("P", "Nova"), 2147483647);
    TSifraSoubor again(path);
    EXPECT_EQ(again.ReadSifra("P", "Nova"), 2147483647);
}

TEST_F(SifraFile, WritersDeleteEmptyValuesUnlessZapisIsSet)
{
    using Op = std::function<void(TSifraSoubor &)>;
    struct Case {
        const char *name;
        const char *stored;   // value of P/k before, nullptr = missing
        bool zapis;
        Op op;
        const char *expected; // value after, nullptr = missing, "*0" = enciphered 0, "*7" = enciphered 7
    } cases[] = {
        {"WriteSifra 0 leaves the key", "14151319", false, [](auto &s) { s.WriteSifra("P", "k", 0); }, "14151319"},
        {"WriteSifra 0 with Zapis writes", "14151319", true, [](auto &s) { s.WriteSifra("P", "k", 0); }, "*0"},
        {"WriteSifra 0 on a missing key", nullptr, false, [](auto &s) { s.WriteSifra("P", "k", 0); }, nullptr},
        {"WriteSifra 7", nullptr, false, [](auto &s) { s.WriteSifra("P", "k", 7); }, "*7"},
        {"WriteKacky 0 deletes", "14151319", false, [](auto &s) { s.WriteKacky("P", "k", 0); }, nullptr},
        {"WriteKacky 0 deletes even with Zapis", "14151319", true, [](auto &s) { s.WriteKacky("P", "k", 0); }, nullptr},
        {"WriteKacky -3 deletes", "14151319", false, [](auto &s) { s.WriteKacky("P", "k", -3); }, nullptr},
        {"WriteKacky 7", nullptr, false, [](auto &s) { s.WriteKacky("P", "k", 7); }, "*7"},
        {"WriteBool False deletes", "1", false, [](auto &s) { s.WriteBool("P", "k", false); }, nullptr},
        {"WriteBool False with Zapis", "1", true, [](auto &s) { s.WriteBool("P", "k", false); }, "0"},
        {"WriteBool True", nullptr, false, [](auto &s) { s.WriteBool("P", "k", true); }, "1"},
        {"DeleteFalse keeps a True", "1", false, [](auto &s) { s.DeleteFalse("P", "k", false); }, "1"},
        {"DeleteFalse keeps any non-zero", "-2", false, [](auto &s) { s.DeleteFalse("P", "k", false); }, "-2"},
        {"DeleteFalse deletes a False", "0", false, [](auto &s) { s.DeleteFalse("P", "k", false); }, nullptr},
        {"DeleteFalse True writes", "0", false, [](auto &s) { s.DeleteFalse("P", "k", true); }, "1"},
        {"WriteFalse writes False", "1", false, [](auto &s) { s.WriteFalse("P", "k", false); }, "0"},
        {"WriteFalse writes True", nullptr, false, [](auto &s) { s.WriteFalse("P", "k", true); }, "1"},
        {"WriteInteger 0 deletes", "5", false, [](auto &s) { s.WriteInteger("P", "k", 0); }, nullptr},
        {"WriteInteger 0 with Zapis", "5", true, [](auto &s) { s.WriteInteger("P", "k", 0); }, "0"},
        {"WriteInteger -4", nullptr, false, [](auto &s) { s.WriteInteger("P", "k", -4); }, "-4"},
        {"DeleteNula keeps a non-zero", "5", false, [](auto &s) { s.DeleteNula("P", "k", 0); }, "5"},
        {"DeleteNula deletes a zero", "0", false, [](auto &s) { s.DeleteNula("P", "k", 0); }, nullptr},
        {"DeleteNula deletes a non-number", "x", false, [](auto &s) { s.DeleteNula("P", "k", 0); }, nullptr},
        {"DeleteNula writes a non-zero", "5", false, [](auto &s) { s.DeleteNula("P", "k", 3); }, "3"},
        {"WriteNula writes 0", "5", false, [](auto &s) { s.WriteNula("P", "k", 0); }, "0"},
        {"base class calls follow the rule",
         "1", false, [](auto &s) { static_cast<qmr::IniFile &>(s).WriteBool("P", "k", false); }, nullptr},
        {"base class WriteInteger follows the rule",
         "5", false, [](auto &s) { static_cast<qmr::IniFile &>(s).WriteInteger("P", "k", 0); }, nullptr},
    };
    for (const auto &c : cases) {
        Open(c.stored ? std::string("[P]\r\nk=") + c.stored + "\r\nother=1\r\n" : "[P]\r\nother=1\r\n");
        f->Zapis = c.zapis;
        c.op(*f);
        EXPECT_EQ(f->Zapis, c.zapis) << c.name << ": Zapis restored";
        TSifraSoubor after(path);
        if (!c.expected) {
            EXPECT_FALSE(after.ValueExists("P", "k")) << c.name;
        } else if (c.expected[0] == '*') {
            EXPECT_EQ(after.ReadString("P", "k", "").substr(0, 4), c.expected[1] == '0' ? "1212" : "1219") << c.name;
            EXPECT_EQ(after.ReadSifra("P", "k"), c.expected[1] - '0') << c.name;
        } else {
            EXPECT_EQ(after.ReadString("P", "k", "?"), c.expected) << c.name;
        }
        EXPECT_EQ(after.ReadString("P", "other", ""), "1") << c.name;
    }
}

TEST_F(SifraFile, ZapisIsRestoredWhenTheWriteFails)
{
    Open("[P]\r\nk=1\r\n");
    f->SetReplaceHookForTest([](const std::string &) { throw std::runtime_error("no space"); });
    EXPECT_THROW(f->WriteFalse("P", "k", false), qmr::EFileError);
    EXPECT_FALSE(f->Zapis);
    EXPECT_THROW(f->WriteNula("P", "n", 0), qmr::EFileError);
    EXPECT_FALSE(f->Zapis);
    EXPECT_EQ(File(), "[P]\r\nk=1\r\n");
}

TEST_F(SifraFile, EraseAllLeavesAnEmptyFileInOneWrite)
{
    Open("[A]\r\na=1\r\n; note\r\n[B]\r\nb=2\r\n[a]\r\nc=3\r\n\r\n[C]\r\n");
    int writes = 0;
    f->SetReplaceHookForTest([&](const std::string &) { ++writes; });
    f->EraseAll();
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(File(), "");
    EXPECT_TRUE(f->ReadSections().empty());
}

} // namespace
