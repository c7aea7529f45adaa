#pragma once
// The price settings dialog and the preferences dialog as the user interface sees them:
// working copies of every field, loaded from apConf when the dialog opens, validated
// here and written back only on OK. Cancel is destroying the object without Potvrd.
#include "core/CenyData.h"
#include "pricing/UCenyDef.h"

#include <string>

namespace qmr {

struct Session;

// Price settings ([Ceny]).
class CenyDef {
public:
    static constexpr const char *kTitulek = "Nastawienie danych cenowych i kalkulacyjnych";
    // Digit limits of the spin edits.
    static constexpr int kMaxSleva = 99;      // ProcSlevy, ProcSlevyZak: 2 digits
    static constexpr int kMaxDoprava = 9999;  // Doprava1, Doprava2: 4 digits
    static constexpr int kKrokDopravy = 10;
    static constexpr int kMaxMarze = 9999;    // Marze: 4 digits
    static constexpr int kMaxRam = 99999;     // CenaRamu: 5 digits

    // Loads the settings with Nacti. Throws EConvertError for a VAT text in the file that
    // is no number (the dialog then does not open).
    explicit CenyDef(Session &s);

    // The full path of the configuration file (Label10).
    const std::string &Soubor() const;

    // The VAT edits: the texts as they stand ("#0.00" with a decimal comma when loaded).
    const std::string &DPHin() const { return h_.DPHin; }
    const std::string &DPHout() const { return h_.DPHout; }
    void setDPHin(const std::string &t) { h_.DPHin = t; }
    void setDPHout(const std::string &t) { h_.DPHout = t; }
    // True when the VAT text reads as a number (an empty text is 0).
    static bool PlatneDPH(const std::string &t);

    // The discounts: a negative value becomes 0 at once; above the digit limit is cut.
    int SlevaQM() const { return h_.SlevaQM; }
    int SlevaZak() const { return h_.SlevaZak; }
    void setSlevaQM(int v);
    void setSlevaZak(int v);

    int DopravaIn() const { return h_.DopravaIn; }
    int DopravaOut() const { return h_.DopravaOut; }
    int MarzeProd() const { return h_.Marze; }
    int Ram() const { return h_.Ram; }
    void setDopravaIn(int v) { h_.DopravaIn = v; }
    void setDopravaOut(int v) { h_.DopravaOut = v; }
    void setMarzeProd(int v) { h_.Marze = v; }
    void setRam(int v) { h_.Ram = v; }

    // Radio groups as item indexes; an index outside the group's items selects nothing.
    int MarzeTyp() const { return h_.TypMarze; }       // DruhMarze: 0 "w EUR", 1 "w %"
    int MarzeZpusob() const { return h_.ZpusobMarze; } // ZpusobMarze: 0 "przed zniżką", 1 "po zniżce"
    int Zobrazit() const { return h_.Zobrazit; }       // Zobraz1: 0 none, 1 purchase, 2 sale price
    int Pocitat() const { return h_.Pocitat; }         // Zobraz2: 0 without, 1 with VAT
    int Dopravy() const { return h_.Dopravy; }         // Zobraz3: 0 "nie zaliczyć", 1 "zaliczyć"
    void setMarzeTyp(int i) { h_.TypMarze = i; }
    void setMarzeZpusob(int i) { h_.ZpusobMarze = i; }
    void setZobrazit(int i) { h_.Zobrazit = i; }
    void setPocitat(int i) { h_.Pocitat = i; }
    void setDopravy(int i) { h_.Dopravy = i; }

    bool CenuNab() const { return h_.CenuNab; } // ZobrNab
    void setCenuNab(bool b) { h_.CenuNab = b; }

    // OK is possible while both VAT texts read as numbers: a text that is none would be
    // stored and make every later reading of the settings fail.
    bool MuzePotvrdit() const;
    // OK: without a transport price from the supplier the transport is set to "nie
    // zaliczyć"; then [Ceny] is written in the dialog's order and flushed. Throws
    // EConvertError when a VAT text is no number (nothing is written) and EFileError when
    // the file cannot be written.
    void Potvrd();

    const CenyDialogValues &Hodnoty() const { return h_; }

private:
    Session &s_;
    CenyDialogValues h_;
};

// Preferences ([Volby]): the proposed panel size.
class Default {
public:
    static constexpr const char *kTitulek = "Nastavení předvoleb";
    static constexpr int kMaxSirka = 2000;
    static constexpr int kMaxVyska = 3000;
    // A stored size is proposed only above this many millimetres.
    static constexpr int kMinUlozena = 100;

    // Loads [Volby]; each spin edit takes the stored value only when it is above 100
    // (and at most its upper limit), otherwise it starts at 0.
    explicit Default(Session &s);

    int Sirka() const { return sirka_; }
    int Vyska() const { return vyska_; }
    // Limited to 0..2000 and 0..3000.
    void setSirka(int v);
    void setVyska(int v);

    // OK: Sirka and Vyska to [Volby] (ZapisVolby). Throws EFileError when the file
    // cannot be written.
    void Potvrd();

private:
    Session &s_;
    int sirka_ = 0;
    int vyska_ = 0;
};

} // namespace qmr
