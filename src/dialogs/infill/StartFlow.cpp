#include "dialogs/infill/StartFlow.h"

#include "dialogs/infill/UFormat.h"
#include "dialogs/infill/UPrava.h"
#include "dialogs/infill/UTyp.h"
#include "dialogs/infill/UVypln.h"

namespace qmr {

namespace {

// The infill selection as the type dialog's next dialog. A runner that closes it with 1
// without its OK is taken as OK when OK is enabled, else as Cancel.
int vyberVyplne(Session &s, DialogRunner &okna, PictureStore &obrazky)
{
    TVVypln vypln(s, obrazky, &okna);
    int vysledek = okna.RunVypln(vypln);
    if (vysledek == kVysledekOK && !vypln.Potvrzeno() && vypln.Potvrd() != kVysledekOK)
        vysledek = kVysledekZrusit;
    return vysledek;
}

} // namespace

VysledekStartu StartButtonClick(Session &s, DialogRunner &okna, PictureStore &obrazky, VolbaStav &st,
                                const StartKroky &kroky)
{
    okna.Prekresli();
    if (okna.TestZapisu() == kVysledekZrusit) {
        okna.Prekresli();
        return VysledekStartu::Zastaveno;
    }

    int vysledek = kVysledekZrusit;
    {
        TVTyp typ(s);
        typ.NastavPokracovani([&](TVTyp::Dalsi dalsi) {
            return dalsi == TVTyp::Dalsi::Vypln ? vyberVyplne(s, okna, obrazky) : okna.RunDoplnky();
        });
        vysledek = okna.RunTyp(typ);
        typ.Zavri(vysledek);
    }
    if (vysledek != kVysledekOK) {
        okna.Prekresli();
        return VysledekStartu::Zruseno;
    }

    VysledekStartu vysledekStartu = VysledekStartu::Vypln;
    if (s.TypZakazky == 2) {
        kroky.ZrusVse(s, st);
        vysledekStartu = VysledekStartu::Doplnky;
    } else {
        kroky.NovaVypln(s, obrazky, st);
        if (!kroky.RozhodniFormat(s)) {
            TVFormat format(s, obrazky);
            if (okna.RunFormat(format) != kVysledekOK)
                format.Zrusit();
        }
        if (kroky.PotrebujeVariantu(s)) {
            TVOPrava prava(s, obrazky);
            okna.RunOPrava(prava);
        }
    }
    kroky.Dokonci(s, obrazky, st);
    okna.Prekresli();
    return vysledekStartu;
}

} // namespace qmr
