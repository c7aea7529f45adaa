// The page of the printed quote.
#include "documents/TiskNabidky.h"

#include "documents/TiskTestData.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace qmr;

namespace {

// The dealer, the panel and an end customer (printed only with apZakaznik).
Session Zakazka()
{
    Session s = tisktest::Zakazka();
    TZakazData &z = s.Zakaznik.Data;
    z.Jmeno = "Zofia";
    z.Prijmeni = "Żak";
    z.Ulice = "ul. Polna 2";
    z.PSC = "95-100";
    z.Mesto = "Zgierz";
    z.Mobil = "600 100 200";
    z.Telefon = "42 716 00 00";
    z.Email = "zofia@example.pl";
    return s;
}

DataNabidky Data()
{
    DataNabidky d = tisktest::Nabidka();
    d.Termin = "25.03.2024";
    d.Radky.Pridej("Wypełnienie:", "Aura 1/1 S1");
    d.Radky.Pridej("Kolory:", "strona zewnętrzna Kremowy");
    d.Poznamky = {"Montaż w sobotę"};
    return d;
}

using tisktest::kDnes;

struct Text {
    const char *nazev;
    std::string text;
};

void Over(const StranaTisku &p, const std::vector<Text> &texty)
{
    for (const Text &t : texty) {
        SCOPED_TRACE(t.nazev);
        const PolozkaStrany *i = p.Najdi(t.nazev);
        ASSERT_NE(i, nullptr);
        EXPECT_EQ(i->Text, t.text);
    }
}

} // namespace

TEST(TiskNabidkyTest, FullQuoteForAnEndCustomer)
{
    Session s = Zakazka();
    s.apZakaznik = true;
    const StranaTisku p = StranaNabidky(s, Data(), kDnes);
    EXPECT_EQ(p.Titulek, "Druk oferty");
    Over(p, {
                {"QNazev1", "Zofia"},
                {"QNazev2", "Żak"},
                {"QUlice", "ul. Polna 2"},
                {"QPSC", "95-100"},
                {"QObec", "Zgierz"},
                {"QRLabel1", "mobil: 600 100 200"},
                {"QICO", ""},
                {"QRLabel2", "telefon: 42 716 00 00"},
                {"QDIC", ""},
                {"QRLabel6", "e-mail: zofia@example.pl"},
                {"QRLabel3", "Nr. oferty:"},
                {"QCislo", "N-88"},
                {"QRLabel4", "Data sporządzenia:"},
                {"QDatum", "05.03.2024"},
                {"QRLabel5", "Termin dostawy:"},
                {"QTermin", "25.03.2024"},
                {"Doprava", "Transport zabezpieczamy my"},
                {"QText", "Proponujemy Państwu 3 sztuk wypełnień drzwiowych według następującej specyfikacji:"},
                {"TxCena", "Z transportem 3 703,68 PLN z podatkiem"},
                {"TxPlatnost", "Ważność oferty: 14 dni"},
                {"QRLabel7", "Sporządził:"},
                {"Podpis", "Anna Kowalczyk"},
                {"QRLabel8", "Uwagi i wymagania niestandardowe (maksymalnie 10 wierszy):"},
                // Contacts: always the dealer's.
                {"QRLabel9", "telefon: "},
                {"Qtelefon", "42 600 00 00"},
                {"QRLabel10", "fax:     "},
                {"Qfax", "42 600 00 01"},
                {"QRLabel11", "e-mail:  "},
                {"Qmail", "biuro@drzwipol.example"},
                // The dealer as the issuer at the foot.
                {"VNazev1", "Drzwi-Pol Sp. z o.o."},
                {"VNazev2", "Salon Łódź"},
                {"VUlice", "ul. Źródlana 7"},
                {"VPSC", "90-001"},
                {"VObec", "Łódź"},
            });
    EXPECT_EQ(p.Najdi("VNazev1")->pismo, Pismo::Nazev12);
    EXPECT_EQ(p.Najdi("QCislo")->pismo, Pismo::Velke);
    EXPECT_DOUBLE_EQ(p.Najdi("VNazev1")->Y, 259.0);
    EXPECT_DOUBLE_EQ(p.Najdi("VPSC")->X, 99.5);
    EXPECT_DOUBLE_EQ(p.Najdi("QRLabel6")->Y, 51.9);
    EXPECT_DOUBLE_EQ(p.Najdi("TxCena")->Y, 171.4);
    EXPECT_DOUBLE_EQ(p.Najdi("TxPlatnost")->Y, 178.1);
    EXPECT_DOUBLE_EQ(p.Najdi("QRShape2")->Y, 252.9);
    EXPECT_DOUBLE_EQ(p.Najdi("QRShape1")->Vyska, 44.7);
    // No delivery-address block on the quote.
    for (const char *n : {"QRLabel13", "SUlice", "SPracDoba", "VNazev"})
        EXPECT_EQ(p.Najdi(n), nullptr) << n;

    const PolozkaStrany *r = p.Najdi("Radky1");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Radky, Data().Radky.Radky1);
    EXPECT_EQ(r->Radky2, Data().Radky.Radky2);
    EXPECT_DOUBLE_EQ(r->X, 10.6);
    EXPECT_DOUBLE_EQ(r->X2, 50.8);
    EXPECT_DOUBLE_EQ(r->Y, 80.4);
    EXPECT_DOUBLE_EQ(r->Vyska, 87.0);
    const PolozkaStrany *pod = p.Najdi("Rantl");
    ASSERT_NE(pod, nullptr);
    EXPECT_NEAR(pod->X, 165.9, 1e-9); // the 900 mm opening fills the 90 px frame
    EXPECT_EQ(p.Najdi("Poznamky")->Radky, Data().Poznamky);
    EXPECT_DOUBLE_EQ(p.Najdi("Poznamky")->Y, 202.9);

    // An end customer without an e-mail address.
    s.Zakaznik.Data.Email.clear();
    EXPECT_EQ(StranaNabidky(s, Data(), kDnes).Text("QRLabel6"), "e-mail: ");
}

TEST(TiskNabidkyTest, WithoutEndCustomerTheDealerStandsInTheHeading)
{
    DataNabidky d = Data();
    d.Doprava = 0;
    const StranaTisku p = StranaNabidky(Zakazka(), d, kDnes);
    Over(p, {
                {"QNazev1", "Drzwi-Pol Sp. z o.o."},
                {"QNazev2", "Salon Łódź"},
                {"QUlice", "ul. Źródlana 7"},
                {"QPSC", "90-001"},
                {"QObec", "Łódź"},
                {"QRLabel1", "Regon:"},
                {"QICO", "123456789"},
                {"QRLabel2", "NIP:"},
                {"QDIC", "725-000-11-22"},
                {"QRLabel6", ""},
                {"Doprava", "Transport zabezpieczacie sami"},
                {"VNazev1", ""},
                {"VNazev2", ""},
                {"VUlice", ""},
                {"VPSC", ""},
                {"VObec", ""},
                {"Qtelefon", "42 600 00 00"},
            });
}

TEST(TiskNabidkyTest, VersionPriceVisibilityValidityAndIntroduction)
{
    struct Pripad {
        const char *popis;
        std::function<void(Session &, DataNabidky &)> nastav;
        std::vector<Text> texty;
    };
    const std::string cena = Data().TxCena;
    const std::vector<Pripad> pripady = {
        {"simple version: no delivery date, no transport, the price",
         [](Session &, DataNabidky &d) { d.Verze = 0; },
         {{"QRLabel5", ""}, {"QTermin", ""}, {"Doprava", ""}, {"TxCena", cena}}},
        {"simple version with CenuNab: no price",
         [](Session &s, DataNabidky &d) { d.Verze = 0; s.SCeny.CenyData.CenuNab = true; },
         {{"TxCena", ""}, {"QTermin", ""}}},
        {"full version with CenuNab: the price",
         [](Session &s, DataNabidky &) { s.SCeny.CenyData.CenuNab = true; },
         {{"TxCena", cena}, {"QTermin", "25.03.2024"}}},
        {"prices hidden", [](Session &s, DataNabidky &) { s.SCeny.CenyData.Zobrazit = 0; }, {{"TxCena", ""}}},
        {"validity 0 days: no line", [](Session &, DataNabidky &d) { d.Platnost = 0; }, {{"TxPlatnost", ""}}},
        {"validity 1 day", [](Session &, DataNabidky &d) { d.Platnost = 1; }, {{"TxPlatnost", "Ważność oferty: 1 dni"}}},
        {"doors with frame",
         [](Session &s, DataNabidky &) { s.SCeny.CenyData.Ram = 1; },
         {{"QText", "Proponujemy Państwu 3 sztuk drzwi według następującej specyfikacji:"}}},
        {"accessories only",
         [](Session &s, DataNabidky &) { s.TypZakazky = 2; },
         {{"QText", "Proponujemy Państwu"}}},
    };
    for (const Pripad &c : pripady) {
        SCOPED_TRACE(c.popis);
        Session s = Zakazka();
        DataNabidky d = Data();
        c.nastav(s, d);
        Over(StranaNabidky(s, d, kDnes), c.texty);
    }

    Session s = Zakazka();
    s.TypZakazky = 2;
    EXPECT_EQ(StranaNabidky(s, Data(), kDnes, {180, 400}, {}).Najdi("Podklad"), nullptr);
}
