#pragma once
// Thin modal view of the stained-glass dialog. Every caption, list, text, picture and
// enabled state comes from the logic object (dialogs/options/UVitraz.h); the view passes
// each click on and re-reads the whole state.
#include "dialogs/options/UVitraz.h"

#include <QDialog>

#include <string>

class QLabel;
class QListWidget;
class QPushButton;

namespace qmr {

class PictureStore;
struct Session;

class VitrazView : public QDialog {
    Q_OBJECT
public:
    VitrazView(TVVitraz &v, QWidget *parent);
    QListWidget *Seznam() const { return seznam_; }
    QLabel *TextVitraze() const { return text_; }
    QLabel *Image1() const { return image1_; }
    QPushButton *OKButton() const { return ok_; }
    QPushButton *NicButton() const { return nic_; }
    QPushButton *EscButton() const { return esc_; }
    // Copies the logic object's state into the widgets.
    void Obnov();

private:
    TVVitraz &v_;
    QListWidget *seznam_ = nullptr;
    QLabel *text_ = nullptr;
    QLabel *image1_ = nullptr;
    QPushButton *ok_ = nullptr;
    QPushButton *nic_ = nullptr;
    QPushButton *esc_ = nullptr;
    std::string cesta_;
    bool plnim_ = false;
};

// The stained-glass dialog, modal: 1 when closed with OK, 7 when the choice was cleared,
// 2 when cancelled (session untouched).
int SpustVitraz(Session &s, const PictureStore &obrazky, QWidget *parent);

} // namespace qmr
