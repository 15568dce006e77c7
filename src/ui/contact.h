#pragma once

#include <QString>

namespace zaf::gui {

/// Where divers send problem reports; shown in the Help menu and in messages asking for one.
inline QString supportMailAddress()
{
    return QStringLiteral("support@zafaro.example.org");
}

/// The program's home on the web; the manual and the release notes live below it.
inline QString vendorWebSite()
{
    return QStringLiteral("https://www.zafaro.example.org");
}

} // namespace zaf::gui
