#pragma once
// The reinforcement dialog: none, a security class (RC3, RC2), sound damping or a
// hardened PUR core or reinforcement, offering only what the configuration allows (the
// capability flags MuzeTPR, MuzeRC3, MuzeRC2 of the last pricing, the reinforced infill,
// the glazing, a handle, an HPL-only inner colour). Also the decor-colour rule VnutTPR
// that the dimensions and colour dialogs apply after they are confirmed.
//
// The view: caption kTitulek; in Panel1 the radio group Vyztuz captioned kTitulek with
// the items of Vyztuz() (height VyskaRadia(), Panel1 height VyskaPanelu(radio top));
// below Panel1 the notes Label2 (20 px below Panel1) and Label3 (20 px below Label2);
// Label1 empty; OK "O&K" (calls Potvrd(), result 1) and Cancel "&Anuluj" (result 2,
// nothing changed). The caller (the main window's command) then sets ProselVyztuze.
#include "core/Session.h"
#include "core/Umisteni.h"
#include "dialogs/infill/Ovladace.h"

#include <string>
#include <vector>

namespace qmr {

class TVVyztuz {
public:
    static constexpr const char *kTitulek = "Wybór wzmocnienia";
    static constexpr const char *kOKButton = "O&K";
    static constexpr const char *kEscButton = "&Anuluj";
    static constexpr const char *kPoznamkaRC2 = "Klasa bezpieczeństwa RC 2 jest możliwa od grubości 26 mm.";
    static constexpr const char *kPoznamka35dB =
        "Tłumienie dźwięku 35 dB jest standardowo możliwe przy grubości 34 mm.";

    // Builds the items: "nie ma" (0); RC3 (3) when possible and the inner colour is not
    // HPL-only, else RC2 (4) when possible, the inner colour is not HPL-only and the
    // infill is reinforced or has no glazing (with glazing RC2 is replaced by its note);
    // sound damping (5) for a reinforced infill with SZesil 10, else the PUR core 20 mm
    // (6) when possible on an infill that is not reinforced; the PUR reinforcement 10 mm
    // (7) when the PUR core is possible or a handle needs it. Selects the item of
    // SVyztuz, or, when SVyztuz <= 0, the last item when the PUR core is possible and
    // "nie ma" otherwise (no item when SVyztuz is no longer offered).
    explicit TVVyztuz(Session &s);

    // The radio group: item texts (cVyztuz of each value) and the selected item.
    const Prepinac &Vyztuz() const { return vyztuz_; }
    // The SVyztuz value of each item (tabVyzt).
    const std::vector<int> &TabVyzt() const { return tabVyzt_; }
    // Radio height: 20 x items + 40; Panel1 height for the radio's top edge.
    int VyskaRadia() const { return 20 * int(tabVyzt_.size()) + 40; }
    int VyskaPanelu(int horniOkrajRadia) const { return horniOkrajRadia + VyskaRadia() + 20; }
    // Notes: Label1 empty; Label2 the RC2 note or empty; Label3 the 35 dB note unless
    // sound damping is offered, else empty.
    std::string Label1() const { return {}; }
    const std::string &Label2() const { return label2_; }
    const std::string &Label3() const { return label3_; }
    // left = round((800 - width) / 2) + VolbaLeft, top = round((600 - height) / 2) + VolbaTop.
    Bod Umisteni(int sirka, int vyska) const;

    // Click on item i (ignored when i is no item).
    void Vyber(int i);

    // OK: SVyztuz := the value of the selected item (-1 when none is selected); a move
    // into or out of sound damping (5) or RC2 (4) drops the glass and stained-glass
    // choices (DekoryVybrany, VitrazVybrana). Returns 1.
    int Potvrd();

private:
    Session &s_;
    Prepinac vyztuz_;
    std::vector<int> tabVyzt_;
    std::string label2_, label3_;
};

// The decor-colour rule, applied by the dimensions and colour dialogs after they are
// confirmed: sound damping without the reinforced 10 mm infill is dropped; then, outside
// the aluminium, AL/ABS, HPL, wood, AL/wood and glass families, a decor outer colour (or
// a decor second outer colour of a two-colour infill) forces the PUR reinforcement 10 mm
// (7) when no reinforcement is chosen yet, and without one a reinforcement 7 is dropped.
// Forcing sets ProselVyztuze, dropping clears it.
void VnutTPR(Session &s);

} // namespace qmr
