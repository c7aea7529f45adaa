#pragma once
// Thin modal views of the colour dialogs. Every caption, list, picture, visibility and
// enabled state comes from the logic objects (dialogs/options/UBarva.h, UBarvaR.h); a
// view passes each click and edit on and re-reads the whole state.
#include "dialogs/options/UBarva.h"

#include <QDialog>

#include <array>
#include <string>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qmr {

class PictureStore;
class TVBarvaR;
struct Session;

class BarvaView : public QDialog {
    Q_OBJECT
public:
    BarvaView(TVBarva &v, QWidget *parent);
    QFrame *Panel(StranaBarvy strana) const { return pole(strana).panel; }
    QLabel *Nadpis(StranaBarvy strana) const { return pole(strana).nadpis; }
    QListWidget *Seznam(StranaBarvy strana) const { return pole(strana).seznam; }
    QLabel *Vzorek(StranaBarvy strana) const { return pole(strana).vzorek; }
    QLabel *PopisRAL(StranaBarvy strana) const { return pole(strana).popisRAL; }
    QLineEdit *RAL(StranaBarvy strana) const { return pole(strana).ral; }
    QLabel *Image4() const { return image4_; }
    QPushButton *OKButton() const { return ok_; }
    QPushButton *EscButton() const { return esc_; }
    // Copies the logic object's state into the widgets.
    void Obnov();

private:
    struct Pole {
        QFrame *panel = nullptr;
        QLabel *nadpis = nullptr;
        QListWidget *seznam = nullptr;
        QLabel *vzorek = nullptr;
        QLabel *popisRAL = nullptr;
        QLineEdit *ral = nullptr;
        std::string cesta; // swatch shown
    };
    Pole &pole(StranaBarvy strana);
    const Pole &pole(StranaBarvy strana) const;
    void vytvor(StranaBarvy strana);

    TVBarva &v_;
    std::array<Pole, 3> pole_;
    QLabel *image4_ = nullptr;
    QPushButton *ok_ = nullptr;
    QPushButton *esc_ = nullptr;
    bool plnim_ = false;
};

class BarvaRView : public QDialog {
    Q_OBJECT
public:
    BarvaRView(TVBarvaR &v, QWidget *parent);
    QLabel *Label1() const { return label1_; }
    QListWidget *Seznam() const { return seznam_; }
    QLabel *Image1() const { return image1_; }
    QPushButton *OKButton() const { return ok_; }
    void Obnov();

private:
    TVBarvaR &v_;
    QLabel *label1_ = nullptr;
    QListWidget *seznam_ = nullptr;
    QLabel *image1_ = nullptr;
    QPushButton *ok_ = nullptr;
    std::string cesta_;
    bool plnim_ = false;
};

// The infill colours dialog, modal: 1 when confirmed, 2 when cancelled (session untouched).
int SpustBarvy(Session &s, const PictureStore &obrazky, QWidget *parent);

// The frame colour dialog for side s.StranaR, modal: 1 when confirmed (PBarva1 or
// PBarva2 holds the colour), 2 when closed without a choice.
int SpustBarvuRamu(Session &s, const PictureStore &obrazky, QWidget *parent);

} // namespace qmr
