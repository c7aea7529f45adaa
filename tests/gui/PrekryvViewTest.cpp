// The overlay dialog as a Qt view, run modally offscreen: the fields around the sketch,
// typing and arrow steps, standard fastening, OK and Cancel.
#include "GuiTestApp.h"
#include "Modalni.h"

#include "core/Session.h"
#include "dialogs/infill/Ovladace.h"
#include "dialogs/infill/Snimek.h"
#include "dialogs/options/UPrekryv.h"
#include "gui/dialogs/options/PrekryvView.h"
#include "gui/dialogs/options/RozmerView.h"
#include "support/FakeMessages.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace qmr;
using qmrtest::FakeMessages;

namespace {

QString U(const char *t) { return QString::fromUtf8(t); }

Session Relace()
{
    Session s;
    s.SVypln.DVypln.Polozka = 0;
    s.SVypln.DVypln.Kod = "A1";
    s.SPrekryvna = true;
    s.SPrekryv = 2;
    s.SSirka = 1000;
    s.SVyska = 2000;
    s.SHPomer = 0.5;
    s.SVPomer = 0.5;
    s.PrekryvVybran = true;
    s.PVL = 50, s.PVP = 60, s.PVH = 70, s.PVD = 80;
    s.VolbaLeft = 20;
    s.VolbaTop = 10;
    return s;
}

qmrtest::Snimek Snimej(const Session &s)
{
    qmrtest::Snimek o = qmrtest::Snimej(s);
#define F(x) o.emplace_back(#x, qmrtest::detail::text(s.x))
    F(KotH1); F(KotH2); F(KotD1); F(KotD2); F(KotL1); F(KotL2); F(KotL3); F(KotL4);
    F(KotP1); F(KotP2); F(KotP3); F(KotP4);
#undef F
    return o;
}

QImage Sklo()
{
    QImage i(100, 150, QImage::Format_RGB32);
    i.fill(QColor(120, 160, 200));
    return i;
}

void Napis(RozmerPole *p, const char *text)
{
    p->setFocus(Qt::MouseFocusReason);
    p->selectAll();
    QTest::keyClick(p, Qt::Key_Delete);
    QTest::keyClicks(p, QString::fromUtf8(text));
}

} // namespace

TEST(PrekryvView, EditFasteningAndConfirm)
{
    Session s = Relace();
    s.KotH1 = 200;
    FakeMessages m;
    guitest::Modalni modalni;
    bool videno = false;
    modalni.Cekej<PrekryvView>([&](PrekryvView *v) {
        videno = true;
        EXPECT_EQ(v->windowTitle(), U("Określenie przekrywów strona zewnętrzna"));
        EXPECT_EQ(v->TextStrana()->text(), U("strona zewnętrzna, widok od zewnątrz"));
        EXPECT_EQ(v->Label1()->text(), U("szerokość: 1000 mm"));
        EXPECT_EQ(v->Label2()->text(), U("wysokość: 2000 mm"));
        EXPECT_EQ(v->NicButton()->text(), U("Przymocowanie stan&dardowe"));
        EXPECT_EQ(v->Pole(Kotva::H1)->Text(), QStringLiteral("200"));
        EXPECT_EQ(v->Pole(Kotva::L2)->Text(), QStringLiteral("800"));
        // Every field lies outside the sketch's background, within the dialog.
        const QRect podklad(112, 33, 240, 480);
        for (int i = 0; i < kPocetKotev; ++i) {
            const QRect r = v->Pole(Kotva(i))->geometry();
            EXPECT_FALSE(r.intersects(podklad)) << i;
            EXPECT_TRUE(v->rect().contains(r)) << i;
        }
        guitest::Snimek(v, "prekryv");

        Napis(v->Pole(Kotva::H2), "700");
        QTest::keyClick(v->Pole(Kotva::L1), Qt::Key_Up); // 150 + 10
        Napis(v->Pole(Kotva::P4), "5000");
        QTest::keyClick(v->Pole(Kotva::P4), Qt::Key_Tab); // leaving clamps
        EXPECT_EQ(v->Pole(Kotva::P4)->Text(), QStringLiteral("1910"));
        QTest::mouseClick(v->OKButton(), Qt::LeftButton);
    });
    EXPECT_EQ(SpustPrekryv(s, m, Sklo(), nullptr), kVysledekOK);
    EXPECT_TRUE(videno);
    EXPECT_TRUE(s.PrekryvVybran);
    EXPECT_EQ(s.KotH1, 200);
    EXPECT_EQ(s.KotH2, 700);
    EXPECT_EQ(s.KotL1, 160);
    EXPECT_EQ(s.KotP4, 1910);
    EXPECT_EQ(s.KotD2, 850);
    EXPECT_EQ(s.PVL, 50);
    EXPECT_EQ(s.PVD, 80);
    EXPECT_TRUE(m.empty());
}

TEST(PrekryvView, StandardFasteningAndCancel)
{
    for (bool esc : {false, true}) {
        SCOPED_TRACE(esc);
        Session s = Relace();
        s.KotH1 = 300, s.KotL3 = 1100;
        const auto pred = Snimej(s);
        FakeMessages m;
        guitest::Modalni modalni;
        modalni.Cekej<PrekryvView>([&](PrekryvView *v) {
            QTest::mouseClick(v->NicButton(), Qt::LeftButton);
            EXPECT_EQ(v->Pole(Kotva::H1)->Text(), QStringLiteral("150"));
            EXPECT_EQ(v->Pole(Kotva::L3)->Text(), QStringLiteral("1200"));
            Napis(v->Pole(Kotva::D1), "250");
            if (esc)
                QTest::keyClick(v, Qt::Key_Escape);
            else
                QTest::mouseClick(v->EscButton(), Qt::LeftButton);
        });
        EXPECT_EQ(SpustPrekryv(s, m, QImage(), nullptr), kVysledekZrusit);
        EXPECT_EQ(qmrtest::Rozdily(pred, Snimej(s)), "");
    }
}

// The sketch paints the markers where the logic puts them.
TEST(PrekryvView, SketchShowsTheMarkers)
{
    Session s = Relace();
    FakeMessages m;
    TVPrekryv d(s, m, 100, 150);
    PrekryvView v(d, Sklo(), nullptr);
    v.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
    const QImage obraz = v.Skica()->grab().toImage();
    const RozlozeniPrekryvu r = d.Rozlozeni();
    const Tvar &g1 = r.Znacky[0];
    EXPECT_EQ(obraz.pixelColor(g1.Left + 10, g1.Top + 10), QColor(Qt::black));
    EXPECT_EQ(obraz.pixelColor(r.Skla.Left + 50, r.Skla.Top + 75), QColor(120, 160, 200));
    Napis(v.Pole(Kotva::H1), "300");
    const Tvar posunuta = d.Rozlozeni().Znacky[0];
    EXPECT_EQ(posunuta.Left, g1.Left + 30);
    const QImage po = v.Skica()->grab().toImage();
    EXPECT_EQ(po.pixelColor(posunuta.Left + 10, posunuta.Top + 10), QColor(Qt::black));
    v.done(kVysledekZrusit);
}
