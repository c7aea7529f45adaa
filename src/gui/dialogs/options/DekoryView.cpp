#include "gui/dialogs/options/DekoryView.h"

#include "gui/dialogs/options/PomuckyPohledu.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

namespace qmr {

namespace {

void Umisti(QWidget *w, const Obdelnik &r) { w->setGeometry(r.Left, r.Top, r.Width, r.Height); }

} // namespace

void DekoryView::vytvor(Tabule t)
{
    static const char *const jmena[4][4] = {
        {"Panel1", "Label1", "Seznam1", "Image1"},
        {"PanelP", "LabelP", "SeznamP", "ImageP"},
        {"PanelP2", "LabelP2", "SeznamP2", "ImageP2"},
        {"Panel2", "Label2", "Seznam2", "Image2"},
    };
    const auto &j = jmena[std::size_t(t)];
    const RozlozeniDekoru &r = v_.Rozlozeni();
    Pole &p = pole(t);
    p.panel = new QFrame(this);
    p.panel->setObjectName(j[0]);
    p.panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Umisti(p.panel, r.Panel[std::size_t(t)]);
    p.nadpis = new QLabel(p.panel);
    p.nadpis->setObjectName(j[1]);
    Umisti(p.nadpis, r.Nadpis);
    p.seznam = new QListWidget(p.panel);
    p.seznam->setObjectName(j[2]);
    Umisti(p.seznam, r.Seznam);
    pohled::NaplnSeznam(p.seznam, v_.Panel(t).Seznam);
    connect(p.seznam, &QListWidget::itemSelectionChanged, this, [this, t, l = p.seznam] {
        if (plnim_)
            return;
        v_.Vyber(t, pohled::VybranyRadek(l));
        Obnov();
    });
    p.vzorek = new QLabel(p.panel);
    p.vzorek->setObjectName(j[3]);
    p.vzorek->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Umisti(p.vzorek, r.Vzorek);
}

DekoryView::DekoryView(TVDekory &v, QWidget *parent) : QDialog(parent), v_(v)
{
    setWindowTitle(QStr(TVDekory::kTitulek));
    const RozlozeniDekoru &r = v.Rozlozeni();
    setFixedSize(r.Sirka, r.Vyska);
    for (Tabule t : kTabule)
        vytvor(t);

    ok_ = new QPushButton(QStr(TVDekory::kOKButton), this);
    ok_->setObjectName(QStringLiteral("OKButton"));
    ok_->setDefault(true);
    Umisti(ok_, r.OKButton);
    connect(ok_, &QPushButton::clicked, this, [this] { done(v_.Potvrd()); });
    esc_ = new QPushButton(QStr(TVDekory::kEscButton), this);
    esc_->setObjectName(QStringLiteral("EscButton"));
    Umisti(esc_, r.EscButton);
    connect(esc_, &QPushButton::clicked, this, [this] { done(kVysledekZrusit); });

    Obnov();
    qmr::Umisti(this, v.Umisteni(width(), height()));
}

void DekoryView::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // The activation may show a message box: run it once the dialog is on the screen.
    if (!v_.Aktivovan())
        QTimer::singleShot(0, this, [this] {
            v_.Aktivuj();
            Obnov();
        });
}

void DekoryView::Obnov()
{
    plnim_ = true;
    for (Tabule t : kTabule) {
        const PanelDekoru &st = v_.Panel(t);
        Pole &p = pole(t);
        p.panel->setVisible(st.Viditelny);
        p.panel->setEnabled(st.Povoleny);
        p.nadpis->setText(QStr(st.Nadpis.Text));
        p.nadpis->setVisible(st.Nadpis.Viditelny);
        p.seznam->setEnabled(st.SeznamPovolen);
        pohled::VyberRadek(p.seznam, st.Radek);
        pohled::Ukaz(p.vzorek, st.Vzorek, p.cesta);
    }
    ok_->setEnabled(v_.OKPovolen());
    plnim_ = false;
}

int SpustDekory(Session &s, Messages &m, const PictureStore &obrazky, QWidget *parent)
{
    TVDekory logika(s, m, obrazky);
    DekoryView v(logika, parent);
    return pohled::Vysledek(v.exec());
}

} // namespace qmr
