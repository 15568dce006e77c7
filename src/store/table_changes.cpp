#include "store/table.h"

#include "store/errors.h"
#include "store/sqlite_file.h"
#include "store/table_file.h"
#include "store/table_sql.h"
#include "store/text_fold.h"

#include <limits>

#include <sqlite3.h>

namespace zaf::store {

using table_file::quoted;

// ---------------------------------------------------------------- changes

void Table::insert()
{
    requireBrowseable();
    startNewRecord();
}

void Table::append()
{
    requireBrowseable();
    startNewRecord();
}

void Table::startNewRecord()
{
    resyncIfStale();
    m_saved = m_buffer;
    m_savedPos = m_pos;
    m_savedHasRecord = m_hasRecord;
    m_buffer.clear();
    for (const auto& f : m_fields)
        m_buffer.append(isTextType(f->type()) ? QVariant(QString()) : QVariant());
    m_state = State::Insert;
    m_modified = false;
    // The new record is not shown until the rule has filled it: its field changes tell no one.
    ++m_disableCount;
    try {
        if (onNewRecord)
            onNewRecord(*this);
    } catch (...) {
        --m_disableCount;
        throw;
    }
    --m_disableCount;
    if (m_state != State::Insert) {
        // The rule refused the record, or stored it and moved on to another: either way the
        // display missed the move while it was held back, so tell it where the cursor is.
        notifyDataChange(nullptr);
        return;
    }
    // Defaults set by the new record rule alone do not make the record worth keeping.
    m_modified = false;
    m_eof = m_bof = false;
    afterMove();
}

void Table::edit()
{
    requireOpen();
    if (isEditing())
        return;
    resyncIfStale();
    if (!m_hasRecord) {
        insert();
        return;
    }
    m_saved = m_buffer;
    m_savedPos = m_pos;
    m_state = State::Edit;
    m_modified = false;
    if (onAfterEdit)
        onAfterEdit(*this);
}

void Table::checkRequired() const
{
    for (const auto& f : m_fields)
        if (f->required() && f->isNull())
            throw RequiredValue(f->name());
}

QVariantList Table::storedValues() const
{
    QVariantList values;
    for (int i = 0; i < m_buffer.size(); ++i)
        values.append(encodeForColumn(i, m_buffer[i]));
    for (int index : m_foldedFields)
        values.append(foldText(m_buffer[index].toString()));
    return values;
}

void Table::writeInsert()
{
    if (m_autoIncField >= 0 && !m_buffer[m_autoIncField].isValid()) {
        const QString sql = QStringLiteral("SELECT max(1, IFNULL(max(%1), 0) + 1) FROM records")
                                .arg(quoted(m_layout.fields[m_autoIncField].name));
        sqlite3_stmt* stmt = m_file->statement(sql.toUtf8());
        StatementScope scope(stmt);
        if (sqlite3_step(stmt) != SQLITE_ROW)
            m_file->fail(sqlite3_errcode(m_file->handle()), sql);
        m_buffer[m_autoIncField] = QVariant::fromValue(sqlite3_column_int64(stmt, 0));
    }
    QStringList columns;
    for (const FieldDef& f : m_layout.fields)
        columns.append(quoted(f.name));
    for (int index : m_foldedFields)
        columns.append(quoted(table_file::foldedColumn(m_layout.fields[index].name)));
    const QString sql = QStringLiteral("INSERT INTO records(%1) VALUES(%2)")
                            .arg(columns.join(QLatin1Char(',')),
                                 QString(QStringLiteral("?,")).repeated(columns.size() - 1) + QLatin1Char('?'));
    sqlite3_stmt* stmt = m_file->statement(sql.toUtf8());
    StatementScope scope(stmt);
    bindAll(stmt, storedValues());
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE)
        m_file->fail(rc, QStringLiteral("posting to %1").arg(m_objectName));
    m_pos = positionOfBuffer();
    m_pos.rowid = sqlite3_last_insert_rowid(m_file->handle());
    m_file->bumpGeneration();
    invalidateCaches();
}

void Table::writeUpdate()
{
    QStringList sets;
    for (const FieldDef& f : m_layout.fields)
        sets.append(quoted(f.name) + QStringLiteral("=?"));
    for (int index : m_foldedFields)
        sets.append(quoted(table_file::foldedColumn(m_layout.fields[index].name)) + QStringLiteral("=?"));
    const QString sql = QStringLiteral("UPDATE records SET %1 WHERE rowid=?").arg(sets.join(QLatin1Char(',')));
    sqlite3_stmt* stmt = m_file->statement(sql.toUtf8());
    StatementScope scope(stmt);
    QVariantList values = storedValues();
    values.append(QVariant::fromValue(m_pos.rowid));
    bindAll(stmt, values);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE)
        m_file->fail(rc, QStringLiteral("posting to %1").arg(m_objectName));
    if (sqlite3_changes(m_file->handle()) == 0)
        throw DatabaseError(QStringLiteral("Record/Key deleted. Table: %1").arg(m_objectName));
    const Position before = m_pos;
    m_pos = positionOfBuffer();
    m_pos.rowid = before.rowid;
    bool keepCaches = cachesValid() && m_pos.keys == before.keys;
    for (const QString& f : m_filter.fields()) {
        const int index = m_layout.fieldIndex(f);
        keepCaches = keepCaches && m_saved.value(index) == m_buffer.value(index);
    }
    m_file->bumpGeneration();
    // An edit that moves the record neither in the order nor across the filter leaves the
    // count and the record number as they were, so a walk that edits each record stays cheap.
    if (keepCaches)
        m_cacheGeneration = m_file->generation();
    else
        invalidateCaches();
}

void Table::post()
{
    requireOpen();
    if (!isEditing())
        return;
    if (onBeforePost)
        onBeforePost(*this);
    if (!isEditing())
        return;
    checkRequired();
    if (m_state == State::Insert)
        writeInsert();
    else
        writeUpdate();
    m_state = State::Browse;
    m_hasRecord = true;
    m_modified = false;
    m_bof = m_eof = false;
    m_seenGeneration = m_file->generation();
    if (onAfterPost)
        onAfterPost(*this);
    notifyDataChange(nullptr);
}

void Table::cancel()
{
    requireOpen();
    if (!isEditing())
        return;
    const bool wasInsert = m_state == State::Insert;
    m_buffer = m_saved;
    m_pos = m_savedPos;
    if (wasInsert)
        m_hasRecord = m_savedHasRecord;
    m_state = State::Browse;
    m_modified = false;
    m_eof = !m_hasRecord;
    m_bof = !m_hasRecord;
    // Someone may have changed the record we return to while the edit was open.
    m_seenGeneration = ~quint64(0);
    if (m_hasRecord)
        resyncIfStale();
    if (onAfterCancel)
        onAfterCancel(*this);
    if (wasInsert)
        afterMove();
    else
        notifyDataChange(nullptr);
}

void Table::deleteRecord()
{
    requireOpen();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_state == State::Edit) {
        m_buffer = m_saved;
        m_state = State::Browse;
        m_modified = false;
    }
    resyncIfStale();
    if (!m_hasRecord)
        throw DatabaseError(QStringLiteral("Cannot perform this operation on an empty dataset (%1)").arg(m_objectName));
    if (onBeforeDelete)
        onBeforeDelete(*this);
    sqlite3_stmt* stmt = m_file->statement("DELETE FROM records WHERE rowid=?");
    {
        StatementScope scope(stmt);
        sqlite3_bind_int64(stmt, 1, m_pos.rowid);
        const int rc = sqlite3_step(stmt);
        if (rc != SQLITE_DONE)
            m_file->fail(rc, QStringLiteral("deleting from %1").arg(m_objectName));
    }
    m_file->bumpGeneration();
    invalidateCaches();
    resyncIfStale(); // moves on to the next record, or the last one when the deleted was last
    m_eof = m_bof = !m_hasRecord;
    if (onAfterDelete)
        onAfterDelete(*this);
    afterMove();
}

bool Table::appendRecord(const QVariantList& values)
{
    append();
    // A new record rule may store the record at once and leave it in edit (a new trip is
    // stored and then numbered): the values then go into that stored record.
    if (!isEditing())
        return false;
    try {
        for (int i = 0; i < values.size() && i < fieldCount(); ++i) {
            Field& f = field(i);
            if (f.type() == FieldType::AutoInc)
                continue;
            if (values[i].isNull())
                f.clear();
            else
                f.setValue(values[i]);
        }
        post();
    } catch (...) {
        // The caller sees the error; the half-made record must not stay pending.
        if (isEditing())
            cancel();
        throw;
    }
    return true;
}

} // namespace zaf::store
