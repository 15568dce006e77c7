#include "store/table_file.h"

#include "store/errors.h"
#include "store/sqlite_file.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <limits>
#include <sqlite3.h>

namespace zaf::store::table_file {
namespace {

struct TypeName {
    FieldType type;
    const char* name;
    const char* sqlType;
};

constexpr TypeName kTypes[] = {
    {FieldType::Text, "text", "TEXT"},           {FieldType::Int32, "int32", "INTEGER"},
    {FieldType::Int16, "int16", "INTEGER"},      {FieldType::Float, "float", "REAL"},
    {FieldType::Money, "money", "REAL"},         {FieldType::Logical, "logical", "INTEGER"},
    {FieldType::Date, "date", "REAL"},           {FieldType::DateTime, "datetime", "REAL"},
    {FieldType::Memo, "memo", "TEXT"},           {FieldType::FMemo, "fmemo", "TEXT"},
    {FieldType::AutoInc, "autoinc", "INTEGER"},
};

const TypeName& entry(FieldType type)
{
    for (const TypeName& t : kTypes)
        if (t.type == type)
            return t;
    return kTypes[0];
}

std::optional<FieldType> typeFromName(const QString& name)
{
    for (const TypeName& t : kTypes)
        if (name == QLatin1String(t.name))
            return t.type;
    return std::nullopt;
}

QString indexColumns(const TableDef& def, const IndexDef& index)
{
    QStringList columns;
    for (const QString& f : index.fields) {
        const int i = def.fieldIndex(f);
        const bool folded = index.caseInsensitive && i >= 0 && def.fields[i].type == FieldType::Text;
        columns.append(quoted(folded ? foldedColumn(f) : f));
    }
    return columns.join(QLatin1Char(','));
}

QString createSql(const TableDef& def)
{
    QStringList columns;
    for (const FieldDef& f : def.fields)
        columns.append(quoted(f.name) + QLatin1Char(' ') + QLatin1String(entry(f.type).sqlType) +
                       QStringLiteral(" NOT NULL"));
    for (const QString& f : foldedFields(def))
        columns.append(quoted(foldedColumn(f)) + QStringLiteral(" TEXT NOT NULL"));
    QString sql = QStringLiteral("CREATE TABLE records(%1);").arg(columns.join(QLatin1Char(',')));
    if (!def.primaryKey.isEmpty())
        sql += QStringLiteral("CREATE UNIQUE INDEX pk ON records(%1);")
                   .arg(indexColumns(def, IndexDef{QString(), def.primaryKey, true, false}));
    int n = 0;
    for (const IndexDef& index : def.secondaryIndexes)
        sql += QStringLiteral("CREATE %1INDEX ix%2 ON records(%3);")
                   .arg(index.unique ? QStringLiteral("UNIQUE ") : QString())
                   .arg(n++)
                   .arg(indexColumns(def, index));
    sql += QStringLiteral("CREATE TABLE zaf_fields(pos INTEGER PRIMARY KEY, name TEXT, type TEXT, size INTEGER);"
                          "CREATE TABLE zaf_indexes(name TEXT, pos INTEGER, field TEXT, is_unique INTEGER,"
                          " nocase INTEGER);");
    return sql;
}

void writeLayout(SqliteFile& file, const TableDef& def)
{
    sqlite3_stmt* fields = file.statement("INSERT INTO zaf_fields VALUES(?,?,?,?)");
    for (int i = 0; i < def.fields.size(); ++i) {
        StatementScope scope(fields);
        const FieldDef& f = def.fields[i];
        const QByteArray name = f.name.toUtf8();
        sqlite3_bind_int(fields, 1, i);
        sqlite3_bind_text(fields, 2, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(fields, 3, entry(f.type).name, -1, SQLITE_STATIC);
        sqlite3_bind_int(fields, 4, f.size);
        if (sqlite3_step(fields) != SQLITE_DONE)
            file.fail(sqlite3_errcode(file.handle()), QStringLiteral("writing the layout"));
    }
    sqlite3_stmt* indexes = file.statement("INSERT INTO zaf_indexes VALUES(?,?,?,?,?)");
    QVector<IndexDef> all{IndexDef{QString(), def.primaryKey, true, false}};
    all += def.secondaryIndexes;
    for (const IndexDef& index : all) {
        for (int pos = 0; pos < index.fields.size(); ++pos) {
            StatementScope scope(indexes);
            const QByteArray name = index.name.toUtf8();
            const QByteArray field = index.fields[pos].toUtf8();
            sqlite3_bind_text(indexes, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
            sqlite3_bind_int(indexes, 2, pos);
            sqlite3_bind_text(indexes, 3, field.constData(), int(field.size()), SQLITE_TRANSIENT);
            sqlite3_bind_int(indexes, 4, index.unique ? 1 : 0);
            sqlite3_bind_int(indexes, 5, index.caseInsensitive ? 1 : 0);
            if (sqlite3_step(indexes) != SQLITE_DONE)
                file.fail(sqlite3_errcode(file.handle()), QStringLiteral("writing the layout"));
        }
    }
}

QString columnText(sqlite3_stmt* stmt, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return QString::fromUtf8(text ? text : "");
}

} // namespace

QString fileNameFor(const QString& tablePath)
{
    return tablePath + QStringLiteral(".DB");
}

QString quoted(const QString& identifier)
{
    QString inner = identifier;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

QString foldedColumn(const QString& field)
{
    return QStringLiteral("_fold_") + field;
}

QStringList foldedFields(const TableDef& def)
{
    QStringList out;
    for (const IndexDef& index : def.secondaryIndexes) {
        if (!index.caseInsensitive)
            continue;
        for (const QString& f : index.fields) {
            const int i = def.fieldIndex(f);
            if (i >= 0 && def.fields[i].type == FieldType::Text && !out.contains(def.fields[i].name))
                out.append(def.fields[i].name);
        }
    }
    return out;
}

void create(const QString& tablePath, const TableDef& def)
{
    remove(tablePath);
    const QString fileName = fileNameFor(tablePath);
    try {
        auto file = SqliteFile::open(fileName, true);
        file->exec("BEGIN");
        file->exec(createSql(def).toUtf8());
        writeLayout(*file, def);
        file->exec("COMMIT");
    } catch (const DatabaseError&) {
        if (!SqliteFile::isOpen(fileName))
            QFile::remove(fileName);
        throw;
    }
}

void remove(const QString& tablePath)
{
    const QString fileName = fileNameFor(tablePath);
    if (SqliteFile::isOpen(fileName))
        throw DatabaseError(QStringLiteral("Table is busy. Table: %1").arg(tablePath));
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")}) {
        const QString name = fileName + suffix;
        if (QFileInfo::exists(name) && !QFile::remove(name))
            throw DatabaseError(QStringLiteral("Cannot delete %1").arg(name));
    }
}

QStringList existingFiles(const QString& tablePath)
{
    QStringList out;
    const QString fileName = fileNameFor(tablePath);
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (QFileInfo::exists(fileName + suffix))
            out.append(fileName + suffix);
    return out;
}

TableDef readLayout(SqliteFile& file)
{
    TableDef def;
    def.name = QFileInfo(file.path()).completeBaseName();
    {
        sqlite3_stmt* stmt = file.statement("SELECT name, type, size FROM zaf_fields ORDER BY pos");
        StatementScope scope(stmt);
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            FieldDef f;
            f.name = columnText(stmt, 0);
            const auto type = typeFromName(columnText(stmt, 1));
            if (!type)
                throw DatabaseError(QStringLiteral("Unknown field type in %1").arg(file.path()));
            f.type = *type;
            f.size = sqlite3_column_int(stmt, 2);
            def.fields.append(f);
        }
        if (rc != SQLITE_DONE)
            file.fail(rc, QStringLiteral("reading the layout"));
    }
    if (def.fields.isEmpty())
        throw DatabaseError(QStringLiteral("No fields in %1").arg(file.path()));
    sqlite3_stmt* stmt = file.statement("SELECT name, field, is_unique, nocase FROM zaf_indexes ORDER BY rowid");
    StatementScope scope(stmt);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        const QString name = columnText(stmt, 0);
        const QString field = columnText(stmt, 1);
        if (name.isEmpty()) {
            def.primaryKey.append(field);
            continue;
        }
        if (def.secondaryIndexes.isEmpty() || def.secondaryIndexes.last().name != name)
            def.secondaryIndexes.append(
                IndexDef{name, {}, sqlite3_column_int(stmt, 2) != 0, sqlite3_column_int(stmt, 3) != 0});
        def.secondaryIndexes.last().fields.append(field);
    }
    if (rc != SQLITE_DONE)
        file.fail(rc, QStringLiteral("reading the layout"));
    return def;
}

QVariant emptyKeyValue(FieldType type)
{
    switch (type) {
    case FieldType::Text:
    case FieldType::Memo:
    case FieldType::FMemo:
        return QString();
    case FieldType::Int32:
    case FieldType::Int16:
    case FieldType::AutoInc:
        return QVariant::fromValue(std::numeric_limits<qint64>::min());
    case FieldType::Logical:
        return QVariant::fromValue(qint64(-1));
    case FieldType::Float:
    case FieldType::Money:
    case FieldType::Date:
    case FieldType::DateTime:
        return -std::numeric_limits<double>::infinity();
    }
    return {};
}

const char* typeName(FieldType type)
{
    return entry(type).name;
}

} // namespace zaf::store::table_file
