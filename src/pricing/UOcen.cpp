#include "pricing/UOcen.h"

#include "core/Funkce.h"
#include "core/IniFile.h"
#include "core/TSifraSoubor.h"
#include "pricing/UCenyDef.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace qmr {

namespace {

Currency Units(std::int64_t v) { return Currency::FromUnits(v); }

// An amount times a count: exact in ten-thousandths (the floating-point product only
// where the exact one would not fit).
Currency Krat(Currency c, std::int64_t n)
{
    std::int64_t r = 0;
    if (__builtin_mul_overflow(c.Raw(), n, &r))
        return c * static_cast<long double>(n);
    return Currency::FromRaw(r);
}

// Rounded to whole units, halves to even.
Currency NaJednotky(Currency c)
{
    const std::int64_t raw = c.Raw();
    std::int64_t q = raw / Currency::Scale;
    const std::int64_t r = raw % Currency::Scale;
    const std::int64_t twice = 2 * (r < 0 ? -r : r);
    if (twice > Currency::Scale || (twice == Currency::Scale && q % 2 != 0))
        q += raw < 0 ? -1 : 1;
    return Currency::FromUnits(q);
}

// A key from its parts (appended in place; GCC 12 warns falsely on chained + here).
std::string Klic(std::string_view a, std::string_view b = {}, std::string_view c = {},
                 std::string_view d = {})
{
    std::string k;
    k.reserve(a.size() + b.size() + c.size() + d.size());
    k.append(a).append(b).append(c).append(d);
    return k;
}

// Variant suffix of a price key: nothing for variant 1 (or none), the number from 2 on.
std::string Var(int n) { return n >= 2 ? std::to_string(n) : std::string(); }

// "F{f}S{z}".
std::string FS(int f, int z) { return Klic("F", std::to_string(f), "S", std::to_string(z)); }

// Reads from a cached file without a freshness check per key: the file is checked once
// here, and the per-read check is restored for the file's other users afterwards.
class JednaKontrola {
public:
    explicit JednaKontrola(IniFile &f) : f_(f)
    {
        f_.SetCheckOnRead(false);
        f_.Refresh();
    }
    ~JednaKontrola() { f_.SetCheckOnRead(true); }
    JednaKontrola(const JednaKontrola &) = delete;
    JednaKontrola &operator=(const JednaKontrola &) = delete;

private:
    IniFile &f_;
};

// Working amounts of one run.
struct Prace {
    Currency nRamecek1, nRamecek2; // frame, strip or groove of side 1 and 2
    Currency nObaRamecky;
    Currency nZesil;   // reinforcement by thickness
    Currency nPrekryv; // overlay
    Currency nPom, nPom2; // colour set-up maxima
    Currency nMarze, nRam;
    long double nKurz = 0, nKurzN = 0;
};

struct Slot {
    TDDoplnek &d;
    Currency &nDoplnek;
    Currency &nMontaz;
    Currency &nDR;
    int &nPoc;
};

std::array<Slot, 4> Sloty(Session &s)
{
    return {{
        {s.SDoplnek1.DDoplnek, s.nDoplnek1, s.nMontaz1, s.nDR1, s.nPoc1},
        {s.SDoplnek2.DDoplnek, s.nDoplnek2, s.nMontaz2, s.nDR2, s.nPoc2},
        {s.SDoplnek3.DDoplnek, s.nDoplnek3, s.nMontaz3, s.nDR3, s.nPoc3},
        {s.SDoplnek4.DDoplnek, s.nDoplnek4, s.nMontaz4, s.nDR4, s.nPoc4},
    }};
}

void IndexZesileni(Session &s)
{
    if (!s.Zesilena) {
        s.SZesil = 0;
        s.IndZesil = 11;
        return;
    }
    const int t = s.SGlas ? s.SZesil + 4 : s.SZesil;
    if (t >= 36) s.IndZesil = 0;
    else if (t >= 31) s.IndZesil = 1;
    else if (t >= 26) s.IndZesil = 2;
    else if (t >= 21) s.IndZesil = 3;
    else if (t >= 16) s.IndZesil = 4;
    else if (t >= 13) s.IndZesil = 5;
    else if (t >= 11) s.IndZesil = 6;
    else if (t >= 9) s.IndZesil = 7;
    else if (t >= 6) s.IndZesil = 8;
    else if (t == 5) s.IndZesil = 9;
    else s.IndZesil = 10;
}

void VynulujVystupy(Session &s)
{
    const Currency z;
    s.nVypln = s.nRozmer = s.nVyztuz = z;
    s.nBarva1 = s.nBarva2 = s.nBarva12 = z;
    s.nVitraz = z;
    s.nDekor1 = s.nDekor2 = s.nDekorP = s.nDekor4 = z;
    s.nMrizka = z;
    for (Slot sl : Sloty(s)) {
        sl.nDoplnek = sl.nMontaz = sl.nDR = z;
        sl.nPoc = 0;
        // Net total of the slot: only a priced net accessory holds one, so a value left
        // from an earlier run is neither shown nor converted again.
        sl.d.SPom = z;
    }
    s.nPredSlevou = s.nSleva = s.nKonecna = z;
    s.SNetto = s.nNakupKC = z;
    s.nTZ1 = s.nTZ2 = z;
    s.nMezisouc = z;
    // The discount and sale amounts belong to this configuration only: without a
    // purchase sum they are 0, not the previous configuration's figures.
    s.nProdejni = s.nSleva1 = s.nSleva2 = s.nPoSleve1 = s.nPoSleve2 = z;
    s.nabDopravaIn = z;
}

// Price of the glass class of a pane; a class outside 1..4 costs nothing.
const char *PrefixSkla(int TypSkla)
{
    switch (TypSkla) {
    case 1: return "BM";
    case 2: return "PS";
    case 3: return "SSM";
    case 4: return "VS";
    default: return nullptr;
    }
}

void CenyBarev(Session &s, Prace &w)
{
    const TDbarva &b1 = s.SBarva1.DBarva;
    const TDbarva &b12 = s.SBarva12.DBarva;
    const TDbarva &b2 = s.SBarva2.DBarva;
    static const std::string kVlastniRal = "vlral";

    // The second outer colour takes part only in a two-colour panel (a colour left from
    // an earlier two-colour choice is not charged).
    std::array<const TDbarva *, 3> barvy{&b1, s.SDvojbarva ? &b12 : nullptr, &b2};

    // Own RAL colour: its set-up is charged once.
    for (const TDbarva *b : barvy)
        if (b && b->Kod == kVlastniRal) {
            s.SNetto += Units(b->NetPS1);
            break;
        }

    // Set-up of the other colours: the dearest in full, each further one at the lowest
    // non-zero further-colour price.
    int k = 0;
    for (const TDbarva *b : barvy) {
        if (!b || b->Kod == kVlastniRal || b->NetPS1 <= 0)
            continue;
        const Currency ps1 = Units(b->NetPS1);
        const Currency ps2 = Units(b->NetPS2);
        if (k == 0) {
            w.nPom = ps1;
            w.nPom2 = ps2;
        } else {
            w.nPom = std::max(w.nPom, ps1);
            w.nPom2 = w.nPom2.IsZero() ? ps2 : std::min(w.nPom2, ps2);
        }
        ++k;
    }
    if (k > 0)
        s.SNetto += w.nPom + Krat(w.nPom2, k - 1);

    if (s.SPulpanel) {
        s.nBarva1 = Units(b1.BF3S1);
        s.nBarva2 = (s.nBarva1.IsZero() || (b2.DDekor && !b1.DDekor)) ? Units(b2.BF3S1) : Units(b2.BF3S2);
    } else if (s.SFormat == 1 && s.SDvojbarva) {
        const bool sPrekryvem = !(s.SPrekryv < 1);
        s.nBarva1 = Units(sPrekryvem ? b1.PrDvojbarva2 : b1.PrDvojbarva1);
        s.nBarva12 = Units(sPrekryvem ? b12.PrDvojbarva2 : b12.PrDvojbarva1);
        const bool tataBarva = b1.Kod == b12.Kod && b1.Kod.rfind("nest", 0) != 0 &&
                               b1.DDekor == b12.DDekor && b1.Elox == b12.Elox && b1.Cislo == b12.Cislo;
        if (s.nBarva1 > Currency() && s.nBarva12 > Currency() && tataBarva)
            s.nBarva12 = Currency();
        s.nBarva2 = Units(b2.BF1S1);
    } else if (s.SFormat == 1) {
        s.nBarva1 = s.SHPL1 ? Currency() : Units(b1.BF1S1);
        s.nBarva2 = s.SHPL2 ? Units(b2.PHPL1) : Units(b2.BF1S1);
    } else {
        s.nBarva1 = Units(b1.BF2S1);
        s.nBarva2 = (s.nBarva1.IsZero() || (b2.DDekor && !b1.DDekor)) ? Units(b2.BF2S1) : Units(b2.BF2S2);
    }

    if (s.SPrekryvna && !s.SDvojbarva) {
        s.nBarva1 = Units(b1.PrDekor);
        if (s.SPrekryv > 1)
            s.nBarva2 = Units(b2.PrDekor);
    }

    if (s.SHPL2) {
        s.nVypln += s.nBarva2;
        s.nBarva2 = Currency();
    }
}

// Stage of the infill catalogue: base price, surcharges, frames, strips, grooves,
// reinforcement, overlay, glass, colours, stained glass and muntin.
void CenyVyplne(Session &s, Prace &w)
{
    TSifraSoubor &vyp = s.Soubory.Get(s.apData + "vyplne.qmr");
    JednaKontrola kontrola(vyp);
    const std::string &sekce = s.SVypln.DVypln.Nazev;
    const auto cena = [&](const std::string &klic) { return Units(vyp.ReadSifra(sekce, klic)); };
    const int f = s.SFormat;
    const int z = s.SZaskleni;
    const std::string fs = FS(f, z);

    // Base price.
    if (s.SVypln.DVypln.Kod == "K0" && f == 2)
        s.nVypln = cena("KCF2ABS");
    else if (s.SHPL1 || s.SHPL2)
        s.nVypln = cena(Klic("ZCF2S", std::to_string(z)));
    else
        s.nVypln = cena(Klic("ZC", fs));

    s.ZesGratis = vyp.ReadBool(sekce, "ZesGratis", false);
    s.SklGratis = vyp.ReadBool(sekce, "SklGratis", false);

    // Aluminium or veneer inner side.
    if (s.SDyha2 || (s.SHlinik2 && !s.SPrekryvna))
        s.nVypln += cena("HLF1S1");

    // Frames, strips and grooves of one side; a stainless finish costs extra.
    const auto strana = [&](bool kamen, int ramecek, int paska, int odr, int drazka,
                            const TRbarva &barva, Currency &n) {
        if (kamen || ramecek > 0) {
            n = cena(Klic("RMA", Var(ramecek), "F1S1"));
            if (barva.AK)
                n += NaJednotky(n * 25.0L / 100.0L);
        }
        if (paska > 0) {
            n = cena(Klic("OP", Var(paska), "F1S1"));
            if (barva.AK)
                n += NaJednotky(n * 30.0L / 100.0L);
            if (odr > 0)
                n += cena(Klic("OD", Var(paska), "F1S1"));
        }
        if (drazka > 0)
            n = cena(Klic("OD", Var(drazka), "F1S1"));
    };
    strana(s.SKamen1, s.SRamecek1, s.SOPaska1, s.SODr1, s.SODrazka1, s.RBarva1.RBarva, w.nRamecek1);
    strana(s.SKamen2, s.SRamecek2, s.SOPaska2, s.SODr2, s.SODrazka2, s.RBarva2.RBarva, w.nRamecek2);

    // Reinforcement by thickness.
    if (s.Zesilena && !s.ZesGratis) {
        const std::string f1 = Klic("F", std::to_string(f));
        if (s.SZesil <= 8)
            w.nZesil = cena(Klic("ZS5", fs));
        else if (s.SZesil <= 12)
            w.nZesil = cena(Klic("ZS", fs));
        else
            w.nZesil = cena(Klic("ZSV", fs));
        if (s.SZesil > 20)
            w.nZesil += cena(Klic("ZS", f1, "E1"));
        if (s.SZesil > 30)
            w.nZesil += Krat(cena(Klic("ZS", f1, "E2")), (s.SZesil - 25) / 10);
    }

    // Overlay; a thick sash of a panel overlaid on both sides is priced as reinforcement.
    if (s.SPrekryvna) {
        w.nPrekryv = s.SPrekryv == 1 ? cena("FMF1S1") : cena("FFF1S1");
        if (s.SPrekryv == 2 && s.STloustka > 69)
            w.nZesil = s.STloustka > 74 ? cena("ZSVF1S0") : cena("ZSF1S0");
    }

    // Reinforcement variants and the oversize surcharge need the dimensions; without
    // them no variant is possible.
    s.MuzeTPR = s.MuzeRC3 = s.MuzeRC2 = false;
    if (s.RozmerVybran || s.FixRozmer) {
        const bool hlinik = s.SHlinik || s.SHlinik2;
        const bool hpl = s.SHPL1 || s.SHPL2;
        const bool dyha = s.SDyha || s.SDyha2;
        const bool jenHpl = s.SBarva2.DBarva.JenomHPL;
        s.MuzeTPR = !hlinik && !hpl && !jenHpl && !dyha && !s.SGlas;
        s.MuzeRC3 = hlinik && z == 0;
        s.MuzeRC2 = !hpl && !jenHpl && !dyha && !s.SGlas;
        if (s.SVyztuz > 2) {
            // BF (35 dB), TPF, TVF, CCF (RC3, RC2) + {f}S{z}.
            const char *p = s.SVyztuz == 5 ? "B" : s.SVyztuz == 6 ? "TP" : s.SVyztuz == 7 ? "TV" : "CC";
            s.nVyztuz = cena(Klic(p, fs));
        }
        if (!s.SPosunOs)
            s.SHPosun = s.SVPosun = 0;
        if (hpl && (2 * std::abs(s.SHPosun) + s.SSirka > 900 || 2 * std::abs(s.SVPosun) + s.SVyska > 2100)) {
            if (s.SHPL1)
                s.nRozmer += Units(s.SBarva1.DBarva.VHPL1);
            if (s.SHPL2)
                s.nRozmer += Units(s.SBarva2.DBarva.VHPL1);
        }
    }

    // Glass panes.
    if (s.DekoryVybrany) {
        const std::array<std::pair<const TDdekor *, Currency *>, 4> tabule{{
            {&s.SDekor1.DDekor, &s.nDekor1},
            {&s.SDekor2.DDekor, &s.nDekor2},
            {&s.SDekorP.DDekor, &s.nDekorP},
            {&s.SDekor4.DDekor, &s.nDekor4},
        }};
        for (const auto &[dekor, n] : tabule) {
            const char *p = PrefixSkla(dekor->TypSkla);
            if (!s.SklGratis && p)
                *n = cena(Klic(p, fs));
        }
    }

    if (s.BarvyVybrany)
        CenyBarev(s, w);

    if (s.VitrazVybrana && z >= 1 && z <= 6)
        s.nVitraz = Units(s.SVitraz.DVitraz.CF(f == 1 ? 1 : 2, z));

    if (s.MrizkaVybrana)
        s.nMrizka = Units(s.SMrizka.DMrizka.SCena);
}

void CenyDoplnku(Session &s)
{
    if (!s.DoplnkyVybrany && s.SOMrizka <= 0)
        return;
    for (Slot sl : Sloty(s)) {
        const TDDoplnek &d = sl.d;
        if (d.Polozka < 0)
            continue;
        sl.nDoplnek = Units(d.SCena);
        if (d.Namontovat || d.SCena == 0)
            sl.nMontaz = Units(d.SMontaz);
        if (d.MaDistanci && s.SZesil < 20 && s.SPrekryv < 2 && d.SBarvaDR >= 0)
            sl.nDR = Units(d.SCenaDR);
        sl.nPoc = d.PocetKs;
        if (d.CenaNetto) {
            // Net-priced: added after the discount.
            sl.d.SPom = Krat(sl.nDoplnek + sl.nMontaz + sl.nDR, d.PocetKs);
            s.SNetto += sl.d.SPom;
            sl.nDoplnek = sl.nMontaz = sl.nDR = Currency();
        }
    }
}

void NakupniCena(Session &s, const Prace &w)
{
    s.nNakupKC = s.nVypln + s.nRozmer + s.nVyztuz + s.nBarva1 + s.nBarva12 + s.nBarva2 + w.nRamecek1 +
                 w.nRamecek2 + w.nZesil + w.nPrekryv + s.nVitraz + s.nDekor1 + s.nDekor2 + s.nDekorP +
                 s.nDekor4 + s.nMrizka;
    if (s.TypZakazky == 1 || s.TypZakazky == 2)
        for (Slot sl : Sloty(s))
            s.nNakupKC += Krat(sl.nDoplnek + sl.nMontaz + sl.nDR, sl.nPoc);
}

void Prepocet(Session &s, Prace &w)
{
    // 0 stays 0; the others are converted and rounded up to 0.50.
    const auto preved = [&](Currency &x) {
        if (!x.IsZero())
            x = Nahoru050Curr(x * w.nKurz);
    };
    for (Currency *x : {&s.nVypln, &s.nRozmer, &s.nVyztuz, &s.nBarva1, &s.nBarva2, &s.nBarva12,
                        &w.nRamecek1, &w.nRamecek2, &w.nZesil, &s.nVitraz, &s.nDekor1, &s.nDekor2,
                        &s.nDekorP, &s.nDekor4, &s.nMrizka, &w.nPrekryv})
        preved(*x);
    for (Slot sl : Sloty(s)) {
        preved(sl.nDoplnek);
        preved(sl.nMontaz);
        preved(sl.nDR);
    }
    const auto netto = [&](Currency &x) {
        if (!x.IsZero())
            x = Nahoru050Curr(x * w.nKurzN);
    };
    netto(s.SNetto);
    for (Slot sl : Sloty(s))
        netto(sl.d.SPom);
    w.nObaRamecky = w.nRamecek1 + w.nRamecek2;
    if (s.Cizina)
        NakupniCena(s, w);
}

void Soucty(Session &s, Prace &w)
{
    const TCenyData &c = s.SCeny.CenyData;

    s.nMezisouc = s.nNakupKC;
    s.nSleva1 = s.SAkcni ? Currency()
                         : ZaokrDM(s.nNakupKC * static_cast<long double>(s.nProcSlevy1) / 100.0L, 1);
    s.nPoSleve1 = s.nNakupKC - s.nSleva1 + s.SNetto;

    const Currency predSlevou = s.nNakupKC + s.SNetto;
    if (c.MarzeTyp != 0 && c.MarzeZpusob != 0)
        w.nMarze = s.nPoSleve1 * static_cast<long double>(c.MarzeProd) / 100.0L;
    else if (c.MarzeTyp != 0)
        w.nMarze = predSlevou * static_cast<long double>(c.MarzeProd) / 100.0L;
    else
        w.nMarze = Units(c.MarzeProd);

    const Currency zaklad = c.MarzeZpusob != 0 ? s.nPoSleve1 : predSlevou;
    w.nRam = Units(c.Ram);
    s.nProdejni = zaklad + w.nMarze;
    if (s.TypZakazky == 1)
        s.nProdejni += w.nRam;

    s.nProcSlevy2 = c.SlevaZak;
    s.nSleva2 = s.nProdejni * static_cast<long double>(s.nProcSlevy2) / 100.0L;
    s.nPoSleve2 = s.nProdejni - s.nSleva2;

    if (c.Zobrazit == 1) {
        s.nPredSlevou = s.nNakupKC;
        s.nProcSlevy = s.nProcSlevy1;
        s.nSleva = s.nSleva1;
        s.nKonecna = s.nPoSleve1;
        if (c.Dopravy == 1)
            s.nKonecna += s.nDopravaIn;
        s.nDPH = c.DPHin;
    } else {
        s.nMezisouc = s.nProdejni;
        s.nPredSlevou = s.nProdejni;
        s.nProcSlevy = s.nProcSlevy2;
        s.nSleva = s.nSleva2;
        s.nKonecna = s.nPoSleve2;
        if (c.Dopravy == 1)
            s.nKonecna += s.nDopravaIn + s.nDopravaOut;
        s.nDPH = c.DPHout;
    }
    s.nabDopravaIn = c.Dopravy == 1 ? s.nDopravaIn : Currency();

    if (c.Pocitat == 1) {
        const long double dph = s.nDPH;
        for (Currency *x : {&s.nVypln, &s.nRozmer, &s.nVyztuz, &s.nBarva1, &s.nBarva12, &s.nBarva2,
                            &s.nVitraz, &s.nDekor1, &s.nDekor2, &s.nDekorP, &s.nDekor4, &s.nMrizka,
                            &s.nDoplnek1, &s.nDoplnek2, &s.nDoplnek3, &s.nDoplnek4, &s.nPredSlevou,
                            &s.nSleva, &s.nDopravaIn, &s.nabDopravaIn, &s.nDopravaOut, &s.nKonecna,
                            &s.nPoSleve2, &s.SNetto})
            if (!x->IsZero())
                *x = *x + *x * dph / 100.0L;
    }
}

} // namespace

void Ocen(Session &s)
{
    IndexZesileni(s);

    // Preparation: settings, zeroed outputs, currencies and transport.
    {
        TSifraSoubor &conf = s.Soubory.Get(s.apConf);
        JednaKontrola kontrola(conf);
        NactiCeny(s, conf, s.SCeny);
    }
    const TCenyData &c = s.SCeny.CenyData;
    VynulujVystupy(s);
    Prace w;
    w.nKurz = c.KurzP;
    w.nKurzN = c.KurzN;
    s.cMenaObj = c.PrepObj && c.KurzP != 1 ? c.MenaP : "CZK";
    s.cMenaNab = c.PrepNab && c.KurzP != 1 ? c.MenaP : "CZK";
    s.lPrepObj = c.PrepObj;
    s.lPrepNab = c.PrepNab;
    s.nDopravaIn = Units(std::max(c.DopravaIn, 0));
    s.nDopravaOut = Units(std::max(c.DopravaOut, 0));
    s.nProcSlevy1 = c.SlevaQM;

    if (!((s.VyplnVybrana && s.SZaskleni >= 0) || (s.DoplnkyVybrany && s.TypZakazky == 2)))
        return;

    if ((s.SFormat == 1 || s.SFormat == 2) && s.SZaskleni >= 0)
        CenyVyplne(s, w);

    CenyDoplnku(s);

    // Purchase sum. A stone frame on side 1 and the frame of Z-, N- and frame-type
    // panels belong to the infill price.
    if (s.SKamen1 || s.SZetkova || s.SEnkova || s.SRameckova) {
        s.nVypln += w.nRamecek1;
        w.nRamecek1 = Currency();
    }
    if (s.SHPL1 || s.SHPL2) {
        if (s.BarvyVybrany)
            s.nVypln += s.nBarva1 + s.nBarva2;
        else
            s.nVypln = Currency();
        s.nBarva1 = s.nBarva2 = Currency();
    }
    NakupniCena(s, w);
    w.nObaRamecky = w.nRamecek1 + w.nRamecek2;

    // Conversion into the sale currency, rounded up to 0.50.
    if (s.lPrepObj && w.nKurz != 1)
        Prepocet(s, w);

    // The infill line includes frames, reinforcement by thickness and overlay; each
    // accessory line is its slot total.
    s.nVypln = s.nVypln + w.nObaRamecky + w.nZesil + w.nPrekryv;
    for (Slot sl : Sloty(s))
        sl.nDoplnek = Krat(sl.nDoplnek + sl.nMontaz + sl.nDR, sl.nPoc);

    if (s.nNakupKC > Currency() && (s.VyplnVybrana || s.DoplnkyVybrany))
        Soucty(s, w);
}

} // namespace qmr
