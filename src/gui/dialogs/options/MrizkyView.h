#pragma once
// Thin modal view of the muntin dialog. Every caption, list, width, picture and enabled
// state comes from the logic object (dialogs/options/UMrizky.h); the view passes each
// click on and re-reads the whole state.
#include "dialogs/options/UMrizky.h"

#include <QDialog>

#include <string>
#include <vector>

class QGridLayout;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace qmr {

class PictureStore;
struct Session;

class MrizkyView : public QDialog {
    Q_OBJECT
public:
    MrizkyView(TVMrizky &v, QWidget *parent);
    QListWidget *Seznam() const { return seznam_; }
    QLabel *Image1() const { return image1_; }
    QGroupBox *Sirka() const { return sirka_; }
    // The width items in the order of TVMrizky::Sirka().
    const std::vector<QRadioButton *> &Sirky() const { return sirky_; }
    QLabel *Label1() const { return label1_; }
    QPushButton *OKButton() const { return ok_; }
    QPushButton *NicButton() const { return nic_; }
    QPushButton *EscButton() const { return esc_; }
    // Copies the logic object's state into the widgets.
    void Obnov();

private:
    TVMrizky &v_;
    QListWidget *seznam_ = nullptr;
    QLabel *image1_ = nullptr;
    QGroupBox *sirka_ = nullptr;
    QGridLayout *mrizka_ = nullptr;
    std::vector<QRadioButton *> sirky_;
    std::vector<std::string> texty_; // items of the radio buttons
    QLabel *label1_ = nullptr;
    QPushButton *ok_ = nullptr;
    QPushButton *nic_ = nullptr;
    QPushButton *esc_ = nullptr;
    std::string cesta_;
    bool plnim_ = false;
};

// The muntin dialog, modal: 1 when closed with OK, 7 when the choice was cleared, 2 when
// cancelled (session untouched).
int SpustMrizky(Session &s, const PictureStore &obrazky, QWidget *parent);

} // namespace qmr
