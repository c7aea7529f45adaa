#include "dialogs/infill/UORam.h"

namespace qmr {

TVORam::TVORam(Session &s, VyberVyplne &w, const PictureStore &obrazky) : TVOVolba(s, w, obrazky, kTitulek)
{
    pridej(w.KodVyplne + "F2S1", "-- Typ 1 --");
    pridej(w.KodVyplne + "F2S1R2", "-- Typ 2 --");
    oznac(w.VybranyRamecek);
}

void TVORam::uloz(int k) { w_.VybranyRamecek = k; }

} // namespace qmr
