#pragma once

#include <QString>

namespace zaf::store {

/// Where a picture file lives on disk: the name stored in a record (backslash form, relative
/// to the pictures directory) below the program's pictures directory. Names that would
/// leave that directory (an absolute path, "..") and empty names give an empty path, so a
/// record copied from elsewhere can never make the program read or delete another file.
QString pictureFilePath(const QString& storedName);

/// Whether the picture file named by a record exists.
bool pictureFileExists(const QString& storedName);

} // namespace zaf::store
