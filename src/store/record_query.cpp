#include "store/record_query.h"

#include "store/errors.h"
#include "store/sqlite_file.h"
#include "store/table.h"
#include "store/table_file.h"
#include "store/table_sql.h"

#include <sqlite3.h>

namespace zaf::store {

using table_file::quoted;

RecordQuery::RecordQuery(Table& table, Filter filter) : m_table(table), m_filter(std::move(filter)) {}

void RecordQuery::checkFields(const Filter& filter) const
{
    for (const QString& name : filter.fields())
        fieldIndex(name);
}

int RecordQuery::fieldIndex(const QString& name) const
{
    const int index = m_table.m_layout.fieldIndex(name);
    if (index < 0)
        throw DatabaseError(QStringLiteral("Field '%1' not found (query of %2)").arg(name, m_table.objectName()));
    return index;
}

void RecordQuery::ensureIndex(Table& table, const QString& name, const QStringList& fields)
{
    table.requireOpen();
    RecordQuery query(table, {});
    QStringList columns;
    for (const QString& f : fields)
        columns.append(quoted(table.m_layout.fields[query.fieldIndex(f)].name));
    table.m_file->exec(QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON records(%2)")
                           .arg(quoted(name), columns.join(QLatin1Char(',')))
                           .toUtf8());
}

QVector<QVariantList> RecordQuery::aggregate(const QVector<Column>& columns, const QString& groupBy)
{
    m_table.requireOpen();
    checkFields(m_filter);
    const TableDef& layout = m_table.m_layout;
    QVariantList params;
    QStringList parts;
    QVector<int> fields; // the field each result column reads back as; -1 for a count
    const int group = groupBy.isEmpty() ? -1 : fieldIndex(groupBy);
    if (group >= 0) {
        parts.append(quoted(layout.fields[group].name));
        fields.append(group);
    }
    for (const Column& c : columns) {
        if (c.kind == Column::Kind::Count) {
            parts.append(QStringLiteral("count(*)"));
            fields.append(-1);
            continue;
        }
        const int index = fieldIndex(c.field);
        fields.append(index);
        const QString column = quoted(layout.fields[index].name);
        if (c.kind == Column::Kind::Max) {
            // An empty field is stored as a value below all others of its type, so it wins a
            // maximum only when no value is there, and then reads back as empty.
            parts.append(QStringLiteral("max(%1)").arg(column));
        } else {
            params.append(table_file::emptyKeyValue(layout.fields[index].type));
            parts.append(QStringLiteral("sum(CASE WHEN %1 <> ? THEN %1 END)").arg(column));
        }
    }
    const QString where = m_table.filterSql(m_filter, params);
    QString sql = QStringLiteral("SELECT ") + parts.join(QLatin1Char(',')) + QStringLiteral(" FROM records");
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    if (group >= 0)
        sql += QStringLiteral(" GROUP BY ") + quoted(layout.fields[group].name);
    const QByteArray text = sql.toUtf8();
    return run(text, params, fields);
}

QVector<QVariantList> RecordQuery::lastRecords(const QStringList& fieldNames, int limit)
{
    m_table.requireOpen();
    QVector<int> fields;
    QStringList columns;
    for (const QString& name : fieldNames) {
        fields.append(fieldIndex(name));
        columns.append(quoted(m_table.m_layout.fields[fields.back()].name));
    }
    checkFields(m_filter);
    QVariantList params;
    const QString where = m_table.filterSql(m_filter, params);
    const QByteArray sql = QStringLiteral("SELECT %1 FROM records%2 ORDER BY %3 LIMIT %4")
                               .arg(columns.join(QLatin1Char(',')),
                                    where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where,
                                    m_table.orderBy(true))
                               .arg(limit)
                               .toUtf8();
    return run(sql, params, fields);
}

QVector<QVariantList> RecordQuery::run(const QByteArray& sql, const QVariantList& params, const QVector<int>& fields)
{
    SqliteFile& file = *m_table.m_file;
    sqlite3_stmt* stmt = file.statement(sql);
    StatementScope scope(stmt);
    m_table.bindAll(stmt, params);
    QVector<QVariantList> rows;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        QVariantList row;
        for (int i = 0; i < fields.size(); ++i) {
            // Aggregates of no rows are NULL; a negative field index is a count.
            if (sqlite3_column_type(stmt, i) == SQLITE_NULL)
                row.append(QVariant());
            else if (fields[i] < 0)
                row.append(QVariant::fromValue(sqlite3_column_int64(stmt, i)));
            else
                row.append(m_table.columnValue(stmt, i, fields[i]));
        }
        rows.append(row);
    }
    if (rc != SQLITE_DONE)
        file.fail(rc, QString::fromUtf8(sql));
    return rows;
}

} // namespace zaf::store
