#pragma once
// Parsed catalogue and configuration files of the session, one object per file, kept for
// the whole run. Each object reloads its file when it changes on disk, so a catalogue is
// parsed once and not once per key or per pricing.
#include "core/TSifraSoubor.h"

#include <map>
#include <memory>
#include <string>

namespace qmr {

class CatalogueFiles {
public:
    CatalogueFiles() = default;
    // A copied session starts with an empty cache of its own (the files are re-read on demand).
    CatalogueFiles(const CatalogueFiles &) {}
    CatalogueFiles &operator=(const CatalogueFiles &) { files_.clear(); return *this; }
    CatalogueFiles(CatalogueFiles &&) noexcept = default;
    CatalogueFiles &operator=(CatalogueFiles &&) noexcept = default;

    // The file at path (any case of the name), opened on first use.
    TSifraSoubor &Get(const std::string &path);
    // Forgets every open file (the next Get parses again).
    void Clear() { files_.clear(); }

private:
    std::map<std::string, std::unique_ptr<TSifraSoubor>> files_;
};

} // namespace qmr
