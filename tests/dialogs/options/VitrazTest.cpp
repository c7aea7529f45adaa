// The stained-glass dialog over the demo catalogue: what each infill, format and glazing
// offers, choosing with its text and picture, confirming, clearing and Cancel.
#include "dialogs/options/UVitraz.h"

#include "SnimekSkla.h"
#include "support/FakePictureStore.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

using namespace qmr;
using qmrtest::FakePictureStore;

namespace {

using Seznam = std::vector<std::string>;

class DemoVitraze : public ::testing::Test {
protected:
    void SetUp() override
    {
        namespace fs = std::filesystem;
        const fs::path demo = fs::path(qmrtest::programDir()) / "DATA";
        if (!fs::exists(demo / "vitraze.qmr"))
            GTEST_SKIP() << "the demo catalogue is not built: " << demo;
        fs::copy(demo, dir.path() / "DATA", fs::copy_options::recursive);
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        vypln("PA", 1, 1);
        obrazky.everythingExists = true;
    }

    void vypln(const char *kod, int format, int zaskleni)
    {
        s.SVypln.DVypln.Polozka = 0;
        s.SVypln.DVypln.Kod = kod;
        s.SFormat = format;
        s.SZaskleni = zaskleni;
    }

    std::string obrazek(const std::string &jmeno) const { return s.apCesta + "VITRAZE/" + jmeno + ".jpg"; }

    qmrtest::TempDir dir;
    Session s;
    FakePictureStore obrazky;
};

void vyber(TVVitraz &d, const std::string &nazev)
{
    const auto &l = d.Seznam();
    const auto it = std::find(l.begin(), l.end(), nazev);
    ASSERT_NE(it, l.end()) << nazev << " is not offered";
    d.Vyber(int(it - l.begin()));
}

} // namespace

TEST_F(DemoVitraze, OffersTheItemsOfTheInfillPricedForItsGlazing)
{
    struct Pripad {
        const char *kod;
        int format, zaskleni;
        Seznam seznam;
    } pripady[] = {
        {"PA", 1, 1, {"Piaskowane z dekorem Liście", "Szkło piaskowane Fale", "Witraż Tulipan"}},
        {"PA", 1, 3, {"Piaskowane z dekorem Liście", "Szkło piaskowane Fale", "Witraż Tulipan"}},
        {"PA", 2, 2, {"Piaskowane z dekorem Liście", "Szkło piaskowane Fale", "Witraż Tulipan"}},
        {"PA", 2, 3, {}}, // no price for format 2, glazing 3
        {"PA", 1, 0, {}},
        {"PB", 1, 2, {"Witraż Róża"}}, // the PA items are another infill's
        {"PB", 2, 2, {}},
        {"A1", 1, 1, {"Nanodruk Panorama", "Szkło topione Kryształki"}},
        {"A", 1, 1, {}},
        {"KA", 1, 1, {}},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(std::string(p.kod) + " F" + std::to_string(p.format) + "S" + std::to_string(p.zaskleni));
        vypln(p.kod, p.format, p.zaskleni);
        TVVitraz d(s, obrazky);
        EXPECT_EQ(d.Seznam(), p.seznam);
        EXPECT_EQ(d.Radek(), -1);
        EXPECT_FALSE(d.OKPovolen());
        EXPECT_FALSE(d.Image1().Viditelny);
        EXPECT_EQ(d.TextVitraze().Text, "");
        EXPECT_EQ(d.SelVitraz().DVitraz.Polozka, -1);
    }
    EXPECT_STREQ(TVVitraz::kTitulek, "Wybór witraży, szkła piaskowanego i spiekanego");
    EXPECT_STREQ(TVVitraz::kNicButton, "&Skasowań selekcję");
    EXPECT_EQ(TVVitraz::kVysledekNe, 7);
}

TEST_F(DemoVitraze, ChoosingReadsTheItemItsTextAndPicture)
{
    TVVitraz d(s, obrazky);
    vyber(d, "Szkło piaskowane Fale");
    const TDVitraz &v = d.SelVitraz().DVitraz;
    EXPECT_EQ(v.Polozka, 1);
    EXPECT_EQ(d.Radek(), 1);
    EXPECT_EQ(v.Nazev, "Szkło piaskowane Fale");
    EXPECT_EQ(v.Kod, "PAP01");
    EXPECT_EQ(v.VitrPis, 1);
    EXPECT_EQ(v.CF1S1, 1900);
    EXPECT_EQ(v.CF1S3, 2500);
    EXPECT_EQ(v.CF2S2, 2600);
    EXPECT_EQ(v.CF2S3, 0);
    EXPECT_EQ(d.TextVitraze().Text, "Szkło piaskowane Szkło piaskowane Fale");
    EXPECT_TRUE(d.OKPovolen());
    EXPECT_EQ(d.Image1().Cesta, obrazek("PAP01F1S1"));
    // No row selected changes nothing.
    d.Vyber(-1);
    d.Vyber(3);
    EXPECT_EQ(d.SelVitraz().DVitraz.Kod, "PAP01");
    EXPECT_EQ(d.Radek(), 1);

    // The picture falls back from the glazing to the format, to the code, to the code
    // split after the infill code.
    struct Pripad {
        std::vector<std::string> soubory;
        std::string cesta;
    } pripady[] = {
        {{"PAW01F1S1", "PAW01F1", "PAW01", "PA-W01"}, "PAW01F1S1"},
        {{"PAW01F1", "PAW01", "PA-W01", "PAW01F2S1"}, "PAW01F1"},
        {{"PAW01", "PA-W01", "PAW01F2"}, "PAW01"},
        {{"PA-W01"}, "PA-W01"},
        {{"PAW01S1", "PAW01F1S2"}, ""},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.cesta);
        FakePictureStore store;
        for (const auto &f : p.soubory)
            store.Add(obrazek(f));
        TVVitraz w(s, store);
        vyber(w, "Witraż Tulipan");
        EXPECT_EQ(w.Image1().Cesta, p.cesta.empty() ? "" : obrazek(p.cesta));
        EXPECT_EQ(w.Image1().Viditelny, !p.cesta.empty());
        EXPECT_EQ(w.TextVitraze().Text, "Witraż Witraż Tulipan");
    }
}

TEST_F(DemoVitraze, ConfirmingStoresTheItemAndDropsTheGlass)
{
    s.DekoryVybrany = true;
    TVVitraz d(s, obrazky);
    vyber(d, "Piaskowane z dekorem Liście");
    EXPECT_EQ(d.Potvrd(), kVysledekOK);
    EXPECT_TRUE(s.VitrazVybrana);
    EXPECT_FALSE(s.DekoryVybrany) << "the panes must be chosen again";
    EXPECT_EQ(s.SVitraz.DVitraz.Polozka, 0);
    EXPECT_EQ(s.SVitraz.DVitraz.Kod, "PAD01");
    EXPECT_EQ(s.SVitraz.DVitraz.VitrPis, 2);
    EXPECT_EQ(s.SVitraz.DVitraz.CF2S1, 3000);

    // OK without a choice stores nothing.
    s.DekoryVybrany = true;
    const qmrtest::Snimek pred = qmrtest::SnimejSkla(s);
    TVVitraz prazdny(s, obrazky);
    EXPECT_EQ(prazdny.Potvrd(), kVysledekOK);
    EXPECT_EQ(qmrtest::Rozdily(pred, qmrtest::SnimejSkla(s)), "");
}

TEST_F(DemoVitraze, ClearingKeepsTheGlassUnlessTheItemStoodInForAPane)
{
    struct Pripad {
        const char *popis;
        int pis;
        bool troj;
        bool sklo; // glass infill
        bool dekoryPo;
    } pripady[] = {
        {"stained glass, double glazing", 0, false, false, true},
        {"sand-blasted with decor, double glazing", 2, false, false, true},
        {"nano-print, double glazing", 4, false, false, true},
        {"sand-blasted, double glazing: it was the outer pane", 1, false, false, false},
        {"fused glass: it was the outer pane", 3, false, false, false},
        {"fused glass on a glass infill, which has no outer pane", 3, false, true, true},
        {"stained glass, triple glazing: it was the middle pane", 0, true, false, false},
        {"fused glass, triple glazing: the middle pane was chosen", 3, true, true, true},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        s.STrojsklo = p.troj;
        s.SGlas = p.sklo;
        s.VitrazVybrana = true;
        s.DekoryVybrany = true;
        s.SVitraz.DVitraz = {4, "Witraż Tulipan", "PAW01", p.pis};
        const TDVitraz zaznam = s.SVitraz.DVitraz;
        TVVitraz d(s, obrazky);
        vyber(d, "Szkło piaskowane Fale"); // a choice before clearing is not stored
        EXPECT_EQ(d.Nic(), TVVitraz::kVysledekNe);
        EXPECT_FALSE(s.VitrazVybrana);
        EXPECT_EQ(s.DekoryVybrany, p.dekoryPo);
        EXPECT_EQ(s.SVitraz.DVitraz.Kod, zaznam.Kod) << "the record stays";
        EXPECT_EQ(s.SVitraz.DVitraz.Polozka, zaznam.Polozka);
        EXPECT_EQ(s.SVitraz.DVitraz.VitrPis, zaznam.VitrPis);
    }
    // Clearing when nothing was chosen keeps the glass.
    s.VitrazVybrana = false;
    s.DekoryVybrany = true;
    s.SVitraz.DVitraz.VitrPis = 3;
    EXPECT_EQ(TVVitraz(s, obrazky).Nic(), TVVitraz::kVysledekNe);
    EXPECT_TRUE(s.DekoryVybrany);
}

TEST_F(DemoVitraze, CancelLeavesTheSessionAsItWas)
{
    s.VitrazVybrana = true;
    s.DekoryVybrany = true;
    s.SVitraz.DVitraz = {2, "Witraż Tulipan", "PAW01", 0, 3900};
    const qmrtest::Snimek pred = qmrtest::SnimejSkla(s);
    {
        TVVitraz d(s, obrazky);
        vyber(d, "Piaskowane z dekorem Liście");
        vyber(d, "Szkło piaskowane Fale");
    }
    EXPECT_EQ(qmrtest::Rozdily(pred, qmrtest::SnimejSkla(s)), "");
}

TEST_F(DemoVitraze, CentredOverTheMainWindow)
{
    s.VolbaLeft = 100;
    s.VolbaTop = 50;
    s.VolbaWidth = 1000;
    s.VolbaHeight = 700;
    EXPECT_EQ(TVVitraz(s, obrazky).Umisteni(400, 300), (Bod{400, 250}));
}
