// The accessories dialog over the demo catalogue: what is listed, the slots filled by
// check marks (the fifth refused, removal moving the later slots up), spacer frames and
// their colour, the rows of infill and accessories-only jobs, preloading, what OK, Cancel
// and clearing leave in the session.
#include "dialogs/options/UDoplnky.h"

#include "catalogues/Katalog.h"
#include "core/TSifraSoubor.h"
#include "dialogs/infill/Snimek.h"
#include "support/FakeMessages.h"
#include "support/FakePictureStore.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

using namespace qmr;
using qmrtest::FakeMessages;
using qmrtest::FakePictureStore;
using qmrtest::Rozdily;
using qmrtest::Snimek;

namespace {

using Seznam = std::vector<std::string>;

const char *const kKlamka = "Klamka z szyldem";        // LimitTl, MaxTloust 48
const char *const kKolatka = "Kołatka";                 // MaxTloust 99: no thickness
const char *const kNumer = "Numer domu – naklejka";     // BezTloustky, no mounting price
const char *const kPP12 = "Pochwyt pionowy 1200 mm";    // spacer frame, vertical handle
const char *const kPP16 = "Pochwyt pionowy 1600 mm";
const char *const kPriprava = "Przygotowanie pod pochwyt"; // prmdl: minimum 28, always mounted
const char *const kWizjer = "Wizjer szerokokątny";      // always mounted
const char *const kWrzutka = "Wrzutka na listy biała";  // tipbi: white spacer, max 40

// Every accessory the demo catalogue offers, in the order of the list.
const Seznam kVse{kKlamka, kKolatka, kNumer, kPP12, kPP16, kPriprava, kWizjer, kWrzutka};

// The session with the accessory fields the shared snapshot leaves out.
Snimek Snimej(const Session &s)
{
    Snimek out = qmrtest::Snimej(s);
    using qmrtest::detail::text;
    int n = 0;
    for (const TODoplnek *o : {&s.SDoplnek1, &s.SDoplnek2, &s.SDoplnek3, &s.SDoplnek4}) {
        const TDDoplnek &d = o->DDoplnek;
        const std::string p = "SDoplnek" + std::to_string(++n) + ".";
        out.emplace_back(p + "Neukazat", text(d.Neukazat));
        out.emplace_back(p + "NeSMont", text(d.NeSMont));
        out.emplace_back(p + "NeBezM", text(d.NeBezM));
        out.emplace_back(p + "MadloVert", text(d.MadloVert));
        out.emplace_back(p + "VzdVert", text(d.VzdVert));
    }
    return out;
}

class DemoDoplnky : public ::testing::Test {
protected:
    void SetUp() override
    {
        namespace fs = std::filesystem;
        const fs::path demo = fs::path(qmrtest::programDir()) / "DATA";
        if (!fs::exists(demo / "doplnky.qmr"))
            GTEST_SKIP() << "the demo catalogue is not built: " << demo;
        fs::copy(demo, dir.path() / "DATA", fs::copy_options::recursive);
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        s.TypZakazky = 1;
        s.SVypln.DVypln.Polozka = 0;
        s.SVypln.DVypln.Kod = "DU";
        s.SFormat = 1;
        s.CTloustka = 36;
        s.STloustka = 34;
        obrazky.everythingExists = true;
    }

    static int radek(const TVDoplnky &d, const std::string &nazev)
    {
        const Seznam &l = d.Seznam();
        const auto it = std::find(l.begin(), l.end(), nazev);
        return it == l.end() ? -1 : int(it - l.begin());
    }
    // Checks (or unchecks) the accessory; fails the test when it is not listed.
    static void zaskrtni(TVDoplnky &d, const std::string &nazev, bool ano = true)
    {
        const int r = radek(d, nazev);
        ASSERT_GE(r, 0) << nazev << " is not listed";
        d.Zaskrtni(r, ano);
    }
    static int pocetZnacek(const TVDoplnky &d)
    {
        return int(std::count(d.Zaskrtnute().begin(), d.Zaskrtnute().end(), true));
    }
    static std::vector<std::string> nazvySlotu(const TVDoplnky &d)
    {
        std::vector<std::string> n;
        for (int i = 0; i < TVDoplnky::kSlotu; ++i)
            n.push_back(d.SelDoplnek(i).DDoplnek.Polozka < 0 ? "-" : d.SelDoplnek(i).DDoplnek.Nazev);
        return n;
    }
    // An accessory as a previous run of the dialog left it in the session.
    TODoplnek zKatalogu(const std::string &nazev, int polozka)
    {
        TODoplnek o;
        NactiDoplnek(s, nazev, o.DDoplnek);
        o.DDoplnek.Polozka = polozka;
        return o;
    }

    qmrtest::TempDir dir;
    Session s;
    FakeMessages m;
    FakePictureStore obrazky;
};

TEST_F(DemoDoplnky, ListsWhatTheJobAllowsSortedAndTakesThePreparationPrice)
{
    // The handle preparation needs a panel of 28 mm (24 mm on aluminium, the panel less
    // 4 mm on AL/ABS and glass); the others fit every panel; MX01 is never offered.
    Seznam bezPripravy = kVse;
    bezPripravy.erase(std::find(bezPripravy.begin(), bezPripravy.end(), kPriprava));
    struct Pripad {
        const char *popis;
        int typ, tloustka;
        bool hlinik, hlinik2, glas;
        bool priprava;
    } pripady[] = {
        {"ABS 28 mm", 1, 28, false, false, false, true},
        {"ABS 27 mm", 1, 27, false, false, false, false},
        {"aluminium 24 mm", 1, 24, true, false, false, true},
        {"aluminium 23 mm", 1, 23, true, false, false, false},
        {"AL/ABS 20 mm", 1, 20, false, true, false, true},
        {"glass 20 mm", 1, 20, false, false, true, true},
        {"accessories only, no infill", 2, 0, false, false, false, true},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        s.TypZakazky = p.typ;
        s.CTloustka = p.tloustka;
        s.SHlinik = p.hlinik;
        s.SHlinik2 = p.hlinik2;
        s.SGlas = p.glas;
        TVDoplnky d(s, m, obrazky);
        EXPECT_EQ(d.Seznam(), p.priprava ? kVse : bezPripravy);
        EXPECT_EQ(d.Zaskrtnute(), std::vector<bool>(d.Seznam().size(), false));
        EXPECT_EQ(d.CenaPripravy(), Currency::FromUnits(900));
    }
    EXPECT_TRUE(m.empty());
}

TEST_F(DemoDoplnky, MinimumThicknessWithSpacerNeedsAThinSash)
{
    // A fixture catalogue: a handle with a spacer frame and a 30 mm minimum.
    TSifraSoubor f(s.apData + kDoplnky);
    f.EraseAll();
    f.WriteString("Uchwyt", "Kod", "uch");
    f.WriteBool("Uchwyt", "MaDistanci", true);
    f.WriteBool("Uchwyt", "LimitTl", true);
    f.WriteBool("Uchwyt", "Minimum", true);
    f.WriteInteger("Uchwyt", "MaxTloust", 30);
    f.WriteString("Zwykły", "Kod", "zw");
    struct Pripad {
        int typ, ctloustka, stloustka;
        bool uchwyt;
    } pripady[] = {{1, 30, 70, true}, {1, 30, 71, false}, {1, 29, 40, false}, {2, 29, 80, true}};
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(testing::Message() << p.typ << " " << p.ctloustka << " " << p.stloustka);
        s.TypZakazky = p.typ;
        s.CTloustka = p.ctloustka;
        s.STloustka = p.stloustka;
        TVDoplnky d(s, m, obrazky);
        EXPECT_EQ(d.Seznam(), p.uchwyt ? Seznam({"Uchwyt", "Zwykły"}) : Seznam({"Zwykły"}));
        EXPECT_EQ(d.CenaPripravy(), Currency());
    }
}

TEST_F(DemoDoplnky, OpensEmptyWithItsCaptions)
{
    TVDoplnky d(s, m, obrazky);
    EXPECT_EQ(d.Pocet(), 0);
    EXPECT_FALSE(d.OKPovolen());
    EXPECT_EQ(d.Radek(), -1);
    EXPECT_FALSE(d.Image1().Viditelny);
    EXPECT_FALSE(d.Label5().Viditelny);
    EXPECT_EQ(d.Label5().Text, "grubość mm");
    for (int i = 0; i < TVDoplnky::kSlotu; ++i) {
        const RadekDoplnku &r = d.Slot(i);
        EXPECT_EQ(r.Jmeno.Text, "");
        EXPECT_EQ(r.Montaz.Text, "Montaż");
        EXPECT_FALSE(r.Montaz.Viditelny || r.Montaz.Povoleny);
        EXPECT_FALSE(r.Pocet.Viditelny || r.Pocet.Povoleny);
        EXPECT_FALSE(r.Tloustka.Viditelny || r.Tloustka.Povoleny);
        EXPECT_EQ(d.SelDoplnek(i).DDoplnek.Polozka, -1);
    }
    EXPECT_STREQ(TVDoplnky::kTitulek, "Wybór akcesoriów");
    EXPECT_STREQ(TVDoplnky::kNapoveda, "Wybrane akcesoria wlewo zakreślić i wprawo określić montaż");
    EXPECT_STREQ(TVDoplnky::kNicButton, "&Skasowań selekcję");
    EXPECT_STREQ(TVDoplnky::kOKButton, "O&K");
    EXPECT_STREQ(TVDoplnky::kEscButton, "&Anuluj");

    // Centred over the main window.
    s.VolbaLeft = 100;
    s.VolbaTop = 40;
    s.VolbaWidth = 1000;
    s.VolbaHeight = 700;
    EXPECT_EQ(d.Umisteni(581, 500), (Bod{100 + PulRound(1000 - 581), 40 + PulRound(700 - 500)}));
}

TEST_F(DemoDoplnky, ClickTakesTheAccessoryAndItsPicture)
{
    obrazky.everythingExists = false;
    obrazky.Add(s.apCesta + "DOPLNKY/pp12.jpg");
    TVDoplnky d(s, m, obrazky);
    const int r = radek(d, kPP12);
    d.Klik(r);
    const TDDoplnek &p = d.Pomocny().DDoplnek;
    EXPECT_EQ(d.Radek(), r);
    EXPECT_EQ(p.Polozka, r);
    EXPECT_EQ(p.Nazev, kPP12);
    EXPECT_EQ(p.Kod, "pp12");
    EXPECT_EQ(p.SCena, 4200);
    EXPECT_EQ(p.SMontaz, 650);
    EXPECT_EQ(p.SCenaDR, 380);
    EXPECT_TRUE(p.MaDistanci && p.MadloVert && p.NeBezM);
    EXPECT_EQ(p.VzdVert, 1000);
    EXPECT_EQ(p.SBarvaDR, -1);
    EXPECT_TRUE(p.BezTloustky) << "MaxTloust 99";
    EXPECT_TRUE(d.Image1().Viditelny);
    EXPECT_EQ(d.Image1().Cesta, s.apCesta + "DOPLNKY/pp12.jpg");

    // No picture: hidden. A limited thickness: a thickness to enter.
    d.Klik(radek(d, kKlamka));
    EXPECT_FALSE(d.Image1().Viditelny);
    EXPECT_EQ(d.Pomocny().DDoplnek.Kod, "kl01");
    EXPECT_FALSE(d.Pomocny().DDoplnek.BezTloustky);
    EXPECT_TRUE(d.Pomocny().DDoplnek.MaxTl);
    EXPECT_EQ(d.Pomocny().DDoplnek.MaxTloust, 48);

    // A click that selects no row changes nothing.
    d.Klik(-1);
    d.Klik(int(d.Seznam().size()));
    EXPECT_EQ(d.Pomocny().DDoplnek.Kod, "kl01");
    EXPECT_EQ(d.Pocet(), 0);
}

TEST_F(DemoDoplnky, InfillJobFillsFourSlotsRefusesTheFifthAndMovesUpOnRemoval)
{
    TVDoplnky d(s, m, obrazky);
    zaskrtni(d, kKlamka);
    zaskrtni(d, kWizjer);
    zaskrtni(d, kNumer);
    EXPECT_EQ(nazvySlotu(d), (std::vector<std::string>{kKlamka, kWizjer, kNumer, "-"}));
    EXPECT_TRUE(d.OKPovolen());

    // Rows of an infill job: the box shown; enabled with a mounting price unless always
    // mounted; checked when always mounted. No count or thickness.
    struct Ocekavani {
        bool povoleny, zaskrtnuto;
    } ocekavani[] = {{true, false}, {false, true}, {false, false}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const RadekDoplnku &r = d.Slot(i);
        EXPECT_EQ(r.Jmeno.Text, d.SelDoplnek(i).DDoplnek.Nazev);
        EXPECT_TRUE(r.Montaz.Viditelny);
        EXPECT_EQ(r.Montaz.Povoleny, ocekavani[i].povoleny);
        EXPECT_EQ(r.Montaz.Zaskrtnuto, ocekavani[i].zaskrtnuto);
        EXPECT_FALSE(r.Pocet.Viditelny);
        EXPECT_FALSE(r.Tloustka.Viditelny);
    }
    EXPECT_FALSE(d.Label5().Viditelny);
    // Mounted = always mounted; thickness = the limit.
    EXPECT_FALSE(d.SelDoplnek(0).DDoplnek.Namontovat);
    EXPECT_EQ(d.SelDoplnek(0).DDoplnek.Tloustka, 48);
    EXPECT_TRUE(d.SelDoplnek(1).DDoplnek.Namontovat);
    d.MontazExit(0, true);
    EXPECT_TRUE(d.SelDoplnek(0).DDoplnek.Namontovat);
    EXPECT_TRUE(d.Slot(0).Montaz.Zaskrtnuto);

    zaskrtni(d, kKolatka);
    EXPECT_EQ(d.Pocet(), 4);
    EXPECT_TRUE(m.empty());
    zaskrtni(d, kPriprava);
    ASSERT_EQ(m.count(), 1u);
    EXPECT_EQ(m.last().caption, "UWAGA!");
    EXPECT_EQ(m.last().text, "Maksymalnie 4 akcesoria!");
    EXPECT_EQ(m.last().kind, FakeMessages::Kind::Hlaska);
    EXPECT_EQ(d.Pocet(), 4);
    EXPECT_EQ(pocetZnacek(d), 4);
    EXPECT_FALSE(d.Zaskrtnute()[std::size_t(radek(d, kPriprava))]);
    EXPECT_EQ(d.Pomocny().DDoplnek.Nazev, kPriprava) << "the click ran first";
    EXPECT_EQ(nazvySlotu(d), (std::vector<std::string>{kKlamka, kWizjer, kNumer, kKolatka}));

    // Removing slot 2 moves 3 and 4 up and empties slot 4.
    zaskrtni(d, kWizjer, false);
    EXPECT_EQ(d.Pocet(), 3);
    EXPECT_EQ(nazvySlotu(d), (std::vector<std::string>{kKlamka, kNumer, kKolatka, "-"}));
    EXPECT_TRUE(d.SelDoplnek(0).DDoplnek.Namontovat) << "slot 1 kept its box";
    const TDDoplnek &ctvrty = d.SelDoplnek(3).DDoplnek;
    EXPECT_EQ(ctvrty.Kod, "");
    EXPECT_EQ(ctvrty.SCena, 0);
    EXPECT_EQ(ctvrty.SBarvaDR, -1);
    EXPECT_EQ(ctvrty.Tloustka, 20);
    EXPECT_EQ(d.Slot(3).Jmeno.Text, "");
    EXPECT_FALSE(d.Slot(3).Montaz.Viditelny);

    // Slot 2 of three: slot 3 moves up, slots 3 and 4 are empty.
    zaskrtni(d, kNumer, false);
    EXPECT_EQ(nazvySlotu(d), (std::vector<std::string>{kKlamka, kKolatka, "-", "-"}));
    zaskrtni(d, kKlamka, false);
    zaskrtni(d, kKolatka, false);
    EXPECT_EQ(d.Pocet(), 0);
    EXPECT_FALSE(d.OKPovolen());
    EXPECT_EQ(pocetZnacek(d), 0);
}

TEST_F(DemoDoplnky, SpacerFrameInAnInfillJob)
{
    struct Pripad {
        const char *popis;
        int zesil, prekryv;
        const char *nazev;
        int barva;
        const char *label;
    } pripady[] = {
        {"thin panel: black frame", 10, 0, kPP12, 1, "Pochwyt pionowy 1200 mm + czarna RD"},
        {"tipbi: white frame", 10, 1, kWrzutka, 0, "Wrzutka na listy biała + biała RD"},
        {"reinforced 20 mm: no frame", 20, 0, kPP12, -1, "Pochwyt pionowy 1200 mm"},
        {"overlay on both sides: no frame", 0, 2, kWrzutka, -1, "Wrzutka na listy biała"},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        s.SZesil = p.zesil;
        s.SPrekryv = p.prekryv;
        m.clear();
        TVDoplnky d(s, m, obrazky);
        zaskrtni(d, p.nazev);
        EXPECT_EQ(d.SelDoplnek(0).DDoplnek.SBarvaDR, p.barva);
        EXPECT_EQ(d.Slot(0).Jmeno.Text, p.label);
        if (p.barva >= 0) {
            ASSERT_EQ(m.count(), 1u);
            EXPECT_EQ(m.last().caption, "");
            EXPECT_EQ(m.last().text, "Do wybranej grubości konieczna jest ramka dystansowa (RD)");
            EXPECT_EQ(m.last().kind, FakeMessages::Kind::Hlaska);
        } else {
            EXPECT_TRUE(m.empty());
        }
    }
}

TEST_F(DemoDoplnky, MountingBoxHiddenForPanelsPaPbPcInFormat2)
{
    struct Pripad {
        int format;
        const char *kod;
        bool viditelny;
    } pripady[] = {{1, "PA", true}, {2, "PA", false}, {2, "PC", false}, {2, "DU", true}};
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(testing::Message() << p.format << p.kod);
        s.SFormat = p.format;
        s.SVypln.DVypln.Kod = p.kod;
        TVDoplnky d(s, m, obrazky);
        zaskrtni(d, kKolatka);
        EXPECT_EQ(d.Slot(0).Montaz.Viditelny, p.viditelny);
        EXPECT_TRUE(d.Slot(0).Montaz.Povoleny);
    }
}

TEST_F(DemoDoplnky, AccessoriesOnlyJobAsksForFrameCountAndThickness)
{
    s.TypZakazky = 2;
    s.SVypln = TOVypln{};
    s.SFormat = -1;
    s.CTloustka = 0;
    s.STloustka = 0;
    TVDoplnky d(s, m, obrazky);
    m.AnswerNo().AnswerYes();
    zaskrtni(d, kPP12);  // No: no frame
    zaskrtni(d, kWrzutka); // Yes: white frame
    ASSERT_EQ(m.count(), 2u);
    for (const auto &c : m.calls()) {
        EXPECT_EQ(c.kind, FakeMessages::Kind::NeAno);
        EXPECT_EQ(c.caption, "UWAGA!");
        EXPECT_EQ(c.text, "Czy potrzebna jest Państvu ramka dystansowa?");
    }
    zaskrtni(d, kKlamka);
    zaskrtni(d, kPriprava);
    EXPECT_EQ(m.count(), 2u);

    EXPECT_EQ(d.SelDoplnek(0).DDoplnek.SBarvaDR, -1);
    EXPECT_EQ(d.Slot(0).Jmeno.Text, kPP12);
    EXPECT_EQ(d.SelDoplnek(1).DDoplnek.SBarvaDR, 0);
    EXPECT_EQ(d.Slot(1).Jmeno.Text, "Wrzutka na listy biała + biała RD");
    // Count everywhere; thickness unless MaxTloust is 99; its maximum the limit unless
    // the limit is a minimum.
    struct Ocekavani {
        bool tloustka;
        int hodnota, max;
    } ocekavani[] = {{false, 99, 99}, {true, 40, 40}, {true, 48, 48}, {true, 28, 99}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const RadekDoplnku &r = d.Slot(i);
        EXPECT_FALSE(r.Montaz.Viditelny);
        EXPECT_TRUE(r.Pocet.Viditelny && r.Pocet.Povoleny);
        EXPECT_EQ(r.Pocet.Hodnota, 1);
        EXPECT_EQ(r.Pocet.Min, 1);
        EXPECT_EQ(r.Pocet.Max, 100);
        EXPECT_EQ(r.Tloustka.Viditelny, ocekavani[i].tloustka);
        EXPECT_EQ(r.Tloustka.Hodnota, ocekavani[i].hodnota);
        EXPECT_EQ(r.Tloustka.Min, 20);
        EXPECT_EQ(r.Tloustka.Max, ocekavani[i].max);
    }
    EXPECT_TRUE(d.Label5().Viditelny);

    // Leaving a field stores both values of the row, held to the ranges.
    d.PoleExit(2, 3, 44);
    EXPECT_EQ(d.SelDoplnek(2).DDoplnek.PocetKs, 3);
    EXPECT_EQ(d.SelDoplnek(2).DDoplnek.Tloustka, 44);
    EXPECT_EQ(d.Slot(2).Pocet.Hodnota, 3);
    d.PoleExit(2, 500, 60);
    EXPECT_EQ(d.SelDoplnek(2).DDoplnek.PocetKs, 100);
    EXPECT_EQ(d.SelDoplnek(2).DDoplnek.Tloustka, 48);
    d.PoleExit(3, 0, 5);
    EXPECT_EQ(d.SelDoplnek(3).DDoplnek.PocetKs, 1);
    EXPECT_EQ(d.SelDoplnek(3).DDoplnek.Tloustka, 20);

    // Only accessories without a thickness: no caption above the fields.
    TVDoplnky bez(s, m, obrazky);
    zaskrtni(bez, kNumer);
    zaskrtni(bez, kKolatka);
    EXPECT_FALSE(bez.Slot(0).Tloustka.Viditelny);
    EXPECT_FALSE(bez.Label5().Viditelny);

    // Confirmed: every slot as the dialog had it.
    EXPECT_EQ(d.Potvrd(), kVysledekOK);
    EXPECT_TRUE(s.DoplnkyVybrany);
    EXPECT_EQ(s.SDoplnek3.DDoplnek.Kod, "kl01");
    EXPECT_EQ(s.SDoplnek3.DDoplnek.PocetKs, 100);
    EXPECT_EQ(s.SDoplnek4.DDoplnek.Kod, "prmdl");
    EXPECT_TRUE(s.SDoplnek4.DDoplnek.Namontovat) << "always mounted";
}

TEST_F(DemoDoplnky, ConfirmationCopiesTheSlotsOnlyWhenSlotOneIsFilled)
{
    s.SZesil = 10;
    TVDoplnky d(s, m, obrazky);
    zaskrtni(d, kPP16);
    zaskrtni(d, kKlamka);
    d.MontazExit(1, true);
    const TODoplnek a = d.SelDoplnek(0), b = d.SelDoplnek(1), c = d.SelDoplnek(2), e = d.SelDoplnek(3);
    const Snimek pred = Snimej(s);
    EXPECT_EQ(d.Potvrd(), kVysledekOK);
    EXPECT_TRUE(s.DoplnkyVybrany);
    const Snimek po = Snimej(s);
    // Exactly the slots and the flag changed.
    for (std::size_t i = 0; i < pred.size(); ++i) {
        const std::string &n = pred[i].first;
        if (pred[i].second != po[i].second) {
            EXPECT_TRUE(n == "DoplnkyVybrany" || n.rfind("SDoplnek1.", 0) == 0 || n.rfind("SDoplnek2.", 0) == 0)
                << n;
        }
    }
    for (auto [sl, ocekavany] : {std::pair{&s.SDoplnek1, &a}, {&s.SDoplnek2, &b}, {&s.SDoplnek3, &c},
                                 {&s.SDoplnek4, &e}}) {
        Snimek x, y;
        qmrtest::pridejDoplnek(x, "", sl->DDoplnek);
        qmrtest::pridejDoplnek(y, "", ocekavany->DDoplnek);
        EXPECT_EQ(Rozdily(y, x), "");
    }
    EXPECT_EQ(s.SDoplnek1.DDoplnek.SBarvaDR, 1);
    EXPECT_TRUE(s.SDoplnek2.DDoplnek.Namontovat);

    // Nothing in slot 1: nothing stored, also over accessories chosen before.
    Session prazdna = s;
    prazdna.DoplnkyVybrany = false;
    const Snimek predPrazdnou = Snimej(prazdna);
    TVDoplnky nic(prazdna, m, obrazky);
    zaskrtni(nic, kKolatka);
    zaskrtni(nic, kKolatka, false);
    EXPECT_EQ(nic.Potvrd(), kVysledekOK);
    EXPECT_EQ(Rozdily(predPrazdnou, Snimej(prazdna)), "");
}

TEST_F(DemoDoplnky, CancelLeavesTheSessionAsItWas)
{
    // Accessories chosen before, a muntin set, a handle.
    s.DoplnkyVybrany = true;
    s.SMadlo = true;
    s.SVyztuz = 7;
    s.SDoplnek1 = zKatalogu(kPP12, 3);
    s.SDoplnek1.DDoplnek.Namontovat = true;
    s.SDoplnek1.DDoplnek.Umisten = true;
    s.SDoplnek1.DDoplnek.Zleva = 120;
    s.SDoplnek1.DDoplnek.Zdola = 1100;
    s.SDoplnek2 = zKatalogu(kKolatka, 1);
    const Snimek pred = Snimej(s);
    {
        TVDoplnky d(s, m, obrazky);
        zaskrtni(d, kKlamka);
        zaskrtni(d, kWizjer);
        d.MontazExit(0, false);
        d.MontazExit(2, true);
        zaskrtni(d, kWizjer, false);
        d.Klik(radek(d, kWrzutka));
        // The dialog goes without Potvrd.
    }
    EXPECT_EQ(Rozdily(pred, Snimej(s)), "");

    s.TypZakazky = 2;
    const Snimek pred2 = Snimej(s);
    {
        TVDoplnky d(s, m, obrazky);
        m.AnswerYes();
        zaskrtni(d, kPP16);
        d.PoleExit(0, 7, 30);
        d.PoleExit(2, 4, 50);
    }
    EXPECT_EQ(Rozdily(pred2, Snimej(s)), "");
}

TEST_F(DemoDoplnky, ReopeningPreloadsTheSlotsWithoutCheckMarks)
{
    {
        TVDoplnky d(s, m, obrazky);
        zaskrtni(d, kKolatka);
        zaskrtni(d, kPP12);
        zaskrtni(d, kKlamka);
        d.Potvrd();
    }
    TVDoplnky d(s, m, obrazky);
    EXPECT_EQ(d.Pocet(), 3);
    EXPECT_TRUE(d.OKPovolen());
    EXPECT_EQ(pocetZnacek(d), 0);
    EXPECT_EQ(nazvySlotu(d), (std::vector<std::string>{kKolatka, kPP12, kKlamka, "-"}));
    EXPECT_EQ(d.Slot(1).Jmeno.Text, "Pochwyt pionowy 1200 mm + czarna RD") << "its frame kept";

    // A further accessory goes into slot 4; the fifth is refused.
    zaskrtni(d, kNumer);
    EXPECT_EQ(d.SelDoplnek(3).DDoplnek.Nazev, kNumer);
    zaskrtni(d, kWizjer);
    EXPECT_EQ(m.last().text, "Maksymalnie 4 akcesoria!");

    // Without chosen accessories only a muntin set in slot 1 is taken over.
    s.DoplnkyVybrany = false;
    s.SOMrizka = 1;
    TVDoplnky mrizka(s, m, obrazky);
    EXPECT_EQ(mrizka.Pocet(), 1);
    EXPECT_EQ(nazvySlotu(mrizka), (std::vector<std::string>{kKolatka, "-", "-", "-"}));
    s.SOMrizka = 0;
    TVDoplnky zadne(s, m, obrazky);
    EXPECT_EQ(zadne.Pocet(), 0);
    EXPECT_FALSE(zadne.OKPovolen());
}

TEST_F(DemoDoplnky, RemovingAMarkNeverTakesAPreloadedSlot)
{
    // The muntin set and the accessories of a job file have the row number 1, the row
    // of "Kołatka": removing its mark takes the slot the mark filled.
    TODoplnek mx;
    mx.DDoplnek.Polozka = 1;
    mx.DDoplnek.Kod = "MX01";
    mx.DDoplnek.Nazev = "M1 = 2 x kratka";
    mx.DDoplnek.AutoMontaz = mx.DDoplnek.Namontovat = true;
    s.SDoplnek1 = mx;
    s.SOMrizka = 1;
    TVDoplnky d(s, m, obrazky);
    ASSERT_EQ(radek(d, kKolatka), 1);
    zaskrtni(d, kKolatka);
    EXPECT_EQ(nazvySlotu(d), (std::vector<std::string>{"M1 = 2 x kratka", kKolatka, "-", "-"}));
    zaskrtni(d, kKolatka, false);
    EXPECT_EQ(nazvySlotu(d), (std::vector<std::string>{"M1 = 2 x kratka", "-", "-", "-"}));
    EXPECT_EQ(d.Pocet(), 1);

    // A gap of a job file (slot 2 without slot 1) is filled, not overwritten.
    s.SOMrizka = 0;
    s.DoplnkyVybrany = true;
    s.SDoplnek1 = TODoplnek{};
    s.SDoplnek2 = zKatalogu(kPP16, 1);
    TVDoplnky mezera(s, m, obrazky);
    EXPECT_EQ(mezera.Pocet(), 1);
    zaskrtni(mezera, kWizjer);
    EXPECT_EQ(nazvySlotu(mezera), (std::vector<std::string>{kWizjer, kPP16, "-", "-"}));
}

TEST_F(DemoDoplnky, ClearingEmptiesTheSessionAndDropsTheHandle)
{
    struct Pripad {
        const char *popis;
        int mrizka;
        bool madlo;
        int vyztuz, vyztuzPo;
        bool slot1Zustava;
    } pripady[] = {
        {"plain", 0, false, 7, 7, false},
        {"a handle drops the PUR reinforcement", 0, true, 7, 0, false},
        {"a handle keeps another reinforcement", 0, true, 3, 3, false},
        {"a muntin option keeps slot 1", 2, false, -1, -1, true},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        Session x = s;
        x.DoplnkyVybrany = true;
        x.SOMrizka = p.mrizka;
        x.SMadlo = p.madlo;
        x.SVyztuz = p.vyztuz;
        x.SDoplnek1.DDoplnek.Polozka = 3;
        x.SDoplnek2.DDoplnek.Polozka = 1;
        x.SDoplnek4.DDoplnek.Polozka = 0;
        Snimek pred = Snimej(x);
        TVDoplnky d(x, m, obrazky);
        zaskrtni(d, kKlamka);
        EXPECT_EQ(d.Smaz(), IDNO);
        EXPECT_EQ(d.Pocet(), 0);
        EXPECT_EQ(pocetZnacek(d), 0);
        EXPECT_FALSE(x.DoplnkyVybrany);
        EXPECT_FALSE(x.SMadlo);
        EXPECT_EQ(x.SVyztuz, p.vyztuzPo);
        EXPECT_EQ(x.SDoplnek1.DDoplnek.Polozka, p.slot1Zustava ? 3 : -1);
        EXPECT_EQ(x.SDoplnek2.DDoplnek.Polozka, -1);
        EXPECT_EQ(x.SDoplnek3.DDoplnek.Polozka, -1);
        EXPECT_EQ(x.SDoplnek4.DDoplnek.Polozka, -1);
        // Nothing else: the slots are marked empty only.
        std::string zmeny = Rozdily(pred, Snimej(x));
        for (const char *ocek : {"DoplnkyVybrany", "SMadlo", "SVyztuz", "SDoplnek1.Polozka", "SDoplnek2.Polozka",
                                 "SDoplnek4.Polozka"}) {
            const auto at = zmeny.find(std::string(ocek) + ":");
            if (at != std::string::npos)
                zmeny.erase(at, zmeny.find('\n', at) - at + 1);
        }
        EXPECT_EQ(zmeny, "");
    }
}

} // namespace
