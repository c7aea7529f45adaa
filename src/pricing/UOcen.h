#pragma once
// The pricing engine and the description of the configured panel.
#include "core/Session.h"

namespace qmr {

class Messages;

// Prices the configured panel: reads the session, the price settings (reloaded from
// apConf) and the infill catalogue DATA/vyplne.qmr, and writes every price output of the
// session (nVypln ... nKonecna, SNetto, nDPH, the currencies). Runs after every change
// and on every repaint: each file it reads is checked for changes once per run and read
// from the session's parsed copy. Throws EConvertError when a VAT rate in the settings
// is no number (the outputs are then left as they were).
void Ocen(Session &s);

// Composes the panel description (SJmenoV, SJmenoZ, SJmenoP, SJmenoR1/2, SBarvaR1/2)
// and derives triple and quadruple glazing and the thicknesses.
void Nazvi(Session &s);

// Panel thickness: PomTloustka, CTloustka, STloustka.
void TloustkaVyplne(Session &s);
// Room left for the glass panes: STloustkaS (after TloustkaVyplne).
void TloustkaZaskleni(Session &s);
// Whether the chosen panes fit into the glazing.
bool ScSkel(Session &s);
// With glazing and glass chosen, keeps the glass choice only when the panes fit;
// otherwise clears DekoryVybrany and reports it. Returns DekoryVybrany.
bool KontrolaSkel(Session &s, Messages &Zpravy);

} // namespace qmr
