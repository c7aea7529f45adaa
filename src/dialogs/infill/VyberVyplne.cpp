#include "dialogs/infill/VyberVyplne.h"

#include "catalogues/Katalog.h"

namespace qmr {

VyberVyplne VyberZeSession(const Session &s)
{
    VyberVyplne w;
    w.KodVyplne = s.KodVyplne;
    w.NazevVyplne = s.NazevVyplne;
    w.MuzeRamecek = s.MuzeRamecek;
    w.MuzeOMrizku = s.MuzeOMrizku;
    w.MuzeOPasku = s.MuzeOPasku;
    w.MuzeODrazku = s.MuzeODrazku;
    w.MuzeOPDr = s.MuzeOPDr;
    w.MuzePrekryv = s.MuzePrekryv;
    w.VybranyRamecek = s.VybranyRamecek;
    w.VybranaOMrizka = s.VybranaOMrizka;
    w.VybranaOPaska = s.VybranaOPaska;
    w.VybranaOdrazka = s.VybranaOdrazka;
    w.VybranaOPDR = s.VybranaOPDR;
    w.PBarva1 = s.PBarva1;
    w.PBarva2 = s.PBarva2;
    w.SDoplnek1 = s.SDoplnek1;
    return w;
}

void ZapisVyber(Session &s, const VyberVyplne &w)
{
    s.KodVyplne = w.KodVyplne;
    s.NazevVyplne = w.NazevVyplne;
    s.MuzeRamecek = w.MuzeRamecek;
    s.MuzeOMrizku = w.MuzeOMrizku;
    s.MuzeOPasku = w.MuzeOPasku;
    s.MuzeODrazku = w.MuzeODrazku;
    s.MuzeOPDr = w.MuzeOPDr;
    s.MuzePrekryv = w.MuzePrekryv;
    s.VybranyRamecek = w.VybranyRamecek;
    s.VybranaOMrizka = w.VybranaOMrizka;
    s.VybranaOPaska = w.VybranaOPaska;
    s.VybranaOdrazka = w.VybranaOdrazka;
    s.VybranaOPDR = w.VybranaOPDR;
    s.PBarva1 = w.PBarva1;
    s.PBarva2 = w.PBarva2;
    // A muntin accessory picked while browsing and dropped again is not kept.
    if (w.Doplnek1Zmenen && w.VybranaOMrizka > 0)
        s.SDoplnek1 = w.SDoplnek1;
}

void MrizkovyDoplnek(Session &s, VyberVyplne &w, int k)
{
    const std::string cislo = std::to_string(k);
    const int pocet = Katalog(s, kVyplne).ReadInteger(w.NazevVyplne, "OZM" + cislo, 1);
    const TSifraSoubor &doplnky = Katalog(s, kDoplnky);
    TDDoplnek &d = w.SDoplnek1.DDoplnek;
    d.Polozka = 1;
    d.Kod = "MX01";
    d.Nazev = "M" + cislo + " = " + std::to_string(pocet) + " x " + "kratka dekoracyjna";
    d.Namontovat = true;
    d.Umisten = false;
    d.SCena = doplnky.ReadSifra("MX01", "Cena");
    d.SMontaz = doplnky.ReadSifra("MX01", "Montaz");
    d.PocetKs = pocet;
    d.MaDistanci = false;
    d.AutoMontaz = true;
    d.SCenaDR = 0;
    w.Doplnek1Zmenen = true;
}

} // namespace qmr
