#pragma once
// The blocks that the printed order and the printed quote share: the same elements with
// the same names, fonts and widths, placed at each document's own heights. Each function
// appends its elements to the page in the order they are printed.
#include "documents/Radky.h"
#include "documents/TiskStrana.h"

#include <array>
#include <string>
#include <vector>

namespace qmr {

// Where notes that do not fit above the foot continue on the next page.
inline constexpr double kHorniOkraj = 14.8;
// The left block of the heading ends where the number block begins.
inline constexpr double kKonecAdresy = 112.8;

// The addressee in the heading's left block: QNazev1, QNazev2, QUlice, QPSC, QObec.
void PridejAdresu(StranaTisku &p, const std::string &Nazev1, const std::string &Nazev2,
                  const std::string &Ulice, const std::string &PSC, const std::string &Obec);

// Two label/value rows under the address: QRLabel1 + QICO at Y1, QRLabel2 + QDIC at Y2.
void PridejIdentifikaci(StranaTisku &p, double Y1, const std::string &Popisek1, const std::string &ICO,
                        double Y2, const std::string &Popisek2, const std::string &DIC);

// The number block at the heading's right: the large heading QRLabel3 with the number
// QCislo, QRLabel4 with the date QDatum, QRLabel5 with the delivery date QTermin, and the
// transport line Doprava, on the rows Y.
struct BlokCisla {
    std::array<double, 4> Y{}; // number, date, delivery date, transport
    std::string Nadpis, Cislo, Datum, TerminPopisek, Termin, Doprava;
};
void PridejCislo(StranaTisku &p, const BlokCisla &b);

// The introduction QText at UvodY and the two columns of the job lines Radky1 in the box
// X, Y (height Vyska), the values at X2.
void PridejRadky(StranaTisku &p, double UvodY, const std::string &Uvod, const RadkyZakazky &Radky,
                 double X, double Y, double Vyska, double X2);

// The price line TxCena.
void PridejCenu(StranaTisku &p, double Y, const std::string &Cena);

// The signature (QRLabel7 + Podpis at PodpisY), the notes heading QRLabel8 at NadpisY and
// the notes Poznamky in the growing box from PoznamkyY, Vyska high.
void PridejPodpisAPoznamky(StranaTisku &p, double PodpisY, const std::string &Podpis, double NadpisY,
                           const std::vector<std::string> &Poznamky, double PoznamkyY, double Vyska);

// The foot: the line QRShape2 at CaraY and the dealer's telephone, fax and e-mail from
// KontaktyY.
void PridejPaticku(StranaTisku &p, const Session &s, double CaraY, double KontaktyY);

// The credit line QRLabel12, last on the page.
void PridejKredit(StranaTisku &p, const Session &s, double Y);

} // namespace qmr
