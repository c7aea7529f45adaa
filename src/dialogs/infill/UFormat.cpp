#include "dialogs/infill/UFormat.h"

#include "catalogues/Katalog.h"

namespace qmr {

TVFormat::TVFormat(Session &s, const PictureStore &obrazky) : s_(s)
{
    const TDVypln &v = s.SVypln.DVypln;
    format_ = s.SFormat == 1 ? 1 : 2;
    ctverec_ = s.SFormat != 1 && (v.Kod == "PA" || v.Kod == "PB" || v.Kod == "PC");
    for (int z = 0; z < 7; ++z) {
        Obrazek &o = obrazky_[z];
        o.Tip = "-- S" + std::to_string(z) + " --";
        o.Viditelny = true;
        bool nabidka = v.ZCF(format_, z) > 0;
        if (format_ == 2 && z == 0 && s.STrojsklo)
            nabidka = false;
        if (!nabidka)
            continue;
        const std::string cesta =
            CestaObrazku(s, "ZASKLENI", v.Kod + "F" + std::to_string(format_) + "S" + std::to_string(z));
        if (!cesta.empty() && obrazky.Exists(cesta)) {
            o.Cesta = cesta;
            o.Povoleny = true;
        }
    }
}

Bod TVFormat::Umisteni(int sirka, int vyska) const { return UmistiDialogOsy(s_, sirka, vyska, true); }

int TVFormat::Klik(int z)
{
    if (z < 0 || z > 6 || !obrazky_[z].Povoleny)
        return 0;
    s_.SZaskleni = z;
    s_.RozmerVybran = false;
    s_.VitrazVybrana = false;
    s_.BarvyVybrany = false;
    s_.DekoryVybrany = false;
    s_.MrizkaVybrana = false;
    return kVysledekOK;
}

void TVFormat::Zrusit()
{
    if (s_.SZaskleni < 0)
        s_.SZaskleni = 0;
}

} // namespace qmr
