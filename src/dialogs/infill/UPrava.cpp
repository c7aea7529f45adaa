#include "dialogs/infill/UPrava.h"

#include "catalogues/Katalog.h"
#include "catalogues/KodRysu.h"

#include <algorithm>

namespace qmr {

TVOPrava::TVOPrava(Session &s, const PictureStore &obrazky) : s_(s)
{
    const TDVypln &v = s.SVypln.DVypln;
    const bool ramecek = s.SRamecek1 > 0 || s.SRamecek2 > 0;
    if (v.Kod == "K0")
        varianta_ = ramecek ? 2 : s.SFormat == 2 ? 3 : s.SFormat;
    else
        varianta_ = ramecek ? 2 : s.SFormat;

    zaklad_ = GetKodRysu(v.Kod, v.RadaK, v.Dyha, v.Zetkova || v.Enkova, v.Kamen, v.Dvojbarva);
    const int pasky = std::max(s.SOPaska1, s.SOPaska2);
    const int drazky = std::max(s.SODrazka1, s.SODrazka2);
    if (s.SOMrizka > 0)
        zaklad_ += "M" + std::to_string(s.SOMrizka);
    else if (pasky > 0)
        zaklad_ += "P" + std::to_string(pasky);
    else if (drazky > 0)
        zaklad_ += "P" + std::to_string(drazky);
    else
        zaklad_ += "F" + std::to_string(varianta_) + "S" + std::to_string(s.SZaskleni);
    if (std::max(s.SRamecek1, s.SRamecek2) >= 2)
        zaklad_ += "R2";
    if (s.SGlas)
        zaklad_ += "A";

    const std::string jmena[2] = {zaklad_, zaklad_ + "P"};
    for (int i = 0; i < 2; ++i) {
        Obrazek &o = obrazky_[i];
        o.Viditelny = true;
        const std::string cesta = CestaObrazku(s, "RYSY", jmena[i]);
        if (!cesta.empty() && obrazky.Exists(cesta)) {
            o.Cesta = cesta;
            o.Povoleny = true;
        }
    }
}

Bod TVOPrava::Umisteni(int sirka, int vyska) const
{
    Bod b;
    b.Left = PulRound(800 - sirka) + 50 + s_.VolbaLeft;
    b.Top = vyska < 597 ? PulRound(600 - vyska) + s_.VolbaTop : s_.VolbaTop;
    return b;
}

int TVOPrava::Klik(int i)
{
    if (i < 1 || i > 2 || !obrazky_[i - 1].Povoleny)
        return 0;
    s_.SPrava = i == 2;
    return kVysledekOK;
}

} // namespace qmr
