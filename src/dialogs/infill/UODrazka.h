#pragma once
// The groove type dialog: pictures JmenoPasku + "P1", "P2"; a click sets
// VybranaOdrazka.
#include "dialogs/infill/UOVolba.h"

namespace qmr {

class TVODrazka : public TVOVolba {
public:
    static constexpr const char *kTitulek = "Wybór rowków dekoracynych";
    TVODrazka(Session &s, VyberVyplne &w, const PictureStore &obrazky);

private:
    void uloz(int k) override;
};

} // namespace qmr
