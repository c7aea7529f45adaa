// The start-flow dialogs as Qt views, driven offscreen through the main window's Start
// button over the demo catalogue with its real pictures.
#include "GuiTestApp.h"
#include "Modalni.h"

#include "catalogues/Katalog.h"
#include "catalogues/Seznamy.h"
#include "core/Session.h"
#include "dialogs/infill/UTyp.h"
#include "dialogs/infill/UVypln.h"
#include "dialogs/infill/UVyztuz.h"
#include "gui/core/QtPictureStore.h"
#include "gui/core/Tiskarna.h"
#include "gui/dialogs/infill/InfillViews.h"
#include "gui/dialogs/infill/QtDialogRunner.h"
#include "gui/dialogs/options/BarvaView.h"
#include "gui/dialogs/options/DoplnkyView.h"
#include "gui/dialogs/options/RozmerView.h"
#include "gui/mainwindow/TVolba.h"
#include "support/FakeClock.h"
#include "support/FakeFileDialogs.h"
#include "support/FakeMessages.h"
#include "support/TestPaths.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
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

// A click on the box or circle of a check box or radio item, where a user clicks: the
// middle of a wide one may lie beyond its text, which takes no click.
void Klikni(QAbstractButton *b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2)); }

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
        modalni.Zapomen();
        okno.reset();
    }

    template <class T> void Cekej(std::function<void(T *)> akce) { modalni.Cekej<T>(std::move(akce)); }
    void Zapomen() { modalni.Zapomen(); }

    qmr::TVolba &Okno()
    {
        okno = std::make_unique<qmr::TVolba>(s, qmr::Platforma{zpravy, soubory, obrazky, hodiny, {}},
                                             qmr::VolbaDialogy{});
        okno->setDialogy(qmr::StandardniDialogy(s, zpravy, tisk, obrazky, hodiny, okno.get()));
        okno->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(okno.get()));
        QTest::qWait(20);
        return *okno;
    }

    static void Snimek(QWidget *w, const std::string &jmeno) { guitest::Snimek(w, jmeno); }

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
            // A picture of any infill first, the first execution item only when no
            // picture is enough.
            for (int pruchod = 0; pruchod < 2 && !v->OKButton()->isEnabled(); ++pruchod)
                for (int r = 0; r < v->Seznam()->count() && !v->OKButton()->isEnabled(); ++r) {
                    v->Seznam()->setCurrentRow(r);
                    for (int i = 1; i <= 3 && pruchod == 0 && !v->OKButton()->isEnabled(); ++i)
                        if (v->Image(i)->isVisible() && v->Image(i)->isEnabled()) {
                            QTest::mouseClick(v->Image(i), Qt::LeftButton);
                            oznacen = oznacen || v->Image(i)->Oznaceny();
                        }
                    if (pruchod == 1 && v->Volitko(0) && v->Volitko(0)->isVisible())
                        Klikni(v->Volitko(0));
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
    guitest::Modalni modalni;
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
        if (r.b == TVTyp::Tlacitko::HPL) {
            // An HPL panel is priced with its side colours: none yet, no price.
            EXPECT_EQ(s.nVypln.Raw(), 0);
            // Both sides in an HPL colour, as the colour choice leaves them.
            ASSERT_TRUE(qmr::NactiBarvu(s, "HPL Grafit", s.SBarva1.DBarva));
            ASSERT_TRUE(qmr::NactiBarvu(s, "HPL Grafit", s.SBarva2.DBarva));
            s.BarvyVybrany = true;
            w.Obnov();
        }
        EXPECT_NE(s.nVypln.Raw(), 0);
        EXPECT_NE(s.nKonecna.Raw(), 0);
        EXPECT_FALSE(w.Stav().CenaPoSleve.Text.empty()) << "the price panel shows the price";
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
                        Klikni(v->Volitko(k));
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

// Each extra with two or more types opens its own type dialog from the execution
// choice; the picked type is stored, and with it the selection confirms.
TEST_F(InfillViewsTest, EveryExtraOpensItsTypeDialogAndStoresThePickedType)
{
    struct Radek {
        TVTyp::Tlacitko rodina;
        const char *vypln;
        int obrazek;         // picture to click, 0: the execution item
        const char *polozka; // execution item
        const char *titulek; // of the type dialog
        int qmr::Session::*typ;
        const char *snimek;
    };
    const Radek radky[] = {
        {TVTyp::Tlacitko::AlAbs, "Kalia", 0, "z ramką", "Wybór typu ramki", &qmr::Session::VybranyRamecek, "ram"},
        {TVTyp::Tlacitko::AlAbs, "Kalia", 0, "z paskami naklejonymi", "Wybór pasków dekoracynych",
         &qmr::Session::VybranaOPaska, "paska"},
        {TVTyp::Tlacitko::AlAbs, "Kalia", 0, "z paskami zafrezowanymi", "Wybór pasków dekoracynych",
         &qmr::Session::VybranaOPDR, "zafrezovane"},
        {TVTyp::Tlacitko::Hlinik, "Arkada", 0, "z rowkami dekoracyjnymi", "Wybór rowków dekoracynych",
         &qmr::Session::VybranaOdrazka, "drazka"},
        {TVTyp::Tlacitko::Hlinik, "Alba", 3, "z AX ramką i kratką dekoracyjną", "Wybór kratki dekoracyjnej",
         &qmr::Session::VybranaOMrizka, "mrizka"},
    };
    for (const Radek &r : radky) {
        SCOPED_TRACE(r.polozka);
        Zapomen();
        qmr::TVolba &w = Okno();
        QString titulek;
        int oznacenPred = -1;
        bool potvrzeno = false;
        Cekej<qmr::FormatView>([](qmr::FormatView *f) {
            for (int z = 0; z < 7; ++z)
                if (f->Image(z)->isEnabled()) {
                    QTest::mouseClick(f->Image(z), Qt::LeftButton);
                    return;
                }
            f->ZrusitButton()->click();
        });
        Cekej<qmr::VolbaView>([&](qmr::VolbaView *o) {
            titulek = o->windowTitle();
            for (int k = 1; k <= o->PocetObrazku(); ++k)
                if (o->Image(k)->Oznaceny())
                    oznacenPred = k;
            Snimek(o, std::string("volba-") + r.snimek);
            ASSERT_GE(o->PocetObrazku(), 2);
            ASSERT_TRUE(o->Image(2)->isEnabled()) << "type 2 has its picture";
            QTest::mouseClick(o->Image(2), Qt::LeftButton);
        });
        Cekej<qmr::VyplnView>([&](qmr::VyplnView *v) {
            // A failed step leaves the dialog by Cancel, not open for ever.
            const std::unique_ptr<qmr::VyplnView, void (*)(qmr::VyplnView *)> zavri(v, [](qmr::VyplnView *d) {
                if (d->isVisible())
                    d->ZrusitButton()->click();
            });
            const auto nalez = v->Seznam()->findItems(QString::fromUtf8(r.vypln), Qt::MatchExactly);
            ASSERT_EQ(nalez.size(), 1);
            v->Seznam()->setCurrentItem(nalez[0]);
            const auto polozka = [v, &r]() -> QRadioButton * {
                for (int k = 0; v->Volitko(k); ++k)
                    if (v->Volitko(k)->text() == QString::fromUtf8(r.polozka))
                        return v->Volitko(k);
                return nullptr;
            };
            if (r.obrazek > 0) {
                ASSERT_TRUE(v->Image(r.obrazek)->isEnabled());
                QTest::mouseClick(v->Image(r.obrazek), Qt::LeftButton);
                EXPECT_TRUE(v->Image(r.obrazek)->Oznaceny());
            } else {
                ASSERT_NE(polozka(), nullptr) << "the execution radio offers the item";
                Klikni(polozka());
                // The type dialog has been answered; back here the item stays picked.
                ASSERT_NE(polozka(), nullptr);
                EXPECT_TRUE(polozka()->isChecked());
            }
            // The outer side, in the material the configuration asks for.
            if (v->CheckBox1()->isVisible() && v->CheckBox1()->isEnabled() && !v->CheckBox1()->isChecked())
                Klikni(v->CheckBox1());
            if (!v->OKButton()->isEnabled() && v->Ram1AK()->isVisible() && v->Ram1AK()->isEnabled())
                Klikni(v->Ram1AK());
            Snimek(v, std::string("vypln-") + r.snimek);
            ASSERT_TRUE(v->OKButton()->isEnabled());
            QTest::mouseClick(v->OKButton(), Qt::LeftButton);
            potvrzeno = true;
        });
        Cekej<qmr::TypView>([&r](qmr::TypView *t) {
            for (auto *tl : t->Tlacitka())
                if (tl->objectName() == QString::fromStdString(TlacitkoJmeno(r.rodina)))
                    tl->click();
        });
        QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("StartButton")), Qt::LeftButton);
        EXPECT_EQ(titulek, QString::fromUtf8(r.titulek));
        EXPECT_EQ(oznacenPred, -1) << "the type is reset before the dialog opens";
        EXPECT_TRUE(potvrzeno);
        EXPECT_EQ(s.*r.typ, 2);
        EXPECT_EQ(s.SJmenoV.empty(), false);
        if (r.typ == &qmr::Session::VybranaOMrizka) {
            EXPECT_EQ(s.SDoplnek1.DDoplnek.Kod, "MX01");
            EXPECT_EQ(s.SDoplnek1.DDoplnek.Nazev, "M2 = 2 x kratka dekoracyjna");
        }
    }
}

// Every visible caption of a dialog lies inside it and is as wide as its text needs.
void KontrolaPopisku(QWidget *d)
{
    for (QWidget *w : d->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(d) || qobject_cast<qmr::ObrazekView *>(w))
            continue;
        QString text;
        if (auto *l = qobject_cast<QLabel *>(w))
            text = l->text();
        else if (auto *b = qobject_cast<QAbstractButton *>(w))
            text = b->text();
        if (text.isEmpty())
            continue;
        SCOPED_TRACE(text.toStdString());
        const QRect r(w->mapTo(d, QPoint(0, 0)), w->size());
        EXPECT_TRUE(d->rect().contains(r)) << "outside the dialog";
        EXPECT_GE(w->width(), w->sizeHint().width()) << "cut off";
    }
}

// The infill selection keeps its design size; the third title sits 20 px left of its
// picture for the "K0" code and 40 px right otherwise; the execution radio is 20 px per
// item and 20 more; no caption is cut off.
TEST_F(InfillViewsTest, InfillSelectionKeepsItsDesignGeometry)
{
    struct Radek {
        bool hlinik, hlinik2;
        const char *vypln;
        int posunLF3; // 0: no third picture
    };
    const Radek radky[] = {
        {false, false, "Kappa", -20},
        {true, false, "Alba", 40},
        {false, true, "Kalia", 0},
        {true, false, "Arkada", 0},
    };
    Okno();
    for (const Radek &r : radky) {
        SCOPED_TRACE(r.vypln);
        s.SHlinik = r.hlinik;
        s.SHlinik2 = r.hlinik2;
        qmr::TVVypln logika(s, obrazky);
        qmr::VyplnView v(logika, okno.get());
        v.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
        EXPECT_EQ(v.size(), QSize(880, 569));
        const auto nalez = v.Seznam()->findItems(QString::fromUtf8(r.vypln), Qt::MatchExactly);
        ASSERT_EQ(nalez.size(), 1);
        v.Seznam()->setCurrentItem(nalez[0]);
        if (r.posunLF3 != 0) {
            ASSERT_TRUE(v.Image(3)->isVisible());
            ASSERT_TRUE(v.LF(3)->isVisible());
            EXPECT_EQ(v.LF(3)->x() - v.Image(3)->x(), r.posunLF3);
        }
        if (v.Volitko(0) && v.Volitko(0)->isVisible()) {
            int n = 0;
            while (v.Volitko(n))
                ++n;
            EXPECT_EQ(v.Volitko(0)->parentWidget()->height(), 20 * n + 20);
            // The last item, then the outer side in its material: every caption fits.
            Klikni(v.Volitko(n - 1));
            if (v.CheckBox1()->isVisible() && v.CheckBox1()->isEnabled() && !v.CheckBox1()->isChecked())
                Klikni(v.CheckBox1());
        } else if (v.Image(1)->isEnabled()) {
            QTest::mouseClick(v.Image(1), Qt::LeftButton);
        }
        KontrolaPopisku(&v);
        Snimek(&v, std::string("geometrie-") + r.vypln);
        v.reject();
    }
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

// After the start the colours and the dimensions commands open their dialogs from the
// window's buttons; confirmed, the window names the colours and the size and prices them.
TEST_F(InfillViewsTest, ColoursAndDimensionsFollowTheStartFromTheWindow)
{
    qmr::TVolba &w = Okno();
    NaplanujVyber(TVTyp::Tlacitko::ABS, "abs");
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("StartButton")), Qt::LeftButton);
    ASSERT_FALSE(s.SJmenoV.empty());
    Zapomen();

    auto *barvy = w.findChild<QPushButton *>(QStringLiteral("BarvyButton"));
    ASSERT_TRUE(barvy->isEnabled()) << "colours come next";
    bool videno = false;
    Cekej<qmr::BarvaView>([&videno](qmr::BarvaView *d) {
        videno = true;
        const std::unique_ptr<qmr::BarvaView, void (*)(qmr::BarvaView *)> zavri(d, [](qmr::BarvaView *x) {
            if (x->isVisible())
                x->reject();
        });
        using St = qmr::StranaBarvy;
        for (St st : {St::Vnejsi, St::Vnitrni}) {
            QListWidget *l = d->Seznam(st);
            ASSERT_GT(l->count(), 0);
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(0)).center());
            if (d->RAL(st)->isVisible())
                QTest::keyClicks(d->RAL(st), QStringLiteral("9016"));
        }
        Snimek(d, "okno-barvy");
        ASSERT_TRUE(d->OKButton()->isEnabled());
        QTest::mouseClick(d->OKButton(), Qt::LeftButton);
    });
    QTest::mouseClick(barvy, Qt::LeftButton);
    EXPECT_TRUE(videno);
    EXPECT_TRUE(s.BarvyVybrany);
    EXPECT_FALSE(w.Stav().TextBarvy1.Text.empty());

    Zapomen();
    auto *rozmer = w.findChild<QPushButton *>(QStringLiteral("RozmerButton"));
    ASSERT_TRUE(rozmer->isEnabled()) << "then the dimensions";
    videno = false;
    int sirka = 0;
    Cekej<qmr::RozmerView>([&](qmr::RozmerView *d) {
        videno = true;
        sirka = d->Sirka()->Text().toInt();
        Snimek(d, "okno-rozmer");
        QTest::mouseClick(d->OKButton(), Qt::LeftButton);
        if (d->isVisible())
            d->reject();
    });
    QTest::mouseClick(rozmer, Qt::LeftButton);
    EXPECT_TRUE(videno);
    EXPECT_TRUE(s.RozmerVybran);
    EXPECT_EQ(s.SSirka, sirka);
    EXPECT_FALSE(w.Stav().TextRozmeru.Text.empty());
    EXPECT_NE(s.nKonecna.Raw(), 0);
    EXPECT_FALSE(w.Stav().CenaPoSleve.Text.empty());
}

// "Tylko akcesoria" in the type dialog leads to the accessories; confirmed, the window
// shows the accessory and its price without an infill.
TEST_F(InfillViewsTest, AccessoriesOnlyStartShowsTheAccessoryAndItsPrice)
{
    qmr::TVolba &w = Okno();
    bool videno = false;
    Cekej<qmr::DoplnkyView>([&videno](qmr::DoplnkyView *d) {
        videno = true;
        const std::unique_ptr<qmr::DoplnkyView, void (*)(qmr::DoplnkyView *)> zavri(d, [](qmr::DoplnkyView *x) {
            if (x->isVisible())
                x->reject();
        });
        const auto nalez = d->Seznam()->findItems(QStringLiteral("Klamka z szyldem"), Qt::MatchExactly);
        ASSERT_EQ(nalez.size(), 1);
        QTest::mouseClick(d->Seznam()->viewport(), Qt::LeftButton, {}, d->Seznam()->visualItemRect(nalez[0]).center());
        nalez[0]->setCheckState(Qt::Checked);
        Snimek(d, "okno-doplnky");
        ASSERT_TRUE(d->OKButton()->isEnabled());
        QTest::mouseClick(d->OKButton(), Qt::LeftButton);
    });
    Cekej<qmr::TypView>([](qmr::TypView *t) {
        for (auto *tl : t->Tlacitka())
            if (tl->objectName() == QStringLiteral("Button3"))
                tl->click();
    });
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("StartButton")), Qt::LeftButton);
    EXPECT_TRUE(videno);
    EXPECT_EQ(s.TypZakazky, 2);
    EXPECT_TRUE(s.DoplnkyVybrany);
    EXPECT_EQ(s.SDoplnek1.DDoplnek.Kod, "kl01");
    EXPECT_FALSE(w.Stav().TextDoplnku[0].Text.empty());
    EXPECT_NE(s.nKonecna.Raw(), 0);
    EXPECT_FALSE(w.Stav().CenaPoSleve.Text.empty());
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
    Klikni(v.Polozka(0));
    QTest::mouseClick(v.OKButton(), Qt::LeftButton);
    EXPECT_EQ(v.result(), qmr::kVysledekOK);
    EXPECT_EQ(s.SVyztuz, logika.TabVyzt()[0]);
}

} // namespace
