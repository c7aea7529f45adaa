#include "partners/UNaseDefDlg.h"

#include "partners/UNaseDef.h"

#include <array>

namespace qmr {

namespace {

struct Popis {
    const char *jmeno;
    const char *popisek;
    std::string TQMData::*pole;
};
constexpr std::array<Popis, 8> kPole{{
    {"NasNazev", "Nazwa firmy:", &TQMData::Nazev},
    {"NaseUlice", "Adres - ulica:", &TQMData::Ulice},
    {"NasePSC", "Miejscowość:", &TQMData::PSC},
    {"NaseObec", "", &TQMData::Obec},
    {"NasTelefon", "telefon: ", &TQMData::Telefon},
    {"NasFax", "fax:     ", &TQMData::Fax},
    {"NasMail", "e-mail:  ", &TQMData::Mail},
    {"NaseStranka", "internet:", &TQMData::Stranka},
}};

} // namespace

const TQMData &TNaseDef::Tovarni()
{
    static const TQMData d{
        "Quilmar s.r.o.",           // Nazev
        "Průmyslová 1250",          // Ulice
        "CZ-60200",                 // PSC
        "Brno",                     // Obec
        "+420 541 000 100",         // Telefon
        "+420 541 000 101",         // Fax
        "zamowienia@quilmar.cz",    // Mail
        "www.quilmar.cz",           // Stranka
    };
    return d;
}

TNaseDef::TNaseDef(Session &s) : s_(s)
{
    Nacti(s_, quilmar_);
    for (const Popis &p : kPole) {
        PoleEditu e;
        e.Jmeno = p.jmeno;
        e.Popisek = p.popisek;
        e.MaskaPSC = p.pole == &TQMData::PSC;
        const std::string &ulozeno = quilmar_.QMData.*p.pole;
        e.Text = ulozeno.empty() ? Tovarni().*p.pole : ulozeno;
        pole_.push_back(std::move(e));
    }
}

void TNaseDef::Nastav(PoleDodavatele p, const std::string &Text)
{
    PoleEditu &e = pole_[static_cast<int>(p)];
    e.Text = UpravText(e, Text);
}

TQMData TNaseDef::Data() const
{
    TQMData d;
    for (std::size_t i = 0; i < kPole.size(); ++i)
        d.*kPole[i].pole = pole_[i].Text;
    return d;
}

bool TNaseDef::Potvrd(Messages &Zpravy)
{
    quilmar_.QMData = Data();
    return RunCommand(Zpravy, [&] {
        Zapis(s_, quilmar_);
        Nacti(s_, s_.Quilmar);
    });
}

} // namespace qmr
