// qmr-mkdemo: writes the demo catalogue into the program folder.
//
//   qmr-mkdemo <source folder> <program folder>
//
// Reads the readable sources <source folder>/<target>.ini (UTF-8, INI syntax, prices as
// plain whole numbers) and writes <program folder>/DATA/<target> the way a supplier's
// files look: Windows-1250 text with CRLF line ends, price keys enciphered, every other
// value plain, sections and keys in source order. Each target is written to a fresh file
// that then replaces the old one, so a run never merges with what was there before.
// All sources are read and checked before anything is written.
#include "catalogues/CatalogueKeys.h"
#include "core/Errors.h"
#include "core/TSifraSoubor.h"
#include "core/TextCodec.h"

#include <climits>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The files of the program's DATA folder made from the sources, in this order.
const char *const kTargets[] = {"vyplne.qmr",  "barvy.qmr",   "dekory.qmr",
                                "doplnky.qmr", "vitraze.qmr", "mrizky.qmr",
                                "firmy.qmr",   "quilmar.qmr", "Quilmar.cfg"};

// Catalogue files: every item has a code, and a code names one item only.
bool isCatalogue(const std::string &target)
{
    for (const char *c : {"vyplne.qmr", "barvy.qmr", "dekory.qmr", "doplnky.qmr", "vitraze.qmr", "mrizky.qmr"}) {
        if (target == c)
            return true;
    }
    return false;
}

class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Entry {
    std::string key, value;
    int line = 0;
};

struct Section {
    std::string name;
    int line = 0;
    std::vector<Entry> entries;
};

struct Source {
    std::string path;
    std::string target;
    std::vector<Section> sections;
};

std::string asciiLower(std::string s)
{
    for (char &c : s) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

std::string trim(const std::string &s)
{
    const char *ws = " \t";
    auto b = s.find_first_not_of(ws);
    if (b == std::string::npos)
        return {};
    auto e = s.find_last_not_of(ws);
    return s.substr(b, e - b + 1);
}

std::string where(const Source &src, int line)
{
    return src.path + ":" + std::to_string(line) + ": ";
}

void needCp1250(const Source &src, int line, const std::string &text)
{
    std::string out;
    if (!qmr::text::Utf8ToCp1250(text, out))
        throw SourceError(where(src, line) + "\"" + text + "\" has no Windows-1250 form (or is no UTF-8)");
}

// A whole number of 0 or more that fits the cipher's integer range.
int parsePrice(const Source &src, const Entry &e)
{
    const std::string &v = e.value;
    bool digits = !v.empty() && v.size() <= 10;
    for (char c : v)
        digits = digits && c >= '0' && c <= '9';
    if (!digits || std::stoll(v) > INT_MAX)
        throw SourceError(where(src, e.line) + e.key + ": a price must be a whole number of 0 or more, not \"" + v +
                          "\"");
    return static_cast<int>(std::stoll(v));
}

Source parse(const fs::path &path, const std::string &target)
{
    Source src;
    src.path = path.string();
    src.target = target;
    std::ifstream f(path, std::ios::binary);
    if (!f)
        throw SourceError(src.path + ": cannot be read");
    std::stringstream ss;
    ss << f.rdbuf();
    std::string text = ss.str();
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);

    std::istringstream lines(text);
    std::string raw;
    int n = 0;
    while (std::getline(lines, raw)) {
        ++n;
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        const std::string line = trim(raw);
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            if (line.back() != ']')
                throw SourceError(where(src, n) + "a section header must end with ']'");
            const std::string name = trim(line.substr(1, line.size() - 2));
            if (name.empty())
                throw SourceError(where(src, n) + "empty section name");
            for (const auto &s : src.sections) {
                if (asciiLower(s.name) == asciiLower(name))
                    throw SourceError(where(src, n) + "section [" + name + "] already defined on line " +
                                      std::to_string(s.line));
            }
            needCp1250(src, n, name);
            src.sections.push_back({name, n, {}});
            continue;
        }
        auto eq = line.find('=');
        if (eq == std::string::npos)
            throw SourceError(where(src, n) + "expected key=value, a [section] or a ';' comment");
        if (src.sections.empty())
            throw SourceError(where(src, n) + "key outside any section");
        Entry e{trim(line.substr(0, eq)), trim(line.substr(eq + 1)), n};
        if (e.key.empty())
            throw SourceError(where(src, n) + "empty key name");
        // The INI reader strips one pair of matching outer quotes; such a value would not read back as written.
        if (e.value.size() >= 2 && (e.value.front() == '"' || e.value.front() == '\'') &&
            e.value.back() == e.value.front())
            throw SourceError(where(src, n) + e.key + ": a value in quotes does not read back as written");
        auto &sec = src.sections.back();
        for (const auto &other : sec.entries) {
            if (asciiLower(other.key) == asciiLower(e.key))
                throw SourceError(where(src, n) + "key " + e.key + " already set on line " +
                                  std::to_string(other.line));
        }
        needCp1250(src, n, e.key);
        needCp1250(src, n, e.value);
        if (qmr::JeSifrovany(target, e.key))
            parsePrice(src, e);
        sec.entries.push_back(std::move(e));
    }

    if (isCatalogue(target)) {
        std::vector<std::pair<std::string, int>> codes;
        for (const auto &s : src.sections) {
            std::string kod;
            for (const auto &e : s.entries) {
                if (asciiLower(e.key) == "kod")
                    kod = e.value;
            }
            if (kod.empty())
                throw SourceError(where(src, s.line) + "[" + s.name + "] has no Kod");
            for (const auto &[other, line] : codes) {
                if (asciiLower(other) == asciiLower(kod))
                    throw SourceError(where(src, s.line) + "Kod " + kod + " already used on line " +
                                      std::to_string(line));
            }
            codes.emplace_back(kod, s.line);
        }
    }
    return src;
}

// Removes files of `dir` whose name equals `name` but for case: the program finds its
// files without regard to case, and a stale variant could be found instead of ours.
void removeCaseVariants(const fs::path &dir, const std::string &name)
{
    for (const auto &de : fs::directory_iterator(dir)) {
        const std::string other = de.path().filename().string();
        if (other != name && asciiLower(other) == asciiLower(name) && de.is_regular_file())
            fs::remove(de.path());
    }
}

void write(const Source &src, const fs::path &dataDir)
{
    const fs::path target = dataDir / src.target;
    const fs::path temp = dataDir / (src.target + ".mkdemo-tmp");
    fs::remove(temp);
    try {
        // A comment line naming the source; being Windows-1250 bytes that are no valid
        // UTF-8, it also pins the encoding the INI class keeps for the file.
        std::ofstream f(temp, std::ios::binary | std::ios::trunc);
        std::string header;
        qmr::text::Utf8ToCp1250("; Dane demonstracyjne – wymyślone pozycje i ceny (qmr-mkdemo, tools/demo-src/" +
                                    src.target + ".ini)",
                                header);
        f << header << "\r\n";
        f.close();
        if (!f)
            throw qmr::EFileError("cannot write " + temp.string());

        qmr::TSifraSoubor ini(temp.string());
        ini.SetAutoFlush(false);
        ini.Zapis = true; // a price of 0 listed in the source is written, not dropped
        for (const auto &sec : src.sections) {
            for (const auto &e : sec.entries) {
                if (qmr::JeSifrovany(src.target, e.key))
                    ini.WriteSifra(sec.name, e.key, parsePrice(src, e));
                else
                    ini.WriteString(sec.name, e.key, e.value);
            }
        }
        ini.UpdateFile();
    } catch (...) {
        std::error_code ec;
        fs::remove(temp, ec);
        throw;
    }
    removeCaseVariants(dataDir, src.target);
    fs::rename(temp, target);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: qmr-mkdemo <source folder> <program folder>\n";
        return 2;
    }
    try {
        const fs::path srcDir = argv[1];
        const fs::path dataDir = fs::path(argv[2]) / "DATA";
        std::vector<Source> sources;
        for (const char *t : kTargets)
            sources.push_back(parse(srcDir / (std::string(t) + ".ini"), t));
        fs::create_directories(dataDir);
        for (const auto &s : sources)
            write(s, dataDir);
    } catch (const std::exception &e) {
        std::cerr << "qmr-mkdemo: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
