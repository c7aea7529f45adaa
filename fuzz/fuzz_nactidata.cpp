// Any file content as a job file: NactiData, then the description and the pricing, then
// the job written and read again. Runs over the small job catalogue of the tests and, when
// the program folder holds one, over the demo catalogue too.
#include "core/Clock.h"
#include "core/Errors.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "jobfiles/UZapis.h"
#include "pricing/UOcen.h"
#include "support/JobCatalogue.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

class TicheZpravy : public qmr::Messages {
public:
    int Hlaska(const std::string &, const std::string &, unsigned) override { return qmr::IDOK; }
};

class PevnyCas : public qmr::Clock {
public:
    double Today() const override { return 45356; } // 5.3.2024
};

const std::string &Folder()
{
    static const std::string dir = [] {
        char shm[] = "/dev/shm/fuzz_nactidata.XXXXXX";
        char tmp[] = "/tmp/fuzz_nactidata.XXXXXX";
        const char *d = mkdtemp(shm);
        if (!d)
            d = mkdtemp(tmp);
        if (!d)
            std::abort();
        return std::string(d) + "/";
    }();
    return dir;
}

// A program folder (apCesta) with its catalogue, and the parsed files kept between runs.
struct Katalog {
    std::string cesta;
    qmr::CatalogueFiles soubory;
};

std::vector<Katalog> &Katalogy()
{
    static std::vector<Katalog> k = [] {
        std::vector<Katalog> v;
        const std::string vlastni = Folder() + "program/";
        std::filesystem::create_directories(vlastni + "DATA");
        qmrtest::ZapisKatalogZakazek(vlastni + "DATA/");
        v.push_back({vlastni, {}});
#ifdef QMR_PROGRAM_DIR
        const std::string demo = std::string(QMR_PROGRAM_DIR) + "/";
        std::error_code ec;
        if (std::filesystem::exists(demo + "DATA/vyplne.qmr", ec))
            v.push_back({demo, {}});
#endif
        return v;
    }();
    return k;
}

void Pripravit(qmr::Session &s, const std::string &cesta)
{
    s.apCesta = cesta;
    s.apData = cesta + "DATA/";
    s.apConf = s.apData + "Quilmar.cfg";
    s.apPriloha = Folder() + "QMRobj.qmr";
    s.DataPath = Folder();
}

void Obnov(qmr::Session &s)
{
    qmr::Nazvi(s);
    try {
        qmr::Ocen(s);
    } catch (const qmr::QmrError &) {
        // A settings value that is no number ends the pricing; the command boundary shows it.
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string vstup = Folder() + "vstup.qms";
    {
        std::FILE *f = std::fopen(vstup.c_str(), "wb");
        if (!f)
            std::abort();
        if (size)
            std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    TicheZpravy zpravy;
    PevnyCas hodiny;
    for (Katalog &k : Katalogy()) {
        qmr::Session s;
        Pripravit(s, k.cesta);
        s.Soubory = std::move(k.soubory);
        if (qmr::NactiData(s, vstup, zpravy, hodiny)) {
            Obnov(s);
            std::string vystup = Folder() + "vystup.qms";
            qmr::FileZapis(s, vystup, true, hodiny);
            qmr::Session znovu;
            Pripravit(znovu, k.cesta);
            znovu.Soubory = std::move(s.Soubory);
            if (!qmr::NactiData(znovu, vystup, zpravy, hodiny))
                __builtin_trap(); // a job written by the program is always accepted
            Obnov(znovu);
            s.Soubory = std::move(znovu.Soubory);
        }
        k.soubory = std::move(s.Soubory);
    }
    return 0;
}
