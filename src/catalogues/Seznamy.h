#pragma once
// The catalogue lists built at start: the infill types and the colours, in catalogue
// order, each with parallel flag arrays (one entry per line) that the selection dialogs
// filter by. A missing catalogue file gives empty lists; the dialogs then offer nothing.
#include "core/Session.h"

namespace qmr {

// ListVyplni := the section names of "vyplne.qmr" in file order, with ListHlinik
// (Hlinik), ListGlas (Glas), ListHladka (RadaK), ListDyha (Dyha), ListKamen (always
// false), ListDvojbarva (Dvojbarva), ListZetkova (Zetkova), ListEnkova (Enkova) and
// ListAkcni (AkcniV) of the same length.
void SeznamyVyplni(Session &s);

// ListBarev := the section names of "barvy.qmr" in file order, with ListBHlinik (Hlinik),
// ListBAlabs (ALABS, default 0), ListBHladka (ProHPL), ListBHPL (JenomHPL), ListBKamen and
// ListBBeton (always false), ListBDyha (Dyha) and ListBDekor (DDekor) of the same length.
void SeznamyBarev(Session &s);

} // namespace qmr
