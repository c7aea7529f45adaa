#include "dialogs/infill/UOMrizka.h"

namespace qmr {

TVOMrizka::TVOMrizka(Session &s, VyberVyplne &w, const PictureStore &obrazky) : TVOVolba(s, w, obrazky, kTitulek)
{
    pridej(w.KodVyplne + "M1", "-- M1 --");
    pridej(w.KodVyplne + "M2", "-- M2 --");
    pridej(w.KodVyplne + "M3", "-- M3 --");
    oznac(w.VybranaOMrizka);
}

void TVOMrizka::uloz(int k)
{
    w_.VybranaOMrizka = k;
    MrizkovyDoplnek(s_, w_, k);
}

} // namespace qmr
