// The refresh: summary texts, derived flags, command availability, marks and layout.
#include "mainwindow/UVolbaModel.h"

#include "core/TSifraSoubor.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace qmr;

namespace {

struct ObnovTest : ::testing::Test {
    ObnovTest()
    {
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        s.apConf = s.apData + "Quilmar.cfg";
        dir.write("DATA/.keep", "");
        s.apSoubor = "Nowy plik.qms";
        s.VolbaNeniNil = true;
        s.SSirka = 1000;
        s.SVyska = 2200;
        s.SHPomer = 0.5;
        s.SVPomer = 0.5;
        in.Rozmery.Panel1 = {500, 450};
        in.Rozmery.Panel2 = {80, 450};
        in.Rozmery.Panel3 = {300, 120};
        in.Rozmery.ObjButton = {100, 30};
        in.Rozmery.NabButton = {100, 30};
        in.Rozmery.Vypinac = {60, 30};
        in.Rozmery.VypinacLeft = 900;
        in.Rozmery.HlavniRys = {240, 480};
        in.Rozmery.PomRys = {150, 300};
        in.OknoLeft = 11;
        in.OknoTop = 22;
        in.OknoWidth = 1004;
    }

    // An ordinary infill job, everything chosen up to the glass.
    void Vypln()
    {
        s.TypZakazky = 1;
        s.VyplnVybrana = true;
        s.SVypln.DVypln.Polozka = 0;
        s.SVypln.DVypln.Nazev = "Vzor";
        s.SVypln.DVypln.Kod = "AB";
        s.SFormat = 1;
        s.SZaskleni = 1;
        s.BarvyVybrany = true;
        s.SBarva1.DBarva = {};
        s.SBarva1.DBarva.Nazev = "Biała";
        s.SBarva1.DBarva.Cislo = "9016";
        s.SBarva2.DBarva.Nazev = "Złoty dąb";
        s.SBarva2.DBarva.Cislo = "2178";
        s.RozmerVybran = true;
        s.SVyztuz = 1;
        s.ProselVyztuze = true;
    }

    const VolbaStav &obnov()
    {
        in.Predchozi = prvni ? nullptr : &st;
        st = Obnov(s, in);
        prvni = false;
        return st;
    }

    qmrtest::TempDir dir;
    Session s;
    VolbaVstup in;
    VolbaStav st;
    bool prvni = true;
};

// The session variables the refresh derives or stores.
std::string Otisk(const Session &s)
{
    std::ostringstream o;
    for (bool b : {s.RozmerVybran, s.PrekryvVybran, s.Prekryv2Vybran, s.BarvyVybrany, s.DekoryVybrany,
                   s.VitrazVybrana, s.MrizkaVybrana, s.DoplnkyVybrany, s.ProjitVyztuze, s.ProselVyztuze,
                   s.VidimPomRys, s.ObjMozna, s.SMadlo, s.PrepisMadlo, s.STrojsklo, s.SCtyrsklo})
        o << b;
    for (int n : {s.SVyztuz, s.SFormat, s.SSirka, s.SVyska, s.PVL, s.PVD, s.CTloustka, s.STloustka,
                  s.VolbaLeft, s.VolbaTop, s.VolbaWidth, s.VolbaHeight, s.RantlLeft, s.RantlTop, s.PH1Top,
                  s.PH2Left, s.PH1Sir, s.PV1Left, s.PV1Vys})
        o << ' ' << n;
    o << ' ' << s.SJmenoV << '|' << s.SJmenoZ << '|' << s.nKonecna.Raw();
    return o.str();
}

} // namespace

TEST_F(ObnovTest, RepeatedRefreshGivesTheSameStateAndChangesNothing)
{
    Vypln();
    s.DekoryVybrany = true;
    s.SDekor1.DDekor.Nazev = "Float";
    s.DoplnkyVybrany = true;
    s.SDoplnek1.DDoplnek = {};
    s.SDoplnek1.DDoplnek.Polozka = 1;
    s.SDoplnek1.DDoplnek.Nazev = "Klika";
    s.SDoplnek1.DDoplnek.Namontovat = true;
    s.SDoplnek1.DDoplnek.Umisten = true;
    s.SDoplnek1.DDoplnek.MadloVert = true;
    s.SDoplnek1.DDoplnek.VzdVert = 300;
    s.SPoznamky = {"uwaga 1"};
    s.Carame = true;
    s.SCary.HPocet = 1;
    s.SCary.Hpos[1] = 1000;
    s.SCary.Hrel[1] = 100;
    s.SCary.VPocet = 1;
    s.SCary.Vpos[1] = 500;
    obnov();
    const VolbaStav prvniStav = st;
    const std::string prvniOtisk = Otisk(s);
    obnov();
    EXPECT_EQ(st, prvniStav);
    EXPECT_EQ(Otisk(s), prvniOtisk);
}

TEST_F(ObnovTest, NothingChosenOffersOnlyTheStart)
{
    obnov();
    EXPECT_TRUE(st.StartButton);
    for (bool b : {st.BarvyButton, st.RozmerButton, st.VyztuzButton, st.VitrazButton, st.DekoryButton,
                   st.MrizkyButton, st.DoplnkyButton, st.CommentButton, st.ObjButtonPovolen,
                   st.NabButtonPovolen, st.Ulozit, st.Jako, st.Predvolby})
        EXPECT_FALSE(b);
    EXPECT_FALSE(st.HlavniRys.Viditelny);
    EXPECT_FALSE(st.Rantl.Viditelny);
    EXPECT_FALSE(st.Panel2.Viditelny);
    EXPECT_EQ(st.JmenoVyplne.Text, "");
    // Surcharge lines of old configurations stay hidden.
    EXPECT_FALSE(st.LabTz1.Viditelny);
    EXPECT_FALSE(st.Mezisouc.Viditelny);

    s.apEdited = true;
    obnov();
    EXPECT_TRUE(st.Ulozit);
    EXPECT_TRUE(st.Jako);
}

TEST_F(ObnovTest, LayoutFollowsTheControlSizes)
{
    obnov();
    EXPECT_EQ(st.OknoVyska, 605);
    EXPECT_EQ(st.Panel1, (Tvar{257, 0, 500, 450, true}));
    EXPECT_EQ(st.Panel2.Left, 757);
    EXPECT_EQ(st.Panel2.Top, 0);
    EXPECT_EQ(st.Panel3.Left, 757 + 80 - 300);
    EXPECT_EQ(st.Panel3.Top, 450);
    EXPECT_EQ(st.NabButton, (Tvar{257, 470, 100, 30, true}));
    EXPECT_EQ(st.ObjButton, (Tvar{137, 470, 100, 30, true}));
    EXPECT_EQ(st.Vypinac, (Tvar{900, 458, 60, 30, true}));
    EXPECT_EQ(st.HlavniRys.Left, 10);
    EXPECT_EQ(st.HlavniRys.Width, 240);
    EXPECT_EQ(s.VolbaLeft, 11);
    EXPECT_EQ(s.VolbaTop, 22);
    EXPECT_EQ(s.VolbaWidth, 1004);
    EXPECT_EQ(s.VolbaHeight, 605);
}

TEST_F(ObnovTest, CommandsOpenUpInTheFixedOrder)
{
    struct Krok {
        const char *popis;
        bool barvy, rozmer, vyztuz, proselVyztuze, sklo;
        bool ocekBarvy, ocekRozmer, ocekVyztuz, ocekSklo, ocekDoplnky, ocekObj;
    } kroky[] = {
        {"infill only", false, false, false, false, false, 1, 0, 0, 0, 0, 0},
        {"colours", true, false, false, false, false, 1, 1, 0, 0, 0, 0},
        {"dimensions, reinforcement due", true, true, false, false, false, 1, 1, 1, 0, 0, 0},
        {"reinforcement passed", true, true, true, true, false, 1, 1, 1, 1, 1, 0},
        {"glass", true, true, true, true, true, 1, 1, 1, 1, 1, 1},
    };
    for (const auto &k : kroky) {
        Vypln();
        s.BarvyVybrany = k.barvy;
        s.RozmerVybran = k.rozmer;
        s.SVyztuz = k.vyztuz ? 1 : -1;
        s.ProselVyztuze = k.proselVyztuze;
        s.DekoryVybrany = k.sklo;
        obnov();
        EXPECT_EQ(st.BarvyButton, k.ocekBarvy) << k.popis;
        EXPECT_EQ(st.RozmerButton, k.ocekRozmer) << k.popis;
        EXPECT_EQ(st.VyztuzButton, k.ocekVyztuz) << k.popis;
        EXPECT_EQ(st.DekoryButton, k.ocekSklo) << k.popis;
        EXPECT_EQ(st.Label3.Viditelny, k.ocekSklo) << k.popis;
        EXPECT_EQ(st.DoplnkyButton, k.ocekDoplnky) << k.popis;
        EXPECT_EQ(st.ObjButtonPovolen, k.ocekObj) << k.popis;
        EXPECT_EQ(st.NabButtonPovolen, k.ocekObj) << k.popis;
        EXPECT_EQ(s.ObjMozna, k.ocekObj) << k.popis;
        EXPECT_TRUE(st.CommentButton) << k.popis;
        EXPECT_TRUE(st.HlavniRys.Viditelny) << k.popis;
    }
    // An ordinary infill needs its reinforcement (the pricing offers TPR and RC2).
    EXPECT_TRUE(s.ProjitVyztuze);
}

TEST_F(ObnovTest, DerivedFlagsCorrectAnInconsistentConfiguration)
{
    // Dimensions and overlays without colours are dropped.
    Vypln();
    s.BarvyVybrany = false;
    s.PrekryvVybran = true;
    obnov();
    EXPECT_FALSE(s.RozmerVybran);
    EXPECT_FALSE(s.PrekryvVybran);

    // Without dimensions no muntin and no accessories.
    Vypln();
    s.RozmerVybran = false;
    s.MrizkaVybrana = true;
    s.DoplnkyVybrany = true;
    obnov();
    EXPECT_FALSE(s.MrizkaVybrana);
    EXPECT_FALSE(s.DoplnkyVybrany);
    EXPECT_FALSE(st.DoplnkyButton);
    EXPECT_FALSE(st.VyztuzButton);
    EXPECT_FALSE(s.ProjitVyztuze); // the variants need the dimensions
    EXPECT_TRUE(s.ProselVyztuze);

    // A reinforced infill loses reinforcement 6.
    Vypln();
    s.Zesilena = true;
    s.SZesil = 10;
    s.SVyztuz = 6;
    obnov();
    EXPECT_EQ(s.SVyztuz, -1);
    EXPECT_FALSE(s.ProselVyztuze);
    EXPECT_EQ(st.TextVyztuze.Text, "Wzmocnienie ?");
    EXPECT_EQ(st.TextVyztuze.Barva, BarvaTextu::Cervena);

    // A decor colour on an ordinary infill needs a reinforcement variant.
    Vypln();
    s.SBarva1.DBarva.DDekor = true;
    s.SVyztuz = 0;
    obnov();
    EXPECT_EQ(s.SVyztuz, -1);
    EXPECT_FALSE(s.ProselVyztuze);
    EXPECT_FALSE(st.DekoryButton);
}

TEST_F(ObnovTest, StainedGlassDropsTheMuntin)
{
    Vypln();
    s.MrizkaVybrana = true;
    s.SMrizka.DMrizka.Nazev = "Mříž 1";
    s.SMrizka.DMrizka.SSirka = 18;
    obnov();
    EXPECT_TRUE(st.MrizkyButton);
    EXPECT_TRUE(st.VitrazButton);
    EXPECT_EQ(st.TextMrizky.Text, "Mříž 1, szerokość 18"); // the muntin's own width
    EXPECT_TRUE(s.MrizkaVybrana);

    s.VitrazVybrana = true;
    s.SVitraz.DVitraz.Nazev = "Róża";
    s.SVitraz.DVitraz.VitrPis = 1;
    obnov();
    EXPECT_FALSE(st.MrizkyButton);
    EXPECT_FALSE(s.MrizkaVybrana);
    EXPECT_EQ(st.TextMrizky.Text, "");
    EXPECT_EQ(st.TextVitraze.Text, "Szkło piaskowane Róża");

    // RC2 (4) excludes stained glass; the choice is dropped with the command.
    s.SVyztuz = 4;
    obnov();
    EXPECT_FALSE(st.VitrazButton);
    EXPECT_FALSE(s.VitrazVybrana);
    EXPECT_EQ(st.TextVitraze.Text, "");
}

TEST_F(ObnovTest, DimensionAndOverlayLines)
{
    Vypln();
    s.ZmensenyVyrez = true;
    obnov();
    EXPECT_EQ(st.TextRozmeru.Text, "szerokość 1000, wysokość 2200, grubość 24 mm (wycięcie umniejszone)");
    EXPECT_TRUE(st.Rantl.Viditelny);
    EXPECT_EQ(st.Rantl.Width, 200);
    EXPECT_EQ(st.RantlPero, PeroRantlu::CervenePlne);
    EXPECT_FALSE(st.Prekryv.Viditelny);
    EXPECT_EQ(s.RantlLeft, st.Rantl.Left);

    s.SHlinik = true; // an aluminium overlay panel on both sides
    s.SPrekryvna = true;
    s.SPrekryv = 2;
    obnov();
    EXPECT_EQ(st.Prekryvy.Text, "Przekrywy?");
    EXPECT_EQ(st.Prekryvy.Barva, BarvaTextu::Cervena);
    EXPECT_EQ(st.TextPrekryv.Text, "Przekryw obustronny");
    EXPECT_EQ(st.TextPrekryv.Barva, BarvaTextu::Cervena);
    EXPECT_FALSE(st.TextPrekryv.Viditelny);
    EXPECT_TRUE(st.Prekryv.Viditelny); // shown before the widths are chosen

    s.PrekryvVybran = true;
    s.PVL = 10;
    s.PVP = 20;
    s.PVH = 30;
    s.PVD = 40;
    obnov();
    EXPECT_EQ(st.Prekryvy.Text, "Przekrywy: na lewo 10, na prawo 20, na gorze 30, na dołe 40");
    EXPECT_EQ(st.Prekryvy.Barva, BarvaTextu::Okno);
    EXPECT_EQ(st.Prekryvy2.Text, "strona wewnętrzna?");
    EXPECT_EQ(st.Prekryvy2.Barva, BarvaTextu::Cervena);
    EXPECT_EQ(st.RantlPero, PeroRantlu::CerneTeckovane);
    EXPECT_FALSE(st.ObjButtonPovolen); // second side missing

    s.Prekryv2Vybran = true;
    s.PVL2 = 1;
    s.PVP2 = 2;
    s.PVH2 = 3;
    s.PVD2 = 4;
    obnov();
    EXPECT_EQ(st.Prekryvy2.Text, "strona wewnętrzna: na lewo 1, na prawo 2, na gorze 3, na dołe 4");
    EXPECT_EQ(st.TextPrekryv.Barva, BarvaTextu::Okno);

    s.SPrekryv = 1; // one side: the second counts as chosen
    s.Prekryv2Vybran = false;
    obnov();
    EXPECT_TRUE(s.Prekryv2Vybran);
    EXPECT_EQ(st.Prekryvy2.Text, "");
    EXPECT_EQ(st.TextPrekryv.Text, "Przekryw jednostronny");
}

TEST_F(ObnovTest, ColourLinesByFamily)
{
    struct Pripad {
        const char *popis;
        bool hlinik, glas, hpl1, hpl2, dvojbarva;
        const char *barva1, *barva2;
    } pripady[] = {
        {"ordinary", 0, 0, 0, 0, 0, "Biała", "Złoty dąb 2178"},
        {"HPL outside only", 0, 0, 1, 0, 0, "HPL Biała", "ABS Złoty dąb 2178"},
        {"HPL inside only", 0, 0, 0, 1, 0, "ABS Biała", "HPL Złoty dąb 2178"},
        {"HPL both", 0, 0, 1, 1, 0, "Biała", "Złoty dąb 2178"},
        {"aluminium", 1, 0, 0, 0, 0, "Biała 9016", "Złoty dąb 2178"},
        {"glass", 0, 1, 0, 0, 0, "Szklana płyta", "Złoty dąb 2178"},
    };
    for (const auto &p : pripady) {
        Vypln();
        s.SHlinik = p.hlinik;
        s.SGlas = p.glas;
        s.SHPL1 = p.hpl1;
        s.SHPL2 = p.hpl2;
        obnov();
        EXPECT_EQ(st.TextBarvy1.Text, p.barva1) << p.popis;
        EXPECT_EQ(st.TextBarvy2.Text, p.barva2) << p.popis;
        EXPECT_TRUE(st.Label1.Viditelny) << p.popis;
        EXPECT_EQ(st.Label1.Text, "Zewnętrz:") << p.popis;
        EXPECT_FALSE(st.Label5.Viditelny) << p.popis;
    }

    Vypln();
    s.SDvojbarva = true;
    s.SBarva12.DBarva.Nazev = "Antracyt";
    s.SBarva12.DBarva.Cislo = "7016";
    obnov();
    EXPECT_EQ(st.Label1.Text, "Zewnętrz – pozycja 1:");
    EXPECT_EQ(st.Label5.Text, "Zewnętrz – pozycja 2:");
    EXPECT_TRUE(st.Label5.Viditelny);
    EXPECT_EQ(st.TextBarvy12.Text, "Antracyt 7016");
    EXPECT_TRUE(st.TextRamecku1.Viditelny); // two colours are an outer-side extra
    EXPECT_TRUE(st.TextRamecku1.Povoleny);
    EXPECT_FALSE(st.BarvaRam1.Viditelny);
    EXPECT_EQ(st.TextRamecku1.Text, "Dwukolorowa strona zewnętrzna");

    s.BarvyVybrany = false;
    obnov();
    EXPECT_FALSE(st.Label1.Viditelny);
    EXPECT_EQ(st.TextBarvy1.Text, "");
    EXPECT_EQ(st.TextBarvy12.Text, "");
}

TEST_F(ObnovTest, GlassPaneLines)
{
    Vypln();
    s.DekoryVybrany = true;
    s.SDekor1.DDekor.Nazev = "Float";
    s.SDekor2.DDekor.Nazev = "Chinchilla";
    s.SDekorP.DDekor.Nazev = "Środkowa";
    obnov();
    EXPECT_EQ(st.TextDekoru1.Text, "Float");
    EXPECT_EQ(st.TextDekoru2.Text, "Chinchilla");
    EXPECT_EQ(st.TextProstredni.Text, "");
    EXPECT_EQ(st.TextDP.Text, "");

    // Triple glazing of a reinforced panel with a stained glass of kind 0 in the middle.
    s.Zesilena = true;
    s.SZesil = 10;
    s.VitrazVybrana = true;
    s.SVitraz.DVitraz.Nazev = "Róża";
    s.SVitraz.DVitraz.VitrPis = 0;
    obnov();
    EXPECT_TRUE(s.STrojsklo);
    EXPECT_EQ(st.TextProstredni.Text, "2. szyba: ");
    EXPECT_EQ(st.TextDP.Text, "float + Witraż Róża");
    EXPECT_EQ(st.TextProstredni2.Text, "");

    s.SVitraz.DVitraz.VitrPis = 3; // fused glass replaces the outer pane
    obnov();
    EXPECT_EQ(st.TextDekoru1.Text, "Róża");
    EXPECT_EQ(st.TextDP.Text, "Środkowa");

    s.DekoryVybrany = false;
    obnov();
    EXPECT_EQ(st.TextDekoru1.Text, "");
    EXPECT_EQ(st.TextProstredni.Text, "");
}

namespace {

TDDoplnek Doplnek(const char *nazev, const char *kod = "K1")
{
    TDDoplnek d;
    d.Polozka = 1;
    d.Nazev = nazev;
    d.Kod = kod;
    d.SBarvaDR = -1;
    d.PocetKs = 1;
    return d;
}

} // namespace

TEST_F(ObnovTest, AccessoryLinesInAnInfillJob)
{
    Vypln();
    s.DekoryVybrany = true;
    s.DoplnkyVybrany = true;
    TDDoplnek d1 = Doplnek("Klika");
    d1.Namontovat = true;
    d1.MaDistanci = true;
    d1.SBarvaDR = 1;
    TDDoplnek d2 = Doplnek("Szyld");
    d2.SMontaz = 30;
    d2.CenaNetto = true;
    TDDoplnek d3 = Doplnek("Rozeta");
    d3.SMontaz = 30;
    d3.NeBezM = true;
    s.SDoplnek1.DDoplnek = d1;
    s.SDoplnek2.DDoplnek = d2;
    s.SDoplnek3.DDoplnek = d3;
    s.SDoplnek4.DDoplnek.Polozka = -1;
    obnov();
    EXPECT_EQ(st.TextDoplnku[0].Text, "Klika + czarna RD włącznie montażu");
    EXPECT_EQ(st.TextDoplnku[1].Text, "Szyld wyłącznie montażu (netto)");
    EXPECT_EQ(st.TextDoplnku[2].Text, "Rozeta");
    EXPECT_EQ(st.TextDoplnku[3].Text, "");
    EXPECT_FALSE(s.SMadlo);

    // A decorative muntin without accessories describes slot 1 only.
    s.DoplnkyVybrany = false;
    s.SOMrizka = 1;
    obnov();
    EXPECT_EQ(st.TextDoplnku[0].Text, "Klika + czarna RD włącznie montażu");
    EXPECT_EQ(st.TextDoplnku[1].Text, "");
    EXPECT_TRUE(st.CommentButton);
}

TEST_F(ObnovTest, HandleByDrawingForcesTheReinforcedCoreInAnAbsInfill)
{
    Vypln();
    s.SVyztuz = -1;
    s.DoplnkyVybrany = true;
    s.SDoplnek1.DDoplnek = Doplnek("Pochwyt", "prmdl");
    obnov();
    EXPECT_EQ(st.TextDoplnku[0].Text, "Pochwyt - rysunek wymagany!");
    EXPECT_TRUE(s.SMadlo);
    EXPECT_EQ(s.SVyztuz, 7);
    EXPECT_TRUE(s.PrepisMadlo);
    EXPECT_EQ(st.TextVyztuze.Text, "zahartowane wzmocnienie PUR (TPR) 10 mm");
    EXPECT_EQ(st.TextVyztuze.Barva, BarvaTextu::Okno);

    // Not in an aluminium infill.
    Vypln();
    s.SHlinik = true;
    s.SVyztuz = -1;
    s.PrepisMadlo = false;
    obnov();
    EXPECT_EQ(s.SVyztuz, -1);
    EXPECT_FALSE(s.PrepisMadlo);
}

TEST_F(ObnovTest, PlacedHandleMarksFollowTheHandleKind)
{
    Vypln();
    s.DoplnkyVybrany = true;
    TDDoplnek d = Doplnek("Pochwyt");
    d.Namontovat = true;
    d.Umisten = true;
    d.MadloVert = true;
    d.VzdVert = 300;
    d.Zleva = 500;
    d.Zdola = 1000;
    s.SDoplnek2.DDoplnek = d;
    obnov();
    EXPECT_TRUE(st.Shape[1].Viditelny);
    EXPECT_TRUE(st.MShape[1].Viditelny);
    EXPECT_TRUE(st.SShape[1].Viditelny);
    EXPECT_FALSE(st.Shape[0].Viditelny);
    EXPECT_EQ(st.Shape[1].Left, st.Rantl.Left + 100 - 10);
    EXPECT_EQ(st.MShape[1].Top, st.Shape[1].Top + 60);
    EXPECT_TRUE(s.SMadlo);

    s.SDoplnek2.DDoplnek.MadloVert = false; // an ordinary handle now
    obnov();
    EXPECT_TRUE(st.Shape[1].Viditelny);
    EXPECT_FALSE(st.MShape[1].Viditelny);
    EXPECT_FALSE(st.SShape[1].Viditelny);
    EXPECT_FALSE(s.SMadlo);

    s.SDoplnek2.DDoplnek.Umisten = false;
    obnov();
    EXPECT_FALSE(st.Shape[1].Viditelny);
}

TEST_F(ObnovTest, AccessoriesOnlyJob)
{
    s.TypZakazky = 2;
    s.DoplnkyVybrany = true;
    TDDoplnek d = Doplnek("Klika");
    d.PocetKs = 2;
    d.Tloustka = 30;
    s.SDoplnek1.DDoplnek = d;
    d.MaDistanci = true;
    d.SBarvaDR = 0;
    s.SDoplnek2.DDoplnek = d;
    d = Doplnek("Wkładka");
    d.BezTloustky = true;
    d.Namontovat = true;
    d.Umisten = true;
    s.SDoplnek3.DDoplnek = d;
    s.VidimPomRys = true;
    obnov();
    EXPECT_EQ(st.TextDoplnku[0].Text, "2 x Klika (30 mm)");
    EXPECT_EQ(st.TextDoplnku[1].Text, "2 x Klika + biała RD (30 mm)");
    EXPECT_EQ(st.TextDoplnku[2].Text, "1 x Wkładka");
    EXPECT_FALSE(st.Shape[2].Viditelny); // no drawing in this job
    EXPECT_TRUE(st.DoplnkyButton);
    EXPECT_TRUE(st.ObjButtonPovolen);
    EXPECT_TRUE(s.DoplnkyVybrany);
    EXPECT_FALSE(s.VidimPomRys);
    EXPECT_FALSE(st.HlavniRys.Viditelny);
    EXPECT_FALSE(st.BarvyButton);
    EXPECT_TRUE(st.Panel3.Viditelny);
    EXPECT_EQ(st.TextRozmeru.Text, "");
}

TEST_F(ObnovTest, NoInfillResetsTheInfillChoicesAndItsLines)
{
    Vypln();
    s.SRamecek1 = 1;
    s.MuzeRamecek = 1;
    obnov();
    EXPECT_TRUE(st.TextRamecku1.Viditelny);
    EXPECT_TRUE(st.BarvaRam1.Viditelny);
    EXPECT_TRUE(st.DoplnkyButton);

    s.VyplnVybrana = false;
    obnov();
    EXPECT_EQ(s.SFormat, -1);
    EXPECT_EQ(s.SVyztuz, -1);
    EXPECT_EQ(s.SRamecek1, 0);
    EXPECT_FALSE(s.RozmerVybran);
    EXPECT_FALSE(s.BarvyVybrany);
    EXPECT_FALSE(st.HlavniRys.Viditelny);
    EXPECT_FALSE(st.TextTloustky.Viditelny);
    EXPECT_FALSE(st.TextRamecku1.Viditelny);
    EXPECT_FALSE(st.BarvaRam1.Viditelny);
    EXPECT_FALSE(st.DoplnkyButton);
    EXPECT_FALSE(st.DekoryButton);
    EXPECT_FALSE(st.ObjButtonPovolen);
    EXPECT_EQ(st.JmenoVyplne.Text, "");
}

TEST_F(ObnovTest, LineMarksAreStoredForThePrintouts)
{
    Vypln();
    s.Carame = true;
    s.SCary.Tloustka = 10;
    s.SCary.HPocet = 2;
    s.SCary.Hpos[1] = 1000;
    s.SCary.Hrel[1] = 50;
    s.SCary.Hpos[2] = 500;
    s.SCary.Hrel[2] = 100;
    s.SCary.VPocet = 1;
    s.SCary.Vpos[1] = 500;
    obnov();
    EXPECT_TRUE(st.PH[0].Viditelny);
    EXPECT_TRUE(st.PH[1].Viditelny);
    EXPECT_FALSE(st.PH[2].Viditelny);
    EXPECT_TRUE(st.PV[0].Viditelny);
    EXPECT_FALSE(st.PV[1].Viditelny);
    EXPECT_EQ(s.PH1Top, st.PH[0].Top);
    EXPECT_EQ(s.PH1Left, st.PH[0].Left);
    EXPECT_EQ(s.PH1Sir, st.PH[0].Width);
    EXPECT_EQ(s.PH2Top, st.PH[1].Top);
    EXPECT_EQ(s.PV1Left, st.PV[0].Left);
    EXPECT_EQ(s.PV1Vys, st.PV[0].Height);
    EXPECT_EQ(s.PH1Sir, 102); // PVL 10 mm + 50 % of 1000 mm

    s.Carame = false;
    obnov();
    for (const Tvar &m : st.PH)
        EXPECT_FALSE(m.Viditelny);
}

TEST_F(ObnovTest, NotesAndSummaryOfTheInfill)
{
    Vypln();
    s.SPoznamky = {"pierwsza", "druga"};
    obnov();
    EXPECT_EQ(st.JmenoVyplne.Text, "Vzor, format 1/1, oszklenie S1");
    EXPECT_EQ(st.TextTloustky.Text, "(grubość standardowa 24 mm)");
    EXPECT_TRUE(st.TextTloustky.Viditelny);
    EXPECT_EQ(st.TextVyztuze.Text, "1 x Fe (stal)");
    EXPECT_EQ(st.TxPozn[0].Text, "pierwsza");
    EXPECT_EQ(st.TxPozn[1].Text, "druga");
    EXPECT_EQ(st.TxPozn[2].Text, "");
    EXPECT_EQ(st.TextB1.Text, "");
}

TEST_F(ObnovTest, PriceModesFromTheSettings)
{
    {
        TSifraSoubor f(s.apData + "vyplne.qmr");
        f.Zapis = true;
        f.SetAutoFlush(false);
        f.WriteSifra("Vzor", "ZCF1S1", 1010); // 55.00 after conversion
        f.UpdateFile();
    }
    Vypln();
    s.DekoryVybrany = true;
    obnov();
    EXPECT_EQ(st.CenaVyplne.Text, "   55,00");
    EXPECT_EQ(st.Celkem.Text, "Kupno ogółem bez podatku:");
    EXPECT_TRUE(st.Label6.Viditelny);

    dir.write("DATA/Quilmar.cfg", "[Ceny]\nZobrazit=2\nPocitat=1\nDPHout=23,00\nDopravaOut=40\nDopravy=1\n");
    obnov();
    EXPECT_TRUE(st.Panel3.Viditelny);
    EXPECT_FALSE(st.Label6.Viditelny);
    EXPECT_EQ(st.Celkem.Text, "Sprzedaż ogółem z podatkiem  (23%):");
    EXPECT_EQ(st.Nakonec.Text, "Cena ostateczna (transport 49):"); // 40 + 23 % = 49.2
    EXPECT_EQ(st.CenaVyplne.Text, "");

    dir.write("DATA/Quilmar.cfg", "[Ceny]\nZobrazit=0\n");
    obnov();
    EXPECT_FALSE(st.Panel3.Viditelny);
    EXPECT_EQ(st.Nakonec.Text, "Cena ostateczna (bez transportu):");
}
