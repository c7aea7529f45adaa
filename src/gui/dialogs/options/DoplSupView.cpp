#include "gui/dialogs/options/DoplSupView.h"

#include "gui/core/DialogHelpers.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>

namespace qmr {

namespace {

QRect Obd(const Tvar &t) { return QRect(t.Left, t.Top, t.Width, t.Height); }
QColor Barva(int i) { return QColor::fromRgb(QRgb(TVDoplSup::Barva(i))); }
void Umisti(QWidget *w, const Tvar &t) { w->setGeometry(Obd(t)); }

// The sketch under the controls: drawing, outline, glass picture, lines, centre lines,
// corner texts and the handle bars of the placed vertical handles.
class Skica : public QWidget {
public:
    Skica(const TVDoplSup &v, const QImage &obraz, const QImage &skla, QWidget *parent)
        : QWidget(parent), v_(v), obraz_(obraz), skla_(skla)
    {
        setObjectName(QStringLiteral("Skica"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const RozlozeniUmisteni &r = v_.Rozlozeni();
        QPainter p(this);
        if (r.Vypln.Viditelny && !obraz_.isNull())
            p.drawImage(Obd(r.Vypln), obraz_);
        if (r.Skla.Viditelny && !skla_.isNull())
            p.drawImage(Obd(r.Skla), skla_);
        p.setBrush(Qt::black);
        p.setPen(Qt::NoPen);
        for (const auto *cary : {&r.PH, &r.PV})
            for (const Tvar &c : *cary)
                if (c.Viditelny)
                    p.drawRect(Obd(c));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
        p.drawLine(r.VOsa.Left, r.VOsa.Top, r.VOsa.Left, r.VOsa.Bottom());
        p.drawLine(r.HOsa.Left, r.HOsa.Top, r.HOsa.Right(), r.HOsa.Top);
        p.setPen(r.RantlTeckovany ? QPen(Qt::black, 1, Qt::DotLine) : QPen(Qt::red, 1));
        p.drawRect(Obd(r.Rantl).adjusted(0, 0, -1, -1));
        p.setPen(Qt::black);
        const QFontMetrics fm(font());
        const int stred = fm.ascent() / 2;
        p.drawText(r.Nula.Left, r.Nula.Top + stred, QString::fromUtf8(TVDoplSup::kNula));
        const QString maxa = QStr(v_.Maxa());
        p.drawText(r.Maxa.Left - fm.horizontalAdvance(maxa), r.Maxa.Top + stred, maxa);
        for (int i = 0; i < TVDoplSup::kSlotu; ++i) {
            const SlotUmisteni &sl = v_.Slot(i);
            if (sl.SShape.Viditelny) {
                p.fillRect(Obd(sl.SShape), Barva(i));
                p.setPen(QPen(Barva(i), 2));
                p.drawEllipse(Obd(sl.MShape).adjusted(1, 1, -1, -1));
                p.setPen(Qt::black);
                p.drawLine(sl.DOsa.Left, sl.DOsa.Top, sl.DOsa.Left, sl.DOsa.Bottom());
            }
        }
    }

private:
    const TVDoplSup &v_;
    QImage obraz_;
    QImage skla_;
};

// A draggable marker.
class TahaciZnacka : public QWidget {
public:
    TahaciZnacka(int i, DoplSupView *dialog) : QWidget(dialog), i_(i), dialog_(dialog) { setCursor(Qt::OpenHandCursor); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(Barva(i_));
        p.setPen(Qt::black);
        p.drawEllipse(rect().adjusted(0, 0, -1, -1));
    }
    void mousePressEvent(QMouseEvent *e) override
    {
        tahnu_ = e->button() == Qt::LeftButton;
    }
    void mouseMoveEvent(QMouseEvent *e) override
    {
        if (tahnu_)
            dialog_->Tahni(i_, mapTo(dialog_, e->position().toPoint()));
    }
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (tahnu_)
            dialog_->Tahni(i_, mapTo(dialog_, e->position().toPoint()));
        tahnu_ = false;
    }

private:
    int i_;
    DoplSupView *dialog_;
    bool tahnu_ = false;
};

} // namespace

DoplSupView::DoplSupView(TVDoplSup &v, const QImage &obraz, const QImage &skla, QWidget *parent)
    : QDialog(parent), v_(v)
{
    setWindowTitle(QStr(TVDoplSup::kTitulek));
    const RozlozeniUmisteni &r = v.Rozlozeni();
    setFixedSize(r.Sirka, r.Vyska);
    plocha_ = new Skica(v, obraz, skla, this);
    plocha_->setGeometry(0, 0, r.Sirka, r.Vyska);

    auto *nadpis = new QLabel(QStr(TVDoplSup::kNadpis), this);
    nadpis->setObjectName(QStringLiteral("Nadpis"));
    Umisti(nadpis, r.Nadpis);

    for (int i = 0; i < TVDoplSup::kSlotu; ++i) {
        Slot &sl = sloty_[std::size_t(i)];
        const std::size_t k = std::size_t(i);
        const QString n = QString::number(i + 1);
        sl.znacka = new TahaciZnacka(i, this);
        sl.znacka->setObjectName(QStringLiteral("Shape") + n);
        sl.jmeno = new QLabel(this);
        sl.jmeno->setObjectName(QStringLiteral("Jmeno") + n);
        Umisti(sl.jmeno, r.Jmeno[k]);
        sl.popisZleva = new QLabel(QStr(TVDoplSup::kZleva), this);
        Umisti(sl.popisZleva, r.PopisZleva[k]);
        sl.zleva = new QSpinBox(this);
        sl.zleva->setObjectName(QStringLiteral("D%1Left").arg(i + 1));
        Umisti(sl.zleva, r.PoleZleva[k]);
        sl.popisZdola = new QLabel(QStr(TVDoplSup::kZdola), this);
        Umisti(sl.popisZdola, r.PopisZdola[k]);
        sl.zdola = new QSpinBox(this);
        sl.zdola->setObjectName(QStringLiteral("D%1Top").arg(i + 1));
        Umisti(sl.zdola, r.PoleZdola[k]);
        sl.misto = new QLabel(this);
        sl.misto->setObjectName(QStringLiteral("Misto") + n);
        Umisti(sl.misto, r.Misto[k]);
        for (QSpinBox *pole : {sl.zleva, sl.zdola}) {
            const bool zleva = pole == sl.zleva;
            connect(pole, &QSpinBox::valueChanged, this, [this, i, zleva, pole] {
                if (plnim_)
                    return;
                v_.Zmena(i, zleva, StdStr(pole->cleanText()));
                Obnov();
            });
        }
    }

    nic_ = new QPushButton(QStr(TVDoplSup::kNicButton), this);
    nic_->setObjectName(QStringLiteral("NicButton"));
    Umisti(nic_, r.NicButton);
    connect(nic_, &QPushButton::clicked, this, [this] {
        v_.Smaz();
        Obnov();
    });
    ok_ = new QPushButton(QStr(TVDoplSup::kOKButton), this);
    ok_->setObjectName(QStringLiteral("OKButton"));
    ok_->setDefault(true);
    Umisti(ok_, r.OKButton);
    connect(ok_, &QPushButton::clicked, this, [this] {
        const int vysledek = v_.Potvrd();
        if (vysledek != 0)
            done(vysledek);
    });
    esc_ = new QPushButton(QStr(TVDoplSup::kEscButton), this);
    esc_->setObjectName(QStringLiteral("EscButton"));
    Umisti(esc_, r.EscButton);
    connect(esc_, &QPushButton::clicked, this, [this] { done(kVysledekZrusit); });

    Obnov();
    qmr::Umisti(this, v.Umisteni(width(), height()));
}

void DoplSupView::Tahni(int i, QPoint p)
{
    const RozlozeniUmisteni &r = v_.Rozlozeni();
    if (r.Skla.Viditelny && Obd(r.Skla).contains(p))
        v_.TahniNadSkly(i, p.x() - r.Skla.Left, p.y() - r.Skla.Top);
    else if (Obd(r.Rantl).contains(p))
        v_.TahniNadRantl(i, p.x() - r.Rantl.Left, p.y() - r.Rantl.Top);
    else
        return;
    Obnov();
}

void DoplSupView::Obnov()
{
    plnim_ = true;
    for (int i = 0; i < TVDoplSup::kSlotu; ++i) {
        const SlotUmisteni &st = v_.Slot(i);
        Slot &sl = sloty_[std::size_t(i)];
        Umisti(sl.znacka, st.Shape);
        sl.znacka->setVisible(st.Shape.Viditelny);
        sl.znacka->raise();
        sl.jmeno->setText(QStr(st.Jmeno));
        for (QWidget *w : {static_cast<QWidget *>(sl.jmeno), static_cast<QWidget *>(sl.popisZleva),
                           static_cast<QWidget *>(sl.zleva), static_cast<QWidget *>(sl.popisZdola),
                           static_cast<QWidget *>(sl.zdola)})
            w->setVisible(st.Nabizen);
        for (auto [pole, hodnota] : {std::pair{sl.zleva, st.Zleva}, {sl.zdola, st.Zdola}}) {
            pole->setRange(hodnota.Min, hodnota.Max);
            if (pole->value() != hodnota.Hodnota)
                pole->setValue(hodnota.Hodnota);
        }
        sl.misto->setText(QStr(st.Misto));
        sl.misto->setVisible(st.Madlo);
    }
    ok_->setEnabled(v_.OKPovolen());
    plocha_->update();
    plnim_ = false;
}

int SpustDoplSup(Session &s, const QImage &obraz, const QImage &skla, QWidget *parent)
{
    TVDoplSup logika(s, obraz.width(), obraz.height(), skla.width(), skla.height());
    DoplSupView v(logika, obraz, skla, parent);
    const int r = v.exec();
    return r == 0 ? kVysledekZrusit : r;
}

} // namespace qmr
