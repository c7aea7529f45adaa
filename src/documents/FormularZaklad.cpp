#include "documents/FormularZaklad.h"

#include "core/Clock.h"
#include "core/DateCore.h"
#include "core/Funkce.h"
#include "core/MailClient.h"
#include "core/Messages.h"
#include "jobfiles/UZapis.h"
#include "pricing/UOcen.h"

#include <algorithm>
#include <utility>

namespace qmr {

namespace {

constexpr const char *CRLF = "\r\n";

} // namespace

TFormular::TFormular(Session &s, Messages &m, const Clock &hodiny, MailClient &mail, AkceFormulare akce,
                     const char *titulek, Formular druh)
    : s_(s), m_(m), hodiny_(hodiny), mail_(mail), akce_(std::move(akce))
{
    if (!akce_.Ocen)
        akce_.Ocen = [](Session &x) { qmr::Ocen(x); };

    titulek_ = titulek;
    if (s_.apVyberOdb)
        titulek_ += " (" + s_.apFirma + ")";

    const NavrhTerminu n = NavrhniTermin(s_, hodiny_, druh);
    termin_ = FormatDate(n.Termin);
    terminTip_ = n.Napoveda;
    radky_ = DejRadky(s_, druh);

    poznamky_ = SpojRadkyMemo(s_.SPoznamky);
    cislo_ = SubStr(s_.apCislo, 1, kMaxCislo);
    if (s_.apPocet != 0) {
        pocet_ = std::clamp(s_.apPocet, kMinPocet, kMaxPocet);
        podpis_ = SubStr(s_.apPodpis, 1, kMaxPodpis);
    } else {
        podpis_ = SubStr(s_.Firma.Data.Osoba, 1, kMaxPodpis);
    }

    const int rezim = s_.Firma.Data.MapiGroup;
    mailPovoleny_ = rezim < 2;
    mailText_ = rezim == 1 ? kWWWButton : kMailButton;
}

// ---- Edits ------------------------------------------------------------------------------

void TFormular::NastavCislo(const std::string &t) { cislo_ = SubStr(t, 1, kMaxCislo); }

void TFormular::NastavPodpis(const std::string &t) { podpis_ = SubStr(t, 1, kMaxPodpis); }

void TFormular::NastavTermin(const std::string &t, bool Uzivatel)
{
    termin_ = t;
    if (Uzivatel)
        s_.apEdited = true;
}

void TFormular::NastavPocet(int n)
{
    n = std::clamp(n, kMinPocet, kMaxPocet);
    if (n == pocet_)
        return;
    pocet_ = n;
    RunCommand(m_, [this] { Ocen(); });
    s_.apEdited = true;
}

void TFormular::NastavPoznamky(const std::string &t) { poznamky_ = t; }

std::vector<std::string> TFormular::RadkyPoznamek() const { return RadkyMemo(poznamky_); }

// ---- Leaving a field --------------------------------------------------------------------

bool TFormular::CisloChybi(CilFokusu Cil, const char *hlaska)
{
    if (Cil == CilFokusu::Jinam || !Empty(cislo_))
        return false;
    m_.Hlaska(kUwaga, hlaska, MB_OK | MB_ICONSTOP);
    return true;
}

void TFormular::HlasMimoTermin(double d, const std::string &text)
{
    const double dnes = hodiny_.Today();
    if (d < dnes + kTerminOd || d > dnes + kTerminDo)
        m_.Hlaska(kUwaga, text + termin_ + "!", MB_OK | MB_ICONSTOP);
}

void TFormular::HlasPoznamky(const char *titulek, const char *text)
{
    if (RadkyPoznamek().size() > std::size_t(kMaxRadkuPoznamek))
        m_.Hlaska(titulek, text, MB_OK);
}

// ---- Commands ---------------------------------------------------------------------------

void TFormular::UlozPole()
{
    s_.apCislo = Trim(cislo_);
    s_.apPodpis = podpis_;
    s_.apPocet = pocet_;
    s_.apOdvoz = doprava_ == 1;
    s_.apTermin = MyStrToDate(termin_, hodiny_);
}

bool TFormular::KonecClick()
{
    return RunCommand(m_, [this] {
        UlozPole();
        VytvorJmeno(s_, false);
    });
}

void TFormular::Zavri() { s_.SPoznamky = RadkyPoznamek(); }

void TFormular::NastavTiskClick()
{
    if (akce_.NastavTisk)
        RunCommand(m_, [this] { akce_.NastavTisk(); });
}

bool TFormular::HesloPovoli() { return !s_.apHeslo || (akce_.Heslo && akce_.Heslo() == IDOK); }

// ---- The message ------------------------------------------------------------------------

std::string TFormular::TeloRadky(const char *line1, const std::string &line2) const
{
    std::string t = line1;
    if (s_.TypZakazky == 1)
        t += " " + std::to_string(pocet_) + " " + line2 + CRLF + CRLF;
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
    return t;
}

std::string TFormular::TeloPodpis() const { return CRLF + std::string(kTxPodpis) + " " + podpis_ + CRLF + CRLF; }

std::string TFormular::TeloObec() const
{
    const TFirmaData &f = s_.Firma.Data;
    std::string t;
    if (!Empty(f.Obec))
        t += f.PSC + "  " + f.Obec + CRLF;
    if (!Empty(f.ICO))
        t += "Regon: " + f.ICO + CRLF;
    if (!Empty(f.DIC))
        t += "NIP: " + f.DIC + CRLF;
    return t;
}

std::string TFormular::TeloKontakt(std::size_t sirka) const
{
    const TFirmaData &f = s_.Firma.Data;
    std::string t;
    const std::pair<const char *, const std::string *> radky[] = {
        {"telefon:", &f.Telefon}, {"fax:", &f.Fax}, {"e-mail:", &f.Mail}};
    for (const auto &[popis, hodnota] : radky) {
        if (Empty(*hodnota))
            continue;
        std::string p = popis;
        p.resize(std::max(sirka, p.size()), ' ');
        t += p + *hodnota + CRLF;
    }
    return t;
}

std::string TFormular::Castka(Currency p, const std::string &mena) { return " " + Trim(MyCurrStr(p, 10)) + " " + mena; }

// ---- Sending ----------------------------------------------------------------------------

bool TFormular::PosliMailem(const ZpravaMailu &z)
{
    const bool prevzato = mail_.Posli(z);
    if (!prevzato)
        m_.Chyba(kCommandErrorCaption, kMailNepredan);
    return prevzato;
}

void TFormular::PresBranu(const std::function<void()> &pozadavek)
{
    radky2Viditelny_ = false;
    oznameni_ = true;
    if (Prekresli)
        Prekresli();
    RunCommand(m_, pozadavek);
    oznameni_ = false;
    radky2Viditelny_ = true;
}

void TFormular::Odeslano(const std::string &titulek, const std::string &text)
{
    oznameni_ = false;
    if (Prekresli)
        Prekresli();
    m_.Hlaska(titulek, text, MB_OK);
}

} // namespace qmr
