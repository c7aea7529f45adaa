// Description and pricing of one panel (Nazvi + Ocen), as the main window runs them on
// every repaint, on the demo catalogue and on a large generated one; beside them a
// baseline that re-reads and re-parses the file for every key, as the operating
// system's INI service does. Prints the ratio of the medians at the end.
#include "core/IniFile.h"
#include "core/Session.h"
#include "core/TSifraSoubor.h"
#include "pricing/UOcen.h"

#include "VelkyKatalog.h"

#include "MedianReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

using namespace qmr;
namespace fs = std::filesystem;

namespace {

using qmrbench::Konfiguruj;
using qmrbench::VelkyKatalog;

const VelkyKatalog *gVelky = nullptr;

void NazviOcen(benchmark::State &state, const std::string &programDir)
{
    Session s;
    if (!Konfiguruj(s, programDir)) {
        state.SkipWithError("no catalogue in the program folder");
        return;
    }
    Nazvi(s); // warm: files parsed, caches filled
    Ocen(s);
    const auto parsovano = [&] {
        return s.Soubory.Get(s.apData + kVyplne).ParseCount() + s.Soubory.Get(s.apConf).ParseCount();
    };
    const auto predtim = parsovano();
    for (auto _ : state) {
        Nazvi(s);
        Ocen(s);
        benchmark::DoNotOptimize(s.nKonecna);
    }
    // Files parsed again while timed: 0 when nothing changed on disk.
    state.counters["parses"] = static_cast<double>(parsovano() - predtim);
}

void BM_NazviOcen_Demo(benchmark::State &state)
{
    const std::string program = std::string(QMR_PROGRAM_DIR) + "/";
    if (!fs::exists(program + "DATA/vyplne.qmr")) {
        state.SkipWithError("no demo catalogue in the program folder (build the tools)");
        return;
    }
    NazviOcen(state, program);
}

void BM_NazviOcen_Large(benchmark::State &state)
{
    NazviOcen(state, gVelky->Koren());
}

// What the pricing of the panel above reads, in its order: the infill section's keys
// and the price settings.
void BM_RereadPerKey_Large(benchmark::State &state)
{
    Session s;
    Konfiguruj(s, gVelky->Koren());
    const std::string vyplne = s.apData + "vyplne.qmr";
    const std::string &sekce = s.SVypln.DVypln.Nazev;
    const char *cenove[] = {"ZCF1S2", "OPF1S1", "ODF1S1", "RMA2F1S1", "ZSVF1S2", "ZSF1E1", "ZSF1E2",
                            "FMF1S1", "BF1S2", "BMF1S2", "PSF1S2", "SSMF1S2", "VSF1S2"};
    const char *priznaky[] = {"ZesGratis", "SklGratis"};
    const char *textove[] = {"DPHin", "DPHout"};
    const char *cela[] = {"DopravaIn", "DopravaOut", "SlevaQM", "Marze", "TypMarze", "ZpusobMarze",
                          "Ram", "SlevaZak", "Zobrazit", "Pocitat", "Dopravy", "CenuNab"};
    long long cteni = 0;
    for (auto _ : state) {
        long long soucet = 0;
        for (const char *k : textove) {
            IniFile f(s.apConf);
            soucet += static_cast<long long>(f.ReadString("Ceny", k, "0").size());
        }
        for (const char *k : cela) {
            IniFile f(s.apConf);
            soucet += f.ReadInteger("Ceny", k, 0);
        }
        {
            TSifraSoubor f(vyplne);
            soucet += f.ReadSifra(sekce, cenove[0]);
        }
        for (const char *k : priznaky) {
            TSifraSoubor f(vyplne);
            soucet += f.ReadBool(sekce, k, false);
        }
        for (std::size_t i = 1; i < std::size(cenove); ++i) {
            TSifraSoubor f(vyplne);
            soucet += f.ReadSifra(sekce, cenove[i]);
        }
        benchmark::DoNotOptimize(soucet);
        cteni = static_cast<long long>(std::size(textove) + std::size(cela) + std::size(priznaky) + std::size(cenove));
    }
    state.counters["reads"] = static_cast<double>(cteni);
}

BENCHMARK(BM_NazviOcen_Demo)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_NazviOcen_Large)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_RereadPerKey_Large)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

using Reporter = qmrbench::MedianReporter;

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    VelkyKatalog velky;
    gVelky = &velky;
    Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto &m = reporter.medianSekund;
    const auto rychle = m.find("BM_NazviOcen_Large");
    const auto pomale = m.find("BM_RereadPerKey_Large");
    if (rychle != m.end()) {
        std::printf("Nazvi + Ocen, large catalogue, median: %.2f us (target < 50 us)\n", rychle->second * 1e6);
        if (pomale != m.end())
            std::printf("re-read per key / cached: %.0f x (target >= 1000 x)\n", pomale->second / rychle->second);
    }
    const auto demo = m.find("BM_NazviOcen_Demo");
    if (demo != m.end())
        std::printf("Nazvi + Ocen, demo catalogue, median: %.2f us\n", demo->second * 1e6);
    return 0;
}
