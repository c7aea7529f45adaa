#include "dialogs/infill/UOVolba.h"

#include "catalogues/Katalog.h"
#include "catalogues/KodRysu.h"

namespace qmr {

TVOVolba::TVOVolba(Session &s, VyberVyplne &w, const PictureStore &obrazky, std::string titulek)
    : s_(s), w_(w), obr_(obrazky), titulek_(std::move(titulek))
{
}

Bod TVOVolba::Umisteni(int sirka, int vyska) const
{
    Bod b;
    b.Left = PulRound(800 - sirka) + 50 + s_.VolbaLeft;
    b.Top = vyska < 597 ? PulRound(600 - vyska) + s_.VolbaTop : s_.VolbaTop;
    return b;
}

void TVOVolba::pridej(const std::string &jmeno, std::string tip)
{
    Obrazek o;
    o.Tip = std::move(tip);
    o.Viditelny = true;
    const std::string cesta = CestaObrazku(s_, "RYSY", jmeno);
    if (!cesta.empty() && obr_.Exists(cesta)) {
        o.Cesta = cesta;
        o.Povoleny = true;
    }
    obrazky_.push_back(std::move(o));
}

void TVOVolba::oznac(int typ)
{
    oznaceny_ = typ >= 1 && typ <= int(obrazky_.size()) ? typ : 0;
}

int TVOVolba::Klik(int k)
{
    if (k < 1 || k > int(obrazky_.size()) || !obrazky_[k - 1].Povoleny)
        return 0;
    oznaceny_ = k;
    uloz(k);
    return kVysledekOK;
}

std::string JmenoPasku(const Session &s, const VyberVyplne &w)
{
    if (s.SDyha || s.SDyha2)
        return GetKodRysu(w.KodVyplne, w.RadaK, s.SDyha, false, w.Kamen, w.Dvojbarva);
    return w.KodVyplne;
}

} // namespace qmr
