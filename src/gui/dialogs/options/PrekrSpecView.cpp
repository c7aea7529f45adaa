#include "gui/dialogs/options/PrekrSpecView.h"

#include "dialogs/options/UPrekr2spec.h"
#include "gui/core/DialogHelpers.h"
#include "gui/core/QtPictureStore.h"
#include "gui/dialogs/options/PomuckyPohledu.h"
#include "gui/dialogs/options/RozmerView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace qmr {

namespace {

constexpr int kObrazek = 240; // longer side of a section picture, px

const char *JmenoPole(PoleSpec p)
{
    static const char *const jmena[kPocetPoliSpec] = {"Sirka", "Vyska", "PPL", "PPP", "PPH", "PPD", "Tloustka"};
    return jmena[std::size_t(p)];
}

// The section picture scaled to fit kObrazek; hidden when the file is missing.
QLabel *ObrazekSekce(const Obrazek &o, QWidget *parent)
{
    auto *l = new QLabel(parent);
    const QImage img = o.Cesta.empty() ? QImage() : QtPictureStore::Nacti(o.Cesta);
    if (!img.isNull())
        l->setPixmap(QPixmap::fromImage(img).scaled(kObrazek, kObrazek, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    l->setVisible(o.Viditelny && !img.isNull());
    return l;
}

} // namespace

PrekrSpecView::PrekrSpecView(TSpecPrekryvu &d, QWidget *parent) : QDialog(parent), d_(d)
{
    setWindowTitle(QStr(TSpecPrekryvu::kTitulek));
    auto *l = new QVBoxLayout(this);
    QFont tucne = font();
    tucne.setBold(true);

    for (const SekceSpec &sekce : d.Sekce()) {
        auto *blok = new QHBoxLayout;
        auto *g = new QGridLayout;
        g->setHorizontalSpacing(10);
        g->setColumnMinimumWidth(0, 24);
        g->setColumnMinimumWidth(1, 320); // the fields of all sections in one column
        auto *nadpis = new QLabel(QStr(sekce.Nadpis.Text), this);
        nadpis->setFont(tucne);
        nadpis->setVisible(sekce.Nadpis.Viditelny);
        g->addWidget(nadpis, 0, 0, 1, 3);
        int radek = 1;
        for (const RadekSpec &r : sekce.Radky) {
            auto *pismeno = new QLabel(QStr(r.Pismeno), this);
            pismeno->setFont(tucne);
            QString text = QStr(r.Text);
            if (!r.Text2.empty())
                text += QStringLiteral("\n") + QStr(r.Text2);
            auto *popis = new QLabel(text, this);
            QWidget *hodnota = nullptr;
            switch (r.Druh) {
            case HodnotaSpec::Pole: {
                auto *p = new RozmerPole(this);
                p->setObjectName(QString::fromLatin1(JmenoPole(r.Pole)));
                p->NastavMaxDelku(TSpecPrekryvu::kMaxDelka);
                const PoleSpec ktere = r.Pole;
                connect(p, &RozmerPole::upraveno, this, [this, ktere](const QString &t) {
                    if (obnovuji_)
                        return;
                    d_.Napis(ktere, StdStr(t));
                    Obnov();
                });
                connect(p, &RozmerPole::krok, this, [this, ktere](int k) {
                    d_.Krok(ktere, k);
                    Obnov();
                });
                connect(p, &RozmerPole::opusteno, this, [this, ktere] {
                    d_.Opust(ktere);
                    Obnov();
                });
                pole_[std::size_t(r.Pole)] = p;
                hodnota = p;
                break;
            }
            case HodnotaSpec::CSirka:
            case HodnotaSpec::CVyska: {
                auto *c = new QLabel(this);
                c->setObjectName(r.Druh == HodnotaSpec::CSirka ? QStringLiteral("CSirka") : QStringLiteral("CVyska"));
                c->setFont(tucne);
                (r.Druh == HodnotaSpec::CSirka ? cSirka_ : cVyska_) = c;
                hodnota = c;
                break;
            }
            case HodnotaSpec::ListZesil: {
                listZesil_ = new QListWidget(this);
                listZesil_->setObjectName(QStringLiteral("ListZesil"));
                pohled::NaplnSeznam(listZesil_, d.ListZesil().Polozky);
                listZesil_->setFixedSize(80, 5 * listZesil_->sizeHintForRow(0) + 2 * listZesil_->frameWidth());
                connect(listZesil_, &QListWidget::itemSelectionChanged, this, [this] {
                    if (obnovuji_)
                        return;
                    d_.VyberZesil(pohled::VybranyRadek(listZesil_));
                    Obnov();
                });
                hodnota = listZesil_;
                break;
            }
            }
            g->addWidget(pismeno, radek, 0, Qt::AlignTop);
            g->addWidget(popis, radek, 1, Qt::AlignTop);
            g->addWidget(hodnota, radek, 2, Qt::AlignTop | Qt::AlignLeft);
            for (QWidget *w : {static_cast<QWidget *>(pismeno), static_cast<QWidget *>(popis), hodnota})
                w->setVisible(r.Viditelny);
            ++radek;
        }
        g->setRowStretch(radek, 1);
        blok->addLayout(g);
        blok->addSpacing(10);
        blok->addWidget(ObrazekSekce(sekce.Obraz, this), 0, Qt::AlignTop);
        blok->addStretch();
        l->addLayout(blok);
    }

    auto *tl = new QHBoxLayout;
    tl->addStretch();
    ok_ = new QPushButton(QStr(TSpecPrekryvu::kOKButton), this);
    ok_->setObjectName(QStringLiteral("OKButton"));
    ok_->setDefault(true);
    esc_ = new QPushButton(QStr(TSpecPrekryvu::kEscButton), this);
    esc_->setObjectName(QStringLiteral("EscButton"));
    tl->addWidget(ok_);
    tl->addWidget(esc_);
    l->addLayout(tl);
    connect(ok_, &QPushButton::clicked, this, [this] {
        const int r = d_.Potvrd();
        Obnov();
        if (r != 0)
            done(r);
    });
    connect(esc_, &QPushButton::clicked, this, [this] { done(kVysledekZrusit); });

    Obnov();
    ZafixujVelikost(this);
    Umisti(this, d.Umisteni(width(), height()));
}

void PrekrSpecView::Obnov()
{
    obnovuji_ = true;
    for (int i = 0; i < kPocetPoliSpec; ++i) {
        RozmerPole *w = pole_[std::size_t(i)];
        if (!w)
            continue;
        const SpinPole &p = d_.Pole(PoleSpec(i));
        w->NastavText(QStr(p.Text));
        w->setEnabled(p.Povoleny);
    }
    if (cSirka_)
        cSirka_->setText(QString::number(d_.CSirka()));
    if (cVyska_)
        cVyska_->setText(QString::number(d_.CVyska()));
    if (listZesil_) {
        pohled::VyberRadek(listZesil_, d_.ListZesil().Index);
        listZesil_->setEnabled(d_.ListZesil().Povoleny);
    }
    ok_->setEnabled(d_.OKPovoleno());
    obnovuji_ = false;
}

int SpustPrekrSpec(Session &s, Messages &m, QWidget *parent)
{
    std::unique_ptr<TSpecPrekryvu> d;
    if (s.SPrekryv > 1)
        d = std::make_unique<TPrekr2spec>(s, m);
    else
        d = std::make_unique<TPrekrSpec>(s, m);
    PrekrSpecView v(*d, parent);
    return pohled::Vysledek(v.exec());
}

} // namespace qmr
