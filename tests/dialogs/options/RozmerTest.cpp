// The dimensions dialog: limits and their texts, the thickness list, the field exits and
// their warnings, the notes, what OK writes and that Cancel writes nothing.
#include "dialogs/options/URozmer.h"

#include "dialogs/infill/Snimek.h"
#include "support/FakeMessages.h"

#include <gtest/gtest.h>

#include <functional>

using namespace qmr;
using qmrtest::FakeMessages;

namespace {

// An infill whose limit sets all differ, so that each test sees which set was used.
Session Relace()
{
    Session s;
    TDVypln &v = s.SVypln.DVypln;
    v.Polozka = 0;
    v.MinVyskaF1 = 500, v.MaxVyskaF1 = 2300, v.MinSirkaF1 = 300, v.MaxSirkaF1 = 1100;
    v.HraVyskaF1 = 0, v.HraSirkaF1 = 0;
    v.MinVyskaF2 = 600, v.MaxVyskaF2 = 2000, v.MinSirkaF2 = 250, v.MaxSirkaF2 = 950;
    v.HraVyskaF2 = 700, v.HraSirkaF2 = 400;
    v.MinVyskaF2R2 = 800, v.MinSirkaF2R2 = 450, v.HraVyskaF2R2 = 900, v.HraSirkaF2R2 = 500;
    v.MinVyskaF2P1 = 550, v.MinSirkaF2P1 = 350, v.HraVyskaF2P1 = 650, v.HraSirkaF2P1 = 380;
    v.MinVyskaF2P2 = 900, v.MinSirkaF2P2 = 480, v.HraVyskaF2P2 = 1000, v.HraSirkaF2P2 = 520;
    s.SFormat = 2;
    s.SSirka = 800;
    s.SVyska = 1900;
    s.PomTloustka = 24;
    s.CTloustka = 24;
    return s;
}

std::string Hranice(int min, int max, int hra)
{
    std::string t = "Minimalnie " + std::to_string(min) + ", maksymalnie " + std::to_string(max);
    if (hra > 0)
        t += ", otwór zmniejszony poniżej " + std::to_string(hra);
    return t + " mm";
}

} // namespace

TEST(RozmerTest, LimitsFollowFormatFamilyFramesAndStrips)
{
    struct Pripad {
        const char *popis;
        std::function<void(Session &)> nastav;
        int minS, maxS, minV, maxV, hraS, hraV;
        int maxSirka, maxVyska; // NastavMaxima
    } pripady[] = {
        // No family flag: the F2 set alone, its width capped at 900.
        {"format 2 alone", [](Session &) {}, 250, 900, 600, 2000, 400, 700, 900, 2100},
        {"format 2 ignores frames", [](Session &s) { s.SRamecek1 = 2; s.SOPaska1 = 1; },
         250, 900, 600, 2000, 400, 700, 900, 2100},
        {"format 1", [](Session &s) { s.SFormat = 1; }, 300, 900, 500, 2100, 0, 0, 900, 2100},
        {"aluminium: F1 and higher caps", [](Session &s) { s.SHlinik = true; },
         300, 1000, 500, 2200, 0, 0, 1000, 2200},
        {"inner aluminium", [](Session &s) { s.SHlinik2 = true; }, 300, 900, 500, 2200, 0, 0, 900, 2200},
        {"wood", [](Session &s) { s.SDyha = true; }, 300, 1000, 500, 2200, 0, 0, 1000, 2200},
        {"frame possible", [](Session &s) { s.MuzeRamecek = 1; }, 300, 900, 500, 2100, 0, 0, 900, 2100},
        // F2 raises the height minimum and the thresholds; its width minimum is smaller
        // than F1's and stays unused; the maxima stay those of F1 (capped).
        {"frame 1 on side 2", [](Session &s) { s.MuzeRamecek = 1; s.SRamecek2 = 1; },
         300, 900, 600, 2100, 400, 700, 900, 2100},
        {"frame 2", [](Session &s) { s.MuzeRamecek = 2; s.SRamecek1 = 2; },
         450, 900, 800, 2100, 500, 900, 900, 2100},
        // Frame 1 then strip 1: each value only ever raised.
        {"frame 1 and strip 1", [](Session &s) { s.MuzeRamecek = 1; s.SRamecek1 = 1; s.SOPaska2 = 1; },
         350, 900, 600, 2100, 400, 700, 900, 2100},
        {"groove 2", [](Session &s) { s.SHlinik = true; s.SODrazka2 = 2; },
         480, 1000, 900, 2200, 520, 1000, 1000, 2200},
        {"all kinds", [](Session &s) {
             s.SDyha = true; s.SRamecek1 = 1; s.SRamecek2 = 2; s.SODrazka1 = 1; s.SOPaska2 = 2; },
         480, 1000, 900, 2200, 520, 1000, 1000, 2200},
        {"half panel", [](Session &s) { s.SHlinik = true; s.SPulpanel = true; },
         300, 900, 500, 1000, 0, 0, 900, 1000},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        Session s = Relace();
        s.hraSirka = 77; // always recomputed
        s.hraVyska = 77;
        p.nastav(s);
        FakeMessages m;
        TVRozmer d(s, m);
        EXPECT_EQ(d.Sirka().Min, p.minS);
        EXPECT_EQ(d.Sirka().Max, p.maxS);
        EXPECT_EQ(d.Vyska().Min, p.minV);
        EXPECT_EQ(d.Vyska().Max, p.maxV);
        EXPECT_EQ(s.hraSirka, p.hraS);
        EXPECT_EQ(s.hraVyska, p.hraV);
        EXPECT_EQ(s.MaxSirka, p.maxSirka);
        EXPECT_EQ(s.MaxVyska, p.maxVyska);
        EXPECT_EQ(d.HraniceSirky().Text, Hranice(p.minS, p.maxS, p.hraS));
        EXPECT_EQ(d.HraniceVysky().Text, Hranice(p.minV, p.maxV, p.hraV));
        EXPECT_TRUE(m.empty());
    }
}

TEST(RozmerTest, LimitTextsAreExact)
{
    Session s = Relace();
    s.MuzeRamecek = 1;
    s.SRamecek1 = 2;
    FakeMessages m;
    TVRozmer d(s, m);
    EXPECT_EQ(d.HraniceSirky().Text, "Minimalnie 450, maksymalnie 900, otwór zmniejszony poniżej 500 mm");
    EXPECT_EQ(d.HraniceVysky().Text, "Minimalnie 800, maksymalnie 2100, otwór zmniejszony poniżej 900 mm");
    s.MuzeRamecek = 0;
    s.SRamecek1 = 0;
    s.SFormat = 1;
    TVRozmer f1(s, m);
    EXPECT_EQ(f1.HraniceSirky().Text, "Minimalnie 300, maksymalnie 900 mm");
}

TEST(RozmerTest, ThicknessListAndItsPreselection)
{
    const std::vector<std::string> sklo{"64", "59", "54", "49", "44", "39", "36", "34"};
    const std::vector<std::string> jine{"64", "59", "54", "49", "48", "44", "40", "39", "36", "34", "32", "29", "28"};
    struct Pripad {
        const char *popis;
        bool glas, zesilena;
        int zesil, ctloustka;
        int index;
        bool zaskrtnuto;
    } pripady[] = {
        {"glass, not thickened", true, false, 0, 29, 7, false},
        {"other, not thickened", false, false, 0, 24, 12, false},
        {"thickened to 44", false, true, 20, 44, 5, true},
        {"glass thickened to 39", true, true, 10, 39, 5, true},
        {"thickness not in the list keeps the thinnest", false, true, 3, 27, 12, true},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        Session s = Relace();
        s.SGlas = p.glas;
        s.Zesilena = p.zesilena;
        s.SZesil = p.zesil;
        s.CTloustka = p.ctloustka;
        FakeMessages m;
        TVRozmer d(s, m);
        EXPECT_EQ(d.ListZesil().Polozky, p.glas ? sklo : jine);
        EXPECT_EQ(d.ListZesil().Index, p.index);
        EXPECT_EQ(d.ListZesil().Povoleny, p.zaskrtnuto);
        EXPECT_EQ(d.CheckBoxZ().Zaskrtnuto, p.zaskrtnuto);
        EXPECT_TRUE(d.CheckBoxZ().Povoleny);
        EXPECT_TRUE(d.CheckBoxZ().Viditelny);
        EXPECT_EQ(d.CheckBoxZ().Text, "");
        EXPECT_EQ(d.LabelZ(), (Popisek{"Wypełnienie pogrubione na ", true}));
        EXPECT_EQ(d.LabelU(), (Popisek{"", false}));
    }
}

TEST(RozmerTest, CheckBoxSelectsTheThinnestRowAndUncheckingClearsTheSelection)
{
    Session s = Relace();
    FakeMessages m;
    TVRozmer d(s, m);
    d.VyberZesil(3); // disabled list: ignored
    EXPECT_EQ(d.ListZesil().Index, 12);
    d.CheckBoxZClick();
    EXPECT_TRUE(d.CheckBoxZ().Zaskrtnuto);
    EXPECT_TRUE(d.ListZesil().Povoleny);
    EXPECT_EQ(d.ListZesil().Index, 12);
    d.VyberZesil(3);
    EXPECT_EQ(d.ListZesil().Index, 3);
    d.VyberZesil(13); // no such row
    EXPECT_EQ(d.ListZesil().Index, 3);
    d.CheckBoxZClick();
    EXPECT_FALSE(d.CheckBoxZ().Zaskrtnuto);
    EXPECT_FALSE(d.ListZesil().Povoleny);
    EXPECT_EQ(d.ListZesil().Index, -1);
    d.CheckBoxZClick();
    EXPECT_EQ(d.ListZesil().Index, 12);
}

TEST(RozmerTest, FirstActivationLoadsTheClampedSessionValues)
{
    struct Pripad {
        int sirka, vyska;
        std::string textS, textV;
    } pripady[] = {
        {800, 1900, "800", "1900"},
        {5000, 100, "900", "600"},
        {10, 9999, "250", "2000"},
    };
    for (const Pripad &p : pripady) {
        Session s = Relace();
        s.SSirka = p.sirka;
        s.SVyska = p.vyska;
        FakeMessages m;
        TVRozmer d(s, m);
        EXPECT_TRUE(d.Poprve());
        EXPECT_FALSE(d.OKPovoleno());
        d.Aktivace();
        EXPECT_FALSE(d.Poprve());
        EXPECT_TRUE(d.OKPovoleno());
        EXPECT_EQ(d.Sirka().Text, p.textS);
        EXPECT_EQ(d.Vyska().Text, p.textV);
        // Later activations do not reload.
        d.NastavSirku("777");
        d.Aktivace();
        EXPECT_EQ(d.Sirka().Text, "777");
    }
    // Without a range (minimum equal to maximum) a spin field does not clamp.
    Session s = Relace();
    s.SVypln.DVypln.MinSirkaF2 = 0;
    s.SVypln.DVypln.MaxSirkaF2 = 0;
    s.SSirka = 850;
    FakeMessages m;
    TVRozmer d(s, m);
    d.Aktivace();
    EXPECT_EQ(d.Sirka().Text, "850");
}

TEST(RozmerTest, FixedDimensionsDisableTheFieldsAndOKStoresTheLoadedValues)
{
    Session s = Relace();
    s.FixRozmer = true;
    s.SSirka = 5000;
    FakeMessages m;
    TVRozmer d(s, m);
    EXPECT_FALSE(d.Sirka().Povoleny);
    EXPECT_FALSE(d.Vyska().Povoleny);
    d.Aktivace();
    d.KrokSirky(-1); // a disabled field does not step
    EXPECT_EQ(d.Potvrd(), kVysledekOK);
    EXPECT_EQ(s.SSirka, 900);
    EXPECT_EQ(s.SVyska, 1900);
    EXPECT_TRUE(s.RozmerVybran);
}

TEST(RozmerTest, LeavingAFieldChecksItsText)
{
    struct Pripad {
        bool sirka;
        const char *text;
        bool zpet;
        const char *hlaska; // nullptr: none
        std::string potom;  // field text afterwards
        int hodnota;        // value OK would store
    } pripady[] = {
        {true, "95", true, nullptr, "95", 95},
        {true, "", true, nullptr, "", 250},
        {true, "  9 ", true, nullptr, "  9 ", 250},
        {true, "5000", true, "Wypełnienie za szerokie", "900", 900},
        {true, "901", true, "Wypełnienie za szerokie", "900", 900},
        {true, "100", true, "Wypełnienie za wąskie", "250", 250},
        {true, "900", false, nullptr, "900", 900},
        {true, "250", false, nullptr, "250", 250},
        {true, "+-1", false, nullptr, "+-1", 250}, // no number: reads as the minimum
        {false, "3000", true, "Wypełnienie za wysokie", "2000", 2000},
        {false, "599", true, "Wypełnienie za niskie", "600", 600},
        {false, "99999999999", false, nullptr, "99999999999", 600}, // too long: no number
        {false, "1500", false, nullptr, "1500", 1500},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.text);
        Session s = Relace();
        FakeMessages m;
        TVRozmer d(s, m);
        d.Aktivace();
        if (p.sirka)
            d.NastavSirku(p.text);
        else
            d.NastavVysku(p.text);
        EXPECT_EQ(p.sirka ? d.SirkaExit() : d.VyskaExit(), p.zpet);
        if (p.hlaska) {
            ASSERT_EQ(m.count(), 1u);
            EXPECT_EQ(m.last().kind, FakeMessages::Kind::Chyba);
            EXPECT_EQ(m.last().caption, "UWAGA!");
            EXPECT_EQ(m.last().text, p.hlaska);
        } else {
            EXPECT_TRUE(m.empty());
        }
        EXPECT_EQ((p.sirka ? d.Sirka() : d.Vyska()).Text, p.potom);
        EXPECT_EQ(p.sirka ? d.HodnotaSirky() : d.HodnotaVysky(), p.hodnota);
    }
}

TEST(RozmerTest, ExitsBeforeTheFirstActivationRunNoRangeCheck)
{
    Session s = Relace();
    FakeMessages m;
    TVRozmer d(s, m);
    d.NastavSirku("5000");
    EXPECT_FALSE(d.SirkaExit());
    d.NastavVysku("12");
    EXPECT_TRUE(d.VyskaExit()); // the length check still applies
    EXPECT_TRUE(m.empty());
}

TEST(RozmerTest, WidthTakesFourCharactersAndStepsStayInRange)
{
    Session s = Relace();
    FakeMessages m;
    TVRozmer d(s, m);
    d.Aktivace();
    d.NastavSirku("12345");
    EXPECT_EQ(d.Sirka().Text, "1234");
    d.NastavVysku("12345");
    EXPECT_EQ(d.Vyska().Text, "12345");
    d.NastavSirku("500");
    d.KrokSirky(1);
    EXPECT_EQ(d.Sirka().Text, "510");
    d.KrokSirky(-3);
    EXPECT_EQ(d.Sirka().Text, "480");
    d.NastavSirku("895");
    d.KrokSirky(1);
    EXPECT_EQ(d.Sirka().Text, "900");
    d.NastavVysku("abc");
    d.KrokVysky(-1); // from the minimum the text reads as
    EXPECT_EQ(d.Vyska().Text, "600");
}

TEST(RozmerTest, NotesBeyondTenLinesWarnAndAreAllStored)
{
    struct Pripad {
        std::string text;
        std::size_t radku;
        bool varovani;
    } pripady[] = {
        {"", 0, false},
        {"1\n2\n3\n4\n5\n6\n7\n8\n9\n10", 10, false},
        {"1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n", 10, false}, // a final line break opens no line
        {"1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11", 11, true},
        {"a\n\n\n\n\n\n\n\n\n\n\n", 11, true},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.text);
        Session s = Relace();
        FakeMessages m;
        TVRozmer d(s, m);
        d.Aktivace();
        d.NastavPoznamky(p.text);
        d.PoznamkyExit();
        if (p.varovani) {
            ASSERT_EQ(m.count(), 1u);
            EXPECT_EQ(m.last().caption, "UWAGA!");
            EXPECT_EQ(m.last().text, "Maksymalnie 10 wierszy");
            EXPECT_EQ(m.last().kind, FakeMessages::Kind::Chyba);
        } else {
            EXPECT_TRUE(m.empty());
        }
        EXPECT_EQ(d.Poznamky(), p.text);
        d.Potvrd();
        EXPECT_EQ(s.SPoznamky.size(), p.radku);
        if (p.radku == 11 && p.text[0] == '1') {
            EXPECT_EQ(s.SPoznamky.back(), "11");
        }
    }
}

TEST(RozmerTest, NotesAreLoadedFromTheSession)
{
    Session s = Relace();
    s.SPoznamky = {"první", "", "třetí"};
    FakeMessages m;
    TVRozmer d(s, m);
    EXPECT_EQ(d.Poznamky(), "první\n\ntřetí");
    d.Potvrd();
    EXPECT_EQ(s.SPoznamky, (std::vector<std::string>{"první", "", "třetí"}));
}

TEST(RozmerTest, OKWritesDimensionsAndThickening)
{
    struct Pripad {
        const char *popis;
        bool glas;
        bool zesilena;
        int zesil, ctloustka, pomTloustka;
        int klik;  // CheckBoxZ clicks
        int radek; // row clicked afterwards (-1 none)
        bool zesilenaPo;
        int zesilPo, indPo;
        bool dekoryPo;
        int ctloustkaPo;
    } pripady[] = {
        {"10 -> 0 drops the glass", false, true, 10, 34, 24, 1, -1, false, 0, -1, false, 24},
        {"same thickening keeps the glass", false, true, 10, 34, 24, 0, -1, true, 10, 9, true, 34},
        {"unthickened stays so", false, false, 0, 24, 24, 0, -1, false, 0, -1, true, 24},
        {"checked: the thinnest row", false, false, 0, 24, 24, 1, -1, true, 4, 12, false, 28},
        {"picked row 64", false, false, 0, 24, 24, 1, 0, true, 40, 0, false, 64},
        {"glass: base 29", true, false, 0, 29, 29, 1, -1, true, 5, 7, false, 34},
        {"10 -> 20", false, true, 10, 34, 24, 0, 5, true, 20, 5, false, 44},
        // No more than the base: no thickening, the difference is kept in SZesil.
        {"row not above the base", false, false, 0, 24, 34, 1, 9, false, 0, 9, true, 24},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        Session s = Relace();
        s.SGlas = p.glas;
        s.Zesilena = p.zesilena;
        s.SZesil = p.zesil;
        s.CTloustka = p.ctloustka;
        s.PomTloustka = p.pomTloustka;
        s.IndZesil = 99;
        s.DekoryVybrany = true;
        FakeMessages m;
        TVRozmer d(s, m);
        d.Aktivace();
        d.NastavSirku("720");
        d.NastavVysku("1850");
        for (int i = 0; i < p.klik; ++i)
            d.CheckBoxZClick();
        if (p.radek >= 0)
            d.VyberZesil(p.radek);
        EXPECT_EQ(d.Potvrd(), kVysledekOK);
        EXPECT_TRUE(s.RozmerVybran);
        EXPECT_EQ(s.SSirka, 720);
        EXPECT_EQ(s.SVyska, 1850);
        EXPECT_EQ(s.Zesilena, p.zesilenaPo);
        EXPECT_EQ(s.SZesil, p.zesilPo);
        EXPECT_EQ(s.IndZesil, p.indPo);
        EXPECT_EQ(s.DekoryVybrany, p.dekoryPo);
        // TloustkaVyplne ran: the base of the family plus the thickening.
        EXPECT_EQ(s.PomTloustka, p.glas ? 29 : 24);
        EXPECT_EQ(s.CTloustka, p.ctloustkaPo);
        EXPECT_EQ(s.STloustka, p.ctloustkaPo - 2);
        EXPECT_TRUE(m.empty());
    }
}

TEST(RozmerTest, OKReappliesTheReinforcementRules)
{
    // Sound damping needs the 10 mm thickening: dropping it drops the reinforcement.
    Session s = Relace();
    s.Zesilena = true;
    s.SZesil = 10;
    s.CTloustka = 34;
    s.SVyztuz = 5;
    s.ProselVyztuze = true;
    FakeMessages m;
    TVRozmer d(s, m);
    d.Aktivace();
    d.CheckBoxZClick();
    d.Potvrd();
    EXPECT_EQ(s.SVyztuz, -1);
    EXPECT_FALSE(s.ProselVyztuze);
}

TEST(RozmerTest, CancelLeavesTheSessionAsItWas)
{
    Session s = Relace();
    s.Zesilena = true;
    s.SZesil = 10;
    s.CTloustka = 34;
    s.IndZesil = 4;
    s.SVyztuz = 5;
    s.DekoryVybrany = true;
    s.SPoznamky = {"a"};
    // What creation writes, computed beforehand so that the rest can be compared.
    NastavMaxima(s, true);
    s.hraSirka = s.SVypln.DVypln.HraSirkaF2;
    s.hraVyska = s.SVypln.DVypln.HraVyskaF2;
    const auto snimej = [](const Session &x) {
        qmrtest::Snimek t = qmrtest::Snimej(x);
        for (auto [k, v] : {std::pair{"CTloustka", x.CTloustka}, {"PomTloustka", x.PomTloustka},
                            {"STloustka", x.STloustka}, {"hraSirka", x.hraSirka}, {"hraVyska", x.hraVyska},
                            {"MaxSirkaP1", x.MaxSirkaP1}, {"MaxVyskaP1", x.MaxVyskaP1}})
            t.emplace_back(k, std::to_string(v));
        return t;
    };
    const qmrtest::Snimek pred = snimej(s);
    {
        FakeMessages m;
        TVRozmer d(s, m);
        d.Aktivace();
        d.NastavSirku("5000");
        d.SirkaExit();
        d.NastavVysku("1700");
        d.CheckBoxZClick();
        d.NastavPoznamky("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11");
        d.PoznamkyExit();
        EXPECT_EQ(m.count(), 2u);
    } // closed without Potvrd
    EXPECT_EQ(qmrtest::Rozdily(pred, snimej(s)), "");
}

TEST(RozmerTest, PlacementCentresEachAxisWhereTheDialogFits)
{
    Session s = Relace();
    s.VolbaLeft = 100;
    s.VolbaTop = 50;
    FakeMessages m;
    TVRozmer d(s, m);
    EXPECT_EQ(d.Umisteni(451, 301), (Bod{100 + 174, 50 + 150})); // 174.5 and 149.5 to even
    EXPECT_EQ(d.Umisteni(796, 596), (Bod{102, 52}));
    EXPECT_EQ(d.Umisteni(797, 597), (Bod{100, 50}));
}
