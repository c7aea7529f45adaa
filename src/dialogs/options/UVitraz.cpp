#include "dialogs/options/UVitraz.h"

#include "catalogues/Katalog.h"
#include "core/Constants.h"
#include "core/Funkce.h"
#include "dialogs/infill/Razeni.h"
#include "dialogs/options/UDekory.h"

#include <climits>

namespace qmr {

std::vector<std::string> SekceVyplne(const TSifraSoubor &f, const std::string &kodVyplne, const std::string &klic)
{
    std::vector<std::string> nazvy;
    for (const std::string &sekce : f.ReadSections()) {
        const std::string kod = f.ReadString(sekce, "Kod", sekce);
        if (SubStr(kod, 1, 2) == kodVyplne && f.ReadSifra(sekce, klic) > 0)
            nazvy.push_back(sekce);
    }
    std::vector<std::string> serazene;
    for (std::size_t i : SeradNazvy(nazvy))
        serazene.push_back(nazvy[i]);
    return serazene;
}

TVVitraz::TVVitraz(Session &s, const PictureStore &obrazky) : s_(s), obrazky_(obrazky)
{
    const std::string klic = "CF" + std::to_string(s.SFormat) + "S" + std::to_string(s.SZaskleni);
    seznam_ = SekceVyplne(Katalog(s, kVitraze), s.SVypln.DVypln.Kod, klic);
    image1_.Viditelny = false;
}

Bod TVVitraz::Umisteni(int sirka, int vyska) const { return UmistiNadOknem(s_, sirka, vyska); }

std::string TVVitraz::CestaVitraze(const Session &s, const PictureStore &obrazky, const std::string &Kod)
{
    const std::string f = "F" + std::to_string(s.SFormat);
    const std::string z = "S" + std::to_string(s.SZaskleni);
    for (const std::string &jmeno : {Kod + f + z, Kod + f, Kod, SubStr(Kod, 1, 2) + "-" + SubStr(Kod, 3, INT_MAX)}) {
        const std::string cesta = CestaObrazku(s, "VITRAZE", jmeno);
        if (!cesta.empty() && obrazky.Exists(cesta))
            return cesta;
    }
    return {};
}

void TVVitraz::Vyber(int radek)
{
    if (radek < 0 || radek >= int(seznam_.size()))
        return;
    radek_ = radek;
    TDVitraz v;
    v.Polozka = radek;
    NactiVitraz(s_, seznam_[std::size_t(radek)], v);
    sel_.DVitraz = v;
    text_.Text = cVitrPis(v.VitrPis) + " " + v.Nazev;
    image1_.Cesta = CestaVitraze(s_, obrazky_, v.Kod);
    image1_.Viditelny = !image1_.Cesta.empty();
    ok_ = true;
}

int TVVitraz::Potvrd()
{
    if (sel_.DVitraz.Polozka < 0)
        return kVysledekOK;
    s_.VitrazVybrana = true;
    s_.SVitraz = sel_;
    s_.DekoryVybrany = false;
    return kVysledekOK;
}

bool TVVitraz::NahrazujeTabuli(const Session &s)
{
    if (!s.VitrazVybrana)
        return false;
    const PozadovaneTabule s_vitrazi = Pozadovane(s, true, s.SVitraz.DVitraz.VitrPis);
    const PozadovaneTabule bez = Pozadovane(s, false, 0);
    return (bez.Vnejsi && !s_vitrazi.Vnejsi) || (bez.Druha && !s_vitrazi.Druha) || (bez.Treti && !s_vitrazi.Treti);
}

int TVVitraz::Nic()
{
    if (NahrazujeTabuli(s_))
        s_.DekoryVybrany = false;
    s_.VitrazVybrana = false;
    return kVysledekNe;
}

} // namespace qmr
