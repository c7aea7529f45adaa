#pragma once
// The dialogs the main window opens, each behind a function that shows it modally and
// returns its modal result (1 OK, 2 Cancel, 6 Yes, 7 No; anything but 2 counts as
// confirmed). An empty function is a dialog the program does not have yet: its command
// keeps its enabling rule and opens nothing. Tests put in fakes that answer at once.
#include <functional>
#include <memory>

class QWidget;

namespace qmr {

class DialogRunner;
class Clock;
class Messages;
class PictureStore;
class Tiskarna;
struct Session;

struct VolbaDialogy {
    using Dialog = std::function<int()>;

    // Start flow: the dialogs of the start flow (type, infill selection with its option
    // dialogs, glazing format, execution variant). Without it the flow shows Typ,
    // Format and Varianta instead, each as a plain dialog.
    std::shared_ptr<DialogRunner> Okna;
    Dialog Typ;          // infill-type dialog
    Dialog Format;       // glazing format
    Dialog Varianta;     // execution variant
    // Option commands.
    Dialog Barvy;        // colours
    Dialog Rozmer;       // dimensions
    Dialog PrekrSpec;    // overlay dimensions, one-sided overlay
    Dialog Prekr2Spec;   // overlay dimensions, two-sided overlay (shown per side, SStrana)
    Dialog Prekryv;      // overlay fastening
    Dialog Vyztuz;       // reinforcement
    Dialog Vitraz;       // stained glass
    Dialog Dekory;       // glass panes
    Dialog Mrizky;       // muntin
    Dialog Doplnky;      // accessories
    Dialog DoplSup;      // accessory placement
    Dialog Poznamky;     // notes
    Dialog BarvaRamu;    // frame colour of side StranaR
    Dialog Objednavka;   // order form
    Dialog Nabidka;      // quote form
    // Settings and help.
    Dialog Heslo;        // password guard (only while apHeslo)
    Dialog CenyDef;      // price settings
    Dialog Predvolby;    // preferences (its menu item is disabled)
    Dialog Odberatel;    // customer definition
    Dialog SeznamFirem;  // customer list (while apVyberOdb)
    Dialog Dodavatel;    // supplier definition
    Dialog Prepocet;     // price recalculation tool
    Dialog NastavTisk;   // printer set-up
    std::function<void()> Oprogramu; // about box, modeless
};

// The dialogs the program has, parented to the main window okno; pictures (colour
// swatches) come from obrazky.
VolbaDialogy StandardniDialogy(Session &s, Messages &m, Tiskarna &tisk, const PictureStore &obrazky,
                               const Clock &hodiny, QWidget *okno);

} // namespace qmr
