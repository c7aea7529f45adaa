#include "documents/TiskObjednavky.h"

#include "core/Clock.h"
#include "core/DateCore.h"

namespace qmr {

namespace {

// Where notes that do not fit above the foot continue on the next page.
constexpr double kHorniOkraj = 14.8;

} // namespace

StranaTisku StranaObjednavky(const Session &s, const DataObjednavky &d, const Clock &Hodiny,
                             VelikostObrazku Rys, VelikostObrazku PomRys)
{
    StranaTisku p;
    p.Titulek = "Druk zamówienia";
    const TFirmaData &f = s.Firma.Data;
    const TQMData &q = s.Quilmar.QMData;

    PolozkaStrany ram;
    ram.druh = PolozkaStrany::Druh::Ramecek;
    ram.Nazev = "QRShape1";
    ram.X = 10.6;
    ram.Y = 14.8;
    ram.Sirka = 186.5;
    ram.Vyska = 40.5;
    p.Polozky.push_back(ram);

    // The dealer's company.
    p.Text("QNazev1", 31.8, 19.1, f.Nazev1).Sirka = 81.0;
    p.Text("QNazev2", 31.8, 23.3, f.Nazev2).Sirka = 81.0;
    p.Text("QUlice", 31.8, 27.5, f.Ulice).Sirka = 81.0;
    p.Text("QPSC", 14.8, 31.8, f.PSC).Sirka = 16.2;
    p.Text("QObec", 31.8, 31.8, f.Obec).Sirka = 81.0;
    p.Text("QRLabel1", 14.8, 38.4, "Regon:");
    p.Text("QICO", 31.8, 38.4, f.ICO).Sirka = 81.0;
    p.Text("QRLabel2", 14.8, 43.1, "NIP:");
    p.Text("QDIC", 31.8, 43.1, f.DIC).Sirka = 81.0;

    // Number, dates, transport.
    p.Text("QRLabel3", 114.3, 15.1, "Zamówienie Nr.:", Pismo::Velke).Sirka = 41.3;
    p.Text("QCislo", 156.6, 15.1, d.Cislo, Pismo::Velke).Sirka = 40.0;
    p.Text("QRLabel4", 114.3, 22.0, "Data sporządzenia:", Pismo::Tucne);
    p.Text("QDatum", 156.6, 22.0, FormatDate(Hodiny.Today()), Pismo::Tucne).Sirka = 40.0;
    p.Text("QRLabel5", 114.3, 26.2, "Termin dostawy:", Pismo::Tucne);
    p.Text("QTermin", 156.6, 26.2, d.Termin, Pismo::Tucne).Sirka = 40.0;
    p.Text("Doprava", 114.3, 32.0,
           d.Doprava == 1 ? "Transport zabezpiecza dostawca" : "Transport zabezpiecza odbiorca",
           Pismo::Tucne).Sirka = 82.0;

    // The supplier.
    p.Text("VNazev", 129.1, 38.6, q.Nazev, Pismo::Tucne).Sirka = 67.0;
    p.Text("VUlice", 129.1, 43.9, q.Ulice, Pismo::Tucne).Sirka = 67.0;
    p.Text("VPSC", 109.8, 48.7, q.PSC, Pismo::Tucne).Sirka = 18.5;
    p.Text("VObec", 129.1, 48.7, q.Obec, Pismo::Tucne).Sirka = 67.0;

    p.Text("QText", 19.1, 56.6,
           s.TypZakazky == 1 ? "Zamawiamy u Państwa " + std::to_string(d.Pocet) + " " +
                                   "sztuk wypełnień drzwiowych według następującej specyfikacji:"
                             : std::string("Zamawiamy u Państwa")).Sirka = 177.0;

    PolozkaStrany radky;
    radky.druh = PolozkaStrany::Druh::Sloupce;
    radky.Nazev = "Radky1";
    radky.X = 9.3;
    radky.Y = 63.2;
    radky.Sirka = 40.5;
    radky.Vyska = 116.7;
    radky.X2 = 51.3;
    radky.Sirka2 = 114.6;
    radky.Radky = d.Radky.Radky1;
    radky.Radky2 = d.Radky.Radky2;
    p.Polozky.push_back(radky);

    PridejMiniaturu(p, s, 167.5, 80.4, Rys, PomRys);

    p.Text("TxCena", 55.0, 180.4, s.SCeny.CenyData.Zobrazit != 0 ? d.TxCena : std::string(),
           Pismo::Tucne).Sirka = 141.0;
    p.Text("QRLabel7", 19.1, 186.8, "Sporządził:");
    p.Text("Podpis", 44.5, 186.8, d.Podpis).Sirka = 150.0;
    p.Text("QRLabel8", 19.1, 195.3, "Uwagi i wymagania niestandardowe (maksymalnie 10 wierszy):");

    PolozkaStrany pozn;
    pozn.druh = PolozkaStrany::Druh::Blok;
    pozn.Nazev = "Poznamky";
    pozn.X = 21.2;
    pozn.Y = 200.8;
    pozn.Sirka = 169.6;
    pozn.Vyska = 59.3;
    pozn.Radky = d.Poznamky;
    pozn.Roste = true;
    pozn.Mez = pozn.Y + pozn.Vyska;
    pozn.PokracujY = kHorniOkraj;
    p.Polozky.push_back(pozn);

    PolozkaStrany cara;
    cara.druh = PolozkaStrany::Druh::Cara;
    cara.Nazev = "QRShape2";
    cara.X = 14.8;
    cara.Y = 259.6;
    cara.Sirka = 178.1;
    p.Polozky.push_back(cara);

    // The dealer's contacts and the delivery address.
    p.Text("QRLabel9", 21.2, 264.6, "telefon: ");
    p.Text("Qtelefon", 38.1, 264.6, f.Telefon).Sirka = 54.0;
    p.Text("QRLabel10", 21.2, 268.8, "fax:     ");
    p.Text("Qfax", 38.1, 268.8, f.Fax).Sirka = 54.0;
    p.Text("QRLabel11", 21.2, 273.1, "e-mail:  ");
    p.Text("Qmail", 38.1, 273.1, f.Mail).Sirka = 54.0;
    p.Text("QRLabel13", 93.1, 264.6, "Adres dostawy:");
    p.Text("SUlice", 139.7, 264.6, f.DUlice).Sirka = 56.0;
    p.Text("SPSC", 120.7, 268.8, f.DPSC).Sirka = 18.2;
    p.Text("SObec", 139.7, 268.8, f.DObec).Sirka = 56.0;
    p.Text("QRLabel14", 93.1, 273.1, "Czasy pracy:  ");
    p.Text("SPracDoba", 120.7, 273.1, f.PracDoba).Sirka = 75.0;
    p.Text("QRLabel12", 61.4, 281.8, KreditniRadek(s)).Sirka = 135.0;
    return p;
}

} // namespace qmr
