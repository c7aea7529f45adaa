#include "dialogs/options/UMrizky.h"
#include "dialogs/options/UVitraz.h"

#include "catalogues/Katalog.h"
#include "core/Funkce.h"
#include "dialogs/infill/Razeni.h"

namespace qmr {

TVMrizky::TVMrizky(Session &s, const PictureStore &obrazky) : s_(s), obrazky_(obrazky)
{
    const std::string klic = "CS" + std::to_string(s.SZaskleni) + "S1F" + std::to_string(s.SFormat);
    seznam_ = SekceVyplne(Katalog(s, kMrizky), s.SVypln.DVypln.Kod, klic);
    image1_.Viditelny = false;
}

Bod TVMrizky::Umisteni(int sirka, int vyska) const { return UmistiDialogOsy(s_, sirka, vyska); }

void TVMrizky::Vyber(int radek)
{
    if (radek < 0 || radek >= int(seznam_.size()))
        return;
    radek_ = radek;
    TDMrizka m;
    m.Polozka = radek;
    NactiMrizku(s_, seznam_[std::size_t(radek)], m, s_.SZaskleni, s_.SFormat);
    sel_.DMrizka = m;

    sirky_.clear();
    sirka_.Polozky.clear();
    const auto nabidni = [this](int sirka) {
        sirky_.push_back(sirka);
        sirka_.Polozky.push_back(std::to_string(sirka));
    };
    nabidni(m.Sirka1);
    if (m.Cena2 > 0)
        nabidni(m.Sirka2);
    if (m.Cena3 > 0)
        nabidni(m.Sirka3);
    sirka_.Index = 0;
    sirka_.Viditelny = sirka_.Povoleny = m.Cena1 >= 1;

    const Session &s = s_;
    const std::string jmeno = s.SVypln.DVypln.Kod + "F" + std::to_string(s.SFormat) + "S" +
                              std::to_string(s.SZaskleni) + "M" + SubStr(m.Nazev, 4, 2);
    const std::string cesta = CestaObrazku(s, "RYSY", jmeno);
    const bool je = !cesta.empty() && obrazky_.Exists(cesta);
    image1_.Cesta = je ? cesta : std::string();
    image1_.Viditelny = je;
    ok_ = true;
}

void TVMrizky::VyberSirku(int i)
{
    if (!sirka_.Viditelny || i < 0 || i >= int(sirky_.size()))
        return;
    sirka_.Index = i;
}

int TVMrizky::Potvrd()
{
    if (sel_.DMrizka.Polozka < 0)
        return kVysledekOK;
    Session &s = s_;
    s.SMrizka = sel_;
    TDMrizka &m = s.SMrizka.DMrizka;
    if (sirka_.Index >= 0 && sirka_.Index < int(sirky_.size()))
        m.SSirka = sirky_[std::size_t(sirka_.Index)];
    m.SCena = CenaMrizky(m);
    s.MrizkaVybrana = true;
    s.SKodMrizky = m.Kod;
    return kVysledekOK;
}

int TVMrizky::Nic()
{
    s_.MrizkaVybrana = false;
    return kVysledekNe;
}

} // namespace qmr
