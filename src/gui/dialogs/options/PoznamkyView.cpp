#include "gui/dialogs/options/PoznamkyView.h"

#include "dialogs/infill/Ovladace.h"
#include "gui/core/DialogHelpers.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qmr {

PoznamkyView::PoznamkyView(TVPoznamky &v, QWidget *parent) : QDialog(parent), v_(v)
{
    setWindowTitle(QStr(TVPoznamky::kTitulek));
    auto *l = new QVBoxLayout(this);
    poznamky_ = new QPlainTextEdit(this);
    poznamky_->setObjectName(QStringLiteral("Poznamky"));
    poznamky_->setTabChangesFocus(true);
    poznamky_->setLineWrapMode(QPlainTextEdit::NoWrap);
    poznamky_->setPlainText(QStr(v.Text()));
    poznamky_->setFixedSize(480, 11 * poznamky_->fontMetrics().lineSpacing() + 12);
    poznamky_->installEventFilter(this);
    connect(poznamky_, &QPlainTextEdit::textChanged, this,
            [this] { v_.NastavText(StdStr(poznamky_->toPlainText())); });
    l->addWidget(poznamky_);

    auto *tlacitka = new QHBoxLayout;
    tlacitka->addStretch();
    ok_ = new QPushButton(QStr(TVPoznamky::kOKButton), this);
    ok_->setObjectName(QStringLiteral("OKButton"));
    esc_ = new QPushButton(QStr(TVPoznamky::kEscButton), this);
    esc_->setObjectName(QStringLiteral("EscButton"));
    tlacitka->addWidget(ok_);
    tlacitka->addWidget(esc_);
    l->addLayout(tlacitka);
    connect(ok_, &QPushButton::clicked, this, [this] {
        // A shortcut leaves the focus in the text: it counts as left all the same.
        if (MaFokus(poznamky_))
            v_.PoznamkyExit();
        zavreno_ = true;
        done(v_.Potvrd());
    });
    connect(esc_, &QPushButton::clicked, this, [this] {
        zavreno_ = true;
        done(kVysledekZrusit);
    });

    ZafixujVelikost(this);
    qmr::Umisti(this, v.Umisteni(width(), height()));
}

bool PoznamkyView::eventFilter(QObject *o, QEvent *e)
{
    if (o == poznamky_ && e->type() == QEvent::FocusOut && !zavreno_ &&
        UzivatelOdesel(static_cast<QFocusEvent *>(e)))
        v_.PoznamkyExit();
    return QDialog::eventFilter(o, e);
}

int SpustPoznamky(Session &s, Messages &m, QWidget *parent)
{
    TVPoznamky logika(s, m);
    PoznamkyView v(logika, parent);
    const int r = v.exec();
    return r == 0 ? kVysledekZrusit : r;
}

} // namespace qmr
