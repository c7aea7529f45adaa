#pragma once
// Thin modal view of the notes dialog (dialogs/options/UPoznamky.h).
#include "dialogs/options/UPoznamky.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace qmr {

class Messages;
struct Session;

class PoznamkyView : public QDialog {
    Q_OBJECT
public:
    PoznamkyView(TVPoznamky &v, QWidget *parent);
    QPlainTextEdit *Poznamky() const { return poznamky_; }
    QPushButton *OKButton() const { return ok_; }
    QPushButton *EscButton() const { return esc_; }

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    TVPoznamky &v_;
    QPlainTextEdit *poznamky_ = nullptr;
    QPushButton *ok_ = nullptr;
    QPushButton *esc_ = nullptr;
    bool zavreno_ = false;
};

// The notes dialog, modal: 1 OK (SPoznamky replaced by every line), 2 Cancel (unchanged).
int SpustPoznamky(Session &s, Messages &m, QWidget *parent);

} // namespace qmr
