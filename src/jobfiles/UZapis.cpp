#include "jobfiles/UZapis.h"

#include "catalogues/Katalog.h"
#include "catalogues/KodRysu.h"
#include "core/Clock.h"
#include "core/Constants.h"
#include "core/DateCore.h"
#include "core/Errors.h"
#include "core/Funkce.h"
#include "core/IniFile.h"
#include "core/Messages.h"
#include "core/TSifraSoubor.h"
#include "partners/UJejichDef.h"
#include "partners/UZakazdef.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace qmr {

namespace {

namespace fs = std::filesystem;

constexpr const char *kObjednavka = "Objednavka";
constexpr const char *kFirma = "Firma";
constexpr const char *kVypln = "Vypln";
constexpr const char *kPoznamky = "Poznamky";

constexpr const char *kZlyPlik = "Zły plik  ";
constexpr const char *kUwagaVerze = "Uwaga - plik wersji ";
constexpr const char *kNeznamaVypln = "Neznámý (nebo nepovolený) typ výplně: ";
constexpr const char *kKratka = "kratka dekoracyjna";
constexpr const char *kOtazkaZmeny = "Konfiguracja została zmieniona. Zapisać zmiany?";

constexpr const char *kConnex = "cx446"; // laminated glass that is not in the glass catalogue
constexpr const char *kMadloPrmdl = "prmdl";

constexpr int kMaxPoznamek = 11; // note lines a job file gives back

// Ranges of the values a job file can bring. Dimensions and positions in millimetres are
// kept within +-kMaxRozmer, so that no sum or product of two of them leaves int.
constexpr int kMaxRozmer = 9999;
constexpr int kMaxPocet = 9999;  // pieces
constexpr int kMaxZesil = 99;    // thickness increase, mm
constexpr int kMaxTloustka = 999; // sash thickness, mm
constexpr int kMaxPozic = 99;

std::array<TDDoplnek *, 4> Sloty(Session &s)
{
    return {&s.SDoplnek1.DDoplnek, &s.SDoplnek2.DDoplnek, &s.SDoplnek3.DDoplnek,
            &s.SDoplnek4.DDoplnek};
}

std::string Cislo(int n) { return std::to_string(n); }

// The extension of the file name (from its last '.', after the last '/'); empty without one.
std::string Pripona(const std::string &Cesta)
{
    const auto p = Cesta.find_last_of("./");
    return p != std::string::npos && Cesta[p] == '.' ? Cesta.substr(p) : std::string();
}

std::string VelkaAscii(std::string t)
{
    for (char &c : t)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return t;
}

std::string JmenoSouboru(const std::string &Cesta)
{
    const auto p = Cesta.find_last_of('/');
    return p == std::string::npos ? Cesta : Cesta.substr(p + 1);
}

// The folder of the file, ending with '/'.
std::string SlozkaSouboru(const std::string &Cesta)
{
    std::error_code ec;
    fs::path abs = fs::absolute(fs::path(Cesta), ec);
    if (ec)
        abs = fs::path(Cesta);
    std::string slozka = abs.parent_path().string();
    if (slozka.empty() || slozka.back() != '/')
        slozka += '/';
    return slozka;
}

bool Existuje(const std::string &Cesta)
{
    std::error_code ec;
    return !Cesta.empty() && fs::exists(fs::path(Cesta), ec);
}

// A path that exists but is no regular file (a folder, a device, a pipe) is never read.
bool LzeCist(const std::string &Cesta)
{
    std::error_code ec;
    const fs::file_status st = fs::status(fs::path(Cesta), ec);
    if (ec || st.type() == fs::file_type::not_found)
        return true; // a missing file reads as empty
    return st.type() == fs::file_type::regular;
}

int Omez(int v, int lo, int hi) { return std::clamp(v, lo, hi); }

// v when it lies in lo..hi, otherwise Jinak.
int Volba(int v, int lo, int hi, int Jinak) { return v >= lo && v <= hi ? v : Jinak; }

// A date of the job file; empty or unreadable text gives today.
double Datum(const std::string &Text, const Clock &Hodiny)
{
    if (Empty(Text))
        return Hodiny.Today();
    try {
        return MyStrToDate(Text, Hodiny);
    } catch (const EConvertError &) {
        return Hodiny.Today();
    }
}

// ---- Writer ------------------------------------------------------------------------

class Zapisovac {
public:
    Zapisovac(TSifraSoubor &f, const char *sekce) : f_(f), sekce_(sekce) {}
    void S(const std::string &k, const std::string &v) { f_.WriteString(sekce_, k, v); }
    void I(const std::string &k, int v) { f_.WriteInteger(sekce_, k, v); }
    void N(const std::string &k, int v) { f_.WriteNula(sekce_, k, v); }
    void B(const std::string &k, bool v) { f_.WriteBool(sekce_, k, v); }

private:
    TSifraSoubor &f_;
    const char *sekce_;
};

void ZapisObjednavku(TSifraSoubor &f, const Session &s, const std::string &Vystaveni,
                     const std::string &Dodani)
{
    Zapisovac z(f, kObjednavka);
    z.S("Verze", s.apVerze);
    z.S("Preklad", s.apDatum);
    z.S("Cislo", s.apCislo);
    z.S("Vystaveni", Vystaveni);
    z.S("Dodani", Dodani);
    z.I("Typ", s.TypZakazky);
    z.N("Pocet", s.apPocet);
    z.B("Odvoz", s.apOdvoz);
    z.S("Podpis", s.apPodpis);
}

void ZapisFirmu(TSifraSoubor &f, const TFirmaData &d)
{
    Zapisovac z(f, kFirma);
    z.S("Kod", d.Kod);
    z.S("Nazev1", d.Nazev1);
    z.S("Nazev2", d.Nazev2);
    z.S("Ulice", d.Ulice);
    z.S("PSC", d.PSC);
    z.S("Obec", d.Obec);
    z.S("Osoba", d.Osoba);
    z.S("ICO", d.ICO);
    z.S("DIC", d.DIC);
    z.S("Telefon", d.Telefon);
    z.S("Fax", d.Fax);
    z.S("Mail", d.Mail);
    z.S("DUlice", d.DUlice);
    z.S("DPSC", d.DPSC);
    z.S("DObec", d.DObec);
    z.S("PracDoba", d.PracDoba);
}

void ZapisVypln(TSifraSoubor &f, const Session &s)
{
    Zapisovac z(f, kVypln);
    z.S("TXVypln", s.SJmenoV);
    z.S("Kod", s.SVypln.DVypln.Kod);
    z.S("Typ", s.SVypln.DVypln.Nazev);
    z.B("Hlinik", s.SHlinik);
    z.B("Dyha", s.SDyha);
    z.B("Hlinik2", s.SHlinik2);
    z.B("Dyha2", s.SDyha2);
    z.B("Glas", s.SGlas);
    z.B("HPL1", s.SHPL1);
    z.B("HPL2", s.SHPL2);
    z.B("Excentr", s.SExcentr);
    z.B("AsymH", s.SAsymH);
    z.I("PomerH", s.SPomerH);
    z.B("AsymP", s.SAsymp);
    z.I("PomerP", s.SPomerP);
    // The single-glazing and fixed-format flags come from the catalogue on reading.
    z.B("JednoZask", false);
    z.S("FixFormat", "");
    z.B("Prava", s.SPrava);
    z.B("Zesilena", s.Zesilena);
    z.B("Dvojbarva", s.SDvojbarva);
    z.I("Pozic", s.SPozic);
    z.B("Zetkova", s.SZetkova);
    z.B("Enkova", s.SEnkova);
    z.B("Rameckova", s.SRameckova);
    z.B("Pulpanel", s.SPulpanel);
    z.B("AkcniV", false);
    z.N("Sirka", s.SSirka);
    z.N("Vyska", s.SVyska);
    z.N("Tloustka", s.CTloustka);
    if (s.Zesilena || s.STrojsklo) {
        z.I("SZesil", s.SZesil);
        z.B("Trojsklo", s.STrojsklo);
    }
    if (s.SPosunOs) {
        z.B("PosunOs", true);
        z.N("HPosun", s.SHPosun);
        z.N("VPosun", s.SVPosun);
    }
    z.B("Prekryvna", s.SPrekryvna);
    if (s.SPrekryvna) {
        z.N("SPrekryv", s.SPrekryv);
        z.N("PVL", s.PVL);
        z.N("PVP", s.PVP);
        z.N("PVH", s.PVH);
        z.N("PVD", s.PVD);
        z.N("KotH1", s.KotH1);
        z.N("KotH2", s.KotH2);
        z.N("KotD1", s.KotD1);
        z.N("KotD2", s.KotD2);
        z.N("KotL1", s.KotL1);
        z.N("KotL2", s.KotL2);
        z.N("KotL3", s.KotL3);
        z.N("KotL4", s.KotL4);
        z.N("KotP1", s.KotP1);
        z.N("KotP2", s.KotP2);
        z.N("KotP3", s.KotP3);
        z.N("KotP4", s.KotP4);
        if (s.SPrekryv == 2) {
            z.N("PVL2", s.PVL2);
            z.N("PVP2", s.PVP2);
            z.N("PVH2", s.PVH2);
            z.N("PVD2", s.PVD2);
            z.N("STloustka", s.STloustka);
        }
    }
    z.B("Zmenseny", s.ZmensenyVyrez);
    z.N("Format", s.SFormat);
    z.N("Zaskleni", s.SZaskleni);
    z.I("MuzeRamecek", s.MuzeRamecek);
    z.I("MuzeOMrizku", s.MuzeOMrizku);
    z.I("MuzeOPasku", s.MuzeOPasku);
    z.I("MuzeODrazku", s.MuzeODrazku);
    if (s.MuzeRamecek > 0) {
        z.N("Ramecek1", s.SRamecek1);
        z.N("Ramecek2", s.SRamecek2);
    }
    if (s.MuzeOMrizku > 0)
        z.N("OMrizka", s.SOMrizka);
    if (s.MuzeOPasku > 0 || s.MuzeOPDr > 0) {
        z.N("Paska1", std::max(s.SOPaska1, s.SODr1));
        if (s.SODr1 > 0)
            z.N("FrPaska1", s.SODr1);
        z.N("Paska2", std::max(s.SOPaska2, s.SODr2));
        if (s.SODr2 > 0)
            z.N("FrPaska2", s.SODr2);
    }
    if (s.MuzeODrazku > 0) {
        z.N("Drazka1", s.SODrazka1);
        z.N("Drazka2", s.SODrazka2);
    }
    if (s.SKamen1 || s.SRamecek1 > 0 || s.SOPaska1 > 0 || s.SODr1 > 0) {
        const TRbarva &r = s.RBarva1.RBarva;
        z.S("RBarva1", r.Kod);
        z.B("Ram1HPL", r.JenomHPL);
        z.B("RAK1", r.Hlinik);
        z.B("Nerez1", r.AK);
    }
    if (s.SKamen2 || s.SRamecek2 > 0 || s.SOPaska2 > 0 || s.SODr2 > 0) {
        const TRbarva &r = s.RBarva2.RBarva;
        z.S("RBarva2", r.Kod);
        z.B("Ram2HPL", r.JenomHPL);
        z.B("RAK2", r.Hlinik);
        z.B("Nerez2", r.AK);
    }
    if (s.BarvyVybrany) {
        const auto barva = [&](const std::string &n, const TDbarva &b) {
            z.S("Barva" + n, b.Kod);
            z.B("Barva" + n + "HPL", b.JenomHPL);
            z.S("Ral" + n, b.Cislo);
        };
        barva("1", s.SBarva1.DBarva);
        if (s.SDvojbarva)
            barva("12", s.SBarva12.DBarva);
        barva("2", s.SBarva2.DBarva);
    }
    z.N("Vyztuz", s.SVyztuz);
    if (s.VitrazVybrana) {
        z.N("VitrPis", s.SVitraz.DVitraz.VitrPis);
        z.S("VitrazPisek", s.SVitraz.DVitraz.Kod);
    }
    if (s.DekoryVybrany) {
        z.S("Sklo1", s.SDekor1.DDekor.Kod);
        z.S("Sklo2", s.SDekor2.DDekor.Kod);
        if (s.STrojsklo || s.SPrekryv == 2) {
            z.B("Trojsklo", true);
            z.S("SkloP", s.SDekorP.DDekor.Kod);
            if (s.SCtyrsklo) {
                z.B("Ctyrsklo", true);
                z.S("SkloP2", s.SDekor4.DDekor.Kod);
            }
        }
    }
    if (s.MrizkaVybrana) {
        z.S("Mrizka", s.SMrizka.DMrizka.Kod);
        z.N("MSirka", s.SMrizka.DMrizka.SSirka);
    }
}

void ZapisDoplnky(TSifraSoubor &f, Session &s)
{
    Zapisovac z(f, kVypln);
    int n = 0;
    for (const TDDoplnek *d : Sloty(s)) {
        const std::string c = Cislo(++n);
        if (d->Polozka < 0)
            continue;
        z.S("Doplnek" + c, d->Kod);
        z.I("DPocet" + c, d->PocetKs);
        z.B("Montaz" + c, d->Namontovat);
        z.B("Misto" + c, d->Umisten);
        z.I("DTloustka" + c, d->Tloustka);
        if (d->MaDistanci && s.SZesil < 20 && s.SPrekryv < 2 && d->SBarvaDR >= 0) {
            z.B("DistanceD" + c, d->MaDistanci);
            z.I("BarvaDR" + c, d->SBarvaDR);
        }
        z.B("NettoD" + c, d->CenaNetto);
        z.B("VMDL" + c, d->MadloVert);
        z.I("VVZD" + c, d->VzdVert);
        if (d->Umisten) {
            z.I("Zleva" + c, d->Zleva);
            z.I("Zdola" + c, d->Zdola);
        }
    }
}

void ZapisPoznamky(TSifraSoubor &f, const Session &s)
{
    Zapisovac z(f, kPoznamky);
    for (std::size_t i = 0; i < s.SPoznamky.size(); ++i)
        z.S("Radek" + std::to_string(i), s.SPoznamky[i]);
}

// ---- Reader --------------------------------------------------------------------------

class Ctenar {
public:
    Ctenar(const IniFile &f, const char *sekce) : f_(f), sekce_(sekce) {}
    std::string S(const std::string &k, const std::string &def = "") const
    {
        return f_.ReadString(sekce_, k, def);
    }
    int I(const std::string &k, int def) const { return f_.ReadInteger(sekce_, k, def); }
    bool B(const std::string &k) const { return f_.ReadBool(sekce_, k, false); }

private:
    const IniFile &f_;
    const char *sekce_;
};

// The records of the chosen items start empty: only what the file and the catalogue say
// is in them afterwards (nothing of the job that was open before).
void VycistiZaznamy(Session &s)
{
    s.SVypln.DVypln = TDVypln{};
    s.SBarva1.DBarva = TDbarva{};
    s.SBarva2.DBarva = TDbarva{};
    s.SBarva12.DBarva = TDbarva{};
    s.RBarva1.RBarva = TRbarva{};
    s.RBarva2.RBarva = TRbarva{};
    s.SVitraz.DVitraz = TDVitraz{};
    s.SDekor1.DDekor = TDdekor{};
    s.SDekor2.DDekor = TDdekor{};
    s.SDekorP.DDekor = TDdekor{};
    s.SDekor4.DDekor = TDdekor{};
    s.SMrizka.DMrizka = TDMrizka{};
    for (TDDoplnek *d : Sloty(s))
        *d = TDDoplnek{};
}

// Step of an infill job: the panel choices of [Vypln].
void NactiPanel(Session &s, const Ctenar &v)
{
    s.SAkcni = v.B("AkcniV");
    s.SFormat = Volba(v.I("Format", 0), 1, 2, -1);
    s.SZaskleni = Volba(v.I("Zaskleni", 0), 0, 6, -1);
    s.SHlinik = v.B("Hlinik");
    s.SDyha = v.B("Dyha");
    s.SGlas = v.B("Glas");
    s.SDyha2 = v.B("Dyha2");
    s.SHlinik2 = v.B("Hlinik2");
    s.SHPL1 = v.B("HPL1");
    s.SHPL2 = v.B("HPL2");
    s.SExcentr = v.B("Excentr");
    s.SPrava = v.B("Prava");
    s.SAsymH = v.B("AsymH");
    s.SPomerH = Omez(v.I("PomerH", 100), 0, kMaxRozmer);
    s.SAsymp = v.B("AsymP");
    s.SPomerP = Omez(v.I("PomerP", 100), 0, kMaxRozmer);
    s.SJednoZask = v.B("JednoZask");
    s.SFixFormat = ShortString(v.S("FixFormat"), kFixFormatLen);
    s.Zesilena = v.B("Zesilena");
    s.SZetkova = v.B("Zetkova");
    s.SEnkova = v.B("Enkova");
    s.SRameckova = v.B("Rameckova");
    s.SPulpanel = v.B("Pulpanel");
    s.SDvojbarva = v.B("Dvojbarva");
    s.SKamen = s.SKamen1 = s.SKamen2 = false;
    s.SPozic = Omez(v.I("Pozic", 1), 0, kMaxPozic);

    // Reinforcement; the index is derived again by the next pricing.
    if (s.Zesilena) {
        s.SZesil = Omez(v.I("SZesil", 12), 0, kMaxZesil);
        if (s.SZesil == 0)
            s.IndZesil = 99;
        s.STrojsklo = v.B("Trojsklo");
    } else {
        s.SZesil = 0;
        s.IndZesil = 99;
        s.STrojsklo = false;
    }

    s.SPosunOs = v.B("PosunOs");
    s.SHPosun = s.SPosunOs ? Omez(v.I("HPosun", 0), -kMaxRozmer, kMaxRozmer) : 0;
    s.SVPosun = s.SPosunOs ? Omez(v.I("VPosun", 0), -kMaxRozmer, kMaxRozmer) : 0;

    const auto rozmer = [&](const char *k, int def) { return Omez(v.I(k, def), -kMaxRozmer, kMaxRozmer); };
    s.SPrekryvna = v.B("Prekryvna");
    if (s.SPrekryvna) {
        s.SPrekryv = Volba(v.I("SPrekryv", 1), 1, 2, 1);
        s.PVL = rozmer("PVL", 0);
        s.PVP = rozmer("PVP", 0);
        s.PVH = rozmer("PVH", 0);
        s.PVD = rozmer("PVD", 0);
        s.KotH1 = rozmer("KotH1", 0);
        s.KotH2 = rozmer("KotH2", 0);
        s.KotD1 = rozmer("KotD1", 0);
        s.KotD2 = rozmer("KotD2", 0);
        s.KotL1 = rozmer("KotL1", 0);
        s.KotL2 = rozmer("KotL2", 0);
        s.KotL3 = rozmer("KotL3", 0);
        s.KotL4 = rozmer("KotL4", 0);
        s.KotP1 = rozmer("KotP1", 0);
        s.KotP2 = rozmer("KotP2", 0);
        s.KotP3 = rozmer("KotP3", 0);
        s.KotP4 = rozmer("KotP4", 0);
        s.PrekryvVybran = s.PVL != 0 || s.PVP != 0 || s.PVH != 0 || s.PVD != 0;
        if (s.SPrekryv == 2) {
            s.PVL2 = rozmer("PVL2", 0);
            s.PVP2 = rozmer("PVP2", 0);
            s.PVH2 = rozmer("PVH2", 0);
            s.PVD2 = rozmer("PVD2", 0);
            s.STloustka = Omez(v.I("STloustka", 65), 0, kMaxTloustka);
            s.Prekryv2Vybran = s.PVL2 != 0 || s.PVP2 != 0 || s.PVH2 != 0 || s.PVD2 != 0;
            s.STrojsklo = true;
            s.SCtyrsklo = s.STloustka > 59;
        }
    } else {
        s.PrekryvVybran = false;
        s.Prekryv2Vybran = false;
    }

    s.ZmensenyVyrez = v.B("Zmenseny");
    s.SVyztuz = Volba(v.I("Vyztuz", 0), 1, 7, -1);
    s.ProselVyztuze = true;

    // What the type allows; the infill catalogue has the last word when the type is found.
    s.MuzeRamecek = Volba(v.I("MuzeRamecek", 0), 0, 2, 0);
    s.MuzeOMrizku = Volba(v.I("MuzeOMrizku", 0), 0, 3, 0);
    s.MuzeOPasku = Volba(v.I("MuzeOPasku", 0), 0, 2, 0);
    s.MuzeODrazku = Volba(v.I("MuzeODrazku", 0), 0, 2, 0);
    s.MuzeOPDr = s.MuzeOPasku > 0 && s.MuzeODrazku > 0 ? s.MuzeODrazku : 0;

    // Variants of frames, muntins, strips and grooves; an unknown one is none.
    const auto varianta = [&](const char *k, int max) { return Volba(v.I(k, 0), 0, max, 0); };
    s.SRamecek1 = varianta("Ramecek1", 2);
    s.SRamecek2 = varianta("Ramecek2", 2);
    s.SOMrizka = varianta("OMrizka", 3);
    s.SOPaska1 = varianta("Paska1", 2);
    s.SODr1 = varianta("FrPaska1", 2);
    s.SOPaska2 = varianta("Paska2", 2);
    s.SODr2 = varianta("FrPaska2", 2);
    s.SODrazka1 = varianta("Drazka1", 2);
    s.SODrazka2 = varianta("Drazka2", 2);

    // Frame colours; an aluminium or glass panel without a frame colour has an aluminium frame.
    TRbarva &r1 = s.RBarva1.RBarva;
    r1.Kod = v.S("RBarva1");
    r1.Hlinik = v.B("RAK1");
    r1.AK = v.B("Nerez1");
    if ((s.SHlinik || s.SHlinik2 || s.SDyha2 || s.SGlas) && Empty(r1.Kod) && !r1.Hlinik && !r1.AK)
        r1.Hlinik = true;
    TRbarva &r2 = s.RBarva2.RBarva;
    r2.Kod = v.S("RBarva2");
    r2.Hlinik = v.B("RAK2");
    r2.AK = v.B("Nerez2");
    if ((s.SHlinik || s.SGlas) && Empty(r2.Kod) && !r2.Hlinik && !r2.AK)
        r2.Hlinik = true;

    s.SSirka = rozmer("Sirka", 0);
    s.SVyska = rozmer("Vyska", 0);

    s.SBarva1.DBarva.Kod = v.S("Barva1");
    s.SBarva2.DBarva.Kod = v.S("Barva2");
    s.SBarva12.DBarva.Kod = v.S("Barva12");
    s.SBarva1.DBarva.Cislo = ShortString(v.S("Ral1", "0000"), 4);
    s.SBarva2.DBarva.Cislo = ShortString(v.S("Ral2", "0000"), 4);
    s.SBarva12.DBarva.Cislo = ShortString(v.S("Ral12", "0000"), 4);

    s.SVitraz.DVitraz.Kod = v.S("VitrazPisek");
    s.SVitraz.DVitraz.VitrPis = Volba(v.I("VitrPis", 0), 0, 4, 0);
    s.SDekor1.DDekor.Kod = v.S("Sklo1");
    s.SDekor2.DDekor.Kod = v.S("Sklo2");
    s.SDekorP.DDekor.Kod = v.S("SkloP");
    s.SDekor4.DDekor.Kod = v.S("SkloP2");
    s.SMrizka.DMrizka.Kod = v.S("Mrizka");
    s.SMrizka.DMrizka.SSirka = rozmer("MSirka", 0);
}

void NactiDoplnky(Session &s, const Ctenar &v)
{
    int n = 0;
    for (TDDoplnek *d : Sloty(s)) {
        const std::string c = Cislo(++n);
        d->Kod = v.S("Doplnek" + c);
        if (Empty(d->Kod)) {
            d->Polozka = -1;
            continue;
        }
        d->Polozka = 1;
        d->PocetKs = Omez(v.I("DPocet" + c, 1), 0, kMaxPocet);
        d->Namontovat = v.B("Montaz" + c);
        d->MaDistanci = v.B("DistanceD" + c);
        d->CenaNetto = v.B("NettoD" + c);
        d->MadloVert = v.B("VMDL" + c);
        d->VzdVert = Omez(v.I("VVZD" + c, 0), -kMaxRozmer, kMaxRozmer);
        // The spacer colour is stored together with the spacer: without it none was chosen
        // (a missing BarvaDR beside it is white, the value the writer leaves out).
        d->SBarvaDR = d->MaDistanci ? Volba(v.I("BarvaDR" + c, 0), 0, 1, -1) : -1;
        d->Tloustka = Omez(v.I("DTloustka" + c, 0), -kMaxRozmer, kMaxRozmer);
        if (d->Namontovat)
            d->Umisten = v.B("Misto" + c);
        if (d->Umisten) {
            d->Zleva = Omez(v.I("Zleva" + c, 0), -kMaxRozmer, kMaxRozmer);
            d->Zdola = Omez(v.I("Zdola" + c, 0), -kMaxRozmer, kMaxRozmer);
        }
        if (d->Namontovat && (d->Kod == kMadloPrmdl || d->MadloVert))
            s.SMadlo = true;
        s.DoplnkyVybrany = true;
    }
}

// The infill type from the infill catalogue; false (with a message) when its code is unknown.
bool NactiTypVyplne(Session &s, Messages &Zpravy)
{
    const TSifraSoubor &vyp = Katalog(s, kVyplne);
    TDVypln &v = s.SVypln.DVypln;
    const std::string sekce = NajdiStr(vyp, "Kod", v.Kod);
    if (sekce == kNenalezeno) {
        Zpravy.Hlaska("Quilmar", kNeznamaVypln + v.Kod, 0);
        return false;
    }
    s.VyplnVybrana = true;
    s.RozmerVybran = true;
    NactiVypln(vyp, sekce, v);
    s.SHlinik = v.Hlinik;
    s.SDyha = v.Dyha;
    s.SGlas = v.Glas;
    s.SRadaK = v.RadaK;
    s.SExcentr = v.Excentr;
    s.SPravaV = v.PravaV;
    s.SAsymH = v.AsymH;
    s.SPomerH = v.PomerH;
    s.SAsymp = v.AsymP;
    s.SPomerP = v.PomerP;
    s.SJednoZask = v.JednoZask;
    s.SFixFormat = ShortString(v.FixFormat, kFixFormatLen);
    s.SPulpanel = v.Pulpanel;
    s.SZetkova = v.Zetkova;
    s.SEnkova = v.Enkova;
    s.SRameckova = v.Rameckova;
    s.SKamen = false;
    s.SLisovana = !s.SHlinik && !(s.SRadaK || s.SDyha || s.SGlas);
    s.MuzeOMrizku = v.OZMPocet;
    NactiCary(s, vyp, sekce, s.SZetkova);
    s.MuzeRamecek = PocetVariant(v.RM1cena, v.RM2cena);
    s.RamPouzeAK = v.RamJenAK;
    s.MuzeOPasku = PocetVariant(v.OP1cena, v.OP2cena);
    s.MuzeODrazku = PocetVariant(v.OD1cena, v.OD2cena);
    return true;
}

void NactiBarvy(Session &s)
{
    bool venku = s.SGlas; // a glass panel has no outer colour of its own
    bool uvnitr = false;
    const auto barva = [&](TOBarva &b) {
        return !Empty(b.DBarva.Kod) && NactiBarvuPodleKodu(s, b.DBarva);
    };
    if (barva(s.SBarva1))
        venku = true;
    if (s.SDvojbarva && barva(s.SBarva12))
        venku = true;
    if (barva(s.SBarva2))
        uvnitr = true;
    const TSifraSoubor &barvy = Katalog(s, kBarvy);
    for (TROBarva *r : {&s.RBarva1, &s.RBarva2})
        if (!Empty(r->RBarva.Kod))
            r->RBarva.Nazev = NajdiStr(barvy, "Kod", r->RBarva.Kod);
    s.BarvyVybrany = venku && uvnitr;
}

void NactiSkla(Session &s)
{
    const int vitrPis = s.SVitraz.DVitraz.VitrPis;
    const auto sklo = [&](TDekor &d) {
        if (Empty(d.DDekor.Kod))
            return false;
        NactiDekorPodleKodu(s, d.DDekor);
        return true;
    };

    bool vnejsi = s.SGlas;
    TDdekor &d1 = s.SDekor1.DDekor;
    if (d1.Kod == kConnex) {
        d1.Nazev = "connex 4.4.6";
        d1.TypSkla = 4;
        d1.Tloustka = 11;
        vnejsi = true;
    } else if (sklo(s.SDekor1)) {
        vnejsi = true;
    }
    if (vitrPis == 1 || vitrPis == 3)
        vnejsi = true;

    const bool vnitrni = sklo(s.SDekor2);

    bool prostredni = true;
    if (s.STrojsklo || s.SPrekryv == 2) {
        const bool maKod = sklo(s.SDekorP);
        prostredni = vitrPis > 0 || maKod;
    }

    bool ctvrta = true;
    if (s.SCtyrsklo)
        ctvrta = sklo(s.SDekor4);

    s.DekoryVybrany = vnejsi && vnitrni && prostredni && ctvrta;
}

void NactiDoplnkyZKatalogu(Session &s)
{
    int n = 0;
    for (TDDoplnek *d : Sloty(s)) {
        ++n;
        if (Empty(d->Kod))
            continue;
        NactiDoplnekPodleKodu(s, *d);
        if (n == 1) {
            s.DoplnkyVybrany = true;
            d->Polozka = 1;
            if (s.SOMrizka > 0)
                d->Nazev = "M" + Cislo(s.SOMrizka) + " = " + Cislo(d->PocetKs) + " x " + kKratka;
        }
    }
}

} // namespace

std::string ZmenPriponu(const std::string &Cesta, const std::string &Nova)
{
    const std::string stara = Pripona(Cesta);
    return Cesta.substr(0, Cesta.size() - stara.size()) + Nova;
}

void FileZapis(Session &s, std::string &Jmeno, bool LSoubor, const Clock &Hodiny,
               const ZakaznikDialog &Zakaznik)
{
    const bool zakazka = LSoubor || VelkaAscii(Pripona(Jmeno)) != ".QMR";
    if (!zakazka)
        Jmeno = s.apPriloha;
    if (zakazka && s.apZakaznik && Zakaznik)
        Zakaznik(s);

    // Everything that could fail is computed before the file is touched.
    const std::string vystaveni = FormatDate(Hodiny.Today());
    const std::string dodani = FormatDate(s.apTermin);

    // The new content is built in memory and replaces the file in one atomic write.
    TSifraSoubor f(Jmeno);
    f.Zapis = false;
    f.SetAutoFlush(false);
    f.EraseAll();
    ZapisObjednavku(f, s, vystaveni, dodani);
    if (zakazka && s.apZakaznik)
        ZapisZakaznika(f, s.Zakaznik.Data);
    ZapisFirmu(f, s.Firma.Data);
    if (s.TypZakazky == 1)
        ZapisVypln(f, s);
    if (s.DoplnkyVybrany || s.SOMrizka > 0)
        ZapisDoplnky(f, s);
    ZapisPoznamky(f, s);
    f.UpdateFile();

    if (zakazka)
        s.apEdited = false;
}

bool NactiDataPrijme(const std::string &S)
{
    if (!LzeCist(S))
        return false;
    const IniFile f(S);
    const int typ = f.ReadInteger(kObjednavka, "Typ", 9);
    return typ == 1 || typ == 2;
}

bool NactiData(Session &s, const std::string &S, Messages &Zpravy, const Clock &Hodiny)
{
    // A file that is not a job file changes nothing. Only regular files are opened, so a
    // pipe or a device cannot block the program.
    const bool lzeCist = LzeCist(S);
    IniFile f(lzeCist ? S : std::string());
    // The job is read in one go: one parse, no freshness check per key.
    f.SetCheckOnRead(false);
    const int typ = lzeCist ? f.ReadInteger(kObjednavka, "Typ", 9) : 9;
    if (typ != 1 && typ != 2) {
        Zpravy.Chyba(kFiltrZakazek, kZlyPlik + S);
        return false;
    }
    const Ctenar o(f, kObjednavka);
    const Ctenar v(f, kVypln);

    s.NovaVypln = false;
    s.apPath = S;
    s.apSoubor = JmenoSouboru(S);
    s.DataPath = SlozkaSouboru(S);
    const std::string verze = o.S("Verze", "???");
    if (verze != s.apVerze)
        Zpravy.Hlaska(kFiltrZakazek, kUwagaVerze + verze, 0);

    ZrusVse(s);
    VycistiZaznamy(s);
    s.DoplnkyVybrany = false;

    s.apTermin = Datum(o.S("Dodani"), Hodiny);
    s.apCislo = o.S("Cislo");
    if (s.apCislo.empty())
        s.apCislo = JenJmeno(s.apSoubor);
    s.TypZakazky = typ;
    s.apPocet = Omez(o.I("Pocet", 1), 0, kMaxPocet);
    s.apPodpis = o.S("Podpis");
    s.apDatObj = Datum(o.S("Vystaveni"), Hodiny);
    s.apOdvoz = o.B("Odvoz");
    if (s.apZakaznik)
        NactiZakaznika(f, s.Zakaznik.Data);

    s.SVypln.DVypln.Kod = v.S("Kod");
    s.KodVyplne = s.SVypln.DVypln.Kod;
    const bool vypln = s.TypZakazky == 1;
    if (vypln)
        NactiPanel(s, v);
    s.SMadlo = false;
    NactiDoplnky(s, v);
    const Ctenar p(f, kPoznamky);
    for (int i = 0; i < kMaxPoznamek; ++i) {
        const std::string radek = p.S("Radek" + std::to_string(i));
        if (!Empty(radek))
            s.SPoznamky.push_back(radek);
    }

    // Names, prices and type properties from today's catalogue.
    if (vypln) {
        NactiTypVyplne(s, Zpravy);
        NactiBarvy(s);
        NactiSkla(s);
    }
    NactiDoplnkyZKatalogu(s);
    if (!Empty(s.SVitraz.DVitraz.Kod)) {
        s.VitrazVybrana = true;
        NactiVitrazPodleKodu(s, s.SVitraz.DVitraz);
    }
    if (!Empty(s.SMrizka.DMrizka.Kod)) {
        s.MrizkaVybrana = true;
        NactiMrizkuPodleKodu(s, s.SMrizka.DMrizka, s.SZaskleni, s.SFormat);
    }
    s.apEdited = false;

    s.TurSirka = 0;
    s.TurVyska = 0;
    s.FixRozmer = false;
    s.RozmerVybran = s.SSirka >= 1 && s.SVyska > 0;
    NastavMaxima(s, false);
    SetKodRysu(s, s.SVypln.DVypln.Kod);
    return true;
}

// ---- Commands -----------------------------------------------------------------------

TZapis::TZapis(Session &s, Messages &Zpravy, const Clock &Hodiny, FileDialogs &Dialogy)
    : s_(s), zpravy_(Zpravy), hodiny_(Hodiny), dialogy_(Dialogy)
{
}

void TZapis::FileZapis(std::string &Jmeno, bool LSoubor)
{
    qmr::FileZapis(s_, Jmeno, LSoubor, hodiny_, Zakaznik);
}

bool TZapis::NactiData(const std::string &S)
{
    return qmr::NactiData(s_, S, zpravy_, hodiny_);
}

int TZapis::TestZapisu()
{
    if (!s_.apEdited)
        return IDYES;
    const int odpoved = zpravy_.Hlaska("Quilmar", kOtazkaZmeny, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (odpoved == IDYES)
        return Ulozit() == IDCANCEL ? IDCANCEL : IDYES;
    if (odpoved == IDNO)
        return IDYES;
    return IDCANCEL;
}

void TZapis::FileOpen()
{
    const std::string navrh = s_.DataPath + std::string(kNovyPlik);
    if (TestZapisu() == IDCANCEL)
        return;
    const std::optional<std::string> volba = dialogy_.Open(navrh, s_.DataPath, kFiltrZakazek);
    if (!volba || !Existuje(*volba))
        return;
    if (!NactiDataPrijme(*volba)) {
        // Refused with its message; the panel stays as it is.
        NactiData(*volba);
        return;
    }

    Session &s = s_;
    s.SVypln.DVypln.Polozka = -1;
    s.VyplnVybrana = s.RozmerVybran = s.BarvyVybrany = s.VitrazVybrana = false;
    s.DekoryVybrany = s.MrizkaVybrana = s.DoplnkyVybrany = s.SMadlo = false;
    s.ProselVyztuze = s.ZmensenyVyrez = s.STrojsklo = s.SCtyrsklo = s.Zesilena = false;
    s.SZetkova = s.SEnkova = s.SRameckova = s.SPosunOs = s.SPrekryvna = false;
    s.PrekryvVybran = s.Prekryv2Vybran = false;
    s.SFormat = s.SZaskleni = s.SVyztuz = -1;
    s.SRamecek1 = s.SRamecek2 = s.SOMrizka = 0;
    s.SOPaska1 = s.SOPaska2 = s.SODrazka1 = s.SODrazka2 = 0;
    s.SZesil = s.SHPosun = s.SVPosun = s.SPrekryv = 0;
    s.SPoznamky.clear();
    s.apTermin = s.apDatObj = hodiny_.Today();
    s.apCislo.clear();
    s.apPodpis.clear();
    s.apPocet = 0;
    s.apOdvoz = false;
    s.apPath = *volba;
    NactiData(s.apPath);
}

int TZapis::Ulozit()
{
    // A job opened or saved before goes back to its file. A name the forms gave a new
    // job (apCislo + ".qms") has no file yet, so it is proposed in the dialog instead of
    // being written under the old default path.
    const std::string jmeno = Trim(s_.apSoubor);
    const bool znamy = !jmeno.empty() && jmeno != Trim(std::string(kNovyPlik)) && !s_.apPath.empty() &&
                       JmenoSouboru(s_.apPath) == s_.apSoubor;
    if (!znamy) {
        VytvorJmeno(s_, false);
        const std::optional<std::string> volba = dialogy_.Save(s_.apSoubor, s_.DataPath, kFiltrZakazek);
        if (!volba)
            return IDCANCEL;
        s_.apPath = ZmenPriponu(*volba, std::string(kJobExt));
    }
    s_.apSoubor = JmenoSouboru(s_.apPath);
    // The file shown is the file written, also for a job that came as an attachment (".qmr").
    std::string cesta = s_.apPath;
    qmr::FileZapis(s_, cesta, true, hodiny_, Zakaznik);
    s_.DataPath = SlozkaSouboru(s_.apPath);
    s_.apEdited = false;
    ZapisPath(s_);
    return IDYES;
}

int TZapis::UlozitJako(bool lMail)
{
    VytvorJmeno(s_, lMail);
    const std::string pripona(lMail ? kPrilohaExt : kJobExt);
    if (lMail)
        s_.apSoubor = ZmenPriponu(s_.apSoubor, pripona);
    const std::optional<std::string> volba =
        dialogy_.Save(s_.apSoubor, s_.DataPath, lMail ? kFiltrPriloh : kFiltrZakazek);
    if (!volba)
        return IDCANCEL;
    s_.apPath = ZmenPriponu(*volba, pripona);
    s_.apSoubor = JmenoSouboru(s_.apPath);
    s_.DataPath = SlozkaSouboru(s_.apPath);
    std::string cesta = s_.apPath;
    qmr::FileZapis(s_, cesta, lMail, hodiny_, Zakaznik);
    s_.apEdited = false;
    ZapisPath(s_);
    return IDYES;
}

} // namespace qmr
