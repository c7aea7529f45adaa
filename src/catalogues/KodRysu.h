#pragma once
// Drawing codes and drawing files. The panel is shown as a prepared picture from the
// folder "RYSY" beside the program; the picture follows from the infill code, the
// material flags and the chosen variants by fixed naming rules. An overlay panel may
// instead carry a line layout read from the infill catalogue, drawn over a base picture.
//
// VynulujCary(Session&, bool Zetkova), which clears the line layout, is declared with
// the session (core/Session.h) because the session reset uses it.
#include "catalogues/PictureStore.h"
#include "core/IniFile.h"
#include "core/Session.h"

#include <string>

namespace qmr {

// Lines per direction a TCary holds; a catalogue count above it reads as this many.
inline constexpr int kMaxCar = 6;
// Upper limits of the line positions: horizontal lines, vertical lines.
inline constexpr int kMaxHpos = 2200;
inline constexpr int kMaxVpos = 1000;

// The drawing code of infill code Kod. The first matching rule gives the result; with
// none the code is returned unchanged ("rest from p" = the characters from position p):
// - RadaK: a first character "K" gives "B" + rest from 2; else a second character "K"
//   gives the first character + "B" + rest from 3.
// - RadaD, and within it only the first flag that is set among Pasky, Kamen, Dvoj:
//   Pasky: first "C" or "M" gives "Z" + rest from 2, first "L" gives "N" + rest from 2;
//   Kamen: first "A" gives "T" + rest from 2;
//   Dvoj: "JE…" gives "FA" + rest from 3, "JF…" "FC" + rest from 3, else "J…" "F" + rest from 2;
//   none of them: first "W" gives "B" + rest from 2, else second "W" gives the first
//   character + "B" + rest from 3.
std::string GetKodRysu(const std::string &Kod, bool RadaK, bool RadaD, bool Pasky, bool Kamen,
                       bool Dvoj);

// KodRysu := GetKodRysu(Kod, SRadaK or SHPL1, SDyha, SZetkova or SEnkova, SKamen, SDvojbarva).
void SetKodRysu(Session &s, const std::string &Kod);

// The line layout of infill section Vypln from the open infill catalogue Soubor. Not an
// overlay panel: Carame := false and nothing is read. Otherwise the layout is cleared
// (VynulujCary(Zetkova)) and HPasek horizontal lines are read: Hpos := ZH{i}val limited to
// 2200, Hrel := ZH{i}rel or 100 when that is below 5 or 96 and more, Hneg := ZH{i}neg;
// then VPasek vertical lines likewise from ZV{i}… with positions limited to 1000. A count
// above 6 reads 6 lines, a negative count none. Carame := at least one line was read.
void NactiCary(Session &s, const IniFile &Soubor, const std::string &Vypln, bool Zetkova);

// Loads the drawing of the current configuration through the picture store. Sets SNeload,
// SHPomer, SVPomer, VidimPomRys, NazevRysu (the loaded file, " " when none) and may clear
// Carame (when its base picture cannot be loaded). Pictures go into the targets only while
// the main window exists (VolbaNeniNil), except the overlay panel's pictures. A file name
// that would leave the folder "RYSY" loads nothing and counts as a missing file.
void NactiRys(Session &s, PictureStore &obrazky);

} // namespace qmr
