#pragma once
// File open and save dialogs of the application (QFileDialog).
#include "jobfiles/FileDialogs.h"

#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

namespace qmr {

class QtFileDialogs : public FileDialogs {
public:
    std::optional<std::string> Open(const std::string &fileName, const std::string &folder,
                                    const std::string &filter) override;
    std::optional<std::string> Save(const std::string &fileName, const std::string &folder,
                                    const std::string &filter) override;

    // "Pliki Quilmar|*.qms" (description, '|', pattern, and further pairs) as Qt filters:
    // "Pliki Quilmar (*.qms)"; several patterns "*.qms;*.qmr" become "(*.qms *.qmr)".
    static QStringList QtFiltry(const std::string &filter);
    // The dialog Open or Save shows, not yet executed.
    static QFileDialog *VytvorDialog(bool Ulozit, const std::string &fileName, const std::string &folder,
                                     const std::string &filter, QWidget *parent);
};

} // namespace qmr
