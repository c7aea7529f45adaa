#include "partners/UJejichDefDlg.h"

#include "core/Funkce.h"
#include "partners/UJejichDef.h"

#include <array>

namespace qmr {

namespace {

struct Popis {
    const char *jmeno;
    const char *popisek;
    int delka; // 0: postal-code mask
    std::string TFirmaData::*pole;
};
constexpr std::array<Popis, 16> kPole{{
    {"jNazev1", "Nazwa firmy:", 40, &TFirmaData::Nazev1},
    {"jNazev2", "", 40, &TFirmaData::Nazev2},
    {"jUlice", "Siedziba firmy:", 40, &TFirmaData::Ulice},
    {"jPSC", "", 0, &TFirmaData::PSC},
    {"jObec", "", 40, &TFirmaData::Obec},
    {"jDUlice", "Adres transportu:", 40, &TFirmaData::DUlice},
    {"jDPSC", "", 0, &TFirmaData::DPSC},
    {"jDObec", "", 40, &TFirmaData::DObec},
    {"jICO", "Regon:", 20, &TFirmaData::ICO},
    {"jDIC", "NIP:", 20, &TFirmaData::DIC},
    {"jPracDoba", "Czasy pracy dla przyjęcia towaru:", 30, &TFirmaData::PracDoba},
    {"jTelefon", "telefon: ", 20, &TFirmaData::Telefon},
    {"jFax", "fax:     ", 20, &TFirmaData::Fax},
    {"jMail", "e-mail:  ", 40, &TFirmaData::Mail},
    {"jOsoba", "Kontakt:", 40, &TFirmaData::Osoba},
    {"jKod", "Numer klienta u dostawcy: ", 5, &TFirmaData::Kod},
}};

} // namespace

TJejichDef::TJejichDef(Session &s, Messages &Zpravy) : s_(s), zpravy_(Zpravy)
{
    NactiFirmu(s_, firma_);
    for (const Popis &p : kPole) {
        PoleEditu e;
        e.Jmeno = p.jmeno;
        e.Popisek = p.popisek;
        e.MaxDelka = p.delka;
        e.MaskaPSC = p.delka == 0;
        e.Text = firma_.Data.*p.pole;
        pole_.push_back(std::move(e));
    }
    mapi_.Nadpis = kMapiGroup;
    mapi_.Polozky = {
        "wiadomości e-mail przy użyciu domyślnej aplikacji pocztowej systemu Windows (Outlook?)",
        "za pośrednictwem bramki internetowej dostawcy (jako sklep internetowy)",
        "ręczne wysyłanie pliku zamówienia (lub tylko druk)",
    };
    const int m = firma_.Data.MapiGroup;
    mapi_.Index = m >= 0 && m < static_cast<int>(mapi_.Polozky.size()) ? m : -1;
    mapi_.Viditelny = !s_.Cizina;
}

void TJejichDef::Nastav(PoleFirmy p, const std::string &Text)
{
    PoleEditu &e = pole_[static_cast<int>(p)];
    e.Text = UpravText(e, Text);
}

void TJejichDef::NastavMapiGroup(int Index)
{
    if (Index >= -1 && Index < static_cast<int>(mapi_.Polozky.size()))
        mapi_.Index = Index;
}

bool TJejichDef::OpustMail()
{
    const std::string &mail = Pole(PoleFirmy::Mail).Text;
    if (Empty(mail))
        return false;
    return !KontrMail(mail, true, zpravy_);
}

bool TJejichDef::OpustMapiGroup()
{
    if (mapi_.Index != kBrana)
        return false;
    return !KontrMail(Pole(PoleFirmy::Mail).Text, true, zpravy_);
}

TFirma TJejichDef::Data() const
{
    TFirma f = firma_;
    for (std::size_t i = 0; i < kPole.size(); ++i)
        f.Data.*kPole[i].pole = pole_[i].Text;
    f.Data.MapiGroup = 0;
    return f;
}

bool TJejichDef::Potvrd()
{
    const TFirma f = Data();
    return RunCommand(zpravy_, [&] {
        Zapis(s_, f);
        Nacti(s_, s_.Firma);
    });
}

} // namespace qmr
