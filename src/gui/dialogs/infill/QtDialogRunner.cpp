#include "gui/dialogs/infill/QtDialogRunner.h"

#include "dialogs/infill/UODrazka.h"
#include "dialogs/infill/UOMrizka.h"
#include "dialogs/infill/UOPaska.h"
#include "dialogs/infill/UORam.h"
#include "dialogs/infill/UVyztuz.h"
#include "gui/dialogs/infill/InfillViews.h"


namespace qmr {

namespace {

// exec() answers 0 (QDialog::Rejected) for Esc and the window's close button: Cancel.
int Vysledek(int r) { return r == 0 ? kVysledekZrusit : r; }

template <class View, class Logic> int Ukaz(Logic &logika, QWidget *parent)
{
    View v(logika, parent);
    return Vysledek(v.exec());
}

} // namespace

QtDialogRunner::QtDialogRunner(QWidget *parent, std::function<int()> doplnky)
    : parent_(parent), doplnky_(std::move(doplnky))
{
}

int QtDialogRunner::RunTyp(TVTyp &typ) { return Ukaz<TypView>(typ, parent_); }
int QtDialogRunner::RunVypln(TVVypln &vypln) { return Ukaz<VyplnView>(vypln, parent_); }
int QtDialogRunner::RunDoplnky() { return doplnky_ ? doplnky_() : kVysledekZrusit; }
int QtDialogRunner::RunFormat(TVFormat &format) { return Ukaz<FormatView>(format, parent_); }
int QtDialogRunner::RunOPrava(TVOPrava &prava) { return Ukaz<PravaView>(prava, parent_); }

int QtDialogRunner::RunORam(TVORam &d) { return Ukaz<VolbaView, TVOVolba>(d, parent_); }
int QtDialogRunner::RunOMrizka(TVOMrizka &d) { return Ukaz<VolbaView, TVOVolba>(d, parent_); }
int QtDialogRunner::RunOPaska(TVOPaska &d) { return Ukaz<VolbaView, TVOVolba>(d, parent_); }
int QtDialogRunner::RunODrazka(TVODrazka &d) { return Ukaz<VolbaView, TVOVolba>(d, parent_); }

int SpustVyztuz(Session &s, QWidget *parent)
{
    TVVyztuz v(s);
    return Ukaz<VyztuzView>(v, parent);
}

} // namespace qmr
