#include "gui/dialogs/options/DoplnkyView.h"

#include "gui/core/DialogHelpers.h"
#include "gui/core/QtPictureStore.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

namespace qmr {

namespace {

// Layout: the list and the picture side by side, the four slot rows below them, the
// buttons at the bottom.
constexpr int kOkraj = 10;
constexpr int kSeznamSirka = 250;
constexpr int kObrazek = 300;
constexpr int kSlotyTop = kOkraj + kObrazek + 30;
constexpr int kRadekVyska = 28;
constexpr int kJmenoSirka = 330;
constexpr int kPoleLeft = kOkraj + kJmenoSirka + 10;
constexpr int kPoleSirka = 60;
constexpr int kTloustkaLeft = kPoleLeft + kPoleSirka + 10;
constexpr int kSirka = kOkraj + kSeznamSirka + kOkraj + kObrazek + kOkraj;
constexpr int kTlacitkaTop = kSlotyTop + TVDoplnky::kSlotu * kRadekVyska + 12;
constexpr int kTlacitkoSirka = 84;
constexpr int kTlacitkoVyska = 26;
constexpr int kVyska = kTlacitkaTop + kTlacitkoVyska + kOkraj;

// exec() answers 0 (QDialog::Rejected) for Esc and the window's close button: Cancel.
int Vysledek(int r) { return r == 0 ? kVysledekZrusit : r; }

void Nastav(QSpinBox *w, const CiselnePole &p)
{
    w->setRange(p.Min, p.Max);
    if (w->value() != p.Hodnota)
        w->setValue(p.Hodnota);
    w->setVisible(p.Viditelny);
    w->setEnabled(p.Povoleny);
}

} // namespace

DoplnkyView::DoplnkyView(TVDoplnky &v, QWidget *parent) : QDialog(parent), v_(v)
{
    setWindowTitle(QStr(TVDoplnky::kTitulek));
    setFixedSize(kSirka, kVyska);

    seznam_ = new QListWidget(this);
    seznam_->setObjectName(QStringLiteral("Seznam"));
    seznam_->setToolTip(QStr(TVDoplnky::kNapoveda));
    seznam_->setSelectionMode(QAbstractItemView::SingleSelection);
    seznam_->setGeometry(kOkraj, kOkraj, kSeznamSirka, kObrazek);
    for (const std::string &n : v.Seznam()) {
        auto *it = new QListWidgetItem(QStr(n), seznam_);
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        it->setCheckState(Qt::Unchecked);
    }
    connect(seznam_, &QListWidget::itemSelectionChanged, this, [this] {
        if (plnim_)
            return;
        const auto vybrane = seznam_->selectedItems();
        if (vybrane.isEmpty())
            return;
        v_.Klik(seznam_->row(vybrane.front()));
        Obnov();
    });
    connect(seznam_, &QListWidget::itemChanged, this, [this](QListWidgetItem *it) {
        if (plnim_)
            return;
        v_.Zaskrtni(seznam_->row(it), it->checkState() == Qt::Checked);
        Obnov();
    });

    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setScaledContents(true);
    image1_->setGeometry(kOkraj + kSeznamSirka + kOkraj, kOkraj, kObrazek, kObrazek);

    label5_ = new QLabel(QStr(TVDoplnky::kLabel5), this);
    label5_->setObjectName(QStringLiteral("Label5"));
    label5_->setGeometry(kTloustkaLeft, kSlotyTop - 22, 100, 20);

    static const char *const jmena[TVDoplnky::kSlotu][4] = {
        {"Label1", "CheckBox1", "DPocet1", "TL1"},
        {"Label2", "CheckBox2", "DPocet2", "Tl2"},
        {"Label3", "CheckBox3", "DPocet3", "Tl3"},
        {"Label4", "CheckBox4", "Dpocet4", "TL4"},
    };
    for (int i = 0; i < TVDoplnky::kSlotu; ++i) {
        Slot &sl = sloty_[std::size_t(i)];
        const int top = kSlotyTop + i * kRadekVyska;
        sl.jmeno = new QLabel(this);
        sl.jmeno->setObjectName(QString::fromLatin1(jmena[i][0]));
        sl.jmeno->setGeometry(kOkraj, top + 2, kJmenoSirka, 20);
        sl.montaz = new QCheckBox(QStr(TVDoplnky::kMontaz), this);
        sl.montaz->setObjectName(QString::fromLatin1(jmena[i][1]));
        sl.montaz->setGeometry(kPoleLeft, top, 100, 24);
        connect(sl.montaz, &QCheckBox::clicked, this, [this, i](bool zaskrtnuto) {
            if (plnim_)
                return;
            v_.MontazExit(i, zaskrtnuto);
            Obnov();
        });
        sl.pocet = new QSpinBox(this);
        sl.pocet->setObjectName(QString::fromLatin1(jmena[i][2]));
        sl.pocet->setGeometry(kPoleLeft, top, kPoleSirka, 24);
        sl.tloustka = new QSpinBox(this);
        sl.tloustka->setObjectName(QString::fromLatin1(jmena[i][3]));
        sl.tloustka->setGeometry(kTloustkaLeft, top, kPoleSirka, 24);
        for (QSpinBox *pole : {sl.pocet, sl.tloustka}) {
            connect(pole, &QSpinBox::editingFinished, this, [this, i] { poleOpusteno(i); });
            connect(pole, &QSpinBox::valueChanged, this, [this, i] { poleOpusteno(i); });
        }
    }

    nic_ = new QPushButton(QStr(TVDoplnky::kNicButton), this);
    nic_->setObjectName(QStringLiteral("NicButton"));
    nic_->setGeometry(kOkraj, kTlacitkaTop, 160, kTlacitkoVyska);
    connect(nic_, &QPushButton::clicked, this, [this] { done(v_.Smaz()); });
    esc_ = new QPushButton(QStr(TVDoplnky::kEscButton), this);
    esc_->setObjectName(QStringLiteral("EscButton"));
    esc_->setGeometry(kSirka - kOkraj - kTlacitkoSirka, kTlacitkaTop, kTlacitkoSirka, kTlacitkoVyska);
    connect(esc_, &QPushButton::clicked, this, [this] { done(kVysledekZrusit); });
    ok_ = new QPushButton(QStr(TVDoplnky::kOKButton), this);
    ok_->setObjectName(QStringLiteral("OKButton"));
    ok_->setDefault(true);
    ok_->setGeometry(esc_->x() - 8 - kTlacitkoSirka, kTlacitkaTop, kTlacitkoSirka, kTlacitkoVyska);
    connect(ok_, &QPushButton::clicked, this, [this] {
        // A field still being edited counts as left.
        for (int i = 0; i < TVDoplnky::kSlotu; ++i)
            poleOpusteno(i);
        done(v_.Potvrd());
    });

    Obnov();
    qmr::Umisti(this, v.Umisteni(width(), height()));
}

void DoplnkyView::poleOpusteno(int i)
{
    if (plnim_)
        return;
    const Slot &sl = sloty_[std::size_t(i)];
    if (!v_.Slot(i).Pocet.Povoleny && !v_.Slot(i).Tloustka.Povoleny)
        return;
    v_.PoleExit(i, sl.pocet->value(), sl.tloustka->value());
    Obnov();
}

void DoplnkyView::Obnov()
{
    plnim_ = true;
    const auto &znacky = v_.Zaskrtnute();
    for (int r = 0; r < seznam_->count() && r < int(znacky.size()); ++r) {
        const Qt::CheckState st = znacky[std::size_t(r)] ? Qt::Checked : Qt::Unchecked;
        if (seznam_->item(r)->checkState() != st)
            seznam_->item(r)->setCheckState(st);
    }
    const Obrazek &o = v_.Image1();
    if (o.Cesta != cesta_) {
        cesta_ = o.Cesta;
        const QImage img = cesta_.empty() ? QImage() : QtPictureStore::Nacti(cesta_);
        image1_->setPixmap(QPixmap::fromImage(img));
    }
    image1_->setVisible(o.Viditelny && !image1_->pixmap().isNull());
    for (int i = 0; i < TVDoplnky::kSlotu; ++i) {
        const RadekDoplnku &r = v_.Slot(i);
        Slot &sl = sloty_[std::size_t(i)];
        sl.jmeno->setText(QStr(r.Jmeno.Text));
        sl.jmeno->setVisible(r.Jmeno.Viditelny);
        sl.montaz->setText(QStr(r.Montaz.Text));
        sl.montaz->setChecked(r.Montaz.Zaskrtnuto);
        sl.montaz->setVisible(r.Montaz.Viditelny);
        sl.montaz->setEnabled(r.Montaz.Povoleny);
        Nastav(sl.pocet, r.Pocet);
        Nastav(sl.tloustka, r.Tloustka);
    }
    label5_->setText(QStr(v_.Label5().Text));
    label5_->setVisible(v_.Label5().Viditelny);
    ok_->setEnabled(v_.OKPovolen());
    plnim_ = false;
}

int SpustDoplnky(Session &s, Messages &m, const PictureStore &obrazky, QWidget *parent)
{
    TVDoplnky logika(s, m, obrazky);
    DoplnkyView v(logika, parent);
    return Vysledek(v.exec());
}

} // namespace qmr
