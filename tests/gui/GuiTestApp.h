#pragma once
// The one QApplication of the tests_gui executable is created by a global test
// environment (GuiTestApp.cpp) before the first test and destroyed after the last; tests
// in this folder must not create their own.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

namespace guitest {

// Drives a modal dialog: polls every 10 ms (at most 5 s) for an active modal widget of
// class T and runs akce on it. Arm it just before the call that blocks in exec().
template <class T>
void ZaModalnim(std::function<void(T *)> akce)
{
    auto *t = new QTimer(qApp);
    t->setInterval(10);
    auto od = std::make_shared<QElapsedTimer>();
    od->start();
    QObject::connect(t, &QTimer::timeout, t, [t, akce, od] {
        if (auto *w = qobject_cast<T *>(QApplication::activeModalWidget())) {
            t->stop();
            t->deleteLater();
            akce(w);
        } else if (od->elapsed() > 5000) {
            t->stop();
            t->deleteLater();
        }
    });
    t->start();
}

// With QUILMAR_SHOTS naming a folder, saves a picture named jmeno of the dialog for a
// look by eye; nothing is compared. Offscreen it is the widget itself; on an X screen
// (tools/dialog-shots.sh) the whole screen as a dealer sees it, the dialog over the
// window.
void Snimek(QWidget *w, const std::string &jmeno);

} // namespace guitest
