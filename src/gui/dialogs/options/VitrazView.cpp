#include "gui/dialogs/options/VitrazView.h"

#include "gui/dialogs/options/PomuckyPohledu.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace qmr {

namespace {
constexpr int kOkraj = 10;
constexpr int kSeznamSirka = 300;
constexpr int kSeznamVyska = 300;
constexpr int kObrazekSirka = 200; // the pictures are 2 : 3
constexpr int kTextVyska = 20;
constexpr int kTlacitkoVyska = 26;
} // namespace

VitrazView::VitrazView(TVVitraz &v, QWidget *parent) : QDialog(parent), v_(v)
{
    setWindowTitle(QStr(TVVitraz::kTitulek));
    seznam_ = pohled::PridejSeznam(this, QRect(kOkraj, kOkraj, kSeznamSirka, kSeznamVyska), v.Seznam(), [this](int r) {
        if (plnim_)
            return;
        v_.Vyber(r);
        Obnov();
    });
    const int vpravo = kOkraj + kSeznamSirka + kOkraj;
    image1_ = pohled::PridejObrazek(this, QRect(vpravo, kOkraj, kObrazekSirka, kSeznamVyska));
    const int sirka = vpravo + kObrazekSirka + kOkraj;
    const int textTop = kOkraj + kSeznamVyska + kOkraj;
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("TextVitraze"));
    text_->setGeometry(kOkraj, textTop, sirka - 2 * kOkraj, kTextVyska);
    const int tlTop = textTop + kTextVyska + kOkraj;

    const auto tl = pohled::PridejTlacitka(this, sirka, tlTop, TVVitraz::kOKButton, TVVitraz::kNicButton, TVVitraz::kEscButton,
                                           [this] { return v_.Potvrd(); }, [this] { return v_.Nic(); });
    ok_ = tl.ok;
    nic_ = tl.nic;
    esc_ = tl.esc;

    setFixedSize(sirka, tlTop + kTlacitkoVyska + kOkraj);
    Obnov();
    qmr::Umisti(this, v.Umisteni(width(), height()));
}

void VitrazView::Obnov()
{
    plnim_ = true;
    pohled::VyberRadek(seznam_, v_.Radek());
    text_->setText(QStr(v_.TextVitraze().Text));
    text_->setVisible(v_.TextVitraze().Viditelny);
    pohled::Ukaz(image1_, v_.Image1(), cesta_);
    ok_->setEnabled(v_.OKPovolen());
    plnim_ = false;
}

int SpustVitraz(Session &s, const PictureStore &obrazky, QWidget *parent)
{
    TVVitraz logika(s, obrazky);
    VitrazView v(logika, parent);
    return pohled::Vysledek(v.exec());
}

} // namespace qmr
