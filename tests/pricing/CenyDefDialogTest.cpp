// The working copies of the price settings and preferences dialogs.
#include "PricingFixture.h"

#include "core/Errors.h"
#include "pricing/UCenyDefDialog.h"

#include <string>

using namespace qmr;
using namespace pricingtest;

namespace {

class CenyDefDialog : public PricingTest {
protected:
    std::string Bytes() const { return qmrtest::TempDir::read(s.apConf); }
};

TEST_F(CenyDefDialog, OpensWithTheStoredValuesAndVatInTwoDecimals)
{
    Conf("[Ceny]\r\nDPHin=23\r\nDPHout=8,5\r\nDopravaIn=30\r\nDopravaOut=40\r\nSlevaQM=12\r\n"
         "Marze=250\r\nTypMarze=1\r\nZpusobMarze=1\r\nRam=60\r\nSlevaZak=5\r\nZobrazit=2\r\nPocitat=1\r\n"
         "Dopravy=1\r\nCenuNab=1\r\n");
    const CenyDef d(s);
    EXPECT_EQ(d.DPHin(), "23,00");
    EXPECT_EQ(d.DPHout(), "8,50");
    EXPECT_EQ(d.DopravaIn(), 30);
    EXPECT_EQ(d.DopravaOut(), 40);
    EXPECT_EQ(d.SlevaQM(), 12);
    EXPECT_EQ(d.MarzeProd(), 250);
    EXPECT_EQ(d.MarzeTyp(), 1);
    EXPECT_EQ(d.MarzeZpusob(), 1);
    EXPECT_EQ(d.Ram(), 60);
    EXPECT_EQ(d.SlevaZak(), 5);
    EXPECT_EQ(d.Zobrazit(), 2);
    EXPECT_EQ(d.Pocitat(), 1);
    EXPECT_EQ(d.Dopravy(), 1);
    EXPECT_TRUE(d.CenuNab());
    EXPECT_EQ(d.Soubor(), s.apConf);
}

TEST_F(CenyDefDialog, MissingFileOpensWithTheDefaults)
{
    const CenyDef d(s);
    EXPECT_EQ(d.DPHin(), "0,00");
    EXPECT_EQ(d.DPHout(), "0,00");
    EXPECT_EQ(d.Zobrazit(), 1);
    EXPECT_EQ(d.SlevaQM(), 0);
    EXPECT_FALSE(d.CenuNab());
}

TEST_F(CenyDefDialog, NegativeDiscountsBecomeZeroAtOnce)
{
    Conf("[Ceny]\r\nSlevaQM=-3\r\nSlevaZak=-1\r\n");
    CenyDef d(s);
    EXPECT_EQ(d.SlevaQM(), 0);
    EXPECT_EQ(d.SlevaZak(), 0);
    struct {
        int typed, kept;
    } cases[] = {{-5, 0}, {-1, 0}, {0, 0}, {7, 7}, {99, 99}, {150, 99}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        d.setSlevaQM(c.typed);
        d.setSlevaZak(c.typed);
        EXPECT_EQ(d.SlevaQM(), c.kept);
        EXPECT_EQ(d.SlevaZak(), c.kept);
    }
}

TEST_F(CenyDefDialog, OkWritesTheSectionInTheDialogsOrder)
{
    Conf("[Firma]\r\nNazev=X\r\n");
    CenyDef d(s);
    d.setDPHin("19,50");
    d.setDPHout("8,00");
    d.setSlevaQM(10);
    d.setDopravaIn(20);
    d.setDopravaOut(30);
    d.setMarzeProd(15);
    d.setMarzeTyp(1);
    d.setMarzeZpusob(1);
    d.setRam(60);
    d.setSlevaZak(3);
    d.setZobrazit(2);
    d.setPocitat(1);
    d.setDopravy(1);
    d.setCenuNab(true);
    ASSERT_TRUE(d.MuzePotvrdit());
    d.Potvrd();
    EXPECT_EQ(Bytes(), "[Firma]\r\nNazev=X\r\n"
                       "[Ceny]\r\nDPHin=19,50\r\nDPHout=8,00\r\nDopravaOut=30\r\nMarze=15\r\nRam=60\r\nSlevaZak=3\r\n"
                       "DopravaIn=20\r\nSlevaQM=10\r\nTypMarze=1\r\nZpusobMarze=1\r\nZobrazit=2\r\nPocitat=1\r\n"
                       "Dopravy=1\r\nCenuNab=1\r\n");
}

TEST_F(CenyDefDialog, WithoutSupplierTransportOkSetsTransportNotIncluded)
{
    Conf("[Ceny]\r\nDopravaIn=20\r\nDopravy=1\r\n");
    CenyDef d(s);
    ASSERT_EQ(d.Dopravy(), 1);
    d.setDopravaIn(0);
    d.Potvrd();
    EXPECT_EQ(d.Dopravy(), 0);
    EXPECT_NE(Bytes().find("\r\nDopravy=0\r\n"), std::string::npos);

    // With a transport price the choice stays.
    CenyDef e(s);
    e.setDopravaIn(10);
    e.setDopravy(1);
    e.Potvrd();
    EXPECT_NE(Bytes().find("\r\nDopravy=1\r\n"), std::string::npos);
}

TEST_F(CenyDefDialog, CancelWritesNothing)
{
    const std::string before = "[Ceny]\r\nDPHin=23,00\r\nSlevaQM=12\r\n";
    Conf(before);
    {
        CenyDef d(s);
        d.setDPHin("5,00");
        d.setSlevaQM(1);
        d.setCenuNab(true);
    }
    EXPECT_EQ(Bytes(), before);
}

TEST_F(CenyDefDialog, VatTextWithoutDigitsCannotBeConfirmed)
{
    const std::string before = "[Ceny]\r\nDPHin=23,00\r\n";
    Conf(before);
    CenyDef d(s);
    for (const char *bad : {",", "  ,  ", "x"}) {
        SCOPED_TRACE(bad);
        d.setDPHin(bad);
        EXPECT_FALSE(d.MuzePotvrdit());
        EXPECT_THROW(d.Potvrd(), EConvertError);
        EXPECT_EQ(Bytes(), before);
    }
    d.setDPHin("");
    d.setDPHout("5,");
    EXPECT_TRUE(d.MuzePotvrdit()); // an empty text reads as 0, "5," as 5
}

TEST_F(CenyDefDialog, VatTextThatIsNoNumberInTheFileKeepsTheDialogClosed)
{
    Conf("[Ceny]\r\nDPHout=dwadziescia\r\n");
    EXPECT_THROW(CenyDef d(s), EConvertError);
}

TEST_F(CenyDefDialog, PreferencesProposeOnlyStoredSizesAbove100)
{
    struct {
        int sirka, vyska; // stored
        int spinS, spinV; // shown
    } cases[] = {
        {0, 0, 0, 0}, {100, 100, 0, 0}, {101, 2050, 101, 2050}, {980, 50, 980, 0}, {2500, 3500, 2000, 3000},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.sirka << "x" << c.vyska);
        Conf("[Volby]\r\nSirka=" + std::to_string(c.sirka) + "\r\nVyska=" + std::to_string(c.vyska) + "\r\n");
        const Default d(s);
        EXPECT_EQ(d.Sirka(), c.spinS);
        EXPECT_EQ(d.Vyska(), c.spinV);
    }
}

TEST_F(CenyDefDialog, PreferencesOkWritesBothSizes)
{
    Conf("[Volby]\r\nSirka=50\r\nVyska=2000\r\n");
    {
        Default d(s); // cancelled
        d.setSirka(900);
    }
    EXPECT_EQ(Bytes(), "[Volby]\r\nSirka=50\r\nVyska=2000\r\n");
    Default d(s);
    d.setSirka(900);
    d.setVyska(-5); // limited to 0..3000
    d.Potvrd();
    EXPECT_EQ(Bytes(), "[Volby]\r\nSirka=900\r\nVyska=0\r\n");
}

} // namespace
