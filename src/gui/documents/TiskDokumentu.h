#pragma once
// Printing the order and the quote: the page of the printout (documents/TiskObjednavky.h,
// documents/TiskNabidky.h) with the session's drawings, on the application's printer
// after its printer dialog (copies, printer, page range), or straight into a PDF file
// (for a mail attachment) without a dialog.
#include "documents/TiskNabidky.h"
#include "documents/TiskObjednavky.h"

#include <string>

class QWidget;

namespace qmr {

class Clock;
class Messages;
class QtPictureStore;
class Tiskarna;

// Where the printout goes.
struct CilTisku {
    bool Pdf = false;        // write the PDF file Soubor instead of printing
    std::string Soubor;      // the PDF file
    QWidget *Rodic = nullptr; // parent of the printer dialog
};

// The printed order. Printing asks the printer dialog first; cancelling it prints
// nothing and is silent. Returns true when the page was printed or written; a printer or
// file that cannot be written is reported through Zpravy ("Quilmar") and gives false.
// Obrazky holds the session's drawings for the miniature (nullptr: none).
bool TiskniObjednavku(const Session &s, Messages &Zpravy, Tiskarna &Tisk, const QtPictureStore *Obrazky,
                      const Clock &Hodiny, const DataObjednavky &Data, const CilTisku &Cil = {});

// The printed quote, the same way.
bool TiskniNabidku(const Session &s, Messages &Zpravy, Tiskarna &Tisk, const QtPictureStore *Obrazky,
                   const Clock &Hodiny, const DataNabidky &Data, const CilTisku &Cil = {});

// Messages.
inline constexpr const char *kTiskNelze = "Nie można drukować: ";
inline constexpr const char *kPdfNelze = "Nie można zapisać pliku: ";

} // namespace qmr
