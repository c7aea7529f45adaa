// The password dialog and the about box.
#include "GuiTestApp.h"

#include "core/Session.h"
#include "core/Umisteni.h"
#include "gui/admin/UAboutView.h"
#include "gui/admin/UHesloView.h"
#include "support/FakeMessages.h"
#include "support/TestPaths.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace qmr;
using guitest::ZaModalnim;

namespace {

TEST(HesloView, AcceptsOnlyAnEmptyPassword)
{
    Session s;
    s.VolbaLeft = 30;
    s.VolbaTop = 10;
    {
        HesloView d(s);
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Zadání hesla"));
        EXPECT_EQ(d.findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Zadejte heslo:"));
        EXPECT_EQ(d.okButton()->text(), QStringLiteral("O&K"));
        EXPECT_EQ(d.hesloText()->maxLength(), 12);
        EXPECT_EQ(d.hesloText()->echoMode(), QLineEdit::Password);
        const Bod b = UmistiDialog(s, d.width(), d.height());
        EXPECT_EQ(d.pos(), QPoint(b.Left, b.Top));
    }
    struct {
        const char *typed;
        bool accepted;
    } cases[] = {{"", true}, {"tajne", false}, {"ABC", false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        ZaModalnim<HesloView>([&c](HesloView *d) {
            QTest::keyClicks(d->hesloText(), c.typed);
            QTest::mouseClick(d->okButton(), Qt::LeftButton);
        });
        EXPECT_EQ(HesloView::Over(s), c.accepted);
    }
    ZaModalnim<HesloView>([](HesloView *d) { QTest::keyClick(d, Qt::Key_Escape); });
    EXPECT_FALSE(HesloView::Over(s));
}

TEST(AboutView, ShowsLogoNameAndVersionModelessAndClosesItself)
{
    qmrtest::TempDir dir;
    Session s;
    s.apCesta = dir.path().string() + "/";
    QImage logo(120, 40, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    ASSERT_TRUE(logo.save(QString::fromStdString(dir.file("qmrlogo.JPG")), "JPG"));
    qmrtest::FakeMessages m;

    QPointer<AboutView> a = AboutView::Ukaz(s, m);
    ASSERT_TRUE(a);
    EXPECT_TRUE(m.empty());
    EXPECT_TRUE(a->isVisible());
    EXPECT_FALSE(a->isModal());
    EXPECT_EQ(a->windowTitle(), QStringLiteral("Informacja o programie 1.8.2023"));
    EXPECT_EQ(a->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
              QString::fromUtf8("Quilmar - wypełnienia drzwiowe, wersja 5.2"));
    for (const char *name : {"Label2", "Label3", "Label4"})
        EXPECT_FALSE(a->findChild<QLabel *>(QString::fromLatin1(name))->text().isEmpty()) << name;
    EXPECT_EQ(a->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().size(), QSize(120, 40));
    EXPECT_FALSE(a->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(a->okButton()->text(), QStringLiteral("OK"));

    QTest::mouseClick(a->okButton(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(a);

    // Escape closes it as well.
    a = AboutView::Ukaz(s, m);
    QTest::keyClick(a.data(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(a);
}

TEST(AboutView, MissingLogoIsReportedAndTheTextsStillShow)
{
    qmrtest::TempDir dir;
    Session s;
    s.apCesta = dir.path().string() + "/";
    qmrtest::FakeMessages m;
    QPointer<AboutView> a = AboutView::Ukaz(s, m);
    ASSERT_EQ(m.count(), 1u);
    EXPECT_EQ(m.last().kind, qmrtest::FakeMessages::Kind::Chyba);
    EXPECT_NE(m.last().text.find("QMRlogo.jpg"), std::string::npos);
    EXPECT_EQ(a->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
              QString::fromUtf8("Quilmar - wypełnienia drzwiowe, wersja 5.2"));
    EXPECT_TRUE(a->isVisible());
    a->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(a);
}

} // namespace
