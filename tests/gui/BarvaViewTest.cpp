// The colour dialogs as Qt views, run modally offscreen over the demo catalogue with its
// swatches: pick colours, type RAL numbers, confirm or cancel, check the session.
#include "GuiTestApp.h"
#include "Modalni.h"

#include "catalogues/Seznamy.h"
#include "core/Session.h"
#include "dialogs/infill/Snimek.h"
#include "dialogs/options/UBarva.h"
#include "dialogs/options/UBarvaR.h"
#include "gui/core/QtPictureStore.h"
#include "gui/dialogs/options/BarvaView.h"
#include "support/TestPaths.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace {

using qmr::BarvaRView;
using qmr::BarvaView;
using Strana = qmr::StranaBarvy;

class BarvaViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        namespace fs = std::filesystem;
        const fs::path demo = fs::path(qmrtest::programDir()) / "DATA";
        if (!fs::exists(demo / "barvy.qmr"))
            GTEST_SKIP() << "the demo catalogue is not built: " << demo;
        fs::copy(qmrtest::programDir() + "/DATA", dir.path() / "DATA", fs::copy_options::recursive);
        fs::copy(qmrtest::programDir() + "/BARVY", dir.path() / "BARVY", fs::copy_options::recursive);
        fs::copy(qmrtest::programDir() + "/RYSY", dir.path() / "RYSY", fs::copy_options::recursive);
        qmr::InitSession(s, dir.file("quilmar"));
        qmr::SeznamyBarev(s);
        qmr::TDVypln &v = s.SVypln.DVypln;
        v.Polozka = 0;
        v.Kod = "DU";
        v.MaxSirkaF1 = 1000;
        v.MaxVyskaF1 = 2200;
        s.SFormat = 1;
        s.SHlinik = true;
    }

    template <class T> void Cekej(std::function<void(T *)> krok) { modalni.Cekej<T>(std::move(krok)); }

    static bool Klikni(QListWidget *l, const std::string &nazev) { return guitest::KlikniRadek(l, nazev); }

    static void Snimek(QWidget *w, const std::string &jmeno) { guitest::Snimek(w, jmeno); }

    static void Napis(QLineEdit *e, const QString &text)
    {
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, text);
    }

    qmrtest::TempDir dir;
    qmr::Session s;
    qmr::QtPictureStore obrazky;
    guitest::Modalni modalni;
};

TEST_F(BarvaViewTest, AluminiumColoursWithRalNumbersAreConfirmed)
{
    bool videno = false;
    Cekej<BarvaView>([&](BarvaView *d) {
        videno = true;
        EXPECT_EQ(d->windowTitle(), QString::fromUtf8("Wybór kolorów wypełnień"));
        EXPECT_FALSE(d->Panel(Strana::Pozice2)->isVisible());
        EXPECT_FALSE(d->Image4()->isVisible());
        EXPECT_EQ(d->Nadpis(Strana::Vnejsi)->text(), QString::fromUtf8("Strona zewnętrzna"));
        EXPECT_FALSE(d->OKButton()->isEnabled());
        // The focused list makes a row current, which chooses nothing.
        for (Strana st : {Strana::Vnejsi, Strana::Vnitrni})
            EXPECT_TRUE(d->Seznam(st)->selectedItems().isEmpty());

        // A plain colour outside asks for its number, a fixed-RAL one inside shows its swatch.
        ASSERT_TRUE(Klikni(d->Seznam(Strana::Vnejsi), "Kolor niestandardowy"));
        QLineEdit *ral1 = d->RAL(Strana::Vnejsi);
        EXPECT_TRUE(ral1->isVisible());
        EXPECT_TRUE(d->PopisRAL(Strana::Vnejsi)->isVisible());
        EXPECT_EQ(ral1->text(), QStringLiteral("0000"));
        EXPECT_FALSE(d->Vzorek(Strana::Vnejsi)->isVisible());
        ASSERT_TRUE(Klikni(d->Seznam(Strana::Vnitrni), "Antracyt metalik"));
        EXPECT_FALSE(d->RAL(Strana::Vnitrni)->isVisible());
        EXPECT_TRUE(d->Vzorek(Strana::Vnitrni)->isVisible());
        EXPECT_FALSE(d->Vzorek(Strana::Vnitrni)->pixmap().isNull());
        EXPECT_FALSE(d->OKButton()->isEnabled()) << "RAL 0000 is no number";

        Napis(ral1, QStringLiteral("30x2055"));
        EXPECT_EQ(ral1->text(), QStringLiteral("3020")) << "four digits only";
        EXPECT_TRUE(d->OKButton()->isEnabled());
        Napis(ral1, QString());
        EXPECT_FALSE(d->OKButton()->isEnabled());
        Napis(ral1, QStringLiteral("3020"));
        Snimek(d, "barvy-hlinik");
        ASSERT_TRUE(d->OKButton()->isEnabled());
        QTest::mouseClick(d->OKButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustBarvy(s, obrazky, nullptr), qmr::kVysledekOK);
    EXPECT_TRUE(videno);
    EXPECT_TRUE(s.BarvyVybrany);
    EXPECT_EQ(s.SBarva1.DBarva.Nazev, "Kolor niestandardowy");
    EXPECT_EQ(s.SBarva1.DBarva.Kod, "nest01");
    EXPECT_EQ(s.SBarva1.DBarva.Cislo, "3020");
    EXPECT_EQ(s.SBarva2.DBarva.Nazev, "Antracyt metalik");
    EXPECT_EQ(s.SBarva2.DBarva.Cislo, "");
    EXPECT_EQ(s.SBarva12.DBarva.Polozka, -1);
    EXPECT_EQ(s.SSirka, 1000);
    EXPECT_EQ(s.SVyska, 2200);
    EXPECT_TRUE(s.RozmerVybran);
}

TEST_F(BarvaViewTest, TwoColourPanelShowsItsDrawingAndPosition2)
{
    s.SDvojbarva = true;
    bool videno = false;
    Cekej<BarvaView>([&](BarvaView *d) {
        videno = true;
        EXPECT_TRUE(d->Panel(Strana::Pozice2)->isVisible());
        EXPECT_TRUE(d->Image4()->isVisible()) << "RYSY/DUF1S1.jpg";
        EXPECT_EQ(d->Nadpis(Strana::Vnejsi)->text(), QString::fromUtf8("Zewnętrz – pozycja 1"));
        EXPECT_EQ(d->Nadpis(Strana::Pozice2)->text(), QString::fromUtf8("Zewnętrz – pozycja 2"));
        ASSERT_TRUE(Klikni(d->Seznam(Strana::Vnejsi), "Srebro anodowane"));
        ASSERT_TRUE(Klikni(d->Seznam(Strana::Vnitrni), "Srebro anodowane"));
        EXPECT_FALSE(d->OKButton()->isEnabled()) << "position 2 is missing";
        ASSERT_TRUE(Klikni(d->Seznam(Strana::Pozice2), "Własny kolor RAL"));
        EXPECT_TRUE(d->RAL(Strana::Pozice2)->isVisible());
        Napis(d->RAL(Strana::Pozice2), QStringLiteral("1015"));
        Snimek(d, "barvy-dvojbarva");
        ASSERT_TRUE(d->OKButton()->isEnabled());
        QTest::mouseClick(d->OKButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustBarvy(s, obrazky, nullptr), qmr::kVysledekOK);
    EXPECT_TRUE(videno);
    EXPECT_EQ(s.SBarva12.DBarva.Kod, "vlral");
    EXPECT_EQ(s.SBarva12.DBarva.Cislo, "1015");
    EXPECT_EQ(s.SBarva1.DBarva.Cislo, "");
}

TEST_F(BarvaViewTest, CancelLeavesTheSessionAsItWas)
{
    s.SBarva1.DBarva.Nazev = "Antracyt metalik";
    s.SBarva1.DBarva.Polozka = 1;
    const qmrtest::Snimek pred = qmrtest::Snimej(s);
    const qmr::TDbarva barva1 = s.SBarva1.DBarva;
    Cekej<BarvaView>([&](BarvaView *d) {
        Klikni(d->Seznam(Strana::Vnejsi), "Kolor niestandardowy");
        Klikni(d->Seznam(Strana::Vnitrni), "Srebro anodowane");
        Napis(d->RAL(Strana::Vnejsi), QStringLiteral("7016"));
        EXPECT_TRUE(d->OKButton()->isEnabled());
        QTest::mouseClick(d->EscButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustBarvy(s, obrazky, nullptr), qmr::kVysledekZrusit);
    EXPECT_EQ(qmrtest::Rozdily(pred, qmrtest::Snimej(s)), "");
    EXPECT_EQ(s.SBarva1.DBarva.Nazev, barva1.Nazev);
    EXPECT_EQ(s.SBarva1.DBarva.Polozka, barva1.Polozka);
    EXPECT_EQ(s.SBarva2.DBarva.Polozka, -1);
}

TEST_F(BarvaViewTest, FrameColourIsStoredForItsSide)
{
    s.StranaR = 2;
    bool videno = false;
    Cekej<BarvaRView>([&](BarvaRView *d) {
        videno = true;
        EXPECT_EQ(d->windowTitle(), QString::fromUtf8("Wybór koloru ramki"));
        EXPECT_EQ(d->Label1()->text(), QString::fromUtf8("Strona wewnętrzna"));
        EXPECT_FALSE(d->OKButton()->isEnabled());
        EXPECT_FALSE(d->Image1()->isVisible());
        ASSERT_TRUE(Klikni(d->Seznam(), "Orzech – folia"));
        EXPECT_TRUE(d->Image1()->isVisible());
        Snimek(d, "barva-ramu");
        ASSERT_TRUE(d->OKButton()->isEnabled());
        QTest::mouseClick(d->OKButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustBarvuRamu(s, obrazky, nullptr), qmr::kVysledekOK);
    EXPECT_TRUE(videno);
    EXPECT_EQ(s.PBarva2.RBarva.Kod, "fol01");
    EXPECT_EQ(s.PBarva2.RBarva.Nazev, "Orzech – folia");
    EXPECT_EQ(s.PBarva1.RBarva.Kod, "");

    // Esc leaves without a choice.
    const std::string pred = s.PBarva2.RBarva.Kod;
    Cekej<BarvaRView>([&](BarvaRView *d) {
        Klikni(d->Seznam(), "Biały");
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_EQ(qmr::SpustBarvuRamu(s, obrazky, nullptr), qmr::kVysledekZrusit);
    EXPECT_EQ(s.PBarva2.RBarva.Kod, pred);
}

} // namespace
