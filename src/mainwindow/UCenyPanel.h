#pragma once
// The price panel of the main window: runs the pricing engine and shows its amounts in
// the part column (Panel2) and the totals (Panel3), with captions by the display mode
// of the price settings (SCeny.CenyData.Zobrazit: 0 none, 1 purchase, 2 sale).
#include "mainwindow/UVolbaModel.h"

#include <string>

namespace qmr {

// The platform's default float-to-text with the decimal comma: at most 15 significant
// digits, no trailing zeros ("23", "4,2", "12,5", "0,5"); exponent form "1E-5", "1E20"
// outside the range the platform writes in positional form.
std::string FloatToStrPL(double x);

// An amount rounded to whole units, halves to even (47.5 -> 48, 46.5 -> 46).
long long ZaokrouhliNaJednotky(Currency c);

// Window caption: "Quilmar - wypełnienia drzwiowe : " + apSoubor, + " (" + apFirma + ")"
// when apVyberOdb.
std::string TitulekOkna(const Session &s);

// The window's Ocen: caption; the pricing engine (a failure is kept in st.ChybaOceneni
// and leaves the amounts as they were); part labels emptied when 0 or the mode is not 1;
// the final-price caption with the rounded transport; and, for an infill chosen or an
// accessories-only job with a mode of at least 1, both panels shown with their captions
// and amounts (mode 1: parts, HPL surcharge line in Prekryvy, totals and net line;
// mode 2: sale totals only). Mode 0 hides Panel3.
void OcenOkno(Session &s, VolbaStav &st);

// OcenOkno without the pricing engine: the caption and the panels from the price
// outputs the session holds now.
void CenyDoPanelu(const Session &s, VolbaStav &st);

} // namespace qmr
