#pragma once
// Plain states of the controls a dialog shows. The dialog logic classes hold them and
// decide every caption, picture, check mark, visibility and enabled state; a view copies
// them into its widgets after each action it passes on and decides nothing itself.
#include <string>
#include <vector>

namespace qmr {

// A label.
struct Popisek {
    std::string Text;
    bool Viditelny = true;
    bool operator==(const Popisek &) const = default;
};

// A picture that can be clicked. Cesta is the full path of the file to show (apCesta +
// folder + name, '/' separated; the view finds it without regard to case); empty means
// no picture. Only an enabled picture (Povoleny) reacts to a click.
struct Obrazek {
    std::string Cesta;
    std::string Tip; // hint
    bool Viditelny = true;
    bool Povoleny = false;
    bool operator==(const Obrazek &) const = default;
};

// A check box.
struct Zaskrtavatko {
    std::string Text;
    bool Viditelny = false;
    bool Povoleny = false;
    bool Zaskrtnuto = false;
    bool operator==(const Zaskrtavatko &) const = default;
};

// A radio group: its items top to bottom and the selected one (-1 none).
struct Prepinac {
    std::vector<std::string> Polozky;
    int Index = -1;
    bool Viditelny = false;
    bool Povoleny = false;
    bool operator==(const Prepinac &) const = default;
};

// Modal results of the dialogs.
inline constexpr int kVysledekOK = 1;
inline constexpr int kVysledekZrusit = 2;

} // namespace qmr
