// Description of the configured panel, its thickness and the glass check.
#include "core/Constants.h"
#include "core/Messages.h"
#include "pricing/UOcen.h"

#include <algorithm>
#include <string>

namespace qmr {

namespace {

std::string Cislo(int n) { return std::to_string(n); }

// An overlay panel overlaid on both sides.
bool ObeStrany(const Session &s) { return s.SPrekryvna && s.SPrekryv > 1; }

// Frames, grooves, strips, strips with grooves: offered by the type and chosen on a side.
bool RamkyVybrany(const Session &s) { return s.MuzeRamecek > 0 && (s.SRamecek1 > 0 || s.SRamecek2 > 0); }
bool DrazkyVybrany(const Session &s) { return s.MuzeODrazku > 0 && (s.SODrazka1 > 0 || s.SODrazka2 > 0); }
bool PaskyVybrany(const Session &s) { return s.MuzeOPasku > 0 && (s.SOPaska1 > 0 || s.SOPaska2 > 0); }
bool PDrVybrany(const Session &s) { return s.MuzeOPDr > 0 && (s.SODr1 > 0 || s.SODr2 > 0); }

// A side with a strip in the stainless finish.
bool PaskaAK(const Session &s)
{
    return (s.SOPaska1 > 0 && s.RBarva1.RBarva.AK) || (s.SOPaska2 > 0 && s.RBarva2.RBarva.AK);
}

std::string Format(const Session &s) { return ", format " + cFormat(s.SFormat); }
std::string Oszklenie(const Session &s) { return ", oszklenie " + cZaskleni(s.SZaskleni); }

std::string RadekPanelu(const Session &s)
{
    const std::string &Nazev = s.SVypln.DVypln.Nazev;
    if (s.SPulpanel)
        return Nazev + ", format 2/1";
    if (s.SDyha)
        return s.SDyha2 ? "Výplň AL / dřevo " + Nazev : "Dřevěná výplň " + Nazev;
    if (s.SHlinik2)
        return "AL / plastic wypełnienie " + Nazev;
    if (s.SHlinik)
        return "Aluminiowe wypełnienie " + Nazev;
    if (s.SHPL1 || s.SRadaK)
        return "ABS wypełnienie " + Nazev;
    if (s.SGlas)
        return "Szklo / AL wypełnienie " + Nazev;
    if (s.SJednoZask)
        return Nazev;
    std::string t = Nazev + ", format " +
                    (s.SVypln.DVypln.Kod == "PC" && s.SFormat == 2 ? std::string("1/3") : cFormat(s.SFormat));
    if (s.SZaskleni >= 0)
        t += Oszklenie(s);
    return t;
}

std::string Znacky(const Session &s)
{
    std::string t;
    const TRbarva &r1 = s.RBarva1.RBarva;
    const TRbarva &r2 = s.RBarva2.RBarva;

    // Outer muntin, else the frame finish.
    if (s.SOMrizka > 0) {
        t += " - M" + Cislo(s.SOMrizka);
    } else if (RamkyVybrany(s)) {
        const bool ak = (s.SRamecek1 > 0 && r1.AK) || (s.SRamecek2 > 0 && r2.AK);
        const bool ax = (s.SRamecek1 > 0 && r1.Hlinik) || (s.SRamecek2 > 0 && r2.Hlinik);
        t += ak ? " - AK" : ax ? " - AX" : " - PL";
    }

    // Grooves (an N-type panel has them by its type).
    if (!s.SEnkova && DrazkyVybrany(s))
        t += s.MuzeODrazku < 2 ? " - N" : " - N" + Cislo(std::max(s.SODrazka1, s.SODrazka2));

    // Strips, or strips with grooves. The stainless mark follows the strip mark; a Z-type
    // panel has no strip mark of its own but still shows the finish.
    if (!PDrVybrany(s)) {
        if (PaskyVybrany(s)) {
            if (!s.SZetkova)
                t += s.MuzeOPasku > 1 ? " - Z" + Cislo(std::max(s.SOPaska1, s.SOPaska2)) : " - Z";
            if (PaskaAK(s))
                t += "(AK)";
        }
    } else {
        t += s.MuzeOPDr < 2 ? " - ZN" : " - ZN" + Cislo(std::max(s.SODr1, s.SODr2));
        if (PaskaAK(s))
            t += "(AK)";
    }

    // Orientation.
    if (s.SExcentr || s.SAsymp || (s.SVypln.DVypln.Kod == "NI" && s.SFormat == 2)) {
        if (s.SAsymp) {
            if (s.SPravaV != s.SPrava)
                t += " (X)";
        } else {
            t += s.SPrava ? " (R)" : " (L)";
        }
    }

    // Format and glazing of a plain HPL or K-series panel.
    if ((s.SHPL1 || s.SRadaK) && s.MuzeRamecek <= 0 && !s.SKamen && !s.SDvojbarva && !s.SZetkova &&
        !s.SEnkova && !s.SPulpanel) {
        t += Format(s);
        if (!s.SJednoZask && s.SZaskleni >= 0)
            t += Oszklenie(s);
    }
    return t;
}

void RadkyStran(Session &s)
{
    TRbarva &r1 = s.RBarva1.RBarva;
    TRbarva &r2 = s.RBarva2.RBarva;
    static const std::string kAK = "AK - nierzdzewna";
    static const std::string kAX = "AX - alunox";

    if (s.SDvojbarva)
        s.SJmenoR1 = "Dwukolorowa strona zewnętrzna";

    // A frame colour without a code is the default stainless or aluminium finish.
    const auto barvaRamu = [&](TRbarva &r) -> std::string {
        if (!r.Kod.empty())
            return r.Nazev;
        if (r.AK)
            return kAK;
        r.Hlinik = true;
        return kAX;
    };
    const auto barvaPasky = [&](TRbarva &r) -> std::string {
        if (r.AK)
            return kAK;
        r.Hlinik = true;
        return kAX;
    };
    const auto typ = [](const std::string &text, int muze, int varianta) {
        return muze < 2 ? text : text + ": typ " + Cislo(varianta);
    };

    if (RamkyVybrany(s)) {
        if (s.SRamecek1 > 0) {
            s.SJmenoR1 = typ("Ramka strona zewnętrzna", s.MuzeRamecek, s.SRamecek1);
            s.SBarvaR1 = barvaRamu(r1);
        }
        if (s.SRamecek2 > 0) {
            s.SJmenoR2 = typ("Ramka strona wewnętrzna", s.MuzeRamecek, s.SRamecek2);
            s.SBarvaR2 = barvaRamu(r2);
        }
    }
    if (DrazkyVybrany(s)) {
        if (s.SODrazka1 > 0)
            s.SJmenoR1 = typ("Rowki strona zewnętrzna", s.MuzeODrazku, s.SODrazka1);
        if (s.SODrazka2 > 0)
            s.SJmenoR2 = typ("Rowki strona wewnętrzna", s.MuzeODrazku, s.SODrazka2);
    }
    if (PaskyVybrany(s)) {
        if (s.SOPaska1 > 0) {
            s.SJmenoR1 = typ("Paski naklejone s. zewnętrzna", s.MuzeOPasku, s.SOPaska1);
            s.SBarvaR1 = barvaPasky(r1);
        }
        if (s.SOPaska2 > 0) {
            s.SJmenoR2 = typ("Paski naklejone s. wewnętrzna", s.MuzeOPasku, s.SOPaska2);
            s.SBarvaR2 = barvaPasky(r2);
        }
    }
    if (PDrVybrany(s)) {
        if (s.SODr1 > 0)
            s.SJmenoR1 = typ("Páski zafrezowane s. zewnętrzna", s.MuzeOPDr, s.SODr1);
        if (s.SODr2 > 0)
            s.SJmenoR2 = typ("Pásky zafrezowane s. wewnętrzna", s.MuzeOPDr, s.SODr2);
    }
}

} // namespace

void Nazvi(Session &s)
{
    s.SJmenoV.clear();
    s.SJmenoZ.clear();
    s.SJmenoP.clear();
    s.SJmenoR1.clear();
    s.SJmenoR2.clear();
    s.SBarvaR1.clear();
    s.SBarvaR2.clear();
    if (!s.VyplnVybrana || s.TypZakazky != 1)
        return;

    s.SJmenoV = RadekPanelu(s) + Znacky(s);

    s.STrojsklo = (s.Zesilena && s.SZesil > 9 && s.SVyztuz != 4 && s.SVyztuz != 5) || ObeStrany(s) ||
                  (s.SVyztuz == 4 && s.Zesilena && s.SZesil > 12);
    s.SCtyrsklo = ObeStrany(s) && s.STloustka > 59;

    TloustkaVyplne(s);
    if (ObeStrany(s))
        s.SJmenoZ = "Grubość ramy skrzydła " + Cislo(s.STloustka) + " mm";
    else if (s.Zesilena)
        s.SJmenoZ = "(wykonanie pogrubione na " + Cislo(s.CTloustka) + " mm)";
    else
        s.SJmenoZ = "(grubość standardowa " + Cislo(s.CTloustka) + " mm)";

    if (s.SHlinik2 || s.SDyha2)
        s.SJmenoP = "Przekryw jednostronny";
    else if (s.SPrekryvna)
        s.SJmenoP = s.SPrekryv == 1 ? "Przekryw jednostronny" : "Przekryw obustronny";

    RadkyStran(s);
}

void TloustkaVyplne(Session &s)
{
    s.PomTloustka = s.SGlas ? 29 : 24;
    if (ObeStrany(s)) {
        if (!s.RozmerVybran)
            s.STloustka = 45;
        s.CTloustka = s.STloustka + 4;
    } else {
        s.CTloustka = s.PomTloustka + s.SZesil;
        s.STloustka = s.CTloustka - 2;
    }
}

void TloustkaZaskleni(Session &s)
{
    if (s.SZaskleni <= 0) {
        s.STloustkaS = 0;
        return;
    }
    if (!s.VyplnVybrana)
        return;
    TloustkaVyplne(s);
    if (s.SDyha || s.SDyha2)
        s.STloustkaS = s.SDyha2 ? s.CTloustka - 4 : s.CTloustka;
    else if (ObeStrany(s))
        s.STloustkaS = s.STloustka - 4;
    else
        s.STloustkaS = s.CTloustka - (s.SLisovana ? 4 : s.SGlas ? 10 : 6);
}

bool ScSkel(Session &s)
{
    if (!(s.VyplnVybrana && s.SZaskleni > 0 && s.DekoryVybrany))
        return true;
    TloustkaZaskleni(s);
    // Stained glass takes room only while it is chosen.
    int soucet = 0;
    if (s.SGlas)
        soucet = 8;
    else if (s.VitrazVybrana && s.SVitraz.DVitraz.VitrPis == 1)
        soucet = 6;
    else if (s.VitrazVybrana && s.SVitraz.DVitraz.VitrPis == 3)
        soucet = 4;
    const auto pridej = [&](const TDekor &d) {
        if (!d.DDekor.Kod.empty())
            soucet += d.DDekor.Tloustka;
    };
    pridej(s.SDekor1);
    pridej(s.SDekor2);
    if (s.STrojsklo || ObeStrany(s))
        pridej(s.SDekorP);
    if (s.SCtyrsklo)
        pridej(s.SDekor4);
    const int zbyva = s.STloustkaS - soucet;
    if (s.STrojsklo || ObeStrany(s) || s.SCtyrsklo)
        return zbyva >= 16;
    return zbyva >= 8;
}

bool KontrolaSkel(Session &s, Messages &Zpravy)
{
    if (s.SZaskleni > 0 && s.DekoryVybrany) {
        s.DekoryVybrany = ScSkel(s);
        if (!s.DekoryVybrany)
            Zpravy.Chyba("Quilmar", "Niemożliwe - zmień szklankę lub grubość nadzienia!");
    }
    return s.DekoryVybrany;
}

} // namespace qmr
