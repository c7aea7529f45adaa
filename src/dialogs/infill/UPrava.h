#pragma once
// The execution variant dialog of the start flow: the left-hand or right-hand execution
// of an eccentric or asymmetric infill (and of code "NI" in format 2), picked by clicking
// one of two pictures; it sets SPrava. Cancel changes nothing.
//
// The view: caption kTitulek, a panel with the two transparent pictures Image1 (left-
// hand) and Image2 (right-hand), Cancel "&Anuluj". A click calls Klik(i) and closes with
// its result; Cancel closes with 2.
#include "catalogues/PictureStore.h"
#include "core/Session.h"
#include "core/Umisteni.h"
#include "dialogs/infill/Ovladace.h"

#include <array>
#include <string>

namespace qmr {

class TVOPrava {
public:
    static constexpr const char *kTitulek = "Wybór wykonania";
    static constexpr const char *kEscButton = "&Anuluj";

    // The pictures: Zaklad() + ".jpg" and Zaklad() + "P.jpg" in "RYSY/"; a picture that
    // exists is enabled, the other stays disabled (and empty).
    TVOPrava(Session &s, const PictureStore &obrazky);

    // Image1 (left-hand), Image2 (right-hand).
    const std::array<Obrazek, 2> &Obrazky() const { return obrazky_; }
    // Variant number of the pictures: for code "K0" 2 with a frame on either side, else 3
    // in format 2, else SFormat; for other codes 2 with a frame, else SFormat.
    int Varianta() const { return varianta_; }
    // Picture name without folder and extension: drawing code of SVypln, then "M" +
    // SOMrizka with a decorative muntin, else "P" + the larger strip type, else "P" + the
    // larger groove type, else "F" + variant + "S" + SZaskleni; "R2" with frame type 2
    // or more on either side; "A" for the glass family.
    const std::string &Zaklad() const { return zaklad_; }
    // left = round((800 - width) / 2 + 50) + VolbaLeft; top centred when the dialog is
    // lower than 597, else VolbaTop.
    Bod Umisteni(int sirka, int vyska) const;

    // Click on picture i (1 left-hand: SPrava false; 2 right-hand: SPrava true) when it
    // is enabled; returns 1 and the dialog closes. Otherwise 0, nothing.
    int Klik(int i);

private:
    Session &s_;
    std::array<Obrazek, 2> obrazky_;
    int varianta_ = 0;
    std::string zaklad_;
};

} // namespace qmr
