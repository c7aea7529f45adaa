// The accessory placement dialog: the sketch at 5 mm per pixel, the slots offered, drags
// and typed positions held to their ranges, vertical handles, the OK rule, clearing, and
// what OK and Cancel leave in the session.
#include "dialogs/options/UDoplSup.h"

#include "dialogs/infill/Snimek.h"

#include <gtest/gtest.h>

#include <string>

using namespace qmr;
using qmrtest::Rozdily;

namespace {

class DoplSup : public ::testing::Test {
protected:
    void SetUp() override
    {
        s.TypZakazky = 1;
        s.SSirka = 1000;
        s.SVyska = 2000;
        s.SFormat = 1;
        s.SHPomer = 0.5;
        s.SVPomer = 0.5;
        for (TODoplnek *o : sloty()) {
            o->DDoplnek.Polozka = 0;
            o->DDoplnek.Namontovat = true;
        }
        s.SDoplnek1.DDoplnek.Nazev = "Kołatka";
        s.SDoplnek2.DDoplnek.Nazev = "Klamka z szyldem";
        s.SDoplnek3.DDoplnek.Nazev = "Wrzutka";
        s.SDoplnek4.DDoplnek.Nazev = "Wizjer";
    }
    std::array<TODoplnek *, 4> sloty() { return {&s.SDoplnek1, &s.SDoplnek2, &s.SDoplnek3, &s.SDoplnek4}; }

    Session s;
};

TEST_F(DoplSup, SketchAtFiveMillimetresPerPixel)
{
    TVDoplSup d(s, 240, 480);
    const RozlozeniUmisteni &r = d.Rozlozeni();
    EXPECT_EQ(r.Vypln, (Tvar{10, 40, 240, 480, true}));
    EXPECT_EQ(r.Rantl, (Tvar{30, 80, 200, 400, true})) << "centred by the ratios";
    EXPECT_FALSE(r.RantlTeckovany);
    EXPECT_EQ(r.VOsa, (Tvar{130, 40, 1, 480, true}));
    EXPECT_EQ(r.HOsa, (Tvar{10, 280, 240, 1, true}));
    EXPECT_EQ(r.Nula, (Bod{30, 480}));
    EXPECT_EQ(r.Maxa, (Bod{230, 80}));
    EXPECT_EQ(d.Maxa(), "{1000;2000}--->");
    EXPECT_FALSE(r.Skla.Viditelny);
    for (const Tvar &c : r.PH)
        EXPECT_FALSE(c.Viditelny);
    EXPECT_GT(r.Paleta[0].Left, r.Vypln.Right());
    EXPECT_GE(r.Sirka, r.EscButton.Right());
    EXPECT_GE(r.NicButton.Top, r.Vypln.Bottom());
    EXPECT_STREQ(TVDoplSup::kTitulek, "Umieszczenie aksesoriów");
    EXPECT_STREQ(TVDoplSup::kNadpis, "Pomieścić aksesoria w przybliźeniu na miejsce");
    EXPECT_STREQ(TVDoplSup::kNicButton, "&Skasować umieszczenie");
    EXPECT_STREQ(TVDoplSup::kNula, "<--- {0; 0}");

    struct Pripad {
        const char *popis;
        bool excentr, dvojbarva, prava;
        int format;
        int left, sirka;
    } pripady[] = {
        {"eccentric right-hand: flush right", true, false, true, 1, 50, 240},
        {"eccentric left-hand: flush left", true, false, false, 1, 10, 240},
        {"eccentric two-colour: by the ratio", true, true, true, 1, 30, 240},
        {"format 2: a drawing 120 wide", false, false, false, 2, 10 + PulRound(120 - 200), 120},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        s.SExcentr = p.excentr;
        s.SDvojbarva = p.dvojbarva;
        s.SPrava = p.prava;
        s.SFormat = p.format;
        TVDoplSup x(s, 240, 480);
        EXPECT_EQ(x.Rozlozeni().Rantl.Left, p.left);
        EXPECT_EQ(x.Rozlozeni().Vypln.Width, p.sirka);
    }
}

TEST_F(DoplSup, OverlayGlassAndLines)
{
    s.SPrekryvna = true;
    s.VidimPomRys = true;
    s.Carame = true;
    s.SCary.Tloustka = 10;
    s.SCary.HPocet = 2;
    s.SCary.VPocet = 1;
    s.RantlLeft = 100;
    s.RantlTop = 50;
    s.PH1Left = 100;
    s.PH1Top = 150;
    s.PH1Sir = 200;
    s.PH2Left = 120;
    s.PH2Top = 250;
    s.PH2Sir = 80;
    s.PV1Left = 160;
    TVDoplSup d(s, 240, 480, 100, 200);
    const RozlozeniUmisteni &r = d.Rozlozeni();
    EXPECT_TRUE(r.RantlTeckovany);
    EXPECT_EQ(r.Skla, (Tvar{80, 180, 100, 200, true}));
    EXPECT_EQ(r.PH[0], (Tvar{30, 180, 200, 2, true}));
    EXPECT_EQ(r.PH[1], (Tvar{50, 280, 80, 2, true}));
    EXPECT_FALSE(r.PH[2].Viditelny);
    EXPECT_EQ(r.PV[0], (Tvar{90, 80, 2, 400, true}));
    EXPECT_FALSE(r.PV[1].Viditelny);

    // Eccentric glass: 1 px from the right edge, 12 px from the left edge.
    s.SExcentr = true;
    s.SPrava = true;
    EXPECT_EQ(TVDoplSup(s, 240, 480, 100, 200).Rozlozeni().Skla.Left, 50 + 200 - 100 - 1);
    s.SPrava = false;
    EXPECT_EQ(TVDoplSup(s, 240, 480, 100, 200).Rozlozeni().Skla.Left, 10 + 12);

    // A drag over the glass adds its offset inside the outline.
    s.SExcentr = false;
    TVDoplSup g(s, 240, 480, 100, 200);
    g.TahniNadSkly(0, 10, 20); // (60, 120) inside the outline
    EXPECT_EQ(g.Slot(0).Zleva.Hodnota, 300);
    EXPECT_EQ(g.Slot(0).Zdola.Hodnota, 2000 - 600);
}

TEST_F(DoplSup, SlotsOfferedAndTheirStartValues)
{
    s.SDoplnek2.DDoplnek.AutoMontaz = true;
    s.SDoplnek3.DDoplnek.Namontovat = false;
    s.SDoplnek4.DDoplnek.Umisten = true;
    s.SDoplnek4.DDoplnek.Zleva = 700;
    s.SDoplnek4.DDoplnek.Zdola = 1200;
    TVDoplSup d(s, 240, 480);
    EXPECT_TRUE(d.Slot(0).Nabizen);
    EXPECT_FALSE(d.Slot(1).Nabizen) << "always mounted";
    EXPECT_FALSE(d.Slot(2).Nabizen) << "not to be mounted";
    EXPECT_TRUE(d.Slot(3).Nabizen);
    EXPECT_EQ(d.Slot(0).Jmeno, "Kołatka");
    EXPECT_FALSE(d.Slot(0).Umisten);
    EXPECT_EQ(d.Slot(0).Zleva, (PolePozice{50, 50, 950}));
    EXPECT_EQ(d.Slot(0).Zdola, (PolePozice{50, 50, 1950}));
    EXPECT_EQ(d.Slot(0).Shape, (Tvar{d.Rozlozeni().Paleta[0].Left, d.Rozlozeni().Paleta[0].Top, 20, 20, true}))
        << "an unplaced marker waits in its row";
    // Placed before: its position, its marker on the sketch.
    EXPECT_TRUE(d.Slot(3).Umisten);
    EXPECT_EQ(d.Slot(3).Zleva.Hodnota, 700);
    EXPECT_EQ(d.Slot(3).Zdola.Hodnota, 1200);
    EXPECT_EQ(d.Slot(3).Shape, (Tvar{30 + 140 - 10, 80 + 160 - 10, 20, 20, true}));
    EXPECT_FALSE(d.OKPovolen()) << "slot 1 is not placed";

    // Start heights 50, 150, 250, 350; an empty slot and a muntin option's slot 1 are not
    // offered.
    s.SDoplnek2.DDoplnek.AutoMontaz = false;
    s.SDoplnek3.DDoplnek.Namontovat = true;
    s.SDoplnek4.DDoplnek.Umisten = false;
    TVDoplSup vse(s, 240, 480);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(vse.Slot(i).Zdola.Hodnota, 50 + 100 * i);
    s.SOMrizka = 1;
    s.SDoplnek3.DDoplnek.Polozka = -1;
    TVDoplSup mrizka(s, 240, 480);
    EXPECT_FALSE(mrizka.Slot(0).Nabizen);
    EXPECT_FALSE(mrizka.Slot(0).Shape.Viditelny);
    EXPECT_FALSE(mrizka.Slot(2).Nabizen);
    EXPECT_TRUE(mrizka.Slot(1).Nabizen);
}

TEST_F(DoplSup, DropTypedPositionsAndTheOkRule)
{
    s.SDoplnek3.DDoplnek.Polozka = -1;
    s.SDoplnek4.DDoplnek.Namontovat = false;
    TVDoplSup d(s, 240, 480);
    EXPECT_FALSE(d.OKPovolen());

    // The drop of the example: (40, 300) in a 200 x 400 outline.
    d.TahniNadRantl(0, 40, 300);
    EXPECT_EQ(d.Slot(0).Zleva.Hodnota, 200);
    EXPECT_EQ(d.Slot(0).Zdola.Hodnota, 500);
    EXPECT_TRUE(d.Slot(0).Umisten);
    EXPECT_EQ(d.Slot(0).Shape, (Tvar{30 + 40 - 10, 80 + 300 - 10, 20, 20, true}));
    EXPECT_FALSE(d.OKPovolen()) << "slot 2 waits";

    // Typed text: outside the range pulled in, no number the minimum.
    struct Pripad {
        bool zleva;
        const char *text;
        int hodnota;
    } pripady[] = {{true, "333", 333}, {true, "10", 50}, {true, "990", 950}, {false, "1975", 1950},
                   {false, "abc", 50}, {false, "", 50}, {false, " 720 ", 720}, {true, "-5", 50}};
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.text);
        d.Zmena(1, p.zleva, p.text);
        EXPECT_EQ((p.zleva ? d.Slot(1).Zleva : d.Slot(1).Zdola).Hodnota, p.hodnota);
    }
    EXPECT_TRUE(d.Slot(1).Umisten);
    EXPECT_TRUE(d.OKPovolen());
    // The marker's centre sits on the position.
    EXPECT_EQ(d.Slot(1).Shape.Left, 30 + 10 - 10);
    EXPECT_EQ(d.Slot(1).Shape.Top, 80 + (2000 - 720) / 5 - 10);

    // A drop beyond the outline's corner is held to the range.
    d.TahniNadRantl(0, 0, 400);
    EXPECT_EQ(d.Slot(0).Zleva.Hodnota, 50);
    EXPECT_EQ(d.Slot(0).Zdola.Hodnota, 50);

    // Clearing: start values, unplaced, OK disabled.
    d.Smaz();
    EXPECT_FALSE(d.OKPovolen());
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(d.Slot(i).Umisten);
        EXPECT_EQ(d.Slot(i).Zleva.Hodnota, 50);
        EXPECT_EQ(d.Slot(i).Zdola.Hodnota, 50 + 100 * i);
    }
    d.Zmena(0, true, "100");
    EXPECT_FALSE(d.OKPovolen());
    d.Zmena(1, false, "100");
    EXPECT_TRUE(d.OKPovolen());
}

TEST_F(DoplSup, VerticalHandleIsHeldAboveItsLowerFixingPoint)
{
    s.SDoplnek2.DDoplnek.Namontovat = false;
    s.SDoplnek3.DDoplnek.Namontovat = false;
    s.SDoplnek4.DDoplnek.Namontovat = false;
    TDDoplnek &h = s.SDoplnek1.DDoplnek;
    h.MadloVert = true;
    h.VzdVert = 300;
    TVDoplSup d(s, 240, 480);
    EXPECT_TRUE(d.Slot(0).Madlo);
    EXPECT_EQ(d.Slot(0).Zdola.Min, 350);
    EXPECT_EQ(d.Slot(0).Zdola.Hodnota, 350) << "the start value is held to the range";
    EXPECT_FALSE(d.Slot(0).MShape.Viditelny) << "drawn once placed";
    EXPECT_FALSE(s.SMadlo) << "nothing written before OK";

    d.Zmena(0, false, "200");
    EXPECT_EQ(d.Slot(0).Zdola.Hodnota, 350);
    d.Zmena(0, false, "1200");
    d.Zmena(0, true, "400");
    EXPECT_EQ(d.Slot(0).Misto, "(400 / 900)");
    const Tvar &m = d.Slot(0).Shape;
    EXPECT_EQ(d.Slot(0).MShape, (Tvar{m.Left, m.Top + 60, 20, 20, true}));
    EXPECT_EQ(d.Slot(0).SShape, (Tvar{m.Left + 5, m.Top + 10, 10, 60, true}));
    EXPECT_EQ(d.Slot(0).DOsa, (Tvar{m.Left + 10, m.Top + 10, 1, 60, true}));

    EXPECT_EQ(d.Potvrd(), kVysledekOK);
    EXPECT_TRUE(s.SMadlo);
    EXPECT_TRUE(h.Umisten);
    EXPECT_EQ(h.Zleva, 400);
    EXPECT_EQ(h.Zdola, 1200);
}

TEST_F(DoplSup, OkWritesTheOfferedSlotsAndCancelNothing)
{
    s.SDoplnek2.DDoplnek.AutoMontaz = true;
    s.SDoplnek2.DDoplnek.Umisten = true; // not offered: left as it is
    s.SDoplnek2.DDoplnek.Zleva = 10;
    s.SDoplnek4.DDoplnek.Umisten = true;
    s.SDoplnek4.DDoplnek.Zleva = 500;
    s.SDoplnek4.DDoplnek.Zdola = 900;
    const qmrtest::Snimek pred = qmrtest::Snimej(s);
    {
        TVDoplSup d(s, 240, 480);
        d.TahniNadRantl(0, 40, 300);
        d.Zmena(2, true, "600");
        d.Zmena(3, false, "1500");
        d.Smaz();
        d.TahniNadRantl(0, 20, 20);
    }
    EXPECT_EQ(Rozdily(pred, qmrtest::Snimej(s)), "") << "Cancel: nothing written";

    TVDoplSup d(s, 240, 480);
    d.TahniNadRantl(0, 40, 300);
    d.Zmena(2, true, "600");
    EXPECT_EQ(d.Potvrd(), kVysledekOK);
    const std::string zmeny = Rozdily(pred, qmrtest::Snimej(s));
    EXPECT_EQ(zmeny, "SDoplnek1.Umisten: false -> true\n"
                     "SDoplnek1.Zleva: 0 -> 200\n"
                     "SDoplnek1.Zdola: 0 -> 500\n"
                     "SDoplnek3.Umisten: false -> true\n"
                     "SDoplnek3.Zleva: 0 -> 600\n"
                     "SDoplnek3.Zdola: 0 -> 250\n");
}

} // namespace
