// Drawing geometry: outlines, line marks, accessory marks, picture loading.
#include "mainwindow/UGrafika.h"

#include "support/FakePictureStore.h"

#include <gtest/gtest.h>

using namespace qmr;
using qmrtest::FakePictureStore;
using Target = PictureStore::Target;

namespace {

Tvar Rys(int left, int top, int w, int h) { return Tvar{left, top, w, h, true}; }

struct GrafikaTest : ::testing::Test {
    GrafikaTest()
    {
        s.SSirka = 1000;
        s.SVyska = 2200;
        s.SHPomer = 0.5;
        s.SVPomer = 0.5;
    }
    Obrysy grafuj(const Tvar &H, int pomW = 0, int pomH = 0)
    {
        Obrysy o;
        o.PomRys.Width = pomW;
        o.PomRys.Height = pomH;
        Grafuj(s, H, o);
        return o;
    }
    Session s;
};

} // namespace

TEST_F(GrafikaTest, OpeningIsOnePixelPerFiveMillimetresRounded)
{
    struct Pripad {
        int sirka, vyska, w, h;
    } pripady[] = {
        {1000, 2200, 200, 440},
        {903, 2200, 181, 440}, // 180.6
        {902, 1997, 180, 399}, // 180.4, 399.4
        {0, 0, 0, 0},
    };
    for (const auto &p : pripady) {
        s.SSirka = p.sirka;
        s.SVyska = p.vyska;
        const Obrysy o = grafuj(Rys(10, 10, 240, 480));
        EXPECT_EQ(o.Rantl.Width, p.w) << p.sirka;
        EXPECT_EQ(o.Rantl.Height, p.h) << p.vyska;
    }
}

TEST_F(GrafikaTest, OrdinaryPanelSitsByTheRatiosWithHalvesToEven)
{
    s.PVL = 52; // the overlay outline grows by round(156 / 5) = 31
    s.PVP = 104;
    Obrysy o = grafuj(Rys(10, 10, 240, 480));
    EXPECT_EQ(o.Rantl.Left, 30);
    EXPECT_EQ(o.Rantl.Top, 30);
    EXPECT_EQ(o.Prekryv.Width, 231);
    EXPECT_FALSE(o.Zakryt.Viditelny);

    // (241 - 200) * 0.5 = 20.5 -> 20; (243 - 200) * 0.5 = 21.5 -> 22.
    EXPECT_EQ(grafuj(Rys(10, 10, 241, 480)).Rantl.Left, 30);
    EXPECT_EQ(grafuj(Rys(10, 10, 243, 480)).Rantl.Left, 32);

    // Only a negative position falls back to the picture's edge, not one left of it.
    s.SHPomer = 0.1;
    EXPECT_EQ(grafuj(Rys(20, 20, 100, 200)).Rantl.Left, 10); // 20 - 10
    s.SHPomer = 0.5;
    s.SVPomer = 1;
    o = grafuj(Rys(20, 20, 100, 200));
    EXPECT_EQ(o.Rantl.Left, 20); // 20 - 50 < 0
    EXPECT_EQ(o.Rantl.Top, 20);  // 20 - 240 < 0
}

TEST_F(GrafikaTest, EccentricOneColouredPanelIsFlushWithAPictureEdge)
{
    s.SExcentr = true;
    s.SPrava = true;
    EXPECT_EQ(grafuj(Rys(10, 10, 240, 480)).Rantl.Left, 50); // right edge 250 - 200
    s.SPrava = false;
    EXPECT_EQ(grafuj(Rys(10, 10, 240, 480)).Rantl.Left, 10);
    s.SDvojbarva = true; // two-coloured: by the ratio again
    EXPECT_EQ(grafuj(Rys(10, 10, 240, 480)).Rantl.Left, 30);
}

TEST_F(GrafikaTest, OverlayPanelPlacesOpeningOverlayAuxiliaryPictureAndMask)
{
    s.SPrekryvna = true;
    s.PVL = 52;
    s.PVP = 104;
    s.PVH = 33;
    s.PVD = 10;
    Obrysy o = grafuj(Rys(10, 10, 260, 500), 150, 300);
    EXPECT_EQ(o.Rantl.Left, 20); // 10 + 52 div 5
    EXPECT_EQ(o.Rantl.Top, 40);  // 10 + round(60 * 0.5)
    EXPECT_EQ(o.Prekryv.Left, 10);
    EXPECT_EQ(o.Prekryv.Top, 34); // 40 - 33 div 5
    EXPECT_EQ(o.Prekryv.Width, 231);
    EXPECT_EQ(o.Prekryv.Height, 449); // round(43 / 5) + 440
    EXPECT_EQ(o.PomRys.Left, 45);     // 20 + round(50 * 0.5)
    EXPECT_EQ(o.PomRys.Top, 110);     // 40 + round(140 * 0.5)
    EXPECT_EQ(o.Zakryt, (Tvar{44, 109, 151, 301, true}));

    // Eccentric right-handed: flush with the picture's right edge minus PVP div 5.
    s.SExcentr = true;
    s.SPrava = true;
    o = grafuj(Rys(10, 10, 260, 500), 150, 300);
    EXPECT_EQ(o.Rantl.Left, 10 + 260 - 200 - 20);
    EXPECT_EQ(o.PomRys.Left, 50 + 200 - 150 - 12);
    s.SPrava = false;
    o = grafuj(Rys(10, 10, 260, 500), 150, 300);
    EXPECT_EQ(o.PomRys.Left, o.Rantl.Left + 12);

    // A special overlay picture puts the opening PVH div 5 below the picture's top.
    s.SExcentr = false;
    s.SNeload = true;
    o = grafuj(Rys(10, 10, 260, 500), 150, 300);
    EXPECT_EQ(o.Rantl.Top, 16);
    EXPECT_EQ(o.Prekryv.Top, 10);
}

TEST_F(GrafikaTest, OverlayOutlineStopsAtTheWindowEdge)
{
    s.SPrekryvna = true;
    s.PVL = 200; // 40 px, more than the opening's left of 40
    s.PVH = 500;
    s.SVPomer = 0;
    const Obrysy o = grafuj(Rys(0, 0, 240, 480));
    EXPECT_EQ(o.Rantl.Left, 40);
    EXPECT_EQ(o.Prekryv.Left, 0);
    EXPECT_EQ(o.Prekryv.Top, 0);
}

namespace {

struct CaryTest : ::testing::Test {
    CaryTest()
    {
        s.SSirka = 1000;
        s.SVyska = 2200;
        s.Carame = true;
        s.SCary.Tloustka = 15;
    }
    CarovaZnacky umisti()
    {
        CarovaZnacky z;
        UmistiCary(s, H, Rantl, Prekryv, z);
        return z;
    }
    Session s;
    Tvar H = Rys(10, 10, 240, 480);
    Tvar Rantl = Rys(30, 30, 200, 440);
    Tvar Prekryv = Rys(28, 28, 204, 444);
};

} // namespace

TEST_F(CaryTest, OnlyTheLinesOfTheLayoutAreShown)
{
    s.RozmerVybran = true;
    s.SCary.HPocet = 2;
    s.SCary.Hpos = {0, 1000, 500};
    s.SCary.Hrel = {0, 100, 100};
    s.SCary.VPocet = 1;
    s.SCary.Vpos = {0, 500};
    const CarovaZnacky z = umisti();
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(z.PH[i].Viditelny, i < 2) << i;
        EXPECT_EQ(z.PV[i].Viditelny, i < 1) << i;
    }
    // Unscaled lines on the picture: bottom 490, 1000 mm up + PVD 10 mm.
    EXPECT_EQ(z.PH[0], (Tvar{10, 490 - 202, 204, 3, true})); // full width round(1020 / 5)
    EXPECT_EQ(z.PH[1].Top, 490 - 102);
    EXPECT_EQ(z.PV[0], (Tvar{10 + 102, 10, 3, 444, true}));
}

TEST_F(CaryTest, LineFromTheRightEdgeEndsAtTheReferenceRight)
{
    s.RozmerVybran = true;
    s.PVP = 25; // 5 px
    s.SCary.HPocet = 1;
    s.SCary.Hpos = {0, 400};
    s.SCary.Hrel = {0, 50};
    s.SCary.Hneg = {false, true};
    CarovaZnacky z = umisti();
    EXPECT_EQ(z.PH[0].Width, 105); // 100 px of Hrel 50 + the right overlay width
    EXPECT_EQ(z.PH[0].Left + z.PH[0].Width, H.Right());

    s.SCary.Hneg[1] = false; // from the left: PVL/5 + 100
    z = umisti();
    EXPECT_EQ(z.PH[0].Left, 10);
    EXPECT_EQ(z.PH[0].Width, 102);
}

TEST_F(CaryTest, ChosenOverlayCentresTheStandardPanelOnTheRealOne)
{
    s.RozmerVybran = true;
    s.SPrekryvna = true;
    s.PrekryvVybran = true;
    s.SSirka = 900;  // J = round(100 / 2 / 5) = 10
    s.SVyska = 2000; // I = 20
    s.SCary.HPocet = 1;
    s.SCary.Hpos = {0, 1000};
    s.SCary.Hrel = {0, 100};
    s.SCary.VPocet = 1;
    s.SCary.Vpos = {0, 500};
    const CarovaZnacky z = umisti();
    // Reference: picture corner, 1020 x 2220 mm = 204 x 444 px.
    EXPECT_EQ(z.PH[0].Top, 10 + 444 - 20 - 202);
    EXPECT_EQ(z.PH[0].Width, Zaokrouhli((10 + 10 + 900) / 5.0)); // F of the real panel
    EXPECT_EQ(z.PV[0].Left, 10 + 102 - 10);
    EXPECT_EQ(z.PV[0].Height, 404); // O = round(2020 / 5)
}

TEST_F(CaryTest, WithoutDimensionsThePreferredSizeAndStandardOverlaysApply)
{
    s.RozmerVybran = false;
    s.SVolby.DefaultData = {800, 2000};
    s.PVL = s.PVP = s.PVH = s.PVD = 40;
    s.SCary.VPocet = 1;
    const CarovaZnacky z = umisti();
    EXPECT_EQ(s.SVyska, 2000);
    EXPECT_EQ(s.SSirka, 800);
    EXPECT_EQ(s.PVL, 10);
    EXPECT_EQ(s.PVD, 10);
    EXPECT_EQ(z.PV[0].Height, 444); // round((10 + 10 + 2200) / 5)

    s.SVolby.DefaultData = {900, 2100}; // larger than the current size: kept
    umisti();
    EXPECT_EQ(s.SVyska, 2000);
    EXPECT_EQ(s.SSirka, 800);
}

TEST(DoplnekZnacky, MarkSitsOnTheFixingPointAndStaysInsideTheWindow)
{
    const Tvar Rantl = Rys(10, 10, 200, 440);
    TDDoplnek d;
    d.Zleva = 500;
    d.Zdola = 1000;
    ZnackyDoplnku z;
    UmistiDoplnek(d, Rantl, z);
    EXPECT_EQ(z.Shape, (Tvar{100, 240, 20, 20, false}));
    EXPECT_EQ(z.MShape, Tvar{}); // not a vertical handle: untouched

    d.Zdola = 2180; // near the top: 10 + 440 - 436 - 10 = 4 -> clamped to 10
    UmistiDoplnek(d, Rantl, z);
    EXPECT_EQ(z.Shape.Top, 10);

    d.Zdola = 1000;
    d.MadloVert = true;
    d.VzdVert = 304; // 60 px
    UmistiDoplnek(d, Rantl, z);
    EXPECT_EQ(z.MShape, (Tvar{100, 300, 20, 20, false}));
    EXPECT_EQ(z.SShape, (Tvar{105, 250, 10, 60, false}));
}

namespace {

struct RysTest : ::testing::Test {
    RysTest()
    {
        s.apCesta = "/prog/";
        s.VolbaNeniNil = true;
        s.TypZakazky = 1;
        s.VyplnVybrana = true;
        s.SVypln.DVypln.Polozka = 0;
        s.KodRysu = "AB1";
        s.SFormat = 1;
        s.SZaskleni = 2;
    }
    Session s;
    FakePictureStore store;
};

} // namespace

TEST_F(RysTest, OrdinaryPanelShowsNoAuxiliaryPicture)
{
    store.Add("/prog/RYSY/AB1F1S2.jpg");
    ZpracujRys(s, store);
    EXPECT_EQ(store.LastLoaded(Target::Picture), "/prog/RYSY/AB1F1S2.jpg");
    EXPECT_FALSE(s.VidimPomRys);
    EXPECT_FALSE(PomRysViditelny(s));
}

TEST_F(RysTest, OverlayPanelWithItsPictureShowsIt)
{
    s.SPrekryvna = true;
    s.KodRysu = "B0";
    store.everythingExists = true;
    ZpracujRys(s, store);
    EXPECT_TRUE(s.VidimPomRys);
    EXPECT_TRUE(PomRysViditelny(s));
    EXPECT_FALSE(store.LastLoaded(Target::PomRys).empty());

    s.SFormat = 0; // no format yet: nothing beside the drawing
    ZpracujRys(s, store);
    EXPECT_FALSE(s.VidimPomRys);
}

TEST_F(RysTest, MuntinChangeReloadsThePictureOnceByName)
{
    s.SImage = "/prog/VYPLNE/AB1.jpg";
    s.MrizkaVybrana = true;
    s.SMrizka.DMrizka.Nazev = "MR-12 biała";
    store.Add("/prog/RYSY/AB1F1S2M12.jpg");
    EXPECT_TRUE(ObnovObr(s, store));
    EXPECT_EQ(s.SImage, "/prog/RYSY/AB1F1S2M12.jpg");
    EXPECT_EQ(store.LastLoaded(Target::Picture), s.SImage);
    EXPECT_FALSE(ObnovObr(s, store)); // same name: nothing to do
    EXPECT_EQ(store.loadCalls.size(), 1u);

    s.MrizkaVybrana = false; // AB1F1S2.jpg is missing: ignored
    EXPECT_FALSE(ObnovObr(s, store));
    EXPECT_EQ(s.SImage, "/prog/RYSY/AB1F1S2M12.jpg");

    s.KodRysu = "../../etc/x"; // a name leaving the folder loads nothing
    store.everythingExists = true;
    EXPECT_FALSE(ObnovObr(s, store));

    s.KodRysu = "AB1";
    s.VyplnVybrana = false;
    EXPECT_FALSE(ObnovObr(s, store));
}
