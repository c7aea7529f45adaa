#include "gui/core/QtPictureStore.h"

#include "core/IniFile.h"

#include <QString>

#include <filesystem>
#include <system_error>

namespace qmr {

namespace fs = std::filesystem;

namespace {

bool JeSoubor(const fs::path &p)
{
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

} // namespace

std::string QtPictureStore::Najdi(const std::string &path)
{
    if (path.empty())
        return {};
    const std::string found = ResolveNoCase(path);
    return JeSoubor(found) ? found : std::string();
}

QImage QtPictureStore::Nacti(const std::string &path)
{
    const std::string f = Najdi(path);
    QImage img;
    if (!f.empty())
        img.load(QString::fromStdString(f));
    return img;
}

bool QtPictureStore::Exists(const std::string &path) const { return !Najdi(path).empty(); }

bool QtPictureStore::Load(Target target, const std::string &path)
{
    QImage img = Nacti(path);
    if (img.isNull())
        return false;
    (target == Target::Picture ? picture_ : pomRys_) = std::move(img);
    return true;
}

const QImage &QtPictureStore::Image(Target target) const
{
    return target == Target::Picture ? picture_ : pomRys_;
}

void QtPictureStore::Clear(Target target) { (target == Target::Picture ? picture_ : pomRys_) = QImage(); }

} // namespace qmr
