// The main window's own commands: creation, reset, new job, start flow, option effects,
// command line, exit code.
#include "mainwindow/UVolba.h"

#include "core/DateCore.h"
#include "support/FakeClock.h"
#include "support/FakeMessages.h"
#include "support/FakePictureStore.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace qmr;
using qmrtest::FakeMessages;

namespace {

struct PrikazyTest : ::testing::Test {
    PrikazyTest()
    {
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        s.apConf = s.apData + "Quilmar.cfg";
        dir.write("DATA/.keep", "");
    }
    qmrtest::TempDir dir;
    Session s;
    qmrtest::FakeClock clock{2024, 3, 5};
    FakeMessages m;
};

TDDoplnek Doplnek(int polozka, int maxTloust = 0, bool minimum = false)
{
    TDDoplnek d;
    d.Polozka = polozka;
    d.Nazev = "D" + std::to_string(polozka);
    d.MaxTl = maxTloust > 0;
    d.MaxTloust = maxTloust;
    d.Minimum = minimum;
    return d;
}

} // namespace

TEST_F(PrikazyTest, CreationPreparesAnEmptyJob)
{
    s.TypZakazky = 2;
    s.SVyztuz = 3;
    s.SDoplnek1.DDoplnek.Polozka = 4;
    s.FixRozmer = true;
    const VolbaStav st = VolbaVytvor(s, clock);
    EXPECT_EQ(s.TypZakazky, 0);
    EXPECT_EQ(s.SVyztuz, -1);
    EXPECT_FALSE(s.FixRozmer);
    EXPECT_EQ(s.SDoplnek1.DDoplnek.Polozka, -1);
    EXPECT_EQ(s.SDoplnek1.DDoplnek.SBarvaDR, -1); // no spacer colour
    EXPECT_EQ(s.SDoplnek1.DDoplnek.PocetKs, 1);
    EXPECT_EQ(s.apSoubor, "Nowy plik.qms");
    EXPECT_EQ(s.apTermin, EncodeDate(2024, 3, 5));
    EXPECT_EQ(s.apDatObj, EncodeDate(2024, 3, 5));
    EXPECT_EQ(s.apPath, s.DataPath + "Nowy plik.qms");
    EXPECT_FALSE(s.DataPath.empty()); // the data folder when [USER] names none
    EXPECT_EQ(s.SSirka, 1000);
    EXPECT_EQ(s.SVyska, 2200);
    EXPECT_TRUE(s.VolbaNeniNil);
    EXPECT_EQ(st.Titulek, "Quilmar - wypełnienia drzwiowe : Nowy plik.qms");
    EXPECT_EQ(st.Celkem.Text, "Ogółem:");
    EXPECT_EQ(st.LabTz1.Text, "Inflation Surcharge I. (4,2%):");
    EXPECT_FALSE(st.LabTz1.Viditelny); // version 5.2
    EXPECT_TRUE(st.VyztuzButton);
    EXPECT_EQ(st.ChybaOceneni, "");
    EXPECT_EQ(s.SCeny.CenyData.MenaP, "EUR"); // the settings were loaded
}

TEST_F(PrikazyTest, CreationSurvivesABrokenVatRate)
{
    dir.write("DATA/Quilmar.cfg", "[Ceny]\nDPHin=x\n");
    const VolbaStav st = VolbaVytvor(s, clock);
    EXPECT_NE(st.ChybaOceneni, "");
    EXPECT_TRUE(s.VolbaNeniNil);
}

TEST_F(PrikazyTest, OldConfigurationVersionsShowTheSurchargeLines)
{
    s.nVerze = 5.0f;
    const VolbaStav st = PocatecniStav(s);
    EXPECT_TRUE(st.LabTz1.Viditelny);
    EXPECT_TRUE(st.Mezisouc.Viditelny);
    EXPECT_EQ(st.LabMezisouc.Text, "Subtotal:");
}

TEST_F(PrikazyTest, WindowResetKeepsTheJobKindAndHidesTheMarks)
{
    VolbaStav st = PocatecniStav(s);
    s.TypZakazky = 2;
    s.DoplnkyVybrany = true;
    s.SSirka = 700;
    s.SVyska = 1900;
    s.PVL = 50;
    s.VyplnVybrana = true;
    s.SVypln.DVypln.Polozka = 3;
    s.SODr2 = 2;
    s.SMadlo = true;
    s.SZetkova = true;
    s.SPosunOs = true;
    s.Carame = true;
    s.SDoplnek3.DDoplnek.Namontovat = true;
    s.SPoznamky = {"x"};
    s.apEdited = true;
    s.apCislo = "12";
    st.Rantl.Viditelny = true;
    st.Shape[2].Viditelny = true;
    st.PV[5].Viditelny = true;
    st.PomRys.Viditelny = true;
    VolbaZrusVse(s, st);
    EXPECT_EQ(s.TypZakazky, 2);
    EXPECT_TRUE(s.DoplnkyVybrany);
    EXPECT_EQ(s.SSirka, 1000);
    EXPECT_EQ(s.SVyska, 2200);
    EXPECT_EQ(s.PVL, 10);
    EXPECT_FALSE(s.VyplnVybrana);
    EXPECT_EQ(s.SVypln.DVypln.Polozka, -1);
    EXPECT_EQ(s.SODr2, 0);
    EXPECT_FALSE(s.SMadlo);
    EXPECT_FALSE(s.SPosunOs);
    EXPECT_FALSE(s.Carame);
    EXPECT_EQ(s.SCary.Tloustka, 10); // Z-type was cleared first
    EXPECT_FALSE(s.SDoplnek3.DDoplnek.Namontovat);
    EXPECT_TRUE(s.SPoznamky.empty());
    EXPECT_FALSE(s.apEdited);
    EXPECT_EQ(s.apCislo, "");
    EXPECT_EQ(s.SFormat, -1);
    EXPECT_FALSE(st.Rantl.Viditelny);
    EXPECT_FALSE(st.Shape[2].Viditelny);
    EXPECT_FALSE(st.PV[5].Viditelny);
    EXPECT_FALSE(st.PomRys.Viditelny);
}

TEST_F(PrikazyTest, NewJobStartsFromScratchWithADeliveryInFiveDays)
{
    VolbaStav st = VolbaVytvor(s, clock);
    s.apSoubor = "stara.qms";
    s.DoplnkyVybrany = true;
    s.SMadlo = true;
    s.apPodpis = "Jan";
    s.apOdvoz = true;
    s.apPocet = 3;
    clock.Set(2024, 3, 8);
    NovyPlik(s, st, clock);
    EXPECT_FALSE(s.DoplnkyVybrany);
    EXPECT_FALSE(s.SMadlo);
    EXPECT_EQ(s.apTermin, EncodeDate(2024, 3, 13));
    EXPECT_EQ(s.apDatObj, EncodeDate(2024, 3, 8));
    EXPECT_EQ(s.apPodpis, "");
    EXPECT_FALSE(s.apOdvoz);
    EXPECT_EQ(s.apPocet, 0);
    EXPECT_EQ(s.apSoubor, "Nowy plik.qms");
    EXPECT_EQ(s.apPath, s.DataPath + "Nowy plik.qms");
    EXPECT_EQ(st.Titulek, "Quilmar - wypełnienia drzwiowe : Nowy plik.qms");
    EXPECT_EQ(TitulekPoUlozeni(s), st.Titulek);
}

TEST(KodUkonceni, OrderButtonAndMailDecide)
{
    Session s;
    VolbaStav st;
    struct Pripad {
        bool obj, mail;
        int kod;
    } pripady[] = {{false, false, 0}, {false, true, 0}, {true, false, 1}, {true, true, 2}};
    for (const auto &p : pripady) {
        st.ObjButtonPovolen = p.obj;
        s.SMail = p.mail;
        EXPECT_EQ(KodUkonceni(st, s), p.kod) << p.obj << p.mail;
    }
}

TEST_F(PrikazyTest, AccessoriesTooThickOrThinForThePanelAreRemoved)
{
    // A and C violate the limits: A by a maximum, C by a minimum.
    s.CTloustka = 24;
    s.SDoplnek1.DDoplnek = Doplnek(1, 20);       // A: at most 20 mm
    s.SDoplnek2.DDoplnek = Doplnek(2, 30);       // B: at most 30 mm
    s.SDoplnek3.DDoplnek = Doplnek(3, 28, true); // C: at least 28 mm
    s.SDoplnek4.DDoplnek = Doplnek(4);           // D: no limit
    KontrolaDoplnku(s);
    EXPECT_EQ(s.SDoplnek1.DDoplnek.Nazev, "D2");
    EXPECT_EQ(s.SDoplnek2.DDoplnek.Nazev, "D4");
    EXPECT_EQ(s.SDoplnek3.DDoplnek.Polozka, -1);
    EXPECT_EQ(s.SDoplnek4.DDoplnek.Polozka, -1);

    // Limits are inclusive; an empty slot is skipped.
    s.SDoplnek1.DDoplnek = Doplnek(1, 24);
    s.SDoplnek2.DDoplnek = Doplnek(-1, 1);
    s.SDoplnek3.DDoplnek = Doplnek(3, 24, true);
    s.SDoplnek4.DDoplnek = Doplnek(4, 23);
    KontrolaDoplnku(s);
    EXPECT_EQ(s.SDoplnek1.DDoplnek.Polozka, 1);
    EXPECT_EQ(s.SDoplnek2.DDoplnek.Polozka, -1);
    EXPECT_EQ(s.SDoplnek3.DDoplnek.Polozka, 3);
    EXPECT_EQ(s.SDoplnek4.DDoplnek.Polozka, -1);
}

TEST(StartFormat, DecidedWithoutTheDialogWhereTheInfillFixesIt)
{
    struct Pripad {
        const char *popis;
        bool dyha, hlinik, radaK, pulpanel, jednoZask, zetkova;
        const char *kod, *fix;
        int predFormat;
        bool rozhodnuto;
        int format, zaskleni;
    } pripady[] = {
        {"fixed F2S0", 0, 0, 0, 0, 1, 0, "AB", "F2S0", -1, true, 2, 0},
        {"fixed F1S3 beats aluminium", 0, 1, 0, 0, 1, 0, "B0", "F1S3", -1, true, 1, 3},
        {"single glazing without fixed format", 0, 0, 0, 0, 1, 0, "AB", "", -1, false, -1, -1},
        {"aluminium B0", 0, 1, 0, 0, 0, 0, "B0", "", -1, true, 1, 0},
        {"aluminium other code", 0, 1, 0, 0, 0, 0, "AB", "", -1, true, 1, 1},
        {"wood W0", 1, 0, 0, 0, 0, 0, "W0", "", -1, true, 1, 0},
        {"wood Z-strip", 1, 0, 0, 0, 0, 1, "CA", "", -1, true, 1, 0},
        {"K0 keeps format 2", 0, 0, 1, 0, 0, 0, "K0", "", 2, true, 2, 0},
        {"K0 from nothing", 0, 0, 1, 0, 0, 0, "K0", "", -1, true, 1, 0},
        {"D0 of the K series", 0, 0, 1, 0, 0, 0, "D0", "", 2, true, 1, 0},
        {"half panel", 0, 0, 0, 1, 0, 0, "PP", "", -1, true, 2, 0},
        {"ordinary infill asks", 0, 0, 0, 0, 0, 0, "B0", "", -1, false, -1, -1},
        {"malformed fixed format asks", 0, 0, 0, 0, 1, 0, "AB", "FxSy", -1, false, -1, -1},
    };
    for (const auto &p : pripady) {
        Session s;
        s.SDyha = p.dyha;
        s.SHlinik = p.hlinik;
        s.SRadaK = p.radaK;
        s.SPulpanel = p.pulpanel;
        s.SJednoZask = p.jednoZask;
        s.SZetkova = p.zetkova;
        s.SVypln.DVypln.Kod = p.kod;
        s.SFixFormat = p.fix;
        s.SFormat = p.predFormat;
        s.SZaskleni = -1;
        EXPECT_EQ(StartRozhodniFormat(s), p.rozhodnuto) << p.popis;
        if (p.rozhodnuto) {
            EXPECT_EQ(s.SFormat, p.format) << p.popis;
            EXPECT_EQ(s.SZaskleni, p.zaskleni) << p.popis;
        } else {
            EXPECT_EQ(s.SFormat, p.predFormat) << p.popis;
            EXPECT_EQ(s.SZaskleni, -1) << p.popis;
        }
    }
}

TEST(StartFormat, ExecutionVariantDialogForNiInFormatTwoEccentricOrAsymmetric)
{
    Session s;
    s.SVypln.DVypln.Kod = "NI";
    s.SFormat = 2;
    EXPECT_TRUE(StartPotrebujeVariantu(s));
    s.SFormat = 1;
    EXPECT_FALSE(StartPotrebujeVariantu(s));
    s.SExcentr = true;
    EXPECT_TRUE(StartPotrebujeVariantu(s));
    s.SExcentr = false;
    s.SAsymp = true;
    EXPECT_TRUE(StartPotrebujeVariantu(s));
}

TEST_F(PrikazyTest, StartOfANewInfillTakesTheLimitsAndClearsTheChoices)
{
    qmrtest::FakePictureStore store;
    VolbaStav st;
    st.Rantl.Viditelny = true;
    s.SImage = "/prog/VYPLNE/AB.jpg";
    s.BarvyVybrany = s.RozmerVybran = s.DoplnkyVybrany = s.ProselVyztuze = true;
    s.SZesil = 10;
    s.SPoznamky = {"x"};
    s.apPocet = 2;
    StartNovaVypln(s, store, st);
    EXPECT_FALSE(s.VidimPomRys); // the picture does not exist
    EXPECT_EQ(s.SSirka, 900);    // an ABS panel: 900 x 2100
    EXPECT_EQ(s.SVyska, 2100);
    EXPECT_FALSE(s.BarvyVybrany);
    EXPECT_FALSE(s.RozmerVybran);
    EXPECT_FALSE(s.DoplnkyVybrany);
    EXPECT_FALSE(s.ProselVyztuze);
    EXPECT_EQ(s.SZesil, 0);
    EXPECT_TRUE(s.SPoznamky.empty());
    EXPECT_EQ(s.apPocet, 0);
    EXPECT_FALSE(st.Rantl.Viditelny);

    store.Add("/prog/VYPLNE/AB.jpg");
    StartNovaVypln(s, store, st);
    EXPECT_TRUE(s.VidimPomRys);
    EXPECT_EQ(store.LastLoaded(PictureStore::Target::Picture), "/prog/VYPLNE/AB.jpg");

    s.apEdited = false;
    StartDokonci(s, store, st);
    EXPECT_TRUE(s.apEdited);
    EXPECT_EQ(st.Titulek.rfind("Quilmar - wypełnienia drzwiowe : ", 0), 0u);
}

TEST(PoDialogu, ColourChangeDropsSecurityReinforcementForHplOnlyColours)
{
    struct Pripad {
        int vyztuz;
        bool jenomHpl1, jenomHpl2, potvrzeno;
        int vyztuzPo;
    } pripady[] = {
        {3, false, true, true, -1}, {4, true, false, false, -1}, {4, false, false, true, 4},
        {5, true, true, true, 5},   {1, true, false, true, 1},
    };
    for (const auto &p : pripady) {
        Session s;
        s.SVyztuz = p.vyztuz;
        s.ProselVyztuze = true;
        s.apPocet = 3;
        s.SBarva1.DBarva.JenomHPL = p.jenomHpl1;
        s.SBarva2.DBarva.JenomHPL = p.jenomHpl2;
        PoBarvach(s, p.potvrzeno);
        EXPECT_EQ(s.SVyztuz, p.vyztuzPo) << p.vyztuz;
        EXPECT_EQ(s.ProselVyztuze, p.vyztuzPo != -1) << p.vyztuz;
        EXPECT_EQ(s.apPocet, 0);
        EXPECT_EQ(s.apEdited, p.potvrzeno);
    }
}

TEST(PoDialogu, EveryCommandMarksTheJobEditedOnlyWhenConfirmed)
{
    FakeMessages m;
    for (bool potvrzeno : {false, true}) {
        Session s;
        PoVyztuzi(s, potvrzeno);
        EXPECT_EQ(s.apEdited, potvrzeno);
        EXPECT_EQ(s.ProselVyztuze, potvrzeno);

        Session v;
        v.apPocet = 2;
        PoVitrazi(v, potvrzeno);
        EXPECT_EQ(v.apEdited, potvrzeno);
        EXPECT_EQ(v.apPocet, 0);

        Session d;
        d.apPocet = 2;
        PoDekorech(d, potvrzeno, m);
        EXPECT_EQ(d.apEdited, potvrzeno);
        EXPECT_EQ(d.apPocet, 0);

        Session p;
        PoPoznamkach(p, potvrzeno);
        EXPECT_EQ(p.apEdited, potvrzeno);
        PoDoplncich(p, potvrzeno);
        EXPECT_EQ(p.apEdited, potvrzeno);
    }
    EXPECT_TRUE(m.empty());
}

TEST(PoDialogu, GlassThatDoesNotFitIsDroppedWithAMessage)
{
    Session s;
    FakeMessages m;
    s.TypZakazky = 1;
    s.VyplnVybrana = true;
    s.SZaskleni = 1;
    s.DekoryVybrany = true;
    for (TDekor *d : {&s.SDekor1, &s.SDekor2}) {
        d->DDekor.Kod = "G6";
        d->DDekor.Tloustka = 6; // 18 mm room - 12 = 6 < 8
    }
    PoDekorech(s, true, m);
    EXPECT_FALSE(s.DekoryVybrany);
    ASSERT_EQ(m.count(), 1u);
    EXPECT_EQ(m.last().caption, "Quilmar");
    EXPECT_EQ(m.last().text, "Niemożliwe - zmień szklankę lub grubość nadzienia!");
}

TEST(PoDialogu, AccessoryPlacementFollowsForMountedAccessoriesWithoutAutomaticMounting)
{
    Session s;
    s.TypZakazky = 1;
    s.DoplnkyVybrany = true;
    EXPECT_FALSE(DoplnkyPotrebujiUmisteni(s));
    s.SDoplnek3.DDoplnek.Namontovat = true;
    EXPECT_TRUE(DoplnkyPotrebujiUmisteni(s));
    s.SDoplnek3.DDoplnek.AutoMontaz = true;
    EXPECT_FALSE(DoplnkyPotrebujiUmisteni(s));
    s.SDoplnek3.DDoplnek.AutoMontaz = false;
    s.TypZakazky = 2;
    EXPECT_FALSE(DoplnkyPotrebujiUmisteni(s));

    s.PrepisMadlo = true;
    PredDoplnky(s);
    EXPECT_FALSE(s.PrepisMadlo);
}

TEST(PoDialogu, DimensionsCheckAccessoriesGlassAndTheReducedCutOut)
{
    Session s;
    FakeMessages m;
    s.CTloustka = 24;
    s.SDoplnek1.DDoplnek = Doplnek(1, 20);
    s.hraSirka = 800;
    s.hraVyska = 1800;
    s.SSirka = 790;
    s.SVyska = 2000;
    RozmerPoRozmerech(s, m);
    EXPECT_TRUE(s.apEdited);
    EXPECT_EQ(s.SDoplnek1.DDoplnek.Polozka, -1);
    RozmerKonec(s, true, m);
    EXPECT_TRUE(s.ZmensenyVyrez);
    s.SSirka = 800;
    RozmerKonec(s, false, m);
    EXPECT_FALSE(s.ZmensenyVyrez);

    // Overlay path.
    s.SStrana = 0;
    RozmerZacniPrekryv(s);
    EXPECT_EQ(s.SStrana, 1);
    s.SPrekryv = 2;
    EXPECT_TRUE(RozmerDvoustranny(s));
    RozmerDruhaStrana(s);
    EXPECT_EQ(s.SStrana, 2);
    s.apEdited = false;
    RozmerPoSpecifikaci(s);
    EXPECT_EQ(s.SStrana, 1);
    EXPECT_TRUE(s.apEdited);
    RozmerPoPrekryvu(s);
    EXPECT_TRUE(s.PrekryvVybran);
    EXPECT_TRUE(s.Prekryv2Vybran);

    Session j;
    j.SPrekryv = 1;
    EXPECT_FALSE(RozmerDvoustranny(j));
    RozmerPoPrekryvu(j);
    EXPECT_TRUE(j.PrekryvVybran);
    EXPECT_FALSE(j.Prekryv2Vybran);
}

TEST(PoDialogu, FrameColourLabelsOpenTheDialogOnlyForOwnColours)
{
    Session s;
    s.RBarva1.RBarva.Kod = "R1";
    EXPECT_TRUE(BarvaRamuMuze(s, 1));
    EXPECT_FALSE(BarvaRamuMuze(s, 2)); // empty code
    s.SHlinik = true;
    EXPECT_FALSE(BarvaRamuMuze(s, 1));
    s.SKamen1 = true; // the stone frame of an aluminium infill
    EXPECT_TRUE(BarvaRamuMuze(s, 1));
    s.RBarva1.RBarva.Hlinik = true;
    EXPECT_FALSE(BarvaRamuMuze(s, 1));

    PredBarvouRamu(s, 2);
    EXPECT_EQ(s.StranaR, 2);
    s.PBarva2.RBarva.Nazev = "Nowa";
    PoBarveRamu(s, 2, false);
    EXPECT_EQ(s.RBarva2.RBarva.Nazev, "");
    EXPECT_FALSE(s.apEdited);
    PoBarveRamu(s, 2, true);
    EXPECT_EQ(s.RBarva2.RBarva.Nazev, "Nowa");
    EXPECT_TRUE(s.apEdited);
}

TEST_F(PrikazyTest, CommandLineJobFileIsLoadedAtTheFirstRefresh)
{
    const std::string velky = dir.write("zakazka.QMS", "[Vypln]\n");
    const std::string maly = dir.write("objed.qmr", "[Vypln]\n");
    for (const std::string &cesta : {velky, maly}) {
        PrikazovaRadka r = KontrolaPrikazoveRadky({cesta}, m);
        EXPECT_TRUE(r.NacistData) << cesta;
        EXPECT_EQ(r.Cesta, cesta);
        s.VolbaNeniNil = false;
        EXPECT_FALSE(NacistPriPrvnimObnoveni(s, r)); // the window does not exist yet
        EXPECT_TRUE(r.NacistData);
        s.VolbaNeniNil = true;
        EXPECT_TRUE(NacistPriPrvnimObnoveni(s, r));
        EXPECT_FALSE(r.NacistData);
        EXPECT_FALSE(NacistPriPrvnimObnoveni(s, r)); // once only
    }
    EXPECT_TRUE(m.empty());

    // A relative path is expanded.
    const auto puvodni = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    PrikazovaRadka r = KontrolaPrikazoveRadky({"zakazka.QMS"}, m);
    std::filesystem::current_path(puvodni);
    EXPECT_TRUE(r.NacistData);
    EXPECT_EQ(r.Cesta, velky);
}

TEST_F(PrikazyTest, CommandLineMissingJobFileIsReportedOtherArgumentsIgnored)
{
    const std::string chybi = dir.file("chybi.qms");
    PrikazovaRadka r = KontrolaPrikazoveRadky({chybi}, m);
    EXPECT_FALSE(r.NacistData);
    ASSERT_EQ(m.count(), 1u);
    EXPECT_EQ(m.last().caption, "Quilmar");
    EXPECT_EQ(m.last().text, "File not found:" + chybi);
    EXPECT_EQ(m.last().kind, FakeMessages::Kind::Chyba);

    m.clear();
    dir.write("poznamka.txt", "x");
    for (const std::vector<std::string> &args :
         std::vector<std::vector<std::string>>{{dir.file("poznamka.txt")}, {dir.file("x.txt")}, {}, {chybi, chybi}}) {
        r = KontrolaPrikazoveRadky(args, m);
        EXPECT_FALSE(r.NacistData);
    }
    EXPECT_TRUE(m.empty());
}

TEST(Okno, CentringTestModeAndCaptions)
{
    Session s;
    EXPECT_EQ(VystredOkno(s, 1920, 1080, 1000, 640), std::make_pair(460, 220));
    EXPECT_EQ(s.VolbaLeft, 460);
    EXPECT_EQ(s.VolbaTop, 220);
    EXPECT_EQ(VystredOkno(s, 1921, 1083, 1000, 640), std::make_pair(460, 222)); // 460.5, 221.5
    EXPECT_EQ(VystredOkno(s, 800, 600, 1000, 640), std::make_pair(0, 0));

    TestClick(s);
    EXPECT_TRUE(s.TestMysi);
    TestClick(s);
    EXPECT_FALSE(s.TestMysi);
    EXPECT_EQ(TestTitulek(12, 345), "12, 345");

    s.apSoubor = "a.qms";
    s.apVyberOdb = true;
    s.apFirma = "Okna Sp.";
    VolbaStav st;
    PoDefiniciCen(s, st, true);
    EXPECT_TRUE(s.apEdited);
    EXPECT_EQ(st.Titulek, "Quilmar - wypełnienia drzwiowe : a.qms (Okna Sp.)");
    EXPECT_EQ(TitulekPoUlozeni(s), "Quilmar - wypełnienia drzwiowe : a.qms");
}
