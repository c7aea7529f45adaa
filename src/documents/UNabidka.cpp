#include "documents/UNabidka.h"

#include "core/Clock.h"
#include "core/DateCore.h"
#include "core/Funkce.h"
#include "core/MailClient.h"
#include "core/Messages.h"
#include "partners/UJejichDef.h"
#include "pricing/UOcen.h"

#include <algorithm>
#include <utility>

namespace qmr {

namespace {

constexpr const char *CRLF = "\r\n";

int Orizni(int n, int od, int po) { return std::clamp(n, od, po); }

} // namespace

TNabidka::TNabidka(Session &s, Messages &m, const Clock &hodiny, MailClient &mail, NabidkaAkce akce)
    : s_(s), m_(m), hodiny_(hodiny), mail_(mail), akce_(std::move(akce))
{
    if (!akce_.Ocen)
        akce_.Ocen = [](Session &x) { qmr::Ocen(x); };

    titulek_ = kTitulek;
    if (s_.apVyberOdb)
        titulek_ += " (" + s_.apFirma + ")";
    NastavTxLine2();

    const NavrhTerminu n = NavrhniTermin(s_, hodiny_, Formular::Nabidka);
    termin_ = FormatDate(n.Termin);
    terminTip_ = n.Napoveda;
    radky_ = DejRadky(s_, Formular::Nabidka);

    poznamky_ = SpojRadkyMemo(s_.SPoznamky);
    if (s_.apPocet != 0) {
        pocet_ = Orizni(s_.apPocet, kMinPocet, kMaxPocet);
        cislo_ = SubStr(s_.apCislo, 1, kMaxCislo);
        podpis_ = SubStr(s_.apPodpis, 1, kMaxPodpis);
    } else {
        cislo_ = SubStr(s_.apCislo, 1, kMaxCislo);
        podpis_ = SubStr(s_.Firma.Data.Osoba, 1, kMaxPodpis);
    }
    const TCenyData &c = s_.SCeny.CenyData;
    doprava_ = c.Dopravy > 0 && c.DopravaOut != 0 ? 1 : 0;

    const int rezim = s_.Firma.Data.MapiGroup;
    mailPovoleny_ = rezim < 2;
    mailText_ = rezim == 1 ? kWWWButton : kMailButton;

    Ocen();
}

void TNabidka::NastavTxLine2()
{
    txLine2_ = s_.SCeny.CenyData.Ram < 1 ? kTxLine2Vypln : kTxLine2Dvere;
}

void TNabidka::Ocen()
{
    akce_.Ocen(s_);
    const TCenyData &c = s_.SCeny.CenyData;
    Currency p = s_.nPoSleve2 + s_.nabDopravaIn;
    txCena_.clear();
    if (doprava_ == 1) {
        p += s_.nDopravaOut;
        if (verze_ == 1)
            txCena_ = "Z transportem";
    } else if (verze_ == 1) {
        txCena_ = "Bez transportu";
    }
    if (!s_.Cizina && !s_.lPrepNab && s_.TypZakazky != 2)
        p = ZaokrCurr(p, 10);
    p = p * static_cast<long double>(pocet_);
    txCena_ += " " + Trim(MyCurrStr(p, 10)) + " " + s_.cMenaNab +
               (c.Pocitat == 1 ? " z podatkiem" : " bez podatku");
    if (c.Zobrazit == 0)
        txCena_.clear();
}

// ---- Edits ------------------------------------------------------------------------------

void TNabidka::NastavCislo(const std::string &t) { cislo_ = SubStr(t, 1, kMaxCislo); }

void TNabidka::NastavPodpis(const std::string &t) { podpis_ = SubStr(t, 1, kMaxPodpis); }

void TNabidka::NastavTermin(const std::string &t, bool Uzivatel)
{
    termin_ = t;
    if (Uzivatel)
        s_.apEdited = true;
}

void TNabidka::NastavPocet(int n)
{
    n = Orizni(n, kMinPocet, kMaxPocet);
    if (n == pocet_)
        return;
    pocet_ = n;
    RunCommand(m_, [this] { Ocen(); });
    s_.apEdited = true;
}

void TNabidka::NastavPlatnost(int n)
{
    n = Orizni(n, kMinPlatnost, kMaxPlatnost);
    if (n == platnost_)
        return;
    platnost_ = n;
    RunCommand(m_, [this] { Ocen(); });
    s_.apEdited = true;
}

void TNabidka::VerzeClick(int i)
{
    if (i != 0 && i != 1)
        return;
    verze_ = i;
    RunCommand(m_, [this] { Ocen(); });
}

void TNabidka::DopravaClick(int i)
{
    if (i != 0 && i != 1)
        return;
    doprava_ = i;
    RunCommand(m_, [this] { Ocen(); });
    s_.apEdited = true;
}

void TNabidka::NastavPoznamky(const std::string &t) { poznamky_ = t; }

std::vector<std::string> TNabidka::RadkyPoznamek() const
{
    return RadkyMemo(poznamky_);
}

// ---- Leaving a field --------------------------------------------------------------------

bool TNabidka::CisloExit(CilFokusu Cil)
{
    if (Cil != CilFokusu::Jinam && Empty(cislo_)) {
        m_.Hlaska(kUwaga, kVyplnCislo, MB_OK | MB_ICONSTOP);
        return true;
    }
    s_.apCislo = Trim(cislo_);
    return false;
}

void TNabidka::TerminExit()
{
    double d = 0;
    if (!TryParseDate(ComprStr(termin_, U' '), d, YearOf(hodiny_.Today())))
        return;
    const double dnes = hodiny_.Today();
    if (d < dnes + kTerminOd || d > dnes + kTerminDo)
        m_.Hlaska(kUwaga, std::string(kTxTermin) + termin_ + "!", MB_OK | MB_ICONSTOP);
}

void TNabidka::PoznamkyExit()
{
    if (RadkyPoznamek().size() > std::size_t(kMaxRadkuPoznamek))
        m_.Hlaska(kUwaga, kMax10Radku, MB_OK);
}

// ---- Commands ---------------------------------------------------------------------------

void TNabidka::UlozPole()
{
    s_.apCislo = Trim(cislo_);
    s_.apPodpis = podpis_;
    s_.apPocet = pocet_;
    s_.apOdvoz = doprava_ == 1;
    s_.apTermin = MyStrToDate(termin_, hodiny_);
}

void TNabidka::TiskClick()
{
    RunCommand(m_, [this] {
        UlozPole();
        if (s_.apEdited && s_.apZakaznik && akce_.UlozitJako)
            akce_.UlozitJako();
        if (akce_.Tisk)
            akce_.Tisk(Data());
    });
}

bool TNabidka::KonecClick()
{
    return RunCommand(m_, [this] {
        UlozPole();
        VytvorJmeno(s_, false);
    });
}

void TNabidka::Zavri() { s_.SPoznamky = RadkyPoznamek(); }

std::string TNabidka::TeloZpravy() const
{
    std::string t = "Oferta Nr.: " + cislo_ + CRLF + "Data sporządzenia: " + FormatDate(hodiny_.Today()) + CRLF;
    if (verze_ == 1)
        t += std::string("Termin dostawy:   ") + termin_ + CRLF + "Transport" + ": " +
             (doprava_ == 1 ? "Transport zabezpieczamy my" : "Transport zabezpiecza odbiorca") + CRLF;
    t += std::string(CRLF) + kTxLine1;
    if (s_.TypZakazky == 1)
        t += " " + std::to_string(pocet_) + " " + txLine2_ + CRLF + CRLF;
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
    if (verze_ == 1 || !s_.SCeny.CenyData.CenuNab)
        t += CRLF + txCena_ + CRLF;
    if (platnost_ > 0)
        t += std::string(CRLF) + "Ważność oferty:" + " " + std::to_string(platnost_) + " " + "dni" + CRLF;
    t += CRLF + std::string(kTxPodpis) + " " + podpis_ + CRLF + CRLF;

    const TFirmaData &f = s_.Firma.Data;
    t += f.Nazev1 + CRLF;
    if (!Empty(f.Nazev2))
        t += f.Nazev2 + CRLF;
    if (!Empty(f.Ulice))
        t += f.Ulice + CRLF;
    if (!Empty(f.Obec))
        t += f.PSC + "  " + f.Obec + CRLF;
    if (!Empty(f.ICO))
        t += "Regon: " + f.ICO + CRLF;
    if (!Empty(f.DIC))
        t += "NIP: " + f.DIC + CRLF;
    t += CRLF;
    if (!Empty(f.Telefon))
        t += "telefon:  " + f.Telefon + CRLF;
    if (!Empty(f.Fax))
        t += "fax:      " + f.Fax + CRLF;
    if (!Empty(f.Mail))
        t += "e-mail:   " + f.Mail + CRLF;
    return t;
}

DataNabidky TNabidka::Data() const
{
    DataNabidky d;
    d.Cislo = cislo_;
    d.Termin = termin_;
    d.Podpis = podpis_;
    d.TxCena = txCena_;
    d.Pocet = pocet_;
    d.Platnost = platnost_;
    d.Verze = verze_;
    d.Doprava = doprava_;
    d.Radky = radky_;
    d.Poznamky = RadkyPoznamek();
    return d;
}

void TNabidka::MailClick()
{
    if (!mailPovoleny_)
        return;
    RunCommand(m_, [this] {
        UlozPole();
        Odesli();
    });
}

void TNabidka::Odesli()
{
    const std::string obsah = TeloZpravy();
    std::string adresat;
    if (s_.apZakaznik)
        adresat = Trim(s_.Zakaznik.Data.Email);
    if (adresat.empty())
        adresat = kBezAdresata;
    const std::string predmet = "Oferta  " + cislo_;
    const std::string rys = s_.TypZakazky == 1 ? s_.NazevRysu : std::string();

    const int rezim = s_.Firma.Data.MapiGroup;
    if (rezim == 0) {
        // A blank drawing name means the job has no drawing: nothing to attach.
        if (!mail_.Posli({adresat, predmet, obsah, Empty(rys) ? std::string() : rys}))
            m_.Chyba(kCommandErrorCaption, kMailNepredan);
        return;
    }
    if (rezim != 1 || !akce_.Status || !akce_.Posli)
        return;

    radky2Viditelny_ = false;
    oznameni_ = true;
    if (Prekresli)
        Prekresli();
    RunCommand(m_, [&] {
        if (!akce_.Status())
            return;
        ZpravaBrany z;
        z.Typ = 3;
        z.Adresat = adresat;
        z.Predmet = z.PredmetPotvr = predmet;
        z.Obsah = z.ObsahPotvr = obsah;
        z.NazevRysu = rys;
        z.TypZakazky = s_.TypZakazky;
        if (akce_.Posli(z)) {
            oznameni_ = false;
            if (Prekresli)
                Prekresli();
            m_.Hlaska(kOdeslano, s_.Firma.Data.Mail, MB_OK);
        }
    });
    oznameni_ = false;
    radky2Viditelny_ = true;
}

// ---- Menu -------------------------------------------------------------------------------

void TNabidka::DefiniceCenClick()
{
    if (!akce_.CenyDef)
        return;
    RunCommand(m_, [this] {
        if (s_.apHeslo && (!akce_.Heslo || akce_.Heslo() != IDOK))
            return;
        akce_.CenyDef();
        Ocen();
        s_.apEdited = true;
        NastavTxLine2();
    });
}

void TNabidka::DefiniceOdbClick()
{
    if (!akce_.Odberatel)
        return;
    RunCommand(m_, [this] {
        akce_.Odberatel();
        Nacti(s_, s_.Firma);
    });
}

void TNabidka::DefiniceDodClick()
{
    if (akce_.Dodavatel)
        RunCommand(m_, [this] { akce_.Dodavatel(); });
}

void TNabidka::NastavTiskClick()
{
    if (akce_.NastavTisk)
        RunCommand(m_, [this] { akce_.NastavTisk(); });
}

} // namespace qmr
