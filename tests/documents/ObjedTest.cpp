// The order form: what it shows when it opens, the price line, the checks of its fields,
// what its commands write to the session and to the job file, and what they hand to the
// mail client, the gateway and the printout.
#include "documents/UObjed.h"

#include "FormularFixture.h"

#include "core/DateCore.h"
#include "partners/UJejichDef.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace qmr;
using formtest::CRLF;
using formtest::RadkyTextem;

namespace {

// The panel bought at 1234.56 PLN, the supplier's transport 50 PLN; the dealer's
// customer number and the supplier. The pricing engine is replaced by one that leaves
// these values as they are.
Session Vypln()
{
    Session s = formtest::Vypln();
    s.nPoSleve1 = Currency::FromRaw(12345600);
    s.nDopravaIn = Currency::FromUnits(50);
    s.cMenaObj = "PLN";
    s.SCeny.CenyData.Zobrazit = 1;
    s.SCeny.CenyData.DopravaIn = 50;
    s.Firma.Data.DIC = "525-000-00-00";
    s.Firma.Data.Kod = "40711";
    s.Quilmar.QMData.Mail = "zamowienia@quilmar.example";
    return s;
}

// The job file and the configuration go to a temporary folder.
struct Form : formtest::Form<TObjed, ObjedAkce> {
    qmrtest::TempDir dir;

    explicit Form(Session s0) : formtest::Form<TObjed, ObjedAkce>(std::move(s0))
    {
        s.apPriloha = dir.file("QMRobj.qmr");
        s.apConf = dir.file("Quilmar.cfg");
    }
};

} // namespace

TEST(ObjedTest, OpeningShowsCaptionsInitialValuesAndModes)
{
    {
        Form f(Vypln());
        f.s.apCislo = "Z-17";
        f.s.apPodpis = "stary podpis";
        TObjed o = f.Otevri();
        EXPECT_EQ(o.Titulek(), "Dokończenie zamówienia");
        formtest::OverNovy(f, o, "Z-17", qmr::Formular::Objed);
    }
    {
        // Completed before in this session: quantity, number and signature come back;
        // the company's name stands in the caption when companies are chosen from a list.
        Form f(Vypln());
        formtest::Drivejsi(f.s, "Z-18");
        TObjed o = f.Otevri();
        formtest::OverDrivejsi(o, "Z-18", "Dokończenie zamówienia");
    }
    {
        Form f(Vypln());
        f.s.TypZakazky = 2;
        EXPECT_FALSE(f.Otevri().PocetViditelny());
    }

    // The transport is preselected when the settings include it and it has a price; it
    // can be chosen only while it has a price.
    struct {
        int dopravy, dopravaIn, doprava;
        bool povolena;
    } const doprava[] = {{1, 50, 1, true}, {0, 50, 0, true}, {1, 0, 0, false}, {0, 0, 0, false}};
    for (const auto &p : doprava) {
        Form f(Vypln());
        f.s.SCeny.CenyData.Dopravy = p.dopravy;
        f.s.nDopravaIn = Currency::FromUnits(p.dopravaIn);
        TObjed o = f.Otevri();
        EXPECT_EQ(o.Doprava(), p.doprava) << p.dopravy << " " << p.dopravaIn;
        EXPECT_EQ(o.DopravaPovolena(), p.povolena) << p.dopravy << " " << p.dopravaIn;
    }

    struct {
        int rezim;
        const char *text;
        bool mail, uloz;
    } const rezimy[] = {{0, "&Mail", true, false}, {1, "WWW", true, false}, {2, "&Mail", false, true},
                        {3, "&Mail", false, true}};
    for (const auto &p : rezimy) {
        Form f(Vypln());
        f.s.Firma.Data.MapiGroup = p.rezim;
        TObjed o = f.Otevri();
        EXPECT_EQ(o.MailText(), p.text) << p.rezim;
        EXPECT_EQ(o.MailPovoleny(), p.mail) << p.rezim;
        EXPECT_EQ(o.UlozViditelny(), p.uloz) << p.rezim;
    }
}

TEST(ObjedTest, PriceLine)
{
    struct Pripad {
        const char *popis;
        std::function<void(Session &)> nastav;
        int pocet, doprava;
        const char *cena;
        bool viditelna;
    } const pripady[] = {
        {"foreign customer: no rounding to tens", [](Session &) {}, 1, 0, "Bez transportu 1 234,56 PLN bez podatku",
         true},
        {"rounded to tens before the quantity", [](Session &s) { s.Cizina = false; }, 2, 0,
         "Bez transportu 2 460,00 PLN bez podatku", true},
        {"converted order amounts are not rounded", [](Session &s) { s.Cizina = false; s.lPrepObj = true; }, 1, 0,
         "Bez transportu 1 234,56 PLN bez podatku", true},
        {"accessories are never rounded", [](Session &s) { s.Cizina = false; s.TypZakazky = 2; }, 1, 0,
         "Bez transportu 1 234,56 PLN bez podatku", true},
        {"supplier's transport", [](Session &) {}, 1, 1, "Z transportem 1 284,56 PLN bez podatku", true},
        {"transport is part of the single price", [](Session &) {}, 2, 1, "Z transportem 2 569,12 PLN bez podatku",
         true},
        {"sale prices shown: the purchase price is hidden", [](Session &s) { s.SCeny.CenyData.Zobrazit = 2; }, 2, 1,
         "Z transportem", false},
        {"prices hidden", [](Session &s) { s.SCeny.CenyData.Zobrazit = 0; }, 1, 0, "Bez transportu", false},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        Form f(Vypln());
        p.nastav(f.s);
        TObjed o = f.Otevri();
        o.NastavPocet(p.pocet);
        o.DopravaClick(p.doprava);
        EXPECT_EQ(o.TxCena(), p.cena);
        EXPECT_EQ(o.TxCenaViditelna(), p.viditelna);
        EXPECT_EQ(o.Data().TxCena, p.cena);
    }
}

TEST(ObjedTest, EditsMarkTheSessionAndReprice)
{
    struct Pripad {
        const char *popis;
        std::function<void(Session &)> nastav;
        std::function<void(TObjed &)> akce;
        bool upraveno;
        int oceneni; // pricing runs after the opening
        int doprava;
    } const pripady[] = {
        {"quantity", [](Session &) {}, [](TObjed &o) { o.NastavPocet(2); }, true, 1, 0},
        {"same quantity", [](Session &) {}, [](TObjed &o) { o.NastavPocet(1); }, false, 0, 0},
        {"transport", [](Session &) {}, [](TObjed &o) { o.DopravaClick(1); }, true, 1, 1},
        {"transport without a price is undone", [](Session &s) { s.nDopravaIn = Currency(); },
         [](TObjed &o) { o.DopravaClick(1); }, false, 0, 0},
        {"date typed", [](Session &) {}, [](TObjed &o) { o.NastavTermin("20.03.2024", true); }, true, 0, 0},
        {"date set by the program", [](Session &) {}, [](TObjed &o) { o.NastavTermin("20.03.2024", false); }, false,
         0, 0},
        {"number and signature", [](Session &) {}, [](TObjed &o) { o.NastavCislo("X"); o.NastavPodpis("Y"); },
         false, 0, 0},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        Form f(Vypln());
        p.nastav(f.s);
        TObjed o = f.Otevri();
        p.akce(o);
        EXPECT_EQ(f.s.apEdited, p.upraveno);
        EXPECT_EQ(f.ocenenu, 1 + p.oceneni);
        EXPECT_EQ(o.Doprava(), p.doprava);
    }

    Form f(Vypln());
    TObjed o = f.Otevri();
    formtest::OverMeze(o);
}

TEST(ObjedTest, LeavingTheNumber)
{
    // Demanded only on the way to print, mail or save; a changed number is stored.
    struct {
        const char *cislo;
        CilFokusu cil;
        bool zpet;
        const char *apCislo;
        bool upraveno;
    } const cisla[] = {
        {"  ", CilFokusu::Tisk, true, "staré", false},
        {"", CilFokusu::Mail, true, "staré", false},
        {"", CilFokusu::Uloz, true, "staré", false},
        {"  ", CilFokusu::Jinam, false, "", true},
        {" Z-5 ", CilFokusu::Uloz, false, "Z-5", true},
        {" staré", CilFokusu::Jinam, false, "staré", false},
    };
    for (const auto &p : cisla) {
        SCOPED_TRACE(p.cislo);
        EXPECT_EQ(formtest::OverCislo<Form>(Vypln(), p.cislo, p.cil, p.zpet, p.apCislo,
                                            "Należy wypełnić Państwa numer zamówienia"),
                  p.upraveno);
    }
}

TEST(ObjedTest, LeavingTheDateAndTheNotes)
{
    // Today is Tuesday 5.3.2024; the range is 10.3. .. 14.4.; 29.3.2024 is Good Friday.
    const double staryTermin = EncodeDate(2024, 3, 20);
    struct {
        const char *termin;
        bool zpet;
        const char *hlaska; // caption of the message, none when empty
        double ulozeno;     // apTermin afterwards
    } const terminy[] = {
        {"11.03.2024", false, "", EncodeDate(2024, 3, 11)},
        {"12.4.2024", false, "", EncodeDate(2024, 4, 12)},
        {"08.03.2024", false, "UWAGA!", EncodeDate(2024, 3, 8)},
        {"15.04.2024", false, "UWAGA!", EncodeDate(2024, 4, 15)},
        {"09.03.2024", true, "", staryTermin},  // Saturday
        {"29.03.2024", true, "", staryTermin},  // a public holiday
        {"  .  .    ", true, "Quilmar", staryTermin}, // no date: the conversion error
    };
    for (const auto &p : terminy) {
        SCOPED_TRACE(p.termin);
        Form f(Vypln());
        f.s.apTermin = staryTermin;
        TObjed o = f.Otevri();
        o.NastavTermin(p.termin, true);
        EXPECT_EQ(o.TerminExit(), p.zpet);
        EXPECT_EQ(f.s.apTermin, p.ulozeno);
        EXPECT_EQ(o.Termin(), p.termin);
        if (*p.hlaska) {
            ASSERT_EQ(f.m.count(), 1u);
            EXPECT_EQ(f.m.last().caption, p.hlaska);
            if (std::string(p.hlaska) == "UWAGA!") {
                EXPECT_EQ(f.m.last().text, std::string("Termin dostawy: ") + p.termin + "!");
                EXPECT_EQ(f.m.last().flags & MB_ICONMASK, MB_ICONSTOP);
            } else {
                EXPECT_NE(f.m.last().text.find("is not a valid date"), std::string::npos) << f.m.last().text;
            }
        } else {
            EXPECT_TRUE(f.m.empty()) << ::testing::PrintToString(f.m.texts());
        }
    }

    formtest::OverPoznamky<Form>(Vypln(), "POZOR", "Maximálně 10 řádků");
}

TEST(ObjedTest, FinishStoresTheFieldsAndNamesTheJob)
{
    Form f(Vypln());
    f.s.SPoznamky = {"stara"};
    TObjed o = f.Otevri();
    formtest::OverKonec(f, o, "Z-20");
    EXPECT_FALSE(f.s.SMail);
    EXPECT_FALSE(std::filesystem::exists(f.s.apPriloha)); // finishing sends nothing
}

TEST(ObjedTest, DateThatIsNoDateEndsTheCommand)
{
    for (int rezim : {0, 2}) {
        SCOPED_TRACE(rezim);
        Form f(Vypln());
        f.s.Firma.Data.MapiGroup = rezim;
        f.s.apTermin = EncodeDate(2024, 3, 20);
        int tisky = 0, ulozeni = 0;
        f.akce.Tisk = [&](const DataObjednavky &) { ++tisky; };
        f.akce.UlozitJako = [&] { return ++ulozeni, IDYES; };
        TObjed o = f.Otevri();
        o.NastavCislo("Z-21");
        o.NastavTermin("  .  .    ", true);
        o.TiskClick();
        o.MailClick(); // mode 0 only
        o.UlozClick(); // mode 2 only
        EXPECT_FALSE(o.KonecClick());
        EXPECT_EQ(tisky, 0);
        EXPECT_EQ(ulozeni, 0);
        EXPECT_TRUE(f.mail.zpravy.empty());
        EXPECT_FALSE(std::filesystem::exists(f.s.apPriloha));
        formtest::OverChybuData(f, 3, "Z-21", EncodeDate(2024, 3, 20));
    }
}

TEST(ObjedTest, MailOfAnOrderWithTheJobFile)
{
    Form f(Vypln());
    f.s.SPoznamky = {"Montaż u klienta"};
    TFirmaData &fd = f.s.Firma.Data;
    fd.DUlice = "ul. Składowa 7";
    fd.DPSC = "05-500";
    fd.DObec = "Piaseczno";
    fd.PracDoba = "7-15";
    TObjed o = f.Otevri();
    o.NastavCislo("Z-30");
    o.NastavPocet(2);
    o.DopravaClick(1);
    o.NastavTermin("20.03.2024", true);
    o.MailClick();
    ASSERT_EQ(f.mail.zpravy.size(), 1u);
    const ZpravaMailu &z = f.mail.zpravy[0];
    EXPECT_EQ(z.Adresat, "zamowienia@quilmar.example");
    EXPECT_EQ(z.Predmet, "Zamówienie Z-30");
    EXPECT_EQ(z.Priloha, f.s.apPriloha);
    EXPECT_EQ(z.Obsah, std::string("Drzwi Nowak\r\n"
                                   "ul. Polna 3\r\n"
                                   "00-950  Warszawa\r\n"
                                   "Regon: 123456789\r\n"
                                   "NIP: 525-000-00-00\r\n"
                                   "Numer klienta: 40711\r\n"
                                   "Zamówienie Nr.    Z-30   Data sporządzenia: 05.03.2024\r\n"
                                   "Termin dostawy:   20.03.2024\r\n"
                                   "Transport: Transport zabezpiecza dostawca\r\n"
                                   "\r\n"
                                   "Zamawiamy u Państwa 2 sztuk wypełnień drzwiowych według następującej specyfikacji:\r\n"
                                   "\r\n") +
                           RadkyTextem(o.Radky()) +
                           "\r\n"
                           "Uwagi i wymagania niestandardowe:\r\n"
                           "Montaż u klienta\r\n"
                           "\r\n"
                           "Sporządził: Jan Nowak\r\n"
                           "\r\n"
                           "telefon: 22 123 45 67\r\n"
                           "e-mail:  biuro@nowak.example\r\n"
                           "Adres dostawy:\r\n"
                           "ul. Składowa 7\r\n"
                           "05-500  Piaseczno\r\n"
                           "Czasy pracy:  7-15\r\n");
    EXPECT_EQ(z.Obsah.find("PLN"), std::string::npos); // the order carries no price
    EXPECT_TRUE(f.m.empty()) << ::testing::PrintToString(f.m.texts());
    EXPECT_TRUE(f.s.SMail);
    // Mailing stores the fields and writes them into the attached job file.
    EXPECT_EQ(f.s.apCislo, "Z-30");
    EXPECT_EQ(f.s.apPocet, 2);
    EXPECT_TRUE(f.s.apOdvoz);
    EXPECT_EQ(f.s.apTermin, EncodeDate(2024, 3, 20));
    ASSERT_TRUE(NactiDataPrijme(f.s.apPriloha));
    const std::string obsah = qmrtest::TempDir::read(f.s.apPriloha);
    EXPECT_NE(obsah.find("Z-30"), std::string::npos);
    EXPECT_NE(obsah.find("20.03.2024"), std::string::npos);
}

TEST(ObjedTest, MailOfAccessoriesAndAMailClientThatRefuses)
{
    {
        Form f(Vypln());
        f.s.TypZakazky = 2;
        f.s.VyplnVybrana = false;
        f.s.DoplnkyVybrany = true;
        f.s.SDoplnek1.DDoplnek.Polozka = 0;
        f.s.SDoplnek1.DDoplnek.Nazev = "Klamka";
        f.s.SDoplnek1.DDoplnek.PocetKs = 2;
        f.s.SDoplnek1.DDoplnek.BezTloustky = true;
        f.s.Firma.Data.Nazev1 = " ";
        TObjed o = f.Otevri();
        o.NastavCislo("Z-31");
        o.MailClick();
        ASSERT_EQ(f.mail.zpravy.size(), 1u);
        const std::string &t = f.mail.zpravy[0].Obsah;
        EXPECT_EQ(t.rfind("ul. Polna 3\r\n", 0), 0u) << t; // a blank name gives no line
        EXPECT_NE(t.find("Transport: Transport zabezpiecza odbiorca\r\n\r\nZamawiamy u Państwa\r\n\r\n"
                         "Akcesoria:   2 x Klamka\r\n\r\nSporządził: Jan Nowak\r\n"),
                  std::string::npos)
            << t;
        EXPECT_EQ(f.mail.zpravy[0].Priloha, f.s.apPriloha);
    }
    {
        Form f(Vypln());
        f.s.SMail = true;
        f.mail.prevezme = false;
        TObjed o = f.Otevri();
        o.NastavCislo("Z-32");
        o.MailClick();
        ASSERT_EQ(f.mail.zpravy.size(), 1u);
        EXPECT_FALSE(f.s.SMail);
        ASSERT_EQ(f.m.count(), 1u);
        EXPECT_EQ(f.m.last().text, kMailNepredan);
    }
}

TEST(ObjedTest, CustomerWithoutNumberIsDefinedBeforeEverySend)
{
    struct {
        const char *kod;
        int rezim;
        bool dialog;
    } const pripady[] = {{"", 0, true}, {"00000", 0, true}, {" 00000 ", 1, true}, {"40711", 0, false}};
    for (const auto &p : pripady) {
        SCOPED_TRACE(p.kod);
        Form f(Vypln());
        f.s.Firma.Data.Kod = p.kod;
        f.s.Firma.Data.MapiGroup = p.rezim;
        Zapis(f.s, f.s.Firma); // the configuration the form reads the company back from
        int dialogy = 0;
        int ocenenuPred = -1;
        f.akce.Odberatel = [&] {
            ++dialogy;
            ocenenuPred = f.ocenenu;
            // The user fills in the number the first time only; the result does not matter.
            if (dialogy == 1) {
                TFirma nova = f.s.Firma;
                nova.Data.Kod = "12345";
                Zapis(f.s, nova);
            }
            return IDCANCEL;
        };
        std::vector<ZpravaBrany> brana;
        f.akce.Status = [] { return true; };
        f.akce.Posli = [&](const ZpravaBrany &z) { return brana.push_back(z), true; };
        f.m.SetDefaultAnswer(IDNO);
        TObjed o = f.Otevri();
        o.NastavCislo("Z-33");
        o.MailClick();
        o.MailClick();
        EXPECT_EQ(dialogy, p.dialog ? 1 : 0);
        if (p.dialog) {
            EXPECT_EQ(f.ocenenu, ocenenuPred + 1); // priced again after the dialog
        }
        const std::string kod = p.dialog ? "12345" : "40711";
        EXPECT_EQ(f.s.Firma.Data.Kod, kod);
        const std::string obsah = p.rezim == 0 ? f.mail.zpravy.at(1).Obsah : brana.at(1).Obsah;
        EXPECT_NE(obsah.find("Numer klienta: " + kod + "\r\n"), std::string::npos) << obsah;
    }

    // Every send asks while the number stays missing.
    Form f(Vypln());
    f.s.Firma.Data.Kod = "";
    Zapis(f.s, f.s.Firma);
    int dialogy = 0;
    f.akce.Odberatel = [&] { return ++dialogy, IDOK; };
    TObjed o = f.Otevri();
    o.NastavCislo("Z-34");
    o.MailClick();
    o.MailClick();
    EXPECT_EQ(dialogy, 2);
    EXPECT_EQ(f.mail.zpravy.size(), 2u);
}

TEST(ObjedTest, GatewayMode)
{
    struct Pripad {
        const char *popis;
        bool status;
        std::optional<int> odpoved; // own-attachment question, none when not asked
        std::string vlastni;       // path picked in the open dialog
        bool prijato;
    } const pripady[] = {
        {"gateway down: no question, the send is still tried", false, std::nullopt, "", false},
        {"no own attachment", true, IDNO, "", true},
        {"own attachment", true, IDYES, "/home/d/rysunek.pdf", true},
        {"own attachment dialog cancelled", true, IDYES, "", true},
        {"refused", true, IDNO, "", false},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        Form f(Vypln());
        f.s.Firma.Data.MapiGroup = 1;
        if (p.odpoved)
            f.m.Answer(*p.odpoved);
        std::vector<ZpravaBrany> zpravy;
        std::vector<bool> oznameni;
        int vybery = 0;
        f.akce.Status = [&] { return p.status; };
        f.akce.VlastniPriloha = [&] { return ++vybery, p.vlastni; };
        f.akce.Posli = [&](const ZpravaBrany &z) {
            zpravy.push_back(z);
            return p.prijato;
        };
        TObjed o = f.Otevri();
        o.Prekresli = [&] { oznameni.push_back(o.OznameniViditelne() && !o.Radky2Viditelny()); };
        o.NastavCislo("Z-40");
        o.MailClick();
        EXPECT_TRUE(f.mail.zpravy.empty());
        EXPECT_FALSE(f.s.SMail);
        ASSERT_EQ(zpravy.size(), 1u);
        ASSERT_FALSE(oznameni.empty());
        EXPECT_TRUE(oznameni.front()); // the notice over the lines before the request
        EXPECT_FALSE(o.OznameniViditelne());
        EXPECT_TRUE(o.Radky2Viditelny());
        EXPECT_EQ(vybery, p.odpoved == IDYES ? 1 : 0);

        const ZpravaBrany &z = zpravy[0];
        EXPECT_EQ(z.Typ, 2);
        EXPECT_EQ(z.Adresat, "zamowienia@quilmar.example");
        EXPECT_EQ(z.Predmet, "Zamówienie Z-40");
        EXPECT_EQ(z.PredmetPotvr, "Potwierdzenie: Zamówienie Z-40");
        EXPECT_EQ(z.Obsah, o.TeloZpravy());
        std::string potvrzeni = "Potwierdzamy wysyłkę poniższego zamówienia\r\n" + std::string(50, '*') + CRLF +
                                z.Obsah + CRLF + std::string(50, '*') + "\r\nteam Quilmar\r\n";
        if (!p.vlastni.empty())
            potvrzeni += "\r\n\r\nZałącznik: " + p.vlastni + CRLF;
        EXPECT_EQ(z.ObsahPotvr, potvrzeni);
        EXPECT_EQ(z.Priloha, f.s.apPriloha);
        EXPECT_TRUE(NactiDataPrijme(z.Priloha));
        EXPECT_EQ(z.Priloha2, p.vlastni);
        EXPECT_EQ(z.NazevRysu, "/program/RYSY/PA1S1.jpg");
        EXPECT_EQ(z.TypZakazky, 1);

        std::vector<std::string> texty;
        if (p.odpoved)
            texty.push_back("Chcesz dodać swój własny załącznik?");
        if (p.prijato)
            texty.push_back("Potwierdzenie otrzymasz na Twój adres: biuro@nowak.example");
        EXPECT_EQ(f.m.texts(), texty);
        if (p.odpoved) {
            EXPECT_EQ(f.m.calls().front().caption, "Quilmar");
        }
        if (p.prijato) {
            EXPECT_EQ(f.m.last().caption, "Zamówienie zostało odesłane");
        }
    }
}

TEST(ObjedTest, ManualModeSavesTheJobFileForSending)
{
    {
        Form f(Vypln());
        f.s.Firma.Data.MapiGroup = 2;
        std::vector<std::string> poradi;
        f.akce.UlozitJako = [&] {
            poradi.push_back(std::filesystem::exists(f.s.apPriloha) ? "uloz po zapisu" : "uloz");
            return IDYES;
        };
        TObjed o = f.Otevri();
        o.NastavCislo("Z-41");
        o.NastavTermin("20.03.2024", true);
        o.MailClick(); // the mail button is off
        EXPECT_TRUE(f.mail.zpravy.empty());
        EXPECT_FALSE(std::filesystem::exists(f.s.apPriloha));
        o.UlozClick();
        EXPECT_EQ(poradi, (std::vector<std::string>{"uloz po zapisu"}));
        EXPECT_EQ(f.s.apCislo, "Z-41");
        EXPECT_EQ(f.s.apTermin, EncodeDate(2024, 3, 20));
        EXPECT_NE(qmrtest::TempDir::read(f.s.apPriloha).find("Z-41"), std::string::npos);
        EXPECT_TRUE(f.m.empty());
    }
    {
        // Outside the manual mode the save command is not there.
        Form f(Vypln());
        int ulozeni = 0;
        f.akce.UlozitJako = [&] { return ++ulozeni, IDYES; };
        TObjed o = f.Otevri();
        o.NastavCislo("Z-42");
        o.UlozClick();
        EXPECT_EQ(ulozeni, 0);
        EXPECT_FALSE(std::filesystem::exists(f.s.apPriloha));
    }
}

TEST(ObjedTest, PrintAsksForUnsavedChangesOnlyWithAnEndCustomer)
{
    struct {
        bool zakaznik, upraveno;
        int odpoved;
        bool dotaz, tisk;
    } const pripady[] = {
        {false, true, IDCANCEL, false, true},
        {true, false, IDCANCEL, false, true},
        {true, true, IDYES, true, true},
        {true, true, IDCANCEL, true, false},
    };
    for (const auto &p : pripady) {
        SCOPED_TRACE(::testing::Message() << p.zakaznik << p.upraveno << p.odpoved);
        Form f(Vypln());
        f.s.apZakaznik = p.zakaznik;
        int dotazy = 0;
        std::optional<DataObjednavky> data;
        f.akce.TestZapisu = [&] { return ++dotazy, p.odpoved; };
        f.akce.Tisk = [&](const DataObjednavky &d) { data = d; };
        TObjed o = f.Otevri();
        o.NastavCislo("Z-50");
        o.NastavPocet(2);
        o.DopravaClick(1);
        o.NastavPoznamky("p1\np2");
        f.s.apEdited = p.upraveno;
        o.TiskClick();
        EXPECT_EQ(dotazy, p.dotaz ? 1 : 0);
        ASSERT_EQ(data.has_value(), p.tisk);
        EXPECT_EQ(f.s.apCislo, "Z-50"); // stored in any case
        EXPECT_EQ(f.s.apPocet, 2);
        if (!data)
            continue;
        EXPECT_EQ(data->Cislo, "Z-50");
        EXPECT_EQ(data->Termin, o.Termin());
        EXPECT_EQ(data->Podpis, "Jan Nowak");
        EXPECT_EQ(data->Pocet, 2);
        EXPECT_EQ(data->Doprava, 1);
        EXPECT_EQ(data->TxCena, o.TxCena());
        EXPECT_EQ(data->Poznamky, (std::vector<std::string>{"p1", "p2"}));
        EXPECT_EQ(data->Radky.Radky2, o.Radky().Radky2);
    }
}

TEST(ObjedTest, MenuDialogs)
{
    struct Pripad {
        bool heslo;
        int odpovedHesla;
        int vysledek; // of the price settings
        int dopravaIn;
        bool otevreno, upraveno, povolena;
    } const pripady[] = {
        {false, IDCANCEL, IDOK, 50, true, true, true},
        {true, IDCANCEL, IDOK, 50, false, false, true},
        {true, IDOK, IDOK, 0, true, true, false},
        {false, IDCANCEL, IDCANCEL, 50, true, false, true},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(::testing::Message() << p.heslo << " " << p.odpovedHesla << " " << p.vysledek);
        Form f(Vypln());
        f.s.SCeny.CenyData.Dopravy = 1;
        f.s.apHeslo = p.heslo;
        int otevreni = 0;
        f.akce.Heslo = [&] { return p.odpovedHesla; };
        f.akce.CenyDef = [&] {
            ++otevreni;
            f.s.SCeny.CenyData.DopravaIn = p.dopravaIn;
            return p.vysledek;
        };
        TObjed o = f.Otevri();
        ASSERT_EQ(o.Doprava(), 1);
        o.DefiniceCenClick();
        EXPECT_EQ(otevreni, p.otevreno ? 1 : 0);
        EXPECT_EQ(f.s.apEdited, p.upraveno);
        EXPECT_EQ(f.ocenenu, p.otevreno ? 2 : 1);
        EXPECT_EQ(o.DopravaPovolena(), p.povolena);
        EXPECT_EQ(o.Doprava(), p.povolena ? 1 : 0);
    }

    // The customer definition: the company is read back from the configuration.
    Form f(Vypln());
    Zapis(f.s, f.s.Firma);
    f.akce.Odberatel = [&] {
        TFirma nova = f.s.Firma;
        nova.Data.Osoba = "Ewa Nowak";
        Zapis(f.s, nova);
        return IDOK;
    };
    TObjed o = f.Otevri();
    o.DefiniceOdbClick();
    EXPECT_EQ(f.s.Firma.Data.Osoba, "Ewa Nowak");
    EXPECT_TRUE(f.s.apEdited);
}

// ---- The demonstration job ---------------------------------------------------------------

class DemoObjedTest : public formtest::DemoFormular {
protected:
    // The dealer's purchase prices are shown (the demo settings show sale prices).
    void UpravData() override
    {
        std::string conf = qmrtest::TempDir::read(dir.file("DATA/Quilmar.cfg"));
        const std::size_t z = conf.find("Zobrazit=2");
        ASSERT_NE(z, std::string::npos);
        conf.replace(z, 10, "Zobrazit=1");
        dir.write("DATA/Quilmar.cfg", conf);
    }
};

TEST_F(DemoObjedTest, OrderOfTheDemoJob)
{
    s.Firma.Data.Kod = "40711";
    TObjed o(s, zpravy, hodiny, mail, {});
    // The job came with its order data: number, date and quantity stay.
    EXPECT_EQ(o.Cislo(), "DEMO-1");
    EXPECT_EQ(o.Termin(), "12.03.2024");
    EXPECT_EQ(o.Pocet(), 1);
    EXPECT_EQ(o.Radky().Radky1.front(), "Wypełnienie:");
    EXPECT_EQ(o.Radky().Radky2, DejRadky(s, qmr::Formular::Objed).Radky2);
    // The real pricing ran: the price line holds the purchase price of one panel.
    EXPECT_GT(s.nPoSleve1, Currency());
    ASSERT_TRUE(o.TxCenaViditelna());
    EXPECT_NE(o.TxCena().find(" " + s.cMenaObj + " bez podatku"), std::string::npos) << o.TxCena();
    o.NastavPocet(2);
    const std::string dva = o.TxCena();
    o.NastavPocet(1);
    EXPECT_NE(dva, o.TxCena());

    o.NastavTermin("20.03.2024", true);
    o.MailClick();
    ASSERT_EQ(mail.zpravy.size(), 1u) << ::testing::PrintToString(zpravy.texts());
    EXPECT_EQ(mail.zpravy[0].Predmet, "Zamówienie DEMO-1");
    EXPECT_NE(mail.zpravy[0].Obsah.find("Drzwi wejściowe – próbna konfiguracja\r\n"), std::string::npos);
    EXPECT_TRUE(s.SMail);

    // The attached job file reads back as the same order.
    Session zpet;
    InitSession(zpet, dir.file("quilmar"));
    SeznamyVyplni(zpet);
    SeznamyBarev(zpet);
    ASSERT_EQ(mail.zpravy[0].Priloha, s.apPriloha);
    ASSERT_TRUE(NactiData(zpet, s.apPriloha, zpravy, hodiny));
    Nazvi(zpet);
    Ocen(zpet);
    EXPECT_EQ(zpet.apCislo, "DEMO-1");
    EXPECT_EQ(zpet.apTermin, EncodeDate(2024, 3, 20));
    EXPECT_EQ(zpet.SJmenoV, s.SJmenoV);
    EXPECT_EQ(DejRadky(zpet, qmr::Formular::Objed).Radky2, o.Radky().Radky2);

    ASSERT_TRUE(o.KonecClick());
    o.Zavri();
    EXPECT_EQ(s.SPoznamky.size(), 2u);
}
