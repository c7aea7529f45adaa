#include "dialogs/options/UBarvaR.h"

#include "catalogues/Katalog.h"
#include "catalogues/Seznamy.h"
#include "dialogs/infill/Razeni.h"

namespace qmr {

namespace {
bool priznak(const std::vector<bool> &v, std::size_t i) { return i < v.size() && v[i]; }
} // namespace

TVBarvaR::TVBarvaR(Session &s, const PictureStore &obrazky) : s_(s), obrazky_(obrazky)
{
    titulek_ = s.SBKamen ? kTitulekKamen : kTitulekRam;
    label1_.Text = s.StranaR == 1 ? kStranaVnejsi : kStranaVnitrni;
    if (s.ListBarev.empty())
        SeznamyBarev(s);

    std::vector<std::string> nazvy;
    if (s.SBKamen) {
        // The lists carry no stone flag: ask the catalogue.
        const TSifraSoubor &f = Katalog(s, kBarvy);
        for (const std::string &n : s.ListBarev)
            if (f.ReadBool(n, "Kamen", false))
                nazvy.push_back(n);
    } else {
        for (std::size_t i = 0; i < s.ListBarev.size(); ++i)
            if (!priznak(s.ListBHlinik, i) && !priznak(s.ListBDyha, i))
                nazvy.push_back(s.ListBarev[i]);
    }
    for (std::size_t i : SeradNazvy(nazvy))
        seznam_.push_back(nazvy[i]);
    image1_.Viditelny = false;
}

Bod TVBarvaR::Umisteni(int sirka, int vyska) const
{
    return {PulRound(800 - sirka) + s_.VolbaLeft, PulRound(600 - vyska) + s_.VolbaTop};
}

void TVBarvaR::Vyber(int radek)
{
    if (radek < 0 || radek >= int(seznam_.size()))
        return;
    radek_ = radek;
    TRbarva b;
    b.Polozka = radek;
    NactiRBarvu(s_, seznam_[std::size_t(radek)], b);
    sel_.RBarva = b;
    const std::string cesta = CestaObrazku(s_, "BARVY", b.Kod);
    const bool je = !cesta.empty() && obrazky_.Exists(cesta);
    image1_.Cesta = je ? cesta : std::string();
    image1_.Viditelny = je;
    ok_ = true;
}

int TVBarvaR::Potvrd()
{
    if (!ok_)
        return 0;
    (s_.StranaR == 1 ? s_.PBarva1 : s_.PBarva2) = sel_;
    return kVysledekOK;
}

} // namespace qmr
