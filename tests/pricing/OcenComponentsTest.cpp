// Component prices of the pricing engine, each seen after the conversion into EUR:
// a catalogue price p becomes p x 0.0542 rounded up to the next 0.50.
#include "PricingFixture.h"

#include "pricing/UOcen.h"

#include <functional>
#include <string>
#include <vector>

using namespace qmr;
using namespace pricingtest;

namespace {

// The infill section most cases use, with the converted value of every price:
//   ZCF1S2 1000 -> 54.20 -> 54.50      ZCF2S2 2000 -> 108.40 -> 108.50
//   ZCF1S0  900 -> 48.78 -> 49.00      KCF2ABS 3000 -> 162.60 -> 163.00
//   HLF1S1  300 (alone 16.26 -> 16.50)
//   RMAF1S1 1000 -> 54.50              RMA2F1S1 1400 -> 75.88 -> 76.00
//   RMF1S1, RM2F1S1 9000 (not used by the pricing)
//   OPF1S1 600 -> 32.52 -> 33.00       OP2F1S1 800 -> 43.36 -> 43.50
//   ODF1S1 500 -> 27.10 -> 27.50       OD2F1S1 700 -> 37.94 -> 38.00
//   FMF1S1 1100 -> 59.62 -> 60.00      FFF1S1 1600 -> 86.72 -> 87.00
//   ZS5F1S2 100 -> 5.42 -> 5.50        ZSF1S2 200 -> 10.84 -> 11.00
//   ZSVF1S2 400 -> 21.68 -> 22.00      ZSF1E1 50, ZSF1E2 20
//   ZSF1S0 1700 -> 92.14 -> 92.50      ZSVF1S0 2500 -> 135.50
//   BF1S2 1200 -> 65.04 -> 65.50       TPF1S2 1300 -> 70.46 -> 70.50
//   TVF1S2 1800 -> 97.56 -> 98.00      CCF1S2 1500 -> 81.30 -> 81.50
//   BMF1S2 100 -> 5.50, PSF1S2 200 -> 11.00, SSMF1S2 300 -> 16.26 -> 16.50, VSF1S2 400 -> 22.00
//   ZSVF2S2 600, ZSF2E1 100, ZSF2E2 200; BMF2S2 500 -> 27.10 -> 27.50
const Ceny kVzor = {
    {"ZCF1S2", 1000}, {"ZCF1S0", 900}, {"ZCF2S2", 2000}, {"KCF2ABS", 3000}, {"HLF1S1", 300},
    {"RMF1S1", 9000}, {"RM2F1S1", 9000}, {"RMAF1S1", 1000}, {"RMA2F1S1", 1400},
    {"OPF1S1", 600}, {"OP2F1S1", 800}, {"ODF1S1", 500}, {"OD2F1S1", 700},
    {"FMF1S1", 1100}, {"FFF1S1", 1600},
    {"ZS5F1S2", 100}, {"ZSF1S2", 200}, {"ZSVF1S2", 400}, {"ZSF1E1", 50}, {"ZSF1E2", 20},
    {"ZSF1S0", 1700}, {"ZSVF1S0", 2500},
    {"BF1S2", 1200}, {"TPF1S2", 1300}, {"TVF1S2", 1800}, {"CCF1S2", 1500},
    {"BMF1S2", 100}, {"PSF1S2", 200}, {"SSMF1S2", 300}, {"VSF1S2", 400},
    {"ZSVF2S2", 600}, {"ZSF2E1", 100}, {"ZSF2E2", 200}, {"BMF2S2", 500},
};

struct Castka {
    Currency Session::*pole;
    const char *nazev;
    long double hodnota;
};
#define C(pole, v) Castka{&Session::pole, #pole, v}

struct Pripad {
    const char *nazev;
    std::function<void(Session &)> nastav;
    std::vector<Castka> ocekavane;
};

TDdekor Tabule(int TypSkla)
{
    TDdekor d;
    d.Polozka = 0;
    d.Kod = "g" + std::to_string(TypSkla);
    d.TypSkla = TypSkla;
    d.Tloustka = 4;
    return d;
}

TDDoplnek Doplnek(int Cena, int Montaz, int Kusy)
{
    TDDoplnek d;
    d.Polozka = 0;
    d.Kod = "d";
    d.SCena = Cena;
    d.SMontaz = Montaz;
    d.PocetKs = Kusy;
    return d;
}

class OcenComponents : public PricingTest {
protected:
    void SetUp() override
    {
        Katalog("Vzor", kVzor);
        // Prices whose stainless surcharge ends in a half unit.
        Katalog("Nerez", {{"RMAF1S1", 74}, {"OPF1S1", 135}});
        Katalog("Gratis", {{"ZCF1S2", 1000}, {"ZSVF1S2", 400}, {"BMF1S2", 100}},
                {{"ZesGratis", true}, {"SklGratis", true}});
    }

    void Proved(const std::vector<Pripad> &pripady)
    {
        for (const Pripad &p : pripady) {
            SCOPED_TRACE(p.nazev);
            s = Session{};
            s.apCesta = dir.path().string() + "/";
            s.apData = s.apCesta + "DATA/";
            s.apConf = s.apData + "Quilmar.cfg";
            Panel();
            p.nastav(s);
            Ocen(s);
            for (const Castka &c : p.ocekavane)
                EXPECT_EQ(s.*c.pole, E(c.hodnota)) << c.nazev;
        }
    }
};

TEST_F(OcenComponents, BasePriceAndInnerSideSurcharge)
{
    Proved({
        {"format 1 takes ZCF1S{z}", [](Session &) {}, {C(nVypln, 54.50), C(nNakupKC, 54.50)}},
        {"format 2 takes ZCF2S{z}", [](Session &s) { s.SFormat = 2; }, {C(nVypln, 108.50)}},
        {"glazing variant 0 takes ZCF1S0", [](Session &s) { s.SZaskleni = 0; }, {C(nVypln, 49.00)}},
        {"K0 in format 2 takes KCF2ABS",
         [](Session &s) { s.SVypln.DVypln.Kod = "K0"; s.SFormat = 2; }, {C(nVypln, 163.00)}},
        {"K0 in format 1 keeps ZCF1S{z}", [](Session &s) { s.SVypln.DVypln.Kod = "K0"; }, {C(nVypln, 54.50)}},
        // HPL: ZCF2S2 whatever the format; with colours of price 0 it stays 2000 -> 108.50.
        {"an HPL side takes ZCF2S{z} in format 1",
         [](Session &s) { s.SHPL2 = true; s.BarvyVybrany = true; }, {C(nVypln, 108.50)}},
        {"an HPL panel without colours prices nothing", [](Session &s) { s.SHPL1 = true; },
         {C(nVypln, 0), C(nNakupKC, 0), C(nKonecna, 0)}},
        // 1000 + 300 = 1300 -> 70.46 -> 70.50 (converted together with the base price).
        {"aluminium inner side adds HLF1S1", [](Session &s) { s.SHlinik2 = true; }, {C(nVypln, 70.50)}},
        {"veneer inner side adds HLF1S1", [](Session &s) { s.SDyha2 = true; }, {C(nVypln, 70.50)}},
        // Overlay panel: no HLF1S1 for aluminium; 54.50 + FMF1S1 60.00 = 114.50.
        {"aluminium inner side of an overlay panel adds no surcharge",
         [](Session &s) { s.SHlinik2 = true; s.SPrekryvna = true; s.SPrekryv = 1; }, {C(nVypln, 114.50)}},
        // Veneer keeps it: 70.50 + 60.00 = 130.50.
        {"veneer inner side of an overlay panel keeps the surcharge",
         [](Session &s) { s.SDyha2 = true; s.SPrekryvna = true; s.SPrekryv = 1; }, {C(nVypln, 130.50)}},
        {"a section missing from the catalogue prices 0",
         [](Session &s) { s.SVypln.DVypln.Nazev = "Neni"; }, {C(nVypln, 0), C(nNakupKC, 0)}},
    });
}

TEST_F(OcenComponents, FramesStripsAndGrooves)
{
    Proved({
        // 54.50 + RMAF1S1 54.50 (RMF1S1 9000 is not used).
        {"frame variant 1 takes RMAF1S1", [](Session &s) { s.SRamecek1 = 1; },
         {C(nVypln, 109.00), C(nNakupKC, 109.00)}},
        // 54.50 + 76.00.
        {"frame variant 2 takes RMA2F1S1", [](Session &s) { s.SRamecek1 = 2; }, {C(nVypln, 130.50)}},
        // 1000 + 25 % = 1250 -> 67.75 -> 68.00; 54.50 + 68.00.
        {"stainless frame costs 125 %",
         [](Session &s) { s.SRamecek1 = 1; s.RBarva1.RBarva.AK = true; }, {C(nVypln, 122.50)}},
        // Side 2: 1400 + 350 = 1750 -> 94.85 -> 95.00; side 1 without AK 54.50.
        {"frames on both sides, stainless on side 2",
         [](Session &s) { s.SRamecek1 = 1; s.SRamecek2 = 2; s.RBarva2.RBarva.AK = true; },
         {C(nVypln, 204.00), C(nNakupKC, 204.00)}},
        // Stone frame on side 1 is part of the infill: 1000 + 1000 = 2000 -> 108.50.
        {"stone frame on side 1 is priced with the infill", [](Session &s) { s.SKamen1 = true; },
         {C(nVypln, 108.50)}},
        // Stone frame on side 2 stays a frame: 54.50 + 54.50.
        {"stone frame on side 2 takes RMAF1S1", [](Session &s) { s.SKamen2 = true; }, {C(nVypln, 109.00)}},
        // Z-, N- and frame-type panels: frame 1 converted with the infill, 2000 -> 108.50.
        {"Z-type panel prices its frame with the infill",
         [](Session &s) { s.SZetkova = true; s.SRamecek1 = 1; }, {C(nVypln, 108.50), C(nNakupKC, 108.50)}},
        {"N-type panel prices its frame with the infill",
         [](Session &s) { s.SEnkova = true; s.SRamecek1 = 1; }, {C(nVypln, 108.50)}},
        {"frame-type panel prices its frame with the infill",
         [](Session &s) { s.SRameckova = true; s.SRamecek1 = 1; }, {C(nVypln, 108.50)}},
        {"frame-type panel keeps side 2 apart",
         [](Session &s) { s.SRameckova = true; s.SRamecek2 = 1; }, {C(nVypln, 109.00)}},
        // 54.50 + 33.00.
        {"strip variant 1 takes OPF1S1", [](Session &s) { s.SOPaska1 = 1; }, {C(nVypln, 87.50)}},
        {"strip replaces the frame price", [](Session &s) { s.SRamecek1 = 1; s.SOPaska1 = 1; },
         {C(nVypln, 87.50)}},
        // 600 + 30 % = 780 -> 42.276 -> 42.50; 54.50 + 42.50.
        {"stainless strip costs 130 %",
         [](Session &s) { s.SOPaska1 = 1; s.RBarva1.RBarva.AK = true; }, {C(nVypln, 97.00)}},
        // OP2 800 + OD2 700 = 1500 -> 81.50 (OD of the strip's variant, not ODF1S1).
        {"strip with a groove adds the groove of the strip's variant",
         [](Session &s) { s.SOPaska1 = 2; s.SODr1 = 1; }, {C(nVypln, 136.00)}},
        // 800 + 240 + 700 = 1740 -> 94.308 -> 94.50; 54.50 + 94.50.
        {"stainless strip with a groove: the groove has no surcharge",
         [](Session &s) { s.SOPaska2 = 2; s.SODr2 = 1; s.RBarva2.RBarva.AK = true; }, {C(nVypln, 149.00)}},
        // 54.50 + 38.00.
        {"groove variant 2 takes OD2F1S1", [](Session &s) { s.SODrazka1 = 2; }, {C(nVypln, 92.50)}},
        // ODF1S1 500 -> 27.50 replaces frame and strip; 54.50 + 27.50.
        {"groove replaces frame and strip",
         [](Session &s) { s.SRamecek1 = 1; s.SOPaska1 = 1; s.SODr1 = 1; s.SODrazka1 = 1; }, {C(nVypln, 82.00)}},
        {"groove on side 2", [](Session &s) { s.SODrazka2 = 1; }, {C(nVypln, 82.00)}},
        // Section Nerez, base 0: 74 + 18.5 -> 18 (even) = 92 -> 4.9864 -> 5.00 (93 would give 5.50).
        {"stainless frame surcharge rounds halves to even",
         [](Session &s) { s.SVypln.DVypln.Nazev = "Nerez"; s.SRamecek1 = 1; s.RBarva1.RBarva.AK = true; },
         {C(nVypln, 5.00)}},
        // 135 + 40.5 -> 40 (even) = 175 -> 9.485 -> 9.50 (176 would give 10.00).
        {"stainless strip surcharge rounds halves to even",
         [](Session &s) { s.SVypln.DVypln.Nazev = "Nerez"; s.SOPaska1 = 1; s.RBarva1.RBarva.AK = true; },
         {C(nVypln, 9.50)}},
    });
}

TEST_F(OcenComponents, ReinforcementByThicknessAndOverlay)
{
    const auto zes = [](int mm) { return [mm](Session &s) { s.Zesilena = true; s.SZesil = mm; }; };
    Proved({
        // Base 54.50 plus the reinforcement.
        {"8 mm takes ZS5", zes(8), {C(nVypln, 60.00), C(nNakupKC, 60.00)}},  // + 5.50
        {"9 mm takes ZS", zes(9), {C(nVypln, 65.50)}},                        // + 11.00
        {"12 mm takes ZS", zes(12), {C(nVypln, 65.50)}},
        {"13 mm takes ZSV", zes(13), {C(nVypln, 76.50)}},                     // + 22.00
        {"20 mm has no extra", zes(20), {C(nVypln, 76.50)}},
        // 400 + E1 50 = 450 -> 24.39 -> 24.50.
        {"21 mm adds E1", zes(21), {C(nVypln, 79.00)}},
        {"33 mm adds E1 but no E2", zes(33), {C(nVypln, 79.00)}},
        {"34 mm adds E1 but no E2", zes(34), {C(nVypln, 79.00)}},
        // 400 + 50 + 20 x (35-25) div 10 = 470 -> 25.474 -> 25.50.
        {"35 mm adds E2 once", zes(35), {C(nVypln, 80.00)}},
        {"44 mm adds E2 once", zes(44), {C(nVypln, 80.00)}},
        // 400 + 50 + 20 x 2 = 490 -> 26.558 -> 27.00.
        {"45 mm adds E2 twice", zes(45), {C(nVypln, 81.50)}},
        // Format 2: ZSVF2S2 600 + ZSF2E1 100 + ZSF2E2 200 = 900 -> 49.00; base 108.50.
        {"format 2 takes the F2 keys",
         [](Session &s) { s.SFormat = 2; s.Zesilena = true; s.SZesil = 35; }, {C(nVypln, 157.50)}},
        {"free reinforcement costs nothing",
         [](Session &s) { s.SVypln.DVypln.Nazev = "Gratis"; s.Zesilena = true; s.SZesil = 13; },
         {C(nVypln, 54.50)}},
        {"without Zesilena a thickness is ignored", [](Session &s) { s.SZesil = 13; }, {C(nVypln, 54.50)}},
        // Overlay: 54.50 + FMF1S1 60.00 / FFF1S1 87.00.
        {"overlay on one side charges FMF1S1",
         [](Session &s) { s.SPrekryvna = true; s.SPrekryv = 1; }, {C(nVypln, 114.50), C(nNakupKC, 114.50)}},
        {"overlay on both sides charges FFF1S1",
         [](Session &s) { s.SPrekryvna = true; s.SPrekryv = 2; s.STloustka = 65; }, {C(nVypln, 141.50)}},
        {"overlay kind without SPrekryvna charges nothing", [](Session &s) { s.SPrekryv = 2; },
         {C(nVypln, 54.50)}},
        {"both sides, sash 69 mm: no thickness price",
         [](Session &s) { s.SPrekryvna = true; s.SPrekryv = 2; s.STloustka = 69; }, {C(nVypln, 141.50)}},
        // + ZSF1S0 92.50: 54.50 + 87.00 + 92.50.
        {"both sides, sash 70 mm takes ZSF1S0",
         [](Session &s) { s.SPrekryvna = true; s.SPrekryv = 2; s.STloustka = 70; }, {C(nVypln, 234.00)}},
        {"both sides, sash 74 mm takes ZSF1S0",
         [](Session &s) { s.SPrekryvna = true; s.SPrekryv = 2; s.STloustka = 74; }, {C(nVypln, 234.00)}},
        // + ZSVF1S0 135.50.
        {"both sides, sash 75 mm takes ZSVF1S0",
         [](Session &s) { s.SPrekryvna = true; s.SPrekryv = 2; s.STloustka = 75; }, {C(nVypln, 277.00)}},
        {"the thick sash replaces the reinforcement price",
         [](Session &s) {
             s.SPrekryvna = true; s.SPrekryv = 2; s.STloustka = 70; s.Zesilena = true; s.SZesil = 13;
         },
         {C(nVypln, 234.00)}},
    });
}

TEST_F(OcenComponents, ReinforcementVariantsAndOversizeHpl)
{
    const auto var = [](int v) { return [v](Session &s) { s.RozmerVybran = true; s.SVyztuz = v; }; };
    const auto hpl = [](int sirka, int vyska, bool posun, int h, int v) {
        return [=](Session &s) {
            s.SHPL1 = true;
            s.BarvyVybrany = true;
            s.RozmerVybran = true;
            s.SBarva1.DBarva.VHPL1 = 400;
            s.SBarva2.DBarva.VHPL1 = 250;
            s.SSirka = sirka;
            s.SVyska = vyska;
            s.SPosunOs = posun;
            s.SHPosun = h;
            s.SVPosun = v;
        };
    };
    Proved({
        {"variant 5 (35 dB) takes BF", var(5), {C(nVyztuz, 65.50), C(nNakupKC, 120.00)}},
        {"variant 6 takes TPF", var(6), {C(nVyztuz, 70.50)}},
        {"variant 7 takes TVF", var(7), {C(nVyztuz, 98.00)}},
        {"variant 3 (RC3) takes CCF", var(3), {C(nVyztuz, 81.50)}},
        {"variant 4 (RC2) takes CCF", var(4), {C(nVyztuz, 81.50)}},
        {"variant 2 has no price", var(2), {C(nVyztuz, 0)}},
        {"no variant price before the dimensions", [](Session &s) { s.SVyztuz = 5; }, {C(nVyztuz, 0)}},
        // VHPL1 400 -> 21.68 -> 22.00; the infill itself is ZCF2S2 108.50.
        {"HPL panel wider than 900 adds VHPL1", hpl(950, 2000, false, 0, 0),
         {C(nRozmer, 22.00), C(nVypln, 108.50), C(nNakupKC, 130.50)}},
        {"HPL panel 900 wide adds nothing", hpl(900, 2100, false, 0, 0), {C(nRozmer, 0)}},
        {"HPL panel higher than 2100 adds VHPL1", hpl(900, 2101, false, 0, 0), {C(nRozmer, 22.00)}},
        // 2 x 40 + 880 = 960 > 900.
        {"HPL panel shifted off the axis adds VHPL1", hpl(880, 2000, true, 40, 0), {C(nRozmer, 22.00)}},
        // 2 x |-1| + 2100 = 2102 > 2100.
        {"a negative vertical shift counts by its size", hpl(880, 2100, true, 0, -1), {C(nRozmer, 22.00)}},
        {"a shift without SPosunOs is dropped", hpl(880, 2000, false, 40, 0), {C(nRozmer, 0)}},
        // 400 + 250 = 650 -> 35.23 -> 35.50.
        {"both HPL sides add their VHPL1",
         [&](Session &s) { hpl(950, 2000, false, 0, 0)(s); s.SHPL2 = true; }, {C(nRozmer, 35.50)}},
        {"a wide panel without HPL adds nothing",
         [&](Session &s) { hpl(950, 2000, false, 0, 0)(s); s.SHPL1 = false; }, {C(nRozmer, 0)}},
    });
}

TEST_F(OcenComponents, GlassStainedGlassAndMuntin)
{
    const auto tabule = [](int t1, int t2, int tp, int t4) {
        return [=](Session &s) {
            s.DekoryVybrany = true;
            s.SDekor1.DDekor = Tabule(t1);
            s.SDekor2.DDekor = Tabule(t2);
            s.SDekorP.DDekor = Tabule(tp);
            s.SDekor4.DDekor = Tabule(t4);
        };
    };
    const auto vitraz = [](Session &s) {
        s.VitrazVybrana = true;
        s.SVitraz.DVitraz.Polozka = 0;
        s.SVitraz.DVitraz.CF1S2 = 900;
        s.SVitraz.DVitraz.CF2S2 = 1100;
        s.SVitraz.DVitraz.CF1S1 = 5000;
    };
    Proved({
        {"glass classes 1 to 4 take BM, PS, SSM and VS", tabule(1, 2, 3, 4),
         {C(nDekor1, 5.50), C(nDekor2, 11.00), C(nDekorP, 16.50), C(nDekor4, 22.00),
          C(nNakupKC, 109.50)}}, // 54.50 + 5.50 + 11.00 + 16.50 + 22.00
        {"glass class 0 and classes above 4 cost nothing", tabule(0, 5, 0, 9),
         {C(nDekor1, 0), C(nDekor2, 0), C(nDekorP, 0), C(nDekor4, 0)}},
        {"format 2 glass takes the F2 key", [&](Session &s) { tabule(1, 0, 0, 0)(s); s.SFormat = 2; },
         {C(nDekor1, 27.50)}},
        {"free glass costs nothing",
         [&](Session &s) { tabule(1, 1, 1, 1)(s); s.SVypln.DVypln.Nazev = "Gratis"; },
         {C(nDekor1, 0), C(nDekor2, 0)}},
        {"panes not confirmed cost nothing",
         [&](Session &s) { tabule(1, 2, 3, 4)(s); s.DekoryVybrany = false; }, {C(nDekor1, 0), C(nDekor4, 0)}},
        // CF1S2 900 -> 48.78 -> 49.00.
        {"stained glass takes CF1S{z}", vitraz, {C(nVitraz, 49.00), C(nNakupKC, 103.50)}},
        // CF2S2 1100 -> 59.62 -> 60.00.
        {"stained glass in format 2 takes CF2S{z}", [&](Session &s) { vitraz(s); s.SFormat = 2; },
         {C(nVitraz, 60.00)}},
        {"stained glass without glazing costs nothing", [&](Session &s) { vitraz(s); s.SZaskleni = 0; },
         {C(nVitraz, 0), C(nVypln, 49.00)}},
        {"stained glass not chosen costs nothing", [&](Session &s) { vitraz(s); s.VitrazVybrana = false; },
         {C(nVitraz, 0)}},
        // SCena 300 -> 16.26 -> 16.50.
        {"muntin takes its chosen width's price",
         [](Session &s) { s.MrizkaVybrana = true; s.SMrizka.DMrizka.SCena = 300; }, {C(nMrizka, 16.50)}},
        {"muntin not chosen costs nothing", [](Session &s) { s.SMrizka.DMrizka.SCena = 300; },
         {C(nMrizka, 0)}},
    });
}

TEST_F(OcenComponents, ColourPrices)
{
    const auto barvy = [](Session &s) {
        s.BarvyVybrany = true;
        TDbarva &b1 = s.SBarva1.DBarva;
        TDbarva &b12 = s.SBarva12.DBarva;
        TDbarva &b2 = s.SBarva2.DBarva;
        b1.Kod = "b7";
        b1.BF1S1 = 300; b1.BF2S1 = 600; b1.BF3S1 = 500; b1.PrDekor = 1000;
        b1.PrDvojbarva1 = 800; b1.PrDvojbarva2 = 900; b1.Cislo = "7016";
        b12 = b1;
        b2.Kod = "c2";
        b2.BF1S1 = 200; b2.BF2S1 = 550; b2.BF2S2 = 250; b2.BF3S1 = 450; b2.BF3S2 = 150;
        b2.PHPL1 = 700; b2.PrDekor = 700;
    };
    Proved({
        // 300 -> 16.26 -> 16.50; 200 -> 10.84 -> 11.00.
        {"format 1 takes BF1S1 of both sides", barvy,
         {C(nBarva1, 16.50), C(nBarva2, 11.00), C(nBarva12, 0), C(nNakupKC, 82.00)}},
        // 600 -> 32.52 -> 33.00; inner second-side price 250 -> 13.55 -> 14.00.
        {"format 2 takes BF2S1 outside and BF2S2 inside", [&](Session &s) { barvy(s); s.SFormat = 2; },
         {C(nBarva1, 33.00), C(nBarva2, 14.00)}},
        // Decor inside only: BF2S1 550 -> 29.81 -> 30.00.
        {"format 2 decor inside only takes BF2S1",
         [&](Session &s) { barvy(s); s.SFormat = 2; s.SBarva2.DBarva.DDekor = true; }, {C(nBarva2, 30.00)}},
        {"format 2 unpriced outside takes BF2S1 inside",
         [&](Session &s) { barvy(s); s.SFormat = 2; s.SBarva1.DBarva.BF2S1 = 0; },
         {C(nBarva1, 0), C(nBarva2, 30.00)}},
        // Half panel: BF3S1 500 -> 27.10 -> 27.50; inner BF3S2 150 -> 8.13 -> 8.50.
        {"half panel takes BF3S1 and BF3S2", [&](Session &s) { barvy(s); s.SPulpanel = true; },
         {C(nBarva1, 27.50), C(nBarva2, 8.50)}},
        // Inner BF3S1 450 -> 24.39 -> 24.50.
        {"half panel with decor inside only takes BF3S1",
         [&](Session &s) { barvy(s); s.SPulpanel = true; s.SBarva2.DBarva.DDekor = true; }, {C(nBarva2, 24.50)}},
        {"half panel decor on both sides takes BF3S2",
         [&](Session &s) {
             barvy(s); s.SPulpanel = true; s.SBarva1.DBarva.DDekor = true; s.SBarva2.DBarva.DDekor = true;
         },
         {C(nBarva2, 8.50)}},
        // Two-colour: PrDvojbarva1 800 -> 43.36 -> 43.50; the same colour twice is charged once.
        {"two-colour panel with the same colour charges it once",
         [&](Session &s) { barvy(s); s.SDvojbarva = true; },
         {C(nBarva1, 43.50), C(nBarva12, 0), C(nBarva2, 11.00)}},
        {"two-colour panel with nest colours charges both",
         [&](Session &s) { barvy(s); s.SDvojbarva = true; s.SBarva1.DBarva.Kod = s.SBarva12.DBarva.Kod = "nest3"; },
         {C(nBarva1, 43.50), C(nBarva12, 43.50)}},
        {"two-colour panel with another colour number charges both",
         [&](Session &s) { barvy(s); s.SDvojbarva = true; s.SBarva12.DBarva.Cislo = "9016"; },
         {C(nBarva12, 43.50)}},
        {"two-colour panel with one anodised part charges both",
         [&](Session &s) { barvy(s); s.SDvojbarva = true; s.SBarva12.DBarva.Elox = true; },
         {C(nBarva12, 43.50)}},
        // With an overlay: PrDvojbarva2 900 -> 48.78 -> 49.00, no overlay colour price.
        {"two-colour overlay panel takes PrDvojbarva2",
         [&](Session &s) {
             barvy(s); s.SDvojbarva = true; s.SPrekryvna = true; s.SPrekryv = 1;
             s.SBarva12.DBarva.Kod = "b8";
         },
         {C(nBarva1, 49.00), C(nBarva12, 49.00), C(nBarva2, 11.00)}},
        // Overlay of one colour: PrDekor 1000 -> 54.50 outside; inside only on both sides (700 -> 38.00).
        {"one-sided overlay takes PrDekor outside",
         [&](Session &s) { barvy(s); s.SPrekryvna = true; s.SPrekryv = 1; },
         {C(nBarva1, 54.50), C(nBarva2, 11.00)}},
        {"two-sided overlay takes PrDekor on both sides",
         [&](Session &s) { barvy(s); s.SPrekryvna = true; s.SPrekryv = 2; s.STloustka = 65; },
         {C(nBarva1, 54.50), C(nBarva2, 38.00)}},
        // HPL inside: PHPL1 700 joins the infill, and the HPL panel takes the outer colour
        // in too: ZCF2S2 2000 + 700 + 300 = 3000 -> 162.60 -> 163.00.
        {"HPL inner side is priced with the infill", [&](Session &s) { barvy(s); s.SHPL2 = true; },
         {C(nVypln, 163.00), C(nBarva1, 0), C(nBarva2, 0), C(nNakupKC, 163.00)}},
        // HPL outside: no outer colour price; 2000 + 200 = 2200 -> 119.24 -> 119.50.
        {"HPL outer side has no colour price", [&](Session &s) { barvy(s); s.SHPL1 = true; },
         {C(nVypln, 119.50), C(nBarva1, 0), C(nBarva2, 0)}},
        {"colours not confirmed cost nothing", [&](Session &s) { barvy(s); s.BarvyVybrany = false; },
         {C(nBarva1, 0), C(nBarva2, 0)}},
    });
}

TEST_F(OcenComponents, ColourSetUpIsANetItem)
{
    const auto barva = [](TOBarva &b, const char *kod, int ps1, int ps2) {
        b.DBarva.Kod = kod;
        b.DBarva.NetPS1 = ps1;
        b.DBarva.NetPS2 = ps2;
    };
    Proved({
        // 500 -> 27.10 -> 27.50.
        {"own RAL colour charges its set-up",
         [&](Session &s) { s.BarvyVybrany = true; barva(s.SBarva1, "vlral", 500, 100); },
         {C(SNetto, 27.50), C(nNakupKC, 54.50), C(nKonecna, 82.00)}},
        {"own RAL on both sides is charged once",
         [&](Session &s) {
             s.BarvyVybrany = true; barva(s.SBarva1, "vlral", 500, 100); barva(s.SBarva2, "vlral", 500, 100);
         },
         {C(SNetto, 27.50)}},
        // Dearest 400 + 1 x lowest further price 100 = 500 -> 27.50.
        {"two colours: the dearest set-up plus the lower further price",
         [&](Session &s) {
             s.BarvyVybrany = true; barva(s.SBarva1, "b1", 300, 100); barva(s.SBarva2, "b2", 400, 150);
         },
         {C(SNetto, 27.50)}},
        // First further price 0 is replaced: 400 + 150 = 550 -> 29.81 -> 30.00.
        {"a further price of 0 is replaced by the next one",
         [&](Session &s) {
             s.BarvyVybrany = true; barva(s.SBarva1, "b1", 300, 0); barva(s.SBarva2, "b2", 400, 150);
         },
         {C(SNetto, 30.00)}},
        // Three colours: 400 + 2 x min(120, 80) = 560 -> 30.352 -> 30.50.
        {"two-colour panel counts the second outer colour",
         [&](Session &s) {
             s.BarvyVybrany = true; s.SDvojbarva = true;
             barva(s.SBarva1, "b1", 300, 0); barva(s.SBarva12, "b3", 200, 120); barva(s.SBarva2, "b2", 400, 80);
         },
         {C(SNetto, 30.50)}},
        // One-colour panel: SBarva12 ignored, 400 + 80 = 480 -> 26.016 -> 26.50.
        {"a second outer colour of a one-colour panel is not counted",
         [&](Session &s) {
             s.BarvyVybrany = true;
             barva(s.SBarva1, "b1", 300, 0); barva(s.SBarva12, "vlral", 900, 120); barva(s.SBarva2, "b2", 400, 80);
         },
         {C(SNetto, 26.50)}},
        // Own RAL 500 plus the other colour 300 (alone: nothing further) = 800 -> 43.36 -> 43.50.
        {"own RAL and an ordinary colour are both charged",
         [&](Session &s) {
             s.BarvyVybrany = true; barva(s.SBarva1, "vlral", 500, 100); barva(s.SBarva2, "b2", 300, 50);
         },
         {C(SNetto, 43.50)}},
    });
}

TEST_F(OcenComponents, Accessories)
{
    Proved({
        // 200 -> 10.84 -> 11.00, mounting 50 -> 2.71 -> 3.00; (11.00 + 3.00) x 2 = 28.00.
        {"mounted accessory adds its mounting per piece",
         [](Session &s) {
             s.DoplnkyVybrany = true;
             s.SDoplnek1.DDoplnek = Doplnek(200, 50, 2);
             s.SDoplnek1.DDoplnek.Namontovat = true;
         },
         {C(nDoplnek1, 28.00), C(nMontaz1, 3.00), C(nNakupKC, 82.50)}},
        {"accessory not mounted has no mounting price",
         [](Session &s) { s.DoplnkyVybrany = true; s.SDoplnek2.DDoplnek = Doplnek(100, 80, 1); },
         {C(nDoplnek2, 5.50), C(nMontaz2, 0)}},
        // SCena 0: mounting 80 -> 4.336 -> 4.50 all the same.
        {"accessory with price 0 and not mounted still adds its mounting",
         [](Session &s) { s.DoplnkyVybrany = true; s.SDoplnek3.DDoplnek = Doplnek(0, 80, 1); },
         {C(nDoplnek3, 4.50), C(nMontaz3, 4.50), C(nNakupKC, 59.00)}},
        // 300 -> 16.50, spacer 40 -> 2.168 -> 2.50; 19.00.
        {"accessory with a spacer adds the spacer",
         [](Session &s) {
             s.DoplnkyVybrany = true;
             s.SDoplnek4.DDoplnek = Doplnek(300, 0, 1);
             s.SDoplnek4.DDoplnek.MaDistanci = true;
             s.SDoplnek4.DDoplnek.SCenaDR = 40;
             s.SDoplnek4.DDoplnek.SBarvaDR = 1; // black spacer chosen
         },
         {C(nDoplnek4, 19.00), C(nDR4, 2.50)}},
        {"no spacer price while no spacer colour is chosen",
         [](Session &s) {
             s.DoplnkyVybrany = true;
             s.SDoplnek4.DDoplnek = Doplnek(300, 0, 1);
             s.SDoplnek4.DDoplnek.MaDistanci = true;
             s.SDoplnek4.DDoplnek.SCenaDR = 40;
         },
         {C(nDoplnek4, 16.50), C(nDR4, 0)}},
        {"no spacer from 20 mm of reinforcement",
         [](Session &s) {
             s.DoplnkyVybrany = true; s.Zesilena = true; s.SZesil = 20;
             s.SDoplnek4.DDoplnek = Doplnek(300, 0, 1);
             s.SDoplnek4.DDoplnek.MaDistanci = true;
             s.SDoplnek4.DDoplnek.SCenaDR = 40;
             s.SDoplnek4.DDoplnek.SBarvaDR = 1;
         },
         {C(nDoplnek4, 16.50), C(nDR4, 0)}},
        {"no spacer on a panel overlaid on both sides",
         [](Session &s) {
             s.DoplnkyVybrany = true; s.SPrekryv = 2;
             s.SDoplnek4.DDoplnek = Doplnek(300, 0, 1);
             s.SDoplnek4.DDoplnek.MaDistanci = true;
             s.SDoplnek4.DDoplnek.SCenaDR = 40;
             s.SDoplnek4.DDoplnek.SBarvaDR = 1;
         },
         {C(nDR4, 0)}},
        {"no spacer without a spacer colour",
         [](Session &s) {
             s.DoplnkyVybrany = true;
             s.SDoplnek4.DDoplnek = Doplnek(300, 0, 1);
             s.SDoplnek4.DDoplnek.MaDistanci = true;
             s.SDoplnek4.DDoplnek.SCenaDR = 40;
             s.SDoplnek4.DDoplnek.SBarvaDR = -1;
         },
         {C(nDR4, 0)}},
        // Net: (100 + 20) x 3 = 360 -> 19.512 -> 20.00 into SNetto; the slot shows nothing.
        {"net-priced accessory goes to SNetto",
         [](Session &s) {
             s.DoplnkyVybrany = true;
             s.SDoplnek1.DDoplnek = Doplnek(100, 20, 3);
             s.SDoplnek1.DDoplnek.Namontovat = true;
             s.SDoplnek1.DDoplnek.CenaNetto = true;
         },
         {C(SNetto, 20.00), C(nDoplnek1, 0), C(nMontaz1, 0), C(nNakupKC, 54.50), C(nKonecna, 74.50)}},
        {"an empty slot costs nothing",
         [](Session &s) {
             s.DoplnkyVybrany = true;
             s.SDoplnek1.DDoplnek = Doplnek(100, 20, 3);
             s.SDoplnek1.DDoplnek.Polozka = -1;
         },
         {C(nDoplnek1, 0), C(nNakupKC, 54.50)}},
        {"accessories are priced with an outer muntin even if not confirmed",
         [](Session &s) { s.SOMrizka = 1; s.SDoplnek1.DDoplnek = Doplnek(100, 0, 1); }, {C(nDoplnek1, 5.50)}},
        {"accessories not confirmed cost nothing",
         [](Session &s) { s.SDoplnek1.DDoplnek = Doplnek(100, 0, 1); }, {C(nDoplnek1, 0)}},
    });
}

TEST_F(OcenComponents, AccessoryPieceCountsAndSlotNetTotal)
{
    Panel();
    s.DoplnkyVybrany = true;
    s.SDoplnek1.DDoplnek = Doplnek(100, 0, 4);
    s.SDoplnek2.DDoplnek = Doplnek(200, 0, 1);
    s.SDoplnek2.DDoplnek.CenaNetto = true;
    s.SDoplnek3.DDoplnek.SPom = E(40); // left from an earlier net accessory
    Ocen(s);
    EXPECT_EQ(s.nPoc1, 4);
    EXPECT_EQ(s.nPoc2, 1);
    EXPECT_EQ(s.nPoc3, 0);
    EXPECT_EQ(s.nDoplnek1, E(22.00)); // 5.50 x 4
    EXPECT_EQ(s.SDoplnek2.DDoplnek.SPom, E(11.00)); // 200 -> 10.84 -> 11.00
    EXPECT_EQ(s.SDoplnek3.DDoplnek.SPom, E(0));
    // The net total is computed afresh on every run, not converted again.
    Ocen(s);
    EXPECT_EQ(s.SDoplnek2.DDoplnek.SPom, E(11.00));
    EXPECT_EQ(s.SNetto, E(11.00));
}

} // namespace
