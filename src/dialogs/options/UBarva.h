#pragma once
// The infill colours dialog: the colour of the outer side, the second outer colour of a
// two-colour panel (position 2) and the colour of the inner side, each from the colour
// catalogue, with a RAL number wherever an aluminium colour is painted to order. Its
// confirmation also settles the panel size that follows from the colours.
//
// Every open starts with nothing chosen. The dialog works on its own records
// (SelBarva1, SelBarva12, SelBarva2) and working copies of SHPL1, SHPL2 and SRadaK; the
// session is written only by Potvrd, so Cancel leaves it as it was.
//
// The view: caption kTitulek, laid out by Rozlozeni(); three panels (Panel1 outer side,
// Panel12 position 2, Panel2 inner side), each with its heading, its sorted list, its
// swatch, the label "Numer koloru RAL:" and a four-digit RAL field; the two-colour
// drawing Image4 left of Panel1; OK "O&K" (enabled by OKPovolen(), calls Potvrd()) and
// Cancel "&Anuluj" (result 2, nothing changed). A click on a list row calls Vyber, every
// edit of a RAL field NastavRAL; the view then re-reads the whole state.
#include "catalogues/PictureStore.h"
#include "core/Session.h"
#include "core/Umisteni.h"
#include "dialogs/infill/Ovladace.h"

#include <string>
#include <vector>

namespace qmr {

// The three colour choices of the dialog.
enum class StranaBarvy {
    Vnejsi,  // outer side, position 1 (Seznam1, SelBarva1, RAL1)
    Pozice2, // outer side, position 2 of a two-colour panel (Seznam12, SelBarva12, RAL12)
    Vnitrni, // inner side (Seznam2, SelBarva2, RAL2)
};

// A RAL field: a masked edit of four digit positions.
struct PoleRAL {
    std::string Text;
    bool Viditelny = false;
    bool Povoleny = false;
    bool operator==(const PoleRAL &) const = default;
};

// One panel of the dialog.
struct PanelBarvy {
    bool Viditelny = true;
    bool Povoleny = true;
    Popisek Nadpis;                  // Label1, Label5, Label2
    std::vector<std::string> Seznam; // the colours offered, sorted by name
    int Radek = -1;                  // the row chosen (-1 none)
    Obrazek Vzorek;                  // Image1, Image3, Image2: the colour's swatch
    Popisek PopisRAL;                // Label3, Label6, Label4
    PoleRAL RAL;                     // RAL1, RAL12, RAL2
};

// A rectangle in the coordinates of its parent.
struct Obdelnik {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const Obdelnik &) const = default;
};

// Geometry of the form. The panels are in form coordinates, their parts relative to the
// panel (the same for the three panels).
struct RozlozeniBarev {
    int Sirka = 0; // form
    int Vyska = 0;
    Obdelnik Panel1, Panel12, Panel2, Image4;
    Obdelnik Nadpis, Seznam, Vzorek, PopisRAL, RAL;
    Obdelnik OKButton, EscButton;
};

class TVBarva {
public:
    static constexpr const char *kTitulek = "Wybór kolorów wypełnień";
    static constexpr const char *kStranaVnejsi = "Strona zewnętrzna";
    static constexpr const char *kPozice1 = "Zewnętrz – pozycja 1";
    static constexpr const char *kPozice2 = "Zewnętrz – pozycja 2";
    static constexpr const char *kStranaVnitrni = "Strona wewnętrzna";
    static constexpr const char *kCisloRAL = "Numer koloru RAL:";
    static constexpr const char *kOKButton = "O&K";
    static constexpr const char *kEscButton = "&Anuluj";
    // What a RAL field holds when the dialog opens; it counts as no number.
    static constexpr const char *kRALPrazdny = "0000";
    // Digit positions of a RAL field.
    static constexpr std::size_t kDelkaRAL = 4;

    // Builds the colour lists (the catalogue lists first when they are still empty), the
    // headings, the two-colour drawing; nothing is chosen and every RAL field reads
    // "0000", hidden.
    TVBarva(Session &s, const PictureStore &obrazky);

    const PanelBarvy &Panel(StranaBarvy strana) const;
    // The drawing of the two-colour panel; hidden for a one-colour panel and when the
    // file is missing.
    const Obrazek &Image4() const { return image4_; }
    bool OKPovolen() const { return ok_; }

    // The dialog's records and working copies.
    const TOBarva &SelBarva(StranaBarvy strana) const;
    bool PomHPL1() const { return pomHPL1_; }
    bool PomHPL2() const { return pomHPL2_; }
    bool PomRadaK() const { return pomRadaK_; }

    // Geometry of the form for this panel (one- or two-coloured).
    const RozlozeniBarev &Rozlozeni() const { return rozlozeni_; }
    // The dimensions dialog's rule: centred on each axis when narrower than 797 / lower
    // than 597, else at the main window's corner on that axis.
    Bod Umisteni(int sirka, int vyska) const;

    // A click on row `radek` of a list: reads that colour from the catalogue into the
    // side's record, updates the HPL working copies, the swatch or RAL field, and the OK
    // button. A row outside the list (no row selected) changes nothing.
    void Vyber(StranaBarvy strana, int radek);
    // The text of a RAL field after an edit: keeps its digits, at most four; then the OK
    // button is re-evaluated.
    void NastavRAL(StranaBarvy strana, const std::string &text);

    // OK: does nothing and returns 0 (the dialog stays open) unless the OK button is
    // enabled. Otherwise writes SHPL1, SHPL2, SRadaK, the three colours with their RAL
    // numbers, BarvyVybrany, the limits (NastavMaxima), the panel size settled from the
    // infill's format maximum, the wood colours' limits, the preferences and the limits,
    // re-derives the reinforcement (VnutTPR) and, for a panel without overlay, sets
    // RozmerVybran. Returns 1.
    int Potvrd();

    // A colour with a fixed finish (decor, anodised, fixed RAL, concrete look): it never
    // takes a RAL number.
    static bool Specialni(const TDbarva &b);
    // Whether a RAL field's text counts as a number entered: trimmed, neither empty nor
    // "0000".
    static bool RALZadan(const std::string &text);

private:
    struct Volba {
        PanelBarvy panel;
        TOBarva sel;
    };
    Volba &volba(StranaBarvy strana);
    const Volba &volba(StranaBarvy strana) const;
    void seznamy();
    void rozloz();
    void vzorek(Volba &v, bool ralMisto);
    void enableOk();
    std::string cisloRAL(StranaBarvy strana) const;

    Session &s_;
    const PictureStore &obrazky_;
    Volba v1_, v12_, v2_;
    Obrazek image4_;
    bool pomHPL1_ = false;
    bool pomHPL2_ = false;
    bool pomRadaK_ = false;
    bool ok_ = false;
    RozlozeniBarev rozlozeni_;
};

} // namespace qmr
