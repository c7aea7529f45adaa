#pragma once
// The decorative muntin type dialog: pictures KodVyplne + "M1", "M2", "M3"; a click on
// picture k sets VybranaOMrizka := k and fills accessory slot 1 with the muntin
// (MrizkovyDoplnek).
#include "dialogs/infill/UOVolba.h"

namespace qmr {

class TVOMrizka : public TVOVolba {
public:
    static constexpr const char *kTitulek = "Wybór kratki dekoracyjnej";
    TVOMrizka(Session &s, VyberVyplne &w, const PictureStore &obrazky);

private:
    void uloz(int k) override;
};

} // namespace qmr
