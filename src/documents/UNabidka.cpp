#include "documents/UNabidka.h"

#include "core/Clock.h"
#include "core/DateCore.h"
#include "core/Funkce.h"
#include "core/MailClient.h"
#include "core/Messages.h"
#include "partners/UJejichDef.h"

#include <algorithm>
#include <utility>

namespace qmr {

namespace {

constexpr const char *CRLF = "\r\n";

} // namespace

TNabidka::TNabidka(Session &s, Messages &m, const Clock &hodiny, MailClient &mail, NabidkaAkce akce)
    : TFormular(s, m, hodiny, mail, std::move(static_cast<AkceFormulare &>(akce)), kTitulek, Formular::Nabidka),
      tisk_(std::move(akce.Tisk))
{
    NastavTxLine2();
    const TCenyData &c = s_.SCeny.CenyData;
    doprava_ = c.Dopravy > 0 && c.DopravaOut != 0 ? 1 : 0;
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
    txCena_ += Castka(p, s_.cMenaNab) + (c.Pocitat == 1 ? " z podatkiem" : " bez podatku");
    if (c.Zobrazit == 0)
        txCena_.clear();
}

// ---- Edits ------------------------------------------------------------------------------

void TNabidka::NastavPlatnost(int n)
{
    n = std::clamp(n, kMinPlatnost, kMaxPlatnost);
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

// ---- Leaving a field --------------------------------------------------------------------

bool TNabidka::CisloExit(CilFokusu Cil)
{
    if (CisloChybi(Cil, kVyplnCislo))
        return true;
    s_.apCislo = Trim(cislo_);
    return false;
}

void TNabidka::TerminExit()
{
    double d = 0;
    if (TryParseDate(ComprStr(termin_, U' '), d, YearOf(hodiny_.Today())))
        HlasMimoTermin(d, kTxTermin);
}

void TNabidka::PoznamkyExit() { HlasPoznamky(kUwaga, kMax10Radku); }

// ---- Commands ---------------------------------------------------------------------------

void TNabidka::TiskClick()
{
    RunCommand(m_, [this] {
        UlozPole();
        if (s_.apEdited && s_.apZakaznik && akce_.UlozitJako)
            akce_.UlozitJako();
        if (tisk_)
            tisk_(Data());
    });
}

std::string TNabidka::TeloZpravy() const
{
    std::string t = "Oferta Nr.: " + cislo_ + CRLF + "Data sporządzenia: " + FormatDate(hodiny_.Today()) + CRLF;
    if (verze_ == 1)
        t += std::string("Termin dostawy:   ") + termin_ + CRLF + "Transport" + ": " +
             (doprava_ == 1 ? "Transport zabezpieczamy my" : "Transport zabezpiecza odbiorca") + CRLF;
    t += std::string(CRLF) + TeloRadky(kTxLine1, txLine2_);
    if (verze_ == 1 || !s_.SCeny.CenyData.CenuNab)
        t += CRLF + txCena_ + CRLF;
    if (platnost_ > 0)
        t += std::string(CRLF) + "Ważność oferty:" + " " + std::to_string(platnost_) + " " + "dni" + CRLF;
    t += TeloPodpis();

    const TFirmaData &f = s_.Firma.Data;
    t += f.Nazev1 + CRLF;
    if (!Empty(f.Nazev2))
        t += f.Nazev2 + CRLF;
    if (!Empty(f.Ulice))
        t += f.Ulice + CRLF;
    t += TeloObec() + CRLF + TeloKontakt(10);
    return t;
}

DataNabidky TNabidka::Data() const
{
    DataNabidky d;
    VyplnData(d);
    d.Platnost = platnost_;
    d.Verze = verze_;
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
        PosliMailem({adresat, predmet, obsah, Empty(rys) ? std::string() : rys});
        return;
    }
    if (rezim != 1 || !akce_.Status || !akce_.Posli)
        return;

    PresBranu([&] {
        if (!akce_.Status())
            return;
        ZpravaBrany z;
        z.Typ = 3;
        z.Adresat = adresat;
        z.Predmet = z.PredmetPotvr = predmet;
        z.Obsah = z.ObsahPotvr = obsah;
        z.NazevRysu = rys;
        z.TypZakazky = s_.TypZakazky;
        if (akce_.Posli(z))
            Odeslano(kOdeslano, s_.Firma.Data.Mail);
    });
}

// ---- Menu -------------------------------------------------------------------------------

void TNabidka::DefiniceCenClick()
{
    if (!akce_.CenyDef)
        return;
    RunCommand(m_, [this] {
        if (!HesloPovoli())
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

} // namespace qmr
