#include "GuiTestApp.h"

#include <gtest/gtest.h>

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
