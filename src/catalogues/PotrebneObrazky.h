#pragma once
// The pictures the program can ask for with a given catalogue. For every infill type the
// configurations the dialogs can reach are walked (families, executions, sides, frame,
// strip and groove types, formats and glazings, mirrored variants, overlays, reduced
// cut-outs, glass size letters, muntins) and the program's own NactiRys is run on each
// with a recording picture store; the dialogs that show pictures of their own (infill
// selection, glazing format, execution variant, frame/muntin/strip/groove types, colours,
// overlay dimensions, glass, stained glass, accessories) add theirs by their naming
// rules. The picture generator of the build draws every entry; the tests check that a
// program folder holds them all.
//
// Beyond what the dialogs can reach in one run, the walk also covers what a session
// carries over from an opened job: the veneer flag SDyha (set from the catalogue by the
// job reader and kept by later jobs) and dimensions read from the job.
#include "core/Records.h"

#include <string>
#include <vector>

namespace qmr {

// Scale of the drawings: millimetres of panel per pixel.
inline constexpr int kMmNaPixel = 5;
// Margin around the panel outline of a main drawing, in pixels (the sash around the panel).
inline constexpr int kOkrajRysu = 20;

// What a picture of a panel shows. Sizes and positions are in pixels of the picture.
struct PopisRysu {
    enum class Druh {
        Vypln,   // the panel with its glazing, frames, strips, grooves and muntins
        Pomocny, // the decorated part of an overlay panel, drawn inside the sash opening
        Prekryv, // base picture of an overlay panel: wider than the sash opening
        Zaklad,  // base picture of a panel whose line layout is drawn over it
        Pohled,  // overlay dimension view: a section with the lettered dimensions
    };
    Druh druh = Druh::Vypln;
    std::string Kod;   // infill code (of the catalogue) the picture belongs to
    std::string Nazev; // infill name
    int SirkaPx = 0;   // the picture
    int VyskaPx = 0;
    int PanelX = 0;    // the panel outline in the picture
    int PanelY = 0;
    int PanelSirka = 0;
    int PanelVyska = 0;
    int Format = 1;        // 1 full, 2 the "1/2" proportions, 3 the third format
    int Zaskleni = 0;      // glazing layout: 0 none, 1..6
    int Ramecek = 0;       // frame variant 0 (none), 1, 2
    int Pasky = 0;         // strip or groove variant 0 (none), 1, 2
    bool Drazky = false;   // grooves rather than glued strips
    int OMrizka = 0;       // decorative muntin with its frame: variant 0 (none), 1..3
    int Mrizka = 0;        // muntin bars over the glass: the muntin's number, 0 none
    bool Sklo = false;     // glass panel
    bool Hlinik = false;   // aluminium panel
    bool Zrcadlo = false;  // mirrored (right-hand) execution
    bool Zmenseny = false; // reduced cut-out
    bool Dvojbarva = false; // two colours on the outer side
    bool Excentr = false;  // glazing off the middle
    // Pohled: overlay on one (1) or both (2) sides; the height section (else the width);
    // the AL/ABS kind of one-sided overlay.
    int Strany = 0;
    bool Vyskovy = false;
    bool AlAbs = false;
};

struct PotrebnyObrazek {
    enum class Druh { Rys, Vypln, Zaskleni, Barva, Dekor, Doplnek, Vitraz, Logo, Ikona };
    Druh druh = Druh::Rys;
    std::string cesta; // below the program folder, exactly as asked: "RYSY/PAF1S1.jpg"
    std::string kdo;   // the routine that asks for it first ("NactiRys", "TVFormat", ...)
    std::string popis; // the configuration or item that asks, for messages
    PopisRysu rys;     // Rys, Vypln, Zaskleni: the panel to draw
    std::string Kod;   // the item (Vypln, Barva, Dekor, Doplnek, Vitraz)
    std::string Nazev;
    int Typ = 0;       // Dekor: TypSkla; Vitraz: VitrPis; Doplnek: 1 a vertical handle
    int Varianta = 0;  // Vypln: the picture number 1..3
    TDbarva Barva;     // Barva: the colour record
    bool Kamen = false; // Barva: stone (the catalogue flag, not kept in the record)
};

// Every picture the program folder apCesta (ending with '/') needs for the catalogue in
// its "DATA/" folder, one entry per file, sorted by path. Missing catalogue files give
// fewer entries, never an error.
std::vector<PotrebnyObrazek> PotrebneObrazky(const std::string &apCesta);

} // namespace qmr
