// What the job-file writer puts into the file, and where.
#include "jobfiles/JobFixture.h"

#include "core/Errors.h"

#include <filesystem>

namespace {

using namespace jobtest;
using Keys = std::vector<std::string>;

class Writer : public JobTest {
protected:
    std::string Zapis(const std::string &jmeno = "zapis.qms", bool LSoubor = false)
    {
        std::string cesta = Job(jmeno);
        qmr::FileZapis(s, cesta, LSoubor, hodiny);
        return cesta;
    }
};

TEST_F(Writer, PanelWithoutOverlayHasNoOverlayKeysButAlwaysItsCountsAndSizes)
{
    Vypln(s, "Vzor A1");
    s.SSirka = s.SVyska = s.CTloustka = 0;
    s.SFormat = 0;
    s.SZaskleni = 0;
    s.SJednoZask = true; // never stored: the catalogue decides on reading
    s.SAkcni = true;
    s.SFixFormat = "F1S0";
    const qmr::IniFile f(Zapis());

    EXPECT_EQ(f.ReadSections(), (Keys{"Objednavka", "Firma", "Vypln"}));
    EXPECT_EQ(f.ReadSection("Objednavka"),
              (Keys{"Verze", "Preklad", "Cislo", "Vystaveni", "Dodani", "Typ", "Pocet", "Podpis"}));
    EXPECT_EQ(f.ReadString("Objednavka", "Verze", ""), "5.2");
    EXPECT_EQ(f.ReadString("Objednavka", "Preklad", ""), "1.8.2023");
    EXPECT_EQ(f.ReadString("Objednavka", "Vystaveni", ""), "05.03.2024");
    EXPECT_EQ(f.ReadString("Objednavka", "Pocet", ""), "0");
    for (const char *k : {"Sirka", "Vyska", "Tloustka", "Format", "Zaskleni"})
        EXPECT_EQ(f.ReadString("Vypln", k, "-"), "0") << k;
    for (const char *k : {"Prekryvna", "SPrekryv", "PVL", "PVD", "KotH1", "KotP4", "PVL2", "STloustka",
                          "JednoZask", "AkcniV", "SZesil", "PosunOs", "HPosun", "Barva1", "Sklo1", "Mrizka",
                          "VitrazPisek", "Doplnek1"})
        EXPECT_FALSE(f.ValueExists("Vypln", k)) << k;
    EXPECT_TRUE(f.ValueExists("Vypln", "FixFormat"));
    EXPECT_EQ(f.ReadString("Vypln", "FixFormat", "-"), "");
    EXPECT_EQ(f.ReadString("Vypln", "Vyztuz", ""), "-1");
}

TEST_F(Writer, StripWithMilledStripOfHigherVariantWritesTheGreaterVariantTwice)
{
    Vypln(s, "Vzor A1");
    s.SOPaska1 = 1;
    s.SODr1 = 2;
    const qmr::IniFile f(Zapis());
    EXPECT_EQ(f.ReadString("Vypln", "Paska1", ""), "2");
    EXPECT_EQ(f.ReadString("Vypln", "FrPaska1", ""), "2");
    EXPECT_EQ(f.ReadString("Vypln", "Paska2", ""), "0");
    EXPECT_FALSE(f.ValueExists("Vypln", "FrPaska2"));
}

TEST_F(Writer, SpacerIsStoredOnlyWhereItCanBeFitted)
{
    struct Pripad {
        int SZesil, SPrekryv, SBarvaDR;
        bool zapsan;
    };
    for (const Pripad p : {Pripad{0, 0, 1, true}, Pripad{19, 1, 0, true}, Pripad{20, 0, 1, false},
                           Pripad{0, 2, 1, false}, Pripad{0, 0, -1, false}}) {
        s.TypZakazky = 2;
        s.SZesil = p.SZesil;
        s.SPrekryv = p.SPrekryv;
        Doplnek(s, 1, "Kukátko", 1).SBarvaDR = p.SBarvaDR;
        const qmr::IniFile f(Zapis());
        EXPECT_EQ(f.ValueExists("Vypln", "DistanceD1"), p.zapsan) << p.SZesil << "/" << p.SPrekryv;
        EXPECT_EQ(f.ReadString("Vypln", "BarvaDR1", ""), p.zapsan && p.SBarvaDR ? "1" : "");
    }
}

TEST_F(Writer, AttachmentNameWithoutLSouborWritesTheAttachmentFileAndKeepsEdited)
{
    s.TypZakazky = 2;
    s.apEdited = true;
    std::string jmeno = Job("Zamowienie.QMR");
    qmr::FileZapis(s, jmeno, false, hodiny);
    EXPECT_EQ(jmeno, s.apPriloha);
    EXPECT_TRUE(std::filesystem::exists(s.apPriloha));
    EXPECT_FALSE(std::filesystem::exists(Job("Zamowienie.QMR")));
    EXPECT_TRUE(s.apEdited);

    jmeno = Job("Zamowienie.qmr");
    qmr::FileZapis(s, jmeno, true, hodiny);
    EXPECT_EQ(jmeno, Job("Zamowienie.qmr"));
    EXPECT_TRUE(std::filesystem::exists(jmeno));
    EXPECT_FALSE(s.apEdited);
}

TEST_F(Writer, FileWrittenTwiceHoldsOnlyTheSecondContent)
{
    const std::string cesta = Job("dvakrat.qms");
    dir.write("jobs/dvakrat.qms", "[Cizi]\r\nKlic=1\r\n[Vypln]\r\nStary=1\r\n");
    Vypln(s, "Vzor A1");
    Doplnek(s, 1, "Madlo", 1);
    s.SPoznamky = {"a", "b", "c"};
    Zapis("dvakrat.qms");

    s.TypZakazky = 2;
    s.SDoplnek1.DDoplnek = qmr::TDDoplnek{};
    s.DoplnkyVybrany = false;
    s.SPoznamky = {"jen jedna"};
    Zapis("dvakrat.qms");

    const qmr::IniFile f(cesta);
    EXPECT_EQ(f.ReadSections(), (Keys{"Objednavka", "Firma", "Poznamky"}));
    EXPECT_EQ(f.ReadSection("Poznamky"), (Keys{"Radek0"}));
    EXPECT_EQ(qmrtest::TempDir::read(cesta).find("Stary"), std::string::npos);
}

TEST_F(Writer, FailedWriteRaisesFileErrorAndKeepsTheJobEdited)
{
    s.TypZakazky = 2;
    s.apEdited = true;
    std::string cesta = dir.path().string() + "/chybi/zapis.qms";
    EXPECT_THROW(qmr::FileZapis(s, cesta, false, hodiny), qmr::EFileError);
    EXPECT_TRUE(s.apEdited);
}

TEST_F(Writer, EndCustomerIsAskedForAndStoredOnlyInAJobFileWhenTheSwitchIsOn)
{
    s.TypZakazky = 2;
    int dotazu = 0;
    const qmr::ZakaznikDialog dialog = [&](qmr::Session &x) {
        ++dotazu;
        x.Zakaznik.Data.Jmeno = "Anna";
        x.Zakaznik.Data.Email = "anna@example.com";
    };
    std::string cesta = Job("zakaznik.qms");
    qmr::FileZapis(s, cesta, false, hodiny, dialog);
    EXPECT_EQ(dotazu, 0); // the switch is off
    EXPECT_FALSE(qmr::IniFile(cesta).SectionExists("Zakaznik"));

    s.apZakaznik = true;
    std::string priloha = Job("x.qmr");
    qmr::FileZapis(s, priloha, false, hodiny, dialog);
    EXPECT_EQ(dotazu, 0); // not for the attachment
    qmr::FileZapis(s, cesta, false, hodiny, dialog);
    EXPECT_EQ(dotazu, 1);
    const qmr::IniFile f(cesta);
    EXPECT_EQ(f.ReadSections(), (Keys{"Objednavka", "Zakaznik", "Firma"}));
    EXPECT_EQ(f.ReadString("Zakaznik", "ZJmeno", ""), "Anna");

    qmr::Session y;
    Pripravit(y);
    y.apZakaznik = true;
    ASSERT_TRUE(qmr::NactiData(y, cesta, zpravy, hodiny));
    EXPECT_EQ(y.Zakaznik.Data.Jmeno, "Anna");
    EXPECT_EQ(y.Zakaznik.Data.Email, "anna@example.com");
    EXPECT_EQ(y.Zakaznik.Data.Mobil, "");
}

} // namespace
