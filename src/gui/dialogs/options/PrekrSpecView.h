#pragma once
// The overlay dimensions dialogs as a modal Qt dialog over TSpecPrekryvu (one-sided
// TPrekrSpec or one pass of TPrekr2spec): one block per section with its heading, rows
// of letter, text and value, and the section's picture beside it. Every text, value,
// range, selection and enabled state comes from the logic; the view passes each edit,
// arrow step, the leaving of a field and a click in the thickness list on, and re-reads
// the whole state. OK confirms (the logic clamps every field first); Cancel, Esc and
// the window's close button write nothing.
#include "dialogs/options/UPrekrSpec.h"

#include <QDialog>

#include <array>

class QLabel;
class QListWidget;
class QPushButton;

namespace qmr {

class RozmerPole;

class PrekrSpecView : public QDialog {
    Q_OBJECT
public:
    PrekrSpecView(TSpecPrekryvu &d, QWidget *parent);

    // The field p (nullptr when the dialog has no row for it).
    RozmerPole *Pole(PoleSpec p) const { return pole_[std::size_t(p)]; }
    QLabel *CSirka() const { return cSirka_; }
    QLabel *CVyska() const { return cVyska_; }
    QListWidget *ListZesil() const { return listZesil_; }
    QPushButton *OKButton() const { return ok_; }
    QPushButton *EscButton() const { return esc_; }

private:
    void Obnov();

    TSpecPrekryvu &d_;
    std::array<RozmerPole *, kPocetPoliSpec> pole_{};
    QLabel *cSirka_ = nullptr;
    QLabel *cVyska_ = nullptr;
    QListWidget *listZesil_ = nullptr;
    QPushButton *ok_ = nullptr;
    QPushButton *esc_ = nullptr;
    bool obnovuji_ = false;
};

// The specification the session asks for, modal: TPrekrSpec for a panel overlaid on one
// side (SPrekryv <= 1), otherwise the pass of TPrekr2spec that SStrana names (2 heights,
// else widths). Returns 1 OK (stored) or 2 Cancel (nothing written).
int SpustPrekrSpec(Session &s, Messages &m, QWidget *parent);

} // namespace qmr
