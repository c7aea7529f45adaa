#pragma once
// The values the infill selection decides while the user browses the infill list: the
// code and name of the entry, what it allows, the types picked in the frame, muntin,
// strip and groove dialogs, the temporary frame colours and accessory slot 1 (the
// decorative muntin as a priced accessory). The selection and its option dialogs work
// on this copy; it goes to the session only when the selection is confirmed, so that a
// cancelled selection leaves the session as it was.
#include "core/Records.h"
#include "core/Session.h"

#include <string>

namespace qmr {

struct VyberVyplne {
    std::string KodVyplne;   // code of the entry being selected
    std::string NazevVyplne; // its catalogue section name
    // Flags of that entry that the strip and groove pictures of a veneer family need.
    bool RadaK = false;
    bool Dvojbarva = false;
    bool Kamen = false;
    // What the entry allows: 0 none, 1 one type, 2 (3 for muntins) that many types.
    int MuzeRamecek = 0;
    int MuzeOMrizku = 0;
    int MuzeOPasku = 0;
    int MuzeODrazku = 0;
    int MuzeOPDr = 0;
    int MuzePrekryv = 0;
    // Types picked for the extra (0 none).
    int VybranyRamecek = 0;
    int VybranaOMrizka = 0;
    int VybranaOPaska = 0;
    int VybranaOdrazka = 0;
    int VybranaOPDR = 0;
    // Temporary frame colours of side 1 and 2 (their AK / AX material flags).
    TROBarva PBarva1;
    TROBarva PBarva2;
    // Accessory slot 1 and whether the decorative muntin filled it.
    TODoplnek SDoplnek1;
    bool Doplnek1Zmenen = false;
};

// The session's values of the fields above (the entry flags are false).
VyberVyplne VyberZeSession(const Session &s);

// Writes the fields back: code, name, capabilities, picked types, PBarva1/PBarva2, and
// accessory slot 1 when the decorative muntin filled it and a muntin type is picked.
void ZapisVyber(Session &s, const VyberVyplne &w);

// The decorative muntin k as accessory slot 1 of w: the count "OZM" + k (default 1) of
// the infill section w.NazevVyplne, price "Cena" and mounting "Montaz" of section "MX01"
// of the accessories catalogue; Polozka 1, Kod "MX01", Nazev "M<k> = <count> x kratka
// dekoracyjna", mounted, not placed, automatic mounting, no spacer. The slot's other
// fields keep their values.
void MrizkovyDoplnek(Session &s, VyberVyplne &w, int k);

} // namespace qmr
