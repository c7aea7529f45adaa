#include "mainwindow/UVolba.h"

#include "core/Clock.h"
#include "core/Errors.h"
#include "core/Funkce.h"
#include "core/Messages.h"
#include "mainwindow/UCenyPanel.h"
#include "mainwindow/VolbaTexty.h"
#include "partners/UJejichDef.h"
#include "partners/UNaseDef.h"
#include "pricing/UCenyDef.h"
#include "pricing/UOcen.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace qmr {

namespace {

// An accessory slot as a new slot object holds it.
TODoplnek novyDoplnek()
{
    TODoplnek d;
    d.DDoplnek.Polozka = -1;
    d.DDoplnek.MaxTloust = 99;
    d.DDoplnek.SBarvaDR = -1;
    d.DDoplnek.PocetKs = 1;
    return d;
}

void skryjTvary(VolbaStav &st)
{
    st.Rantl.Viditelny = false;
    st.Prekryv.Viditelny = false;
    st.PomRys.Viditelny = false;
    for (auto *pole : {&st.Shape, &st.MShape, &st.SShape})
        for (Tvar &t : *pole)
            t.Viditelny = false;
    for (Tvar &t : st.PH)
        t.Viditelny = false;
    for (Tvar &t : st.PV)
        t.Viditelny = false;
}

std::string velkymi(std::string t)
{
    for (char &c : t)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return t;
}

} // namespace

std::pair<int, int> VystredOkno(Session &s, int screenW, int screenH, int winW, int winH)
{
    const int left = screenW < winW ? 0 : Zaokrouhli((screenW - winW) / 2.0);
    const int top = screenH < winH ? 0 : Zaokrouhli((screenH - winH) / 2.0);
    s.VolbaLeft = left;
    s.VolbaTop = top;
    return {left, top};
}

VolbaStav VolbaVytvor(Session &s, const Clock &hodiny)
{
    VytvorJmeno(s, false);
    s.ObjMozna = false;
    s.TypZakazky = 0;

    s.SVypln = TOVypln{};
    s.SVypln.DVypln.Polozka = -1;
    for (TOBarva *b : {&s.SBarva1, &s.SBarva2, &s.SBarva12})
        *b = TOBarva{};
    for (TROBarva *b : {&s.RBarva1, &s.RBarva2, &s.PBarva1, &s.PBarva2})
        *b = TROBarva{};
    s.SVitraz = TOVitraz{};
    for (TDekor *d : {&s.SDekor1, &s.SDekor2, &s.SDekorP, &s.SDekor4})
        *d = TDekor{};
    s.SMrizka = TOMrizka{};
    for (TODoplnek *d : {&s.SDoplnek1, &s.SDoplnek2, &s.SDoplnek3, &s.SDoplnek4})
        *d = novyDoplnek();
    s.SPoznamky.clear();
    s.PrepisMadlo = false;
    s.FixRozmer = false;
    s.SVyztuz = -1;

    VolbaStav st = PocatecniStav(s);
    try {
        Nacti(s, s.SCeny);
        Nacti(s, s.SVolby);
    } catch (const QmrError &e) {
        st.ChybaOceneni = e.what();
    }

    s.apTermin = hodiny.Today();
    s.apDatObj = hodiny.Today();
    s.apCislo.clear();
    s.apPodpis.clear();
    s.apPocet = 0;
    s.apOdvoz = false;

    Nacti(s, s.Quilmar);
    st.HlavniRys.Left = 0;
    st.HlavniRys.Top = 0;
    Nacti(s, s.Firma); // apFirma and DataPath
    s.apPath = s.DataPath + s.apSoubor;

    VolbaZrusVse(s, st);
    s.VolbaNeniNil = true;
    st.Titulek = TitulekOkna(s);
    return st;
}

void VolbaZrusVse(Session &s, VolbaStav &st)
{
    s.apCislo.clear();
    s.apPocet = 0;
    s.SMail = false;
    s.SVyska = 2200;
    s.SSirka = 1000;
    s.PVL = s.PVP = s.PVH = s.PVD = 10;
    s.SPrekryvna = false;
    s.SPrekryv = 0;
    s.PrekryvVybran = false;
    s.Prekryv2Vybran = false;
    s.SVypln.DVypln.Polozka = -1;
    s.VyplnVybrana = false;
    // The profile variables of the other product line (ProfilVybran, TyceVybrany,
    // TextProfil, PrvniSirka, SPocetZ) do not exist in this program.
    s.SFormat = -1;
    s.SZaskleni = -1;
    s.RozmerVybran = false;
    s.BarvyVybrany = false;
    s.VitrazVybrana = false;
    s.DekoryVybrany = false;
    s.MrizkaVybrana = false;
    s.SVyztuz = -1;
    s.SMadlo = false;
    for (int *n : {&s.SRamecek1, &s.SRamecek2, &s.SOMrizka, &s.SOPaska1, &s.SOPaska2, &s.SODrazka1,
                   &s.SODrazka2, &s.SODr1, &s.SODr2})
        *n = 0;
    for (bool *f : {&s.SKamen, &s.SKamen1, &s.SKamen2, &s.SDvojbarva, &s.ProjitVyztuze, &s.ProselVyztuze,
                    &s.ZmensenyVyrez, &s.STrojsklo, &s.SCtyrsklo, &s.Zesilena, &s.SZetkova, &s.SEnkova,
                    &s.SRameckova, &s.SPosunOs})
        *f = false;
    s.SZesil = 0;
    s.SHPosun = 0;
    s.SVPosun = 0;
    s.SBarva1.DBarva.ObjDni = 0;
    s.SBarva2.DBarva.ObjDni = 0;
    s.RBarva1.RBarva.ObjDni = 0;
    s.RBarva2.RBarva.ObjDni = 0;
    skryjTvary(st);
    s.VidimPomRys = false;
    for (TODoplnek *d : {&s.SDoplnek1, &s.SDoplnek2, &s.SDoplnek3, &s.SDoplnek4})
        d->DDoplnek.Namontovat = false;
    s.SPoznamky.clear();
    s.apEdited = false;
    VynulujCary(s, s.SZetkova);
}

int KodUkonceni(const VolbaStav &st, const Session &s)
{
    if (!st.ObjButtonPovolen)
        return 0;
    return s.SMail ? 2 : 1;
}

bool JeSouborZakazky(const std::string &cesta)
{
    const std::string ext = velkymi(std::filesystem::path(cesta).extension().string());
    return ext == ".QMS" || ext == ".QMR";
}

PrikazovaRadka KontrolaPrikazoveRadky(const std::vector<std::string> &argumenty, Messages &m)
{
    PrikazovaRadka r;
    r.PocetArgumentu = static_cast<int>(argumenty.size());
    if (argumenty.size() != 1)
        return r;
    std::error_code ec;
    std::filesystem::path p = std::filesystem::absolute(argumenty[0], ec);
    if (ec)
        p = argumenty[0];
    r.Cesta = p.lexically_normal().string();
    if (!JeSouborZakazky(r.Cesta))
        return r;
    if (std::filesystem::is_regular_file(r.Cesta, ec))
        r.NacistData = true;
    else
        m.Chyba(std::string(kTitulQuilmar), std::string(kSouborNenalezen) + r.Cesta);
    return r;
}

bool NacistPriPrvnimObnoveni(const Session &s, PrikazovaRadka &r)
{
    if (!r.NacistData || r.PocetArgumentu != 1 || !s.VolbaNeniNil)
        return false;
    r.NacistData = false;
    return JeSouborZakazky(r.Cesta);
}

void NovyPlik(Session &s, VolbaStav &st, const Clock &hodiny)
{
    VolbaZrusVse(s, st);
    s.DoplnkyVybrany = false;
    s.SMadlo = false;
    s.SPoznamky.clear();
    s.apTermin = hodiny.Today() + 5;
    s.apDatObj = hodiny.Today();
    s.apCislo.clear();
    s.apPodpis.clear();
    s.apPocet = 0;
    s.apOdvoz = false;
    s.apSoubor = std::string(kNovyPlik);
    s.apPath = s.DataPath + s.apSoubor;
    st.Titulek = std::string(kTitulOkna) + s.apSoubor;
    OcenOkno(s, st);
}

std::string TitulekPoUlozeni(const Session &s) { return std::string(kTitulOkna) + s.apSoubor; }

void PoDefiniciCen(Session &s, VolbaStav &st, bool potvrzeno)
{
    if (potvrzeno)
        s.apEdited = true;
    OcenOkno(s, st);
}

void TestClick(Session &s) { s.TestMysi = !s.TestMysi; }

std::string TestTitulek(int x, int y) { return std::to_string(x) + ", " + std::to_string(y); }

// ---- Start flow ----------------------------------------------------------------------

void StartNovaVypln(Session &s, PictureStore &obrazky, VolbaStav &st)
{
    try {
        if (obrazky.Load(PictureStore::Target::Picture, s.SImage))
            s.VidimPomRys = true;
    } catch (const QmrError &) {
        // A picture that cannot be decoded leaves the drawing as it was.
    }
    NastavMaxima(s, false);
    s.SSirka = s.MaxSirka;
    s.SVyska = s.MaxVyska;
    s.SMail = false;
    st.Rantl.Viditelny = false;
    st.PomRys.Viditelny = false;
    for (bool *f : {&s.BarvyVybrany, &s.DekoryVybrany, &s.RozmerVybran, &s.Zesilena, &s.PrekryvVybran,
                    &s.Prekryv2Vybran, &s.ZmensenyVyrez, &s.VitrazVybrana, &s.MrizkaVybrana, &s.ProjitVyztuze,
                    &s.ProselVyztuze, &s.SPosunOs, &s.DoplnkyVybrany})
        *f = false;
    s.SZesil = 0;
    s.SHPosun = 0;
    s.SVPosun = 0;
    s.SPoznamky.clear();
    s.apCislo.clear();
    s.apPocet = 0;
}

bool StartRozhodniFormat(Session &s)
{
    const bool pevnyFormat = s.SJednoZask && !s.SFixFormat.empty();
    if (!(s.SDyha || s.SHlinik || s.SHlinik2 || s.SRadaK || s.SPulpanel || pevnyFormat))
        return false;
    if (pevnyFormat) {
        // "F<format>S<glazing>"
        const std::string f = SubStr(s.SFixFormat, 2, 1);
        const std::string z = SubStr(s.SFixFormat, 4, 1);
        auto cislice = [](const std::string &c) { return c.size() == 1 && c[0] >= '0' && c[0] <= '9'; };
        if (!cislice(f) || !cislice(z))
            return false;
        s.SFormat = f[0] - '0';
        s.SZaskleni = z[0] - '0';
        return true;
    }
    const std::string &kod = s.SVypln.DVypln.Kod;
    const bool bezSkla = kod == "B0" || kod == "K0" || kod == "D0" || kod == "W0" || s.SZetkova || s.SEnkova ||
                         s.SKamen || s.SPulpanel;
    s.SZaskleni = bezSkla ? 0 : 1;
    s.SFormat = (s.SPulpanel || (kod == "K0" && s.SFormat >= 2)) ? 2 : 1;
    return true;
}

bool StartPotrebujeVariantu(const Session &s)
{
    return (s.SVypln.DVypln.Kod == "NI" && s.SFormat == 2) || s.SExcentr || s.SAsymp;
}

void StartDokonci(Session &s, PictureStore &obrazky, VolbaStav &st)
{
    s.apEdited = true;
    ZpracujRys(s, obrazky);
    OcenOkno(s, st);
}

// ---- Option commands -------------------------------------------------------------------

void PoBarvach(Session &s, bool potvrzeno)
{
    if (potvrzeno)
        s.apEdited = true;
    s.apPocet = 0;
    if ((s.SVyztuz == 3 || s.SVyztuz == 4) && (s.SBarva1.DBarva.JenomHPL || s.SBarva2.DBarva.JenomHPL)) {
        s.SVyztuz = -1;
        s.ProselVyztuze = false;
    }
}

void PoVyztuzi(Session &s, bool potvrzeno)
{
    if (potvrzeno) {
        s.apEdited = true;
        s.ProselVyztuze = true;
    }
}

void PoVitrazi(Session &s, bool potvrzeno)
{
    if (potvrzeno)
        s.apEdited = true;
    s.apPocet = 0;
}

void PoDekorech(Session &s, bool potvrzeno, Messages &m)
{
    if (potvrzeno) {
        s.apEdited = true;
        KontrolaSkel(s, m);
    }
    s.apPocet = 0;
}

void PredDoplnky(Session &s) { s.PrepisMadlo = false; }

bool DoplnkyPotrebujiUmisteni(const Session &s)
{
    if (s.TypZakazky != 1 || !s.DoplnkyVybrany)
        return false;
    for (const TODoplnek *d : {&s.SDoplnek1, &s.SDoplnek2, &s.SDoplnek3, &s.SDoplnek4})
        if (d->DDoplnek.Namontovat && !d->DDoplnek.AutoMontaz)
            return true;
    return false;
}

void PoDoplncich(Session &s, bool potvrzeno)
{
    if (potvrzeno)
        s.apEdited = true;
}

void PoPoznamkach(Session &s, bool potvrzeno)
{
    if (potvrzeno)
        s.apEdited = true;
}

void RozmerZacniPrekryv(Session &s) { s.SStrana = 1; }

bool RozmerDvoustranny(const Session &s) { return s.SPrekryv >= 2; }

void RozmerDruhaStrana(Session &s) { s.SStrana = 2; }

void PrepoctiZmensenyVyrez(Session &s) { s.ZmensenyVyrez = s.SSirka < s.hraSirka || s.SVyska < s.hraVyska; }

void RozmerPoSpecifikaci(Session &s)
{
    s.SStrana = 1;
    PrepoctiZmensenyVyrez(s);
    s.apEdited = true;
}

void RozmerPoPrekryvu(Session &s)
{
    s.PrekryvVybran = true;
    if (s.SPrekryv > 1)
        s.Prekryv2Vybran = true;
}

void RozmerPoRozmerech(Session &s, Messages &m)
{
    s.apEdited = true;
    KontrolaDoplnku(s);
    KontrolaSkel(s, m);
}

void RozmerKonec(Session &s, bool posledniPotvrzen, Messages &m)
{
    PrepoctiZmensenyVyrez(s);
    if (posledniPotvrzen)
        KontrolaSkel(s, m);
}

bool BarvaRamuMuze(const Session &s, int strana)
{
    const bool kamen = strana == 1 ? s.SKamen1 : s.SKamen2;
    const TRbarva &r = (strana == 1 ? s.RBarva1 : s.RBarva2).RBarva;
    if (s.SHlinik && !kamen)
        return false;
    return !r.Hlinik && !r.Kod.empty();
}

void PredBarvouRamu(Session &s, int strana) { s.StranaR = static_cast<std::uint8_t>(strana == 1 ? 1 : 2); }

void PoBarveRamu(Session &s, int strana, bool potvrzeno)
{
    if (!potvrzeno)
        return;
    if (strana == 1)
        s.RBarva1 = s.PBarva1;
    else
        s.RBarva2 = s.PBarva2;
    s.apEdited = true;
}

void KontrolaDoplnku(Session &s)
{
    TODoplnek *sloty[4] = {&s.SDoplnek1, &s.SDoplnek2, &s.SDoplnek3, &s.SDoplnek4};
    for (int i = 0; i < 4; ++i) {
        const TDDoplnek &d = sloty[i]->DDoplnek;
        if (d.Polozka < 0 || !d.MaxTl)
            continue;
        const bool nevejde = d.Minimum ? s.CTloustka < d.MaxTloust : s.CTloustka > d.MaxTloust;
        if (!nevejde)
            continue;
        for (int j = i; j < 3; ++j)
            *sloty[j] = *sloty[j + 1];
        sloty[3]->DDoplnek.Polozka = -1;
    }
}

} // namespace qmr
