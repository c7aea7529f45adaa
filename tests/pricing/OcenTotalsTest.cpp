// Reinforcement index, preparation, discounts, margin, views, transport and VAT.
#include "PricingFixture.h"

#include "core/IniFile.h"
#include "core/TSifraSoubor.h"
#include "pricing/UOcen.h"

#include <string>

using namespace qmr;
using namespace pricingtest;

namespace {

class OcenTotals : public PricingTest {
protected:
    void SetUp() override
    {
        // 2290 -> 124.118 -> 124.50; 1010 -> 54.742 -> 55.00.
        Katalog("Sleva", {{"ZCF1S2", 2290}});
        Katalog("Sto", {{"ZCF1S2", 1010}});
    }

    // Infill "Sleva" (purchase 124.50) and a net accessory of 100 (SNetto 5.50).
    void Zakazka()
    {
        Panel("Sleva");
        s.DoplnkyVybrany = true;
        s.SDoplnek1.DDoplnek.Polozka = 0;
        s.SDoplnek1.DDoplnek.SCena = 100;
        s.SDoplnek1.DDoplnek.PocetKs = 1;
        s.SDoplnek1.DDoplnek.CenaNetto = true;
    }
};

TEST_F(OcenTotals, ReinforcementIndexFollowsTheThicknessBands)
{
    struct {
        bool glas;
        int zesil;
        int ind;
    } pripady[] = {
        {false, 36, 0}, {false, 35, 1}, {false, 31, 1}, {false, 30, 2}, {false, 26, 2}, {false, 25, 3},
        {false, 21, 3}, {false, 20, 4}, {false, 16, 4}, {false, 15, 5}, {false, 13, 5}, {false, 12, 6},
        {false, 11, 6}, {false, 10, 7}, {false, 9, 7},  {false, 8, 8},  {false, 6, 8},  {false, 5, 9},
        {false, 4, 10}, {false, 0, 10},
        // A glass panel counts 4 mm more: 32 + 4 = 36, 1 + 4 = 5.
        {true, 32, 0},  {true, 31, 1},  {true, 1, 9},   {true, 0, 10},
    };
    for (const auto &p : pripady) {
        SCOPED_TRACE(std::to_string(p.zesil) + (p.glas ? " mm glass" : " mm"));
        s.Zesilena = true;
        s.SGlas = p.glas;
        s.SZesil = p.zesil;
        Ocen(s); // nothing chosen: the index is set all the same
        EXPECT_EQ(s.IndZesil, p.ind);
        EXPECT_EQ(s.SZesil, p.zesil);
    }
    s.Zesilena = false;
    s.SZesil = 12;
    Ocen(s);
    EXPECT_EQ(s.IndZesil, 11);
    EXPECT_EQ(s.SZesil, 0);
}

TEST_F(OcenTotals, NothingChosenPricesNothingAndDropsEarlierTotals)
{
    // Figures of an earlier configuration.
    s.nProdejni = s.nPoSleve1 = s.nPoSleve2 = s.nSleva1 = s.nSleva2 = s.nabDopravaIn = E(500);
    s.nVypln = s.nKonecna = s.nPredSlevou = s.nSleva = s.SNetto = E(77);
    Conf("[Ceny]\r\nDopravaIn=30\r\nDopravaOut=-5\r\nSlevaQM=12\r\nDopravy=1\r\n");
    Ocen(s);
    for (Currency c : {s.nVypln, s.nKonecna, s.nPredSlevou, s.nSleva, s.SNetto, s.nNakupKC, s.nProdejni,
                       s.nPoSleve1, s.nPoSleve2, s.nSleva1, s.nSleva2, s.nabDopravaIn})
        EXPECT_EQ(c, E(0));
    // The preparation still runs: transport (a negative one as 0), discount, currencies.
    EXPECT_EQ(s.nDopravaIn, E(30));
    EXPECT_EQ(s.nDopravaOut, E(0));
    EXPECT_EQ(s.nProcSlevy1, 12);
    EXPECT_EQ(s.cMenaObj, "EUR");
    EXPECT_EQ(s.cMenaNab, "EUR");
    EXPECT_TRUE(s.lPrepObj);
    EXPECT_TRUE(s.lPrepNab);
    EXPECT_TRUE(s.Cizina);
}

TEST_F(OcenTotals, InfillWithoutGlazingVariantIsNotPriced)
{
    Panel("Sleva");
    s.SZaskleni = -1;
    Ocen(s);
    EXPECT_EQ(s.nVypln, E(0));
    EXPECT_EQ(s.nKonecna, E(0));
}

TEST_F(OcenTotals, SupplierDiscountMarginAndCustomerDiscount)
{
    struct {
        const char *nazev;
        const char *ceny;
        bool akcni;
        int typ;
        long double sleva1, poSleve1, prodejni, sleva2, poSleve2;
    } pripady[] = {
        // Purchase 124.50, SNetto 5.50. Discount 10 %: 12.45 -> 12.5 (one decimal, half up).
        // After it: 124.50 - 12.50 + 5.50 = 117.50. Amount margin 1000 on 124.50 + 5.50 = 130.00.
        {"amount margin on the price before the discount", "SlevaQM=10\r\nMarze=1000\r\n", false, 1,
         12.50, 117.50, 1130.00, 0, 1130.00},
        // Amount margin, base after the discount: 117.50 + 1000 + frame 50.
        {"amount margin on the price after the discount",
         "SlevaQM=10\r\nMarze=1000\r\nZpusobMarze=1\r\nRam=50\r\n", false, 1, 12.50, 117.50, 1167.50, 0, 1167.50},
        // 20 % of 117.50 = 23.50; 117.50 + 23.50 + 50 = 191.00; customer 15 %: 28.65 -> 162.35.
        {"percentage margin after the discount",
         "SlevaQM=10\r\nMarze=20\r\nTypMarze=1\r\nZpusobMarze=1\r\nRam=50\r\nSlevaZak=15\r\n", false, 1,
         12.50, 117.50, 191.00, 28.65, 162.35},
        // 20 % of 130.00 = 26.00; 130.00 + 26.00 + 50 = 206.00.
        {"percentage margin before the discount",
         "SlevaQM=10\r\nMarze=20\r\nTypMarze=1\r\nRam=50\r\n", false, 1, 12.50, 117.50, 206.00, 0, 206.00},
        // Promotional infill: no supplier discount, 124.50 + 5.50 = 130.00; 20 % after: 156.00.
        {"promotional infill has no supplier discount",
         "SlevaQM=10\r\nMarze=20\r\nTypMarze=1\r\nZpusobMarze=1\r\n", true, 1, 0, 130.00, 156.00, 0, 156.00},
        // Accessories-only job: no frame price. Purchase = the net accessory only, so the
        // accessory is made ordinary below; 100 -> 5.50, discount 0.55 -> 0.6 (half up),
        // after: 4.90; margin 10 + 4.90 = 14.90.
        {"accessories-only job has no frame price", "SlevaQM=10\r\nMarze=10\r\nZpusobMarze=1\r\nRam=50\r\n",
         false, 2, 0.60, 4.90, 14.90, 0, 14.90},
    };
    for (const auto &p : pripady) {
        SCOPED_TRACE(p.nazev);
        s = Session{};
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        s.apConf = s.apData + "Quilmar.cfg";
        Conf(std::string("[Ceny]\r\nZobrazit=2\r\n") + p.ceny);
        Zakazka();
        s.SAkcni = p.akcni;
        if (p.typ == 2) {
            s.TypZakazky = 2;
            s.VyplnVybrana = false;
            s.SFormat = s.SZaskleni = -1;
            s.SDoplnek1.DDoplnek.CenaNetto = false;
        }
        Ocen(s);
        EXPECT_EQ(s.nSleva1, E(p.sleva1));
        EXPECT_EQ(s.nPoSleve1, E(p.poSleve1));
        EXPECT_EQ(s.nProdejni, E(p.prodejni));
        EXPECT_EQ(s.nSleva2, E(p.sleva2));
        EXPECT_EQ(s.nPoSleve2, E(p.poSleve2));
        // Sale view.
        EXPECT_EQ(s.nMezisouc, E(p.prodejni));
        EXPECT_EQ(s.nPredSlevou, E(p.prodejni));
        EXPECT_EQ(s.nSleva, E(p.sleva2));
        EXPECT_EQ(s.nKonecna, E(p.poSleve2));
    }
}

TEST_F(OcenTotals, PurchaseAndSaleViewsWithTransport)
{
    struct {
        const char *nazev;
        const char *ceny;
        long double predSlevou, sleva, procSlevy, konecna, mezisouc, dph, nabDoprava;
    } pripady[] = {
        // Purchase view: 124.50, discount 12.50, after 117.50 (+ only the supplier's transport 30).
        {"purchase view includes the transport from the supplier",
         "Zobrazit=1\r\nSlevaQM=10\r\nSlevaZak=5\r\nDopravaIn=30\r\nDopravaOut=20\r\nDopravy=1\r\n"
         "DPHin=23,00\r\nDPHout=8,00\r\n",
         124.50, 12.50, 10, 147.50, 124.50, 23, 30},
        {"purchase view without transport",
         "Zobrazit=1\r\nSlevaQM=10\r\nDopravaIn=30\r\nDopravaOut=20\r\nDopravy=0\r\nDPHin=23,00\r\n",
         124.50, 12.50, 10, 117.50, 124.50, 23, 0},
        // Sale view: sale 130.00 (no margin); customer 5 % = 6.50 -> 123.50 + 30 + 20.
        {"sale view includes both transports",
         "Zobrazit=2\r\nSlevaQM=10\r\nSlevaZak=5\r\nDopravaIn=30\r\nDopravaOut=20\r\nDopravy=1\r\n"
         "DPHin=23,00\r\nDPHout=8,00\r\n",
         130.00, 6.50, 5, 173.50, 130.00, 8, 30},
        // "None" shows the sale figures too.
        {"no view shows the sale figures", "Zobrazit=0\r\nSlevaZak=5\r\nDPHout=8,00\r\n",
         130.00, 6.50, 5, 123.50, 130.00, 8, 0},
    };
    for (const auto &p : pripady) {
        SCOPED_TRACE(p.nazev);
        s = Session{};
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        s.apConf = s.apData + "Quilmar.cfg";
        Conf(std::string("[Ceny]\r\n") + p.ceny);
        Zakazka();
        Ocen(s);
        EXPECT_EQ(s.nPredSlevou, E(p.predSlevou));
        EXPECT_EQ(s.nSleva, E(p.sleva));
        EXPECT_DOUBLE_EQ(s.nProcSlevy, p.procSlevy);
        EXPECT_EQ(s.nKonecna, E(p.konecna));
        EXPECT_EQ(s.nMezisouc, E(p.mezisouc));
        EXPECT_DOUBLE_EQ(s.nDPH, p.dph);
        EXPECT_EQ(s.nabDopravaIn, E(p.nabDoprava));
        EXPECT_EQ(s.nNakupKC, E(124.50));
    }
}

TEST_F(OcenTotals, PricesWithVat)
{
    // Infill 55.00, amount margin 45: sale 100.00. Transports 20 and 10 not included.
    Conf("[Ceny]\r\nZobrazit=2\r\nMarze=45\r\nDopravaIn=20\r\nDopravaOut=10\r\nPocitat=1\r\n"
         "DPHin=5,00\r\nDPHout=23,00\r\n");
    Panel("Sto");
    Ocen(s);
    EXPECT_DOUBLE_EQ(s.nDPH, 23);
    EXPECT_EQ(s.nKonecna, E(123.00));    // 100 + 23
    EXPECT_EQ(s.nPredSlevou, E(123.00));
    EXPECT_EQ(s.nPoSleve2, E(123.00));
    EXPECT_EQ(s.nVypln, E(67.65));       // 55 + 12.65
    EXPECT_EQ(s.nDopravaIn, E(24.60));   // 20 + 4.60
    EXPECT_EQ(s.nDopravaOut, E(12.30));  // 10 + 2.30
    EXPECT_EQ(s.nabDopravaIn, E(0));
    EXPECT_EQ(s.nSleva, E(0));
    // Without VAT stay: purchase, sale and subtotal.
    EXPECT_EQ(s.nProdejni, E(100.00));
    EXPECT_EQ(s.nPoSleve1, E(55.00));
    EXPECT_EQ(s.nNakupKC, E(55.00));
    EXPECT_EQ(s.nMezisouc, E(100.00));

    // A fractional rate: 55 x 8.5 / 100 = 4.675 exactly.
    Conf("[Ceny]\r\nZobrazit=2\r\nMarze=45\r\nPocitat=1\r\nDPHout=8,50\r\n");
    Ocen(s);
    EXPECT_EQ(s.nVypln, E(59.675));
    EXPECT_EQ(s.nKonecna, E(108.50)); // 100 + 8.50
}

TEST_F(OcenTotals, PurchaseBelowOrAtZeroShowsNoTotals)
{
    Katalog("Nula", {});
    Conf("[Ceny]\r\nMarze=1000\r\nZobrazit=2\r\n");
    Panel("Nula");
    s.nPoSleve2 = E(999);
    Ocen(s);
    EXPECT_EQ(s.nKonecna, E(0));
    EXPECT_EQ(s.nPredSlevou, E(0));
    EXPECT_EQ(s.nProdejni, E(0));
    EXPECT_EQ(s.nPoSleve2, E(0));
}

TEST_F(OcenTotals, SettingsAndCatalogueAreReadOncePerChange)
{
    Conf("[Ceny]\r\nSlevaQM=10\r\n");
    Panel("Sleva");
    Ocen(s);
    EXPECT_EQ(s.nSleva1, E(12.50));

    TSifraSoubor &vyp = s.Soubory.Get(Vyplne());
    TSifraSoubor &conf = s.Soubory.Get(s.apConf);
    const auto vypParsed = vyp.ParseCount();
    const auto confParsed = conf.ParseCount();
    for (int i = 0; i < 5; ++i)
        Ocen(s);
    EXPECT_EQ(vyp.ParseCount(), vypParsed);
    EXPECT_EQ(conf.ParseCount(), confParsed);

    // A change on disk is seen by the next pricing.
    Katalog("Sleva", {{"ZCF1S2", 1010}}); // 55.00
    Conf("[Ceny]\r\nSlevaQM=20\r\nDopravy=0\r\n");
    Ocen(s);
    EXPECT_EQ(s.nNakupKC, E(55.00));
    EXPECT_EQ(s.nSleva1, E(11.00)); // 20 % of 55
    EXPECT_EQ(s.SCeny.CenyData.SlevaQM, 20);
}

TEST_F(OcenTotals, PricingLeavesOtherReadersTheirFreshnessCheck)
{
    Conf("[Ceny]\r\nSlevaQM=10\r\n[Firma]\r\nNazev=A\r\n");
    Panel("Sleva");
    Ocen(s);
    Conf("[Ceny]\r\nSlevaQM=10\r\n[Firma]\r\nNazev=Bb\r\n");
    EXPECT_EQ(s.Soubory.Get(s.apConf).ReadString("Firma", "Nazev", ""), "Bb");
}

TEST_F(OcenTotals, ReinforcementVariantsPossible)
{
    struct {
        const char *nazev;
        void (*nastav)(Session &);
        bool tpr, rc3, rc2;
    } pripady[] = {
        {"plastic panel", [](Session &) {}, true, false, true},
        {"aluminium outside", [](Session &s) { s.SHlinik = true; }, false, false, true},
        {"aluminium inside without glazing",
         [](Session &s) { s.SHlinik2 = true; s.SZaskleni = 0; }, false, true, true},
        {"HPL inside", [](Session &s) { s.SHPL2 = true; }, false, false, false},
        {"HPL-only inner colour", [](Session &s) { s.SBarva2.DBarva.JenomHPL = true; }, false, false, false},
        {"veneer", [](Session &s) { s.SDyha2 = true; }, false, false, false},
        {"glass", [](Session &s) { s.SGlas = true; }, false, false, false},
        {"no dimensions yet", [](Session &s) { s.RozmerVybran = false; s.MuzeTPR = s.MuzeRC2 = true; },
         false, false, false},
    };
    for (const auto &p : pripady) {
        SCOPED_TRACE(p.nazev);
        s = Session{};
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        s.apConf = s.apData + "Quilmar.cfg";
        Panel("Sleva");
        s.RozmerVybran = true;
        p.nastav(s);
        Ocen(s);
        EXPECT_EQ(s.MuzeTPR, p.tpr);
        EXPECT_EQ(s.MuzeRC3, p.rc3);
        EXPECT_EQ(s.MuzeRC2, p.rc2);
    }
}

} // namespace
