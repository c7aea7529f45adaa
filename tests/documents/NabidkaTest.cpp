// The quote form: what it shows when it opens, the price line, the checks of its fields,
// what its commands write to the session and what they hand to the mail client, the
// gateway and the printout.
#include "documents/UNabidka.h"

#include "FormularFixture.h"

#include "core/DateCore.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace qmr;
using formtest::CRLF;
using formtest::RadkyTextem;

namespace {

// The panel priced at 1234.56 EUR without tax. The pricing engine is replaced by one
// that leaves these values as they are.
Session Vypln()
{
    Session s = formtest::Vypln();
    s.nPoSleve2 = Currency::FromRaw(12345600);
    s.nDopravaOut = Currency::FromUnits(50);
    s.cMenaNab = "EUR";
    s.lPrepNab = true;
    s.SCeny.CenyData.Zobrazit = 2;
    return s;
}

using Form = formtest::Form<TNabidka, NabidkaAkce>;

} // namespace

TEST(NabidkaTest, OpeningShowsCaptionsInitialValuesAndModes)
{
    {
        Form f(Vypln());
        f.s.apCislo = "N-17";
        f.s.apPodpis = "stary podpis";
        f.s.apEdited = false;
        TNabidka n = f.Otevri();
        EXPECT_EQ(n.Titulek(), "Dokończenie oferty");
        formtest::OverNovy(f, n, "N-17", qmr::Formular::Nabidka);
        EXPECT_EQ(n.Platnost(), 1);
        EXPECT_EQ(n.Verze(), 0);
        EXPECT_EQ(n.Doprava(), 0);
        EXPECT_EQ(n.TxLine2(), "sztuk wypełnień drzwiowych według następującej specyfikacji:");
    }
    {
        // Completed before in this session: quantity, number and signature come back;
        // the company's name stands in the caption when companies are chosen from a list.
        Form f(Vypln());
        formtest::Drivejsi(f.s, "N-18");
        f.s.SCeny.CenyData.Ram = 1;
        TNabidka n = f.Otevri();
        formtest::OverDrivejsi(n, "N-18", "Dokończenie oferty");
        EXPECT_EQ(n.TxLine2(), "sztuk drzwi według następującej specyfikacji:");
    }
    {
        Form f(Vypln());
        f.s.TypZakazky = 2;
        EXPECT_FALSE(f.Otevri().PocetViditelny());
    }

    struct {
        int dopravy, dopravaOut, doprava;
    } const doprava[] = {{1, 50, 1}, {0, 50, 0}, {1, 0, 0}};
    for (const auto &p : doprava) {
        Form f(Vypln());
        f.s.SCeny.CenyData.Dopravy = p.dopravy;
        f.s.SCeny.CenyData.DopravaOut = p.dopravaOut;
        EXPECT_EQ(f.Otevri().Doprava(), p.doprava) << p.dopravy << " " << p.dopravaOut;
    }

    struct {
        int rezim;
        const char *text;
        bool povoleny;
    } const rezimy[] = {{0, "&Mail", true}, {1, "WWW", true}, {2, "&Mail", false}, {3, "&Mail", false}};
    for (const auto &p : rezimy) {
        Form f(Vypln());
        f.s.Firma.Data.MapiGroup = p.rezim;
        TNabidka n = f.Otevri();
        EXPECT_EQ(n.MailText(), p.text) << p.rezim;
        EXPECT_EQ(n.MailPovoleny(), p.povoleny) << p.rezim;
    }
}

TEST(NabidkaTest, PriceLine)
{
    struct Pripad {
        const char *popis;
        std::function<void(Session &)> nastav;
        int pocet, verze, doprava;
        const char *cena;
    } const pripady[] = {
        {"foreign customer: no rounding to tens", [](Session &) {}, 3, 0, 0, " 3 703,68 EUR bez podatku"},
        {"rounded to tens before the quantity",
         [](Session &s) { s.Cizina = s.lPrepNab = false; }, 3, 0, 0, " 3 690,00 EUR bez podatku"},
        {"accessories are never rounded",
         [](Session &s) { s.Cizina = s.lPrepNab = false; s.TypZakazky = 2; }, 3, 0, 0,
         " 3 703,68 EUR bez podatku"},
        {"transport of the quote is part of the single price",
         [](Session &s) { s.nabDopravaIn = Currency::FromUnits(10); }, 1, 0, 0, " 1 244,56 EUR bez podatku"},
        {"issuer's transport, simple version", [](Session &) {}, 2, 0, 1, " 2 569,12 EUR bez podatku"},
        {"issuer's transport, full version", [](Session &) {}, 1, 1, 1, "Z transportem 1 284,56 EUR bez podatku"},
        {"full version without transport", [](Session &) {}, 1, 1, 0, "Bez transportu 1 234,56 EUR bez podatku"},
        {"with tax", [](Session &s) { s.SCeny.CenyData.Pocitat = 1; }, 1, 0, 0, " 1 234,56 EUR z podatkiem"},
        {"prices hidden", [](Session &s) { s.SCeny.CenyData.Zobrazit = 0; }, 3, 1, 1, ""},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        Form f(Vypln());
        p.nastav(f.s);
        TNabidka n = f.Otevri();
        n.NastavPocet(p.pocet);
        n.VerzeClick(p.verze);
        n.DopravaClick(p.doprava);
        EXPECT_EQ(n.TxCena(), p.cena);
    }
}

TEST(NabidkaTest, EditsMarkTheSessionAndReprice)
{
    struct Pripad {
        const char *popis;
        std::function<void(TNabidka &)> akce;
        bool upraveno;
        int oceneni; // pricing runs after the opening
    } const pripady[] = {
        {"quantity", [](TNabidka &n) { n.NastavPocet(2); }, true, 1},
        {"validity", [](TNabidka &n) { n.NastavPlatnost(0); }, true, 1},
        {"transport", [](TNabidka &n) { n.DopravaClick(1); }, true, 1},
        {"version", [](TNabidka &n) { n.VerzeClick(1); }, false, 1},
        {"date typed", [](TNabidka &n) { n.NastavTermin("20.03.2024", true); }, true, 0},
        {"date set by the program", [](TNabidka &n) { n.NastavTermin("20.03.2024", false); }, false, 0},
        {"number and signature", [](TNabidka &n) { n.NastavCislo("X"); n.NastavPodpis("Y"); }, false, 0},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        Form f(Vypln());
        TNabidka n = f.Otevri();
        p.akce(n);
        EXPECT_EQ(f.s.apEdited, p.upraveno);
        EXPECT_EQ(f.ocenenu, 1 + p.oceneni);
    }

    Form f(Vypln());
    TNabidka n = f.Otevri();
    formtest::OverMeze(n);
    n.NastavPlatnost(-3);
    EXPECT_EQ(n.Platnost(), 0);
    n.NastavPlatnost(120);
    EXPECT_EQ(n.Platnost(), 99);
}

TEST(NabidkaTest, LeavingTheFields)
{
    // The number is demanded only on the way to print or mail.
    struct {
        const char *cislo;
        CilFokusu cil;
        bool zpet;
        const char *apCislo;
    } const cisla[] = {
        {"  ", CilFokusu::Tisk, true, "staré"},
        {"", CilFokusu::Mail, true, "staré"},
        {"  ", CilFokusu::Jinam, false, ""},
        {" N-5 ", CilFokusu::Tisk, false, "N-5"},
        {" N-6 ", CilFokusu::Jinam, false, "N-6"},
    };
    for (const auto &p : cisla) {
        SCOPED_TRACE(p.cislo);
        formtest::OverCislo<Form>(Vypln(), p.cislo, p.cil, p.zpet, p.apCislo, "Należy wypełnić Państwa numer oferty");
    }

    // The delivery date: today + 5 .. today + 40 calendar days (today 5.3.2024).
    struct {
        const char *termin;
        bool varovani;
    } const terminy[] = {
        {"09.03.2024", true}, {"10.03.2024", false}, {"14.04.2024", false},
        {"15.04.2024", true}, {"01.01.2024", true},  {"  .  .    ", false},
        {"5 .4 .2024", false},
    };
    for (const auto &p : terminy) {
        SCOPED_TRACE(p.termin);
        Form f(Vypln());
        TNabidka n = f.Otevri();
        n.NastavTermin(p.termin, true);
        n.TerminExit();
        EXPECT_EQ(n.Termin(), p.termin);
        if (p.varovani) {
            ASSERT_EQ(f.m.count(), 1u);
            EXPECT_EQ(f.m.last().caption, "UWAGA!");
            EXPECT_EQ(f.m.last().text, std::string("Termin dostawy:") + p.termin + "!");
            EXPECT_EQ(f.m.last().flags & MB_ICONMASK, MB_ICONSTOP);
        } else {
            EXPECT_TRUE(f.m.empty());
        }
    }

    formtest::OverPoznamky<Form>(Vypln(), "UWAGA!", "Maksymalnie 10 wierszy");
}

TEST(NabidkaTest, FinishStoresTheFieldsAndNamesTheJob)
{
    Form f(Vypln());
    f.s.SPoznamky = {"stara"};
    TNabidka n = f.Otevri();
    formtest::OverKonec(f, n, "N-20");
    EXPECT_TRUE(f.s.apEdited); // the job got a new name
}

TEST(NabidkaTest, DateThatIsNoDateEndsTheCommand)
{
    Form f(Vypln());
    f.s.apTermin = EncodeDate(2024, 3, 20);
    int tisky = 0;
    f.akce.Tisk = [&](const DataNabidky &) { ++tisky; };
    TNabidka n = f.Otevri();
    n.NastavCislo("N-21");
    n.NastavTermin("  .  .    ", true);
    n.TiskClick();
    n.MailClick();
    EXPECT_FALSE(n.KonecClick());
    EXPECT_EQ(tisky, 0);
    EXPECT_TRUE(f.mail.zpravy.empty());
    formtest::OverChybuData(f, 3, "N-21", EncodeDate(2024, 3, 20));
}

TEST(NabidkaTest, MailOfAFullQuote)
{
    Form f(Vypln());
    f.s.SPoznamky = {"Montaż u klienta"};
    TNabidka n = f.Otevri();
    n.NastavCislo("N-30");
    n.NastavPocet(2);
    n.VerzeClick(1);
    n.DopravaClick(1);
    n.NastavTermin("20.03.2024", true);
    n.NastavPlatnost(14);
    n.MailClick();
    ASSERT_EQ(f.mail.zpravy.size(), 1u);
    const ZpravaMailu &z = f.mail.zpravy[0];
    EXPECT_EQ(z.Adresat, "Wybór adresata!");
    EXPECT_EQ(z.Predmet, "Oferta  N-30");
    EXPECT_EQ(z.Priloha, "/program/RYSY/PA1S1.jpg");
    EXPECT_EQ(z.Obsah, std::string("Oferta Nr.: N-30\r\n"
                                   "Data sporządzenia: 05.03.2024\r\n"
                                   "Termin dostawy:   20.03.2024\r\n"
                                   "Transport: Transport zabezpieczamy my\r\n"
                                   "\r\n"
                                   "Proponujemy Państwu 2 sztuk wypełnień drzwiowych według następującej specyfikacji:\r\n"
                                   "\r\n") +
                           RadkyTextem(n.Radky()) +
                           "\r\n"
                           "Uwagi i wymagania niestandardowe:\r\n"
                           "Montaż u klienta\r\n"
                           "\r\n"
                           "Z transportem 2 569,12 EUR bez podatku\r\n"
                           "\r\n"
                           "Ważność oferty: 14 dni\r\n"
                           "\r\n"
                           "Sporządził: Jan Nowak\r\n"
                           "\r\n"
                           "Drzwi Nowak\r\n"
                           "ul. Polna 3\r\n"
                           "00-950  Warszawa\r\n"
                           "Regon: 123456789\r\n"
                           "\r\n"
                           "telefon:  22 123 45 67\r\n"
                           "e-mail:   biuro@nowak.example\r\n");
    EXPECT_TRUE(f.m.empty());
    // Mailing stores the fields.
    EXPECT_EQ(f.s.apCislo, "N-30");
    EXPECT_EQ(f.s.apPocet, 2);
    EXPECT_EQ(f.s.apTermin, EncodeDate(2024, 3, 20));
}

TEST(NabidkaTest, MailOfASimpleQuoteAndOfAccessories)
{
    {
        // Simple version with prices kept off the simple quote: no date, transport or
        // price; validity 0: no validity line. The end customer's address is used.
        Form f(Vypln());
        f.s.SCeny.CenyData.CenuNab = true;
        f.s.apZakaznik = true;
        f.s.Zakaznik.Data.Email = "klient@example.com";
        TNabidka n = f.Otevri();
        n.NastavCislo("N-31");
        n.NastavPlatnost(0);
        n.MailClick();
        ASSERT_EQ(f.mail.zpravy.size(), 1u);
        const std::string &t = f.mail.zpravy[0].Obsah;
        EXPECT_EQ(f.mail.zpravy[0].Adresat, "klient@example.com");
        EXPECT_EQ(t.find("Termin dostawy"), std::string::npos);
        EXPECT_EQ(t.find("Transport"), std::string::npos);
        EXPECT_EQ(t.find("EUR"), std::string::npos);
        EXPECT_EQ(t.find("Ważność"), std::string::npos);
        EXPECT_EQ(t.find("Uwagi"), std::string::npos);
    }
    {
        // Accessories only: no quantity text, no drawing; an end customer without an
        // address gets the placeholder.
        Form f(Vypln());
        f.s.TypZakazky = 2;
        f.s.VyplnVybrana = false;
        f.s.DoplnkyVybrany = true;
        f.s.SDoplnek1.DDoplnek.Polozka = 0;
        f.s.SDoplnek1.DDoplnek.Nazev = "Klamka";
        f.s.SDoplnek1.DDoplnek.PocetKs = 2;
        f.s.SDoplnek1.DDoplnek.BezTloustky = true;
        f.s.apZakaznik = true;
        f.s.Zakaznik.Data.Email = "  ";
        TNabidka n = f.Otevri();
        n.MailClick();
        ASSERT_EQ(f.mail.zpravy.size(), 1u);
        const ZpravaMailu &z = f.mail.zpravy[0];
        EXPECT_EQ(z.Adresat, "Wybór adresata!");
        EXPECT_EQ(z.Priloha, "");
        EXPECT_NE(z.Obsah.find("\r\nProponujemy Państwu\r\n\r\nAkcesoria:   2 x Klamka\r\n"), std::string::npos)
            << z.Obsah;
    }
    {
        // A job without a drawing (blank name) attaches nothing; a mail client that does
        // not take the message is reported.
        Form f(Vypln());
        f.s.NazevRysu = " ";
        f.mail.prevezme = false;
        TNabidka n = f.Otevri();
        n.MailClick();
        ASSERT_EQ(f.mail.zpravy.size(), 1u);
        EXPECT_EQ(f.mail.zpravy[0].Priloha, "");
        ASSERT_EQ(f.m.count(), 1u);
        EXPECT_EQ(f.m.last().text, kMailNepredan);
    }
}

TEST(NabidkaTest, GatewayMode)
{
    struct Pripad {
        const char *popis;
        bool status, prijato;
        int posli;
        bool hlaska;
    } const pripady[] = {
        {"unreachable", false, false, 0, false},
        {"refused", true, false, 1, false},
        {"delivered", true, true, 1, true},
    };
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.popis);
        Form f(Vypln());
        f.s.Firma.Data.MapiGroup = 1;
        std::vector<ZpravaBrany> zpravy;
        std::vector<bool> oznameni;
        f.akce.Status = [&] { return p.status; };
        f.akce.Posli = [&](const ZpravaBrany &z) {
            zpravy.push_back(z);
            return p.prijato;
        };
        TNabidka n = f.Otevri();
        n.Prekresli = [&] { oznameni.push_back(n.OznameniViditelne() && !n.Radky2Viditelny()); };
        n.NastavCislo("N-40");
        n.MailClick();
        EXPECT_TRUE(f.mail.zpravy.empty());
        ASSERT_EQ(zpravy.size(), std::size_t(p.posli));
        ASSERT_FALSE(oznameni.empty());
        EXPECT_TRUE(oznameni.front()); // the notice over the lines before the request
        EXPECT_FALSE(n.OznameniViditelne());
        EXPECT_TRUE(n.Radky2Viditelny());
        if (p.posli) {
            const ZpravaBrany &z = zpravy[0];
            EXPECT_EQ(z.Typ, 3);
            EXPECT_EQ(z.Adresat, "Wybór adresata!");
            EXPECT_EQ(z.Predmet, "Oferta  N-40");
            EXPECT_EQ(z.PredmetPotvr, z.Predmet);
            EXPECT_EQ(z.Obsah, n.TeloZpravy());
            EXPECT_EQ(z.ObsahPotvr, z.Obsah);
            EXPECT_EQ(z.Priloha, "");
            EXPECT_EQ(z.Priloha2, "");
            EXPECT_EQ(z.NazevRysu, "/program/RYSY/PA1S1.jpg");
            EXPECT_EQ(z.TypZakazky, 1);
        }
        ASSERT_EQ(f.m.count(), p.hlaska ? 1u : 0u);
        if (p.hlaska) {
            EXPECT_EQ(f.m.last().caption, "Oferta została odesłana na Twój adres: ");
            EXPECT_EQ(f.m.last().text, "biuro@nowak.example");
        }
    }

    // Manual mode: the button is off and its command does nothing.
    Form f(Vypln());
    f.s.Firma.Data.MapiGroup = 2;
    TNabidka n = f.Otevri();
    n.NastavCislo("N-41");
    n.MailClick();
    EXPECT_TRUE(f.mail.zpravy.empty());
    EXPECT_EQ(f.s.apCislo, "");
}

TEST(NabidkaTest, PrintSavesFirstOnlyWithAnEndCustomer)
{
    for (bool zakaznik : {false, true}) {
        SCOPED_TRACE(zakaznik);
        Form f(Vypln());
        f.s.apZakaznik = zakaznik;
        f.s.apEdited = true;
        std::vector<std::string> poradi;
        std::optional<DataNabidky> data;
        f.akce.UlozitJako = [&] { poradi.push_back("uloz"); return IDYES; };
        f.akce.Tisk = [&](const DataNabidky &d) { poradi.push_back("tisk"); data = d; };
        TNabidka n = f.Otevri();
        n.NastavCislo("N-50");
        n.NastavPocet(2);
        n.VerzeClick(1);
        n.NastavPoznamky("p1\np2");
        n.TiskClick();
        EXPECT_EQ(poradi, zakaznik ? (std::vector<std::string>{"uloz", "tisk"}) : (std::vector<std::string>{"tisk"}));
        ASSERT_TRUE(data);
        EXPECT_EQ(data->Cislo, "N-50");
        EXPECT_EQ(data->Pocet, 2);
        EXPECT_EQ(data->Verze, 1);
        EXPECT_EQ(data->TxCena, n.TxCena());
        EXPECT_EQ(data->Poznamky, (std::vector<std::string>{"p1", "p2"}));
        EXPECT_EQ(data->Radky.Radky2, n.Radky().Radky2);
        EXPECT_EQ(f.s.apCislo, "N-50");
        EXPECT_EQ(f.s.apPocet, 2);
    }
}

TEST(NabidkaTest, PriceSettingsFromTheMenu)
{
    struct Pripad {
        bool heslo;
        int odpovedHesla;
        bool otevreno;
    } const pripady[] = {{false, IDCANCEL, true}, {true, IDCANCEL, false}, {true, IDOK, true}};
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(::testing::Message() << p.heslo << " " << p.odpovedHesla);
        Form f(Vypln());
        f.s.apHeslo = p.heslo;
        int otevreni = 0;
        f.akce.Heslo = [&] { return p.odpovedHesla; };
        f.akce.CenyDef = [&] {
            ++otevreni;
            f.s.SCeny.CenyData.Ram = 5;
            return IDOK;
        };
        TNabidka n = f.Otevri();
        n.DefiniceCenClick();
        EXPECT_EQ(otevreni, p.otevreno ? 1 : 0);
        EXPECT_EQ(f.s.apEdited, p.otevreno);
        EXPECT_EQ(f.ocenenu, p.otevreno ? 2 : 1);
        EXPECT_EQ(n.TxLine2(), p.otevreno ? "sztuk drzwi według następującej specyfikacji:"
                                          : "sztuk wypełnień drzwiowych według następującej specyfikacji:");
    }
}

// ---- The demonstration job ---------------------------------------------------------------

class DemoNabidkaTest : public formtest::DemoFormular {};

TEST_F(DemoNabidkaTest, QuoteOfTheDemoJob)
{
    TNabidka n(s, zpravy, hodiny, mail, {});
    // The job came with its order data: number, date and quantity stay.
    EXPECT_EQ(n.Cislo(), "DEMO-1");
    EXPECT_EQ(n.Termin(), "12.03.2024");
    EXPECT_EQ(n.Pocet(), 1);
    EXPECT_EQ(n.Radky().Radky1.front(), "Wypełnienie:");
    EXPECT_EQ(n.Radky().Radky2, DejRadky(s, qmr::Formular::Nabidka).Radky2);
    // The real pricing ran: the price line holds the sale price of one panel.
    ASSERT_FALSE(n.TxCena().empty());
    EXPECT_GT(s.nPoSleve2, Currency());
    EXPECT_NE(n.TxCena().find(" " + s.cMenaNab + " "), std::string::npos) << n.TxCena();
    n.NastavPocet(2);
    const std::string dva = n.TxCena();
    n.NastavPocet(1);
    EXPECT_NE(dva, n.TxCena());

    n.NastavTermin("20.03.2024", true);
    n.MailClick();
    ASSERT_EQ(mail.zpravy.size(), 1u);
    EXPECT_EQ(mail.zpravy[0].Predmet, "Oferta  DEMO-1");
    EXPECT_NE(mail.zpravy[0].Obsah.find("Drzwi wejściowe – próbna konfiguracja\r\n"), std::string::npos);
    ASSERT_TRUE(n.KonecClick());
    n.Zavri();
    EXPECT_EQ(s.apTermin, EncodeDate(2024, 3, 20));
    EXPECT_EQ(s.SPoznamky.size(), 2u);
}
