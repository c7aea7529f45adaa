// The muntin dialog as a Qt view, run modally offscreen over the demo catalogue with its
// drawings: pick a muntin and a width, confirm or cancel, check the session.
#include "SkloViewFixture.h"

#include "gui/dialogs/options/MrizkyView.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

using qmr::MrizkyView;

class MrizkyViewTest : public guitest::SkloViewTest {
protected:
    void SetUp() override { Priprav({"RYSY/PAF1S1M01.jpg", "RYSY/PAF1S1M02.jpg"}); }

    // A click on the radio button's box, where a user clicks.
    static void Klikni(QRadioButton *r) { QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(6, r->height() / 2)); }
    using SkloViewTest::Klikni;
};

TEST_F(MrizkyViewTest, MuntinAndWidthAreChosenAndConfirmed)
{
    bool videno = false;
    Cekej<MrizkyView>([&](MrizkyView *d) {
        videno = true;
        EXPECT_EQ(d->windowTitle(), QString::fromUtf8("Wybór kratek"));
        EXPECT_EQ(d->Label1()->text(), QString::fromUtf8("Kratki dla szyb potrójnych należy zamówić w uwadze!"));
        EXPECT_FALSE(d->OKButton()->isEnabled());
        EXPECT_FALSE(d->Sirka()->isVisible());
        ASSERT_TRUE(Klikni(d->Seznam(), "Sz 02 szprosy poziome – Aura"));
        ASSERT_TRUE(Klikni(d->Seznam(), "Sz 01 krzyż – Aura"));
        EXPECT_TRUE(d->Sirka()->isVisible());
        EXPECT_EQ(d->Sirka()->title(), QString::fromUtf8("Szerokość kratki w mm"));
        ASSERT_EQ(d->Sirky().size(), 3u);
        EXPECT_TRUE(d->Sirky()[0]->isChecked());
        EXPECT_EQ(d->Sirky()[1]->text(), QStringLiteral("26"));
        Klikni(d->Sirky()[1]);
        EXPECT_TRUE(d->Sirky()[1]->isChecked());
        EXPECT_FALSE(d->Sirky()[0]->isChecked());
        EXPECT_TRUE(d->Image1()->isVisible());
        EXPECT_FALSE(d->Image1()->pixmap().isNull());
        EXPECT_EQ(d->Image1()->width(), 135);
        guitest::Snimek(d, "mrizky");
        ASSERT_TRUE(d->OKButton()->isEnabled());
        QTest::mouseClick(d->OKButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustMrizky(s, obrazky, nullptr), qmr::kVysledekOK);
    EXPECT_TRUE(videno);
    EXPECT_TRUE(s.MrizkaVybrana);
    EXPECT_EQ(s.SKodMrizky, "PA-MR01");
    EXPECT_EQ(s.SMrizka.DMrizka.Nazev, "Sz 01 krzyż – Aura");
    EXPECT_EQ(s.SMrizka.DMrizka.SSirka, 26);
    EXPECT_EQ(s.SMrizka.DMrizka.SCena, 1150);
}

TEST_F(MrizkyViewTest, CancelLeavesTheSessionAsItWas)
{
    s.MrizkaVybrana = true;
    s.SKodMrizky = "PA-MR02";
    s.SMrizka.DMrizka = {1, "Sz 02 szprosy poziome – Aura", "PA-MR02", 45, 1500, 18, 1100, 26, 1300, 45, 1500};
    Cekej<MrizkyView>([&](MrizkyView *d) {
        ASSERT_TRUE(Klikni(d->Seznam(), "Sz 01 krzyż – Aura"));
        Klikni(d->Sirky().at(2));
        QTest::mouseClick(d->EscButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustMrizky(s, obrazky, nullptr), qmr::kVysledekZrusit);
    EXPECT_TRUE(s.MrizkaVybrana);
    EXPECT_EQ(s.SKodMrizky, "PA-MR02");
    EXPECT_EQ(s.SMrizka.DMrizka.Kod, "PA-MR02");
    EXPECT_EQ(s.SMrizka.DMrizka.SSirka, 45);
    EXPECT_EQ(s.SMrizka.DMrizka.SCena, 1500);
}

} // namespace
