#pragma once
// The pictures of the program as seen by the logic below the user interface: whether a
// picture file exists and loading one into the main drawing or the auxiliary drawing.
// Paths are full paths built with '/' (apCesta + "RYSY/" + name); an implementation finds
// every folder and file name without regard to case, so "RYSY/PREKRYVB.JPG" and
// "rysy/prekryvb.jpg" are the same file. The application's store decodes JPEG files;
// tests use a fake.
#include <string>

namespace qmr {

class PictureStore {
public:
    enum class Target {
        Picture, // apPicture: the current drawing of the panel
        PomRys,  // apPomRys: the auxiliary drawing of an overlay panel
    };

    virtual ~PictureStore() = default;

    // Whether the picture file exists.
    virtual bool Exists(const std::string &path) const = 0;
    // Loads the picture into the target; false when the file does not exist (the target
    // keeps its previous picture). A file that exists but cannot be decoded may throw
    // EFileError; the callers pass it on.
    virtual bool Load(Target target, const std::string &path) = 0;
};

} // namespace qmr
