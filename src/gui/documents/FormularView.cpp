#include "gui/documents/FormularView.h"

#include "core/Messages.h"
#include "dialogs/infill/Ovladace.h"
#include "documents/FormularZaklad.h"
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
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qmr {

using namespace formular;

FormularView::FormularView(TFormular &d, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), d_(d)
{
    setWindowTitle(QStr(d.Titulek()));
}

QVBoxLayout *FormularView::Zacni()
{
    auto *l = new QVBoxLayout(this);
    auto *menu = new QMenuBar(this);
    QMenu *nast = menu->addMenu(QStr(TFormular::kMenuNastaveni));
    nast->setObjectName(QStringLiteral("Nastaveni"));
    definiceCen_ = nast->addAction(QStr(TFormular::kMenuDefiniceCen));
    definiceOdb_ = nast->addAction(QStr(TFormular::kMenuDefiniceOdb));
    definiceDod_ = nast->addAction(QStr(TFormular::kMenuDefiniceDod));
    nast->addSeparator();
    nastavTisk_ = nast->addAction(QStr(TFormular::kMenuNastavTisk));
    tiskni_ = nast->addAction(QStr(TFormular::kMenuTiskni));
    l->setMenuBar(menu);
    return l;
}

QHBoxLayout *FormularView::RadekCisla(const char *txObjed)
{
    auto *h = new QHBoxLayout;
    h->addWidget(new QLabel(QStr(txObjed), this));
    cislo_ = new QLineEdit(this);
    cislo_->setObjectName(QStringLiteral("Cislo"));
    cislo_->setMaxLength(TFormular::kMaxCislo);
    cislo_->setText(QStr(d_.Cislo()));
    h->addWidget(cislo_);
    h->addSpacing(20);
    h->addWidget(new QLabel(QStr(TFormular::kTxTermin), this));
    termin_ = new QLineEdit(this);
    termin_->setObjectName(QStringLiteral("Termin"));
    // Day and month of one or two digits, a four-digit year, blanks for missing digits.
    termin_->setInputMask(QStringLiteral("09.09.9999; "));
    termin_->setText(QStr(d_.Termin()));
    termin_->setToolTip(QStr(d_.TerminTip()));
    termin_->setFixedWidth(termin_->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 12);
    h->addWidget(termin_);
    return h;
}

void FormularView::RadekPoctu(QVBoxLayout *l, const char *line1, const char *line2)
{
    auto *q = new QHBoxLayout;
    q->addWidget(new QLabel(QStr(line1), this));
    pocet_ = new QSpinBox(this);
    pocet_->setObjectName(QStringLiteral("Pocet"));
    pocet_->setRange(TFormular::kMinPocet, TFormular::kMaxPocet);
    q->addWidget(pocet_);
    txLine2_ = new QLabel(line2 ? QStr(line2) : QString(), this);
    txLine2_->setObjectName(QStringLiteral("TxLine2"));
    q->addWidget(txLine2_);
    q->addStretch();
    l->addLayout(q);
}

void FormularView::RadkyZakazky(QVBoxLayout *l)
{
    auto *r = new QGridLayout;
    radky1_ = Seznam(this, "Radky1");
    radky2_ = Seznam(this, "Radky2");
    for (std::size_t i = 0; i < d_.Radky().Pocet(); ++i) {
        radky1_->addItem(QStr(d_.Radky().Radky1[i]));
        radky2_->addItem(QStr(d_.Radky().Radky2[i]));
    }
    radky1_->setFixedWidth(qMax(120, radky1_->sizeHintForColumn(0) + 10));
    radky2_->setMinimumWidth(qMax(480, radky2_->sizeHintForColumn(0) + 10));
    oznameni_ = new QLabel(QStr(TFormular::kOznameni), this);
    oznameni_->setObjectName(QStringLiteral("Oznameni"));
    QFont f = oznameni_->font();
    f.setPointSize(20);
    oznameni_->setFont(f);
    oznameni_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    r->addWidget(radky1_, 0, 0);
    r->addWidget(radky2_, 0, 1);
    r->addWidget(oznameni_, 0, 1);
    l->addLayout(r);
}

void FormularView::PolePoznamek(QVBoxLayout *l)
{
    l->addWidget(new QLabel(QStr(TFormular::kTxPozn), this));
    poznamky_ = new QPlainTextEdit(this);
    poznamky_->setObjectName(QStringLiteral("Poznamky"));
    poznamky_->setTabChangesFocus(true);
    poznamky_->setLineWrapMode(QPlainTextEdit::NoWrap);
    poznamky_->setFixedHeight(6 * poznamky_->fontMetrics().lineSpacing());
    poznamky_->setPlainText(QStr(d_.Poznamky()));
    l->addWidget(poznamky_);
}

void FormularView::DopravaACena(QHBoxLayout *v)
{
    dopravaBox_ = new QGroupBox(QStr(TFormular::kDoprava), this);
    dopravaBox_->setObjectName(QStringLiteral("Doprava"));
    doprava_ = Skupina(this, dopravaBox_, TFormular::kBezDopravy, TFormular::kSDopravou);
    v->addWidget(dopravaBox_);
    v->addSpacing(20);
    txCena_ = new QLabel(this);
    txCena_->setObjectName(QStringLiteral("TxCena"));
    QFont tucne = txCena_->font();
    tucne.setBold(true);
    txCena_->setFont(tucne);
    v->addWidget(txCena_, 1);
}

QPushButton *FormularView::RadekPodpisu(QVBoxLayout *l, const char *navic, const char *navicJmeno, CilFokusu navicCil)
{
    auto *p = new QHBoxLayout;
    p->addWidget(new QLabel(QStr(TFormular::kTxPodpis), this));
    podpis_ = new QLineEdit(this);
    podpis_->setObjectName(QStringLiteral("Podpis"));
    podpis_->setMaxLength(TFormular::kMaxPodpis);
    podpis_->setText(QStr(d_.Podpis()));
    podpis_->setMinimumWidth(300);
    p->addWidget(podpis_);
    p->addStretch();
    tisk_ = new QPushButton(QStr(TFormular::kTiskButton), this);
    tisk_->setObjectName(QStringLiteral("TiskButton"));
    mail_ = new QPushButton(this);
    mail_->setObjectName(QStringLiteral("MailButton"));
    QPushButton *dalsi = nullptr;
    if (navic) {
        dalsi = new QPushButton(QStr(navic), this);
        dalsi->setObjectName(QString::fromLatin1(navicJmeno));
    }
    konec_ = new QPushButton(QStr(TFormular::kKonecButton), this);
    konec_->setObjectName(QStringLiteral("KonecButton"));
    cile_ = {{tisk_, CilFokusu::Tisk}, {mail_, CilFokusu::Mail}};
    if (dalsi)
        cile_.emplace_back(dalsi, navicCil);
    for (QPushButton *b : {tisk_, mail_, dalsi, konec_}) {
        if (!b)
            continue;
        // A click leaves the focus where it is: the button runs the field's exit itself.
        b->setFocusPolicy(Qt::TabFocus);
        b->setAutoDefault(false);
        p->addWidget(b);
    }
    l->addLayout(p);
    return dalsi;
}

std::function<void()> FormularView::Tlacitko(CilFokusu cil, std::function<void()> f)
{
    return [this, cil, f = std::move(f)] {
        if (PredAkci(cil)) {
            f();
            Obnov();
        }
    };
}

std::function<void()> FormularView::Prikaz(std::function<void()> f)
{
    return [this, f = std::move(f)] {
        f();
        Obnov();
    };
}

void FormularView::Dokonci()
{
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
    // Commands go through plain functions: captured member-function pointers trip the
    // sanitizer when Qt calls the lambda.
    connect(tisk_, &QPushButton::clicked, this, Tlacitko(CilFokusu::Tisk, [this] { d_.TiskClick(); }));
    connect(mail_, &QPushButton::clicked, this, Tlacitko(CilFokusu::Mail, [this] { d_.MailClick(); }));
    connect(konec_, &QPushButton::clicked, this, [this] {
        if (PredAkci(CilFokusu::Jinam))
            Konec();
    });
    connect(definiceCen_, &QAction::triggered, this, Prikaz([this] { d_.DefiniceCenClick(); }));
    connect(definiceOdb_, &QAction::triggered, this, Prikaz([this] { d_.DefiniceOdbClick(); }));
    connect(definiceDod_, &QAction::triggered, this, Prikaz([this] { d_.DefiniceDodClick(); }));
    connect(nastavTisk_, &QAction::triggered, this, Prikaz([this] { d_.NastavTiskClick(); }));
    connect(tiskni_, &QAction::triggered, this, Prikaz([this] { d_.TiskClick(); }));

    d_.Prekresli = [this] {
        Obnov();
        repaint();
    };
    Obnov();
    ZafixujVelikost(this);
    Umisti(this, d_.Umisteni(width(), height()));
}

void FormularView::Obnov()
{
    obnovuji_ = true;
    pocet_->setValue(d_.Pocet());
    pocet_->setVisible(d_.PocetViditelny());
    pocet_->setEnabled(d_.PocetViditelny());
    txLine2_->setVisible(d_.PocetViditelny());
    doprava_->button(d_.Doprava())->setChecked(true);
    txCena_->setText(QStr(d_.TxCena()));
    radky2_->setVisible(d_.Radky2Viditelny());
    oznameni_->setVisible(d_.OznameniViditelne());
    mail_->setText(QStr(d_.MailText()));
    mail_->setEnabled(d_.MailPovoleny());
    ObnovDalsi();
    obnovuji_ = false;
}

CilFokusu FormularView::CilTlacitka(const QWidget *w) const
{
    for (const auto &[b, c] : cile_)
        if (b == w)
            return c;
    return CilFokusu::Jinam;
}

bool FormularView::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::FocusOut && !zavreno_ && !vExitu_ &&
        UzivatelOdesel(static_cast<QFocusEvent *>(e))) {
        vExitu_ = true;
        if (o == cislo_) {
            if (d_.CisloExit(CilTlacitka(QApplication::focusWidget())))
                cislo_->setFocus(Qt::OtherFocusReason);
        } else if (o == termin_) {
            if (TerminOdchod())
                termin_->setFocus(Qt::OtherFocusReason);
        } else if (o == poznamky_) {
            d_.PoznamkyExit();
        }
        vExitu_ = false;
    }
    return QDialog::eventFilter(o, e);
}

bool FormularView::PredAkci(CilFokusu cil)
{
    if (zavreno_ || vExitu_)
        return false;
    vExitu_ = true;
    QWidget *zpet = nullptr;
    if (MaFokus(cislo_)) {
        if (d_.CisloExit(cil))
            zpet = cislo_;
    } else if (MaFokus(termin_)) {
        if (TerminOdchod())
            zpet = termin_;
    } else if (MaFokus(poznamky_)) {
        d_.PoznamkyExit();
    }
    vExitu_ = false;
    if (zpet)
        zpet->setFocus(Qt::OtherFocusReason);
    return !zpet;
}

void FormularView::Konec()
{
    if (zavreno_ || vExitu_)
        return;
    vExitu_ = true;
    const bool zavrit = d_.KonecClick();
    vExitu_ = false;
    if (zavrit)
        done(kVysledekOK);
}

void FormularView::reject() { Konec(); }

void FormularView::done(int r)
{
    if (!zavreno_) {
        zavreno_ = true;
        d_.Zavri();
    }
    d_.Prekresli = nullptr;
    QDialog::done(r);
}

// ---- Running a form ---------------------------------------------------------------------

RodicFormulare::RodicFormulare(QWidget *parent) : okno_(std::make_shared<QPointer<QWidget>>()), parent_(parent) {}

QWidget *RodicFormulare::operator()() const { return *okno_ ? okno_->data() : parent_; }

void RodicFormulare::Nastav(QWidget *okno) const { *okno_ = okno; }

void DoplnAkce(AkceFormulare &akce, Session &s, Messages &m, const Clock &hodiny, Tiskarna *tisk,
               const RodicFormulare &rodic, bool priloha)
{
    if (!akce.Heslo)
        akce.Heslo = [&s, rodic] { return HesloView::Over(s, rodic()) ? IDOK : IDCANCEL; };
    if (!akce.CenyDef)
        akce.CenyDef = [&s, &m, rodic] { return CenyDefView::Spust(s, m, rodic()) ? IDOK : IDCANCEL; };
    if (!akce.NastavTisk && tisk)
        akce.NastavTisk = [tisk, rodic] { return tisk->NastavTisk(rodic()) ? IDOK : IDCANCEL; };
    if (!akce.UlozitJako)
        akce.UlozitJako = [&s, &m, &hodiny, priloha] {
            QtFileDialogs dialogy;
            TZapis zapis(s, m, hodiny, dialogy);
            return zapis.UlozitJako(priloha);
        };
}

int SpustFormular(FormularView &v, const RodicFormulare &rodic)
{
    rodic.Nastav(&v);
    const int r = v.exec();
    return r == 0 ? kVysledekZrusit : r;
}

} // namespace qmr
