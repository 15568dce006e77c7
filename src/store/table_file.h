#pragma once

#include "store/field_def.h"

#include <QString>
#include <QStringList>
#include <QVariant>

namespace zaf::store {

class SqliteFile;

/// How a table is laid out inside its database file. The records live in `records`, one
/// column per field under the field's own name; a text field of a case-insensitive index
/// has a second, case-folded column beside it. The field and index definitions are kept in
/// `zaf_fields` and `zaf_indexes`, so a file describes itself like a table file should.
namespace table_file {

QString fileNameFor(const QString& tablePath);          ///< "…/DiveLog" -> "…/DiveLog.DB"
QString quoted(const QString& identifier);              ///< "name" with inner quotes doubled
QString foldedColumn(const QString& field);             ///< the case-folded shadow column of a text field
/// Text fields that need a case-folded shadow column (members of a case-insensitive index).
QStringList foldedFields(const TableDef& def);

/// Creates the table empty (replacing any table of that name). Throws DatabaseError.
void create(const QString& tablePath, const TableDef& def);
/// Deletes the table with all its files. Throws DatabaseError when a table object has it
/// open or a file cannot be removed.
void remove(const QString& tablePath);
/// The files the engine really writes for a table that exist now (the .DB and, while it is
/// open, its write-ahead log and shared-memory files).
QStringList existingFiles(const QString& tablePath);
/// Reads the layout a file describes. Throws DatabaseError when it is no table file.
TableDef readLayout(SqliteFile& file);

/// The value a key column holds for an empty field of the given type: below every real
/// value of the type, so empties sort first and two empties are equal to a unique index.
QVariant emptyKeyValue(FieldType type);
const char* typeName(FieldType type);

} // namespace table_file
} // namespace zaf::store
