#pragma once

#include <QString>

namespace zaf {

/// The version text the program shows, writes into its settings and sends with feedback.
inline QString versionText()
{
    return QStringLiteral("Beta 0.67");
}

} // namespace zaf
