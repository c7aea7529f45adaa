#include "gui/mainwindow/TPlocha.h"

#include <QMouseEvent>
#include <QPainter>

namespace qmr {

namespace {

// The background of the window (clInfoBk) and the pen of the mask (clWindow).
const QColor kPozadi(0xFF, 0xFF, 0xE1);
const QColor kBarvaOkna(Qt::white);

bool stejnyObraz(const QImage &a, const QImage &b)
{
    return a.cacheKey() == b.cacheKey() || (a.isNull() && b.isNull());
}

// A hollow rectangle whose pen of width w lies inside the shape's bounds.
void obrys(QPainter &p, const Tvar &t, const QPen &pen)
{
    if (!t.Viditelny || t.Width <= 0 || t.Height <= 0)
        return;
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const int w = pen.width() < 1 ? 1 : pen.width();
    const int d = w / 2;
    p.drawRect(t.Left + d, t.Top + d, std::max(0, t.Width - w), std::max(0, t.Height - w));
}

void vyplneny(QPainter &p, const Tvar &t, const QColor &barva, bool kruh)
{
    if (!t.Viditelny || t.Width <= 0 || t.Height <= 0)
        return;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(barva);
    const QRect r(t.Left, t.Top, t.Width - 1, t.Height - 1);
    if (kruh)
        p.drawEllipse(r);
    else
        p.drawRect(r);
}

} // namespace

bool Kresba::operator==(const Kresba &o) const
{
    return stejnyObraz(HlavniRysObraz, o.HlavniRysObraz) && HlavniRys == o.HlavniRys
        && stejnyObraz(PomRysObraz, o.PomRysObraz) && PomRys == o.PomRys && Rantl == o.Rantl
        && RantlTeckovany == o.RantlTeckovany && Prekryv == o.Prekryv && Zakryt == o.Zakryt
        && PH == o.PH && PV == o.PV && Shape == o.Shape && MShape == o.MShape
        && SShape == o.SShape;
}

TPlocha::TPlocha(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kPozadi);
    setPalette(pal);
}

QColor TPlocha::BarvaZnacky(int i)
{
    switch (i) {
    case 0: return QColor(0x00, 0xFF, 0xFF); // aqua
    case 1: return QColor(0xFF, 0x00, 0xFF); // fuchsia
    case 2: return QColor(0xFF, 0xFF, 0x00); // yellow
    default: return QColor(0x00, 0xFF, 0x00); // lime
    }
}

void TPlocha::Nastav(const Kresba &k)
{
    if (k == k_)
        return;
    k_ = k;
    update();
}

void TPlocha::paintEvent(QPaintEvent *)
{
    if (priKresleni)
        priKresleni();

    QPainter p(this);
    if (k_.HlavniRys.Viditelny && !k_.HlavniRysObraz.isNull())
        p.drawImage(QPoint(k_.HlavniRys.Left, k_.HlavniRys.Top), k_.HlavniRysObraz);
    if (k_.PomRys.Viditelny && !k_.PomRysObraz.isNull())
        p.drawImage(QPoint(k_.PomRys.Left, k_.PomRys.Top), k_.PomRysObraz);
    obrys(p, k_.Zakryt, QPen(kBarvaOkna, 3));

    QPen rantl(Qt::red, 1);
    if (k_.RantlTeckovany) {
        rantl.setColor(Qt::black);
        rantl.setStyle(Qt::DotLine);
    }
    obrys(p, k_.Rantl, rantl);
    obrys(p, k_.Prekryv, QPen(Qt::red, 1));
    for (const Tvar &t : k_.PH)
        obrys(p, t, QPen(Qt::black, 1));
    for (const Tvar &t : k_.PV)
        obrys(p, t, QPen(Qt::black, 1));
    for (int i = 0; i < 4; ++i) {
        vyplneny(p, k_.SShape[i], BarvaZnacky(i), false);
        vyplneny(p, k_.Shape[i], BarvaZnacky(i), true);
        // The second fixing point of a vertical handle: a circle in the slot's colour.
        const Tvar &m = k_.MShape[i];
        if (m.Viditelny && m.Width > 0 && m.Height > 0) {
            p.setPen(QPen(BarvaZnacky(i), 2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRect(m.Left + 1, m.Top + 1, m.Width - 2, m.Height - 2));
        }
    }
}

void TPlocha::mousePressEvent(QMouseEvent *e)
{
    if (priStisku)
        priStisku(e->position().toPoint());
    QWidget::mousePressEvent(e);
}

} // namespace qmr
