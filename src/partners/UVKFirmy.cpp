#include "partners/UVKFirmy.h"

#include "core/Funkce.h"
#include "core/TextCodec.h"
#include "partners/UJejichDef.h"
#include "pricing/UCenyDef.h"

#include <algorithm>
#include <array>
#include <utility>

namespace qmr {

namespace {

using Pole = std::pair<const char *, std::string TFirmaData::*>;
constexpr std::array<Pole, 16> kKlice{{
    {"Kod", &TFirmaData::Kod},
    {"Nazev1", &TFirmaData::Nazev1},
    {"Nazev2", &TFirmaData::Nazev2},
    {"Ulice", &TFirmaData::Ulice},
    {"PSC", &TFirmaData::PSC},
    {"Obec", &TFirmaData::Obec},
    {"Osoba", &TFirmaData::Osoba},
    {"ICO", &TFirmaData::ICO},
    {"DIC", &TFirmaData::DIC},
    {"Telefon", &TFirmaData::Telefon},
    {"Fax", &TFirmaData::Fax},
    {"Mail", &TFirmaData::Mail},
    {"DUlice", &TFirmaData::DUlice},
    {"DPSC", &TFirmaData::DPSC},
    {"DObec", &TFirmaData::DObec},
    {"PracDoba", &TFirmaData::PracDoba},
}};

} // namespace

TVKFirmy::TVKFirmy(Session &s, Messages &Zpravy, MailClient &Posta) : s_(s), zpravy_(Zpravy), posta_(Posta)
{
    const IniFile &f = s_.Soubory.Get(s_.apData + kSoubor);
    for (const std::string &jmeno : f.ReadSections()) {
        const bool uz = std::any_of(seznam_.begin(), seznam_.end(),
                                    [&](const std::string &j) { return text::EqualsNoCase(j, jmeno); });
        if (!uz && !jmeno.empty())
            seznam_.push_back(jmeno);
    }
    std::stable_sort(seznam_.begin(), seznam_.end(), [](const std::string &a, const std::string &b) {
        return text::FoldCase(a) < text::FoldCase(b);
    });
}

void TVKFirmy::Vyber(int Radek)
{
    if (Radek < 0 || Radek >= static_cast<int>(seznam_.size()))
        return;
    radek_ = Radek;
    const IniFile &f = s_.Soubory.Get(s_.apData + kSoubor);
    const std::string &sekce = seznam_[Radek];
    kfirma_ = TFirma{};
    TFirmaData &d = kfirma_.Data;
    for (const auto &[klic, pole] : kKlice)
        d.*pole = f.ReadString(sekce, klic, "");
    rabat_ = f.ReadInteger(sekce, "Rabat", 0);

    pomkod_.Text = "Numer klienta u dostawcy: " + d.Kod;
    naz1_.Text = d.Nazev1;
    naz2_.Text = d.Nazev2;
    sulice_.Text = d.Ulice;
    sobec_.Text = d.PSC + " " + d.Obec;
    stelef_.Text = "telefon: " + d.Telefon;
    sfax_.Text = "fax:     " + d.Fax;
    smail_.Text = "e-mail:  " + d.Mail;
    smail_.Tip = Empty(d.Mail) ? "" : Trim(d.Mail);
    sosoba_.Text = "Osoba: " + d.Osoba;
    ddulice_.Text = d.DUlice;
    ddobec_.Text = d.DPSC + " " + d.DObec;
}

void TVKFirmy::KlikMail()
{
    const std::string adresa = Trim(kfirma_.Data.Mail);
    if (adresa.empty())
        return;
    if (!posta_.Posli(ZpravaMailu{adresa, "", "", ""}))
        zpravy_.Chyba("Quilmar", kMailNepredan);
}

bool TVKFirmy::Potvrd()
{
    if (!OKPovolen())
        return false;
    TFirma f = kfirma_;
    f.Data.MapiGroup = 0;
    return RunCommand(zpravy_, [&] {
        Zapis(s_, f);
        Nacti(s_, s_.Firma);
        Nacti(s_, s_.SCeny);
    });
}

} // namespace qmr
