#pragma once

#include <QStringList>

namespace zaf::store {

/// Where the help table that comes with the program may be found: beside the build, in the
/// installed data directories, and in share/zaf/help next to the executable's directory.
QStringList shippedHelpDirectories();

/// Copies the shipped help table into the program directory's help/ when it is missing
/// there (a first start, or after an update removed it). Call at start-up before the store
/// is opened. Returns whether the program's help table exists afterwards.
bool installShippedHelp(const QStringList& sources = shippedHelpDirectories());

} // namespace zaf::store
