#pragma once

#include <QString>

namespace zaf::gui {

/// Where divers send problem reports; shown in the Help menu and in messages asking for one.
inline QString supportMailAddress()
{
    return QStringLiteral("support@zafaro.example.org");
}

} // namespace zaf::gui
