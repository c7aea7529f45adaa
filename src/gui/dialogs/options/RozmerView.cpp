#include "gui/dialogs/options/RozmerView.h"

#include "dialogs/options/URozmer.h"
#include "gui/core/DialogHelpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qmr {

// ---- RozmerPole -----------------------------------------------------------------------

RozmerPole::RozmerPole(QWidget *parent) : QAbstractSpinBox(parent)
{
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setAccelerated(false);
    setFixedWidth(80);
    connect(lineEdit(), &QLineEdit::textEdited, this, &RozmerPole::upraveno);
}

void RozmerPole::stepBy(int steps) { emit krok(steps); }

QValidator::State RozmerPole::validate(QString &input, int &) const
{
    for (const QChar c : input)
        if (!c.isDigit() && c != u'+' && c != u'-' && c != u' ')
            return QValidator::Invalid;
    return QValidator::Acceptable;
}

QString RozmerPole::Text() const { return lineEdit()->text(); }

void RozmerPole::NastavText(const QString &t)
{
    if (lineEdit()->text() != t)
        lineEdit()->setText(t);
}

void RozmerPole::NastavMaxDelku(int n) { lineEdit()->setMaxLength(n); }

QAbstractSpinBox::StepEnabled RozmerPole::stepEnabled() const
{
    return isEnabled() ? (StepUpEnabled | StepDownEnabled) : StepNone;
}

void RozmerPole::focusOutEvent(QFocusEvent *e)
{
    QAbstractSpinBox::focusOutEvent(e);
    if (UzivatelOdesel(e))
        emit opusteno();
}

// ---- RozmerView -----------------------------------------------------------------------

RozmerView::RozmerView(TVRozmer &d, QWidget *parent) : QDialog(parent), d_(d)
{
    setWindowTitle(QStr(TVRozmer::kTitulek));
    auto *l = new QVBoxLayout(this);

    auto *g = new QGridLayout;
    g->setHorizontalSpacing(10);
    g->addWidget(new QLabel(QStr(TVRozmer::kLabel1), this), 0, 0);
    sirka_ = new RozmerPole(this);
    sirka_->setObjectName(QStringLiteral("Sirka"));
    sirka_->NastavMaxDelku(TVRozmer::kMaxDelkaSirky);
    g->addWidget(sirka_, 0, 1);
    hraniceSirky_ = new QLabel(this);
    g->addWidget(hraniceSirky_, 0, 2);
    g->addWidget(new QLabel(QStr(TVRozmer::kLabel2), this), 1, 0);
    vyska_ = new RozmerPole(this);
    vyska_->setObjectName(QStringLiteral("Vyska"));
    g->addWidget(vyska_, 1, 1);
    hraniceVysky_ = new QLabel(this);
    g->addWidget(hraniceVysky_, 1, 2);
    g->setColumnStretch(2, 1);
    l->addLayout(g);

    // Thickening: the list 10 px right of the wider of LabelZ and LabelU, "mm" 10 px
    // right of the list.
    auto *z = new QHBoxLayout;
    z->setSpacing(0);
    checkBoxZ_ = new QCheckBox(this);
    checkBoxZ_->setObjectName(QStringLiteral("CheckBoxZ"));
    z->addWidget(checkBoxZ_, 0, Qt::AlignTop);
    auto *popisky = new QVBoxLayout;
    labelZ_ = new QLabel(this);
    labelU_ = new QLabel(this);
    popisky->addWidget(labelZ_);
    popisky->addWidget(labelU_);
    popisky->addStretch();
    z->addLayout(popisky);
    z->addSpacing(10);
    listZesil_ = new QListWidget(this);
    listZesil_->setObjectName(QStringLiteral("ListZesil"));
    listZesil_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const std::string &t : d.ListZesil().Polozky)
        listZesil_->addItem(QStr(t));
    listZesil_->setFixedSize(60, 4 * listZesil_->sizeHintForRow(0) + 2 * listZesil_->frameWidth());
    z->addWidget(listZesil_, 0, Qt::AlignTop);
    z->addSpacing(10);
    z->addWidget(new QLabel(QStr(TVRozmer::kMm), this), 0, Qt::AlignTop);
    z->addStretch();
    l->addLayout(z);

    l->addWidget(new QLabel(QStr(TVRozmer::kLabel3), this));
    poznamky_ = new QPlainTextEdit(this);
    poznamky_->setObjectName(QStringLiteral("Poznamky"));
    poznamky_->setTabChangesFocus(true);
    poznamky_->setLineWrapMode(QPlainTextEdit::NoWrap);
    poznamky_->setFixedHeight(8 * poznamky_->fontMetrics().lineSpacing());
    poznamky_->installEventFilter(this);
    l->addWidget(poznamky_);

    auto *tl = new QHBoxLayout;
    tl->addStretch();
    ok_ = new QPushButton(QStr(TVRozmer::kOKButton), this);
    ok_->setDefault(true);
    zrusit_ = new QPushButton(QStr(TVRozmer::kEscButton), this);
    // A click leaves the focus where it is: OK runs the exit of the focused field itself.
    ok_->setFocusPolicy(Qt::TabFocus);
    zrusit_->setFocusPolicy(Qt::TabFocus);
    tl->addWidget(ok_);
    tl->addWidget(zrusit_);
    l->addLayout(tl);

    connect(sirka_, &RozmerPole::upraveno, this, [this](const QString &t) {
        d_.NastavSirku(StdStr(t));
        Obnov();
    });
    connect(vyska_, &RozmerPole::upraveno, this, [this](const QString &t) {
        d_.NastavVysku(StdStr(t));
        Obnov();
    });
    connect(sirka_, &RozmerPole::krok, this, [this](int k) {
        d_.KrokSirky(k);
        Obnov();
    });
    connect(vyska_, &RozmerPole::krok, this, [this](int k) {
        d_.KrokVysky(k);
        Obnov();
    });
    connect(sirka_, &RozmerPole::opusteno, this, [this] { Opusteno(sirka_); });
    connect(vyska_, &RozmerPole::opusteno, this, [this] { Opusteno(vyska_); });
    connect(checkBoxZ_, &QCheckBox::clicked, this, [this] {
        d_.CheckBoxZClick();
        Obnov();
    });
    connect(listZesil_, &QListWidget::currentRowChanged, this, [this](int r) {
        if (obnovuji_)
            return;
        d_.VyberZesil(r);
        Obnov();
    });
    connect(poznamky_, &QPlainTextEdit::textChanged, this, [this] {
        if (obnovuji_)
            return;
        d_.NastavPoznamky(StdStr(poznamky_->toPlainText()));
    });
    connect(ok_, &QPushButton::clicked, this, [this] { OKClick(); });
    connect(zrusit_, &QPushButton::clicked, this, [this] { done(kVysledekZrusit); });

    Obnov();
    ZafixujVelikost(this);
    Umisti(this, d.Umisteni(width(), height()));
}

void RozmerView::Obnov()
{
    obnovuji_ = true;
    const auto pole = [](RozmerPole *w, const SpinPole &p) {
        w->NastavText(QStr(p.Text));
        w->setEnabled(p.Povoleny);
    };
    pole(sirka_, d_.Sirka());
    pole(vyska_, d_.Vyska());
    hraniceSirky_->setText(QStr(d_.HraniceSirky().Text));
    hraniceVysky_->setText(QStr(d_.HraniceVysky().Text));

    const Zaskrtavatko &c = d_.CheckBoxZ();
    checkBoxZ_->setText(QStr(c.Text));
    checkBoxZ_->setChecked(c.Zaskrtnuto);
    checkBoxZ_->setVisible(c.Viditelny);
    checkBoxZ_->setEnabled(c.Povoleny);
    labelZ_->setText(QStr(d_.LabelZ().Text));
    labelZ_->setVisible(d_.LabelZ().Viditelny);
    labelU_->setText(QStr(d_.LabelU().Text));
    labelU_->setVisible(d_.LabelU().Viditelny);

    const Prepinac &p = d_.ListZesil();
    listZesil_->setVisible(p.Viditelny);
    listZesil_->setEnabled(p.Povoleny);
    if (p.Index < 0) {
        listZesil_->setCurrentRow(-1);
        listZesil_->clearSelection();
    } else {
        listZesil_->setCurrentRow(p.Index);
    }

    const QString text = QStr(d_.Poznamky());
    if (poznamky_->toPlainText() != text)
        poznamky_->setPlainText(text);
    ok_->setEnabled(d_.OKPovoleno());
    obnovuji_ = false;
}

void RozmerView::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    d_.Aktivace();
    Obnov();
}

void RozmerView::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && !zavreno_) {
        d_.Aktivace();
        Obnov();
    }
}

bool RozmerView::eventFilter(QObject *o, QEvent *e)
{
    if (o == poznamky_ && e->type() == QEvent::FocusOut && !zavreno_ &&
        UzivatelOdesel(static_cast<QFocusEvent *>(e)))
        d_.PoznamkyExit();
    return QDialog::eventFilter(o, e);
}

void RozmerView::Opusteno(RozmerPole *pole)
{
    if (zavreno_ || vExitu_)
        return;
    vExitu_ = true;
    const bool zpet = pole == sirka_ ? d_.SirkaExit() : d_.VyskaExit();
    Obnov();
    if (zpet)
        pole->setFocus(Qt::OtherFocusReason);
    vExitu_ = false;
}

void RozmerView::OKClick()
{
    if (zavreno_ || vExitu_)
        return;
    for (RozmerPole *pole : {sirka_, vyska_}) {
        if (!MaFokus(pole))
            continue;
        vExitu_ = true;
        const bool zpet = pole == sirka_ ? d_.SirkaExit() : d_.VyskaExit();
        vExitu_ = false;
        Obnov();
        if (zpet) {
            pole->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (MaFokus(poznamky_))
        d_.PoznamkyExit();
    done(d_.Potvrd());
}

void RozmerView::done(int r)
{
    zavreno_ = true;
    QDialog::done(r);
}

int SpustRozmer(Session &s, Messages &m, QWidget *parent)
{
    TVRozmer d(s, m);
    RozmerView v(d, parent);
    const int r = v.exec();
    // exec() answers 0 (QDialog::Rejected) for Esc and the window's close button: Cancel.
    return r == 0 ? kVysledekZrusit : r;
}

} // namespace qmr
