#pragma once

#include <QString>

namespace zaf {

/// Mirrors the directory `source` into `target` (disk paths), sub-directories included:
/// a file the target already holds with the same size and modification time (and no
/// stricter permissions) is skipped, every other file is copied over its target and gets the
/// source's permissions and time. A copy that fails twice asks "Mirror - Copy Failed" with
/// OK and Cancel through ui(); Cancel sets the cancel flag. Stops when the cancel flag is set.
/// True when every file of the source is now in the target.
bool copy_directory(const QString& source, const QString& target);

/// Deletes the directory `path` with everything in it, read-only files included. Stops when
/// the cancel flag is set; failures are silent.
void Delete_directory(const QString& path);

} // namespace zaf
