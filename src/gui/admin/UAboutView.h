#pragma once
// The about box: modeless, deletes itself when closed.
#include "admin/UAbout.h"

#include <QDialog>
#include <QString>

class QPushButton;

namespace qmr {

class Messages;
struct Session;

class AboutView : public QDialog {
    Q_OBJECT
public:
    explicit AboutView(const Session &s, QWidget *parent = nullptr);

    // Creates the box and shows it without blocking; keep the pointer in a QPointer (it
    // becomes null when the box is closed). A logo that cannot be loaded is reported
    // through Messages and the box shows its texts without it.
    static AboutView *Ukaz(const Session &s, Messages &m, QWidget *parent = nullptr);

    // The text of the logo's loading failure; empty when the logo was loaded.
    const QString &ChybaLoga() const { return chybaLoga_; }
    QPushButton *okButton() const { return ok_; }

private:
    QString chybaLoga_;
    QPushButton *ok_ = nullptr;
};

} // namespace qmr
