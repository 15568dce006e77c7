#pragma once

#include <QString>

namespace zaf {

/// The operating system line of the About box and of the diver's server account record,
/// e.g. "Debian GNU/Linux 12 (bookworm), Linux 6.1.0-18-amd64". `osRelease` is the text of
/// an os-release file (may be empty); `kernel` the system name and release from uname.
QString formatOsDescription(const QString& osRelease, const QString& kernelName, const QString& kernelRelease);

/// The line for the running system: /etc/os-release (or /usr/lib/os-release) and uname.
QString osDescription();

} // namespace zaf
