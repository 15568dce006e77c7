#pragma once

#include <QString>

namespace zaf::store {

/// The form a text takes in a case-insensitive index: "Blue Hole" and "BLUE HOLE" fold alike.
inline QString foldText(const QString& text)
{
    return text.toCaseFolded();
}

} // namespace zaf::store
