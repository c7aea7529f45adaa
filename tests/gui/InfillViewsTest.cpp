// The start-flow dialogs as Qt views, driven offscreen through the main window's Start
// button over the demo catalogue with its real pictures.
#include "GuiTestApp.h"

#include "catalogues/Seznamy.h"
#include "core/Session.h"
#include "dialogs/infill/UTyp.h"
#include "dialogs/infill/UVyztuz.h"
#include "gui/core/QtPictureStore.h"
#include "gui/core/Tiskarna.h"
#include "gui/dialogs/infill/InfillViews.h"
#include "gui/dialogs/infill/QtDialogRunner.h"
#include "gui/mainwindow/TVolba.h"
#include "support/FakeClock.h"
#include "support/FakeFileDialogs.h"
#include "support/FakeMessages.h"
#include "support/TestPaths.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

using qmr::TVTyp;

class InfillViewsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        namespace fs = std::filesystem;
        const fs::path demo = fs::path(qmrtest::programDir()) / "DATA";
        if (!fs::exists(demo / "vyplne.qmr"))
            GTEST_SKIP() << "the demo catalogue is not built: " << demo;
        // The catalogue and its pictures (VYPLNE, RYSY, ZASKLENI, ...).
        fs::copy(qmrtest::programDir(), dir.path(), fs::copy_options::recursive);
        qmr::InitSession(s, dir.file("quilmar"));
        qmr::SeznamyVyplni(s);
        qmr::SeznamyBarev(s);
    }
    void TearDown() override
    {
        casovace.reset();
        okno.reset();
    }

    // As guitest::ZaModalnim, but the poller belongs to the fixture: one whose dialog did
    // not open dies with the test (or with Zapomen) instead of firing into the next one.
    template <class T> void Cekej(std::function<void(T *)> akce)
    {
        auto *t = new QTimer(casovace.get());
        QObject::connect(t, &QTimer::timeout, t, [t, akce] {
            if (auto *w = qobject_cast<T *>(QApplication::activeModalWidget())) {
                t->stop();
                t->deleteLater();
                akce(w);
            }
        });
        t->start(10);
    }
    void Zapomen() { casovace = std::make_unique<QObject>(); }

    qmr::TVolba &Okno()
    {
        okno = std::make_unique<qmr::TVolba>(s, qmr::Platforma{zpravy, soubory, obrazky, hodiny, {}},
                                             qmr::VolbaDialogy{});
        okno->setDialogy(qmr::StandardniDialogy(s, zpravy, tisk, okno.get()));
        okno->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(okno.get()));
        QTest::qWait(20);
        return *okno;
    }

    // Screenshot of a dialog for a look by eye (not compared).
    static void Snimek(QWidget *w, const std::string &jmeno)
    {
        w->grab().save(QString::fromStdString("/tmp/infillview-" + jmeno + ".png"));
    }

    // Arms the whole chain: type button b, the first infill whose pictures and execution
    // allow OK, then the first picture of the format and variant dialogs if they open.
    void NaplanujVyber(TVTyp::Tlacitko b, const std::string &rodina)
    {
        Cekej<qmr::FormatView>([this, rodina](qmr::FormatView *f) {
            ++formatu;
            Snimek(f, rodina + "-format");
            for (int z = 0; z < 7; ++z)
                if (f->Image(z)->isEnabled()) {
                    QTest::mouseClick(f->Image(z), Qt::LeftButton);
                    return;
                }
            f->ZrusitButton()->click();
        });
        Cekej<qmr::PravaView>([this, rodina](qmr::PravaView *p) {
            ++variant;
            Snimek(p, rodina + "-prava");
            QTest::mouseClick(p->Image(p->Image(1)->isEnabled() ? 1 : 2), Qt::LeftButton);
            if (p->isVisible())
                p->ZrusitButton()->click();
        });
        Cekej<qmr::VyplnView>([this, rodina](qmr::VyplnView *v) {
            ++vyplni;
            pocetRadku = v->Seznam()->count();
            for (int r = 0; r < v->Seznam()->count() && !v->OKButton()->isEnabled(); ++r) {
                v->Seznam()->setCurrentRow(r);
                for (int i = 1; i <= 3 && !v->OKButton()->isEnabled(); ++i)
                    if (v->Image(i)->isVisible() && v->Image(i)->isEnabled()) {
                        QTest::mouseClick(v->Image(i), Qt::LeftButton);
                        oznacen = oznacen || v->Image(i)->Oznaceny();
                    }
                if (!v->OKButton()->isEnabled() && v->Volitko(0) && v->Volitko(0)->isVisible())
                    QTest::mouseClick(v->Volitko(0), Qt::LeftButton);
            }
            Snimek(v, rodina + "-vypln");
            if (v->OKButton()->isEnabled())
                QTest::mouseClick(v->OKButton(), Qt::LeftButton);
            else
                v->ZrusitButton()->click();
        });
        Cekej<qmr::TypView>([b, rodina](qmr::TypView *t) {
            Snimek(t, "typ");
            for (auto *tl : t->Tlacitka())
                if (tl->objectName() == QString::fromStdString(TlacitkoJmeno(b))) {
                    tl->click();
                    return;
                }
        });
    }

    static std::string TlacitkoJmeno(TVTyp::Tlacitko b)
    {
        switch (b) {
        case TVTyp::Tlacitko::ABS: return "Button1";
        case TVTyp::Tlacitko::HPL: return "Button4";
        case TVTyp::Tlacitko::Hlinik: return "Button2";
        case TVTyp::Tlacitko::AlAbs: return "Button5";
        case TVTyp::Tlacitko::Sklo: return "Button6";
        case TVTyp::Tlacitko::Doplnky: return "Button3";
        }
        return {};
    }

    qmrtest::TempDir dir;
    qmr::Session s;
    qmrtest::FakeMessages zpravy;
    qmrtest::FakeFileDialogs soubory;
    qmr::QtPictureStore obrazky;
    qmrtest::FakeClock hodiny{2024, 3, 5};
    qmr::Tiskarna tisk;
    std::unique_ptr<qmr::TVolba> okno;
    std::unique_ptr<QObject> casovace = std::make_unique<QObject>();
    int vyplni = 0, formatu = 0, variant = 0, pocetRadku = 0;
    bool oznacen = false;
};

// Start, a family, an infill and its dialogs: the window shows the infill and a price.
TEST_F(InfillViewsTest, StartThroughTheDialogsShowsTheInfillAndItsPrice)
{
    struct Rodina {
        TVTyp::Tlacitko b;
        const char *jmeno;
    };
    const Rodina rodiny[] = {
        {TVTyp::Tlacitko::ABS, "abs"},
        {TVTyp::Tlacitko::HPL, "hpl"},
        {TVTyp::Tlacitko::Hlinik, "hlinik"},
        {TVTyp::Tlacitko::AlAbs, "alabs"},
    };
    for (const Rodina &r : rodiny) {
        SCOPED_TRACE(r.jmeno);
        Zapomen();
        vyplni = 0;
        oznacen = false;
        pocetRadku = 0;
        qmr::TVolba &w = Okno();
        s.apEdited = false;
        NaplanujVyber(r.b, r.jmeno);
        QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("StartButton")), Qt::LeftButton);
        EXPECT_EQ(vyplni, 1);
        if (pocetRadku == 0)
            continue; // the demo catalogue has no infill of this family
        EXPECT_TRUE(oznacen) << "the picked picture carries the red mark";
        EXPECT_FALSE(s.SJmenoV.empty());
        // HPL prices need the colours first.
        if (r.b != TVTyp::Tlacitko::HPL) {
            EXPECT_NE(s.nVypln.Raw(), 0);
            EXPECT_NE(s.nKonecna.Raw(), 0);
            EXPECT_FALSE(w.Stav().CenaPoSleve.Text.empty()) << "the price panel shows the price";
        }
        EXPECT_EQ(w.Stav().JmenoVyplne.Text.empty(), false);
    }
}

// The execution choice of a framed variant opens the frame type dialog (a picture view
// with the picked type marked); an asymmetric infill asks for its execution variant.
TEST_F(InfillViewsTest, ExecutionChoiceOpensTheOptionDialogsAndAsymmetryTheVariant)
{
    qmr::TVolba &w = Okno();
    int volby = 0;
    bool kliknuto = false;
    Cekej<qmr::PravaView>([this](qmr::PravaView *p) {
        ++variant;
        Snimek(p, "prava");
        QTest::mouseClick(p->Image(2), Qt::LeftButton);
        if (p->isVisible())
            p->ZrusitButton()->click();
    });
    Cekej<qmr::FormatView>([this](qmr::FormatView *f) {
        ++formatu;
        for (int z = 0; z < 7; ++z)
            if (f->Image(z)->isEnabled()) {
                QTest::mouseClick(f->Image(z), Qt::LeftButton);
                return;
            }
        f->ZrusitButton()->click();
    });
    Cekej<qmr::VyplnView>([&](qmr::VyplnView *v) {
        // Every option dialog the execution items open answers with its first picture.
        auto *t = new QTimer(v);
        QObject::connect(t, &QTimer::timeout, t, [&volby, &kliknuto] {
            if (auto *o = qobject_cast<qmr::VolbaView *>(QApplication::activeModalWidget())) {
                if (!o->property("snimek").toBool()) {
                    o->setProperty("snimek", true);
                    ++volby;
                    Snimek(o, "volba" + std::to_string(volby));
                    for (int k = 1; k <= o->PocetObrazku(); ++k)
                        if (o->Image(k)->isEnabled()) {
                            kliknuto = true;
                            QTest::mouseClick(o->Image(k), Qt::LeftButton);
                            return;
                        }
                    o->ZrusitButton()->click();
                }
            }
        });
        t->start(10);
        // The first infill whose execution choice offers two types of an extra.
        for (int r = 0; r < v->Seznam()->count() && volby == 0; ++r) {
            v->Seznam()->setCurrentRow(r);
            for (int i = 1; i <= 3 && volby == 0; ++i) {
                if (!v->Image(i)->isVisible() || !v->Image(i)->isEnabled())
                    continue;
                QTest::mouseClick(v->Image(i), Qt::LeftButton);
                for (int k = 0; v->Volitko(k) && volby == 0; ++k)
                    if (v->Volitko(k)->isVisible() && v->Volitko(k)->isEnabled())
                        QTest::mouseClick(v->Volitko(k), Qt::LeftButton);
            }
        }
        Snimek(v, "hlinik-volitko");
        t->stop();
        // Then the asymmetric infill, plain.
        const auto asym = v->Seznam()->findItems(QStringLiteral("Asymetria"), Qt::MatchExactly);
        ASSERT_EQ(asym.size(), 1);
        v->Seznam()->setCurrentItem(asym[0]);
        QTest::mouseClick(v->Image(1), Qt::LeftButton);
        ASSERT_TRUE(v->OKButton()->isEnabled());
        QTest::mouseClick(v->OKButton(), Qt::LeftButton);
    });
    Cekej<qmr::TypView>([](qmr::TypView *t) { t->Tlacitka()[2]->click(); });
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("StartButton")), Qt::LeftButton);
    EXPECT_GE(volby, 1) << "an option dialog was shown";
    EXPECT_TRUE(kliknuto);
    EXPECT_EQ(s.SJmenoV.empty(), false);
    EXPECT_EQ(variant, 1) << "the asymmetric infill asks for its execution";
    EXPECT_TRUE(s.SPrava) << "the right-hand picture was clicked";
}

// Esc in the infill selection cancels it, and with it the type dialog: the family flags
// are put back and no infill is chosen.
TEST_F(InfillViewsTest, EscInTheInfillSelectionCancelsTheWholeStart)
{
    qmr::TVolba &w = Okno();
    s.SHlinik = false;
    int vypln = 0;
    Cekej<qmr::VyplnView>([&vypln](qmr::VyplnView *v) {
        ++vypln;
        v->Seznam()->setCurrentRow(0);
        QTest::keyClick(v, Qt::Key_Escape);
    });
    Cekej<qmr::TypView>([](qmr::TypView *t) { t->Tlacitka()[2]->click(); });
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("StartButton")), Qt::LeftButton);
    EXPECT_EQ(vypln, 1);
    EXPECT_FALSE(s.SHlinik) << "the aluminium flag is put back";
    EXPECT_TRUE(s.SJmenoV.empty());
}

// Cancel in the type dialog puts the session back and shows nothing more.
TEST_F(InfillViewsTest, CancelInTheTypeDialogChangesNothing)
{
    qmr::TVolba &w = Okno();
    s.TypZakazky = 0;
    Cekej<qmr::TypView>([](qmr::TypView *t) {
        EXPECT_EQ(t->ZrusitButton()->text(), QStringLiteral("&Anuluj"));
        EXPECT_FALSE(t->Tlacitka()[4]->isVisibleTo(t)) << "the glass family is hidden";
        t->ZrusitButton()->click();
    });
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("StartButton")), Qt::LeftButton);
    EXPECT_EQ(s.TypZakazky, 0);
    EXPECT_TRUE(s.SJmenoV.empty());
}

// The reinforcement command of the main window opens the reinforcement view; OK confirms.
TEST_F(InfillViewsTest, ReinforcementCommandShowsTheViewAndOKConfirms)
{
    qmr::TVolba &w = Okno();
    NaplanujVyber(TVTyp::Tlacitko::ABS, "abs");
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("StartButton")), Qt::LeftButton);
    ASSERT_FALSE(s.SJmenoV.empty());
    Zapomen();
    s.apEdited = false;
    bool videno = false;
    Cekej<qmr::VyztuzView>([&videno](qmr::VyztuzView *v) {
        videno = true;
        EXPECT_EQ(v->windowTitle(), QString::fromUtf8(qmr::TVVyztuz::kTitulek));
        QTest::mouseClick(v->OKButton(), Qt::LeftButton);
    });
    w.VyztuzButtonClick(); // the command (its button waits for the colours)
    EXPECT_TRUE(videno);
    EXPECT_TRUE(s.apEdited) << "a confirmed reinforcement marks the job changed";
    EXPECT_GE(s.SVyztuz, 0);
}

// The reinforcement view writes the picked item on OK.
TEST_F(InfillViewsTest, ReinforcementViewStoresThePickedItem)
{
    Okno();
    qmr::TVVyztuz logika(s);
    qmr::VyztuzView v(logika, okno.get());
    Snimek(&v, "vyztuz");
    ASSERT_GE(v.PocetPolozek(), 1);
    QTest::mouseClick(v.Polozka(0), Qt::LeftButton);
    QTest::mouseClick(v.OKButton(), Qt::LeftButton);
    EXPECT_EQ(v.result(), qmr::kVysledekOK);
    EXPECT_EQ(s.SVyztuz, logika.TabVyzt()[0]);
}

} // namespace
