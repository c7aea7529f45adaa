#include "gui/documents/ObjedView.h"

#include "core/Messages.h"
#include "dialogs/infill/Ovladace.h"
#include "documents/UObjed.h"
#include "gui/admin/UHesloView.h"
#include "gui/core/DialogHelpers.h"
#include "gui/core/QtFileDialogs.h"
#include "gui/core/Tiskarna.h"
#include "gui/documents/FormularPrvky.h"
#include "gui/partners/PartneriViews.h"
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
#include <QSpinBox>
#include <QVBoxLayout>

#include <functional>
#include <memory>

namespace qmr {

using namespace formular;

ObjedView::ObjedView(TObjed &d, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), d_(d)
{
    setWindowTitle(QStr(d.Titulek()));
    auto *l = new QVBoxLayout(this);

    auto *menu = new QMenuBar(this);
    QMenu *nast = menu->addMenu(QStr(TObjed::kMenuNastaveni));
    nast->setObjectName(QStringLiteral("Nastaveni"));
    definiceCen_ = nast->addAction(QStr(TObjed::kMenuDefiniceCen));
    QAction *definiceOdb = nast->addAction(QStr(TObjed::kMenuDefiniceOdb));
    QAction *definiceDod = nast->addAction(QStr(TObjed::kMenuDefiniceDod));
    nast->addSeparator();
    QAction *nastavTisk = nast->addAction(QStr(TObjed::kMenuNastavTisk));
    QAction *tiskni = nast->addAction(QStr(TObjed::kMenuTiskni));
    l->setMenuBar(menu);

    // Number and date.
    auto *h = new QHBoxLayout;
    h->addWidget(new QLabel(QStr(TObjed::kTxObjed), this));
    cislo_ = new QLineEdit(this);
    cislo_->setObjectName(QStringLiteral("Cislo"));
    cislo_->setMaxLength(TObjed::kMaxCislo);
    cislo_->setText(QStr(d.Cislo()));
    h->addWidget(cislo_);
    h->addSpacing(20);
    h->addWidget(new QLabel(QStr(TObjed::kTxTermin), this));
    termin_ = new QLineEdit(this);
    termin_->setObjectName(QStringLiteral("Termin"));
    // Day and month of one or two digits, a four-digit year, blanks for missing digits.
    termin_->setInputMask(QStringLiteral("09.09.9999; "));
    termin_->setText(QStr(d.Termin()));
    termin_->setToolTip(QStr(d.TerminTip()));
    termin_->setFixedWidth(termin_->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 12);
    h->addWidget(termin_);
    h->addStretch();
    l->addLayout(h);

    // Quantity.
    auto *q = new QHBoxLayout;
    q->addWidget(new QLabel(QStr(TObjed::kTxLine1), this));
    pocet_ = new QSpinBox(this);
    pocet_->setObjectName(QStringLiteral("Pocet"));
    pocet_->setRange(TObjed::kMinPocet, TObjed::kMaxPocet);
    q->addWidget(pocet_);
    txLine2_ = new QLabel(QStr(TObjed::kTxLine2), this);
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
    oznameni_ = new QLabel(QStr(TObjed::kOznameni), this);
    oznameni_->setObjectName(QStringLiteral("Oznameni"));
    QFont f = oznameni_->font();
    f.setPointSize(20);
    oznameni_->setFont(f);
    oznameni_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    r->addWidget(radky1_, 0, 0);
    r->addWidget(radky2_, 0, 1);
    r->addWidget(oznameni_, 0, 1);
    l->addLayout(r);

    l->addWidget(new QLabel(QStr(TObjed::kTxPozn), this));
    poznamky_ = new QPlainTextEdit(this);
    poznamky_->setObjectName(QStringLiteral("Poznamky"));
    poznamky_->setTabChangesFocus(true);
    poznamky_->setLineWrapMode(QPlainTextEdit::NoWrap);
    poznamky_->setFixedHeight(6 * poznamky_->fontMetrics().lineSpacing());
    poznamky_->setPlainText(QStr(d.Poznamky()));
    l->addWidget(poznamky_);

    // Transport and price.
    auto *v = new QHBoxLayout;
    dopravaBox_ = new QGroupBox(QStr(TObjed::kDoprava), this);
    dopravaBox_->setObjectName(QStringLiteral("Doprava"));
    doprava_ = Skupina(this, dopravaBox_, TObjed::kBezDopravy, TObjed::kSDopravou);
    v->addWidget(dopravaBox_);
    v->addSpacing(20);
    txCena_ = new QLabel(this);
    txCena_->setObjectName(QStringLiteral("TxCena"));
    QFont tucne = txCena_->font();
    tucne.setBold(true);
    txCena_->setFont(tucne);
    v->addWidget(txCena_, 1);
    l->addLayout(v);

    auto *p = new QHBoxLayout;
    p->addWidget(new QLabel(QStr(TObjed::kTxPodpis), this));
    podpis_ = new QLineEdit(this);
    podpis_->setObjectName(QStringLiteral("Podpis"));
    podpis_->setMaxLength(TObjed::kMaxPodpis);
    podpis_->setText(QStr(d.Podpis()));
    podpis_->setMinimumWidth(300);
    p->addWidget(podpis_);
    p->addStretch();
    tisk_ = new QPushButton(QStr(TObjed::kTiskButton), this);
    tisk_->setObjectName(QStringLiteral("TiskButton"));
    mail_ = new QPushButton(this);
    mail_->setObjectName(QStringLiteral("MailButton"));
    uloz_ = new QPushButton(QStr(TObjed::kUlozButton), this);
    uloz_->setObjectName(QStringLiteral("UlozButton"));
    konec_ = new QPushButton(QStr(TObjed::kKonecButton), this);
    konec_->setObjectName(QStringLiteral("KonecButton"));
    for (QPushButton *b : {tisk_, mail_, uloz_, konec_}) {
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
    connect(doprava_, &QButtonGroup::idClicked, this, [this](int i) {
        d_.DopravaClick(i);
        Obnov();
    });
    const auto tlacitko = [this](CilFokusu cil, std::function<void(TObjed &)> f) {
        return [this, cil, f = std::move(f)] {
            if (PredAkci(int(cil))) {
                f(d_);
                Obnov();
            }
        };
    };
    connect(tisk_, &QPushButton::clicked, this, tlacitko(CilFokusu::Tisk, [](TObjed &d) { d.TiskClick(); }));
    connect(mail_, &QPushButton::clicked, this, tlacitko(CilFokusu::Mail, [](TObjed &d) { d.MailClick(); }));
    connect(uloz_, &QPushButton::clicked, this, tlacitko(CilFokusu::Uloz, [](TObjed &d) { d.UlozClick(); }));
    connect(konec_, &QPushButton::clicked, this, [this] {
        if (PredAkci(int(CilFokusu::Jinam)))
            Konec();
    });
    // Actions go through plain functions: captured member-function pointers trip the
    // sanitizer when Qt calls the lambda.
    const auto prikaz = [this](std::function<void(TObjed &)> f) {
        return [this, f = std::move(f)] {
            f(d_);
            Obnov();
        };
    };
    connect(definiceCen_, &QAction::triggered, this, prikaz([](TObjed &d) { d.DefiniceCenClick(); }));
    connect(definiceOdb, &QAction::triggered, this, prikaz([](TObjed &d) { d.DefiniceOdbClick(); }));
    connect(definiceDod, &QAction::triggered, this, prikaz([](TObjed &d) { d.DefiniceDodClick(); }));
    connect(nastavTisk, &QAction::triggered, this, prikaz([](TObjed &d) { d.NastavTiskClick(); }));
    connect(tiskni, &QAction::triggered, this, prikaz([](TObjed &d) { d.TiskClick(); }));

    d_.Prekresli = [this] {
        Obnov();
        repaint();
    };
    Obnov();
    ZafixujVelikost(this);
    Umisti(this, d.Umisteni(width(), height()));
}

void ObjedView::Obnov()
{
    obnovuji_ = true;
    pocet_->setValue(d_.Pocet());
    pocet_->setVisible(d_.PocetViditelny());
    pocet_->setEnabled(d_.PocetViditelny());
    txLine2_->setVisible(d_.PocetViditelny());
    doprava_->button(d_.Doprava())->setChecked(true);
    dopravaBox_->setEnabled(d_.DopravaPovolena());
    txCena_->setText(QStr(d_.TxCena()));
    txCena_->setVisible(d_.TxCenaViditelna());
    radky2_->setVisible(d_.Radky2Viditelny());
    oznameni_->setVisible(d_.OznameniViditelne());
    mail_->setText(QStr(d_.MailText()));
    mail_->setEnabled(d_.MailPovoleny());
    uloz_->setVisible(d_.UlozViditelny());
    uloz_->setEnabled(d_.UlozViditelny());
    obnovuji_ = false;
}

bool ObjedView::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::FocusOut && !zavreno_ && !vExitu_ &&
        UzivatelOdesel(static_cast<QFocusEvent *>(e))) {
        vExitu_ = true;
        if (o == cislo_) {
            const QWidget *cil = QApplication::focusWidget();
            const CilFokusu c = cil == tisk_   ? CilFokusu::Tisk
                                : cil == mail_ ? CilFokusu::Mail
                                : cil == uloz_ ? CilFokusu::Uloz
                                               : CilFokusu::Jinam;
            if (d_.CisloExit(c))
                cislo_->setFocus(Qt::OtherFocusReason);
        } else if (o == termin_) {
            if (d_.TerminExit())
                termin_->setFocus(Qt::OtherFocusReason);
        } else if (o == poznamky_) {
            d_.PoznamkyExit();
        }
        vExitu_ = false;
    }
    return QDialog::eventFilter(o, e);
}

bool ObjedView::PredAkci(int cil)
{
    if (zavreno_ || vExitu_)
        return false;
    vExitu_ = true;
    QWidget *zpet = nullptr;
    if (MaFokus(cislo_)) {
        if (d_.CisloExit(static_cast<CilFokusu>(cil)))
            zpet = cislo_;
    } else if (MaFokus(termin_)) {
        if (d_.TerminExit())
            zpet = termin_;
    } else if (MaFokus(poznamky_)) {
        d_.PoznamkyExit();
    }
    vExitu_ = false;
    if (zpet)
        zpet->setFocus(Qt::OtherFocusReason);
    return !zpet;
}

void ObjedView::Konec()
{
    if (zavreno_ || vExitu_)
        return;
    vExitu_ = true;
    const bool zavrit = d_.KonecClick();
    vExitu_ = false;
    if (zavrit)
        done(kVysledekOK);
}

void ObjedView::reject() { Konec(); }

void ObjedView::done(int r)
{
    if (!zavreno_) {
        zavreno_ = true;
        d_.Zavri();
    }
    d_.Prekresli = nullptr;
    QDialog::done(r);
}

int SpustObjednavku(Session &s, Messages &m, const Clock &hodiny, MailClient &mail, Tiskarna *tisk,
                    ObjedAkce akce, QWidget *parent)
{
    // The form's own dialogs are parented to it once it exists.
    auto okno = std::make_shared<QPointer<QWidget>>();
    const auto rodic = [okno, parent]() -> QWidget * { return *okno ? okno->data() : parent; };
    if (!akce.Heslo)
        akce.Heslo = [&s, rodic] { return HesloView::Over(s, rodic()) ? IDOK : IDCANCEL; };
    if (!akce.CenyDef)
        akce.CenyDef = [&s, &m, rodic] { return CenyDefView::Spust(s, m, rodic()) ? IDOK : IDCANCEL; };
    if (!akce.Odberatel)
        akce.Odberatel = [&s, &m, rodic] { return SpustOdberatele(s, m, rodic()); };
    if (!akce.Dodavatel)
        akce.Dodavatel = [&s, &m, rodic] { return SpustDodavatele(s, m, rodic()); };
    if (!akce.NastavTisk && tisk)
        akce.NastavTisk = [tisk, rodic] { return tisk->NastavTisk(rodic()) ? IDOK : IDCANCEL; };
    if (!akce.TestZapisu)
        akce.TestZapisu = [&s, &m, &hodiny] {
            QtFileDialogs dialogy;
            TZapis zapis(s, m, hodiny, dialogy);
            return zapis.TestZapisu();
        };
    if (!akce.UlozitJako)
        akce.UlozitJako = [&s, &m, &hodiny] {
            QtFileDialogs dialogy;
            TZapis zapis(s, m, hodiny, dialogy);
            return zapis.UlozitJako(true);
        };
    if (!akce.VlastniPriloha)
        akce.VlastniPriloha = [&s]() -> std::string {
            QtFileDialogs dialogy;
            return dialogy.Open("", s.DataPath, "").value_or(std::string());
        };
    TObjed d(s, m, hodiny, mail, std::move(akce));
    ObjedView v(d, parent);
    *okno = &v;
    const int r = v.exec();
    return r == 0 ? kVysledekZrusit : r;
}

} // namespace qmr
