#include "core/Constants.h"
#include "core/Records.h"
#include "core/Session.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <functional>
#include <string>

using namespace qmr;

namespace {

// A session in which every value the reset touches (and a few it must leave alone)
// differs from its reset value.
void dirty(Session &s)
{
    s.apCislo = "N77";
    s.apPocet = 3;
    s.SMail = true;
    s.SVypln.DVypln.Polozka = 4;
    s.SVypln.DVypln.Kod = "AK3";
    s.VyplnVybrana = true;
    s.SFormat = 2;
    s.SZaskleni = 5;
    s.RozmerVybran = s.BarvyVybrany = s.VitrazVybrana = s.DekoryVybrany = s.MrizkaVybrana = true;
    s.SVyztuz = 3;
    s.SRamecek1 = s.SRamecek2 = s.SOMrizka = 2;
    s.SOPaska1 = s.SOPaska2 = s.SODrazka1 = s.SODrazka2 = 1;
    s.SKamen = s.SKamen1 = s.SKamen2 = s.SDvojbarva = true;
    s.ProjitVyztuze = s.ProselVyztuze = s.ZmensenyVyrez = true;
    s.STrojsklo = s.SCtyrsklo = s.Zesilena = true;
    s.SZetkova = s.SEnkova = s.SRameckova = true;
    s.SZesil = 12;
    s.SPosunOs = true;
    s.SHPosun = 40;
    s.SVPosun = -30;
    s.SPrekryvna = true;
    s.SPrekryv = 2;
    s.PrekryvVybran = s.Prekryv2Vybran = true;
    s.PVL = 50;
    s.PVP = 60;
    s.PVH = 70;
    s.PVD = 80;
    s.SBarva1.DBarva.ObjDni = 14;
    s.SBarva2.DBarva.ObjDni = 21;
    s.RBarva1.RBarva.ObjDni = 7;
    s.RBarva2.RBarva.ObjDni = 9;
    s.VidimPomRys = true;
    for (TODoplnek *d : {&s.SDoplnek1, &s.SDoplnek2, &s.SDoplnek3, &s.SDoplnek4}) {
        d->DDoplnek.Polozka = 1;
        d->DDoplnek.Namontovat = true;
    }
    s.SPoznamky = {"first note", "second note"};
    s.apEdited = true;
    s.Carame = true;
    s.SCary.Tloustka = 15;
    s.SCary.HPocet = 2;
    s.SCary.Hpos[1] = 400;
    s.SCary.Hrel[2] = 50;
    s.SCary.Hneg[1] = true;
    s.SCary.VPocet = 1;
    s.SCary.Vpos[1] = 300;
    s.SCary.Vneg[6] = true;

    // Not part of the reset.
    s.DoplnkyVybrany = true;
    s.SMadlo = true;
    s.apSoubor = "zlecenie.qms";
    s.apPodpis = "Jan";
    s.SBarva1.DBarva.Kod = "RAL9016";
    s.PVL2 = 25;
}

void expectResetState(const Session &s)
{
    EXPECT_EQ(s.apCislo, "");
    EXPECT_EQ(s.apPocet, 0);
    EXPECT_FALSE(s.SMail);
    EXPECT_EQ(s.SVypln.DVypln.Polozka, -1);
    EXPECT_FALSE(s.VyplnVybrana);
    EXPECT_EQ(s.SFormat, -1);
    EXPECT_EQ(s.SZaskleni, -1);
    EXPECT_FALSE(s.RozmerVybran || s.BarvyVybrany || s.VitrazVybrana || s.DekoryVybrany || s.MrizkaVybrana);
    EXPECT_EQ(s.SVyztuz, -1);
    EXPECT_EQ(s.SRamecek1 | s.SRamecek2 | s.SOMrizka, 0);
    EXPECT_EQ(s.SOPaska1 | s.SOPaska2 | s.SODrazka1 | s.SODrazka2, 0);
    EXPECT_FALSE(s.SKamen || s.SKamen1 || s.SKamen2 || s.SDvojbarva);
    EXPECT_FALSE(s.ProjitVyztuze || s.ProselVyztuze || s.ZmensenyVyrez);
    EXPECT_FALSE(s.STrojsklo || s.SCtyrsklo || s.Zesilena);
    EXPECT_FALSE(s.SZetkova || s.SEnkova || s.SRameckova);
    EXPECT_EQ(s.SZesil, 0);
    EXPECT_FALSE(s.SPosunOs);
    EXPECT_EQ(s.SHPosun, 0);
    EXPECT_EQ(s.SVPosun, 0);
    EXPECT_FALSE(s.SPrekryvna);
    EXPECT_EQ(s.SPrekryv, 0);
    EXPECT_FALSE(s.PrekryvVybran || s.Prekryv2Vybran);
    EXPECT_EQ(s.PVL, 10);
    EXPECT_EQ(s.PVP, 10);
    EXPECT_EQ(s.PVH, 10);
    EXPECT_EQ(s.PVD, 10);
    EXPECT_EQ(s.SBarva1.DBarva.ObjDni, 0);
    EXPECT_EQ(s.SBarva2.DBarva.ObjDni, 0);
    EXPECT_EQ(s.RBarva1.RBarva.ObjDni, 0);
    EXPECT_EQ(s.RBarva2.RBarva.ObjDni, 0);
    EXPECT_FALSE(s.VidimPomRys);
    EXPECT_FALSE(s.SDoplnek1.DDoplnek.Namontovat);
    EXPECT_FALSE(s.SDoplnek2.DDoplnek.Namontovat);
    EXPECT_FALSE(s.SDoplnek3.DDoplnek.Namontovat);
    EXPECT_FALSE(s.SDoplnek4.DDoplnek.Namontovat);
    EXPECT_TRUE(s.SPoznamky.empty());
    EXPECT_FALSE(s.apEdited);
    // Line layout cleared after SZetkova was reset, so the ordinary thickness.
    EXPECT_FALSE(s.Carame);
    EXPECT_EQ(s.SCary.Tloustka, 10);
    EXPECT_EQ(s.SCary.HPocet, 0);
    EXPECT_EQ(s.SCary.VPocet, 0);
    for (int i = 0; i <= 6; ++i) {
        EXPECT_EQ(s.SCary.Hpos[i], 0);
        EXPECT_EQ(s.SCary.Hrel[i], 0);
        EXPECT_FALSE(s.SCary.Hneg[i]);
        EXPECT_EQ(s.SCary.Vpos[i], 0);
        EXPECT_EQ(s.SCary.Vrel[i], 0);
        EXPECT_FALSE(s.SCary.Vneg[i]);
    }
}

} // namespace

TEST(SessionReset, ClearsEveryResetValueOfADirtySession)
{
    Session s;
    dirty(s);
    ZrusVse(s);
    expectResetState(s);
}

TEST(SessionReset, LeavesTheRestOfTheSessionAlone)
{
    Session s;
    dirty(s);
    ZrusVse(s);
    EXPECT_TRUE(s.DoplnkyVybrany);
    EXPECT_TRUE(s.SMadlo);
    EXPECT_EQ(s.apSoubor, "zlecenie.qms");
    EXPECT_EQ(s.apPodpis, "Jan");
    EXPECT_EQ(s.SVypln.DVypln.Kod, "AK3");
    EXPECT_EQ(s.SBarva1.DBarva.Kod, "RAL9016");
    EXPECT_EQ(s.PVL2, 25);
    // Slots keep their accessory, only mounting is cleared.
    EXPECT_EQ(s.SDoplnek3.DDoplnek.Polozka, 1);
}

TEST(SessionReset, NewSessionHasStartValuesAndIsInResetState)
{
    Session s;
    expectResetState(s);
    EXPECT_EQ(s.apVerze, "5.2");
    EXPECT_FLOAT_EQ(s.nVerze, 5.2f);
    EXPECT_EQ(s.apDatum, "1.8.2023");
    EXPECT_TRUE(s.apKneprekryv);
    EXPECT_TRUE(s.apVypnoutPomer);
    EXPECT_FALSE(s.apHeslo || s.apZakaznik || s.apVyberOdb || s.VolbaNeniNil);
    EXPECT_EQ(s.TypZakazky, 0);
    for (int p : {s.SBarva1.DBarva.Polozka, s.SBarva12.DBarva.Polozka, s.RBarva1.RBarva.Polozka,
                  s.SVitraz.DVitraz.Polozka, s.SDekor4.DDekor.Polozka, s.SMrizka.DMrizka.Polozka,
                  s.SDoplnek1.DDoplnek.Polozka})
        EXPECT_EQ(p, -1);
}

TEST(SessionReset, LineLayoutOfAZTypePanelIsThicker)
{
    Session s;
    s.Carame = true;
    s.SCary.HPocet = 3;
    s.SCary.Vrel[4] = 20;
    VynulujCary(s, true);
    EXPECT_FALSE(s.Carame);
    EXPECT_EQ(s.SCary.Tloustka, 15);
    EXPECT_EQ(s.SCary.HPocet, 0);
    EXPECT_EQ(s.SCary.Vrel[4], 0);
}

// ---- Limits ----------------------------------------------------------------------------

namespace {

struct LimitCase {
    const char *what;
    std::function<void(Session &)> setup;
    bool Urcite;
    int MaxSirka, MaxVyska, MaxSirkaP1, MaxVyskaP1, MaxSirkaP2, MaxVyskaP2;
};

void decor(TOBarva &b, bool onAluminium)
{
    b.DBarva.Polozka = 0;
    b.DBarva.DDekor = true;
    b.DBarva.Hlinik = onAluminium;
}

} // namespace

TEST(SessionLimits, FollowMaterialColourAndPanelKind)
{
    const LimitCase cases[] = {
        {"no material flag", [](Session &) {}, true, 900, 2100, 1200, 2400, 1200, 2400},
        {"aluminium, plain colours", [](Session &s) { s.SHlinik = true; }, true, 1000, 2200, 1200, 2400, 1200, 2400},
        {"K series", [](Session &s) { s.SRadaK = true; }, true, 1000, 2200, 1200, 2400, 1200, 2400},
        {"veneer", [](Session &s) { s.SDyha = true; }, true, 1000, 2200, 1200, 2400, 1200, 2400},
        {"glass", [](Session &s) { s.SGlas = true; }, true, 1000, 2200, 1200, 2400, 1200, 2400},
        {"HPL confirmed", [](Session &s) { s.SHPL1 = true; }, true, 1000, 2200, 1200, 2400, 1200, 2400},
        {"decor not on aluminium, side 1",
         [](Session &s) { s.SHlinik = true; decor(s.SBarva1, false); }, true, 940, 2200, 1200, 2400, 1200, 2400},
        {"decor not on aluminium, second colour of side 1",
         [](Session &s) { s.SHlinik = true; decor(s.SBarva12, false); }, true, 940, 2200, 1200, 2400, 1200, 2400},
        {"decor not on aluminium, side 2",
         [](Session &s) { s.SHlinik = true; decor(s.SBarva2, false); }, true, 940, 2200, 1200, 2400, 1200, 2400},
        {"decor on an HPL side 1 does not narrow",
         [](Session &s) { s.SHPL1 = true; decor(s.SBarva1, false); }, true, 1000, 2200, 1200, 2400, 1200, 2400},
        {"decor on an HPL side 2 does not narrow",
         [](Session &s) { s.SHlinik = true; s.SHPL2 = true; decor(s.SBarva2, false); }, true, 1000, 2200, 1200, 2400, 1200, 2400},
        {"HPL side 1 does not exempt the second colour",
         [](Session &s) { s.SHPL1 = true; decor(s.SBarva12, false); }, true, 940, 2200, 1200, 2400, 1200, 2400},
        {"decor on aluminium, side 1",
         [](Session &s) { s.SHlinik = true; decor(s.SBarva1, true); }, true, 1000, 2130, 1130, 2400, 1200, 2400},
        {"decor on aluminium, second colour of side 1",
         [](Session &s) { s.SHlinik = true; decor(s.SBarva12, true); }, true, 1000, 2130, 1130, 2400, 1200, 2400},
        {"decor on aluminium, side 2",
         [](Session &s) { s.SHlinik = true; decor(s.SBarva2, true); }, true, 1000, 2130, 1200, 2400, 1130, 2400},
        {"decor on aluminium, both sides",
         [](Session &s) { s.SHlinik = true; decor(s.SBarva1, true); decor(s.SBarva2, true); }, true,
         1000, 2130, 1130, 2400, 1130, 2400},
        {"decor on aluminium overrides a narrower decor on the other side",
         [](Session &s) { s.SHlinik = true; decor(s.SBarva1, false); decor(s.SBarva2, true); }, true,
         1000, 2130, 1200, 2400, 1130, 2400},
        {"aluminium inner side only, plain", [](Session &s) { s.SHlinik2 = true; }, true, 900, 2200, 1200, 2400, 1200, 2400},
        {"aluminium inner side only, decor on aluminium",
         [](Session &s) { s.SHlinik2 = true; decor(s.SBarva2, true); }, true, 1000, 2130, 1200, 2400, 1130, 2400},
        {"decor on aluminium without a material flag",
         [](Session &s) { decor(s.SBarva1, true); }, true, 900, 2100, 1200, 2400, 1200, 2400},
        {"half panel", [](Session &s) { s.SPulpanel = true; }, true, 900, 1000, 1200, 2400, 1200, 2400},
        {"half panel of aluminium with decor on aluminium",
         [](Session &s) { s.SPulpanel = true; s.SHlinik = true; decor(s.SBarva1, true); }, true,
         900, 1000, 1130, 2400, 1200, 2400},
        {"HPL not confirmed", [](Session &s) { s.SHPL1 = true; }, false, 900, 2100, 1200, 2400, 1200, 2400},
        {"HPL half panel not confirmed",
         [](Session &s) { s.SHPL1 = true; s.SPulpanel = true; }, false, 900, 2100, 1200, 2400, 1200, 2400},
        {"aluminium not confirmed", [](Session &s) { s.SHlinik = true; }, false, 1000, 2200, 1200, 2400, 1200, 2400},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Session s;
        s.MaxSirka = s.MaxVyska = s.MaxSirkaP1 = s.MaxVyskaP1 = s.MaxSirkaP2 = s.MaxVyskaP2 = 1;
        c.setup(s);
        NastavMaxima(s, c.Urcite);
        EXPECT_EQ(s.MaxSirka, c.MaxSirka);
        EXPECT_EQ(s.MaxVyska, c.MaxVyska);
        EXPECT_EQ(s.MaxSirkaP1, c.MaxSirkaP1);
        EXPECT_EQ(s.MaxVyskaP1, c.MaxVyskaP1);
        EXPECT_EQ(s.MaxSirkaP2, c.MaxSirkaP2);
        EXPECT_EQ(s.MaxVyskaP2, c.MaxVyskaP2);
    }
}

// ---- Default job-file name --------------------------------------------------------

TEST(SessionJobName, MadeFromTheNumberOnlyForANewJob)
{
    struct Case {
        const char *apSoubor;
        const char *apCislo;
        bool LMail;
        const char *expected;
        bool edited;
    } const cases[] = {
        {"", "N123", false, "N123.qms", true},
        {"", "N123", true, "N123.qmr", true},
        {"", "", false, "Nowy plik.qms", false},
        {"", "", true, "Nowy plik.qmr", false},
        {"Nowy plik.qms", "N5", false, "N5.qms", true},
        {"  Nowy plik.qms ", "", false, "Nowy plik.qms", false},
        {" \t ", "N7", false, "N7.qms", true},
        {"zlecenie.qms", "N123", false, "zlecenie.qms", false},
        {" zlecenie.qms", "N123", false, " zlecenie.qms", false},
        {"zlecenie.qms", "N123", true, "zlecenie.qmr", false},
        {"zlecenie", "", true, "zlecenie.qmr", false},
        {"N12.3.qms", "", true, "N12.3.qmr", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string("apSoubor '") + c.apSoubor + "', apCislo '" + c.apCislo + "'" +
                     (c.LMail ? ", mail" : ""));
        Session s;
        s.apSoubor = c.apSoubor;
        s.apCislo = c.apCislo;
        VytvorJmeno(s, c.LMail);
        EXPECT_EQ(s.apSoubor, c.expected);
        EXPECT_EQ(s.apEdited, c.edited);
    }
}

// ---- Paths and start-up -----------------------------------------------------------------

TEST(SessionPaths, DataAndConfigurationLieBesideTheProgram)
{
    Session s;
    EXPECT_TRUE(OverConf(s, "/opt/qm/bin/quilmar"));
    EXPECT_EQ(s.apCesta, "/opt/qm/bin/");
    EXPECT_EQ(s.apData, "/opt/qm/bin/DATA/");
    EXPECT_EQ(s.apConf, "/opt/qm/bin/DATA/Quilmar.cfg");
    EXPECT_EQ(s.apPriloha, "/opt/qm/bin/DATA/QMRobj.qmr");
}

TEST(SessionPaths, RelativeStartPathIsAnchoredAtTheCurrentFolder)
{
    const std::string cwd = std::filesystem::current_path().string();
    const std::string base = cwd == "/" ? "/" : cwd + "/";
    Session s;
    OverConf(s, "bin/quilmar");
    EXPECT_EQ(s.apCesta, base + "bin/");
    OverConf(s, "./quilmar");
    EXPECT_EQ(s.apCesta, base);
    OverConf(s, "quilmar");
    EXPECT_EQ(s.apCesta, base);
    EXPECT_EQ(s.apConf, base + "DATA/Quilmar.cfg");
}

TEST(SessionPaths, ExecutablePathIsThisProcess)
{
    const std::string p = ExecutablePath();
    ASSERT_FALSE(p.empty());
    EXPECT_EQ(p.front(), '/');
    EXPECT_EQ(std::filesystem::path(p).filename(), "tests_core");
}

TEST(SessionStartUp, SetsVersionSwitchesAndPaths)
{
    Session s;
    s.apVerze = "x";
    s.nVerze = 0;
    s.apDatum = "";
    s.VolbaNeniNil = true;
    s.apHeslo = s.apZakaznik = s.apVyberOdb = true;
    s.apFirma = "Firma";
    s.apKneprekryv = false;
    s.apEdited = true;
    s.apVypnoutPomer = false;
    s.ListVyplni = {"a"};
    s.ListBarev = {"b"};

    EXPECT_TRUE(InitSession(s, "/opt/qm/quilmar"));
    EXPECT_EQ(s.apVerze, "5.2");
    EXPECT_FLOAT_EQ(s.nVerze, 5.2f);
    EXPECT_EQ(s.apDatum, "1.8.2023");
    EXPECT_FALSE(s.VolbaNeniNil);
    EXPECT_FALSE(s.apHeslo || s.apZakaznik || s.apVyberOdb);
    EXPECT_EQ(s.apFirma, "");
    EXPECT_TRUE(s.apKneprekryv);
    EXPECT_FALSE(s.apEdited);
    EXPECT_TRUE(s.apVypnoutPomer);
    EXPECT_TRUE(s.ListVyplni.empty());
    EXPECT_TRUE(s.ListBarev.empty());
    EXPECT_EQ(s.apProgram, "quilmar");
    EXPECT_TRUE(s.JdeTo);
    EXPECT_EQ(s.apCesta, "/opt/qm/");
    EXPECT_EQ(s.apConf, "/opt/qm/DATA/Quilmar.cfg");
    EXPECT_TRUE(StartBuildsCatalogueLists(s));
    EXPECT_FALSE(StartShowsForeignLanguageNotice(s));
}

TEST(SessionStartUp, SpecialProgramNamesChangeTheStartCaseSensitively)
{
    struct Case {
        const char *path;
        bool pathsSet, lists, notice;
    } const cases[] = {
        {"/opt/qm/QMR11.exe", false, false, false},
        {"/opt/qm/zaved.exe", false, true, false},
        {"/opt/qm/Zaved.exe", true, false, true},
        {"/opt/qm/qmr11.exe", true, true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        Session s;
        EXPECT_TRUE(InitSession(s, c.path));
        EXPECT_EQ(s.JdeTo, c.pathsSet);
        EXPECT_EQ(s.apCesta, c.pathsSet ? "/opt/qm/" : "");
        EXPECT_EQ(StartBuildsCatalogueLists(s), c.lists);
        EXPECT_EQ(StartShowsForeignLanguageNotice(s), c.notice);
    }
}

TEST(SessionStartUp, WithoutAPathUsesTheRunningExecutable)
{
    Session s;
    EXPECT_TRUE(InitSession(s, ""));
    EXPECT_EQ(s.apProgram, "tests_core");
    EXPECT_EQ(s.apCesta, std::filesystem::path(ExecutablePath()).parent_path().string() + "/");
}

// ---- Constant tables and records ------------------------------------------------------

TEST(SessionConstants, TablesHoldTheirTextsByIndex)
{
    EXPECT_EQ(cFormat(1), "1/1");
    EXPECT_EQ(cFormat(2), "1/2");
    EXPECT_EQ(cZaskleni(0), "S0");
    EXPECT_EQ(cZaskleni(6), "S6");
    EXPECT_EQ(cVyztuz(0), "nie ma");
    EXPECT_EQ(cVyztuz(1), "1 x Fe (stal)");
    EXPECT_EQ(cVyztuz(2), "1 x Al (aluminium)");
    EXPECT_EQ(cVyztuz(3), "klasa bezpiecze\xC5\x84stwa RC3");
    EXPECT_EQ(cVyztuz(4), "klasa bezpiecze\xC5\x84stwa RC2");
    EXPECT_EQ(cVyztuz(5), "t\xC5\x82umenie d\xC5\xBCwi\xC4\x99ku 35 dB");
    EXPECT_EQ(cVyztuz(6), "zahartowany rdze\xC5\x84 PUR (TPR) 20 mm");
    EXPECT_EQ(cVyztuz(7), "zahartowane wzmocnienie PUR (TPR) 10 mm");
    EXPECT_EQ(cVitrPis(0), "Witra\xC5\xBC");
    EXPECT_EQ(cVitrPis(1), "Szk\xC5\x82o piaskowane");
    EXPECT_EQ(cVitrPis(2), "Szk\xC5\x82o piaskowane z dekorem");
    EXPECT_EQ(cVitrPis(3), "Szk\xC5\x82o topione");
    EXPECT_EQ(cVitrPis(4), "Nanodruk");
    EXPECT_EQ(cBarvaDR(0), "bia\xC5\x82" "a RD");
    EXPECT_EQ(cBarvaDR(1), "czarna RD");
}

TEST(SessionConstants, IndexOutsideATableGivesAnEmptyText)
{
    for (int i : {INT_MIN, -1, 0, 3, INT_MAX})
        EXPECT_EQ(cFormat(i), "") << i;
    for (int i : {INT_MIN, -1, 7, INT_MAX})
        EXPECT_EQ(cZaskleni(i), "") << i;
    EXPECT_EQ(cVyztuz(-1), "");
    EXPECT_EQ(cVyztuz(8), "");
    EXPECT_EQ(cVitrPis(5), "");
    EXPECT_EQ(cBarvaDR(2), "");
    EXPECT_EQ(cBarvaDR(-1), "");
}

TEST(SessionRecords, ShortStringsCountCharactersNotBytes)
{
    EXPECT_EQ(ShortString("RAL9016X", kCisloBarvyLen), "RAL901");
    EXPECT_EQ(ShortString("1234", kCisloRBarvyLen), "1234");
    EXPECT_EQ(ShortString("\xC5\xBC\xC3\xB3\xC5\x82tyX", kFixFormatLen), "\xC5\xBC\xC3\xB3\xC5\x82t");
    EXPECT_EQ(ShortString("ab", 4), "ab");
    EXPECT_EQ(ShortString("abc", 0), "");
}

TEST(SessionRecords, IndexedPricesMapToTheirNamedFields)
{
    TDVypln v;
    v.SetZCF(1, 0, 10);
    v.SetZCF(1, 6, 16);
    v.SetZCF(2, 3, 23);
    v.SetZCF(3, 1, 99);  // ignored
    v.SetZCF(1, 7, 99);  // ignored
    v.SetZCF(2, -1, 99); // ignored
    EXPECT_EQ(v.ZCF1S0, 10);
    EXPECT_EQ(v.ZCF1S6, 16);
    EXPECT_EQ(v.ZCF2S3, 23);
    EXPECT_EQ(v.ZCF(2, 3), 23);
    EXPECT_EQ(v.ZCF(0, 0), 0);
    EXPECT_EQ(v.ZCF(1, 7), 0);
    EXPECT_EQ(v.ZCF1S1 + v.ZCF1S2 + v.ZCF1S3 + v.ZCF1S4 + v.ZCF1S5 + v.ZCF2S0 + v.ZCF2S1 +
                  v.ZCF2S2 + v.ZCF2S4 + v.ZCF2S5 + v.ZCF2S6,
              0);

    TDVitraz w;
    w.SetCF(1, 1, 11);
    w.SetCF(2, 6, 26);
    w.SetCF(1, 0, 99); // ignored: variants start at 1
    EXPECT_EQ(w.CF1S1, 11);
    EXPECT_EQ(w.CF2S6, 26);
    EXPECT_EQ(w.CF(2, 6), 26);
    EXPECT_EQ(w.CF(1, 0), 0);
    EXPECT_EQ(w.CF1S2 + w.CF1S3 + w.CF1S4 + w.CF1S5 + w.CF1S6 + w.CF2S1 + w.CF2S2 + w.CF2S3 +
                  w.CF2S4 + w.CF2S5,
              0);
}
