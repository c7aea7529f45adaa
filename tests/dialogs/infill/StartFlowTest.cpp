// The start flow over scripted dialogs: a walkthrough per family on the demo catalogue
// (each ends with a description and a price), the dialogs shown on the way, and the
// cancel paths, which leave the session exactly as it was.
#include "dialogs/infill/StartFlow.h"

#include "dialogs/infill/Snimek.h"
#include "dialogs/infill/UFormat.h"
#include "dialogs/infill/UPrava.h"
#include "dialogs/infill/UTyp.h"
#include "dialogs/infill/UVypln.h"
#include "dialogs/infill/UVyztuz.h"
#include "dialogs/infill/VyplnFixture.h"
#include "pricing/UOcen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>

using namespace qmr;
using namespace qmrtest;
using B = TVTyp::Tlacitko;

namespace {

// Shows nothing; answers each dialog as scripted and records what was shown.
class SkriptStartu : public DialogRunner {
public:
    int testZapisu = 6;
    std::optional<B> tlacitko;                 // none: Cancel in the type dialog
    std::function<int(TVVypln &)> vypln;       // the selection; none: Cancel
    int doplnky = 1;                           // result of the accessories dialog
    int format = -2;                           // layout to click; -1 Cancel; -2 the first offered
    int prava = 0;                             // 1 left, 2 right, 0 Cancel
    SkriptOken okna;                           // the option dialogs of the selection
    std::vector<std::string> ukazane;
    int prekresleni = 0;

    int TestZapisu() override { return testZapisu; }
    void Prekresli() override { ++prekresleni; }
    int RunTyp(TVTyp &typ) override
    {
        ukazane.push_back("Typ");
        return tlacitko ? typ.Stisk(*tlacitko) : 2;
    }
    int RunVypln(TVVypln &v) override
    {
        ukazane.push_back("Vypln");
        return vypln ? vypln(v) : 2;
    }
    int RunDoplnky() override
    {
        ukazane.push_back("Doplnky");
        return doplnky;
    }
    int RunFormat(TVFormat &f) override
    {
        ukazane.push_back("Format");
        int z = format;
        if (z == -2)
            for (int i = 0; i < 7 && z < 0; ++i)
                if (f.Obrazky()[i].Povoleny)
                    z = i;
        return z >= 0 ? f.Klik(z) : 2;
    }
    int RunOPrava(TVOPrava &p) override
    {
        ukazane.push_back("Prava");
        return prava > 0 ? p.Klik(prava) : 2;
    }
    int RunORam(TVORam &d) override { return okna.RunORam(d); }
    int RunOMrizka(TVOMrizka &d) override { return okna.RunOMrizka(d); }
    int RunOPaska(TVOPaska &d) override { return okna.RunOPaska(d); }
    int RunODrazka(TVODrazka &d) override { return okna.RunODrazka(d); }
};

// Selects the line named nazev; false when the family does not list it.
bool vyber(TVVypln &v, const std::string &nazev)
{
    const auto &sez = v.Seznam();
    const auto it = std::find(sez.begin(), sez.end(), nazev);
    if (it == sez.end())
        return false;
    v.VyberRadek(int(it - sez.begin()));
    return true;
}

// The outer side with the AX material where the configuration asks for a material.
void vnejsiAX(TVVypln &v)
{
    v.NastavCheckBox1(true);
    if (v.Ram1AK().Viditelny)
        v.NastavRam1AK(true);
}

using Krok = std::function<void(TVVypln &)>;

// A selection script: pick nazev, run the steps, press OK.
std::function<int(TVVypln &)> skript(std::string nazev, std::vector<Krok> kroky = {})
{
    return [nazev, kroky](TVVypln &v) {
        EXPECT_TRUE(vyber(v, nazev)) << nazev << " is not listed";
        for (const Krok &k : kroky)
            k(v);
        EXPECT_TRUE(v.OKPovolen()) << nazev;
        return v.Potvrd();
    };
}

struct StartFlowTest : ::testing::Test {
    StartFlowTest()
    {
        s.apCesta = programDir() + "/";
        s.apData = s.apCesta + "DATA/";
        s.apConf = s.apData + "Quilmar.cfg";
        obrazky.everythingExists = true;
    }
    void SetUp() override
    {
        ASSERT_TRUE(std::filesystem::exists(s.apData + "vyplne.qmr"))
            << "the demo catalogue (target qmr_demo_data) is not built in " << s.apData;
    }
    VysledekStartu start() { return StartButtonClick(s, okna, obrazky, st); }

    Session s;
    FakePictureStore obrazky;
    SkriptStartu okna;
    VolbaStav st;
};

} // namespace

TEST_F(StartFlowTest, EveryFamilyEndsDescribedAndPriced)
{
    struct Pripad {
        const char *popis;
        B tlacitko;
        const char *vypln;
        std::vector<Krok> kroky;
        std::deque<int> volby; // option dialog picks
        int prava;
        std::vector<std::string> ukazane;
        int format, zaskleni;
    } pripady[] = {
        {"ABS pressed panel", B::ABS, "Aura", {[](TVVypln &v) { v.KlikObrazek(1); }}, {}, 0,
         {"Typ", "Vypln", "Format"}, 1, 0},
        {"ABS with strips", B::ABS, "Bora", {[](TVVypln &v) { v.KlikVolitko(2); }, vnejsiAX}, {2}, 0,
         {"Typ", "Vypln", "Format"}, 1, 0},
        {"HPL with frame type 2", B::HPL, "Kalia", {[](TVVypln &v) { v.KlikVolitko(1); }, vnejsiAX}, {2}, 0,
         {"Typ", "Vypln"}, 1, 1},
        {"aluminium with a muntin", B::Hlinik, "Alba", {[](TVVypln &v) { v.KlikObrazek(3); }}, {1}, 0,
         {"Typ", "Vypln"}, 1, 1},
        {"aluminium asymmetric", B::Hlinik, "Asymetria", {[](TVVypln &v) { v.KlikObrazek(1); }}, {}, 2,
         {"Typ", "Vypln", "Prava"}, 1, 1},
        {"AL/ABS", B::AlAbs, "Kappa", {[](TVVypln &v) { v.KlikObrazek(1); }}, {}, 0, {"Typ", "Vypln"}, 1, 0},
        // Code NI in format 2 asks for the hand after the glazing.
        {"ABS eccentric", B::ABS, "Nimbus", {[](TVVypln &v) { v.KlikObrazek(2); }}, {}, 1,
         {"Typ", "Vypln", "Format", "Prava"}, 2, 0},
        // A fixed format decides the glazing.
        {"ABS fixed format", B::ABS, "Solo", {}, {}, 0, {"Typ", "Vypln"}, 1, 2},
        // The third format of K0 is format 2.
        {"ABS K0 third format", B::ABS, "Kappa", {[](TVVypln &v) { v.KlikObrazek(3); }}, {}, 0, {"Typ", "Vypln"}, 2,
         0},
    };
    for (const Pripad &p : pripady) {
        s = Session{};
        s.apCesta = programDir() + "/";
        s.apData = s.apCesta + "DATA/";
        s.apConf = s.apData + "Quilmar.cfg";
        okna = SkriptStartu{};
        okna.tlacitko = p.tlacitko;
        okna.vypln = skript(p.vypln, p.kroky);
        okna.okna.volby = p.volby;
        okna.prava = p.prava;
        st = VolbaStav{};
        SCOPED_TRACE(p.popis);

        ASSERT_EQ(start(), VysledekStartu::Vypln);
        EXPECT_EQ(okna.ukazane, p.ukazane);
        EXPECT_TRUE(okna.okna.volby.empty()) << "option dialogs not shown as expected";
        EXPECT_EQ(s.TypZakazky, 1);
        EXPECT_TRUE(s.VyplnVybrana);
        EXPECT_EQ(s.SVypln.DVypln.Nazev, p.vypln);
        EXPECT_EQ(s.SFormat, p.format);
        EXPECT_EQ(s.SZaskleni, p.zaskleni);
        EXPECT_TRUE(s.apEdited);
        EXPECT_EQ(okna.prekresleni, 2);
        if (p.prava > 0) {
            EXPECT_EQ(s.SPrava, p.prava == 2);
        }
        Nazvi(s);
        EXPECT_FALSE(s.SJmenoV.empty());
        EXPECT_GT(s.nKonecna.Raw(), 0) << s.SJmenoV;
        EXPECT_GT(s.nVypln.Raw(), 0) << s.SJmenoV;
        EXPECT_EQ(st.ChybaOceneni, "");
    }
}

TEST_F(StartFlowTest, FrameAndMuntinChoicesReachThePanel)
{
    s.Cizina = true; // the material is asked for
    okna.tlacitko = B::HPL;
    okna.vypln = skript("Kalia", {[](TVVypln &v) { v.KlikVolitko(1); }, vnejsiAX});
    okna.okna.volby = {2};
    ASSERT_EQ(start(), VysledekStartu::Vypln);
    EXPECT_EQ(s.SRamecek1, 2);
    EXPECT_EQ(s.MuzeRamecek, 2);
    EXPECT_TRUE(s.RBarva1.RBarva.Hlinik);

    s = Session{};
    s.apCesta = programDir() + "/";
    s.apData = s.apCesta + "DATA/";
    s.apConf = s.apData + "Quilmar.cfg";
    okna = SkriptStartu{};
    okna.tlacitko = B::Hlinik;
    okna.vypln = skript("Alba", {[](TVVypln &v) { v.KlikObrazek(3); }});
    okna.okna.volby = {2};
    ASSERT_EQ(start(), VysledekStartu::Vypln);
    EXPECT_EQ(s.SOMrizka, 2);
    EXPECT_EQ(s.SDoplnek1.DDoplnek.Kod, "MX01");
    EXPECT_EQ(s.SDoplnek1.DDoplnek.PocetKs, 2); // OZM2 of the demo
    EXPECT_GT(s.SDoplnek1.DDoplnek.SCena, 0);
}

TEST_F(StartFlowTest, AnAccessoriesOnlyJobResetsTheWindow)
{
    s.SVypln.DVypln.Polozka = 3;
    s.VyplnVybrana = true;
    s.SHlinik = true;
    s.DoplnkyVybrany = true;
    okna.tlacitko = B::Doplnky;
    ASSERT_EQ(start(), VysledekStartu::Doplnky);
    EXPECT_EQ(okna.ukazane, (std::vector<std::string>{"Typ", "Doplnky"}));
    EXPECT_EQ(s.TypZakazky, 2);
    EXPECT_FALSE(s.SHlinik);
    EXPECT_FALSE(s.VyplnVybrana);
    EXPECT_EQ(s.SVypln.DVypln.Polozka, -1);
    EXPECT_FALSE(s.DoplnkyVybrany); // what the accessories dialog chose is its business
    EXPECT_TRUE(s.apEdited);
}

TEST_F(StartFlowTest, CancelledFormatDialogLeavesGlazingZeroAndGoesOn)
{
    okna.tlacitko = B::ABS;
    okna.vypln = skript("Aura", {[](TVVypln &v) { v.KlikObrazek(1); }});
    okna.format = -1;
    ASSERT_EQ(start(), VysledekStartu::Vypln);
    EXPECT_EQ(s.SZaskleni, 0);
    EXPECT_TRUE(s.apEdited);
}

TEST_F(StartFlowTest, CancelPathsLeaveTheSessionExactlyAsItWas)
{
    // A configured job first.
    okna.tlacitko = B::Hlinik;
    okna.vypln = skript("Alba", {[](TVVypln &v) { v.KlikObrazek(2); }, vnejsiAX});
    ASSERT_EQ(start(), VysledekStartu::Vypln);
    s.apEdited = false;
    Nazvi(s);
    const Snimek pred = Snimej(s);
    ASSERT_TRUE(s.RBarva1.RBarva.Hlinik);

    struct Pripad {
        const char *popis;
        std::function<void(SkriptStartu &)> nastav;
        VysledekStartu vysledek;
        std::vector<std::string> ukazane;
    } pripady[] = {
        {"unsaved changes kept", [](SkriptStartu &o) { o.testZapisu = 2; }, VysledekStartu::Zastaveno, {}},
        {"type dialog cancelled", [](SkriptStartu &) {}, VysledekStartu::Zruseno, {"Typ"}},
        {"selection cancelled after browsing",
         [](SkriptStartu &o) {
             o.tlacitko = B::Hlinik;
             o.okna.volby = {2};
             o.vypln = [](TVVypln &v) {
                 vyber(v, "Alba");
                 v.KlikObrazek(3); // muntin 2 with its accessory
                 vyber(v, "Arkada");
                 v.KlikVolitko(1);
                 v.NastavCheckBox2(true);
                 return 2;
             };
         },
         VysledekStartu::Zruseno, {"Typ", "Vypln"}},
        {"another family cancelled", [](SkriptStartu &o) { o.tlacitko = B::AlAbs; }, VysledekStartu::Zruseno,
         {"Typ", "Vypln"}},
        {"accessories cancelled",
         [](SkriptStartu &o) {
             o.tlacitko = B::Doplnky;
             o.doplnky = 2;
         },
         VysledekStartu::Zruseno, {"Typ", "Doplnky"}},
        // Closed with 1 while OK is disabled: not a confirmation.
        {"selection closed without a valid choice",
         [](SkriptStartu &o) {
             o.tlacitko = B::ABS;
             o.vypln = [](TVVypln &v) {
                 vyber(v, "Bora");
                 v.KlikVolitko(1);
                 return 1;
             };
         },
         VysledekStartu::Zruseno, {"Typ", "Vypln"}},
    };
    for (const Pripad &p : pripady) {
        okna = SkriptStartu{};
        p.nastav(okna);
        SCOPED_TRACE(p.popis);
        EXPECT_EQ(start(), p.vysledek);
        EXPECT_EQ(okna.ukazane, p.ukazane);
        EXPECT_EQ(okna.prekresleni, 2);
        EXPECT_EQ(Rozdily(pred, Snimej(s)), "");
    }
}

TEST_F(StartFlowTest, ASelectionClosedWithOKButNotConfirmedIsConfirmedByTheFlow)
{
    okna.tlacitko = B::ABS;
    okna.vypln = [](TVVypln &v) {
        vyber(v, "Aura");
        v.KlikObrazek(1);
        return 1; // the view forgot Potvrd
    };
    ASSERT_EQ(start(), VysledekStartu::Vypln);
    EXPECT_TRUE(s.VyplnVybrana);
    EXPECT_EQ(s.SVypln.DVypln.Kod, "PA");
}

TEST_F(StartFlowTest, ReinforcementOffersWhatThePricingOfTheStartedPanelAllows)
{
    struct Pripad {
        B tlacitko;
        const char *vypln;
        std::vector<int> polozky;
        int vybrana;
        bool poznamkaRC2;
    } pripady[] = {
        // ABS without glazing: RC2 and the PUR items, the last one preselected.
        {B::ABS, "Aura", {0, 4, 6, 7}, 3, false},
        // Aluminium with glazing: RC2 would need a thicker panel, the rest is not possible.
        {B::Hlinik, "Alba", {0}, 0, true},
        // Aluminium without glazing: RC3.
        {B::Hlinik, "Baza", {0, 3}, 0, false},
    };
    for (const Pripad &p : pripady) {
        s = Session{};
        s.apCesta = programDir() + "/";
        s.apData = s.apCesta + "DATA/";
        s.apConf = s.apData + "Quilmar.cfg";
        okna = SkriptStartu{};
        okna.tlacitko = p.tlacitko;
        // The plain panel: its picture, or the standard execution where the radio offers it.
        okna.vypln = skript(p.vypln, {[](TVVypln &v) {
                                if (v.Image(1).Povoleny)
                                    v.KlikObrazek(1);
                                else
                                    v.KlikVolitko(0);
                            }});
        ASSERT_EQ(start(), VysledekStartu::Vypln);
        // The capabilities need the dimensions.
        s.RozmerVybran = true;
        Ocen(s);
        TVVyztuz d(s);
        EXPECT_EQ(d.TabVyzt(), p.polozky) << p.vypln;
        EXPECT_EQ(d.Vyztuz().Index, p.vybrana) << p.vypln;
        EXPECT_EQ(d.Label2().empty(), !p.poznamkaRC2) << p.vypln;
    }
}
