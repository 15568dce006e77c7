#pragma once

#include "store/filter.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace zaf::store {

class Table;

/// Read-only questions over the records of an open table's file that a rule would otherwise
/// answer by walking a cursor over every record: totals in one pass of SQL, and the last few
/// records in the table's order. The records asked about are chosen by a filter of the
/// query's own (the table object's filter does not apply); values are bound, never pasted.
class RecordQuery {
public:
    RecordQuery(Table& table, Filter filter);

    /// One column of a one-pass aggregate; sums and maxima skip empty fields.
    struct Column {
        enum class Kind { Count, Sum, Max } kind = Kind::Count;
        QString field;
    };
    /// The aggregates in one pass, one row per distinct value of `groupBy` (in its order,
    /// the value first in the row), or a single row without it. A count comes back as
    /// qint64; a sum or maximum in the field's kind, invalid when no value took part.
    QVector<QVariantList> aggregate(const QVector<Column>& columns, const QString& groupBy = {});

    /// The fields of the last `limit` records in the table's order, the last record first.
    QVector<QVariantList> lastRecords(const QStringList& fields, int limit);

    /// Makes sure the table's file has an index on these fields, so that the questions above
    /// that read only them are answered from the index. Such an index is the engine's own
    /// help: it is not part of the table's layout and a copy of the table may lack it.
    static void ensureIndex(Table& table, const QString& name, const QStringList& fields);

private:
    int fieldIndex(const QString& name) const; ///< throws DatabaseError for an unknown field
    /// Runs the statement and reads its rows; `fields` maps columns to fields (-1: a count).
    QVector<QVariantList> run(const QByteArray& sql, const QVariantList& params, const QVector<int>& fields);
    void checkFields(const Filter& filter) const;

    Table& m_table;
    Filter m_filter;
};

} // namespace zaf::store
