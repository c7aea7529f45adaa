#include "documents/TiskSpolecne.h"

namespace qmr {

void PridejAdresu(StranaTisku &p, const std::string &Nazev1, const std::string &Nazev2,
                  const std::string &Ulice, const std::string &PSC, const std::string &Obec)
{
    constexpr double x = 31.8;
    p.Text("QNazev1", x, 19.1, Nazev1).Sirka = kKonecAdresy - x;
    p.Text("QNazev2", x, 23.3, Nazev2).Sirka = kKonecAdresy - x;
    p.Text("QUlice", x, 27.5, Ulice).Sirka = kKonecAdresy - x;
    p.Text("QPSC", 14.8, 31.8, PSC).Sirka = 16.2;
    p.Text("QObec", x, 31.8, Obec).Sirka = kKonecAdresy - x;
}

void PridejIdentifikaci(StranaTisku &p, double Y1, const std::string &Popisek1, const std::string &ICO,
                        double Y2, const std::string &Popisek2, const std::string &DIC)
{
    constexpr double x = 31.8;
    p.Text("QRLabel1", 14.8, Y1, Popisek1);
    p.Text("QICO", x, Y1, ICO).Sirka = kKonecAdresy - x;
    p.Text("QRLabel2", 14.8, Y2, Popisek2);
    p.Text("QDIC", x, Y2, DIC).Sirka = kKonecAdresy - x;
}

void PridejCislo(StranaTisku &p, const BlokCisla &b)
{
    p.Text("QRLabel3", 114.3, b.Y[0], b.Nadpis, Pismo::Velke).Sirka = 41.3;
    p.Text("QCislo", 156.6, b.Y[0], b.Cislo, Pismo::Velke).Sirka = 40.0;
    p.Text("QRLabel4", 114.3, b.Y[1], "Data sporządzenia:", Pismo::Tucne);
    p.Text("QDatum", 156.6, b.Y[1], b.Datum, Pismo::Tucne).Sirka = 40.0;
    p.Text("QRLabel5", 114.3, b.Y[2], b.TerminPopisek, Pismo::Tucne);
    p.Text("QTermin", 156.6, b.Y[2], b.Termin, Pismo::Tucne).Sirka = 40.0;
    p.Text("Doprava", 114.3, b.Y[3], b.Doprava, Pismo::Tucne).Sirka = 82.0;
}

void PridejRadky(StranaTisku &p, double UvodY, const std::string &Uvod, const RadkyZakazky &Radky,
                 double X, double Y, double Vyska, double X2)
{
    p.Text("QText", 19.1, UvodY, Uvod).Sirka = 177.0;
    PolozkaStrany r;
    r.druh = PolozkaStrany::Druh::Sloupce;
    r.Nazev = "Radky1";
    r.X = X;
    r.Y = Y;
    r.Sirka = 40.5;
    r.Vyska = Vyska;
    r.X2 = X2;
    r.Sirka2 = 114.6;
    r.Radky = Radky.Radky1;
    r.Radky2 = Radky.Radky2;
    p.Polozky.push_back(std::move(r));
}

void PridejCenu(StranaTisku &p, double Y, const std::string &Cena)
{
    p.Text("TxCena", 55.0, Y, Cena, Pismo::Tucne).Sirka = 141.0;
}

void PridejPodpisAPoznamky(StranaTisku &p, double PodpisY, const std::string &Podpis, double NadpisY,
                           const std::vector<std::string> &Poznamky, double PoznamkyY, double Vyska)
{
    p.Text("QRLabel7", 19.1, PodpisY, "Sporządził:");
    p.Text("Podpis", 44.5, PodpisY, Podpis).Sirka = 150.0;
    p.Text("QRLabel8", 19.1, NadpisY, "Uwagi i wymagania niestandardowe (maksymalnie 10 wierszy):");

    PolozkaStrany n;
    n.druh = PolozkaStrany::Druh::Blok;
    n.Nazev = "Poznamky";
    n.X = 21.2;
    n.Y = PoznamkyY;
    n.Sirka = 169.6;
    n.Vyska = Vyska;
    n.Radky = Poznamky;
    n.Roste = true;
    n.Mez = n.Y + n.Vyska;
    n.PokracujY = kHorniOkraj;
    p.Polozky.push_back(std::move(n));
}

void PridejPaticku(StranaTisku &p, const Session &s, double CaraY, double KontaktyY)
{
    p.Cara("QRShape2", 14.8, CaraY, 178.1);
    const TFirmaData &f = s.Firma.Data;
    p.Text("QRLabel9", 21.2, KontaktyY, "telefon: ");
    p.Text("Qtelefon", 38.1, KontaktyY, f.Telefon).Sirka = 54.0;
    p.Text("QRLabel10", 21.2, KontaktyY + 4.2, "fax:     ");
    p.Text("Qfax", 38.1, KontaktyY + 4.2, f.Fax).Sirka = 54.0;
    p.Text("QRLabel11", 21.2, KontaktyY + 8.5, "e-mail:  ");
    p.Text("Qmail", 38.1, KontaktyY + 8.5, f.Mail).Sirka = 54.0;
}

void PridejKredit(StranaTisku &p, const Session &s, double Y)
{
    p.Text("QRLabel12", 61.4, Y, KreditniRadek(s)).Sirka = 135.0;
}

} // namespace qmr
