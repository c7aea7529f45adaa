#pragma once
// The platform's file open and save dialogs. Each is given a proposed file name, an
// initial folder and a filter ("Pliki Quilmar|*.qms": description, '|', pattern) and
// returns the chosen path, or nothing when the user cancels. The save dialog asks before
// an existing file is overwritten. The GUI implements this with its file dialogs; tests
// script the answers.
#include <optional>
#include <string>

namespace qmr {

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<std::string> Open(const std::string &fileName, const std::string &folder,
                                            const std::string &filter) = 0;
    virtual std::optional<std::string> Save(const std::string &fileName, const std::string &folder,
                                            const std::string &filter) = 0;
};

} // namespace qmr
