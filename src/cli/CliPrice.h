#pragma once
// The command-line front end: `quilmar-cli [--root DIR] price [--csv] FILE...` opens every
// job file as the program does when it is started with one (a fresh session with the
// price settings, preferences, supplier and customer company loaded, then the job-file
// reader), describes and prices it, and prints the figures: one JSON object per file and
// line, or with --csv one row per file under a header row.
//
// Exit status: 0 every file accepted; 3 a file was refused by the job-file reader (no job
// file, e.g. "Typ" not 1 or 2; its message goes to standard error); 1 a file could not be
// read (missing, not a regular file, unreadable) or could not be priced (an error of the
// program's own files, e.g. a VAT rate that is no number), or the program folder has no
// "DATA/" folder; 2 a usage error (usage text on standard error). When files fail in both
// ways, 1 wins over 3. Every FILE is processed even after a failure.
//
// JSON lines: an accepted file gives `file`, `accepted` true, `messages` (every message
// box the reader, the description and the pricing showed, as [caption, text]), the
// progress flags, thicknesses, description texts, currencies, percentages (numbers) and
// amounts (strings with four decimals and a full stop, "5.5000"). A refused or unreadable
// file still gives a line, so that the output has one line per FILE: `file`, `accepted`
// false, `messages`, and for an unreadable file `error` with the reason.
//
// CSV: header "file,number,description,purchase_after_discount,sale_after_discount,
// final_price,currency" and a row for every accepted file (refused and unreadable files
// give no row, only their message on standard error); amounts with two decimals and a
// full stop, rounded half to even; fields quoted when they hold a comma, a quote or a
// line break (quotes doubled).
#include "core/CatalogueFiles.h"
#include "core/Currency.h"
#include "core/Messages.h"
#include "core/Session.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace qmr {
class Clock;
}

namespace qmr::cli {

// Records every message box as [caption, text] and answers without asking anybody: OK for
// a box with an OK button only, otherwise the negative answer (No, Cancel, Abort), so a
// question never leads to a save or another action.
class RecordingMessages : public Messages {
public:
    int Hlaska(const std::string &Nadpis, const std::string &Text, unsigned Flags) override;
    const std::vector<std::pair<std::string, std::string>> &Zaznam() const { return zaznam_; }
    void Clear() { zaznam_.clear(); }

private:
    std::vector<std::pair<std::string, std::string>> zaznam_;
};

// Outcome of one job file.
enum class FileStatus {
    Accepted,   // read and priced
    Rejected,   // refused by the job-file reader (its message is recorded)
    Unreadable, // missing, not a regular file or cannot be opened
    Failed,     // read, but the description or pricing raised an error (recorded)
};

struct FileResult {
    std::string file; // as given
    FileStatus status = FileStatus::Unreadable;
    std::string error; // the reason of Unreadable / Failed
    std::vector<std::pair<std::string, std::string>> messages;
    std::unique_ptr<Session> session; // the priced session (Accepted; else the state reached)
};

// Opens and prices job files one after another against one program folder. Every file
// gets a fresh session; the parsed catalogue and configuration files are kept between
// files (each is re-read when it changes on disk).
class JobPricer {
public:
    // executablePath: the program's executable in the program folder (the paths are set
    // up from it as at start-up: DATA/ beside it).
    JobPricer(std::string executablePath, const Clock &clock);

    FileResult Price(const std::string &file);

    // The program folder and data folder the sessions use.
    const std::string &ProgramDir() const { return programDir_; }
    const std::string &DataDir() const { return dataDir_; }

private:
    std::string exe_;
    std::string programDir_;
    std::string dataDir_;
    const Clock &clock_;
    CatalogueFiles cache_;
};

// The JSON line of a result (without the line break).
std::string JsonLine(const FileResult &r);

// The CSV header and a row of an accepted result (without the line break).
std::string CsvHeader();
std::string CsvRow(const FileResult &r);
// A CSV field, quoted when needed.
std::string CsvField(const std::string &text);
// An amount with two decimals and a full stop, rounded half to even ("5.50", "-0.13").
std::string Amount2(Currency c);

// Usage text (ends with a line break).
std::string UsageText();

// The whole command line without the program name. executablePath names the default
// program folder (its folder); an empty one means the running executable's path.
int RunCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err,
           const std::string &executablePath, const Clock &clock);
// The same with the running executable's path and the system clock.
int RunCli(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

} // namespace qmr::cli
