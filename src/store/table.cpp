#include "store/table.h"

#include "store/data_source.h"
#include "store/database.h"
#include "store/errors.h"
#include "store/sqlite_file.h"
#include "store/table_file.h"
#include "store/table_sql.h"
#include "store/text_fold.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <limits>
#include <sqlite3.h>

namespace zaf::store {

using table_file::quoted;

namespace {

const char* sqlOp(Filter::Op op)
{
    switch (op) {
    case Filter::Op::Equal: return " = ?";
    case Filter::Op::NotEqual: return " <> ?";
    case Filter::Op::Less: return " < ?";
    case Filter::Op::LessEqual: return " <= ?";
    case Filter::Op::Greater: return " > ?";
    case Filter::Op::GreaterEqual: return " >= ?";
    }
    return " = ?";
}

} // namespace

Table::Table(QString objectName) : m_objectName(std::move(objectName)) {}

Table::~Table()
{
    try {
        close();
    } catch (...) {
    }
    if (m_database)
        m_database->unregisterTable(this);
    for (DataSource* source : m_sources)
        source->setTable(nullptr);
}

void Table::setPath(const QString& path)
{
    if (path == m_path)
        return;
    if (isOpen())
        throw DatabaseError(QStringLiteral("Cannot change the table name of an open table (%1)").arg(m_path));
    m_path = path;
}

QString Table::fileName() const
{
    return table_file::fileNameFor(m_path);
}

void openSecondCursor(Table& cursor, const Table& of)
{
    cursor.close();
    cursor.setDefinition(of.definition());
    cursor.setPath(of.path());
    cursor.open();
}

void Table::setDefinition(const TableDef& def)
{
    if (isOpen())
        throw DatabaseError(QStringLiteral("Cannot change the fields of an open table (%1)").arg(m_path));
    m_expected = def;
    // The field objects of a defined table persist across close and open, so whatever holds
    // a Field& (a bound widget, a validation rule) stays valid when the store is reopened.
    m_fields.clear();
    for (int i = 0; i < def.fields.size(); ++i)
        m_fields.push_back(std::make_unique<Field>(*this, i, def.fields[i]));
}

void Table::setDatabase(Database* database)
{
    if (m_database == database)
        return;
    if (m_database)
        m_database->unregisterTable(this);
    m_database = database;
    if (m_database)
        m_database->registerTable(this);
}

// ---------------------------------------------------------------- open and close

void Table::open()
{
    if (isOpen())
        return;
    if (m_path.isEmpty())
        throw DatabaseError(QStringLiteral("No table name given for %1").arg(m_objectName));
    std::shared_ptr<SqliteFile> file = SqliteFile::open(fileName());
    TableDef fileLayout = table_file::readLayout(*file);
    // A file cut short no longer holds every page its header promises.
    if (!QFileInfo::exists(fileName() + QStringLiteral("-wal"))) {
        sqlite3_stmt* size = file->statement("SELECT page_count * page_size FROM pragma_page_count, pragma_page_size");
        StatementScope scope(size);
        if (sqlite3_step(size) == SQLITE_ROW && sqlite3_column_int64(size, 0) > QFileInfo(fileName()).size())
            throw DatabaseError(QStringLiteral("Table is corrupt (file too short): %1").arg(fileName()));
    }
    if (m_expected) {
        checkLayout(fileLayout);
        m_layout = *m_expected;
    } else {
        m_layout = fileLayout;
        m_fields.clear();
        for (int i = 0; i < m_layout.fields.size(); ++i)
            m_fields.push_back(std::make_unique<Field>(*this, i, m_layout.fields[i]));
    }
    m_file = std::move(file);
    m_foldedFields.clear();
    for (const QString& name : table_file::foldedFields(m_layout))
        m_foldedFields.append(m_layout.fieldIndex(name));
    m_autoIncField = -1;
    for (int i = 0; i < m_layout.fields.size(); ++i)
        if (m_layout.fields[i].type == FieldType::AutoInc)
            m_autoIncField = i;
    try {
        buildOrder();
        for (const QString& f : m_filter.fields())
            if (m_layout.fieldIndex(f) < 0)
                throw DatabaseError(QStringLiteral("Field '%1' not found (filter of %2)").arg(f, m_objectName));
        m_state = State::Browse;
        invalidateCaches();
        // Reading the first record proves the records themselves are readable.
        QVariantList params;
        const QString where = filterSql(params);
        if (!fetchOne(selectSql(where, orderBy(false), QStringLiteral(" LIMIT 1")), params))
            setEmpty();
        else
            m_cachedRecNo = 1;
    } catch (...) {
        m_state = State::Inactive;
        m_file.reset();
        throw;
    }
    m_bof = true;
    m_eof = !m_hasRecord;
    if (onAfterOpen)
        onAfterOpen(*this);
    afterMove();
}

void Table::checkLayout(const TableDef& fileLayout) const
{
    const TableDef& want = *m_expected;
    auto mismatch = [&](const QString& what) {
        throw DatabaseError(QStringLiteral("Table %1 does not have the expected layout: %2").arg(m_path, what));
    };
    if (fileLayout.fields.size() != want.fields.size())
        mismatch(QStringLiteral("%1 fields instead of %2").arg(fileLayout.fields.size()).arg(want.fields.size()));
    for (int i = 0; i < want.fields.size(); ++i) {
        const FieldDef& a = fileLayout.fields[i];
        const FieldDef& b = want.fields[i];
        if (a.name.compare(b.name, Qt::CaseInsensitive) != 0 || a.type != b.type || a.size != b.size)
            mismatch(QStringLiteral("field %1 is %2 %3(%4)").arg(i + 1).arg(a.name, table_file::typeName(a.type)).arg(a.size));
    }
    QStringList fileKey, wantKey;
    for (const QString& f : fileLayout.primaryKey)
        fileKey.append(f.toLower());
    for (const QString& f : want.primaryKey)
        wantKey.append(f.toLower());
    if (fileKey != wantKey)
        mismatch(QStringLiteral("another primary key"));
    for (const IndexDef& index : want.secondaryIndexes) {
        const auto found = std::find_if(fileLayout.secondaryIndexes.begin(), fileLayout.secondaryIndexes.end(),
                                        [&](const IndexDef& other) { return other.name == index.name; });
        if (found == fileLayout.secondaryIndexes.end() || found->fields.size() != index.fields.size())
            mismatch(QStringLiteral("index %1 missing").arg(index.name));
    }
}

void Table::close()
{
    if (!isOpen())
        return;
    m_state = State::Inactive;
    m_file.reset();
    m_hasRecord = false;
    m_buffer.clear();
    m_saved.clear();
    m_modified = false;
    m_eof = m_bof = true;
}

void Table::requireOpen() const
{
    if (!isOpen())
        throw DatabaseError(QStringLiteral("Cannot perform this operation on a closed dataset (%1)").arg(m_objectName));
}

// Any move first settles a pending change: posted when something was typed, dropped otherwise.
void Table::requireBrowseable()
{
    requireOpen();
    if (isEditing()) {
        if (m_modified)
            post();
        else
            cancel();
    }
}

// ---------------------------------------------------------------- order and filter

void Table::buildOrder()
{
    m_nav.valid = false;
    m_order.clear();
    QStringList fields;
    bool folded = false;
    if (m_indexName.isEmpty()) {
        fields = m_layout.primaryKey;
    } else {
        const auto it = std::find_if(m_layout.secondaryIndexes.begin(), m_layout.secondaryIndexes.end(),
                                     [&](const IndexDef& index) {
                                         return index.name.compare(m_indexName, Qt::CaseInsensitive) == 0;
                                     });
        if (it == m_layout.secondaryIndexes.end())
            throw DatabaseError(QStringLiteral("Index not found: %1 (%2)").arg(m_indexName, m_objectName));
        fields = it->fields;
        folded = it->caseInsensitive;
    }
    for (const QString& name : fields) {
        const int index = m_layout.fieldIndex(name);
        if (index < 0)
            throw DatabaseError(QStringLiteral("Key field '%1' not found (%2)").arg(name, m_objectName));
        m_order.append(OrderColumn{index, folded && m_layout.fields[index].type == FieldType::Text});
    }
}

void Table::setIndexName(const QString& name)
{
    if (m_indexName.compare(name, Qt::CaseInsensitive) == 0)
        return;
    const QString previous = m_indexName;
    m_indexName = name;
    if (!isOpen())
        return;
    requireBrowseable();
    try {
        buildOrder();
    } catch (...) {
        m_indexName = previous;
        buildOrder();
        throw;
    }
    // The current record stays current; only its place in the order is new.
    if (m_hasRecord)
        m_pos = positionOfBuffer();
    invalidateCaches();
    notifyDataChange(nullptr);
}

void Table::setFilter(const QString& text)
{
    setFilter(Filter::parse(text));
}

void Table::setFilter(const Filter& filter)
{
    if (isOpen()) {
        for (const QString& f : filter.fields())
            if (m_layout.fieldIndex(f) < 0)
                throw DatabaseError(QStringLiteral("Field '%1' not found (filter of %2)").arg(f, m_objectName));
        requireBrowseable();
    }
    m_filter = filter;
    m_nav.valid = false;
    if (isOpen()) {
        invalidateCaches();
        first();
    }
}

void Table::clearFilter()
{
    setFilter(Filter());
}

// ---------------------------------------------------------------- SQL pieces

QByteArray Table::selectSql(const QString& where, const QString& order, const QString& tail) const
{
    QString sql = QStringLiteral("SELECT rowid");
    for (const FieldDef& f : m_layout.fields)
        sql += QLatin1Char(',') + quoted(f.name);
    sql += QStringLiteral(" FROM records");
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    if (!order.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + order;
    sql += tail;
    return sql.toUtf8();
}

QString Table::orderBy(bool descending) const
{
    const QString dir = descending ? QStringLiteral(" DESC") : QString();
    QStringList parts;
    for (const OrderColumn& c : m_order) {
        const QString& name = m_layout.fields[c.field].name;
        parts.append(quoted(c.folded ? table_file::foldedColumn(name) : name) + dir);
    }
    parts.append(QStringLiteral("rowid") + dir);
    return parts.join(QLatin1Char(','));
}

QString Table::rowValue(bool withRowid) const
{
    QStringList parts;
    for (const OrderColumn& c : m_order) {
        const QString& name = m_layout.fields[c.field].name;
        parts.append(quoted(c.folded ? table_file::foldedColumn(name) : name));
    }
    if (withRowid)
        parts.append(QStringLiteral("rowid"));
    return QLatin1Char('(') + parts.join(QLatin1Char(',')) + QLatin1Char(')');
}

QString Table::filterSql(QVariantList& params) const
{
    return filterSql(m_filter, params);
}

QString Table::filterSql(const Filter& filter, QVariantList& params) const
{
    if (filter.isEmpty())
        return {};
    std::function<QString(const Filter::Node&)> build = [&](const Filter::Node& node) -> QString {
        if (node.kind == Filter::Node::Kind::Compare) {
            const int index = m_layout.fieldIndex(node.field);
            const Field& f = *m_fields[index];
            const QVariant value = node.value.isEmpty() ? QVariant() : f.normalized(node.value);
            params.append(encodeForColumn(index, value));
            return quoted(f.name()) + QLatin1String(sqlOp(node.op));
        }
        QStringList parts;
        for (const auto& child : node.children)
            parts.append(build(*child));
        return QLatin1Char('(') +
               parts.join(node.kind == Filter::Node::Kind::And ? QStringLiteral(" AND ") : QStringLiteral(" OR ")) +
               QLatin1Char(')');
    };
    return build(*filter.root());
}

void Table::bindAll(sqlite3_stmt* stmt, const QVariantList& params) const
{
    for (int i = 0; i < params.size(); ++i) {
        const QVariant& v = params[i];
        const int slot = i + 1;
        switch (v.typeId()) {
        case QMetaType::QString: {
            const QByteArray text = v.toString().toUtf8();
            sqlite3_bind_text(stmt, slot, text.constData(), int(text.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::Double:
            sqlite3_bind_double(stmt, slot, v.toDouble());
            break;
        default:
            sqlite3_bind_int64(stmt, slot, v.toLongLong());
            break;
        }
    }
}

// The stored form of a field value: texts as they are, and for an empty number, date or
// logical the empty key value of its type, so no column ever holds NULL.
QVariant Table::encodeForColumn(int index, const QVariant& value) const
{
    const FieldType type = m_layout.fields[index].type;
    if (!value.isValid())
        return table_file::emptyKeyValue(type);
    switch (type) {
    case FieldType::Text:
    case FieldType::Memo:
    case FieldType::FMemo:
        return value.toString();
    case FieldType::Logical:
        return QVariant::fromValue(qint64(value.toBool() ? 1 : 0));
    case FieldType::Int32:
    case FieldType::Int16:
    case FieldType::AutoInc:
        return QVariant::fromValue(value.toLongLong());
    default:
        return value.toDouble();
    }
}

const Table::Navigation& Table::navigation()
{
    if (m_nav.valid)
        return m_nav;
    Navigation nav;
    const QString where = filterSql(nav.filterParams);
    const QString keys = QString(QStringLiteral("?,")).repeated(m_order.size()) + QStringLiteral("?)");
    const QString one = QStringLiteral(" LIMIT 1");
    nav.first = selectSql(where, orderBy(false), one);
    nav.last = selectSql(where, orderBy(true), one);
    nav.next = selectSql(andJoin(where, rowValue(true) + QStringLiteral(" > (") + keys), orderBy(false), one);
    nav.prior = selectSql(andJoin(where, rowValue(true) + QStringLiteral(" < (") + keys), orderBy(true), one);
    nav.count = (QStringLiteral("SELECT count(*) FROM records") +
                 (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where))
                    .toUtf8();
    nav.valid = true;
    m_nav = std::move(nav);
    return m_nav;
}

// ---------------------------------------------------------------- reading rows

bool Table::fetchOne(const QByteArray& sql, const QVariantList& params)
{
    sqlite3_stmt* stmt = m_file->statement(sql);
    StatementScope scope(stmt);
    bindAll(stmt, params);
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) {
        loadRow(stmt);
        return true;
    }
    if (rc != SQLITE_DONE)
        m_file->fail(rc, QString::fromUtf8(sql));
    return false;
}

QVariant Table::columnValue(sqlite3_stmt* stmt, int column, int field) const
{
    switch (m_layout.fields[field].type) {
    case FieldType::Text:
    case FieldType::Memo:
    case FieldType::FMemo: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        return text ? QString::fromUtf8(text, sqlite3_column_bytes(stmt, column)) : QString();
    }
    case FieldType::Logical: {
        const qint64 v = sqlite3_column_int64(stmt, column);
        return v < 0 ? QVariant() : QVariant(v != 0);
    }
    case FieldType::Int32:
    case FieldType::Int16:
    case FieldType::AutoInc: {
        const qint64 v = sqlite3_column_int64(stmt, column);
        return v == std::numeric_limits<qint64>::min() ? QVariant() : QVariant::fromValue(v);
    }
    default: {
        const double v = sqlite3_column_double(stmt, column);
        return std::isinf(v) && v < 0 ? QVariant() : QVariant(v);
    }
    }
}

void Table::loadRow(sqlite3_stmt* stmt)
{
    const int n = int(m_layout.fields.size());
    m_buffer.resize(n);
    for (int i = 0; i < n; ++i)
        m_buffer[i] = columnValue(stmt, i + 1, i);
    m_hasRecord = true;
    m_pos = positionOfBuffer();
    m_pos.rowid = sqlite3_column_int64(stmt, 0);
    m_seenGeneration = m_file->generation();
}

Table::Position Table::positionOfBuffer() const
{
    Position pos;
    pos.rowid = m_pos.rowid;
    for (const OrderColumn& c : m_order) {
        QVariant v = encodeForColumn(c.field, m_buffer.value(c.field));
        if (c.folded)
            v = foldText(v.toString());
        pos.keys.append(v);
    }
    return pos;
}

QVariantList Table::encodedKeys(const Position& pos) const
{
    QVariantList values = pos.keys;
    values.append(QVariant::fromValue(pos.rowid));
    return values;
}

void Table::setEmpty()
{
    m_hasRecord = false;
    m_buffer.clear();
    for (const auto& f : m_fields)
        m_buffer.append(isTextType(f->type()) ? QVariant(QString()) : QVariant());
    m_pos = Position();
    m_bof = m_eof = true;
    m_cachedRecNo = -1;
}

void Table::resyncIfStale()
{
    if (m_state != State::Browse || !m_hasRecord || m_seenGeneration == m_file->generation())
        return;
    const Position old = m_pos;
    if (fetchOne(selectSql(QStringLiteral("rowid = ?"), QString(), QString()), {QVariant::fromValue(old.rowid)}))
        return;
    // Deleted through another table object: the next record in order takes its place.
    QVariantList params;
    const QString where = andJoin(filterSql(params), rowValue(true) + QStringLiteral(" > (") +
                                                         QString(QStringLiteral("?,")).repeated(old.keys.size()) +
                                                         QStringLiteral("?)"));
    params += encodedKeys(old);
    if (!fetchOne(selectSql(where, orderBy(false), QStringLiteral(" LIMIT 1")), params)) {
        QVariantList back;
        if (!fetchOne(selectSql(filterSql(back), orderBy(true), QStringLiteral(" LIMIT 1")), back))
            setEmpty();
    }
    m_cachedRecNo = -1;
}

void Table::refresh()
{
    requireBrowseable();
    m_seenGeneration = ~quint64(0);
    if (m_hasRecord)
        resyncIfStale();
    invalidateCaches();
    notifyDataChange(nullptr);
}

// ---------------------------------------------------------------- caches

void Table::invalidateCaches()
{
    m_cachedCount = -1;
    m_cachedRecNo = -1;
    m_cacheGeneration = m_file ? m_file->generation() : 0;
}

bool Table::cachesValid() const
{
    return m_file && m_cacheGeneration == m_file->generation();
}

// ---------------------------------------------------------------- fields and buffer

Field& Table::field(int index)
{
    if (index < 0 || index >= fieldCount())
        throw DatabaseError(QStringLiteral("Field index out of range (%1)").arg(m_objectName));
    return *m_fields[index];
}

Field* Table::findField(const QString& name)
{
    for (const auto& f : m_fields)
        if (f->name().compare(name, Qt::CaseInsensitive) == 0)
            return f.get();
    return nullptr;
}

Field& Table::field(const QString& name)
{
    if (Field* f = findField(name))
        return *f;
    throw DatabaseError(QStringLiteral("%1: Field '%2' not found.").arg(m_objectName, name));
}

const QVariant& Table::bufferValue(int index)
{
    static const QVariant none;
    if (!isOpen())
        return none;
    resyncIfStale();
    if (index < 0 || index >= m_buffer.size())
        return none;
    return m_buffer[index];
}

void Table::setBufferValue(Field& f, const QVariant& value)
{
    requireOpen();
    if (!isEditing())
        throw DatabaseError(QStringLiteral("%1: Dataset not in edit or insert mode").arg(m_objectName));
    QVariant& slot = m_buffer[f.index()];
    const QVariant old = slot;
    slot = value;
    if (f.onValidate) {
        try {
            f.onValidate(f);
        } catch (...) {
            m_buffer[f.index()] = old;
            throw;
        }
    }
    m_modified = true;
    notifyDataChange(&f);
}

// ---------------------------------------------------------------- display and data sources

void Table::disableControls()
{
    ++m_disableCount;
}

void Table::enableControls()
{
    if (m_disableCount == 0)
        return;
    if (--m_disableCount == 0)
        notifyDataChange(nullptr);
}

void Table::notifyDataChange(Field* changed)
{
    if (m_disableCount > 0)
        return;
    const std::vector<DataSource*> sources = m_sources;
    for (DataSource* source : sources)
        if (source->enabled && source->onDataChange)
            source->onDataChange(changed);
}

void Table::attach(DataSource* source)
{
    if (std::find(m_sources.begin(), m_sources.end(), source) == m_sources.end())
        m_sources.push_back(source);
}

void Table::detach(DataSource* source)
{
    m_sources.erase(std::remove(m_sources.begin(), m_sources.end(), source), m_sources.end());
}

} // namespace zaf::store
