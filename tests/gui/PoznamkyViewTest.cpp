// The notes dialog as a Qt view, run modally offscreen: type notes, leave the text,
// confirm or cancel, check the session.
#include "GuiTestApp.h"
#include "Modalni.h"

#include "core/Session.h"
#include "dialogs/infill/Ovladace.h"
#include "dialogs/infill/Snimek.h"
#include "gui/dialogs/options/PoznamkyView.h"
#include "support/FakeMessages.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using qmr::PoznamkyView;

class PoznamkyViewTest : public ::testing::Test {
protected:

    void Cekej(std::function<void(PoznamkyView *)> krok) { modalni.Cekej<PoznamkyView>(std::move(krok)); }

    qmr::Session s;
    qmrtest::FakeMessages m;
    guitest::Modalni modalni;
};

TEST_F(PoznamkyViewTest, TwelveLinesAreWarnedAboutAndAllStored)
{
    s.SPoznamky = {"Pierwsza uwaga"};
    bool videno = false;
    Cekej([&](PoznamkyView *d) {
        videno = true;
        EXPECT_EQ(d->windowTitle(), QString::fromUtf8("Uwagi i wymagania niestandardowe"));
        EXPECT_EQ(d->Poznamky()->toPlainText(), QStringLiteral("Pierwsza uwaga"));
        d->Poznamky()->setFocus();
        QTest::keyClick(d->Poznamky(), Qt::Key_End, Qt::ControlModifier);
        for (int i = 2; i <= 12; ++i) {
            QTest::keyClick(d->Poznamky(), Qt::Key_Return);
            QTest::keyClicks(d->Poznamky(), QStringLiteral("Wiersz %1").arg(i));
        }
        d->Poznamky()->insertPlainText(QString::fromUtf8(" – żółty"));
        EXPECT_TRUE(m.empty());
        QTest::keyClick(d->Poznamky(), Qt::Key_Tab);
        ASSERT_EQ(m.count(), 1u);
        EXPECT_EQ(m.last().caption, "UWAGA!");
        EXPECT_EQ(m.last().text, "Maksymalnie 10 wierszy");
        guitest::Snimek(d, "poznamky");
        QTest::mouseClick(d->OKButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustPoznamky(s, m, nullptr), qmr::kVysledekOK);
    EXPECT_TRUE(videno);
    ASSERT_EQ(s.SPoznamky.size(), 12u);
    EXPECT_EQ(s.SPoznamky[0], "Pierwsza uwaga");
    EXPECT_EQ(s.SPoznamky[11], "Wiersz 12 – żółty");
}

TEST_F(PoznamkyViewTest, CancelAfterEditingLeavesThePreviousNotes)
{
    s.SPoznamky = {"Stare", "uwagi"};
    const qmrtest::Snimek pred = qmrtest::Snimej(s);
    Cekej([&](PoznamkyView *d) {
        d->Poznamky()->setFocus();
        QTest::keyClicks(d->Poznamky(), QStringLiteral("Nowy tekst"));
        QTest::mouseClick(d->EscButton(), Qt::LeftButton);
    });
    EXPECT_EQ(qmr::SpustPoznamky(s, m, nullptr), qmr::kVysledekZrusit);
    EXPECT_EQ(qmrtest::Rozdily(pred, qmrtest::Snimej(s)), "");
}

} // namespace
