#include "gui/pricing/UCenyDefView.h"

#include "core/Messages.h"
#include "core/Session.h"
#include "gui/core/DialogHelpers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <functional>
#include <initializer_list>

namespace qmr {

namespace {

QLabel *Popisek(const char *jmeno, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(jmeno));
    return l;
}

QLabel *Nadpis(const char *jmeno, const QString &text, QWidget *parent)
{
    QLabel *l = Popisek(jmeno, text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QSpinBox *Spin(const char *jmeno, int min, int max, int krok, QWidget *parent)
{
    auto *sp = new QSpinBox(parent);
    sp->setObjectName(QString::fromLatin1(jmeno));
    sp->setRange(min, max);
    sp->setSingleStep(krok);
    sp->setAlignment(Qt::AlignRight);
    return sp;
}

// The VAT edit: two digits, decimal comma, two digits.
QLineEdit *EditDPH(const char *jmeno, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(jmeno));
    e->setInputMask(QStringLiteral("00,00; "));
    e->setAlignment(Qt::AlignRight);
    e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("000,000")) + 16);
    return e;
}

// The VAT text placed into the mask from the right (" 8,50"), as the masked edit shows it.
QString DoMasky(const std::string &t)
{
    QString q = QString::fromStdString(t);
    return q.size() < 5 ? q.rightJustified(5, QLatin1Char(' ')) : q;
}

// A radio group: items numbered from 0; an index outside the items checks nothing.
QButtonGroup *Radio(const char *jmeno, const QString &titulek, std::initializer_list<const char *> polozky,
                    int index, QWidget *parent, QGroupBox **box)
{
    *box = new QGroupBox(titulek, parent);
    (*box)->setObjectName(QString::fromLatin1(jmeno));
    auto *skupina = new QButtonGroup(*box);
    auto *lay = new QVBoxLayout(*box);
    int i = 0;
    for (const char *p : polozky) {
        auto *rb = new QRadioButton(QString::fromUtf8(p), *box);
        rb->setObjectName(QString::fromLatin1(jmeno) + QString::number(i));
        skupina->addButton(rb, i);
        lay->addWidget(rb);
        ++i;
    }
    if (QAbstractButton *b = skupina->button(index))
        b->setChecked(true);
    return skupina;
}

QPushButton *Tlacitko(const char *jmeno, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(jmeno));
    return b;
}

// Binds a spin box to a logic field; the spin shows what the logic kept (a negative
// discount turns into 0 at once).
void Svaz(QSpinBox *sp, int hodnota, std::function<void(int)> nastav, std::function<int()> cti)
{
    sp->setValue(hodnota);
    nastav(sp->value()); // a stored value beyond the spin's range is taken as shown
    QObject::connect(sp, &QSpinBox::valueChanged, sp, [sp, nastav, cti](int v) {
        nastav(v);
        if (cti() != v)
            sp->setValue(cti());
    });
}

void SvazRadio(QButtonGroup *g, std::function<void(int)> nastav)
{
    QObject::connect(g, &QButtonGroup::idClicked, g, [nastav](int id) { nastav(id); });
}

} // namespace

CenyDefView::CenyDefView(Session &s, Messages &m, QWidget *parent) : QDialog(parent), logika_(s), m_(m)
{
    setObjectName(QStringLiteral("CenyDef"));
    setWindowTitle(QString::fromUtf8(CenyDef::kTitulek));
    CenyDef &L = logika_;

    // Purchase price.
    auto *kupna = new QGridLayout;
    kupna->addWidget(Nadpis("Label1", QStringLiteral("Cena kupna"), this), 0, 0, 1, 3);
    dph1_ = EditDPH("ProcDPH1", this);
    kupna->addWidget(Popisek("Label2", QStringLiteral("Procent VAT:"), this), 1, 0);
    kupna->addWidget(dph1_, 1, 1);
    QSpinBox *slevy = Spin("ProcSlevy", -9, CenyDef::kMaxSleva, 1, this);
    kupna->addWidget(Popisek("Label3", QStringLiteral("Rabat dostawcy:"), this), 2, 0);
    kupna->addWidget(slevy, 2, 1);
    QSpinBox *doprava1 = Spin("Doprava1", 0, CenyDef::kMaxDoprava, CenyDef::kKrokDopravy, this);
    kupna->addWidget(Popisek("Label8", QStringLiteral("Cena dowozu:"), this), 3, 0);
    kupna->addWidget(doprava1, 3, 1);
    kupna->addWidget(Popisek("Label16", QStringLiteral("EUR"), this), 3, 2);

    // Sale price.
    auto *prodej = new QGridLayout;
    prodej->addWidget(Nadpis("Label4", QString::fromUtf8("Cena sprzedaży"), this), 0, 0, 1, 3);
    dph2_ = EditDPH("ProcDPH2", this);
    prodej->addWidget(Popisek("Label5", QStringLiteral("Procent VAT:"), this), 1, 0);
    prodej->addWidget(dph2_, 1, 1);
    QSpinBox *marze = Spin("Marze", 0, CenyDef::kMaxMarze, 1, this);
    prodej->addWidget(Popisek("Label6", QString::fromUtf8("Marża handlowa:"), this), 2, 0);
    prodej->addWidget(marze, 2, 1);
    QGroupBox *box = nullptr;
    QButtonGroup *druhMarze = Radio("DruhMarze", QString::fromUtf8("Marża wynosi"), {"w EUR", "w %"},
                                    L.MarzeTyp(), this, &box);
    prodej->addWidget(box, 3, 0, 1, 3);
    QButtonGroup *zpusobMarze = Radio("ZpusobMarze", QString::fromUtf8("Marżę kalkulować z ceny"),
                                      {"przed zniżką", "po zniżce"}, L.MarzeZpusob(), this, &box);
    prodej->addWidget(box, 4, 0, 1, 3);
    QSpinBox *slevyZak = Spin("ProcSlevyZak", -9, CenyDef::kMaxSleva, 1, this);
    prodej->addWidget(Popisek("Label7", QStringLiteral("Rabat dla klienta:"), this), 5, 0);
    prodej->addWidget(slevyZak, 5, 1);
    QSpinBox *doprava2 = Spin("Doprava2", 0, CenyDef::kMaxDoprava, CenyDef::kKrokDopravy, this);
    prodej->addWidget(Popisek("Label9", QStringLiteral("Cena transportu:"), this), 6, 0);
    prodej->addWidget(doprava2, 6, 1);
    prodej->addWidget(Popisek("Label17", QStringLiteral("EUR"), this), 6, 2);

    // Calculation.
    auto *kalk = new QGridLayout;
    kalk->addWidget(Nadpis("Label13", QStringLiteral("Kalkulacja"), this), 0, 0, 1, 3);
    QSpinBox *ram = Spin("CenaRamu", 0, CenyDef::kMaxRam, 1, this);
    kalk->addWidget(Popisek("Label14", QStringLiteral("Cena ramy:"), this), 1, 0);
    kalk->addWidget(ram, 1, 1);
    kalk->addWidget(Popisek("Label18", QStringLiteral("EUR"), this), 1, 2);
    QButtonGroup *zobraz1 = Radio("Zobraz1", QString::fromUtf8("Wyrażenie ceny"),
                                  {"żadnej", "ceny kupna", "ceny sprzedaży"}, L.Zobrazit(), this, &box);
    kalk->addWidget(box, 2, 0, 1, 3);
    QButtonGroup *zobraz2 = Radio("Zobraz2", QString::fromUtf8("Obliczyć cenę"), {"bez podatku", "z podatkiem"},
                                  L.Pocitat(), this, &box);
    kalk->addWidget(box, 3, 0, 1, 3);
    zobraz3_ = Radio("Zobraz3", QStringLiteral("Transport"), {"nie zaliczyć", "zaliczyć"}, L.Dopravy(), this, &box);
    kalk->addWidget(box, 4, 0, 1, 3);
    auto *zobrNab = new QCheckBox(QStringLiteral("Nie drukowat cenu w prostej ofercie"), this);
    zobrNab->setObjectName(QStringLiteral("ZobrNab"));
    zobrNab->setChecked(L.CenuNab());
    kalk->addWidget(zobrNab, 5, 0, 1, 3);
    // The currency name, rate and conversion switches of the settings are fixed (EUR,
    // 0.0542, converted), so their controls are left out.

    auto *sloupce = new QHBoxLayout;
    sloupce->setSpacing(24);
    for (QGridLayout *g : {kupna, prodej, kalk}) {
        g->setVerticalSpacing(6);
        auto *sloupec = new QVBoxLayout;
        sloupec->addLayout(g);
        sloupec->addStretch(1);
        sloupce->addLayout(sloupec);
    }

    ok_ = Tlacitko("OKButton", QStringLiteral("O&K"), this);
    esc_ = Tlacitko("EscButton", QStringLiteral("&Anuluj"), this);
    ok_->setDefault(true);
    auto *spodek = new QHBoxLayout;
    QLabel *soubor = Popisek("Label10", QStr(L.Soubor()), this);
    soubor->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long path is cut at the dialog's edge rather than widening the dialog.
    soubor->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    soubor->setToolTip(soubor->text());
    spodek->addWidget(soubor, 1);
    spodek->addWidget(ok_);
    spodek->addWidget(esc_);

    auto *hlavni = new QVBoxLayout(this);
    hlavni->addLayout(sloupce);
    hlavni->addSpacing(8);
    hlavni->addLayout(spodek);

    // Binding.
    dph1_->setText(DoMasky(L.DPHin()));
    dph2_->setText(DoMasky(L.DPHout()));
    connect(dph1_, &QLineEdit::textChanged, this, [this](const QString &t) {
        logika_.setDPHin(StdStr(t));
        ObnovOK();
    });
    connect(dph2_, &QLineEdit::textChanged, this, [this](const QString &t) {
        logika_.setDPHout(StdStr(t));
        ObnovOK();
    });
    // The mask's text() leaves out the unfilled positions: take that form from the start.
    logika_.setDPHin(StdStr(dph1_->text()));
    logika_.setDPHout(StdStr(dph2_->text()));
    Svaz(slevy, L.SlevaQM(), [&L](int v) { L.setSlevaQM(v); }, [&L] { return L.SlevaQM(); });
    Svaz(slevyZak, L.SlevaZak(), [&L](int v) { L.setSlevaZak(v); }, [&L] { return L.SlevaZak(); });
    Svaz(doprava1, L.DopravaIn(), [&L](int v) { L.setDopravaIn(v); }, [&L] { return L.DopravaIn(); });
    Svaz(doprava2, L.DopravaOut(), [&L](int v) { L.setDopravaOut(v); }, [&L] { return L.DopravaOut(); });
    Svaz(marze, L.MarzeProd(), [&L](int v) { L.setMarzeProd(v); }, [&L] { return L.MarzeProd(); });
    Svaz(ram, L.Ram(), [&L](int v) { L.setRam(v); }, [&L] { return L.Ram(); });
    SvazRadio(druhMarze, [&L](int i) { L.setMarzeTyp(i); });
    SvazRadio(zpusobMarze, [&L](int i) { L.setMarzeZpusob(i); });
    SvazRadio(zobraz1, [&L](int i) { L.setZobrazit(i); });
    SvazRadio(zobraz2, [&L](int i) { L.setPocitat(i); });
    SvazRadio(zobraz3_, [&L](int i) { L.setDopravy(i); });
    connect(zobrNab, &QCheckBox::toggled, this, [&L](bool b) { L.setCenuNab(b); });
    connect(ok_, &QPushButton::clicked, this, &CenyDefView::Potvrdit);
    connect(esc_, &QPushButton::clicked, this, &QDialog::reject);
    ObnovOK();

    ZafixujVelikost(this);
    Umisti(this, UmistiDialogOsy(s, width(), height()));
}

void CenyDefView::ObnovOK() { ok_->setEnabled(logika_.MuzePotvrdit()); }

void CenyDefView::Potvrdit()
{
    if (!RunCommand(m_, [this] { logika_.Potvrd(); }))
        return;
    // Without a transport price from the supplier the transport was set to "nie zaliczyć".
    if (QAbstractButton *b = zobraz3_->button(logika_.Dopravy()))
        b->setChecked(true);
    accept();
}

bool CenyDefView::Spust(Session &s, Messages &m, QWidget *parent)
{
    CenyDefView d(s, m, parent);
    return d.exec() == QDialog::Accepted;
}

DefaultView::DefaultView(Session &s, Messages &m, QWidget *parent) : QDialog(parent), logika_(s), m_(m)
{
    setObjectName(QStringLiteral("Default"));
    setWindowTitle(QString::fromUtf8(Default::kTitulek));
    Default &L = logika_;

    auto *hlavni = new QVBoxLayout(this);
    hlavni->addWidget(
        Popisek("Label1", QString::fromUtf8("Zde nastavte své preference pro urychlení kalkulace nabídky"), this));
    hlavni->addSpacing(8);

    auto *mriz = new QGridLayout;
    QSpinBox *sirka = Spin("Sirka", 0, Default::kMaxSirka, 1, this);
    QSpinBox *vyska = Spin("Vyska", 0, Default::kMaxVyska, 1, this);
    mriz->addWidget(Popisek("LSirka", QString::fromUtf8("Šířka:"), this), 0, 0);
    mriz->addWidget(sirka, 0, 1);
    mriz->addWidget(Popisek("LVyska", QString::fromUtf8("Výška:"), this), 1, 0);
    mriz->addWidget(vyska, 1, 1);
    mriz->addWidget(Popisek("LHlinik", QString::fromUtf8("Barva Al strany:"), this), 2, 0, 1, 2);
    mriz->addWidget(Popisek("LABS", QString::fromUtf8("Barva ABS strany:"), this), 3, 0, 1, 2);
    mriz->addWidget(Popisek("LHPL", QString::fromUtf8("Barva HPL strany:"), this), 4, 0, 1, 2);
    mriz->setColumnStretch(2, 1);
    hlavni->addLayout(mriz);

    ok_ = Tlacitko("OKButton", QStringLiteral("O&K"), this);
    esc_ = Tlacitko("EscButton", QStringLiteral("&Anuluj"), this);
    ok_->setDefault(true);
    auto *spodek = new QHBoxLayout;
    spodek->addStretch(1);
    spodek->addWidget(ok_);
    spodek->addWidget(esc_);
    hlavni->addSpacing(8);
    hlavni->addLayout(spodek);

    Svaz(sirka, L.Sirka(), [&L](int v) { L.setSirka(v); }, [&L] { return L.Sirka(); });
    Svaz(vyska, L.Vyska(), [&L](int v) { L.setVyska(v); }, [&L] { return L.Vyska(); });
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (RunCommand(m_, [this] { logika_.Potvrd(); }))
            accept();
    });
    connect(esc_, &QPushButton::clicked, this, &QDialog::reject);

    ZafixujVelikost(this);
    Umisti(this, UmistiDialogOsy(s, width(), height()));
}

bool DefaultView::Spust(Session &s, Messages &m, QWidget *parent)
{
    DefaultView d(s, m, parent);
    return d.exec() == QDialog::Accepted;
}

} // namespace qmr
