#include "GuiTestApp.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class QtProstredi : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char jmeno[] = "tests_gui";
        static char *argv[] = {jmeno, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment *const prostredi = ::testing::AddGlobalTestEnvironment(new QtProstredi);

} // namespace

void guitest::Snimek(QWidget *w, const std::string &jmeno)
{
    const char *slozka = std::getenv("QUILMAR_SHOTS");
    if (!slozka || !*slozka)
        return;
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
    QTest::qWait(150);
    const QPixmap p = QGuiApplication::platformName() == QLatin1String("offscreen") ? w->grab()
                                                                                    : w->screen()->grabWindow(0);
    p.save(QString::fromStdString(std::string(slozka) + "/" + jmeno + ".png"));
}
