#pragma once
// Driving modal dialogs from the GUI tests: a dialog's exec() blocks the test, so the
// steps on it run from a timer that waits for it to become the active modal widget.
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace guitest {

// The pollers of one test. Arm one just before the call that blocks; one whose dialog
// never opened dies with its owner (or with Zapomen) instead of firing into the next test.
class Modalni {
public:
    // Runs krok on the modal dialog of class T once it is on the screen; a dialog that
    // krok left open (an assertion that failed in it included) is closed by Cancel.
    template <class T> void Cekej(std::function<void(T *)> krok)
    {
        auto *t = new QTimer(vlastnik_.get());
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
    // Drops the pollers still waiting.
    void Zapomen() { vlastnik_ = std::make_unique<QObject>(); }

private:
    std::unique_ptr<QObject> vlastnik_ = std::make_unique<QObject>();
};

// A click on the row of the list that shows nazev; false when the list has none.
inline QListWidgetItem *KlikniRadek(QListWidget *l, const std::string &nazev)
{
    const auto nalez = l->findItems(QString::fromStdString(nazev), Qt::MatchExactly);
    if (nalez.isEmpty())
        return nullptr;
    l->scrollToItem(nalez.front());
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(nalez.front()).center());
    return nalez.front();
}

} // namespace guitest
