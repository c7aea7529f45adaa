#pragma once
// Thin modal views of the start-flow dialogs. Every caption, picture, check mark,
// visibility and enabled state comes from the logic object (dialogs/infill); a view
// passes each user action on, re-reads the state and closes with the result the action
// returns. Esc or closing the window gives 2 and calls nothing.
#include "dialogs/infill/Ovladace.h"

#include <QDialog>
#include <QLabel>

#include <array>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace qmr {

class TVTyp;
class TVVypln;
class TVFormat;
class TVOPrava;
class TVOVolba;
class TVVyztuz;

// A picture that reports clicks and can carry the red mark of the picked picture.
class ObrazekView : public QLabel {
    Q_OBJECT
public:
    ObrazekView(QWidget *parent, int sirka, int vyska);
    // Shows o (a missing file shows nothing).
    void Nastav(const Obrazek &o);
    void Oznac(bool oznaceny);
    bool Oznaceny() const { return oznaceny_; }
signals:
    void klik();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    std::string cesta_;
    bool povoleny_ = false;
    bool oznaceny_ = false;
};

class TypView : public QDialog {
    Q_OBJECT
public:
    TypView(TVTyp &typ, QWidget *parent);
    // The family buttons in the order of TVTyp::Tlacitka().
    const std::vector<QPushButton *> &Tlacitka() const { return tlacitka_; }
    QPushButton *ZrusitButton() const { return zrusit_; }

private:
    std::vector<QPushButton *> tlacitka_;
    QPushButton *zrusit_ = nullptr;
};

class VyplnView : public QDialog {
    Q_OBJECT
public:
    VyplnView(TVVypln &v, QWidget *parent);
    QListWidget *Seznam() const { return seznam_; }
    ObrazekView *Image(int i) const { return obr_[i - 1]; }
    QLabel *LF(int i) const { return lf_[i - 1]; }
    QRadioButton *Volitko(int i) const;
    QCheckBox *CheckBox1() const { return cb1_; }
    QCheckBox *CheckBox2() const { return cb2_; }
    QCheckBox *Ram1AK() const { return r1AK_; }
    QRadioButton *Prekryv(int i) const;
    QPushButton *OKButton() const { return ok_; }
    QPushButton *ZrusitButton() const { return zrusit_; }
    // Copies the logic object's state into the widgets.
    void Obnov();

private:
    void stavVolitka();
    void rozloz();
    TVVypln &v_;
    QListWidget *seznam_ = nullptr;
    std::array<ObrazekView *, 3> obr_{};
    std::array<QLabel *, 3> lf_{};
    QGroupBox *volitkoBox_ = nullptr;
    std::vector<QRadioButton *> volitko_;
    QCheckBox *cb1_ = nullptr, *cb2_ = nullptr;
    QCheckBox *r1AK_ = nullptr, *r2AK_ = nullptr, *r1KK_ = nullptr, *r2KK_ = nullptr;
    QGroupBox *prekryvBox_ = nullptr;
    std::array<QRadioButton *, 3> prekryv_{};
    QPushButton *ok_ = nullptr;
    QPushButton *zrusit_ = nullptr;
    bool plnim_ = false;
};

class FormatView : public QDialog {
    Q_OBJECT
public:
    FormatView(TVFormat &f, QWidget *parent);
    ObrazekView *Image(int s) const { return obr_[s]; }
    QPushButton *ZrusitButton() const { return zrusit_; }

private:
    std::array<ObrazekView *, 7> obr_{};
    QPushButton *zrusit_ = nullptr;
};

class PravaView : public QDialog {
    Q_OBJECT
public:
    PravaView(TVOPrava &p, QWidget *parent);
    ObrazekView *Image(int i) const { return obr_[i - 1]; }
    QPushButton *ZrusitButton() const { return zrusit_; }

private:
    std::array<ObrazekView *, 2> obr_{};
    QPushButton *zrusit_ = nullptr;
};

// The frame, decorative muntin, strip and groove type dialogs.
class VolbaView : public QDialog {
    Q_OBJECT
public:
    VolbaView(TVOVolba &v, QWidget *parent);
    ObrazekView *Image(int k) const { return obr_[k - 1]; }
    int PocetObrazku() const { return int(obr_.size()); }
    QPushButton *ZrusitButton() const { return zrusit_; }

private:
    std::vector<ObrazekView *> obr_;
    QPushButton *zrusit_ = nullptr;
};

class VyztuzView : public QDialog {
    Q_OBJECT
public:
    VyztuzView(TVVyztuz &v, QWidget *parent);
    QRadioButton *Polozka(int i) const { return polozky_[i]; }
    int PocetPolozek() const { return int(polozky_.size()); }
    QPushButton *OKButton() const { return ok_; }
    QPushButton *ZrusitButton() const { return zrusit_; }

private:
    std::vector<QRadioButton *> polozky_;
    QPushButton *ok_ = nullptr;
    QPushButton *zrusit_ = nullptr;
};

} // namespace qmr
