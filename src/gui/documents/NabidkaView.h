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
#include <QDialog>

class QAction;
class QButtonGroup;
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
class TNabidka;
class Tiskarna;
struct NabidkaAkce;
struct Session;

class NabidkaView : public QDialog {
    Q_OBJECT
public:
    NabidkaView(TNabidka &d, QWidget *parent);

    QLineEdit *Cislo() const { return cislo_; }
    QLineEdit *Termin() const { return termin_; }
    QSpinBox *Platnost() const { return platnost_; }
    QSpinBox *Pocet() const { return pocet_; }
    QLabel *TxLine2() const { return txLine2_; }
    QListWidget *Radky1() const { return radky1_; }
    QListWidget *Radky2() const { return radky2_; }
    QPlainTextEdit *Poznamky() const { return poznamky_; }
    QButtonGroup *Verze() const { return verze_; }
    QButtonGroup *Doprava() const { return doprava_; }
    QLabel *TxCena() const { return txCena_; }
    QLineEdit *Podpis() const { return podpis_; }
    QLabel *Oznameni() const { return oznameni_; }
    QPushButton *TiskButton() const { return tisk_; }
    QPushButton *MailButton() const { return mail_; }
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
    // number was refused.
    bool PredAkci(int cil);
    void Konec();

    TNabidka &d_;
    QLineEdit *cislo_ = nullptr;
    QLineEdit *termin_ = nullptr;
    QSpinBox *platnost_ = nullptr;
    QSpinBox *pocet_ = nullptr;
    QLabel *txLine2_ = nullptr;
    QListWidget *radky1_ = nullptr;
    QListWidget *radky2_ = nullptr;
    QPlainTextEdit *poznamky_ = nullptr;
    QButtonGroup *verze_ = nullptr;
    QButtonGroup *doprava_ = nullptr;
    QLabel *txCena_ = nullptr;
    QLineEdit *podpis_ = nullptr;
    QLabel *oznameni_ = nullptr;
    QPushButton *tisk_ = nullptr;
    QPushButton *mail_ = nullptr;
    QPushButton *konec_ = nullptr;
    QAction *definiceCen_ = nullptr;
    bool obnovuji_ = false; // widgets being set from the logic
    bool vExitu_ = false;   // an exit handler or command is running
    bool zavreno_ = false;
};

// The quote form, modally. Members of akce left empty that the program has are filled
// with its dialogs parented to the form: the password guard, the price settings, the
// printer set-up (when tisk is given) and saving the job through the save dialog.
// Returns 1 when the form was finished. Throws what the pricing engine throws at
// creation (the form then does not open).
int SpustNabidku(Session &s, Messages &m, const Clock &hodiny, MailClient &mail, Tiskarna *tisk,
                 NabidkaAkce akce, QWidget *parent);

} // namespace qmr
