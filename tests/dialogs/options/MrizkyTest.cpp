// The muntin dialog over the demo catalogue and a few hand-made muntins: what each infill,
// format and glazing offers, the widths offered, the drawing, confirming with the price of
// the width chosen, clearing and Cancel.
#include "dialogs/options/UMrizky.h"

#include "SnimekSkla.h"
#include "core/TSifraSoubor.h"
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

class DemoMrizky : public ::testing::Test {
protected:
    void SetUp() override
    {
        namespace fs = std::filesystem;
        const fs::path demo = fs::path(qmrtest::programDir()) / "DATA";
        if (!fs::exists(demo / "mrizky.qmr"))
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

    // Adds a muntin of the Aura infill for glazing 1, format 1, with the three widths
    // 18, 26 and 45 mm and the given prices (0: the key is left out).
    void pridej(const std::string &sekce, const std::string &kod, int c1, int c2, int c3)
    {
        TSifraSoubor f(s.apData + "mrizky.qmr");
        f.WriteString(sekce, "Kod", kod);
        f.WriteInteger(sekce, "SirkaS11", 18);
        f.WriteInteger(sekce, "SirkaS12", 26);
        f.WriteInteger(sekce, "SirkaS13", 45);
        const int ceny[] = {c1, c2, c3};
        for (int n = 1; n <= 3; ++n)
            if (ceny[n - 1] > 0)
                f.WriteSifra(sekce, "CS1S" + std::to_string(n) + "F1", ceny[n - 1]);
        f.UpdateFile();
    }

    qmrtest::TempDir dir;
    Session s;
    FakePictureStore obrazky;
};

void vyber(TVMrizky &d, const std::string &nazev)
{
    const auto &l = d.Seznam();
    const auto it = std::find(l.begin(), l.end(), nazev);
    ASSERT_NE(it, l.end()) << nazev << " is not offered";
    d.Vyber(int(it - l.begin()));
}

} // namespace

TEST_F(DemoMrizky, OffersTheMuntinsOfTheInfillPricedForItsGlazing)
{
    struct Pripad {
        const char *kod;
        int format, zaskleni;
        Seznam seznam;
    } pripady[] = {
        {"PA", 1, 1, {"Sz 01 krzyż – Aura", "Sz 02 szprosy poziome – Aura"}},
        {"PA", 2, 2, {"Sz 01 krzyż – Aura", "Sz 02 szprosy poziome – Aura"}},
        {"PA", 1, 3, {"Sz 01 krzyż – Aura", "Sz 02 szprosy poziome – Aura"}},
        {"PA", 2, 3, {}},
        {"PB", 1, 2, {"Sz 03 siatka – Bora"}},
        {"PB", 2, 2, {}},
        {"A1", 1, 1, {"Sz 01 krzyż – Alba"}},
        {"A1", 1, 2, {}},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(std::string(p.kod) + " F" + std::to_string(p.format) + "S" + std::to_string(p.zaskleni));
        vypln(p.kod, p.format, p.zaskleni);
        TVMrizky d(s, obrazky);
        EXPECT_EQ(d.Seznam(), p.seznam);
        EXPECT_EQ(d.Radek(), -1);
        EXPECT_FALSE(d.OKPovolen());
        EXPECT_FALSE(d.Sirka().Viditelny);
        EXPECT_FALSE(d.Image1().Viditelny);
    }
    EXPECT_STREQ(TVMrizky::kTitulek, "Wybór kratek");
    EXPECT_STREQ(TVMrizky::kSirka, "Szerokość kratki w mm");
    EXPECT_STREQ(TVMrizky::kLabel1, "Kratki dla szyb potrójnych należy zamówić w uwadze!");
    EXPECT_STREQ(TVMrizky::kNicButton, "&Skasowań selekcję");
}

TEST_F(DemoMrizky, ChoosingOffersThePricedWidthsAndTheDrawing)
{
    pridej("Sz 07 dwie szerokości", "PA-MR07", 900, 1100, 0);
    pridej("Sz 08 bez drugiej", "PA-MR08", 900, 0, 1500);
    struct Pripad {
        const char *nazev;
        std::vector<std::string> sirky;
        int polozka;
    } pripady[] = {
        {"Sz 01 krzyż – Aura", {"18", "26", "45"}, 0},
        {"Sz 07 dwie szerokości", {"18", "26"}, 2},
        {"Sz 08 bez drugiej", {"18", "45"}, 3},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.nazev);
        TVMrizky d(s, obrazky);
        vyber(d, p.nazev);
        EXPECT_EQ(d.Sirka().Polozky, p.sirky);
        EXPECT_EQ(d.Sirka().Index, 0);
        EXPECT_TRUE(d.Sirka().Viditelny);
        EXPECT_TRUE(d.OKPovolen());
        EXPECT_EQ(d.SelMrizka().DMrizka.Polozka, p.polozka);
        EXPECT_EQ(d.Radek(), p.polozka);
    }

    TVMrizky d(s, obrazky);
    vyber(d, "Sz 02 szprosy poziome – Aura");
    const TDMrizka &m = d.SelMrizka().DMrizka;
    EXPECT_EQ(m.Nazev, "Sz 02 szprosy poziome – Aura");
    EXPECT_EQ(m.Kod, "PA-MR02");
    EXPECT_EQ(m.Sirka1, 18);
    EXPECT_EQ(m.Cena1, 1100);
    EXPECT_EQ(m.Cena3, 1500);
    EXPECT_EQ(d.Image1().Cesta, s.apCesta + "RYSY/PAF1S1M02.jpg");
    EXPECT_TRUE(d.Image1().Viditelny);
    EXPECT_EQ(d.ObrazekSirka(), 135);
    d.Vyber(-1);
    EXPECT_EQ(d.SelMrizka().DMrizka.Kod, "PA-MR02");
    d.VyberSirku(3);
    EXPECT_EQ(d.Sirka().Index, 0);

    // Format 2: the drawing of that format, narrower; a missing drawing is hidden.
    vypln("PA", 2, 2);
    FakePictureStore jen;
    jen.Add(s.apCesta + "RYSY/PAF2S2M01.jpg");
    TVMrizky f2(s, jen);
    EXPECT_EQ(f2.ObrazekSirka(), 90);
    vyber(f2, "Sz 01 krzyż – Aura");
    EXPECT_EQ(f2.Image1().Cesta, s.apCesta + "RYSY/PAF2S2M01.jpg");
    EXPECT_EQ(f2.SelMrizka().DMrizka.Cena1, 1200);
    vyber(f2, "Sz 02 szprosy poziome – Aura");
    EXPECT_FALSE(f2.Image1().Viditelny);
    EXPECT_EQ(f2.Image1().Cesta, "");
}

TEST_F(DemoMrizky, ConfirmingStoresTheWidthChosenWithItsPrice)
{
    pridej("Sz 07 dwie szerokości", "PA-MR07", 900, 1100, 0);
    pridej("Sz 08 bez drugiej", "PA-MR08", 900, 0, 1500);
    struct Pripad {
        const char *nazev;
        int index;
        int sirka, cena;
    } pripady[] = {
        {"Sz 07 dwie szerokości", 1, 26, 1100},
        {"Sz 07 dwie szerokości", 0, 18, 900},
        {"Sz 08 bez drugiej", 1, 45, 1500},
        {"Sz 01 krzyż – Aura", 2, 45, 1350},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(std::string(p.nazev) + " " + std::to_string(p.sirka));
        s.MrizkaVybrana = false;
        TVMrizky d(s, obrazky);
        vyber(d, p.nazev);
        d.VyberSirku(p.index);
        EXPECT_EQ(d.Potvrd(), kVysledekOK);
        EXPECT_TRUE(s.MrizkaVybrana);
        EXPECT_EQ(s.SMrizka.DMrizka.Nazev, p.nazev);
        EXPECT_EQ(s.SMrizka.DMrizka.SSirka, p.sirka);
        EXPECT_EQ(s.SMrizka.DMrizka.SCena, p.cena);
        EXPECT_EQ(s.SKodMrizky, s.SMrizka.DMrizka.Kod);
    }
    EXPECT_EQ(s.SKodMrizky, "PA-MR01");

    // OK with nothing chosen stores nothing.
    const qmrtest::Snimek pred = qmrtest::SnimejSkla(s);
    EXPECT_EQ(TVMrizky(s, obrazky).Potvrd(), kVysledekOK);
    EXPECT_EQ(qmrtest::Rozdily(pred, qmrtest::SnimejSkla(s)), "");
}

TEST_F(DemoMrizky, ClearingAndCancel)
{
    s.MrizkaVybrana = true;
    s.SKodMrizky = "PA-MR02";
    s.SMrizka.DMrizka = {1, "Sz 02 szprosy poziome – Aura", "PA-MR02", 26, 1300, 18, 1100, 26, 1300, 45, 1500};
    const qmrtest::Snimek pred = qmrtest::SnimejSkla(s);
    {
        TVMrizky d(s, obrazky);
        vyber(d, "Sz 01 krzyż – Aura");
        d.VyberSirku(2);
    }
    EXPECT_EQ(qmrtest::Rozdily(pred, qmrtest::SnimejSkla(s)), "") << "Cancel";

    TVMrizky d(s, obrazky);
    vyber(d, "Sz 01 krzyż – Aura");
    EXPECT_EQ(d.Nic(), TVMrizky::kVysledekNe);
    EXPECT_FALSE(s.MrizkaVybrana);
    s.MrizkaVybrana = true;
    EXPECT_EQ(qmrtest::Rozdily(pred, qmrtest::SnimejSkla(s)), "") << "the record stays";
}

TEST_F(DemoMrizky, PlacedByTheAxisRule)
{
    s.VolbaLeft = 100;
    s.VolbaTop = 50;
    TVMrizky d(s, obrazky);
    EXPECT_EQ(d.Umisteni(500, 400), (Bod{250, 150}));
    EXPECT_EQ(d.Umisteni(800, 400), (Bod{100, 150}));
}
