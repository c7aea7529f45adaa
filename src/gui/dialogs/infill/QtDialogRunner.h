#pragma once
// The start-flow dialogs shown as modal Qt dialogs (views of gui/dialogs/infill).
#include "dialogs/infill/DialogRunner.h"

#include <functional>

class QWidget;

namespace qmr {

struct Session;
class TVVyztuz;

class QtDialogRunner : public DialogRunner {
public:
    // parent: the main window. doplnky shows the accessories dialog of an accessories-only
    // job (empty: counts as cancelled).
    explicit QtDialogRunner(QWidget *parent, std::function<int()> doplnky = {});

    int RunTyp(TVTyp &typ) override;
    int RunVypln(TVVypln &vypln) override;
    int RunDoplnky() override;
    int RunFormat(TVFormat &format) override;
    int RunOPrava(TVOPrava &prava) override;
    int RunORam(TVORam &dialog) override;
    int RunOMrizka(TVOMrizka &dialog) override;
    int RunOPaska(TVOPaska &dialog) override;
    int RunODrazka(TVODrazka &dialog) override;

    void NastavDoplnky(std::function<int()> doplnky) { doplnky_ = std::move(doplnky); }

private:
    QWidget *parent_;
    std::function<int()> doplnky_;
};

// The reinforcement dialog: shows TVVyztuz modally and returns its result (1 OK, 2 Cancel).
int SpustVyztuz(Session &s, QWidget *parent);

} // namespace qmr
