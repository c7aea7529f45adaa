// Panel description, thicknesses and the glass check.
#include "core/Session.h"
#include "pricing/UOcen.h"
#include "support/FakeMessages.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace qmr;

namespace {

Session Panel()
{
    Session s;
    s.SVypln.DVypln.Polozka = 0;
    s.SVypln.DVypln.Nazev = "Vzor";
    s.VyplnVybrana = true;
    s.TypZakazky = 1;
    s.SFormat = 1;
    s.SZaskleni = 2;
    return s;
}

struct Pripad {
    const char *nastaveni;
    std::function<void(Session &)> nastav;
    std::string ocekavano;
};

void Zkontroluj(const std::vector<Pripad> &pripady, std::string Session::*pole)
{
    for (const Pripad &p : pripady) {
        SCOPED_TRACE(p.nastaveni);
        Session s = Panel();
        p.nastav(s);
        Nazvi(s);
        EXPECT_EQ(s.*pole, p.ocekavano);
    }
}

TEST(Nazvi, PanelLineOfEveryFamily)
{
    Zkontroluj({
        {"plain", [](Session &) {}, "Vzor, format 1/1, oszklenie S2"},
        {"format 2", [](Session &s) { s.SFormat = 2; }, "Vzor, format 1/2, oszklenie S2"},
        {"PC in format 2", [](Session &s) { s.SVypln.DVypln.Kod = "PC"; s.SFormat = 2; },
         "Vzor, format 1/3, oszklenie S2"},
        {"PC in format 1", [](Session &s) { s.SVypln.DVypln.Kod = "PC"; }, "Vzor, format 1/1, oszklenie S2"},
        {"no glazing variant yet", [](Session &s) { s.SZaskleni = -1; }, "Vzor, format 1/1"},
        {"glazing S0", [](Session &s) { s.SZaskleni = 0; }, "Vzor, format 1/1, oszklenie S0"},
        {"half panel", [](Session &s) { s.SPulpanel = true; s.SDyha = true; }, "Vzor, format 2/1"},
        {"veneer outside", [](Session &s) { s.SDyha = true; }, "Dřevěná výplň Vzor"},
        {"veneer on both sides", [](Session &s) { s.SDyha = s.SDyha2 = true; }, "Výplň AL / dřevo Vzor"},
        {"aluminium inside", [](Session &s) { s.SHlinik2 = true; s.SHlinik = true; },
         "AL / plastic wypełnienie Vzor"},
        {"aluminium outside", [](Session &s) { s.SHlinik = true; }, "Aluminiowe wypełnienie Vzor"},
        {"HPL outside", [](Session &s) { s.SHPL1 = true; }, "ABS wypełnienie Vzor, format 1/1, oszklenie S2"},
        {"K series", [](Session &s) { s.SRadaK = true; }, "ABS wypełnienie Vzor, format 1/1, oszklenie S2"},
        {"HPL single glazing", [](Session &s) { s.SHPL1 = true; s.SJednoZask = true; },
         "ABS wypełnienie Vzor, format 1/1"},
        {"HPL with frames possible", [](Session &s) { s.SHPL1 = true; s.MuzeRamecek = 1; }, "ABS wypełnienie Vzor"},
        {"HPL stone", [](Session &s) { s.SHPL1 = true; s.SKamen = true; }, "ABS wypełnienie Vzor"},
        {"HPL two-colour", [](Session &s) { s.SHPL1 = true; s.SDvojbarva = true; }, "ABS wypełnienie Vzor"},
        {"HPL Z-type", [](Session &s) { s.SHPL1 = true; s.SZetkova = true; }, "ABS wypełnienie Vzor"},
        {"HPL N-type", [](Session &s) { s.SRadaK = true; s.SEnkova = true; }, "ABS wypełnienie Vzor"},
        {"glass", [](Session &s) { s.SGlas = true; }, "Szklo / AL wypełnienie Vzor"},
        {"single glazing", [](Session &s) { s.SJednoZask = true; }, "Vzor"},
    }, &Session::SJmenoV);
}

TEST(Nazvi, VariantMarks)
{
    Zkontroluj({
        {"outer muntin", [](Session &s) { s.SOMrizka = 2; s.MuzeRamecek = 1; s.SRamecek1 = 1; },
         "Vzor, format 1/1, oszklenie S2 - M2"},
        {"stainless frame",
         [](Session &s) { s.SHlinik = true; s.MuzeRamecek = 1; s.SRamecek1 = 1; s.RBarva1.RBarva.AK = true; },
         "Aluminiowe wypełnienie Vzor - AK"},
        {"aluminium frame on side 2",
         [](Session &s) { s.MuzeRamecek = 1; s.SRamecek2 = 1; s.RBarva2.RBarva.Hlinik = true; },
         "Vzor, format 1/1, oszklenie S2 - AX"},
        {"plastic frame", [](Session &s) { s.MuzeRamecek = 1; s.SRamecek1 = 1; },
         "Vzor, format 1/1, oszklenie S2 - PL"},
        {"stainless colour on the side without a frame",
         [](Session &s) { s.MuzeRamecek = 1; s.SRamecek1 = 1; s.RBarva2.RBarva.AK = true; },
         "Vzor, format 1/1, oszklenie S2 - PL"},
        {"frame not possible", [](Session &s) { s.SRamecek1 = 1; }, "Vzor, format 1/1, oszklenie S2"},
        {"groove, one variant", [](Session &s) { s.MuzeODrazku = 1; s.SODrazka2 = 1; },
         "Vzor, format 1/1, oszklenie S2 - N"},
        {"grooves, several variants",
         [](Session &s) { s.MuzeODrazku = 2; s.SODrazka1 = 1; s.SODrazka2 = 2; },
         "Vzor, format 1/1, oszklenie S2 - N2"},
        {"groove of an N-type panel", [](Session &s) { s.SEnkova = true; s.MuzeODrazku = 2; s.SODrazka1 = 2; },
         "Vzor, format 1/1, oszklenie S2"},
        {"strip, one variant", [](Session &s) { s.MuzeOPasku = 1; s.SOPaska2 = 1; },
         "Vzor, format 1/1, oszklenie S2 - Z"},
        {"strips, several variants", [](Session &s) { s.MuzeOPasku = 2; s.SOPaska1 = 2; },
         "Vzor, format 1/1, oszklenie S2 - Z2"},
        {"stainless strip",
         [](Session &s) { s.MuzeOPasku = 2; s.SOPaska1 = 2; s.RBarva1.RBarva.AK = true; },
         "Vzor, format 1/1, oszklenie S2 - Z2(AK)"},
        {"stainless strip of a Z-type panel",
         [](Session &s) { s.SZetkova = true; s.MuzeOPasku = 2; s.SOPaska1 = 1; s.RBarva1.RBarva.AK = true; },
         "Vzor, format 1/1, oszklenie S2(AK)"},
        {"stainless colour on the side without a strip",
         [](Session &s) { s.MuzeOPasku = 1; s.SOPaska1 = 1; s.RBarva2.RBarva.AK = true; },
         "Vzor, format 1/1, oszklenie S2 - Z"},
        {"strip with groove, one variant", [](Session &s) { s.MuzeOPDr = 1; s.SODr1 = 1; },
         "Vzor, format 1/1, oszklenie S2 - ZN"},
        {"stainless strips with grooves replace the strip mark",
         [](Session &s) {
             s.MuzeOPasku = 2; s.SOPaska1 = 1; s.MuzeOPDr = 2; s.SODr1 = 1; s.SODr2 = 2;
             s.RBarva1.RBarva.AK = true;
         },
         "Vzor, format 1/1, oszklenie S2 - ZN2(AK)"},
        {"eccentric", [](Session &s) { s.SExcentr = true; }, "Vzor, format 1/1, oszklenie S2 (L)"},
        {"eccentric mirrored", [](Session &s) { s.SExcentr = true; s.SPrava = true; },
         "Vzor, format 1/1, oszklenie S2 (R)"},
        {"asymmetric, mirrored against its type", [](Session &s) { s.SAsymp = true; s.SPravaV = true; },
         "Vzor, format 1/1, oszklenie S2 (X)"},
        {"asymmetric as its type", [](Session &s) { s.SAsymp = true; s.SPravaV = s.SPrava = true; },
         "Vzor, format 1/1, oszklenie S2"},
        {"NI in format 2", [](Session &s) { s.SVypln.DVypln.Kod = "NI"; s.SFormat = 2; },
         "Vzor, format 1/2, oszklenie S2 (L)"},
        {"marks in order",
         [](Session &s) {
             s.SOMrizka = 1; s.MuzeODrazku = 1; s.SODrazka1 = 1; s.MuzeOPasku = 1; s.SOPaska1 = 1;
             s.SExcentr = true;
         },
         "Vzor, format 1/1, oszklenie S2 - M1 - N - Z (L)"},
        {"HPL format after the marks", [](Session &s) { s.SHPL1 = true; s.SExcentr = true; s.SPrava = true; },
         "ABS wypełnienie Vzor (R), format 1/1, oszklenie S2"},
    }, &Session::SJmenoV);
}

TEST(Nazvi, ThicknessAndOverlayLines)
{
    Zkontroluj({
        {"standard", [](Session &) {}, "(grubość standardowa 24 mm)"},
        {"glass", [](Session &s) { s.SGlas = true; }, "(grubość standardowa 29 mm)"},
        {"reinforced", [](Session &s) { s.Zesilena = true; s.SZesil = 10; }, "(wykonanie pogrubione na 34 mm)"},
        {"both sides before the dimensions", [](Session &s) { s.SPrekryvna = true; s.SPrekryv = 2; },
         "Grubość ramy skrzydła 45 mm"},
        {"both sides with the sash thickness",
         [](Session &s) { s.SPrekryvna = true; s.SPrekryv = 2; s.RozmerVybran = true; s.STloustka = 65; },
         "Grubość ramy skrzydła 65 mm"},
    }, &Session::SJmenoZ);
    Zkontroluj({
        {"no overlay", [](Session &) {}, ""},
        {"one side", [](Session &s) { s.SPrekryvna = true; s.SPrekryv = 1; }, "Przekryw jednostronny"},
        {"both sides", [](Session &s) { s.SPrekryvna = true; s.SPrekryv = 2; }, "Przekryw obustronny"},
        {"aluminium inside", [](Session &s) { s.SHlinik2 = true; }, "Przekryw jednostronny"},
        {"veneer inside on both sides", [](Session &s) { s.SDyha2 = true; s.SPrekryvna = true; s.SPrekryv = 2; },
         "Przekryw jednostronny"},
    }, &Session::SJmenoP);

    Session s = Panel();
    s.SPrekryvna = true;
    s.SPrekryv = 2;
    Nazvi(s);
    EXPECT_EQ(s.STloustka, 45);
    EXPECT_EQ(s.CTloustka, 49);
    s = Panel();
    s.SGlas = true;
    s.Zesilena = true;
    s.SZesil = 6;
    Nazvi(s);
    EXPECT_EQ(s.PomTloustka, 29);
    EXPECT_EQ(s.CTloustka, 35);
    EXPECT_EQ(s.STloustka, 33);
}

TEST(Nazvi, SideLinesAndTheirColours)
{
    Zkontroluj({
        {"two-colour", [](Session &s) { s.SDvojbarva = true; }, "Dwukolorowa strona zewnętrzna"},
        {"frame, one variant", [](Session &s) { s.SDvojbarva = true; s.MuzeRamecek = 1; s.SRamecek1 = 1; },
         "Ramka strona zewnętrzna"},
        {"frame, several variants", [](Session &s) { s.MuzeRamecek = 2; s.SRamecek1 = 2; },
         "Ramka strona zewnętrzna: typ 2"},
        {"groove over a frame", [](Session &s) { s.MuzeRamecek = 1; s.SRamecek1 = 1; s.MuzeODrazku = 1; s.SODrazka1 = 1; },
         "Rowki strona zewnętrzna"},
        {"groove, several variants", [](Session &s) { s.MuzeODrazku = 2; s.SODrazka1 = 2; },
         "Rowki strona zewnętrzna: typ 2"},
        {"strip", [](Session &s) { s.MuzeOPasku = 1; s.SOPaska1 = 1; }, "Paski naklejone s. zewnętrzna"},
        {"strip, several variants", [](Session &s) { s.MuzeOPasku = 3; s.SOPaska1 = 3; },
         "Paski naklejone s. zewnętrzna: typ 3"},
        {"strip with groove", [](Session &s) { s.MuzeOPDr = 1; s.SODr1 = 1; }, "Páski zafrezowane s. zewnętrzna"},
        {"strip with groove, several variants", [](Session &s) { s.MuzeOPDr = 2; s.SODr1 = 1; },
         "Páski zafrezowane s. zewnętrzna: typ 1"},
        {"side 2 only", [](Session &s) { s.MuzeRamecek = 1; s.SRamecek2 = 1; }, ""},
    }, &Session::SJmenoR1);
    Zkontroluj({
        {"frame", [](Session &s) { s.MuzeRamecek = 2; s.SRamecek2 = 2; }, "Ramka strona wewnętrzna: typ 2"},
        {"frame, one variant", [](Session &s) { s.MuzeRamecek = 1; s.SRamecek2 = 1; }, "Ramka strona wewnętrzna"},
        {"groove", [](Session &s) { s.MuzeODrazku = 1; s.SODrazka2 = 1; }, "Rowki strona wewnętrzna"},
        {"groove, several", [](Session &s) { s.MuzeODrazku = 2; s.SODrazka2 = 1; }, "Rowki strona wewnętrzna: typ 1"},
        {"strip", [](Session &s) { s.MuzeOPasku = 1; s.SOPaska2 = 1; }, "Paski naklejone s. wewnętrzna"},
        {"strip, several", [](Session &s) { s.MuzeOPasku = 2; s.SOPaska2 = 2; }, "Paski naklejone s. wewnętrzna: typ 2"},
        {"strip with groove", [](Session &s) { s.MuzeOPDr = 1; s.SODr2 = 1; }, "Pásky zafrezowane s. wewnętrzna"},
        {"strip with groove, several", [](Session &s) { s.MuzeOPDr = 2; s.SODr2 = 2; },
         "Pásky zafrezowane s. wewnętrzna: typ 2"},
    }, &Session::SJmenoR2);

    // Colours: the frame colour's name; without a code the default finish.
    Session s = Panel();
    s.MuzeRamecek = 1;
    s.SRamecek1 = s.SRamecek2 = 1;
    s.RBarva1.RBarva.Kod = "r9";
    s.RBarva1.RBarva.Nazev = "Antracyt 7016";
    s.RBarva1.RBarva.AK = true;
    s.RBarva2.RBarva.AK = true;
    Nazvi(s);
    EXPECT_EQ(s.SBarvaR1, "Antracyt 7016");
    EXPECT_EQ(s.SBarvaR2, "AK - nierzdzewna");

    s = Panel();
    s.MuzeRamecek = 1;
    s.SRamecek1 = 1;
    Nazvi(s);
    EXPECT_EQ(s.SBarvaR1, "AX - alunox");
    EXPECT_TRUE(s.RBarva1.RBarva.Hlinik);
    EXPECT_EQ(s.SBarvaR2, "");

    // Strips: always the finish, never the colour's name.
    s = Panel();
    s.MuzeOPasku = 1;
    s.SOPaska1 = s.SOPaska2 = 1;
    s.RBarva1.RBarva.AK = true;
    s.RBarva2.RBarva.Kod = "x";
    s.RBarva2.RBarva.Nazev = "Biały";
    Nazvi(s);
    EXPECT_EQ(s.SBarvaR1, "AK - nierzdzewna");
    EXPECT_EQ(s.SBarvaR2, "AX - alunox");
    EXPECT_TRUE(s.RBarva2.RBarva.Hlinik);
    EXPECT_FALSE(s.RBarva1.RBarva.Hlinik);

    // A groove over a frame keeps the frame's colour line.
    s = Panel();
    s.MuzeRamecek = s.MuzeODrazku = 1;
    s.SRamecek1 = s.SODrazka1 = 1;
    s.RBarva1.RBarva.Kod = "r9";
    s.RBarva1.RBarva.Nazev = "Antracyt 7016";
    Nazvi(s);
    EXPECT_EQ(s.SJmenoR1, "Rowki strona zewnętrzna");
    EXPECT_EQ(s.SBarvaR1, "Antracyt 7016");
}

TEST(Nazvi, TripleAndQuadrupleGlazing)
{
    struct {
        const char *nastaveni;
        std::function<void(Session &)> nastav;
        bool troj, ctyr;
    } pripady[] = {
        {"plain", [](Session &) {}, false, false},
        {"reinforced 10 mm", [](Session &s) { s.Zesilena = true; s.SZesil = 10; }, true, false},
        {"reinforced 9 mm", [](Session &s) { s.Zesilena = true; s.SZesil = 9; }, false, false},
        {"not reinforced", [](Session &s) { s.SZesil = 10; }, false, false},
        {"RC2, 12 mm", [](Session &s) { s.Zesilena = true; s.SZesil = 12; s.SVyztuz = 4; }, false, false},
        {"RC2, 13 mm", [](Session &s) { s.Zesilena = true; s.SZesil = 13; s.SVyztuz = 4; }, true, false},
        {"35 dB, 30 mm", [](Session &s) { s.Zesilena = true; s.SZesil = 30; s.SVyztuz = 5; }, false, false},
        {"both sides, sash 59 mm",
         [](Session &s) { s.SPrekryvna = true; s.SPrekryv = 2; s.RozmerVybran = true; s.STloustka = 59; }, true, false},
        {"both sides, sash 60 mm",
         [](Session &s) { s.SPrekryvna = true; s.SPrekryv = 2; s.RozmerVybran = true; s.STloustka = 60; }, true, true},
        {"one side", [](Session &s) { s.SPrekryvna = true; s.SPrekryv = 1; s.STloustka = 60; }, false, false},
    };
    for (const auto &p : pripady) {
        SCOPED_TRACE(p.nastaveni);
        Session s = Panel();
        p.nastav(s);
        Nazvi(s);
        EXPECT_EQ(s.STrojsklo, p.troj);
        EXPECT_EQ(s.SCtyrsklo, p.ctyr);
    }
}

TEST(Nazvi, NothingDescribedWithoutAnInfillJob)
{
    for (int typ : {0, 2}) {
        Session s = Panel();
        s.TypZakazky = typ;
        s.SJmenoV = s.SJmenoZ = s.SJmenoP = s.SJmenoR1 = s.SJmenoR2 = s.SBarvaR1 = s.SBarvaR2 = "old";
        Nazvi(s);
        for (const std::string *t : {&s.SJmenoV, &s.SJmenoZ, &s.SJmenoP, &s.SJmenoR1, &s.SJmenoR2, &s.SBarvaR1,
                                     &s.SBarvaR2})
            EXPECT_EQ(*t, "");
    }
    Session s = Panel();
    s.VyplnVybrana = false;
    s.SJmenoV = "old";
    Nazvi(s);
    EXPECT_EQ(s.SJmenoV, "");
}

TEST(Glazing, RoomForThePanes)
{
    struct {
        const char *nastaveni;
        std::function<void(Session &)> nastav;
        int mista;
    } pripady[] = {
        {"standard", [](Session &) {}, 18},
        {"pressed", [](Session &s) { s.SLisovana = true; }, 20},
        {"glass", [](Session &s) { s.SGlas = true; }, 19},
        {"reinforced 10 mm", [](Session &s) { s.Zesilena = true; s.SZesil = 10; }, 28},
        {"veneer outside", [](Session &s) { s.SDyha = true; }, 24},
        {"veneer inside", [](Session &s) { s.SDyha2 = true; }, 20},
        {"both sides, sash 65 mm",
         [](Session &s) { s.SPrekryvna = true; s.SPrekryv = 2; s.RozmerVybran = true; s.STloustka = 65; }, 61},
        {"no glazing", [](Session &s) { s.SZaskleni = 0; s.STloustkaS = 9; }, 0},
        {"glazing not chosen", [](Session &s) { s.SZaskleni = -1; s.STloustkaS = 9; }, 0},
    };
    for (const auto &p : pripady) {
        SCOPED_TRACE(p.nastaveni);
        Session s = Panel();
        p.nastav(s);
        TloustkaZaskleni(s);
        EXPECT_EQ(s.STloustkaS, p.mista);
    }
}

TDdekor Tabule(int mm, const char *kod = "g")
{
    TDdekor d;
    d.Polozka = 0;
    d.Kod = kod;
    d.Tloustka = mm;
    return d;
}

TEST(Glazing, PanesFitAtTheEightAndSixteenMillimetreLimits)
{
    struct {
        const char *nastaveni;
        std::function<void(Session &)> nastav;
        bool vejde;
    } pripady[] = {
        // Standard panel: 18 mm of room, 8 must stay.
        {"4 + 4 leave 10", [](Session &s) { s.SDekor1.DDekor = Tabule(4); s.SDekor2.DDekor = Tabule(4); }, true},
        {"5 + 5 leave 8", [](Session &s) { s.SDekor1.DDekor = Tabule(5); s.SDekor2.DDekor = Tabule(5); }, true},
        {"5 + 6 leave 7", [](Session &s) { s.SDekor1.DDekor = Tabule(5); s.SDekor2.DDekor = Tabule(6); }, false},
        {"6 + 6 leave 6", [](Session &s) { s.SDekor1.DDekor = Tabule(6); s.SDekor2.DDekor = Tabule(6); }, false},
        {"pressed: 6 + 6 leave 8 of 20",
         [](Session &s) { s.SLisovana = true; s.SDekor1.DDekor = Tabule(6); s.SDekor2.DDekor = Tabule(6); }, true},
        {"a pane without a code takes no room",
         [](Session &s) { s.SDekor1.DDekor = Tabule(4); s.SDekor2.DDekor = Tabule(20, ""); }, true},
        {"the middle pane counts only in triple glazing",
         [](Session &s) {
             s.SDekor1.DDekor = Tabule(4); s.SDekor2.DDekor = Tabule(4); s.SDekorP.DDekor = Tabule(10);
         },
         true},
        // Glass panel: 19 mm of room, 8 taken by the panel.
        {"glass panel with a 3 mm pane leaves 8", [](Session &s) { s.SGlas = true; s.SDekor2.DDekor = Tabule(3); }, true},
        {"glass panel with a 4 mm pane leaves 7", [](Session &s) { s.SGlas = true; s.SDekor2.DDekor = Tabule(4); }, false},
        // Sand-blasted glass takes 6 mm, fused glass 4 mm, other kinds none.
        {"sand-blasted glass and a 4 mm pane leave 8",
         [](Session &s) { s.VitrazVybrana = true; s.SVitraz.DVitraz.VitrPis = 1; s.SDekor2.DDekor = Tabule(4); }, true},
        {"sand-blasted glass and two 4 mm panes leave 4",
         [](Session &s) {
             s.VitrazVybrana = true; s.SVitraz.DVitraz.VitrPis = 1;
             s.SDekor1.DDekor = Tabule(4); s.SDekor2.DDekor = Tabule(4);
         },
         false},
        {"fused glass and a 6 mm pane leave 8",
         [](Session &s) { s.VitrazVybrana = true; s.SVitraz.DVitraz.VitrPis = 3; s.SDekor2.DDekor = Tabule(6); }, true},
        {"fused glass and 5 + 5 leave 4",
         [](Session &s) {
             s.VitrazVybrana = true; s.SVitraz.DVitraz.VitrPis = 3;
             s.SDekor1.DDekor = Tabule(5); s.SDekor2.DDekor = Tabule(5);
         },
         false},
        {"stained glass of kind 2 takes no room",
         [](Session &s) {
             s.VitrazVybrana = true; s.SVitraz.DVitraz.VitrPis = 2;
             s.SDekor1.DDekor = Tabule(5); s.SDekor2.DDekor = Tabule(5);
         },
         true},
        {"a cleared stained glass takes no room",
         [](Session &s) {
             s.SVitraz.DVitraz.VitrPis = 1; s.SDekor1.DDekor = Tabule(5); s.SDekor2.DDekor = Tabule(5);
         },
         true},
        // Triple glazing (reinforced 10 mm): 28 mm of room, 16 must stay.
        {"triple 4 + 4 + 4 leave 16",
         [](Session &s) {
             s.Zesilena = true; s.SZesil = 10; s.STrojsklo = true;
             s.SDekor1.DDekor = Tabule(4); s.SDekor2.DDekor = Tabule(4); s.SDekorP.DDekor = Tabule(4);
         },
         true},
        {"triple 4 + 4 + 5 leave 15",
         [](Session &s) {
             s.Zesilena = true; s.SZesil = 10; s.STrojsklo = true;
             s.SDekor1.DDekor = Tabule(4); s.SDekor2.DDekor = Tabule(4); s.SDekorP.DDekor = Tabule(5);
         },
         false},
        // Quadruple glazing, both sides, sash 65: 61 mm of room.
        {"quadruple 10 + 10 + 10 + 15 leave 16",
         [](Session &s) {
             s.SPrekryvna = true; s.SPrekryv = 2; s.RozmerVybran = true; s.STloustka = 65; s.SCtyrsklo = true;
             s.SDekor1.DDekor = Tabule(10); s.SDekor2.DDekor = Tabule(10); s.SDekorP.DDekor = Tabule(10);
             s.SDekor4.DDekor = Tabule(15);
         },
         true},
        {"quadruple 10 + 10 + 10 + 16 leave 15",
         [](Session &s) {
             s.SPrekryvna = true; s.SPrekryv = 2; s.RozmerVybran = true; s.STloustka = 65; s.SCtyrsklo = true;
             s.SDekor1.DDekor = Tabule(10); s.SDekor2.DDekor = Tabule(10); s.SDekorP.DDekor = Tabule(10);
             s.SDekor4.DDekor = Tabule(16);
         },
         false},
        {"the fourth pane counts only in quadruple glazing",
         [](Session &s) {
             s.SPrekryvna = true; s.SPrekryv = 2; s.RozmerVybran = true; s.STloustka = 65;
             s.SDekor1.DDekor = Tabule(10); s.SDekor2.DDekor = Tabule(10); s.SDekorP.DDekor = Tabule(10);
             s.SDekor4.DDekor = Tabule(16);
         },
         true},
        {"no glazing always fits",
         [](Session &s) { s.SZaskleni = 0; s.SDekor1.DDekor = Tabule(30); }, true},
        {"glass not chosen always fits",
         [](Session &s) { s.DekoryVybrany = false; s.SDekor1.DDekor = Tabule(30); }, true},
    };
    for (const auto &p : pripady) {
        SCOPED_TRACE(p.nastaveni);
        Session s = Panel();
        s.DekoryVybrany = true;
        p.nastav(s);
        EXPECT_EQ(ScSkel(s), p.vejde);
    }
}

TEST(Glazing, GlassThatDoesNotFitIsDroppedWithAMessage)
{
    qmrtest::FakeMessages m;
    Session s = Panel();
    s.DekoryVybrany = true;
    s.SDekor1.DDekor = Tabule(6);
    s.SDekor2.DDekor = Tabule(6);
    EXPECT_FALSE(KontrolaSkel(s, m));
    EXPECT_FALSE(s.DekoryVybrany);
    ASSERT_EQ(m.count(), 1u);
    EXPECT_EQ(m.last().kind, qmrtest::FakeMessages::Kind::Chyba);
    EXPECT_EQ(m.last().caption, "Quilmar");
    EXPECT_EQ(m.last().text, "Niemożliwe - zmień szklankę lub grubość nadzienia!");

    m.clear();
    s.DekoryVybrany = true;
    s.SDekor2.DDekor = Tabule(4);
    EXPECT_TRUE(KontrolaSkel(s, m));
    EXPECT_TRUE(s.DekoryVybrany);
    EXPECT_TRUE(m.empty());

    // Without glazing the choice is not checked.
    s.SZaskleni = 0;
    s.SDekor1.DDekor = Tabule(30);
    EXPECT_TRUE(KontrolaSkel(s, m));
    EXPECT_TRUE(m.empty());
}

} // namespace
