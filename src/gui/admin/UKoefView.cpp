#include "gui/admin/UKoefView.h"

#include "gui/core/DialogHelpers.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qmr {

KoefView::KoefView(TFKoef &logika, QWidget *parent) : QDialog(parent), v_(logika)
{
    setObjectName(QStringLiteral("Koef"));
    setWindowTitle(QStr(TFKoef::kTitulek));
    info_ = palette().color(QPalette::ToolTipBase);
    setAutoFillBackground(true);

    auto *mrizka = new QGridLayout;
    auto *label3 = new QLabel(QStr(TFKoef::kLabel3), this);
    label3->setObjectName(QStringLiteral("Label3"));
    heslo_ = new QLineEdit(this);
    heslo_->setObjectName(QStringLiteral("Heslo"));
    heslo_->setMaxLength(TFKoef::kHesloDelka);
    heslo_->setEchoMode(QLineEdit::Password);
    heslo_->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // '*'
    label3->setBuddy(heslo_);
    mrizka->addWidget(label3, 0, 0);
    mrizka->addWidget(heslo_, 0, 1);

    auto *label1 = new QLabel(QStr(TFKoef::kLabel1), this);
    label1->setObjectName(QStringLiteral("Label1"));
    koef_ = new QLineEdit(this);
    koef_->setObjectName(QStringLiteral("Koef"));
    koef_->setInputMask(QStringLiteral("9,00000;_")); // one digit required, five optional
    koef_->setText(QStr(v_.Koef()));
    label1->setBuddy(koef_);
    mrizka->addWidget(label1, 1, 0);
    mrizka->addWidget(koef_, 1, 1);
    auto *label2 = new QLabel(QStr(TFKoef::kLabel2), this);
    label2->setObjectName(QStringLiteral("Label2"));
    mrizka->addWidget(label2, 2, 1);

    auto *label4 = new QLabel(QStr(TFKoef::kLabel4), this);
    label4->setObjectName(QStringLiteral("Label4"));
    auto *box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("Zaokrouhlit"));
    auto *bl = new QVBoxLayout(box);
    const Prepinac &p = v_.Zaokrouhlit();
    for (std::size_t i = 0; i < p.Polozky.size(); ++i) {
        auto *r = new QRadioButton(QStr(p.Polozky[i]), box);
        const int k = static_cast<int>(i);
        connect(r, &QRadioButton::clicked, this, [this, k] {
            v_.VyberZaokrouhleni(k);
            Obnov();
        });
        bl->addWidget(r);
        zaokrouhlit_.push_back(r);
    }
    mrizka->addWidget(label4, 3, 0, Qt::AlignTop);
    mrizka->addWidget(box, 3, 1);

    pruh_ = new QProgressBar(this);
    pruh_->setObjectName(QStringLiteral("Pruh"));

    pre_ = new QPushButton(QStr(TFKoef::kPreButton), this);
    pre_->setObjectName(QStringLiteral("PreButton"));
    konec_ = new QPushButton(QStr(TFKoef::kKonecButton), this);
    konec_->setObjectName(QStringLiteral("KonecButton"));
    auto *tl = new QHBoxLayout;
    tl->addStretch();
    tl->addWidget(pre_);
    tl->addWidget(konec_);

    auto *lay = new QVBoxLayout(this);
    lay->addLayout(mrizka);
    lay->addWidget(pruh_);
    lay->addLayout(tl);

    connect(heslo_, &QLineEdit::textChanged, this, [this](const QString &t) { v_.setHeslo(StdStr(t)); });
    connect(koef_, &QLineEdit::textChanged, this, [this] { v_.setKoef(StdStr(koef_->displayText())); });
    connect(pre_, &QPushButton::clicked, this, [this] {
        v_.PreButtonClick([this] { Obnov(); });
        Obnov();
    });
    connect(konec_, &QPushButton::clicked, this, [this] {
        if (!v_.Probiha())
            done(v_.Prepocteno() ? kVysledekOK : kVysledekZrusit);
    });

    // The progress bar is laid out while visible, so the size is fixed with room for it.
    Obnov();
    pruh_->setVisible(true);
    ZafixujVelikost(this);
    Obnov();
    Umisti(this, v_.Umisteni(width(), height()));
}

QColor KoefView::BarvaFormulare(TFKoef::Barva b, const QPalette &p)
{
    switch (b) {
    case TFKoef::Barva::Lime: return QColor(0, 255, 0);
    case TFKoef::Barva::Green: return QColor(0, 128, 0);
    case TFKoef::Barva::Teal: return QColor(0, 128, 128);
    case TFKoef::Barva::Aqua: return QColor(0, 255, 255);
    case TFKoef::Barva::Blue: return QColor(0, 0, 255);
    case TFKoef::Barva::InfoBk: break;
    }
    return p.color(QPalette::ToolTipBase);
}

void KoefView::Obnov()
{
    QPalette p = palette();
    QPalette zaklad = p;
    zaklad.setColor(QPalette::ToolTipBase, info_);
    p.setColor(QPalette::Window, BarvaFormulare(v_.BarvaFormulare(), zaklad));
    setPalette(p);

    const Prepinac &z = v_.Zaokrouhlit();
    for (std::size_t i = 0; i < zaokrouhlit_.size(); ++i) {
        zaokrouhlit_[i]->setChecked(static_cast<int>(i) == z.Index);
        zaokrouhlit_[i]->setEnabled(z.Povoleny && !v_.Probiha());
    }
    heslo_->setEnabled(!v_.Probiha());
    koef_->setEnabled(!v_.Probiha());
    pre_->setEnabled(v_.PreButtonPovoleny());
    konec_->setEnabled(v_.KonecButtonPovoleny());

    const TFKoef::Pruh &pr = v_.StavPruhu();
    pruh_->setRange(0, pr.Max);
    pruh_->setValue(pr.Pozice);
    // Hidden without giving up its place, so the fixed-size form does not jump.
    QSizePolicy sp = pruh_->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    pruh_->setSizePolicy(sp);
    pruh_->setVisible(pr.Viditelny);
    if (isVisible())
        repaint();
}

void KoefView::reject()
{
    if (!v_.Probiha())
        QDialog::reject();
}

int SpustKoef(Session &s, Messages &m, QWidget *parent)
{
    TFKoef logika(s, m);
    KoefView v(logika, parent);
    v.exec();
    return logika.Prepocteno() ? kVysledekOK : kVysledekZrusit;
}

} // namespace qmr
