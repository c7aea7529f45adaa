// The price recalculation dialog: code, coefficient and rounding typed in, the run with
// its progress bar, and closing without a run.
#include "GuiTestApp.h"
#include "Modalni.h"

#include "admin/UKoef.h"
#include "core/Session.h"
#include "core/TSifraSoubor.h"
#include "core/Umisteni.h"
#include "gui/admin/UKoefView.h"
#include "support/FakeMessages.h"
#include "support/TestPaths.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

using namespace qmr;
namespace fs = std::filesystem;

namespace {

class KoefViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const fs::path demo = fs::path(qmrtest::programDir()) / "DATA";
        if (!fs::exists(demo / "vyplne.qmr"))
            GTEST_SKIP() << "the demo catalogue is not built: " << demo;
        fs::copy(demo, dir.path() / "DATA", fs::copy_options::recursive);
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        s.VolbaLeft = 20;
        s.VolbaTop = 10;
    }

    std::string cesta(const std::string &n) const { return ResolveNoCase(s.apData + n); }
    std::map<std::string, std::string> bajty() const
    {
        std::map<std::string, std::string> b;
        for (const char *n : TFKoef::kSoubory)
            b[n] = qmrtest::TempDir::read(cesta(n));
        return b;
    }
    static void napis(QLineEdit *e, const char *text)
    {
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, QString::fromUtf8(text));
    }

    qmrtest::TempDir dir;
    Session s;
    qmrtest::FakeMessages zpravy;
    guitest::Modalni modalni;
};

TEST_F(KoefViewTest, RunRecalculatesTheCatalogueOnce)
{
    std::set<int> maxima;
    bool pruhSkryty = false, konecPovolen = true, prePovolen = true;
    std::string koef;
    modalni.Cekej<KoefView>([&](KoefView *d) {
        EXPECT_EQ(d->windowTitle(), QString::fromUtf8("Współczynnik dla przeliczenia cen kupna:"));
        EXPECT_EQ(d->findChild<QLabel *>(QStringLiteral("Label3"))->text(), QString::fromUtf8("HASŁO:"));
        EXPECT_EQ(d->findChild<QLabel *>(QStringLiteral("Label2"))->text(),
                  QString::fromUtf8("( > 1 podwyższa, < 1 obniża)"));
        EXPECT_EQ(d->preButton()->text(), QString::fromUtf8("Przeprowadzić obliczenie"));
        EXPECT_EQ(d->konecButton()->text(), QStringLiteral("&Koniec"));
        EXPECT_EQ(d->heslo()->echoMode(), QLineEdit::Password);
        EXPECT_EQ(d->heslo()->maxLength(), 6);
        EXPECT_EQ(d->koef()->displayText(), QStringLiteral("1,00000"));
        ASSERT_EQ(d->zaokrouhlit().size(), 3u);
        EXPECT_TRUE(d->zaokrouhlit()[0]->isChecked());
        EXPECT_FALSE(d->pruh()->isVisible());
        const Bod b = UmistiDialogOsy(s, d->width(), d->height());
        EXPECT_EQ(d->pos(), QPoint(b.Left, b.Top));

        napis(d->heslo(), "r5t2w9");
        napis(d->koef(), "110000");
        koef = d->koef()->displayText().toStdString();
        QTest::mouseClick(d->zaokrouhlit()[2], Qt::LeftButton);
        EXPECT_TRUE(d->zaokrouhlit()[2]->isChecked());
        guitest::Snimek(d, "koef");

        QObject::connect(d->pruh(), &QProgressBar::valueChanged, d, [&maxima, d] {
            if (d->pruh()->isVisible())
                maxima.insert(d->pruh()->maximum());
        });
        QTest::mouseClick(d->preButton(), Qt::LeftButton);
        pruhSkryty = !d->pruh()->isVisible();
        prePovolen = d->preButton()->isEnabled();
        konecPovolen = d->konecButton()->isEnabled();
        QTest::mouseClick(d->konecButton(), Qt::LeftButton);
    });
    EXPECT_EQ(SpustKoef(s, zpravy, nullptr), kVysledekOK);
    EXPECT_EQ(koef, "1,10000");
    EXPECT_TRUE(zpravy.empty()) << zpravy.texts().front();
    EXPECT_TRUE(pruhSkryty);
    EXPECT_FALSE(prePovolen);
    EXPECT_TRUE(konecPovolen);
    // 450 x 1.1 = 495, up to 500; 10550 x 1.1 = 11605, up to 11610.
    EXPECT_EQ(TSifraSoubor(cesta("Doplnky.qmr")).ReadSifra("MX01", "Cena"), 500);
    EXPECT_EQ(TSifraSoubor(cesta("Vyplne.qmr")).ReadSifra("Cyrus", "ZCF1S1"), 11610);
    // The bar went over the sections of every file.
    for (const char *n : TFKoef::kSoubory)
        EXPECT_TRUE(maxima.count(static_cast<int>(TSifraSoubor(cesta(n)).ReadSections().size()))) << n;
}

TEST_F(KoefViewTest, WrongCodeKeepsTheDialogOpenAndChangesNothing)
{
    const auto pred = bajty();
    bool otevreny = false, prePovolen = false;
    modalni.Cekej<KoefView>([&](KoefView *d) {
        napis(d->heslo(), "r5t2w8");
        QTest::mouseClick(d->preButton(), Qt::LeftButton);
        otevreny = d->isVisible();
        prePovolen = d->preButton()->isEnabled();
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_EQ(SpustKoef(s, zpravy, nullptr), kVysledekZrusit);
    ASSERT_EQ(zpravy.count(), 1u);
    EXPECT_EQ(zpravy.last().caption, "BŁOD");
    EXPECT_EQ(zpravy.last().text, "Hasło nekorektne");
    EXPECT_TRUE(otevreny);
    EXPECT_TRUE(prePovolen);
    EXPECT_EQ(bajty(), pred);
}

TEST_F(KoefViewTest, ClosingWithoutARunChangesNothing)
{
    const auto pred = bajty();
    for (bool klavesou : {false, true}) {
        SCOPED_TRACE(klavesou);
        modalni.Cekej<KoefView>([&](KoefView *d) {
            napis(d->heslo(), "r5t2w9");
            napis(d->koef(), "120000");
            if (klavesou)
                QTest::keyClick(d, Qt::Key_Escape);
            else
                QTest::mouseClick(d->konecButton(), Qt::LeftButton);
        });
        EXPECT_EQ(SpustKoef(s, zpravy, nullptr), kVysledekZrusit);
    }
    EXPECT_TRUE(zpravy.empty());
    EXPECT_EQ(bajty(), pred);
}

} // namespace
