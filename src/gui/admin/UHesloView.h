#pragma once
// The password dialog: modal; exec() gives QDialog::Accepted only when the password was
// accepted, a wrong one or closing the dialog gives QDialog::Rejected.
#include "admin/UHeslo.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace qmr {

struct Session;

class HesloView : public QDialog {
    Q_OBJECT
public:
    explicit HesloView(const Session &s, QWidget *parent = nullptr);

    // The guard: shows the dialog modally; true when the guarded dialog may open.
    static bool Over(const Session &s, QWidget *parent = nullptr);

    QLineEdit *hesloText() const { return edit_; }
    QPushButton *okButton() const { return ok_; }

private:
    Heslo logika_;
    QLineEdit *edit_ = nullptr;
    QPushButton *ok_ = nullptr;
};

} // namespace qmr
