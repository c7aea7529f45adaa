// The logic of the supplier, customer, customer-list and end-customer dialogs: what the
// fields show, the edit rules, the e-mail checks with their messages, what OK writes and
// what Cancel leaves.
#include "core/Funkce.h"
#include "core/IniFile.h"
#include "core/Session.h"
#include "partners/PoleEditu.h"
#include "partners/UJejichDef.h"
#include "partners/UJejichDefDlg.h"
#include "partners/UNaseDef.h"
#include "partners/UNaseDefDlg.h"
#include "partners/UVKFirmy.h"
#include "partners/UZakazdefDlg.h"
#include "support/FakeMailClient.h"
#include "support/FakeMessages.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using qmr::PoleDodavatele;
using qmr::PoleFirmy;
using qmr::PoleZakaznika;
using Kind = qmrtest::FakeMessages::Kind;

class PartnerDialogs : public ::testing::Test {
protected:
    PartnerDialogs()
    {
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        s.apConf = s.apData + "Quilmar.cfg";
        dir.write("DATA/.keep", "");
    }
    std::string Obsah(const std::string &soubor) const
    {
        return std::filesystem::exists(soubor) ? qmrtest::TempDir::read(soubor) : "<none>";
    }
    // Makes the file impossible to replace: a folder with something in it takes its name.
    void Zablokuj(const std::string &soubor) const
    {
        std::filesystem::create_directories(soubor);
        std::ofstream(soubor + "/x") << "x";
    }

    qmrtest::TempDir dir;
    qmr::Session s;
    qmrtest::FakeMessages zpravy;
};

// ---- edit rules ---------------------------------------------------------------------

TEST(PoleEditu, PostalCodeMaskKeepsTwoLettersAHyphenAndFiveDigits)
{
    struct Pripad {
        const char *vstup;
        const char *vysledek;
    };
    for (const Pripad &c : std::vector<Pripad>{
             {"", ""},
             {"-", ""},
             {"  -     ", ""},
             {"c", "C"},
             {"cz", "CZ"},
             {"CZ-", "CZ-"},
             {"cz6", "CZ-6"},
             {"pl-12345", "PL-12345"},
             {"PL-123456", "PL-12345"},
             {"PLX-12", "PL-12"},
             {"P1L2", "P-12"},
             {"12345", "-12345"},
             {"ŁÓ-12", "-12"},
         })
        EXPECT_EQ(qmr::MaskujPSC(c.vstup), c.vysledek) << c.vstup;
}

TEST(PoleEditu, LimitCountsCharactersAndSparesALongerLoadedText)
{
    qmr::PoleEditu p;
    p.MaxDelka = 5;
    EXPECT_EQ(qmr::UpravText(p, "ąęśćź"), "ąęśćź");
    EXPECT_EQ(qmr::UpravText(p, "ąęśćźż"), "ąęśćź");
    EXPECT_EQ(qmr::MaxDelkaPole(p), 5);
    p.Text = "1234567"; // loaded from a file, longer than the limit
    EXPECT_EQ(qmr::MaxDelkaPole(p), 7);
    EXPECT_EQ(qmr::UpravText(p, "123456"), "123456");
    EXPECT_EQ(qmr::UpravText(p, "12345678"), "1234567");
    p.MaxDelka = 0;
    EXPECT_EQ(qmr::UpravText(p, std::string(300, 'x')).size(), 300u);
}

// ---- supplier -----------------------------------------------------------------------

TEST_F(PartnerDialogs, SupplierFieldsShowTheFactoryDetailsWhereTheFileHasNone)
{
    dir.write("DATA/quilmar.qmr", "[Quilmar]\r\nNazev=Quilmar Polska\r\nTelefon=22 100 200\r\n");
    const qmr::TNaseDef d(s);
    const qmr::TQMData &t = qmr::TNaseDef::Tovarni();
    EXPECT_EQ(d.Pole(PoleDodavatele::Nazev).Text, "Quilmar Polska");
    EXPECT_EQ(d.Pole(PoleDodavatele::Telefon).Text, "22 100 200");
    EXPECT_EQ(d.Pole(PoleDodavatele::Mail).Text, t.Mail);
    EXPECT_EQ(d.Pole(PoleDodavatele::PSC).Text, t.PSC);
    EXPECT_TRUE(qmr::KontrMail(t.Mail, false, zpravy)) << "the factory address must be usable";
    EXPECT_EQ(qmr::MaskujPSC(t.PSC), t.PSC);

    std::vector<std::string> popisky;
    for (const qmr::PoleEditu &p : d.Pole())
        popisky.push_back(p.Jmeno + "|" + p.Popisek);
    EXPECT_EQ(popisky, (std::vector<std::string>{"NasNazev|Nazwa firmy:", "NaseUlice|Adres - ulica:",
                                                 "NasePSC|Miejscowość:", "NaseObec|", "NasTelefon|telefon: ",
                                                 "NasFax|fax:     ", "NasMail|e-mail:  ",
                                                 "NaseStranka|internet:"}));
}

TEST_F(PartnerDialogs, SupplierOkWritesTheFactoryAddressAndAClearedFieldEmpty)
{
    dir.write("DATA/quilmar.qmr", "; supplier\r\n[Quilmar]\r\nNazev=Quilmar Polska\r\nStranka=www.q.pl\r\n");
    {
        qmr::TNaseDef d(s);
        d.Nastav(PoleDodavatele::Stranka, "");
        d.Nastav(PoleDodavatele::PSC, "pl-00950x");
        ASSERT_TRUE(d.Potvrd(zpravy));
    }
    EXPECT_TRUE(zpravy.empty());
    const qmr::IniFile f(qmr::SouborDodavatele(s));
    EXPECT_EQ(f.ReadSection("Quilmar"), (std::vector<std::string>{"Nazev", "Stranka", "Ulice", "PSC", "Obec",
                                                                  "Telefon", "Fax", "Mail"}));
    EXPECT_EQ(f.ReadString("Quilmar", "Mail", ""), qmr::TNaseDef::Tovarni().Mail);
    EXPECT_EQ(f.ReadString("Quilmar", "PSC", ""), "PL-00950");
    EXPECT_TRUE(f.ValueExists("Quilmar", "Stranka"));
    EXPECT_EQ(f.ReadString("Quilmar", "Stranka", "?"), "");
    // The session's supplier is reloaded: the next order goes to the factory address.
    EXPECT_EQ(s.Quilmar.QMData.Mail, qmr::TNaseDef::Tovarni().Mail);
    EXPECT_EQ(s.Quilmar.QMData.Stranka, "");
    // Opened again, the cleared field shows the factory text.
    EXPECT_EQ(qmr::TNaseDef(s).Pole(PoleDodavatele::Stranka).Text, qmr::TNaseDef::Tovarni().Stranka);
}

TEST_F(PartnerDialogs, SupplierCancelAndAFailedWriteLeaveTheFile)
{
    const std::string soubor = dir.write("DATA/quilmar.qmr", "[Quilmar]\nNazev=A\n");
    {
        qmr::TNaseDef d(s);
        d.Nastav(PoleDodavatele::Nazev, "B");
    }
    EXPECT_EQ(Obsah(soubor), "[Quilmar]\nNazev=A\n");

    std::filesystem::remove(soubor);
    Zablokuj(soubor);
    qmr::TNaseDef d(s);
    EXPECT_FALSE(d.Potvrd(zpravy));
    ASSERT_EQ(zpravy.count(Kind::Chyba), 1u);
    EXPECT_EQ(zpravy.last().caption, "Quilmar");
}

// ---- customer -----------------------------------------------------------------------

constexpr const char *kKonfigurace = "[Ceny]\r\nSlevaQM=10\r\n"
                                     "[Firma]\r\nNazev1=Drzwi & Okna\r\nNazev2=Kowalski\r\nUlice=Długa 5\r\n"
                                     "PSC=PL-00950\r\nObec=Warszawa\r\nOsoba=Jan Kowalski\r\nMail=biuro@drzwi.pl\r\n"
                                     "MapiGroup=2\r\nKod=01234\r\n"
                                     "[USER]\r\nPath=\r\n";

TEST_F(PartnerDialogs, CustomerFieldsHaveTheirLimitsAndStoredValues)
{
    dir.write("DATA/Quilmar.cfg", kKonfigurace);
    s.apFirma = "before";
    qmr::TJejichDef d(s, zpravy);
    EXPECT_EQ(s.apFirma, "before") << "opening the dialog changes nothing in the session";
    struct Pripad {
        PoleFirmy pole;
        const char *jmeno;
        const char *popisek;
        int delka; // 0: postal-code mask
        const char *text;
    };
    for (const Pripad &c : std::vector<Pripad>{
             {PoleFirmy::Nazev1, "jNazev1", "Nazwa firmy:", 40, "Drzwi & Okna"},
             {PoleFirmy::Nazev2, "jNazev2", "", 40, "Kowalski"},
             {PoleFirmy::Ulice, "jUlice", "Siedziba firmy:", 40, "Długa 5"},
             {PoleFirmy::PSC, "jPSC", "", 0, "PL-00950"},
             {PoleFirmy::Obec, "jObec", "", 40, "Warszawa"},
             {PoleFirmy::DUlice, "jDUlice", "Adres transportu:", 40, ""},
             {PoleFirmy::DPSC, "jDPSC", "", 0, ""},
             {PoleFirmy::DObec, "jDObec", "", 40, ""},
             {PoleFirmy::ICO, "jICO", "Regon:", 20, ""},
             {PoleFirmy::DIC, "jDIC", "NIP:", 20, ""},
             {PoleFirmy::PracDoba, "jPracDoba", "Czasy pracy dla przyjęcia towaru:", 30, ""},
             {PoleFirmy::Telefon, "jTelefon", "telefon: ", 20, ""},
             {PoleFirmy::Fax, "jFax", "fax:     ", 20, ""},
             {PoleFirmy::Mail, "jMail", "e-mail:  ", 40, "biuro@drzwi.pl"},
             {PoleFirmy::Osoba, "jOsoba", "Kontakt:", 40, "Jan Kowalski"},
             {PoleFirmy::Kod, "jKod", "Numer klienta u dostawcy: ", 5, "01234"},
         }) {
        const qmr::PoleEditu &p = d.Pole(c.pole);
        EXPECT_EQ(p.Jmeno, c.jmeno);
        EXPECT_EQ(p.Popisek, c.popisek) << c.jmeno;
        EXPECT_EQ(p.Text, c.text) << c.jmeno;
        d.Nastav(c.pole, qmr::Replicate(U'ż', 60));
        if (c.delka == 0) {
            EXPECT_TRUE(p.MaskaPSC) << c.jmeno;
            EXPECT_EQ(p.Text, "") << c.jmeno;
        } else {
            EXPECT_EQ(qmr::CharCount(p.Text), c.delka) << c.jmeno;
        }
    }
    EXPECT_EQ(d.Pole().size(), 16u);
    EXPECT_EQ(d.Label14(), s.apConf);
}

TEST_F(PartnerDialogs, CustomerModeGroupShowsTheStoredModeAndHidesForAForeignCustomer)
{
    dir.write("DATA/Quilmar.cfg", kKonfigurace);
    const qmr::TJejichDef doma(s, zpravy);
    EXPECT_EQ(doma.MapiGroup().Nadpis, "Komunikacja (zamówienia)");
    EXPECT_EQ(doma.MapiGroup().Polozky,
              (std::vector<std::string>{
                  "wiadomości e-mail przy użyciu domyślnej aplikacji pocztowej systemu Windows (Outlook?)",
                  "za pośrednictwem bramki internetowej dostawcy (jako sklep internetowy)",
                  "ręczne wysyłanie pliku zamówienia (lub tylko druk)"}));
    EXPECT_EQ(doma.MapiGroup().Index, 2);
    EXPECT_TRUE(doma.MapiGroup().Viditelny);
    s.Cizina = true;
    EXPECT_FALSE(qmr::TJejichDef(s, zpravy).MapiGroup().Viditelny);
}

TEST_F(PartnerDialogs, CustomerMailIsCheckedWhenTheFocusLeaves)
{
    struct Pripad {
        const char *mail;
        int mapi;
        bool zpetMail;  // OpustMail keeps the focus in jMail
        bool zpetMapi;  // OpustMapiGroup sends the focus to jMail
        int hlaseni;    // messages shown by the two checks together
    };
    for (const Pripad &c : std::vector<Pripad>{
             {"biuro@drzwi.pl", 1, false, false, 0},
             {" biuro@drzwi.pl ", 1, false, false, 0},
             {"biuro@drzwi", 0, true, false, 1},
             {"biuro@drzwi", 1, true, true, 2},
             {"biuro.drzwi.pl", 2, true, false, 1},
             {"", 0, false, false, 0},
             {"   ", 0, false, false, 0},
             {"", 1, false, true, 1}, // the gateway needs an address
         }) {
        qmrtest::FakeMessages m;
        qmr::TJejichDef d(s, m);
        d.Nastav(PoleFirmy::Mail, c.mail);
        d.NastavMapiGroup(c.mapi);
        EXPECT_EQ(d.OpustMail(), c.zpetMail) << c.mail;
        EXPECT_EQ(d.OpustMapiGroup(), c.zpetMapi) << c.mail << " " << c.mapi;
        ASSERT_EQ(static_cast<int>(m.count()), c.hlaseni) << c.mail;
        for (const auto &h : m.calls()) {
            EXPECT_EQ(h.kind, Kind::Chyba);
            EXPECT_EQ(h.caption, "Quilmar");
            EXPECT_EQ(h.text, "Mail address error!");
        }
    }
}

TEST_F(PartnerDialogs, CustomerOkWritesEveryFieldWithMode0AndReloadsTheSession)
{
    dir.write("jobs/.keep", "");
    std::string konf = kKonfigurace;
    konf.replace(konf.find("Path=") + 5, 0, dir.path().string() + "/jobs");
    dir.write("DATA/Quilmar.cfg", konf);
    {
        qmr::TJejichDef d(s, zpravy);
        d.Nastav(PoleFirmy::Nazev1, "Drzwi Nowak");
        d.Nastav(PoleFirmy::DPSC, "pl30001");
        d.Nastav(PoleFirmy::Osoba, "");
        d.Nastav(PoleFirmy::Kod, "0000099");
        d.NastavMapiGroup(qmr::TJejichDef::kBrana);
        ASSERT_TRUE(d.Potvrd());
    }
    EXPECT_TRUE(zpravy.empty());
    const qmr::IniFile f(s.apConf);
    EXPECT_EQ(f.ReadSection("Firma"),
              (std::vector<std::string>{"Nazev1", "Nazev2", "Ulice", "PSC", "Obec", "Osoba", "Mail", "MapiGroup",
                                        "Kod", "DUlice", "DPSC", "DObec", "PracDoba", "ICO", "DIC", "Telefon",
                                        "Fax"}));
    EXPECT_EQ(f.ReadString("Firma", "MapiGroup", ""), "0") << "the gateway is never stored by the dialog";
    EXPECT_EQ(f.ReadString("Firma", "DPSC", ""), "PL-30001");
    EXPECT_EQ(f.ReadString("Firma", "Kod", ""), "00000");
    EXPECT_EQ(f.ReadString("Firma", "Osoba", "?"), "");
    EXPECT_EQ(f.ReadString("Firma", "Ulice", ""), "Długa 5");
    EXPECT_EQ(f.ReadInteger("Ceny", "SlevaQM", 0), 10);
    EXPECT_EQ(s.Firma.Data.Nazev1, "Drzwi Nowak");
    EXPECT_EQ(s.Firma.Data.MapiGroup, 0);
    EXPECT_EQ(s.apFirma, "Drzwi Nowak");
    EXPECT_EQ(s.DataPath, dir.path().string() + "/jobs/");
}

TEST_F(PartnerDialogs, CustomerCancelAndAFailedWriteLeaveTheFile)
{
    const std::string konf = dir.write("DATA/Quilmar.cfg", kKonfigurace);
    {
        qmr::TJejichDef d(s, zpravy);
        d.Nastav(PoleFirmy::Nazev1, "X");
        d.NastavMapiGroup(0);
    }
    EXPECT_EQ(Obsah(konf), kKonfigurace);

    s.apConf = s.apData + "blocked.cfg";
    Zablokuj(s.apConf);
    qmr::TJejichDef d(s, zpravy);
    EXPECT_FALSE(d.Potvrd());
    EXPECT_EQ(zpravy.count(Kind::Chyba), 1u);
}

// ---- customer list ------------------------------------------------------------------

constexpr const char *kFirmy = "[zeta]\r\nNazev1=Zeta\r\n"
                               "[Beta & Syn]\r\nKod=00042\r\nNazev1=Beta & Syn\r\nNazev2=Okna\r\nUlice=Polna 1\r\n"
                               "PSC=PL-60001\r\nObec=Poznań\r\nOsoba=Ewa Beta\r\nICO=123\r\nDIC=456\r\n"
                               "Telefon=61 100\r\nFax=61 101\r\nMail=ewa@beta.pl\r\nDUlice=Magazynowa 2\r\n"
                               "DPSC=PL-60002\r\nDObec=Luboń\r\nPracDoba=7-15\r\nRabat=12\r\n"
                               "[alfa]\r\nNazev1=Alfa\r\n"
                               "[ZETA]\r\nNazev1=duplicate\r\n";

TEST_F(PartnerDialogs, CustomerListShowsTheSortedCompaniesAndTheirDetails)
{
    dir.write("DATA/firmy.qmr", kFirmy);
    qmrtest::FakeMailClient posta;
    qmr::TVKFirmy v(s, zpravy, posta);
    EXPECT_EQ(v.Seznam(), (std::vector<std::string>{"alfa", "Beta & Syn", "zeta"}));
    EXPECT_EQ(v.Radek(), -1);
    EXPECT_FALSE(v.OKPovolen());
    EXPECT_EQ(v.Naz1().Text, "");
    EXPECT_EQ(v.SMail(), qmr::Stitek{});

    v.Vyber(1);
    EXPECT_EQ(v.Pomkod().Text, "Numer klienta u dostawcy: 00042");
    EXPECT_EQ(v.Naz1().Text, "Beta & Syn");
    EXPECT_EQ(v.Naz2().Text, "Okna");
    EXPECT_EQ(v.SUlice().Text, "Polna 1");
    EXPECT_EQ(v.SObec().Text, "PL-60001 Poznań");
    EXPECT_EQ(v.STelef().Text, "telefon: 61 100");
    EXPECT_EQ(v.SFax().Text, "fax:     61 101");
    EXPECT_EQ(v.SMail(), (qmr::Stitek{"e-mail:  ewa@beta.pl", "ewa@beta.pl"}));
    EXPECT_EQ(v.SOsoba().Text, "Osoba: Ewa Beta");
    EXPECT_EQ(v.DDUlice().Text, "Magazynowa 2");
    EXPECT_EQ(v.DDObec().Text, "PL-60002 Luboń");
    EXPECT_EQ(v.Rabat(), 12);
    EXPECT_EQ(v.KFirma().Data.PracDoba, "7-15");

    v.Vyber(2);
    EXPECT_EQ(v.Naz1().Text, "Zeta");
    EXPECT_EQ(v.SMail(), (qmr::Stitek{"e-mail:  ", ""}));
    EXPECT_EQ(v.SObec().Text, " ");
    v.Vyber(7);
    EXPECT_EQ(v.Radek(), 2);
}

TEST_F(PartnerDialogs, CustomerListMailLabelOpensANewMessage)
{
    dir.write("DATA/FIRMY.qmr", kFirmy);
    qmrtest::FakeMailClient posta;
    qmr::TVKFirmy v(s, zpravy, posta);
    v.Vyber(0); // no address
    v.KlikMail();
    EXPECT_TRUE(posta.zpravy.empty());
    v.Vyber(1);
    v.KlikMail();
    ASSERT_EQ(posta.zpravy.size(), 1u);
    EXPECT_EQ(posta.zpravy[0].Adresat, "ewa@beta.pl");
    EXPECT_EQ(posta.zpravy[0].Predmet, "");
    EXPECT_EQ(posta.zpravy[0].Obsah, "");
    EXPECT_EQ(posta.zpravy[0].Priloha, "");
    EXPECT_TRUE(zpravy.empty());
    posta.prevezme = false;
    v.KlikMail();
    ASSERT_EQ(zpravy.count(Kind::Chyba), 1u);
    EXPECT_EQ(zpravy.last().text, qmr::kMailNepredan);
}

TEST_F(PartnerDialogs, CustomerListOkMakesTheChosenCompanyTheDealersCompany)
{
    const std::string konf = dir.write("DATA/Quilmar.cfg", kKonfigurace);
    dir.write("DATA/FIRMY.qmr", kFirmy);
    qmrtest::FakeMailClient posta;
    {
        qmr::TVKFirmy v(s, zpravy, posta);
        EXPECT_FALSE(v.Potvrd()) << "nothing chosen: the company stays";
        EXPECT_EQ(Obsah(konf), kKonfigurace);
    }
    qmr::TVKFirmy v(s, zpravy, posta);
    v.Vyber(1);
    ASSERT_TRUE(v.OKPovolen());
    ASSERT_TRUE(v.Potvrd());
    EXPECT_TRUE(zpravy.empty());
    const qmr::IniFile f(s.apConf);
    EXPECT_EQ(f.ReadString("Firma", "Nazev1", ""), "Beta & Syn");
    EXPECT_EQ(f.ReadString("Firma", "DObec", ""), "Luboń");
    EXPECT_EQ(f.ReadString("Firma", "MapiGroup", ""), "0");
    EXPECT_EQ(f.ReadString("Firma", "Kod", ""), "00042");
    EXPECT_FALSE(f.ValueExists("Firma", "Rabat"));
    EXPECT_EQ(s.Firma.Data.Osoba, "Ewa Beta");
    EXPECT_EQ(s.apFirma, "Beta & Syn");
    EXPECT_TRUE(s.Cizina) << "the price settings are reloaded";
    EXPECT_EQ(s.SCeny.CenyData.SlevaQM, 10);
}

// ---- end customer -------------------------------------------------------------------

TEST_F(PartnerDialogs, EndCustomerShowsTheSessionRecordAndOkStoresIt)
{
    s.Zakaznik.Data.Jmeno = "Anna";
    s.Zakaznik.Data.Email = "anna@example.com";
    s.Zakaznik.Data.Volna1 = "old";
    s.apVolna1 = "montaż";
    s.apVCena1 = 150;
    s.apMontaz = 300;
    {
        qmr::TZakazdef d(s);
        EXPECT_EQ(d.Pole(PoleZakaznika::Jmeno).Text, "Anna");
        std::vector<std::string> popisky;
        for (const qmr::PoleEditu &p : d.Pole())
            popisky.push_back(p.Popisek + std::to_string(p.MaskaPSC ? -1 : p.MaxDelka));
        EXPECT_EQ(popisky, (std::vector<std::string>{"Jméno:80", "Příjmení:80", "Ulice:80", "Město:80", "PSČ:-1",
                                                     "Mobil:20", "Telefon:20", "E-mail:80"}));
        d.Nastav(PoleZakaznika::Jmeno, "Ewa");
        // Closed by the frame: nothing stored.
    }
    EXPECT_EQ(s.Zakaznik.Data.Jmeno, "Anna");
    EXPECT_EQ(s.Zakaznik.Data.Volna1, "old");

    qmr::TZakazdef d(s);
    d.Nastav(PoleZakaznika::Prijmeni, "Nowak");
    d.Nastav(PoleZakaznika::PSC, "pl-00950");
    d.Nastav(PoleZakaznika::Mobil, std::string(25, '5'));
    d.Nastav(PoleZakaznika::Email, "not an address");
    d.Potvrd();
    EXPECT_EQ(s.Zakaznik.Data.Jmeno, "Anna");
    EXPECT_EQ(s.Zakaznik.Data.Prijmeni, "Nowak");
    EXPECT_EQ(s.Zakaznik.Data.PSC, "PL-00950");
    EXPECT_EQ(s.Zakaznik.Data.Mobil, std::string(20, '5'));
    EXPECT_EQ(s.Zakaznik.Data.Email, "not an address");
    EXPECT_EQ(s.Zakaznik.Data.Volna1, "montaż");
    EXPECT_EQ(s.Zakaznik.Data.VCena1, 150);
    EXPECT_EQ(s.Zakaznik.Data.ZaMontaz, 300);
}

} // namespace
