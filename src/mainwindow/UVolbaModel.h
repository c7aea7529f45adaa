#pragma once
// The main window without the toolkit: everything the window shows (VolbaStav) and the
// refresh routine (Obnov) that rebuilds it from the session on every activation and
// every paint.
//
// How the view uses it:
//   VolbaStav stav = VolbaVytvor(s, clock);  // UVolba.h, at window creation; apply all of it once
//   ... on activation / paint:
//   if (NacistPriPrvnimObnoveni(s, radka) && NactiData(s, radka.Cesta)) ZpracujRys(s, store);
//   VolbaVstup in{rozmery, oknoLeft, oknoTop, oknoWidth, &stav};
//   VolbaStav novy = Obnov(s, in);
//   apply every member of novy that differs from stav to its control; stav = novy;
// Commands that change what is shown outside a refresh (OcenOkno, VolbaZrusVse,
// NovyPlik, the start flow) take the view's VolbaStav by reference and update it:
//   VolbaStav stary = stav; NovyPlik(s, stav, clock); apply differences of stav to stary;
//
// The state is a value: a pure function of the session, the control sizes and the
// previous state (a few controls keep what they showed when a refresh does not decide
// them). Two refreshes in a row give equal states and the second changes no session
// variable (for a consistent session; an inconsistent one is corrected by the first).
#include "mainwindow/UGrafika.h"

#include <array>
#include <string>

namespace qmr {

// Text colour of a label: the window text colour (clWindowText), red or black. The
// refresh writes only the first two.
enum class BarvaTextu { Okno, Cervena, Cerna };

// A label: caption, colour, shown, enabled (the frame labels are clickable).
struct Popis {
    std::string Text;
    BarvaTextu Barva = BarvaTextu::Okno;
    bool Viditelny = true;
    bool Povoleny = true;
    bool operator==(const Popis &) const = default;
};

// Pen of the opening outline Rantl: red solid (ordinary) or black dotted (overlay chosen).
enum class PeroRantlu { CervenePlne, CerneTeckovane };

struct VolbaStav {
    // ---- Window ---------------------------------------------------------------------
    std::string Titulek;  // window caption
    int OknoVyska = 605;  // window height set by the refresh

    // ---- Layout (Left/Top set by the refresh from the sizes of VolbaRozmery) ------------
    Tvar Panel1;          // option buttons and summary labels, always shown
    Tvar Panel2;          // part prices; Viditelny: shown
    Tvar Panel3;          // totals; Viditelny: shown
    Tvar ObjButton;       // position only (enabled state below)
    Tvar NabButton;
    Tvar Vypinac;         // the on/off switch: Top set, Left kept

    // ---- Drawing ----------------------------------------------------------------------
    Tvar HlavniRys;       // main picture (store's Target::Picture), at (10, 10), picture size
    Tvar PomRys;          // auxiliary picture (Target::PomRys), picture size
    Tvar Rantl;           // sash opening outline
    PeroRantlu RantlPero = PeroRantlu::CervenePlne;
    Tvar Prekryv;         // overlay outline, red pen
    Tvar Zakryt;          // mask of PomRys' border, window-colour pen 3 px
    std::array<Tvar, 6> PH{}; // horizontal line marks PH1..PH6 (index 0 = PH1)
    std::array<Tvar, 6> PV{}; // vertical line marks PV1..PV6
    // Accessory marks of slots 1..4 (index 0 = slot 1): Shape = filled circle 20 x 20,
    // MShape = circle 20 x 20, SShape = bar 10 px wide; aqua, fuchsia, yellow, lime.
    std::array<Tvar, 4> Shape{};
    std::array<Tvar, 4> MShape{};
    std::array<Tvar, 4> SShape{};

    // ---- Commands (enabled) -------------------------------------------------------------
    bool StartButton = true;
    bool BarvyButton = false;
    bool RozmerButton = false;
    bool VyztuzButton = true;
    bool VitrazButton = false;
    bool DekoryButton = false;
    bool MrizkyButton = false;
    bool DoplnkyButton = false;
    bool CommentButton = false;
    bool ObjButtonPovolen = false; // ObjButton
    bool NabButtonPovolen = false; // NabButton
    bool Ulozit = false;           // menu items Ulozit and Jako
    bool Jako = false;
    bool Predvolby = false;        // always disabled

    // ---- Summary labels of Panel1 ---------------------------------------------------------
    Popis JmenoVyplne;
    Popis TextProfilu{"", BarvaTextu::Okno, false};  // always empty and hidden
    Popis TextTloustky{"", BarvaTextu::Okno, false};
    Popis TextPrekryv{"", BarvaTextu::Okno, false};  // text and colour kept, always hidden
    Popis TextRamecku1{"", BarvaTextu::Okno, false}; // clickable: frame colour of side 1
    Popis BarvaRam1{"", BarvaTextu::Okno, false};    // clickable as TextRamecku1
    Popis TextRamecku2{"", BarvaTextu::Okno, false};
    Popis BarvaRam2{"", BarvaTextu::Okno, false};
    Popis Label1{"Zewnętrz:", BarvaTextu::Okno, false};
    Popis TextBarvy1;
    Popis Label5{"", BarvaTextu::Okno, false};
    Popis TextBarvy12;
    Popis Label2{"Wewnętrz:", BarvaTextu::Okno, false};
    Popis TextBarvy2;
    Popis TextRozmeru;
    Popis Prekryvy;
    Popis Prekryvy2;
    Popis TextVyztuze;
    Popis TextB1;
    Popis TextB2;
    Popis TextVitraze;
    Popis Label3{"Zewnętrz:", BarvaTextu::Okno, false};
    Popis TextDekoru1;
    Popis TextProstredni;
    Popis TextDP;
    Popis TextProstredni2;
    Popis TextDP2;
    Popis Label4{"Wewnętrz:", BarvaTextu::Okno, false};
    Popis TextDekoru2;
    Popis TextMrizky;
    std::array<Popis, 4> TextDoplnku{}; // TextDoplnku1..4
    std::array<Popis, 4> TxPozn{};      // TxPozn1..4: note lines 1..4

    // ---- Price column (Panel2), right-aligned amounts -------------------------------------
    Popis CenaVyplne;
    Popis CenaBarvy1;
    Popis CenaBarvy12;
    Popis CenaBarvy2;
    Popis CenaRozmeru;
    Popis CenaVyztuze;
    Popis CenaVitraze;
    Popis CenaSkla1;
    Popis CenaSklaP;
    Popis CenaSklaP2;
    Popis CenaSkla2;
    Popis CenaMrizky;
    std::array<Popis, 4> CenaDoplnku{}; // CenaDoplnku1..4

    // ---- Totals (Panel3): caption labels and amounts ---------------------------------------
    Popis Celkem{"Ogółem:"};
    Popis CenaPredSlevou;
    Popis LabTz1;      // surcharge lines: shown only for configuration versions up to 5
    Popis TZ1;
    Popis LabTZ2;
    Popis TZ2;
    Popis LabMezisouc;
    Popis Mezisouc;
    Popis ProcentoSlevy{"Rabat:"};
    Popis CenaSlevy;
    Popis Label6{"Netto (+):"};
    Popis CenaNet;
    Popis Nakonec{"Cena ostateczna (bez transportu):"};
    Popis CenaPoSleve;

    // The text of the last pricing failure (a VAT rate that is no number), empty when the
    // last pricing succeeded. The refresh never shows messages; the view may report a
    // change of this text once.
    std::string ChybaOceneni;

    bool operator==(const VolbaStav &) const = default;
};

// The state of the window as designed, with the creation-time captions (FormCreate step 3
// and 12 are applied by VolbaVytvor): what a refresh without a previous state starts from.
// The surcharge lines are hidden for configuration versions above 5 (s.nVerze) and in the
// "CZ" build.
VolbaStav PocatecniStav(const Session &s);

// Sizes of the controls as the view has them (Width/Height; positions are ignored unless
// stated), and the sizes of the loaded pictures.
struct Velikost {
    int Width = 0;
    int Height = 0;
    bool operator==(const Velikost &) const = default;
};
struct VolbaRozmery {
    Velikost Panel1;
    Velikost Panel2;
    Velikost Panel3;
    Velikost ObjButton;
    Velikost NabButton;
    Velikost Vypinac;
    int VypinacLeft = 0;  // the switch keeps its designed left edge
    Velikost HlavniRys;   // size of the picture in Target::Picture (0 x 0 when none)
    Velikost PomRys;      // size of the picture in Target::PomRys
};

struct VolbaVstup {
    VolbaRozmery Rozmery;
    // The window's position and width (stored in VolbaLeft, VolbaTop, VolbaWidth;
    // VolbaHeight takes OknoVyska).
    int OknoLeft = 0;
    int OknoTop = 0;
    int OknoWidth = 0;
    // What the window shows now (the last state applied); nullptr = PocatecniStav(s).
    const VolbaStav *Predchozi = nullptr;
};

// The refresh (FormActivate): layout; dimensions and overlay lines; outlines (Grafuj);
// for an infill job with an infill chosen the description (Nazvi), pricing and price
// panel (OcenOkno), the derived flags (RozmerVybran/PrekryvVybran/Prekryv2Vybran cleared
// without colours, ProjitVyztuze, ProselVyztuze, SVyztuz corrections, MrizkaVybrana and
// VitrazVybrana dropped when unavailable) and command availability, the line marks;
// otherwise the reset of the infill flags; then colours, stained glass, glass panes,
// muntin, accessories (SMadlo, marks), reinforcement (SVyztuz 7 and PrepisMadlo for a
// handle by drawing), notes, order/quote/save availability (ObjMozna), and the stored
// geometry (VolbaLeft/Top/Width/Height, RantlLeft/Top, PH1Top..PV6Vys).
// The command-line load of the first refresh is not done here: see
// NacistPriPrvnimObnoveni (UVolba.h), which the view calls before Obnov.
VolbaStav Obnov(Session &s, const VolbaVstup &vstup);

} // namespace qmr
