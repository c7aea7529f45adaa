#include "gui/partners/PartneriViews.h"

#include "dialogs/infill/Ovladace.h"
#include "gui/core/DialogHelpers.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace qmr {

namespace {

// exec() answers 0 (QDialog::Rejected) for Esc and the window's close button: Cancel.
int Vysledek(int r) { return r == 0 ? kVysledekZrusit : r; }

QLabel *NovyPopisek(const std::string &text, QWidget *parent)
{
    auto *l = new QLabel(QStr(text), parent);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QHBoxLayout *Tlacitka(QPushButton *ok, QPushButton *esc)
{
    auto *h = new QHBoxLayout;
    h->addStretch(1);
    h->addWidget(ok);
    if (esc)
        h->addWidget(esc);
    return h;
}

QPushButton *NoveTlacitko(const char *text, const char *jmeno, QWidget *parent)
{
    auto *b = new QPushButton(QString::fromUtf8(text), parent);
    b->setObjectName(QString::fromUtf8(jmeno));
    return b;
}

} // namespace

// ---- PoleFormulare ------------------------------------------------------------------

PoleFormulare::PoleFormulare(QWidget *parent, QGridLayout *mrizka, int radek, const std::vector<PoleEditu> &pole,
                             std::function<void(int, const std::string &)> nastav)
{
    QHBoxLayout *vedle = nullptr; // the row a postal code shares with the next field
    for (std::size_t i = 0; i < pole.size(); ++i) {
        const PoleEditu &p = pole[i];
        auto *e = new QLineEdit(parent);
        e->setObjectName(QStr(p.Jmeno));
        QObject::connect(e, &QLineEdit::textEdited, parent,
                         [nastav, i](const QString &t) { nastav(static_cast<int>(i), StdStr(t)); });
        edity_.push_back(e);
        QLabel *l = nullptr;
        if (!p.Popisek.empty()) {
            l = NovyPopisek(p.Popisek, parent);
            l->setBuddy(e);
        }
        popisky_.push_back(l);
        if (vedle && !l) {
            vedle->addWidget(e, 1);
            vedle = nullptr;
            continue;
        }
        vedle = nullptr;
        if (l)
            mrizka->addWidget(l, radek, 0);
        if (p.MaskaPSC) {
            e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("MM-00000")) + 16);
            vedle = new QHBoxLayout;
            vedle->addWidget(e);
            mrizka->addLayout(vedle, radek, 1);
        } else {
            e->setMinimumWidth(e->fontMetrics().averageCharWidth() * 40);
            mrizka->addWidget(e, radek, 1);
        }
        ++radek;
        ++radku_;
    }
    Obnov(pole);
}

void PoleFormulare::Obnov(const std::vector<PoleEditu> &pole)
{
    for (std::size_t i = 0; i < pole.size(); ++i) {
        QLineEdit *e = edity_[i];
        const int mez = MaxDelkaPole(pole[i]);
        const QString text = QStr(pole[i].Text);
        if (e->text() != text) {
            e->setMaxLength(32767);
            e->setText(text);
        }
        e->setMaxLength(mez > 0 ? mez : 32767);
    }
}

// ---- NaseDefView --------------------------------------------------------------------

NaseDefView::NaseDefView(TNaseDef &v, Messages &zpravy, QWidget *parent) : QDialog(parent), v_(v)
{
    setWindowTitle(QString::fromUtf8(TNaseDef::kTitulek));
    auto *svisle = new QVBoxLayout(this);
    text1_ = NovyPopisek(TNaseDef::kStaticText1, this);
    text1_->setObjectName(QStringLiteral("StaticText1"));
    svisle->addWidget(text1_);
    auto *mrizka = new QGridLayout;
    pole_ = std::make_unique<PoleFormulare>(this, mrizka, 0, v.Pole(), [this](int i, const std::string &t) {
        v_.Nastav(static_cast<PoleDodavatele>(i), t);
        Obnov();
    });
    svisle->addLayout(mrizka);
    ok_ = NoveTlacitko(TNaseDef::kOKButton, "OKButton", this);
    ok_->setDefault(true);
    esc_ = NoveTlacitko(TNaseDef::kEscButton, "EscButton", this);
    svisle->addLayout(Tlacitka(ok_, esc_));
    connect(ok_, &QPushButton::clicked, this, [this, &zpravy] {
        if (v_.Potvrd(zpravy))
            done(kVysledekOK);
    });
    connect(esc_, &QPushButton::clicked, this, [this] { done(kVysledekZrusit); });
    Obnov();
    ZafixujVelikost(this);
    qmr::Umisti(this, v.Umisteni(width(), height()));
}

void NaseDefView::Obnov() { pole_->Obnov(v_.Pole()); }

// ---- JejichDefView ------------------------------------------------------------------

JejichDefView::JejichDefView(TJejichDef &v, QWidget *parent) : QDialog(parent), v_(v)
{
    setWindowTitle(QString::fromUtf8(TJejichDef::kTitulek));
    auto *svisle = new QVBoxLayout(this);
    label1_ = NovyPopisek(TJejichDef::kLabel1, this);
    label1_->setObjectName(QStringLiteral("Label1"));
    svisle->addWidget(label1_);
    auto *mrizka = new QGridLayout;
    pole_ = std::make_unique<PoleFormulare>(this, mrizka, 0, v.Pole(), [this](int i, const std::string &t) {
        v_.Nastav(static_cast<PoleFirmy>(i), t);
        Obnov();
    });
    svisle->addLayout(mrizka);

    mapi_ = new QGroupBox(QStr(v.MapiGroup().Nadpis), this);
    mapi_->setObjectName(QStringLiteral("jMapiGroup"));
    auto *skupina = new QVBoxLayout(mapi_);
    for (std::size_t i = 0; i < v.MapiGroup().Polozky.size(); ++i) {
        auto *r = new QRadioButton(QStr(v.MapiGroup().Polozky[i]), mapi_);
        skupina->addWidget(r);
        polozky_.push_back(r);
        connect(r, &QRadioButton::clicked, this, [this, i] {
            v_.NastavMapiGroup(static_cast<int>(i));
            Obnov();
        });
    }
    svisle->addWidget(mapi_);

    label14_ = NovyPopisek(v.Label14(), this);
    label14_->setObjectName(QStringLiteral("Label14"));
    svisle->addWidget(label14_);
    ok_ = NoveTlacitko(TJejichDef::kOKButton, "OKButton", this);
    ok_->setDefault(true);
    esc_ = NoveTlacitko(TJejichDef::kEscButton, "EscButton", this);
    // Cancel takes no focus, so that leaving a rejected address for it asks nothing.
    esc_->setFocusPolicy(Qt::NoFocus);
    svisle->addLayout(Tlacitka(ok_, esc_));
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (v_.Potvrd())
            done(kVysledekOK);
    });
    connect(esc_, &QPushButton::clicked, this, [this] { done(kVysledekZrusit); });
    fokus_ = connect(qApp, &QApplication::focusChanged, this,
                     [this](QWidget *stary, QWidget *novy) { zmenaFokusu(stary, novy); });
    Obnov();
    ZafixujVelikost(this);
    qmr::Umisti(this, v.Umisteni(width(), height()));
}

JejichDefView::~JejichDefView() { disconnect(fokus_); }

// The checks run when the focus moves from jMail, or from the group, to another control
// of this dialog (not when another window takes it, e.g. the message box itself).
void JejichDefView::zmenaFokusu(QWidget *stary, QWidget *novy)
{
    if (!stary || !novy || !isAncestorOf(novy) || !isVisible())
        return;
    QLineEdit *mail = Edit(PoleFirmy::Mail);
    const bool zMailu = stary == mail && novy != mail;
    const bool zeSkupiny = mapi_->isAncestorOf(stary) && !mapi_->isAncestorOf(novy) && novy != mail;
    if (!zMailu && !zeSkupiny)
        return;
    // After the event that moved the focus, so that no message box opens inside it.
    QTimer::singleShot(0, this, [this, mail, zMailu] {
        if ((zMailu ? v_.OpustMail() : v_.OpustMapiGroup()) && isVisible())
            mail->setFocus(Qt::OtherFocusReason);
    });
}

void JejichDefView::Obnov()
{
    pole_->Obnov(v_.Pole());
    const SkupinaVoleb &g = v_.MapiGroup();
    mapi_->setVisible(g.Viditelny);
    for (std::size_t i = 0; i < polozky_.size(); ++i) {
        polozky_[i]->setAutoExclusive(false);
        polozky_[i]->setChecked(static_cast<int>(i) == g.Index);
        polozky_[i]->setAutoExclusive(true);
    }
}

// ---- VKFirmyView --------------------------------------------------------------------

namespace {
constexpr const char *kStitky[] = {"Pomkod", "Naz1", "Naz2", "SUlice", "SObec", "STelef",
                                   "SFax", "SMail", "SOsoba", "DDUlice", "DDObec"};
}

VKFirmyView::VKFirmyView(TVKFirmy &v, QWidget *parent) : QDialog(parent), v_(v)
{
    setWindowTitle(QString::fromUtf8(TVKFirmy::kTitulek));
    auto *svisle = new QVBoxLayout(this);
    auto *vodorovne = new QHBoxLayout;
    seznam_ = new QListWidget(this);
    seznam_->setObjectName(QStringLiteral("Seznam"));
    seznam_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const std::string &n : v.Seznam())
        seznam_->addItem(QStr(n));
    seznam_->setMinimumSize(220, 300);
    connect(seznam_, &QListWidget::itemSelectionChanged, this, [this] {
        if (plnim_)
            return;
        const auto vybrane = seznam_->selectedItems();
        v_.Vyber(vybrane.isEmpty() ? -1 : seznam_->row(vybrane.front()));
        Obnov();
    });
    vodorovne->addWidget(seznam_);
    auto *detail = new QVBoxLayout;
    for (const char *jmeno : kStitky) {
        QLabel *l = NovyPopisek("", this);
        l->setObjectName(QString::fromUtf8(jmeno));
        l->setMinimumWidth(300);
        detail->addWidget(l);
        stitky_.push_back(l);
    }
    Stitek("SMail")->installEventFilter(this);
    Stitek("SOsoba")->installEventFilter(this);
    detail->addStretch(1);
    vodorovne->addLayout(detail, 1);
    svisle->addLayout(vodorovne);
    ok_ = NoveTlacitko(TVKFirmy::kOKButton, "OKButton", this);
    ok_->setDefault(true);
    esc_ = NoveTlacitko(TVKFirmy::kEscButton, "EscButton", this);
    svisle->addLayout(Tlacitka(ok_, esc_));
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (v_.Potvrd())
            done(kVysledekOK);
    });
    connect(esc_, &QPushButton::clicked, this, [this] { done(kVysledekZrusit); });
    Obnov();
    ZafixujVelikost(this);
    qmr::Umisti(this, v.Umisteni(width(), height()));
}

QLabel *VKFirmyView::Stitek(const char *jmeno) const
{
    for (QLabel *l : stitky_)
        if (l->objectName() == QString::fromUtf8(jmeno))
            return l;
    return nullptr;
}

bool VKFirmyView::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonRelease && (o == Stitek("SMail") || o == Stitek("SOsoba"))) {
        v_.KlikMail();
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void VKFirmyView::Obnov()
{
    plnim_ = true;
    const qmr::Stitek *stavy[] = {&v_.Pomkod(), &v_.Naz1(),  &v_.Naz2(),   &v_.SUlice(),  &v_.SObec(), &v_.STelef(),
                                  &v_.SFax(),   &v_.SMail(), &v_.SOsoba(), &v_.DDUlice(), &v_.DDObec()};
    for (std::size_t i = 0; i < stitky_.size(); ++i) {
        stitky_[i]->setText(QStr(stavy[i]->Text));
        stitky_[i]->setToolTip(QStr(stavy[i]->Tip));
    }
    const int radek = v_.Radek();
    if (radek >= 0 && seznam_->currentRow() != radek)
        seznam_->setCurrentRow(radek, QItemSelectionModel::ClearAndSelect);
    ok_->setEnabled(v_.OKPovolen());
    plnim_ = false;
}

// ---- ZakazdefView -------------------------------------------------------------------

ZakazdefView::ZakazdefView(TZakazdef &v, QWidget *parent) : QDialog(parent), v_(v)
{
    setWindowTitle(QString::fromUtf8(TZakazdef::kTitulek));
    auto *svisle = new QVBoxLayout(this);
    auto *mrizka = new QGridLayout;
    pole_ = std::make_unique<PoleFormulare>(this, mrizka, 0, v.Pole(), [this](int i, const std::string &t) {
        v_.Nastav(static_cast<PoleZakaznika>(i), t);
        Obnov();
    });
    svisle->addLayout(mrizka);
    ok_ = NoveTlacitko(TZakazdef::kOKButton, "OKButton", this);
    ok_->setDefault(true);
    svisle->addLayout(Tlacitka(ok_, nullptr));
    connect(ok_, &QPushButton::clicked, this, [this] {
        v_.Potvrd();
        done(kVysledekOK);
    });
    Obnov();
    ZafixujVelikost(this);
    qmr::Umisti(this, v.Umisteni(width(), height()));
}

void ZakazdefView::Obnov() { pole_->Obnov(v_.Pole()); }

// ---- Runners ------------------------------------------------------------------------

int SpustDodavatele(Session &s, Messages &zpravy, QWidget *parent)
{
    TNaseDef logika(s);
    NaseDefView v(logika, zpravy, parent);
    return Vysledek(v.exec());
}

int SpustOdberatele(Session &s, Messages &zpravy, QWidget *parent)
{
    TJejichDef logika(s, zpravy);
    JejichDefView v(logika, parent);
    return Vysledek(v.exec());
}

int SpustVyberOdberatele(Session &s, Messages &zpravy, MailClient &posta, QWidget *parent)
{
    TVKFirmy logika(s, zpravy, posta);
    VKFirmyView v(logika, parent);
    return Vysledek(v.exec());
}

int SpustZakaznika(Session &s, Messages &, QWidget *parent)
{
    TZakazdef logika(s);
    ZakazdefView v(logika, parent);
    return Vysledek(v.exec());
}

} // namespace qmr
