// Runs the recorded behaviour of the Windows INI service (shared/ini-reference/vectors.json,
// beside the repository) against IniFile: string reads, section and key lists, and where
// writes put new keys and sections.
//
// Not compared, by design:
// - GetPrivateProfileIntA: the service parses a prefix and wraps around; ReadInteger converts
//   the whole text and gives the default otherwise (tested in IniFileTest).
// - GetPrivateProfileSectionA/W: raw "key=value" section contents have no counterpart here.
// - Results cut by a small buffer: values come back whole. A cut string result is still
//   checked to be a prefix of ours; cut lists are skipped.
// - A-call results of BOM files under code page 1252 (best-fit conversion to that code page).
// - The whole-file normalisation the service does on every write (blank lines dropped,
//   spacing removed, CRLF everywhere): untouched lines stay as they were here, so files
//   after a write are compared line by line after that same normalisation on both sides;
//   a write that changes nothing must leave the bytes identical.
// Deliberate differences are listed in kDeviations with the result IniFile gives instead.
#include "core/IniFile.h"
#include "core/TextCodec.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <sstream>

namespace {

using json = nlohmann::json;
using qmr::IniFile;

const std::string kVectors = QMR_SOURCE_DIR "/../shared/ini-reference/vectors.json";

struct Deviation {
    const char *caseName;
    int op;             // index of the operation; -1 = the file after the case
    const char *reason;
    std::string ours;   // our result: A calls in Windows-1250 bytes, W calls in UTF-8,
                        // lists as names each followed by NUL, files as bytes
};

const std::string kAsciiCase = "Polish and Czech letters compare without case (the service folds ASCII only)";
const std::string kUtf8NoBom = "a BOM-less file that is valid UTF-8 is read as UTF-8 (the service uses the ANSI code page)";
const std::string kEmptyName = "[] sections are found by the empty name, like real Windows (Wine cannot reach them)";
const std::string kTrimAll = "names are trimmed in every call (the C API skips that in list and delete calls)";
const std::string kEmptyKey = "key lists skip empty names (the C API's NUL-separated list ends at one)";
const std::string kNoInject = "CR/LF in a written value become spaces, so a value cannot add lines";
const std::string kNoLoss = "an ASCII-only file written with a character outside Windows-1250 becomes UTF-8 with BOM instead of storing '?'";
const std::string kAcp1252 = "this system's code page is 1250: best-fit conversion to 1252 does not apply";

std::string S(const char *p, std::size_t n) { return std::string(p, n); }

const std::vector<Deviation> &Deviations()
{
    static const std::vector<Deviation> v = {
        {"case_insensitive_cp1250_acp1250", 1, kAsciiCase.c_str(), "1"},
        {"case_insensitive_cp1250_acp1250", 2, kAsciiCase.c_str(), "1"},
        {"case_insensitive_cp1250_acp1250", 3, kAsciiCase.c_str(), "2"},
        {"case_insensitive_cp1250_acp1250", 4, kAsciiCase.c_str(), "3"},
        {"case_insensitive_cp1250_acp1250", 6, kAsciiCase.c_str(), S("\xd8" "eka\0\x9elu\x9d\0", 10)},
        {"case_insensitive_cp1250_acp1252", 1, kAsciiCase.c_str(), "1"},
        {"case_insensitive_cp1250_acp1252", 2, kAsciiCase.c_str(), "1"},
        {"case_insensitive_cp1250_acp1252", 3, kAsciiCase.c_str(), "2"},
        {"case_insensitive_cp1250_acp1252", 4, kAsciiCase.c_str(), "3"},
        {"cp1250_read_with_W_api", 0, kAsciiCase.c_str(), "\xc5\xbe" "lu\xc5\xa5ou\xc4\x8dk\xc3\xbd k\xc5\xaf\xc5\x88"},
        {"cp1250_read_with_W_api", 1, kAsciiCase.c_str(), "\xc5\xbe" "lu\xc5\xa5ou\xc4\x8dk\xc3\xbd k\xc5\xaf\xc5\x88"},
        {"utf8_with_bom_acp1250", 3, kAsciiCase.c_str(), "1"},
        {"utf8_with_bom_acp1250", 5, kAsciiCase.c_str(), "1"},
        {"utf8_without_bom_acp1250", 0, kUtf8NoBom.c_str(), S("S\0\xd8\0", 4)},
        {"utf8_without_bom_acp1250", 1, kUtf8NoBom.c_str(), "\xa3\xf3" "d\x9f"},
        {"utf8_without_bom_acp1250", 2, kUtf8NoBom.c_str(), "\xc5\x81\xc3\xb3" "d\xc5\xba"},
        {"utf8_without_bom_acp1250", 3, kUtf8NoBom.c_str(), "1"},
        {"utf8_without_bom_acp1250", 4, kUtf8NoBom.c_str(), "D"},
        {"whitespace_around_section_names", 7, kEmptyName.c_str(), "blank"},
        {"whitespace_around_section_names", 8, kEmptyName.c_str(), "blank"},
        {"whitespace_around_section_names", 9, kEmptyName.c_str(), "blank"},
        {"empty_section_name_only", 0, kEmptyName.c_str(), "v"},
        {"empty_section_name_only", 1, kEmptyName.c_str(), "v"},
        {"section_header_variants", 3, kEmptyName.c_str(), "2"},
        {"padded_names_in_lookup_calls", 1, kTrimAll.c_str(), S("k\0c\0", 4)},
        {"padded_names_in_delete_calls", 2, kTrimAll.c_str(), S("S\0", 2)},
        {"padded_names_in_delete_calls", 3, kTrimAll.c_str(), "D"},
        {"padded_names_in_delete_calls", -1, kTrimAll.c_str(), "[S]\r\n"},
        {"key_containing_equals", 6, kEmptyKey.c_str(), S("a\0k\0x\0", 6)},
        {"empty_name_keys_consecutive", 2, kEmptyKey.c_str(), S("k\0", 2)},
        {"write_value_with_newline", 1, kNoInject.c_str(), "a  b=c"},
        {"write_value_with_newline", 2, kNoInject.c_str(), "D"},
        {"write_value_with_newline", -1, kNoInject.c_str(), "[S]\r\nk=a  b=c\r\n"},
        {"write_cp1250_acp1250", 1, kAsciiCase.c_str(), "\x9elu\x9dou\xe8k\xfd"},
        {"write_cp1250_acp1250", -1, kAsciiCase.c_str(), "[\xa3\xf3" "d\x9f]\r\nk=v\r\n\xd8" "eka=\x9elu\x9dou\xe8k\xfd\r\n"},
        {"write_cp1250_acp1252", 1, kAsciiCase.c_str(), "\x9elu\x9dou\xe8k\xfd"},
        {"write_cp1250_acp1252", -1, kAsciiCase.c_str(), "[\xa3\xf3" "d\x9f]\r\nk=v\r\n\xd8" "eka=\x9elu\x9dou\xe8k\xfd\r\n"},
        {"write_W_api_to_ansi_file_acp1250", 1, kNoLoss.c_str(), "\xc5\x81\xc3\xb3" "d\xc5\xba \xe2\x88\x91"},
        {"write_W_api_to_ansi_file_acp1250", -1, kNoLoss.c_str(), "\xef\xbb\xbf[S]\r\nk=v\r\nw=\xc5\x81\xc3\xb3" "d\xc5\xba \xe2\x88\x91\r\n"},
        {"write_W_api_to_ansi_file_acp1252", 1, kAcp1252.c_str(), "\xc5\x81\xc3\xb3" "d\xc5\xba \xe2\x88\x91"},
        {"write_W_api_to_ansi_file_acp1252", -1, kAcp1252.c_str(), "\xef\xbb\xbf[S]\r\nk=v\r\nw=\xc5\x81\xc3\xb3" "d\xc5\xba \xe2\x88\x91\r\n"},
    };
    return v;
}

std::string FromB64(const std::string &in)
{
    static const std::string chars = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    int val = 0, bits = -8;
    for (char c : in) {
        const auto p = chars.find(c);
        if (p == std::string::npos)
            continue;
        val = (val << 6) + static_cast<int>(p);
        bits += 6;
        if (bits >= 0) {
            out.push_back(static_cast<char>((val >> bits) & 0xFF));
            bits -= 8;
        }
    }
    return out;
}

std::string FromHex(const std::string &h)
{
    std::string out;
    for (std::size_t i = 0; i + 1 < h.size(); i += 2)
        out.push_back(static_cast<char>(std::stoi(h.substr(i, 2), nullptr, 16)));
    return out;
}

std::string Show(const std::string &b)
{
    std::ostringstream o;
    for (unsigned char c : b) {
        if (c >= 0x20 && c < 0x7F && c != '\\')
            o << c;
        else {
            static const char *hx = "0123456789abcdef";
            o << "\\x" << hx[c >> 4] << hx[c & 15];
        }
    }
    return o.str();
}

std::optional<std::string> Str(const json &op, const char *field)
{
    if (!op.contains(field) || op[field].is_null())
        return std::nullopt;
    return op[field].get<std::string>();
}

// An A-call argument: its exact bytes, read as Windows-1250.
std::optional<std::string> ArgA(const json &op, const std::string &field)
{
    const auto hex = Str(op, (field + "_hex").c_str());
    if (!hex)
        return std::nullopt;
    return qmr::text::Cp1250ToUtf8(FromHex(*hex));
}

std::string ToA(const std::string &utf8)
{
    std::string out;
    qmr::text::Utf8ToCp1250(utf8, out);
    return out;
}

std::string JoinList(const std::vector<std::string> &names, bool ansi)
{
    std::string out;
    for (const auto &n : names) {
        out += ansi ? ToA(n) : n;
        out.push_back('\0');
    }
    return out;
}

std::string ServiceDefault(const std::string &d)
{
    std::string v = d;
    while (!v.empty() && v.back() == ' ')
        v.pop_back();
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return v;
}

bool IsTrim(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 0x09 && u <= 0x0D) || u == 0x20 || u == 0x1A;
}

std::string TrimS(const std::string &s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && IsTrim(s[b]))
        ++b;
    while (e > b && IsTrim(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

// The file as the service's rebuild would write it: encoding and normalised lines.
std::pair<std::string, std::vector<std::string>> Normalise(const std::string &bytes)
{
    std::string enc = "ansi", t = bytes;
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) {
        enc = "utf8bom";
        t = bytes.substr(3);
    } else if (bytes.rfind("\xFF\xFE", 0) == 0) {
        enc = "utf16";
        qmr::text::Utf16LeToUtf8(std::string_view(bytes).substr(2), t);
    }
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos <= t.size()) {
        std::size_t end = t.find_first_of("\r\n", pos);
        if (end == std::string::npos)
            end = t.size();
        std::string line = t.substr(pos, end - pos);
        pos = end + 1;
        const auto nul = line.find('\0');
        if (nul != std::string::npos)
            line.resize(nul);
        line = TrimS(line);
        if (line.empty())
            continue;
        const auto close = line.rfind(']');
        const auto eq = line.find('=');
        if (line[0] == '[' && close != std::string::npos)
            lines.push_back("[" + TrimS(line.substr(1, close - 1)) + "]");
        else if (eq != std::string::npos)
            lines.push_back(TrimS(line.substr(0, eq)) + "=" + TrimS(line.substr(eq + 1)));
        else
            lines.push_back(line);
    }
    return {enc, lines};
}

struct Tally {
    int compared = 0;
    int deviations = 0;
    std::map<std::string, int> skipped;
    std::set<std::pair<std::string, int>> usedDeviations;
};

const Deviation *FindDeviation(const std::string &caseName, int op)
{
    for (const auto &d : Deviations())
        if (caseName == d.caseName && op == d.op)
            return &d;
    return nullptr;
}

void Check(Tally &t, const std::string &caseName, int opIndex, const std::string &opName,
           const std::string &ours, const std::string &expected)
{
    if (const Deviation *d = FindDeviation(caseName, opIndex)) {
        t.usedDeviations.insert({caseName, opIndex});
        ++t.deviations;
        EXPECT_EQ(Show(d->ours), Show(ours))
            << caseName << " op " << opIndex << " " << opName << " (deviation: " << d->reason
            << "; the service gives \"" << Show(expected) << "\")";
        return;
    }
    ++t.compared;
    EXPECT_EQ(Show(expected), Show(ours)) << caseName << " op " << opIndex << " " << opName;
}

bool HasBom(const std::string &bytes)
{
    return bytes.rfind("\xEF\xBB\xBF", 0) == 0 || bytes.rfind("\xFF\xFE", 0) == 0;
}

void RunCase(const json &c, Tally &t, bool writeCases)
{
    const std::string name = c["name"].get<std::string>();
    bool isWrite = false;
    for (const auto &op : c["operations"])
        if (op["op"].get<std::string>().rfind("Write", 0) == 0)
            isWrite = true;
    if (isWrite != writeCases)
        return;
    SCOPED_TRACE(name);

    qmrtest::TempDir dir;
    const std::string path = dir.file("case.ini");
    const std::string before = c["file_bytes_b64"].is_null() ? "" : FromB64(c["file_bytes_b64"].get<std::string>());
    if (c["file_exists_before"].get<bool>())
        dir.write("case.ini", before);
    const int acp = c["acp"].get<int>();

    IniFile ini(path);
    const auto &ops = c["operations"];
    const auto &results = c["results"];
    for (std::size_t i = 0; i < ops.size(); ++i) {
        const json &op = ops[i];
        const json &res = results[i];
        const std::string kind = op["op"].get<std::string>();
        const int idx = static_cast<int>(i);
        const bool ansi = kind.back() == 'A';
        if (kind == "GetPrivateProfileIntA") {
            ++t.skipped["GetPrivateProfileIntA (prefix parsing and wrap-around)"];
            continue;
        }
        if (kind.rfind("GetPrivateProfileSection", 0) == 0 && kind.find("Names") == std::string::npos) {
            ++t.skipped["GetPrivateProfileSection (raw section contents)"];
            continue;
        }
        if (ansi && acp == 1252 && HasBom(before) && kind.rfind("Get", 0) == 0) {
            ++t.skipped["A results of BOM files under code page 1252"];
            continue;
        }
        auto arg = [&](const char *f) { return ansi ? ArgA(op, f) : Str(op, f); };
        std::string expected;
        if (kind.rfind("Get", 0) == 0)
            expected = ansi ? FromB64(res["out_b64"].get<std::string>()) : FromB64(res["out_utf8_b64"].get<std::string>());
        const int bufsize = op.contains("bufsize") ? op["bufsize"].get<int>() : 0;

        auto checkList = [&](const std::vector<std::string> &names, const std::string &whenEmpty) {
            const std::string ours = names.empty() ? whenEmpty : JoinList(names, ansi);
            if (!names.empty() && static_cast<int>(ours.size()) + 2 > bufsize) {
                ++t.skipped["lists cut by the buffer size"];
                return;
            }
            Check(t, name, idx, kind, ours, expected);
        };

        if (kind == "GetPrivateProfileSectionNamesA" || kind == "GetPrivateProfileSectionNamesW") {
            checkList(ini.ReadSections(), "");
        } else if (kind == "GetPrivateProfileStringA" || kind == "GetPrivateProfileStringW") {
            const auto section = arg("section");
            const auto key = arg("key");
            const std::string def = arg("default").value_or("");
            if (!section) {
                checkList(ini.ReadSections(), "");
            } else if (!key) {
                const std::string d = ServiceDefault(def);
                checkList(ini.ReadSection(*section), ansi ? ToA(d) : d);
            } else {
                std::string ours = ini.ReadString(*section, *key, def);
                if (ansi)
                    ours = ToA(ours);
                // One more than the text: the service loses a character of a quoted value there.
                if (static_cast<int>(ours.size()) + 2 > bufsize) {
                    ++t.skipped["strings cut by the buffer size (checked as prefix)"];
                    EXPECT_EQ(ours.compare(0, expected.size(), expected), 0)
                        << name << " op " << idx << ": \"" << Show(expected) << "\" is no prefix of \"" << Show(ours) << "\"";
                    continue;
                }
                Check(t, name, idx, kind, ours, expected);
            }
        } else if (kind == "WritePrivateProfileStringA" || kind == "WritePrivateProfileStringW") {
            const auto section = arg("section");
            const auto key = arg("key");
            const auto value = arg("value");
            if (!section && !key && !value)
                ini.UpdateFile();
            else if (!key)
                ini.EraseSection(section.value_or(""));
            else if (!value)
                ini.DeleteKey(section.value_or(""), *key);
            else
                ini.WriteString(section.value_or(""), *key, *value);
        } else {
            ADD_FAILURE() << "unknown operation " << kind;
        }
    }

    if (!isWrite)
        return;
    const bool existsAfter = c.value("file_exists_after", true);
    const bool ourExists = std::filesystem::exists(path);
    const std::string ours = ourExists ? qmrtest::TempDir::read(path) : "";
    if (const Deviation *d = FindDeviation(name, -1)) {
        t.usedDeviations.insert({name, -1});
        ++t.deviations;
        EXPECT_EQ(Show(d->ours), Show(ours)) << name << " file after (deviation: " << d->reason << ")";
        return;
    }
    ++t.compared;
    if (!existsAfter) {
        EXPECT_FALSE(ourExists) << name << ": no file may be created";
        return;
    }
    ASSERT_TRUE(ourExists) << name;
    const std::string after = c["file_after_b64"].is_null() ? "" : FromB64(c["file_after_b64"].get<std::string>());
    if (after == before && c["file_exists_before"].get<bool>()) {
        EXPECT_EQ(Show(before), Show(ours)) << name << ": a write that changes nothing keeps the bytes";
        return;
    }
    const auto want = Normalise(after);
    const auto got = Normalise(ours);
    EXPECT_EQ(want.first, got.first) << name << " encoding";
    std::string w, g;
    for (const auto &l : want.second)
        w += Show(l) + "\n";
    for (const auto &l : got.second)
        g += Show(l) + "\n";
    EXPECT_EQ(w, g) << name << " lines after the write (ours: \"" << Show(ours) << "\")";
}

void RunAll(bool writeCases)
{
    if (!std::filesystem::exists(kVectors))
        GTEST_SKIP() << "no " << kVectors;
    std::ifstream f(kVectors, std::ios::binary);
    const json v = json::parse(f);
    Tally t;
    for (const auto &c : v["vectors"])
        RunCase(c, t, writeCases);
    std::cout << "[ vectors ] compared " << t.compared << ", deliberate deviations " << t.deviations << "\n";
    for (const auto &[reason, n] : t.skipped)
        std::cout << "[ vectors ] not compared: " << n << " x " << reason << "\n";
    for (const auto &d : Deviations()) {
        bool isWriteCase = false;
        for (const auto &c : v["vectors"])
            if (c["name"] == d.caseName)
                for (const auto &op : c["operations"])
                    if (op["op"].get<std::string>().rfind("Write", 0) == 0)
                        isWriteCase = true;
        if (isWriteCase == writeCases) {
            EXPECT_TRUE(t.usedDeviations.count({d.caseName, d.op}))
                << "listed deviation not met: " << d.caseName << " op " << d.op;
        }
    }
}

TEST(IniVectors, StringReadsAndListsAgreeWithTheRecordedService)
{
    RunAll(false);
}

TEST(IniVectors, WritesPlaceKeysAndSectionsLikeTheRecordedService)
{
    RunAll(true);
}

} // namespace
