// The glass dialog as a Qt view, run modally offscreen over the demo catalogue with its
// glass pictures: pick the panes, confirm or cancel, check the session.
#include "SkloViewFixture.h"

#include "gui/dialogs/options/DekoryView.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

using qmr::DekoryView;
using qmr::Tabule;

class DekoryViewTest : public guitest::SkloViewTest {
protected:
    void SetUp() override { Priprav({"DEKORY"}); }

    // Waits until the dialog's activation (its automatic choices) has run.
    static bool Aktivovan(DekoryView *d)
    {
        for (int i = 0; i < 200 && !d->Aktivovan(); ++i)
            QTest::qWait(10);
        return d->Aktivovan();
    }
};

TEST_F(DekoryViewTest, TripleGlazingPanesAreChosenAndConfirmed)
{
    s.STrojsklo = true;
    bool videno = false;
    Cekej<DekoryView>([&](DekoryView *d) {
        videno = true;
        ASSERT_TRUE(Aktivovan(d));
        EXPECT_EQ(d->windowTitle(), QString::fromUtf8("Wybór szkła (dekorów)"));
        EXPECT_EQ(d->Nadpis(Tabule::Vnejsi)->text(), QString::fromUtf8("Strona zewnętrzna"));
        EXPECT_EQ(d->Nadpis(Tabule::Druha)->text(), QString::fromUtf8("2. szyba"));
        EXPECT_EQ(d->Nadpis(Tabule::Vnitrni)->text(), QString::fromUtf8("Strona wewnętrzna"));
        EXPECT_TRUE(d->Panel(Tabule::Druha)->isVisible());
        EXPECT_FALSE(d->Panel(Tabule::Treti)->isVisible());
        EXPECT_EQ(d->Panel(Tabule::Druha)->x(), d->Panel(Tabule::Vnejsi)->geometry().right() + 11);
        EXPECT_EQ(d->Panel(Tabule::Vnitrni)->x(), d->Panel(Tabule::Druha)->geometry().right() + 11);
        EXPECT_EQ(Polozky(d->Seznam(Tabule::Druha)),
                  (QStringList{"Float przezroczysty 3 mm", "Float przezroczysty 4 mm", "Hartowane 6 mm",
                               "Laminowane 3.3.1"}));
        EXPECT_FALSE(d->OKButton()->isEnabled());
        for (Tabule t : qmr::kTabule)
            EXPECT_TRUE(d->Seznam(t)->selectedItems().isEmpty());

        ASSERT_TRUE(Klikni(d->Seznam(Tabule::Vnejsi), "Kropla"));
        EXPECT_TRUE(d->Vzorek(Tabule::Vnejsi)->isVisible());
        EXPECT_FALSE(d->Vzorek(Tabule::Vnejsi)->pixmap().isNull());
        ASSERT_TRUE(Klikni(d->Seznam(Tabule::Vnitrni), "Szron"));
        EXPECT_FALSE(d->OKButton()->isEnabled()) << "the middle pane is missing";
        ASSERT_TRUE(Klikni(d->Seznam(Tabule::Druha), "Hartowane 6 mm"));
        guitest::Snimek(d, "dekory-trojsklo");
        ASSERT_TRUE(d->OKButton()->isEnabled());
        QTest::mouseClick(d->OKButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustDekory(s, zpravy, obrazky, nullptr), qmr::kVysledekOK);
    EXPECT_TRUE(videno);
    EXPECT_TRUE(s.DekoryVybrany);
    EXPECT_EQ(s.SDekor1.DDekor.Kod, "krp4");
    EXPECT_EQ(s.SDekorP.DDekor.Kod, "hrt6");
    EXPECT_EQ(s.SDekorP.DDekor.Tloustka, 6);
    EXPECT_EQ(s.SDekor2.DDekor.Kod, "szr4");
    EXPECT_EQ(s.SDekor4.DDekor.Polozka, -1);
    EXPECT_TRUE(zpravy.empty());
}

TEST_F(DekoryViewTest, CancelAfterTheAutomaticChoicesLeavesTheSessionAsItWas)
{
    s.SVyztuz = 5; // sound damping prescribes the outer pane
    s.DekoryVybrany = true;
    s.SDekor1.DDekor = {0, "Szron", "szr4", 1, 4};
    s.SDekor2.DDekor = {9, "Szron", "szr4", 1, 4};
    const qmr::TDdekor pred1 = s.SDekor1.DDekor, pred2 = s.SDekor2.DDekor;
    Cekej<DekoryView>([&](DekoryView *d) {
        ASSERT_TRUE(Aktivovan(d));
        EXPECT_EQ(Polozky(d->Seznam(Tabule::Vnejsi)), QStringList{"Float 8 mm (35 dB)"});
        ASSERT_EQ(d->Seznam(Tabule::Vnejsi)->selectedItems().size(), 1);
        ASSERT_EQ(d->Seznam(Tabule::Vnitrni)->selectedItems().size(), 1);
        EXPECT_EQ(d->Seznam(Tabule::Vnitrni)->selectedItems().front()->text(),
                  QStringLiteral("Float przezroczysty 3 mm"));
        EXPECT_TRUE(d->OKButton()->isEnabled());
        ASSERT_TRUE(Klikni(d->Seznam(Tabule::Vnitrni), "Szkło wypukłe Fala"));
        guitest::Snimek(d, "dekory-35db");
        QTest::mouseClick(d->EscButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustDekory(s, zpravy, obrazky, nullptr), qmr::kVysledekZrusit);
    EXPECT_TRUE(s.DekoryVybrany);
    EXPECT_EQ(s.SDekor1.DDekor.Kod, pred1.Kod);
    EXPECT_EQ(s.SDekor1.DDekor.Polozka, pred1.Polozka);
    EXPECT_EQ(s.SDekor2.DDekor.Nazev, pred2.Nazev);
    EXPECT_EQ(s.SDekor2.DDekor.Polozka, pred2.Polozka);
    EXPECT_EQ(s.SDekorP.DDekor.Polozka, -1);
}

} // namespace
