#pragma once
// Fixture of the glass, stained-glass and muntin view tests: a program folder with the
// demo catalogue and the picture folders a test asks for, an Aura panel of format 1 with
// glazing S1, and a poller that drives the modal dialog and closes it even when a step
// fails.
#include "GuiTestApp.h"

#include "core/Session.h"
#include "gui/core/QtPictureStore.h"
#include "support/FakeMessages.h"
#include "support/TestPaths.h"

#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

namespace guitest {

class SkloViewTest : public ::testing::Test {
protected:
    // Copies DATA and the named picture folders (or single files below the program folder).
    void Priprav(std::initializer_list<const char *> obrazky)
    {
        namespace fs = std::filesystem;
        const fs::path program = qmrtest::programDir();
        if (!fs::exists(program / "DATA" / "dekory.qmr"))
            GTEST_SKIP() << "the demo catalogue is not built: " << program;
        fs::copy(program / "DATA", dir.path() / "DATA", fs::copy_options::recursive);
        for (const char *o : obrazky) {
            const fs::path z = program / o;
            if (!fs::exists(z))
                GTEST_SKIP() << "the demo pictures are not drawn: " << z;
            fs::create_directories((dir.path() / o).parent_path());
            fs::copy(z, dir.path() / o, fs::copy_options::recursive);
        }
        s.apCesta = dir.path().string() + "/";
        s.apData = s.apCesta + "DATA/";
        qmr::TDVypln &v = s.SVypln.DVypln;
        v.Polozka = 0;
        v.Nazev = "Aura";
        v.Kod = "PA";
        s.SFormat = 1;
        s.SZaskleni = 1;
        s.SVyztuz = 0;
    }
    void TearDown() override { casovace.reset(); }

    // Runs krok on the modal dialog of class T once it is on the screen, then closes it
    // with Cancel if krok left it open (an assertion that failed in krok included). The
    // poller belongs to the fixture, so one whose dialog never opened dies with the test.
    template <class T> void Cekej(std::function<void(T *)> krok)
    {
        auto *t = new QTimer(casovace.get());
        QObject::connect(t, &QTimer::timeout, t, [t, krok] {
            auto *w = qobject_cast<T *>(QApplication::activeModalWidget());
            if (!w)
                return;
            t->stop();
            t->deleteLater();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
            krok(w);
            if (w->isVisible())
                w->reject();
        });
        t->start(10);
    }

    // A click on the row of the list that shows nazev; false when the list has none.
    static bool Klikni(QListWidget *l, const std::string &nazev)
    {
        const auto nalez = l->findItems(QString::fromStdString(nazev), Qt::MatchExactly);
        if (nalez.isEmpty())
            return false;
        l->scrollToItem(nalez.front());
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(nalez.front()).center());
        return true;
    }

    static QStringList Polozky(const QListWidget *l)
    {
        QStringList t;
        for (int i = 0; i < l->count(); ++i)
            t << l->item(i)->text();
        return t;
    }

    qmrtest::TempDir dir;
    qmr::Session s;
    qmrtest::FakeMessages zpravy;
    qmr::QtPictureStore obrazky;
    std::unique_ptr<QObject> casovace = std::make_unique<QObject>();
};

} // namespace guitest
