#pragma once
// Message boxes of the application: QMessageBox, modal, always on top, owned by the
// active window.
#include "core/Messages.h"

#include <QMessageBox>

namespace qmr {

class QtMessages : public Messages {
public:
    int Hlaska(const std::string &Nadpis, const std::string &Text, unsigned Flags) override;

    // The box Hlaska shows, not yet executed: caption, text, icon, buttons, default and
    // escape button as Flags say. Escape answers Cancel where there is one, No in a Yes/No
    // box, Abort in an Abort/Retry/Ignore box and OK in an OK box.
    static QMessageBox *VytvorBox(const std::string &Nadpis, const std::string &Text, unsigned Flags,
                                  QWidget *parent);
    // The ID (IDOK, IDYES, ...) of a standard button.
    static int IdTlacitka(QMessageBox::StandardButton b);
};

} // namespace qmr
