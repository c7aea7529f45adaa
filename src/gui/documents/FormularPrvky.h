#pragma once
// Widgets and focus tests shared by the views of the quote and the order form.
#include "gui/core/DialogHelpers.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QListWidget>
#include <QPalette>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qmr::formular {

using qmr::MaFokus;
using qmr::UzivatelOdesel;

// A two-item radio group in box; the buttons have the ids 0 and 1.
inline QButtonGroup *Skupina(QWidget *rodic, QGroupBox *box, const char *a, const char *b)
{
    auto *g = new QButtonGroup(rodic);
    auto *l = new QVBoxLayout(box);
    int id = 0;
    for (const char *t : {a, b}) {
        auto *r = new QRadioButton(QStr(t), box);
        l->addWidget(r);
        g->addButton(r, id++);
    }
    return g;
}

// A read-only column of the lines that describe the job.
inline QListWidget *Seznam(QWidget *rodic, const char *jmeno)
{
    auto *l = new QListWidget(rodic);
    l->setObjectName(QString::fromLatin1(jmeno));
    l->setFrameShape(QFrame::NoFrame);
    l->setFocusPolicy(Qt::NoFocus);
    l->setSelectionMode(QAbstractItemView::NoSelection);
    l->setMinimumHeight(220);
    // Read-only text on the form's background, as labels.
    QPalette pal = l->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Window));
    l->setPalette(pal);
    return l;
}

} // namespace qmr::formular
