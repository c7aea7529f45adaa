#include "gui/core/Tiskarna.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPointer>
#include <QPrintDialog>

namespace qmr {

Tiskarna::Tiskarna() : printer_(QPrinter::HighResolution)
{
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setPageOrientation(QPageLayout::Portrait);
    CelaStrana();
}

void Tiskarna::CelaStrana()
{
    printer_.setFullPage(true);
    printer_.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

bool Tiskarna::NastavTisk(QWidget *parent)
{
    QPointer<QPrintDialog> d = new QPrintDialog(&printer_, parent);
    d->setWindowTitle(QStringLiteral("Nastawienie drukarki"));
    // Set-up only: which pages to print is decided by each printout.
    d->setOption(QAbstractPrintDialog::PrintToFile, true);
    d->setOption(QAbstractPrintDialog::PrintPageRange, false);
    d->setOption(QAbstractPrintDialog::PrintSelection, false);
    d->setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    const bool ok = d->exec() == QDialog::Accepted;
    delete d;
    CelaStrana();
    return ok;
}

} // namespace qmr
