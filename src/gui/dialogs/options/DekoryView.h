#pragma once
// Thin modal view of the glass dialog. Every caption, list, picture, visibility and
// enabled state comes from the logic object (dialogs/options/UDekory.h); the view passes
// each click on and re-reads the whole state. Once on the screen it runs the dialog's
// activation (its warning and automatic choices).
#include "dialogs/options/UDekory.h"

#include <QDialog>

#include <array>
#include <string>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QShowEvent;

namespace qmr {

class Messages;
class PictureStore;
struct Session;

class DekoryView : public QDialog {
    Q_OBJECT
public:
    DekoryView(TVDekory &v, QWidget *parent);
    QFrame *Panel(Tabule t) const { return pole(t).panel; }
    QLabel *Nadpis(Tabule t) const { return pole(t).nadpis; }
    QListWidget *Seznam(Tabule t) const { return pole(t).seznam; }
    QLabel *Vzorek(Tabule t) const { return pole(t).vzorek; }
    QPushButton *OKButton() const { return ok_; }
    QPushButton *EscButton() const { return esc_; }
    // The activation has run (it follows the first show).
    bool Aktivovan() const { return v_.Aktivovan(); }
    // Copies the logic object's state into the widgets.
    void Obnov();

protected:
    void showEvent(QShowEvent *e) override;

private:
    struct Pole {
        QFrame *panel = nullptr;
        QLabel *nadpis = nullptr;
        QListWidget *seznam = nullptr;
        QLabel *vzorek = nullptr;
        std::string cesta; // picture shown
    };
    Pole &pole(Tabule t) { return pole_[std::size_t(t)]; }
    const Pole &pole(Tabule t) const { return pole_[std::size_t(t)]; }
    void vytvor(Tabule t);

    TVDekory &v_;
    std::array<Pole, 4> pole_;
    QPushButton *ok_ = nullptr;
    QPushButton *esc_ = nullptr;
    bool plnim_ = false;
};

// The glass dialog, modal: 1 when closed with OK (the dialog decides what it stored),
// 2 when cancelled (session untouched).
int SpustDekory(Session &s, Messages &m, const PictureStore &obrazky, QWidget *parent);

} // namespace qmr
