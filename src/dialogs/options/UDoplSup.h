#pragma once
// The accessory placement dialog: each accessory to be mounted on the panel (not mounted
// automatically; slot 1 not while a muntin option is chosen) is placed by dragging its
// marker onto a sketch of the panel at 5 mm per pixel, or by typing its position in mm
// from the left ("z levej") and from the bottom ("z dołu") of the panel.
//
// The dialog works on copies of the placed flags and the positions; Potvrd writes them
// (Umisten, Zleva, Zdola of the offered slots, and SMadlo for a vertical handle), Cancel
// and clearing followed by Cancel leave the session as it was.
//
// The view: caption kTitulek, centred over the main window (Umisteni); Nadpis kNadpis;
// the picture Vypln (the main window's drawing, Rozlozeni().Vypln) with over it the
// outline Rantl (red, dotted black for an overlay panel), the glass picture Skla, the
// line bars PH1..PH6 / PV1..PV6, the centre lines VOsa and HOsa, the corner texts Nula
// and Maxa; per offered slot its marker Shape (colour Barva(i)), name, labels kZleva and
// kZdola with their fields (Zmena), and for a vertical handle MShape, SShape, DOsa and
// Misto. Dragging a marker over the outline calls TahniNadRantl, over the glass picture
// TahniNadSkly. NicButton kNicButton (Smaz), OK kOKButton (enabled by OKPovolen(),
// Potvrd), Cancel kEscButton (result 2). After every action the view re-reads the state.
#include "core/Session.h"
#include "core/Umisteni.h"
#include "dialogs/infill/Ovladace.h"
#include "mainwindow/UGrafika.h"

#include <array>
#include <string>

namespace qmr {

// A position field of the dialog.
struct PolePozice {
    int Hodnota = 0;
    int Min = 0;
    int Max = 0;
    bool operator==(const PolePozice &) const = default;
};

// One slot of the dialog.
struct SlotUmisteni {
    bool Nabizen = false;  // offered: marker, name, labels and fields shown
    bool Umisten = false;  // placed (working copy of Umisten)
    bool Madlo = false;    // vertical handle: MShape, SShape, DOsa and Misto shown
    std::string Jmeno;     // Jmeno1..Jmeno4
    PolePozice Zleva;      // D1Left..D4Left
    PolePozice Zdola;      // D1Top..D4Top
    Tvar Shape;            // the marker, 20 x 20; shown at its place once placed
    Tvar MShape;           // second circle of a vertical handle
    Tvar SShape;           // bar of a vertical handle
    Tvar DOsa;             // axis line of a vertical handle
    std::string Misto;     // "(left / lower fixing point)"
};

// Geometry of the sketch, in form coordinates.
struct RozlozeniUmisteni {
    int Sirka = 0; // form
    int Vyska = 0;
    Tvar Nadpis;
    Tvar Vypln;    // the drawing
    Tvar Rantl;    // the panel outline
    bool RantlTeckovany = false; // dotted black pen of an overlay panel, else red
    Tvar Skla;     // the glass picture of an overlay panel
    std::array<Tvar, 6> PH{};
    std::array<Tvar, 6> PV{};
    Tvar VOsa;
    Tvar HOsa;
    Bod Nula;      // left edge of the origin text, on the outline's bottom edge
    Bod Maxa;      // right edge of the size text, on the outline's top edge
    // Slot row i: the marker's palette place, the name, the two labels and fields.
    std::array<Tvar, 4> Paleta{};
    std::array<Tvar, 4> Jmeno{};
    std::array<Tvar, 4> PopisZleva{};
    std::array<Tvar, 4> PoleZleva{};
    std::array<Tvar, 4> PopisZdola{};
    std::array<Tvar, 4> PoleZdola{};
    std::array<Tvar, 4> Misto{};
    Tvar NicButton, OKButton, EscButton;
};

class TVDoplSup {
public:
    static constexpr const char *kTitulek = "Umieszczenie aksesoriów";
    static constexpr const char *kNadpis = "Pomieścić aksesoria w przybliźeniu na miejsce";
    static constexpr const char *kZleva = "z levej";
    static constexpr const char *kZdola = "z dołu";
    static constexpr const char *kNula = "<--- {0; 0}";
    static constexpr const char *kNicButton = "&Skasować umieszczenie";
    static constexpr const char *kOKButton = "O&K";
    static constexpr const char *kEscButton = "&Anuluj";
    static constexpr int kSlotu = 4;
    static constexpr int kOkrajPozice = 50; // nearest position to an edge, mm
    static constexpr int kMmNaPixel = 5;
    // Width of the drawing in glazing format 2.
    static constexpr int kSirkaF2 = 120;

    // Lays out the sketch for a drawing of sirkaObrazku x vyskaObrazku pixels (0 x 0: no
    // drawing, the outline alone with a margin) and a glass picture of sirkaSkla x
    // vyskaSkla, and sets up the offered slots: an accessory already placed starts at its
    // position, the others at 50 mm from the left and 50, 150, 250, 350 mm from the
    // bottom, unplaced. Nothing of the session is written.
    TVDoplSup(Session &s, int sirkaObrazku, int vyskaObrazku, int sirkaSkla = 0, int vyskaSkla = 0);

    const RozlozeniUmisteni &Rozlozeni() const { return r_; }
    const SlotUmisteni &Slot(int i) const { return sloty_[std::size_t(i)]; }
    bool OKPovolen() const { return ok_; }
    // The size text at the outline's top-right corner.
    std::string Maxa() const;
    // Centred over the main window.
    Bod Umisteni(int sirka, int vyska) const { return UmistiNadOknem(s_, sirka, vyska); }
    // The marker colours of slots 1-4: aqua, fuchsia, yellow, lime (0xRRGGBB).
    static unsigned Barva(int i);

    // The field "z levej" (zleva true) or "z dołu" of slot i changed to `text`: text that
    // is no number counts as the minimum, a number outside the range is pulled into it.
    // The marker moves there and the slot is placed.
    void Zmena(int i, bool zleva, const std::string &text);
    // Both fields of slot i at once (a drag): each held to its range; placed.
    void NastavPozici(int i, int zleva, int zdola);
    // The marker of slot i dragged over the outline, the pointer at pixel offset (x, y)
    // inside it: the fields become (x * 5, SVyska - y * 5).
    void TahniNadRantl(int i, int x, int y);
    // The same over the glass picture, offset (x, y) inside it.
    void TahniNadSkly(int i, int x, int y);
    // "Skasować umieszczenie": every field back to its start value, every slot unplaced,
    // OK disabled.
    void Smaz();
    // OK: does nothing and returns 0 (the dialog stays open) unless OK is enabled.
    // Otherwise Umisten, Zleva, Zdola of every offered slot and SMadlo when an offered
    // accessory is a vertical handle; returns 1.
    int Potvrd();

private:
    void rozloz(int sirkaObrazku, int vyskaObrazku, int sirkaSkla, int vyskaSkla);
    void vychozi(int i);
    void obnovSlot(int i);
    void enableOk();

    Session &s_;
    RozlozeniUmisteni r_;
    std::array<SlotUmisteni, kSlotu> sloty_{};
    bool ok_ = false;
};

} // namespace qmr
