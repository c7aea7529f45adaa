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
#include "core/Session.h"
#include "core/Umisteni.h"
#include "documents/Formulare.h"
#include "documents/Radky.h"
#include "documents/TiskObjednavky.h"

#include <functional>
#include <string>
#include <vector>

namespace qmr {

class Clock;
class MailClient;
class Messages;

struct ObjedAkce {
    std::function<void(const DataObjednavky &)> Tisk; // prints the order (asks the printer dialog)
    std::function<bool()> Status;                     // gateway reachable (reports when not)
    std::function<bool(const ZpravaBrany &)> Posli;   // gateway send (reports failures)
    std::function<int()> TestZapisu;                  // unsaved changes: 6 go on, 2 cancelled
    std::function<int()> UlozitJako;                  // save the attachment file (".qmr") through the save dialog
    std::function<std::string()> VlastniPriloha;      // the open dialog for an own attachment; empty: none
    // Modal dialogs of the menu; results 1 OK, 2 Cancel.
    std::function<int()> Heslo;      // password guard (only while apHeslo)
    std::function<int()> CenyDef;    // price settings
    std::function<int()> Odberatel;  // customer definition
    std::function<int()> Dodavatel;  // supplier definition
    std::function<int()> NastavTisk; // printer set-up
    // The pricing engine; tests may replace it.
    std::function<void(Session &)> Ocen;
};

class TObjed {
public:
    static constexpr const char *kTitulek = "Dokończenie zamówienia";
    static constexpr const char *kTxObjed = "Zamówienie Nr.:";
    static constexpr const char *kTxTermin = "Termin dostawy:";
    static constexpr const char *kTxLine1 = "Zamawiamy u Państwa";
    static constexpr const char *kTxLine2 = "sztuk wypełnień drzwiowych według następującej specyfikacji:";
    static constexpr const char *kTxPozn = "Uwagi i wymagania niestandardowe (maksymalnie 10 wierszy):";
    static constexpr const char *kDoprava = "Transport";
    static constexpr const char *kBezDopravy = "bez transportu";
    static constexpr const char *kSDopravou = "z transportem";
    static constexpr const char *kTxPodpis = "Sporządził:";
    static constexpr const char *kTiskButton = "&Druk";
    static constexpr const char *kMailButton = "&Mail";
    static constexpr const char *kWWWButton = "WWW";
    static constexpr const char *kUlozButton = "&Uložit pro odeslání";
    static constexpr const char *kKonecButton = "&Koniec";
    static constexpr const char *kMenuNastaveni = "&Nastawienie";
    static constexpr const char *kMenuDefiniceCen = "Określenie cen";
    static constexpr const char *kMenuDefiniceOdb = "Opis odbiorcy";
    static constexpr const char *kMenuDefiniceDod = "Opis dostawcy";
    static constexpr const char *kMenuNastavTisk = "Nastawienie drukarki";
    static constexpr const char *kMenuTiskni = "Druk";
    // Messages.
    static constexpr const char *kUwaga = "UWAGA!";
    static constexpr const char *kVyplnCislo = "Należy wypełnić Państwa numer zamówienia";
    static constexpr const char *kTerminHlaska = "Termin dostawy: ";
    static constexpr const char *kPozor = "POZOR";
    static constexpr const char *kMax10Radku = "Maximálně 10 řádků";
    static constexpr const char *kOznameni = "Nawiązujemy połączenie ...";
    static constexpr const char *kQuilmar = "Quilmar";
    static constexpr const char *kVlastniPriloha = "Chcesz dodać swój własny załącznik?";
    static constexpr const char *kOdeslano = "Zamówienie zostało odesłane";
    static constexpr const char *kPotvrzeniNa = "Potwierdzenie otrzymasz na Twój adres: ";

    static constexpr int kMaxCislo = 15;  // characters of the number
    static constexpr int kMaxPodpis = 40; // characters of the signature
    static constexpr int kMinPocet = 1, kMaxPocet = 999;
    static constexpr int kMaxRadkuPoznamek = 10;
    // The delivery date is checked against today + 5 .. today + 40 calendar days.
    static constexpr int kTerminOd = 5, kTerminDo = 40;

    // Creation: captions, the proposed delivery date with its hint, the lines of the job,
    // the notes from SPoznamky, number, quantity and signature (from the session when
    // apPocet is not 0, else the number and the contact person of the dealer), the
    // transport (preselected when the settings include the supplier's transport and it
    // has a price; the choice is open only while it has one), the buttons by the
    // communication mode, and the price line. Writes nothing to the session but the
    // outputs of the pricing engine; throws what the pricing engine throws.
    TObjed(Session &s, Messages &m, const Clock &hodiny, MailClient &mail, ObjedAkce akce);

    // Called after the notice of the gateway is shown (and hidden), so that it appears
    // before the request blocks; the view repaints itself.
    std::function<void()> Prekresli;

    // ---- What the view shows --------------------------------------------------------
    const std::string &Titulek() const { return titulek_; }
    const std::string &Cislo() const { return cislo_; }
    const std::string &Termin() const { return termin_; }
    const std::string &TerminTip() const { return terminTip_; } // hint of the date field
    int Pocet() const { return pocet_; }
    // Quantity field and its text: shown (and the field enabled) only for an infill job.
    bool PocetViditelny() const { return s_.TypZakazky == 1; }
    const RadkyZakazky &Radky() const { return radky_; }
    bool Radky2Viditelny() const { return radky2Viditelny_; }
    const std::string &Poznamky() const { return poznamky_; } // lines joined by '\n'
    int Doprava() const { return doprava_; }
    bool DopravaPovolena() const { return dopravaPovolena_; }
    const std::string &TxCena() const { return txCena_; }
    bool TxCenaViditelna() const { return txCenaViditelna_; }
    const std::string &Podpis() const { return podpis_; }
    bool OznameniViditelne() const { return oznameni_; }
    const std::string &MailText() const { return mailText_; }
    bool MailPovoleny() const { return mailPovoleny_; }
    bool UlozViditelny() const { return ulozViditelny_; } // also enabled: manual mode only

    // Centred like every dialog.
    Bod Umisteni(int sirka, int vyska) const { return UmistiDialog(s_, sirka, vyska); }

    // ---- Edits ----------------------------------------------------------------------
    void NastavCislo(const std::string &t);  // cut to kMaxCislo characters
    void NastavPodpis(const std::string &t); // cut to kMaxPodpis characters
    // The date text; Uzivatel: typed by the user (marks the session edited).
    void NastavTermin(const std::string &t, bool Uzivatel);
    // Quantity (clamped): price line again, session edited.
    void NastavPocet(int n);
    // Transport: with a transport price the price line again and the session edited;
    // without one the choice stays "bez transportu".
    void DopravaClick(int i);
    void NastavPoznamky(const std::string &t);
    std::vector<std::string> RadkyPoznamek() const;

    // ---- Leaving a field ------------------------------------------------------------
    // The number: towards print, mail or save a blank number gives a stop message and
    // true (the focus goes back, apCislo stays); otherwise a number that differs from
    // apCislo is stored trimmed and marks the session edited.
    bool CisloExit(CilFokusu Cil);
    // The date: true (the focus goes back, nothing stored) for a day that is no working
    // day, without a message, and for a text that is no date, with its conversion error;
    // otherwise apTermin := the date, and one before today + 5 or after today + 40 days
    // gives a stop message.
    bool TerminExit();
    // More than 10 note lines give a message; the lines stay.
    void PoznamkyExit();

    // ---- Commands -------------------------------------------------------------------
    // Each one that fails (a date field that is no date, a file that cannot be written)
    // reports the error and ends; the form stays open.
    // Print: store the fields; with unsaved changes and an end customer only when the
    // unsaved-changes test lets it go on; then the printed order.
    void TiskClick();
    // Mail (mode 0) or gateway (mode 1) with the job file apPriloha written first;
    // nothing in mode 2 and above. A blank customer number ("00000" too) opens the
    // customer definition first.
    void MailClick();
    // Manual mode: store the fields, write apPriloha, then save the attachment file
    // through the save dialog.
    void UlozClick();
    // Finish: store the fields, default job-file name. True when the form may close.
    bool KonecClick();
    // Closing: the note lines to SPoznamky.
    void Zavri();
    // Menu.
    void DefiniceCenClick();
    void DefiniceOdbClick();
    void DefiniceDodClick();
    void NastavTiskClick();

    // The fields as the session takes them: apCislo, apPodpis, apPocet, apOdvoz, then
    // apTermin (throws EConvertError when the date field holds no date).
    void UlozPole();
    // The message body of the mail and the gateway, dated today (CRLF line ends, no price).
    std::string TeloZpravy() const;
    // The confirmation text the gateway sends back around Obsah.
    static std::string TextPotvrzeni(const std::string &Obsah);
    // The form's content for the printed order.
    DataObjednavky Data() const;

private:
    void Ocen();
    void Odesli();

    Session &s_;
    Messages &m_;
    const Clock &hodiny_;
    MailClient &mail_;
    ObjedAkce akce_;

    std::string titulek_;
    std::string cislo_;
    std::string termin_;
    std::string terminTip_;
    int pocet_ = 1;
    RadkyZakazky radky_;
    bool radky2Viditelny_ = true;
    std::string poznamky_;
    int doprava_ = 0;
    bool dopravaPovolena_ = true;
    std::string txCena_;
    bool txCenaViditelna_ = false;
    std::string podpis_;
    bool oznameni_ = false;
    std::string mailText_;
    bool mailPovoleny_ = true;
    bool ulozViditelny_ = false;
};

} // namespace qmr
