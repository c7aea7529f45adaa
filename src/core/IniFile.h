#pragma once
// INI file with the semantics of the Windows INI service the catalogue, configuration
// and job files come from: sections and keys compared without case (Polish and Czech
// letters included), first occurrence wins, values trimmed and matching outer quotes
// removed, no inline comments, any line end. Text is UTF-8 inside the program; files are
// read as UTF-8 (with or without BOM), UTF-16LE (with BOM) or Windows-1250 and written back
// in their own encoding with CRLF line ends. A new or ASCII-only file becomes Windows-1250
// when everything fits and the bytes cannot be mistaken for UTF-8, UTF-8 with BOM otherwise;
// characters a Windows-1250 file cannot hold are stored as '?'.
//
// Reads come from a parsed copy, reloaded when the file changes on disk (size or
// modification time). Writes change only the lines they concern and replace the file
// atomically (temporary file, then rename).
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qmr {

// The path as it exists on disk: a name that does not exist as written is looked up in
// its folder without regard to case, component by component; a component not found ends
// the search and the rest stays as written.
std::string ResolveNoCase(const std::string &name);

class IniFile {
public:
    // The file need not exist. A name that does not exist as written is looked up in
    // its folder without regard to case (every path component).
    explicit IniFile(std::string fileName);
    virtual ~IniFile(); // flushes pending writes (errors are swallowed here; call UpdateFile to see them)
    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    // The file actually used (after the case-insensitive lookup).
    const std::string &FileName() const;

    std::string ReadString(const std::string &Section, const std::string &Ident,
                           const std::string &Default) const;
    // A missing, non-numeric or out-of-range (32-bit) value gives Default.
    int ReadInteger(const std::string &Section, const std::string &Ident, int Default) const;
    // True for any non-zero integer; Default when missing or non-numeric.
    bool ReadBool(const std::string &Section, const std::string &Ident, bool Default) const;
    // A date in the program's format "dd.mm.yyyy" as a day count (30.12.1899 = 0).
    double ReadDate(const std::string &Section, const std::string &Ident, double Default) const;

    // Names and the value are trimmed and cut at a NUL; CR and LF in them become spaces, so
    // a value can never add lines. Writing the value a key already has leaves the file
    // alone. A new key goes to the end of the first matching section, a new section to the
    // end of the file; an existing key keeps its stored spelling. Write errors throw
    // EFileError and leave the file (and, with automatic flushing, the parsed copy) as it was.
    void WriteString(const std::string &Section, const std::string &Ident, const std::string &Value);
    virtual void WriteInteger(const std::string &Section, const std::string &Ident, int Value);
    virtual void WriteBool(const std::string &Section, const std::string &Ident, bool Value);
    void WriteDate(const std::string &Section, const std::string &Ident, double Value);
    void DeleteKey(const std::string &Section, const std::string &Ident);
    void EraseSection(const std::string &Section);

    // Section names in file order (every copy of a duplicate section is listed, like the service does).
    std::vector<std::string> ReadSections() const;
    // Key names of the first matching section in file order (comment keys starting with ';'
    // and empty names are not listed; a key that occurs twice is listed twice).
    std::vector<std::string> ReadSection(const std::string &Section) const;
    // Like the platform class: true when ReadSection lists at least one key, so a header
    // left without keys does not count.
    bool SectionExists(const std::string &Section) const;
    // True when ReadSection of the section lists the key.
    bool ValueExists(const std::string &Section, const std::string &Ident) const;

    // Writes pending changes to disk; throws EFileError when the file cannot be written.
    void UpdateFile();

    // Write-through (default): every write reaches the disk at once. Turned off, writes
    // collect in memory until UpdateFile or destruction (for bulk rewrites of catalogues).
    void SetAutoFlush(bool on);
    // Freshness: by default every read checks the file's size and modification time.
    // A caller that reads many keys per step (pricing) turns it off and calls Refresh once.
    void SetCheckOnRead(bool on);
    // Reloads when the file changed on disk; true when it was (re)parsed.
    bool Refresh() const;
    // How many times the file has been parsed (for tests and benchmarks).
    std::uint64_t ParseCount() const;

    // Test seam: called with the temporary file, complete and synced, just before it
    // replaces the target; an exception thrown here aborts the write like a failed rename.
    void SetReplaceHookForTest(std::function<void(const std::string &tempPath)> hook);

protected:
    // Runs fn with automatic flushing suspended and writes the result once, like a
    // single write (with automatic flushing off it just runs fn).
    void Batch(const std::function<void()> &fn);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace qmr
