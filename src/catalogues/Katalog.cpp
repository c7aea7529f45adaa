#include "catalogues/Katalog.h"

#include "core/Funkce.h"

#include <array>

namespace qmr {

namespace {

std::string cislo(int n) { return std::to_string(n); }

// The ZH{n}/ZV{n} triples of an infill type by line number 1..6.
struct Cara {
    int TDVypln::*val;
    int TDVypln::*rel;
    bool TDVypln::*neg;
};
constexpr std::array<Cara, 6> kVodorovne{{
    {&TDVypln::ZH1val, &TDVypln::ZH1rel, &TDVypln::ZH1neg},
    {&TDVypln::ZH2val, &TDVypln::ZH2rel, &TDVypln::ZH2neg},
    {&TDVypln::ZH3val, &TDVypln::ZH3rel, &TDVypln::ZH3neg},
    {&TDVypln::ZH4val, &TDVypln::ZH4rel, &TDVypln::ZH4neg},
    {&TDVypln::ZH5val, &TDVypln::ZH5rel, &TDVypln::ZH5neg},
    {&TDVypln::ZH6val, &TDVypln::ZH6rel, &TDVypln::ZH6neg},
}};
constexpr std::array<Cara, 6> kSvisle{{
    {&TDVypln::ZV1val, &TDVypln::ZV1rel, &TDVypln::ZV1neg},
    {&TDVypln::ZV2val, &TDVypln::ZV2rel, &TDVypln::ZV2neg},
    {&TDVypln::ZV3val, &TDVypln::ZV3rel, &TDVypln::ZV3neg},
    {&TDVypln::ZV4val, &TDVypln::ZV4rel, &TDVypln::ZV4neg},
    {&TDVypln::ZV5val, &TDVypln::ZV5rel, &TDVypln::ZV5neg},
    {&TDVypln::ZV6val, &TDVypln::ZV6rel, &TDVypln::ZV6neg},
}};

enum class Kdo { Zakazka, Vyber };

bool nactiVypln(const TSifraSoubor &f, const std::string &sekce, TDVypln &v, Kdo kdo,
                bool SGlas)
{
    const auto B = [&](const char *k) { return f.ReadBool(sekce, k, false); };
    const auto I = [&](const char *k, int def) { return f.ReadInteger(sekce, k, def); };
    const auto E = [&](const std::string &k) { return f.ReadSifra(sekce, k); };

    v.Nazev = sekce;
    v.Kod = f.ReadString(sekce, "Kod", "");
    v.Special = B("Special");
    v.Hlinik = B("Hlinik");
    v.Dyha = B("Dyha");
    v.Glas = B("Glas");
    v.RadaK = B("RadaK");
    v.Kamen = false;
    v.Pulpanel = B("Pulpanel");
    v.Dvojbarva = B("Dvojbarva");
    v.Lisovana = !(v.Hlinik || v.RadaK || v.Glas || v.Dyha);
    v.Pozic = I("Pozic", 1);
    v.Zetkova = B("Zetkova");
    v.Enkova = B("Enkova");
    v.Rameckova = B("Rameckova");
    v.Excentr = B("Excentr");
    v.AsymH = B("AsymH");
    v.PomerH = I("PomerH", 100);
    v.AsymP = B("AsymP");
    v.PravaV = B("PravaV");
    v.PomerP = I("PomerP", 100);
    v.JednoZask = B("JednoZask");
    v.AkcniV = B("AkcniV");
    v.FixFormat = f.ReadString(sekce, "FixFormat", "");

    v.MaxVyskaF1 = I("MaxVyskaF1", 2200);
    v.MaxSirkaF1 = I("MaxSirkaF1", 1000);
    v.MinVyskaF1 = I("MinVyskaF1", 0);
    v.MinSirkaF1 = I("MinSirkaF1", 0);
    v.MaxVyskaF2 = I("MaxVyskaF2", v.MaxVyskaF1);
    v.MaxSirkaF2 = I("MaxSirkaF2", v.MaxSirkaF1);
    const bool vyber = kdo == Kdo::Vyber;
    v.MinVyskaF2 = I("MinVyskaF2", vyber ? v.MinVyskaF1 : 0);
    v.MinSirkaF2 = I("MinSirkaF2", vyber ? v.MinSirkaF1 : 0);
    if (vyber && !v.Lisovana) {
        // Only a pressed panel has a second format of its own size.
        v.MaxVyskaF2 = v.MaxVyskaF1;
        v.MaxSirkaF2 = v.MaxSirkaF1;
    }
    v.HraVyskaF1 = I("HraVyskaF1", 0);
    v.HraSirkaF1 = I("HraSirkaF1", 0);
    v.HraVyskaF2 = I("HraVyskaF2", 0);
    v.HraSirkaF2 = I("HraSirkaF2", 0);
    v.MinVyskaF2R2 = I("MinVyskaF2R2", 0);
    v.MinSirkaF2R2 = I("MinSirkaF2R2", 0);
    v.HraVyskaF2R2 = I("HraVyskaF2R2", 0);
    v.HraSirkaF2R2 = I("HraSirkaF2R2", 0);
    v.MinVyskaF2P1 = I("MinVyskaF2P1", 0);
    v.MinSirkaF2P1 = I("MinSirkaF2P1", 0);
    v.HraVyskaF2P1 = I("HraVyskaF2P1", 0);
    v.HraSirkaF2P1 = I("HraSirkaF2P1", 0);
    v.MinVyskaF2P2 = I("MinVyskaF2P2", 0);
    v.MinSirkaF2P2 = I("MinSirkaF2P2", 0);
    v.HraVyskaF2P2 = I("HraVyskaF2P2", 0);
    v.HraSirkaF2P2 = I("HraSirkaF2P2", 0);
    v.KMaxVyskaF2 = I("KMaxVyskaF2", 0);
    v.KMaxSirkaF2 = I("KMaxSirkaF2", 0);
    v.KMinVyskaF2 = I("KMinVyskaF2", 0);
    v.KMinSirkaF2 = I("KMinSirkaF2", 0);

    v.OZMPocet = I("OZMPocet", 0);
    v.OZM1 = I("OZM1", 0);
    v.OZM2 = I("OZM2", 0);
    v.OZM3 = I("OZM3", 0);
    v.HPasek = I("HPasek", 0);
    v.VPasek = I("VPasek", 0);
    for (int n = 1; n <= 6; ++n) {
        const Cara &h = kVodorovne[n - 1];
        v.*h.val = I(("ZH" + cislo(n) + "val").c_str(), 0);
        v.*h.rel = I(("ZH" + cislo(n) + "rel").c_str(), 0);
        v.*h.neg = B(("ZH" + cislo(n) + "neg").c_str());
        const Cara &c = kSvisle[n - 1];
        v.*c.val = I(("ZV" + cislo(n) + "val").c_str(), 0);
        v.*c.rel = I(("ZV" + cislo(n) + "rel").c_str(), 0);
        v.*c.neg = B(("ZV" + cislo(n) + "neg").c_str());
    }

    for (int fmt = 1; fmt <= 2; ++fmt)
        for (int z = 0; z <= 6; ++z)
            v.SetZCF(fmt, z, E("ZCF" + cislo(fmt) + "S" + cislo(z)));
    v.KCF2ABS = E("KCF2ABS");

    const int rm1 = E("RMF1S1");
    const int rma1 = E("RMAF1S1");
    bool pouzeAK;
    if (vyber)
        pouzeAK = v.Rameckova ? (SGlas || v.Lisovana) : (rm1 < 1 && rma1 > 0);
    else
        pouzeAK = rm1 < 1; // the stainless pair stands in for a missing frame price
    if (pouzeAK) {
        v.RM1cena = rma1;
        v.RM2cena = E("RMA2F1S1");
    } else {
        v.RM1cena = rm1;
        v.RM2cena = E("RM2F1S1");
    }
    v.RamJenAK = vyber ? pouzeAK : (pouzeAK && v.RM1cena > 0);
    v.OP1cena = E("OPF1S1");
    v.OP2cena = E("OP2F1S1");
    v.OD1cena = E("ODF1S1");
    v.OD2cena = E("OD2F1S1");
    return f.SectionExists(sekce);
}

} // namespace

TSifraSoubor &Katalog(Session &s, const std::string &jmeno)
{
    return s.Soubory.Get(s.apData + jmeno);
}

std::string NajdiStr(const IniFile &soubor, const std::string &Nazev, const std::string &Kod)
{
    const std::string hledany = Trim(Kod);
    if (hledany.empty())
        return kNenalezeno;
    for (const std::string &sekce : soubor.ReadSections())
        if (Trim(soubor.ReadString(sekce, Nazev, "")) == hledany)
            return sekce;
    return kNenalezeno;
}

int PocetVariant(int Cena1, int Cena2)
{
    if (Cena1 < 1)
        return 0;
    return Cena2 < 1 ? 1 : 2;
}

bool NactiVypln(const TSifraSoubor &soubor, const std::string &sekce, TDVypln &v)
{
    return nactiVypln(soubor, sekce, v, Kdo::Zakazka, false);
}

bool NactiVypln(Session &s, const std::string &sekce, TDVypln &v)
{
    return NactiVypln(Katalog(s, kVyplne), sekce, v);
}

bool NactiVyplnVyberu(Session &s, const std::string &sekce, TDVypln &v)
{
    return nactiVypln(Katalog(s, kVyplne), sekce, v, Kdo::Vyber, s.SGlas);
}

bool NactiBarvu(const TSifraSoubor &f, const std::string &sekce, TDbarva &b)
{
    const auto B = [&](const char *k) { return f.ReadBool(sekce, k, false); };
    const auto I = [&](const char *k) { return f.ReadInteger(sekce, k, 0); };
    const auto E = [&](const char *k) { return f.ReadSifra(sekce, k); };
    b.Nazev = sekce;
    b.Kod = f.ReadString(sekce, "Kod", "");
    b.BF1S1 = E("BF1S1");
    b.BF1S2 = E("BF1S2");
    b.BF2S1 = E("BF2S1");
    b.BF2S2 = E("BF2S2");
    b.BF3S1 = E("BF3S1");
    b.BF3S2 = E("BF3S2");
    b.PHPL1 = E("PHPL1");
    b.VHPL1 = E("VHPL1");
    b.NetPS1 = E("NETPS1");
    b.NetPS2 = E("NETPS2");
    b.PrDekor = E("PRDEKOR");
    b.PrDvojbarva1 = E("PRDVOJBARVA1");
    b.PrDvojbarva2 = E("PRDVOJBARVA2");
    b.Drevo = I("Drevo");
    b.Dyha = B("Dyha");
    b.Hlinik = B("Hlinik");
    b.DDekor = B("DDekor");
    b.Elox = B("Elox");
    b.Beton = B("Beton");
    b.ProHPL = B("ProHPL");
    b.JenomHPL = B("JenomHPL");
    b.FixRal = B("FixRal");
    b.Kamen = false;
    b.ObjDni = I("ObjDni");
    b.ALABS = I("ALABS");
    b.MaxVF1 = I("MaxVF1");
    b.MaxVF2 = I("MaxVF2");
    b.MaxSF1 = I("MaxSF1");
    b.MaxSF2 = I("MaxSF2");
    return f.SectionExists(sekce);
}

bool NactiBarvu(Session &s, const std::string &sekce, TDbarva &b)
{
    return NactiBarvu(Katalog(s, kBarvy), sekce, b);
}

bool NactiRBarvu(const TSifraSoubor &f, const std::string &sekce, TRbarva &b)
{
    const auto B = [&](const char *k) { return f.ReadBool(sekce, k, false); };
    b.Nazev = sekce;
    b.Kod = f.ReadString(sekce, "Kod", "");
    b.Drevo = f.ReadInteger(sekce, "Drevo", 0);
    b.Hlinik = B("Hlinik");
    b.Dyha = B("Dyha");
    b.DDekor = B("DDekor");
    b.Elox = B("Elox");
    b.FixRal = B("FixRal");
    b.Beton = false;
    b.Kamen = false;
    b.ObjDni = f.ReadInteger(sekce, "ObjDni", 0);
    b.NetPS1 = f.ReadSifra(sekce, "NETPS1");
    b.NetPS2 = f.ReadSifra(sekce, "NETPS2");
    return f.SectionExists(sekce);
}

bool NactiRBarvu(Session &s, const std::string &sekce, TRbarva &b)
{
    return NactiRBarvu(Katalog(s, kBarvy), sekce, b);
}

bool NactiDekor(const TSifraSoubor &f, const std::string &sekce, TDdekor &d)
{
    d.Nazev = sekce;
    d.Kod = f.ReadString(sekce, "Kod", "");
    d.TypSkla = f.ReadInteger(sekce, "TypSkla", 0);
    d.Tloustka = f.ReadInteger(sekce, "Tloustka", 4);
    return f.SectionExists(sekce);
}

bool NactiDekor(Session &s, const std::string &sekce, TDdekor &d)
{
    return NactiDekor(Katalog(s, kDekory), sekce, d);
}

RoleSkla NactiRoleSkla(const TSifraSoubor &f, const std::string &sekce)
{
    RoleSkla r;
    r.LNeDvojsklo = f.ReadBool(sekce, "LNeDvojsklo", false);
    r.LTroj1 = f.ReadBool(sekce, "LTroj1", false);
    r.LTroj2 = f.ReadBool(sekce, "LTroj2", false);
    r.LTrojU = f.ReadBool(sekce, "LTrojU", false);
    return r;
}

RoleSkla NactiRoleSkla(Session &s, const std::string &sekce)
{
    return NactiRoleSkla(Katalog(s, kDekory), sekce);
}

bool NactiDoplnek(const TSifraSoubor &f, const std::string &sekce, TDDoplnek &d)
{
    const auto B = [&](const char *k) { return f.ReadBool(sekce, k, false); };
    d.Nazev = sekce;
    d.Kod = f.ReadString(sekce, "Kod", "");
    d.SCena = f.ReadSifra(sekce, "Cena");
    d.SMontaz = f.ReadSifra(sekce, "Montaz");
    d.SCenaDR = f.ReadSifra(sekce, "CenaDR");
    d.MaDistanci = B("MaDistanci");
    d.AutoMontaz = B("AutoMontaz");
    d.BezTloustky = B("BezTloustky");
    d.MadloVert = B("MadloVert");
    d.CenaNetto = B("CenaNetto");
    d.MaxTl = B("LimitTl");
    d.Minimum = B("Minimum");
    d.Neukazat = B("Neukazat");
    d.NeSMont = B("NeSMont");
    d.NeBezM = B("NeBezM");
    d.VzdVert = f.ReadInteger(sekce, "VzdVert", 0);
    d.MaxTloust = f.ReadInteger(sekce, "MaxTloust", 99);
    return f.SectionExists(sekce);
}

bool NactiDoplnek(Session &s, const std::string &sekce, TDDoplnek &d)
{
    return NactiDoplnek(Katalog(s, kDoplnky), sekce, d);
}

bool NactiVitraz(const TSifraSoubor &f, const std::string &sekce, TDVitraz &v)
{
    v.Nazev = sekce;
    v.Kod = f.ReadString(sekce, "Kod", sekce);
    v.VitrPis = f.ReadInteger(sekce, "VitrPis", 0);
    for (int fmt = 1; fmt <= 2; ++fmt)
        for (int z = 1; z <= 6; ++z)
            v.SetCF(fmt, z, f.ReadSifra(sekce, "CF" + cislo(fmt) + "S" + cislo(z)));
    return f.SectionExists(sekce);
}

bool NactiVitraz(Session &s, const std::string &sekce, TDVitraz &v)
{
    return NactiVitraz(Katalog(s, kVitraze), sekce, v);
}

bool NactiMrizku(const TSifraSoubor &f, const std::string &sekce, TDMrizka &m, int SZaskleni,
                 int SFormat)
{
    const std::string z = cislo(SZaskleni);
    const std::string fmt = cislo(SFormat);
    m.Nazev = sekce;
    m.Kod = f.ReadString(sekce, "Kod", "???");
    m.Sirka1 = f.ReadInteger(sekce, "SirkaS" + z + "1", 0);
    m.Sirka2 = f.ReadInteger(sekce, "SirkaS" + z + "2", 0);
    m.Sirka3 = f.ReadInteger(sekce, "SirkaS" + z + "3", 0);
    m.Cena1 = f.ReadSifra(sekce, "CS" + z + "S1F" + fmt);
    m.Cena2 = f.ReadSifra(sekce, "CS" + z + "S2F" + fmt);
    m.Cena3 = f.ReadSifra(sekce, "CS" + z + "S3F" + fmt);
    m.SCena = CenaMrizky(m);
    return f.SectionExists(sekce);
}

bool NactiMrizku(Session &s, const std::string &sekce, TDMrizka &m, int SZaskleni, int SFormat)
{
    return NactiMrizku(Katalog(s, kMrizky), sekce, m, SZaskleni, SFormat);
}

int CenaMrizky(const TDMrizka &m)
{
    if (m.SSirka == m.Sirka1)
        return m.Cena1;
    if (m.SSirka == m.Sirka2)
        return m.Cena2;
    return m.Cena3;
}

namespace {

// Looks the record's Kod up in `soubor` and reads the section found (or the missing
// "?????" section, which gives the defaults) with `cti`, keeping the Kod.
template <class R, class Cti>
bool podleKodu(const TSifraSoubor &soubor, R &r, Cti cti)
{
    const std::string kod = r.Kod;
    const std::string sekce = NajdiStr(soubor, "Kod", kod);
    const bool nalezeno = sekce != kNenalezeno;
    cti(nalezeno ? sekce : std::string(kNenalezeno));
    r.Nazev = sekce;
    r.Kod = kod;
    return nalezeno;
}

} // namespace

bool NactiBarvuPodleKodu(Session &s, TDbarva &b)
{
    const TSifraSoubor &f = Katalog(s, kBarvy);
    return podleKodu(f, b, [&](const std::string &sekce) { NactiBarvu(f, sekce, b); });
}

bool NactiDekorPodleKodu(Session &s, TDdekor &d)
{
    const TSifraSoubor &f = Katalog(s, kDekory);
    return podleKodu(f, d, [&](const std::string &sekce) { NactiDekor(f, sekce, d); });
}

bool NactiDoplnekPodleKodu(Session &s, TDDoplnek &d)
{
    const TSifraSoubor &f = Katalog(s, kDoplnky);
    return podleKodu(f, d, [&](const std::string &sekce) { NactiDoplnek(f, sekce, d); });
}

bool NactiVitrazPodleKodu(Session &s, TDVitraz &v)
{
    const TSifraSoubor &f = Katalog(s, kVitraze);
    const int druh = v.VitrPis;
    const bool nalezeno =
        podleKodu(f, v, [&](const std::string &sekce) { NactiVitraz(f, sekce, v); });
    v.VitrPis = druh;
    return nalezeno;
}

bool NactiMrizkuPodleKodu(Session &s, TDMrizka &m, int SZaskleni, int SFormat)
{
    const TSifraSoubor &f = Katalog(s, kMrizky);
    return podleKodu(f, m, [&](const std::string &sekce) {
        NactiMrizku(f, sekce, m, SZaskleni, SFormat);
    });
}

bool BezpecnyNazev(const std::string &nazev)
{
    if (nazev.empty())
        return false;
    if (nazev.find_first_of(std::string("/\\\0", 3)) != std::string::npos)
        return false;
    return nazev.find("..") == std::string::npos;
}

std::string CestaObrazku(const Session &s, const std::string &slozka, const std::string &kod)
{
    if (!BezpecnyNazev(kod))
        return {};
    std::string cesta = s.apCesta + slozka;
    if (cesta.empty() || cesta.back() != '/')
        cesta += '/';
    return cesta + kod + ".jpg";
}

} // namespace qmr
