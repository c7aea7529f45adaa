#pragma once
// The strip type dialog (glued and milled strips): pictures JmenoPasku + "P1", "P2"; a
// click sets VybranaOPaska.
#include "dialogs/infill/UOVolba.h"

namespace qmr {

class TVOPaska : public TVOVolba {
public:
    static constexpr const char *kTitulek = "Wybór pasków dekoracynych";
    TVOPaska(Session &s, VyberVyplne &w, const PictureStore &obrazky);

private:
    void uloz(int k) override;
};

} // namespace qmr
