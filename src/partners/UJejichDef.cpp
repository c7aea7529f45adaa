#include "partners/UJejichDef.h"

#include "core/Funkce.h"
#include "core/IniFile.h"

#include <array>
#include <filesystem>
#include <system_error>
#include <utility>

namespace qmr {

namespace {

constexpr const char *kFirma = "Firma";
constexpr const char *kUser = "USER";
constexpr const char *kPath = "Path";

// The text keys of [Firma] in file order; MapiGroup follows Mail and precedes Kod.
using Pole = std::pair<const char *, std::string TFirmaData::*>;
constexpr std::array<Pole, 15> kPredMapi{{
    {"Nazev1", &TFirmaData::Nazev1},
    {"Nazev2", &TFirmaData::Nazev2},
    {"Ulice", &TFirmaData::Ulice},
    {"PSC", &TFirmaData::PSC},
    {"Obec", &TFirmaData::Obec},
    {"Osoba", &TFirmaData::Osoba},
    {"DUlice", &TFirmaData::DUlice},
    {"DPSC", &TFirmaData::DPSC},
    {"DObec", &TFirmaData::DObec},
    {"PracDoba", &TFirmaData::PracDoba},
    {"ICO", &TFirmaData::ICO},
    {"DIC", &TFirmaData::DIC},
    {"Telefon", &TFirmaData::Telefon},
    {"Fax", &TFirmaData::Fax},
    {"Mail", &TFirmaData::Mail},
}};
constexpr const char *kMapiGroup = "MapiGroup";
constexpr const char *kKod = "Kod";

bool JeSlozka(const std::string &cesta)
{
    std::error_code ec;
    return !cesta.empty() && std::filesystem::is_directory(cesta, ec);
}

std::string SLomitkem(std::string cesta)
{
    if (!cesta.empty() && cesta.back() != '/')
        cesta += '/';
    return cesta;
}

} // namespace

std::string VychoziDataPath(const Session &s)
{
    for (const std::string *kandidat : {&s.apData, &s.apCesta})
        if (JeSlozka(*kandidat))
            return SLomitkem(*kandidat);
    return {};
}

void NactiDataPath(Session &s)
{
    const IniFile &f = s.Soubory.Get(s.apConf);
    const std::string cesta = Trim(f.ReadString(kUser, kPath, ""));
    s.DataPath = JeSlozka(cesta) ? SLomitkem(cesta) : VychoziDataPath(s);
}

void NactiFirmu(Session &s, TFirma &Firma)
{
    const IniFile &f = s.Soubory.Get(s.apConf);
    TFirmaData &d = Firma.Data;
    for (const auto &[klic, pole] : kPredMapi)
        d.*pole = f.ReadString(kFirma, klic, "");
    d.MapiGroup = f.ReadInteger(kFirma, kMapiGroup, 0);
    d.Kod = f.ReadString(kFirma, kKod, "");
}

void Nacti(Session &s, TFirma &Firma)
{
    NactiFirmu(s, Firma);
    s.apFirma = Firma.Data.Nazev1;
    NactiDataPath(s);
}

void Zapis(Session &s, const TFirma &Firma)
{
    {
        IniFile f(s.apConf);
        f.SetAutoFlush(false);
        const TFirmaData &d = Firma.Data;
        for (const auto &[klic, pole] : kPredMapi)
            f.WriteString(kFirma, klic, d.*pole);
        f.WriteInteger(kFirma, kMapiGroup, d.MapiGroup);
        f.WriteString(kFirma, kKod, d.Kod);
        f.UpdateFile();
    }
    NactiDataPath(s);
}

void ZapisPath(Session &s)
{
    if (Empty(s.DataPath) || !JeSlozka(s.DataPath))
        return;
    IniFile f(s.apConf);
    f.WriteString(kUser, kPath, s.DataPath);
}

} // namespace qmr
