// The dimensions view: typing, leaving the fields, the thickening, OK and Cancel.
#include "GuiTestApp.h"

#include "core/Session.h"
#include "core/Umisteni.h"
#include "dialogs/options/URozmer.h"
#include "gui/dialogs/options/RozmerView.h"
#include "gui/core/QtMessages.h"
#include "support/FakeMessages.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>


using namespace qmr;
using qmrtest::FakeMessages;

namespace {

Session Relace()
{
    Session s;
    TDVypln &v = s.SVypln.DVypln;
    v.Polozka = 0;
    v.MinVyskaF2 = 600, v.MaxVyskaF2 = 2000, v.MinSirkaF2 = 250, v.MaxSirkaF2 = 950;
    v.HraVyskaF2 = 700, v.HraSirkaF2 = 400;
    s.SFormat = 2;
    s.SSirka = 800;
    s.SVyska = 1900;
    s.PomTloustka = 24;
    s.CTloustka = 24;
    s.VolbaLeft = 40;
    s.VolbaTop = 20;
    return s;
}

// Closes the dialog with Cancel when the test's actions end without closing it (a failed
// assertion returns early), so that exec() always returns.
struct Zavri {
    QPointer<QDialog> d;
    ~Zavri()
    {
        if (d && d->isVisible())
            d->done(kVysledekZrusit);
    }
};

// Replaces the whole text of a dimension field as the user types it.
void Napis(RozmerPole *p, const char *text)
{
    p->setFocus(Qt::MouseFocusReason);
    p->selectAll();
    QTest::keyClick(p, Qt::Key_Delete);
    QTest::keyClicks(p, QString::fromUtf8(text));
}

QString U(const char *t) { return QString::fromUtf8(t); }

TEST(RozmerView, TypedWidthLeftByTabIsCheckedAndOKStoresIt)
{
    Session s = Relace();
    FakeMessages m;
    bool videno = false;
    guitest::ZaModalnim<RozmerView>([&](RozmerView *v) {
        Zavri z{v};
        videno = true;
        ASSERT_TRUE(QTest::qWaitForWindowActive(v));
        EXPECT_EQ(v->windowTitle(), U("Określenie wymiarów wypełnienia"));
        EXPECT_EQ(v->Sirka()->Text(), QStringLiteral("800"));
        EXPECT_EQ(v->Vyska()->Text(), QStringLiteral("1900"));
        EXPECT_EQ(v->HraniceSirky()->text(), U("Minimalnie 250, maksymalnie 900, otwór zmniejszony poniżej 400 mm"));
        EXPECT_EQ(v->OKButton()->text(), QStringLiteral("O&K"));
        EXPECT_EQ(v->ZrusitButton()->text(), QStringLiteral("&Anuluj"));
        EXPECT_TRUE(v->OKButton()->isEnabled());
        EXPECT_FALSE(v->ListZesil()->isEnabled());
        EXPECT_EQ(v->ListZesil()->count(), 13);

        // Too wide: the warning, the maximum, and the focus back in the field.
        Napis(v->Sirka(), "50000");
        EXPECT_EQ(v->Sirka()->Text(), QStringLiteral("5000")); // at most 4 characters
        QTest::keyClick(v->Sirka(), Qt::Key_Tab);
        ASSERT_EQ(m.count(), 1u);
        EXPECT_EQ(m.last().caption, "UWAGA!");
        EXPECT_EQ(m.last().text, "Wypełnienie za szerokie");
        EXPECT_EQ(v->Sirka()->Text(), QStringLiteral("900"));
        EXPECT_TRUE(v->Sirka()->hasFocus());

        // Two digits: focus back, no message.
        Napis(v->Sirka(), "95");
        QTest::keyClick(v->Sirka(), Qt::Key_Tab);
        EXPECT_EQ(m.count(), 1u);
        EXPECT_TRUE(v->Sirka()->hasFocus());

        Napis(v->Sirka(), "720");
        QTest::keyClick(v->Sirka(), Qt::Key_Tab);
        EXPECT_EQ(m.count(), 1u);
        EXPECT_TRUE(v->Vyska()->hasFocus());
        QTest::keyClick(v->Vyska(), Qt::Key_Up); // one step of 10
        EXPECT_EQ(v->Vyska()->Text(), QStringLiteral("1910"));

        QTest::mouseClick(v->CheckBoxZ(), Qt::LeftButton, {}, QPoint(8, v->CheckBoxZ()->height() / 2));
        EXPECT_TRUE(v->ListZesil()->isEnabled());
        EXPECT_EQ(v->ListZesil()->currentRow(), 12);
        QTest::mouseClick(v->OKButton(), Qt::LeftButton);
    });
    EXPECT_EQ(SpustRozmer(s, m, nullptr), kVysledekOK);
    EXPECT_TRUE(videno);
    EXPECT_TRUE(s.RozmerVybran);
    EXPECT_EQ(s.SSirka, 720);
    EXPECT_EQ(s.SVyska, 1910);
    EXPECT_TRUE(s.Zesilena);
    EXPECT_EQ(s.SZesil, 4);
    EXPECT_EQ(s.CTloustka, 28);
}

TEST(RozmerView, CancelAndEscapeWriteNothing)
{
    for (bool esc : {false, true}) {
        SCOPED_TRACE(esc ? "Esc" : "Cancel");
        Session s = Relace();
        s.SPoznamky = {"stará"};
        FakeMessages m;
        guitest::ZaModalnim<RozmerView>([&](RozmerView *v) {
            Zavri z{v};
            ASSERT_TRUE(QTest::qWaitForWindowActive(v));
            QTest::mouseClick(v->CheckBoxZ(), Qt::LeftButton, {}, QPoint(8, v->CheckBoxZ()->height() / 2));
            v->Poznamky()->setPlainText(QStringLiteral("nová"));
            Napis(v->Sirka(), "5000"); // the field keeps the focus: Cancel runs no exit
            if (esc)
                QTest::keyClick(v, Qt::Key_Escape);
            else
                QTest::mouseClick(v->ZrusitButton(), Qt::LeftButton);
        });
        EXPECT_EQ(SpustRozmer(s, m, nullptr), kVysledekZrusit);
        EXPECT_TRUE(m.empty());
        EXPECT_FALSE(s.RozmerVybran);
        EXPECT_EQ(s.SSirka, 800);
        EXPECT_FALSE(s.Zesilena);
        EXPECT_EQ(s.SZesil, 0);
        EXPECT_EQ(s.SPoznamky, std::vector<std::string>{"stará"});
        EXPECT_EQ(s.CTloustka, 24);
    }
}

// OK with the focus in a dimension field runs its exit first: a text the exit rejects
// keeps the dialog open; the notes warn and are stored in full.
TEST(RozmerView, OKRunsTheExitOfTheFocusedField)
{
    Session s = Relace();
    FakeMessages m;
    TVRozmer d(s, m);
    RozmerView v(d, nullptr);
    const Bod b = UmistiDialogOsy(s, v.width(), v.height());
    EXPECT_EQ(v.pos(), QPoint(b.Left, b.Top));
    v.show();
    v.activateWindow(); // no window manager activates it on a bare X screen
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    guitest::Snimek(&v, "rozmer");

    Napis(v.Sirka(), "95");
    QTest::mouseClick(v.OKButton(), Qt::LeftButton);
    EXPECT_TRUE(v.isVisible());
    EXPECT_TRUE(v.Sirka()->hasFocus());
    QTest::keyClick(v.Sirka(), Qt::Key_Return); // Enter presses OK the same way
    EXPECT_TRUE(v.isVisible());
    EXPECT_TRUE(m.empty());

    Napis(v.Sirka(), "5000");
    QTest::mouseClick(v.OKButton(), Qt::LeftButton);
    EXPECT_TRUE(v.isVisible()) << "the replaced value is shown before it is confirmed";
    EXPECT_EQ(m.count(), 1u);
    EXPECT_EQ(v.Sirka()->Text(), QStringLiteral("900"));

    v.Poznamky()->setFocus(Qt::MouseFocusReason);
    for (int i = 1; i <= 11; ++i) {
        if (i > 1)
            QTest::keyClick(v.Poznamky(), Qt::Key_Return);
        QTest::keyClicks(v.Poznamky(), QString::number(i));
    }
    QTest::mouseClick(v.OKButton(), Qt::LeftButton);
    ASSERT_EQ(m.count(), 2u);
    EXPECT_EQ(m.last().text, "Maksymalnie 10 wierszy");
    EXPECT_FALSE(v.isVisible());
    EXPECT_EQ(v.result(), kVysledekOK);
    EXPECT_EQ(s.SSirka, 900);
    EXPECT_EQ(s.SPoznamky.size(), 11u);
    if (v.isVisible())
        v.done(kVysledekZrusit);
}

// The real warning box, shown while the focus moves on by Tab: once it is closed the
// width field has the focus and the limit, and Tab then goes on to the height.
TEST(RozmerView, RealWarningBoxDuringTheFocusChange)
{
    Session s = Relace();
    QtMessages m;
    TVRozmer d(s, m);
    RozmerView v(d, nullptr);
    v.show();
    v.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    QString text;
    guitest::ZaModalnim<QMessageBox>([&text](QMessageBox *b) {
        text = b->windowTitle() + "/" + b->text();
        b->button(QMessageBox::Ok)->click();
    });
    Napis(v.Sirka(), "100");
    QTest::keyClick(v.Sirka(), Qt::Key_Tab); // the box runs and is closed inside
    EXPECT_EQ(text, U("UWAGA!/Wypełnienie za wąskie"));
    EXPECT_EQ(v.Sirka()->Text(), QStringLiteral("250"));
    EXPECT_EQ(v.focusWidget(), v.Sirka());
    // Without a window manager nothing activates the dialog again after the box.
    v.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    EXPECT_TRUE(v.Sirka()->hasFocus());
    QTest::keyClick(v.Sirka(), Qt::Key_Tab);
    EXPECT_TRUE(v.Vyska()->hasFocus());
    v.done(kVysledekZrusit);
}

} // namespace
