#include "catalogues/Seznamy.h"

#include "catalogues/Katalog.h"

namespace qmr {

void SeznamyVyplni(Session &s)
{
    const TSifraSoubor &f = Katalog(s, kVyplne);
    s.ListVyplni = f.ReadSections();
    const std::size_t n = s.ListVyplni.size();
    s.ListHlinik.assign(n, false);
    s.ListGlas.assign(n, false);
    s.ListHladka.assign(n, false);
    s.ListDyha.assign(n, false);
    s.ListKamen.assign(n, false);
    s.ListDvojbarva.assign(n, false);
    s.ListZetkova.assign(n, false);
    s.ListEnkova.assign(n, false);
    s.ListAkcni.assign(n, false);
    for (std::size_t i = 0; i < n; ++i) {
        const std::string &sekce = s.ListVyplni[i];
        s.ListHlinik[i] = f.ReadBool(sekce, "Hlinik", false);
        s.ListGlas[i] = f.ReadBool(sekce, "Glas", false);
        s.ListHladka[i] = f.ReadBool(sekce, "RadaK", false);
        s.ListDyha[i] = f.ReadBool(sekce, "Dyha", false);
        s.ListDvojbarva[i] = f.ReadBool(sekce, "Dvojbarva", false);
        s.ListZetkova[i] = f.ReadBool(sekce, "Zetkova", false);
        s.ListEnkova[i] = f.ReadBool(sekce, "Enkova", false);
        s.ListAkcni[i] = f.ReadBool(sekce, "AkcniV", false);
    }
}

void SeznamyBarev(Session &s)
{
    const TSifraSoubor &f = Katalog(s, kBarvy);
    s.ListBarev = f.ReadSections();
    const std::size_t n = s.ListBarev.size();
    s.ListBHlinik.assign(n, false);
    s.ListBAlabs.assign(n, 0);
    s.ListBHladka.assign(n, false);
    s.ListBHPL.assign(n, false);
    s.ListBKamen.assign(n, false);
    s.ListBBeton.assign(n, false);
    s.ListBDyha.assign(n, false);
    s.ListBDekor.assign(n, false);
    for (std::size_t i = 0; i < n; ++i) {
        const std::string &sekce = s.ListBarev[i];
        s.ListBHlinik[i] = f.ReadBool(sekce, "Hlinik", false);
        s.ListBAlabs[i] = f.ReadInteger(sekce, "ALABS", 0);
        s.ListBHladka[i] = f.ReadBool(sekce, "ProHPL", false);
        s.ListBHPL[i] = f.ReadBool(sekce, "JenomHPL", false);
        s.ListBDyha[i] = f.ReadBool(sekce, "Dyha", false);
        s.ListBDekor[i] = f.ReadBool(sekce, "DDekor", false);
    }
}

} // namespace qmr
