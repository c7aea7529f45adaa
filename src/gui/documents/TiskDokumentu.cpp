#include "gui/documents/TiskDokumentu.h"

#include "core/Messages.h"
#include "gui/core/QtPictureStore.h"
#include "gui/core/Tiskarna.h"
#include "gui/documents/StrankaTisk.h"

#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace qmr {

namespace {

VelikostObrazku Velikost(const QtPictureStore *o, PictureStore::Target t)
{
    if (!o)
        return {};
    const QImage &i = o->Image(t);
    return {i.width(), i.height()};
}

ObrazkyStrany Zdroj(const QtPictureStore *o)
{
    return [o](ZdrojObrazku z, const std::string &soubor) -> QImage {
        switch (z) {
        case ZdrojObrazku::Rys: return o ? o->Image(PictureStore::Target::Picture) : QImage();
        case ZdrojObrazku::PomRys: return o ? o->Image(PictureStore::Target::PomRys) : QImage();
        case ZdrojObrazku::Soubor: return soubor.empty() ? QImage() : QtPictureStore::Nacti(soubor);
        }
        return QImage();
    };
}

bool Vytiskni(Messages &m, Tiskarna &t, const StranaTisku &strana, const ObrazkyStrany &obrazky,
              const CilTisku &cil)
{
    if (cil.Pdf) {
        if (UlozPdf(strana, obrazky, cil.Soubor))
            return true;
        ShowCommandError(m, kPdfNelze + cil.Soubor);
        return false;
    }

    QPrinter &pr = t.Printer();
    t.CelaStrana();
    pr.setDocName(QString::fromStdString(strana.Titulek));
    pr.setFromTo(0, 0);
    {
        QPointer<QPrintDialog> d = new QPrintDialog(&pr, cil.Rodic);
        d->setWindowTitle(QString::fromStdString(strana.Titulek));
        d->setOption(QAbstractPrintDialog::PrintPageRange, true);
        d->setOption(QAbstractPrintDialog::PrintSelection, false);
        d->setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        d->setMinMax(1, 9999);
        const bool ok = d->exec() == QDialog::Accepted;
        delete d;
        if (!ok)
            return false;
    }
    // The dialog may have changed the paper set-up; the page is laid out on a full sheet.
    t.CelaStrana();
    QPainter p;
    if (!p.begin(&pr)) {
        ShowCommandError(m, kTiskNelze + pr.printerName().toStdString());
        return false;
    }
    const bool rozsah = pr.printRange() == QPrinter::PageRange;
    // Copies are made by the print system where it can; otherwise the pages repeat.
    const int kopie = pr.supportsMultipleCopies() ? 1 : std::max(1, pr.copyCount());
    for (int i = 0; i < kopie; ++i) {
        if (i > 0)
            pr.newPage();
        NakresliStranu(p, pr, strana, obrazky, rozsah ? pr.fromPage() : 0, rozsah ? pr.toPage() : 0);
    }
    return p.end();
}

// Lays out the page with the pixel sizes of the session's drawings and prints it.
template <class Data, class Strana>
bool Tiskni(Strana strana, const Session &s, Messages &m, Tiskarna &t, const QtPictureStore *o,
            const Clock &h, const Data &d, const CilTisku &cil)
{
    return Vytiskni(m, t,
                    strana(s, d, h, Velikost(o, PictureStore::Target::Picture),
                           Velikost(o, PictureStore::Target::PomRys)),
                    Zdroj(o), cil);
}

} // namespace

bool TiskniObjednavku(const Session &s, Messages &Zpravy, Tiskarna &Tisk, const QtPictureStore *Obrazky,
                      const Clock &Hodiny, const DataObjednavky &Data, const CilTisku &Cil)
{
    return Tiskni(StranaObjednavky, s, Zpravy, Tisk, Obrazky, Hodiny, Data, Cil);
}

bool TiskniNabidku(const Session &s, Messages &Zpravy, Tiskarna &Tisk, const QtPictureStore *Obrazky,
                   const Clock &Hodiny, const DataNabidky &Data, const CilTisku &Cil)
{
    return Tiskni(StranaNabidky, s, Zpravy, Tisk, Obrazky, Hodiny, Data, Cil);
}

} // namespace qmr
