#pragma once
// The dimensions dialog as a modal Qt dialog. Every text, range, check mark, selection and
// enabled state comes from TVRozmer; the view passes each edit, step, click and the
// leaving of a field on and re-reads the whole state.
//
// Leaving a dimension field by Tab, Backtab, a mouse click on another control or a
// shortcut runs its exit handler; a focus change made by the program (the handler putting
// the focus back, a message box taking the window's activation) runs none, so two fields
// cannot keep sending the focus to each other. OK and Cancel take no focus on a click:
// OK first runs the exit handler of the field that has the focus and stays open when that
// puts the focus back (a too short text, or a value outside the range that has just been
// replaced by the limit), so no value outside the range is confirmed unseen; leaving the
// notes by OK gives their warning and confirms. Cancel runs no handler.
#include <QAbstractSpinBox>
#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace qmr {

class Messages;
class TVRozmer;
struct Session;

// An integer spin field whose text and value live in the logic: the arrows, the Up/Down
// keys and the wheel report steps (krok), leaving it by a user action reports opusteno.
// Only digits, signs and blanks can be typed.
class RozmerPole : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit RozmerPole(QWidget *parent);
    void stepBy(int steps) override;
    QValidator::State validate(QString &input, int &pos) const override;
    QString Text() const;
    void NastavText(const QString &t);
    void NastavMaxDelku(int n);
signals:
    void krok(int steps);
    void upraveno(const QString &text);
    void opusteno();

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent *e) override;
};

class RozmerView : public QDialog {
    Q_OBJECT
public:
    RozmerView(TVRozmer &d, QWidget *parent);

    RozmerPole *Sirka() const { return sirka_; }
    RozmerPole *Vyska() const { return vyska_; }
    QLabel *HraniceSirky() const { return hraniceSirky_; }
    QLabel *HraniceVysky() const { return hraniceVysky_; }
    QCheckBox *CheckBoxZ() const { return checkBoxZ_; }
    QListWidget *ListZesil() const { return listZesil_; }
    QPlainTextEdit *Poznamky() const { return poznamky_; }
    QPushButton *OKButton() const { return ok_; }
    QPushButton *ZrusitButton() const { return zrusit_; }

    void done(int r) override;

protected:
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void Obnov();
    void Opusteno(RozmerPole *pole);
    void OKClick();

    TVRozmer &d_;
    RozmerPole *sirka_ = nullptr;
    RozmerPole *vyska_ = nullptr;
    QLabel *hraniceSirky_ = nullptr;
    QLabel *hraniceVysky_ = nullptr;
    QCheckBox *checkBoxZ_ = nullptr;
    QLabel *labelZ_ = nullptr;
    QLabel *labelU_ = nullptr;
    QListWidget *listZesil_ = nullptr;
    QPlainTextEdit *poznamky_ = nullptr;
    QPushButton *ok_ = nullptr;
    QPushButton *zrusit_ = nullptr;
    bool obnovuji_ = false; // widgets being set from the logic: their signals are no user action
    bool vExitu_ = false;   // an exit handler is running
    bool zavreno_ = false;  // closing: no more handlers
};

// The dimensions dialog: shows TVRozmer modally and returns its result (1 OK, 2 Cancel).
int SpustRozmer(Session &s, Messages &m, QWidget *parent);

} // namespace qmr
