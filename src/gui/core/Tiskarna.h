#pragma once
// The application's printer: one QPrinter for the whole run, set to A4, full page and no
// margins (the printouts place everything in millimetres from the page corner). The
// printer set-up command changes it; the printing reuses it.
#include <QPrinter>

class QWidget;

namespace qmr {

class Tiskarna {
public:
    Tiskarna();
    Tiskarna(const Tiskarna &) = delete;
    Tiskarna &operator=(const Tiskarna &) = delete;

    QPrinter &Printer() { return printer_; }

    // The printer set-up dialog (printer, paper, orientation). True when the user
    // confirmed it; the page stays full and without margins either way.
    bool NastavTisk(QWidget *parent);

    // Full page and zero margins again, keeping the chosen paper and orientation.
    void CelaStrana();

private:
    QPrinter printer_;
};

} // namespace qmr
