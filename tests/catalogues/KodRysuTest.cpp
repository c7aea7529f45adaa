#include "catalogues/KodRysu.h"

#include "catalogues/Katalog.h"
#include "support/FakePictureStore.h"

#include "KatalogFixture.h"

#include <gtest/gtest.h>

#include <functional>

using namespace qmr;
using qmrtest::FakePictureStore;
using qmrtest::KatalogFixture;
using Target = PictureStore::Target;

namespace {

// ---- GetKodRysu, SetKodRysu -------------------------------------------------------------------

TEST(KodRysu, DrawingCodeFollowsTheSeriesAndMaterialRules)
{
    const struct {
        const char *kod;
        bool radaK, radaD, pasky, kamen, dvoj;
        const char *vysledek;
    } cases[] = {
        {"KA12", true, false, false, false, false, "BA12"},
        {"AK3", true, false, false, false, false, "AB3"},
        {"A3", true, false, false, false, false, "A3"},
        {"K", true, false, false, false, false, "B"},
        {"JE5", false, true, false, false, true, "FA5"},
        {"JF5", false, true, false, false, true, "FC5"},
        {"J7", false, true, false, false, true, "F7"},
        {"X7", false, true, false, false, true, "X7"},
        {"C12", false, true, true, false, false, "Z12"},
        {"M4", false, true, true, false, false, "Z4"},
        {"L4", false, true, true, false, false, "N4"},
        {"W4", false, true, true, false, false, "W4"}, // strips decide alone
        {"A9", false, true, false, true, false, "T9"},
        {"W9", false, true, false, true, false, "W9"}, // stone decides alone
        {"W9", false, true, false, false, false, "B9"},
        {"AW9", false, true, false, false, false, "AB9"},
        {"W9", false, false, false, false, false, "W9"}, // not veneer: unchanged
        {"KW1", true, true, false, false, false, "BW1"},
        {"XW1", true, true, false, false, false, "XB1"}, // no K: the veneer rules apply
        {"", true, true, true, true, true, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GetKodRysu(c.kod, c.radaK, c.radaD, c.pasky, c.kamen, c.dvoj), c.vysledek)
            << c.kod << " " << c.radaK << c.radaD << c.pasky << c.kamen << c.dvoj;
}

TEST(KodRysu, SetKodRysuTakesTheFlagsFromTheSession)
{
    Session s;
    s.SHPL1 = true; // HPL counts as K series
    SetKodRysu(s, "KA1");
    EXPECT_EQ(s.KodRysu, "BA1");

    s = Session{};
    s.SDyha = true;
    s.SEnkova = true; // N-type counts as strips
    SetKodRysu(s, "L5");
    EXPECT_EQ(s.KodRysu, "N5");

    s = Session{};
    s.SDyha = true;
    s.SDvojbarva = true;
    SetKodRysu(s, "JE2");
    EXPECT_EQ(s.KodRysu, "FA2");
}

// ---- NactiCary ------------------------------------------------------------------------------

TEST(KodRysu, LineLayoutIsReadWithItsLimits)
{
    KatalogFixture f;
    f.soubor("vyplne.qmr", "[Pasky]\nHPasek=3\nZH1val=2500\nZH1rel=3\nZH2val=800\nZH2rel=96\n"
                           "ZH2neg=1\nZH3val=400\nZH3rel=50\nZH4val=111\n"
                           "VPasek=2\nZV1val=1200\nZV1rel=95\nZV2val=-10\nZV2rel=5\nZV2neg=1\n");
    Session &s = f.s;
    s.SPrekryvna = true;
    NactiCary(s, Katalog(s, kVyplne), "Pasky", true);
    const TCary &c = s.SCary;
    EXPECT_TRUE(s.Carame);
    EXPECT_EQ(c.Tloustka, 15); // Z-type
    ASSERT_EQ(c.HPocet, 3);
    EXPECT_EQ(c.Hpos[1], 2200);
    EXPECT_EQ(c.Hrel[1], 100);
    EXPECT_FALSE(c.Hneg[1]);
    EXPECT_EQ(c.Hpos[2], 800);
    EXPECT_EQ(c.Hrel[2], 100);
    EXPECT_TRUE(c.Hneg[2]);
    EXPECT_EQ(c.Hpos[3], 400);
    EXPECT_EQ(c.Hrel[3], 50);
    EXPECT_EQ(c.Hpos[4], 0); // beyond the count: not read
    ASSERT_EQ(c.VPocet, 2);
    EXPECT_EQ(c.Vpos[1], 1000);
    EXPECT_EQ(c.Vrel[1], 95);
    EXPECT_EQ(c.Vpos[2], -10);
    EXPECT_EQ(c.Vrel[2], 5);
    EXPECT_TRUE(c.Vneg[2]);
}

TEST(KodRysu, LineLayoutCountsAreCappedAndAnEmptyLayoutHasNoLines)
{
    KatalogFixture f;
    std::string t = "[Mnoho]\nHPasek=9\nVPasek=7\n";
    for (int i = 1; i <= 9; ++i)
        t += "ZH" + std::to_string(i) + "val=" + std::to_string(100 * i) + "\n";
    t += "[Zaporne]\nHPasek=-2\n[Zadne]\n";
    f.soubor("vyplne.qmr", t);
    Session &s = f.s;
    const IniFile &vyplne = Katalog(s, kVyplne);
    s.SPrekryvna = true;

    NactiCary(s, vyplne, "Mnoho", false);
    EXPECT_EQ(s.SCary.HPocet, 6);
    EXPECT_EQ(s.SCary.VPocet, 6);
    EXPECT_EQ(s.SCary.Hpos[6], 600);
    EXPECT_EQ(s.SCary.Tloustka, 10);
    EXPECT_TRUE(s.Carame);

    NactiCary(s, vyplne, "Zaporne", false);
    EXPECT_EQ(s.SCary.HPocet, 0);
    EXPECT_FALSE(s.Carame);

    NactiCary(s, vyplne, "Mnoho", false);
    NactiCary(s, vyplne, "Zadne", false); // clears what the previous infill had
    EXPECT_EQ(s.SCary.HPocet, 0);
    EXPECT_EQ(s.SCary.Hpos[1], 0);
    EXPECT_FALSE(s.Carame);
}

TEST(KodRysu, LineLayoutOfAnOrdinaryPanelIsNotRead)
{
    KatalogFixture f;
    f.soubor("vyplne.qmr", "[Pasky]\nHPasek=1\nZH1val=300\n");
    Session &s = f.s;
    s.SPrekryvna = false;
    s.Carame = true;
    NactiCary(s, Katalog(s, kVyplne), "Pasky", false);
    EXPECT_FALSE(s.Carame);
    EXPECT_EQ(s.SCary.HPocet, 0);
}

// ---- NactiRys ------------------------------------------------------------------------------

Session rysSession()
{
    Session s;
    s.apCesta = "/q/";
    s.VolbaNeniNil = true;
    s.SFormat = 1;
    s.SZaskleni = 2;
    return s;
}

struct RysCase {
    const char *popis;
    std::function<void(Session &)> nastav;
    const char *soubor; // expected name below "/q/RYSY/"
};

TEST(KodRysu, OrdinaryPanelDrawingNames)
{
    const RysCase cases[] = {
        {"plain", [](Session &s) { s.KodRysu = "K12"; }, "K12F1S2.jpg"},
        {"K0 in format 2 uses format 3",
         [](Session &s) { s.KodRysu = "K0"; s.SVypln.DVypln.Kod = "K0"; s.SFormat = 2; },
         "K0F3S2.jpg"},
        {"a frame uses format 2", [](Session &s) { s.KodRysu = "K12"; s.SRamecek2 = 1; }, "K12F2S2.jpg"},
        {"frame variant 2", [](Session &s) { s.KodRysu = "K12"; s.SRamecek1 = 2; }, "K12F2S2R2.jpg"},
        {"K0 with a frame stays in format 2",
         [](Session &s) { s.KodRysu = "K0"; s.SVypln.DVypln.Kod = "K0"; s.SFormat = 2; s.SRamecek1 = 1; },
         "K0F2S2.jpg"},
        {"muntin characters 6 and 7",
         [](Session &s) { s.KodRysu = "K12"; s.MrizkaVybrana = true; s.SKodMrizky = "K12M-18x"; },
         "K12F1S2M18.jpg"},
        {"muntin code too short",
         [](Session &s) { s.KodRysu = "K12"; s.MrizkaVybrana = true; s.SKodMrizky = "K12M"; },
         "K12F1S2M.jpg"},
        {"outer muntin", [](Session &s) { s.KodRysu = "K12"; s.SOMrizka = 2; s.MrizkaVybrana = true; },
         "K12M2.jpg"},
        {"strips: the greater side",
         [](Session &s) { s.KodRysu = "K12"; s.SOPaska1 = 1; s.SOPaska2 = 2; s.SODr1 = 3; }, "K12P2.jpg"},
        {"strip-groove", [](Session &s) { s.KodRysu = "K12"; s.SODr2 = 3; s.SODrazka1 = 1; }, "K12P3.jpg"},
        {"groove", [](Session &s) { s.KodRysu = "K12"; s.SODrazka1 = 1; }, "K12P1.jpg"},
        {"reduced cut-out after R2",
         [](Session &s) { s.KodRysu = "K12"; s.SRamecek1 = 2; s.ZmensenyVyrez = true; }, "K12F2S2R2Z.jpg"},
        {"glass 850 x 2000",
         [](Session &s) { s.KodRysu = "G1"; s.SGlas = true; s.RozmerVybran = true; s.SSirka = 850; s.SVyska = 2000; },
         "G1F1S2B.jpg"},
        {"glass 700 x 1800",
         [](Session &s) { s.KodRysu = "G1"; s.SGlas = true; s.RozmerVybran = true; s.SSirka = 700; s.SVyska = 1800; },
         "G1F1S2C.jpg"},
        {"glass 901 wide",
         [](Session &s) { s.KodRysu = "G1"; s.SGlas = true; s.RozmerVybran = true; s.SSirka = 901; s.SVyska = 1800; },
         "G1F1S2A.jpg"},
        {"glass 2051 high",
         [](Session &s) { s.KodRysu = "G1"; s.SGlas = true; s.RozmerVybran = true; s.SSirka = 700; s.SVyska = 2051; },
         "G1F1S2A.jpg"},
        {"glass without dimensions",
         [](Session &s) { s.KodRysu = "G1"; s.SGlas = true; s.SSirka = 700; s.SVyska = 1800; }, "G1F1S2A.jpg"},
        {"glass, Z, mirrored eccentric",
         [](Session &s) {
             s.KodRysu = "G1"; s.SGlas = true; s.ZmensenyVyrez = true; s.SExcentr = true; s.SPrava = true;
         },
         "G1F1S2ZAP.jpg"},
        {"mirrored but symmetric", [](Session &s) { s.KodRysu = "K12"; s.SPrava = true; }, "K12F1S2.jpg"},
        {"mirrored asymmetric", [](Session &s) { s.KodRysu = "K12"; s.SPrava = true; s.SAsymp = true; },
         "K12F1S2P.jpg"},
        {"NI in format 2 mirrored",
         [](Session &s) { s.KodRysu = "NI"; s.SVypln.DVypln.Kod = "NI"; s.SFormat = 2; s.SPrava = true; },
         "NIF2S2P.jpg"},
        {"NI in format 1 mirrored",
         [](Session &s) { s.KodRysu = "NI"; s.SVypln.DVypln.Kod = "NI"; s.SPrava = true; }, "NIF1S2.jpg"},
    };
    for (const RysCase &c : cases) {
        SCOPED_TRACE(c.popis);
        Session s = rysSession();
        c.nastav(s);
        FakePictureStore store;
        store.everythingExists = true;
        NactiRys(s, store);
        const std::string name = std::string("/q/RYSY/") + c.soubor;
        EXPECT_EQ(s.NazevRysu, name);
        EXPECT_TRUE(s.VidimPomRys);
        EXPECT_FALSE(s.SNeload);
        ASSERT_EQ(store.loaded.size(), 1u);
        EXPECT_EQ(store.loaded[0].first, Target::Picture);
        EXPECT_EQ(store.loaded[0].second, name);
    }
}

TEST(KodRysu, OverlayPanelDrawingNames)
{
    const RysCase cases[] = {
        {"B0 plain", [](Session &) {}, "B0PF1S2.jpg"},
        {"B0 outer muntin", [](Session &s) { s.SOMrizka = 2; }, "B0PM2.jpg"},
        {"B0 strip on side 1", [](Session &s) { s.SOPaska1 = 2; s.SODrazka1 = 1; }, "B0P2.jpg"},
        {"B0 groove on side 1", [](Session &s) { s.SOPaska1 = 1; s.SODrazka1 = 3; }, "B0P3.jpg"},
        {"B0 strip-groove on side 1", [](Session &s) { s.SODr1 = 1; }, "B0P0.jpg"},
        {"B0 strip on side 2 only", [](Session &s) { s.SOPaska2 = 2; }, "B0PF1S2.jpg"},
        {"B0 frame variant 2", [](Session &s) { s.SRamecek2 = 2; }, "B0PF2S2R2.jpg"},
        {"B0 Z and mirrored", [](Session &s) { s.ZmensenyVyrez = true; s.SExcentr = true; s.SPrava = true; },
         "B0PF1S2ZP.jpg"},
        {"other code", [](Session &s) { s.KodRysu = "A7"; }, "B0PF1S0.jpg"},
        {"other code with a frame", [](Session &s) { s.KodRysu = "A7"; s.SRamecek1 = 1; }, "B0PF2S0.jpg"},
        {"other code with frame variant 2, Z", [](Session &s) { s.KodRysu = "A7"; s.SRamecek1 = 2; s.ZmensenyVyrez = true; },
         "B0PF2S0R2Z.jpg"},
    };
    for (const RysCase &c : cases) {
        SCOPED_TRACE(c.popis);
        Session s = rysSession();
        s.SPrekryvna = true;
        s.SHlinik = true;
        s.KodRysu = "B0";
        c.nastav(s);
        FakePictureStore store;
        store.everythingExists = true;
        NactiRys(s, store);
        const std::string name = std::string("/q/RYSY/") + c.soubor;
        EXPECT_EQ(s.NazevRysu, name);
        EXPECT_TRUE(s.VidimPomRys);
        EXPECT_EQ(store.LastLoaded(Target::PomRys), name);
        EXPECT_EQ(store.LastLoaded(Target::Picture), "/q/RYSY/PREKRYVB.JPG");
    }
}

TEST(KodRysu, OverlayGlassPanelUsesItsOwnPictureOnlyWhenItExists)
{
    for (const bool mirrored : {false, true}) {
        SCOPED_TRACE(mirrored);
        const std::string p = mirrored ? "P" : "";
        Session s = rysSession();
        s.SPrekryvna = true;
        s.SGlas = true;
        s.KodRysu = "B0";
        s.SZaskleni = 0;
        s.SAsymp = mirrored;
        s.SPrava = mirrored;
        FakePictureStore store;
        store.Add("/q/rysy/b0f1s0a" + p + ".JPG"); // any case
        NactiRys(s, store);
        EXPECT_EQ(s.NazevRysu, "/q/RYSY/B0F1S0A" + p + ".jpg");
        EXPECT_TRUE(s.SNeload);
        EXPECT_TRUE(s.VidimPomRys);

        // Without it: the general glass picture P1A.
        Session t = rysSession();
        t.SPrekryvna = true;
        t.SGlas = true;
        t.KodRysu = "B0";
        t.SFormat = 2;
        t.SZaskleni = 3;
        t.SAsymp = mirrored;
        t.SPrava = mirrored;
        FakePictureStore other;
        other.Add("/q/RYSY/B0P1A" + p + ".jpg");
        NactiRys(t, other);
        EXPECT_EQ(other.asked.front(), "/q/RYSY/B0F2S3A" + p + ".jpg");
        EXPECT_EQ(t.NazevRysu, "/q/RYSY/B0P1A" + p + ".jpg");
        EXPECT_TRUE(t.SNeload);
        ASSERT_FALSE(other.loadCalls.empty());
        EXPECT_EQ(other.loadCalls[0], std::make_pair(Target::Picture, std::string("/q/RYSY/PREKRYVB.JPG")));
    }
}

TEST(KodRysu, MissingDrawingLoadsNothingAndNamesNone)
{
    // Overlay: the main picture is still tried; the glass drawing is not shown.
    Session s = rysSession();
    s.SPrekryvna = true;
    s.KodRysu = "B0";
    s.NazevRysu = "/q/RYSY/old.jpg";
    s.VidimPomRys = true;
    FakePictureStore store;
    NactiRys(s, store);
    EXPECT_EQ(s.NazevRysu, " ");
    EXPECT_FALSE(s.VidimPomRys);
    ASSERT_EQ(store.loadCalls.size(), 1u);
    EXPECT_EQ(store.loadCalls[0].second, "/q/RYSY/PREKRYVK.JPG"); // neither aluminium nor glass
    EXPECT_TRUE(store.loaded.empty());

    // Ordinary panel: the previous picture stays.
    Session t = rysSession();
    t.KodRysu = "K12";
    t.NazevRysu = "/q/RYSY/old.jpg";
    FakePictureStore other;
    NactiRys(t, other);
    EXPECT_EQ(t.NazevRysu, " ");
    EXPECT_FALSE(t.VidimPomRys);
    EXPECT_TRUE(other.loadCalls.empty());

    // A file that exists but does not load counts as missing.
    Session u = rysSession();
    u.KodRysu = "K12";
    FakePictureStore spoiled;
    spoiled.Add("/q/RYSY/K12F1S2.jpg");
    spoiled.Spoil("/q/RYSY/K12F1S2.jpg");
    NactiRys(u, spoiled);
    EXPECT_EQ(u.NazevRysu, " ");
    EXPECT_FALSE(u.VidimPomRys);
}

TEST(KodRysu, WithoutMainWindowAnOrdinaryDrawingIsNotLoaded)
{
    Session s = rysSession();
    s.VolbaNeniNil = false;
    s.KodRysu = "K12";
    s.NazevRysu = "/q/RYSY/old.jpg";
    FakePictureStore store;
    store.everythingExists = true;
    NactiRys(s, store);
    EXPECT_TRUE(store.loadCalls.empty());
    EXPECT_EQ(s.NazevRysu, "/q/RYSY/old.jpg");
    EXPECT_FALSE(s.VidimPomRys);
}

TEST(KodRysu, UnsafeCodesLoadNothing)
{
    const std::function<void(Session &)> cases[] = {
        [](Session &s) { s.KodRysu = "../../etc/K12"; },
        [](Session &s) { s.KodRysu = "K\\12"; },
        [](Session &s) { s.KodRysu = std::string("K\0", 2); },
        [](Session &s) { s.KodRysu = "K12"; s.MrizkaVybrana = true; s.SKodMrizky = "K12M-/x"; },
        [](Session &s) { s.KodRysu = "K12"; s.MrizkaVybrana = true; s.SKodMrizky = "K12M-.."; },
        [](Session &s) { s.KodRysu = "../B0"; s.SPrekryvna = true; s.SOMrizka = 1; },
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        Session s = rysSession();
        cases[i](s);
        FakePictureStore store;
        store.everythingExists = true;
        NactiRys(s, store);
        EXPECT_EQ(s.NazevRysu, " ");
        EXPECT_FALSE(s.VidimPomRys);
        EXPECT_TRUE(store.asked.empty());
        for (const auto &l : store.loaded)
            EXPECT_EQ(l.second, "/q/RYSY/PREKRYVK.JPG");
    }
}

TEST(KodRysu, LineLayoutShowsOnlyItsBasePicture)
{
    // Loaded: the routine ends with the base picture.
    for (const bool prekryvna : {true, false}) {
        Session s = rysSession();
        s.Carame = true;
        s.SPrekryvna = prekryvna;
        s.KodRysu = "B0";
        s.SNeload = true;
        FakePictureStore store;
        store.everythingExists = true;
        NactiRys(s, store);
        EXPECT_TRUE(s.Carame);
        EXPECT_FALSE(s.SNeload);
        ASSERT_EQ(store.loaded.size(), 1u);
        EXPECT_EQ(store.loaded[0].second, prekryvna ? "/q/RYSY/PREKRYVB.JPG" : "/q/RYSY/HLF1S0.JPG");
    }

    // Base picture missing: no layout, the panel's own drawing instead.
    Session s = rysSession();
    s.Carame = true;
    s.KodRysu = "K12";
    FakePictureStore store;
    store.Add("/q/RYSY/K12F1S2.jpg");
    NactiRys(s, store);
    EXPECT_FALSE(s.Carame);
    EXPECT_EQ(s.NazevRysu, "/q/RYSY/K12F1S2.jpg");

    // No main window: nothing is loaded and the layout stays.
    Session t = rysSession();
    t.Carame = true;
    t.VolbaNeniNil = false;
    FakePictureStore none;
    NactiRys(t, none);
    EXPECT_TRUE(t.Carame);
    EXPECT_TRUE(none.loadCalls.empty());
}

TEST(KodRysu, DrawingRatiosFollowTheDivision)
{
    const struct {
        const char *popis;
        std::function<void(Session &)> nastav;
        double h, v;
    } cases[] = {
        {"symmetric", [](Session &) {}, 0.5, 0.5},
        {"asymmetric horizontal 50", [](Session &s) { s.SAsymH = true; s.SPomerH = 50; }, 0.5, 1.0},
        {"asymmetric vertical 30", [](Session &s) { s.SAsymp = true; s.SPomerP = 30; }, 100.0 / 80, 0.5},
        {"asymmetric vertical 30 mirrored",
         [](Session &s) { s.SAsymp = true; s.SPomerP = 30; s.SPrava = true; }, 30.0 / 80, 0.5},
        {"two colours in two positions",
         [](Session &s) { s.SDvojbarva = true; s.SVypln.DVypln.Pozic = 2; s.SAsymp = true; s.SPomerP = 30; },
         0.4, 0.5},
        {"two colours mirrored", [](Session &s) { s.SDvojbarva = true; s.SVypln.DVypln.Pozic = 2; s.SPrava = true; },
         0.6, 0.5},
        {"two colours in one position", [](Session &s) { s.SDvojbarva = true; s.SVypln.DVypln.Pozic = 1; },
         0.5, 0.5},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.popis);
        Session s = rysSession();
        s.KodRysu = "K12";
        c.nastav(s);
        FakePictureStore store;
        NactiRys(s, store);
        EXPECT_DOUBLE_EQ(s.SHPomer, c.h);
        EXPECT_DOUBLE_EQ(s.SVPomer, c.v);
    }

    // Without a format nothing but the vertical ratio is set.
    Session s = rysSession();
    s.SFormat = -1;
    s.SAsymH = true;
    s.SPomerH = 30;
    s.SHPomer = 0.9;
    s.KodRysu = "K12";
    FakePictureStore store;
    store.everythingExists = true;
    NactiRys(s, store);
    EXPECT_DOUBLE_EQ(s.SVPomer, 1.25);
    EXPECT_DOUBLE_EQ(s.SHPomer, 0.9);
    EXPECT_TRUE(store.loadCalls.empty());
}

} // namespace
