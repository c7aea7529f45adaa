// Price settings and preferences in the configuration file.
#include "PricingFixture.h"

#include "core/Errors.h"
#include "core/IniFile.h"
#include "pricing/UCenyDef.h"

#include <string>
#include <vector>

using namespace qmr;
using namespace pricingtest;

namespace {

using CenyDef = PricingTest;

TEST_F(CenyDef, MissingFileReadsAsDefaults)
{
    TCeny c;
    c.CenyData.Zobrazit = 2;
    c.CenyData.SlevaQM = 7;
    Nacti(s, c);
    const TCenyData &d = c.CenyData;
    EXPECT_EQ(d.DPHin, 0);
    EXPECT_EQ(d.DPHout, 0);
    EXPECT_EQ(d.SlevaQM, 0);
    EXPECT_EQ(d.Zobrazit, 1);
    EXPECT_EQ(d.Pocitat, 0);
    EXPECT_FALSE(d.CenuNab);
    EXPECT_TRUE(s.Cizina);
}

TEST_F(CenyDef, ReadsEveryKeyAndForcesTheCurrencySettings)
{
    Conf("[Ceny]\r\nDPHin=23,00\r\nDPHout=8,5\r\nDopravaIn=30\r\nDopravaOut=40\r\nSlevaQM=12\r\n"
         "Marze=250\r\nTypMarze=1\r\nZpusobMarze=1\r\nRam=60\r\nSlevaZak=5\r\nZobrazit=2\r\nPocitat=1\r\n"
         "Dopravy=1\r\nCenuNab=1\r\n"
         // Not read: the currency settings are fixed.
         "MenaP=CZK\r\nKurzP=1\r\nKurzN=1\r\nPrepObj=0\r\nPrepNab=0\r\n");
    TCeny c;
    c.CenyData.MenaP = "CZK";
    c.CenyData.KurzP = c.CenyData.KurzN = 1;
    c.CenyData.PrepObj = c.CenyData.PrepNab = false;
    Nacti(s, c);
    const TCenyData &d = c.CenyData;
    EXPECT_DOUBLE_EQ(d.DPHin, 23);
    EXPECT_DOUBLE_EQ(d.DPHout, 8.5);
    EXPECT_EQ(d.DopravaIn, 30);
    EXPECT_EQ(d.DopravaOut, 40);
    EXPECT_EQ(d.SlevaQM, 12);
    EXPECT_EQ(d.MarzeProd, 250);
    EXPECT_EQ(d.MarzeTyp, 1);
    EXPECT_EQ(d.MarzeZpusob, 1);
    EXPECT_EQ(d.Ram, 60);
    EXPECT_EQ(d.SlevaZak, 5);
    EXPECT_EQ(d.Zobrazit, 2);
    EXPECT_EQ(d.Pocitat, 1);
    EXPECT_EQ(d.Dopravy, 1);
    EXPECT_TRUE(d.CenuNab);
    EXPECT_EQ(d.MenaP, "EUR");
    EXPECT_DOUBLE_EQ(d.KurzP, 0.0542);
    EXPECT_DOUBLE_EQ(d.KurzN, 0.0542);
    EXPECT_TRUE(d.PrepObj);
    EXPECT_TRUE(d.PrepNab);
    EXPECT_TRUE(s.Cizina);
}

TEST_F(CenyDef, VatTextsUseTheDecimalComma)
{
    struct {
        const char *text;
        double value;
    } ok[] = {{"23,00", 23}, {"8,5", 8.5}, {" 8,00", 8}, {"5", 5}, {",5", 0.5}, {"23,", 23}, {"", 0}};
    for (const auto &p : ok) {
        SCOPED_TRACE(p.text);
        EXPECT_DOUBLE_EQ(DPHzTextu(p.text), p.value);
    }
    for (const char *bad : {"  ,  ", "abc", "23.00", "2x", "23,0,0", "1e", "--1"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(DPHzTextu(bad), EConvertError);
    }
    EXPECT_EQ(DPHnaText(23), "23,00");
    EXPECT_EQ(DPHnaText(8.5), "8,50");
    EXPECT_EQ(DPHnaText(0), "0,00");
}

TEST_F(CenyDef, VatTextThatIsNoNumberFailsTheReading)
{
    Conf("[Ceny]\r\nDPHin=dwadziescia\r\n");
    TCeny c;
    EXPECT_THROW(Nacti(s, c), EConvertError);
}

TEST_F(CenyDef, DialogOkWritesEveryKeyInOrder)
{
    CenyDialogValues h;
    h.DPHin = "23,00";
    h.DPHout = " 8,00";
    h.DopravaOut = 0;
    h.Marze = 15;
    h.Ram = 0;
    h.SlevaZak = 3;
    h.DopravaIn = 20;
    h.SlevaQM = 10;
    h.TypMarze = 1;
    h.ZpusobMarze = 0;
    h.Zobrazit = 2;
    h.Pocitat = 1;
    h.Dopravy = 1;
    h.CenuNab = false;
    ZapisCeny(s, h);

    IniFile f(s.apConf);
    EXPECT_EQ(f.ReadSection("Ceny"),
              (std::vector<std::string>{"DPHin", "DPHout", "DopravaOut", "Marze", "Ram", "SlevaZak", "DopravaIn",
                                        "SlevaQM", "TypMarze", "ZpusobMarze", "Zobrazit", "Pocitat", "Dopravy",
                                        "CenuNab"}));
    // A plain INI file: zeros and False are written, not left out.
    EXPECT_EQ(f.ReadString("Ceny", "DopravaOut", "?"), "0");
    EXPECT_EQ(f.ReadString("Ceny", "Ram", "?"), "0");
    EXPECT_EQ(f.ReadString("Ceny", "CenuNab", "?"), "0");
    EXPECT_EQ(f.ReadString("Ceny", "Dopravy", "?"), "1");

    // Read back through the settings.
    TCeny c;
    Nacti(s, c);
    EXPECT_DOUBLE_EQ(c.CenyData.DPHin, 23);
    EXPECT_DOUBLE_EQ(c.CenyData.DPHout, 8);
    EXPECT_EQ(c.CenyData.MarzeProd, 15);
    EXPECT_EQ(c.CenyData.MarzeTyp, 1);
    EXPECT_EQ(c.CenyData.SlevaZak, 3);
    EXPECT_EQ(c.CenyData.Dopravy, 1);
}

TEST_F(CenyDef, WithoutSupplierTransportTheTransportIsNotIncluded)
{
    Conf("[Ceny]\r\nDopravy=1\r\nDopravaIn=20\r\n[Firma]\r\nNazev=X\r\n");
    for (int doprava : {0, -10}) {
        SCOPED_TRACE(doprava);
        CenyDialogValues h;
        h.DPHin = h.DPHout = "23,00";
        h.DopravaIn = doprava;
        h.Dopravy = 1;
        ZapisCeny(s, h);
        TCeny c;
        Nacti(s, c);
        EXPECT_EQ(c.CenyData.Dopravy, 0);
        EXPECT_EQ(c.CenyData.DopravaIn, doprava);
    }
    // Other sections are left alone.
    EXPECT_EQ(IniFile(s.apConf).ReadString("Firma", "Nazev", ""), "X");
}

TEST_F(CenyDef, CustomerDiscountIsWrittenAloneAndZeroIsKept)
{
    Conf("[Ceny]\r\nSlevaZak=5\r\nSlevaQM=10\r\n");
    s.SCeny.CenyData.SlevaZak = 0;
    ZapisSlevyZak(s);
    IniFile f(s.apConf);
    EXPECT_EQ(f.ReadString("Ceny", "SlevaZak", "?"), "0");
    EXPECT_EQ(f.ReadString("Ceny", "SlevaQM", "?"), "10");
    s.SCeny.CenyData.SlevaZak = 12;
    ZapisSlevyZak(s);
    EXPECT_EQ(IniFile(s.apConf).ReadInteger("Ceny", "SlevaZak", -1), 12);
}

TEST_F(CenyDef, PreferencesAreReadAndWritten)
{
    TVolby v;
    Nacti(s, v);
    EXPECT_EQ(v.DefaultData.Sirka, 0);
    EXPECT_EQ(v.DefaultData.Vyska, 0);

    Conf("[Volby]\r\nSirka=980\r\nVyska=2050\r\n");
    Nacti(s, v);
    EXPECT_EQ(v.DefaultData.Sirka, 980);
    EXPECT_EQ(v.DefaultData.Vyska, 2050);

    ZapisVolby(s, 0, 2100);
    IniFile f(s.apConf);
    EXPECT_EQ(f.ReadString("Volby", "Sirka", "?"), "0");
    EXPECT_EQ(f.ReadString("Volby", "Vyska", "?"), "2100");
    EXPECT_EQ(s.SVolby.DefaultData.Sirka, 0);
    EXPECT_EQ(s.SVolby.DefaultData.Vyska, 2100);
}

} // namespace
