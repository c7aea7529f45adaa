#pragma once
// The overlay dialog as a modal Qt dialog over TVPrekryv: the sketch is painted from the
// logic's layout (background, panel outline, overlay outline, glass picture, profile
// lines, one black marker per fastening point); each point has its label and field
// around the sketch. Every edit, arrow step and the leaving of a field go to the logic,
// and the view re-reads its state and repaints.
#include "dialogs/options/UPrekryv.h"

#include <QDialog>
#include <QImage>

#include <array>

class QLabel;
class QPushButton;

namespace qmr {

class RozmerPole;

class PrekryvView : public QDialog {
    Q_OBJECT
public:
    // sklo: the glass picture shown in the sketch (the window's apPomRys).
    PrekryvView(TVPrekryv &d, const QImage &sklo, QWidget *parent);

    RozmerPole *Pole(Kotva k) const { return pole_[std::size_t(k)]; }
    QWidget *Skica() const { return skica_; }
    QLabel *Label1() const { return label1_; }
    QLabel *Label2() const { return label2_; }
    QLabel *TextStrana() const { return textStrana_; }
    QPushButton *NicButton() const { return nic_; }
    QPushButton *OKButton() const { return ok_; }
    QPushButton *EscButton() const { return esc_; }

private:
    void Obnov();

    TVPrekryv &d_;
    QWidget *skica_ = nullptr;
    std::array<RozmerPole *, kPocetKotev> pole_{};
    QLabel *label1_ = nullptr;
    QLabel *label2_ = nullptr;
    QLabel *textStrana_ = nullptr;
    QPushButton *nic_ = nullptr;
    QPushButton *ok_ = nullptr;
    QPushButton *esc_ = nullptr;
    bool obnovuji_ = false;
};

// The overlay dialog, modal, over the glass picture obraz (the window's auxiliary picture
// apPomRys, PictureStore::Target::PomRys; a null image shows none). Returns 1 OK
// (overlays, fastening points and PrekryvVybran stored) or 2 Cancel (nothing written).
int SpustPrekryv(Session &s, Messages &m, const QImage &obraz, QWidget *parent);

} // namespace qmr
