#include "documents/Radky.h"

#include "core/Clock.h"
#include "core/Constants.h"
#include "core/Funkce.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>
#include <utility>

namespace qmr {

namespace {

// Labels.
constexpr std::string_view kLabVypln = "Wypełnienie:";
constexpr std::string_view kLabVyztuz = "Wzmocnienie:";
constexpr std::string_view kLabRozmery = "Wymiary:";
constexpr std::string_view kLabPrekryvy = "Przekrywy:";
constexpr std::string_view kLabKotvy = "Przymocowania:";
constexpr std::string_view kLabBarvy = "Kolory:";
constexpr std::string_view kLabSkla = "Szkło:";
constexpr std::string_view kLabMrizka = "Kratka:";
constexpr std::string_view kLabDoplnky = "Akcesoria:";

// Pieces of the values.
constexpr std::string_view kSirka = "szerokość";
constexpr std::string_view kVyska = "wysokość";
constexpr std::string_view kTloustka = "grubość";
constexpr std::string_view kMm = " mm";
constexpr std::string_view kZmensenyVyrez = "(wycięcie umniejszone)";
constexpr std::string_view kPrekryvVen = "strona zewnętrzna: na lewo ";
constexpr std::string_view kPrekryvDovnitr = "strona wewnętrzna: na lewo ";
constexpr std::string_view kNaPravo = "na prawo";
constexpr std::string_view kNaHore = "na gorze";
constexpr std::string_view kNaDole = "na dołe";
constexpr std::string_view kVen = "strona zewnętrzna";
constexpr std::string_view kDovnitr = "strona wewnętrzna";
constexpr std::string_view kPozice1 = "strona zewnętrzna – pozycja 1 ";
constexpr std::string_view kPozice2 = "strona zewnętrzna – pozycja 2 ";
constexpr std::string_view kSklenenaDeska = "strona zewnętrzna szklana płyta";
constexpr std::string_view kDruhaTabule = "2. szyba ";
constexpr std::string_view kTretiTabule = "3. szyba ";
constexpr std::string_view kFloat = "float + ";
constexpr std::string_view kVcetneMontaze = "włącznie montażu";
constexpr std::string_view kBezMontaze = "wyłącznie montażu";
constexpr std::string_view kUmisteni = "Umieszczenie: ";
constexpr std::string_view kZleva = "z levej";
constexpr std::string_view kZdola = "z dołu";

// Hints of the delivery date.
constexpr std::string_view kHintHlinikZasklena = "aluminiowe wypełnienia do 19 dni pracy";
constexpr std::string_view kHintHlinik = "nieoszklone aluminiowe wypełnienia do 16 dni pracy";
constexpr std::string_view kHintZasklena = "oszklone wypełnienia do 14 dni pracy";
constexpr std::string_view kHintNezasklena = "nieoszklone wypełnienia do 9 dni pracy";
constexpr std::string_view kHintVitraz = "wypełnienia z witrażami i szkłem piskowanym do 21 dni pracy";

// A stained-glass label longer than this takes two label lines.
constexpr int kSirkaPopisu = 20;

std::string S(std::string_view v) { return std::string(v); }
std::string N(int n) { return std::to_string(n); }

std::string jmenoACislo(const TOBarva &b) { return b.DBarva.Nazev + " " + b.DBarva.Cislo; }

std::string prekryvy(std::string_view zacatek, int l, int p, int h, int d)
{
    return S(zacatek) + N(l) + ", " + S(kNaPravo) + " " + N(p) + ", " + S(kNaHore) + " " + N(h) + ", " +
           S(kNaDole) + " " + N(d);
}

// "G1=120 G2=1850 D1=100 D2=900": the first point, then a blank before each further one.
std::string body(std::initializer_list<std::pair<std::string_view, int>> b)
{
    std::string t;
    for (const auto &[jmeno, hodnota] : b) {
        if (!t.empty())
            t += " ";
        t += S(jmeno) + "=" + N(hodnota);
    }
    return t;
}

// The outer line (or two lines of a two-coloured outer side) of an aluminium side, with
// its colour number.
void barvyHliniku(const Session &s, RadkyZakazky &r)
{
    if (s.SDvojbarva) {
        r.Pridej(S(kLabBarvy), S(kPozice1) + jmenoACislo(s.SBarva1));
        r.Pridej("", S(kPozice2) + jmenoACislo(s.SBarva12));
    } else {
        r.Pridej(S(kLabBarvy), S(kVen) + " " + jmenoACislo(s.SBarva1));
    }
}

void barvy(const Session &s, RadkyZakazky &r)
{
    if (s.SHlinik) {
        barvyHliniku(s, r);
        r.Pridej("", S(kDovnitr) + " " + jmenoACislo(s.SBarva2));
        return;
    }
    if (s.SGlas)
        r.Pridej(S(kLabBarvy), S(kSklenenaDeska));
    else if (s.SHlinik2)
        barvyHliniku(s, r);
    else
        r.Pridej(S(kLabBarvy), S(kVen) + (s.SHPL1 ? " HPL " : " ") + s.SBarva1.DBarva.Nazev);
    const char *vlozka = s.SHPL1 && s.SHPL2 ? " HPL " : (s.SHPL1 ? " ABS " : " ");
    r.Pridej("", S(kDovnitr) + vlozka + jmenoACislo(s.SBarva2));
}

void vitraz(const Session &s, RadkyZakazky &r)
{
    const std::string popis = cVitrPis(s.SVitraz.DVitraz.VitrPis) + ":";
    std::string prvni, druhy;
    if (Vrat2(popis, kSirkaPopisu, prvni, druhy)) {
        r.Pridej(prvni, "");
        r.Pridej(druhy, s.SVitraz.DVitraz.Nazev);
    } else {
        r.Pridej(popis, s.SVitraz.DVitraz.Nazev);
    }
}

void skla(const Session &s, RadkyZakazky &r)
{
    const TDVitraz &v = s.SVitraz.DVitraz;
    const std::string vitraz = cVitrPis(v.VitrPis) + " " + v.Nazev;
    std::string ven;
    if (s.VitrazVybrana && (v.VitrPis == 3 || (v.VitrPis == 1 && !s.STrojsklo)))
        ven = S(kVen) + " " + vitraz;
    else if (s.SGlas && !s.VitrazVybrana)
        ven = S(kSklenenaDeska);
    else
        ven = S(kVen) + " " + s.SDekor1.DDekor.Nazev;
    r.Pridej(S(kLabSkla), ven);
    if (s.STrojsklo || s.SCtyrsklo) {
        std::string prostredni;
        if (s.VitrazVybrana && v.VitrPis != 3)
            prostredni = (v.VitrPis == 0 ? S(kFloat) : std::string()) + vitraz;
        else
            prostredni = s.SDekorP.DDekor.Nazev;
        r.Pridej("", S(kDruhaTabule) + prostredni);
    }
    if (s.SCtyrsklo)
        r.Pridej("", S(kTretiTabule) + s.SDekor4.DDekor.Nazev);
    r.Pridej("", S(kDovnitr) + " " + s.SDekor2.DDekor.Nazev);
}

std::string textDoplnku(const Session &s, const TDDoplnek &d)
{
    std::string t;
    if (s.TypZakazky == 1) {
        t = d.Nazev;
        if (d.MaDistanci && s.SZesil < 20 && s.SPrekryv < 2 && d.SBarvaDR >= 0)
            t += " + " + cBarvaDR(d.SBarvaDR);
        if (d.Namontovat && !d.NeSMont)
            t += " " + S(kVcetneMontaze);
        else if (!d.Namontovat && !d.NeBezM)
            t += " " + S(kBezMontaze);
    } else {
        t = N(d.PocetKs) + " x " + d.Nazev;
        if (d.MaDistanci && d.SBarvaDR >= 0)
            t += " + " + cBarvaDR(d.SBarvaDR);
        if (!d.BezTloustky)
            t += " (" + N(d.Tloustka) + S(kMm) + ")";
    }
    return t;
}

void umisteni(const TDDoplnek &d, RadkyZakazky &r)
{
    if (d.Namontovat && d.Umisten)
        r.Pridej("", S(kUmisteni) + N(d.Zleva) + S(kMm) + " " + S(kZleva) + ", " + N(d.Zdola) + S(kMm) + " " +
                         S(kZdola));
}

void doplnky(const Session &s, Formular f, RadkyZakazky &r)
{
    if (!s.DoplnkyVybrany && s.SOMrizka <= 0)
        return;
    const TDDoplnek &prvni = s.SDoplnek1.DDoplnek;
    if (prvni.Polozka < 0) {
        r.Pridej(S(kLabDoplnky), "");
    } else {
        r.Pridej(S(kLabDoplnky), textDoplnku(s, prvni));
        umisteni(prvni, r);
    }
    if (f == Formular::Objed && !s.DoplnkyVybrany)
        return;
    for (const TODoplnek *slot : {&s.SDoplnek2, &s.SDoplnek3, &s.SDoplnek4}) {
        const TDDoplnek &d = slot->DDoplnek;
        if (d.Polozka < 0)
            continue;
        r.Pridej("", textDoplnku(s, d));
        umisteni(d, r);
    }
}

void vypln(const Session &s, Formular f, RadkyZakazky &r)
{
    r.Pridej(S(kLabVypln), s.SJmenoV);
    if (s.Zesilena || s.SPrekryvna)
        r.Pridej("", s.SJmenoP + " " + s.SJmenoZ);
    if (!Empty(s.SJmenoR1))
        r.Pridej("", s.SJmenoR1 + (Empty(s.SBarvaR1) ? std::string() : " " + s.SBarvaR1));
    if (!Empty(s.SJmenoR2))
        r.Pridej("", s.SJmenoR2 + (Empty(s.SBarvaR2) ? std::string() : " " + s.SBarvaR2));
    if (s.SVyztuz > 0)
        r.Pridej(S(kLabVyztuz), cVyztuz(s.SVyztuz));

    std::string rozmery = S(kSirka) + " " + N(s.SSirka) + S(kMm) + ", " + S(kVyska) + " " + N(s.SVyska) + S(kMm) +
                          ", " + S(kTloustka) + " " + N(s.CTloustka) + S(kMm);
    if (s.ZmensenyVyrez)
        rozmery += " " + S(kZmensenyVyrez);
    r.Pridej(S(kLabRozmery), rozmery);

    if (s.SPrekryvna) {
        r.Pridej(S(kLabPrekryvy), prekryvy(kPrekryvVen, s.PVL, s.PVP, s.PVH, s.PVD));
        if (s.SPrekryv == 2)
            r.Pridej("", prekryvy(kPrekryvDovnitr, s.PVL2, s.PVP2, s.PVH2, s.PVD2));
        if (f == Formular::Objed) {
            r.Pridej(S(kLabKotvy), body({{"G1", s.KotH1}, {"G2", s.KotH2}, {"D1", s.KotD1}, {"D2", s.KotD2}}));
            r.Pridej("", body({{"L1", s.KotL1}, {"L2", s.KotL2}, {"L3", s.KotL3}, {"L4", s.KotL4}}));
            r.Pridej("", body({{"P1", s.KotP1}, {"P2", s.KotP2}, {"P3", s.KotP3}, {"P4", s.KotP4}}));
        }
    }

    barvy(s, r);
    if (s.VitrazVybrana)
        vitraz(s, r);
    if (s.DekoryVybrany)
        skla(s, r);
    if (s.MrizkaVybrana)
        r.Pridej(S(kLabMrizka), s.SMrizka.DMrizka.Nazev + ", " + S(kSirka) + " " + N(s.SMrizka.DMrizka.SSirka));
}

// Stained glass, a stone frame or a special glass class in an examined pane.
bool zvlastniSklo(const Session &s, Formular f)
{
    if (s.VitrazVybrana || s.SKamen1 || s.SKamen2)
        return true;
    const auto zvlastni = [](const TDekor &d) { return d.DDekor.TypSkla > 6; };
    if (zvlastni(s.SDekor1) || zvlastni(s.SDekor2))
        return true;
    const bool objed = f == Formular::Objed;
    return ((objed || s.STrojsklo) && zvlastni(s.SDekorP)) || ((objed || s.SCtyrsklo) && zvlastni(s.SDekor4));
}

int barevnaLhuta(const Session &s, Formular f)
{
    if (f == Formular::Objed && s.TypZakazky != 1)
        return 0;
    int dni = std::max({s.SBarva1.DBarva.ObjDni, s.SBarva2.DBarva.ObjDni, s.RBarva1.RBarva.ObjDni,
                        s.RBarva2.RBarva.ObjDni});
    if (f == Formular::Nabidka || s.SPozic > 1)
        dni = std::max(dni, s.SBarva12.DBarva.ObjDni);
    return dni;
}

} // namespace

void RadkyZakazky::Pridej(std::string Popis, std::string Hodnota)
{
    Radky1.push_back(std::move(Popis));
    Radky2.push_back(std::move(Hodnota));
}

RadkyZakazky DejRadky(const Session &s, Formular f)
{
    RadkyZakazky r;
    if (s.TypZakazky == 1)
        vypln(s, f, r);
    doplnky(s, f, r);
    return r;
}

NavrhTerminu NavrhniTermin(const Session &s, const Clock &Hodiny, Formular f)
{
    const double dnes = Hodiny.Today();
    NavrhTerminu n;
    n.Dni = std::max(0, barevnaLhuta(s, f));
    std::string dodatek;
    double termin = DejTermin(5, dnes);
    if (n.Dni > 0) {
        termin = DejTermin(n.Dni, termin);
        dodatek = " + " + N(n.Dni);
    }
    n.Termin = termin;
    if (s.TypZakazky != 1)
        return n;

    std::string_view hint;
    int zaklad = 0;
    const bool hlinik = s.SHlinik || s.SHlinik2;
    const bool zasklena = s.SZaskleni != 0;
    if (zvlastniSklo(s, f)) {
        hint = kHintVitraz;
        zaklad = 17;
    } else if (hlinik && zasklena) {
        hint = kHintHlinikZasklena;
        zaklad = 15;
    } else if (hlinik) {
        hint = kHintHlinik;
        zaklad = 12;
    } else if (zasklena) {
        hint = kHintZasklena;
        zaklad = 10;
    } else {
        hint = kHintNezasklena;
        const bool doplnky = s.SRamecek1 > 0 || s.SRamecek2 > 0 || s.SOPaska1 > 0 || s.SOPaska2 > 0 ||
                             (f == Formular::Objed && (s.SODr1 > 0 || s.SODr2 > 0));
        zaklad = doplnky ? 8 : 5;
    }
    n.Napoveda = S(hint) + dodatek;

    if (s.apPocet != 0) {
        n.Termin = s.apTermin;
        return n;
    }
    termin = DejTermin(zaklad, dnes);
    termin = DejTermin(n.Dni, termin);
    n.Termin = DejTermin(4, termin);
    return n;
}

} // namespace qmr
