#pragma once
// The start flow of the main window (its Start button), without the toolkit: the type
// dialog, the infill selection (or the accessories dialog) opened from it, the glazing
// format and execution variant dialogs when the choice is not decided already, then the
// drawing and the price. Each dialog is shown through a DialogRunner; the steps between
// the dialogs are the main window's (mainwindow/UVolba.h).
//
//  1. repaint; TestZapisu (2 stops); the type dialog, whose button opens the infill
//     selection or the accessories dialog; only a result of 1 continues. Any other
//     result puts back what the type dialog changed (TVTyp::Zavri).
//  2. accessories only (TypZakazky 2): the window's reset (VolbaZrusVse), then step 5.
//  3. an infill: StartNovaVypln; the glazing format dialog unless StartRozhodniFormat
//     decides it (its Cancel leaves SZaskleni 0 when nothing was picked).
//  4. the execution variant dialog when StartPotrebujeVariantu.
//  5. StartDokonci (apEdited, ZpracujRys, Ocen and the price panel).
//  6. repaint (also when the flow stopped in step 1).
#include "catalogues/PictureStore.h"
#include "core/Session.h"
#include "dialogs/infill/DialogRunner.h"
#include "mainwindow/UVolba.h"
#include "mainwindow/UVolbaModel.h"

namespace qmr {

enum class VysledekStartu {
    Zastaveno, // TestZapisu answered 2: nothing shown
    Zruseno,   // the type dialog (or the dialog it opened) was cancelled
    Doplnky,   // an accessories-only job was started
    Vypln,     // an infill was chosen, drawn and priced
};

// The main window's steps between the dialogs. The main-window library builds on the
// dialog library, so the flow takes them as values; KrokyHlavnihoOkna() gives the real
// ones, compiled where the flow is used.
struct StartKroky {
    void (*ZrusVse)(Session &, VolbaStav &);                   // VolbaZrusVse
    void (*NovaVypln)(Session &, PictureStore &, VolbaStav &); // StartNovaVypln
    bool (*RozhodniFormat)(Session &);                         // StartRozhodniFormat
    bool (*PotrebujeVariantu)(const Session &);                // StartPotrebujeVariantu
    void (*Dokonci)(Session &, PictureStore &, VolbaStav &);   // StartDokonci
};

inline StartKroky KrokyHlavnihoOkna()
{
    return {&VolbaZrusVse, &StartNovaVypln, &StartRozhodniFormat, &StartPotrebujeVariantu, &StartDokonci};
}

// Runs the start flow with the given steps. st is the main window's state, updated by the
// window's reset and the price panel; the caller applies its changes to the controls.
// Errors of a platform operation (a drawing that cannot be decoded, a VAT rate that is no
// number) propagate to the command's boundary (RunCommand).
VysledekStartu StartButtonClick(Session &s, DialogRunner &okna, PictureStore &obrazky, VolbaStav &st,
                                const StartKroky &kroky);

// The start flow with the main window's steps.
inline VysledekStartu StartButtonClick(Session &s, DialogRunner &okna, PictureStore &obrazky, VolbaStav &st)
{
    return StartButtonClick(s, okna, obrazky, st, KrokyHlavnihoOkna());
}

} // namespace qmr
