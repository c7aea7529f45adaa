#pragma once
// The order form as a modal Qt dialog bound to TObjed: every text, value, visibility and
// enabled state comes from the logic; the view passes each edit, click and the leaving of
// a field on and re-reads the state.
//
// Leaving the number, date or notes field by Tab, Backtab, a mouse click on another
// control or a shortcut runs its exit handler (the number knows whether the focus goes to
// the print, mail or save button); a focus change made by the program runs none. The
// buttons take no focus on a click: a click first runs the exit handler of the field that
// has the focus, and a refused number or date stops the command. Escape finishes like the
// finish button; the window has no close button. The miniature of the drawing is not
// shown.
#include "gui/documents/FormularView.h"

namespace qmr {

class Clock;
class MailClient;
class Messages;
class TObjed;
class Tiskarna;
struct ObjedAkce;
struct Session;

class ObjedView : public FormularView {
    Q_OBJECT
public:
    ObjedView(TObjed &d, QWidget *parent);

    QGroupBox *DopravaBox() const { return dopravaBox_; }
    QPushButton *UlozButton() const { return uloz_; }

private:
    void ObnovDalsi() override;
    bool TerminOdchod() override;

    TObjed &d_;
    QPushButton *uloz_ = nullptr;
};

// The order form, modally. Members of akce left empty that the program has are filled
// with its dialogs parented to the form: the password guard, the price settings, the
// customer and supplier definitions, the printer set-up (when tisk is given), the
// unsaved-changes test, saving the attachment file through the save dialog and the open
// dialog for an own attachment. Returns 1 when the form was finished. Throws what the
// pricing engine throws at creation (the form then does not open).
int SpustObjednavku(Session &s, Messages &m, const Clock &hodiny, MailClient &mail, Tiskarna *tisk,
                    ObjedAkce akce, QWidget *parent);

} // namespace qmr
