#include "gui/dialogs/infill/InfillViews.h"

#include "dialogs/infill/UFormat.h"
#include "dialogs/infill/UOVolba.h"
#include "dialogs/infill/UPrava.h"
#include "dialogs/infill/UTyp.h"
#include "dialogs/infill/UVypln.h"
#include "dialogs/infill/UVyztuz.h"
#include "gui/core/DialogHelpers.h"
#include "gui/core/QtPictureStore.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace qmr {

namespace {

QPushButton *ZrusitTlacitko(QDialog *d, const char *text)
{
    auto *b = new QPushButton(QStr(text), d);
    QObject::connect(b, &QPushButton::clicked, d, [d] { d->done(kVysledekZrusit); });
    return b;
}

// Closes d with r unless r is 0 (the action did nothing; the dialog stays open).
void ZavriS(QDialog *d, int r)
{
    if (r != 0)
        d->done(r);
}

} // namespace

// ---- ObrazekView --------------------------------------------------------------------

ObrazekView::ObrazekView(QWidget *parent, int sirka, int vyska) : QLabel(parent)
{
    setFixedSize(sirka, vyska);
    setScaledContents(true);
}

void ObrazekView::Nastav(const Obrazek &o)
{
    if (o.Cesta != cesta_) {
        cesta_ = o.Cesta;
        const QImage img = cesta_.empty() ? QImage() : QtPictureStore::Nacti(cesta_);
        setPixmap(QPixmap::fromImage(img));
    }
    setToolTip(QStr(o.Tip));
    setVisible(o.Viditelny);
    povoleny_ = o.Povoleny;
    setEnabled(o.Povoleny);
}

void ObrazekView::Oznac(bool oznaceny)
{
    if (oznaceny_ != oznaceny) {
        oznaceny_ = oznaceny;
        update();
    }
}

void ObrazekView::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && povoleny_)
        emit klik();
}

void ObrazekView::paintEvent(QPaintEvent *e)
{
    QLabel::paintEvent(e);
    if (!oznaceny_)
        return;
    QPainter p(this);
    p.setPen(QPen(Qt::red, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}

// ---- TypView ------------------------------------------------------------------------

TypView::TypView(TVTyp &typ, QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(20, 20, 20, 20);
    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(3);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, QColor(0, 255, 255));
    panel->setPalette(pal);
    auto *pl = new QVBoxLayout(panel);
    for (const auto &t : typ.Tlacitka()) {
        auto *b = new QPushButton(QStr(t.Text), panel);
        b->setObjectName(QStr(t.Jmeno));
        b->setMinimumWidth(300);
        b->setVisible(t.Viditelny);
        b->setEnabled(t.Povoleny);
        const auto id = t.Id;
        connect(b, &QPushButton::clicked, this, [this, &typ, id] { ZavriS(this, typ.Stisk(id)); });
        pl->addWidget(b);
        tlacitka_.push_back(b);
    }
    l->addWidget(panel);
    for (size_t i = 0; i < typ.Upozorneni().size(); ++i) {
        auto *u = new QLabel(QString::fromUtf8(typ.Upozorneni()[i]), this);
        u->setObjectName(QStringLiteral("Upo%1").arg(i + 1));
        if (i == 0) {
            QFont f = u->font();
            f.setBold(true);
            f.setPointSizeF(f.pointSizeF() * 1.2);
            u->setFont(f);
        }
        l->addWidget(u);
    }
    zrusit_ = ZrusitTlacitko(this, TVTyp::kEscButton);
    l->addWidget(zrusit_, 0, Qt::AlignHCenter);
    ZafixujVelikost(this);
    Umisti(this, typ.Umisteni(width(), height()));
}

// ---- VyplnView ----------------------------------------------------------------------

// The infill selection is laid out by hand at its design size: the list at the left,
// the three pictures side by side with their titles above, the execution radio and the
// overlay radio below them, then the two side rows and the buttons.
namespace {
constexpr int kOkraj = 8;
constexpr int kSeznamSirka = 200;
constexpr int kObrX = kOkraj + kSeznamSirka + 16; // first picture
constexpr int kObrY = 30;
constexpr int kObrKrok = 200;                      // picture 180 + gap 20
constexpr int kPodObrY = kObrY + 300 + 10;         // radios
constexpr int kPrekryvX = kObrX + 320;
constexpr int kRadekVyska = 22;
constexpr int kTlacitkoSirka = 84;
constexpr int kTlacitkoVyska = 26;
} // namespace

VyplnView::VyplnView(TVVypln &v, QWidget *parent) : QDialog(parent), v_(v)
{
    setWindowTitle(QStr(TVVypln::kTitulek));
    setFixedSize(TVVypln::kSirka, TVVypln::kVyska);
    seznam_ = new QListWidget(this);
    seznam_->setGeometry(kOkraj, kOkraj, kSeznamSirka, TVVypln::kVyska - 2 * kOkraj);
    QPalette pal = seznam_->palette();
    pal.setColor(QPalette::Base, QColor(0, 255, 255));
    seznam_->setPalette(pal);
    for (const auto &n : v.Seznam())
        seznam_->addItem(QStr(n));
    connect(seznam_, &QListWidget::currentRowChanged, this, [this](int r) {
        if (plnim_ || r < 0)
            return;
        v_.VyberRadek(r);
        Obnov();
    });

    for (int i = 0; i < 3; ++i) {
        lf_[i] = new QLabel(this);
        obr_[i] = new ObrazekView(this, 180, 300);
        obr_[i]->move(kObrX + i * kObrKrok, kObrY);
        connect(obr_[i], &ObrazekView::klik, this, [this, i] {
            v_.KlikObrazek(i + 1);
            Obnov();
        });
    }

    volitkoBox_ = new QGroupBox(this);
    volitkoBox_->move(kObrX, kPodObrY);

    auto mk = [this](std::function<void(TVVypln &, bool)> akce) {
        auto *c = new QCheckBox(this);
        connect(c, &QCheckBox::clicked, this, [this, akce = std::move(akce)](bool z) {
            if (plnim_)
                return;
            akce(v_, z);
            Obnov();
        });
        return c;
    };
    cb1_ = mk([](TVVypln &v, bool z) { v.NastavCheckBox1(z); });
    cb2_ = mk([](TVVypln &v, bool z) { v.NastavCheckBox2(z); });
    r1AK_ = mk([](TVVypln &v, bool z) { v.NastavRam1AK(z); });
    r1KK_ = mk([](TVVypln &v, bool z) { v.NastavRam1KK(z); });
    r2AK_ = mk([](TVVypln &v, bool z) { v.NastavRam2AK(z); });
    r2KK_ = mk([](TVVypln &v, bool z) { v.NastavRam2KK(z); });

    prekryvBox_ = new QGroupBox(this);
    prekryvBox_->move(kPrekryvX, kPodObrY);
    for (int i = 0; i < 3; ++i) {
        prekryv_[i] = new QRadioButton(prekryvBox_);
        prekryv_[i]->setAutoExclusive(false);
        prekryv_[i]->setGeometry(10, 10 + 20 * i, 250, 20);
        connect(prekryv_[i], &QRadioButton::clicked, this, [this, i] {
            if (plnim_)
                return;
            v_.NastavPrekryv(i);
            Obnov();
        });
    }

    ok_ = new QPushButton(QStr(TVVypln::kOKButton), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] { ZavriS(this, v_.Potvrd()); });
    zrusit_ = ZrusitTlacitko(this, TVVypln::kEscButton);
    const int tlY = TVVypln::kVyska - kOkraj - kTlacitkoVyska;
    zrusit_->setGeometry(TVVypln::kSirka - kOkraj - kTlacitkoSirka, tlY, kTlacitkoSirka, kTlacitkoVyska);
    ok_->setGeometry(zrusit_->x() - 8 - kTlacitkoSirka, tlY, kTlacitkoSirka, kTlacitkoVyska);

    v_.Obnov();
    Obnov();
    Umisti(this, v_.Umisteni(width(), height()));
}

QRadioButton *VyplnView::Volitko(int i) const
{
    return i >= 0 && i < int(volitko_.size()) ? volitko_[i] : nullptr;
}

QRadioButton *VyplnView::Prekryv(int i) const { return i >= 0 && i < 3 ? prekryv_[i] : nullptr; }

void VyplnView::stavVolitka()
{
    const Prepinac &p = v_.Volitko();
    if (int(volitko_.size()) != int(p.Polozky.size())) {
        // The clicked item may be among them: its signal is still running.
        for (auto *r : volitko_) {
            r->hide();
            r->deleteLater();
        }
        volitko_.clear();
        for (size_t i = 0; i < p.Polozky.size(); ++i) {
            auto *r = new QRadioButton(volitkoBox_);
            r->setAutoExclusive(false);
            r->setGeometry(10, 10 + 20 * int(i), 290, 20);
            r->show();
            const int k = int(i);
            connect(r, &QRadioButton::clicked, this, [this, k] {
                if (plnim_)
                    return;
                v_.KlikVolitko(k);
                Obnov();
            });
            volitko_.push_back(r);
        }
    }
    for (size_t i = 0; i < volitko_.size(); ++i) {
        volitko_[i]->setText(QStr(p.Polozky[i]));
        volitko_[i]->setChecked(int(i) == p.Index);
    }
    // The radio grows with its items: 20 per item and 20 for the frame.
    const int vyska = v_.VolitkoVyska() > 0 ? v_.VolitkoVyska() : 20 * int(volitko_.size()) + 20;
    volitkoBox_->resize(310, vyska);
    volitkoBox_->setVisible(p.Viditelny);
    volitkoBox_->setEnabled(p.Povoleny);
}

void VyplnView::rozloz()
{
    // Titles above the pictures; the third one moves with the code (LF3Posun).
    for (int i = 0; i < 3; ++i) {
        const int x = obr_[i]->x() + (i == 2 ? v_.LF3Posun() : 0);
        const int sirka = std::min(lf_[i]->sizeHint().width(), TVVypln::kSirka - kOkraj - x);
        lf_[i]->setGeometry(x, kObrY - 22, std::max(sirka, 0), 20);
    }
    // The side rows below the radios: side box, then the AX and AK boxes.
    int y = kPodObrY + std::max(volitkoBox_->isVisible() ? volitkoBox_->height() : 0,
                                prekryvBox_->isVisible() ? prekryvBox_->height() : 0) + 8;
    y = std::min(y, TVVypln::kVyska - kOkraj - kTlacitkoVyska - 2 * kRadekVyska - 4);
    const std::array<std::array<QCheckBox *, 3>, 2> rady{{{cb1_, r1AK_, r1KK_}, {cb2_, r2AK_, r2KK_}}};
    for (const auto &rada : rady) {
        const bool materialy = rada[1]->isVisibleTo(this) || rada[2]->isVisibleTo(this);
        int sirka = rada[0]->sizeHint().width();
        if (v_.SirokeStrany())
            sirka = std::max(sirka, TVVypln::kSirkaStran);
        int x = kObrX + (materialy ? std::min(sirka, 380) : sirka) + 10;
        rada[0]->setGeometry(kObrX, y, x - 10 - kObrX, kRadekVyska);
        for (int k = 1; k < 3; ++k) {
            const int w = rada[k]->sizeHint().width();
            rada[k]->setGeometry(x, y, w, kRadekVyska);
            x += w + 10;
        }
        y += kRadekVyska;
    }
}

void VyplnView::Obnov()
{
    plnim_ = true;
    if (v_.VybranyRadek() != seznam_->currentRow())
        seznam_->setCurrentRow(v_.VybranyRadek());
    for (int i = 0; i < 3; ++i) {
        obr_[i]->Nastav(v_.Image(i + 1));
        obr_[i]->Oznac(v_.Oznaceny() == i + 1);
        lf_[i]->setText(QStr(v_.LF(i + 1).Text));
        lf_[i]->setVisible(v_.LF(i + 1).Viditelny);
    }
    stavVolitka();
    auto zaskrt = [](QCheckBox *c, const Zaskrtavatko &z) {
        c->setText(QStr(z.Text));
        c->setVisible(z.Viditelny);
        c->setEnabled(z.Povoleny);
        c->setChecked(z.Zaskrtnuto);
    };
    zaskrt(cb1_, v_.CheckBox1());
    zaskrt(cb2_, v_.CheckBox2());
    zaskrt(r1AK_, v_.Ram1AK());
    zaskrt(r2AK_, v_.Ram2AK());
    zaskrt(r1KK_, v_.Ram1KK());
    zaskrt(r2KK_, v_.Ram2KK());
    const Prepinac &pk = v_.RadioPrekryv();
    for (int i = 0; i < 3; ++i) {
        const bool je = i < int(pk.Polozky.size());
        prekryv_[i]->setVisible(je);
        prekryv_[i]->setText(je ? QStr(pk.Polozky[i]) : QString());
        prekryv_[i]->setChecked(i == pk.Index);
    }
    prekryvBox_->resize(270, 20 * int(pk.Polozky.size()) + 20);
    prekryvBox_->setVisible(pk.Viditelny);
    prekryvBox_->setEnabled(pk.Povoleny);
    ok_->setEnabled(v_.OKPovolen());
    rozloz();
    plnim_ = false;
}

// ---- FormatView ---------------------------------------------------------------------

FormatView::FormatView(TVFormat &f, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStr(TVFormat::kTitulek));
    auto *l = new QVBoxLayout(this);
    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *pl = new QHBoxLayout(panel);
    for (int z = 0; z < 7; ++z) {
        const Obrazek &o = f.Obrazky()[z];
        const int sirka = (z == 0 && f.Image0Ctverec()) ? 150 : 100;
        obr_[z] = new ObrazekView(panel, sirka, 150);
        obr_[z]->setObjectName(QStringLiteral("Image%1").arg(z));
        obr_[z]->Nastav(o);
        // Only the layouts that have a picture take room.
        obr_[z]->setVisible(o.Viditelny && !o.Cesta.empty());
        connect(obr_[z], &ObrazekView::klik, this, [this, &f, z] { ZavriS(this, f.Klik(z)); });
        pl->addWidget(obr_[z]);
    }
    l->addWidget(panel);
    zrusit_ = ZrusitTlacitko(this, TVFormat::kEscButton);
    l->addWidget(zrusit_, 0, Qt::AlignHCenter);
    ZafixujVelikost(this);
    Umisti(this, f.Umisteni(width(), height()));
}

// ---- PravaView ----------------------------------------------------------------------

PravaView::PravaView(TVOPrava &p, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStr(TVOPrava::kTitulek));
    auto *l = new QVBoxLayout(this);
    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *pl = new QHBoxLayout(panel);
    for (int i = 0; i < 2; ++i) {
        obr_[i] = new ObrazekView(panel, 200, 300);
        obr_[i]->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        obr_[i]->Nastav(p.Obrazky()[i]);
        connect(obr_[i], &ObrazekView::klik, this, [this, &p, i] { ZavriS(this, p.Klik(i + 1)); });
        pl->addWidget(obr_[i]);
    }
    l->addWidget(panel);
    zrusit_ = ZrusitTlacitko(this, TVOPrava::kEscButton);
    l->addWidget(zrusit_, 0, Qt::AlignHCenter);
    ZafixujVelikost(this);
    Umisti(this, p.Umisteni(width(), height()));
}

// ---- VolbaView ----------------------------------------------------------------------

VolbaView::VolbaView(TVOVolba &v, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStr(v.Titulek()));
    auto *l = new QVBoxLayout(this);
    auto *pl = new QHBoxLayout;
    for (size_t i = 0; i < v.Obrazky().size(); ++i) {
        auto *o = new ObrazekView(this, 200, 440);
        o->Nastav(v.Obrazky()[i]);
        const int k = int(i) + 1;
        o->Oznac(v.Oznaceny() == k);
        connect(o, &ObrazekView::klik, this, [this, &v, k] { ZavriS(this, v.Klik(k)); });
        pl->addWidget(o);
        obr_.push_back(o);
    }
    l->addLayout(pl);
    zrusit_ = ZrusitTlacitko(this, TVOVolba::kEscButton);
    l->addWidget(zrusit_, 0, Qt::AlignHCenter);
    ZafixujVelikost(this);
    Umisti(this, v.Umisteni(width(), height()));
}

// ---- VyztuzView ---------------------------------------------------------------------

VyztuzView::VyztuzView(TVVyztuz &v, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStr(TVVyztuz::kTitulek));
    auto *l = new QVBoxLayout(this);
    auto *box = new QGroupBox(this);
    auto *bl = new QVBoxLayout(box);
    const Prepinac &p = v.Vyztuz();
    for (size_t i = 0; i < p.Polozky.size(); ++i) {
        auto *r = new QRadioButton(QStr(p.Polozky[i]), box);
        r->setChecked(int(i) == p.Index);
        const int k = int(i);
        connect(r, &QRadioButton::clicked, this, [&v, k] { v.Vyber(k); });
        bl->addWidget(r);
        polozky_.push_back(r);
    }
    l->addWidget(box);
    for (const std::string &t : {v.Label1(), v.Label2(), v.Label3()}) {
        if (t.empty())
            continue;
        auto *lab = new QLabel(QStr(t), this);
        lab->setWordWrap(true);
        l->addWidget(lab);
    }
    auto *tl = new QHBoxLayout;
    tl->addStretch();
    ok_ = new QPushButton(QStr(TVVyztuz::kOKButton), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this, &v] { ZavriS(this, v.Potvrd()); });
    zrusit_ = ZrusitTlacitko(this, TVVyztuz::kEscButton);
    tl->addWidget(ok_);
    tl->addWidget(zrusit_);
    l->addLayout(tl);
    ZafixujVelikost(this);
    Umisti(this, v.Umisteni(width(), height()));
}

} // namespace qmr
