#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace zaf::store {

/// The field types of the logbook tables.
enum class FieldType {
    Text,     ///< character field of at most size characters
    Int32,
    Int16,
    Float,
    Money,    ///< a float shown in the locale's currency format
    Logical,  ///< true / false / empty
    Date,     ///< calendar date, held as a day count with no fraction
    DateTime, ///< day count with the time of day as fraction
    Memo,     ///< plain text of any length
    FMemo,    ///< formatted memo; holds text of any length like a memo
    AutoInc,  ///< integer the engine assigns in rising order, read-only
};

/// One field of a table definition.
struct FieldDef {
    QString name;
    FieldType type = FieldType::Text;
    int size = 0;            ///< characters, for Text only
    bool required = false;   ///< must hold a value when a record is posted
    QString displayFormat;   ///< "mmm dd, yyyy", "####0.##", ...; empty for the plain text
};

/// A key or secondary index: the leading fields it orders by.
struct IndexDef {
    QString name;            ///< empty for the primary key
    QStringList fields;
    bool unique = true;
    bool caseInsensitive = false;
};

/// Everything needed to create a table and to check that an existing file has its layout.
struct TableDef {
    QString name;                 ///< base name, also the file name without ".DB"
    QVector<FieldDef> fields;     ///< in table order
    QStringList primaryKey;       ///< leading fields; empty for a table without key
    QVector<IndexDef> secondaryIndexes;

    int fieldIndex(const QString& fieldName) const; ///< -1 when absent (case-insensitive, as field names are)
};

} // namespace zaf::store
