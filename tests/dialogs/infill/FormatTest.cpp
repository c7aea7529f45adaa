// The glazing format and execution variant dialogs.
#include "dialogs/infill/UFormat.h"
#include "dialogs/infill/UPrava.h"

#include "dialogs/infill/Snimek.h"
#include "dialogs/infill/VyplnFixture.h"

#include <gtest/gtest.h>

using namespace qmr;
using namespace qmrtest;

namespace {

struct FormatTest : ::testing::Test, VyplnFixture {
    FormatTest()
    {
        s.SVypln.DVypln.Kod = "PA";
        s.SFormat = 1;
    }
    std::vector<bool> povolene(const TVFormat &f) const
    {
        std::vector<bool> v;
        for (const Obrazek &o : f.Obrazky())
            v.push_back(o.Povoleny);
        return v;
    }
};

} // namespace

TEST_F(FormatTest, OnlyPricedLayoutsWithAPictureCanBeClicked)
{
    s.SVypln.DVypln.ZCF1S1 = 100;
    s.SVypln.DVypln.ZCF2S3 = 100; // another format
    TVFormat f(s, obrazky);
    EXPECT_EQ(povolene(f), (std::vector<bool>{false, true, false, false, false, false, false}));
    EXPECT_EQ(f.Obrazky()[1].Cesta, cesta("ZASKLENI", "PAF1S1"));
    EXPECT_EQ(f.Obrazky()[0].Cesta, "");
    EXPECT_EQ(f.Obrazky()[4].Tip, "-- S4 --");
    EXPECT_FALSE(f.Image0Ctverec());

    obrazky.everythingExists = false; // priced, but no picture
    TVFormat bez(s, obrazky);
    EXPECT_EQ(povolene(bez), std::vector<bool>(7, false));
}

TEST_F(FormatTest, FormatTwoUsesItsPricesAndNeverOffersS0WithTripleGlazing)
{
    TDVypln &v = s.SVypln.DVypln;
    v.ZCF2S0 = v.ZCF2S2 = 100;
    v.ZCF1S1 = 100;
    s.SFormat = 2;
    TVFormat f(s, obrazky);
    EXPECT_EQ(f.Format(), 2);
    EXPECT_EQ(povolene(f), (std::vector<bool>{true, false, true, false, false, false, false}));
    EXPECT_EQ(f.Obrazky()[2].Cesta, cesta("ZASKLENI", "PAF2S2"));
    EXPECT_TRUE(f.Image0Ctverec()); // PA in format 2
    s.STrojsklo = true;
    TVFormat troj(s, obrazky);
    EXPECT_EQ(povolene(troj), (std::vector<bool>{false, false, true, false, false, false, false}));
    // Format 3 (the third picture) counts as format 2.
    s.STrojsklo = false;
    s.SFormat = 3;
    EXPECT_EQ(TVFormat(s, obrazky).Format(), 2);
}

TEST_F(FormatTest, AClickSetsTheGlazingAndAsksForEveryLaterChoiceAgain)
{
    s.SVypln.DVypln.ZCF1S3 = 100;
    s.RozmerVybran = s.VitrazVybrana = s.BarvyVybrany = s.DekoryVybrany = s.MrizkaVybrana = true;
    TVFormat f(s, obrazky);
    EXPECT_EQ(f.Klik(2), 0); // not offered
    EXPECT_EQ(s.SZaskleni, -1);
    EXPECT_TRUE(s.BarvyVybrany);
    EXPECT_EQ(f.Klik(3), 1);
    EXPECT_EQ(s.SZaskleni, 3);
    EXPECT_FALSE(s.RozmerVybran || s.VitrazVybrana || s.BarvyVybrany || s.DekoryVybrany || s.MrizkaVybrana);
}

TEST_F(FormatTest, CancelLeavesNoGlazingUndecided)
{
    TVFormat f(s, obrazky);
    f.Zrusit();
    EXPECT_EQ(s.SZaskleni, 0);
    s.SZaskleni = 4;
    f.Zrusit();
    EXPECT_EQ(s.SZaskleni, 4);
}

TEST_F(FormatTest, FormatDialogPlacement)
{
    s.VolbaLeft = 10;
    s.VolbaTop = 20;
    TVFormat f(s, obrazky);
    EXPECT_EQ(f.Umisteni(600, 300), (Bod{10 + 100 + 50, 20 + 150}));
    EXPECT_EQ(f.Umisteni(797, 597), (Bod{10, 20}));
}

TEST_F(FormatTest, VariantPicturesFollowTheConfiguration)
{
    struct Pripad {
        const char *kod;
        int format, zaskleni;
        int ramecek1, ramecek2, mrizka, paska1, paska2, drazka1;
        bool glas, dyha;
        const char *zaklad;
        int varianta;
    } pripady[] = {
        {"NI", 2, 1, 0, 0, 0, 0, 0, 0, false, false, "NIF2S1", 2},
        {"NI", 1, 3, 0, 0, 0, 0, 0, 0, false, false, "NIF1S3", 1},
        // "K0" in format 2 without a frame is variant 3; with one 2.
        {"K0", 2, 0, 0, 0, 0, 0, 0, 0, false, false, "K0F3S0", 3},
        {"K0", 2, 0, 0, 1, 0, 0, 0, 0, false, false, "K0F2S0", 2},
        // Muntin, then strips (the larger type), then grooves; R2 with frame type 2.
        {"AS", 1, 1, 0, 0, 2, 1, 0, 0, false, false, "ASM2", 1},
        {"AS", 1, 1, 0, 0, 0, 1, 2, 0, false, false, "ASP2", 1},
        {"AS", 1, 1, 0, 0, 0, 0, 0, 1, false, false, "ASP1", 1},
        {"AS", 1, 1, 2, 0, 0, 0, 0, 0, false, false, "ASF2S1R2", 2},
        {"G1", 1, 2, 0, 0, 0, 0, 0, 0, true, false, "G1F1S2A", 1},
        // The drawing code of a veneer infill.
        {"WE", 1, 1, 0, 0, 0, 0, 0, 0, false, true, "BEF1S1", 1},
    };
    for (const Pripad &p : pripady) {
        Session t = s;
        TDVypln &v = t.SVypln.DVypln;
        v.Kod = p.kod;
        v.Dyha = p.dyha;
        t.SFormat = p.format;
        t.SZaskleni = p.zaskleni;
        t.SRamecek1 = p.ramecek1;
        t.SRamecek2 = p.ramecek2;
        t.SOMrizka = p.mrizka;
        t.SOPaska1 = p.paska1;
        t.SOPaska2 = p.paska2;
        t.SODrazka1 = p.drazka1;
        t.SGlas = p.glas;
        TVOPrava d(t, obrazky);
        EXPECT_EQ(d.Zaklad(), p.zaklad) << p.kod;
        EXPECT_EQ(d.Varianta(), p.varianta) << p.kod;
        EXPECT_EQ(d.Obrazky()[0].Cesta, cesta("RYSY", p.zaklad));
        EXPECT_EQ(d.Obrazky()[1].Cesta, cesta("RYSY", std::string(p.zaklad) + "P"));
    }
}

TEST_F(FormatTest, AVariantClickSetsTheHandAndCancelChangesNothing)
{
    s.SVypln.DVypln.Kod = "NI";
    s.SFormat = 2;
    s.SZaskleni = 1;
    obrazky.everythingExists = false;
    obrazky.Add(cesta("RYSY", "NIF2S1P"));
    TVOPrava d(s, obrazky);
    EXPECT_STREQ(TVOPrava::kTitulek, "Wybór wykonania");
    EXPECT_FALSE(d.Obrazky()[0].Povoleny);
    EXPECT_EQ(d.Klik(1), 0);
    EXPECT_FALSE(s.SPrava);
    EXPECT_EQ(d.Klik(2), 1);
    EXPECT_TRUE(s.SPrava);

    s.SPrava = false;
    const Snimek pred = Snimej(s);
    {
        TVOPrava zrus(s, obrazky);
    }
    EXPECT_EQ(Rozdily(pred, Snimej(s)), "");
    s.VolbaLeft = 10;
    s.VolbaTop = 20;
    EXPECT_EQ(d.Umisteni(400, 300), (Bod{10 + 200 + 50, 20 + 150}));
}
