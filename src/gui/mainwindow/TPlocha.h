#pragma once
// The client area of the main window: its background, the drawing of the panel
// (HlavniRys, PomRys) and the shapes laid over it (Rantl, Prekryv, Zakryt, the line marks
// and the accessory marks). The panels with the buttons and labels are child widgets
// above it, as the shapes of the drawing lie below the panels.
#include "mainwindow/UGrafika.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>

namespace qmr {

// Everything the drawing shows; compared as a whole so that a refresh that changes
// nothing does not repaint.
struct Kresba {
    QImage HlavniRysObraz;
    Tvar HlavniRys;
    QImage PomRysObraz;
    Tvar PomRys;
    Tvar Rantl;
    bool RantlTeckovany = false; // black and dotted (overlay chosen) instead of red
    Tvar Prekryv;
    Tvar Zakryt;
    std::array<Tvar, 6> PH{};
    std::array<Tvar, 6> PV{};
    std::array<Tvar, 4> Shape{};
    std::array<Tvar, 4> MShape{};
    std::array<Tvar, 4> SShape{};
    // Hidden shapes of the form: PH7, PH8, PV7, PVLe, PVPr, PHSp, PHho are never shown
    // and therefore not kept here.

    bool operator==(const Kresba &o) const;
};

class TPlocha : public QWidget {
    Q_OBJECT
public:
    explicit TPlocha(QWidget *parent = nullptr);

    // Takes the new drawing; repaints only when something differs.
    void Nastav(const Kresba &k);
    const Kresba &kresba() const { return k_; }

    // Called at the start of every paint (the main window binds its refresh to it).
    std::function<void()> priKresleni;
    // Mouse press in the area's coordinates.
    std::function<void(QPoint)> priStisku;

    // Colours of the accessory marks 1-4: aqua, fuchsia, yellow, lime.
    static QColor BarvaZnacky(int i);

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;

private:
    Kresba k_;
};

} // namespace qmr
