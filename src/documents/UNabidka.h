#pragma once
// The quote form: the last step of a quote for an end customer. It shows the lines that
// describe the job and the final price, takes the quote number, delivery date, quantity,
// validity, transport, version, notes and signature, and prints the quote, hands it to
// the mail client or sends it through the supplier's order gateway.
//
// The form keeps nothing of its own beyond its fields; what it edits lives in the session
// (apCislo, apTermin, apPocet, apPodpis, apOdvoz, apEdited, SPoznamky). The number is
// stored when its field is left; the other fields only by the print, mail and finish
// commands (UlozPole); the notes when the form closes (Zavri). Version and validity are
// not kept: every opening starts with the simple version and 1 day.
//
// Printing and the gateway are reached through NabidkaAkce; an empty member is a
// function the program does not have: its command does the rest of its work and skips
// that step.
#include "documents/FormularZaklad.h"

#include <functional>
#include <string>
#include <vector>

namespace qmr {

class Clock;
class MailClient;
class Messages;

// What the printed quote takes from the form.
struct DataNabidky {
    std::string Cislo;  // number as typed
    std::string Termin; // delivery date as typed
    std::string Podpis;
    std::string TxCena; // the price line (empty when prices are hidden)
    int Pocet = 1;
    int Platnost = 1;   // validity in days
    int Verze = 0;      // 0 simple, 1 full
    int Doprava = 0;    // 1 the issuer delivers
    RadkyZakazky Radky;
    std::vector<std::string> Poznamky;
};

struct NabidkaAkce : AkceFormulare {
    std::function<void(const DataNabidky &)> Tisk; // prints the quote (asks the printer dialog)
};

class TNabidka : public TFormular {
public:
    static constexpr const char *kTitulek = "Dokończenie oferty";
    static constexpr const char *kTxObjed = "Nr. oferty:";
    static constexpr const char *kTxPlat1 = "Ważność oferty:";
    static constexpr const char *kTxPlat2 = "dni";
    static constexpr const char *kTxLine1 = "Proponujemy Państwu";
    static constexpr const char *kTxLine2Vypln = "sztuk wypełnień drzwiowych według następującej specyfikacji:";
    static constexpr const char *kTxLine2Dvere = "sztuk drzwi według następującej specyfikacji:";
    static constexpr const char *kVerze = "Wersja";
    static constexpr const char *kVerzeProsta = "prosta";
    static constexpr const char *kVerzePlna = "pełna";
    // Messages.
    static constexpr const char *kVyplnCislo = "Należy wypełnić Państwa numer oferty";
    static constexpr const char *kMax10Radku = "Maksymalnie 10 wierszy";
    static constexpr const char *kOdeslano = "Oferta została odesłana na Twój adres: ";
    static constexpr const char *kBezAdresata = "Wybór adresata!";

    static constexpr int kMinPlatnost = 0, kMaxPlatnost = 99;

    // Creation: captions, the proposed delivery date with its hint, the lines of the job,
    // the notes from SPoznamky, number, quantity and signature (from the session when
    // apPocet is not 0, else the number and the contact person of the dealer), the
    // transport preselected when the settings include a transport price, the mail button
    // by the communication mode, and the price line. Writes nothing to the session but
    // the outputs of the pricing engine; throws what the pricing engine throws.
    TNabidka(Session &s, Messages &m, const Clock &hodiny, MailClient &mail, NabidkaAkce akce);

    // ---- What the view shows (beyond TFormular) -------------------------------------
    int Platnost() const { return platnost_; }
    const std::string &TxLine2() const { return txLine2_; }
    int Verze() const { return verze_; }

    // ---- Edits ----------------------------------------------------------------------
    // Validity (clamped): price line again, session edited.
    void NastavPlatnost(int n);
    // Version: price line again. Transport: price line again, session edited.
    void VerzeClick(int i);
    void DopravaClick(int i);

    // ---- Leaving a field ------------------------------------------------------------
    // The number: towards print or mail a blank number gives a stop message and true
    // (the focus goes back, apCislo stays); otherwise apCislo := the trimmed number.
    bool CisloExit(CilFokusu Cil) override;
    // A date before today + 5 or after today + 40 days gives a stop message; the date
    // stays. A text that is no date is left to the storing of the fields.
    void TerminExit();
    void PoznamkyExit() override;

    // ---- Commands -------------------------------------------------------------------
    // Each one that fails (a date field that is no date, a file that cannot be written)
    // reports the error and ends; the form stays open.
    // Print: store the fields; with unsaved changes and an end customer save the job
    // first; then the printed quote.
    void TiskClick() override;
    // Mail (mode 0) or gateway (mode 1); nothing in mode 2 and above.
    void MailClick() override;
    // Menu.
    void DefiniceCenClick() override;
    void DefiniceOdbClick() override;
    void DefiniceDodClick() override;

    // The message body of the mail and the gateway, dated today (CRLF line ends).
    std::string TeloZpravy() const;
    // The form's content for the printed quote.
    DataNabidky Data() const;

private:
    void Ocen() override;
    void NastavTxLine2();
    void Odesli();

    std::function<void(const DataNabidky &)> tisk_;
    int platnost_ = 1;
    std::string txLine2_;
    int verze_ = 0;
};

} // namespace qmr
