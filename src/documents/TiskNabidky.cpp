#include "documents/TiskNabidky.h"

#include "core/Clock.h"
#include "core/DateCore.h"

namespace qmr {

namespace {

// Where notes that do not fit above the foot continue on the next page.
constexpr double kHorniOkraj = 14.8;

} // namespace

StranaTisku StranaNabidky(const Session &s, const DataNabidky &d, const Clock &Hodiny,
                          VelikostObrazku Rys, VelikostObrazku PomRys)
{
    StranaTisku p;
    p.Titulek = "Druk oferty";
    const TFirmaData &f = s.Firma.Data;
    const TZakazData &z = s.Zakaznik.Data;
    const bool zakaznik = s.apZakaznik;
    const bool plna = d.Verze == 1;
    const TCenyData &c = s.SCeny.CenyData;

    PolozkaStrany ram;
    ram.druh = PolozkaStrany::Druh::Ramecek;
    ram.Nazev = "QRShape1";
    ram.X = 10.1;
    ram.Y = 14.8;
    ram.Sirka = 186.5;
    ram.Vyska = 44.7;
    p.Polozky.push_back(ram);

    // The addressee: the end customer, or the dealer's own company without one.
    if (zakaznik) {
        p.Text("QNazev1", 31.8, 19.1, z.Jmeno);
        p.Text("QNazev2", 31.8, 23.3, z.Prijmeni);
        p.Text("QUlice", 31.8, 27.5, z.Ulice);
        p.Text("QPSC", 14.8, 31.8, z.PSC);
        p.Text("QObec", 31.8, 31.8, z.Mesto);
        p.Text("QRLabel1", 14.8, 42.3, "mobil: " + z.Mobil);
        p.Text("QICO", 31.8, 42.3, "");
        p.Text("QRLabel2", 14.8, 46.6, "telefon: " + z.Telefon);
        p.Text("QDIC", 31.8, 46.6, "");
        p.Text("QRLabel6", 14.8, 51.9, "e-mail: " + z.Email);
    } else {
        p.Text("QNazev1", 31.8, 19.1, f.Nazev1);
        p.Text("QNazev2", 31.8, 23.3, f.Nazev2);
        p.Text("QUlice", 31.8, 27.5, f.Ulice);
        p.Text("QPSC", 14.8, 31.8, f.PSC);
        p.Text("QObec", 31.8, 31.8, f.Obec);
        p.Text("QRLabel1", 14.8, 42.3, "Regon:");
        p.Text("QICO", 31.8, 42.3, f.ICO);
        p.Text("QRLabel2", 14.8, 46.6, "NIP:");
        p.Text("QDIC", 31.8, 46.6, f.DIC);
        p.Text("QRLabel6", 14.8, 51.9, "");
    }
    // The heading's left block ends where the number block begins.
    for (PolozkaStrany &i : p.Polozky)
        if (i.druh == PolozkaStrany::Druh::Text && i.Nazev != "QRShape1")
            i.Sirka = i.Nazev == "QPSC" ? 16.2 : 112.8 - i.X;

    p.Text("QRLabel3", 114.3, 19.1, "Nr. oferty:", Pismo::Velke).Sirka = 41.3;
    p.Text("QCislo", 156.6, 19.1, d.Cislo, Pismo::Velke).Sirka = 40.0;
    p.Text("QRLabel4", 114.3, 25.4, "Data sporządzenia:", Pismo::Tucne);
    p.Text("QDatum", 156.6, 25.4, FormatDate(Hodiny.Today()), Pismo::Tucne).Sirka = 40.0;
    p.Text("QRLabel5", 114.3, 29.6, plna ? "Termin dostawy:" : "", Pismo::Tucne);
    p.Text("QTermin", 156.6, 29.6, plna ? d.Termin : std::string(), Pismo::Tucne).Sirka = 40.0;
    p.Text("Doprava", 114.3, 35.2,
           !plna ? "" : d.Doprava == 1 ? "Transport zabezpieczamy my" : "Transport zabezpieczacie sami",
           Pismo::Tucne).Sirka = 82.0;

    std::string uvod = "Proponujemy Państwu";
    if (s.TypZakazky == 1)
        uvod += " " + std::to_string(d.Pocet) + " " +
                (c.Ram < 1 ? "sztuk wypełnień drzwiowych według następującej specyfikacji:"
                           : "sztuk drzwi według następującej specyfikacji:");
    p.Text("QText", 19.1, 72.2, uvod).Sirka = 177.0;

    PolozkaStrany radky;
    radky.druh = PolozkaStrany::Druh::Sloupce;
    radky.Nazev = "Radky1";
    radky.X = 10.6;
    radky.Y = 80.4;
    radky.Sirka = 40.5;
    radky.Vyska = 87.0;
    radky.X2 = 50.8;
    radky.Sirka2 = 114.6;
    radky.Radky = d.Radky.Radky1;
    radky.Radky2 = d.Radky.Radky2;
    p.Polozky.push_back(radky);

    PridejMiniaturu(p, s, 165.9, 78.3, Rys, PomRys);

    const bool cena = c.Zobrazit != 0 && (plna || !c.CenuNab);
    p.Text("TxCena", 55.0, 171.4, cena ? d.TxCena : std::string(), Pismo::Tucne).Sirka = 141.0;
    p.Text("TxPlatnost", 19.1, 178.1,
           d.Platnost > 0 ? "Ważność oferty: " + std::to_string(d.Platnost) + " " + "dni" : std::string());
    p.Text("QRLabel7", 19.1, 187.1, "Sporządził:");
    p.Text("Podpis", 44.5, 187.1, d.Podpis).Sirka = 150.0;
    p.Text("QRLabel8", 19.1, 197.4, "Uwagi i wymagania niestandardowe (maksymalnie 10 wierszy):");

    PolozkaStrany pozn;
    pozn.druh = PolozkaStrany::Druh::Blok;
    pozn.Nazev = "Poznamky";
    pozn.X = 21.2;
    pozn.Y = 202.9;
    pozn.Sirka = 169.6;
    pozn.Vyska = 49.7;
    pozn.Radky = d.Poznamky;
    pozn.Roste = true;
    pozn.Mez = pozn.Y + pozn.Vyska;
    pozn.PokracujY = kHorniOkraj;
    p.Polozky.push_back(pozn);

    PolozkaStrany cara;
    cara.druh = PolozkaStrany::Druh::Cara;
    cara.Nazev = "QRShape2";
    cara.X = 14.8;
    cara.Y = 252.9;
    cara.Sirka = 178.1;
    p.Polozky.push_back(cara);

    // Always the dealer's contacts.
    p.Text("QRLabel9", 21.2, 262.2, "telefon: ");
    p.Text("Qtelefon", 38.1, 262.2, f.Telefon).Sirka = 54.0;
    p.Text("QRLabel10", 21.2, 266.4, "fax:     ");
    p.Text("Qfax", 38.1, 266.4, f.Fax).Sirka = 54.0;
    p.Text("QRLabel11", 21.2, 270.7, "e-mail:  ");
    p.Text("Qmail", 38.1, 270.7, f.Mail).Sirka = 54.0;

    // The dealer as the issuer, when the heading holds the end customer.
    p.Text("VNazev1", 116.4, 259.0, zakaznik ? f.Nazev1 : std::string(), Pismo::Nazev12).Sirka = 80.0;
    p.Text("VNazev2", 116.4, 264.3, zakaznik ? f.Nazev2 : std::string()).Sirka = 80.0;
    p.Text("VUlice", 116.4, 268.6, zakaznik ? f.Ulice : std::string()).Sirka = 80.0;
    p.Text("VPSC", 99.5, 272.8, zakaznik ? f.PSC : std::string()).Sirka = 16.0;
    p.Text("VObec", 116.4, 272.8, zakaznik ? f.Obec : std::string()).Sirka = 80.0;
    p.Text("QRLabel12", 61.4, 282.0, KreditniRadek(s)).Sirka = 135.0;
    return p;
}

} // namespace qmr
