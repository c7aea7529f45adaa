#include "partners/UZakazdefDlg.h"

#include "partners/UZakazdef.h"

#include <array>

namespace qmr {

namespace {

struct Popis {
    const char *jmeno;
    const char *popisek;
    int delka; // 0: postal-code mask
    std::string TZakazData::*pole;
};
constexpr std::array<Popis, 8> kPole{{
    {"Jmeno", "Jméno:", 80, &TZakazData::Jmeno},
    {"Prijmeni", "Příjmení:", 80, &TZakazData::Prijmeni},
    {"Ulice", "Ulice:", 80, &TZakazData::Ulice},
    {"Mesto", "Město:", 80, &TZakazData::Mesto},
    {"PSC", "PSČ:", 0, &TZakazData::PSC},
    {"Mobil", "Mobil:", 20, &TZakazData::Mobil},
    {"Telefon", "Telefon:", 20, &TZakazData::Telefon},
    {"Email", "E-mail:", 80, &TZakazData::Email},
}};

} // namespace

TZakazdef::TZakazdef(Session &s) : s_(s)
{
    for (const Popis &p : kPole) {
        PoleEditu e;
        e.Jmeno = p.jmeno;
        e.Popisek = p.popisek;
        e.MaxDelka = p.delka;
        e.MaskaPSC = p.delka == 0;
        e.Text = s_.Zakaznik.Data.*p.pole;
        pole_.push_back(std::move(e));
    }
}

void TZakazdef::Nastav(PoleZakaznika p, const std::string &Text)
{
    PoleEditu &e = pole_[static_cast<int>(p)];
    e.Text = UpravText(e, Text);
}

void TZakazdef::Potvrd()
{
    TZakazData texty;
    for (std::size_t i = 0; i < kPole.size(); ++i)
        texty.*kPole[i].pole = pole_[i].Text;
    PotvrdZakaznika(s_, texty);
}

} // namespace qmr
