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
#include <QDialog>

class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace qmr {

class Clock;
class MailClient;
class Messages;
class TObjed;
class Tiskarna;
struct ObjedAkce;
struct Session;

class ObjedView : public QDialog {
    Q_OBJECT
public:
    ObjedView(TObjed &d, QWidget *parent);

    QLineEdit *Cislo() const { return cislo_; }
    QLineEdit *Termin() const { return termin_; }
    QSpinBox *Pocet() const { return pocet_; }
    QLabel *TxLine2() const { return txLine2_; }
    QListWidget *Radky1() const { return radky1_; }
    QListWidget *Radky2() const { return radky2_; }
    QPlainTextEdit *Poznamky() const { return poznamky_; }
    QGroupBox *DopravaBox() const { return dopravaBox_; }
    QButtonGroup *Doprava() const { return doprava_; }
    QLabel *TxCena() const { return txCena_; }
    QLineEdit *Podpis() const { return podpis_; }
    QLabel *Oznameni() const { return oznameni_; }
    QPushButton *TiskButton() const { return tisk_; }
    QPushButton *MailButton() const { return mail_; }
    QPushButton *UlozButton() const { return uloz_; }
    QPushButton *KonecButton() const { return konec_; }
    QAction *DefiniceCen() const { return definiceCen_; }

    void done(int r) override;
    // Escape: the finish button.
    void reject() override;

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void Obnov();
    // Exit handler of the field that has the focus before a button acts; false when the
    // number or the date was refused.
    bool PredAkci(int cil);
    void Konec();

    TObjed &d_;
    QLineEdit *cislo_ = nullptr;
    QLineEdit *termin_ = nullptr;
    QSpinBox *pocet_ = nullptr;
    QLabel *txLine2_ = nullptr;
    QListWidget *radky1_ = nullptr;
    QListWidget *radky2_ = nullptr;
    QPlainTextEdit *poznamky_ = nullptr;
    QGroupBox *dopravaBox_ = nullptr;
    QButtonGroup *doprava_ = nullptr;
    QLabel *txCena_ = nullptr;
    QLineEdit *podpis_ = nullptr;
    QLabel *oznameni_ = nullptr;
    QPushButton *tisk_ = nullptr;
    QPushButton *mail_ = nullptr;
    QPushButton *uloz_ = nullptr;
    QPushButton *konec_ = nullptr;
    QAction *definiceCen_ = nullptr;
    bool obnovuji_ = false; // widgets being set from the logic
    bool vExitu_ = false;   // an exit handler or command is running
    bool zavreno_ = false;
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
