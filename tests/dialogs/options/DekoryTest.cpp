// The glass dialog over the demo catalogue: which panes are asked for and what each list
// offers, the automatic choices, pictures, warnings, the OK rule, what confirmation
// writes, the convex-glass refusal and Cancel.
#include "dialogs/options/UDekory.h"

#include "SnimekSkla.h"
#include "core/TSifraSoubor.h"
#include "support/FakeMessages.h"
#include "support/FakePictureStore.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

using namespace qmr;
using qmrtest::FakeMessages;
using qmrtest::FakePictureStore;

namespace {

using Seznam = std::vector<std::string>;

// The demo glasses by where they may go (Aura, format 1, glazing S1: every class priced).
const Seznam kDvojsklo{"Float przezroczysty 3 mm", "Float przezroczysty 4 mm", "Kropla", "Laminowane 3.3.1",
                       "Laminowane 3.3.3", "Mat satynowy", "Mroźny kwiat", "Ornament Kora",
                       "Szkło wypukłe Fala", "Szron"};
const Seznam kDvojskloBezConnex{"Float przezroczysty 3 mm", "Float przezroczysty 4 mm", "Kropla",
                                "Mat satynowy", "Mroźny kwiat", "Ornament Kora", "Szkło wypukłe Fala", "Szron"};
const Seznam kFloaty{"Float przezroczysty 3 mm", "Float przezroczysty 4 mm"};
const Seznam kTroj1{"Float przezroczysty 4 mm", "Kropla", "Mat satynowy", "Ornament Kora", "Szkło wypukłe Fala",
                    "Szron"};
const Seznam kTroj2{"Float przezroczysty 3 mm", "Float przezroczysty 4 mm", "Laminowane 3.3.1", "Laminowane 3.3.3",
                    "Mat satynowy", "Mroźny kwiat", "Szron"};
const Seznam kTroj2BezConnex{"Float przezroczysty 3 mm", "Float przezroczysty 4 mm", "Mat satynowy", "Mroźny kwiat",
                             "Szron"};
const Seznam kTrojU{"Float przezroczysty 3 mm", "Float przezroczysty 4 mm", "Hartowane 6 mm", "Laminowane 3.3.1"};
const Seznam kSklenenaVnitrni{"Float przezroczysty 3 mm", "Float przezroczysty 4 mm", "Kropla", "Laminowane 3.3.3",
                              "Mat satynowy", "Mroźny kwiat", "Ornament Kora", "Szkło wypukłe Fala", "Szron"};

class DemoDekory : public ::testing::Test {
public:
    void SetUp() override
    {
        namespace fs = std::filesystem;
        const fs::path demo = fs::path(qmrtest::programDir()) / "DATA";
        if (!fs::exists(demo / "dekory.qmr"))
            GTEST_SKIP() << "the demo catalogue is not built: " << demo;
        fs::copy(demo, dir.path() / "DATA", fs::copy_options::recursive);
        zaklad();
    }

    // A fresh session on the copied catalogue: Aura, format 1, glazing S1, no reinforcement.
    void zaklad()
    {
        s = Session();
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        aura();
        s.SFormat = 1;
        s.SZaskleni = 1;
        s.SVyztuz = 0;
        obrazky.everythingExists = true;
    }

    void aura()
    {
        s.SVypln.DVypln.Polozka = 0;
        s.SVypln.DVypln.Nazev = "Aura";
        s.SVypln.DVypln.Kod = "PA";
        s.SGlas = false;
    }
    void sklenena()
    {
        s.SVypln.DVypln.Polozka = 0;
        s.SVypln.DVypln.Nazev = "Kryształ";
        s.SVypln.DVypln.Kod = "G1";
        s.SGlas = true;
    }
    void trojsklo() { s.STrojsklo = true; }
    void ctyrsklo()
    {
        s.STrojsklo = true;
        s.SCtyrsklo = true;
        s.SPrekryvna = true;
        s.SPrekryv = 2;
    }
    void vitraz(int pis)
    {
        s.VitrazVybrana = true;
        s.SVitraz.DVitraz.Polozka = 0;
        s.SVitraz.DVitraz.VitrPis = pis;
    }

    qmrtest::TempDir dir;
    Session s;
    FakeMessages zpravy;
    FakePictureStore obrazky;
};

int radek(const TVDekory &d, Tabule t, const std::string &nazev)
{
    const Seznam &l = d.Panel(t).Seznam;
    const auto it = std::find(l.begin(), l.end(), nazev);
    return it == l.end() ? -1 : int(it - l.begin());
}

// Clicks the glass in its list; fails the test when the list does not offer it.
void vyber(TVDekory &d, Tabule t, const std::string &nazev)
{
    const int r = radek(d, t, nazev);
    ASSERT_GE(r, 0) << nazev << " is not offered";
    d.Vyber(t, r);
}

} // namespace

TEST_F(DemoDekory, EachGlazingOffersWhatTheCatalogueAllows)
{
    struct Pripad {
        const char *popis;
        std::function<void(DemoDekory &)> nastav;
        Seznam s1, sP, sP2, s2;
        bool seznam1Povolen = true;
        bool panelP = false, panelP2 = false;
    } pripady[] = {
        {"double glazing, every class priced", [](DemoDekory &) {}, kDvojsklo, {}, {}, kDvojsklo},
        {"a glazing without glass prices offers the free glasses only",
         [](DemoDekory &t) {
             t.s.SFormat = 2;
             t.s.SZaskleni = 3;
         },
         kFloaty, {}, {}, kFloaty},
        {"triple glazing", [](DemoDekory &t) { t.trojsklo(); }, kTroj1, kTrojU, {}, kTroj2, true, true},
        {"quadruple glazing", [](DemoDekory &t) { t.ctyrsklo(); }, kTroj1, kTrojU, kTrojU, kTroj2, true, true, true},
        {"sound damping prescribes the outer pane", [](DemoDekory &t) { t.s.SVyztuz = 5; },
         {"Float 8 mm (35 dB)"}, {}, {}, kDvojsklo},
        {"RC2 prescribes the outer pane; thin panel: no laminated inner pane",
         [](DemoDekory &t) { t.s.SVyztuz = 4; }, {"Laminowane 4.4.4 (RC2)"}, {}, {}, kDvojskloBezConnex},
        {"RC2 thickened by 4 mm takes laminated glass inside",
         [](DemoDekory &t) {
             t.s.SVyztuz = 4;
             t.s.SZesil = 4;
         },
         {"Laminowane 4.4.4 (RC2)"}, {}, {}, kDvojsklo},
        {"RC2 triple glazing thickened by 14 mm: no laminated inner pane",
         [](DemoDekory &t) {
             t.s.SVyztuz = 4;
             t.s.SZesil = 14;
             t.trojsklo();
         },
         {"Laminowane 4.4.4 (RC2)"}, kTrojU, {}, kTroj2BezConnex, true, true},
        {"RC2 triple glazing thickened by 15 mm",
         [](DemoDekory &t) {
             t.s.SVyztuz = 4;
             t.s.SZesil = 15;
             t.trojsklo();
         },
         {"Laminowane 4.4.4 (RC2)"}, kTrojU, {}, kTroj2, true, true},
        {"glass infill: no outer pane", [](DemoDekory &t) { t.sklenena(); }, {}, {}, {}, kSklenenaVnitrni, false},
        {"glass infill, triple glazing: laminated 3.3.3 inside",
         [](DemoDekory &t) {
             t.sklenena();
             t.trojsklo();
         },
         {}, {"Float przezroczysty 3 mm", "Float przezroczysty 4 mm", "Hartowane 6 mm"}, {}, {"Laminowane 3.3.3"},
         false, true},
        {"fused glass replaces the outer pane", [](DemoDekory &t) { t.vitraz(3); }, {}, {}, {}, kDvojsklo, false},
        {"fused glass, triple glazing: the middle pane is asked for",
         [](DemoDekory &t) {
             t.vitraz(3);
             t.trojsklo();
         },
         {}, kTrojU, {}, kTroj2, false, true},
        {"sand-blasted glass replaces the outer pane of double glazing", [](DemoDekory &t) { t.vitraz(1); }, {}, {},
         {}, kDvojsklo, false},
        {"sand-blasted glass replaces the middle pane of triple glazing",
         [](DemoDekory &t) {
             t.vitraz(1);
             t.trojsklo();
         },
         kTroj1, {}, {}, kTroj2},
        {"a cleared stained glass no longer counts",
         [](DemoDekory &t) {
             t.vitraz(3);
             t.s.VitrazVybrana = false;
         },
         kDvojsklo, {}, {}, kDvojsklo},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        zaklad();
        p.nastav(*this);
        TVDekory d(s, zpravy, obrazky);
        EXPECT_EQ(d.Panel(Tabule::Vnejsi).Seznam, p.s1);
        EXPECT_EQ(d.Panel(Tabule::Druha).Seznam, p.sP);
        EXPECT_EQ(d.Panel(Tabule::Treti).Seznam, p.sP2);
        EXPECT_EQ(d.Panel(Tabule::Vnitrni).Seznam, p.s2);
        EXPECT_EQ(d.Panel(Tabule::Vnejsi).SeznamPovolen, p.seznam1Povolen);
        EXPECT_TRUE(d.Panel(Tabule::Vnejsi).Viditelny);
        EXPECT_TRUE(d.Panel(Tabule::Vnitrni).Viditelny);
        EXPECT_EQ(d.Panel(Tabule::Druha).Viditelny, p.panelP);
        EXPECT_EQ(d.Panel(Tabule::Druha).Povoleny, p.panelP);
        EXPECT_EQ(d.Panel(Tabule::Treti).Viditelny, p.panelP2);
        EXPECT_FALSE(d.OKPovolen());
        for (Tabule t : kTabule) {
            EXPECT_EQ(d.Panel(t).Radek, -1);
            EXPECT_EQ(d.SelDekor(t).DDekor.Polozka, -1);
            EXPECT_FALSE(d.Panel(t).Vzorek.Viditelny);
        }
        EXPECT_TRUE(zpravy.empty()) << "the warnings wait for the activation";
    }
}

TEST_F(DemoDekory, GlassInfillNeverOffersTheGlassesPricedWithTheInfill)
{
    {
        TSifraSoubor f(s.apData + "dekory.qmr");
        f.WriteString("Laminowane 4.4.2", "Kod", "cx442");
        f.WriteInteger("Laminowane 4.4.2", "TypSkla", 2);
        f.WriteString("Float N1", "Kod", "nflt1");
        f.WriteBool("Float N1", "LTroj2", true);
        f.UpdateFile();
    }
    for (bool sklo : {false, true}) {
        SCOPED_TRACE(sklo ? "glass infill" : "ABS infill");
        if (sklo)
            sklenena();
        else
            aura();
        for (bool troj : {false, true}) {
            s.STrojsklo = troj;
            TVDekory d(s, zpravy, obrazky);
            const Seznam &vnitrni = d.Panel(Tabule::Vnitrni).Seznam;
            const bool nabizi442 = std::count(vnitrni.begin(), vnitrni.end(), "Laminowane 4.4.2") > 0;
            const bool nabiziN1 = std::count(vnitrni.begin(), vnitrni.end(), "Float N1") > 0;
            EXPECT_EQ(nabizi442, !sklo && !troj) << "triple glazing: cx442 is no inner pane (LTroj2)";
            EXPECT_EQ(nabiziN1, !sklo);
        }
    }
}

TEST_F(DemoDekory, ActivationChoosesThePrescribedAndTheOnlyGlasses)
{
    struct Pripad {
        const char *popis;
        std::function<void(DemoDekory &)> nastav;
        // The glass chosen after the activation in each column, empty for none.
        std::string v1, vP, vP2, v2;
        bool ok;
    } pripady[] = {
        {"sound damping: outer pane and first inner row",
         [](DemoDekory &t) { t.s.SVyztuz = 5; }, "Float 8 mm (35 dB)", "", "", "Float przezroczysty 3 mm", true},
        {"RC2 triple glazing: also the first middle row",
         [](DemoDekory &t) {
             t.s.SVyztuz = 4;
             t.s.SZesil = 13;
             t.trojsklo();
         },
         "Laminowane 4.4.4 (RC2)", "Float przezroczysty 3 mm", "", "Float przezroczysty 3 mm", true},
        {"RC2 quadruple glazing: the third pane stays to be chosen",
         [](DemoDekory &t) {
             t.s.SVyztuz = 4;
             t.ctyrsklo();
         },
         "Laminowane 4.4.4 (RC2)", "Float przezroczysty 3 mm", "", "Float przezroczysty 3 mm", false},
        {"single rows: the outer pane of an unpriced triple glazing",
         [](DemoDekory &t) {
             t.s.SFormat = 2;
             t.s.SZaskleni = 3;
             t.trojsklo();
         },
         "Float przezroczysty 4 mm", "", "", "", false},
        {"single rows: the inner pane of a glass infill with triple glazing",
         [](DemoDekory &t) {
             t.sklenena();
             t.trojsklo();
         },
         "", "", "", "Laminowane 3.3.3", false},
        {"nothing when every list has several rows", [](DemoDekory &) {}, "", "", "", "", false},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        zaklad();
        p.nastav(*this);
        TVDekory d(s, zpravy, obrazky);
        d.Aktivuj();
        EXPECT_TRUE(d.Aktivovan());
        const auto nazev = [&d](Tabule t) { return d.SelDekor(t).DDekor.Nazev; };
        EXPECT_EQ(nazev(Tabule::Vnejsi), p.v1);
        EXPECT_EQ(nazev(Tabule::Druha), p.vP);
        EXPECT_EQ(nazev(Tabule::Treti), p.vP2);
        EXPECT_EQ(nazev(Tabule::Vnitrni), p.v2);
        for (Tabule t : kTabule)
            EXPECT_EQ(d.Panel(t).Radek, d.SelDekor(t).DDekor.Polozka);
        EXPECT_EQ(d.OKPovolen(), p.ok);
        EXPECT_TRUE(zpravy.empty());
    }
}

TEST_F(DemoDekory, RC2OnAGlassInfillChoosesItsGlassButStoresNoOuterPane)
{
    sklenena();
    s.SVyztuz = 4;
    TVDekory d(s, zpravy, obrazky);
    EXPECT_EQ(d.Panel(Tabule::Vnejsi).Seznam, Seznam{"Laminowane 4.4.4 (RC2)"});
    EXPECT_FALSE(d.Panel(Tabule::Vnejsi).SeznamPovolen);
    d.Aktivuj();
    EXPECT_EQ(d.SelDekor(Tabule::Vnejsi).DDekor.Kod, "cx444");
    ASSERT_TRUE(d.OKPovolen());
    EXPECT_EQ(d.Potvrd(), kVysledekOK);
    EXPECT_TRUE(s.DekoryVybrany);
    EXPECT_EQ(s.SDekor1.DDekor.Polozka, -1) << "a pane not asked for is stored empty";
    EXPECT_EQ(s.SDekor1.DDekor.Kod, "");
    EXPECT_EQ(s.SDekor2.DDekor.Nazev, "Float przezroczysty 3 mm");
}

TEST_F(DemoDekory, ChoosingReadsTheGlassAndFindsItsPicture)
{
    obrazky.everythingExists = false;
    const auto dekor = [this](const std::string &jmeno) { return s.apCesta + "DEKORY/" + jmeno + ".jpg"; };
    struct Pripad {
        const char *nazev;
        std::vector<std::string> soubory;
        std::string obrazek; // empty: hidden
    } pripady[] = {
        {"Kropla", {"krp4"}, "krp4"},
        {"Kropla", {}, ""},
        {"Szkło wypukłe Fala", {"wyp6PAS1", "wyp6PA", "wyp6"}, "wyp6PAS1"},
        {"Szkło wypukłe Fala", {"wyp6PA", "wyp6"}, "wyp6PA"},
        {"Szkło wypukłe Fala", {"wyp6", "wyp6PAS2"}, ""},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(std::string(p.nazev) + " -> " + p.obrazek);
        FakePictureStore store;
        for (const auto &f : p.soubory)
            store.Add(dekor(f));
        TVDekory d(s, zpravy, store);
        vyber(d, Tabule::Vnitrni, p.nazev);
        const Obrazek &o = d.Panel(Tabule::Vnitrni).Vzorek;
        EXPECT_EQ(o.Viditelny, !p.obrazek.empty());
        EXPECT_EQ(o.Cesta, p.obrazek.empty() ? "" : dekor(p.obrazek));
    }

    TVDekory d(s, zpravy, obrazky);
    vyber(d, Tabule::Vnejsi, "Szkło wypukłe Fala");
    const TDdekor &v = d.SelDekor(Tabule::Vnejsi).DDekor;
    EXPECT_EQ(v.Polozka, 8);
    EXPECT_EQ(d.Panel(Tabule::Vnejsi).Radek, 8);
    EXPECT_EQ(v.Nazev, "Szkło wypukłe Fala");
    EXPECT_EQ(v.Kod, "wyp6");
    EXPECT_EQ(v.TypSkla, 4);
    EXPECT_EQ(v.Tloustka, 6);
    // A click that selects no row, and a row beyond the list, change nothing.
    d.Vyber(Tabule::Vnejsi, -1);
    d.Vyber(Tabule::Vnejsi, int(kDvojsklo.size()));
    EXPECT_EQ(d.SelDekor(Tabule::Vnejsi).DDekor.Kod, "wyp6");
    EXPECT_EQ(d.Panel(Tabule::Vnejsi).Radek, 8);
    // A hidden column takes no choice.
    d.Vyber(Tabule::Druha, 0);
    EXPECT_EQ(d.SelDekor(Tabule::Druha).DDekor.Polozka, -1);
}

TEST_F(DemoDekory, WarningsOfTheStainedGlass)
{
    struct Pripad {
        const char *popis;
        int pis; // -1 none chosen
        bool troj;
        Tabule kde;
        std::vector<std::string> texty;
    } pripady[] = {
        {"sand-blasted with decor: on activation", 2, false, Tabule::Vnejsi,
         {"W katalogu wyobraźony martele czysty"}},
        {"stained glass, triple glazing: the inner pane lowers U", 0, true, Tabule::Vnitrni,
         {"Poprzez instalację witrażu obniża się wartość U do 1,3!"}},
        {"stained glass, triple glazing, outer pane: no warning", 0, true, Tabule::Vnejsi, {}},
        {"stained glass, double glazing: no warning", 0, false, Tabule::Vnitrni, {}},
        {"fused glass, triple glazing: no warning", 3, true, Tabule::Vnitrni, {}},
        {"no stained glass", -1, true, Tabule::Vnitrni, {}},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        zpravy.clear();
        s.STrojsklo = p.troj;
        s.VitrazVybrana = false;
        if (p.pis >= 0)
            vitraz(p.pis);
        TVDekory d(s, zpravy, obrazky);
        d.Aktivuj();
        d.Aktivuj(); // once per opening
        vyber(d, p.kde, "Float przezroczysty 4 mm");
        EXPECT_EQ(zpravy.texts(), p.texty);
        for (const auto &c : zpravy.calls()) {
            EXPECT_EQ(c.caption, "UWAGA!");
            EXPECT_EQ(c.flags, MB_ICONWARNING | MB_OK);
        }
    }
}

TEST_F(DemoDekory, OkNeedsEveryPaneAskedFor)
{
    struct Pripad {
        const char *popis;
        std::function<void(DemoDekory &)> nastav;
        std::vector<Tabule> poradi; // clicked in this order; OK only after the last
    } pripady[] = {
        {"double glazing", [](DemoDekory &) {}, {Tabule::Vnejsi, Tabule::Vnitrni}},
        {"triple glazing", [](DemoDekory &t) { t.trojsklo(); }, {Tabule::Vnitrni, Tabule::Druha, Tabule::Vnejsi}},
        {"quadruple glazing", [](DemoDekory &t) { t.ctyrsklo(); },
         {Tabule::Treti, Tabule::Vnejsi, Tabule::Vnitrni, Tabule::Druha}},
        {"fused glass: no outer pane", [](DemoDekory &t) { t.vitraz(3); }, {Tabule::Vnitrni}},
        {"stained glass, triple glazing: no middle pane",
         [](DemoDekory &t) {
             t.vitraz(0);
             t.trojsklo();
         },
         {Tabule::Vnejsi, Tabule::Vnitrni}},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        zaklad();
        p.nastav(*this);
        TVDekory d(s, zpravy, obrazky);
        for (std::size_t i = 0; i < p.poradi.size(); ++i) {
            EXPECT_FALSE(d.OKPovolen()) << "before click " << i;
            d.Vyber(p.poradi[i], 0);
            EXPECT_EQ(d.SelDekor(p.poradi[i]).DDekor.Polozka, 0);
        }
        EXPECT_TRUE(d.OKPovolen());
    }
}

TEST_F(DemoDekory, ConfirmationWritesEveryPane)
{
    ctyrsklo();
    s.SDekor1.DDekor.Nazev = "earlier";
    TVDekory d(s, zpravy, obrazky);
    vyber(d, Tabule::Vnejsi, "Kropla");
    vyber(d, Tabule::Druha, "Hartowane 6 mm");
    vyber(d, Tabule::Treti, "Laminowane 3.3.1");
    vyber(d, Tabule::Vnitrni, "Mroźny kwiat");
    ASSERT_TRUE(d.OKPovolen());
    EXPECT_EQ(d.Potvrd(), kVysledekOK);
    EXPECT_TRUE(s.DekoryVybrany);
    const auto je = [](const TDekor &d, int polozka, const char *nazev, const char *kod, int typ, int tl) {
        EXPECT_EQ(d.DDekor.Polozka, polozka);
        EXPECT_EQ(d.DDekor.Nazev, nazev);
        EXPECT_EQ(d.DDekor.Kod, kod);
        EXPECT_EQ(d.DDekor.TypSkla, typ);
        EXPECT_EQ(d.DDekor.Tloustka, tl);
    };
    je(s.SDekor1, 1, "Kropla", "krp4", 2, 4);
    je(s.SDekorP, 2, "Hartowane 6 mm", "hrt6", 1, 6);
    je(s.SDekor4, 3, "Laminowane 3.3.1", "cx331", 3, 7);
    je(s.SDekor2, 5, "Mroźny kwiat", "mkw4", 2, 4);
    EXPECT_TRUE(zpravy.empty());

    // The next opening starts with nothing chosen; a triple glazing stores no third pane.
    s.SCtyrsklo = false;
    s.SPrekryvna = false;
    s.SPrekryv = 0;
    TVDekory znovu(s, zpravy, obrazky);
    for (Tabule t : kTabule)
        EXPECT_EQ(znovu.SelDekor(t).DDekor.Polozka, -1);
    vyber(znovu, Tabule::Vnejsi, "Szron");
    vyber(znovu, Tabule::Druha, "Float przezroczysty 3 mm");
    vyber(znovu, Tabule::Vnitrni, "Szron");
    EXPECT_EQ(znovu.Potvrd(), kVysledekOK);
    EXPECT_EQ(s.SDekor1.DDekor.Kod, "szr4");
    EXPECT_EQ(s.SDekorP.DDekor.Kod, "flt3");
    EXPECT_EQ(s.SDekor4.DDekor.Polozka, -1);
    EXPECT_EQ(s.SDekor4.DDekor.Kod, "");
}

TEST_F(DemoDekory, ConvexGlassOnBothSidesIsRefusedAndKeepsThePreviousPanes)
{
    s.DekoryVybrany = true;
    s.SDekor1.DDekor = {3, "Mat satynowy", "mat4", 1, 4};
    s.SDekor2.DDekor = {9, "Szron", "szr4", 1, 4};
    const qmrtest::Snimek pred = qmrtest::SnimejSkla(s);
    TVDekory d(s, zpravy, obrazky);
    d.Aktivuj();
    vyber(d, Tabule::Vnejsi, "Szkło wypukłe Fala");
    vyber(d, Tabule::Vnitrni, "Szkło wypukłe Fala");
    ASSERT_TRUE(d.OKPovolen());
    EXPECT_EQ(d.Potvrd(), kVysledekOK) << "the dialog closes";
    EXPECT_EQ(zpravy.texts(), std::vector<std::string>{"Szkło wypukłe może być tylko raz!"});
    EXPECT_EQ(zpravy.last().caption, "UWAGA!");
    EXPECT_EQ(qmrtest::Rozdily(pred, qmrtest::SnimejSkla(s)), "");

    // Convex glass on one side only is taken.
    TVDekory jednou(s, zpravy, obrazky);
    vyber(jednou, Tabule::Vnejsi, "Szkło wypukłe Fala");
    vyber(jednou, Tabule::Vnitrni, "Kropla");
    EXPECT_EQ(jednou.Potvrd(), kVysledekOK);
    EXPECT_EQ(s.SDekor1.DDekor.Kod, "wyp6");
    EXPECT_EQ(s.SDekor2.DDekor.Kod, "krp4");
}

TEST_F(DemoDekory, CancelLeavesTheSessionAsItWas)
{
    const std::function<void(DemoDekory &)> stavy[] = {
        [](DemoDekory &) {},
        [](DemoDekory &t) { t.ctyrsklo(); },
        [](DemoDekory &t) { t.s.SVyztuz = 5; },
        [](DemoDekory &t) {
            t.sklenena();
            t.s.SVyztuz = 4;
            t.trojsklo();
        },
        [](DemoDekory &t) {
            t.vitraz(2);
            t.trojsklo();
        },
    };
    int i = 0;
    for (const auto &nastav : stavy) {
        SCOPED_TRACE(i++);
        zaklad();
        nastav(*this);
        s.DekoryVybrany = true;
        s.SDekor1.DDekor = {3, "Mat satynowy", "mat4", 1, 4};
        s.SDekor2.DDekor = {9, "Szron", "szr4", 1, 4};
        s.SDekorP.DDekor = {0, "Float przezroczysty 3 mm", "flt3", 0, 3};
        const qmrtest::Snimek pred = qmrtest::SnimejSkla(s);
        {
            TVDekory d(s, zpravy, obrazky);
            d.Aktivuj();
            for (Tabule t : kTabule)
                d.Vyber(t, int(d.Panel(t).Seznam.size()) - 1);
        }
        EXPECT_EQ(qmrtest::Rozdily(pred, qmrtest::SnimejSkla(s)), "");
    }
}

TEST_F(DemoDekory, ColumnsAreClosedUpAndPlacedByTheAxisRule)
{
    s.VolbaLeft = 100;
    s.VolbaTop = 50;
    EXPECT_STREQ(TVDekory::kTitulek, "Wybór szkła (dekorów)");
    EXPECT_STREQ(TVDekory::kOKButton, "O&K");
    EXPECT_STREQ(TVDekory::kEscButton, "&Anuluj");
    struct Pripad {
        std::function<void(DemoDekory &)> nastav;
        std::vector<Tabule> sloupce;
    } pripady[] = {
        {[](DemoDekory &) {}, {Tabule::Vnejsi, Tabule::Vnitrni}},
        {[](DemoDekory &t) { t.vitraz(3); }, {Tabule::Vnejsi, Tabule::Vnitrni}},
        {[](DemoDekory &t) { t.trojsklo(); }, {Tabule::Vnejsi, Tabule::Druha, Tabule::Vnitrni}},
        {[](DemoDekory &t) { t.ctyrsklo(); }, {Tabule::Vnejsi, Tabule::Druha, Tabule::Treti, Tabule::Vnitrni}},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.sloupce.size());
        zaklad();
        s.VolbaLeft = 100;
        s.VolbaTop = 50;
        p.nastav(*this);
        TVDekory d(s, zpravy, obrazky);
        const RozlozeniDekoru &r = d.Rozlozeni();
        const Obdelnik *predchozi = nullptr;
        for (Tabule t : p.sloupce) {
            const Obdelnik &o = r.Panel[std::size_t(t)];
            EXPECT_TRUE(d.Panel(t).Viditelny);
            if (predchozi)
                EXPECT_EQ(o.Left, predchozi->Left + predchozi->Width + 10);
            else
                EXPECT_EQ(o.Left, 10);
            predchozi = &o;
        }
        EXPECT_EQ(r.Sirka, predchozi->Left + predchozi->Width + 10);
        if (p.sloupce.size() == 2) {
            EXPECT_EQ(predchozi->Width, 440);
            EXPECT_EQ(r.Seznam.Width, 420);
        }
        EXPECT_LE(r.Vzorek.Width, r.Seznam.Width);
        EXPECT_LT(r.Vyska, 597);
        EXPECT_EQ(d.Umisteni(r.Sirka, r.Vyska), (Bod{100, 50 + PulRound(600 - r.Vyska)}));
    }
    EXPECT_EQ(TVDekory(s, zpravy, obrazky).Umisteni(700, 400), (Bod{150, 150}));
}

TEST(KlicCenySkla, PrefixOfTheTypeFormatAndGlazing)
{
    EXPECT_EQ(KlicCenySkla(1, 2, 1), "BMF2S1");
    EXPECT_EQ(KlicCenySkla(2, 1, 3), "PSF1S3");
    EXPECT_EQ(KlicCenySkla(3, 1, 6), "SSMF1S6");
    EXPECT_EQ(KlicCenySkla(4, 2, 2), "VSF2S2");
    EXPECT_EQ(KlicCenySkla(0, 1, 1), "");
    EXPECT_EQ(KlicCenySkla(5, 1, 1), "");
}
