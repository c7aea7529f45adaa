// The accessory placement dialog as a Qt view, run modally offscreen: drag a marker onto
// the sketch, type a position, confirm or cancel, check the session.
#include "GuiTestApp.h"
#include "Modalni.h"

#include "core/Session.h"
#include "dialogs/infill/Ovladace.h"
#include "dialogs/infill/Snimek.h"
#include "gui/core/QtPictureStore.h"
#include "gui/dialogs/options/DoplSupView.h"
#include "support/TestPaths.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using qmr::DoplSupView;

class DoplSupViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        s.TypZakazky = 1;
        s.SSirka = 1000;
        s.SVyska = 2000;
        s.SFormat = 1;
        s.SHPomer = 0.5;
        s.SVPomer = 0.5;
        qmr::TDDoplnek &a = s.SDoplnek1.DDoplnek;
        a.Polozka = 1;
        a.Nazev = "Kołatka";
        a.Namontovat = true;
        qmr::TDDoplnek &b = s.SDoplnek2.DDoplnek;
        b.Polozka = 3;
        b.Nazev = "Pochwyt pionowy 1200 mm";
        b.Namontovat = true;
        b.MadloVert = true;
        b.VzdVert = 1000;
        // A demo drawing when the pictures are built, else a blank one of the same size.
        obraz = qmr::QtPictureStore::Nacti(qmrtest::programDir() + "/RYSY/A1F1S1.jpg");
        if (obraz.size() != QSize(240, 480)) {
            obraz = QImage(240, 480, QImage::Format_RGB32);
            obraz.fill(Qt::white);
        }
    }

    void Cekej(std::function<void(DoplSupView *)> krok) { modalni.Cekej<DoplSupView>(std::move(krok)); }

    // Drags the marker of slot i with the mouse to the point (form coordinates).
    static void Tahni(DoplSupView *d, int i, QPoint cil)
    {
        QWidget *z = d->Znacka(i);
        QTest::mousePress(z, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(z, cil - z->pos());
        QTest::mouseRelease(z, Qt::LeftButton, {}, cil - z->pos());
    }

    qmr::Session s;
    QImage obraz;
    guitest::Modalni modalni;
};

TEST_F(DoplSupViewTest, DraggedAndTypedPositionsAreConfirmed)
{
    bool videno = false;
    Cekej([&](DoplSupView *d) {
        videno = true;
        EXPECT_EQ(d->windowTitle(), QString::fromUtf8("Umieszczenie aksesoriów"));
        EXPECT_FALSE(d->OKButton()->isEnabled());
        EXPECT_TRUE(d->Znacka(0)->isVisible());
        EXPECT_FALSE(d->Znacka(2)->isVisible());
        EXPECT_EQ(d->Jmeno(1)->text(), QString::fromUtf8("Pochwyt pionowy 1200 mm"));
        EXPECT_EQ(d->Zdola(1)->minimum(), 1050);

        // The outline is 200 x 400 at (30, 80): the drop of (40, 300) inside it.
        Tahni(d, 0, QPoint(30 + 40, 80 + 300));
        EXPECT_EQ(d->Zleva(0)->value(), 200);
        EXPECT_EQ(d->Zdola(0)->value(), 500);
        EXPECT_EQ(d->Znacka(0)->pos(), QPoint(30 + 40 - 10, 80 + 300 - 10));
        EXPECT_FALSE(d->OKButton()->isEnabled());

        d->Zdola(1)->setFocus();
        d->Zdola(1)->selectAll();
        QTest::keyClicks(d->Zdola(1), QStringLiteral("1600"));
        QTest::keyClick(d->Zdola(1), Qt::Key_Tab);
        EXPECT_EQ(d->Misto(1)->text(), QStringLiteral("(50 / 600)"));
        guitest::Snimek(d, "doplsup");
        ASSERT_TRUE(d->OKButton()->isEnabled());
        QTest::mouseClick(d->OKButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustDoplSup(s, obraz, QImage(), nullptr), qmr::kVysledekOK);
    EXPECT_TRUE(videno);
    EXPECT_TRUE(s.SDoplnek1.DDoplnek.Umisten);
    EXPECT_EQ(s.SDoplnek1.DDoplnek.Zleva, 200);
    EXPECT_EQ(s.SDoplnek1.DDoplnek.Zdola, 500);
    EXPECT_TRUE(s.SDoplnek2.DDoplnek.Umisten);
    EXPECT_EQ(s.SDoplnek2.DDoplnek.Zleva, 50);
    EXPECT_EQ(s.SDoplnek2.DDoplnek.Zdola, 1600);
    EXPECT_TRUE(s.SMadlo);
}

TEST_F(DoplSupViewTest, CancelLeavesTheSessionAsItWas)
{
    const qmrtest::Snimek pred = qmrtest::Snimej(s);
    Cekej([&](DoplSupView *d) {
        Tahni(d, 0, QPoint(100, 200));
        Tahni(d, 1, QPoint(120, 150));
        EXPECT_TRUE(d->OKButton()->isEnabled());
        QTest::mouseClick(d->NicButton(), Qt::LeftButton);
        EXPECT_FALSE(d->OKButton()->isEnabled());
        QTest::mouseClick(d->EscButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustDoplSup(s, obraz, QImage(), nullptr), qmr::kVysledekZrusit);
    EXPECT_EQ(qmrtest::Rozdily(pred, qmrtest::Snimej(s)), "");
}

} // namespace
