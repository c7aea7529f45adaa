// The infill type dialog: what each button sets, what the next dialog is, and that any
// result but 1 puts back what the dialog changed.
#include "dialogs/infill/UTyp.h"

#include "dialogs/infill/Snimek.h"

#include <gtest/gtest.h>

#include <optional>

using namespace qmr;
using qmrtest::Rozdily;
using qmrtest::Snimej;
using B = TVTyp::Tlacitko;

namespace {

// A previous job: another family, its frame colours, a handle, accessories chosen.
Session predchoziZakazka()
{
    Session s;
    s.TypZakazky = 1;
    s.SHlinik = true;
    s.SHPL2 = true;
    s.SGlas = true;
    s.DoplnkyVybrany = true;
    s.SMadlo = true;
    s.RBarva1.RBarva.Kod = "R1";
    s.RBarva1.RBarva.Hlinik = true;
    s.RBarva2.RBarva.Kod = "R2";
    s.RBarva2.RBarva.Hlinik = true;
    return s;
}

} // namespace

TEST(TypTest, ButtonsInTheirOrderWithTheGlassFamilyHidden)
{
    Session s;
    TVTyp typ(s);
    const auto &t = typ.Tlacitka();
    ASSERT_EQ(t.size(), 6u);
    const char *jmena[] = {"Button1", "Button4", "Button2", "Button5", "Button6", "Button3"};
    const char *texty[] = {"ABS wypełnienie", "HPL wypełnienie", "Aluminiowe wypełnienie", "AL / ABS wypełnienie",
                           "Szklano-aluminiowe wypełnienie", "Tylko akcesoria"};
    for (std::size_t i = 0; i < t.size(); ++i) {
        EXPECT_EQ(t[i].Jmeno, jmena[i]);
        EXPECT_EQ(t[i].Text, texty[i]);
        EXPECT_EQ(t[i].Viditelny, t[i].Id != B::Sklo);
        EXPECT_EQ(t[i].Povoleny, t[i].Id != B::Sklo);
    }
    EXPECT_STREQ(typ.Upozorneni()[0], "Ważne ostrzeżenie:");
    EXPECT_STREQ(typ.Upozorneni()[3], "wypełnienia przedstawione są ze strony zewnętrznej.");
    EXPECT_STREQ(TVTyp::kEscButton, "&Anuluj");
}

TEST(TypTest, OpeningClearsTheFrameColourCodesAndAXFlags)
{
    Session s = predchoziZakazka();
    TVTyp typ(s);
    EXPECT_EQ(s.RBarva1.RBarva.Kod, "");
    EXPECT_EQ(s.RBarva2.RBarva.Kod, "");
    EXPECT_FALSE(s.RBarva1.RBarva.Hlinik);
    EXPECT_FALSE(s.RBarva2.RBarva.Hlinik);
    EXPECT_EQ(typ.Puvodni().PomBarva1, "R1");
    EXPECT_TRUE(typ.Puvodni().PHlinik);
}

TEST(TypTest, EachButtonSetsTheJobTypeAndFamilyBeforeTheNextDialog)
{
    struct Pripad {
        B tlacitko;
        int typZakazky;
        bool hlinik, hlinik2, hpl1, glas;
        TVTyp::Dalsi dalsi;
    } pripady[] = {
        {B::ABS, 1, false, false, false, false, TVTyp::Dalsi::Vypln},
        {B::HPL, 1, false, false, true, false, TVTyp::Dalsi::Vypln},
        {B::Hlinik, 1, true, false, false, false, TVTyp::Dalsi::Vypln},
        {B::AlAbs, 1, false, true, false, false, TVTyp::Dalsi::Vypln},
        {B::Doplnky, 2, false, false, false, false, TVTyp::Dalsi::Doplnky},
    };
    for (const Pripad &p : pripady) {
        Session s = predchoziZakazka();
        TVTyp typ(s);
        std::optional<TVTyp::Dalsi> videno;
        typ.NastavPokracovani([&](TVTyp::Dalsi d) {
            // The session is already set when the next dialog opens.
            videno = d;
            EXPECT_EQ(s.TypZakazky, p.typZakazky);
            EXPECT_EQ(s.SHlinik, p.hlinik);
            EXPECT_EQ(s.SHlinik2, p.hlinik2);
            EXPECT_EQ(s.SHPL1, p.hpl1);
            EXPECT_FALSE(s.SHPL2);
            EXPECT_EQ(s.SGlas, p.glas);
            EXPECT_FALSE(s.SMadlo);
            // Only the accessories-only job forgets the accessories chosen.
            EXPECT_EQ(s.DoplnkyVybrany, p.dalsi == TVTyp::Dalsi::Vypln);
            return 1;
        });
        EXPECT_EQ(typ.Stisk(p.tlacitko), 1);
        ASSERT_TRUE(videno);
        EXPECT_EQ(*videno, p.dalsi);
        typ.Zavri(1);
        EXPECT_EQ(s.TypZakazky, p.typZakazky); // kept on OK
        EXPECT_EQ(s.RBarva1.RBarva.Kod, "");
        EXPECT_FALSE(s.RBarva1.RBarva.Hlinik);
    }
}

TEST(TypTest, TheResultIsTheNextDialogsResult)
{
    Session s;
    TVTyp typ(s);
    typ.NastavPokracovani([](TVTyp::Dalsi) { return 2; });
    EXPECT_EQ(typ.Stisk(B::ABS), 2);
    TVTyp bez(s);
    EXPECT_EQ(bez.Stisk(B::ABS), 1); // no next dialog given
}

TEST(TypTest, TheHiddenGlassButtonDoesNothing)
{
    Session s = predchoziZakazka();
    TVTyp typ(s);
    const auto pred = Snimej(s);
    bool otevreno = false;
    typ.NastavPokracovani([&](TVTyp::Dalsi) { otevreno = true; return 1; });
    EXPECT_EQ(typ.Stisk(B::Sklo), 0);
    EXPECT_FALSE(otevreno);
    EXPECT_EQ(Rozdily(pred, Snimej(s)), "");
}

TEST(TypTest, EveryResultButOKPutsTheSessionBack)
{
    for (int vysledek : {2, 6, 7, 0}) {
        for (B b : {B::ABS, B::HPL, B::Hlinik, B::AlAbs, B::Doplnky}) {
            Session s = predchoziZakazka();
            const auto pred = Snimej(s);
            TVTyp typ(s);
            typ.NastavPokracovani([&](TVTyp::Dalsi) { return vysledek; });
            typ.Zavri(typ.Stisk(b));
            EXPECT_EQ(Rozdily(pred, Snimej(s)), "") << "result " << vysledek;
        }
    }
}

TEST(TypTest, CancelRightInTheTypeDialogPutsBackTheFrameColours)
{
    Session s = predchoziZakazka();
    const auto pred = Snimej(s);
    TVTyp typ(s);
    typ.Zrusit();
    EXPECT_EQ(Rozdily(pred, Snimej(s)), "");
    EXPECT_TRUE(s.RBarva1.RBarva.Hlinik);
    typ.Zavri(2); // closing again changes nothing
    EXPECT_EQ(Rozdily(pred, Snimej(s)), "");
}

TEST(TypTest, PlacedOnTheMainWindowArea)
{
    Session s;
    s.VolbaLeft = 10;
    s.VolbaTop = 20;
    TVTyp typ(s);
    EXPECT_EQ(typ.Umisteni(300, 400), (Bod{10 + 250, 20 + 100}));
}

TEST(TypTest, ADialogDestroyedWithoutClosingCountsAsCancelled)
{
    Session s = predchoziZakazka();
    const auto pred = Snimej(s);
    {
        TVTyp typ(s);
        typ.Stisk(B::HPL);
    }
    EXPECT_EQ(Rozdily(pred, Snimej(s)), "");
}
