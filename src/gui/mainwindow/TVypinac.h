#pragma once
// The on/off switch of the main window (Vypinac): a checkable button drawn as a sliding
// switch, on at start. Clicking it turns it off; the window closes on that click and
// turns it on again when the close is refused.
#include <QAbstractButton>

namespace qmr {

class TVypinac : public QAbstractButton {
    Q_OBJECT
public:
    explicit TVypinac(QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *) override;
};

} // namespace qmr
