#include "store/table.h"

#include "store/errors.h"
#include "store/sqlite_file.h"
#include "store/table_file.h"
#include "store/table_sql.h"
#include "store/text_fold.h"

#include <sqlite3.h>

namespace zaf::store {

using table_file::quoted;

// ---------------------------------------------------------------- navigation

void Table::afterMove()
{
    if (onAfterScroll)
        onAfterScroll(*this);
    notifyDataChange(nullptr);
}

void Table::first()
{
    requireBrowseable();
    if (!cachesValid())
        invalidateCaches();
    const Navigation& nav = navigation();
    if (fetchOne(nav.first, nav.filterParams)) {
        m_cachedRecNo = 1;
        m_bof = true;
        m_eof = false;
    } else {
        setEmpty();
    }
    afterMove();
}

void Table::last()
{
    requireBrowseable();
    if (!cachesValid())
        invalidateCaches();
    const Navigation& nav = navigation();
    if (fetchOne(nav.last, nav.filterParams)) {
        m_cachedRecNo = m_cachedCount;
        m_bof = false;
        m_eof = true;
    } else {
        setEmpty();
    }
    afterMove();
}

void Table::next()
{
    moveBy(1);
}

void Table::prior()
{
    moveBy(-1);
}

void Table::moveBy(int distance)
{
    requireBrowseable();
    if (!cachesValid()) {
        invalidateCaches();
        resyncIfStale();
    }
    const bool forward = distance > 0;
    const Navigation& nav = navigation();
    const QByteArray& sql = forward ? nav.next : nav.prior;
    for (int step = 0; step < std::abs(distance) && m_hasRecord; ++step) {
        QVariantList params = nav.filterParams;
        params += encodedKeys(m_pos);
        if (!fetchOne(sql, params)) { // a miss leaves the buffer as it was
            (forward ? m_eof : m_bof) = true;
            break;
        }
        (forward ? m_bof : m_eof) = false;
        if (m_cachedRecNo > 0)
            m_cachedRecNo += forward ? 1 : -1;
    }
    afterMove();
}

bool Table::isEmpty()
{
    requireOpen();
    if (cachesValid() && m_cachedCount >= 0)
        return m_cachedCount == 0;
    // One record found is enough; counting them all would read the whole filtered table.
    QVariantList params;
    const QString where = filterSql(params);
    const QByteArray sql =
        (QStringLiteral("SELECT 1 FROM records") + (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where) +
         QStringLiteral(" LIMIT 1"))
            .toUtf8();
    sqlite3_stmt* stmt = m_file->statement(sql);
    StatementScope scope(stmt);
    bindAll(stmt, params);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        m_file->fail(rc, QString::fromUtf8(sql));
    return rc == SQLITE_DONE;
}

int Table::recordCount()
{
    requireOpen();
    if (cachesValid() && m_cachedCount >= 0)
        return m_cachedCount;
    if (!cachesValid())
        invalidateCaches();
    const Navigation& nav = navigation();
    sqlite3_stmt* stmt = m_file->statement(nav.count);
    StatementScope scope(stmt);
    bindAll(stmt, nav.filterParams);
    if (sqlite3_step(stmt) != SQLITE_ROW)
        m_file->fail(sqlite3_errcode(m_file->handle()), QString::fromUtf8(nav.count));
    m_cachedCount = sqlite3_column_int(stmt, 0);
    return m_cachedCount;
}

int Table::recNo()
{
    requireOpen();
    if (m_state == State::Insert || !m_hasRecord)
        return -1;
    resyncIfStale();
    if (!m_hasRecord)
        return -1;
    if (cachesValid() && m_cachedRecNo > 0)
        return m_cachedRecNo;
    if (!cachesValid())
        invalidateCaches();
    QVariantList params;
    const QString where = andJoin(filterSql(params), rowValue(true) + QStringLiteral(" < (") +
                                                         QString(QStringLiteral("?,")).repeated(m_order.size()) +
                                                         QStringLiteral("?)"));
    params += encodedKeys(m_pos);
    const QByteArray sql = QStringLiteral("SELECT count(*) FROM records WHERE %1").arg(where).toUtf8();
    sqlite3_stmt* stmt = m_file->statement(sql);
    StatementScope scope(stmt);
    bindAll(stmt, params);
    if (sqlite3_step(stmt) != SQLITE_ROW)
        m_file->fail(sqlite3_errcode(m_file->handle()), QString::fromUtf8(sql));
    m_cachedRecNo = sqlite3_column_int(stmt, 0) + 1;
    return m_cachedRecNo;
}

void Table::setRecNo(int n)
{
    requireBrowseable();
    const int count = recordCount();
    if (count == 0) {
        setEmpty();
        afterMove();
        return;
    }
    n = std::clamp(n, 1, count);
    QVariantList params;
    const QString where = filterSql(params);
    if (fetchOne(selectSql(where, orderBy(false), QStringLiteral(" LIMIT 1 OFFSET %1").arg(n - 1)), params)) {
        m_cachedRecNo = n;
        m_bof = false;
        m_eof = false;
    }
    afterMove();
}

// ---------------------------------------------------------------- look-ups

QStringList Table::keyColumns(const QVariantList& values, QVariantList& params) const
{
    if (values.isEmpty() || values.size() > m_order.size())
        throw DatabaseError(QStringLiteral("Wrong number of key values for %1").arg(m_objectName));
    QStringList columns;
    for (int i = 0; i < values.size(); ++i) {
        const OrderColumn& c = m_order[i];
        const QString& name = m_layout.fields[c.field].name;
        QVariant v = encodeForColumn(c.field, m_fields[c.field]->normalized(values[i]));
        if (c.folded)
            v = foldText(v.toString());
        columns.append(quoted(c.folded ? table_file::foldedColumn(name) : name));
        params.append(v);
    }
    return columns;
}

// Moves to the first record of the order that meets the condition; stays put when none does.
bool Table::moveToFirstWhere(const QString& condition, const QVariantList& params)
{
    if (!fetchOne(selectSql(condition, orderBy(false), QStringLiteral(" LIMIT 1")), params))
        return false;
    m_cachedRecNo = -1;
    m_bof = m_eof = false;
    afterMove();
    return true;
}

bool Table::findKey(const QVariantList& values)
{
    requireBrowseable();
    QVariantList params;
    QString where = filterSql(params);
    for (const QString& column : keyColumns(values, params))
        where = andJoin(where, column + QStringLiteral(" = ?"));
    return moveToFirstWhere(where, params);
}

void Table::findNearest(const QVariantList& values)
{
    requireBrowseable();
    QVariantList params;
    const QString filterWhere = filterSql(params);
    const QStringList columns = keyColumns(values, params);
    const QString seek = QLatin1Char('(') + columns.join(QLatin1Char(',')) + QStringLiteral(") >= (") +
                         QString(QStringLiteral("?,")).repeated(columns.size() - 1) + QStringLiteral("?)");
    if (!moveToFirstWhere(andJoin(filterWhere, seek), params))
        last();
}

bool Table::locate(const QStringList& fields, const QVariantList& values, LocateOptions options)
{
    requireBrowseable();
    if (fields.size() != values.size())
        throw DatabaseError(QStringLiteral("Locate needs one value per field (%1)").arg(m_objectName));
    QVariantList params;
    QString where = filterSql(params);
    for (int i = 0; i < fields.size(); ++i) {
        Field& f = field(fields[i]);
        const QVariant v = encodeForColumn(f.index(), f.normalized(values[i]));
        QString column = quoted(f.name());
        if (isTextType(f.type())) {
            QString text = v.toString();
            if (options.caseInsensitive) {
                column = QStringLiteral("zaf_fold(%1)").arg(column);
                text = foldText(text);
            }
            if (options.partialKey)
                column = QStringLiteral("substr(%1,1,%2)").arg(column).arg(text.size());
            params.append(text);
        } else {
            params.append(v);
        }
        where = andJoin(where, column + QStringLiteral(" = ?"));
    }
    return moveToFirstWhere(where, params);
}

} // namespace zaf::store
