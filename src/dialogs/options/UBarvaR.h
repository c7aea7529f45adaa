#pragma once
// The frame colour dialog: one colour for the frame (strip, groove) of the outer or the
// inner side (StranaR 1 or 2), or in stone-veneer mode (SBKamen) the stone veneer. OK
// stores the choice in the side's working copy PBarva1 / PBarva2; what the caller does
// with it is the caller's business.
//
// The view: caption Titulek(), heading Label1 (Label1()), the sorted list Seznam1, the
// swatch Image1 (hidden when the file is missing or cannot be decoded) and OK "O&K"
// (enabled once a colour is chosen, calls Potvrd()). There is no cancel button; Esc or
// closing the window closes with 2 and leaves the session as it was.
#include "catalogues/PictureStore.h"
#include "core/Session.h"
#include "core/Umisteni.h"
#include "dialogs/infill/Ovladace.h"

#include <string>
#include <vector>

namespace qmr {

class TVBarvaR {
public:
    static constexpr const char *kTitulekRam = "Wybór koloru ramki";
    static constexpr const char *kTitulekKamen = "Wybór forniru kamiennego";
    static constexpr const char *kStranaVnejsi = "Strona zewnętrzna";
    static constexpr const char *kStranaVnitrni = "Strona wewnętrzna";
    static constexpr const char *kOKButton = "O&K";

    // Builds the list (the catalogue lists first when they are still empty): outside
    // stone-veneer mode every colour that is neither an aluminium nor a veneer colour; in
    // stone-veneer mode the colours the catalogue marks as stone (key "Kamen").
    TVBarvaR(Session &s, const PictureStore &obrazky);

    const std::string &Titulek() const { return titulek_; }
    const Popisek &Label1() const { return label1_; }
    const std::vector<std::string> &Seznam() const { return seznam_; }
    int Radek() const { return radek_; }
    const Obrazek &Image1() const { return image1_; }
    bool OKPovolen() const { return ok_; }
    // The colour chosen so far (Polozka -1 before the first choice).
    const TROBarva &SelBarva() const { return sel_; }

    // left = round((800 - width) / 2) + VolbaLeft, top = round((600 - height) / 2) +
    // VolbaTop, for any size.
    Bod Umisteni(int sirka, int vyska) const;

    // A click on row `radek`: reads that colour from the catalogue, shows its swatch and
    // enables OK. A row outside the list changes nothing.
    void Vyber(int radek);
    // OK: PBarva1 (StranaR 1) or PBarva2 (otherwise) := the chosen colour; returns 1.
    // Without a choice it does nothing and returns 0.
    int Potvrd();

private:
    Session &s_;
    const PictureStore &obrazky_;
    std::string titulek_;
    Popisek label1_;
    std::vector<std::string> seznam_;
    int radek_ = -1;
    Obrazek image1_;
    bool ok_ = false;
    TROBarva sel_;
};

} // namespace qmr
