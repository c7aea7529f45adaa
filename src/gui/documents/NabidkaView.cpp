#include "gui/documents/NabidkaView.h"

#include "core/Messages.h"
#include "dialogs/infill/Ovladace.h"
#include "documents/UNabidka.h"
#include "gui/admin/UHesloView.h"
#include "gui/core/DialogHelpers.h"
#include "gui/core/QtFileDialogs.h"
#include "gui/core/Tiskarna.h"
#include "gui/documents/FormularPrvky.h"
#include "gui/pricing/UCenyDefView.h"
#include "jobfiles/UZapis.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <functional>
#include <memory>

namespace qmr {

using namespace formular;

NabidkaView::NabidkaView(TNabidka &d, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), d_(d)
{
    setWindowTitle(QStr(d.Titulek()));
    auto *l = new QVBoxLayout(this);

    auto *menu = new QMenuBar(this);
    QMenu *nast = menu->addMenu(QStr(TNabidka::kMenuNastaveni));
    nast->setObjectName(QStringLiteral("Nastaveni"));
    definiceCen_ = nast->addAction(QStr(TNabidka::kMenuDefiniceCen));
    QAction *definiceOdb = nast->addAction(QStr(TNabidka::kMenuDefiniceOdb));
    QAction *definiceDod = nast->addAction(QStr(TNabidka::kMenuDefiniceDod));
    nast->addSeparator();
    QAction *nastavTisk = nast->addAction(QStr(TNabidka::kMenuNastavTisk));
    QAction *tiskni = nast->addAction(QStr(TNabidka::kMenuTiskni));
    l->setMenuBar(menu);

    // Number, date, validity.
    auto *h = new QHBoxLayout;
    h->addWidget(new QLabel(QStr(TNabidka::kTxObjed), this));
    cislo_ = new QLineEdit(this);
    cislo_->setObjectName(QStringLiteral("Cislo"));
    cislo_->setMaxLength(TNabidka::kMaxCislo);
    cislo_->setText(QStr(d.Cislo()));
    h->addWidget(cislo_);
    h->addSpacing(20);
    h->addWidget(new QLabel(QStr(TNabidka::kTxTermin), this));
    termin_ = new QLineEdit(this);
    termin_->setObjectName(QStringLiteral("Termin"));
    // Day and month of one or two digits, a four-digit year, blanks for missing digits.
    termin_->setInputMask(QStringLiteral("09.09.9999; "));
    termin_->setText(QStr(d.Termin()));
    termin_->setToolTip(QStr(d.TerminTip()));
    termin_->setFixedWidth(termin_->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 12);
    h->addWidget(termin_);
    h->addSpacing(20);
    h->addWidget(new QLabel(QStr(TNabidka::kTxPlat1), this));
    platnost_ = new QSpinBox(this);
    platnost_->setObjectName(QStringLiteral("Platnost"));
    platnost_->setRange(TNabidka::kMinPlatnost, TNabidka::kMaxPlatnost);
    h->addWidget(platnost_);
    h->addWidget(new QLabel(QStr(TNabidka::kTxPlat2), this));
    h->addStretch();
    l->addLayout(h);

    // Quantity.
    auto *q = new QHBoxLayout;
    q->addWidget(new QLabel(QStr(TNabidka::kTxLine1), this));
    pocet_ = new QSpinBox(this);
    pocet_->setObjectName(QStringLiteral("Pocet"));
    pocet_->setRange(TNabidka::kMinPocet, TNabidka::kMaxPocet);
    q->addWidget(pocet_);
    txLine2_ = new QLabel(this);
    txLine2_->setObjectName(QStringLiteral("TxLine2"));
    q->addWidget(txLine2_);
    q->addStretch();
    l->addLayout(q);

    // The lines of the job; the gateway's notice stands in place of the values.
    auto *r = new QGridLayout;
    radky1_ = Seznam(this, "Radky1");
    radky2_ = Seznam(this, "Radky2");
    for (std::size_t i = 0; i < d.Radky().Pocet(); ++i) {
        radky1_->addItem(QStr(d.Radky().Radky1[i]));
        radky2_->addItem(QStr(d.Radky().Radky2[i]));
    }
    radky1_->setFixedWidth(qMax(120, radky1_->sizeHintForColumn(0) + 10));
    radky2_->setMinimumWidth(qMax(480, radky2_->sizeHintForColumn(0) + 10));
    oznameni_ = new QLabel(QStr(TNabidka::kOznameni), this);
    oznameni_->setObjectName(QStringLiteral("Oznameni"));
    QFont f = oznameni_->font();
    f.setPointSize(20);
    oznameni_->setFont(f);
    oznameni_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    r->addWidget(radky1_, 0, 0);
    r->addWidget(radky2_, 0, 1);
    r->addWidget(oznameni_, 0, 1);
    l->addLayout(r);

    l->addWidget(new QLabel(QStr(TNabidka::kTxPozn), this));
    poznamky_ = new QPlainTextEdit(this);
    poznamky_->setObjectName(QStringLiteral("Poznamky"));
    poznamky_->setTabChangesFocus(true);
    poznamky_->setLineWrapMode(QPlainTextEdit::NoWrap);
    poznamky_->setFixedHeight(6 * poznamky_->fontMetrics().lineSpacing());
    poznamky_->setPlainText(QStr(d.Poznamky()));
    l->addWidget(poznamky_);

    // Version, transport, price.
    auto *v = new QHBoxLayout;
    auto *verzeBox = new QGroupBox(QStr(TNabidka::kVerze), this);
    verzeBox->setObjectName(QStringLiteral("Verze"));
    verze_ = Skupina(this, verzeBox, TNabidka::kVerzeProsta, TNabidka::kVerzePlna);
    v->addWidget(verzeBox);
    auto *dopravaBox = new QGroupBox(QStr(TNabidka::kDoprava), this);
    dopravaBox->setObjectName(QStringLiteral("Doprava"));
    doprava_ = Skupina(this, dopravaBox, TNabidka::kBezDopravy, TNabidka::kSDopravou);
    v->addWidget(dopravaBox);
    v->addSpacing(20);
    txCena_ = new QLabel(this);
    txCena_->setObjectName(QStringLiteral("TxCena"));
    QFont tucne = txCena_->font();
    tucne.setBold(true);
    txCena_->setFont(tucne);
    v->addWidget(txCena_, 1);
    l->addLayout(v);

    auto *p = new QHBoxLayout;
    p->addWidget(new QLabel(QStr(TNabidka::kTxPodpis), this));
    podpis_ = new QLineEdit(this);
    podpis_->setObjectName(QStringLiteral("Podpis"));
    podpis_->setMaxLength(TNabidka::kMaxPodpis);
    podpis_->setText(QStr(d.Podpis()));
    podpis_->setMinimumWidth(300);
    p->addWidget(podpis_);
    p->addStretch();
    tisk_ = new QPushButton(QStr(TNabidka::kTiskButton), this);
    tisk_->setObjectName(QStringLiteral("TiskButton"));
    mail_ = new QPushButton(this);
    mail_->setObjectName(QStringLiteral("MailButton"));
    konec_ = new QPushButton(QStr(TNabidka::kKonecButton), this);
    konec_->setObjectName(QStringLiteral("KonecButton"));
    for (QPushButton *b : {tisk_, mail_, konec_}) {
        // A click leaves the focus where it is: the button runs the field's exit itself.
        b->setFocusPolicy(Qt::TabFocus);
        b->setAutoDefault(false);
        p->addWidget(b);
    }
    l->addLayout(p);

    for (QWidget *w : {static_cast<QWidget *>(cislo_), static_cast<QWidget *>(termin_),
                       static_cast<QWidget *>(poznamky_)})
        w->installEventFilter(this);

    connect(cislo_, &QLineEdit::textEdited, this, [this](const QString &t) { d_.NastavCislo(StdStr(t)); });
    connect(podpis_, &QLineEdit::textEdited, this, [this](const QString &t) { d_.NastavPodpis(StdStr(t)); });
    connect(termin_, &QLineEdit::textEdited, this, [this](const QString &t) { d_.NastavTermin(StdStr(t), true); });
    connect(poznamky_, &QPlainTextEdit::textChanged, this, [this] {
        if (!obnovuji_)
            d_.NastavPoznamky(StdStr(poznamky_->toPlainText()));
    });
    connect(pocet_, &QSpinBox::valueChanged, this, [this](int n) {
        if (obnovuji_)
            return;
        d_.NastavPocet(n);
        Obnov();
    });
    connect(platnost_, &QSpinBox::valueChanged, this, [this](int n) {
        if (obnovuji_)
            return;
        d_.NastavPlatnost(n);
        Obnov();
    });
    connect(verze_, &QButtonGroup::idClicked, this, [this](int i) {
        d_.VerzeClick(i);
        Obnov();
    });
    connect(doprava_, &QButtonGroup::idClicked, this, [this](int i) {
        d_.DopravaClick(i);
        Obnov();
    });
    connect(tisk_, &QPushButton::clicked, this, [this] {
        if (PredAkci(int(CilFokusu::Tisk))) {
            d_.TiskClick();
            Obnov();
        }
    });
    connect(mail_, &QPushButton::clicked, this, [this] {
        if (PredAkci(int(CilFokusu::Mail))) {
            d_.MailClick();
            Obnov();
        }
    });
    connect(konec_, &QPushButton::clicked, this, [this] {
        if (PredAkci(int(CilFokusu::Jinam)))
            Konec();
    });
    // Actions go through plain functions: captured member-function pointers trip the
    // sanitizer when Qt calls the lambda.
    const auto prikaz = [this](std::function<void(TNabidka &)> f) {
        return [this, f = std::move(f)] {
            f(d_);
            Obnov();
        };
    };
    connect(definiceCen_, &QAction::triggered, this, prikaz([](TNabidka &d) { d.DefiniceCenClick(); }));
    connect(definiceOdb, &QAction::triggered, this, prikaz([](TNabidka &d) { d.DefiniceOdbClick(); }));
    connect(definiceDod, &QAction::triggered, this, prikaz([](TNabidka &d) { d.DefiniceDodClick(); }));
    connect(nastavTisk, &QAction::triggered, this, prikaz([](TNabidka &d) { d.NastavTiskClick(); }));
    connect(tiskni, &QAction::triggered, this, prikaz([](TNabidka &d) { d.TiskClick(); }));

    d_.Prekresli = [this] {
        Obnov();
        repaint();
    };
    Obnov();
    ZafixujVelikost(this);
    Umisti(this, d.Umisteni(width(), height()));
}

void NabidkaView::Obnov()
{
    obnovuji_ = true;
    platnost_->setValue(d_.Platnost());
    pocet_->setValue(d_.Pocet());
    pocet_->setVisible(d_.PocetViditelny());
    pocet_->setEnabled(d_.PocetViditelny());
    txLine2_->setText(QStr(d_.TxLine2()));
    txLine2_->setVisible(d_.PocetViditelny());
    verze_->button(d_.Verze())->setChecked(true);
    doprava_->button(d_.Doprava())->setChecked(true);
    txCena_->setText(QStr(d_.TxCena()));
    radky2_->setVisible(d_.Radky2Viditelny());
    oznameni_->setVisible(d_.OznameniViditelne());
    mail_->setText(QStr(d_.MailText()));
    mail_->setEnabled(d_.MailPovoleny());
    obnovuji_ = false;
}

bool NabidkaView::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::FocusOut && !zavreno_ && !vExitu_ &&
        UzivatelOdesel(static_cast<QFocusEvent *>(e))) {
        vExitu_ = true;
        if (o == cislo_) {
            const QWidget *cil = QApplication::focusWidget();
            const CilFokusu c = cil == tisk_ ? CilFokusu::Tisk : cil == mail_ ? CilFokusu::Mail : CilFokusu::Jinam;
            if (d_.CisloExit(c))
                cislo_->setFocus(Qt::OtherFocusReason);
        } else if (o == termin_) {
            d_.TerminExit();
        } else if (o == poznamky_) {
            d_.PoznamkyExit();
        }
        vExitu_ = false;
    }
    return QDialog::eventFilter(o, e);
}

bool NabidkaView::PredAkci(int cil)
{
    if (zavreno_ || vExitu_)
        return false;
    vExitu_ = true;
    bool dal = true;
    if (MaFokus(cislo_)) {
        dal = !d_.CisloExit(static_cast<CilFokusu>(cil));
    } else if (MaFokus(termin_)) {
        d_.TerminExit();
    } else if (MaFokus(poznamky_)) {
        d_.PoznamkyExit();
    }
    vExitu_ = false;
    if (!dal)
        cislo_->setFocus(Qt::OtherFocusReason);
    return dal;
}

void NabidkaView::Konec()
{
    if (zavreno_ || vExitu_)
        return;
    vExitu_ = true;
    const bool zavrit = d_.KonecClick();
    vExitu_ = false;
    if (zavrit)
        done(kVysledekOK);
}

void NabidkaView::reject() { Konec(); }

void NabidkaView::done(int r)
{
    if (!zavreno_) {
        zavreno_ = true;
        d_.Zavri();
    }
    d_.Prekresli = nullptr;
    QDialog::done(r);
}

int SpustNabidku(Session &s, Messages &m, const Clock &hodiny, MailClient &mail, Tiskarna *tisk,
                 NabidkaAkce akce, QWidget *parent)
{
    // The form's own dialogs are parented to it once it exists.
    auto okno = std::make_shared<QPointer<QWidget>>();
    const auto rodic = [okno, parent]() -> QWidget * { return *okno ? okno->data() : parent; };
    if (!akce.Heslo)
        akce.Heslo = [&s, rodic] { return HesloView::Over(s, rodic()) ? IDOK : IDCANCEL; };
    if (!akce.CenyDef)
        akce.CenyDef = [&s, &m, rodic] { return CenyDefView::Spust(s, m, rodic()) ? IDOK : IDCANCEL; };
    if (!akce.NastavTisk && tisk)
        akce.NastavTisk = [tisk, rodic] { return tisk->NastavTisk(rodic()) ? IDOK : IDCANCEL; };
    if (!akce.UlozitJako)
        akce.UlozitJako = [&s, &m, &hodiny] {
            QtFileDialogs dialogy;
            TZapis zapis(s, m, hodiny, dialogy);
            return zapis.UlozitJako(false);
        };
    TNabidka d(s, m, hodiny, mail, std::move(akce));
    NabidkaView v(d, parent);
    *okno = &v;
    const int r = v.exec();
    return r == 0 ? kVysledekZrusit : r;
}

} // namespace qmr
