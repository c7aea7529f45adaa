#include "gui/core/QtPictureStore.h"

#include "core/TextCodec.h"

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

bool Existuje(const fs::path &p)
{
    std::error_code ec;
    return fs::exists(p, ec);
}

} // namespace

std::string QtPictureStore::Najdi(const std::string &path)
{
    if (path.empty())
        return {};
    const fs::path p(path);
    if (JeSoubor(p))
        return path;
    fs::path cur = p.root_path();
    for (const fs::path &comp : p.relative_path()) {
        const std::string c = comp.string();
        if (c.empty() || c == "." || c == "..") {
            cur /= comp;
            continue;
        }
        if (Existuje(cur / comp)) {
            cur /= comp;
            continue;
        }
        const std::string want = text::FoldCase(c);
        std::string best;
        std::error_code ec;
        fs::directory_iterator it(cur.empty() ? fs::path(".") : cur, ec);
        for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
            const std::string n = it->path().filename().string();
            if ((best.empty() || n < best) && text::FoldCase(n) == want)
                best = n;
        }
        if (best.empty())
            return {};
        cur /= best;
    }
    return JeSoubor(cur) ? cur.string() : std::string();
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
