#pragma once
// Job files: one configured panel with its quote/order data in an INI file (".qms"), the
// same format as an order attachment (".qmr"); the writer, the reader and the file
// commands open, save, save as and the unsaved-changes question.
//
// A job file stores codes and choices only. The reader looks every item up again in the
// current catalogue, so a reopened job is priced with today's catalogue.
#include "core/Session.h"
#include "jobfiles/FileDialogs.h"

#include <functional>
#include <string>

namespace qmr {

class Clock;
class Messages;

// File dialog filters.
inline constexpr const char *kFiltrZakazek = "Pliki Quilmar|*.qms"; // job files
inline constexpr const char *kFiltrPriloh = "Quilmar|*.qmr";        // attachment files

// Shown before the [Zakaznik] section of a job file is written, so that the user can
// complete the end customer's data (only while apZakaznik is on, which it never is).
using ZakaznikDialog = std::function<void(Session &)>;

// Writes the session to the job file Jmeno. A name with the extension ".qmr" (any case)
// and LSoubor false is the order attachment: Jmeno becomes apPriloha and that file is
// written, apEdited stays. Otherwise Jmeno itself is written as a job file and apEdited
// is cleared. The old content is replaced as a whole in one atomic write. Throws
// EFileError when the file cannot be written (the file is then as it was).
void FileZapis(Session &s, std::string &Jmeno, bool LSoubor, const Clock &Hodiny,
               const ZakaznikDialog &Zakaznik = {});

// Reads the job file S into the session and looks its items up in the catalogue. A file
// that is no job file (no [Objednavka] "Typ" of 1 or 2, also a missing or unreadable
// file) is refused with an error message and leaves the session exactly as it was;
// the result is then false. Any content is read without harm: values outside their
// range are brought into it, unreadable dates read as today.
bool NactiData(Session &s, const std::string &S, Messages &Zpravy, const Clock &Hodiny);

// Whether NactiData would accept the file (a regular file with [Objednavka] "Typ" 1 or 2).
bool NactiDataPrijme(const std::string &S);

// The path with its extension replaced by Pripona (".qms"); added when it has none.
std::string ZmenPriponu(const std::string &Cesta, const std::string &Pripona);

// The job-file component of the main window and the quote and order forms: the commands
// over the file dialogs. Results: 6 done (continue), 2 cancelled.
class TZapis {
public:
    TZapis(Session &s, Messages &Zpravy, const Clock &Hodiny, FileDialogs &Dialogy);

    // Optional end-customer dialog for FileZapis.
    ZakaznikDialog Zakaznik;

    void FileZapis(std::string &Jmeno, bool LSoubor);
    bool NactiData(const std::string &S);

    // Unsaved changes: without changes (apEdited false) 6. Otherwise the user is asked
    // whether to save: Yes saves through Ulozit (6, or 2 when its dialog is cancelled),
    // No gives 6, Cancel 2.
    int TestZapisu();

    // Asks TestZapisu, then the open dialog (DataPath + "Nowy plik.qms" in DataPath).
    // A chosen existing job file replaces the panel; a file that is no job file is
    // refused by NactiData and changes nothing; cancelling changes nothing.
    void FileOpen();

    // Saves a job opened or saved before to its path without a dialog; a new job (or one
    // whose name was changed by the forms) through the save dialog, with ".qms" forced.
    int Ulozit();

    // Always through the save dialog; lMail saves an attachment file (".qmr").
    int UlozitJako(bool lMail);

private:
    Session &s_;
    Messages &zpravy_;
    const Clock &hodiny_;
    FileDialogs &dialogy_;
};

} // namespace qmr
