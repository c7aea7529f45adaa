// The reinforcement dialog: what it offers, what it preselects, its notes, OK; and the
// decor-colour rule.
#include "dialogs/infill/UVyztuz.h"

#include "dialogs/infill/Snimek.h"

#include <gtest/gtest.h>

using namespace qmr;
using qmrtest::Rozdily;
using qmrtest::Snimej;

TEST(VyztuzTest, OnlyWhatTheConfigurationAllowsIsOffered)
{
    struct Pripad {
        const char *popis;
        bool tpr, rc3, rc2, zesilena;
        int zesil, zaskleni;
        bool madlo, jenHpl;
        int vyztuz;
        std::vector<int> polozky;
        int vybrana;
        bool poznamkaRC2, poznamka35;
    } pripady[] = {
        {"nothing possible", false, false, false, false, 0, 1, false, false, -1, {0}, 0, false, true},
        // ABS with RC2 possible and glazing: RC2 is replaced by its note; the last item
        // is preselected as the PUR core is possible.
        {"ABS with glazing", true, false, true, false, 0, 1, false, false, -1, {0, 6, 7}, 2, true, true},
        {"ABS without glazing", true, false, true, false, 0, 0, false, false, -1, {0, 4, 6, 7}, 3, false, true},
        {"reinforced with glazing", true, false, true, true, 5, 2, false, false, -1, {0, 4, 7}, 2, false, true},
        {"reinforced 10 mm", false, false, false, true, 10, 1, false, false, 0, {0, 5}, 0, false, false},
        {"RC3 first", false, true, true, false, 0, 0, false, false, 3, {0, 3}, 1, false, true},
        {"HPL-only inner colour", true, true, true, false, 0, 0, false, true, -1, {0, 6, 7}, 2, false, true},
        {"handle needs PUR 10", false, false, false, false, 0, 1, true, false, 7, {0, 7}, 1, false, true},
        {"no longer offered", false, false, false, false, 0, 1, false, false, 6, {0}, -1, false, true},
    };
    for (const Pripad &p : pripady) {
        Session s;
        s.MuzeTPR = p.tpr;
        s.MuzeRC3 = p.rc3;
        s.MuzeRC2 = p.rc2;
        s.Zesilena = p.zesilena;
        s.SZesil = p.zesil;
        s.SZaskleni = p.zaskleni;
        s.SMadlo = p.madlo;
        s.SBarva2.DBarva.JenomHPL = p.jenHpl;
        s.SVyztuz = p.vyztuz;
        TVVyztuz d(s);
        SCOPED_TRACE(p.popis);
        EXPECT_EQ(d.TabVyzt(), p.polozky);
        ASSERT_EQ(d.Vyztuz().Polozky.size(), p.polozky.size());
        for (std::size_t i = 0; i < p.polozky.size(); ++i)
            EXPECT_EQ(d.Vyztuz().Polozky[i], cVyztuz(p.polozky[i]));
        EXPECT_EQ(d.Vyztuz().Index, p.vybrana);
        EXPECT_EQ(d.Label2(), p.poznamkaRC2 ? "Klasa bezpieczeństwa RC 2 jest możliwa od grubości 26 mm." : "");
        EXPECT_EQ(d.Label3(),
                  p.poznamka35 ? "Tłumienie dźwięku 35 dB jest standardowo możliwe przy grubości 34 mm." : "");
        EXPECT_EQ(d.Label1(), "");
        EXPECT_EQ(d.VyskaRadia(), 20 * int(p.polozky.size()) + 40);
    }
}

TEST(VyztuzTest, OKStoresTheValueAndRC2OrSoundDampingChangesDropTheGlass)
{
    struct Pripad {
        int stara;
        int polozka; // clicked
        int nova;
        bool skloZustava;
    } pripady[] = {
        {4, 0, 0, false}, // RC2 -> none drops the glass
        {-1, 1, 4, false}, // into RC2
        {6, 2, 6, true},  // PUR core to PUR core
        {6, 3, 7, true},
        {5, 0, 0, false},
    };
    for (const Pripad &p : pripady) {
        Session s;
        s.MuzeTPR = true;
        s.MuzeRC2 = true;
        s.SZaskleni = 0;
        s.Zesilena = p.stara == 5;
        s.SZesil = p.stara == 5 ? 10 : 0;
        s.SVyztuz = p.stara;
        s.DekoryVybrany = s.VitrazVybrana = true;
        TVVyztuz d(s);
        d.Vyber(p.polozka);
        EXPECT_EQ(d.Potvrd(), 1);
        EXPECT_EQ(s.SVyztuz, p.nova) << p.stara << " -> item " << p.polozka;
        EXPECT_EQ(s.DekoryVybrany, p.skloZustava);
        EXPECT_EQ(s.VitrazVybrana, p.skloZustava);
    }
}

TEST(VyztuzTest, NoItemSelectedStoresMinusOneAndCancelChangesNothing)
{
    Session s;
    s.SVyztuz = 6;
    const auto pred = Snimej(s);
    {
        TVVyztuz zrus(s);
        zrus.Vyber(0);
    }
    EXPECT_EQ(Rozdily(pred, Snimej(s)), "");
    TVVyztuz d(s);
    ASSERT_EQ(d.Vyztuz().Index, -1);
    d.Vyber(5); // no such item
    d.Potvrd();
    EXPECT_EQ(s.SVyztuz, -1);
}

TEST(VyztuzTest, DecorColourRule)
{
    struct Pripad {
        const char *popis;
        bool hlinik, dekor1, dvojbarva, dekor12;
        bool zesilena;
        int zesil, vyztuz;
        int nova;
        int prosel; // -1 unchanged (starts true)
    } pripady[] = {
        {"decor on ABS forces PUR 10", false, true, false, false, false, 0, -1, 7, 1},
        {"also over 'none'", false, true, false, false, false, 0, 0, 7, 1},
        {"a chosen one stays", false, true, false, false, false, 0, 6, 6, -1},
        {"two-colour decor", false, false, true, true, false, 0, -1, 7, 1},
        {"plain colour drops PUR 10", false, false, false, false, false, 0, 7, -1, 0},
        {"plain colour keeps others", false, false, false, false, false, 0, 6, 6, -1},
        {"aluminium is left alone", true, true, false, false, false, 0, -1, -1, -1},
        {"sound damping needs 10 mm", true, false, false, false, true, 5, 5, -1, 0},
        {"sound damping with 10 mm", true, false, false, false, true, 10, 5, 5, -1},
    };
    for (const Pripad &p : pripady) {
        Session s;
        s.SHlinik = p.hlinik;
        s.SBarva1.DBarva.DDekor = p.dekor1;
        s.SDvojbarva = p.dvojbarva;
        s.SBarva12.DBarva.DDekor = p.dekor12;
        s.Zesilena = p.zesilena;
        s.SZesil = p.zesil;
        s.SVyztuz = p.vyztuz;
        s.ProselVyztuze = p.prosel != 1;
        VnutTPR(s);
        EXPECT_EQ(s.SVyztuz, p.nova) << p.popis;
        EXPECT_EQ(s.ProselVyztuze, p.prosel != 0) << p.popis;
    }
}

TEST(VyztuzTest, OtherFamiliesAreLeftAloneByTheDecorRule)
{
    bool Session::*rodiny[] = {&Session::SHlinik2, &Session::SHPL1, &Session::SDyha, &Session::SDyha2,
                               &Session::SGlas};
    for (auto r : rodiny) {
        Session s;
        s.*r = true;
        s.SBarva1.DBarva.DDekor = true;
        VnutTPR(s);
        EXPECT_EQ(s.SVyztuz, -1);
    }
}
