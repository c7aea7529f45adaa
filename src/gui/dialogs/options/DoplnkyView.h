#pragma once
// Thin modal view of the accessories dialog (dialogs/options/UDoplnky.h): every caption,
// check mark, picture, visibility and enabled state comes from the logic object; the
// view passes each click, check and edit on and re-reads the whole state.
#include "dialogs/options/UDoplnky.h"

#include <QDialog>

#include <array>
#include <string>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace qmr {

class Messages;
class PictureStore;
struct Session;

class DoplnkyView : public QDialog {
    Q_OBJECT
public:
    DoplnkyView(TVDoplnky &v, QWidget *parent);
    QListWidget *Seznam() const { return seznam_; }
    QLabel *Image1() const { return image1_; }
    QLabel *Jmeno(int i) const { return sloty_[std::size_t(i)].jmeno; }
    QCheckBox *Montaz(int i) const { return sloty_[std::size_t(i)].montaz; }
    QSpinBox *Pocet(int i) const { return sloty_[std::size_t(i)].pocet; }
    QSpinBox *Tloustka(int i) const { return sloty_[std::size_t(i)].tloustka; }
    QLabel *Label5() const { return label5_; }
    QPushButton *NicButton() const { return nic_; }
    QPushButton *OKButton() const { return ok_; }
    QPushButton *EscButton() const { return esc_; }
    // Copies the logic object's state into the widgets.
    void Obnov();

private:
    struct Slot {
        QLabel *jmeno = nullptr;
        QCheckBox *montaz = nullptr;
        QSpinBox *pocet = nullptr;
        QSpinBox *tloustka = nullptr;
    };
    void poleOpusteno(int i);

    TVDoplnky &v_;
    QListWidget *seznam_ = nullptr;
    QLabel *image1_ = nullptr;
    std::array<Slot, TVDoplnky::kSlotu> sloty_{};
    QLabel *label5_ = nullptr;
    QPushButton *nic_ = nullptr;
    QPushButton *ok_ = nullptr;
    QPushButton *esc_ = nullptr;
    std::string cesta_; // picture shown
    bool plnim_ = false;
};

// The accessories dialog, modal: 1 OK (the slots stored when slot 1 holds an accessory),
// 7 after "Skasowań selekcję" (the session's slots emptied), 2 Cancel (session untouched).
int SpustDoplnky(Session &s, Messages &m, const PictureStore &obrazky, QWidget *parent);

} // namespace qmr
