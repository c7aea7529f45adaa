#include "partners/UNaseDef.h"

#include "catalogues/Katalog.h"
#include "core/IniFile.h"

#include <array>
#include <utility>

namespace qmr {

namespace {

constexpr const char *kSekce = "Quilmar";

// The keys of [Quilmar] in file order with their fields.
using Pole = std::pair<const char *, std::string TQMData::*>;
constexpr std::array<Pole, 8> kPole{{
    {"Nazev", &TQMData::Nazev},
    {"Ulice", &TQMData::Ulice},
    {"PSC", &TQMData::PSC},
    {"Obec", &TQMData::Obec},
    {"Telefon", &TQMData::Telefon},
    {"Fax", &TQMData::Fax},
    {"Mail", &TQMData::Mail},
    {"Stranka", &TQMData::Stranka},
}};

} // namespace

std::string SouborDodavatele(const Session &s)
{
    return s.apData + kQuilmarSoubor;
}

void Nacti(Session &s, TQuilmar &Dodavatel)
{
    const IniFile &f = s.Soubory.Get(SouborDodavatele(s));
    for (const auto &[klic, pole] : kPole)
        Dodavatel.QMData.*pole = f.ReadString(kSekce, klic, "");
}

void Zapis(Session &s, const TQuilmar &Dodavatel)
{
    IniFile f(SouborDodavatele(s));
    f.SetAutoFlush(false);
    for (const auto &[klic, pole] : kPole)
        f.WriteString(kSekce, klic, Dodavatel.QMData.*pole);
    f.UpdateFile();
}

} // namespace qmr
