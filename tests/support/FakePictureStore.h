#pragma once
// Picture store of the tests: a set of existing files (matched without regard to ASCII
// case, like the application's store), a record of what was asked and loaded.
#include "catalogues/PictureStore.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace qmrtest {

class FakePictureStore : public qmr::PictureStore {
public:
    using Target = qmr::PictureStore::Target;

    // Makes the file exist (and load).
    void Add(const std::string &path);
    // Makes an existing file fail to load (Load returns false).
    void Spoil(const std::string &path);
    // Every file exists (unless spoiled).
    bool everythingExists = false;

    bool Exists(const std::string &path) const override;
    bool Load(Target target, const std::string &path) override;

    // Every path asked for with Exists, in order.
    mutable std::vector<std::string> asked;
    // Every successful load, in order.
    std::vector<std::pair<Target, std::string>> loaded;
    // Every Load call, successful or not.
    std::vector<std::pair<Target, std::string>> loadCalls;

    // The last path loaded into the target; empty when none.
    std::string LastLoaded(Target target) const;

private:
    std::set<std::string> files_;
    std::set<std::string> spoiled_;
};

} // namespace qmrtest
