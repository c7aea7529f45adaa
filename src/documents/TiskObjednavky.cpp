#include "documents/TiskObjednavky.h"

#include "core/Clock.h"
#include "core/DateCore.h"
#include "documents/TiskSpolecne.h"

namespace qmr {

StranaTisku StranaObjednavky(const Session &s, const DataObjednavky &d, const Clock &Hodiny,
                             VelikostObrazku Rys, VelikostObrazku PomRys)
{
    StranaTisku p;
    p.Titulek = "Druk zamówienia";
    const TFirmaData &f = s.Firma.Data;
    const TQMData &q = s.Quilmar.QMData;

    p.Ramecek("QRShape1", 10.6, 14.8, 186.5, 40.5);

    // The dealer's company.
    PridejAdresu(p, f.Nazev1, f.Nazev2, f.Ulice, f.PSC, f.Obec);
    PridejIdentifikaci(p, 38.4, "Regon:", f.ICO, 43.1, "NIP:", f.DIC);

    // Number, dates, transport.
    PridejCislo(p, {.Y = {15.1, 22.0, 26.2, 32.0},
                    .Nadpis = "Zamówienie Nr.:",
                    .Cislo = d.Cislo,
                    .Datum = FormatDate(Hodiny.Today()),
                    .TerminPopisek = "Termin dostawy:",
                    .Termin = d.Termin,
                    .Doprava = d.Doprava == 1 ? "Transport zabezpiecza dostawca" : "Transport zabezpiecza odbiorca"});

    // The supplier.
    p.Text("VNazev", 129.1, 38.6, q.Nazev, Pismo::Tucne).Sirka = 67.0;
    p.Text("VUlice", 129.1, 43.9, q.Ulice, Pismo::Tucne).Sirka = 67.0;
    p.Text("VPSC", 109.8, 48.7, q.PSC, Pismo::Tucne).Sirka = 18.5;
    p.Text("VObec", 129.1, 48.7, q.Obec, Pismo::Tucne).Sirka = 67.0;

    PridejRadky(p, 56.6,
                s.TypZakazky == 1 ? "Zamawiamy u Państwa " + std::to_string(d.Pocet) + " " +
                                        "sztuk wypełnień drzwiowych według następującej specyfikacji:"
                                  : std::string("Zamawiamy u Państwa"),
                d.Radky, 9.3, 63.2, 116.7, 51.3);
    PridejMiniaturu(p, s, 167.5, 80.4, Rys, PomRys);

    PridejCenu(p, 180.4, s.SCeny.CenyData.Zobrazit != 0 ? d.TxCena : std::string());
    PridejPodpisAPoznamky(p, 186.8, d.Podpis, 195.3, d.Poznamky, 200.8, 59.3);

    // The dealer's contacts and the delivery address.
    PridejPaticku(p, s, 259.6, 264.6);
    p.Text("QRLabel13", 93.1, 264.6, "Adres dostawy:");
    p.Text("SUlice", 139.7, 264.6, f.DUlice).Sirka = 56.0;
    p.Text("SPSC", 120.7, 268.8, f.DPSC).Sirka = 18.2;
    p.Text("SObec", 139.7, 268.8, f.DObec).Sirka = 56.0;
    p.Text("QRLabel14", 93.1, 273.1, "Czasy pracy:  ");
    p.Text("SPracDoba", 120.7, 273.1, f.PracDoba).Sirka = 75.0;
    PridejKredit(p, s, 281.8);
    return p;
}

} // namespace qmr
