#pragma once
// Answers the file dialogs from a scripted queue and records what each was proposed.
// With the queue empty a dialog is cancelled.
#include "jobfiles/FileDialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace qmrtest {

class FakeFileDialogs : public qmr::FileDialogs {
public:
    enum class Kind { Open, Save };

    struct Call {
        Kind kind;
        std::string fileName;
        std::string folder;
        std::string filter;
    };

    std::optional<std::string> Open(const std::string &fileName, const std::string &folder,
                                    const std::string &filter) override
    {
        return answer(Kind::Open, fileName, folder, filter);
    }
    std::optional<std::string> Save(const std::string &fileName, const std::string &folder,
                                    const std::string &filter) override
    {
        return answer(Kind::Save, fileName, folder, filter);
    }

    // The next answers, in order: a path, or Cancel().
    FakeFileDialogs &Choose(const std::string &path)
    {
        answers_.emplace_back(path);
        return *this;
    }
    FakeFileDialogs &Cancel()
    {
        answers_.emplace_back(std::nullopt);
        return *this;
    }

    const std::vector<Call> &calls() const { return calls_; }
    bool empty() const { return calls_.empty(); }
    const Call &last() const { return calls_.back(); }

private:
    std::optional<std::string> answer(Kind k, const std::string &fileName, const std::string &folder,
                                      const std::string &filter)
    {
        calls_.push_back({k, fileName, folder, filter});
        if (answers_.empty())
            return std::nullopt;
        std::optional<std::string> a = answers_.front();
        answers_.pop_front();
        return a;
    }

    std::vector<Call> calls_;
    std::deque<std::optional<std::string>> answers_;
};

} // namespace qmrtest
