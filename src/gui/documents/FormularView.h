#pragma once
// What the views of the quote form and the order form share: the widgets both show, their
// binding to TFormular, the exits of the number, date and notes fields before a command,
// Escape and closing, and the filling of the services both forms reach.
//
// A derived view builds its form from the pieces below in the order of the form (the
// order of creation is the tab order), adds its own widgets and connections, and ends
// with Dokonci().
#include "documents/Formulare.h"

#include <QDialog>
#include <QPointer>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QAction;
class QButtonGroup;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

namespace qmr {

class Clock;
class Messages;
class TFormular;
class Tiskarna;
struct AkceFormulare;
struct Session;

class FormularView : public QDialog {
    Q_OBJECT
public:
    QLineEdit *Cislo() const { return cislo_; }
    QLineEdit *Termin() const { return termin_; }
    QSpinBox *Pocet() const { return pocet_; }
    QLabel *TxLine2() const { return txLine2_; }
    QListWidget *Radky1() const { return radky1_; }
    QListWidget *Radky2() const { return radky2_; }
    QPlainTextEdit *Poznamky() const { return poznamky_; }
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
    FormularView(TFormular &d, QWidget *parent);

    // ---- Pieces of the form, top to bottom -------------------------------------------
    // The settings menu; returns the form's layout.
    QVBoxLayout *Zacni();
    // Number and date; the caller adds the rest of the row and its stretch.
    QHBoxLayout *RadekCisla(const char *txObjed);
    // The quantity row: line1, the quantity, line2 (set by ObnovDalsi when null).
    void RadekPoctu(QVBoxLayout *l, const char *line1, const char *line2);
    // The lines of the job; the gateway's notice stands in place of the values.
    void RadkyZakazky(QVBoxLayout *l);
    void PolePoznamek(QVBoxLayout *l);
    // The transport box and the price line at the end of row v.
    void DopravaACena(QHBoxLayout *v);
    // Signature and the buttons; navic (when given) stands between the mail and the
    // finish button, with its focus target navicCil. Returns navic's button.
    QPushButton *RadekPodpisu(QVBoxLayout *l, const char *navic = nullptr, const char *navicJmeno = nullptr,
                              CilFokusu navicCil = CilFokusu::Jinam);
    // The connections of the shared widgets, the repaint hook, the first Obnov, size
    // and placement.
    void Dokonci();

    // A button's command: the exit of the focused field first; then f and Obnov.
    std::function<void()> Tlacitko(CilFokusu cil, std::function<void()> f);
    // A menu command: f and Obnov.
    std::function<void()> Prikaz(std::function<void()> f);

    // Re-reads the whole state of the logic.
    void Obnov();
    // The form's own widgets in Obnov.
    virtual void ObnovDalsi() = 0;
    // The exit of the date field; true when the focus goes back to it.
    virtual bool TerminOdchod() = 0;

    bool eventFilter(QObject *o, QEvent *e) override;

    bool obnovuji_ = false; // widgets being set from the logic
    QGroupBox *dopravaBox_ = nullptr;

private:
    // Exit handler of the field that has the focus before a button acts; false when the
    // number or the date was refused.
    bool PredAkci(CilFokusu cil);
    void Konec();
    CilFokusu CilTlacitka(const QWidget *w) const;

    TFormular &d_;
    QLineEdit *cislo_ = nullptr;
    QLineEdit *termin_ = nullptr;
    QSpinBox *pocet_ = nullptr;
    QLabel *txLine2_ = nullptr;
    QListWidget *radky1_ = nullptr;
    QListWidget *radky2_ = nullptr;
    QPlainTextEdit *poznamky_ = nullptr;
    QButtonGroup *doprava_ = nullptr;
    QLabel *txCena_ = nullptr;
    QLineEdit *podpis_ = nullptr;
    QLabel *oznameni_ = nullptr;
    QPushButton *tisk_ = nullptr;
    QPushButton *mail_ = nullptr;
    QPushButton *konec_ = nullptr;
    QAction *definiceCen_ = nullptr;
    QAction *definiceOdb_ = nullptr;
    QAction *definiceDod_ = nullptr;
    QAction *nastavTisk_ = nullptr;
    QAction *tiskni_ = nullptr;
    std::vector<std::pair<const QWidget *, CilFokusu>> cile_; // buttons that demand the number
    bool vExitu_ = false;   // an exit handler or command is running
    bool zavreno_ = false;
};

// The parent of a form's own dialogs: the form once it runs, before that parent.
class RodicFormulare {
public:
    explicit RodicFormulare(QWidget *parent);
    QWidget *operator()() const;
    void Nastav(QWidget *okno) const;

private:
    std::shared_ptr<QPointer<QWidget>> okno_;
    QWidget *parent_;
};

// The members of akce left empty that the program has, as both forms fill them: the
// password guard, the price settings, the printer set-up (when tisk is given) and saving
// the job through the save dialog (priloha: as the attachment file).
void DoplnAkce(AkceFormulare &akce, Session &s, Messages &m, const Clock &hodiny, Tiskarna *tisk,
               const RodicFormulare &rodic, bool priloha);

// Runs the form modally: its result, a dialog closed without one as Cancel.
int SpustFormular(FormularView &v, const RodicFormulare &rodic);

} // namespace qmr
