#pragma once
// The price recalculation dialog: a thin view over TFKoef. Modal; the run button works
// only once per opening, and the dialog cannot be closed while a run is in progress.
#include "admin/UKoef.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace qmr {

class KoefView : public QDialog {
    Q_OBJECT
public:
    KoefView(TFKoef &logika, QWidget *parent = nullptr);

    QLineEdit *heslo() const { return heslo_; }
    QLineEdit *koef() const { return koef_; }
    const std::vector<QRadioButton *> &zaokrouhlit() const { return zaokrouhlit_; }
    QPushButton *preButton() const { return pre_; }
    QPushButton *konecButton() const { return konec_; }
    QProgressBar *pruh() const { return pruh_; }

    // The form's background for a state of TFKoef.
    static QColor BarvaFormulare(TFKoef::Barva b, const QPalette &p);

public slots:
    void reject() override; // ignored while a run is in progress

private:
    void Obnov(); // copies the whole state of the logic into the widgets

    TFKoef &v_;
    QLineEdit *heslo_ = nullptr;
    QLineEdit *koef_ = nullptr;
    std::vector<QRadioButton *> zaokrouhlit_;
    QPushButton *pre_ = nullptr;
    QPushButton *konec_ = nullptr;
    QProgressBar *pruh_ = nullptr;
    QColor info_;
};

// Shows the dialog modally. kVysledekOK when the catalogue was recalculated (wholly or
// in part: the caller re-reads what it shows from it), kVysledekZrusit otherwise.
int SpustKoef(Session &s, Messages &m, QWidget *parent);

} // namespace qmr
