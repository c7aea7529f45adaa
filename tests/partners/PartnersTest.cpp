// The supplier's file, the dealer's company in the configuration file and the folder of
// job files.
#include "core/IniFile.h"
#include "core/Session.h"
#include "partners/UJejichDef.h"
#include "partners/UNaseDef.h"
#include "partners/UZakazdef.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class Partners : public ::testing::Test {
protected:
    Partners()
    {
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        s.apConf = s.apData + "Quilmar.cfg";
        dir.write("DATA/.keep", "");
    }
    qmrtest::TempDir dir;
    qmr::Session s;
};

TEST_F(Partners, SupplierIsReadFromItsFileAndMissingValuesAreEmpty)
{
    qmr::Nacti(s, s.Quilmar);
    EXPECT_EQ(s.Quilmar.QMData.Nazev, "");

    dir.write("DATA/quilmar.qmr", "[Quilmar]\r\nNazev=Quilmar s.r.o.\r\nObec=Brno\r\nMail=obj@example.com\r\n"
                                  "Stranka=www.example.com\r\n");
    qmr::Nacti(s, s.Quilmar);
    EXPECT_EQ(s.Quilmar.QMData.Nazev, "Quilmar s.r.o.");
    EXPECT_EQ(s.Quilmar.QMData.Obec, "Brno");
    EXPECT_EQ(s.Quilmar.QMData.Mail, "obj@example.com");
    EXPECT_EQ(s.Quilmar.QMData.Stranka, "www.example.com");
    EXPECT_EQ(s.Quilmar.QMData.Fax, "");
}

TEST_F(Partners, SupplierIsWrittenInKeyOrderWithEmptyValues)
{
    qmr::TQuilmar q;
    q.QMData.Nazev = "Quilmar";
    q.QMData.Mail = "obj@example.com";
    qmr::Zapis(s, q);
    const qmr::IniFile f(qmr::SouborDodavatele(s));
    EXPECT_EQ(f.ReadSection("Quilmar"), (std::vector<std::string>{"Nazev", "Ulice", "PSC", "Obec", "Telefon", "Fax",
                                                                  "Mail", "Stranka"}));
    qmr::TQuilmar zpet;
    qmr::Nacti(s, zpet);
    EXPECT_EQ(zpet.QMData.Mail, "obj@example.com");
    EXPECT_EQ(zpet.QMData.Ulice, "");
}

TEST_F(Partners, CompanyIsReadWithItsModeAndNamesTheSession)
{
    dir.write("jobs/.keep", "");
    dir.write("DATA/Quilmar.cfg", "[Ceny]\r\nSlevaQM=10\r\n[Firma]\r\nNazev1=Drzwi Kowalski\r\nKod=01234\r\n"
                                  "Mail=biuro@example.pl\r\nMapiGroup=1\r\n[USER]\r\nPath=" +
                                      dir.path().string() + "/jobs\r\n");
    qmr::Nacti(s, s.Firma);
    EXPECT_EQ(s.Firma.Data.Nazev1, "Drzwi Kowalski");
    EXPECT_EQ(s.Firma.Data.Kod, "01234");
    EXPECT_EQ(s.Firma.Data.MapiGroup, 1);
    EXPECT_EQ(s.Firma.Data.Osoba, "");
    EXPECT_EQ(s.apFirma, "Drzwi Kowalski");
    EXPECT_EQ(s.DataPath, dir.path().string() + "/jobs/");
}

TEST_F(Partners, JobFolderFallsBackToAnExistingFolder)
{
    struct Pripad {
        std::string path;
        bool data;
        std::string ocekavano;
    };
    const std::string p = dir.path().string() + "/";
    for (const Pripad &c : {Pripad{"", true, p + "DATA/"}, Pripad{p + "neni", true, p + "DATA/"},
                            Pripad{"C:\\Zakazky\\", true, p + "DATA/"}, Pripad{"", false, p}}) {
        if (!c.data)
            s.apData = p + "NODATA/";
        s.apConf = p + "DATA/Quilmar.cfg";
        dir.write("DATA/Quilmar.cfg", "[USER]\r\nPath=" + c.path + "\r\n");
        qmr::Nacti(s, s.Firma);
        EXPECT_EQ(s.DataPath, c.ocekavano) << c.path;
    }
}

TEST_F(Partners, CompanyIsWrittenInKeyOrderAndKeepsTheOtherSections)
{
    dir.write("DATA/Quilmar.cfg", "[Ceny]\r\nSlevaQM=10\r\n[USER]\r\nPath=" + dir.path().string() + "\r\n");
    qmr::TFirma f;
    f.Data.Nazev1 = "Drzwi";
    f.Data.Kod = "00000";
    f.Data.MapiGroup = 0;
    s.DataPath.clear();
    qmr::Zapis(s, f);
    const qmr::IniFile conf(s.apConf);
    EXPECT_EQ(conf.ReadSection("Firma"),
              (std::vector<std::string>{"Nazev1", "Nazev2", "Ulice", "PSC", "Obec", "Osoba", "DUlice", "DPSC",
                                        "DObec", "PracDoba", "ICO", "DIC", "Telefon", "Fax", "Mail", "MapiGroup",
                                        "Kod"}));
    EXPECT_EQ(conf.ReadString("Firma", "MapiGroup", ""), "0");
    EXPECT_EQ(conf.ReadInteger("Ceny", "SlevaQM", 0), 10);
    EXPECT_EQ(s.DataPath, dir.path().string() + "/"); // taken from [USER] again
}

TEST_F(Partners, JobFolderIsRememberedOnlyWhenItExists)
{
    s.DataPath = dir.path().string() + "/neni/";
    qmr::ZapisPath(s);
    EXPECT_FALSE(std::filesystem::exists(s.apConf));
    s.DataPath = "   ";
    qmr::ZapisPath(s);
    EXPECT_FALSE(std::filesystem::exists(s.apConf));

    s.DataPath = dir.path().string() + "/";
    qmr::ZapisPath(s);
    EXPECT_EQ(qmr::IniFile(s.apConf).ReadString("USER", "Path", ""), s.DataPath);
}

TEST_F(Partners, EndCustomerDialogStoresTheTextsAndTheSessionCopies)
{
    s.apVolna1 = "montáž";
    s.apVCena1 = 150;
    s.apMontaz = 300;
    qmr::TZakazData texty;
    texty.Jmeno = "Anna";
    texty.PSC = "PL-12345";
    texty.Volna1 = "ignorováno";
    qmr::PotvrdZakaznika(s, texty);
    EXPECT_EQ(s.Zakaznik.Data.Jmeno, "Anna");
    EXPECT_EQ(s.Zakaznik.Data.PSC, "PL-12345");
    EXPECT_EQ(s.Zakaznik.Data.Volna1, "montáž");
    EXPECT_EQ(s.Zakaznik.Data.VCena1, 150);
    EXPECT_EQ(s.Zakaznik.Data.ZaMontaz, 300);
}

} // namespace
