// The Qt implementations of the platform interfaces: message boxes, file dialogs, the
// picture store and the printer.
#include "GuiTestApp.h"

#include "gui/core/QtFileDialogs.h"
#include "gui/core/QtMessages.h"
#include "gui/core/QtPictureStore.h"
#include "gui/core/Tiskarna.h"
#include "support/TestPaths.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

using namespace qmr;
using guitest::ZaModalnim;
using SB = QMessageBox::StandardButton;

namespace {

constexpr int kEscape = -1; // press Escape instead of a button
constexpr int kEnter = -2;  // press Enter

TEST(QtMessages, BoxShowsFlagsAndAnswersWithTheButtonPressed)
{
    struct Case {
        unsigned flags;
        std::vector<SB> buttons;
        SB def;
        QMessageBox::Icon icon;
        int press; // a StandardButton, kEscape or kEnter
        int expected;
    } cases[] = {
        {MB_OK | MB_ICONINFORMATION, {SB::Ok}, SB::Ok, QMessageBox::Information, SB::Ok, IDOK},
        {MB_OK, {SB::Ok}, SB::Ok, QMessageBox::NoIcon, kEscape, IDOK},
        {MB_OKCANCEL | MB_ICONWARNING, {SB::Ok, SB::Cancel}, SB::Ok, QMessageBox::Warning, SB::Cancel, IDCANCEL},
        {MB_OKCANCEL, {SB::Ok, SB::Cancel}, SB::Ok, QMessageBox::NoIcon, kEscape, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, {SB::Yes, SB::No}, SB::Yes, QMessageBox::Question, kEnter, IDYES},
        {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, {SB::Yes, SB::No}, SB::No, QMessageBox::Question, kEnter, IDNO},
        {MB_YESNO | MB_DEFBUTTON2, {SB::Yes, SB::No}, SB::No, QMessageBox::NoIcon, SB::Yes, IDYES},
        {MB_YESNO, {SB::Yes, SB::No}, SB::Yes, QMessageBox::NoIcon, kEscape, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, {SB::Yes, SB::No, SB::Cancel}, SB::Cancel, QMessageBox::NoIcon, SB::No, IDNO},
        {MB_YESNOCANCEL, {SB::Yes, SB::No, SB::Cancel}, SB::Yes, QMessageBox::NoIcon, kEscape, IDCANCEL},
        {MB_ABORTRETRYIGNORE | MB_ICONERROR, {SB::Abort, SB::Retry, SB::Ignore}, SB::Abort, QMessageBox::Critical,
         SB::Ignore, IDIGNORE},
        {MB_RETRYCANCEL | MB_DEFBUTTON2, {SB::Retry, SB::Cancel}, SB::Cancel, QMessageBox::NoIcon, SB::Retry, IDRETRY},
    };
    QtMessages m;
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "flags 0x" << std::hex << c.flags << std::dec << " press " << c.press);
        QString caption, text;
        std::vector<SB> buttons;
        SB def = SB::NoButton;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        bool onTop = false;
        ZaModalnim<QMessageBox>([&](QMessageBox *b) {
            caption = b->windowTitle();
            text = b->text();
            icon = b->icon();
            onTop = b->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            for (QAbstractButton *btn : b->buttons())
                buttons.push_back(b->standardButton(btn));
            def = b->defaultButton() ? b->standardButton(b->defaultButton()) : SB::NoButton;
            if (c.press == kEscape)
                QTest::keyClick(b, Qt::Key_Escape);
            else if (c.press == kEnter)
                QTest::keyClick(b, Qt::Key_Return);
            else
                b->button(static_cast<SB>(c.press))->click();
        });
        EXPECT_EQ(m.Hlaska("Quilmar", "Zażółć gęślą jaźń", c.flags), c.expected);
        EXPECT_EQ(caption, QStringLiteral("Quilmar"));
        EXPECT_EQ(text, QString::fromUtf8("Zażółć gęślą jaźń"));
        EXPECT_EQ(icon, c.icon);
        EXPECT_TRUE(onTop);
        std::sort(buttons.begin(), buttons.end());
        std::vector<SB> want = c.buttons;
        std::sort(want.begin(), want.end());
        EXPECT_EQ(buttons, want);
        EXPECT_EQ(def, c.def);
    }
}

TEST(QtMessages, QuestionHelpersKeepTheirDefaultButton)
{
    QtMessages m;
    ZaModalnim<QMessageBox>([](QMessageBox *b) { QTest::keyClick(b, Qt::Key_Return); });
    EXPECT_TRUE(m.AnoNe("Quilmar", "Tak?"));
    ZaModalnim<QMessageBox>([](QMessageBox *b) { QTest::keyClick(b, Qt::Key_Return); });
    EXPECT_FALSE(m.NeAno("Quilmar", "Nie?"));
    ZaModalnim<QMessageBox>([](QMessageBox *b) {
        EXPECT_EQ(b->icon(), QMessageBox::Critical);
        b->button(SB::Ok)->click();
    });
    EXPECT_EQ(m.Chyba("Quilmar", "Błąd"), IDOK);
}

TEST(QtFileDialogs, FiltersBecomeQtFilters)
{
    struct {
        const char *filter;
        QStringList expected;
    } cases[] = {
        {"Pliki Quilmar|*.qms", {"Pliki Quilmar (*.qms)"}},
        {"Quilmar|*.qmr", {"Quilmar (*.qmr)"}},
        {"Zlecenia|*.qms;*.qmr|Wszystkie pliki|*.*", {"Zlecenia (*.qms *.qmr)", "Wszystkie pliki (*.*)"}},
        {"", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.filter);
        EXPECT_EQ(QtFileDialogs::QtFiltry(c.filter), c.expected);
    }
}

TEST(QtFileDialogs, SaveDialogProposesNameFolderAndExtension)
{
    qmrtest::TempDir dir;
    std::unique_ptr<QFileDialog> d(QtFileDialogs::VytvorDialog(true, "Nowy plik.qms", dir.path().string(),
                                                               "Pliki Quilmar|*.qms", nullptr));
    EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(d->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(d->nameFilters(), QStringList{"Pliki Quilmar (*.qms)"});
    EXPECT_EQ(d->defaultSuffix(), QStringLiteral("qms"));
    EXPECT_EQ(QDir(d->directory()).canonicalPath(), QDir(QString::fromStdString(dir.path().string())).canonicalPath());
}

// Types a name into the dialog's file name field and accepts it.
void Zadej(QFileDialog *d, const QString &jmeno)
{
    auto *edit = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(jmeno);
    QMetaObject::invokeMethod(d, "accept"); // protected slot
}

TEST(QtFileDialogs, SaveReturnsTheChosenPathAndAsksBeforeOverwriting)
{
    qmrtest::TempDir dir;
    const std::string folder = dir.path().string();
    QtFileDialogs fd;

    ZaModalnim<QFileDialog>([](QFileDialog *d) { Zadej(d, QStringLiteral("zlecenie")); });
    const auto novy = fd.Save("Nowy plik.qms", folder, "Pliki Quilmar|*.qms");
    ASSERT_TRUE(novy.has_value());
    EXPECT_EQ(std::filesystem::path(*novy).filename(), "zlecenie.qms");

    // An existing file: the question comes; "No" keeps the dialog open, then it is cancelled.
    dir.write("stary.qms", "x");
    bool asked = false;
    ZaModalnim<QFileDialog>([&](QFileDialog *d) {
        ZaModalnim<QMessageBox>([&](QMessageBox *b) {
            asked = true;
            ZaModalnim<QFileDialog>([](QFileDialog *d2) { d2->reject(); });
            b->button(SB::No)->click();
        });
        Zadej(d, QStringLiteral("stary.qms"));
    });
    EXPECT_FALSE(fd.Save("Nowy plik.qms", folder, "Pliki Quilmar|*.qms").has_value());
    EXPECT_TRUE(asked);
    EXPECT_EQ(qmrtest::TempDir::read(dir.file("stary.qms")), "x");
}

TEST(QtFileDialogs, OpenReturnsTheChosenFileOrNothing)
{
    qmrtest::TempDir dir;
    const std::string path = dir.write("a.qms", "[Zakazka]\r\n");
    QtFileDialogs fd;
    ZaModalnim<QFileDialog>([](QFileDialog *d) {
        EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptOpen);
        Zadej(d, QStringLiteral("a.qms"));
    });
    const auto chosen = fd.Open(dir.file("Nowy plik.qms"), dir.path().string(), "Pliki Quilmar|*.qms");
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(std::filesystem::equivalent(*chosen, path));

    ZaModalnim<QFileDialog>([](QFileDialog *d) { d->reject(); });
    EXPECT_FALSE(fd.Open("", dir.path().string(), "Pliki Quilmar|*.qms").has_value());
}

class QtPictureStoreTest : public ::testing::Test {
protected:
    QtPictureStoreTest()
    {
        std::filesystem::create_directories(dir.path() / "rysy");
        QImage img(20, 10, QImage::Format_RGB32);
        img.fill(Qt::red);
        EXPECT_TRUE(img.save(QString::fromStdString(dir.file("rysy/x.JPG")), "JPG"));
        dir.write("rysy/zly.jpg", "not a picture");
    }
    std::string P(const std::string &rel) const { return dir.path().string() + "/" + rel; }

    qmrtest::TempDir dir;
    QtPictureStore store;
};

TEST_F(QtPictureStoreTest, FindsFoldersAndFilesWithoutRegardToCase)
{
    for (const char *name : {"rysy/x.JPG", "RYSY/X.jpg", "Rysy/x.jpg"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(store.Exists(P(name)));
        EXPECT_EQ(QtPictureStore::Najdi(P(name)), P("rysy/x.JPG"));
    }
    EXPECT_FALSE(store.Exists(P("RYSY/Y.jpg")));
    EXPECT_FALSE(store.Exists(P("BARVY/X.jpg")));
    EXPECT_FALSE(store.Exists(P("RYSY"))); // a folder is no picture
}

TEST_F(QtPictureStoreTest, LoadsIntoEachTargetAndKeepsThePictureOnFailure)
{
    using T = PictureStore::Target;
    EXPECT_TRUE(store.Image(T::Picture).isNull());
    ASSERT_TRUE(store.Load(T::Picture, P("RYSY/X.jpg")));
    EXPECT_EQ(store.Image(T::Picture).size(), QSize(20, 10));
    EXPECT_TRUE(store.Image(T::PomRys).isNull());

    // A file that exists but cannot be decoded does not count as loaded.
    EXPECT_TRUE(store.Exists(P("RYSY/ZLY.JPG")));
    EXPECT_FALSE(store.Load(T::Picture, P("RYSY/ZLY.JPG")));
    EXPECT_FALSE(store.Load(T::Picture, P("RYSY/NIC.JPG")));
    EXPECT_EQ(store.Image(T::Picture).size(), QSize(20, 10));

    ASSERT_TRUE(store.Load(T::PomRys, P("rysy/x.jpg")));
    EXPECT_EQ(store.Image(T::PomRys).size(), QSize(20, 10));
    store.Clear(T::Picture);
    EXPECT_TRUE(store.Image(T::Picture).isNull());
}

TEST(Tiskarna, PrinterIsA4FullPageWithoutMarginsAndKeepsItAfterTheSetUp)
{
    Tiskarna t;
    auto check = [&t] {
        EXPECT_EQ(t.Printer().pageLayout().pageSize().id(), QPageSize::A4);
        EXPECT_TRUE(t.Printer().fullPage());
        EXPECT_EQ(t.Printer().pageLayout().margins(QPageLayout::Millimeter), QMarginsF(0, 0, 0, 0));
    };
    check();
    ZaModalnim<QPrintDialog>([](QPrintDialog *d) { d->reject(); });
    EXPECT_FALSE(t.NastavTisk(nullptr));
    check();
}

} // namespace
