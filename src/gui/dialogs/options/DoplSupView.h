#pragma once
// Thin modal view of the accessory placement dialog (dialogs/options/UDoplSup.h): the
// sketch is painted from the logic object's geometry, the markers are dragged with the
// mouse, every drag and edit goes to the logic object and the view re-reads its state.
#include "dialogs/options/UDoplSup.h"

#include <QDialog>
#include <QImage>

#include <array>

class QLabel;
class QPushButton;
class QSpinBox;

namespace qmr {

struct Session;

class DoplSupView : public QDialog {
    Q_OBJECT
public:
    // obraz: the main window's drawing (apPicture); skla: its glass picture (apPomRys).
    DoplSupView(TVDoplSup &v, const QImage &obraz, const QImage &skla, QWidget *parent);
    QWidget *Plocha() const { return plocha_; }
    QWidget *Znacka(int i) const { return sloty_[std::size_t(i)].znacka; }
    QLabel *Jmeno(int i) const { return sloty_[std::size_t(i)].jmeno; }
    QSpinBox *Zleva(int i) const { return sloty_[std::size_t(i)].zleva; }
    QSpinBox *Zdola(int i) const { return sloty_[std::size_t(i)].zdola; }
    QLabel *Misto(int i) const { return sloty_[std::size_t(i)].misto; }
    QPushButton *NicButton() const { return nic_; }
    QPushButton *OKButton() const { return ok_; }
    QPushButton *EscButton() const { return esc_; }
    // Copies the logic object's state into the widgets.
    void Obnov();
    // A marker of slot i dragged to the point p (form coordinates).
    void Tahni(int i, QPoint p);

private:
    struct Slot {
        QWidget *znacka = nullptr;
        QLabel *jmeno = nullptr;
        QLabel *popisZleva = nullptr;
        QSpinBox *zleva = nullptr;
        QLabel *popisZdola = nullptr;
        QSpinBox *zdola = nullptr;
        QLabel *misto = nullptr;
    };

    TVDoplSup &v_;
    QWidget *plocha_ = nullptr;
    std::array<Slot, TVDoplSup::kSlotu> sloty_{};
    QPushButton *nic_ = nullptr;
    QPushButton *ok_ = nullptr;
    QPushButton *esc_ = nullptr;
    bool plnim_ = false;
};

// The placement dialog over the drawing obraz (and the glass picture skla of an overlay
// panel), modal: 1 OK (placed flags, positions and SMadlo stored), 2 Cancel (unchanged).
int SpustDoplSup(Session &s, const QImage &obraz, const QImage &skla, QWidget *parent);

} // namespace qmr
