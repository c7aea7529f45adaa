// The overlay dimensions dialogs as a Qt view, run modally offscreen: one-sided and
// both passes of the two-sided one; typing runs the limit rules, OK stores, Cancel and
// Esc store nothing.
#include "GuiTestApp.h"
#include "Modalni.h"

#include "core/Session.h"
#include "dialogs/infill/Ovladace.h"
#include "dialogs/infill/Snimek.h"
#include "dialogs/options/UPrekrSpec.h"
#include "gui/dialogs/options/PrekrSpecView.h"
#include "gui/dialogs/options/RozmerView.h"
#include "support/FakeMessages.h"
#include "support/TestPaths.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace qmr;
using qmrtest::FakeMessages;

namespace {

QString U(const char *t) { return QString::fromUtf8(t); }

Session Relace(int prekryv, int strana)
{
    Session s;
    TDVypln &v = s.SVypln.DVypln;
    v.Polozka = 0;
    v.MinSirkaF1 = 300, v.MaxSirkaF1 = 1200, v.MinVyskaF1 = 500, v.MaxVyskaF1 = 2300;
    s.SPrekryvna = true;
    s.SPrekryv = prekryv;
    s.SStrana = strana;
    s.SHlinik = true;
    s.SSirka = 1000;
    s.SVyska = 2000;
    s.MaxSirka = 1000, s.MaxVyska = 2200;
    s.MaxSirkaP1 = 1200, s.MaxVyskaP1 = 2400, s.MaxSirkaP2 = 1200, s.MaxVyskaP2 = 2400;
    s.PomTloustka = 24;
    s.CTloustka = 24;
    s.STloustka = 66;
    s.apCesta = qmrtest::programDir() + "/";
    s.VolbaLeft = 30;
    s.VolbaTop = 10;
    return s;
}

qmrtest::Snimek Snimej(const Session &s)
{
    qmrtest::Snimek o = qmrtest::Snimej(s);
#define F(x) o.emplace_back(#x, qmrtest::detail::text(s.x))
    F(PVL2); F(PVP2); F(PVH2); F(PVD2); F(STloustka); F(CTloustka); F(SStrana);
#undef F
    return o;
}

// Replaces the whole text of a field as the user types it.
void Napis(RozmerPole *p, const char *text)
{
    p->setFocus(Qt::MouseFocusReason);
    p->selectAll();
    QTest::keyClick(p, Qt::Key_Delete);
    QTest::keyClicks(p, QString::fromUtf8(text));
}

} // namespace

TEST(PrekrSpecView, OneSidedTypingRunsTheRulesAndOKStores)
{
    Session s = Relace(1, 1);
    s.SBarva1.DBarva.DDekor = true; // 1130 overall
    FakeMessages m;
    guitest::Modalni modalni;
    bool videno = false;
    modalni.Cekej<PrekrSpecView>([&](PrekrSpecView *v) {
        videno = true;
        EXPECT_EQ(v->windowTitle(), U("Specyfikacja wymiarów"));
        EXPECT_EQ(v->EscButton()->text(), QStringLiteral("&Anuluj"));
        ASSERT_TRUE(v->Pole(PoleSpec::Sirka) && v->Pole(PoleSpec::Vyska) && v->ListZesil());
        EXPECT_EQ(v->Pole(PoleSpec::Tloustka), nullptr);
        EXPECT_EQ(v->Pole(PoleSpec::Sirka)->Text(), QStringLiteral("1000"));
        EXPECT_EQ(v->CSirka()->text(), QStringLiteral("1020"));
        EXPECT_EQ(v->CVyska()->text(), QStringLiteral("2020"));
        EXPECT_EQ(v->ListZesil()->count(), 28);
        EXPECT_TRUE(v->ListZesil()->item(27)->isSelected());
        guitest::Snimek(v, "prekrspec");

        Napis(v->Pole(PoleSpec::PPP), "100");
        Napis(v->Pole(PoleSpec::PPL), "100");
        EXPECT_EQ(v->Pole(PoleSpec::PPL)->Text(), QStringLiteral("30")); // 1130 overall
        EXPECT_EQ(v->CSirka()->text(), QStringLiteral("1130"));
        Napis(v->Pole(PoleSpec::PPH), "500");
        EXPECT_EQ(v->Pole(PoleSpec::PPH)->Text(), QStringLiteral("390")); // 2400 overall
        QTest::keyClick(v->Pole(PoleSpec::PPH), Qt::Key_Down); // one step of 10
        EXPECT_EQ(v->CVyska()->text(), QStringLiteral("2390"));
        Napis(v->Pole(PoleSpec::PPD), "3");
        QTest::keyClick(v->Pole(PoleSpec::PPD), Qt::Key_Tab); // leaving clamps
        EXPECT_EQ(v->Pole(PoleSpec::PPD)->Text(), QStringLiteral("10"));
        guitest::KlikniRadek(v->ListZesil(), "44");
        QTest::mouseClick(v->OKButton(), Qt::LeftButton);
    });
    EXPECT_EQ(SpustPrekrSpec(s, m, nullptr), kVysledekOK);
    EXPECT_TRUE(videno);
    EXPECT_TRUE(s.RozmerVybran);
    EXPECT_TRUE(s.PrekryvVybran);
    EXPECT_EQ(s.SSirka, 1000);
    EXPECT_EQ(s.PVL, 30);
    EXPECT_EQ(s.PVP, 100);
    EXPECT_EQ(s.PVH, 380);
    EXPECT_EQ(s.PVD, 10);
    EXPECT_TRUE(s.Zesilena);
    EXPECT_EQ(s.SZesil, 20);
    EXPECT_EQ(s.IndZesil, 20);
    EXPECT_TRUE(m.empty());
}

TEST(PrekrSpecView, OKWaitsForAThicknessRow)
{
    Session s = Relace(1, 1);
    s.Zesilena = true;
    s.CTloustka = 45; // no row
    FakeMessages m;
    TPrekrSpec d(s, m);
    PrekrSpecView v(d, nullptr);
    EXPECT_EQ(v.pos(), QPoint(d.Umisteni(v.width(), v.height()).Left, d.Umisteni(v.width(), v.height()).Top));
    v.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
    EXPECT_FALSE(v.OKButton()->isEnabled());
    EXPECT_TRUE(v.ListZesil()->selectedItems().isEmpty());
    guitest::KlikniRadek(v.ListZesil(), "24");
    EXPECT_TRUE(v.OKButton()->isEnabled());
    QTest::mouseClick(v.OKButton(), Qt::LeftButton);
    EXPECT_FALSE(v.isVisible());
    EXPECT_EQ(s.SZesil, 0);
    EXPECT_FALSE(s.Zesilena);
    if (v.isVisible())
        v.done(kVysledekZrusit);
}

TEST(PrekrSpecView, BothPassesOfTheTwoSidedPanel)
{
    Session s = Relace(2, 1);
    FakeMessages m;
    guitest::Modalni modalni;
    modalni.Cekej<PrekrSpecView>([&](PrekrSpecView *v) {
        ASSERT_TRUE(v->Pole(PoleSpec::Tloustka));
        EXPECT_TRUE(v->Pole(PoleSpec::Tloustka)->isVisible());
        EXPECT_EQ(v->Pole(PoleSpec::Tloustka)->Text(), QStringLiteral("66"));
        EXPECT_EQ(v->ListZesil(), nullptr);
        EXPECT_EQ(v->Pole(PoleSpec::Vyska), nullptr);
        guitest::Snimek(v, "prekr2spec-sirka");
        Napis(v->Pole(PoleSpec::PPL), "60");
        Napis(v->Pole(PoleSpec::PPH), "250"); // inner: at most 1200 - 1000 - 10
        EXPECT_EQ(v->Pole(PoleSpec::PPH)->Text(), QStringLiteral("190"));
        EXPECT_EQ(v->CVyska()->text(), QStringLiteral("1200"));
        QTest::keyClick(v->Pole(PoleSpec::Tloustka), Qt::Key_Up); // steps of 1 mm
        QTest::mouseClick(v->OKButton(), Qt::LeftButton);
    });
    ASSERT_EQ(SpustPrekrSpec(s, m, nullptr), kVysledekOK);
    EXPECT_EQ(s.PVL, 60);
    EXPECT_EQ(s.PVL2, 190);
    EXPECT_EQ(s.STloustka, 67);

    s.SStrana = 2;
    modalni.Cekej<PrekrSpecView>([&](PrekrSpecView *v) {
        ASSERT_TRUE(v->Pole(PoleSpec::Tloustka));
        EXPECT_FALSE(v->Pole(PoleSpec::Tloustka)->isVisible());
        EXPECT_EQ(v->Pole(PoleSpec::Sirka)->Text(), QStringLiteral("2000"));
        guitest::Snimek(v, "prekr2spec-vyska");
        Napis(v->Pole(PoleSpec::PPL), "100");
        Napis(v->Pole(PoleSpec::PPD), "70");
        QTest::keyClick(v->Pole(PoleSpec::PPD), Qt::Key_Return); // Enter confirms
    });
    ASSERT_EQ(SpustPrekrSpec(s, m, nullptr), kVysledekOK);
    EXPECT_EQ(s.SVyska, 2000);
    EXPECT_EQ(s.PVH, 100);
    EXPECT_EQ(s.PVH2, 70);
    EXPECT_EQ(s.PVL, 60); // the width pass stays
    EXPECT_TRUE(m.empty());
}

TEST(PrekrSpecView, CancelAndEscapeWriteNothing)
{
    for (int pripad = 0; pripad < 4; ++pripad) {
        SCOPED_TRACE(pripad);
        Session s = pripad < 2 ? Relace(1, 1) : Relace(2, pripad - 1);
        const auto pred = Snimej(s);
        FakeMessages m;
        guitest::Modalni modalni;
        modalni.Cekej<PrekrSpecView>([&](PrekrSpecView *v) {
            Napis(v->Pole(PoleSpec::Sirka), "800");
            Napis(v->Pole(PoleSpec::PPP), "150");
            if (pripad % 2)
                QTest::keyClick(v, Qt::Key_Escape);
            else
                QTest::mouseClick(v->EscButton(), Qt::LeftButton);
        });
        EXPECT_EQ(SpustPrekrSpec(s, m, nullptr), kVysledekZrusit);
        EXPECT_EQ(qmrtest::Rozdily(pred, Snimej(s)), "");
    }
}
