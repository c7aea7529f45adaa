#pragma once
// A main window over a copy of the demo catalogue, with fake messages, file dialogs,
// pictures and clock.
#include "GuiTestApp.h"

#include "catalogues/Seznamy.h"
#include "core/Session.h"
#include "gui/mainwindow/TVolba.h"
#include "support/FakeClock.h"
#include "support/FakeFileDialogs.h"
#include "support/FakeMessages.h"
#include "support/FakePictureStore.h"
#include "support/TestPaths.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace guitest {

// The demonstration job of the demo catalogue: complete, so an order can be made.
inline std::string DemoZakazka() { return qmrtest::sourceDir() + "/tools/demo-jobs/demo.qms"; }

class VolbaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        namespace fs = std::filesystem;
        const fs::path demo = fs::path(qmrtest::programDir()) / "DATA";
        if (!fs::exists(demo / "vyplne.qmr"))
            GTEST_SKIP() << "the demo catalogue is not built: " << demo;
        fs::copy(demo, dir.path() / "DATA", fs::copy_options::recursive);
        fs::copy_file(DemoZakazka(), dir.path() / "DATA" / "demo.qms");
        qmr::InitSession(s, dir.file("quilmar"));
        qmr::SeznamyVyplni(s);
        qmr::SeznamyBarev(s);
    }

    void TearDown() override { okno.reset(); }

    qmr::TVolba &Okno(const std::vector<std::string> &argumenty = {}, qmr::VolbaDialogy d = {})
    {
        okno.reset(); // one main window at a time (its destruction clears VolbaNeniNil)
        okno = std::make_unique<qmr::TVolba>(s, qmr::Platforma{zpravy, soubory, obrazky, hodiny, {}},
                                             std::move(d), argumenty);
        return *okno;
    }

    // Shows the window and lets the first refreshes run.
    void Ukaz()
    {
        okno->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(okno.get()));
        QTest::qWait(20);
    }

    QAction *Akce(const char *jmeno) const { return okno->findChild<QAction *>(QString::fromLatin1(jmeno)); }
    QPushButton *Tlacitko(const char *jmeno) const
    {
        return okno->findChild<QPushButton *>(QString::fromLatin1(jmeno));
    }
    QLabel *Popisek(const char *jmeno) const { return okno->findChild<QLabel *>(QString::fromLatin1(jmeno)); }
    std::string Text(const char *jmeno) const { return Popisek(jmeno)->text().toStdString(); }
    std::string Titulek() const { return okno->windowTitle().toStdString(); }

    // Opens the demo job through the file menu.
    void OtevriDemo()
    {
        soubory.Choose(dir.file("DATA/demo.qms"));
        Akce("Otevrit")->trigger();
    }

    qmrtest::TempDir dir;
    qmr::Session s;
    qmrtest::FakeMessages zpravy;
    qmrtest::FakeFileDialogs soubory;
    qmrtest::FakePictureStore obrazky;
    qmrtest::FakeClock hodiny{2024, 3, 5};
    std::unique_ptr<qmr::TVolba> okno;
};

} // namespace guitest
