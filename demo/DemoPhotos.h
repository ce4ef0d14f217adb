#pragma once

#include <QImage>
#include <QString>

namespace demo {

struct PhotoCounts {
    int jpg = 0;
    int gif = 0;
};

// The article photos of the demo company, drawn here: a garment in a colour of
// its own on a plain ground. The references that have a sample card get one,
// in turn a .jpg, a .gif, both (different pictures, so the one the card
// prefers can be told apart) and none.
//
// The program looks for a reference's photo at the images folder, the
// data-access object's images prefix (for an SQLite company, the database
// file's name without its extension), "_ARTG\", the reference and the
// extension, and, for a folder set without a trailing separator, also with
// one after it; the demo writes them inside the folder, where the card finds
// them whether or not the setting ends with a separator.
class DemoPhotos {
public:
    // Folder of the photos for that images folder and database.
    static QString photoFolder(const QString& imagesFolder, const QString& databasePath);
    // Throws std::runtime_error when a file cannot be written.
    static PhotoCounts write(const QString& databasePath, const QString& imagesFolder);
    // A garment photo, 189 × 225 pixels, its colour chosen by `seed`.
    static QImage draw(int seed);
};

} // namespace demo
