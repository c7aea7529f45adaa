#pragma once
// The glass dialog: the glass of every pane of the panel's glazing (outer pane, inner
// pane and, for triple or quadruple glazing, one or two middle panes), offering only the
// glasses the glass catalogue allows for the glazing, reinforcement, thickening, stained
// glass and infill, and only those priced for the infill, glazing format and variant.
//
// Every open starts with nothing chosen. The dialog works on its own panes (SelDekor of
// each pane); the session is written only by Potvrd, so Cancel leaves it as it was.
//
// The view: caption kTitulek, laid out by Rozlozeni(); four columns left to right (outer
// pane Panel1, second pane PanelP, third pane PanelP2, inner pane Panel2), each a panel
// with its heading, its sorted list and the picture of the glass chosen; columns of
// hidden panes are closed up. OK "O&K" (enabled by OKPovolen(), calls Potvrd() and closes
// with its result) and Cancel "&Anuluj" (result 2, nothing changed). Once the dialog is on
// the screen the view calls Aktivuj(); a click on a list row calls Vyber; the view then
// re-reads the whole state.
#include "catalogues/PictureStore.h"
#include "core/Messages.h"
#include "core/Session.h"
#include "core/Umisteni.h"
#include "dialogs/infill/Ovladace.h"
#include "dialogs/options/UBarva.h" // Obdelnik

#include <array>
#include <string>
#include <vector>

namespace qmr {

// The panes of the glazing, in the order of the columns.
enum class Tabule {
    Vnejsi,  // outer pane: Panel1, Seznam1, Image1, SelDekor1 -> SDekor1
    Druha,   // second pane: PanelP, SeznamP, ImageP, SelDekorP -> SDekorP
    Treti,   // third pane: PanelP2, SeznamP2, ImageP2, SelDekor4 -> SDekor4
    Vnitrni, // inner pane: Panel2, Seznam2, Image2, SelDekor2 -> SDekor2
};
inline constexpr std::array<Tabule, 4> kTabule{Tabule::Vnejsi, Tabule::Druha, Tabule::Treti, Tabule::Vnitrni};

// One column of the dialog.
struct PanelDekoru {
    bool Viditelny = false;
    bool Povoleny = false;
    bool SeznamPovolen = true;       // Seznam1 is disabled when the outer pane is not asked for
    Popisek Nadpis;
    std::vector<std::string> Seznam; // the glasses offered, sorted by name
    int Radek = -1;                  // the row chosen (-1 none)
    Obrazek Vzorek;                  // the picture of the glass chosen (Image1, ImageP, ...)
};

// Geometry of the form: the columns in form coordinates (hidden ones are empty), their
// parts relative to the column (the same for every column).
struct RozlozeniDekoru {
    int Sirka = 0; // form
    int Vyska = 0;
    std::array<Obdelnik, 4> Panel; // by Tabule
    Obdelnik Nadpis, Seznam, Vzorek;
    Obdelnik OKButton, EscButton;
};

// Which panes the glass dialog asks for, with the stained glass `vitraz` of kind
// `VitrPis` chosen or none (the session's own is VitrazVybrana, SVitraz.DVitraz.VitrPis).
struct PozadovaneTabule {
    bool MaByt1 = false;  // outer pane
    bool Mabyt2 = true;   // inner pane
    bool MaBytP = false;  // second pane (decided also for an overlay on both sides)
    bool MaBytP2 = false; // third pane
    // The panes asked for, whose columns are shown: the outer pane when MaByt1, the
    // inner pane always, the second with triple or quadruple glazing and MaBytP, the
    // third with quadruple glazing and MaBytP2.
    bool Vnejsi = false;
    bool Druha = false;
    bool Treti = false;
};
PozadovaneTabule Pozadovane(const Session &s, bool vitraz, int VitrPis);

class TVDekory {
public:
    static constexpr const char *kTitulek = "Wybór szkła (dekorów)";
    static constexpr const char *kStranaVnejsi = "Strona zewnętrzna";
    static constexpr const char *kSzyba2 = "2. szyba";
    static constexpr const char *kSzyba3 = "3. szyba";
    static constexpr const char *kStranaVnitrni = "Strona wewnętrzna";
    static constexpr const char *kOKButton = "O&K";
    static constexpr const char *kEscButton = "&Anuluj";
    static constexpr const char *kUwaga = "UWAGA!";
    static constexpr const char *kMarteleCisty = "W katalogu wyobraźony martele czysty";
    static constexpr const char *kWitrazU = "Poprzez instalację witrażu obniża się wartość U do 1,3!";
    static constexpr const char *kWypukleJednou = "Szkło wypukłe może być tylko raz!";
    // Flags of the three warnings.
    static constexpr unsigned kVarovani = MB_ICONWARNING | MB_OK;

    // Decides which panes are asked for and builds the four lists from the glass
    // catalogue (prices from the infill catalogue); nothing is chosen.
    TVDekory(Session &s, Messages &m, const PictureStore &obrazky);

    const PanelDekoru &Panel(Tabule t) const { return sloupec(t).panel; }
    // The working pane of a column.
    const TDekor &SelDekor(Tabule t) const { return sloupec(t).sel; }
    // Whether the pane is to be chosen (MaByt1, Mabyt2, MaBytP, MaBytP2).
    bool MaByt(Tabule t) const;
    // The reinforcement dictates the outer pane (SVyztuz 4 or 5).
    bool Jeflt8() const { return jeflt8_; }
    // The pane is asked for and its list has exactly one row (Jeden1, Jeden2, JedenP, JedenP2).
    bool Jeden(Tabule t) const;
    bool OKPovolen() const { return ok_; }

    const RozlozeniDekoru &Rozlozeni() const { return rozlozeni_; }
    // Centred on each axis when narrower than 797 / lower than 597, else at the main
    // window's corner on that axis.
    Bod Umisteni(int sirka, int vyska) const;

    // The dialog is on the screen (FormActivate): the warning for sand-blasted glass with
    // decor, then the automatic choices: with Jeflt8 the first row of the outer, the
    // second-pane (when shown) and the inner list, otherwise the only row of every list
    // that has one. Runs once per opening; later calls do nothing.
    void Aktivuj();
    bool Aktivovan() const { return aktivovan_; }

    // A click on row `radek` of a list: reads that glass from the catalogue into the
    // pane, its picture, the U-value warning for the inner pane, and the OK button. A row
    // outside the list (no row selected), a hidden column or a disabled list changes
    // nothing.
    void Vyber(Tabule t, int radek);

    // OK, always closes with 1. Convex glass as both outer and inner pane is refused with
    // its warning; with a required pane missing nothing is stored either. Otherwise
    // DekoryVybrany and the four panes are written, panes not asked for empty.
    int Potvrd();

private:
    struct Sloupec {
        PanelDekoru panel;
        TDekor sel;
    };
    Sloupec &sloupec(Tabule t) { return sloupce_[std::size_t(t)]; }
    const Sloupec &sloupec(Tabule t) const { return sloupce_[std::size_t(t)]; }
    bool vicevrstve() const;
    bool zadana(Tabule t) const; // the pane is asked for: it counts for OK and is stored
    void seznamy();
    void rozloz();
    void vyber(Tabule t, int radek);
    void obrazek(Sloupec &c);
    void enableOk();

    Session &s_;
    Messages &m_;
    const PictureStore &obrazky_;
    std::array<Sloupec, 4> sloupce_;
    PozadovaneTabule pozadovane_;
    bool jeflt8_ = false;
    bool ok_ = false;
    bool aktivovan_ = false;
    RozlozeniDekoru rozlozeni_;
};

// The enciphered price key of a glass type in the infill catalogue for format and
// glazing variant ("PSF1S3" for type 2, format 1, variant 3); empty for a type outside 1..4.
std::string KlicCenySkla(int TypSkla, int SFormat, int SZaskleni);

} // namespace qmr
