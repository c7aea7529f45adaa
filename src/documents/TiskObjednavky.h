#pragma once
// The printed order: one A4 page to the supplier with the dealer's company in the heading,
// the order number, dates and transport, the supplier's address, the job lines with the
// miniature of the panel, the price, the signature, the notes and the dealer's contacts
// with the delivery address at the foot.
#include "documents/Radky.h"
#include "documents/TiskStrana.h"

#include <string>
#include <vector>

namespace qmr {

class Clock;

// What the printed order takes from the order form.
struct DataObjednavky {
    std::string Cislo;  // number as typed
    std::string Termin; // delivery date as typed
    std::string Podpis;
    std::string TxCena; // the form's price line (printed only while prices are shown)
    int Pocet = 1;
    int Doprava = 0;    // 1 the supplier delivers
    RadkyZakazky Radky;
    std::vector<std::string> Poznamky;
};

// The page of the order dated the clock's today. Rys and PomRys are the pixel sizes of
// the session's drawings (for the miniature).
StranaTisku StranaObjednavky(const Session &s, const DataObjednavky &d, const Clock &Hodiny,
                             VelikostObrazku Rys = {}, VelikostObrazku PomRys = {});

} // namespace qmr
