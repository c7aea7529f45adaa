#include "gui/dialogs/options/MrizkyView.h"

#include "gui/dialogs/options/PomuckyPohledu.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace qmr {

namespace {
constexpr int kOkraj = 10;
constexpr int kSeznamSirka = 300;
constexpr int kSeznamVyska = 300;
constexpr int kObrazekPole = 135; // the widest picture (format 1)
constexpr int kSirkaVyska = 56;
constexpr int kLabelVyska = 20;
constexpr int kTlacitkoVyska = 26;
} // namespace

MrizkyView::MrizkyView(TVMrizky &v, QWidget *parent) : QDialog(parent), v_(v)
{
    setWindowTitle(QStr(TVMrizky::kTitulek));
    seznam_ = pohled::PridejSeznam(this, QRect(kOkraj, kOkraj, kSeznamSirka, kSeznamVyska), v.Seznam(), [this](int r) {
        if (plnim_)
            return;
        v_.Vyber(r);
        Obnov();
    });
    const int vpravo = kOkraj + kSeznamSirka + kOkraj;
    image1_ = pohled::PridejObrazek(this, QRect(vpravo, kOkraj, v.ObrazekSirka(), kSeznamVyska));
    const int sirka = vpravo + kObrazekPole + kOkraj;

    const int sirkaTop = kOkraj + kSeznamVyska + kOkraj;
    sirka_ = new QGroupBox(QStr(TVMrizky::kSirka), this);
    sirka_->setObjectName(QStringLiteral("Sirka"));
    sirka_->setGeometry(kOkraj, sirkaTop, sirka - 2 * kOkraj, kSirkaVyska);
    mrizka_ = new QGridLayout(sirka_);
    for (int c = 0; c < TVMrizky::kSloupcuSirky; ++c)
        mrizka_->setColumnStretch(c, 1);
    const int labelTop = sirkaTop + kSirkaVyska + kOkraj;
    label1_ = new QLabel(QStr(TVMrizky::kLabel1), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(kOkraj, labelTop, sirka - 2 * kOkraj, kLabelVyska);
    const int tlTop = labelTop + kLabelVyska + kOkraj;

    const auto tl = pohled::PridejTlacitka(this, sirka, tlTop, TVMrizky::kOKButton, TVMrizky::kNicButton, TVMrizky::kEscButton,
                                           [this] { return v_.Potvrd(); }, [this] { return v_.Nic(); });
    ok_ = tl.ok;
    nic_ = tl.nic;
    esc_ = tl.esc;

    setFixedSize(sirka, tlTop + kTlacitkoVyska + kOkraj);
    Obnov();
    qmr::Umisti(this, v.Umisteni(width(), height()));
}

void MrizkyView::Obnov()
{
    plnim_ = true;
    pohled::VyberRadek(seznam_, v_.Radek());
    pohled::Ukaz(image1_, v_.Image1(), cesta_);

    const Prepinac &p = v_.Sirka();
    if (p.Polozky != texty_) {
        for (QRadioButton *r : sirky_)
            delete r;
        sirky_.clear();
        texty_ = p.Polozky;
        for (std::size_t i = 0; i < texty_.size(); ++i) {
            auto *r = new QRadioButton(QStr(texty_[i]), sirka_);
            r->setObjectName(QStringLiteral("Sirka%1").arg(i + 1));
            const int k = int(i);
            connect(r, &QRadioButton::clicked, this, [this, k] {
                if (plnim_)
                    return;
                v_.VyberSirku(k);
                Obnov();
            });
            mrizka_->addWidget(r, k / TVMrizky::kSloupcuSirky, k % TVMrizky::kSloupcuSirky);
            sirky_.push_back(r);
        }
    }
    for (std::size_t i = 0; i < sirky_.size(); ++i)
        sirky_[i]->setChecked(int(i) == p.Index);
    sirka_->setVisible(p.Viditelny);
    sirka_->setEnabled(p.Povoleny);
    ok_->setEnabled(v_.OKPovolen());
    plnim_ = false;
}

int SpustMrizky(Session &s, const PictureStore &obrazky, QWidget *parent)
{
    TVMrizky logika(s, obrazky);
    MrizkyView v(logika, parent);
    return pohled::Vysledek(v.exec());
}

} // namespace qmr
