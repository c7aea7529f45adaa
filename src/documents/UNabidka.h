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
#include "core/Session.h"
#include "core/Umisteni.h"
#include "documents/Formulare.h"
#include "documents/Radky.h"

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

struct NabidkaAkce {
    std::function<void(const DataNabidky &)> Tisk; // prints the quote (asks the printer dialog)
    std::function<bool()> Status;                  // gateway reachable (reports when not)
    std::function<bool(const ZpravaBrany &)> Posli; // gateway send (reports failures)
    std::function<int()> UlozitJako;               // save the job through the save dialog
    // Modal dialogs of the menu; results 1 OK, 2 Cancel.
    std::function<int()> Heslo;      // password guard (only while apHeslo)
    std::function<int()> CenyDef;    // price settings
    std::function<int()> Odberatel;  // customer definition
    std::function<int()> Dodavatel;  // supplier definition
    std::function<int()> NastavTisk; // printer set-up
    // The pricing engine; tests may replace it.
    std::function<void(Session &)> Ocen;
};

class TNabidka {
public:
    static constexpr const char *kTitulek = "Dokończenie oferty";
    static constexpr const char *kTxObjed = "Nr. oferty:";
    static constexpr const char *kTxTermin = "Termin dostawy:";
    static constexpr const char *kTxPlat1 = "Ważność oferty:";
    static constexpr const char *kTxPlat2 = "dni";
    static constexpr const char *kTxLine1 = "Proponujemy Państwu";
    static constexpr const char *kTxLine2Vypln = "sztuk wypełnień drzwiowych według następującej specyfikacji:";
    static constexpr const char *kTxLine2Dvere = "sztuk drzwi według następującej specyfikacji:";
    static constexpr const char *kTxPozn = "Uwagi i wymagania niestandardowe (maksymalnie 10 wierszy):";
    static constexpr const char *kVerze = "Wersja";
    static constexpr const char *kVerzeProsta = "prosta";
    static constexpr const char *kVerzePlna = "pełna";
    static constexpr const char *kDoprava = "Transport";
    static constexpr const char *kBezDopravy = "bez transportu";
    static constexpr const char *kSDopravou = "z transportem";
    static constexpr const char *kTxPodpis = "Sporządził:";
    static constexpr const char *kTiskButton = "&Druk";
    static constexpr const char *kMailButton = "&Mail";
    static constexpr const char *kWWWButton = "WWW";
    static constexpr const char *kKonecButton = "&Koniec";
    static constexpr const char *kMenuNastaveni = "&Nastawienie";
    static constexpr const char *kMenuDefiniceCen = "Określenie cen";
    static constexpr const char *kMenuDefiniceOdb = "Opis odbiorcy";
    static constexpr const char *kMenuDefiniceDod = "Opis dostawcy";
    static constexpr const char *kMenuNastavTisk = "Nastawienie drukarki";
    static constexpr const char *kMenuTiskni = "Druk";
    // Messages.
    static constexpr const char *kUwaga = "UWAGA!";
    static constexpr const char *kVyplnCislo = "Należy wypełnić Państwa numer oferty";
    static constexpr const char *kMax10Radku = "Maksymalnie 10 wierszy";
    static constexpr const char *kOznameni = "Nawiązujemy połączenie ...";
    static constexpr const char *kOdeslano = "Oferta została odesłana na Twój adres: ";
    static constexpr const char *kBezAdresata = "Wybór adresata!";

    static constexpr int kMaxCislo = 15;  // characters of the number
    static constexpr int kMaxPodpis = 40; // characters of the signature
    static constexpr int kMinPlatnost = 0, kMaxPlatnost = 99;
    static constexpr int kMinPocet = 1, kMaxPocet = 999;
    static constexpr int kMaxRadkuPoznamek = 10;
    // The delivery date is checked against today + 5 .. today + 40 calendar days.
    static constexpr int kTerminOd = 5, kTerminDo = 40;

    // Creation: captions, the proposed delivery date with its hint, the lines of the job,
    // the notes from SPoznamky, number, quantity and signature (from the session when
    // apPocet is not 0, else the number and the contact person of the dealer), the
    // transport preselected when the settings include a transport price, the mail button
    // by the communication mode, and the price line. Writes nothing to the session but
    // the outputs of the pricing engine; throws what the pricing engine throws.
    TNabidka(Session &s, Messages &m, const Clock &hodiny, MailClient &mail, NabidkaAkce akce);

    // Called after the notice of the gateway is shown, so that it appears before the
    // request blocks; the view repaints itself.
    std::function<void()> Prekresli;

    // ---- What the view shows --------------------------------------------------------
    const std::string &Titulek() const { return titulek_; }
    const std::string &Cislo() const { return cislo_; }
    const std::string &Termin() const { return termin_; }
    const std::string &TerminTip() const { return terminTip_; } // hint of the date field
    int Platnost() const { return platnost_; }
    int Pocet() const { return pocet_; }
    // Quantity field and its text: shown (and the field enabled) only for an infill job.
    bool PocetViditelny() const { return s_.TypZakazky == 1; }
    const std::string &TxLine2() const { return txLine2_; }
    const RadkyZakazky &Radky() const { return radky_; }
    bool Radky2Viditelny() const { return radky2Viditelny_; }
    const std::string &Poznamky() const { return poznamky_; } // lines joined by '\n'
    int Verze() const { return verze_; }
    int Doprava() const { return doprava_; }
    const std::string &TxCena() const { return txCena_; }
    const std::string &Podpis() const { return podpis_; }
    bool OznameniViditelne() const { return oznameni_; }
    const std::string &MailText() const { return mailText_; }
    bool MailPovoleny() const { return mailPovoleny_; }

    // Centred like every dialog.
    Bod Umisteni(int sirka, int vyska) const { return UmistiDialog(s_, sirka, vyska); }

    // ---- Edits ----------------------------------------------------------------------
    void NastavCislo(const std::string &t);  // cut to kMaxCislo characters
    void NastavPodpis(const std::string &t); // cut to kMaxPodpis characters
    // The date text; Uzivatel: typed by the user (marks the session edited).
    void NastavTermin(const std::string &t, bool Uzivatel);
    // Quantity and validity (clamped): price line again, session edited.
    void NastavPocet(int n);
    void NastavPlatnost(int n);
    // Version: price line again. Transport: price line again, session edited.
    void VerzeClick(int i);
    void DopravaClick(int i);
    void NastavPoznamky(const std::string &t);
    std::vector<std::string> RadkyPoznamek() const;

    // ---- Leaving a field ------------------------------------------------------------
    // The number: towards print or mail a blank number gives a stop message and true
    // (the focus goes back, apCislo stays); otherwise apCislo := the trimmed number.
    bool CisloExit(CilFokusu Cil);
    // A date before today + 5 or after today + 40 days gives a stop message; the date
    // stays. A text that is no date is left to the storing of the fields.
    void TerminExit();
    // More than 10 note lines give a message; the lines stay.
    void PoznamkyExit();

    // ---- Commands -------------------------------------------------------------------
    // Each one that fails (a date field that is no date, a file that cannot be written)
    // reports the error and ends; the form stays open.
    // Print: store the fields; with unsaved changes and an end customer save the job
    // first; then the printed quote.
    void TiskClick();
    // Mail (mode 0) or gateway (mode 1); nothing in mode 2 and above.
    void MailClick();
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
    // The message body of the mail and the gateway, dated today (CRLF line ends).
    std::string TeloZpravy() const;
    // The form's content for the printed quote.
    DataNabidky Data() const;

private:
    void Ocen();
    void NastavTxLine2();
    void Odesli();

    Session &s_;
    Messages &m_;
    const Clock &hodiny_;
    MailClient &mail_;
    NabidkaAkce akce_;

    std::string titulek_;
    std::string cislo_;
    std::string termin_;
    std::string terminTip_;
    int platnost_ = 1;
    int pocet_ = 1;
    std::string txLine2_;
    RadkyZakazky radky_;
    bool radky2Viditelny_ = true;
    std::string poznamky_;
    int verze_ = 0;
    int doprava_ = 0;
    std::string txCena_;
    std::string podpis_;
    bool oznameni_ = false;
    std::string mailText_;
    bool mailPovoleny_ = true;
};

} // namespace qmr
