#include "core/CatalogueFiles.h"

namespace qmr {

TSifraSoubor &CatalogueFiles::Get(const std::string &path)
{
    // "vyplne.qmr" and "VYPLNE.qmr" name the same file.
    std::string key = path;
    for (char &c : key)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    auto it = files_.find(key);
    if (it == files_.end())
        it = files_.emplace(key, std::make_unique<TSifraSoubor>(path)).first;
    return *it->second;
}

} // namespace qmr
