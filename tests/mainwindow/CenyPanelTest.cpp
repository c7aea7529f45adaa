// Price panel: captions by display mode, amounts, transport, percentages.
#include "mainwindow/UCenyPanel.h"

#include "support/TestPaths.h"

#include <gtest/gtest.h>

using namespace qmr;

namespace {

Currency E(long double v) { return Currency::FromLD(v); }

} // namespace

TEST(FloatToStrPL, WritesTheShortestFormWithADecimalComma)
{
    struct Pripad {
        double x;
        const char *text;
    } pripady[] = {
        {23, "23"},
        {4.2, "4,2"},
        {12.5, "12,5"},
        {0, "0"},
        {-7.5, "-7,5"},
        {0.1 + 0.2, "0,3"}, // 15 significant digits hide the binary error
        {100.0 * 7 / 3, "233,333333333333"},
        {0.00001, "0,00001"},
        {0.000012345, "0,000012345"},
        {0.000001, "1E-6"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {2.5e20, "2,5E20"},
    };
    for (const auto &p : pripady)
        EXPECT_EQ(FloatToStrPL(p.x), p.text) << p.x;
}

TEST(ZaokrouhliNaJednotky, HalvesGoToTheEvenUnit)
{
    struct Pripad {
        long double v;
        long long r;
    } pripady[] = {{47.5L, 48}, {46.5L, 46}, {46.4999L, 46}, {46.5001L, 47}, {-46.5L, -46},
                   {-47.5L, -48}, {0.4L, 0}, {0, 0}};
    for (const auto &p : pripady)
        EXPECT_EQ(ZaokrouhliNaJednotky(E(p.v)), p.r) << static_cast<double>(p.v);
}

namespace {

struct PanelTest : ::testing::Test {
    PanelTest()
    {
        s.apSoubor = "Nowy plik.qms";
        s.TypZakazky = 1;
        s.VyplnVybrana = true;
        s.BarvyVybrany = true;
        rezim(1);
        s.nVypln = E(123.45L);
        s.nBarva1 = E(10);
        s.nBarva12 = E(11);
        s.nDekorP = E(12);
        s.nDekor4 = E(13);
        s.nDoplnek2 = E(1234.5L);
        s.nPredSlevou = E(12345.678L);
        s.nSleva = E(20);
        s.nKonecna = E(1000);
        s.SNetto = E(5);
    }
    void rezim(int z) { s.SCeny.CenyData.Zobrazit = z; }
    VolbaStav panel()
    {
        CenyDoPanelu(s, st);
        return st;
    }
    Session s;
    VolbaStav st = PocatecniStav(s);
};

} // namespace

TEST_F(PanelTest, PurchasePricesShowEveryNonZeroPartAndTheTotals)
{
    panel();
    EXPECT_TRUE(st.Panel2.Viditelny);
    EXPECT_TRUE(st.Panel3.Viditelny);
    EXPECT_EQ(st.CenaVyplne.Text, "  123,45");
    EXPECT_EQ(st.CenaBarvy1.Text, "   10,00");
    EXPECT_EQ(st.CenaDoplnku[1].Text, "1 234,50");
    EXPECT_EQ(st.CenaBarvy2.Text, ""); // zero amount: empty, not "0,00"
    EXPECT_EQ(st.CenaDoplnku[0].Text, "");
    // Only for a two-colour infill, triple glazing, a two-sided overlay with four panes.
    EXPECT_EQ(st.CenaBarvy12.Text, "");
    EXPECT_EQ(st.CenaSklaP.Text, "");
    EXPECT_EQ(st.CenaSklaP2.Text, "");
    EXPECT_EQ(st.CenaPredSlevou.Text, " 12 345,68");
    EXPECT_EQ(st.CenaSlevy.Text, "     20,00");
    EXPECT_EQ(st.CenaPoSleve.Text, "  1 000,00");
    EXPECT_EQ(st.CenaNet.Text, "      5,00");
    EXPECT_TRUE(st.Label6.Viditelny);
    EXPECT_EQ(st.Celkem.Text, "Kupno ogółem bez podatku:");
    EXPECT_EQ(st.ProcentoSlevy.Text, "Rabat:");
    EXPECT_EQ(st.Nakonec.Text, "Cena ostateczna (bez transportu):");
    EXPECT_EQ(st.Titulek, "Quilmar - wypełnienia drzwiowe : Nowy plik.qms");

    s.SDvojbarva = true;
    s.SCtyrsklo = true;
    s.SPrekryvna = true;
    s.SPrekryv = 2;
    panel();
    EXPECT_EQ(st.CenaBarvy12.Text, "   11,00");
    EXPECT_EQ(st.CenaSklaP.Text, "   12,00");
    EXPECT_EQ(st.CenaSklaP2.Text, "   13,00");

    s.nVypln = Currency{}; // an amount that became zero empties its label
    panel();
    EXPECT_EQ(st.CenaVyplne.Text, "");
}

TEST_F(PanelTest, SalePricesShowOnlyTheTotals)
{
    panel(); // first with purchase prices, then switched
    rezim(2);
    s.Cizina = true;
    s.nProcSlevy = 12.5;
    s.nProcSlevy2 = 12.5;
    s.nDPH = 23;
    s.SCeny.CenyData.Pocitat = 1;
    panel();
    EXPECT_EQ(st.Celkem.Text, "Sprzedaż ogółem z podatkiem  (23%):");
    EXPECT_EQ(st.ProcentoSlevy.Text, "Rabat dla klienta (12,5%):");
    for (const Popis *p : {&st.CenaVyplne, &st.CenaBarvy1, &st.CenaDoplnku[1], &st.CenaNet})
        EXPECT_EQ(p->Text, "");
    EXPECT_FALSE(st.Label6.Viditelny);
    for (const Popis *p : {&st.LabTz1, &st.LabTZ2, &st.LabMezisouc, &st.TZ1, &st.TZ2, &st.Mezisouc})
        EXPECT_FALSE(p->Viditelny);
    EXPECT_EQ(st.CenaPredSlevou.Text, " 12 345,68");
    EXPECT_EQ(st.CenaPoSleve.Text, "  1 000,00");
}

TEST_F(PanelTest, CaptionsFollowDiscountAndTax)
{
    struct Pripad {
        int rezim, pocitat;
        double procSlevy, dph;
        const char *celkem, *sleva;
    } pripady[] = {
        {1, 1, 4.2, 23, "Kupno ogółem z podatkiem  (23%):", "Rabat dostawcy (4,2%):"},
        {1, 1, 0, 0, "Kupno ogółem bez podatku:", "Rabat:"},    // no VAT: without tax
        {1, 0, 4.2, 8.5, "Kupno ogółem bez podatku:", "Rabat dostawcy (4,2%):"},
        {2, 0, 10, 23, "Sprzedaż ogółem bez podatku:", "Rabat dla klienta (12,5%):"},
    };
    for (const auto &p : pripady) {
        rezim(p.rezim);
        s.SCeny.CenyData.Pocitat = p.pocitat;
        s.nProcSlevy = p.procSlevy;
        s.nProcSlevy1 = 4.2;
        s.nProcSlevy2 = 12.5;
        s.nDPH = p.dph;
        panel();
        EXPECT_EQ(st.Celkem.Text, p.celkem) << p.rezim << " " << p.dph;
        EXPECT_EQ(st.ProcentoSlevy.Text, p.sleva) << p.rezim << " " << p.procSlevy;
    }
}

TEST_F(PanelTest, FinalCaptionNamesTheRoundedTransportWhenIncluded)
{
    struct Pripad {
        int rezim, dopravy;
        long double in, out;
        const char *text;
    } pripady[] = {
        {1, 1, 47.5L, 100, "Cena ostateczna (transport 48):"},
        {1, 1, 46.5L, 100, "Cena ostateczna (transport 46):"},
        {2, 1, 46.5L, 100, "Cena ostateczna (transport 146):"},
        {1, 0, 47.5L, 0, "Cena ostateczna (bez transportu):"},  // not included
        {1, 1, 0.4L, 0, "Cena ostateczna (bez transportu):"},   // rounds to 0
        {0, 1, 47.5L, 0, "Cena ostateczna (bez transportu):"},  // no prices shown
    };
    for (const auto &p : pripady) {
        rezim(p.rezim);
        s.SCeny.CenyData.Dopravy = p.dopravy;
        s.nDopravaIn = E(p.in);
        s.nDopravaOut = E(p.out);
        panel();
        EXPECT_EQ(st.Nakonec.Text, p.text) << p.rezim << " " << static_cast<double>(p.in);
    }
}

TEST_F(PanelTest, NoDisplayModeHidesTheTotalsAndEveryAmount)
{
    panel();
    rezim(0);
    panel();
    EXPECT_FALSE(st.Panel3.Viditelny);
    EXPECT_EQ(st.CenaVyplne.Text, "");
    EXPECT_EQ(st.CenaDoplnku[1].Text, "");
    EXPECT_EQ(st.Nakonec.Text, "Cena ostateczna (bez transportu):");
}

TEST_F(PanelTest, NothingToPriceLeavesThePanelsAsTheyAre)
{
    s.VyplnVybrana = false;
    panel();
    EXPECT_FALSE(st.Panel2.Viditelny);
    EXPECT_FALSE(st.Panel3.Viditelny);
    EXPECT_EQ(st.CenaPredSlevou.Text, "");
    EXPECT_EQ(st.CenaVyplne.Text, "");

    s.TypZakazky = 2; // an accessories-only job is priced without an infill
    panel();
    EXPECT_TRUE(st.Panel3.Viditelny);
    EXPECT_EQ(st.CenaDoplnku[1].Text, "1 234,50");
}

TEST_F(PanelTest, OversizeHplUsesTheOverlayLine)
{
    s.SHPL1 = true;
    s.nRozmer = E(50);
    panel();
    EXPECT_EQ(st.Prekryvy.Text, "Dopłata za HPL większy niż 900 x 2100 mm");
    EXPECT_EQ(st.Prekryvy.Barva, BarvaTextu::Cervena);
    EXPECT_EQ(st.CenaRozmeru.Text, "   50,00");

    s.nRozmer = Currency{};
    panel();
    EXPECT_EQ(st.Prekryvy.Text, "");
    EXPECT_EQ(st.Prekryvy.Barva, BarvaTextu::Okno);
    EXPECT_EQ(st.CenaRozmeru.Text, "");

    // A shifted axis keeps the overlay line; without colours the infill price is hidden.
    s.nRozmer = E(50);
    s.SPosunOs = true;
    s.BarvyVybrany = false;
    st.Prekryvy = {"posun", BarvaTextu::Okno};
    panel();
    EXPECT_EQ(st.Prekryvy.Text, "posun");
    EXPECT_EQ(st.CenaRozmeru.Text, "   50,00");
    EXPECT_EQ(st.CenaVyplne.Text, "");

    // Other infills never show the surcharge.
    s.SHPL1 = false;
    st.CenaRozmeru.Text.clear();
    panel();
    EXPECT_EQ(st.CenaRozmeru.Text, "");
}

TEST(OcenOkno, PricesWithoutCatalogueAndReportsABrokenVatRateOnce)
{
    qmrtest::TempDir dir;
    Session s;
    s.apCesta = dir.path().string() + "/";
    s.apData = s.apCesta + "DATA/";
    s.apConf = s.apData + "Quilmar.cfg";
    dir.write("DATA/.keep", "");
    s.TypZakazky = 1;
    s.VyplnVybrana = true;
    s.SVypln.DVypln.Polozka = 0;
    s.SVypln.DVypln.Nazev = "Vzor";
    s.SFormat = 1;
    s.SZaskleni = 1;
    VolbaStav st = PocatecniStav(s);
    OcenOkno(s, st);
    EXPECT_EQ(st.ChybaOceneni, "");
    EXPECT_TRUE(st.Panel3.Viditelny); // missing settings read as purchase prices
    EXPECT_EQ(st.CenaVyplne.Text, "");

    dir.write("DATA/Quilmar.cfg", "[Ceny]\nDPHin=abc\n");
    OcenOkno(s, st);
    EXPECT_NE(st.ChybaOceneni, "");
    EXPECT_EQ(st.Nakonec.Text, "Cena ostateczna (bez transportu):");
}
