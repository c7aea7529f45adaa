#pragma once
// Geometry of the main window's drawing: the sash opening (Rantl), the overlay outline
// (Prekryv), the auxiliary overlay picture (PomRys) with its mask (Zakryt), the line
// marks PH1-PH6 / PV1-PV6 and the accessory marks, all at 5 mm of panel per pixel; and
// the loading of the drawing through the picture store.
//
// Coordinates are client pixels of the main window. "round" rounds halves to even,
// integer division truncates toward zero.
#include "catalogues/PictureStore.h"
#include "core/Session.h"

#include <array>

namespace qmr {

// A placed control: position, size and whether it is shown.
struct Tvar {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Viditelny = false;

    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool operator==(const Tvar &) const = default;
};

// Rounds halves to even (the platform's Round).
int Zaokrouhli(double x);

// The outline shapes over the drawing. Grafuj reads Width/Height of PomRys (the size of
// the loaded auxiliary picture) and sets the rest; a value it does not decide keeps what
// the struct held (so pass the previous geometry in).
struct Obrysy {
    Tvar Rantl;   // sash opening
    Tvar Prekryv; // overlay outline
    Tvar PomRys;  // auxiliary picture: Left/Top set here
    Tvar Zakryt;  // mask of PomRys' border: geometry and Viditelny set here
};

// Places Rantl, Prekryv, PomRys and Zakryt over the main picture HlavniRys (its Left, Top,
// Width and Height are used). Sets geometry only; Rantl/Prekryv/PomRys visibility is the
// refresh's business, Zakryt is shown for an overlay panel and hidden otherwise.
void Grafuj(const Session &s, const Tvar &HlavniRys, Obrysy &o);

// The twelve line marks.
struct CarovaZnacky {
    std::array<Tvar, 6> PH; // PH1..PH6 (index 0 = PH1)
    std::array<Tvar, 6> PV; // PV1..PV6
};

// Places the line marks of the line layout SCary (only for Carame). Marks 1..HPocet and
// 1..VPocet (at most 6) get their geometry and are shown; the others keep their geometry
// and are hidden. May write the session: PVL/PVP/PVH/PVD := 10 on an overlay panel
// without chosen overlay and without dimensions, and SSirka/SVyska := the preferred
// size when no dimensions are chosen and the preference is smaller.
void UmistiCary(Session &s, const Tvar &HlavniRys, const Tvar &Rantl, const Tvar &Prekryv,
                CarovaZnacky &z);

// The position marks of one accessory slot: Shape (circle 20 x 20 at the fixing point),
// and for a vertical handle MShape (second circle) and SShape (bar joining them).
struct ZnackyDoplnku {
    Tvar Shape;
    Tvar MShape;
    Tvar SShape;
};

// Geometry of the marks of a placed accessory relative to the opening Rantl: Shape
// always, MShape/SShape only for a vertical handle (MadloVert; otherwise they keep their
// geometry). Visibility is not touched.
void UmistiDoplnek(const TDDoplnek &d, const Tvar &Rantl, ZnackyDoplnku &z);

// Loads the drawing of the current configuration (NactiRys) and settles the auxiliary
// picture: without a line layout, unless format > 0, overlay panel and VidimPomRys all
// hold, VidimPomRys := false. HlavniRys shows the store's Target::Picture and PomRys its
// Target::PomRys; what is shown and where is decided by the next refresh (Obnov), which
// the caller triggers by repainting. Load errors of an undecodable file propagate.
void ZpracujRys(Session &s, PictureStore &obrazky);

// Whether the refresh shows PomRys: an infill job with an infill chosen, no line layout,
// format > 0, an overlay panel and VidimPomRys.
bool PomRysViditelny(const Session &s);

// Reloads the main picture after a muntin change: with an infill chosen, the name is
// apCesta + "RYSY/" + KodRysu + "F" + SFormat + "S" + SZaskleni (+ "M" + characters 4-5
// of the muntin's name when a muntin is chosen) + ".jpg"; when it differs from SImage it
// is loaded into Target::Picture and stored in SImage. Returns true when a new picture
// was loaded (the caller repaints). A missing file (or a name leaving "RYSY") is ignored;
// a file that cannot be decoded throws.
bool ObnovObr(Session &s, PictureStore &obrazky);

} // namespace qmr
