#pragma once

#include "store/field_def.h"

#include <QString>

// Small pieces shared by the files that make up the table object.
namespace zaf::store {

inline bool isTextType(FieldType type)
{
    return type == FieldType::Text || type == FieldType::Memo || type == FieldType::FMemo;
}

/// Two SQL conditions joined by AND; an empty one is left out.
inline QString andJoin(const QString& a, const QString& b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return a + QStringLiteral(" AND ") + b;
}

} // namespace zaf::store
