#include "gui/dialogs/options/PrekryvView.h"

#include "gui/core/DialogHelpers.h"
#include "gui/dialogs/options/PomuckyPohledu.h"
#include "gui/dialogs/options/RozmerView.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace qmr {

namespace {

constexpr int kSirkaOkna = 690;
constexpr int kVyskaOkna = 556;

QRect Obd(const Tvar &t) { return QRect(t.Left, t.Top, t.Width, t.Height); }

// Where each point's label and field sit around the sketch (background at 112, 33,
// 240 x 480): top and bottom points above and below it, side points beside it, the
// lowest point lowest.
QPoint MistoPole(Kotva k)
{
    switch (k) {
    case Kotva::H1: return {134, 4};
    case Kotva::H2: return {260, 4};
    case Kotva::D1: return {134, 522};
    case Kotva::D2: return {260, 522};
    case Kotva::L1: return {26, 430};
    case Kotva::L2: return {26, 310};
    case Kotva::L3: return {26, 190};
    case Kotva::L4: return {26, 70};
    case Kotva::P1: return {384, 430};
    case Kotva::P2: return {384, 310};
    case Kotva::P3: return {384, 190};
    case Kotva::P4: return {384, 70};
    }
    return {};
}

class SkicaPrekryvu : public QWidget {
public:
    SkicaPrekryvu(const TVPrekryv &d, const QImage &sklo, QWidget *parent) : QWidget(parent), d_(d), sklo_(sklo)
    {
        setObjectName(QStringLiteral("Skica"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const RozlozeniPrekryvu r = d_.Rozlozeni();
        QPainter p(this);
        p.fillRect(Obd(r.Podklad), QColor(250, 250, 250));
        if (r.Skla.Viditelny && !sklo_.isNull()) {
            p.drawImage(Obd(r.Skla), sklo_);
            p.setPen(QPen(Qt::darkGray, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(Obd(r.Zakryt));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        for (const auto *cary : {&r.PH, &r.PV})
            for (const Tvar &c : *cary)
                if (c.Viditelny)
                    p.drawRect(Obd(c));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(Obd(r.Vypln).adjusted(0, 0, -1, -1));
        p.setPen(QPen(Qt::red, 1));
        p.drawRect(Obd(r.Orez).adjusted(0, 0, -1, -1));
        for (const Tvar &z : r.Znacky)
            if (z.Viditelny)
                p.fillRect(Obd(z), Qt::black);
    }

private:
    const TVPrekryv &d_;
    QImage sklo_;
};

} // namespace

PrekryvView::PrekryvView(TVPrekryv &d, const QImage &sklo, QWidget *parent) : QDialog(parent), d_(d)
{
    setWindowTitle(QStr(d.Titulek()));
    setFixedSize(kSirkaOkna, kVyskaOkna);
    skica_ = new SkicaPrekryvu(d, sklo, this);
    skica_->setGeometry(0, 0, kSirkaOkna, kVyskaOkna);

    for (int i = 0; i < kPocetKotev; ++i) {
        const Kotva k = Kotva(i);
        const QPoint misto = MistoPole(k);
        auto *jmeno = new QLabel(QString::fromLatin1(TVPrekryv::Jmeno(k)), this);
        jmeno->setGeometry(misto.x() - 24, misto.y(), 22, 24);
        jmeno->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto *p = new RozmerPole(this);
        p->setObjectName(QString::fromLatin1(TVPrekryv::Jmeno(k)));
        p->NastavMaxDelku(4);
        p->move(misto);
        connect(p, &RozmerPole::upraveno, this, [this, k](const QString &t) {
            if (obnovuji_)
                return;
            d_.Napis(k, StdStr(t));
            Obnov();
        });
        connect(p, &RozmerPole::krok, this, [this, k](int kroky) {
            d_.Krok(k, kroky);
            Obnov();
        });
        connect(p, &RozmerPole::opusteno, this, [this, k] {
            d_.Opust(k);
            Obnov();
        });
        pole_[std::size_t(i)] = p;
    }

    const int x = 480, w = 200;
    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(x, 40, w, 22);
    label2_ = new QLabel(this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setGeometry(x, 64, w, 22);
    textStrana_ = new QLabel(this);
    textStrana_->setObjectName(QStringLiteral("TextStrana"));
    textStrana_->setWordWrap(true);
    textStrana_->setGeometry(x, 96, w, 44);

    nic_ = new QPushButton(QStr(TVPrekryv::kNicButton), this);
    nic_->setObjectName(QStringLiteral("NicButton"));
    nic_->setGeometry(x, 430, w, 30);
    ok_ = new QPushButton(QStr(TVPrekryv::kOKButton), this);
    ok_->setObjectName(QStringLiteral("OKButton"));
    ok_->setDefault(true);
    ok_->setGeometry(x, 470, w, 30);
    esc_ = new QPushButton(QStr(TVPrekryv::kEscButton), this);
    esc_->setObjectName(QStringLiteral("EscButton"));
    esc_->setGeometry(x, 510, w, 30);
    connect(nic_, &QPushButton::clicked, this, [this] {
        d_.NicButtonClick();
        Obnov();
    });
    connect(ok_, &QPushButton::clicked, this, [this] { done(d_.Potvrd()); });
    connect(esc_, &QPushButton::clicked, this, [this] { done(kVysledekZrusit); });

    Obnov();
    Umisti(this, d.Umisteni(width(), height()));
}

void PrekryvView::Obnov()
{
    obnovuji_ = true;
    for (int i = 0; i < kPocetKotev; ++i)
        pole_[std::size_t(i)]->NastavText(QStr(d_.Pole(Kotva(i)).Text));
    label1_->setText(QStr(d_.Label1().Text));
    label2_->setText(QStr(d_.Label2().Text));
    textStrana_->setText(QStr(d_.TextStrana().Text));
    skica_->update();
    obnovuji_ = false;
}

int SpustPrekryv(Session &s, Messages &m, const QImage &obraz, QWidget *parent)
{
    TVPrekryv d(s, m, obraz.width(), obraz.height());
    PrekryvView v(d, obraz, parent);
    return pohled::Vysledek(v.exec());
}

} // namespace qmr
