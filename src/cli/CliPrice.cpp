#include "cli/CliPrice.h"

#include "catalogues/Katalog.h"
#include "core/Clock.h"
#include "core/Constants.h"
#include "core/Errors.h"
#include "core/IniFile.h"
#include "jobfiles/UZapis.h"
#include "mainwindow/UVolba.h"
#include "pricing/UOcen.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <system_error>

namespace qmr::cli {

namespace fs = std::filesystem;

namespace {

constexpr const char *kProgramName = "quilmar-cli";

// Why a file cannot be read; empty when it can.
std::string WhyUnreadable(const std::string &file)
{
    std::error_code ec;
    const fs::file_status st = fs::status(file, ec);
    if (ec || !fs::exists(st))
        return "no such file";
    if (fs::is_directory(st))
        return "is a folder";
    if (!fs::is_regular_file(st))
        return "not a regular file";
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open())
        return "cannot be opened for reading";
    return {};
}

// Reads the program's data files from the session's parsed copies with one freshness
// check per file for the whole job instead of one per key: the reader looks every code up
// by a pass over a catalogue's sections, which would otherwise check the file on disk
// once per section. The per-read check is restored afterwards.
class JednaKontrolaDat {
public:
    explicit JednaKontrolaDat(Session &s)
    {
        std::vector<IniFile *> vsechny;
        for (const char *jmeno : {kVyplne, kBarvy, kDekory, kDoplnky, kVitraze, kMrizky, kQuilmarSoubor})
            vsechny.push_back(&Katalog(s, jmeno));
        vsechny.push_back(&s.Soubory.Get(s.apConf));
        for (IniFile *f : vsechny) {
            // A file that cannot be read keeps its check: its error shows where it is read.
            try {
                f->Refresh();
            } catch (const std::exception &) {
                continue;
            }
            f->SetCheckOnRead(false);
            soubory_.push_back(f);
        }
    }
    ~JednaKontrolaDat()
    {
        for (IniFile *f : soubory_)
            f->SetCheckOnRead(true);
    }
    JednaKontrolaDat(const JednaKontrolaDat &) = delete;
    JednaKontrolaDat &operator=(const JednaKontrolaDat &) = delete;

private:
    std::vector<IniFile *> soubory_;
};

} // namespace

// ---- Messages ---------------------------------------------------------------------------

int RecordingMessages::Hlaska(const std::string &Nadpis, const std::string &Text, unsigned Flags)
{
    zaznam_.emplace_back(Nadpis, Text);
    switch (Flags & MB_TYPEMASK) {
    case MB_OK:
        return IDOK;
    case MB_ABORTRETRYIGNORE:
        return IDABORT;
    case MB_YESNO:
        return IDNO;
    default: // OK/Cancel, Yes/No/Cancel, Retry/Cancel
        return IDCANCEL;
    }
}

// ---- Pricing of one file ------------------------------------------------------------------

JobPricer::JobPricer(std::string executablePath, const Clock &clock)
    : exe_(std::move(executablePath)), clock_(clock)
{
    Session s;
    InitSession(s, exe_);
    programDir_ = s.apCesta;
    dataDir_ = s.apData;
}

FileResult JobPricer::Price(const std::string &file)
{
    FileResult r;
    r.file = file;
    r.session = std::make_unique<Session>();
    Session &s = *r.session;
    RecordingMessages zpravy;

    // The start-up and the main window's creation, with the parsed files of the earlier jobs.
    s.Soubory = std::move(cache_);
    InitSession(s, exe_);
    const auto vratCache = [&] {
        cache_ = std::move(s.Soubory);
        s.Soubory.Clear();
    };
    r.error = WhyUnreadable(file);
    if (!r.error.empty()) {
        r.status = FileStatus::Unreadable;
        vratCache();
        return r;
    }

    std::optional<JednaKontrolaDat> kontrola;
    kontrola.emplace(s);
    try {
        const VolbaStav st = VolbaVytvor(s, clock_);
        if (!st.ChybaOceneni.empty())
            ShowCommandError(zpravy, st.ChybaOceneni);
    } catch (const std::exception &e) {
        ShowCommandError(zpravy, e.what());
    }

    // The job as the program opens it from its command line, then the refresh.
    r.status = FileStatus::Accepted;
    try {
        if (!NactiData(s, file, zpravy, clock_))
            r.status = FileStatus::Rejected;
    } catch (const std::exception &e) {
        ShowCommandError(zpravy, e.what());
        r.status = FileStatus::Failed;
        r.error = e.what();
    }
    kontrola.reset();
    if (r.status == FileStatus::Accepted) {
        try {
            Nazvi(s);
            Ocen(s);
        } catch (const std::exception &e) {
            ShowCommandError(zpravy, e.what());
            r.status = FileStatus::Failed;
            r.error = e.what();
        }
    }
    r.messages = zpravy.Zaznam();
    vratCache();
    return r;
}

// ---- Output -------------------------------------------------------------------------------

std::string JsonLine(const FileResult &r)
{
    using nlohmann::ordered_json;
    ordered_json j;
    j["file"] = r.file;
    j["accepted"] = r.status == FileStatus::Accepted;
    ordered_json zpravy = ordered_json::array();
    for (const auto &[nadpis, text] : r.messages)
        zpravy.push_back(ordered_json::array({nadpis, text}));
    j["messages"] = std::move(zpravy);
    if (r.status == FileStatus::Unreadable || r.status == FileStatus::Failed)
        j["error"] = r.error;

    if (r.status == FileStatus::Accepted && r.session) {
        const Session &s = *r.session;
        j["VyplnVybrana"] = s.VyplnVybrana;
        j["RozmerVybran"] = s.RozmerVybran;
        j["BarvyVybrany"] = s.BarvyVybrany;
        j["DekoryVybrany"] = s.DekoryVybrany;
        j["VitrazVybrana"] = s.VitrazVybrana;
        j["MrizkaVybrana"] = s.MrizkaVybrana;
        j["DoplnkyVybrany"] = s.DoplnkyVybrany;
        j["STrojsklo"] = s.STrojsklo;
        j["SCtyrsklo"] = s.SCtyrsklo;
        j["TypZakazky"] = s.TypZakazky;
        j["CTloustka"] = s.CTloustka;
        j["STloustka"] = s.STloustka;
        j["SJmenoV"] = s.SJmenoV;
        j["SJmenoZ"] = s.SJmenoZ;
        j["SJmenoP"] = s.SJmenoP;
        j["SJmenoR1"] = s.SJmenoR1;
        j["SJmenoR2"] = s.SJmenoR2;
        j["SBarvaR1"] = s.SBarvaR1;
        j["SBarvaR2"] = s.SBarvaR2;
        j["cMenaObj"] = s.cMenaObj;
        j["cMenaNab"] = s.cMenaNab;
        j["nProcSlevy1"] = s.nProcSlevy1;
        j["nProcSlevy2"] = s.nProcSlevy2;
        j["nProcSlevy"] = s.nProcSlevy;
        j["nDPH"] = s.nDPH;
        const std::pair<const char *, Currency> castky[] = {
            {"nVypln", s.nVypln},       {"nRozmer", s.nRozmer},         {"nVyztuz", s.nVyztuz},
            {"nBarva1", s.nBarva1},     {"nBarva2", s.nBarva2},         {"nBarva12", s.nBarva12},
            {"nVitraz", s.nVitraz},     {"nDekor1", s.nDekor1},         {"nDekor2", s.nDekor2},
            {"nDekorP", s.nDekorP},     {"nDekor4", s.nDekor4},         {"nMrizka", s.nMrizka},
            {"nDoplnek1", s.nDoplnek1}, {"nDoplnek2", s.nDoplnek2},     {"nDoplnek3", s.nDoplnek3},
            {"nDoplnek4", s.nDoplnek4}, {"nMontaz1", s.nMontaz1},       {"nMontaz2", s.nMontaz2},
            {"nMontaz3", s.nMontaz3},   {"nMontaz4", s.nMontaz4},       {"nDR1", s.nDR1},
            {"nDR2", s.nDR2},           {"nDR3", s.nDR3},               {"nDR4", s.nDR4},
            {"SNetto", s.SNetto},       {"nNakupKC", s.nNakupKC},       {"nSleva1", s.nSleva1},
            {"nPoSleve1", s.nPoSleve1}, {"nProdejni", s.nProdejni},     {"nSleva2", s.nSleva2},
            {"nPoSleve2", s.nPoSleve2}, {"nPredSlevou", s.nPredSlevou}, {"nSleva", s.nSleva},
            {"nKonecna", s.nKonecna},   {"nMezisouc", s.nMezisouc},     {"nDopravaIn", s.nDopravaIn},
            {"nDopravaOut", s.nDopravaOut}, {"nabDopravaIn", s.nabDopravaIn},
        };
        for (const auto &[klic, castka] : castky)
            j[klic] = castka.ToFixed4();
        j["nPoc1"] = s.nPoc1;
        j["nPoc2"] = s.nPoc2;
        j["nPoc3"] = s.nPoc3;
        j["nPoc4"] = s.nPoc4;
    }
    return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

std::string Amount2(Currency c)
{
    // Ten-thousandths to hundredths, halves to even.
    const std::int64_t raw = c.Raw();
    const bool zaporna = raw < 0;
    // Magnitude in unsigned arithmetic so that the most negative value does not overflow.
    const std::uint64_t m = zaporna ? std::uint64_t(0) - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    std::uint64_t setiny = m / 100;
    const std::uint64_t zbytek = m % 100;
    if (zbytek > 50 || (zbytek == 50 && (setiny & 1) != 0))
        ++setiny;
    std::string t = std::to_string(setiny / 100);
    const unsigned des = static_cast<unsigned>(setiny % 100);
    t += '.';
    t += static_cast<char>('0' + des / 10);
    t += static_cast<char>('0' + des % 10);
    if (zaporna && setiny != 0)
        t.insert(t.begin(), '-');
    return t;
}

std::string CsvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string q = "\"";
    for (char c : text) {
        if (c == '"')
            q += '"';
        q += c;
    }
    q += '"';
    return q;
}

std::string CsvHeader()
{
    return "file,number,description,purchase_after_discount,sale_after_discount,final_price,currency";
}

std::string CsvRow(const FileResult &r)
{
    static const Session prazdna;
    const Session &s = r.session ? *r.session : prazdna;
    std::string t = CsvField(r.file);
    for (const std::string &pole : {s.apCislo, s.SJmenoV, Amount2(s.nPoSleve1), Amount2(s.nPoSleve2),
                                    Amount2(s.nKonecna), s.cMenaObj}) {
        t += ',';
        t += CsvField(pole);
    }
    return t;
}

// ---- Command line -------------------------------------------------------------------------

std::string UsageText()
{
    return "usage: quilmar-cli [--root DIR] price [--csv] FILE...\n"
           "       quilmar-cli --version | --help\n"
           "\n"
           "price   opens every job file (.qms/.qmr) as the program does, describes and prices it\n"
           "        with the catalogue and settings of the program folder, and prints one JSON\n"
           "        object per file and line (amounts as \"1234.5000\" strings)\n"
           "--csv   one row per accepted file instead: file, number, description, purchase after\n"
           "        discount, sale after discount, final price (two decimals), currency\n"
           "--root DIR  the program folder that holds DATA/ (default: the executable's folder)\n"
           "\n"
           "exit status: 0 all files accepted, 1 a file could not be read or priced,\n"
           "             2 usage error, 3 a file is no job file (refused)\n";
}

int RunCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
           const std::string &executablePath, const Clock &clock)
{
    const auto usage = [&](const std::string &why) {
        if (!why.empty())
            err << kProgramName << ": " << why << '\n';
        err << UsageText();
        return 2;
    };

    std::string root;
    bool maRoot = false;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (a == "--help" || a == "-h") {
            out << UsageText();
            return 0;
        }
        if (a == "--version") {
            out << kProgramName << ' ' << kVerze << '\n';
            return 0;
        }
        if (a == "--root") {
            if (i + 1 >= args.size())
                return usage("--root needs a folder");
            root = args[++i];
            maRoot = true;
        } else if (a.rfind("--root=", 0) == 0) {
            root = a.substr(7);
            maRoot = true;
        } else if (!a.empty() && a[0] == '-') {
            return usage("unknown option " + a);
        } else {
            break;
        }
    }
    if (i >= args.size())
        return usage("no command");
    if (args[i] != "price")
        return usage("unknown command " + args[i]);
    ++i;

    bool csv = false;
    std::vector<std::string> soubory;
    bool konecVoleb = false;
    for (; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (!konecVoleb && a == "--") {
            konecVoleb = true;
        } else if (!konecVoleb && (a == "--help" || a == "-h")) {
            out << UsageText();
            return 0;
        } else if (!konecVoleb && a == "--csv") {
            csv = true;
        } else if (!konecVoleb && a.size() > 1 && a[0] == '-') {
            return usage("unknown option " + a);
        } else {
            soubory.push_back(a);
        }
    }
    if (soubory.empty())
        return usage("price needs at least one job file");

    std::string exe = executablePath.empty() ? ExecutablePath() : executablePath;
    if (maRoot) {
        if (root.empty())
            return usage("--root needs a folder");
        std::error_code ec;
        if (!fs::is_directory(root, ec))
            return usage("--root: no such folder " + root);
        while (root.size() > 1 && root.back() == '/')
            root.pop_back();
        exe = (root == "/" ? std::string() : root) + "/" + kProgramName;
    }
    if (exe.empty()) {
        err << kProgramName << ": cannot tell the program folder; give --root DIR\n";
        return 1;
    }

    JobPricer cenik(exe, clock);
    {
        std::error_code ec;
        if (!fs::is_directory(cenik.DataDir(), ec)) {
            err << kProgramName << ": no DATA/ folder in " << cenik.ProgramDir() << '\n';
            return 1;
        }
    }

    if (csv)
        out << CsvHeader() << '\n';
    bool necitelny = false;
    bool odmitnuty = false;
    for (const std::string &f : soubory) {
        const FileResult r = cenik.Price(f);
        switch (r.status) {
        case FileStatus::Accepted:
            break;
        case FileStatus::Rejected:
            odmitnuty = true;
            for (const auto &m : r.messages)
                err << kProgramName << ": " << m.second << '\n';
            break;
        case FileStatus::Unreadable:
            necitelny = true;
            err << kProgramName << ": " << f << ": " << r.error << '\n';
            break;
        case FileStatus::Failed:
            necitelny = true;
            err << kProgramName << ": " << f << ": cannot be priced: " << r.error << '\n';
            break;
        }
        if (!csv) {
            out << JsonLine(r) << '\n';
        } else if (r.status == FileStatus::Accepted) {
            // The JSON carries the messages; in CSV they go to standard error.
            for (const auto &m : r.messages)
                err << kProgramName << ": " << f << ": " << m.second << '\n';
            out << CsvRow(r) << '\n';
        }
    }
    out.flush();
    if (necitelny)
        return 1;
    return odmitnuty ? 3 : 0;
}

int RunCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    const SystemClock hodiny;
    return RunCli(args, out, err, std::string(), hodiny);
}

} // namespace qmr::cli
