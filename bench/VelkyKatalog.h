#pragma once
// The large generated catalogue shared by the benchmarks: 500 infill types, 400 colours,
// 200 accessories and a few glass types with every price key enciphered, and the
// configuration, in a temporary program folder; and a panel configured on it that takes
// every pricing stage.
#include "catalogues/Katalog.h"
#include "core/IniFile.h"
#include "core/Session.h"
#include "core/TSifraSoubor.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace qmrbench {

using namespace qmr;
namespace fs = std::filesystem;

constexpr int kVyplni = 500;
constexpr int kBarev = 400;
constexpr int kDoplnku = 200;
constexpr int kDekoru = 12;

// Text followed by a number (appended, which keeps GCC 12's -Wrestrict quiet in Release).
inline std::string S(const char *text, int n)
{
    std::string t(text);
    t += std::to_string(n);
    return t;
}

inline std::string Jmeno(const char *zaklad, int i)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s %03d", zaklad, i);
    return buf;
}

// Every enciphered key of an infill section, in the price tool's order.
inline std::vector<std::string> CenoveKlice()
{
    std::vector<std::string> k{"KCF2ABS"};
    const auto z = [](int f, int s) {
        std::string t = S("F", f);
        t += S("S", s);
        return t;
    };
    for (const char *p : {"ZC", "B", "TP", "TV", "ZS5", "ZS", "ZSV"})
        k.push_back(p + z(1, 0));
    k.insert(k.end(), {"ZSF1E1", "ZSF1E2"});
    for (const char *p : {"ZCF1S1", "HLF1S1", "FMF1S1", "FFF1S1", "BMF1S1", "PSF1S1", "SSMF1S1", "SSOF1S1",
                          "VSF1S1", "K1F1S1", "K3F1S1", "CCF1S0", "CCF2S0", "CCF1S1", "BF1S1", "TPF1S1", "TVF1S1",
                          "RMF1S1", "RM2F1S1", "RMAF1S1", "RMA2F1S1", "OPF1S1", "OP2F1S1", "ODF1S1", "OD2F1S1",
                          "ZS5F1S1", "ZSF1S1", "ZSVF1S1", "TRF1S1"})
        k.push_back(p);
    const char *skupina[] = {"ZC", "BM", "PS", "SSM", "SSO", "VS", "K1", "K3",
                             "CC", "B", "TP", "TV", "ZS5", "ZS", "ZSV", "TR"};
    for (int s = 2; s <= 6; ++s)
        for (const char *p : skupina)
            k.push_back(p + z(1, s));
    for (const char *p : {"ZC", "B", "TP", "TV", "ZS5", "ZS", "ZSV", "TR"})
        k.push_back(p + z(2, 0));
    for (int s = 1; s <= 6; ++s)
        for (const char *p : skupina)
            k.push_back(p + z(2, s));
    k.insert(k.end(), {"ZSF2E1", "ZSF2E2"});
    return k;
}

// The large catalogue in a temporary program folder: infills, colours, accessories,
// glass and the configuration, all written through the system's INI class.
class VelkyKatalog {
public:
    VelkyKatalog()
    {
        std::random_device rd;
        koren_ = fs::temp_directory_path() / ("qmr-bench-" + std::to_string(rd()));
        fs::create_directories(koren_ / "DATA");
        const std::string data = (koren_ / "DATA").string() + "/";
        std::mt19937 gen(42);
        std::uniform_int_distribution<int> cena(100, 5000);

        {
            TSifraSoubor f(data + "vyplne.qmr");
            f.Zapis = true;
            f.SetAutoFlush(false);
            const auto klice = CenoveKlice();
            for (int i = 0; i < kVyplni; ++i) {
                const std::string sekce = Jmeno("Typ", i);
                f.WriteString(sekce, "Kod", S("T", i));
                for (const char *b : {"Special", "Hlinik", "Dyha", "Glas", "RadaK", "Pulpanel", "Dvojbarva",
                                      "Zetkova", "Enkova", "Rameckova", "Excentr", "AsymH", "PravaV", "AsymP",
                                      "JednoZask", "AkcniV", "Kamen", "ZesGratis", "SklGratis", "RMSTF1S1"})
                    f.WriteBool(sekce, b, false);
                for (const char *n : {"Pozic", "PomerH", "PomerP", "MaxVyskaF1", "MaxSirkaF1", "MinVyskaF1",
                                      "MinSirkaF1", "MaxVyskaF2", "MaxSirkaF2", "MinVyskaF2", "MinSirkaF2",
                                      "HraVyskaF1", "HraVyskaF2", "HraSirkaF1", "HraSirkaF2", "OZMPocet", "HPasek",
                                      "VPasek"})
                    f.WriteInteger(sekce, n, 100 + i);
                f.WriteString(sekce, "FixFormat", "");
                for (int z = 1; z <= 6; ++z) {
                    f.WriteInteger(sekce, S("ZH", z) + "val", 10 * z);
                    f.WriteInteger(sekce, S("ZV", z) + "val", 10 * z);
                }
                for (const std::string &k : klice)
                    f.WriteSifra(sekce, k, cena(gen));
            }
            f.UpdateFile();
        }
        {
            TSifraSoubor f(data + "barvy.qmr");
            f.Zapis = true;
            f.SetAutoFlush(false);
            for (int i = 0; i < kBarev; ++i) {
                const std::string sekce = Jmeno("Barva", i);
                f.WriteString(sekce, "Kod", S("B", i));
                for (const char *k : {"BF1S1", "BF1S2", "BF2S1", "BF2S2", "BF3S1", "BF3S2", "PHPL1", "VHPL1",
                                      "NETPS1", "NETPS2", "PRDEKOR", "PRDVOJBARVA1", "PRDVOJBARVA2"})
                    f.WriteSifra(sekce, k, cena(gen));
                for (const char *k : {"Drevo", "ALABS", "ObjDni", "MaxVF1", "MaxVF2", "MaxSF1", "MaxSF2"})
                    f.WriteInteger(sekce, k, i % 7);
                for (const char *k : {"Dyha", "Hlinik", "DDekor", "Elox", "Beton", "ProHPL", "JenomHPL", "FixRal",
                                      "Kamen"})
                    f.WriteBool(sekce, k, i % 3 == 0);
            }
            f.UpdateFile();
        }
        {
            TSifraSoubor f(data + "doplnky.qmr");
            f.Zapis = true;
            f.SetAutoFlush(false);
            for (int i = 0; i < kDoplnku; ++i) {
                const std::string sekce = Jmeno("Doplnek", i);
                f.WriteString(sekce, "Kod", S("D", i));
                for (const char *k : {"Cena", "Montaz", "CenaDR"})
                    f.WriteSifra(sekce, k, cena(gen));
                for (const char *k : {"MaDistanci", "AutoMontaz", "BezTloustky", "MadloVert", "CenaNetto",
                                      "LimitTl", "Minimum", "Neukazat", "NeSMont", "NeBezM"})
                    f.WriteBool(sekce, k, i % 4 == 0);
                f.WriteInteger(sekce, "VzdVert", 0);
                f.WriteInteger(sekce, "MaxTloust", 99);
            }
            f.UpdateFile();
        }
        {
            TSifraSoubor f(data + "dekory.qmr");
            f.Zapis = true;
            f.SetAutoFlush(false);
            for (int i = 0; i < kDekoru; ++i) {
                const std::string sekce = Jmeno("Sklo", i);
                f.WriteString(sekce, "Kod", S("S", i));
                f.WriteInteger(sekce, "TypSkla", 1 + i % 4);
                f.WriteInteger(sekce, "Tloustka", 4);
            }
            f.UpdateFile();
        }
        {
            IniFile f(data + "Quilmar.cfg");
            f.SetAutoFlush(false);
            f.WriteString("Ceny", "DPHin", "23,00");
            f.WriteString("Ceny", "DPHout", "23,00");
            for (const auto &[k, v] : std::vector<std::pair<const char *, int>>{
                     {"DopravaOut", 40}, {"Marze", 25}, {"Ram", 50}, {"SlevaZak", 5}, {"DopravaIn", 30},
                     {"SlevaQM", 15}, {"TypMarze", 1}, {"ZpusobMarze", 1}, {"Zobrazit", 2}, {"Pocitat", 1},
                     {"Dopravy", 1}})
                f.WriteInteger("Ceny", k, v);
            f.WriteBool("Ceny", "CenuNab", false);
            f.UpdateFile();
        }
    }
    ~VelkyKatalog()
    {
        std::error_code ec;
        fs::remove_all(koren_, ec);
    }
    VelkyKatalog(const VelkyKatalog &) = delete;
    VelkyKatalog &operator=(const VelkyKatalog &) = delete;

    std::string Koren() const { return koren_.string() + "/"; }

private:
    fs::path koren_;
};

// A panel that takes every stage: strip with groove and frame in stainless, reinforced
// 35 mm, overlay, reinforcement variant, four glass panes, colours, stained glass,
// muntin and four mounted accessories.
inline bool Konfiguruj(Session &s, const std::string &programDir)
{
    s.apCesta = programDir;
    s.apData = programDir + "DATA/";
    s.apConf = s.apData + "Quilmar.cfg";
    const auto sekce = [&](const char *soubor) { return Katalog(s, soubor).ReadSections(); };
    const auto vyplne = sekce(kVyplne);
    const auto barvy = sekce(kBarvy);
    const auto doplnky = sekce(kDoplnky);
    const auto dekory = sekce(kDekory);
    if (vyplne.empty() || barvy.empty() || doplnky.empty() || dekory.empty())
        return false;

    const std::size_t iv = vyplne.size() / 2;
    NactiVypln(s, vyplne[iv], s.SVypln.DVypln);
    s.SVypln.DVypln.Polozka = static_cast<int>(iv);
    s.VyplnVybrana = true;
    s.TypZakazky = 1;
    s.SFormat = 1;
    s.SZaskleni = 2;
    s.MuzeRamecek = 2;
    s.MuzeOPasku = 2;
    s.MuzeOPDr = 1;
    s.SOPaska1 = 1;
    s.SODr1 = 1;
    s.SRamecek2 = 2;
    NactiRBarvu(s, barvy[0], s.RBarva1.RBarva);
    NactiRBarvu(s, barvy[1 % barvy.size()], s.RBarva2.RBarva);
    s.RBarva1.RBarva.AK = s.RBarva2.RBarva.AK = true;
    s.Zesilena = true;
    s.SZesil = 35;
    s.SPrekryvna = true;
    s.SPrekryv = 1;
    s.RozmerVybran = true;
    s.SSirka = 1000;
    s.SVyska = 2100;
    s.SVyztuz = 5;
    s.DekoryVybrany = true;
    TDekor *tabule[] = {&s.SDekor1, &s.SDekor2, &s.SDekorP, &s.SDekor4};
    for (int i = 0; i < 4; ++i) {
        NactiDekor(s, dekory[static_cast<std::size_t>(i) % dekory.size()], tabule[i]->DDekor);
        tabule[i]->DDekor.Polozka = i;
        tabule[i]->DDekor.TypSkla = 1 + i;
    }
    s.BarvyVybrany = true;
    NactiBarvu(s, barvy[barvy.size() / 3], s.SBarva1.DBarva);
    NactiBarvu(s, barvy[barvy.size() / 2], s.SBarva2.DBarva);
    s.SBarva1.DBarva.Polozka = s.SBarva2.DBarva.Polozka = 0;
    s.VitrazVybrana = true;
    s.SVitraz.DVitraz.Polozka = 0;
    s.SVitraz.DVitraz.CF1S2 = 800;
    s.MrizkaVybrana = true;
    s.SMrizka.DMrizka.SCena = 300;
    s.DoplnkyVybrany = true;
    TODoplnek *sloty[] = {&s.SDoplnek1, &s.SDoplnek2, &s.SDoplnek3, &s.SDoplnek4};
    for (int i = 0; i < 4; ++i) {
        TDDoplnek &d = sloty[i]->DDoplnek;
        NactiDoplnek(s, doplnky[static_cast<std::size_t>(i) % doplnky.size()], d);
        d.Polozka = i;
        d.Namontovat = true;
        d.PocetKs = 1 + i;
    }
    return true;
}

} // namespace qmrbench
