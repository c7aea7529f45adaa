// The stained-glass dialog as a Qt view, run modally offscreen over the demo catalogue
// with its pictures: pick an item, confirm, clear or cancel, check the session.
#include "SkloViewFixture.h"

#include "gui/dialogs/options/VitrazView.h"

#include <QLabel>
#include <QPushButton>

namespace {

using qmr::VitrazView;

class VitrazViewTest : public guitest::SkloViewTest {
protected:
    void SetUp() override { Priprav({"VITRAZE"}); }
};

TEST_F(VitrazViewTest, StainedGlassIsChosenAndConfirmed)
{
    s.DekoryVybrany = true;
    bool videno = false;
    Cekej<VitrazView>([&](VitrazView *d) {
        videno = true;
        EXPECT_EQ(d->windowTitle(), QString::fromUtf8("Wybór witraży, szkła piaskowanego i spiekanego"));
        EXPECT_EQ(d->NicButton()->text(), QString::fromUtf8("&Skasowań selekcję"));
        EXPECT_EQ(Polozky(d->Seznam()), (QStringList{QString::fromUtf8("Piaskowane z dekorem Liście"),
                                                     QString::fromUtf8("Szkło piaskowane Fale"),
                                                     QString::fromUtf8("Witraż Tulipan")}));
        EXPECT_FALSE(d->OKButton()->isEnabled());
        EXPECT_FALSE(d->Image1()->isVisible());
        ASSERT_TRUE(Klikni(d->Seznam(), "Witraż Tulipan"));
        EXPECT_EQ(d->TextVitraze()->text(), QString::fromUtf8("Witraż Witraż Tulipan"));
        EXPECT_TRUE(d->Image1()->isVisible());
        EXPECT_FALSE(d->Image1()->pixmap().isNull());
        guitest::Snimek(d, "vitraz");
        ASSERT_TRUE(d->OKButton()->isEnabled());
        QTest::mouseClick(d->OKButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustVitraz(s, obrazky, nullptr), qmr::kVysledekOK);
    EXPECT_TRUE(videno);
    EXPECT_TRUE(s.VitrazVybrana);
    EXPECT_FALSE(s.DekoryVybrany);
    EXPECT_EQ(s.SVitraz.DVitraz.Kod, "PAW01");
    EXPECT_EQ(s.SVitraz.DVitraz.Polozka, 2);
    EXPECT_EQ(s.SVitraz.DVitraz.CF1S2, 4200);

    // The clearing button closes with No and keeps the record.
    Cekej<VitrazView>([&](VitrazView *d) { QTest::mouseClick(d->NicButton(), Qt::LeftButton); });
    EXPECT_EQ(qmr::SpustVitraz(s, obrazky, nullptr), qmr::TVVitraz::kVysledekNe);
    EXPECT_FALSE(s.VitrazVybrana);
    EXPECT_EQ(s.SVitraz.DVitraz.Kod, "PAW01");
}

TEST_F(VitrazViewTest, CancelLeavesTheSessionAsItWas)
{
    s.VitrazVybrana = true;
    s.DekoryVybrany = true;
    s.SVitraz.DVitraz = {1, "Szkło piaskowane Fale", "PAP01", 1, 1900};
    Cekej<VitrazView>([&](VitrazView *d) {
        ASSERT_TRUE(Klikni(d->Seznam(), "Witraż Tulipan"));
        QTest::mouseClick(d->EscButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustVitraz(s, obrazky, nullptr), qmr::kVysledekZrusit);
    EXPECT_TRUE(s.VitrazVybrana);
    EXPECT_TRUE(s.DekoryVybrany);
    EXPECT_EQ(s.SVitraz.DVitraz.Kod, "PAP01");
    EXPECT_EQ(s.SVitraz.DVitraz.Polozka, 1);
    EXPECT_EQ(s.SVitraz.DVitraz.CF1S1, 1900);
    EXPECT_EQ(s.SVitraz.DVitraz.CF1S2, 0);
}

} // namespace
