#pragma once
// The quote form as a modal Qt dialog bound to TNabidka: every text, value, visibility
// and enabled state comes from the logic; the view passes each edit, click and the
// leaving of a field on and re-reads the state.
//
// Leaving the number, date or notes field by Tab, Backtab, a mouse click on another
// control or a shortcut runs its exit handler (the number knows whether the focus goes to
// the print or mail button); a focus change made by the program runs none. The buttons
// take no focus on a click: a click first runs the exit handler of the field that has
// the focus, and a refused number stops the print or mail. Escape finishes like the
// finish button; the window has no close button. The miniature of the drawing is not
// shown.
#include "gui/documents/FormularView.h"

namespace qmr {

class Clock;
class MailClient;
class Messages;
class TNabidka;
class Tiskarna;
struct NabidkaAkce;
struct Session;

class NabidkaView : public FormularView {
    Q_OBJECT
public:
    NabidkaView(TNabidka &d, QWidget *parent);

    QSpinBox *Platnost() const { return platnost_; }
    QButtonGroup *Verze() const { return verze_; }

private:
    void ObnovDalsi() override;
    bool TerminOdchod() override;

    TNabidka &d_;
    QSpinBox *platnost_ = nullptr;
    QButtonGroup *verze_ = nullptr;
};

// The quote form, modally. Members of akce left empty that the program has are filled
// with its dialogs parented to the form: the password guard, the price settings, the
// printer set-up (when tisk is given) and saving the job through the save dialog.
// Returns 1 when the form was finished. Throws what the pricing engine throws at
// creation (the form then does not open).
int SpustNabidku(Session &s, Messages &m, const Clock &hodiny, MailClient &mail, Tiskarna *tisk,
                 NabidkaAkce akce, QWidget *parent);

} // namespace qmr
