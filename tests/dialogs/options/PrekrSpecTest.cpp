// The overlay dimensions dialog, one-sided (TPrekrSpec) and per side (TPrekr2spec):
// ranges, the limit rules of each field, start values, the thickness list, what OK
// writes and that a dialog left without OK writes nothing.
#include "dialogs/options/UPrekr2spec.h"
#include "dialogs/options/UPrekrSpec.h"

#include "dialogs/infill/Snimek.h"
#include "support/FakeMessages.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace qmr;
using qmrtest::FakeMessages;

namespace {

Session Relace()
{
    Session s;
    TDVypln &v = s.SVypln.DVypln;
    v.Polozka = 0;
    v.MinSirkaF1 = 300, v.MaxSirkaF1 = 1100, v.MinVyskaF1 = 500, v.MaxVyskaF1 = 2300;
    v.MinSirkaF2 = 250, v.MinVyskaF2 = 600;
    v.MinSirkaF2R2 = 280, v.MinVyskaF2R2 = 450;
    v.MinSirkaF2P1 = 350, v.MinVyskaF2P1 = 400;
    v.MinSirkaF2P2 = 200, v.MinVyskaF2P2 = 0;
    s.SPrekryvna = true;
    s.SPrekryv = 1;
    s.SHlinik = true;
    s.SSirka = 900;
    s.SVyska = 2000;
    s.MaxSirka = 1000, s.MaxVyska = 2200;
    s.MaxSirkaP1 = 1200, s.MaxVyskaP1 = 2400, s.MaxSirkaP2 = 1200, s.MaxVyskaP2 = 2400;
    s.PomTloustka = 24;
    s.CTloustka = 24;
    s.STloustka = 22;
    s.apCesta = "/p/";
    return s;
}

// The session snapshot plus what only these dialogs write.
qmrtest::Snimek Snimej(const Session &s)
{
    qmrtest::Snimek o = qmrtest::Snimej(s);
#define F(x) o.emplace_back(#x, qmrtest::detail::text(s.x))
    F(PVL2); F(PVP2); F(PVH2); F(PVD2); F(STloustka); F(CTloustka); F(PomTloustka); F(SStrana);
    F(KotH1); F(KotH2); F(KotD1); F(KotD2); F(KotL1); F(KotL2); F(KotL3); F(KotL4);
    F(KotP1); F(KotP2); F(KotP3); F(KotP4); F(MaxSirkaP1); F(MaxVyskaP1); F(hraSirka); F(hraVyska);
#undef F
    return o;
}

} // namespace

TEST(PrekrSpecTest, RangesOfWidthAndHeight)
{
    struct Pripad {
        const char *popis;
        std::function<void(Session &)> nastav;
        int minS, maxS, minV, maxV;
    } pripady[] = {
        // Format-1 range; the width capped at 1200, the height at MaxVyska.
        {"plain", [](Session &) {}, 300, 1100, 500, 2200},
        {"wide infill capped at 1200", [](Session &s) { s.SVypln.DVypln.MaxSirkaF1 = 1500; }, 300, 1200, 500, 2200},
        {"decor outer colour: 1130", [](Session &s) { s.SVypln.DVypln.MaxSirkaF1 = 1500; s.SBarva1.DBarva.DDekor = true; },
         300, 1130, 500, 2200},
        {"lower MaxVyska", [](Session &s) { s.MaxVyska = 2130; }, 300, 1100, 500, 2130},
        // A second minimum replaces the minimum only when smaller and not 0.
        {"frame 1: smaller minima", [](Session &s) { s.SRamecek2 = 1; }, 250, 1100, 500, 2200},
        {"frame 2: width smaller, height too", [](Session &s) { s.SRamecek1 = 2; }, 280, 1100, 450, 2200},
        {"strip 1: width larger stays", [](Session &s) { s.SOPaska1 = 1; }, 300, 1100, 400, 2200},
        {"groove 2: height 0 stays", [](Session &s) { s.SODrazka2 = 2; }, 200, 1100, 500, 2200},
        {"only the first that applies", [](Session &s) { s.SRamecek1 = 1; s.SODrazka1 = 2; }, 250, 1100, 500, 2200},
        // Wood colours.
        {"wood 1 without Special: no limit", [](Session &s) {
             s.SBarva1.DBarva.Drevo = 1; s.SBarva1.DBarva.MaxSF1 = 800; s.SBarva1.DBarva.MaxVF1 = 1900; },
         300, 1100, 500, 2200},
        {"wood 2 sets both maxima", [](Session &s) {
             s.SBarva2.DBarva.Drevo = 2; s.SBarva2.DBarva.MaxSF1 = 800; s.SBarva2.DBarva.MaxVF1 = 1900; },
         300, 800, 500, 1900},
        {"Special: a lower height sets the width too", [](Session &s) {
             s.SVypln.DVypln.Special = true;
             s.SBarva1.DBarva.Drevo = 1; s.SBarva1.DBarva.MaxSF1 = 1150; s.SBarva1.DBarva.MaxVF1 = 2100; },
         300, 1150, 500, 2100},
        {"HPL outer side is not limited", [](Session &s) {
             s.SHPL1 = true; s.SBarva1.DBarva.Drevo = 2; s.SBarva1.DBarva.MaxSF1 = 800; s.SBarva1.DBarva.MaxVF1 = 1900; },
         300, 1100, 500, 2200},
        {"a maximum of 0 is no limit", [](Session &s) {
             s.SBarva1.DBarva.Drevo = 2; s.SBarva1.DBarva.MaxVF1 = 1900; },
         300, 1100, 500, 1900},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        Session s = Relace();
        p.nastav(s);
        FakeMessages m;
        TPrekrSpec d(s, m);
        EXPECT_EQ(d.Pole(PoleSpec::Sirka).Min, p.minS);
        EXPECT_EQ(d.Pole(PoleSpec::Sirka).Max, p.maxS);
        EXPECT_EQ(d.Pole(PoleSpec::Vyska).Min, p.minV);
        EXPECT_EQ(d.Pole(PoleSpec::Vyska).Max, p.maxV);
        EXPECT_TRUE(d.Pole(PoleSpec::Sirka).Povoleny);
        EXPECT_TRUE(m.empty());

        // The same range in the pass of the two-sided dialog (wood: only its own maximum).
        s.SStrana = 1;
        TPrekr2spec w(s, m);
        EXPECT_EQ(w.Pole(PoleSpec::Sirka).Min, p.minS);
        s.SStrana = 2;
        TPrekr2spec h(s, m);
        EXPECT_EQ(h.Pole(PoleSpec::Sirka).Min, p.minV);
        EXPECT_EQ(h.Pole(PoleSpec::Sirka).Max, p.maxV);
    }
}

TEST(PrekrSpecTest, FixedDimensionsAndStartValuesClamped)
{
    Session s = Relace();
    s.FixRozmer = true;
    s.SSirka = 1500;
    s.SVyska = 100;
    FakeMessages m;
    TPrekrSpec d(s, m);
    EXPECT_FALSE(d.Pole(PoleSpec::Sirka).Povoleny);
    EXPECT_FALSE(d.Pole(PoleSpec::Vyska).Povoleny);
    EXPECT_EQ(d.Pole(PoleSpec::Sirka).Text, "1100");
    EXPECT_EQ(d.Pole(PoleSpec::Vyska).Text, "500");
    d.Napis(PoleSpec::Sirka, "700"); // a disabled field takes nothing
    d.Krok(PoleSpec::Vyska, 1);
    EXPECT_EQ(d.Hodnota(PoleSpec::Sirka), 1100);
    EXPECT_EQ(d.Hodnota(PoleSpec::Vyska), 500);
}

TEST(PrekrSpecTest, LimitRulesOfTheOneSidedDialog)
{
    struct Pripad {
        const char *popis;
        bool dekor;
        int sirka, vyska, ppl, ppp, pph, ppd; // values put in first, in this order
        PoleSpec pole;
        const char *text;
        int ocekavano;
    } pripady[] = {
        // Decor outer colour: left + width + right at most 1130.
        {"decor: left overlay lowered", true, 1000, 2000, 10, 100, 10, 10, PoleSpec::PPL, "100", 30},
        {"decor: right overlay lowered", true, 1000, 2000, 100, 10, 10, 10, PoleSpec::PPP, "100", 30},
        {"plain: width set back", false, 1000, 2000, 50, 50, 10, 10, PoleSpec::Sirka, "1150", 1100},
        {"plain: 1200 overall is allowed", false, 1000, 2000, 100, 10, 10, 10, PoleSpec::PPP, "100", 100},
        {"top overlay over 2400", false, 900, 2000, 10, 10, 10, 100, PoleSpec::PPH, "400", 300},
        {"bottom overlay over 2400", false, 900, 2000, 10, 10, 350, 10, PoleSpec::PPD, "100", 50},
        // The height is held to MaxVyskaP1 (here below 2400).
        {"height with the overlays", false, 900, 1000, 10, 10, 200, 200, PoleSpec::Vyska, "2100", 1900},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        Session s = Relace();
        s.SBarva1.DBarva.DDekor = p.dekor;
        s.SVypln.DVypln.MaxSirkaF1 = 1200;
        s.MaxVyskaP1 = 2300;
        FakeMessages m;
        TPrekrSpec d(s, m);
        d.Napis(PoleSpec::Sirka, std::to_string(p.sirka));
        d.Napis(PoleSpec::Vyska, std::to_string(p.vyska));
        d.Napis(PoleSpec::PPL, std::to_string(p.ppl));
        d.Napis(PoleSpec::PPP, std::to_string(p.ppp));
        d.Napis(PoleSpec::PPH, std::to_string(p.pph));
        d.Napis(PoleSpec::PPD, std::to_string(p.ppd));
        // Typed character by character, as the field reports it.
        std::string t;
        for (const char *c = p.text; *c; ++c)
            d.Napis(p.pole, t += *c);
        EXPECT_EQ(d.Hodnota(p.pole), p.ocekavano);
        EXPECT_EQ(d.W(), p.dekor ? 1130 : 1200);
        EXPECT_EQ(d.CSirka(), d.Hodnota(PoleSpec::Sirka) + d.Hodnota(PoleSpec::PPL) + d.Hodnota(PoleSpec::PPP));
        EXPECT_EQ(d.CVyska(), d.Hodnota(PoleSpec::Vyska) + d.Hodnota(PoleSpec::PPH) + d.Hodnota(PoleSpec::PPD));
        EXPECT_TRUE(m.empty());
    }
}

TEST(PrekrSpecTest, FieldsBehaveAsSpinFields)
{
    Session s = Relace();
    FakeMessages m;
    TPrekrSpec d(s, m);
    d.Napis(PoleSpec::PPL, "5");
    EXPECT_EQ(d.Hodnota(PoleSpec::PPL), 5); // as typed until the field is left
    d.Opust(PoleSpec::PPL);
    EXPECT_EQ(d.Pole(PoleSpec::PPL).Text, "10");
    d.Napis(PoleSpec::PPP, "");
    EXPECT_EQ(d.Hodnota(PoleSpec::PPP), 10); // no number reads as the minimum
    d.Krok(PoleSpec::PPP, 3);
    EXPECT_EQ(d.Pole(PoleSpec::PPP).Text, "40");
    d.Napis(PoleSpec::PPH, "00050"); // at most 4 characters
    EXPECT_EQ(d.Pole(PoleSpec::PPH).Text, "0005");
    d.Krok(PoleSpec::Sirka, 100); // clamped
    EXPECT_EQ(d.Pole(PoleSpec::Sirka).Text, "1100");

    // OK stores what leaving the fields would leave in them.
    d.Napis(PoleSpec::PPD, "3");
    d.Napis(PoleSpec::Sirka, "99");
    EXPECT_EQ(d.Potvrd(), kVysledekOK);
    EXPECT_EQ(s.PVD, 10);
    EXPECT_EQ(s.SSirka, 300);
    EXPECT_EQ(s.PVH, 10);
    EXPECT_EQ(s.PVP, 40);
}

TEST(PrekrSpecTest, StartValuesOfTheOverlays)
{
    Session s = Relace();
    s.SSirka = 1000;
    s.PVL = 5, s.PVP = 80, s.PVH = 10, s.PVD = 9;
    FakeMessages m;
    {
        TPrekrSpec d(s, m); // not confirmed before: all 10
        for (PoleSpec p : {PoleSpec::PPL, PoleSpec::PPP, PoleSpec::PPH, PoleSpec::PPD})
            EXPECT_EQ(d.Pole(p).Text, "10");
    }
    s.PrekryvVybran = true;
    {
        TPrekrSpec d(s, m);
        EXPECT_EQ(d.Hodnota(PoleSpec::PPL), 10);
        EXPECT_EQ(d.Hodnota(PoleSpec::PPP), 80);
        EXPECT_EQ(d.Hodnota(PoleSpec::PPD), 10);
        EXPECT_EQ(d.CSirka(), 1090);
    }
    // Stored overlays beyond the current limit (a decor colour chosen since) are lowered
    // as they are put in.
    s.SBarva1.DBarva.DDekor = true;
    s.PVL = 150, s.PVP = 150;
    TPrekrSpec d(s, m);
    EXPECT_EQ(d.Hodnota(PoleSpec::PPL), 120);
    EXPECT_EQ(d.Hodnota(PoleSpec::PPP), 10);
    EXPECT_TRUE(m.empty());
}

TEST(PrekrSpecTest, RowsTextsAndPictures)
{
    Session s = Relace();
    FakeMessages m;
    TPrekrSpec d(s, m);
    ASSERT_EQ(d.Sekce().size(), 2u);
    const SekceSpec &a = d.Sekce()[0];
    const SekceSpec &b = d.Sekce()[1];
    EXPECT_EQ(a.Nadpis.Text, "szerokość");
    EXPECT_EQ(b.Nadpis.Text, "wysokość");
    EXPECT_EQ(a.Obraz.Cesta, "/p/RYSY/1HPrekrH.jpg");
    EXPECT_EQ(b.Obraz.Cesta, "/p/RYSY/1HPrekrL.jpg");
    const std::vector<RadekSpec> sirka{
        {"A", "Szerokość strony przekrywającej", "(Strona zewnętrzna)", HodnotaSpec::CSirka, PoleSpec::Sirka, true},
        {"B", "Szerokość strony wewnętrznej", "", HodnotaSpec::Pole, PoleSpec::Sirka, true},
        {"C", "Szerokość prawego przekrywu", "(Spojrzenie od strony zewnętrznej)", HodnotaSpec::Pole, PoleSpec::PPP, true},
        {"D", "Szerokość lewego przekrywu", "(Spojrzenie od strony zewnętrznej)", HodnotaSpec::Pole, PoleSpec::PPL, true},
        {"Z", "Ogólna grubość wypełnienia", "", HodnotaSpec::ListZesil, PoleSpec::Sirka, true}};
    EXPECT_EQ(a.Radky, sirka);
    const std::vector<RadekSpec> vyska{
        {"E", "Wysokość strony przekrywającej", "(Strona zewnętrzna)", HodnotaSpec::CVyska, PoleSpec::Sirka, true},
        {"F", "Wysokość strony wewnętrznej", "", HodnotaSpec::Pole, PoleSpec::Vyska, true},
        {"G", "Wysokość dolnego przekrywu", "", HodnotaSpec::Pole, PoleSpec::PPD, true},
        {"H", "Wysokość górnego przekrywu", "", HodnotaSpec::Pole, PoleSpec::PPH, true}};
    EXPECT_EQ(b.Radky, vyska);
    EXPECT_EQ(std::string(TPrekrSpec::kTitulek), "Specyfikacja wymiarów");
    EXPECT_EQ(std::string(TPrekrSpec::kEscButton), "&Anuluj");

    for (bool dyha : {false, true}) {
        Session k = Relace();
        (dyha ? k.SDyha2 : k.SHlinik2) = true;
        TPrekrSpec e(k, m);
        EXPECT_EQ(e.Sekce()[0].Obraz.Cesta, "/p/RYSY/1KPrekrH.jpg");
        EXPECT_EQ(e.Sekce()[1].Obraz.Cesta, "/p/RYSY/1KPrekrL.jpg");
    }
}

TEST(PrekrSpecTest, ThicknessListAndWhatOKWrites)
{
    const std::vector<std::string> radky{"72", "71", "70", "69", "68", "67", "66", "65", "64", "63",
                                         "62", "61", "60", "59", "58", "57", "56", "55", "54", "49",
                                         "44", "39", "36", "34", "32", "29", "28", "24"};
    struct Pripad {
        const char *popis;
        bool zesilena;
        int ctloustka, zesil;
        int vyber;       // row clicked, -1 none
        int index;       // stored IndZesil
        int szesil;
        bool zesilenaPo, dekoryPo;
    } pripady[] = {
        {"thinnest row preselected: not thickened", false, 24, 0, -1, 27, 0, false, true},
        {"row 44 thickens by 20 and drops the glass", false, 24, 0, 20, 20, 20, true, false},
        {"current thickness preselected, kept", true, 44, 20, -1, 20, 20, true, true},
        {"thickened back to 24", true, 44, 20, 27, 27, 0, false, false},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        Session s = Relace();
        s.Zesilena = p.zesilena;
        s.CTloustka = p.ctloustka;
        s.SZesil = p.zesil;
        s.DekoryVybrany = true;
        s.PVL = 40, s.PVP = 60, s.PVH = 30, s.PVD = 20;
        s.PrekryvVybran = true;
        FakeMessages m;
        TPrekrSpec d(s, m);
        EXPECT_EQ(d.ListZesil().Polozky, radky);
        EXPECT_TRUE(d.OKPovoleno());
        if (p.vyber >= 0)
            d.VyberZesil(p.vyber);
        d.Napis(PoleSpec::Sirka, "850");
        d.Napis(PoleSpec::Vyska, "1950");
        EXPECT_EQ(d.Potvrd(), kVysledekOK);
        EXPECT_TRUE(s.RozmerVybran);
        EXPECT_TRUE(s.PrekryvVybran);
        EXPECT_EQ(s.SSirka, 850);
        EXPECT_EQ(s.SVyska, 1950);
        EXPECT_EQ(s.PVL, 40);
        EXPECT_EQ(s.PVP, 60);
        EXPECT_EQ(s.PVH, 30);
        EXPECT_EQ(s.PVD, 20);
        EXPECT_EQ(s.IndZesil, p.index);
        EXPECT_EQ(s.SZesil, p.szesil);
        EXPECT_EQ(s.Zesilena, p.zesilenaPo);
        EXPECT_EQ(s.DekoryVybrany, p.dekoryPo);
    }
}

TEST(PrekrSpecTest, NoRowSelectedKeepsOKDisabled)
{
    Session s = Relace();
    s.Zesilena = true;
    s.CTloustka = 45; // no such row
    s.SZesil = 21;
    FakeMessages m;
    TPrekrSpec d(s, m);
    EXPECT_EQ(d.ListZesil().Index, -1);
    EXPECT_FALSE(d.OKPovoleno());
    const auto pred = Snimej(s);
    EXPECT_EQ(d.Potvrd(), 0);
    EXPECT_EQ(qmrtest::Rozdily(pred, Snimej(s)), "");
    d.VyberZesil(99);
    EXPECT_FALSE(d.OKPovoleno());
    d.VyberZesil(19);
    EXPECT_TRUE(d.OKPovoleno());
}

TEST(PrekrSpecTest, WithoutOKNothingIsWritten)
{
    for (int strana : {0, 1, 2}) {
        SCOPED_TRACE(strana);
        Session s = Relace();
        s.SPrekryv = strana == 0 ? 1 : 2;
        s.SStrana = strana == 0 ? 1 : strana;
        s.PrekryvVybran = s.Prekryv2Vybran = true;
        s.SBarva1.DBarva.DDekor = true;
        s.PVL = 300, s.PVP = 300, s.PVH = 30, s.PVD = 30; // beyond the limits: corrected in the fields only
        s.PVL2 = 200, s.PVP2 = 300, s.PVH2 = 20, s.PVD2 = 25;
        s.Zesilena = true, s.SZesil = 20, s.CTloustka = 44, s.STloustka = 130;
        const auto pred = Snimej(s);
        FakeMessages m;
        {
            std::unique_ptr<TSpecPrekryvu> d;
            if (strana == 0)
                d = std::make_unique<TPrekrSpec>(s, m);
            else
                d = std::make_unique<TPrekr2spec>(s, m);
            d->Napis(PoleSpec::Sirka, "700");
            d->Napis(PoleSpec::PPL, "50");
            d->Krok(PoleSpec::PPH, 2);
            d->Opust(PoleSpec::PPD);
            d->VyberZesil(3);
        }
        EXPECT_EQ(qmrtest::Rozdily(pred, Snimej(s)), "");
        EXPECT_TRUE(m.empty());
    }
}

// ---- Both sides ---------------------------------------------------------------------

TEST(Prekr2specTest, WidthPassRowsStartValuesAndWhatOKWrites)
{
    Session s = Relace();
    s.SPrekryv = 2;
    s.SStrana = 1;
    s.PrekryvVybran = true;
    s.PVL = 40, s.PVP = 50, s.PVL2 = 60, s.PVP2 = 5;
    s.PVH = 11, s.PVD = 12, s.PVH2 = 13, s.PVD2 = 14;
    s.STloustka = 30; // below the range
    FakeMessages m;
    TPrekr2spec d(s, m);
    EXPECT_FALSE(d.VyskovyPruchod());
    ASSERT_EQ(d.Sekce().size(), 1u);
    const SekceSpec &k = d.Sekce()[0];
    EXPECT_EQ(k.Nadpis.Text, "szerokość");
    EXPECT_EQ(k.Obraz.Cesta, "/p/RYSY/2PrekrH.jpg");
    const std::vector<RadekSpec> radky{
        {"A1", "Szerokość strony przekrywającej", "(Strona zewnętrzna)", HodnotaSpec::CSirka, PoleSpec::Sirka, true},
        {"B", "Szerokość strony wewnętrznej", "", HodnotaSpec::Pole, PoleSpec::Sirka, true},
        {"C1", "Szerokość prawego przekrywu", "(Spojrzenie od strony zewnętrznej)", HodnotaSpec::Pole, PoleSpec::PPP, true},
        {"D1", "Szerokość lewego przekrywu", "(Spojrzenie od strony zewnętrznej)", HodnotaSpec::Pole, PoleSpec::PPL, true},
        {"A2", "Szerokość strony przekrywającej", "(Strona wewnętrzna)", HodnotaSpec::CVyska, PoleSpec::Sirka, true},
        {"C2", "Szerokość prawego przekrywu", "(Spojrzenie od strony wewnętrznej)", HodnotaSpec::Pole, PoleSpec::PPH, true},
        {"D2", "Szerokość lewego przekrywu", "(Spojrzenie od strony wewnętrznej)", HodnotaSpec::Pole, PoleSpec::PPD, true},
        {"Z", "Grubość całkowita profilu ramy skrzydła (45-99mm)", "", HodnotaSpec::Pole, PoleSpec::Tloustka, true}};
    EXPECT_EQ(k.Radky, radky);
    EXPECT_EQ(d.Pole(PoleSpec::Sirka).Text, "900");
    EXPECT_EQ(d.Hodnota(PoleSpec::PPL), 40);
    EXPECT_EQ(d.Hodnota(PoleSpec::PPP), 50);
    EXPECT_EQ(d.Hodnota(PoleSpec::PPH), 60);
    EXPECT_EQ(d.Hodnota(PoleSpec::PPD), 10);
    EXPECT_EQ(d.Pole(PoleSpec::Tloustka).Text, "45");
    EXPECT_EQ(d.CSirka(), 990);
    EXPECT_EQ(d.CVyska(), 970);
    EXPECT_TRUE(d.OKPovoleno());

    d.Krok(PoleSpec::Tloustka, 23); // steps of 1 mm
    EXPECT_EQ(d.Pole(PoleSpec::Tloustka).Text, "68");
    d.Napis(PoleSpec::PPD, "70");
    EXPECT_EQ(d.Potvrd(), kVysledekOK);
    EXPECT_TRUE(s.RozmerVybran);
    EXPECT_TRUE(s.PrekryvVybran);
    EXPECT_EQ(s.SSirka, 900);
    EXPECT_EQ(s.PVP, 50);
    EXPECT_EQ(s.PVL, 40);
    EXPECT_EQ(s.PVL2, 60); // right seen from inside is left seen from outside
    EXPECT_EQ(s.PVP2, 70);
    EXPECT_EQ(s.STloustka, 68);
    // The heights are the other pass's.
    EXPECT_EQ(s.SVyska, 2000);
    EXPECT_EQ(s.PVH, 11);
    EXPECT_EQ(s.PVH2, 13);
    EXPECT_TRUE(m.empty());
}

TEST(Prekr2specTest, HeightPassStartsFromTheInnerSideConfirmedOnly)
{
    for (bool vybran2 : {false, true}) {
        SCOPED_TRACE(vybran2);
        Session s = Relace();
        s.SPrekryv = 2;
        s.SStrana = 2;
        s.PrekryvVybran = true;
        s.Prekryv2Vybran = vybran2;
        s.PVL = 41, s.PVP = 51, s.PVH = 30, s.PVD = 40, s.PVH2 = 50, s.PVD2 = 60, s.PVL2 = 61, s.PVP2 = 71;
        s.STloustka = 68;
        FakeMessages m;
        TPrekr2spec d(s, m);
        EXPECT_TRUE(d.VyskovyPruchod());
        const SekceSpec &k = d.Sekce()[0];
        EXPECT_EQ(k.Nadpis.Text, "wysokość");
        EXPECT_EQ(k.Obraz.Cesta, "/p/RYSY/2PrekrL.jpg");
        std::vector<std::string> pismena, texty;
        for (const RadekSpec &r : k.Radky) {
            pismena.push_back(r.Pismeno);
            texty.push_back(r.Text + "|" + r.Text2);
        }
        EXPECT_EQ(pismena, (std::vector<std::string>{"E1", "F", "G1", "H1", "E2", "G2", "H2", "Z"}));
        EXPECT_EQ(texty, (std::vector<std::string>{
                             "Wysokość strony przekrywającej|(Strona zewnętrzna)", "Wysokość strony wewnętrznej|",
                             "Wysokość dolnego przekrywu|", "Wysokość górnego przekrywu|",
                             "Wysokość strony przekrywającej|(Strona wewnętrzna)", "Wysokość dolnego przekrywu|",
                             "Wysokość górnego przekrywu|", "Grubość całkowita profilu ramy skrzydła (45-99mm)|"}));
        EXPECT_FALSE(k.Radky.back().Viditelny);
        EXPECT_EQ(d.Pole(PoleSpec::Sirka).Text, "2000");
        EXPECT_EQ(d.Hodnota(PoleSpec::PPL), vybran2 ? 30 : 10); // top, outer
        EXPECT_EQ(d.Hodnota(PoleSpec::PPP), vybran2 ? 40 : 10); // bottom, outer
        EXPECT_EQ(d.Hodnota(PoleSpec::PPH), vybran2 ? 60 : 10); // bottom, inner
        EXPECT_EQ(d.Hodnota(PoleSpec::PPD), vybran2 ? 50 : 10); // top, inner

        d.Napis(PoleSpec::Sirka, "1900");
        d.Napis(PoleSpec::PPL, "100");
        d.Napis(PoleSpec::PPP, "110");
        d.Napis(PoleSpec::PPH, "120");
        d.Napis(PoleSpec::PPD, "130");
        d.Napis(PoleSpec::Tloustka, "50"); // hidden, not stored
        EXPECT_EQ(d.Potvrd(), kVysledekOK);
        EXPECT_EQ(s.SVyska, 1900);
        EXPECT_EQ(s.PVH, 100);
        EXPECT_EQ(s.PVD, 110);
        EXPECT_EQ(s.PVD2, 120);
        EXPECT_EQ(s.PVH2, 130);
        EXPECT_EQ(s.STloustka, 68);
        EXPECT_EQ(s.SSirka, 900);
        EXPECT_EQ(s.PVL, 41);
        EXPECT_EQ(s.PVL2, 61);
    }
}

TEST(Prekr2specTest, LimitRulesOfBothSides)
{
    struct Pripad {
        const char *popis;
        int strana;
        int l1, l2;
        int sirka, ppl, ppp, pph, ppd;
        PoleSpec pole;
        const char *text;
        int ocekavano;
    } pripady[] = {
        // Outer overlays against L1, inner against L2.
        {"width: outer left", 1, 1130, 1200, 1000, 10, 100, 10, 10, PoleSpec::PPL, "100", 30},
        {"width: outer right", 1, 1130, 1200, 1000, 100, 10, 10, 10, PoleSpec::PPP, "100", 30},
        {"width: inner right, L2", 1, 1200, 1130, 1000, 10, 10, 10, 100, PoleSpec::PPH, "100", 30},
        {"width: inner left, L2", 1, 1200, 1130, 1000, 10, 10, 100, 10, PoleSpec::PPD, "100", 30},
        {"width: outer overlays are not held to L2", 1, 1200, 1130, 1000, 10, 10, 10, 10, PoleSpec::PPL, "150", 150},
        {"height: top outer against MaxVyskaP1", 2, 2300, 2400, 2000, 10, 100, 10, 10, PoleSpec::PPL, "300", 200},
        {"height: top inner against MaxVyskaP2", 2, 2400, 2300, 2000, 10, 10, 100, 10, PoleSpec::PPD, "300", 200},
        // The panel dimension against both sides: the tighter one wins.
        {"width: panel against the outer side", 1, 1130, 1200, 900, 100, 100, 10, 10, PoleSpec::Sirka, "1000", 930},
        {"width: panel against the inner side", 1, 1200, 1130, 900, 10, 10, 100, 100, PoleSpec::Sirka, "1000", 930},
        {"height: panel", 2, 2400, 2400, 1800, 200, 200, 10, 10, PoleSpec::Sirka, "2100", 2000},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        Session s = Relace();
        s.SPrekryv = 2;
        s.SStrana = p.strana;
        s.SVypln.DVypln.MaxSirkaF1 = 1200;
        if (p.strana == 1)
            s.MaxSirkaP1 = p.l1, s.MaxSirkaP2 = p.l2;
        else
            s.MaxVyskaP1 = p.l1, s.MaxVyskaP2 = p.l2;
        FakeMessages m;
        TPrekr2spec d(s, m);
        EXPECT_EQ(d.L1(), p.l1);
        EXPECT_EQ(d.L2(), p.l2);
        d.Napis(PoleSpec::Sirka, std::to_string(p.sirka));
        d.Napis(PoleSpec::PPL, std::to_string(p.ppl));
        d.Napis(PoleSpec::PPP, std::to_string(p.ppp));
        d.Napis(PoleSpec::PPH, std::to_string(p.pph));
        d.Napis(PoleSpec::PPD, std::to_string(p.ppd));
        std::string t;
        for (const char *c = p.text; *c; ++c)
            d.Napis(p.pole, t += *c);
        EXPECT_EQ(d.Hodnota(p.pole), p.ocekavano);
        EXPECT_TRUE(m.empty());
    }
}
