#pragma once
// A program folder in a temp folder with the small job catalogue, sessions configured as
// the dialogs would leave them, and a fingerprint of a session for before/after checks.
#include "catalogues/Katalog.h"
#include "catalogues/KodRysu.h"
#include "core/DateCore.h"
#include "core/IniFile.h"
#include "core/Session.h"
#include "jobfiles/UZapis.h"
#include "pricing/UOcen.h"
#include "support/FakeClock.h"
#include "support/FakeFileDialogs.h"
#include "support/FakeMessages.h"
#include "support/JobCatalogue.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace jobtest {

// name=value lines of the fields of a session that a job can change. Without Polozky the
// list indices and file paths are left out (they differ between a configured session and
// one read from a file).
class Otisk {
public:
    template <class T>
    Otisk &operator()(const char *n, const T &v)
    {
        os_ << n << '=' << v << '\n';
        return *this;
    }
    std::string str() const { return os_.str(); }

private:
    std::ostringstream os_;
};

// The values joined with ',' (flags as 0 and 1).
inline std::string L(std::initializer_list<long long> v)
{
    std::string out;
    for (long long x : v) {
        if (!out.empty())
            out += ',';
        out += std::to_string(x);
    }
    return out;
}

inline void Zaznam(Otisk &o, const std::string &p, const qmr::TDVypln &v, bool Polozky)
{
    if (Polozky)
        o((p + ".Polozka").c_str(), v.Polozka);
    o((p + ".Nazev").c_str(), v.Nazev)((p + ".Kod").c_str(), v.Kod);
    o((p + ".Flags").c_str(), L({v.Special, v.Hlinik, v.Dyha, v.Glas, v.RadaK, v.Lisovana, v.Kamen, v.Pulpanel, v.Dvojbarva, v.Zetkova, v.Enkova, v.Rameckova, v.Excentr, v.AsymH, v.AsymP, v.PravaV, v.JednoZask, v.AkcniV}));
    o((p + ".Pozic").c_str(), v.Pozic)((p + ".PomerH").c_str(), v.PomerH)((p + ".PomerP").c_str(), v.PomerP);
    o((p + ".FixFormat").c_str(), v.FixFormat)((p + ".MaxVyskaF1").c_str(), v.MaxVyskaF1);
    o((p + ".OZMPocet").c_str(), v.OZMPocet)((p + ".RM").c_str(), std::to_string(v.RM1cena) + "/" + std::to_string(v.RM2cena));
    o((p + ".OP").c_str(), std::to_string(v.OP1cena) + "/" + std::to_string(v.OP2cena));
    o((p + ".OD").c_str(), std::to_string(v.OD1cena) + "/" + std::to_string(v.OD2cena));
    o((p + ".RamJenAK").c_str(), v.RamJenAK)((p + ".ZCF12").c_str(), v.ZCF(1, 2))((p + ".KCF2ABS").c_str(), v.KCF2ABS);
}

inline void Zaznam(Otisk &o, const std::string &p, const qmr::TDbarva &b, bool Polozky)
{
    if (Polozky)
        o((p + ".Polozka").c_str(), b.Polozka);
    o((p + ".Nazev").c_str(), b.Nazev)((p + ".Kod").c_str(), b.Kod)((p + ".Cislo").c_str(), b.Cislo);
    std::ostringstream c;
    c << b.BF1S1 << ',' << b.BF1S2 << ',' << b.BF2S1 << ',' << b.BF2S2 << ',' << b.BF3S1 << ',' << b.BF3S2 << ','
      << b.PHPL1 << ',' << b.VHPL1 << ',' << b.NetPS1 << ',' << b.NetPS2 << ',' << b.PrDekor << ','
      << b.PrDvojbarva1 << ',' << b.PrDvojbarva2 << ',' << b.Drevo << ',' << b.ObjDni;
    o((p + ".Ceny").c_str(), c.str());
    o((p + ".Flags").c_str(), L({b.Dyha, b.Hlinik, b.DDekor, b.Elox, b.Beton, b.ProHPL, b.JenomHPL, b.FixRal, b.Kamen}));
}

inline void Zaznam(Otisk &o, const std::string &p, const qmr::TRbarva &b, bool Polozky)
{
    if (Polozky)
        o((p + ".Polozka").c_str(), b.Polozka)((p + ".JenomHPL").c_str(), b.JenomHPL);
    o((p + ".Nazev").c_str(), b.Nazev)((p + ".Kod").c_str(), b.Kod)((p + ".Hlinik").c_str(), b.Hlinik)(
        (p + ".AK").c_str(), b.AK);
}

inline void Zaznam(Otisk &o, const std::string &p, const qmr::TDdekor &d, bool Polozky)
{
    if (Polozky)
        o((p + ".Polozka").c_str(), d.Polozka);
    o((p + ".Nazev").c_str(), d.Nazev)((p + ".Kod").c_str(), d.Kod)((p + ".TypSkla").c_str(), d.TypSkla)(
        (p + ".Tloustka").c_str(), d.Tloustka);
}

inline void Zaznam(Otisk &o, const std::string &p, const qmr::TDVitraz &v, bool Polozky)
{
    if (Polozky)
        o((p + ".Polozka").c_str(), v.Polozka);
    o((p + ".Nazev").c_str(), v.Nazev)((p + ".Kod").c_str(), v.Kod)((p + ".VitrPis").c_str(), v.VitrPis)(
        (p + ".CF12").c_str(), v.CF(1, 2))((p + ".CF26").c_str(), v.CF(2, 6));
}

inline void Zaznam(Otisk &o, const std::string &p, const qmr::TDMrizka &m, bool Polozky)
{
    if (Polozky)
        o((p + ".Polozka").c_str(), m.Polozka);
    o((p + ".Nazev").c_str(), m.Nazev)((p + ".Kod").c_str(), m.Kod)((p + ".SSirka").c_str(), m.SSirka)(
        (p + ".SCena").c_str(), m.SCena)((p + ".Sirky").c_str(),
                                         std::to_string(m.Sirka1) + "/" + std::to_string(m.Sirka2) + "/" +
                                             std::to_string(m.Sirka3));
}

inline void Zaznam(Otisk &o, const std::string &p, const qmr::TDDoplnek &d, bool)
{
    o((p + ".Polozka").c_str(), d.Polozka)((p + ".Nazev").c_str(), d.Nazev)((p + ".Kod").c_str(), d.Kod);
    o((p + ".Flags").c_str(), L({d.Namontovat, d.Umisten, d.MaDistanci, d.BezTloustky, d.AutoMontaz, d.MaxTl, d.CenaNetto, d.MadloVert}));
    std::ostringstream c;
    c << d.MaxTloust << ',' << d.SCena << ',' << d.SMontaz << ',' << d.SCenaDR << ',' << d.VzdVert << ','
      << d.SBarvaDR << ',' << d.Tloustka << ',' << d.Zleva << ',' << d.Zdola << ',' << d.PocetKs;
    o((p + ".Cisla").c_str(), c.str());
}

inline std::string OtiskSession(const qmr::Session &s, bool Polozky = true)
{
    Otisk o;
    if (Polozky)
        o("apPath", s.apPath)("apSoubor", s.apSoubor)("DataPath", s.DataPath)("apEdited", s.apEdited)(
            "NovaVypln", s.NovaVypln)("IndZesil", s.IndZesil)("TurSirka", s.TurSirka)("TurVyska", s.TurVyska);
    o("apCislo", s.apCislo)("apPodpis", s.apPodpis)("apTermin", s.apTermin)("apDatObj", s.apDatObj);
    o("apPocet", s.apPocet)("apOdvoz", s.apOdvoz)("TypZakazky", s.TypZakazky)("SMail", s.SMail);
    Zaznam(o, "SVypln", s.SVypln.DVypln, Polozky);
    Zaznam(o, "SBarva1", s.SBarva1.DBarva, Polozky);
    Zaznam(o, "SBarva12", s.SBarva12.DBarva, Polozky);
    Zaznam(o, "SBarva2", s.SBarva2.DBarva, Polozky);
    Zaznam(o, "RBarva1", s.RBarva1.RBarva, Polozky);
    Zaznam(o, "RBarva2", s.RBarva2.RBarva, Polozky);
    Zaznam(o, "SVitraz", s.SVitraz.DVitraz, Polozky);
    Zaznam(o, "SDekor1", s.SDekor1.DDekor, Polozky);
    Zaznam(o, "SDekor2", s.SDekor2.DDekor, Polozky);
    Zaznam(o, "SDekorP", s.SDekorP.DDekor, Polozky);
    Zaznam(o, "SDekor4", s.SDekor4.DDekor, Polozky);
    Zaznam(o, "SMrizka", s.SMrizka.DMrizka, Polozky);
    Zaznam(o, "SDoplnek1", s.SDoplnek1.DDoplnek, Polozky);
    Zaznam(o, "SDoplnek2", s.SDoplnek2.DDoplnek, Polozky);
    Zaznam(o, "SDoplnek3", s.SDoplnek3.DDoplnek, Polozky);
    Zaznam(o, "SDoplnek4", s.SDoplnek4.DDoplnek, Polozky);
    std::string poznamky;
    for (const auto &r : s.SPoznamky)
        poznamky += r + "|";
    o("SPoznamky", poznamky);
    o("Carame", s.Carame)("SCary.HPocet", s.SCary.HPocet)("SCary.Hpos1", s.SCary.Hpos[1])("KodVyplne", s.KodVyplne)(
        "KodRysu", s.KodRysu);
    o("Vybrano", L({s.VyplnVybrana, s.RozmerVybran, s.FixRozmer, s.PrekryvVybran, s.Prekryv2Vybran, s.BarvyVybrany, s.DekoryVybrany, s.VitrazVybrana, s.MrizkaVybrana, s.DoplnkyVybrany, s.ProselVyztuze}));
    o("SFormat", s.SFormat)("SZaskleni", s.SZaskleni)("SSirka", s.SSirka)("SVyska", s.SVyska);
    o("CTloustka", s.CTloustka)("STloustka", s.STloustka);
    o("Material", L({s.SAkcni, s.SHlinik, s.SHlinik2, s.SDyha, s.SDyha2, s.SHPL1, s.SHPL2, s.SGlas, s.SKamen, s.SKamen1, s.SKamen2, s.SDvojbarva, s.SZetkova, s.SEnkova, s.SRameckova, s.SPulpanel, s.SRadaK, s.SJednoZask, s.SExcentr, s.SPravaV, s.SLisovana, s.SAsymH, s.SAsymp, s.SPrava, s.SMadlo}));
    o("SPomerH", s.SPomerH)("SPomerP", s.SPomerP)("SFixFormat", s.SFixFormat)("SPozic", s.SPozic);
    o("Zesilena", s.Zesilena)("SZesil", s.SZesil)("STrojsklo", s.STrojsklo)("SCtyrsklo", s.SCtyrsklo);
    o("ZmensenyVyrez", s.ZmensenyVyrez)("SVyztuz", s.SVyztuz)("SPrekryvna", s.SPrekryvna)("SPrekryv", s.SPrekryv);
    o("PV", L({s.PVL, s.PVP, s.PVH, s.PVD}))("PV2", L({s.PVL2, s.PVP2, s.PVH2, s.PVD2}));
    o("Kot", L({s.KotH1, s.KotH2, s.KotD1, s.KotD2, s.KotL1, s.KotL2, s.KotL3, s.KotL4, s.KotP1, s.KotP2,
                s.KotP3, s.KotP4}));
    o("Posun", L({s.SPosunOs, s.SHPosun, s.SVPosun}));
    o("Varianty", L({s.SRamecek1, s.SRamecek2, s.SOMrizka, s.SOPaska1, s.SOPaska2, s.SODrazka1, s.SODrazka2, s.SODr1, s.SODr2}));
    o("Muze", L({s.MuzeRamecek, s.MuzeOMrizku, s.MuzeOPasku, s.MuzeODrazku, s.MuzeOPDr, s.RamPouzeAK}));
    o("Maxima", L({s.MaxSirka, s.MaxVyska}));
    return o.str();
}

// A program folder with the job catalogue in DATA/ and a session pointed at it.
class JobTest : public ::testing::Test {
protected:
    JobTest()
    {
        Pripravit(s);
        dir.write("DATA/.keep", "");
        qmrtest::ZapisKatalogZakazek(dir.path().string() + "/DATA/");
        dir.write("jobs/.keep", "");
    }

    // Paths of a session in this program folder.
    void Pripravit(qmr::Session &x) const
    {
        x.apCesta = dir.path().string() + "/";
        x.apData = x.apCesta + "DATA/";
        x.apConf = x.apData + "Quilmar.cfg";
        x.apPriloha = x.apData + "QMRobj.qmr";
        x.DataPath = x.apCesta + "jobs/";
    }

    std::string Job(const std::string &jmeno) const { return dir.path().string() + "/jobs/" + jmeno; }

    // The infill type of catalogue section Sekce chosen as the infill selection leaves it.
    void Vypln(qmr::Session &x, const std::string &Sekce) const
    {
        qmr::TDVypln &v = x.SVypln.DVypln;
        qmr::NactiVypln(x, Sekce, v);
        v.Polozka = 0;
        x.TypZakazky = 1;
        x.VyplnVybrana = true;
        x.KodVyplne = v.Kod;
        x.SHlinik = v.Hlinik;
        x.SDyha = v.Dyha;
        x.SGlas = v.Glas;
        x.SRadaK = v.RadaK;
        x.SPulpanel = v.Pulpanel;
        x.SZetkova = v.Zetkova;
        x.SEnkova = v.Enkova;
        x.SRameckova = v.Rameckova;
        x.SExcentr = v.Excentr;
        x.SPravaV = v.PravaV;
        x.SAsymH = v.AsymH;
        x.SPomerH = v.PomerH;
        x.SAsymp = v.AsymP;
        x.SPomerP = v.PomerP;
        x.SJednoZask = v.JednoZask;
        x.SLisovana = !x.SHlinik && !(x.SRadaK || x.SDyha || x.SGlas);
        x.MuzeRamecek = qmr::PocetVariant(v.RM1cena, v.RM2cena);
        x.MuzeOPasku = qmr::PocetVariant(v.OP1cena, v.OP2cena);
        x.MuzeODrazku = qmr::PocetVariant(v.OD1cena, v.OD2cena);
        x.MuzeOMrizku = v.OZMPocet;
        x.MuzeOPDr = x.MuzeOPasku > 0 && x.MuzeODrazku > 0 ? x.MuzeODrazku : 0;
        x.RamPouzeAK = v.RamJenAK;
        x.SPozic = 1;
        x.SFormat = 1;
        x.SZaskleni = 2;
        x.SSirka = 980;
        x.SVyska = 2050;
        x.RozmerVybran = true;
        x.ProselVyztuze = true;
        x.SVyztuz = -1;
    }

    void Barva(qmr::Session &x, qmr::TOBarva &b, const std::string &Sekce, const std::string &Ral) const
    {
        qmr::NactiBarvu(x, Sekce, b.DBarva);
        b.DBarva.Polozka = 0;
        b.DBarva.Cislo = Ral;
    }
    void RBarva(qmr::Session &x, qmr::TROBarva &b, const std::string &Sekce, bool Hlinik, bool AK) const
    {
        qmr::NactiRBarvu(x, Sekce, b.RBarva);
        b.RBarva.Polozka = 0;
        b.RBarva.Hlinik = Hlinik;
        b.RBarva.AK = AK;
    }
    void Sklo(qmr::Session &x, qmr::TDekor &d, const std::string &Sekce) const
    {
        qmr::NactiDekor(x, Sekce, d.DDekor);
        d.DDekor.Polozka = 0;
    }
    qmr::TDDoplnek &Doplnek(qmr::Session &x, int n, const std::string &Sekce, int Kusu) const
    {
        qmr::TDDoplnek &d = n == 1 ? x.SDoplnek1.DDoplnek : n == 2 ? x.SDoplnek2.DDoplnek
                          : n == 3 ? x.SDoplnek3.DDoplnek : x.SDoplnek4.DDoplnek;
        qmr::NactiDoplnek(x, Sekce, d);
        d.Polozka = 1;
        d.PocetKs = Kusu;
        x.DoplnkyVybrany = true;
        return d;
    }

    // What the main window's refresh derives before every save and after every open.
    static void Obnov(qmr::Session &x)
    {
        qmr::Nazvi(x);
        qmr::Ocen(x);
    }

    // Writes x as the job file `jmeno` in jobs/ (also under an attachment name) and returns its path.
    std::string Uloz(qmr::Session &x, const std::string &jmeno)
    {
        std::string cesta = Job(jmeno);
        qmr::FileZapis(x, cesta, true, hodiny);
        return cesta;
    }

    qmrtest::TempDir dir;
    qmr::Session s;
    qmrtest::FakeClock hodiny{2024, 3, 5};
    qmrtest::FakeMessages zpravy;
};

} // namespace jobtest
