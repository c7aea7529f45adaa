#include "documents/TiskNabidky.h"

#include "core/Clock.h"
#include "core/DateCore.h"
#include "documents/TiskSpolecne.h"

namespace qmr {

StranaTisku StranaNabidky(const Session &s, const DataNabidky &d, const Clock &Hodiny,
                          VelikostObrazku Rys, VelikostObrazku PomRys)
{
    StranaTisku p;
    p.Titulek = "Druk oferty";
    const TFirmaData &f = s.Firma.Data;
    const TZakazData &z = s.Zakaznik.Data;
    const bool zakaznik = s.apZakaznik;
    const bool plna = d.Verze == 1;
    const TCenyData &c = s.SCeny.CenyData;

    p.Ramecek("QRShape1", 10.1, 14.8, 186.5, 44.7);

    // The addressee: the end customer, or the dealer's own company without one.
    if (zakaznik) {
        PridejAdresu(p, z.Jmeno, z.Prijmeni, z.Ulice, z.PSC, z.Mesto);
        PridejIdentifikaci(p, 42.3, "mobil: " + z.Mobil, "", 46.6, "telefon: " + z.Telefon, "");
        p.Text("QRLabel6", 14.8, 51.9, "e-mail: " + z.Email);
    } else {
        PridejAdresu(p, f.Nazev1, f.Nazev2, f.Ulice, f.PSC, f.Obec);
        PridejIdentifikaci(p, 42.3, "Regon:", f.ICO, 46.6, "NIP:", f.DIC);
        p.Text("QRLabel6", 14.8, 51.9, "");
    }
    // The labels too end where the number block begins.
    for (const char *n : {"QRLabel1", "QRLabel2", "QRLabel6"})
        for (PolozkaStrany &i : p.Polozky)
            if (i.Nazev == n)
                i.Sirka = kKonecAdresy - i.X;

    PridejCislo(p, {.Y = {19.1, 25.4, 29.6, 35.2},
                    .Nadpis = "Nr. oferty:",
                    .Cislo = d.Cislo,
                    .Datum = FormatDate(Hodiny.Today()),
                    .TerminPopisek = plna ? "Termin dostawy:" : "",
                    .Termin = plna ? d.Termin : std::string(),
                    .Doprava = !plna            ? ""
                               : d.Doprava == 1 ? "Transport zabezpieczamy my"
                                                : "Transport zabezpieczacie sami"});

    std::string uvod = "Proponujemy Państwu";
    if (s.TypZakazky == 1)
        uvod += " " + std::to_string(d.Pocet) + " " +
                (c.Ram < 1 ? "sztuk wypełnień drzwiowych według następującej specyfikacji:"
                           : "sztuk drzwi według następującej specyfikacji:");
    PridejRadky(p, 72.2, uvod, d.Radky, 10.6, 80.4, 87.0, 50.8);
    PridejMiniaturu(p, s, 165.9, 78.3, Rys, PomRys);

    const bool cena = c.Zobrazit != 0 && (plna || !c.CenuNab);
    PridejCenu(p, 171.4, cena ? d.TxCena : std::string());
    p.Text("TxPlatnost", 19.1, 178.1,
           d.Platnost > 0 ? "Ważność oferty: " + std::to_string(d.Platnost) + " " + "dni" : std::string());
    PridejPodpisAPoznamky(p, 187.1, d.Podpis, 197.4, d.Poznamky, 202.9, 49.7);

    // Always the dealer's contacts.
    PridejPaticku(p, s, 252.9, 262.2);

    // The dealer as the issuer, when the heading holds the end customer.
    p.Text("VNazev1", 116.4, 259.0, zakaznik ? f.Nazev1 : std::string(), Pismo::Nazev12).Sirka = 80.0;
    p.Text("VNazev2", 116.4, 264.3, zakaznik ? f.Nazev2 : std::string()).Sirka = 80.0;
    p.Text("VUlice", 116.4, 268.6, zakaznik ? f.Ulice : std::string()).Sirka = 80.0;
    p.Text("VPSC", 99.5, 272.8, zakaznik ? f.PSC : std::string()).Sirka = 16.0;
    p.Text("VObec", 116.4, 272.8, zakaznik ? f.Obec : std::string()).Sirka = 80.0;
    PridejKredit(p, s, 282.0);
    return p;
}

} // namespace qmr
