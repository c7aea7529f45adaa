#pragma once
// The order form: the dealer's order of the configured job to the supplier. It shows the
// lines that describe the job and the dealer's purchase price, takes the order number,
// delivery date, quantity, transport, notes and signature, and prints the order, hands it
// with the job file to the mail client, sends it through the supplier's order gateway, or
// saves the job file for sending by hand.
//
// The form keeps nothing of its own beyond its fields; what it edits lives in the session
// (apCislo, apTermin, apPocet, apPodpis, apOdvoz, apEdited, SPoznamky, SMail). The number
// and the date are stored when their fields are left; all fields by the print, mail, save
// and finish commands (UlozPole); the notes when the form closes (Zavri).
//
// Printing, the gateway and the dialogs are reached through ObjedAkce; an empty member
// is a function the program does not have: its command does the rest of its work and
// skips that step.
#include "documents/FormularZaklad.h"
#include "documents/TiskObjednavky.h"

#include <functional>
#include <string>
#include <vector>

namespace qmr {

class Clock;
class MailClient;
class Messages;

// UlozitJako saves the attachment file (".qmr") through the save dialog.
struct ObjedAkce : AkceFormulare {
    std::function<void(const DataObjednavky &)> Tisk; // prints the order (asks the printer dialog)
    std::function<int()> TestZapisu;                  // unsaved changes: 6 go on, 2 cancelled
    std::function<std::string()> VlastniPriloha;      // the open dialog for an own attachment; empty: none
};

class TObjed : public TFormular {
public:
    static constexpr const char *kTitulek = "Dokończenie zamówienia";
    static constexpr const char *kTxObjed = "Zamówienie Nr.:";
    static constexpr const char *kTxLine1 = "Zamawiamy u Państwa";
    static constexpr const char *kTxLine2 = "sztuk wypełnień drzwiowych według następującej specyfikacji:";
    static constexpr const char *kUlozButton = "&Uložit pro odeslání";
    // Messages.
    static constexpr const char *kVyplnCislo = "Należy wypełnić Państwa numer zamówienia";
    static constexpr const char *kTerminHlaska = "Termin dostawy: ";
    static constexpr const char *kPozor = "POZOR";
    static constexpr const char *kMax10Radku = "Maximálně 10 řádků";
    static constexpr const char *kQuilmar = "Quilmar";
    static constexpr const char *kVlastniPriloha = "Chcesz dodać swój własny załącznik?";
    static constexpr const char *kOdeslano = "Zamówienie zostało odesłane";
    static constexpr const char *kPotvrzeniNa = "Potwierdzenie otrzymasz na Twój adres: ";

    // Creation: captions, the proposed delivery date with its hint, the lines of the job,
    // the notes from SPoznamky, number, quantity and signature (from the session when
    // apPocet is not 0, else the number and the contact person of the dealer), the
    // transport (preselected when the settings include the supplier's transport and it
    // has a price; the choice is open only while it has one), the buttons by the
    // communication mode, and the price line. Writes nothing to the session but the
    // outputs of the pricing engine; throws what the pricing engine throws.
    TObjed(Session &s, Messages &m, const Clock &hodiny, MailClient &mail, ObjedAkce akce);

    // ---- What the view shows (beyond TFormular) -------------------------------------
    bool DopravaPovolena() const { return dopravaPovolena_; }
    bool TxCenaViditelna() const { return txCenaViditelna_; }
    bool UlozViditelny() const { return ulozViditelny_; } // also enabled: manual mode only

    // ---- Edits ----------------------------------------------------------------------
    // Transport: with a transport price the price line again and the session edited;
    // without one the choice stays "bez transportu".
    void DopravaClick(int i);

    // ---- Leaving a field ------------------------------------------------------------
    // The number: towards print, mail or save a blank number gives a stop message and
    // true (the focus goes back, apCislo stays); otherwise a number that differs from
    // apCislo is stored trimmed and marks the session edited.
    bool CisloExit(CilFokusu Cil) override;
    // The date: true (the focus goes back, nothing stored) for a day that is no working
    // day, without a message, and for a text that is no date, with its conversion error;
    // otherwise apTermin := the date, and one before today + 5 or after today + 40 days
    // gives a stop message.
    bool TerminExit();
    void PoznamkyExit() override;

    // ---- Commands -------------------------------------------------------------------
    // Each one that fails (a date field that is no date, a file that cannot be written)
    // reports the error and ends; the form stays open.
    // Print: store the fields; with unsaved changes and an end customer only when the
    // unsaved-changes test lets it go on; then the printed order.
    void TiskClick() override;
    // Mail (mode 0) or gateway (mode 1) with the job file apPriloha written first;
    // nothing in mode 2 and above. A blank customer number ("00000" too) opens the
    // customer definition first.
    void MailClick() override;
    // Manual mode: store the fields, write apPriloha, then save the attachment file
    // through the save dialog.
    void UlozClick();
    // Menu.
    void DefiniceCenClick() override;
    void DefiniceOdbClick() override;
    void DefiniceDodClick() override;

    // The message body of the mail and the gateway, dated today (CRLF line ends, no price).
    std::string TeloZpravy() const;
    // The confirmation text the gateway sends back around Obsah.
    static std::string TextPotvrzeni(const std::string &Obsah);
    // The form's content for the printed order.
    DataObjednavky Data() const;

private:
    void Ocen() override;
    void Odesli();

    std::function<void(const DataObjednavky &)> tisk_;
    std::function<int()> testZapisu_;
    std::function<std::string()> vlastniPriloha_;
    bool dopravaPovolena_ = true;
    bool txCenaViditelna_ = false;
    bool ulozViditelny_ = false;
};

} // namespace qmr
