#pragma once
// The main window's own command logic that shows no dialog: creation, the window's
// reset, the new-job command, the steps of the start flow between its dialogs, what
// each option command does to the session after its dialog, the command-line argument,
// the exit code. The view shows the dialogs in the order given here and repaints
// (Obnov) where the comments say so.
#include "catalogues/PictureStore.h"
#include "mainwindow/UVolbaModel.h"

#include <string>
#include <utility>
#include <vector>

namespace qmr {

class Clock;
class Messages;

// ---- Creation, reset, exit -----------------------------------------------------------

// Centres a window of winW x winH on a screen of screenW x screenH (0 when the screen is
// smaller), stores the position in VolbaLeft/VolbaTop and returns it as {left, top}.
std::pair<int, int> VystredOkno(Session &s, int screenW, int screenH, int winW, int winH);

// FormCreate's session steps, in order: apSoubor (VytvorJmeno false); TypZakazky 0,
// ObjMozna false; fresh session records (SVypln with Polozka -1, colours, glass, muntin,
// accessories as created, notes empty), PrepisMadlo and FixRozmer false, SVyztuz -1;
// price settings and preferences loaded (a VAT text that is no number leaves the
// defaults and its text in ChybaOceneni); apTermin, apDatObj := today, apCislo, apPodpis
// empty, apPocet 0, apOdvoz false; the supplier (Quilmar) and the customer company
// (Firma: apFirma, DataPath) loaded; apPath := DataPath + apSoubor; the window's reset
// (VolbaZrusVse); VolbaNeniNil := true. Returns the initial window state (captions,
// surcharge lines hidden for versions above 5). The view sets the application title
// (kTitulAplikace), the icon (kIconaOkna), centres the window (VystredOkno) and checks
// the command line (KontrolaPrikazoveRadky).
VolbaStav VolbaVytvor(Session &s, const Clock &hodiny);

// The window's reset (ZrusVse of the main window; it differs from the session reset of
// core/Session.h): nothing chosen, 1000 x 2200, overlays 10, every option 0, marks and
// outlines hidden in st, notes cleared, not edited, line layout cleared. TypZakazky and
// DoplnkyVybrany are kept. The caller repaints.
void VolbaZrusVse(Session &s, VolbaStav &st);

// Process exit code when the window closes: 0 when the order button is disabled, else
// 2 when the order was mailed (SMail), else 1.
int KodUkonceni(const VolbaStav &st, const Session &s);

// ---- Command line ----------------------------------------------------------------------

struct PrikazovaRadka {
    int PocetArgumentu = 0; // arguments after the program name
    std::string Cesta;      // the single argument expanded to a full path
    bool NacistData = false; // load Cesta at the first refresh
};

// Extension ".QMS" or ".QMR", compared without regard to case.
bool JeSouborZakazky(const std::string &cesta);

// Checks the arguments (without the program name). Exactly one argument with a job-file
// extension: NacistData when the file exists, else Chyba("Quilmar", "File not found:" +
// full path). Other extensions and other argument counts are ignored.
PrikazovaRadka KontrolaPrikazoveRadky(const std::vector<std::string> &argumenty, Messages &m);

// The hook of the first refresh: when NacistData is set, there is exactly one argument
// and the window exists (VolbaNeniNil), clears NacistData and returns whether the path
// still has a job-file extension. The view then calls NactiData(r.Cesta) and, when that
// returns true, ZpracujRys; then Obnov.
bool NacistPriPrvnimObnoveni(const Session &s, PrikazovaRadka &r);

// ---- File commands -------------------------------------------------------------------

// NovyClick after TestZapisu did not answer 2: the window's reset, DoplnkyVybrany and
// SMadlo false, notes empty, apTermin := today + 5 days, apDatObj := today, apCislo and
// apPodpis empty, apPocet 0, apOdvoz false, apSoubor "Nowy plik.qms", apPath := DataPath
// + apSoubor, the caption and the price panel (OcenOkno). The caller repaints.
void NovyPlik(Session &s, VolbaStav &st, const Clock &hodiny);

// Caption after a save that answered 6: kTitulOkna + apSoubor.
std::string TitulekPoUlozeni(const Session &s);

// DefinicecenClick after the price settings dialog: confirmed sets apEdited; always the
// price panel (OcenOkno). The caller repaints.
void PoDefiniciCen(Session &s, VolbaStav &st, bool potvrzeno);

// TestClick: toggles TestMysi (the menu item's check mark shows it).
void TestClick(Session &s);
// The caption a mouse press shows in test mode: "X, Y" (Panel3 adds its left and top).
std::string TestTitulek(int x, int y);

// ---- Start flow (StartButtonClick) -------------------------------------------------------
// 1. repaint; TestZapisu (2 stops); infill-type dialog, only OK continues.
// 2. TypZakazky 2: VolbaZrusVse, then step 6.
// 3. StartNovaVypln.
// 4. StartRozhodniFormat; false: the glazing-format dialog.
// 5. StartPotrebujeVariantu: the execution-variant dialog.
// 6. StartDokonci.
// 7. repaint (also when the flow stopped in step 1).

// Step 3: loads the picture SImage into Target::Picture and sets VidimPomRys (a picture
// that cannot be loaded is ignored); NastavMaxima(false); SSirka/SVyska := the limits;
// SMail false; Rantl and PomRys hidden in st; the choice flags, SZesil, shifts, notes,
// apCislo and apPocet cleared.
void StartNovaVypln(Session &s, PictureStore &obrazky, VolbaStav &st);

// Step 4: decides the glazing format without asking for wood, aluminium, AL/ABS, the K
// series, a half panel and a single glazing with a fixed format (SFixFormat "F<f>S<z>":
// SFormat f, SZaskleni z); otherwise SZaskleni 0 for the codes B0, K0, D0, W0 and the
// Z-strip, N-groove, stone and half-panel types, else 1; SFormat 2 for a half panel and
// for K0 already at 2 or more, else 1. Returns false (nothing changed) when the format
// dialog must be shown, also for a fixed format whose digits are not digits.
bool StartRozhodniFormat(Session &s);

// Step 5: the execution-variant dialog is needed (code "NI" in format 2, eccentric or
// asymmetric).
bool StartPotrebujeVariantu(const Session &s);

// Step 6: apEdited; ZpracujRys; the price panel.
void StartDokonci(Session &s, PictureStore &obrazky, VolbaStav &st);

// ---- Option commands: the session after the dialog ---------------------------------------
// Each command repaints, shows its dialog and ends with a repaint.

// BarvyButtonClick: confirmed sets apEdited. Always apPocet 0; reinforcement 3 or 4 with
// an HPL-only colour on either side is dropped (SVyztuz -1, ProselVyztuze false).
void PoBarvach(Session &s, bool potvrzeno);
// VyztuzButtonClick: confirmed sets apEdited and ProselVyztuze.
void PoVyztuzi(Session &s, bool potvrzeno);
// VitrazButtonClick: confirmed sets apEdited. Always apPocet 0.
void PoVitrazi(Session &s, bool potvrzeno);
// DekoryButtonClick: confirmed sets apEdited and runs KontrolaSkel. Always apPocet 0.
void PoDekorech(Session &s, bool potvrzeno, Messages &m);
// MrizkyButtonClick: confirmed: repaint, then ObnovObr (UGrafika.h).
// DoplnkyButtonClick: PredDoplnky before the dialog; confirmed: when
// DoplnkyPotrebujiUmisteni the placement dialog follows, then PoDoplncich(true). After
// the repaint, a second repaint when s.PrepisMadlo became true.
void PredDoplnky(Session &s);
bool DoplnkyPotrebujiUmisteni(const Session &s);
void PoDoplncich(Session &s, bool potvrzeno);
// CommentButtonClick: confirmed sets apEdited.
void PoPoznamkach(Session &s, bool potvrzeno);

// RozmerButtonClick.
// Overlay panel (s.SPrekryvna): RozmerZacniPrekryv; one-sided (!RozmerDvoustranny) the
// one-side overlay-dimension dialog; two-sided the two-sided dialog, then
// RozmerDruhaStrana and, if confirmed, that dialog again. When confirmed:
// RozmerPoSpecifikaci, ZpracujRys, repaint, the overlay dialog; when that is confirmed
// RozmerPoPrekryvu.
// Otherwise: the dimensions dialog; when confirmed RozmerPoRozmerech.
// In both cases finally RozmerKonec(last dialog confirmed), repaint, ZpracujRys.
void RozmerZacniPrekryv(Session &s);
bool RozmerDvoustranny(const Session &s);
void RozmerDruhaStrana(Session &s);
void RozmerPoSpecifikaci(Session &s);
void RozmerPoPrekryvu(Session &s);
void RozmerPoRozmerech(Session &s, Messages &m);
void RozmerKonec(Session &s, bool posledniPotvrzen, Messages &m);
// ZmensenyVyrez := SSirka < hraSirka or SVyska < hraVyska.
void PrepoctiZmensenyVyrez(Session &s);

// Frame-colour labels (TextRamecku1/BarvaRam1: strana 1, TextRamecku2/BarvaRam2: 2).
// Whether the click opens the frame-colour dialog: not for an aluminium infill without
// the stone frame on that side, nor for an aluminium frame colour or one with an empty
// code. Before the dialog PredBarvouRamu (StranaR); after it PoBarveRamu (confirmed:
// RBarva := PBarva of the side, apEdited); then repaint.
bool BarvaRamuMuze(const Session &s, int strana);
void PredBarvouRamu(Session &s, int strana);
void PoBarveRamu(Session &s, int strana, bool potvrzeno);

// Thickness check of the accessories (after the dimensions): slots 1 to 4 in order; a
// slot with an accessory whose thickness limit (MaxTl) is violated by CTloustka (minimum
// limit: below MaxTloust, maximum limit: above it) is removed by moving the later slots
// one place up and emptying slot 4. Each position is examined once, after the moves.
void KontrolaDoplnku(Session &s);

} // namespace qmr
