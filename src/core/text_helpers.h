#pragma once

#include <QString>

namespace zaf {

/// Every backslash turned into a forward slash. Stops early when the cancel flag is set,
/// like every loop of the program.
QString bs_to_fs(const QString& text);
/// Every forward slash turned into a backslash; stops early on the cancel flag.
QString fs_to_bs(const QString& text);
/// Trimmed and upper-cased: "FALSE" gives 0, "TRUE" gives 1, anything else -1.
int booltoint(const QString& text);
/// True exactly when n is 1.
bool inttobool(int n);
/// True for an empty text or a single blank: how the diver file and the owner stamp say "none".
bool isEmptyOrBlank(const QString& text);

} // namespace zaf
