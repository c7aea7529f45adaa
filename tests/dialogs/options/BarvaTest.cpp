// The colour dialogs: what each family offers, swatches and RAL fields, the OK rules,
// what confirmation writes (colours, RAL numbers, HPL flags, the settled size), Cancel,
// and the frame colour dialog.
#include "dialogs/options/UBarva.h"
#include "dialogs/options/UBarvaR.h"

#include "catalogues/Seznamy.h"
#include "core/TSifraSoubor.h"
#include "dialogs/infill/Snimek.h"
#include "support/FakePictureStore.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

using namespace qmr;
using qmrtest::FakePictureStore;
using qmrtest::Rozdily;
using qmrtest::Snimek;
using Strana = StranaBarvy;

namespace {

using Seznam = std::vector<std::string>;

// The demo catalogue's colours by family, in the order the lists show them.
const Seznam kAluminium{"Aluminium RAL wg wzornika", "Antracyt metalik", "Beton jasny na aluminium",
                        "Biały struktura RAL 9016", "Kolor niestandardowy", "Srebro anodowane",
                        "Własny kolor RAL", "Złoty dąb na aluminium"};
const Seznam kAluminiumBezDekoru{"Aluminium RAL wg wzornika", "Antracyt metalik", "Beton jasny na aluminium",
                                 "Biały struktura RAL 9016", "Kolor niestandardowy", "Srebro anodowane",
                                 "Własny kolor RAL"};
const Seznam kAbs{"Biały", "Czarny", "Dąb złoty – folia", "HPL Beton ciemny", "HPL Grafit", "Kremowy",
                  "Łupek kamienny", "Orzech – folia"};
const Seznam kAbsBezHpl{"Biały", "Biały gładki", "Czarny", "Dąb złoty – folia", "Kremowy", "Łupek kamienny",
                        "Orzech – folia"};
const Seznam kAbsVse{"Biały", "Biały gładki", "Czarny", "Dąb złoty – folia", "HPL Beton ciemny", "HPL Grafit",
                     "Kremowy", "Łupek kamienny", "Orzech – folia"};
const Seznam kDekoryAbs{"Dąb złoty – folia", "HPL Beton ciemny", "HPL Grafit", "Łupek kamienny", "Orzech – folia"};
const Seznam kFornir{"Dąb naturalny – fornir", "Jesion – fornir"};

// The material flags of the families.
struct Rodina {
    bool Hlinik = false, Hlinik2 = false, Dyha = false, Dyha2 = false, HPL1 = false, Glas = false, RadaK = false;
};
constexpr Rodina kRodAbs{};
constexpr Rodina kRodAbsK{.RadaK = true};
constexpr Rodina kRodHpl{.HPL1 = true, .RadaK = true};
constexpr Rodina kRodHlinik{.Hlinik = true};
constexpr Rodina kRodAlAbs{.Hlinik2 = true, .RadaK = true};
constexpr Rodina kRodDrevo{.Dyha = true};
constexpr Rodina kRodAlDrevo{.Dyha = true, .Dyha2 = true};
constexpr Rodina kRodSklo{.Glas = true};

void nastav(Session &s, const Rodina &r)
{
    s.SHlinik = r.Hlinik;
    s.SHlinik2 = r.Hlinik2;
    s.SDyha = r.Dyha;
    s.SDyha2 = r.Dyha2;
    s.SHPL1 = r.HPL1;
    s.SHPL2 = false;
    s.SGlas = r.Glas;
    s.SRadaK = r.RadaK;
}

void pridejBarvu(Snimek &out, const std::string &p, const TDbarva &b)
{
    const std::string pre = p + ".";
    using qmrtest::detail::text;
#define F(x) out.emplace_back(pre + #x, text(b.x))
    F(Polozka); F(Nazev); F(Kod); F(BF1S1); F(BF1S2); F(BF2S1); F(BF2S2); F(BF3S1); F(BF3S2); F(PHPL1);
    F(VHPL1); F(NetPS1); F(NetPS2); F(PrDekor); F(PrDvojbarva1); F(PrDvojbarva2); F(Drevo); F(Dyha);
    F(Hlinik); F(DDekor); F(Elox); F(Beton); F(ProHPL); F(JenomHPL); F(FixRal); F(Kamen); F(Cislo);
    F(ObjDni); F(ALABS); F(MaxVF1); F(MaxVF2); F(MaxSF1); F(MaxSF2);
#undef F
}

// The whole session as the start-flow dialogs see it, with the three colours and the
// remaining limits.
Snimek Snimej(const Session &s)
{
    Snimek out = qmrtest::Snimej(s);
    pridejBarvu(out, "SBarva1", s.SBarva1.DBarva);
    pridejBarvu(out, "SBarva12", s.SBarva12.DBarva);
    pridejBarvu(out, "SBarva2", s.SBarva2.DBarva);
    using qmrtest::detail::text;
    for (auto [n, v] : {std::pair{"MaxSirkaP1", s.MaxSirkaP1}, {"MaxVyskaP1", s.MaxVyskaP1},
                        {"MaxSirkaP2", s.MaxSirkaP2}, {"MaxVyskaP2", s.MaxVyskaP2}, {"TurSirka", s.TurSirka},
                        {"TurVyska", s.TurVyska}, {"StranaR", int(s.StranaR)}})
        out.emplace_back(n, text(v));
    return out;
}

// A program folder with the demo colour catalogue.
class DemoBarvy : public ::testing::Test {
protected:
    void SetUp() override
    {
        namespace fs = std::filesystem;
        const fs::path demo = fs::path(qmrtest::programDir()) / "DATA";
        if (!fs::exists(demo / "barvy.qmr"))
            GTEST_SKIP() << "the demo catalogue is not built: " << demo;
        fs::copy(demo, dir.path() / "DATA", fs::copy_options::recursive);
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        s.SVypln.DVypln.Polozka = 0;
        s.SVypln.DVypln.Kod = "DU";
        s.SVypln.DVypln.MaxSirkaF1 = 1000;
        s.SVypln.DVypln.MaxVyskaF1 = 2200;
        s.SVypln.DVypln.MaxSirkaF2 = 950;
        s.SVypln.DVypln.MaxVyskaF2 = 2100;
        s.SFormat = 1;
        obrazky.everythingExists = true;
    }

    std::string vzorek(const std::string &kod) const { return s.apCesta + "BARVY/" + kod + ".jpg"; }

    qmrtest::TempDir dir;
    Session s;
    FakePictureStore obrazky;
};

int radek(const TVBarva &d, Strana st, const std::string &nazev)
{
    const Seznam &l = d.Panel(st).Seznam;
    const auto it = std::find(l.begin(), l.end(), nazev);
    return it == l.end() ? -1 : int(it - l.begin());
}

// Clicks the colour in its list; fails the test when the list does not offer it.
void vyber(TVBarva &d, Strana st, const std::string &nazev)
{
    const int r = radek(d, st, nazev);
    ASSERT_GE(r, 0) << nazev << " is not offered";
    d.Vyber(st, r);
}

} // namespace

TEST_F(DemoBarvy, EachFamilyOffersItsColours)
{
    struct Pripad {
        const char *popis;
        Rodina rodina;
        bool dvojbarva;
        int drazka1; // SODrazka1
        Seznam s1, s12, s2;
    } pripady[] = {
        {"ABS", kRodAbs, false, 0, kAbs, {}, kAbs},
        {"ABS K series", kRodAbsK, false, 0,
         {"Biały", "Biały gładki", "Czarny", "Dąb złoty – folia", "Kremowy", "Łupek kamienny", "Orzech – folia"},
         {}, kAbsBezHpl},
        {"HPL: decors outside, every ABS colour inside", kRodHpl, false, 0, kDekoryAbs, {}, kAbsVse},
        {"aluminium", kRodHlinik, false, 0, kAluminium, {}, kAluminium},
        {"aluminium with grooves outside: no decor there", kRodHlinik, false, 1, kAluminiumBezDekoru, {},
         kAluminium},
        {"two-colour aluminium", kRodHlinik, true, 0, kAluminium, kAluminium, kAluminium},
        {"AL/ABS", kRodAlAbs, false, 0, kAluminium, {}, kAbsVse},
        {"wood", kRodDrevo, false, 0, kFornir, {}, kFornir},
        {"AL/wood: no decor on the aluminium side", kRodAlDrevo, false, 0, kAluminiumBezDekoru, {}, kFornir},
        {"glass: aluminium inside only", kRodSklo, false, 0, {}, {}, kAluminium},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        nastav(s, p.rodina);
        s.SDvojbarva = p.dvojbarva;
        s.SODrazka1 = p.drazka1;
        TVBarva d(s, obrazky);
        EXPECT_EQ(d.Panel(Strana::Vnejsi).Seznam, p.s1);
        EXPECT_EQ(d.Panel(Strana::Pozice2).Seznam, p.s12);
        EXPECT_EQ(d.Panel(Strana::Vnitrni).Seznam, p.s2);
        EXPECT_EQ(d.Panel(Strana::Pozice2).Viditelny, p.dvojbarva);
        EXPECT_EQ(d.Panel(Strana::Pozice2).Povoleny, p.dvojbarva);
    }
    // The lists are built when the dialog finds them empty.
    EXPECT_FALSE(s.ListBarev.empty());
}

TEST_F(DemoBarvy, OpensWithNothingChosenAndTheCaptionsOfItsPanels)
{
    nastav(s, kRodHlinik);
    s.SBarva1.DBarva.Polozka = 3; // an earlier choice is not taken over
    s.SBarva1.DBarva.Nazev = "Własny kolor RAL";
    TVBarva jedna(s, obrazky);
    for (Strana st : {Strana::Vnejsi, Strana::Pozice2, Strana::Vnitrni}) {
        const PanelBarvy &p = jedna.Panel(st);
        EXPECT_EQ(p.Radek, -1);
        EXPECT_EQ(jedna.SelBarva(st).DBarva.Polozka, -1);
        EXPECT_EQ(p.RAL.Text, "0000");
        EXPECT_FALSE(p.RAL.Viditelny);
        EXPECT_FALSE(p.Vzorek.Viditelny);
        EXPECT_EQ(p.PopisRAL.Text, "Numer koloru RAL:");
        EXPECT_FALSE(p.PopisRAL.Viditelny);
    }
    EXPECT_EQ(jedna.Panel(Strana::Vnejsi).Nadpis.Text, "Strona zewnętrzna");
    EXPECT_EQ(jedna.Panel(Strana::Vnitrni).Nadpis.Text, "Strona wewnętrzna");
    EXPECT_TRUE(jedna.Panel(Strana::Vnejsi).RAL.Povoleny);
    EXPECT_FALSE(jedna.Panel(Strana::Pozice2).RAL.Povoleny);
    EXPECT_FALSE(jedna.Image4().Viditelny);
    EXPECT_FALSE(jedna.OKPovolen());
    EXPECT_STREQ(TVBarva::kTitulek, "Wybór kolorów wypełnień");
    EXPECT_STREQ(TVBarva::kOKButton, "O&K");
    EXPECT_STREQ(TVBarva::kEscButton, "&Anuluj");

    // One colour: two panels of 370 side by side, centred in the 800 x 600 area.
    const RozlozeniBarev &r = jedna.Rozlozeni();
    EXPECT_EQ(r.Panel1.Width, 370);
    EXPECT_EQ(r.Panel2.Width, 370);
    EXPECT_EQ(r.Seznam.Width, 350);
    EXPECT_EQ(r.Panel2.Left - r.Panel1.Left, 380);
    EXPECT_EQ(r.Sirka, r.Panel2.Left + r.Panel2.Width + 10);
    s.VolbaLeft = 100;
    s.VolbaTop = 50;
    EXPECT_EQ(jedna.Umisteni(r.Sirka, r.Vyska),
              (Bod{100 + PulRound(800 - r.Sirka), 50 + PulRound(600 - r.Vyska)}));

    // Two colours: headings by position, the drawing 200 px left of Panel1; the wider
    // form takes the main window's left edge.
    s.SDvojbarva = true;
    TVBarva dve(s, obrazky);
    EXPECT_EQ(dve.Panel(Strana::Vnejsi).Nadpis.Text, "Zewnętrz – pozycja 1");
    EXPECT_EQ(dve.Panel(Strana::Pozice2).Nadpis.Text, "Zewnętrz – pozycja 2");
    EXPECT_TRUE(dve.Panel(Strana::Pozice2).RAL.Povoleny);
    const RozlozeniBarev &r2 = dve.Rozlozeni();
    EXPECT_EQ(r2.Panel1.Left - r2.Image4.Left, 200);
    EXPECT_GT(r2.Sirka, 796);
    EXPECT_EQ(dve.Umisteni(r2.Sirka, r2.Vyska), (Bod{100, 50 + PulRound(600 - r2.Vyska)}));
}

TEST_F(DemoBarvy, TwoColourDrawing)
{
    nastav(s, kRodHlinik);
    s.SDvojbarva = true;
    obrazky.everythingExists = false;
    const std::string rys = s.apCesta + "RYSY/DUF1S1.jpg";
    const std::string rysP = s.apCesta + "RYSY/DUF1S1P.jpg";
    obrazky.Add(rys);
    obrazky.Add(rysP);
    struct Pripad {
        bool excentr, prava;
        std::string cesta;
    } pripady[] = {{false, false, rys}, {true, false, rys}, {false, true, rys}, {true, true, rysP}};
    for (const Pripad &p : pripady) {
        s.SExcentr = p.excentr;
        s.SPrava = p.prava;
        TVBarva d(s, obrazky);
        EXPECT_EQ(d.Image4().Cesta, p.cesta);
        EXPECT_TRUE(d.Image4().Viditelny);
    }
    s.SVypln.DVypln.Kod = "XX"; // no such drawing
    EXPECT_FALSE(TVBarva(s, obrazky).Image4().Viditelny);
    s.SVypln.DVypln.Kod = "DU";
    s.SDvojbarva = false;
    EXPECT_FALSE(TVBarva(s, obrazky).Image4().Viditelny);
}

TEST_F(DemoBarvy, ChoosingAColourReadsItsRecord)
{
    nastav(s, kRodHlinik);
    TVBarva d(s, obrazky);
    vyber(d, Strana::Vnejsi, "Własny kolor RAL");
    const TDbarva &b = d.SelBarva(Strana::Vnejsi).DBarva;
    EXPECT_EQ(b.Polozka, 6); // its row in the sorted list
    EXPECT_EQ(d.Panel(Strana::Vnejsi).Radek, 6);
    EXPECT_EQ(b.Nazev, "Własny kolor RAL");
    EXPECT_EQ(b.Kod, "vlral");
    EXPECT_EQ(b.BF1S1, 500);
    EXPECT_EQ(b.BF2S2, 400);
    EXPECT_EQ(b.NetPS1, 1800);
    EXPECT_EQ(b.NetPS2, 900);
    EXPECT_EQ(b.PrDekor, 600);
    EXPECT_EQ(b.PrDvojbarva1, 1500);
    EXPECT_EQ(b.PrDvojbarva2, 1800);
    EXPECT_EQ(b.ObjDni, 10);
    EXPECT_TRUE(b.Hlinik);
    EXPECT_FALSE(b.FixRal);
    EXPECT_EQ(b.Cislo, "");

    vyber(d, Strana::Vnitrni, "Srebro anodowane");
    EXPECT_TRUE(d.SelBarva(Strana::Vnitrni).DBarva.Elox);
    // A click that leaves no row selected, or beyond the list, or in the hidden panel of
    // position 2 changes nothing.
    const TDbarva pred = d.SelBarva(Strana::Vnejsi).DBarva;
    d.Vyber(Strana::Vnejsi, -1);
    d.Vyber(Strana::Vnejsi, 99);
    d.Vyber(Strana::Pozice2, 0);
    EXPECT_EQ(d.SelBarva(Strana::Vnejsi).DBarva.Kod, pred.Kod);
    EXPECT_EQ(d.Panel(Strana::Vnejsi).Radek, 6);
    EXPECT_EQ(d.SelBarva(Strana::Pozice2).DBarva.Polozka, -1);
}

TEST_F(DemoBarvy, SwatchOrRalFieldBySideAndColour)
{
    struct Pripad {
        const char *popis;
        Rodina rodina;
        Strana strana;
        const char *barva;
        const char *kod;
        bool ral;    // RAL label and field shown and enabled
        bool vzorek; // swatch shown
    } pripady[] = {
        {"aluminium outer, plain", kRodHlinik, Strana::Vnejsi, "Kolor niestandardowy", "nest01", true, false},
        {"aluminium outer, fixed RAL", kRodHlinik, Strana::Vnejsi, "Antracyt metalik", "a7016m", false, true},
        {"aluminium outer, anodised", kRodHlinik, Strana::Vnejsi, "Srebro anodowane", "elox1", false, true},
        {"aluminium outer, concrete", kRodHlinik, Strana::Vnejsi, "Beton jasny na aluminium", "betal", false, true},
        {"aluminium outer, decor", kRodHlinik, Strana::Vnejsi, "Złoty dąb na aluminium", "dekal1", false, true},
        {"aluminium inner, plain", kRodHlinik, Strana::Vnitrni, "Własny kolor RAL", "vlral", true, false},
        {"aluminium inner, decor", kRodHlinik, Strana::Vnitrni, "Złoty dąb na aluminium", "dekal1", false, true},
        {"AL/ABS outer, plain", kRodAlAbs, Strana::Vnejsi, "Kolor niestandardowy", "nest01", true, false},
        {"AL/ABS inner is ABS", kRodAlAbs, Strana::Vnitrni, "Kremowy", "b02", false, true},
        {"AL/wood outer, plain", kRodAlDrevo, Strana::Vnejsi, "Własny kolor RAL", "vlral", true, false},
        {"AL/wood inner veneer", kRodAlDrevo, Strana::Vnitrni, "Jesion – fornir", "dy02", false, true},
        {"glass inner, plain", kRodSklo, Strana::Vnitrni, "Aluminium RAL wg wzornika", "alral", true, false},
        {"glass inner, fixed RAL", kRodSklo, Strana::Vnitrni, "Biały struktura RAL 9016", "a9016s", false, true},
        {"ABS outer", kRodAbs, Strana::Vnejsi, "Czarny", "b09", false, true},
        {"ABS inner", kRodAbs, Strana::Vnitrni, "Czarny", "b09", false, true},
        {"wood outer", kRodDrevo, Strana::Vnejsi, "Dąb naturalny – fornir", "dy01", false, true},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        nastav(s, p.rodina);
        TVBarva d(s, obrazky);
        vyber(d, p.strana, p.barva);
        const PanelBarvy &pn = d.Panel(p.strana);
        EXPECT_EQ(pn.RAL.Viditelny, p.ral);
        EXPECT_EQ(pn.RAL.Povoleny, p.ral);
        EXPECT_EQ(pn.PopisRAL.Viditelny, p.ral);
        EXPECT_EQ(pn.Vzorek.Viditelny, p.vzorek);
        EXPECT_EQ(pn.Vzorek.Cesta, p.vzorek ? vzorek(p.kod) : "");
    }

    // Position 2 follows the outer side's rule; a missing swatch file stays hidden.
    nastav(s, kRodHlinik);
    s.SDvojbarva = true;
    obrazky.everythingExists = false;
    TVBarva d(s, obrazky);
    vyber(d, Strana::Pozice2, "Własny kolor RAL");
    EXPECT_TRUE(d.Panel(Strana::Pozice2).RAL.Viditelny);
    vyber(d, Strana::Pozice2, "Antracyt metalik");
    EXPECT_FALSE(d.Panel(Strana::Pozice2).RAL.Viditelny);
    EXPECT_FALSE(d.Panel(Strana::Pozice2).RAL.Povoleny);
    EXPECT_FALSE(d.Panel(Strana::Pozice2).Vzorek.Viditelny);
    obrazky.Add(vzorek("a7016m"));
    vyber(d, Strana::Pozice2, "Antracyt metalik");
    EXPECT_TRUE(d.Panel(Strana::Pozice2).Vzorek.Viditelny);
}

TEST_F(DemoBarvy, RalFieldKeepsFourDigits)
{
    nastav(s, kRodHlinik);
    TVBarva d(s, obrazky);
    struct Pripad {
        const char *vstup, *text;
        bool zadan;
    } pripady[] = {
        {"9016", "9016", true}, {"0000", "0000", false}, {"", "", false},     {"12", "12", true},
        {"12a3", "123", true},  {"901645", "9016", true}, {" 7 ", "7", true}, {"RAL", "", false},
    };
    for (const Pripad &p : pripady) {
        d.NastavRAL(Strana::Vnejsi, p.vstup);
        EXPECT_EQ(d.Panel(Strana::Vnejsi).RAL.Text, p.text) << p.vstup;
        EXPECT_EQ(TVBarva::RALZadan(d.Panel(Strana::Vnejsi).RAL.Text), p.zadan) << p.vstup;
    }
    EXPECT_FALSE(TVBarva::RALZadan(" 0000 "));
}

TEST_F(DemoBarvy, OkNeedsEveryColourAndEveryRalNumber)
{
    // Each step: pick (colour) or type (RAL text) on a side, then whether OK is enabled.
    struct Krok {
        Strana strana;
        const char *barva; // nullptr: RAL text
        const char *ral;
        bool ok;
    };
    struct Pripad {
        const char *popis;
        Rodina rodina;
        bool dvojbarva;
        std::vector<Krok> kroky;
    } pripady[] = {
        {"aluminium: plain colours need their numbers on both sides", kRodHlinik, false,
         {{Strana::Vnejsi, "Kolor niestandardowy", nullptr, false},
          {Strana::Vnejsi, nullptr, "3020", false},
          {Strana::Vnitrni, "Własny kolor RAL", nullptr, false},
          {Strana::Vnitrni, nullptr, "0000", false},
          {Strana::Vnitrni, nullptr, "9010", true},
          {Strana::Vnejsi, nullptr, "", false},
          {Strana::Vnejsi, nullptr, "0000", false},
          {Strana::Vnejsi, nullptr, "7016", true},
          {Strana::Vnejsi, "Antracyt metalik", nullptr, true}}},
        {"aluminium: special colours need none", kRodHlinik, false,
         {{Strana::Vnitrni, "Srebro anodowane", nullptr, false},
          {Strana::Vnejsi, "Beton jasny na aluminium", nullptr, true}}},
        {"two-colour aluminium needs position 2 and its number", kRodHlinik, true,
         {{Strana::Vnejsi, "Antracyt metalik", nullptr, false},
          {Strana::Vnitrni, "Antracyt metalik", nullptr, false},
          {Strana::Pozice2, "Kolor niestandardowy", nullptr, false},
          {Strana::Pozice2, nullptr, "1015", true}}},
        {"AL/ABS: the ABS inner side needs no number", kRodAlAbs, false,
         {{Strana::Vnitrni, "Kremowy", nullptr, false},
          {Strana::Vnejsi, "Kolor niestandardowy", nullptr, false},
          {Strana::Vnejsi, nullptr, "5010", true}}},
        {"AL/wood", kRodAlDrevo, false,
         {{Strana::Vnejsi, "Własny kolor RAL", nullptr, false},
          {Strana::Vnitrni, "Jesion – fornir", nullptr, false},
          {Strana::Vnejsi, nullptr, "1", true}}},
        {"glass: the inner colour only", kRodSklo, false,
         {{Strana::Vnitrni, "Aluminium RAL wg wzornika", nullptr, false},
          {Strana::Vnitrni, nullptr, "9005", true}}},
        {"glass: special inner colour", kRodSklo, false, {{Strana::Vnitrni, "Antracyt metalik", nullptr, true}}},
        {"ABS: both colours", kRodAbs, false,
         {{Strana::Vnitrni, "Biały", nullptr, false}, {Strana::Vnejsi, "Czarny", nullptr, true}}},
        {"HPL", kRodHpl, false,
         {{Strana::Vnejsi, "HPL Grafit", nullptr, false}, {Strana::Vnitrni, "Biały gładki", nullptr, true}}},
        {"wood", kRodDrevo, false,
         {{Strana::Vnejsi, "Jesion – fornir", nullptr, false},
          {Strana::Vnitrni, "Dąb naturalny – fornir", nullptr, true}}},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        nastav(s, p.rodina);
        s.SDvojbarva = p.dvojbarva;
        TVBarva d(s, obrazky);
        int i = 0;
        for (const Krok &k : p.kroky) {
            SCOPED_TRACE(i++);
            if (k.barva)
                vyber(d, k.strana, k.barva);
            else
                d.NastavRAL(k.strana, k.ral);
            EXPECT_EQ(d.OKPovolen(), k.ok);
        }
    }
}

TEST_F(DemoBarvy, ConfirmationStoresTheColoursAndTheirRalNumbers)
{
    struct Pripad {
        const char *popis;
        Rodina rodina;
        bool dvojbarva;
        int format;
        std::vector<std::pair<Strana, const char *>> barvy;
        std::vector<std::pair<Strana, const char *>> ral;
        std::string c1, c12, c2;
    } pripady[] = {
        {"aluminium, plain outside, special inside", kRodHlinik, false, 1,
         {{Strana::Vnejsi, "Kolor niestandardowy"}, {Strana::Vnitrni, "Srebro anodowane"}},
         {{Strana::Vnejsi, "3020"}, {Strana::Vnitrni, "9999"}}, "3020", "", ""},
        {"aluminium, both plain", kRodHlinik, false, 1,
         {{Strana::Vnejsi, "Kolor niestandardowy"}, {Strana::Vnitrni, "Własny kolor RAL"}},
         {{Strana::Vnejsi, "12"}, {Strana::Vnitrni, "9010"}}, "12", "", "9010"},
        {"two-colour", kRodHlinik, true, 1,
         {{Strana::Vnejsi, "Antracyt metalik"}, {Strana::Pozice2, "Własny kolor RAL"},
          {Strana::Vnitrni, "Antracyt metalik"}},
         {{Strana::Pozice2, "1015"}}, "", "1015", ""},
        {"AL/ABS: no number inside", kRodAlAbs, false, 1,
         {{Strana::Vnejsi, "Własny kolor RAL"}, {Strana::Vnitrni, "Kremowy"}}, {{Strana::Vnejsi, "5010"}},
         "5010", "", ""},
        {"glass", kRodSklo, false, 1, {{Strana::Vnitrni, "Kolor niestandardowy"}}, {{Strana::Vnitrni, "9005"}},
         "0000", "", "9005"},
        {"ABS keeps no number", kRodAbs, false, 1, {{Strana::Vnejsi, "Czarny"}, {Strana::Vnitrni, "Biały"}},
         {{Strana::Vnejsi, "1234"}}, "", "", ""},
        {"format 2 keeps the numbers typed", kRodHlinik, false, 2,
         {{Strana::Vnejsi, "Kolor niestandardowy"}, {Strana::Vnitrni, "Własny kolor RAL"}},
         {{Strana::Vnejsi, "7016"}, {Strana::Vnitrni, "9016"}}, "7016", "", "9016"},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        nastav(s, p.rodina);
        s.SDvojbarva = p.dvojbarva;
        s.SFormat = p.format;
        s.BarvyVybrany = false;
        s.SBarva12.DBarva.Nazev = "stara";
        TVBarva d(s, obrazky);
        for (auto [st, b] : p.barvy)
            vyber(d, st, b);
        for (auto [st, t] : p.ral)
            d.NastavRAL(st, t);
        ASSERT_TRUE(d.OKPovolen());
        EXPECT_EQ(d.Potvrd(), 1);
        EXPECT_TRUE(s.BarvyVybrany);
        EXPECT_EQ(s.SBarva1.DBarva.Cislo, p.c1);
        EXPECT_EQ(s.SBarva12.DBarva.Cislo, p.c12);
        EXPECT_EQ(s.SBarva2.DBarva.Cislo, p.c2);
        // Every record is replaced as a whole; an unchosen one comes back empty.
        for (auto [st, b] : p.barvy) {
            const TOBarva &o = st == Strana::Vnejsi ? s.SBarva1 : st == Strana::Pozice2 ? s.SBarva12 : s.SBarva2;
            EXPECT_EQ(o.DBarva.Nazev, b);
            EXPECT_EQ(o.DBarva.Polozka, d.SelBarva(st).DBarva.Polozka);
        }
        if (!p.dvojbarva) {
            EXPECT_EQ(s.SBarva12.DBarva.Polozka, -1);
            EXPECT_EQ(s.SBarva12.DBarva.Nazev, "");
        }
    }
}

TEST_F(DemoBarvy, HplFlagsFollowTheChosenColours)
{
    struct Pripad {
        const char *popis;
        bool hpl1, hpl2;
        const char *vnejsi, *vnitrni;
        bool noveHpl1, noveHpl2;
    } pripady[] = {
        {"HPL decor outside stays HPL", true, false, "HPL Grafit", "Biały", true, false},
        {"an ABS foil outside is a decor too", true, false, "Orzech – folia", "Kremowy", true, false},
        {"a decor inside makes that side HPL", true, false, "HPL Grafit", "HPL Beton ciemny", true, true},
        {"smooth inside clears side 2", true, true, "HPL Grafit", "Biały gładki", true, false},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        nastav(s, kRodHpl);
        s.SHPL1 = p.hpl1;
        s.SHPL2 = p.hpl2;
        TVBarva d(s, obrazky);
        vyber(d, Strana::Vnejsi, p.vnejsi);
        vyber(d, Strana::Vnitrni, p.vnitrni);
        EXPECT_EQ(d.PomHPL1(), p.noveHpl1);
        EXPECT_EQ(d.PomHPL2(), p.noveHpl2);
        EXPECT_EQ(s.SHPL1, p.hpl1); // not before OK
        ASSERT_EQ(d.Potvrd(), 1);
        EXPECT_EQ(s.SHPL1, p.noveHpl1);
        EXPECT_EQ(s.SHPL2, p.noveHpl2);
        EXPECT_TRUE(s.SRadaK);
    }
    // Outside the HPL family the colours leave the flags alone.
    nastav(s, kRodAbs);
    TVBarva d(s, obrazky);
    vyber(d, Strana::Vnejsi, "Orzech – folia");
    vyber(d, Strana::Vnitrni, "HPL Grafit");
    EXPECT_FALSE(d.PomHPL1());
    EXPECT_FALSE(d.PomHPL2());
    ASSERT_EQ(d.Potvrd(), 1);
    EXPECT_FALSE(s.SHPL1);
    EXPECT_FALSE(s.SHPL2);
    // ... and VnutTPR then forces the PUR reinforcement for a decor outside.
    EXPECT_EQ(s.SVyztuz, 7);
    EXPECT_TRUE(s.ProselVyztuze);
}

TEST_F(DemoBarvy, CancelLeavesTheSessionAsItWas)
{
    nastav(s, kRodHlinik);
    s.SDvojbarva = true;
    s.SHPL2 = true;
    s.SSirka = 1234;
    s.SVyska = 2345;
    s.MaxSirka = 1;
    s.MaxVyska = 2;
    s.SBarva1.DBarva.Polozka = 2;
    s.SBarva1.DBarva.Nazev = "Antracyt metalik";
    s.SBarva1.DBarva.Cislo = "7016";
    s.SBarva2.DBarva.Kod = "b01";
    s.SBarva12.DBarva.Drevo = 2;
    SeznamyBarev(s);
    const Snimek pred = Snimej(s);
    {
        TVBarva d(s, obrazky);
        vyber(d, Strana::Vnejsi, "Kolor niestandardowy");
        vyber(d, Strana::Pozice2, "Antracyt metalik");
        vyber(d, Strana::Vnitrni, "Złoty dąb na aluminium");
        d.NastavRAL(Strana::Vnejsi, "3020");
        ASSERT_TRUE(d.OKPovolen());
    }
    EXPECT_EQ(Rozdily(pred, Snimej(s)), "");

    // OK while the button is disabled writes nothing either (not even the HPL flags).
    TVBarva d(s, obrazky);
    vyber(d, Strana::Vnejsi, "Kolor niestandardowy");
    vyber(d, Strana::Vnitrni, "Złoty dąb na aluminium");
    ASSERT_FALSE(d.OKPovolen());
    EXPECT_EQ(d.Potvrd(), 0);
    EXPECT_EQ(Rozdily(pred, Snimej(s)), "");
}

// ---- Size settled on confirmation -------------------------------------------------------

namespace {

struct Klic {
    std::string nazev;
    std::vector<std::pair<std::string, std::string>> klice;
};

// A program folder with a small colour catalogue.
class MaleBarvy : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string t;
        for (const Klic &k : std::vector<Klic>{
                 {"Al", {{"Kod", "al"}, {"Hlinik", "1"}}},
                 {"AlDekor", {{"Kod", "ald"}, {"Hlinik", "1"}, {"DDekor", "1"}}},
                 {"AlDrevo", {{"Kod", "aldr"}, {"Hlinik", "1"}, {"FixRal", "1"}, {"Drevo", "2"},
                              {"MaxVF1", "1900"}, {"MaxSF1", "800"}, {"MaxVF2", "1850"}, {"MaxSF2", "750"}}},
                 {"Fornir1", {{"Kod", "f1"}, {"Dyha", "1"}, {"Drevo", "1"}, {"MaxVF1", "2150"},
                              {"MaxSF1", "980"}, {"MaxVF2", "2100"}, {"MaxSF2", "940"}}},
                 {"Fornir2", {{"Kod", "f2"}, {"Dyha", "1"}, {"Drevo", "2"}, {"MaxVF1", "2000"},
                              {"MaxSF1", "900"}, {"MaxVF2", "1900"}, {"MaxSF2", "850"}}},
                 {"Folia", {{"Kod", "fo"}, {"DDekor", "1"}, {"Drevo", "2"}, {"MaxVF1", "1800"},
                            {"MaxSF1", "700"}, {"MaxVF2", "1700"}, {"MaxSF2", "650"}}},
                 {"FoliaBezMezi", {{"Kod", "fobm"}, {"DDekor", "1"}, {"Drevo", "1"}}},
                 {"Bila", {{"Kod", "bi"}}},
             }) {
            t += "[" + k.nazev + "]\n";
            for (const auto &[n, v] : k.klice)
                t += n + "=" + v + "\n";
            t += "BF1S1=" + Encrypt(100) + "\n\n";
        }
        dir.write("DATA/barvy.qmr", t);
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        TDVypln &v = s.SVypln.DVypln;
        v.Polozka = 0;
        v.Kod = "XX";
        v.MaxSirkaF1 = 1000;
        v.MaxVyskaF1 = 2200;
        v.MaxSirkaF2 = 960;
        v.MaxVyskaF2 = 2150;
        s.SFormat = 1;
    }

    qmrtest::TempDir dir;
    Session s;
    FakePictureStore obrazky;
};

} // namespace

TEST_F(MaleBarvy, ConfirmationSettlesTheSize)
{
    struct Pripad {
        const char *popis;
        Rodina rodina;
        bool special = false, dvojbarva = false;
        int format = 1;
        bool rozmerVybran = false;
        int sirka = 0, vyska = 0;             // the size before
        int predSirka = 0, predVyska = 0;     // preferences
        const char *b1 = nullptr, *b12 = nullptr, *b2 = nullptr;
        int novaSirka, novaVyska;
    } pripady[] = {
        {"format 1 maximum", kRodHlinik, false, false, 1, false, 0, 0, 0, 0, "Al", nullptr, "Al", 1000, 2200},
        {"format 2 maximum", kRodHlinik, false, false, 2, false, 0, 0, 0, 0, "Al", nullptr, "Al", 960,
         2150},
        {"chosen size is only capped", kRodHlinik, false, false, 1, true, 1200, 2500, 0, 0, "Al", nullptr, "Al",
         1000, 2200},
        {"chosen size within the limits stays", kRodHlinik, false, false, 1, true, 700, 1900, 0, 0, "Al", nullptr,
         "Al", 700, 1900},
        {"preferences lower the maximum", kRodHlinik, false, false, 1, false, 0, 0, 800, 2000, "Al", nullptr, "Al",
         800, 2000},
        {"preferences above the size change nothing", kRodHlinik, false, false, 1, true, 700, 1900, 800, 2000, "Al",
         nullptr, "Al", 700, 1900},
        {"decor on aluminium caps the height", kRodHlinik, false, false, 1, false, 0, 0, 0, 0, "AlDekor", nullptr,
         "Al", 1000, 2130},
        {"ABS caps at 900 x 2100", kRodAbs, false, false, 1, false, 0, 0, 0, 0, "Bila", nullptr, "Bila", 900, 2100},
        {"wood kind 2 outside limits, format 1", kRodDrevo, false, false, 1, false, 0, 0, 0, 0, "Fornir2", nullptr,
         "Fornir1", 900, 2000},
        {"wood kind 2 inside: both sides limit", kRodDrevo, false, false, 1, true, 1000, 2200, 0, 0, "Fornir1",
         nullptr, "Fornir2", 900, 2000},
        {"wood kind 1 only: no limits", kRodDrevo, false, false, 1, false, 0, 0, 0, 0, "Fornir1", nullptr,
         "Fornir1", 1000, 2200},
        {"special infill: kind 1 limits too", kRodDrevo, true, false, 1, false, 0, 0, 0, 0, "Fornir1", nullptr,
         "Fornir1", 980, 2150},
        {"wood, format 2 limits", kRodDrevo, false, false, 2, false, 0, 0, 0, 0, "Fornir2", nullptr, "Fornir1",
         850, 1900},
        {"ABS foil of kind 2", kRodAbs, false, false, 1, false, 0, 0, 0, 0, "Folia", nullptr, "Bila", 700, 1800},
        {"HPL outside keeps its foil unlimited in format 1", kRodHpl, false, false, 1, false, 0, 0, 0, 0, "Folia",
         nullptr, "Bila", 900, 2100},
        {"HPL in format 2 is limited", kRodHpl, false, false, 2, false, 0, 0, 0, 0, "Folia", nullptr, "Bila", 650,
         1700},
        {"position 2 limits a two-colour panel", kRodHlinik, false, true, 1, false, 0, 0, 0, 0, "Al", "AlDrevo",
         "Al", 800, 1900},
        {"position 2, format 2", kRodHlinik, false, true, 2, false, 0, 0, 0, 0, "Al", "AlDrevo", "Al", 750, 1850},
        {"a wood colour without limits does not zero the size", kRodAbs, true, false, 1, false, 0, 0, 0, 0,
         "FoliaBezMezi", nullptr, "Bila", 900, 2100},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        nastav(s, p.rodina);
        s.SVypln.DVypln.Special = p.special;
        s.SDvojbarva = p.dvojbarva;
        s.SFormat = p.format;
        s.RozmerVybran = p.rozmerVybran;
        s.SSirka = p.sirka;
        s.SVyska = p.vyska;
        s.SVolby.DefaultData.Sirka = p.predSirka;
        s.SVolby.DefaultData.Vyska = p.predVyska;
        s.SVyztuz = -1;
        TVBarva d(s, obrazky);
        vyber(d, Strana::Vnejsi, p.b1);
        if (p.b12)
            vyber(d, Strana::Pozice2, p.b12);
        vyber(d, Strana::Vnitrni, p.b2);
        for (Strana st : {Strana::Vnejsi, Strana::Pozice2, Strana::Vnitrni})
            d.NastavRAL(st, "1234");
        ASSERT_TRUE(d.OKPovolen());
        ASSERT_EQ(d.Potvrd(), 1);
        EXPECT_EQ(s.SSirka, p.novaSirka);
        EXPECT_EQ(s.SVyska, p.novaVyska);
        EXPECT_TRUE(s.RozmerVybran);
    }
}

TEST_F(MaleBarvy, FixedSizeAndOverlayPanels)
{
    nastav(s, kRodHlinik);
    s.FixRozmer = true;
    s.TurSirka = 750;
    s.TurVyska = 1950;
    s.SPrekryvna = true;
    s.RozmerVybran = false;
    TVBarva d(s, obrazky);
    vyber(d, Strana::Vnejsi, "AlDrevo");
    vyber(d, Strana::Vnitrni, "AlDrevo");
    ASSERT_EQ(d.Potvrd(), 1);
    EXPECT_EQ(s.SSirka, 750);
    EXPECT_EQ(s.SVyska, 1900); // the wood colour's limit
    EXPECT_FALSE(s.RozmerVybran); // an overlay panel's size is still to be given
    EXPECT_EQ(s.MaxSirka, 1000);
    EXPECT_EQ(s.MaxVyska, 2200);
}

// ---- Frame colour dialog ----------------------------------------------------------------

TEST_F(DemoBarvy, FrameColourOffersTheNonAluminiumColoursAndStoresTheSide)
{
    const Seznam ramove{"Biały", "Biały gładki", "Czarny", "Dąb złoty – folia", "HPL Beton ciemny",
                        "HPL Grafit", "Kremowy", "Łupek kamienny", "Orzech – folia"};
    for (int strana : {1, 2}) {
        SCOPED_TRACE(strana);
        s.StranaR = std::uint8_t(strana);
        s.PBarva1 = s.PBarva2 = TROBarva{};
        s.PBarva1.RBarva.Kod = "stary1";
        s.PBarva2.RBarva.Kod = "stary2";
        TVBarvaR d(s, obrazky);
        EXPECT_EQ(d.Titulek(), "Wybór koloru ramki");
        EXPECT_EQ(d.Label1().Text, strana == 1 ? "Strona zewnętrzna" : "Strona wewnętrzna");
        EXPECT_EQ(d.Seznam(), ramove);
        EXPECT_FALSE(d.OKPovolen());
        EXPECT_FALSE(d.Image1().Viditelny);
        EXPECT_EQ(d.Potvrd(), 0); // nothing chosen: nothing stored
        EXPECT_EQ(s.PBarva1.RBarva.Kod, "stary1");
        d.Vyber(-1);
        d.Vyber(int(ramove.size()));
        EXPECT_FALSE(d.OKPovolen());
        d.Vyber(3);
        ASSERT_TRUE(d.OKPovolen());
        EXPECT_EQ(d.Image1().Cesta, vzorek("fol02"));
        EXPECT_TRUE(d.Image1().Viditelny);
        ASSERT_EQ(d.Potvrd(), 1);
        const TRbarva &r = (strana == 1 ? s.PBarva1 : s.PBarva2).RBarva;
        const TRbarva &jina = (strana == 1 ? s.PBarva2 : s.PBarva1).RBarva;
        EXPECT_EQ(r.Polozka, 3);
        EXPECT_EQ(r.Nazev, "Dąb złoty – folia");
        EXPECT_EQ(r.Kod, "fol02");
        EXPECT_EQ(r.Drevo, 1);
        EXPECT_TRUE(r.DDekor);
        EXPECT_FALSE(r.Hlinik);
        EXPECT_EQ(r.ObjDni, 7);
        EXPECT_EQ(jina.Kod, strana == 1 ? "stary2" : "stary1");
    }
    // Net set-up prices come along.
    s.StranaR = 1;
    TVBarvaR d(s, obrazky);
    d.Vyber(1); // Biały gładki
    EXPECT_EQ(d.SelBarva().RBarva.Kod, "hl01");
    obrazky.everythingExists = false;
    d.Vyber(0);
    EXPECT_FALSE(d.Image1().Viditelny);
    EXPECT_EQ(d.Image1().Cesta, "");
}

TEST_F(DemoBarvy, StoneVeneerModeOffersTheStoneColours)
{
    s.SBKamen = true;
    s.StranaR = 2;
    TVBarvaR d(s, obrazky);
    EXPECT_EQ(d.Titulek(), "Wybór forniru kamiennego");
    EXPECT_EQ(d.Seznam(), Seznam{"Łupek kamienny"});
    d.Vyber(0);
    ASSERT_EQ(d.Potvrd(), 1);
    EXPECT_EQ(s.PBarva2.RBarva.Kod, "kam01");
}

TEST_F(DemoBarvy, FrameColourPlacementIsAlwaysCentred)
{
    s.VolbaLeft = 100;
    s.VolbaTop = 40;
    TVBarvaR d(s, obrazky);
    EXPECT_EQ(d.Umisteni(420, 342), (Bod{290, 169}));
    EXPECT_EQ(d.Umisteni(900, 700), (Bod{50, -10})); // no fallback to the corner
    EXPECT_EQ(d.Umisteni(421, 343), (Bod{100 + PulRound(379), 40 + PulRound(257)}));
}

TEST_F(DemoBarvy, FrameColourCancelChangesNothing)
{
    s.StranaR = 1;
    SeznamyBarev(s);
    const Snimek pred = Snimej(s);
    {
        TVBarvaR d(s, obrazky);
        d.Vyber(2);
    }
    EXPECT_EQ(Rozdily(pred, Snimej(s)), "");
}
