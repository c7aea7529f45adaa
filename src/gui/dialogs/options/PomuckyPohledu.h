#pragma once
// Small helpers of the glass, stained-glass and muntin views: list rows, pictures and the
// modal result.
#include "dialogs/infill/Ovladace.h"
#include "gui/core/DialogHelpers.h"
#include "gui/core/QtPictureStore.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

#include <functional>
#include <string>
#include <vector>

namespace qmr::pohled {

inline void NaplnSeznam(QListWidget *w, const std::vector<std::string> &polozky)
{
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const auto &n : polozky)
        w->addItem(QStr(n));
}

// The selected row (-1 none). The current row is no choice: a list that gets the focus
// makes its first row current without selecting it.
inline int VybranyRadek(const QListWidget *w)
{
    const auto vybrane = w->selectedItems();
    return vybrane.isEmpty() ? -1 : w->row(vybrane.front());
}

inline void VyberRadek(QListWidget *w, int radek)
{
    if (VybranyRadek(w) == radek)
        return;
    if (radek < 0)
        w->clearSelection();
    else
        w->setCurrentRow(radek, QItemSelectionModel::ClearAndSelect);
}

// Shows the picture of o in the label, scaled into the label keeping its proportions;
// hidden when o is hidden, has no file or the file cannot be decoded. cesta remembers the
// file shown, so it is decoded once.
inline void Ukaz(QLabel *l, const Obrazek &o, std::string &cesta)
{
    if (o.Cesta != cesta) {
        cesta = o.Cesta;
        const QImage img = cesta.empty() ? QImage() : QtPictureStore::Nacti(cesta);
        l->setPixmap(img.isNull() ? QPixmap()
                                  : QPixmap::fromImage(img).scaled(l->size(), Qt::KeepAspectRatio,
                                                                   Qt::SmoothTransformation));
    }
    l->setVisible(o.Viditelny && !l->pixmap().isNull());
}

// The list of a dialog at r, filled with polozky; a change of the selected row calls
// vyber with it (-1 none).
inline QListWidget *PridejSeznam(QDialog *d, const QRect &r, const std::vector<std::string> &polozky,
                                 std::function<void(int)> vyber)
{
    auto *w = new QListWidget(d);
    w->setObjectName(QStringLiteral("Seznam"));
    w->setGeometry(r);
    NaplnSeznam(w, polozky);
    QObject::connect(w, &QListWidget::itemSelectionChanged, d, [w, vyber = std::move(vyber)] { vyber(VybranyRadek(w)); });
    return w;
}

// The picture label Image1 at r, drawn from its top-left corner.
inline QLabel *PridejObrazek(QDialog *d, const QRect &r)
{
    auto *l = new QLabel(d);
    l->setObjectName(QStringLiteral("Image1"));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(r);
    return l;
}

// The buttons OK, "clear" and Cancel, right-aligned in one row at top, of a dialog of the
// given width; OK closes with potvrd(), "clear" with nic(), Cancel with 2.
struct TlacitkaOkNicEsc {
    QPushButton *ok = nullptr, *nic = nullptr, *esc = nullptr;
};
inline TlacitkaOkNicEsc PridejTlacitka(QDialog *d, int sirka, int top, const char *okText, const char *nicText,
                                       const char *escText, std::function<int()> potvrd, std::function<int()> nic)
{
    constexpr int kOkraj = 10, kTlacitkoSirka = 84, kNicSirka = 140, kVyska = 26;
    TlacitkaOkNicEsc t;
    t.esc = new QPushButton(QStr(escText), d);
    t.esc->setObjectName(QStringLiteral("EscButton"));
    t.esc->setGeometry(sirka - kOkraj - kTlacitkoSirka, top, kTlacitkoSirka, kVyska);
    QObject::connect(t.esc, &QPushButton::clicked, d, [d] { d->done(kVysledekZrusit); });
    t.nic = new QPushButton(QStr(nicText), d);
    t.nic->setObjectName(QStringLiteral("NicButton"));
    t.nic->setGeometry(t.esc->x() - 8 - kNicSirka, top, kNicSirka, kVyska);
    QObject::connect(t.nic, &QPushButton::clicked, d, [d, nic = std::move(nic)] { d->done(nic()); });
    t.ok = new QPushButton(QStr(okText), d);
    t.ok->setObjectName(QStringLiteral("OKButton"));
    t.ok->setDefault(true);
    t.ok->setGeometry(t.nic->x() - 8 - kTlacitkoSirka, top, kTlacitkoSirka, kVyska);
    QObject::connect(t.ok, &QPushButton::clicked, d, [d, potvrd = std::move(potvrd)] { d->done(potvrd()); });
    return t;
}

// exec() answers 0 (QDialog::Rejected) for Esc and the window's close button: Cancel.
inline int Vysledek(int r) { return r == 0 ? kVysledekZrusit : r; }

} // namespace qmr::pohled
