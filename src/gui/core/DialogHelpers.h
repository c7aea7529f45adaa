#pragma once
// Small helpers shared by the dialog views.
#include "core/Umisteni.h"

#include <QApplication>
#include <QFocusEvent>
#include <QString>
#include <QWidget>

#include <string>

namespace qmr {

inline QString QStr(const std::string &s) { return QString::fromStdString(s); }
inline std::string StdStr(const QString &s) { return s.toStdString(); }

// Fixes the dialog at the size its layout asks for, so that the placement rule sees the
// final width and height.
inline void ZafixujVelikost(QWidget *w)
{
    w->adjustSize();
    w->setFixedSize(w->size());
}

inline void Umisti(QWidget *w, Bod b) { w->move(b.Left, b.Top); }

// The user left a field (Tab, Backtab, a click elsewhere, a shortcut). Focus changes the
// program makes (setFocus, a message box activating, the dialog closing) run no exit
// handler, so two refused fields cannot pass the focus back and forth.
inline bool UzivatelOdesel(const QFocusEvent *e)
{
    switch (e->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
        return true;
    default:
        return false;
    }
}

// Whether w or one of its children has the focus.
inline bool MaFokus(const QWidget *w)
{
    const QWidget *f = QApplication::focusWidget();
    return f && (f == w || w->isAncestorOf(f));
}

} // namespace qmr
