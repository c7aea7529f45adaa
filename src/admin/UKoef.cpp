#include "admin/UKoef.h"

#include "catalogues/CatalogueKeys.h"
#include "catalogues/Katalog.h"
#include "core/Funkce.h"
#include "core/TSifraSoubor.h"
#include "core/TextCodec.h"

#include <algorithm>
#include <climits>
#include <map>
#include <set>
#include <string_view>
#include <vector>

namespace qmr {

namespace {

std::string VelkaAscii(std::string_view s)
{
    std::string r(s);
    for (char &c : r)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return r;
}

// ---- What the tool knows of each file ------------------------------------------------------

enum class Druh {
    Kod,  // string, written trimmed
    Cena, // enciphered price, multiplied
    Opis, // copied as stored; a missing one is written with Vychozi unless that is 0
};

struct Klic {
    std::string Jmeno; // the name written
    Druh D = Druh::Opis;
    int Vychozi = 0;
    std::string Sirka; // muntins: the width key that must not be 0 for this key to be written
};

enum class Soubor { Barvy, Doplnky, Mrizky, Vitraze, Vyplne, Jiny };

Soubor DruhSouboru(const std::string &nazev)
{
    const auto p = nazev.find_last_of("/\\");
    const std::string n = VelkaAscii(p == std::string::npos ? nazev : nazev.substr(p + 1));
    if (n == "BARVY.QMR")
        return Soubor::Barvy;
    if (n == "DOPLNKY.QMR")
        return Soubor::Doplnky;
    if (n == "MRIZKY.QMR")
        return Soubor::Mrizky;
    if (n == "VITRAZE.QMR")
        return Soubor::Vitraze;
    if (n == "VYPLNE.QMR")
        return Soubor::Vyplne;
    return Soubor::Jiny;
}

void Pridej(std::vector<Klic> &v, Druh d, std::initializer_list<const char *> jmena, int vychozi = 0)
{
    for (const char *j : jmena)
        v.push_back({j, d, vychozi, {}});
}

std::vector<Klic> KliceBarev()
{
    std::vector<Klic> v;
    Pridej(v, Druh::Kod, {"Kod"});
    Pridej(v, Druh::Cena, {"BF1S1", "BF1S2", "BF2S1", "BF2S2", "BF3S1", "BF3S2", "PHPL1", "VHPL1", "PRDEKOR",
                           "PRDVOJBARVA1", "PRDVOJBARVA2"});
    // Net set-up prices are not purchase prices: copied unchanged.
    Pridej(v, Druh::Opis, {"NetPS1", "NetPS2"});
    Pridej(v, Druh::Opis, {"DREVO", "ALABS", "OBJDNI", "MaxVF1", "MaxVF2", "MaxSF1", "MaxSF2"});
    Pridej(v, Druh::Opis, {"DYHA", "HLINIK", "DDEKOR", "ELOX", "Beton", "PROHPL", "JenomHPL", "FixRal", "KAMEN"});
    return v;
}

std::vector<Klic> KliceDoplnku()
{
    std::vector<Klic> v;
    Pridej(v, Druh::Kod, {"Kod"});
    Pridej(v, Druh::Cena, {"Cena", "Montaz", "CenaDR"});
    Pridej(v, Druh::Opis, {"Neukazat", "MaDistanci", "AutoMontaz", "CenaNetto", "BezTloustky", "LimitTl"});
    Pridej(v, Druh::Opis, {"MaxTloust"}, 99);
    return v;
}

std::vector<Klic> KliceMrizek()
{
    std::vector<Klic> v;
    Pridej(v, Druh::Kod, {"Kod"});
    for (int g = 1; g <= 6; ++g)
        for (int s = 1; s <= 3; ++s) {
            const std::string sirka = "SirkaS" + std::to_string(g) + std::to_string(s);
            const std::string cena = "CS" + std::to_string(g) + "S" + std::to_string(s) + "F";
            v.push_back({sirka, Druh::Opis, 0, sirka});
            v.push_back({cena + "1", Druh::Cena, 0, sirka});
            v.push_back({cena + "2", Druh::Cena, 0, sirka});
        }
    return v;
}

std::vector<Klic> KliceVitrazi()
{
    std::vector<Klic> v;
    Pridej(v, Druh::Kod, {"Kod"});
    Pridej(v, Druh::Opis, {"VitrPis"});
    for (int f = 1; f <= 2; ++f)
        for (int z = 1; z <= 6; ++z)
            v.push_back({"CF" + std::to_string(f) + "S" + std::to_string(z), Druh::Cena, 0, {}});
    return v;
}

std::vector<Klic> KliceVyplni()
{
    std::vector<Klic> v;
    Pridej(v, Druh::Kod, {"Kod"});
    Pridej(v, Druh::Opis, {"FixFormat"});
    Pridej(v, Druh::Opis, {"Special", "Hlinik", "Dyha", "Glas", "Pulpanel", "Dvojbarva", "Zetkova", "Enkova",
                           "Rameckova", "Excentr", "AsymH", "PravaV", "AsymP", "JednoZask", "AkcniV", "ZesGratis",
                           "SklGratis", "RadaK", "RMSTF1S1"});
    for (const char *p : {"ZH", "ZV"})
        for (int n = 1; n <= 6; ++n)
            v.push_back({p + std::to_string(n) + "neg", Druh::Opis, 0, {}});
    Pridej(v, Druh::Opis, {"Pozic"}, 1);
    Pridej(v, Druh::Opis, {"PomerH", "PomerP"}, 100);
    Pridej(v, Druh::Opis, {"MaxVyskaF1"}, 2200);
    Pridej(v, Druh::Opis, {"MaxSirkaF1"}, 1000);
    Pridej(v, Druh::Opis,
           {"MinVyskaF1",   "MinSirkaF1",   "MaxVyskaF2",   "MaxSirkaF2",   "MinVyskaF2",   "MinSirkaF2",
            "HraSirkaF1",   "HraSirkaF2",   "HraVyskaF1",   "HraVyskaF2",   "MinVyskaF2R2", "MinSirkaF2R2",
            "HraVyskaF2R2", "HraSirkaF2R2", "MinVyskaF2P1", "MinSirkaF2P1", "HraVyskaF2P1", "HraSirkaF2P1",
            "MinVyskaF2P2", "MinSirkaF2P2", "HraVyskaF2P2", "HraSirkaF2P2", "KMaxVyskaF2",  "KMaxSirkaF2",
            "KMinVyskaF2",  "KMinSirkaF2",  "OZMPocet",     "OZM1",         "OZM2",         "OZM3",
            "HPasek",       "VPasek"});
    for (const char *p : {"ZH", "ZV"})
        for (const char *q : {"val", "rel"})
            for (int n = 1; n <= 6; ++n)
                v.push_back({p + std::to_string(n) + q, Druh::Opis, 0, {}});

    const auto cena = [&](const std::string &prefix, int f, int odZ, int doZ) {
        for (int z = odZ; z <= doZ; ++z)
            v.push_back({prefix + "F" + std::to_string(f) + "S" + std::to_string(z), Druh::Cena, 0, {}});
    };
    Pridej(v, Druh::Cena, {"KCF2ABS"});
    for (const char *p : {"ZC", "TP", "TV", "ZS5", "ZS", "ZSV", "CC"})
        for (int f = 1; f <= 2; ++f)
            cena(p, f, 0, 6);
    for (int f = 1; f <= 2; ++f) {
        cena("B", f, 0, 0);
        cena("B", f, 3, 6);
    }
    for (const char *p : {"BM", "PS", "SSM", "SSO", "VS", "K1", "K3"})
        for (int f = 1; f <= 2; ++f)
            cena(p, f, 1, 6);
    cena("TR", 1, 1, 6);
    cena("TR", 2, 0, 6);
    Pridej(v, Druh::Cena, {"ZSF1E1", "ZSF1E2", "ZSF2E1", "ZSF2E2"});
    Pridej(v, Druh::Cena, {"FMF1S1", "FFF1S1", "RMF1S1", "RM2F1S1", "RMAF1S1", "RMA2F1S1", "OPF1S1", "OP2F1S1",
                           "ODF1S1", "OD2F1S1", "HLF1S1"});
    return v;
}

const std::vector<Klic> &Klice(Soubor s)
{
    static const std::vector<Klic> barvy = KliceBarev(), doplnky = KliceDoplnku(), mrizky = KliceMrizek(),
                                   vitraze = KliceVitrazi(), vyplne = KliceVyplni(), zadne;
    switch (s) {
    case Soubor::Barvy: return barvy;
    case Soubor::Doplnky: return doplnky;
    case Soubor::Mrizky: return mrizky;
    case Soubor::Vitraze: return vitraze;
    case Soubor::Vyplne: return vyplne;
    case Soubor::Jiny: break;
    }
    return zadne;
}

// ---- One section -----------------------------------------------------------------------------

using Zapisy = std::vector<std::pair<std::string, std::string>>; // name, value as written

std::string Cena(const TSifraSoubor &f, const std::string &sekce, const std::string &klic, Koeficient k, int z)
{
    const int nova = Prepocti(f.ReadSifra(sekce, klic), k, z);
    return nova > 0 ? Encrypt(nova) : std::string(); // a price of 0 is not stored
}

Zapisy NovaSekce(const TSifraSoubor &f, const std::string &druh, Soubor typ, const std::string &sekce,
                 Koeficient k, int z)
{
    // The keys the section has: folded name -> stored name, first occurrence.
    std::map<std::string, std::string> ma;
    const std::vector<std::string> klice = f.ReadSection(sekce);
    for (const std::string &kl : klice)
        ma.emplace(VelkaAscii(kl), kl);

    Zapisy out;
    std::set<std::string> znamy;
    for (const Klic &kl : Klice(typ)) {
        const std::string velky = VelkaAscii(kl.Jmeno);
        znamy.insert(velky);
        if (!kl.Sirka.empty() && f.ReadInteger(sekce, kl.Sirka, 0) == 0)
            continue;
        const bool je = ma.count(velky) > 0;
        std::string hodnota;
        switch (kl.D) {
        case Druh::Kod:
            if (je)
                hodnota = Trim(f.ReadString(sekce, kl.Jmeno, ""));
            else if (typ == Soubor::Vitraze)
                hodnota = Trim(sekce); // the code of a stained glass defaults to its name
            else
                continue;
            out.emplace_back(kl.Jmeno, hodnota);
            continue;
        case Druh::Cena:
            if (je)
                hodnota = Cena(f, sekce, kl.Jmeno, k, z);
            break;
        case Druh::Opis:
            // Copied as stored, so that every reader, whatever default it has for an
            // unreadable or zero value, sees the same as before.
            if (je)
                out.emplace_back(kl.Jmeno, f.ReadString(sekce, kl.Jmeno, ""));
            else if (kl.Vychozi != 0)
                out.emplace_back(kl.Jmeno, std::to_string(kl.Vychozi));
            continue;
        }
        if (!hodnota.empty())
            out.emplace_back(kl.Jmeno, hodnota);
    }

    // Keys the tool has no rule for stay as they are (enciphered prices multiplied).
    std::set<std::string> videne;
    for (const std::string &kl : klice) {
        if (znamy.count(VelkaAscii(kl)) || !videne.insert(text::FoldCase(kl)).second)
            continue;
        if (JeSifrovany(druh, kl)) {
            const std::string h = Cena(f, sekce, kl, k, z);
            if (!h.empty())
                out.emplace_back(kl, h);
        } else {
            out.emplace_back(kl, f.ReadString(sekce, kl, ""));
        }
    }
    return out;
}

// Batch made public: the whole file is rewritten in memory and stored in one atomic write;
// a failure drops the changes instead of writing them later.
class PrepisovanySoubor : public TSifraSoubor {
public:
    using TSifraSoubor::TSifraSoubor;
    using IniFile::Batch;
};

} // namespace

std::optional<Koeficient> CtiKoef(const std::string &Text)
{
    std::string t;
    for (char c : Text)
        if (c != ' ' && c != '_')
            t += c;
    if (t.empty() || t[0] < '0' || t[0] > '9')
        return std::nullopt;
    Koeficient k = (t[0] - '0') * kKoefJedna;
    if (t.size() > 1) {
        if (t[1] != ',' || t.size() > 7)
            return std::nullopt;
        Koeficient rad = kKoefJedna / 10;
        for (std::size_t i = 2; i < t.size(); ++i, rad /= 10) {
            if (t[i] < '0' || t[i] > '9')
                return std::nullopt;
            k += (t[i] - '0') * rad;
        }
    }
    if (k <= 0)
        return std::nullopt;
    return k;
}

int Prepocti(int Cena, Koeficient k, int Zaokrouhleni)
{
    const std::int64_t x = static_cast<std::int64_t>(std::max(Cena, 0)) * std::max<Koeficient>(k, 0);
    std::int64_t r;
    switch (Zaokrouhleni) {
    case kNa5: // trunc((x + 4.99) / 5) * 5
        r = (x + 499 * kKoefJedna / 100) / (5 * kKoefJedna) * 5;
        break;
    case kNa10: // trunc((x + 9.99) / 10) * 10
        r = (x + 999 * kKoefJedna / 100) / (10 * kKoefJedna) * 10;
        break;
    default: { // round(x), halves to even
        r = x / kKoefJedna;
        const std::int64_t zbytek = x % kKoefJedna;
        if (2 * zbytek > kKoefJedna || (2 * zbytek == kKoefJedna && r % 2 != 0))
            ++r;
        break;
    }
    }
    return static_cast<int>(std::min<std::int64_t>(r, INT_MAX));
}

void PrepoctiSoubor(const std::string &Cesta, const std::string &Nazev, Koeficient k, int Zaokrouhleni,
                    const std::function<void(int, int)> &Prubeh,
                    const std::function<void(const std::string &)> &PredNahrazenim)
{
    PrepisovanySoubor f(Cesta);
    if (PredNahrazenim)
        f.SetReplaceHookForTest(PredNahrazenim);
    const Soubor typ = DruhSouboru(Nazev);
    const std::vector<std::string> sekce = f.ReadSections();
    const int celkem = static_cast<int>(sekce.size());
    if (Prubeh)
        Prubeh(0, celkem);
    if (sekce.empty())
        return;

    // Everything is read before the first change. A name listed twice is one item to the
    // readers (the first copy): its copies are erased and the first one written back.
    struct Nova {
        std::string Jmeno;
        int Kopii = 0;
        Zapisy Klice;
    };
    std::vector<Nova> nove;
    std::map<std::string, std::size_t> podleJmena;
    std::vector<int> poradi; // per listed section: the index into nove, -1 for a later copy
    for (const std::string &s : sekce) {
        const auto [it, novy] = podleJmena.emplace(text::FoldCase(s), nove.size());
        if (novy) {
            nove.push_back({s, 1, NovaSekce(f, Nazev, typ, s, k, Zaokrouhleni)});
            poradi.push_back(static_cast<int>(it->second));
        } else {
            ++nove[it->second].Kopii;
            poradi.push_back(-1);
        }
    }

    f.Batch([&] {
        int hotovo = 0;
        for (int i : poradi) {
            if (i >= 0) {
                const Nova &n = nove[static_cast<std::size_t>(i)];
                for (int c = 0; c < n.Kopii; ++c)
                    f.EraseSection(n.Jmeno);
                // Erased sections come back at the end of the file: in file order the
                // order of the items stays.
                for (const auto &[klic, hodnota] : n.Klice)
                    f.IniFile::WriteString(n.Jmeno, klic, hodnota);
            }
            if (Prubeh)
                Prubeh(++hotovo, celkem);
        }
    });
}

// ---- The dialog ------------------------------------------------------------------------------

TFKoef::TFKoef(Session &s, Messages &m) : s_(s), m_(m)
{
    zaokrouhlit_.Polozky = {"na 1 Kč matematicky", "na 5 Kč nahoru", "na 10 Kč nahoru"};
    zaokrouhlit_.Index = 0;
    zaokrouhlit_.Viditelny = true;
    zaokrouhlit_.Povoleny = true;
}

void TFKoef::setHeslo(const std::string &t) { heslo_ = SubStr(t, 1, kHesloDelka); }

void TFKoef::VyberZaokrouhleni(int i)
{
    if (i >= 0 && i < static_cast<int>(zaokrouhlit_.Polozky.size()))
        zaokrouhlit_.Index = i;
}

bool TFKoef::PreButtonClick(const std::function<void()> &Obnov)
{
    if (!preButton_ || probiha_)
        return false;
    if (heslo_ != kHeslo) {
        m_.Chyba(kChybaNadpis, kChybaHesla);
        return false;
    }
    const std::optional<Koeficient> k = CtiKoef(koef_);
    if (!k) {
        m_.Chyba(kChybaNadpis, kChybaKoef);
        return false;
    }
    const auto obnov = [&] {
        if (Obnov)
            Obnov();
    };
    const int z = zaokrouhlit_.Index;

    probiha_ = true;
    preButton_ = konecButton_ = false;
    barva_ = Barva::Lime;
    obnov();
    static constexpr Barva kPo[5] = {Barva::Green, Barva::Teal, Barva::Aqua, Barva::Blue, Barva::Blue};
    const bool ok = RunCommand(m_, [&] {
        for (int i = 0; i < 5; ++i) {
            const std::string nazev = kSoubory[i];
            iniSoubor_ = ResolveNoCase(s_.apData + nazev);
            PrepoctiSoubor(
                iniSoubor_, nazev, *k, z,
                [&](int hotovo, int celkem) {
                    pruh_ = {true, celkem, hotovo};
                    obnov();
                },
                hook_);
            prepocteno_ = true;
            // The session's copy of the file notices the new content at once.
            Katalog(s_, nazev).Refresh();
            if (i < 4) {
                barva_ = kPo[i];
                obnov();
            }
        }
    });
    iniSoubor_.clear();
    pruh_ = {};
    konecButton_ = true;
    barva_ = Barva::InfoBk;
    probiha_ = false;
    obnov();
    return ok;
}

} // namespace qmr
