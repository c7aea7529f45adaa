#pragma once
// The frame type dialog: pictures KodVyplne + "F2S1" (type 1) and KodVyplne +
// "F2S1R2" (type 2); a click sets VybranyRamecek.
#include "dialogs/infill/UOVolba.h"

namespace qmr {

class TVORam : public TVOVolba {
public:
    static constexpr const char *kTitulek = "Wybór typu ramki";
    TVORam(Session &s, VyberVyplne &w, const PictureStore &obrazky);

private:
    void uloz(int k) override;
};

} // namespace qmr
