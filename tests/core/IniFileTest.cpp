#include "core/DateCore.h"
#include "core/Errors.h"
#include "core/IniFile.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using qmr::IniFile;
using qmrtest::TempDir;
namespace fs = std::filesystem;
using namespace std::string_literals;

std::string Read(const std::string &path) { return TempDir::read(path); }

ino_t Inode(const std::string &path)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_ino;
}

std::size_t FilesIn(const fs::path &dir)
{
    std::size_t n = 0;
    for (const auto &e : fs::directory_iterator(dir)) {
        (void)e;
        ++n;
    }
    return n;
}

TEST(IniFile, ReadsValuesLikeTheWindowsService)
{
    const std::string file =
        "orphan = before\r\n"
        "[S]\r\n"
        "  spaced  =  value  \r\n"
        "quoted=\"a b\"\r\n"
        "single=' x '\r\n"
        "half=\"open\r\n"
        "inline=1 ; not a comment\r\n"
        "eq=a=b\r\n"
        "empty=\r\n"
        ";c=commented\r\n"
        "dup=first\r\n"
        "DUP=second\r\n"
        "nul=ab\0cd\r\n"
        "tab=\tv\tw\t\r\n"
        "[s]\r\n"
        "dup=later section\r\n"
        "only=later\r\n"
        "[T]\rcr=1\rlf=\n[U]\nlast=end"s;
    TempDir dir;
    IniFile ini(dir.write("a.ini", file));
    struct Case { const char *section, *key, *expected; } cases[] = {
        {"", "orphan", "before"},       {"S", "spaced", "value"},    {" S ", " spaced\t", "value"},
        {"S", "quoted", "a b"},         {"S", "single", " x "},      {"S", "half", "\"open"},
        {"S", "inline", "1 ; not a comment"}, {"S", "eq", "a=b"},    {"S", "empty", ""},
        {"S", ";c", "commented"},       {"S", "dup", "first"},       {"s", "DUP", "first"},
        {"S", "only", "dflt"},          {"S", "nul", "ab"},          {"S", "tab", "v\tw"},
        {"T", "cr", "1"},               {"T", "lf", ""},             {"U", "last", "end"},
        {"S", "missing", "dflt"},       {"nosuch", "cr", "dflt"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ini.ReadString(c.section, c.key, "dflt"), c.expected) << c.section << "/" << c.key;
    EXPECT_EQ(ini.ReadString("S", "missing", "\"dq\"  "), "dq"); // the service's treatment of defaults
}

TEST(IniFile, ComparesNamesWithoutCaseIncludingPolishAndCzechLetters)
{
    // Windows-1250 bytes of "[Łódź]", "Řeka=1", "Żółw=2", "[ĄČĘŠ]", "Ž=3".
    TempDir dir;
    IniFile cp(dir.write("cp.ini", "[\xa3\xf3" "d\x9f]\r\n\xd8" "eka=1\r\n\xaf\xf3\xb3w=2\r\n[\xa5\xc8\xca\x8a]\r\n\x8e=3\r\n"));
    EXPECT_EQ(cp.ReadString("ŁÓDŹ", "řeka", ""), "1");
    EXPECT_EQ(cp.ReadString("łódź", "ŻÓŁW", ""), "2");
    EXPECT_EQ(cp.ReadString("ąčęš", "ž", ""), "3");
    IniFile u8(dir.write("u8.ini", "\xEF\xBB\xBF[Łódź]\r\nŘeka=1\r\n"));
    EXPECT_EQ(u8.ReadString("ŁÓDŹ", "ŘEKA", ""), "1");
    EXPECT_TRUE(u8.ValueExists("łódź", "řeka"));

    // ASCII folding touches letters only: '[' and '{' (and '@', '`') stay apart.
    IniFile ascii(dir.write("a.ini", "[Long Section Name]\r\n@AZ[`az{~Mixed_Case-Key.1=found\r\n"));
    EXPECT_EQ(ascii.ReadString("long section NAME", "@az[`AZ{~mIXED_cASE-kEY.1", ""), "found");
    EXPECT_EQ(ascii.ReadString("Long Section Name", "@AZ{`az{~Mixed_Case-Key.1", "no"), "no");
    EXPECT_EQ(ascii.ReadString("Long Section Name", "`AZ[`az{~Mixed_Case-Key.1", "no"), "no");

    // A write in other case updates the stored key and keeps its spelling.
    cp.WriteString("ŁÓDŹ", "ŘEKA", "9");
    cp.WriteString("łódź", "nový", "ň");
    EXPECT_EQ(Read(cp.FileName()),
              "[\xa3\xf3" "d\x9f]\r\n\xd8" "eka=9\r\n\xaf\xf3\xb3w=2\r\nnov\xfd=\xf2\r\n[\xa5\xc8\xca\x8a]\r\n\x8e=3\r\n");
    EXPECT_EQ(cp.ReadSections(), (std::vector<std::string>{"Łódź", "ĄČĘŠ"}));
}

TEST(IniFile, DetectsTheEncodingOfEachFile)
{
    struct Case { const char *name; std::string bytes; const char *expected; } cases[] = {
        {"cp1250", "[S]\r\nk=\xa3\xf3" "d\x9f\r\n", "Łódź"},
        {"utf8 without BOM", "[S]\r\nk=\xc5\x81\xc3\xb3" "d\xc5\xba\r\n", "Łódź"},
        {"utf8 with BOM", "\xEF\xBB\xBF[S]\r\nk=\xc5\x81\xc3\xb3" "d\xc5\xba\r\n", "Łódź"},
        {"utf16le with BOM", std::string("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\x41\x01\xf3\0d\0\x7a\x01\r\0\n\0", 28), "Łódź"},
        {"invalid utf8 falls back to cp1250", "[S]\r\nk=\xc5\x81x\xc3\r\n", "Ĺ\xc2\x81xĂ"},
        {"cp1250 undefined bytes", "[S]\r\nk=\x81\x83\x88\x90\x98\r\n", "\xc2\x81\xc2\x83\xc2\x88\xc2\x90\xc2\x98"},
    };
    TempDir dir;
    for (const auto &c : cases) {
        IniFile ini(dir.write("e.ini", c.bytes));
        EXPECT_EQ(ini.ReadString("S", "k", ""), c.expected) << c.name;
    }
}

TEST(IniFile, WritesKeepEveryOtherLineByteForByte)
{
    const std::string before =
        "; header comment\r\n"
        "\r\n"
        "[S]\r\n"
        "  spaced  =  value  \r\n"
        "k=old\r\n"
        "# hash\n"
        "unknown key = kept \r\n"
        "flag\r\n"
        "\r\n"
        "\r\n"
        "[T]\n"
        "lf=1\n"
        "last=no newline";
    TempDir dir;
    IniFile ini(dir.write("a.ini", before));
    ini.WriteString("s", "K", "new");
    ini.WriteString("S", "added", "v");
    ini.WriteString("New", "x", "1");
    EXPECT_EQ(Read(ini.FileName()),
              "; header comment\r\n"
              "\r\n"
              "[S]\r\n"
              "  spaced  =  value  \r\n"
              "k=new\r\n"
              "# hash\n"
              "unknown key = kept \r\n"
              "flag\r\n"
              "added=v\r\n"
              "\r\n"
              "\r\n"
              "[T]\n"
              "lf=1\n"
              "last=no newline\r\n"
              "[New]\r\n"
              "x=1\r\n");
    ini.DeleteKey("S", "added");
    ini.EraseSection("new");
    ini.WriteString("S", "k", "old");
    EXPECT_EQ(Read(ini.FileName()), before);
}

TEST(IniFile, PlacesNewKeysAtTheEndOfTheirSection)
{
    struct Case { const char *name, *before, *after; } cases[] = {
        {"after the last entry, blank lines stay before the next section",
         "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "[A]\r\nx=1\r\nnew=v\r\n\r\n[B]\r\ny=2\r\n"},
        {"after a trailing comment that is set apart from the next section",
         "[A]\r\nx=1\r\n; tail\r\n\r\n[B]\r\n", "[A]\r\nx=1\r\n; tail\r\nnew=v\r\n\r\n[B]\r\n"},
        {"a comment block right above the next header stays with it",
         "[A]\r\nx=1\r\n\r\n; about B\r\n; more\r\n[B]\r\n", "[A]\r\nx=1\r\nnew=v\r\n\r\n; about B\r\n; more\r\n[B]\r\n"},
        {"into an empty section", "[A]\r\n[B]\r\n", "[A]\r\nnew=v\r\n[B]\r\n"},
        {"the first of duplicate sections", "[A]\r\nx=1\r\n[B]\r\n[a]\r\nnew=old\r\n",
         "[A]\r\nx=1\r\nnew=v\r\n[B]\r\n[a]\r\nnew=old\r\n"},
        {"a new section goes to the end", "[B]\r\ny=2", "[B]\r\ny=2\r\n[A]\r\nnew=v\r\n"},
        {"a new file", nullptr, "[A]\r\nnew=v\r\n"},
    };
    for (const auto &c : cases) {
        TempDir dir;
        const std::string path = c.before ? dir.write("p.ini", c.before) : dir.file("p.ini");
        IniFile ini(path);
        ini.WriteString("A", "new", "v");
        EXPECT_EQ(Read(path), c.after) << c.name;
        IniFile again(path);
        EXPECT_EQ(again.ReadString("A", "new", ""), "v") << c.name;
    }
}

TEST(IniFile, LineBreaksInWrittenTextCannotAddLines)
{
    TempDir dir;
    IniFile ini(dir.file("n.ini"));
    ini.WriteString("S", "k", "a\r\nb=c\rd\ne");
    ini.WriteString("S\r\n[X]", "key\nz", "v");
    ini.WriteString("S", "cut", std::string("ab\0[X]\r\nq=1", 11));
    EXPECT_EQ(Read(ini.FileName()), "[S]\r\nk=a  b=c d e\r\ncut=ab\r\n[S  [X]]\r\nkey z=v\r\n");
    IniFile again(ini.FileName());
    EXPECT_EQ(again.ReadString("S", "k", ""), "a  b=c d e");
    EXPECT_EQ(again.ReadString("S", "b", "none"), "none");
    EXPECT_EQ(again.ReadSections(), (std::vector<std::string>{"S", "S  [X]"}));
}

TEST(IniFile, KeepsTheFileEncodingWhenWriting)
{
    struct Case { const char *name; std::string before; const char *value; std::string after; } cases[] = {
        {"cp1250 stays cp1250", "[S]\r\nk=\xa3\r\n", "žluť", "[S]\r\nk=\xa3\r\nn=\x9elu\x9d\r\n"},
        {"cp1250 stores '?' for what it cannot hold", "[S]\r\nk=\xa3\r\n", "€ ∑", "[S]\r\nk=\xa3\r\nn=\x80 ?\r\n"},
        {"utf8 with BOM stays so", "\xEF\xBB\xBF[S]\r\n", "ř∑", "\xEF\xBB\xBF[S]\r\nn=\xc5\x99\xe2\x88\x91\r\n"},
        {"utf8 without BOM stays so", "[S]\r\nk=\xc5\x81\r\n", "ř", "[S]\r\nk=\xc5\x81\r\nn=\xc5\x99\r\n"},
        {"utf16le stays utf16le", std::string("\xFF\xFE[\0S\0]\0\r\0\n\0", 12), "ř",
         std::string("\xFF\xFE[\0S\0]\0\r\0\n\0n\0=\0\x59\x01\r\0\n\0", 22)},
        {"ascii file, text that fits cp1250", "[S]\r\n", "Łódź", "[S]\r\nn=\xa3\xf3" "d\x9f\r\n"},
        {"ascii file, text beyond cp1250 turns to utf8 with BOM", "[S]\r\n", "Łódź ∑",
         "\xEF\xBB\xBF[S]\r\nn=\xc5\x81\xc3\xb3" "d\xc5\xba \xe2\x88\x91\r\n"},
    };
    for (const auto &c : cases) {
        TempDir dir;
        const std::string path = dir.write("e.ini", c.before);
        {
            IniFile ini(path);
            ini.WriteString("S", "n", c.value);
            EXPECT_EQ(Read(path), c.after) << c.name;
            ini.WriteString("S", "n", c.value);
            EXPECT_EQ(Read(path), c.after) << c.name << " (second write)";
        }
        IniFile again(path);
        const std::string stored = again.ReadString("S", "n", "");
        if (std::string(c.name).find("'?'") == std::string::npos) {
            EXPECT_EQ(stored, c.value) << c.name;
        }
    }

    // New files: Windows-1250 when every character fits, UTF-8 with BOM otherwise.
    TempDir dir;
    IniFile a(dir.file("a.ini"));
    a.WriteString("Výplň", "Kód", "ž");
    EXPECT_EQ(Read(dir.file("a.ini")), "[V\xfdpl\xf2]\r\nK\xf3" "d=\x9e\r\n");
    IniFile b(dir.file("b.ini"));
    b.SetAutoFlush(false);
    b.WriteString("S", "a", "ž");
    b.WriteString("S", "b", "日本");
    b.UpdateFile();
    EXPECT_EQ(Read(dir.file("b.ini")), "\xEF\xBB\xBF[S]\r\na=\xc5\xbe\r\nb=\xe6\x97\xa5\xe6\x9c\xac\r\n");
}

TEST(IniFile, NeverWritesWindows1250BytesThatWouldReadBackAsUtf8)
{
    // "PÓŁKA" in Windows-1250 is P D3 A3 K A, a valid UTF-8 sequence on its own.
    TempDir dir;
    IniFile fresh(dir.file("new.ini"));
    fresh.WriteString("S", "n", "PÓŁKA");
    EXPECT_EQ(Read(fresh.FileName()), "\xEF\xBB\xBF[S]\r\nn=P\xc3\x93\xc5\x81KA\r\n");

    // The only byte that made this file invalid UTF-8 goes away with the write.
    const std::string path = dir.write("old.ini", "[S]\r\nk=\xd3\r\nn=P\xd3\xa3KA\r\n");
    IniFile old(path);
    old.DeleteKey("S", "k");
    EXPECT_EQ(Read(path), "\xEF\xBB\xBF[S]\r\nn=P\xc3\x93\xc5\x81KA\r\n");
    IniFile again(path);
    EXPECT_EQ(again.ReadString("S", "n", ""), "PÓŁKA");

    // Found by fuzz_ini: the section name must survive the write.
    const std::string crash = dir.write("crash.ini", "[\n\x18\0\0\0\0\0\0\0d\xc5\xba\r\n[\xc5\x98]\r\nx=1"s + std::string(61, '\xcf'));
    std::string section;
    {
        IniFile ini(crash);
        section = ini.ReadSections().at(0);
        ini.WriteString(section, "x", "v");
    }
    IniFile reread(crash);
    EXPECT_EQ(reread.ReadSections(), std::vector<std::string>{section});
    EXPECT_EQ(reread.ReadString(section, "x", ""), "v");
}

TEST(IniFile, UndefinedCp1250BytesRoundTrip)
{
    std::string all;
    for (int b = 0x80; b <= 0xFF; ++b)
        all.push_back(static_cast<char>(b));
    TempDir dir;
    const std::string path = dir.write("h.ini", "[S]\r\nall=" + all + "\r\n");
    IniFile ini(path);
    ini.WriteString("S", "copy", ini.ReadString("S", "all", ""));
    EXPECT_EQ(Read(path), "[S]\r\nall=" + all + "\r\ncopy=" + all + "\r\n");
}

TEST(IniFile, WritesThatChangeNothingLeaveTheFileAlone)
{
    TempDir dir;
    const std::string path = dir.write("a.ini", "[S]\n  k  =  v  \n; c\n\n");
    IniFile ini(path);
    const ino_t before = Inode(path);
    ini.WriteString("S", "k", "v");
    ini.WriteString("s", "K", "  v");
    ini.DeleteKey("S", "nokey");
    ini.DeleteKey("nosec", "k");
    ini.EraseSection("nosec");
    ini.UpdateFile();
    EXPECT_EQ(Inode(path), before);
    EXPECT_EQ(Read(path), "[S]\n  k  =  v  \n; c\n\n");

    IniFile missing(dir.file("none.ini"));
    missing.DeleteKey("S", "k");
    missing.EraseSection("S");
    missing.UpdateFile();
    EXPECT_FALSE(fs::exists(dir.file("none.ini")));
}

TEST(IniFile, ConvertsIntegersBoolsAndDates)
{
    TempDir dir;
    IniFile ini(dir.write("n.ini",
                          "[N]\r\na=42\r\nb=-7\r\nc=+5\r\nd=0x10\r\ne=$1F\r\nf=2147483647\r\ng=-2147483648\r\n"
                          "h=2147483648\r\ni=-2147483649\r\nj=12abc\r\nk=3.9\r\nl=\r\nm=\"42\"\r\nn=1e3\r\n"
                          "o=99999999999\r\np=" + std::string(400, '9') + "\r\nq= - 5\r\n"
                          "[B]\r\none=1\r\nzero=0\r\nneg=-1\r\ntwo=2\r\nword=True\r\n"
                          "[D]\r\nd1=05.03.2024\r\nd2=5.3.2024\r\nbad=31.02.2024\r\ntext=soon\r\nempty=\r\n"));
    struct IntCase { const char *key; int expected; } ints[] = {
        {"a", 42}, {"b", -7}, {"c", 5}, {"d", 16}, {"e", 31}, {"f", 2147483647}, {"g", -2147483647 - 1},
        {"h", 77}, {"i", 77}, {"j", 77}, {"k", 77}, {"l", 77}, {"m", 42}, {"n", 77}, {"o", 77}, {"p", 77},
        {"q", 77}, {"missing", 77}};
    for (const auto &c : ints)
        EXPECT_EQ(ini.ReadInteger("N", c.key, 77), c.expected) << c.key;
    struct BoolCase { const char *key; bool dflt, expected; } bools[] = {
        {"one", false, true}, {"zero", true, false}, {"neg", false, true}, {"two", false, true},
        {"word", false, false}, {"word", true, true}, {"missing", true, true}};
    for (const auto &c : bools)
        EXPECT_EQ(ini.ReadBool("B", c.key, c.dflt), c.expected) << c.key;
    const double day = qmr::EncodeDate(2024, 3, 5);
    EXPECT_EQ(ini.ReadDate("D", "d1", -1), day);
    EXPECT_EQ(ini.ReadDate("D", "d2", -1), day);
    for (const char *k : {"bad", "text", "empty", "missing"})
        EXPECT_EQ(ini.ReadDate("D", k, -1), -1) << k;

    ini.WriteBool("W", "t", true);
    ini.WriteBool("W", "f", false);
    ini.WriteInteger("W", "i", -12);
    ini.WriteDate("W", "d", day + 0.75);
    EXPECT_NE(Read(ini.FileName()).find("[W]\r\nt=1\r\nf=0\r\ni=-12\r\nd=05.03.2024\r\n"), std::string::npos);
}

TEST(IniFile, ListsSectionsAndKeys)
{
    TempDir dir;
    IniFile ini(dir.write("l.ini", "top=1\r\n[A]\r\nx=1\r\n;c=2\r\nflag\r\n=empty\r\ny=\r\nX=3\r\n[B]\r\n[]\r\ne=1\r\n[a]\r\nz=1\r\n"));
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"A", "B", "a"}));
    EXPECT_EQ(ini.ReadSection("a"), (std::vector<std::string>{"x", "y", "X"}));
    EXPECT_TRUE(ini.ReadSection("nosuch").empty());
    EXPECT_TRUE(ini.SectionExists("A"));
    EXPECT_FALSE(ini.SectionExists("B")); // a header without keys, like the platform class
    EXPECT_FALSE(ini.SectionExists("C"));
    EXPECT_TRUE(ini.ValueExists("A", "y"));
    EXPECT_FALSE(ini.ValueExists("A", "z")); // only in the later duplicate
    EXPECT_FALSE(ini.ValueExists("A", ";c"));
    EXPECT_FALSE(ini.ValueExists("A", "flag"));
    EXPECT_EQ(ini.ReadString("", "top", ""), "1");
}

TEST(IniFile, DeletingRevealsTheNextDuplicate)
{
    TempDir dir;
    const std::string path = dir.write("d.ini", "[A]\r\nx=1\r\nx=2\r\n[B]\r\nb=1\r\n[A]\r\nx=3\r\n");
    IniFile ini(path);
    ini.DeleteKey("A", "x");
    EXPECT_EQ(ini.ReadString("A", "x", ""), "2");
    ini.EraseSection("a");
    EXPECT_EQ(ini.ReadString("A", "x", ""), "3");
    EXPECT_EQ(Read(path), "[B]\r\nb=1\r\n[A]\r\nx=3\r\n");
}

TEST(IniFile, ParsesOnceAndReloadsAfterAnOutsideChange)
{
    TempDir dir;
    const std::string path = dir.write("c.ini", "[S]\r\nk=1\r\n");
    IniFile ini(path);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(ini.ReadString("S", "k", ""), "1");
    EXPECT_EQ(ini.ParseCount(), 1u);

    ini.WriteString("S", "k", "2"); // our own write needs no new parse
    EXPECT_EQ(ini.ReadString("S", "k", ""), "2");
    EXPECT_EQ(ini.ParseCount(), 1u);

    dir.write("c.ini", "[S]\r\nk=outside\r\n");
    EXPECT_EQ(ini.ReadString("S", "k", ""), "outside");
    EXPECT_EQ(ini.ParseCount(), 2u);

    ini.SetCheckOnRead(false);
    dir.write("c.ini", "[S]\r\nk=again, longer\r\n");
    EXPECT_EQ(ini.ReadString("S", "k", ""), "outside");
    EXPECT_TRUE(ini.Refresh());
    EXPECT_FALSE(ini.Refresh());
    EXPECT_EQ(ini.ReadString("S", "k", ""), "again, longer");
    EXPECT_EQ(ini.ParseCount(), 3u);

    // A write always starts from the file as it is now.
    dir.write("c.ini", "[S]\r\nk=third version\r\nother=kept\r\n");
    ini.WriteString("S", "k", "4");
    EXPECT_EQ(Read(path), "[S]\r\nk=4\r\nother=kept\r\n");
}

TEST(IniFile, FindsTheFileWhateverTheCaseOfItsName)
{
    TempDir dir;
    dir.write("DATA/VYPLNE.QMR", "[S]\r\nk=1\r\n");
    dir.write("DATA/Łódź.ini", "[S]\r\nk=2\r\n");
    IniFile ini((dir.path() / "data" / "vyplne.qmr").string());
    EXPECT_EQ(ini.ReadString("S", "k", ""), "1");
    EXPECT_EQ(ini.FileName(), (dir.path() / "DATA" / "VYPLNE.QMR").string());
    ini.WriteString("S", "k", "3");
    EXPECT_EQ(Read(dir.file("DATA/VYPLNE.QMR")), "[S]\r\nk=3\r\n");
    EXPECT_EQ(FilesIn(dir.path() / "DATA"), 2u);

    IniFile polish((dir.path() / "data" / "ŁÓDŹ.INI").string());
    EXPECT_EQ(polish.ReadString("S", "k", ""), "2");

    IniFile fresh((dir.path() / "data" / "new.ini").string());
    fresh.WriteString("S", "k", "v");
    EXPECT_TRUE(fs::exists(dir.path() / "DATA" / "new.ini"));
}

TEST(IniFile, AFailedWriteKeepsTheOldFile)
{
    TempDir dir;
    const std::string path = dir.write("w.ini", "[S]\r\nk=old\r\n");
    IniFile ini(path);
    int calls = 0;
    ini.SetReplaceHookForTest([&](const std::string &tmp) {
        ++calls;
        EXPECT_TRUE(fs::exists(tmp));
        EXPECT_EQ(fs::path(tmp).parent_path(), fs::path(path).parent_path());
        throw std::runtime_error("disk full");
    });
    try {
        ini.WriteString("S", "k", "new");
        ADD_FAILURE() << "no error";
    } catch (const qmr::EFileError &e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("disk full"), std::string::npos) << e.what();
    }
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(Read(path), "[S]\r\nk=old\r\n");
    EXPECT_EQ(FilesIn(dir.path()), 1u); // no temporary file left
    EXPECT_EQ(ini.ReadString("S", "k", ""), "old");

    // Batched writes stay pending after a failure and can be written later.
    ini.SetAutoFlush(false);
    ini.WriteString("S", "k", "batched");
    EXPECT_THROW(ini.UpdateFile(), qmr::EFileError);
    EXPECT_EQ(Read(path), "[S]\r\nk=old\r\n");
    ini.SetReplaceHookForTest(nullptr);
    ini.UpdateFile();
    EXPECT_EQ(Read(path), "[S]\r\nk=batched\r\n");
}

TEST(IniFile, AReadOnlyFolderGivesAFileError)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    TempDir dir;
    const std::string path = dir.write("ro/w.ini", "[S]\r\nk=old\r\n");
    fs::permissions(dir.path() / "ro", fs::perms::owner_read | fs::perms::owner_exec);
    IniFile ini(path);
    EXPECT_THROW(ini.WriteString("S", "k", "new"), qmr::EFileError);
    EXPECT_EQ(Read(path), "[S]\r\nk=old\r\n");
    fs::permissions(dir.path() / "ro", fs::perms::owner_all);
}

TEST(IniFile, BatchedWritesReachTheDiskOnUpdateOrDestruction)
{
    TempDir dir;
    const std::string path = dir.write("b.ini", "[S]\r\nk=1\r\n");
    {
        IniFile ini(path);
        ini.SetAutoFlush(false);
        ini.WriteString("S", "k", "2");
        ini.WriteString("T", "t", "x");
        EXPECT_EQ(Read(path), "[S]\r\nk=1\r\n");
        EXPECT_EQ(ini.ReadString("T", "t", ""), "x");
        ini.UpdateFile();
        EXPECT_EQ(Read(path), "[S]\r\nk=2\r\n[T]\r\nt=x\r\n");
        ini.DeleteKey("T", "t");
        EXPECT_EQ(Read(path), "[S]\r\nk=2\r\n[T]\r\nt=x\r\n");
    }
    EXPECT_EQ(Read(path), "[S]\r\nk=2\r\n[T]\r\n");
}

TEST(IniFile, AcceptsAnyBytes)
{
    std::mt19937 gen(12345);
    std::vector<std::string> inputs;
    for (int n = 0; n < 20; ++n) {
        std::string b(static_cast<std::size_t>(gen() % 5000), '\0');
        for (char &c : b)
            c = static_cast<char>(gen() % 4 == 0 ? "[]=;\r\n"[gen() % 6] : gen());
        inputs.push_back(b);
    }
    inputs.push_back(std::string("\0\0\0[\0]\0=\0", 9));
    inputs.push_back("\xFF\xFE[");                 // UTF-16 with an odd byte
    inputs.push_back("\xFF\xFE[\0S\0]\0a\0]"s);      // found by fuzz_ini: the odd ']' must not close the header
    inputs.push_back("\xFF\xFE\x00\xD8=\x00");     // unpaired surrogate
    inputs.push_back("\xEF\xBB\xBF[S]\r\nk=\xC3\x28\xF0\x9F\r\n"); // BOM but invalid UTF-8
    TempDir dir;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const std::string path = dir.write("g" + std::to_string(i) + ".ini", inputs[i]);
        IniFile ini(path);
        for (const auto &s : ini.ReadSections())
            for (const auto &k : ini.ReadSection(s))
                (void)ini.ReadString(s, k, "");
        ini.WriteString("S", "k", "v");
        IniFile again(path);
        EXPECT_EQ(again.ReadString("S", "k", ""), ini.ReadString("S", "k", "")) << i;
    }
}

TEST(IniFile, HandlesHugeLinesAndValues)
{
    TempDir dir;
    const std::string big(50u << 20, 'x');
    const std::string path = dir.write("big.ini", "[S]\r\nk=" + big + "\r\nafter=ok\r\nn=" + std::string(400, '7'));
    IniFile ini(path);
    EXPECT_EQ(ini.ReadString("S", "k", "").size(), big.size());
    EXPECT_EQ(ini.ReadString("S", "after", ""), "ok");
    EXPECT_EQ(ini.ReadInteger("S", "n", -1), -1);
    ini.WriteString("S", "after", "changed");
    IniFile again(path);
    EXPECT_EQ(again.ReadString("S", "after", ""), "changed");
    EXPECT_EQ(again.ReadString("S", "k", "").size(), big.size());

    // Many short lines with only CR or only LF: one scan, not one per line.
    for (const char *brk : {"\r", "\n"}) {
        std::string many = std::string("[S]") + brk;
        for (int i = 0; i < 300000; ++i)
            many += "k" + std::to_string(i) + "=" + std::to_string(i) + brk;
        IniFile lines(dir.write("lines.ini", many));
        EXPECT_EQ(lines.ReadString("S", "k299999", ""), "299999");
        EXPECT_EQ(lines.ReadSection("S").size(), 300000u);
    }
}

} // namespace
