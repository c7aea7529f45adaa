#include "dialogs/infill/UOPaska.h"

namespace qmr {

TVOPaska::TVOPaska(Session &s, VyberVyplne &w, const PictureStore &obrazky) : TVOVolba(s, w, obrazky, kTitulek)
{
    const std::string jmeno = JmenoPasku(s, w);
    pridej(jmeno + "P1", "-- Typ 1 --");
    pridej(jmeno + "P2", "-- Typ 2 --");
    oznac(w.VybranaOPaska);
}

void TVOPaska::uloz(int k) { w_.VybranaOPaska = k; }

} // namespace qmr
