#include "gui/mainwindow/TVypinac.h"

#include <QPainter>

namespace qmr {

TVypinac::TVypinac(QWidget *parent) : QAbstractButton(parent)
{
    setCheckable(true);
    setChecked(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    resize(sizeHint());
}

QSize TVypinac::sizeHint() const { return QSize(46, 22); }

void TVypinac::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal k = r.height();
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.setBrush(isChecked() ? QColor(0x2E, 0xA0, 0x43) : QColor(0xB0, 0xB0, 0xB0));
    p.drawRoundedRect(r, k / 2, k / 2);
    const QRectF knob(isChecked() ? r.right() - k + 2 : r.left() + 2, r.top() + 2, k - 4, k - 4);
    p.setBrush(Qt::white);
    p.drawEllipse(knob);
    QFont f = font();
    f.setPixelSize(9);
    f.setBold(true);
    p.setFont(f);
    p.setPen(isChecked() ? Qt::white : QColor(0x40, 0x40, 0x40));
    const QRectF text = isChecked() ? QRectF(r.left() + 4, r.top(), r.width() - k, r.height())
                                    : QRectF(r.left() + k - 2, r.top(), r.width() - k, r.height());
    p.drawText(text, Qt::AlignCenter, isChecked() ? QStringLiteral("ON") : QStringLiteral("OFF"));
}

} // namespace qmr
