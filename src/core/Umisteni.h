#pragma once
// Where a dialog places itself. Dialogs are laid out for an 800 x 600 area whose top-left
// corner is the main window's position (s.VolbaLeft, s.VolbaTop); the halves of the
// centring are rounded to the even neighbour.
namespace qmr {

struct Session;

// A screen position: the dialog's left and top edge.
struct Bod {
    int Left = 0;
    int Top = 0;
    bool operator==(const Bod &) const = default;
};

// d / 2 rounded to the nearest integer, halves to the even neighbour.
int PulRound(int d);

// The rule of every dialog: left = round((800 - width) / 2) + VolbaLeft, top =
// round((600 - height) / 2) + VolbaTop. A picture-choice dialog (Obrazkovy) sits 50
// further right. A dialog wider than 796 or higher than 596 takes the main window's
// corner (VolbaLeft, VolbaTop) instead.
Bod UmistiDialog(const Session &s, int Sirka, int Vyska, bool Obrazkovy = false);

// The same centring decided for each edge on its own (the settings, dimension and format
// dialogs): a dialog narrower than 797 is centred horizontally, otherwise its left edge is
// VolbaLeft; one lower than 597 is centred vertically, otherwise its top is VolbaTop.
Bod UmistiDialogOsy(const Session &s, int Sirka, int Vyska, bool Obrazkovy = false);

// Centred over the main window's rectangle (VolbaLeft, VolbaTop, VolbaWidth, VolbaHeight).
Bod UmistiNadOknem(const Session &s, int Sirka, int Vyska);

} // namespace qmr
