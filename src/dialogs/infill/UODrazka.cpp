#include "dialogs/infill/UODrazka.h"

namespace qmr {

TVODrazka::TVODrazka(Session &s, VyberVyplne &w, const PictureStore &obrazky) : TVOVolba(s, w, obrazky, kTitulek)
{
    const std::string jmeno = JmenoPasku(s, w);
    pridej(jmeno + "P1", "-- Typ 1 --");
    pridej(jmeno + "P2", "-- Typ 2 --");
    oznac(w.VybranaOdrazka);
}

void TVODrazka::uloz(int k) { w_.VybranaOdrazka = k; }

} // namespace qmr
