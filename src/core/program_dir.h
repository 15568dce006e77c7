#pragma once

#include <QString>

namespace zaf {

/// The program directory: where the diver's tables, pictures, help and generated site live.
/// Always ends in a separator, so paths are built by plain concatenation.
QString programDirectory();
/// Sets the program directory; a separator is appended when missing.
void setProgramDirectory(const QString& dir);
/// The default home when none is given: the per-user data directory ("~/.local/share/zaf/").
QString defaultProgramDirectory();

/// The fixed sub-directories, each ending in a separator.
QString dataDirectory();       ///< data/
QString backupDirectory();     ///< data/backup/
QString picturesDirectory();   ///< pictures/
QString helpDirectory();       ///< help/
QString templatesDirectory();  ///< web_templates/
QString htmlDirectory();       ///< HTML/
QString exportDirectory();     ///< export/
QString backgroundsDirectory();///< backgrounds/
QString updateDirectory();     ///< update/

} // namespace zaf
