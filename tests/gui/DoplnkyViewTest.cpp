// The accessories dialog as a Qt view, run modally offscreen over the demo catalogue with
// its pictures: check accessories, set mounting, counts and thicknesses, confirm, clear or
// cancel, check the session.
#include "GuiTestApp.h"
#include "Modalni.h"

#include "core/Session.h"
#include "dialogs/infill/Snimek.h"
#include "dialogs/options/UDoplnky.h"
#include "gui/core/QtPictureStore.h"
#include "gui/dialogs/options/DoplnkyView.h"
#include "support/FakeMessages.h"
#include "support/TestPaths.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace {

using qmr::DoplnkyView;

class DoplnkyViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        namespace fs = std::filesystem;
        const fs::path demo = fs::path(qmrtest::programDir()) / "DATA";
        if (!fs::exists(demo / "doplnky.qmr"))
            GTEST_SKIP() << "the demo catalogue is not built: " << demo;
        fs::copy(demo, dir.path() / "DATA", fs::copy_options::recursive);
        fs::copy(qmrtest::programDir() + "/DOPLNKY", dir.path() / "DOPLNKY", fs::copy_options::recursive);
        qmr::InitSession(s, dir.file("quilmar"));
        s.TypZakazky = 1;
        s.SVypln.DVypln.Polozka = 0;
        s.SVypln.DVypln.Kod = "DU";
        s.SFormat = 1;
        s.CTloustka = 36;
        s.STloustka = 34;
    }

    void Cekej(std::function<void(DoplnkyView *)> krok) { modalni.Cekej<DoplnkyView>(std::move(krok)); }

    // Clicks the row of the accessory and sets its check mark; false when not listed.
    static bool Zaskrtni(QListWidget *l, const std::string &nazev)
    {
        QListWidgetItem *r = guitest::KlikniRadek(l, nazev);
        if (r)
            r->setCheckState(Qt::Checked);
        return r != nullptr;
    }

    static void Napis(QSpinBox *e, const QString &text)
    {
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
        QTest::keyClick(e, Qt::Key_Tab);
    }

    qmrtest::TempDir dir;
    qmr::Session s;
    qmrtest::FakeMessages m;
    qmr::QtPictureStore obrazky;
    guitest::Modalni modalni;
};

TEST_F(DoplnkyViewTest, InfillJobAccessoriesAreConfirmed)
{
    s.SZesil = 10;
    bool videno = false;
    Cekej([&](DoplnkyView *d) {
        videno = true;
        EXPECT_EQ(d->windowTitle(), QString::fromUtf8("Wybór akcesoriów"));
        EXPECT_EQ(d->NicButton()->text(), QString::fromUtf8("&Skasowań selekcję"));
        EXPECT_FALSE(d->OKButton()->isEnabled());
        EXPECT_FALSE(d->Image1()->isVisible());
        EXPECT_FALSE(d->Montaz(0)->isVisible());

        ASSERT_TRUE(Zaskrtni(d->Seznam(), "Kołatka"));
        EXPECT_TRUE(d->Image1()->isVisible()) << "DOPLNKY/kol01.jpg";
        EXPECT_EQ(d->Jmeno(0)->text(), QString::fromUtf8("Kołatka"));
        EXPECT_TRUE(d->Montaz(0)->isVisible());
        EXPECT_TRUE(d->Montaz(0)->isEnabled());
        EXPECT_FALSE(d->Montaz(0)->isChecked());
        EXPECT_FALSE(d->Pocet(0)->isVisible());
        QTest::mouseClick(d->Montaz(0), Qt::LeftButton);
        EXPECT_TRUE(d->Montaz(0)->isChecked());

        ASSERT_TRUE(Zaskrtni(d->Seznam(), "Pochwyt pionowy 1200 mm"));
        EXPECT_EQ(m.count(), 1u) << "the spacer frame message";
        EXPECT_EQ(d->Jmeno(1)->text(), QString::fromUtf8("Pochwyt pionowy 1200 mm + czarna RD"));
        ASSERT_TRUE(Zaskrtni(d->Seznam(), "Wizjer szerokokątny"));
        EXPECT_TRUE(d->Montaz(2)->isChecked());
        EXPECT_FALSE(d->Montaz(2)->isEnabled()) << "always mounted";
        EXPECT_FALSE(d->Label5()->isVisible());
        guitest::Snimek(d, "doplnky-vypln");
        ASSERT_TRUE(d->OKButton()->isEnabled());
        QTest::mouseClick(d->OKButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustDoplnky(s, m, obrazky, nullptr), qmr::kVysledekOK);
    EXPECT_TRUE(videno);
    EXPECT_TRUE(s.DoplnkyVybrany);
    EXPECT_EQ(s.SDoplnek1.DDoplnek.Kod, "kol01");
    EXPECT_TRUE(s.SDoplnek1.DDoplnek.Namontovat);
    EXPECT_EQ(s.SDoplnek2.DDoplnek.Kod, "pp12");
    EXPECT_EQ(s.SDoplnek2.DDoplnek.SBarvaDR, 1);
    EXPECT_FALSE(s.SDoplnek2.DDoplnek.Namontovat);
    EXPECT_EQ(s.SDoplnek3.DDoplnek.Kod, "wiz01");
    EXPECT_TRUE(s.SDoplnek3.DDoplnek.Namontovat);
    EXPECT_EQ(s.SDoplnek4.DDoplnek.Polozka, -1);

    // Reopened: the slots are shown, the list has no marks; clearing empties the session.
    bool znovu = false;
    Cekej([&](DoplnkyView *d) {
        znovu = true;
        EXPECT_EQ(d->Jmeno(0)->text(), QString::fromUtf8("Kołatka"));
        EXPECT_TRUE(d->Montaz(0)->isChecked());
        EXPECT_TRUE(d->OKButton()->isEnabled());
        for (int r = 0; r < d->Seznam()->count(); ++r)
            EXPECT_EQ(d->Seznam()->item(r)->checkState(), Qt::Unchecked);
        QTest::mouseClick(d->NicButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustDoplnky(s, m, obrazky, nullptr), qmr::IDNO);
    EXPECT_TRUE(znovu);
    EXPECT_FALSE(s.DoplnkyVybrany);
    EXPECT_EQ(s.SDoplnek1.DDoplnek.Polozka, -1);
    EXPECT_EQ(s.SDoplnek3.DDoplnek.Polozka, -1);
}

TEST_F(DoplnkyViewTest, AccessoriesOnlyJobTakesCountsAndThickness)
{
    // The start flow's accessories-only job: no infill chosen.
    s.TypZakazky = 2;
    s.SVypln = qmr::TOVypln{};
    s.SFormat = -1;
    s.CTloustka = 0;
    s.STloustka = 0;
    m.AnswerYes();
    bool videno = false;
    Cekej([&](DoplnkyView *d) {
        videno = true;
        ASSERT_TRUE(Zaskrtni(d->Seznam(), "Klamka z szyldem"));
        ASSERT_TRUE(Zaskrtni(d->Seznam(), "Wrzutka na listy biała"));
        EXPECT_EQ(m.count(), 1u) << "the spacer frame question";
        EXPECT_EQ(d->Jmeno(1)->text(), QString::fromUtf8("Wrzutka na listy biała + biała RD"));
        EXPECT_FALSE(d->Montaz(0)->isVisible());
        EXPECT_TRUE(d->Pocet(0)->isVisible());
        EXPECT_TRUE(d->Tloustka(0)->isVisible());
        EXPECT_TRUE(d->Label5()->isVisible());
        EXPECT_EQ(d->Tloustka(0)->maximum(), 48);
        EXPECT_EQ(d->Tloustka(0)->value(), 48);
        Napis(d->Pocet(0), QStringLiteral("3"));
        Napis(d->Tloustka(0), QStringLiteral("44"));
        Napis(d->Pocet(1), QStringLiteral("2"));
        guitest::Snimek(d, "doplnky-jen");
        QTest::mouseClick(d->OKButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustDoplnky(s, m, obrazky, nullptr), qmr::kVysledekOK);
    EXPECT_TRUE(videno);
    EXPECT_TRUE(s.DoplnkyVybrany);
    EXPECT_EQ(s.SDoplnek1.DDoplnek.Kod, "kl01");
    EXPECT_EQ(s.SDoplnek1.DDoplnek.PocetKs, 3);
    EXPECT_EQ(s.SDoplnek1.DDoplnek.Tloustka, 44);
    EXPECT_EQ(s.SDoplnek2.DDoplnek.Kod, "tipbi");
    EXPECT_EQ(s.SDoplnek2.DDoplnek.PocetKs, 2);
    EXPECT_EQ(s.SDoplnek2.DDoplnek.SBarvaDR, 0);
}

TEST_F(DoplnkyViewTest, CancelLeavesTheSessionAsItWas)
{
    s.DoplnkyVybrany = true;
    s.SDoplnek1.DDoplnek.Polozka = 1;
    s.SDoplnek1.DDoplnek.Nazev = "Kołatka";
    s.SDoplnek1.DDoplnek.Kod = "kol01";
    s.SDoplnek1.DDoplnek.SMontaz = 400;
    const qmrtest::Snimek pred = qmrtest::Snimej(s);
    Cekej([&](DoplnkyView *d) {
        Zaskrtni(d->Seznam(), "Klamka z szyldem");
        QTest::mouseClick(d->Montaz(0), Qt::LeftButton);
        QTest::mouseClick(d->Montaz(1), Qt::LeftButton);
        QTest::mouseClick(d->EscButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustDoplnky(s, m, obrazky, nullptr), qmr::kVysledekZrusit);
    EXPECT_EQ(qmrtest::Rozdily(pred, qmrtest::Snimej(s)), "");

    // Esc as well.
    Cekej([&](DoplnkyView *d) {
        Zaskrtni(d->Seznam(), "Kołatka");
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_EQ(qmr::SpustDoplnky(s, m, obrazky, nullptr), qmr::kVysledekZrusit);
    EXPECT_EQ(qmrtest::Rozdily(pred, qmrtest::Snimej(s)), "");
}

} // namespace
