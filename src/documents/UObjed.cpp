#include "documents/UObjed.h"

#include "core/Clock.h"
#include "core/DateCore.h"
#include "core/Funkce.h"
#include "core/MailClient.h"
#include "core/Messages.h"
#include "jobfiles/UZapis.h"
#include "partners/UJejichDef.h"
#include "partners/UNaseDef.h"

#include <utility>

namespace qmr {

namespace {

constexpr const char *CRLF = "\r\n";

// A customer number the supplier has not given yet.
bool BezKodu(const std::string &kod)
{
    const std::string k = Trim(kod);
    return k.empty() || k == "00000";
}

} // namespace

TObjed::TObjed(Session &s, Messages &m, const Clock &hodiny, MailClient &mail, ObjedAkce akce)
    : TFormular(s, m, hodiny, mail, std::move(static_cast<AkceFormulare &>(akce)), kTitulek, Formular::Objed),
      tisk_(std::move(akce.Tisk)), testZapisu_(std::move(akce.TestZapisu)),
      vlastniPriloha_(std::move(akce.VlastniPriloha))
{
    const bool maDopravu = s_.nDopravaIn > Currency();
    if (s_.SCeny.CenyData.Dopravy > 0 && maDopravu) {
        doprava_ = 1;
    } else {
        doprava_ = 0;
        dopravaPovolena_ = maDopravu;
    }

    ulozViditelny_ = s_.Firma.Data.MapiGroup >= 2;

    Ocen();
}

void TObjed::Ocen()
{
    akce_.Ocen(s_);
    Currency p = s_.nPoSleve1;
    if (doprava_ == 1 && s_.nDopravaIn > Currency()) {
        p += s_.nDopravaIn;
        txCena_ = "Z transportem";
    } else {
        txCena_ = "Bez transportu";
    }
    if (s_.TypZakazky == 1 && !s_.Cizina && !s_.lPrepObj)
        p = ZaokrCurr(p, 10);
    if (pocet_ > 1)
        p = p * static_cast<long double>(pocet_);
    // Only the purchase view shows the dealer's price.
    txCenaViditelna_ = s_.SCeny.CenyData.Zobrazit == 1;
    if (txCenaViditelna_)
        txCena_ += Castka(p, s_.cMenaObj) + " bez podatku";
}

// ---- Edits ------------------------------------------------------------------------------

void TObjed::DopravaClick(int i)
{
    if (i != 0 && i != 1)
        return;
    if (s_.nDopravaIn > Currency()) {
        doprava_ = i;
        RunCommand(m_, [this] { Ocen(); });
        s_.apEdited = true;
    } else {
        doprava_ = 0;
    }
}

// ---- Leaving a field --------------------------------------------------------------------

bool TObjed::CisloExit(CilFokusu Cil)
{
    if (CisloChybi(Cil, kVyplnCislo))
        return true;
    const std::string c = Trim(cislo_);
    if (c != s_.apCislo) {
        s_.apCislo = c;
        s_.apEdited = true;
    }
    return false;
}

bool TObjed::TerminExit()
{
    // A text that is no date is reported and keeps the focus too, so that the command
    // the user went for does not report it a second time.
    bool zpet = true;
    RunCommand(m_, [&] {
        const double d = MyStrToDate(termin_, hodiny_);
        if (!JePracovni(d))
            return;
        zpet = false;
        s_.apTermin = d;
        HlasMimoTermin(d, kTerminHlaska);
    });
    return zpet;
}

void TObjed::PoznamkyExit() { HlasPoznamky(kPozor, kMax10Radku); }

// ---- Commands ---------------------------------------------------------------------------

void TObjed::TiskClick()
{
    RunCommand(m_, [this] {
        UlozPole();
        if (s_.apZakaznik && s_.apEdited && testZapisu_ && testZapisu_() != IDYES)
            return;
        if (tisk_)
            tisk_(Data());
    });
}

void TObjed::UlozClick()
{
    if (!ulozViditelny_)
        return;
    RunCommand(m_, [this] {
        UlozPole();
        std::string priloha = s_.apPriloha;
        FileZapis(s_, priloha, false, hodiny_);
        if (akce_.UlozitJako)
            akce_.UlozitJako();
    });
}

std::string TObjed::TeloZpravy() const
{
    const TFirmaData &f = s_.Firma.Data;
    std::string t;
    for (const std::string *r : {&f.Nazev1, &f.Nazev2, &f.Ulice})
        if (!Empty(*r))
            t += *r + CRLF;
    t += TeloObec() + "Numer klienta: " + f.Kod + CRLF;

    t += "Zamówienie Nr.    " + cislo_ + "   " + "Data sporządzenia: " + FormatDate(hodiny_.Today()) + CRLF +
         "Termin dostawy:   " + termin_ + CRLF + "Transport: " +
         (doprava_ == 1 ? "Transport zabezpiecza dostawca" : "Transport zabezpiecza odbiorca") + CRLF + CRLF +
         TeloRadky(kTxLine1, kTxLine2) + TeloPodpis() + TeloKontakt(9);
    if (!Empty(f.DUlice) || !Empty(f.DObec))
        t += "Adres dostawy:" + std::string(CRLF) + f.DUlice + CRLF + f.DPSC + "  " + f.DObec + CRLF;
    if (!Empty(f.PracDoba))
        t += "Czasy pracy:  " + f.PracDoba + CRLF;
    return t;
}

std::string TObjed::TextPotvrzeni(const std::string &Obsah)
{
    const std::string hvezdy(50, '*');
    return "Potwierdzamy wysyłkę poniższego zamówienia" + std::string(CRLF) + hvezdy + CRLF + Obsah + CRLF + hvezdy +
           CRLF + "team Quilmar" + CRLF;
}

DataObjednavky TObjed::Data() const
{
    DataObjednavky d;
    VyplnData(d);
    return d;
}

void TObjed::MailClick()
{
    if (!mailPovoleny_)
        return;
    RunCommand(m_, [this] {
        if (BezKodu(s_.Firma.Data.Kod) && akce_.Odberatel) {
            akce_.Odberatel(); // sending goes on whatever the dialog's result
            Nacti(s_, s_.Firma);
            Ocen();
        }
        UlozPole();
        std::string priloha = s_.apPriloha;
        FileZapis(s_, priloha, false, hodiny_);
        Odesli();
    });
}

void TObjed::Odesli()
{
    const std::string obsah = TeloZpravy();
    const std::string adresat = s_.Quilmar.QMData.Mail;
    const std::string predmet = "Zamówienie " + cislo_;
    const std::string priloha = s_.apPriloha;

    const int rezim = s_.Firma.Data.MapiGroup;
    if (rezim == 0) {
        s_.SMail = PosliMailem({adresat, predmet, obsah, priloha});
        return;
    }
    if (rezim >= 2) {
        mailPovoleny_ = false;
        return;
    }

    PresBranu([&] {
        ZpravaBrany z;
        z.Typ = 2;
        z.Adresat = adresat;
        z.Predmet = predmet;
        z.Obsah = obsah;
        z.PredmetPotvr = "Potwierdzenie: " + predmet;
        z.ObsahPotvr = TextPotvrzeni(obsah);
        z.Priloha = priloha;
        z.NazevRysu = s_.NazevRysu;
        z.TypZakazky = s_.TypZakazky;
        // The own attachment is offered only while the gateway answers; the order is
        // sent either way, so that its failure is reported too.
        if (akce_.Status && akce_.Status() && m_.AnoNe(kQuilmar, kVlastniPriloha) && vlastniPriloha_) {
            z.Priloha2 = vlastniPriloha_();
            if (!z.Priloha2.empty())
                z.ObsahPotvr += std::string(CRLF) + CRLF + "Załącznik: " + z.Priloha2 + CRLF;
        }
        if (akce_.Posli && akce_.Posli(z))
            Odeslano(kOdeslano, kPotvrzeniNa + s_.Firma.Data.Mail);
    });
}

// ---- Menu -------------------------------------------------------------------------------

void TObjed::DefiniceCenClick()
{
    if (!akce_.CenyDef)
        return;
    RunCommand(m_, [this] {
        if (!HesloPovoli())
            return;
        const int r = akce_.CenyDef();
        Ocen();
        if (r != IDCANCEL)
            s_.apEdited = true;
        if (s_.SCeny.CenyData.DopravaIn < 1) {
            doprava_ = 0;
            dopravaPovolena_ = false;
        } else {
            dopravaPovolena_ = true;
        }
    });
}

void TObjed::DefiniceOdbClick()
{
    if (!akce_.Odberatel)
        return;
    RunCommand(m_, [this] {
        akce_.Odberatel();
        Nacti(s_, s_.Firma);
        s_.apEdited = true;
    });
}

void TObjed::DefiniceDodClick()
{
    if (!akce_.Dodavatel)
        return;
    RunCommand(m_, [this] {
        akce_.Dodavatel();
        Nacti(s_, s_.Quilmar);
        s_.apEdited = true;
    });
}

} // namespace qmr
