#pragma once
// Fixture of the glass, stained-glass and muntin view tests: a program folder with the
// demo catalogue and the picture folders a test asks for, an Aura panel of format 1 with
// glazing S1, and a poller that drives the modal dialog and closes it even when a step
// fails.
#include "GuiTestApp.h"
#include "Modalni.h"

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

    template <class T> void Cekej(std::function<void(T *)> krok) { modalni.Cekej<T>(std::move(krok)); }

    static bool Klikni(QListWidget *l, const std::string &nazev) { return guitest::KlikniRadek(l, nazev); }

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
    guitest::Modalni modalni;
};

} // namespace guitest
