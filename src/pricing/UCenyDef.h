#pragma once
// Price settings ([Ceny]) and preferences ([Volby]) of the configuration file apConf.
// Reads and writes go through the session's parsed copy of the file (s.Soubory), which
// is a plain INI file: integers 0 and Booleans False are written, not deleted.
#include "core/CenyData.h"
#include "core/Session.h"

#include <string>

namespace qmr {

class IniFile;

// A VAT rate as typed in the settings dialog: decimal comma, e.g. "23,00". Spaces are
// ignored and an empty text is 0. Throws EConvertError for a text that is no number.
double DPHzTextu(const std::string &Text);
// A VAT rate as the dialog shows it: "#0.00" with a decimal comma ("23,00", "8,50").
std::string DPHnaText(double Procent);

// Loads [Ceny] of apConf into Ceny, then applies the fixed settings: s.Cizina True,
// currency "EUR", both rates 0.0542, both conversion flags True. A missing file or key
// reads as the defaults of TCenyData. Throws EConvertError for a VAT text that is no number.
void Nacti(Session &s, TCeny &Ceny);
// The same from an already open configuration file (the pricing uses the session's copy).
void NactiCeny(Session &s, const IniFile &Conf, TCeny &Ceny);

// Writes SlevaZak of s.SCeny to [Ceny] and flushes the file.
void ZapisSlevyZak(Session &s);

// The values of the price settings dialog at OK.
struct CenyDialogValues {
    std::string DPHin;  // the two VAT edit texts as they stand
    std::string DPHout;
    int DopravaOut = 0;
    int Marze = 0;       // MarzeProd
    int Ram = 0;
    int SlevaZak = 0;
    int DopravaIn = 0;
    int SlevaQM = 0;
    int TypMarze = 0;    // MarzeTyp (radio item)
    int ZpusobMarze = 0; // MarzeZpusob (radio item)
    int Zobrazit = 1;
    int Pocitat = 0;
    int Dopravy = 0;
    bool CenuNab = false;
};

// The dialog's OK: without a transport price from the supplier (DopravaIn <= 0) the
// transport is not included (Dopravy 0). Then [Ceny] is written in the dialog's order
// (DPHin, DPHout, DopravaOut, Marze, Ram, SlevaZak, DopravaIn, SlevaQM, TypMarze,
// ZpusobMarze, Zobrazit, Pocitat, Dopravy, CenuNab) and flushed. Throws EFileError
// when the file cannot be written.
void ZapisCeny(Session &s, const CenyDialogValues &Hodnoty);

// Loads Sirka and Vyska of [Volby] (0 when missing).
void Nacti(Session &s, TVolby &Volby);

// The preferences dialog's OK: writes Sirka and Vyska to [Volby] as integers, flushes,
// and takes them over into s.SVolby so that the next dimensions dialog proposes them.
void ZapisVolby(Session &s, int Sirka, int Vyska);

} // namespace qmr
