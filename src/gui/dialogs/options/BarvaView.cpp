#include "gui/dialogs/options/BarvaView.h"

#include "dialogs/options/UBarvaR.h"
#include "gui/core/DialogHelpers.h"
#include "gui/core/QtPictureStore.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace qmr {

namespace {

constexpr std::array<StranaBarvy, 3> kStrany{StranaBarvy::Vnejsi, StranaBarvy::Pozice2, StranaBarvy::Vnitrni};

void Umisti(QWidget *w, const Obdelnik &r) { w->setGeometry(r.Left, r.Top, r.Width, r.Height); }

// Shows the picture of o in the label; hidden when o is hidden, has no file or the file
// cannot be decoded. cesta remembers the file shown, so it is decoded once.
void Ukaz(QLabel *l, const Obrazek &o, std::string &cesta)
{
    if (o.Cesta != cesta) {
        cesta = o.Cesta;
        const QImage img = cesta.empty() ? QImage() : QtPictureStore::Nacti(cesta);
        l->setPixmap(QPixmap::fromImage(img));
    }
    l->setVisible(o.Viditelny && !l->pixmap().isNull());
}

void NaplnSeznam(QListWidget *w, const std::vector<std::string> &polozky)
{
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const auto &n : polozky)
        w->addItem(QStr(n));
}

// The selected row (-1 none). The list's current row is no choice: a list that gets the
// focus makes its first row current without selecting it.
int VybranyRadek(const QListWidget *w)
{
    const auto vybrane = w->selectedItems();
    return vybrane.isEmpty() ? -1 : w->row(vybrane.front());
}

void VyberRadek(QListWidget *w, int radek)
{
    if (VybranyRadek(w) == radek)
        return;
    if (radek < 0)
        w->clearSelection();
    else
        w->setCurrentRow(radek, QItemSelectionModel::ClearAndSelect);
}

// exec() answers 0 (QDialog::Rejected) for Esc and the window's close button: Cancel.
int Vysledek(int r) { return r == 0 ? kVysledekZrusit : r; }

} // namespace

// ---- BarvaView ----------------------------------------------------------------------

BarvaView::Pole &BarvaView::pole(StranaBarvy strana)
{
    return pole_[strana == StranaBarvy::Vnejsi ? 0 : strana == StranaBarvy::Pozice2 ? 1 : 2];
}

const BarvaView::Pole &BarvaView::pole(StranaBarvy strana) const
{
    return pole_[strana == StranaBarvy::Vnejsi ? 0 : strana == StranaBarvy::Pozice2 ? 1 : 2];
}

void BarvaView::vytvor(StranaBarvy strana)
{
    const RozlozeniBarev &r = v_.Rozlozeni();
    Pole &p = pole(strana);
    const char *jmena[3][6] = {
        {"Panel1", "Label1", "Seznam1", "Image1", "Label3", "RAL1"},
        {"Panel12", "Label5", "Seznam12", "Image3", "Label6", "RAL12"},
        {"Panel2", "Label2", "Seznam2", "Image2", "Label4", "RAL2"},
    };
    const auto &j = jmena[strana == StranaBarvy::Vnejsi ? 0 : strana == StranaBarvy::Pozice2 ? 1 : 2];
    p.panel = new QFrame(this);
    p.panel->setObjectName(j[0]);
    p.panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Umisti(p.panel, strana == StranaBarvy::Vnejsi ? r.Panel1 : strana == StranaBarvy::Pozice2 ? r.Panel12 : r.Panel2);
    p.nadpis = new QLabel(p.panel);
    p.nadpis->setObjectName(j[1]);
    Umisti(p.nadpis, r.Nadpis);
    p.seznam = new QListWidget(p.panel);
    p.seznam->setObjectName(j[2]);
    Umisti(p.seznam, r.Seznam);
    NaplnSeznam(p.seznam, v_.Panel(strana).Seznam);
    connect(p.seznam, &QListWidget::itemSelectionChanged, this, [this, strana, l = p.seznam] {
        if (plnim_)
            return;
        v_.Vyber(strana, VybranyRadek(l));
        Obnov();
    });
    p.vzorek = new QLabel(p.panel);
    p.vzorek->setObjectName(j[3]);
    p.vzorek->setScaledContents(true);
    Umisti(p.vzorek, r.Vzorek);
    p.popisRAL = new QLabel(p.panel);
    p.popisRAL->setObjectName(j[4]);
    Umisti(p.popisRAL, r.PopisRAL);
    p.ral = new QLineEdit(p.panel);
    p.ral->setObjectName(j[5]);
    p.ral->setMaxLength(int(TVBarva::kDelkaRAL));
    p.ral->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), p.ral));
    Umisti(p.ral, r.RAL);
    const auto zmena = [this, strana, e = p.ral] {
        if (plnim_)
            return;
        v_.NastavRAL(strana, StdStr(e->text()));
        Obnov();
    };
    connect(p.ral, &QLineEdit::textEdited, this, zmena);
    connect(p.ral, &QLineEdit::editingFinished, this, zmena);
}

BarvaView::BarvaView(TVBarva &v, QWidget *parent) : QDialog(parent), v_(v)
{
    setWindowTitle(QStr(TVBarva::kTitulek));
    const RozlozeniBarev &r = v.Rozlozeni();
    setFixedSize(r.Sirka, r.Vyska);
    image4_ = new QLabel(this);
    image4_->setObjectName(QStringLiteral("Image4"));
    image4_->setScaledContents(true);
    Umisti(image4_, r.Image4);
    std::string cesta4;
    Ukaz(image4_, v.Image4(), cesta4);
    for (StranaBarvy strana : kStrany)
        vytvor(strana);

    ok_ = new QPushButton(QStr(TVBarva::kOKButton), this);
    ok_->setObjectName(QStringLiteral("OKButton"));
    ok_->setDefault(true);
    Umisti(ok_, r.OKButton);
    connect(ok_, &QPushButton::clicked, this, [this] {
        const int vysledek = v_.Potvrd();
        if (vysledek != 0)
            done(vysledek);
    });
    esc_ = new QPushButton(QStr(TVBarva::kEscButton), this);
    esc_->setObjectName(QStringLiteral("EscButton"));
    Umisti(esc_, r.EscButton);
    connect(esc_, &QPushButton::clicked, this, [this] { done(kVysledekZrusit); });

    Obnov();
    qmr::Umisti(this, v.Umisteni(width(), height()));
}

void BarvaView::Obnov()
{
    plnim_ = true;
    for (StranaBarvy strana : kStrany) {
        const PanelBarvy &st = v_.Panel(strana);
        Pole &p = pole(strana);
        p.panel->setVisible(st.Viditelny);
        p.panel->setEnabled(st.Povoleny);
        p.nadpis->setText(QStr(st.Nadpis.Text));
        p.nadpis->setVisible(st.Nadpis.Viditelny);
        VyberRadek(p.seznam, st.Radek);
        Ukaz(p.vzorek, st.Vzorek, p.cesta);
        p.popisRAL->setText(QStr(st.PopisRAL.Text));
        p.popisRAL->setVisible(st.PopisRAL.Viditelny);
        if (StdStr(p.ral->text()) != st.RAL.Text)
            p.ral->setText(QStr(st.RAL.Text));
        p.ral->setVisible(st.RAL.Viditelny);
        p.ral->setEnabled(st.RAL.Povoleny);
    }
    ok_->setEnabled(v_.OKPovolen());
    plnim_ = false;
}

// ---- BarvaRView ---------------------------------------------------------------------

namespace {
constexpr int kROkraj = 10;
constexpr int kRSeznamSirka = 300;
constexpr int kRSeznamVyska = 300;
constexpr int kRVzorek = 100;
} // namespace

BarvaRView::BarvaRView(TVBarvaR &v, QWidget *parent) : QDialog(parent), v_(v)
{
    setWindowTitle(QStr(v.Titulek()));
    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(kROkraj, kROkraj, kRSeznamSirka, 20);
    seznam_ = new QListWidget(this);
    seznam_->setObjectName(QStringLiteral("Seznam1"));
    seznam_->setGeometry(kROkraj, kROkraj + 22, kRSeznamSirka, kRSeznamVyska);
    NaplnSeznam(seznam_, v.Seznam());
    connect(seznam_, &QListWidget::itemSelectionChanged, this, [this] {
        if (plnim_)
            return;
        v_.Vyber(VybranyRadek(seznam_));
        Obnov();
    });
    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setScaledContents(true);
    const int vpravo = kROkraj + kRSeznamSirka + kROkraj;
    image1_->setGeometry(vpravo, kROkraj + 22, kRVzorek, kRVzorek);
    ok_ = new QPushButton(QStr(TVBarvaR::kOKButton), this);
    ok_->setObjectName(QStringLiteral("OKButton"));
    ok_->setDefault(true);
    ok_->setGeometry(vpravo, kROkraj + 22 + kRSeznamVyska - 26, kRVzorek, 26);
    connect(ok_, &QPushButton::clicked, this, [this] {
        const int vysledek = v_.Potvrd();
        if (vysledek != 0)
            done(vysledek);
    });
    setFixedSize(vpravo + kRVzorek + kROkraj, kROkraj + 22 + kRSeznamVyska + kROkraj);
    Obnov();
    qmr::Umisti(this, v.Umisteni(width(), height()));
}

void BarvaRView::Obnov()
{
    plnim_ = true;
    label1_->setText(QStr(v_.Label1().Text));
    label1_->setVisible(v_.Label1().Viditelny);
    VyberRadek(seznam_, v_.Radek());
    Ukaz(image1_, v_.Image1(), cesta_);
    ok_->setEnabled(v_.OKPovolen());
    plnim_ = false;
}

// ---- Runners ------------------------------------------------------------------------

int SpustBarvy(Session &s, const PictureStore &obrazky, QWidget *parent)
{
    TVBarva logika(s, obrazky);
    BarvaView v(logika, parent);
    return Vysledek(v.exec());
}

int SpustBarvuRamu(Session &s, const PictureStore &obrazky, QWidget *parent)
{
    TVBarvaR logika(s, obrazky);
    BarvaRView v(logika, parent);
    return Vysledek(v.exec());
}

} // namespace qmr
