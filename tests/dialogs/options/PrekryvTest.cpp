// The overlay dialog: caption, overall limits and the overlay rules, the ranges and
// standard values of the fastening points, the sketch, what OK writes and that Cancel
// writes nothing.
#include "dialogs/options/UPrekryv.h"

#include "dialogs/infill/Snimek.h"
#include "support/FakeMessages.h"

#include <gtest/gtest.h>

#include <functional>

using namespace qmr;
using qmrtest::FakeMessages;

namespace {

Session Relace()
{
    Session s;
    s.SVypln.DVypln.Polozka = 0;
    s.SVypln.DVypln.Kod = "A1";
    s.SPrekryvna = true;
    s.SPrekryv = 1;
    s.SSirka = 1000;
    s.SVyska = 2000;
    s.SHPomer = 0.5;
    s.SVPomer = 0.5;
    return s;
}

qmrtest::Snimek Snimej(const Session &s)
{
    qmrtest::Snimek o = qmrtest::Snimej(s);
#define F(x) o.emplace_back(#x, qmrtest::detail::text(s.x))
    F(PVL2); F(PVP2); F(PVH2); F(PVD2); F(STloustka); F(SStrana);
    F(KotH1); F(KotH2); F(KotD1); F(KotD2); F(KotL1); F(KotL2); F(KotL3); F(KotL4);
    F(KotP1); F(KotP2); F(KotP3); F(KotP4);
#undef F
    return o;
}

std::vector<int> Hodnoty(const TVPrekryv &d)
{
    std::vector<int> v;
    for (int i = 0; i < kPocetKotev; ++i)
        v.push_back(d.Hodnota(Kotva(i)));
    return v;
}

std::vector<int> Ulozene(const Session &s)
{
    return {s.KotH1, s.KotH2, s.KotD1, s.KotD2, s.KotL1, s.KotL2, s.KotL3, s.KotL4,
            s.KotP1, s.KotP2, s.KotP3, s.KotP4};
}

} // namespace

TEST(PrekryvTest, CaptionSideTextAndLabels)
{
    struct Pripad {
        const char *popis;
        std::function<void(Session &)> nastav;
        const char *titulek;
        const char *strana;
    } pripady[] = {
        {"one side", [](Session &) {}, "Określenie przekrywów strona zewnętrzna", ""},
        {"both sides", [](Session &s) { s.SPrekryv = 2; }, "Określenie przekrywów strona zewnętrzna",
         "strona zewnętrzna, widok od zewnątrz"},
        {"inner aluminium", [](Session &s) { s.SHlinik2 = true; s.SPrekryv = 2; }, "Określenie przekrywów", ""},
        {"glass", [](Session &s) { s.SGlas = true; s.SPrekryv = 2; }, "Określenie przekrywów", ""},
        {"inner veneer", [](Session &s) { s.SDyha2 = true; s.SPrekryv = 2; }, "Określenie przymocowania przekrywów", ""},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        Session s = Relace();
        p.nastav(s);
        FakeMessages m;
        TVPrekryv d(s, m);
        EXPECT_EQ(d.Titulek(), p.titulek);
        EXPECT_EQ(d.TextStrana().Text, p.strana);
        EXPECT_EQ(d.Label1().Text, "szerokość: 1000 mm");
        EXPECT_EQ(d.Label2().Text, "wysokość: 2000 mm");
        EXPECT_TRUE(m.empty());
    }
    std::vector<std::string> jmena;
    for (int i = 0; i < kPocetKotev; ++i)
        jmena.push_back(TVPrekryv::Jmeno(Kotva(i)));
    EXPECT_EQ(jmena, (std::vector<std::string>{"G1", "G2", "D1", "D2", "L1", "L2", "L3", "L4", "P1", "P2", "P3", "P4"}));
    EXPECT_EQ(std::string(TVPrekryv::kNicButton), "Przymocowanie stan&dardowe");
}

TEST(PrekryvTest, RangesAndStandardFastening)
{
    struct Pripad {
        int sirka, vyska;
        std::vector<int> standard;
        std::vector<std::pair<int, int>> rozsahy; // G1, G2, L1, L2, L3, L4
    } pripady[] = {
        {1000, 2000, {150, 850, 150, 850, 150, 800, 1200, 1850, 150, 800, 1200, 1850},
         {{90, 410}, {590, 910}, {90, 410}, {500, 910}, {1000, 1410}, {1500, 1910}}},
        // Halves go to the even neighbour: 1005 / 2 = 502, 2010 / 4 = 502, 2010 / 5 = 402.
        {1005, 2010, {150, 855, 150, 855, 150, 804, 1206, 1860, 150, 804, 1206, 1860},
         {{90, 412}, {592, 915}, {90, 412}, {502, 914}, {1004, 1416}, {1506, 1920}}},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.sirka);
        Session s = Relace();
        s.SSirka = p.sirka;
        s.SVyska = p.vyska;
        FakeMessages m;
        TVPrekryv d(s, m); // not confirmed before: the standard fastening
        EXPECT_EQ(Hodnoty(d), p.standard);
        const Kotva k[] = {Kotva::H1, Kotva::H2, Kotva::L1, Kotva::L2, Kotva::L3, Kotva::L4};
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(d.Pole(k[i]).Min, p.rozsahy[std::size_t(i)].first) << i;
            EXPECT_EQ(d.Pole(k[i]).Max, p.rozsahy[std::size_t(i)].second) << i;
        }
        // Bottom and right follow top and left.
        EXPECT_EQ(d.Pole(Kotva::D2).Min, d.Pole(Kotva::H2).Min);
        EXPECT_EQ(d.Pole(Kotva::P3).Max, d.Pole(Kotva::L3).Max);
        for (StranaPrekryvu x : {StranaPrekryvu::Leva, StranaPrekryvu::Horni})
            EXPECT_EQ(d.PomSirka(x), 2);
    }
}

TEST(PrekryvTest, StoredPointsAndOverlaysOnEntry)
{
    Session s = Relace();
    s.PrekryvVybran = true;
    s.PVL = 50, s.PVP = 9, s.PVH = 32, s.PVD = 0;
    s.KotH1 = 200, s.KotH2 = 9, s.KotD1 = 500 /* beyond 410 */, s.KotD2 = 800;
    s.KotL1 = 100, s.KotL2 = 5, s.KotL3 = 1100, s.KotL4 = 1700;
    s.KotP1 = 120, s.KotP2 = 600, s.KotP3 = 0, s.KotP4 = 1900;
    FakeMessages m;
    TVPrekryv d(s, m);
    EXPECT_EQ(Hodnoty(d), (std::vector<int>{200, 850, 410, 800, 100, 800, 1100, 1700, 120, 600, 1200, 1900}));
    EXPECT_EQ(d.PrekryvMm(StranaPrekryvu::Leva), 50);
    EXPECT_EQ(d.PrekryvMm(StranaPrekryvu::Prava), 10);
    EXPECT_EQ(d.PrekryvMm(StranaPrekryvu::Horni), 32);
    EXPECT_EQ(d.PrekryvMm(StranaPrekryvu::Dolni), 10);
    EXPECT_EQ(d.PomSirka(StranaPrekryvu::Leva), 10);
    EXPECT_EQ(d.PomSirka(StranaPrekryvu::Prava), 2);
    EXPECT_EQ(d.PomSirka(StranaPrekryvu::Horni), 6); // 6.4 rounded
    EXPECT_EQ(d.PomSirka(StranaPrekryvu::Dolni), 2);

    d.NicButtonClick();
    EXPECT_EQ(Hodnoty(d), (std::vector<int>{150, 850, 150, 850, 150, 800, 1200, 1850, 150, 800, 1200, 1850}));
    EXPECT_TRUE(m.empty());
}

TEST(PrekryvTest, OverallLimitsOfTheOverlays)
{
    struct Pripad {
        const char *popis;
        std::function<void(Session &)> nastav;
        int maxSirka, minSirka, minVyska;
        int pvl, pvp, pvh, pvd;              // stored overlays (confirmed before)
        int ppl, ppp, pph, ppd;              // the fields on entry
        int okL, okP, okH, okD;              // stored by OK
    } pripady[] = {
        {"plain", [](Session &) {}, 1200, 0, 0, 100, 100, 10, 10, 100, 100, 10, 10, 100, 100, 10, 10},
        // Decor aluminium: 1130 overall; the overlay put in last is lowered.
        {"decor aluminium", [](Session &s) { s.SHlinik = true; s.SBarva1.DBarva.DDekor = true; },
         1130, 0, 0, 100, 100, 10, 10, 100, 30, 10, 10, 100, 30, 10, 10},
        {"decor inner aluminium", [](Session &s) { s.SHlinik2 = true; s.SBarva1.DBarva.DDekor = true; },
         1130, 0, 0, 10, 200, 10, 10, 10, 120, 10, 10, 10, 120, 10, 10},
        {"decor without aluminium", [](Session &s) { s.SBarva1.DBarva.DDekor = true; },
         1200, 0, 0, 100, 100, 10, 10, 100, 100, 10, 10, 100, 100, 10, 10},
        {"height at most 2400", [](Session &) {}, 1200, 0, 0, 10, 10, 300, 300, 10, 10, 300, 100, 10, 10, 300, 100},
        // Glass: at least 850 x 1950; OK raises left and top.
        {"glass 800 x 1900", [](Session &s) { s.SGlas = true; s.SSirka = 800; s.SVyska = 1900; },
         1200, 850, 1950, 10, 10, 10, 10, 10, 10, 10, 10, 40, 10, 40, 10},
        {"glass: a stored right overlay raised on entry", [](Session &s) { s.SGlas = true; s.SSirka = 800; },
         1200, 850, 1950, 10, 20, 10, 10, 10, 40, 10, 10, 10, 40, 10, 10},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        Session s = Relace();
        p.nastav(s);
        s.PrekryvVybran = true;
        s.PVL = p.pvl, s.PVP = p.pvp, s.PVH = p.pvh, s.PVD = p.pvd;
        FakeMessages m;
        TVPrekryv d(s, m);
        EXPECT_EQ(d.MaxSirka(), p.maxSirka);
        EXPECT_EQ(d.MinSirka(), p.minSirka);
        EXPECT_EQ(d.MinVyska(), p.minVyska);
        EXPECT_EQ(d.PrekryvMm(StranaPrekryvu::Leva), p.ppl);
        EXPECT_EQ(d.PrekryvMm(StranaPrekryvu::Prava), p.ppp);
        EXPECT_EQ(d.PrekryvMm(StranaPrekryvu::Horni), p.pph);
        EXPECT_EQ(d.PrekryvMm(StranaPrekryvu::Dolni), p.ppd);
        EXPECT_EQ(d.Potvrd(), kVysledekOK);
        EXPECT_TRUE(s.PrekryvVybran);
        EXPECT_EQ(s.PVL, p.okL);
        EXPECT_EQ(s.PVP, p.okP);
        EXPECT_EQ(s.PVH, p.okH);
        EXPECT_EQ(s.PVD, p.okD);
        EXPECT_TRUE(m.empty());
    }
}

TEST(PrekryvTest, GlassStandardFasteningRaisesBottomAndRight)
{
    Session s = Relace();
    s.SGlas = true;
    s.SSirka = 800;
    s.SVyska = 1900;
    FakeMessages m;
    TVPrekryv d(s, m); // not confirmed before: standard fastening
    EXPECT_EQ(d.PrekryvMm(StranaPrekryvu::Prava), 40);
    EXPECT_EQ(d.PrekryvMm(StranaPrekryvu::Dolni), 40);
    EXPECT_EQ(d.PrekryvMm(StranaPrekryvu::Leva), 10);
    EXPECT_EQ(d.PomSirka(StranaPrekryvu::Prava), 8);
    EXPECT_EQ(d.PomSirka(StranaPrekryvu::Dolni), 8);
    d.NastavPrekryv(StranaPrekryvu::Leva, 500); // 500 + 800 + 40 > 1200
    EXPECT_EQ(d.PrekryvMm(StranaPrekryvu::Leva), 360);
    EXPECT_EQ(d.PomSirka(StranaPrekryvu::Leva), 72);
    d.NastavPrekryv(StranaPrekryvu::Horni, 5000); // clamped to 2000, then 2400 overall
    EXPECT_EQ(d.PrekryvMm(StranaPrekryvu::Horni), 460);
}

TEST(PrekryvTest, FieldsOKAndCancel)
{
    Session s = Relace();
    s.PrekryvVybran = true;
    s.PVL = 50, s.PVP = 60, s.PVH = 70, s.PVD = 80;
    s.PVL2 = 33;
    const auto pred = Snimej(s);
    FakeMessages m;
    {
        TVPrekryv d(s, m);
        d.Napis(Kotva::H1, "300");
        d.Krok(Kotva::L4, 10);
        d.NicButtonClick();
        d.NastavPrekryv(StranaPrekryvu::Leva, 300);
        // Left without OK.
    }
    EXPECT_EQ(qmrtest::Rozdily(pred, Snimej(s)), "");

    TVPrekryv d(s, m);
    d.Napis(Kotva::H1, "300");
    d.Krok(Kotva::L4, 10); // 1850 + 100, clamped to 1910
    EXPECT_EQ(d.Pole(Kotva::L4).Text, "1910");
    d.Napis(Kotva::P2, "9999"); // as typed until left
    EXPECT_EQ(d.Hodnota(Kotva::P2), 9999);
    d.Napis(Kotva::D1, "");
    d.Opust(Kotva::D1);
    EXPECT_EQ(d.Pole(Kotva::D1).Text, "90"); // no number reads as the minimum
    EXPECT_EQ(d.Potvrd(), kVysledekOK);
    EXPECT_EQ(Ulozene(s), (std::vector<int>{300, 850, 90, 850, 150, 800, 1200, 1910, 150, 910, 1200, 1850}));
    EXPECT_EQ(s.PVL, 50);
    EXPECT_EQ(s.PVP, 60);
    EXPECT_EQ(s.PVH, 70);
    EXPECT_EQ(s.PVD, 80);
    EXPECT_EQ(s.PVL2, 33);
    EXPECT_TRUE(m.empty());
}

TEST(PrekryvTest, SketchOutlinesMarkersAndGlass)
{
    struct Pripad {
        const char *popis;
        std::function<void(Session &)> nastav;
        int vyplnLeft;
        bool sklo;
        int sklaLeft;
    } pripady[] = {
        // Overlays 50, 50, 30, 20 mm: 10, 10, 6, 4 px; the panel 200 x 400 px.
        {"centred", [](Session &) {}, 122, true, 172},
        {"eccentric right-hand", [](Session &s) { s.SExcentr = true; s.SPrava = true; }, 132, true, 220},
        {"eccentric left-hand", [](Session &s) { s.SExcentr = true; }, 122, true, 134},
        {"eccentric two-colour", [](Session &s) { s.SExcentr = true; s.SPrava = true; s.SDvojbarva = true; },
         132, true, 182},
        {"no glass in K0", [](Session &s) { s.SVypln.DVypln.Kod = "K0"; }, 122, false, 172},
        {"no glass in W0", [](Session &s) { s.SVypln.DVypln.Kod = "W0"; }, 122, false, 172},
        {"Z-profile with lines", [](Session &s) { s.Carame = true; s.SZetkova = true; }, 122, false, 172},
        {"lines without profile", [](Session &s) { s.Carame = true; }, 122, true, 172},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        Session s = Relace();
        s.PrekryvVybran = true;
        s.PVL = 50, s.PVP = 50, s.PVH = 30, s.PVD = 20;
        p.nastav(s);
        FakeMessages m;
        TVPrekryv d(s, m, 100, 150);
        const RozlozeniPrekryvu r = d.Rozlozeni();
        EXPECT_EQ(r.Podklad, (Tvar{112, 33, 240, 480, true}));
        EXPECT_EQ(r.Vypln, (Tvar{p.vyplnLeft, 39, 200, 400, true}));
        EXPECT_EQ(r.Orez, (Tvar{p.vyplnLeft - 10, 33, 220, 410, true}));
        EXPECT_EQ(r.Skla.Viditelny, p.sklo);
        if (p.sklo) {
            EXPECT_EQ(r.Skla, (Tvar{p.sklaLeft, 164, 100, 150, true}));
            EXPECT_EQ(r.Zakryt, (Tvar{p.sklaLeft - 1, 163, 101, 151, true}));
        }
        EXPECT_FALSE(r.Zakryt.Viditelny && !p.sklo);
        // Markers centred on the standard points.
        const int l = p.vyplnLeft;
        EXPECT_EQ(r.Znacky[0], (Tvar{l + 30 - 10, 29, 20, 20, true}));   // G1 150
        EXPECT_EQ(r.Znacky[3], (Tvar{l + 170 - 10, 429, 20, 20, true}));  // D2 850
        EXPECT_EQ(r.Znacky[4], (Tvar{l - 10, 39 + 370 - 10, 20, 20, true})); // L1 150
        EXPECT_EQ(r.Znacky[11], (Tvar{l + 190, 39 + 30 - 10, 20, 20, true})); // P4 1850
    }

    // A marker follows its field.
    Session s = Relace();
    FakeMessages m;
    TVPrekryv d(s, m);
    d.Napis(Kotva::H2, "603");
    EXPECT_EQ(d.Rozlozeni().Znacky[1].Left, 114 + 121 - 10);
    d.Napis(Kotva::L3, "1003");
    EXPECT_EQ(d.Rozlozeni().Znacky[6].Top, 35 + 199 - 10);
}

TEST(PrekryvTest, ProfileLinesOfAStandardPanel)
{
    Session s = Relace();
    s.SSirka = 1000;
    s.SVyska = 2200;
    s.PrekryvVybran = true;
    s.PVL = 50, s.PVP = 50, s.PVH = 30, s.PVD = 20;
    s.Carame = true;
    s.SEnkova = true;
    TCary &c = s.SCary;
    c.Tloustka = 10;
    c.HPocet = 3;
    c.Hpos[1] = 1000, c.Hrel[1] = 100;                   // whole width
    c.Hpos[2] = 500, c.Hrel[2] = 30;                     // from the left
    c.Hpos[3] = 0, c.Hrel[3] = 30, c.Hneg[3] = true;     // from the right
    c.VPocet = 1;
    s.PV1Left = 300;
    s.RantlLeft = 250;
    FakeMessages m;
    TVPrekryv d(s, m);
    const RozlozeniPrekryvu r = d.Rozlozeni();
    EXPECT_EQ(r.PH[0], (Tvar{112, 279, 220, 2, true}));
    EXPECT_EQ(r.PH[1], (Tvar{112, 379, 70, 2, true}));
    EXPECT_EQ(r.PH[2], (Tvar{262, 479, 70, 2, true}));
    EXPECT_FALSE(r.PH[3].Viditelny);
    EXPECT_EQ(r.PV[0], (Tvar{172, 33, 2, 450, true}));
    EXPECT_FALSE(r.PV[1].Viditelny);
    EXPECT_FALSE(r.Skla.Viditelny);

    // A narrower, lower panel moves the lines by the difference to the standard one.
    s.SSirka = 900;
    s.SVyska = 2000;
    TVPrekryv e(s, m);
    const RozlozeniPrekryvu q = e.Rozlozeni();
    EXPECT_EQ(q.PH[0].Top, 279 - 20);       // T = 20
    EXPECT_EQ(q.PH[0].Width, 200);
    EXPECT_EQ(q.PH[1].Width, 60);           // K = 10
    EXPECT_EQ(q.PH[2].Width, 60);
    EXPECT_EQ(q.PH[2].Left, 262 - 10);
}
