#include "partners/UZakazdef.h"

#include "core/Funkce.h"

#include <array>

namespace qmr {

namespace {

constexpr const char *kSekce = "Zakaznik";

struct Pole {
    const char *klic;
    std::string TZakazData::*pole;
    int mezer; // length of the space-filled default
};
constexpr std::array<Pole, 8> kPole{{
    {"ZJmeno", &TZakazData::Jmeno, 80},
    {"ZPrijmeni", &TZakazData::Prijmeni, 80},
    {"ZUlice", &TZakazData::Ulice, 80},
    {"ZMesto", &TZakazData::Mesto, 80},
    {"ZPSC", &TZakazData::PSC, 8},
    {"ZMobil", &TZakazData::Mobil, 20},
    {"ZTelefon", &TZakazData::Telefon, 20},
    {"ZEmail", &TZakazData::Email, 80},
}};

} // namespace

void ZapisZakaznika(IniFile &Soubor, const TZakazData &Data)
{
    for (const Pole &p : kPole)
        Soubor.WriteString(kSekce, p.klic, Data.*p.pole);
}

void NactiZakaznika(const IniFile &Soubor, TZakazData &Data)
{
    for (const Pole &p : kPole)
        Data.*p.pole = Soubor.ReadString(kSekce, p.klic, Spaces(p.mezer));
}

void PotvrdZakaznika(Session &s, const TZakazData &Texty)
{
    TZakazData &d = s.Zakaznik.Data;
    for (const Pole &p : kPole)
        d.*p.pole = Texty.*p.pole;
    d.Volna1 = s.apVolna1;
    d.VCena1 = s.apVCena1;
    d.ZaMontaz = s.apMontaz;
}

} // namespace qmr
