// The lines that describe a job on the quote and the order, and the delivery date the
// two forms propose.
#include "documents/Radky.h"

#include "catalogues/Seznamy.h"
#include "core/DateCore.h"
#include "jobfiles/UZapis.h"
#include "pricing/UOcen.h"
#include "support/FakeClock.h"
#include "support/FakeMessages.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

using namespace qmr;

namespace {

using Radek = std::pair<std::string, std::string>;
using Radky = std::vector<Radek>;

Radky Zip(const RadkyZakazky &r)
{
    EXPECT_EQ(r.Radky1.size(), r.Radky2.size());
    Radky v;
    for (std::size_t i = 0; i < r.Radky1.size() && i < r.Radky2.size(); ++i)
        v.emplace_back(r.Radky1[i], r.Radky2[i]);
    return v;
}

TDbarva Barva(const char *nazev, const char *cislo, int objDni = 0)
{
    TDbarva b;
    b.Polozka = 0;
    b.Nazev = nazev;
    b.Cislo = cislo;
    b.ObjDni = objDni;
    return b;
}

TDDoplnek Doplnek(const char *nazev)
{
    TDDoplnek d;
    d.Polozka = 0;
    d.Nazev = nazev;
    return d;
}

TDdekor Sklo(const char *nazev, int typ = 1)
{
    TDdekor d;
    d.Polozka = 0;
    d.Nazev = nazev;
    d.TypSkla = typ;
    return d;
}

// An ABS panel 900 x 2000 x 24 with cream outside and white inside, glazing S1.
Session Vypln()
{
    Session s;
    s.TypZakazky = 1;
    s.VyplnVybrana = s.BarvyVybrany = s.RozmerVybran = true;
    s.SJmenoV = "Aura 1/1 S1";
    s.SJmenoZ = "grubość 24 mm";
    s.SSirka = 900;
    s.SVyska = 2000;
    s.CTloustka = 24;
    s.SFormat = 1;
    s.SZaskleni = 1;
    s.SBarva1.DBarva = Barva("Kremowy", "9001");
    s.SBarva2.DBarva = Barva("Biały", "9016");
    return s;
}

// The three lines every plain ABS panel starts with.
const Radky kZaklad = {
    {"Wypełnienie:", "Aura 1/1 S1"},
    {"Wymiary:", "szerokość 900 mm, wysokość 2000 mm, grubość 24 mm"},
    {"Kolory:", "strona zewnętrzna Kremowy"},
    {"", "strona wewnętrzna Biały 9016"},
};

Radky Plus(Radky a, const Radky &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct PripadRadku {
    const char *popis;
    std::function<void(Session &)> nastav;
    Formular formular;
    Radky ocekavane;
};

void Over(const std::vector<PripadRadku> &pripady)
{
    for (const PripadRadku &p : pripady) {
        SCOPED_TRACE(p.popis);
        Session s = Vypln();
        p.nastav(s);
        EXPECT_EQ(Zip(DejRadky(s, p.formular)), p.ocekavane);
    }
}

} // namespace

TEST(RadkyTest, InfillExtrasReinforcementDimensionsAndOverlays)
{
    const auto prekryv = [](Session &s) {
        s.SPrekryvna = true;
        s.SJmenoP = "przekrywa jednostronna";
        s.PVL = 40;
        s.PVP = 45;
        s.PVH = 30;
        s.PVD = 0;
        s.KotH1 = 120;
        s.KotH2 = 1850;
        s.KotD1 = 100;
        s.KotD2 = 900;
        s.KotL1 = 1;
        s.KotL2 = 2;
        s.KotL3 = 3;
        s.KotL4 = 4;
        s.KotP1 = 5;
        s.KotP2 = 6;
        s.KotP3 = 7;
        s.KotP4 = 8;
    };
    const Radky kolory(kZaklad.begin() + 2, kZaklad.end());
    Over({
        {"plain infill", [](Session &) {}, Formular::Nabidka, kZaklad},
        {"plain infill in the order", [](Session &) {}, Formular::Objed, kZaklad},
        {"notes stay out of the lines",
         [](Session &s) { s.SPoznamky = {"Uwaga 1", "Uwaga 2"}; }, Formular::Objed, kZaklad},
        {"reinforced with frame and strip, blank strip colour, reduced cut-out",
         [](Session &s) {
             s.Zesilena = true;
             s.SJmenoZ = "grubość 36 mm";
             s.CTloustka = 36;
             s.SJmenoR1 = "ramka typ 1";
             s.SBarvaR1 = "nierdzewna";
             s.SJmenoR2 = "paski typ 2";
             s.SBarvaR2 = "  ";
             s.SVyztuz = 1;
             s.ZmensenyVyrez = true;
         },
         Formular::Nabidka,
         Plus({{"Wypełnienie:", "Aura 1/1 S1"},
               {"", " grubość 36 mm"},
               {"", "ramka typ 1 nierdzewna"},
               {"", "paski typ 2"},
               {"Wzmocnienie:", "1 x Fe (stal)"},
               {"Wymiary:", "szerokość 900 mm, wysokość 2000 mm, grubość 36 mm (wycięcie umniejszone)"}},
              kolory)},
        {"reinforcement 0 (none) is not listed, a blank extra neither",
         [](Session &s) {
             s.SVyztuz = 0;
             s.SJmenoR1 = " ";
             s.SBarvaR1 = "nierdzewna";
         },
         Formular::Nabidka, kZaklad},
        {"one-sided overlay in the quote: no fixing points",
         prekryv, Formular::Nabidka,
         Plus({kZaklad[0],
               {"", "przekrywa jednostronna grubość 24 mm"},
               kZaklad[1],
               {"Przekrywy:", "strona zewnętrzna: na lewo 40, na prawo 45, na gorze 30, na dołe 0"}},
              kolory)},
        {"two-sided overlay in the order, with the fixing points",
         [&](Session &s) {
             prekryv(s);
             s.SPrekryv = 2;
             s.PVL2 = 20;
             s.PVP2 = 25;
             s.PVH2 = 15;
             s.PVD2 = 5;
         },
         Formular::Objed,
         Plus({kZaklad[0],
               {"", "przekrywa jednostronna grubość 24 mm"},
               kZaklad[1],
               {"Przekrywy:", "strona zewnętrzna: na lewo 40, na prawo 45, na gorze 30, na dołe 0"},
               {"", "strona wewnętrzna: na lewo 20, na prawo 25, na gorze 15, na dołe 5"},
               {"Przymocowania:", "G1=120 G2=1850 D1=100 D2=900"},
               {"", "L1=1 L2=2 L3=3 L4=4"},
               {"", "P1=5 P2=6 P3=7 P4=8"}},
              kolory)},
    });
}

TEST(RadkyTest, ColoursByFamily)
{
    const Radky hlava(kZaklad.begin(), kZaklad.begin() + 2);
    const auto hlinik = [](Session &s) {
        s.SBarva1.DBarva = Barva("Antracyt", "7016");
        s.SBarva2.DBarva = Barva("Biały", "9016");
        s.SBarva12.DBarva = Barva("Srebrny", "9006");
    };
    Over({
        {"aluminium",
         [&](Session &s) {
             hlinik(s);
             s.SHlinik = true;
         },
         Formular::Nabidka,
         Plus(hlava, {{"Kolory:", "strona zewnętrzna Antracyt 7016"}, {"", "strona wewnętrzna Biały 9016"}})},
        {"aluminium two-coloured",
         [&](Session &s) {
             hlinik(s);
             s.SHlinik = true;
             s.SDvojbarva = true;
         },
         Formular::Objed,
         Plus(hlava, {{"Kolory:", "strona zewnętrzna – pozycja 1 Antracyt 7016"},
                      {"", "strona zewnętrzna – pozycja 2 Srebrny 9006"},
                      {"", "strona wewnętrzna Biały 9016"}})},
        {"second aluminium kind, two-coloured; the inner infix still follows the HPL flags",
         [&](Session &s) {
             hlinik(s);
             s.SHlinik2 = true;
             s.SDvojbarva = true;
             s.SHPL1 = true;
         },
         Formular::Nabidka,
         Plus(hlava, {{"Kolory:", "strona zewnętrzna – pozycja 1 Antracyt 7016"},
                      {"", "strona zewnętrzna – pozycja 2 Srebrny 9006"},
                      {"", "strona wewnętrzna ABS Biały 9016"}})},
        {"glass panel",
         [](Session &s) { s.SGlas = true; }, Formular::Nabidka,
         Plus(hlava, {{"Kolory:", "strona zewnętrzna szklana płyta"}, {"", "strona wewnętrzna Biały 9016"}})},
        {"HPL on both sides",
         [](Session &s) { s.SHPL1 = s.SHPL2 = true; }, Formular::Nabidka,
         Plus(hlava, {{"Kolory:", "strona zewnętrzna HPL Kremowy"}, {"", "strona wewnętrzna HPL Biały 9016"}})},
        {"HPL outside only: ABS inside",
         [](Session &s) { s.SHPL1 = true; }, Formular::Objed,
         Plus(hlava, {{"Kolory:", "strona zewnętrzna HPL Kremowy"}, {"", "strona wewnętrzna ABS Biały 9016"}})},
        {"HPL inside only: no prefix",
         [](Session &s) { s.SHPL2 = true; }, Formular::Objed, kZaklad},
        {"two-coloured outside of a non-aluminium panel: one outer line",
         [&](Session &s) {
             s.SDvojbarva = true;
             s.SBarva12.DBarva = Barva("Srebrny", "9006");
         },
         Formular::Nabidka, kZaklad},
    });
}

TEST(RadkyTest, StainedGlassGlassPanesAndMuntin)
{
    const auto vitraz = [](int druh, const char *nazev) {
        return [=](Session &s) {
            s.VitrazVybrana = true;
            s.SVitraz.DVitraz.Polozka = 0;
            s.SVitraz.DVitraz.VitrPis = druh;
            s.SVitraz.DVitraz.Nazev = nazev;
        };
    };
    const auto skla = [](Session &s) {
        s.DekoryVybrany = true;
        s.SDekor1.DDekor = Sklo("Mat satynowy");
        s.SDekorP.DDekor = Sklo("Float 4 mm");
        s.SDekor4.DDekor = Sklo("Szron");
        s.SDekor2.DDekor = Sklo("Float przezroczysty");
    };
    const Radky sklaDvojita = {{"Szkło:", "strona zewnętrzna Mat satynowy"},
                               {"", "strona wewnętrzna Float przezroczysty"}};
    Over({
        {"double glazing", skla, Formular::Nabidka, Plus(kZaklad, sklaDvojita)},
        {"triple glazing",
         [&](Session &s) {
             skla(s);
             s.STrojsklo = true;
         },
         Formular::Nabidka,
         Plus(kZaklad, {{"Szkło:", "strona zewnętrzna Mat satynowy"},
                        {"", "2. szyba Float 4 mm"},
                        {"", "strona wewnętrzna Float przezroczysty"}})},
        {"quadruple glazing",
         [&](Session &s) {
             skla(s);
             s.SCtyrsklo = true;
         },
         Formular::Objed,
         Plus(kZaklad, {{"Szkło:", "strona zewnętrzna Mat satynowy"},
                        {"", "2. szyba Float 4 mm"},
                        {"", "3. szyba Szron"},
                        {"", "strona wewnętrzna Float przezroczysty"}})},
        {"glass panel with panes",
         [&](Session &s) {
             skla(s);
             s.SGlas = true;
         },
         Formular::Nabidka,
         Plus({kZaklad[0], kZaklad[1], {"Kolory:", "strona zewnętrzna szklana płyta"}, kZaklad[3]},
              {{"Szkło:", "strona zewnętrzna szklana płyta"}, sklaDvojita[1]})},
        {"stained glass without panes chosen",
         vitraz(0, "Tulipan"), Formular::Nabidka, Plus(kZaklad, {{"Witraż:", "Tulipan"}})},
        {"stained glass of kind 0 in a triple glazing: float middle pane",
         [&](Session &s) {
             vitraz(0, "Tulipan")(s);
             skla(s);
             s.STrojsklo = true;
         },
         Formular::Nabidka,
         Plus(kZaklad, {{"Witraż:", "Tulipan"},
                        {"Szkło:", "strona zewnętrzna Mat satynowy"},
                        {"", "2. szyba float + Witraż Tulipan"},
                        {"", "strona wewnętrzna Float przezroczysty"}})},
        {"sand-blasted glass outside without triple glazing, over a glass panel",
         [&](Session &s) {
             vitraz(1, "Róża")(s);
             skla(s);
             s.SGlas = true;
         },
         Formular::Objed,
         Plus({kZaklad[0], kZaklad[1], {"Kolory:", "strona zewnętrzna szklana płyta"}, kZaklad[3]},
              {{"Szkło piaskowane:", "Róża"},
               {"Szkło:", "strona zewnętrzna Szkło piaskowane Róża"},
               sklaDvojita[1]})},
        {"sand-blasted glass with triple glazing goes to the middle",
         [&](Session &s) {
             vitraz(1, "Róża")(s);
             skla(s);
             s.STrojsklo = true;
         },
         Formular::Nabidka,
         Plus(kZaklad, {{"Szkło piaskowane:", "Róża"},
                        {"Szkło:", "strona zewnętrzna Mat satynowy"},
                        {"", "2. szyba Szkło piaskowane Róża"},
                        {"", "strona wewnętrzna Float przezroczysty"}})},
        {"fused glass stays outside, the middle pane is a decor",
         [&](Session &s) {
             vitraz(3, "Fala")(s);
             skla(s);
             s.STrojsklo = true;
         },
         Formular::Nabidka,
         Plus(kZaklad, {{"Szkło topione:", "Fala"},
                        {"Szkło:", "strona zewnętrzna Szkło topione Fala"},
                        {"", "2. szyba Float 4 mm"},
                        {"", "strona wewnętrzna Float przezroczysty"}})},
        {"a label longer than 20 characters takes two label lines",
         [&](Session &s) {
             vitraz(2, "Tulipan")(s);
             skla(s);
         },
         Formular::Nabidka,
         Plus(kZaklad, Plus({{"Szkło piaskowane z", ""}, {"dekorem:", "Tulipan"}}, sklaDvojita))},
        {"muntin with its own width",
         [](Session &s) {
             s.MrizkaVybrana = true;
             s.SMrizka.DMrizka.Polozka = 0;
             s.SMrizka.DMrizka.Nazev = "Szprosy wiedeńskie";
             s.SMrizka.DMrizka.SSirka = 26;
         },
         Formular::Objed, Plus(kZaklad, {{"Kratka:", "Szprosy wiedeńskie, szerokość 26"}})},
    });
}

TEST(RadkyTest, AccessoryGroup)
{
    const auto ctyri = [](Session &s) {
        s.DoplnkyVybrany = true;
        TDDoplnek &a = s.SDoplnek1.DDoplnek;
        a = Doplnek("Wizjer");
        a.MaDistanci = true;
        a.SBarvaDR = 1;
        a.Namontovat = a.Umisten = true;
        a.Zleva = 450;
        a.Zdola = 1500;
        TDDoplnek &b = s.SDoplnek2.DDoplnek;
        b = Doplnek("Kołatka");
        b.Umisten = true; // placed but not mounted: no placement line
        b.Zleva = 1;
        s.SDoplnek3.DDoplnek = Doplnek("Numer domu");
        s.SDoplnek3.DDoplnek.NeBezM = true;
        TDDoplnek &d = s.SDoplnek4.DDoplnek;
        d = Doplnek("Pochwyt");
        d.Namontovat = d.NeSMont = d.Umisten = true;
        d.Zleva = 60;
        d.Zdola = 900;
        d.Tloustka = 40; // thickness only for accessories-only jobs
    };
    const Radky ctyriRadky = {
        {"Akcesoria:", "Wizjer + czarna RD włącznie montażu"},
        {"", "Umieszczenie: 450 mm z levej, 1500 mm z dołu"},
        {"", "Kołatka wyłącznie montażu"},
        {"", "Numer domu"},
        {"", "Pochwyt"},
        {"", "Umieszczenie: 60 mm z levej, 900 mm z dołu"},
    };
    Radky bezDistance = ctyriRadky;
    bezDistance[0].second = "Wizjer włącznie montażu";
    const auto jenDoplnky = [](Session &s) {
        s = Session();
        s.TypZakazky = 2;
        s.DoplnkyVybrany = true;
    };
    Over({
        {"four slots of an infill job", ctyri, Formular::Nabidka, Plus(kZaklad, ctyriRadky)},
        {"the order lists them alike", ctyri, Formular::Objed, Plus(kZaklad, ctyriRadky)},
        {"no spacer colour in a thick reinforced panel",
         [&](Session &s) {
             ctyri(s);
             s.SZesil = 20;
         },
         Formular::Nabidka,
         Plus(kZaklad, bezDistance)},
        {"no spacer colour with a two-sided overlay",
         [&](Session &s) {
             ctyri(s);
             s.SPrekryv = 2;
         },
         Formular::Nabidka,
         Plus(kZaklad, bezDistance)},
        {"no spacer colour chosen",
         [&](Session &s) {
             ctyri(s);
             s.SDoplnek1.DDoplnek.SBarvaDR = -1;
         },
         Formular::Objed,
         Plus(kZaklad, bezDistance)},
        {"slot 1 empty, slot 3 filled",
         [](Session &s) {
             s.DoplnkyVybrany = true;
             s.SDoplnek3.DDoplnek = Doplnek("Numer domu");
         },
         Formular::Nabidka, Plus(kZaklad, {{"Akcesoria:", ""}, {"", "Numer domu wyłącznie montażu"}})},
        {"decorative muntin alone: the quote lists every slot",
         [](Session &s) {
             s.SOMrizka = 2;
             s.SDoplnek1.DDoplnek = Doplnek("M2 = 2 x kratka dekoracyjna");
             s.SDoplnek1.DDoplnek.Namontovat = true;
             s.SDoplnek2.DDoplnek = Doplnek("Wizjer");
         },
         Formular::Nabidka,
         Plus(kZaklad, {{"Akcesoria:", "M2 = 2 x kratka dekoracyjna włącznie montażu"},
                        {"", "Wizjer wyłącznie montażu"}})},
        {"decorative muntin alone: the order lists slot 1 only",
         [](Session &s) {
             s.SOMrizka = 2;
             s.SDoplnek1.DDoplnek = Doplnek("M2 = 2 x kratka dekoracyjna");
             s.SDoplnek1.DDoplnek.Namontovat = true;
             s.SDoplnek2.DDoplnek = Doplnek("Wizjer");
         },
         Formular::Objed, Plus(kZaklad, {{"Akcesoria:", "M2 = 2 x kratka dekoracyjna włącznie montażu"}})},
        {"filled slots without accessories chosen give nothing",
         [](Session &s) { s.SDoplnek1.DDoplnek = Doplnek("Wizjer"); }, Formular::Nabidka, kZaklad},
        {"accessories-only job: pieces, spacer, thickness",
         [&](Session &s) {
             jenDoplnky(s);
             // Infill lines are not written even with infill data in the session.
             s.SJmenoV = "Aura";
             s.MrizkaVybrana = true;
             TDDoplnek &a = s.SDoplnek1.DDoplnek;
             a = Doplnek("Klamka z szyldem");
             a.PocetKs = 2;
             a.Tloustka = 48;
             a.Namontovat = a.Umisten = true;
             a.Zleva = 70;
             a.Zdola = 1050;
             TDDoplnek &b = s.SDoplnek2.DDoplnek;
             b = Doplnek("Wizjer");
             b.MaDistanci = true;
             b.SBarvaDR = 0;
             b.BezTloustky = true;
             s.SZesil = 20; // no bearing outside an infill job
             s.SPrekryv = 2;
         },
         Formular::Objed,
         {{"Akcesoria:", "2 x Klamka z szyldem (48 mm)"},
          {"", "Umieszczenie: 70 mm z levej, 1050 mm z dołu"},
          {"", "1 x Wizjer + biała RD"}}},
        {"accessories-only job without accessories: no lines",
         [&](Session &s) {
             jenDoplnky(s);
             s.DoplnkyVybrany = false;
             s.SDoplnek1.DDoplnek = Doplnek("Wizjer");
         },
         Formular::Nabidka, {}},
    });
}

// ---- Delivery date ---------------------------------------------------------------------

namespace {

double D(int d, int m, int y) { return EncodeDate(y, m, d); }

struct PripadTerminu {
    const char *popis;
    std::function<void(Session &)> nastav;
    Formular formular;
    double dnes;
    double termin;
    const char *napoveda;
};

} // namespace

// Expected dates counted by hand over the calendar: weekends, the fixed holidays
// (1.1, 1.5, 8.5, 5.7, 6.7, 28.9, 28.10, 17.11, 24.-26.12) and Good Friday to Easter
// Monday (2024: 29.3.-1.4.).
TEST(TerminTest, ProposedDateAndHint)
{
    const auto jenDoplnky = [](Session &s) {
        s.TypZakazky = 2;
        s.DoplnkyVybrany = true;
        s.SDoplnek1.DDoplnek = Doplnek("Wizjer");
        s.SBarva1.DBarva.ObjDni = 3;
        s.RBarva2.RBarva.ObjDni = 4;
    };
    const auto nezasklena = [](Session &s) { s.SZaskleni = 0; };
    const char *k9 = "nieoszklone wypełnienia do 9 dni pracy";
    const char *k21 = "wypełnienia z witrażami i szkłem piskowanym do 21 dni pracy";
    const std::vector<PripadTerminu> pripady = {
        // Today Tuesday 5.3.2024.
        {"accessories only, order: 5 days, no lead time", jenDoplnky, Formular::Objed, D(5, 3, 2024),
         D(12, 3, 2024), ""},
        {"accessories only, quote: 5 days + the longest lead time 4", jenDoplnky, Formular::Nabidka,
         D(5, 3, 2024), D(18, 3, 2024), ""},
        {"accessories only ignores a completed form",
         [&](Session &s) {
             jenDoplnky(s);
             s.apPocet = 3;
             s.apTermin = D(1, 7, 2024);
         },
         Formular::Objed, D(5, 3, 2024), D(12, 3, 2024), ""},
        {"unglazed: 5 + 4", nezasklena, Formular::Nabidka, D(5, 3, 2024), D(18, 3, 2024), k9},
        {"unglazed with a frame: 8 + 4 under the same hint",
         [&](Session &s) {
             nezasklena(s);
             s.SRamecek2 = 1;
         },
         Formular::Nabidka, D(5, 3, 2024), D(21, 3, 2024), k9},
        {"unglazed with a strip", [&](Session &s) { nezasklena(s); s.SOPaska1 = 2; }, Formular::Objed,
         D(5, 3, 2024), D(21, 3, 2024), k9},
        {"groove on a strip counts in the order",
         [&](Session &s) { nezasklena(s); s.SODr2 = 1; }, Formular::Objed, D(5, 3, 2024), D(21, 3, 2024), k9},
        {"... but not in the quote",
         [&](Session &s) { nezasklena(s); s.SODr2 = 1; }, Formular::Nabidka, D(5, 3, 2024), D(18, 3, 2024), k9},
        {"glazed: 10 + 4", [](Session &) {}, Formular::Nabidka, D(5, 3, 2024), D(25, 3, 2024),
         "oszklone wypełnienia do 14 dni pracy"},
        {"aluminium glazed: 15 + 4", [](Session &s) { s.SHlinik = true; }, Formular::Objed, D(5, 3, 2024),
         D(3, 4, 2024), "aluminiowe wypełnienia do 19 dni pracy"},
        {"aluminium inside, unglazed: 12 + 4",
         [&](Session &s) {
             nezasklena(s);
             s.SHlinik2 = true;
             s.SRamecek1 = 1;
         },
         Formular::Nabidka, D(5, 3, 2024), D(27, 3, 2024), "nieoszklone aluminiowe wypełnienia do 16 dni pracy"},
        {"stained glass: 17 + 4",
         [&](Session &s) {
             nezasklena(s);
             s.SHlinik = true;
             s.VitrazVybrana = true;
         },
         Formular::Nabidka, D(5, 3, 2024), D(5, 4, 2024), k21},
        {"stone frame inside", [](Session &s) { s.SKamen2 = true; }, Formular::Objed, D(5, 3, 2024),
         D(5, 4, 2024), k21},
        {"special inner glass", [](Session &s) { s.SDekor2.DDekor = Sklo("Ornament", 7); }, Formular::Nabidka,
         D(5, 3, 2024), D(5, 4, 2024), k21},
        {"glass class 6 is not special", [](Session &s) { s.SDekor1.DDekor = Sklo("Ornament", 6); },
         Formular::Nabidka, D(5, 3, 2024), D(25, 3, 2024), "oszklone wypełnienia do 14 dni pracy"},
        {"special middle pane: the order always looks",
         [](Session &s) { s.SDekorP.DDekor = Sklo("Ornament", 7); }, Formular::Objed, D(5, 3, 2024),
         D(5, 4, 2024), k21},
        {"... the quote only with triple glazing",
         [](Session &s) { s.SDekorP.DDekor = Sklo("Ornament", 7); }, Formular::Nabidka, D(5, 3, 2024),
         D(25, 3, 2024), "oszklone wypełnienia do 14 dni pracy"},
        {"... which it has",
         [](Session &s) {
             s.SDekorP.DDekor = Sklo("Ornament", 7);
             s.STrojsklo = true;
         },
         Formular::Nabidka, D(5, 3, 2024), D(5, 4, 2024), k21},
        {"special fourth pane in the quote needs quadruple glazing",
         [](Session &s) {
             s.SDekor4.DDekor = Sklo("Ornament", 7);
             s.STrojsklo = true;
         },
         Formular::Nabidka, D(5, 3, 2024), D(25, 3, 2024), "oszklone wypełnienia do 14 dni pracy"},
        // Colour lead time: added after the base, named in the hint.
        {"lead time of the frame colour: 10 + 6 + 4",
         [](Session &s) { s.RBarva1.RBarva.ObjDni = 6; }, Formular::Objed, D(5, 3, 2024), D(4, 4, 2024),
         "oszklone wypełnienia do 14 dni pracy + 6"},
        {"second outer colour counts in the quote",
         [](Session &s) {
             s.SBarva2.DBarva.ObjDni = 2;
             s.SBarva12.DBarva.ObjDni = 6;
         },
         Formular::Nabidka, D(5, 3, 2024), D(4, 4, 2024), "oszklone wypełnienia do 14 dni pracy + 6"},
        {"... in the order only for a panel of more than one position",
         [](Session &s) {
             s.SBarva2.DBarva.ObjDni = 2;
             s.SBarva12.DBarva.ObjDni = 6;
         },
         Formular::Objed, D(5, 3, 2024), D(27, 3, 2024), "oszklone wypełnienia do 14 dni pracy + 2"},
        {"... which it has",
         [](Session &s) {
             s.SBarva2.DBarva.ObjDni = 2;
             s.SBarva12.DBarva.ObjDni = 6;
             s.SPozic = 2;
         },
         Formular::Objed, D(5, 3, 2024), D(4, 4, 2024), "oszklone wypełnienia do 14 dni pracy + 6"},
        {"a completed form keeps its date, the hint is recomputed",
         [](Session &s) {
             s.SBarva1.DBarva.ObjDni = 5;
             s.apPocet = 2;
             s.apTermin = D(3, 6, 2024);
         },
         Formular::Nabidka, D(5, 3, 2024), D(3, 6, 2024), "oszklone wypełnienia do 14 dni pracy + 5"},
        // Other days.
        {"Wednesday before Easter, unglazed", nezasklena, Formular::Objed, D(27, 3, 2024), D(11, 4, 2024), k9},
        {"Friday before Christmas, accessories only", jenDoplnky, Formular::Objed, D(20, 12, 2024),
         D(2, 1, 2025), ""},
        {"Friday before Christmas, glazed", [](Session &) {}, Formular::Objed, D(20, 12, 2024), D(15, 1, 2025),
         "oszklone wypełnienia do 14 dni pracy"},
        {"Saturday counts from Monday", nezasklena, Formular::Objed, D(27, 4, 2024), D(13, 5, 2024), k9},
        {"end of April over 1.5 and 8.5", [](Session &s) { s.SRamecek1 = 1; s.SZaskleni = 0; },
         Formular::Objed, D(26, 4, 2024), D(16, 5, 2024), k9},
    };
    for (const PripadTerminu &p : pripady) {
        SCOPED_TRACE(p.popis);
        Session s = Vypln();
        p.nastav(s);
        const qmrtest::FakeClock hodiny(p.dnes);
        const NavrhTerminu n = NavrhniTermin(s, hodiny, p.formular);
        EXPECT_EQ(FormatDate(n.Termin), FormatDate(p.termin));
        EXPECT_EQ(n.Napoveda, p.napoveda);
    }
}

// ---- The demonstration job ---------------------------------------------------------------

class DemoRadkyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        namespace fs = std::filesystem;
        const fs::path data = fs::path(qmrtest::programDir()) / "DATA";
        if (!fs::exists(data / "vyplne.qmr"))
            GTEST_SKIP() << "the demo catalogue is not built: " << data;
        fs::copy(data, dir.path() / "DATA", fs::copy_options::recursive);
        const std::string job = dir.file("DATA/demo.qms");
        fs::copy_file(qmrtest::sourceDir() + "/tools/demo-jobs/demo.qms", job);
        InitSession(s, dir.file("quilmar"));
        SeznamyVyplni(s);
        SeznamyBarev(s);
        ASSERT_TRUE(NactiData(s, job, zpravy, hodiny)) << ::testing::PrintToString(zpravy.texts());
        Nazvi(s);
        Ocen(s);
    }

    qmrtest::TempDir dir;
    Session s;
    qmrtest::FakeMessages zpravy;
    qmrtest::FakeClock hodiny{2024, 3, 5};
};

TEST_F(DemoRadkyTest, LinesOfTheDemoJob)
{
    const Radky radky = Zip(DejRadky(s, Formular::Objed));
    ASSERT_FALSE(radky.empty());
    EXPECT_EQ(radky.front().first, "Wypełnienie:");
    EXPECT_EQ(radky.front().second, s.SJmenoV);
    EXPECT_EQ(Zip(DejRadky(s, Formular::Nabidka)), radky);
    const Radky konec(radky.begin() + 1, radky.end());
    EXPECT_EQ(konec, (Radky{{"Wzmocnienie:", "1 x Fe (stal)"},
                            {"Wymiary:", "szerokość 900 mm, wysokość 2000 mm, grubość " +
                                             std::to_string(s.CTloustka) + " mm"},
                            {"Kolory:", "strona zewnętrzna Kremowy"},
                            {"", "strona wewnętrzna Biały 9016"},
                            {"Szkło:", "strona zewnętrzna Mat satynowy"},
                            {"", "strona wewnętrzna Float przezroczysty 4 mm"},
                            {"Akcesoria:", "Klamka z szyldem włącznie montażu"}}));
}

TEST_F(DemoRadkyTest, DateOfTheDemoJob)
{
    // The job was loaded with its order data: its date stays; cream has 5 days lead time.
    NavrhTerminu n = NavrhniTermin(s, hodiny, Formular::Nabidka);
    EXPECT_EQ(FormatDate(n.Termin), "12.03.2024");
    EXPECT_EQ(n.Napoveda, "oszklone wypełnienia do 14 dni pracy + 5");
    // A fresh form: 10 + 5 + 4 working days over Easter.
    s.apPocet = 0;
    n = NavrhniTermin(s, hodiny, Formular::Objed);
    EXPECT_EQ(FormatDate(n.Termin), "03.04.2024");
    EXPECT_EQ(n.Dni, 5);
}
