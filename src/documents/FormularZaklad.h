#pragma once
// What the quote form (TNabidka) and the order form (TObjed) share: the fields both take,
// their limits and edits, the storing of the fields, closing, and the pieces of the
// message body, the mail hand-over and the gateway's notice. Each form adds its price
// line, its checks of the number and the date, and its commands.
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
struct ZpravaMailu;

// The services both forms reach; an empty member is a function the program does not have.
struct AkceFormulare {
    std::function<bool()> Status;                   // gateway reachable (reports when not)
    std::function<bool(const ZpravaBrany &)> Posli; // gateway send (reports failures)
    std::function<int()> UlozitJako;                // save through the save dialog
    // Modal dialogs of the menu; results 1 OK, 2 Cancel.
    std::function<int()> Heslo;      // password guard (only while apHeslo)
    std::function<int()> CenyDef;    // price settings
    std::function<int()> Odberatel;  // customer definition
    std::function<int()> Dodavatel;  // supplier definition
    std::function<int()> NastavTisk; // printer set-up
    // The pricing engine; tests may replace it.
    std::function<void(Session &)> Ocen;
};

class TFormular {
public:
    static constexpr const char *kTxTermin = "Termin dostawy:";
    static constexpr const char *kTxPozn = "Uwagi i wymagania niestandardowe (maksymalnie 10 wierszy):";
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
    static constexpr const char *kUwaga = "UWAGA!";
    static constexpr const char *kOznameni = "Nawiązujemy połączenie ...";

    static constexpr int kMaxCislo = 15;  // characters of the number
    static constexpr int kMaxPodpis = 40; // characters of the signature
    static constexpr int kMinPocet = 1, kMaxPocet = 999;
    static constexpr int kMaxRadkuPoznamek = 10;
    // The delivery date is checked against today + 5 .. today + 40 calendar days.
    static constexpr int kTerminOd = 5, kTerminDo = 40;

    virtual ~TFormular() = default;

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
    // Quantity (clamped): price line again, session edited.
    void NastavPocet(int n);
    void NastavPoznamky(const std::string &t);
    std::vector<std::string> RadkyPoznamek() const;

    // Transport (0 without, 1 with).
    virtual void DopravaClick(int i) = 0;

    // ---- Leaving a field ------------------------------------------------------------
    // The number: true when the focus goes back to it.
    virtual bool CisloExit(CilFokusu Cil) = 0;
    // More than 10 note lines give a message; the lines stay.
    virtual void PoznamkyExit() = 0;

    // ---- Commands -------------------------------------------------------------------
    virtual void TiskClick() = 0;
    virtual void MailClick() = 0;
    // Finish: store the fields, default job-file name. True when the form may close.
    bool KonecClick();
    // Closing: the note lines to SPoznamky.
    void Zavri();
    // Menu.
    virtual void DefiniceCenClick() = 0;
    virtual void DefiniceOdbClick() = 0;
    virtual void DefiniceDodClick() = 0;
    void NastavTiskClick();

    // The fields as the session takes them: apCislo, apPodpis, apPocet, apOdvoz, then
    // apTermin (throws EConvertError when the date field holds no date).
    void UlozPole();

protected:
    // Captions, the proposed delivery date with its hint, the lines of the job, the
    // notes, number, quantity and signature, and the mail button by the communication
    // mode. The form prices itself when it has set up its own fields.
    TFormular(Session &s, Messages &m, const Clock &hodiny, MailClient &mail, AkceFormulare akce,
              const char *titulek, Formular druh);

    // The price line again (from the pricing engine's outputs).
    virtual void Ocen() = 0;

    // A blank number on the way to a command: the stop message hlaska and true.
    bool CisloChybi(CilFokusu Cil, const char *hlaska);
    // The stop message "<text><date>!" when the date d is outside today + 5 .. + 40.
    void HlasMimoTermin(double d, const std::string &text);
    // The message when the notes have more than 10 lines.
    void HlasPoznamky(const char *titulek, const char *text);
    // Menu commands behind the password guard (while apHeslo): false when refused.
    bool HesloPovoli();

    // Pieces of the message body (CRLF line ends): line1 with the quantity and line2 for
    // an infill job, the lines of the job and the notes; the signature; the dealer's town,
    // Regon and NIP; the dealer's telephone, fax and mail with the labels padded to sirka.
    std::string TeloRadky(const char *line1, const std::string &line2) const;
    std::string TeloPodpis() const;
    std::string TeloObec() const;
    std::string TeloKontakt(std::size_t sirka) const;
    // The amount of the price line: " <amount> <currency>".
    static std::string Castka(Currency p, const std::string &mena);

    // Hands the message to the mail client; false (reported) when it was not taken.
    bool PosliMailem(const ZpravaMailu &z);
    // The gateway's notice stands over the lines while pozadavek runs (as a command);
    // Odeslano hides it and shows the message of a delivered send.
    void PresBranu(const std::function<void()> &pozadavek);
    void Odeslano(const std::string &titulek, const std::string &text);

    // The fields both printouts take.
    template <class Data> void VyplnData(Data &d) const
    {
        d.Cislo = cislo_;
        d.Termin = termin_;
        d.Podpis = podpis_;
        d.TxCena = txCena_;
        d.Pocet = pocet_;
        d.Doprava = doprava_;
        d.Radky = radky_;
        d.Poznamky = RadkyPoznamek();
    }

    Session &s_;
    Messages &m_;
    const Clock &hodiny_;
    MailClient &mail_;
    AkceFormulare akce_;

    std::string titulek_;
    std::string cislo_;
    std::string termin_;
    std::string terminTip_;
    int pocet_ = 1;
    RadkyZakazky radky_;
    bool radky2Viditelny_ = true;
    std::string poznamky_;
    int doprava_ = 0;
    std::string txCena_;
    std::string podpis_;
    bool oznameni_ = false;
    std::string mailText_;
    bool mailPovoleny_ = true;
};

} // namespace qmr
