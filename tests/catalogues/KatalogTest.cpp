#include "catalogues/Katalog.h"
#include "catalogues/Seznamy.h"

#include "KatalogFixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

using namespace qmr;
using qmrtest::KatalogFixture;
using qmrtest::sifra;

namespace {

// ---- Infill types ---------------------------------------------------------------------------

TEST(Katalog, InfillTypeIsReadWithEveryFieldAndEncipheredPrice)
{
    KatalogFixture f;
    std::string t = "[Hliník Lux]\r\nKod=AL12\r\nSpecial=1\r\nHlinik=1\r\nDvojbarva=1\r\n"
                    "Zetkova=1\r\nExcentr=1\r\nAsymH=1\r\nPomerH=40\r\nAsymP=1\r\nPomerP=30\r\n"
                    "PravaV=1\r\nJednoZask=1\r\nAkcniV=1\r\nPozic=2\r\nFixFormat=1/2 pevny\r\n"
                    "MaxVyskaF1=2100\r\nMaxSirkaF1=950\r\nMinVyskaF1=1500\r\nMinSirkaF1=600\r\n"
                    "MaxVyskaF2=1100\r\nMinVyskaF2=700\r\nHraVyskaF1=5\r\nHraSirkaF2P2=7\r\n"
                    "MinSirkaF2R2=640\r\nKMaxVyskaF2=1900\r\nKMinSirkaF2=410\r\n"
                    "OZMPocet=2\r\nOZM1=11\r\nOZM3=33\r\nHPasek=2\r\nZH2val=300\r\nZH2rel=40\r\n"
                    "ZH2neg=1\r\nVPasek=1\r\nZV1val=250\r\nZV6neg=1\r\n";
    for (int fmt = 1; fmt <= 2; ++fmt)
        for (int z = 0; z <= 6; ++z)
            t += sifra("ZCF" + std::to_string(fmt) + "S" + std::to_string(z), 1000 * fmt + z);
    t += sifra("KCF2ABS", 4321) + sifra("RMF1S1", 150) + sifra("RM2F1S1", 250) +
         sifra("OPF1S1", 60) + sifra("OP2F1S1", 70) + sifra("ODF1S1", 80) + sifra("OD2F1S1", 90);
    f.soubor("vyplne.qmr", t);

    TDVypln v;
    v.Polozka = 7;
    ASSERT_TRUE(NactiVypln(f.s, "Hliník Lux", v));
    EXPECT_EQ(v.Polozka, 7); // left to the caller
    EXPECT_EQ(v.Nazev, "Hliník Lux");
    EXPECT_EQ(v.Kod, "AL12");
    EXPECT_TRUE(v.Special && v.Hlinik && v.Dvojbarva && v.Zetkova && v.Excentr && v.AsymH &&
                v.AsymP && v.PravaV && v.JednoZask && v.AkcniV);
    EXPECT_FALSE(v.Dyha || v.Glas || v.RadaK || v.Pulpanel || v.Enkova || v.Rameckova || v.Kamen);
    EXPECT_FALSE(v.Lisovana); // aluminium
    EXPECT_EQ(v.PomerH, 40);
    EXPECT_EQ(v.PomerP, 30);
    EXPECT_EQ(v.Pozic, 2);
    EXPECT_EQ(v.FixFormat, "1/2 pevny");
    EXPECT_EQ(v.MaxVyskaF1, 2100);
    EXPECT_EQ(v.MaxSirkaF1, 950);
    EXPECT_EQ(v.MinVyskaF1, 1500);
    EXPECT_EQ(v.MinSirkaF1, 600);
    EXPECT_EQ(v.MaxVyskaF2, 1100);
    EXPECT_EQ(v.MaxSirkaF2, 950); // F1 maximum
    EXPECT_EQ(v.MinVyskaF2, 700);
    EXPECT_EQ(v.MinSirkaF2, 0);
    EXPECT_EQ(v.HraVyskaF1, 5);
    EXPECT_EQ(v.HraSirkaF2P2, 7);
    EXPECT_EQ(v.MinSirkaF2R2, 640);
    EXPECT_EQ(v.KMaxVyskaF2, 1900);
    EXPECT_EQ(v.KMinSirkaF2, 410);
    EXPECT_EQ(v.OZMPocet, 2);
    EXPECT_EQ(v.OZM1, 11);
    EXPECT_EQ(v.OZM2, 0);
    EXPECT_EQ(v.OZM3, 33);
    EXPECT_EQ(v.HPasek, 2);
    EXPECT_EQ(v.ZH2val, 300);
    EXPECT_EQ(v.ZH2rel, 40);
    EXPECT_TRUE(v.ZH2neg);
    EXPECT_EQ(v.VPasek, 1);
    EXPECT_EQ(v.ZV1val, 250);
    EXPECT_TRUE(v.ZV6neg);
    for (int fmt = 1; fmt <= 2; ++fmt)
        for (int z = 0; z <= 6; ++z)
            EXPECT_EQ(v.ZCF(fmt, z), 1000 * fmt + z) << fmt << "/" << z;
    EXPECT_EQ(v.KCF2ABS, 4321);
    EXPECT_EQ(v.RM1cena, 150);
    EXPECT_EQ(v.RM2cena, 250);
    EXPECT_FALSE(v.RamJenAK);
    EXPECT_EQ(v.OP1cena, 60);
    EXPECT_EQ(v.OP2cena, 70);
    EXPECT_EQ(v.OD1cena, 80);
    EXPECT_EQ(v.OD2cena, 90);
}

TEST(Katalog, InfillTypeWithoutKeysTakesTheDefaults)
{
    KatalogFixture f;
    f.soubor("vyplne.qmr", "[Prazdna]\nKod=X1\n[Vyssi]\nMaxVyskaF1=2000\nMaxSirkaF1=900\n");

    TDVypln v;
    v.ZCF1S3 = 55; // a stale value from an earlier read is replaced
    v.Kamen = true;
    ASSERT_TRUE(NactiVypln(f.s, "Prazdna", v));
    EXPECT_EQ(v.Pozic, 1);
    EXPECT_EQ(v.PomerH, 100);
    EXPECT_EQ(v.PomerP, 100);
    EXPECT_EQ(v.MaxVyskaF1, 2200);
    EXPECT_EQ(v.MaxSirkaF1, 1000);
    EXPECT_EQ(v.MaxVyskaF2, 2200);
    EXPECT_EQ(v.MaxSirkaF2, 1000);
    EXPECT_EQ(v.MinVyskaF1, 0);
    EXPECT_EQ(v.ZCF1S3, 0); // a section without a price key prices it at 0
    EXPECT_EQ(v.KCF2ABS, 0);
    EXPECT_EQ(v.RM1cena, 0);
    EXPECT_FALSE(v.RamJenAK);
    EXPECT_FALSE(v.Kamen);
    EXPECT_TRUE(v.Lisovana); // none of aluminium, K series, glass, veneer

    ASSERT_TRUE(NactiVypln(f.s, "Vyssi", v));
    EXPECT_EQ(v.MaxVyskaF2, 2000); // the F2 maxima follow the F1 maxima
    EXPECT_EQ(v.MaxSirkaF2, 900);

    EXPECT_FALSE(NactiVypln(f.s, "Neni", v));
    EXPECT_EQ(v.Nazev, "Neni");
    EXPECT_EQ(v.Kod, "");
    EXPECT_EQ(v.MaxVyskaF1, 2200);
}

struct RamCase {
    const char *nazev;
    int rm, rm2, rma, rma2;
    bool rameckova, glas, lisovana;
    int cena1, cena2;
    bool jenAK;
    int vyberCena1, vyberCena2;
    bool vyberJenAK;
};

TEST(Katalog, FramePricesFallBackToTheStainlessPair)
{
    const RamCase cases[] = {
        // Job-file reading: the stainless pair stands in when RMF1S1 is below 1.
        {"ordinary frames", 150, 250, 400, 500, false, false, false, 150, 250, false, 150, 250, false},
        {"stainless only", 0, 0, 400, 500, false, false, false, 400, 500, true, 400, 500, true},
        {"no frames at all", 0, 80, 0, 90, false, false, false, 0, 90, false, 0, 80, false},
        // The selection dialog takes stainless frames for a frame-type glass or pressed panel.
        {"frame type, glass", 150, 250, 400, 500, true, true, false, 150, 250, false, 400, 500, true},
        {"frame type, pressed", 150, 250, 400, 500, true, false, true, 150, 250, false, 400, 500, true},
        {"frame type, aluminium", 0, 0, 400, 500, true, false, false, 400, 500, true, 0, 0, false},
    };
    for (const RamCase &c : cases) {
        SCOPED_TRACE(c.nazev);
        KatalogFixture f;
        std::string t = "[V]\nKod=V1\n";
        if (c.rameckova)
            t += "Rameckova=1\n";
        if (!c.lisovana)
            t += "Hlinik=1\n";
        t += sifra("RMF1S1", c.rm) + sifra("RM2F1S1", c.rm2) + sifra("RMAF1S1", c.rma) +
             sifra("RMA2F1S1", c.rma2);
        f.soubor("vyplne.qmr", t);
        f.s.SGlas = c.glas;

        TDVypln v;
        NactiVypln(f.s, "V", v);
        EXPECT_EQ(v.RM1cena, c.cena1);
        EXPECT_EQ(v.RM2cena, c.cena2);
        EXPECT_EQ(v.RamJenAK, c.jenAK);

        TDVypln w;
        NactiVyplnVyberu(f.s, "V", w);
        EXPECT_EQ(w.RM1cena, c.vyberCena1);
        EXPECT_EQ(w.RM2cena, c.vyberCena2);
        EXPECT_EQ(w.RamJenAK, c.vyberJenAK);
    }
}

TEST(Katalog, SelectionTakesSecondFormatLimitsFromTheFirstUnlessPressed)
{
    KatalogFixture f;
    f.soubor("vyplne.qmr", "[Al]\nHlinik=1\nMaxVyskaF1=2100\nMaxVyskaF2=1200\nMaxSirkaF2=500\n"
                           "MinVyskaF1=900\nMinSirkaF1=400\n"
                           "[Lis]\nMaxVyskaF1=2100\nMaxVyskaF2=1200\nMinVyskaF1=900\nMinSirkaF2=300\n");
    TDVypln al;
    NactiVyplnVyberu(f.s, "Al", al);
    EXPECT_EQ(al.MaxVyskaF2, 2100);
    EXPECT_EQ(al.MaxSirkaF2, 1000);
    EXPECT_EQ(al.MinVyskaF2, 900); // the F2 minima default to the F1 minima here
    EXPECT_EQ(al.MinSirkaF2, 400);

    TDVypln lis;
    NactiVyplnVyberu(f.s, "Lis", lis);
    EXPECT_TRUE(lis.Lisovana);
    EXPECT_EQ(lis.MaxVyskaF2, 1200);
    EXPECT_EQ(lis.MinVyskaF2, 900);
    EXPECT_EQ(lis.MinSirkaF2, 300);

    TDVypln zakazka; // the job-file reading keeps explicit F2 maxima, minima default to 0
    NactiVypln(f.s, "Al", zakazka);
    EXPECT_EQ(zakazka.MaxVyskaF2, 1200);
    EXPECT_EQ(zakazka.MaxSirkaF2, 500);
    EXPECT_EQ(zakazka.MinVyskaF2, 0);
}

TEST(Katalog, PocetVariantCountsPricedVariants)
{
    EXPECT_EQ(PocetVariant(0, 100), 0);
    EXPECT_EQ(PocetVariant(-5, 100), 0);
    EXPECT_EQ(PocetVariant(1, 0), 1);
    EXPECT_EQ(PocetVariant(100, 1), 2);
}

// ---- Code lookup ---------------------------------------------------------------------------------

TEST(Katalog, NajdiStrFindsTheFirstSectionWithTheTrimmedCode)
{
    KatalogFixture f;
    f.soubor("barvy.qmr", "[Bila]\nKod=b1\n[Cerna]\nKod= c2 \n[Cerna mat]\nKod=c2\n"
                          "[Bez kodu]\nDrevo=1\n[Velka]\nKod=C2\n");
    const TSifraSoubor &b = Katalog(f.s, kBarvy);
    EXPECT_EQ(NajdiStr(b, "Kod", "c2"), "Cerna"); // duplicate code: first in file order
    EXPECT_EQ(NajdiStr(b, "Kod", "  c2\t"), "Cerna");
    EXPECT_EQ(NajdiStr(b, "Kod", "C2"), "Velka"); // case-sensitive
    EXPECT_EQ(NajdiStr(b, "kod", "b1"), "Bila"); // key names are not
    EXPECT_EQ(NajdiStr(b, "Kod", "x9"), "?????");
    EXPECT_EQ(NajdiStr(b, "Kod", ""), "?????"); // not the section without a code
    EXPECT_EQ(NajdiStr(b, "Drevo", "1"), "Bez kodu");
}

TEST(Katalog, CatalogueFileIsFoundInAnyCaseOfItsName)
{
    KatalogFixture f;
    f.soubor("BARVY.qmr", "[Modra]\nKod=m1\n");
    EXPECT_EQ(&Katalog(f.s, "barvy.qmr"), &Katalog(f.s, "BARVY.qmr"));
    EXPECT_EQ(NajdiStr(Katalog(f.s, kBarvy), "Kod", "m1"), "Modra");
    TDbarva b;
    EXPECT_TRUE(NactiBarvu(f.s, "Modra", b));
    EXPECT_EQ(b.Kod, "m1");
}

TEST(Katalog, Windows1250CatalogueGivesUtf8Names)
{
    KatalogFixture f;
    // "Złoty dąb" and "Šedá" in Windows-1250.
    f.soubor("barvy.qmr", "[Z\xb3oty d\xb9" "b]\r\nKod=zd\r\n[\x8a" "ed\xe1]\r\nKod=se\r\n");
    EXPECT_EQ(NajdiStr(Katalog(f.s, kBarvy), "Kod", "se"), "Šedá");
    SeznamyBarev(f.s);
    ASSERT_EQ(f.s.ListBarev.size(), 2u);
    EXPECT_EQ(f.s.ListBarev[0], "Złoty dąb");
    TDbarva b;
    EXPECT_TRUE(NactiBarvu(f.s, "ZŁOTY DĄB", b)); // sections compared without case
    EXPECT_EQ(b.Kod, "zd");
}

// ---- Colours -------------------------------------------------------------------------------

TEST(Katalog, PanelColourReadsPricesFlagsAndLimits)
{
    KatalogFixture f;
    f.soubor("barvy.qmr",
             "[Dub]\nKod=dub\nDrevo=2\nObjDni=14\nMaxVF1=2000\nMaxVF2=1000\nMaxSF1=900\n"
             "MaxSF2=450\nDyha=1\nDDekor=1\nElox=1\nBeton=1\nProHPL=1\nJenomHPL=1\nFixRAL=1\n"
             "Kamen=1\nHlinik=0\n" +
                 sifra("BF1S1", 11) + sifra("BF1S2", 12) + sifra("BF2S1", 21) + sifra("BF2S2", 22) +
                 sifra("BF3S1", 31) + sifra("BF3S2", 32) + sifra("PHPL1", 41) + sifra("VHPL1", 42) +
                 sifra("NETPS1", 51) + sifra("NETPS2", 52) + sifra("PRDEKOR", 61) +
                 sifra("PRDVOJBARVA1", 71) + sifra("PRDVOJBARVA2", 72) + "[Bila]\nKod=bila\n");
    TDbarva b;
    b.Polozka = 3;
    b.Cislo = "9016";
    ASSERT_TRUE(NactiBarvu(f.s, "Dub", b));
    EXPECT_EQ(b.Polozka, 3);
    EXPECT_EQ(b.Cislo, "9016");
    EXPECT_EQ(b.Nazev, "Dub");
    EXPECT_EQ(b.Kod, "dub");
    EXPECT_EQ(b.BF1S1, 11);
    EXPECT_EQ(b.BF1S2, 12);
    EXPECT_EQ(b.BF2S1, 21);
    EXPECT_EQ(b.BF2S2, 22);
    EXPECT_EQ(b.BF3S1, 31);
    EXPECT_EQ(b.BF3S2, 32);
    EXPECT_EQ(b.PHPL1, 41);
    EXPECT_EQ(b.VHPL1, 42);
    EXPECT_EQ(b.NetPS1, 51);
    EXPECT_EQ(b.NetPS2, 52);
    EXPECT_EQ(b.PrDekor, 61);
    EXPECT_EQ(b.PrDvojbarva1, 71);
    EXPECT_EQ(b.PrDvojbarva2, 72);
    EXPECT_EQ(b.Drevo, 2);
    EXPECT_EQ(b.ObjDni, 14);
    EXPECT_EQ(b.MaxVF1, 2000);
    EXPECT_EQ(b.MaxVF2, 1000);
    EXPECT_EQ(b.MaxSF1, 900);
    EXPECT_EQ(b.MaxSF2, 450);
    EXPECT_TRUE(b.Dyha && b.DDekor && b.Elox && b.Beton && b.ProHPL && b.JenomHPL && b.FixRal);
    EXPECT_FALSE(b.Hlinik);
    EXPECT_FALSE(b.Kamen); // stone colours are not in use

    ASSERT_TRUE(NactiBarvu(f.s, "Bila", b));
    EXPECT_EQ(b.BF3S2, 0);
    EXPECT_EQ(b.Drevo, 0);
    EXPECT_EQ(b.ALABS, 0);
    EXPECT_FALSE(b.Dyha || b.DDekor || b.FixRal);
}

TEST(Katalog, FrameColourKeepsTheChosenFinish)
{
    KatalogFixture f;
    f.soubor("barvy.qmr", "[Antracit]\nKod=an\nDrevo=1\nHlinik=1\nElox=1\nBeton=1\nKamen=1\n"
                          "ObjDni=5\nJenomHPL=1\nALABS=3\n" +
                              sifra("NETPS1", 120) + sifra("NETPS2", 60));
    TRbarva r;
    r.AK = true; // stainless, from the frame material box
    r.Cislo = "7016";
    ASSERT_TRUE(NactiRBarvu(f.s, "Antracit", r));
    EXPECT_TRUE(r.AK);
    EXPECT_EQ(r.Cislo, "7016");
    EXPECT_EQ(r.Nazev, "Antracit");
    EXPECT_EQ(r.Kod, "an");
    EXPECT_EQ(r.Drevo, 1);
    EXPECT_TRUE(r.Hlinik && r.Elox);
    EXPECT_FALSE(r.Beton || r.Kamen || r.JenomHPL);
    EXPECT_EQ(r.ALABS, 0);
    EXPECT_EQ(r.ObjDni, 5);
    EXPECT_EQ(r.NetPS1, 120);
    EXPECT_EQ(r.NetPS2, 60);
}

// ---- Glass, accessories, stained glass, muntins ------------------------------------------------

TEST(Katalog, GlassReadsTypeThicknessAndRoles)
{
    KatalogFixture f;
    f.soubor("dekory.qmr", "[Float]\nKod=flt4\n[Connex]\nKod=cx442\nTypSkla=2\nTloustka=9\n"
                           "LNeDvojsklo=1\nLTrojU=1\n");
    TDdekor d;
    ASSERT_TRUE(NactiDekor(f.s, "Float", d));
    EXPECT_EQ(d.Kod, "flt4");
    EXPECT_EQ(d.TypSkla, 0);
    EXPECT_EQ(d.Tloustka, 4);
    ASSERT_TRUE(NactiDekor(f.s, "Connex", d));
    EXPECT_EQ(d.TypSkla, 2);
    EXPECT_EQ(d.Tloustka, 9);
    const RoleSkla r = NactiRoleSkla(f.s, "Connex");
    EXPECT_TRUE(r.LNeDvojsklo);
    EXPECT_TRUE(r.LTrojU);
    EXPECT_FALSE(r.LTroj1 || r.LTroj2);
}

TEST(Katalog, AccessoryReadsCatalogueFieldsAndKeepsTheSlot)
{
    KatalogFixture f;
    f.soubor("doplnky.qmr", "[Madlo]\nKod=mdl1\nMaDistanci=1\nAutoMontaz=1\nBezTloustky=1\n"
                            "MadloVert=1\nCenaNetto=1\nLimitTl=1\nMinimum=1\nNeukazat=1\n"
                            "NeSMont=1\nNeBezM=1\nVzdVert=300\nMaxTloust=40\n" +
                                sifra("Cena", 900) + sifra("Montaz", 150) + sifra("CenaDR", 75) +
                                "[Kukatko]\nKod=kuk\n");
    TDDoplnek d;
    d.Polozka = 2;
    d.Namontovat = true;
    d.PocetKs = 3;
    d.SBarvaDR = 1;
    d.Zleva = 120;
    ASSERT_TRUE(NactiDoplnek(f.s, "Madlo", d));
    EXPECT_EQ(d.Nazev, "Madlo");
    EXPECT_EQ(d.Kod, "mdl1");
    EXPECT_EQ(d.SCena, 900);
    EXPECT_EQ(d.SMontaz, 150);
    EXPECT_EQ(d.SCenaDR, 75);
    EXPECT_TRUE(d.MaDistanci && d.AutoMontaz && d.BezTloustky && d.MadloVert && d.CenaNetto &&
                d.MaxTl && d.Minimum && d.Neukazat && d.NeSMont && d.NeBezM);
    EXPECT_EQ(d.VzdVert, 300);
    EXPECT_EQ(d.MaxTloust, 40);
    EXPECT_EQ(d.Polozka, 2);
    EXPECT_TRUE(d.Namontovat);
    EXPECT_EQ(d.PocetKs, 3);
    EXPECT_EQ(d.SBarvaDR, 1);
    EXPECT_EQ(d.Zleva, 120);

    ASSERT_TRUE(NactiDoplnek(f.s, "Kukatko", d));
    EXPECT_EQ(d.MaxTloust, 99);
    EXPECT_EQ(d.VzdVert, 0);
    EXPECT_EQ(d.SCena, 0);
    EXPECT_FALSE(d.MaxTl || d.MadloVert);
}

TEST(Katalog, StainedGlassReadsPricesByFormatAndVariant)
{
    KatalogFixture f;
    std::string t = "[Ruze]\nKod=K1-ruze\nVitrPis=2\n";
    for (int fmt = 1; fmt <= 2; ++fmt)
        for (int z = 1; z <= 6; ++z)
            t += sifra("CF" + std::to_string(fmt) + "S" + std::to_string(z), 100 * fmt + z);
    t += "[Bez kodu]\nCF1S1=0\n";
    f.soubor("vitraze.qmr", t);
    TDVitraz v;
    ASSERT_TRUE(NactiVitraz(f.s, "Ruze", v));
    EXPECT_EQ(v.Kod, "K1-ruze");
    EXPECT_EQ(v.VitrPis, 2);
    for (int fmt = 1; fmt <= 2; ++fmt)
        for (int z = 1; z <= 6; ++z)
            EXPECT_EQ(v.CF(fmt, z), 100 * fmt + z);
    ASSERT_TRUE(NactiVitraz(f.s, "Bez kodu", v));
    EXPECT_EQ(v.Kod, "Bez kodu"); // the code defaults to the name
    EXPECT_EQ(v.VitrPis, 0);
    EXPECT_EQ(v.CF2S6, 0);
}

TEST(Katalog, MuntinReadsTheWidthsOfTheVariantAndFormat)
{
    KatalogFixture f;
    f.soubor("mrizky.qmr", "[Kratka 18]\nKod=K1M18\nSirkaS21=18\nSirkaS22=26\nSirkaS23=45\n"
                           "SirkaS31=99\n" +
                               sifra("CS2S1F1", 300) + sifra("CS2S2F1", 400) + sifra("CS2S3F1", 500) +
                               sifra("CS2S1F2", 333) + "[Bez]\nSirkaS11=5\n");
    TDMrizka m;
    m.Polozka = 4;
    m.SSirka = 26;
    ASSERT_TRUE(NactiMrizku(f.s, "Kratka 18", m, 2, 1));
    EXPECT_EQ(m.Kod, "K1M18");
    EXPECT_EQ(m.Sirka1, 18);
    EXPECT_EQ(m.Sirka2, 26);
    EXPECT_EQ(m.Sirka3, 45);
    EXPECT_EQ(m.Cena1, 300);
    EXPECT_EQ(m.Cena2, 400);
    EXPECT_EQ(m.Cena3, 500);
    EXPECT_EQ(m.SSirka, 26);
    EXPECT_EQ(m.SCena, 400);
    EXPECT_EQ(m.Polozka, 4);

    ASSERT_TRUE(NactiMrizku(f.s, "Kratka 18", m, 2, 2));
    EXPECT_EQ(m.Cena1, 333);
    EXPECT_EQ(m.Cena2, 0);

    m.SSirka = 30; // matches none of the widths: the third price
    NactiMrizku(f.s, "Kratka 18", m, 2, 1);
    EXPECT_EQ(m.SCena, 500);

    ASSERT_TRUE(NactiMrizku(f.s, "Bez", m, 2, 1));
    EXPECT_EQ(m.Kod, "???");
    EXPECT_EQ(m.Sirka1, 0);
}

TEST(Katalog, LookupByCodeKeepsTheCodeAndMarksAnUnknownOne)
{
    KatalogFixture f;
    f.soubor("barvy.qmr", "[Bila]\nKod=b1\nHlinik=1\n" + sifra("BF1S1", 10));
    f.soubor("vitraze.qmr", "[Ruze]\nKod=K1r\nVitrPis=0\n" + sifra("CF1S2", 77));
    f.soubor("doplnky.qmr", "[Madlo]\nKod=m1\n" + sifra("Cena", 500));
    f.soubor("dekory.qmr", "[Float]\nKod=flt\nTloustka=6\n");
    f.soubor("mrizky.qmr", "[Kr]\nKod=K1M\nSirkaS11=18\n" + sifra("CS1S1F1", 40));

    TDbarva b;
    b.Kod = " b1";
    EXPECT_TRUE(NactiBarvuPodleKodu(f.s, b));
    EXPECT_EQ(b.Nazev, "Bila");
    EXPECT_EQ(b.Kod, " b1");
    EXPECT_EQ(b.BF1S1, 10);
    EXPECT_TRUE(b.Hlinik);

    b.Kod = "zz";
    EXPECT_FALSE(NactiBarvuPodleKodu(f.s, b));
    EXPECT_EQ(b.Nazev, "?????");
    EXPECT_EQ(b.Kod, "zz");
    EXPECT_EQ(b.BF1S1, 0);
    EXPECT_FALSE(b.Hlinik);

    TDVitraz v;
    v.Kod = "K1r";
    v.VitrPis = 3; // the kind stored in the job file stays
    EXPECT_TRUE(NactiVitrazPodleKodu(f.s, v));
    EXPECT_EQ(v.Nazev, "Ruze");
    EXPECT_EQ(v.VitrPis, 3);
    EXPECT_EQ(v.CF1S2, 77);

    TDDoplnek d;
    d.Kod = "m1";
    EXPECT_TRUE(NactiDoplnekPodleKodu(f.s, d));
    EXPECT_EQ(d.SCena, 500);
    d.Kod = "m2";
    EXPECT_FALSE(NactiDoplnekPodleKodu(f.s, d));
    EXPECT_EQ(d.Nazev, "?????");
    EXPECT_EQ(d.MaxTloust, 99);

    TDdekor g;
    g.Kod = "flt";
    EXPECT_TRUE(NactiDekorPodleKodu(f.s, g));
    EXPECT_EQ(g.Tloustka, 6);

    TDMrizka m;
    m.Kod = "K1M";
    m.SSirka = 18;
    EXPECT_TRUE(NactiMrizkuPodleKodu(f.s, m, 1, 1));
    EXPECT_EQ(m.Nazev, "Kr");
    EXPECT_EQ(m.SCena, 40);
    EXPECT_EQ(m.SSirka, 18);
}

// ---- Parsing once --------------------------------------------------------------------------------

TEST(Katalog, CatalogueIsParsedOncePerRunAndAgainWhenItChanges)
{
    KatalogFixture f;
    std::string t;
    for (int i = 0; i < 50; ++i)
        t += "[Vypln " + std::to_string(i) + "]\nKod=V" + std::to_string(i) + "\nHlinik=1\n" +
             sifra("ZCF1S1", 100 + i);
    f.soubor("vyplne.qmr", t);

    SeznamyVyplni(f.s);
    TDVypln v;
    for (int i = 0; i < 50; ++i) {
        const std::string sekce = NajdiStr(Katalog(f.s, kVyplne), "Kod", "V" + std::to_string(i));
        ASSERT_TRUE(NactiVypln(f.s, sekce, v));
        NactiVyplnVyberu(f.s, sekce, v);
    }
    EXPECT_EQ(v.ZCF1S1, 149);
    EXPECT_EQ(Katalog(f.s, "VYPLNE.qmr").ParseCount(), 1u);

    // A changed file (another size) is parsed again on the next read, once.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    f.soubor("vyplne.qmr", t + "[Nova]\nKod=N1\n" + sifra("ZCF1S1", 7));
    ASSERT_TRUE(NactiVypln(f.s, NajdiStr(Katalog(f.s, kVyplne), "Kod", "N1"), v));
    EXPECT_EQ(v.ZCF1S1, 7);
    SeznamyVyplni(f.s);
    EXPECT_EQ(f.s.ListVyplni.size(), 51u);
    EXPECT_EQ(Katalog(f.s, kVyplne).ParseCount(), 2u);
}

// ---- Picture names ----------------------------------------------------------------------------

TEST(Katalog, PictureNamesFromCodesStayInTheirFolder)
{
    const struct {
        std::string kod;
        bool bezpecny;
    } cases[] = {
        {"K12", true},     {"zl.dab", true},   {"Złoty dąb", true}, {"", false},
        {"../K12", false}, {"..", false},      {"a/b", false},      {"a\\b", false},
        {"/etc/x", false}, {std::string("a\0b", 3), false},
    };
    KatalogFixture f;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.kod);
        EXPECT_EQ(BezpecnyNazev(c.kod), c.bezpecny);
        const std::string cesta = CestaObrazku(f.s, "BARVY", c.kod);
        EXPECT_EQ(cesta, c.bezpecny ? f.s.apCesta + "BARVY/" + c.kod + ".jpg" : "");
    }
    EXPECT_EQ(CestaObrazku(f.s, "VYPLNE/", "K01"), f.s.apCesta + "VYPLNE/K01.jpg");
}

} // namespace
