// A job written and read back gives the same panel: every choice, the names and prices
// from the catalogue and the price of the whole.
#include "jobfiles/JobFixture.h"

#include "core/Funkce.h"

namespace {

using namespace jobtest;
using qmr::Session;

class RoundTrip : public JobTest {
protected:
    // Overlay on both sides with quadruple glazing, a stainless frame and a groove outside,
    // milled strips inside, outer muntin, stained glass, muntin, four accessories and notes.
    void PanelSPrekryvem(Session &x)
    {
        Vypln(x, "Vzor A1");
        x.apCislo = "N-17";
        x.apTermin = qmr::EncodeDate(2024, 4, 2);
        x.apPocet = 2;
        x.apOdvoz = true;
        x.apPodpis = "Jan Nowak";
        x.SPozic = 2;
        x.SPrekryvna = true;
        x.SPrekryv = 2;
        x.PVL = 40, x.PVP = 45, x.PVH = 50, x.PVD = 20;
        x.PVL2 = 30, x.PVP2 = 35, x.PVH2 = 25, x.PVD2 = 15;
        x.KotH1 = 120, x.KotH2 = 860, x.KotD1 = 100, x.KotD2 = 880;
        x.KotL1 = 200, x.KotL2 = 700, x.KotL3 = 1300, x.KotL4 = 1900;
        x.KotP1 = 210, x.KotP2 = 710, x.KotP3 = 1310, x.KotP4 = 1910;
        x.STloustka = 68;
        x.PrekryvVybran = x.Prekryv2Vybran = true;
        qmr::TDVypln &v = x.SVypln.DVypln;
        qmr::NactiCary(x, qmr::Katalog(x, qmr::kVyplne), v.Nazev, x.SZetkova);
        x.SRamecek1 = 2;
        x.SODrazka1 = 1;
        x.SOPaska2 = 2;
        x.SODr2 = 2;
        x.SOMrizka = 2;
        RBarva(x, x.RBarva1, "Rám nerez", false, true);
        RBarva(x, x.RBarva2, "Dub", false, false);
        Barva(x, x.SBarva1, "Antracit", "7016");
        Barva(x, x.SBarva2, "Bílá", "9016");
        x.SBarva12.DBarva.Cislo = "0000"; // the RAL number of a colour the file does not carry
        x.BarvyVybrany = true;
        x.SVyztuz = 3;
        Sklo(x, x.SDekor1, "Čiré");
        Sklo(x, x.SDekor2, "Satináto");
        Sklo(x, x.SDekorP, "Float");
        Sklo(x, x.SDekor4, "Ornament");
        x.DekoryVybrany = true;
        qmr::NactiVitraz(x, "Tulipán", x.SVitraz.DVitraz);
        x.SVitraz.DVitraz.Polozka = 0;
        x.VitrazVybrana = true;
        x.SMrizka.DMrizka.SSirka = 26;
        qmr::NactiMrizku(x, "Příčka", x.SMrizka.DMrizka, x.SZaskleni, x.SFormat);
        x.SMrizka.DMrizka.Polozka = 0;
        x.MrizkaVybrana = true;
        qmr::TDDoplnek &m = Doplnek(x, 1, "Kratka", 3);
        m.Nazev = "M2 = 3 x kratka dekoracyjna";
        m.Namontovat = true;
        qmr::TDDoplnek &h = Doplnek(x, 2, "Madlo", 1);
        h.Namontovat = true;
        h.Umisten = true;
        h.Zleva = 80;
        h.Zdola = 1000;
        h.Tloustka = 40;
        x.SMadlo = true;
        Doplnek(x, 3, "Klepadlo", 2);
        Doplnek(x, 4, "Číslo", 4).Tloustka = 12;
        x.SPoznamky = {"Dostawa do 15:00", "Kolor według próbki", "Bez montażu"};
    }

    // Reinforced, triple glazing without overlay, shifted pattern, two colours outside,
    // glued strips outside, laminated outer pane, a spacer of black colour.
    void PanelZesileny(Session &x)
    {
        Vypln(x, "Vzor A1");
        x.apCislo = "Z/2024/5";
        x.apTermin = qmr::EncodeDate(2024, 5, 31);
        x.apPocet = 1;
        x.SPrava = true;
        x.SSirka = 900;
        x.SVyska = 1990;
        x.Zesilena = true;
        x.SZesil = 15;
        x.ZmensenyVyrez = true;
        x.SPosunOs = true;
        x.SHPosun = -40;
        x.SVPosun = 25;
        x.SDvojbarva = true;
        x.SPozic = 2;
        x.SOPaska1 = 1;
        RBarva(x, x.RBarva1, "Bílá", false, false);
        Barva(x, x.SBarva1, "Bílá", "9016");
        Barva(x, x.SBarva12, "Dub", "");
        Barva(x, x.SBarva2, "Antracit", "7016");
        x.BarvyVybrany = true;
        x.SVyztuz = 2;
        x.SDekor1.DDekor.Kod = "cx446";
        x.SDekor1.DDekor.Nazev = "connex 4.4.6";
        x.SDekor1.DDekor.TypSkla = 4;
        x.SDekor1.DDekor.Tloustka = 11;
        Sklo(x, x.SDekor2, "Čiré");
        Sklo(x, x.SDekorP, "Satináto");
        x.DekoryVybrany = true;
        qmr::TDDoplnek &k = Doplnek(x, 1, "Kukátko", 1);
        k.SBarvaDR = 1;
        qmr::TDDoplnek &h = Doplnek(x, 3, "Madlo", 1);
        h.Namontovat = true;
        x.SMadlo = true;
    }

    // Writes x, reads it into a fresh session and compares both after the refresh.
    void OcekavejNavrat(Session &x)
    {
        x.apDatObj = hodiny.Today(); // the file carries the day it was written
        qmr::NastavMaxima(x, false);
        qmr::SetKodRysu(x, x.SVypln.DVypln.Kod);
        Obnov(x);
        const std::string cesta = Uloz(x, "navrat.qms");
        Session y;
        Pripravit(y);
        ASSERT_TRUE(qmr::NactiData(y, cesta, zpravy, hodiny));
        EXPECT_TRUE(zpravy.empty()) << zpravy.texts().front();
        Obnov(y);
        EXPECT_EQ(OtiskSession(x, false), OtiskSession(y, false));
        EXPECT_EQ(x.SJmenoV, y.SJmenoV);
        EXPECT_EQ(x.SJmenoR1, y.SJmenoR1);
        EXPECT_EQ(x.SJmenoR2, y.SJmenoR2);
        EXPECT_EQ(x.nNakupKC, y.nNakupKC);
        EXPECT_EQ(x.nKonecna, y.nKonecna);
        EXPECT_EQ(x.SNetto, y.SNetto);
        EXPECT_GT(y.nNakupKC, qmr::Currency());
        EXPECT_EQ(y.apPath, cesta);
        EXPECT_EQ(y.apSoubor, "navrat.qms");
        EXPECT_EQ(y.DataPath, Job(""));
        EXPECT_FALSE(y.apEdited);
    }
};

TEST_F(RoundTrip, OverlayOnBothSidesWithEveryExtraComesBackWhole)
{
    PanelSPrekryvem(s);
    OcekavejNavrat(s);
    EXPECT_TRUE(s.SCtyrsklo);
    EXPECT_TRUE(s.Carame);
}

TEST_F(RoundTrip, ReinforcedTwoColourPanelWithShiftAndSpacerComesBackWhole)
{
    PanelZesileny(s);
    OcekavejNavrat(s);
    EXPECT_TRUE(s.STrojsklo);
}

TEST_F(RoundTrip, AccessoriesOnlyJobComesBackWithOnlyAccessoryKeys)
{
    s.TypZakazky = 2;
    s.apCislo = "A-1";
    Doplnek(s, 1, "Madlo", 2).Tloustka = 56;
    Doplnek(s, 2, "Klepadlo", 1);
    Doplnek(s, 3, "Kukátko", 1); // its spacer refused: no spacer colour, no spacer price
    s.SPoznamky = {"tylko akcesoria"};
    OcekavejNavrat(s);

    const qmr::IniFile f(Job("navrat.qms"));
    for (const std::string &klic : f.ReadSection("Vypln")) {
        const bool doplnek = klic.rfind("Doplnek", 0) == 0 || klic.rfind("DPocet", 0) == 0 ||
                             klic.rfind("Montaz", 0) == 0 || klic.rfind("Misto", 0) == 0 ||
                             klic.rfind("DTloustka", 0) == 0 || klic.rfind("NettoD", 0) == 0 ||
                             klic.rfind("VVZD", 0) == 0 || klic.rfind("VMDL", 0) == 0;
        EXPECT_TRUE(doplnek) << klic;
    }
    EXPECT_EQ(f.ReadString("Vypln", "Doplnek2", ""), "K02");
}

TEST_F(RoundTrip, WhatTheFileDoesNotCarryIsNotRestored)
{
    PanelSPrekryvem(s);
    for (int i = 1; i <= 13; ++i)
        s.SPoznamky.push_back("radek " + std::to_string(i));
    s.Firma.Data.Nazev1 = "Drzwi Sp. z o.o.";
    Obnov(s);
    s.SJmenoV = "popis z dialogu";
    const std::string cesta = Uloz(s, "neuplny.qms");

    Session y;
    Pripravit(y);
    y.Firma.Data.Nazev1 = "Firma z konfiguracji";
    ASSERT_TRUE(qmr::NactiData(y, cesta, zpravy, hodiny));
    EXPECT_EQ(y.SPoznamky.size(), 11u);
    EXPECT_EQ(y.SPoznamky.back(), "radek 8");
    EXPECT_EQ(y.Firma.Data.Nazev1, "Firma z konfiguracji");
    EXPECT_EQ(y.SJmenoV, "");   // TXVypln is not read
    EXPECT_EQ(y.CTloustka, 0);  // nor the thickness: the refresh derives it
    const qmr::IniFile f(cesta);
    EXPECT_EQ(f.ReadString("Vypln", "TXVypln", ""), "popis z dialogu");
    EXPECT_EQ(f.ReadString("Firma", "Nazev1", ""), "Drzwi Sp. z o.o.");
}

} // namespace
