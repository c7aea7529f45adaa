#pragma once
// The price settings dialog and the preferences dialog: widgets bound to CenyDef and
// Default. Both are modal; exec() gives QDialog::Accepted when confirmed (the settings
// were written) and QDialog::Rejected otherwise (nothing was written). Every control
// carries its name as objectName ("ProcDPH1", "Doprava1", "Zobraz3", ...).
#include "pricing/UCenyDefDialog.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace qmr {

class Messages;
struct Session;

class CenyDefView : public QDialog {
    Q_OBJECT
public:
    // Loads the settings; throws EConvertError (before anything is shown) when a VAT text
    // in the file is no number. A file that cannot be written at OK is reported through
    // Messages and the dialog stays open.
    CenyDefView(Session &s, Messages &m, QWidget *parent = nullptr);

    // Shows the dialog modally; true when it was confirmed.
    static bool Spust(Session &s, Messages &m, QWidget *parent = nullptr);

    CenyDef &Logika() { return logika_; }
    QPushButton *okButton() const { return ok_; }
    QPushButton *escButton() const { return esc_; }

private:
    void Potvrdit();
    void ObnovOK();

    CenyDef logika_;
    Messages &m_;
    QLineEdit *dph1_ = nullptr;
    QLineEdit *dph2_ = nullptr;
    QButtonGroup *zobraz3_ = nullptr;
    QPushButton *ok_ = nullptr;
    QPushButton *esc_ = nullptr;
};

class DefaultView : public QDialog {
    Q_OBJECT
public:
    DefaultView(Session &s, Messages &m, QWidget *parent = nullptr);

    static bool Spust(Session &s, Messages &m, QWidget *parent = nullptr);

    Default &Logika() { return logika_; }
    QPushButton *okButton() const { return ok_; }
    QPushButton *escButton() const { return esc_; }

private:
    Default logika_;
    Messages &m_;
    QPushButton *ok_ = nullptr;
    QPushButton *esc_ = nullptr;
};

} // namespace qmr
