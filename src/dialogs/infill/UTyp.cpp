#include "dialogs/infill/UTyp.h"

#include <stdexcept>

namespace qmr {

namespace {

// The family flags a button sets: SHlinik, SHlinik2, SHPL1, SHPL2, SGlas.
struct Rodina {
    bool Hlinik, Hlinik2, HPL1, HPL2, Glas;
};

Rodina rodina(TVTyp::Tlacitko b)
{
    switch (b) {
    case TVTyp::Tlacitko::HPL:
        return {false, false, true, false, false};
    case TVTyp::Tlacitko::Hlinik:
        return {true, false, false, false, false};
    case TVTyp::Tlacitko::AlAbs:
        return {false, true, false, false, false};
    case TVTyp::Tlacitko::Sklo:
        return {false, false, false, false, true};
    case TVTyp::Tlacitko::ABS:
    case TVTyp::Tlacitko::Doplnky:
        break;
    }
    return {false, false, false, false, false};
}

} // namespace

TVTyp::TVTyp(Session &s) : s_(s)
{
    ulozene_.PTypZakazky = s.TypZakazky;
    ulozene_.PHlinik = s.SHlinik;
    ulozene_.PHlinik2 = s.SHlinik2;
    ulozene_.PHPL1 = s.SHPL1;
    ulozene_.PHPL2 = s.SHPL2;
    ulozene_.PDoplnky = s.DoplnkyVybrany;
    ulozene_.PGlas = s.SGlas;
    ulozene_.PMadlo = s.SMadlo;
    ulozene_.PomBarva1 = s.RBarva1.RBarva.Kod;
    ulozene_.PomBarva2 = s.RBarva2.RBarva.Kod;
    ulozene_.PomAX1 = s.RBarva1.RBarva.Hlinik;
    ulozene_.PomAX2 = s.RBarva2.RBarva.Hlinik;

    s.RBarva1.RBarva.Kod.clear();
    s.RBarva2.RBarva.Kod.clear();
    s.RBarva1.RBarva.Hlinik = false;
    s.RBarva2.RBarva.Hlinik = false;

    tlacitka_ = {
        {Tlacitko::ABS, "Button1", "ABS wypełnienie"},
        {Tlacitko::HPL, "Button4", "HPL wypełnienie"},
        {Tlacitko::Hlinik, "Button2", "Aluminiowe wypełnienie"},
        {Tlacitko::AlAbs, "Button5", "AL / ABS wypełnienie"},
        // The glass family is not offered here; a job file brings it.
        {Tlacitko::Sklo, "Button6", "Szklano-aluminiowe wypełnienie", false, false},
        {Tlacitko::Doplnky, "Button3", "Tylko akcesoria"},
    };
}

TVTyp::~TVTyp() { Zavri(2); }

const TVTyp::StavTlacitka &TVTyp::Stav(Tlacitko b) const
{
    for (const StavTlacitka &t : tlacitka_)
        if (t.Id == b)
            return t;
    throw std::logic_error("TVTyp: unknown button");
}

Bod TVTyp::Umisteni(int sirka, int vyska) const { return UmistiDialog(s_, sirka, vyska); }

int TVTyp::Stisk(Tlacitko b)
{
    const StavTlacitka &t = Stav(b);
    if (!t.Viditelny || !t.Povoleny || zavreno_)
        return 0;
    const Rodina r = rodina(b);
    s_.SHlinik = r.Hlinik;
    s_.SHlinik2 = r.Hlinik2;
    s_.SHPL1 = r.HPL1;
    s_.SHPL2 = r.HPL2;
    s_.SGlas = r.Glas;
    s_.SMadlo = false;
    Dalsi dalsi = Dalsi::Vypln;
    if (b == Tlacitko::Doplnky) {
        s_.TypZakazky = 2;
        s_.DoplnkyVybrany = false;
        dalsi = Dalsi::Doplnky;
    } else {
        s_.TypZakazky = 1;
    }
    return pokracovani_ ? pokracovani_(dalsi) : 1;
}

void TVTyp::Zavri(int vysledek)
{
    if (zavreno_)
        return;
    zavreno_ = true;
    if (vysledek == 1)
        return;
    s_.TypZakazky = ulozene_.PTypZakazky;
    s_.SHlinik = ulozene_.PHlinik;
    s_.SHlinik2 = ulozene_.PHlinik2;
    s_.SHPL1 = ulozene_.PHPL1;
    s_.SHPL2 = ulozene_.PHPL2;
    s_.SGlas = ulozene_.PGlas;
    s_.DoplnkyVybrany = ulozene_.PDoplnky;
    s_.SMadlo = ulozene_.PMadlo;
    s_.RBarva1.RBarva.Kod = ulozene_.PomBarva1;
    s_.RBarva2.RBarva.Kod = ulozene_.PomBarva2;
    // The AX flags belong to those frame colours: a cancelled start keeps the frames
    // of the job as they were.
    s_.RBarva1.RBarva.Hlinik = ulozene_.PomAX1;
    s_.RBarva2.RBarva.Hlinik = ulozene_.PomAX2;
}

} // namespace qmr
