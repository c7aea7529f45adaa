#pragma once
// The application's pictures: files found without regard to the case of any folder or
// file name, decoded into QImage. Holds the two drawings of the session (apPicture and
// apPomRys) that the main window paints.
#include "catalogues/PictureStore.h"

#include <QImage>

#include <string>

namespace qmr {

class QtPictureStore : public PictureStore {
public:
    bool Exists(const std::string &path) const override;
    // False when the file is missing or cannot be decoded; the target then keeps its picture.
    bool Load(Target target, const std::string &path) override;

    // The picture last loaded into the target (a null image before the first load).
    const QImage &Image(Target target) const;
    // Empties the target.
    void Clear(Target target);

    // The existing file that path names when every component is compared without regard
    // to case ("RYSY/X.jpg" finds "rysy/x.JPG"); the path as written when it exists as
    // written; empty when there is no such regular file. Of several matches the first
    // in byte order is taken.
    static std::string Najdi(const std::string &path);
    // Any picture file (dialog pictures, the logo): a null image when the file is missing
    // or cannot be decoded.
    static QImage Nacti(const std::string &path);

private:
    QImage picture_;
    QImage pomRys_;
};

} // namespace qmr
