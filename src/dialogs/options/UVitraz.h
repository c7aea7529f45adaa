#pragma once
// The stained-glass dialog: a stained glass, sand-blasted glass, fused glass or
// nano-print glass of the current infill model, priced for the current glazing format
// and variant, or no such glass at all.
//
// The dialog works on its own record (SelVitraz, Polozka -1 at first); the session is
// written only by Potvrd and Nic, so Cancel leaves it as it was.
//
// The view: caption kTitulek; the sorted list Seznam, the label TextVitraze, the picture
// Image1; OK "O&K" (enabled by OKPovolen(), calls Potvrd(), result 1), NicButton
// "&Skasowań selekcję" (calls Nic(), result 7) and Cancel "&Anuluj" (result 2). A click on
// a list row calls Vyber; the view then re-reads the whole state.
#include "catalogues/PictureStore.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "core/Umisteni.h"
#include "dialogs/infill/Ovladace.h"

#include <string>
#include <vector>

namespace qmr {

class TSifraSoubor;

// The sections of catalogue f that belong to the infill kodVyplne (the first two
// characters of their "Kod", the section name by default) and have a price klic above 0,
// sorted by name: the stained glasses or muntins offered for the infill.
std::vector<std::string> SekceVyplne(const TSifraSoubor &f, const std::string &kodVyplne, const std::string &klic);

class TVVitraz {
public:
    static constexpr const char *kTitulek = "Wybór witraży, szkła piaskowanego i spiekanego";
    static constexpr const char *kOKButton = "O&K";
    static constexpr const char *kNicButton = "&Skasowań selekcję";
    static constexpr const char *kEscButton = "&Anuluj";
    // The result of the clearing button.
    static constexpr int kVysledekNe = IDNO;

    // Lists the items of the catalogue whose code begins with the infill code and whose
    // price for SFormat and SZaskleni is above 0, sorted by name; nothing is chosen.
    TVVitraz(Session &s, const PictureStore &obrazky);

    const std::vector<std::string> &Seznam() const { return seznam_; }
    int Radek() const { return radek_; }
    // Kind and name of the item chosen; empty before a choice.
    const Popisek &TextVitraze() const { return text_; }
    // The picture of the item chosen; hidden when it has none.
    const Obrazek &Image1() const { return image1_; }
    bool OKPovolen() const { return ok_; }
    const TOVitraz &SelVitraz() const { return sel_; }

    // Centred over the main window.
    Bod Umisteni(int sirka, int vyska) const;

    // A click on row `radek`: reads the item (code, kind, the twelve prices) into the
    // record, the text and the picture, and enables OK. A row outside the list (no row
    // selected) changes nothing.
    void Vyber(int radek);

    // OK: with an item chosen VitrazVybrana, SVitraz := the record and DekoryVybrany
    // cleared (the panes must be chosen again); without one nothing is stored. Returns 1.
    int Potvrd();

    // The clearing button: VitrazVybrana cleared (the record stays, no longer in use).
    // When the stained glass stood in for a pane of the glazing (fused glass, or
    // sand-blasted glass in double glazing, instead of the outer pane; any but fused
    // glass instead of the middle pane of a triple glazing), the glass choice is cleared
    // too: that pane is missing until the glass dialog is run again. Returns 7.
    int Nic();

    // The file of the item's picture: the first existing one of "VITRAZE/" + Kod + "F" +
    // SFormat + "S" + SZaskleni, Kod + "F" + SFormat, Kod, and the first two characters of
    // Kod + "-" + the rest (".jpg" each); empty when none exists.
    static std::string CestaVitraze(const Session &s, const PictureStore &obrazky, const std::string &Kod);

    // Whether the stained glass (VitrazVybrana, SVitraz) takes the place of a glass pane
    // that the glass dialog would otherwise ask for.
    static bool NahrazujeTabuli(const Session &s);

private:
    Session &s_;
    const PictureStore &obrazky_;
    std::vector<std::string> seznam_;
    int radek_ = -1;
    Popisek text_;
    Obrazek image1_;
    bool ok_ = false;
    TOVitraz sel_;
};

} // namespace qmr
