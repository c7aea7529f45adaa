#pragma once
// Edit fields of the partner dialogs: a caption, the text, a length limit and the
// postal-code mask. The dialog logic applies the rules to every edit the view passes on,
// so the text a dialog writes is always the text it shows.
#include <string>
#include <vector>

namespace qmr {

struct PoleEditu {
    std::string Jmeno;     // control name (jNazev1, NasMail...)
    std::string Popisek;   // caption of its label; empty for a field that shares one
    std::string Text;
    int MaxDelka = 0;      // characters; 0 for no limit
    bool MaskaPSC = false; // two upper-case letters, a hyphen, five digits
    bool operator==(const PoleEditu &) const = default;
};

// The postal-code mask "LL-00000": the first two ASCII letters before any digit
// (upper-cased), then at most five digits, everything else dropped. The hyphen stands
// between them once a digit follows or the text holds one after the letters; a text
// without letters and digits gives "" (a cleared field stores nothing).
std::string MaskujPSC(const std::string &Text);

// The field's text after an edit to Novy: masked for a postal code; otherwise cut to the
// limit, except that a loaded text longer than the limit is never cut by an edit that
// does not lengthen it (like an edit control whose limit applies to typing only).
std::string UpravText(const PoleEditu &Pole, const std::string &Novy);

// The longest text the field takes now: its limit (8 for a postal code), or its current
// length when a loaded text is longer (0: no limit). The view sets it as the edit's
// maximum.
int MaxDelkaPole(const PoleEditu &Pole);

} // namespace qmr

namespace qmr {

// A label of a detail view with its hint (empty: none).
struct Stitek {
    std::string Text;
    std::string Tip;
    bool operator==(const Stitek &) const = default;
};

// A radio group: its caption, items top to bottom, the selected one (-1 none).
struct SkupinaVoleb {
    std::string Nadpis;
    std::vector<std::string> Polozky;
    int Index = -1;
    bool Viditelny = true;
    bool operator==(const SkupinaVoleb &) const = default;
};

} // namespace qmr
