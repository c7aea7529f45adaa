// The picture-choice dialogs of the extras: their pictures, what a click stores, the
// mark on the picked picture, the muntin accessory, Cancel.
#include "dialogs/infill/UODrazka.h"
#include "dialogs/infill/UOMrizka.h"
#include "dialogs/infill/UOPaska.h"
#include "dialogs/infill/UORam.h"

#include "dialogs/infill/VyplnFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace qmr;
using namespace qmrtest;

namespace {

struct OVolbaTest : ::testing::Test, VyplnFixture {
    OVolbaTest()
    {
        katalog({{"Alba", {{"Kod", "A1"}, {"OZM2", "3"}}, {}}});
        w.KodVyplne = "A1";
        w.NazevVyplne = "Alba";
    }
    VyberVyplne w;
};

} // namespace

TEST_F(OVolbaTest, EachDialogShowsItsTypesAndStoresTheClickedOne)
{
    struct Pripad {
        std::function<std::unique_ptr<TVOVolba>(OVolbaTest &)> vytvor;
        const char *titulek;
        std::vector<std::string> obrazky, tipy;
        int VyberVyplne::*cil;
    } pripady[] = {
        {[](OVolbaTest &t) { return std::make_unique<TVORam>(t.s, t.w, t.obrazky); }, "Wybór typu ramki",
         {"A1F2S1", "A1F2S1R2"}, {"-- Typ 1 --", "-- Typ 2 --"}, &VyberVyplne::VybranyRamecek},
        {[](OVolbaTest &t) { return std::make_unique<TVOMrizka>(t.s, t.w, t.obrazky); },
         "Wybór kratki dekoracyjnej", {"A1M1", "A1M2", "A1M3"}, {"-- M1 --", "-- M2 --", "-- M3 --"},
         &VyberVyplne::VybranaOMrizka},
        {[](OVolbaTest &t) { return std::make_unique<TVOPaska>(t.s, t.w, t.obrazky); }, "Wybór pasków dekoracynych",
         {"A1P1", "A1P2"}, {"-- Typ 1 --", "-- Typ 2 --"}, &VyberVyplne::VybranaOPaska},
        {[](OVolbaTest &t) { return std::make_unique<TVODrazka>(t.s, t.w, t.obrazky); },
         "Wybór rowków dekoracynych", {"A1P1", "A1P2"}, {"-- Typ 1 --", "-- Typ 2 --"},
         &VyberVyplne::VybranaOdrazka},
    };
    for (auto &p : pripady) {
        w.*p.cil = 0;
        auto d = p.vytvor(*this);
        SCOPED_TRACE(p.titulek);
        EXPECT_EQ(d->Titulek(), p.titulek);
        ASSERT_EQ(d->Obrazky().size(), p.obrazky.size());
        for (std::size_t i = 0; i < p.obrazky.size(); ++i) {
            EXPECT_EQ(d->Obrazky()[i].Cesta, cesta("RYSY", p.obrazky[i]));
            EXPECT_EQ(d->Obrazky()[i].Tip, p.tipy[i]);
            EXPECT_TRUE(d->Obrazky()[i].Povoleny);
        }
        EXPECT_EQ(d->Oznaceny(), 0);
        EXPECT_EQ(d->Klik(2), 1);
        EXPECT_EQ(w.*p.cil, 2);
        EXPECT_EQ(d->Oznaceny(), 2);
        EXPECT_EQ(d->Klik(0), 0);
        EXPECT_EQ(d->Klik(int(p.obrazky.size()) + 1), 0);
        EXPECT_EQ(w.*p.cil, 2);
    }
}

TEST_F(OVolbaTest, AMissingPictureCannotBePicked)
{
    obrazky.everythingExists = false;
    obrazky.Add(cesta("RYSY", "A1F2S1"));
    TVORam d(s, w, obrazky);
    EXPECT_TRUE(d.Obrazky()[0].Povoleny);
    EXPECT_FALSE(d.Obrazky()[1].Povoleny);
    EXPECT_EQ(d.Obrazky()[1].Cesta, "");
    EXPECT_EQ(d.Klik(2), 0);
    EXPECT_EQ(w.VybranyRamecek, 0);
}

TEST_F(OVolbaTest, TheMuntinClickFillsAccessorySlotOne)
{
    w.SDoplnek1.DDoplnek.Zleva = 77; // other fields of the slot stay
    TVOMrizka d(s, w, obrazky);
    ASSERT_EQ(d.Klik(2), 1);
    const TDDoplnek &a = w.SDoplnek1.DDoplnek;
    EXPECT_EQ(a.Nazev, "M2 = 3 x kratka dekoracyjna");
    EXPECT_EQ(a.PocetKs, 3);
    EXPECT_EQ(a.Polozka, 1);
    EXPECT_EQ(a.Kod, "MX01");
    EXPECT_EQ(a.SCena, 450);
    EXPECT_EQ(a.SMontaz, 150);
    EXPECT_TRUE(a.Namontovat && a.AutoMontaz);
    EXPECT_FALSE(a.Umisten || a.MaDistanci);
    EXPECT_EQ(a.Zleva, 77);
    EXPECT_TRUE(w.Doplnek1Zmenen);
    // A count missing from the section is 1.
    TVOMrizka d3(s, w, obrazky);
    ASSERT_EQ(d3.Klik(3), 1);
    EXPECT_EQ(a.Nazev, "M3 = 1 x kratka dekoracyjna");
}

TEST_F(OVolbaTest, VeneerFamiliesUseTheDrawingCodeForStripsAndGrooves)
{
    w.KodVyplne = "WA";
    s.SDyha = true;
    TVOPaska p(s, w, obrazky);
    EXPECT_EQ(p.Obrazky()[0].Cesta, cesta("RYSY", "BAP1")); // "W" -> "B"
    TVODrazka d(s, w, obrazky);
    EXPECT_EQ(d.Obrazky()[1].Cesta, cesta("RYSY", "BAP2"));
    TVORam r(s, w, obrazky); // frames keep the catalogue code
    EXPECT_EQ(r.Obrazky()[0].Cesta, cesta("RYSY", "WAF2S1"));
    s.SDyha = false;
    TVOPaska bez(s, w, obrazky);
    EXPECT_EQ(bez.Obrazky()[0].Cesta, cesta("RYSY", "WAP1"));
}

TEST_F(OVolbaTest, AnUnsafeCodeLoadsNoPicture)
{
    w.KodVyplne = "../x";
    TVORam d(s, w, obrazky);
    EXPECT_EQ(d.Obrazky()[0].Cesta, "");
    EXPECT_FALSE(d.Obrazky()[0].Povoleny);
}

TEST_F(OVolbaTest, PlacedFiftyPixelsRightOfCentre)
{
    s.VolbaLeft = 10;
    s.VolbaTop = 20;
    TVORam d(s, w, obrazky);
    EXPECT_EQ(d.Umisteni(440, 500), (Bod{10 + 180 + 50, 20 + 50}));
    EXPECT_EQ(d.Umisteni(440, 597), (Bod{10 + 180 + 50, 20}));
}
