#pragma once
// Small helpers shared by the dialog views.
#include "core/Umisteni.h"

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

} // namespace qmr
