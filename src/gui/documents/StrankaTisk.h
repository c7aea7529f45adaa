#pragma once
// The page painter of the printouts: draws a StranaTisku (documents/TiskStrana.h) on a
// printer or a PDF file through one routine. Positions are millimetres from the corner
// of the sheet, so the device must print the full page without margins.
#include "documents/TiskStrana.h"

#include <QImage>

#include <functional>
#include <string>

class QPagedPaintDevice;
class QPainter;

namespace qmr {

// The picture for a picture element (a null image when there is none).
using ObrazkyStrany = std::function<QImage(ZdrojObrazku, const std::string &soubor)>;

// Pages of the printout: 1, or more when the notes do not fit above the foot.
// Paints pages Od..Do (1-based, 0 = all) on the device with the painter already begun
// on it, calling newPage() between them. Returns the number of pages of the printout.
int NakresliStranu(QPainter &p, QPagedPaintDevice &zarizeni, const StranaTisku &strana,
                   const ObrazkyStrany &obrazky, int Od = 0, int Do = 0);

// Writes the printout as an A4 PDF file. False when the file cannot be written.
bool UlozPdf(const StranaTisku &strana, const ObrazkyStrany &obrazky, const std::string &soubor);

} // namespace qmr
