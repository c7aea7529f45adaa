#include "documents/UObjed.h"

#include "core/Clock.h"
#include "core/DateCore.h"
#include "core/Funkce.h"
#include "core/MailClient.h"
#include "core/Messages.h"
#include "jobfiles/UZapis.h"
#include "partners/UJejichDef.h"
#include "partners/UNaseDef.h"
#include "pricing/UOcen.h"

#include <algorithm>
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
    : s_(s), m_(m), hodiny_(hodiny), mail_(mail), akce_(std::move(akce))
{
    if (!akce_.Ocen)
        akce_.Ocen = [](Session &x) { qmr::Ocen(x); };

    titulek_ = kTitulek;
    if (s_.apVyberOdb)
        titulek_ += " (" + s_.apFirma + ")";

    const NavrhTerminu n = NavrhniTermin(s_, hodiny_, Formular::Objed);
    termin_ = FormatDate(n.Termin);
    terminTip_ = n.Napoveda;
    radky_ = DejRadky(s_, Formular::Objed);

    poznamky_ = SpojRadkyMemo(s_.SPoznamky);
    cislo_ = SubStr(s_.apCislo, 1, kMaxCislo);
    if (s_.apPocet != 0) {
        pocet_ = std::clamp(s_.apPocet, kMinPocet, kMaxPocet);
        podpis_ = SubStr(s_.apPodpis, 1, kMaxPodpis);
    } else {
        podpis_ = SubStr(s_.Firma.Data.Osoba, 1, kMaxPodpis);
    }

    const bool maDopravu = s_.nDopravaIn > Currency();
    if (s_.SCeny.CenyData.Dopravy > 0 && maDopravu) {
        doprava_ = 1;
    } else {
        doprava_ = 0;
        dopravaPovolena_ = maDopravu;
    }

    const int rezim = s_.Firma.Data.MapiGroup;
    mailText_ = rezim == 1 ? kWWWButton : kMailButton;
    mailPovoleny_ = rezim < 2;
    ulozViditelny_ = rezim >= 2;

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
        txCena_ += " " + Trim(MyCurrStr(p, 10)) + " " + s_.cMenaObj + " bez podatku";
}

// ---- Edits ------------------------------------------------------------------------------

void TObjed::NastavCislo(const std::string &t) { cislo_ = SubStr(t, 1, kMaxCislo); }

void TObjed::NastavPodpis(const std::string &t) { podpis_ = SubStr(t, 1, kMaxPodpis); }

void TObjed::NastavTermin(const std::string &t, bool Uzivatel)
{
    termin_ = t;
    if (Uzivatel)
        s_.apEdited = true;
}

void TObjed::NastavPocet(int n)
{
    n = std::clamp(n, kMinPocet, kMaxPocet);
    if (n == pocet_)
        return;
    pocet_ = n;
    RunCommand(m_, [this] { Ocen(); });
    s_.apEdited = true;
}

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

void TObjed::NastavPoznamky(const std::string &t) { poznamky_ = t; }

std::vector<std::string> TObjed::RadkyPoznamek() const { return RadkyMemo(poznamky_); }

// ---- Leaving a field --------------------------------------------------------------------

bool TObjed::CisloExit(CilFokusu Cil)
{
    if (Cil != CilFokusu::Jinam && Empty(cislo_)) {
        m_.Hlaska(kUwaga, kVyplnCislo, MB_OK | MB_ICONSTOP);
        return true;
    }
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
        const double dnes = hodiny_.Today();
        if (d < dnes + kTerminOd || d > dnes + kTerminDo)
            m_.Hlaska(kUwaga, kTerminHlaska + termin_ + "!", MB_OK | MB_ICONSTOP);
    });
    return zpet;
}

void TObjed::PoznamkyExit()
{
    if (RadkyPoznamek().size() > std::size_t(kMaxRadkuPoznamek))
        m_.Hlaska(kPozor, kMax10Radku, MB_OK);
}

// ---- Commands ---------------------------------------------------------------------------

void TObjed::UlozPole()
{
    s_.apCislo = Trim(cislo_);
    s_.apPodpis = podpis_;
    s_.apPocet = pocet_;
    s_.apOdvoz = doprava_ == 1;
    s_.apTermin = MyStrToDate(termin_, hodiny_);
}

void TObjed::TiskClick()
{
    RunCommand(m_, [this] {
        UlozPole();
        if (s_.apZakaznik && s_.apEdited && akce_.TestZapisu && akce_.TestZapisu() != IDYES)
            return;
        if (akce_.Tisk)
            akce_.Tisk(Data());
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

bool TObjed::KonecClick()
{
    return RunCommand(m_, [this] {
        UlozPole();
        VytvorJmeno(s_, false);
    });
}

void TObjed::Zavri() { s_.SPoznamky = RadkyPoznamek(); }

std::string TObjed::TeloZpravy() const
{
    const TFirmaData &f = s_.Firma.Data;
    std::string t;
    for (const std::string *r : {&f.Nazev1, &f.Nazev2, &f.Ulice})
        if (!Empty(*r))
            t += *r + CRLF;
    if (!Empty(f.Obec))
        t += f.PSC + "  " + f.Obec + CRLF;
    if (!Empty(f.ICO))
        t += "Regon: " + f.ICO + CRLF;
    if (!Empty(f.DIC))
        t += "NIP: " + f.DIC + CRLF;
    t += "Numer klienta: " + f.Kod + CRLF;

    t += "Zamówienie Nr.    " + cislo_ + "   " + "Data sporządzenia: " + FormatDate(hodiny_.Today()) + CRLF +
         "Termin dostawy:   " + termin_ + CRLF + "Transport: " +
         (doprava_ == 1 ? "Transport zabezpiecza dostawca" : "Transport zabezpiecza odbiorca") + CRLF + CRLF +
         kTxLine1;
    if (s_.TypZakazky == 1)
        t += " " + std::to_string(pocet_) + " " + kTxLine2 + CRLF + CRLF;
    else
        t += std::string(CRLF) + CRLF;
    for (std::size_t i = 0; i < radky_.Pocet(); ++i)
        t += radky_.Radky1[i] + "   " + radky_.Radky2[i] + CRLF;
    const std::vector<std::string> poznamky = RadkyPoznamek();
    if (!poznamky.empty()) {
        t += std::string(CRLF) + "Uwagi i wymagania niestandardowe:" + CRLF;
        for (const std::string &r : poznamky)
            t += r + CRLF;
    }
    t += CRLF + std::string(kTxPodpis) + " " + podpis_ + CRLF + CRLF;

    if (!Empty(f.Telefon))
        t += "telefon: " + f.Telefon + CRLF;
    if (!Empty(f.Fax))
        t += "fax:     " + f.Fax + CRLF;
    if (!Empty(f.Mail))
        t += "e-mail:  " + f.Mail + CRLF;
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
    d.Cislo = cislo_;
    d.Termin = termin_;
    d.Podpis = podpis_;
    d.TxCena = txCena_;
    d.Pocet = pocet_;
    d.Doprava = doprava_;
    d.Radky = radky_;
    d.Poznamky = RadkyPoznamek();
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
        s_.SMail = mail_.Posli({adresat, predmet, obsah, priloha});
        if (!s_.SMail)
            m_.Chyba(kCommandErrorCaption, kMailNepredan);
        return;
    }
    if (rezim >= 2) {
        mailPovoleny_ = false;
        return;
    }

    radky2Viditelny_ = false;
    oznameni_ = true;
    if (Prekresli)
        Prekresli();
    RunCommand(m_, [&] {
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
        if (akce_.Status && akce_.Status() && m_.AnoNe(kQuilmar, kVlastniPriloha) && akce_.VlastniPriloha) {
            z.Priloha2 = akce_.VlastniPriloha();
            if (!z.Priloha2.empty())
                z.ObsahPotvr += std::string(CRLF) + CRLF + "Załącznik: " + z.Priloha2 + CRLF;
        }
        if (akce_.Posli && akce_.Posli(z)) {
            oznameni_ = false;
            if (Prekresli)
                Prekresli();
            m_.Hlaska(kOdeslano, kPotvrzeniNa + s_.Firma.Data.Mail, MB_OK);
        }
    });
    oznameni_ = false;
    radky2Viditelny_ = true;
}

// ---- Menu -------------------------------------------------------------------------------

void TObjed::DefiniceCenClick()
{
    if (!akce_.CenyDef)
        return;
    RunCommand(m_, [this] {
        if (s_.apHeslo && (!akce_.Heslo || akce_.Heslo() != IDOK))
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

void TObjed::NastavTiskClick()
{
    if (akce_.NastavTisk)
        RunCommand(m_, [this] { akce_.NastavTisk(); });
}

} // namespace qmr
