// Opening and pricing saved jobs on the large generated catalogue: one job read, described
// and priced in a warm session (NactiData + Nazvi + Ocen, the parsed files reused), the
// same through the command line's per-file path (a fresh session each time), and a folder
// of 1,000 job files priced by `quilmar-cli price`, in process and as the real binary.
#include "cli/CliPrice.h"
#include "core/Clock.h"
#include "core/Session.h"
#include "jobfiles/UZapis.h"
#include "pricing/UOcen.h"

#include "VelkyKatalog.h"

#include "MedianReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <ostream>
#include <streambuf>
#include <system_error>
#include <string>
#include <vector>

using namespace qmr;
namespace fs = std::filesystem;

namespace {

constexpr int kZakazek = 1000;

const qmrbench::VelkyKatalog *gVelky = nullptr;
std::vector<std::string> gZakazky; // the job files, in jobs/ of the large program folder

// 1,000 jobs on the large catalogue, each with its own infill type, colour and number.
void ZapisZakazky(const std::string &koren)
{
    const SystemClock hodiny;
    fs::create_directories(koren + "jobs");
    Session s;
    qmrbench::Konfiguruj(s, koren);
    const auto vyplne = Katalog(s, kVyplne).ReadSections();
    const auto barvy = Katalog(s, kBarvy).ReadSections();
    for (int i = 0; i < kZakazek; ++i) {
        qmrbench::Konfiguruj(s, koren);
        NactiVypln(s, vyplne[static_cast<std::size_t>(i) % vyplne.size()], s.SVypln.DVypln);
        NactiBarvu(s, barvy[static_cast<std::size_t>(i * 7) % barvy.size()], s.SBarva1.DBarva);
        s.apCislo = qmrbench::S("B-", i);
        Nazvi(s);
        Ocen(s);
        std::string cesta = koren + "jobs/" + qmrbench::S("zakazka", i) + ".qms";
        FileZapis(s, cesta, true, hodiny);
        gZakazky.push_back(cesta);
    }
}

// Swallows the output.
class NulovyBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char *, std::streamsize n) override { return n; }
};

void BM_NactiDataNazviOcen_Large(benchmark::State &state)
{
    const SystemClock hodiny;
    cli::RecordingMessages zpravy;
    Session s;
    qmrbench::Konfiguruj(s, gVelky->Koren());
    const std::string &job = gZakazky.at(kZakazek / 2);
    if (!NactiData(s, job, zpravy, hodiny)) { // warm
        state.SkipWithError("job refused");
        return;
    }
    Nazvi(s);
    Ocen(s);
    const auto parsovano = [&] {
        return s.Soubory.Get(s.apData + kVyplne).ParseCount() + s.Soubory.Get(s.apData + kBarvy).ParseCount() +
               s.Soubory.Get(s.apData + kDoplnky).ParseCount() + s.Soubory.Get(s.apConf).ParseCount();
    };
    const auto predtim = parsovano();
    for (auto _ : state) {
        zpravy.Clear();
        NactiData(s, job, zpravy, hodiny);
        Nazvi(s);
        Ocen(s);
        benchmark::DoNotOptimize(s.nKonecna);
    }
    state.counters["parses"] = static_cast<double>(parsovano() - predtim);
    if (s.nKonecna.IsZero())
        state.SkipWithError("the job priced at 0");
}

// The command line's path for one file: fresh session, the main window's loading of the
// settings and partners, then the reader and the pricing.
void BM_JobPricer_Large(benchmark::State &state)
{
    const SystemClock hodiny;
    cli::JobPricer cenik(gVelky->Koren() + "quilmar-cli", hodiny);
    const std::string &job = gZakazky.at(kZakazek / 2);
    if (cenik.Price(job).status != cli::FileStatus::Accepted) { // warm
        state.SkipWithError("job refused");
        return;
    }
    for (auto _ : state) {
        const cli::FileResult r = cenik.Price(job);
        benchmark::DoNotOptimize(r.session->nKonecna);
    }
}

std::vector<std::string> Argumenty()
{
    std::vector<std::string> a{"--root", gVelky->Koren(), "price"};
    a.insert(a.end(), gZakazky.begin(), gZakazky.end());
    return a;
}

void BM_CliPrice1000_InProcess(benchmark::State &state)
{
    const SystemClock hodiny;
    const auto args = Argumenty();
    NulovyBuffer nic;
    std::ostream out(&nic);
    std::ostream err(&nic);
    for (auto _ : state) {
        if (cli::RunCli(args, out, err, std::string(), hodiny) != 0)
            state.SkipWithError("quilmar-cli price failed");
    }
    state.counters["files"] = kZakazek;
}

std::string Uvozovky(const std::string &t)
{
    std::string q(1, '\'');
    for (char c : t) {
        if (c == '\'')
            q.append("'\\''");
        else
            q.push_back(c);
    }
    q.push_back('\'');
    return q;
}

std::string PrikazBinarky()
{
    std::string c = Uvozovky(QMR_CLI_PATH);
    for (const std::string &a : Argumenty()) {
        c.push_back(' ');
        c.append(Uvozovky(a));
    }
    c.append(" > /dev/null");
    return c;
}

void BM_CliPrice1000_Binary(benchmark::State &state)
{
    const std::string prikaz = PrikazBinarky();
    for (auto _ : state) {
        if (std::system(prikaz.c_str()) != 0)
            state.SkipWithError("quilmar-cli price failed");
    }
    state.counters["files"] = kZakazek;
}

BENCHMARK(BM_NactiDataNazviOcen_Large)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_JobPricer_Large)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_CliPrice1000_InProcess)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_CliPrice1000_Binary)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

using Reporter = qmrbench::MedianReporter;

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    qmrbench::VelkyKatalog velky;
    gVelky = &velky;
    ZapisZakazky(velky.Koren());
    std::printf("program folder %s, %d job files in jobs/\n", velky.Koren().c_str(), kZakazek);
    // QMR_BENCH_KEEP=DIR keeps a copy of the program folder with the jobs in DIR, for
    // timing the binary from the shell: quilmar-cli --root DIR price DIR/jobs/*.qms
    if (const char *kopie = std::getenv("QMR_BENCH_KEEP"); kopie && *kopie) {
        std::error_code ec;
        fs::copy(velky.Koren(), kopie, fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
        std::printf("copy of the program folder in %s%s\n", kopie, ec ? (": " + ec.message()).c_str() : "");
    }
    Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto &m = reporter.medianSekund;
    const auto vypis = [&](const char *jmeno, const char *text, double nasobek, const char *jednotka) {
        const auto it = m.find(jmeno);
        if (it != m.end())
            std::printf("%s: %.2f %s\n", text, it->second * nasobek, jednotka);
    };
    vypis("BM_NactiDataNazviOcen_Large", "open + price one job, warm, median (target < 1 ms)", 1e3, "ms");
    vypis("BM_JobPricer_Large", "one file through the command line's path, median", 1e3, "ms");
    vypis("BM_CliPrice1000_InProcess", "1,000 files, price function, median (target < 2 s)", 1.0, "s");
    vypis("BM_CliPrice1000_Binary", "1,000 files, quilmar-cli binary, median (target < 2 s)", 1.0, "s");
    return 0;
}
