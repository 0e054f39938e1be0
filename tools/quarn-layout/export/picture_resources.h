#pragma once

// The image catalogue's pictures as a resource file beside exported forms,
// so that Designer's Resource Browser lists them and a designer picks a
// picture there instead of typing its path.

#include <QString>

namespace quarn::layouttool {

class ImageIndex;

// The file name the exports include, relative to their folder.
QString pictureResourceFile();

// Writes folder/quarn-images.qrc and each indexed picture, as the bundle
// holds it, beneath folder/quarn-images/; files already holding the same
// bytes are left alone. False with the reason when something cannot be
// written.
bool writePictureResources(const ImageIndex &images, const QString &folder, QString *error);

} // namespace quarn::layouttool
