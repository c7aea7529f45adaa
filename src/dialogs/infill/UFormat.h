#pragma once
// The glazing format dialog of the start flow: one picture per glazing layout S0..S6 of
// the chosen infill that has a price in the current format; a click on a picture sets
// SZaskleni. Shown only when the start flow cannot decide the glazing by itself.
//
// The view: caption kTitulek, a panel with the seven pictures Image0..Image6 (hints
// "-- S0 --" .. "-- S6 --"), Cancel "&Anuluj". A click calls Klik(s) and closes with its
// result; Cancel closes with 2 and the caller calls Zrusit().
#include "catalogues/PictureStore.h"
#include "core/Session.h"
#include "core/Umisteni.h"
#include "dialogs/infill/Ovladace.h"

#include <array>

namespace qmr {

class TVFormat {
public:
    static constexpr const char *kTitulek = "Wybór oszklenia";
    static constexpr const char *kEscButton = "&Anuluj";

    // Layout s is offered when its price ZCF<f>S<s> of SVypln is above 0 (f = 1 in
    // format 1, else 2; in format 2 the layout S0 also needs no triple glazing). Its
    // picture is apCesta + "ZASKLENI/" + Kod + "F<f>S<s>.jpg"; a picture that exists is
    // enabled, every other picture stays disabled (and empty).
    TVFormat(Session &s, const PictureStore &obrazky);

    // Image0..Image6 (index = layout).
    const std::array<Obrazek, 7> &Obrazky() const { return obrazky_; }
    // The format whose prices and pictures are used (1 or 2).
    int Format() const { return format_; }
    // Image0 is square (width := height): format other than 1 and code "PA", "PB" or "PC".
    bool Image0Ctverec() const { return ctverec_; }
    // Centred on the 800 x 600 area with 50 more to the left when narrower than 797,
    // else at VolbaLeft; centred vertically when lower than 597, else at VolbaTop.
    Bod Umisteni(int sirka, int vyska) const;

    // Click on picture s (0..6): when enabled, SZaskleni := s and every later choice must
    // be made again (RozmerVybran, VitrazVybrana, BarvyVybrany, DekoryVybrany,
    // MrizkaVybrana false); returns 1 and the dialog closes. Otherwise 0, nothing.
    int Klik(int z);
    // Cancel: SZaskleni := 0 when it is still negative.
    void Zrusit();

private:
    Session &s_;
    std::array<Obrazek, 7> obrazky_;
    int format_ = 1;
    bool ctverec_ = false;
};

} // namespace qmr
