#include "support/FakePictureStore.h"

namespace qmrtest {

namespace {

std::string folded(std::string s)
{
    for (char &c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

} // namespace

void FakePictureStore::Add(const std::string &path) { files_.insert(folded(path)); }

void FakePictureStore::Spoil(const std::string &path) { spoiled_.insert(folded(path)); }

bool FakePictureStore::Exists(const std::string &path) const
{
    asked.push_back(path);
    return everythingExists || files_.count(folded(path)) > 0;
}

bool FakePictureStore::Load(Target target, const std::string &path)
{
    loadCalls.emplace_back(target, path);
    const std::string key = folded(path);
    if ((!everythingExists && files_.count(key) == 0) || spoiled_.count(key) > 0)
        return false;
    loaded.emplace_back(target, path);
    return true;
}

std::string FakePictureStore::LastLoaded(Target target) const
{
    for (auto it = loaded.rbegin(); it != loaded.rend(); ++it)
        if (it->first == target)
            return it->second;
    return {};
}

} // namespace qmrtest
