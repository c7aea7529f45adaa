#pragma once
// How the dialogs of the start flow are shown. The logic classes decide everything; a
// runner only shows one of them modally and returns its modal result (1 OK, 2 Cancel).
// The application implements it with modal dialog views, the tests with scripts.
//
// A view passes every user action to its logic object (a picture click, a list click, a
// check box, the OK button) and closes with the modal result the action returns; Esc or
// closing the window closes with 2 and calls nothing. What has to happen when a dialog
// closes is done by whoever showed it (the start flow, see StartFlow.h), so a runner
// never writes the session itself.
namespace qmr {

class TVTyp;
class TVVypln;
class TVFormat;
class TVOPrava;
class TVORam;
class TVOMrizka;
class TVOPaska;
class TVODrazka;

// The option dialogs the infill selection opens from its execution choice when the
// chosen infill offers two or more types of an extra. The picture click of the dialog
// (Klik) stores the type; the result is not used.
class OptionDialogRunner {
public:
    virtual ~OptionDialogRunner() = default;
    virtual int RunORam(TVORam &dialog) = 0;       // frame type
    virtual int RunOMrizka(TVOMrizka &dialog) = 0; // decorative muntin type
    virtual int RunOPaska(TVOPaska &dialog) = 0;   // glued or milled strip type
    virtual int RunODrazka(TVODrazka &dialog) = 0; // groove type
};

// The dialogs of the start flow (StartButtonClick).
class DialogRunner : public OptionDialogRunner {
public:
    // Unsaved-changes check before the flow (the job file's TestZapisu): 2 stops the
    // flow. The default answers 6 (go on).
    virtual int TestZapisu() { return 6; }
    // Repaint of the main window (its refresh). The default does nothing.
    virtual void Prekresli() {}

    // Infill type: a button of the view calls typ.Stisk(button), which opens the next
    // dialog through the start flow, and the view closes with what Stisk returns.
    virtual int RunTyp(TVTyp &typ) = 0;
    // Infill selection: OK calls vypln.Potvrd() and closes with its result. The
    // selection opens its option dialogs through this runner (OptionDialogRunner).
    virtual int RunVypln(TVVypln &vypln) = 0;
    // The accessories dialog of an accessories-only job, shown and confirmed as the
    // main window's accessories command does; returns its modal result.
    virtual int RunDoplnky() = 0;
    // Glazing format: a picture click calls format.Klik(s) and closes with its result.
    virtual int RunFormat(TVFormat &format) = 0;
    // Execution variant: a picture click calls prava.Klik(i) and closes with its result.
    virtual int RunOPrava(TVOPrava &prava) = 0;
};

} // namespace qmr
