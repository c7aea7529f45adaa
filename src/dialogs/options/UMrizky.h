#pragma once
// The muntin dialog: a muntin grid of the current infill model, priced for the current
// glazing format and variant, with its bar width, or no muntin at all.
//
// The dialog works on its own record (SelMrizka, Polozka -1 at first); the session is
// written only by Potvrd and Nic, so Cancel leaves it as it was.
//
// The view: caption kTitulek; the sorted list Seznam, the picture Image1 (ObrazekSirka()
// pixels wide), the radio group Sirka captioned kSirka in four columns, the note Label1;
// OK "O&K" (enabled by OKPovolen(), calls Potvrd(), result 1), NicButton "&Skasowań
// selekcję" (calls Nic(), result 7) and Cancel "&Anuluj" (result 2). A click on a list row
// calls Vyber, one on a width VyberSirku; the view then re-reads the whole state.
#include "catalogues/PictureStore.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "core/Umisteni.h"
#include "dialogs/infill/Ovladace.h"

#include <string>
#include <vector>

namespace qmr {

class TVMrizky {
public:
    static constexpr const char *kTitulek = "Wybór kratek";
    static constexpr const char *kSirka = "Szerokość kratki w mm";
    static constexpr const char *kLabel1 = "Kratki dla szyb potrójnych należy zamówić w uwadze!";
    static constexpr const char *kOKButton = "O&K";
    static constexpr const char *kNicButton = "&Skasowań selekcję";
    static constexpr const char *kEscButton = "&Anuluj";
    static constexpr int kSloupcuSirky = 4; // columns of the width group
    // The result of the clearing button.
    static constexpr int kVysledekNe = IDNO;

    // Lists the muntins of the catalogue whose code begins with the infill code and whose
    // first width is priced above 0 for SZaskleni and SFormat, sorted by name; nothing is
    // chosen.
    TVMrizky(Session &s, const PictureStore &obrazky);

    const std::vector<std::string> &Seznam() const { return seznam_; }
    int Radek() const { return radek_; }
    // The widths offered (texts in mm) and the one selected; hidden before a choice.
    const Prepinac &Sirka() const { return sirka_; }
    // The width of each item of the group.
    const std::vector<int> &Sirky() const { return sirky_; }
    // The drawing of the panel with the muntin; hidden when it cannot be loaded.
    const Obrazek &Image1() const { return image1_; }
    // Width of the picture: 135 pixels in format 1, 90 otherwise.
    int ObrazekSirka() const { return s_.SFormat == 1 ? 135 : 90; }
    bool OKPovolen() const { return ok_; }
    const TOMrizka &SelMrizka() const { return sel_; }

    // Centred on each axis when narrower than 797 / lower than 597, else at the main
    // window's corner on that axis.
    Bod Umisteni(int sirka, int vyska) const;

    // A click on row `radek`: reads the muntin (code, widths and prices of the variant and
    // format) into the record, offers the first width and those further widths that are
    // priced, with the first selected, shows its drawing and enables OK. A row outside the
    // list (no row selected) changes nothing.
    void Vyber(int radek);
    // A click on width item i (ignored when i is no item).
    void VyberSirku(int i);

    // OK: SMrizka := the record with the width selected and its price, MrizkaVybrana,
    // SKodMrizky := its code. Nothing is stored while no muntin is chosen. Returns 1.
    int Potvrd();

    // The clearing button: MrizkaVybrana cleared (the record stays, no longer in use).
    // Returns 7.
    int Nic();

private:
    Session &s_;
    const PictureStore &obrazky_;
    std::vector<std::string> seznam_;
    int radek_ = -1;
    Prepinac sirka_;
    std::vector<int> sirky_;
    Obrazek image1_;
    bool ok_ = false;
    TOMrizka sel_;
};

} // namespace qmr
