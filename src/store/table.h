#pragma once

#include "store/field.h"
#include "store/field_def.h"
#include "store/filter.h"

#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3_stmt;

namespace zaf::store {

class Database;
class DataSource;
class SqliteFile;

/// A table object: a cursor over one logbook table on disk, in the order of its primary key
/// or of a named secondary index, optionally filtered. Several table objects on one file see
/// each other's posts at once. Each post is its own transaction.
class Table {
public:
    enum class State { Inactive, Browse, Edit, Insert };
    using Event = std::function<void(Table&)>;

    /// `path` is the table's path without extension ("…/data/DiveLog"); the file is path + ".DB".
    explicit Table(QString objectName = {});
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // --- where the table lives and what it must look like
    const QString& objectName() const { return m_objectName; }
    void setPath(const QString& path);
    const QString& path() const { return m_path; }
    QString fileName() const; ///< path + ".DB"
    /// The layout the program expects (its field objects): the file must match it, and the
    /// required flags and display formats come from here. Without one, the file's own layout is used.
    void setDefinition(const TableDef& def);
    /// Opens and closes through a connection object, whose close closes this table too.
    void setDatabase(Database* database);
    Database* database() const { return m_database; }

    // --- open and close
    void open();   ///< throws DatabaseError when the file is missing, unreadable or of another layout
    void close();  ///< a pending edit or insert is discarded
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }

    // --- order and filter
    /// The secondary index to order by; empty for the primary key. Keeps the current record.
    void setIndexName(const QString& name);
    const QString& indexName() const { return m_indexName; }
    void setFilter(const QString& text);
    void setFilter(const Filter& filter);
    void clearFilter();
    QString filterText() const { return m_filter.text(); }
    const Filter& filter() const { return m_filter; }

    // --- navigation (every move fires after scroll)
    void first();
    void last();
    void next();
    void prior();
    void moveBy(int distance);
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    bool isEmpty();
    int recordCount();
    /// 1-based position of the current record in the filtered order; -1 when there is none.
    int recNo();
    /// Moves to the n-th record of the filtered order (clamped to the first and last).
    void setRecNo(int n);

    /// Exact look-up on the leading fields of the current order (a partial key when fewer
    /// values than key fields are given). Stays put and returns false when nothing matches.
    bool findKey(const QVariantList& values);
    /// Moves to the first record whose leading key fields are at or after the values;
    /// to the last record (at end) when every key is before them.
    void findNearest(const QVariantList& values);
    struct LocateOptions {
        bool caseInsensitive = false;
        bool partialKey = false; ///< text fields match when they begin with the value
    };
    /// Moves to the first record, in the current order, whose fields equal the values.
    bool locate(const QStringList& fields, const QVariantList& values, LocateOptions options);
    bool locate(const QStringList& fields, const QVariantList& values) { return locate(fields, values, {}); }
    /// Re-reads the current record (it may have been changed through another table object).
    void refresh();

    // --- changes
    void insert();
    void append();
    void edit();
    void post();
    void cancel();
    void deleteRecord();
    /// Append with values in field order, then post. A null value clears its field; fields
    /// past the end of the list keep what the new record rule gave them. Returns false when
    /// the new record rule refused the record (the insert was cancelled). When the rule
    /// stored the record itself and left it in edit, the values go into that record.
    bool appendRecord(const QVariantList& values);
    bool modified() const { return m_modified; }

    // --- fields
    int fieldCount() const { return int(m_fields.size()); }
    Field& field(int index);
    Field& field(const QString& name);  ///< throws DatabaseError for an unknown name
    Field* findField(const QString& name);
    Field& operator[](const QString& name) { return field(name); }
    const TableDef& layout() const { return m_layout; }
    /// The layout the program expects when one was set, else the file's own.
    const TableDef& definition() const { return m_expected ? *m_expected : m_layout; }

    // --- display off and on
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_disableCount > 0; }

    // --- events
    Event onNewRecord, onAfterEdit, onBeforePost, onAfterPost, onBeforeDelete, onAfterDelete, onAfterScroll,
        onAfterOpen, onAfterCancel;

    // used by Field and DataSource
    const QVariant& bufferValue(int index);
    void setBufferValue(Field& field, const QVariant& value);
    void attach(DataSource* source);
    void detach(DataSource* source);

private:
    friend class RecordQuery; // answers aggregate questions with this table's SQL pieces

    struct OrderColumn {
        int field;
        bool folded;
    };
    struct Position {
        qint64 rowid = 0;
        QVariantList keys; ///< the stored order values of the current record
    };

    QStringList keyColumns(const QVariantList& values, QVariantList& params) const;
    bool moveToFirstWhere(const QString& condition, const QVariantList& params);
    void requireOpen() const;
    void requireBrowseable();
    void checkLayout(const TableDef& fileLayout) const;
    void buildOrder();
    void buildStatements();
    QByteArray selectSql(const QString& where, const QString& order, const QString& tail) const;
    QString orderBy(bool descending) const;
    QString rowValue(bool withRowid) const;
    QString filterSql(QVariantList& params) const;
    QString filterSql(const Filter& filter, QVariantList& params) const;
    void bindAll(::sqlite3_stmt* stmt, const QVariantList& params) const;
    bool fetchOne(const QByteArray& sql, const QVariantList& params);
    void loadRow(::sqlite3_stmt* stmt);
    /// A result column read back as the value of the field (empty for the empty-key value).
    QVariant columnValue(::sqlite3_stmt* stmt, int column, int field) const;
    void setEmpty();
    Position positionOfBuffer() const;
    QVariantList encodedKeys(const Position& pos) const;
    void resyncIfStale();
    void invalidateCaches();
    bool cachesValid() const;
    void afterMove();
    void notifyDataChange(Field* changed);
    void startNewRecord();
    void checkRequired() const;
    void writeInsert();
    void writeUpdate();
    QVariantList storedValues() const;
    QVariant encodeForColumn(int field, const QVariant& value) const;
    bool matchesFilterAfterWrite() const;

    /// The navigation statements of the current order and filter, built once per change.
    struct Navigation {
        QByteArray first, last, next, prior, count;
        QVariantList filterParams;
        bool valid = false;
    };
    const Navigation& navigation();

    Navigation m_nav;
    QString m_objectName;
    QString m_path;
    std::optional<TableDef> m_expected;
    TableDef m_layout;
    Database* m_database = nullptr;
    std::shared_ptr<SqliteFile> m_file;
    std::vector<std::unique_ptr<Field>> m_fields;
    std::vector<DataSource*> m_sources;

    State m_state = State::Inactive;
    QString m_indexName;
    QVector<OrderColumn> m_order;
    QVector<int> m_foldedFields;   ///< text fields that have a case-folded shadow column
    int m_autoIncField = -1;
    Filter m_filter;

    QVariantList m_buffer;         ///< the current record's field values
    QVariantList m_saved;          ///< the buffer before an edit or insert began
    Position m_pos;                ///< where the current record sits in the order
    Position m_savedPos;
    bool m_hasRecord = false;
    bool m_savedHasRecord = false;
    bool m_eof = true;
    bool m_bof = true;
    bool m_modified = false;
    int m_disableCount = 0;

    quint64 m_seenGeneration = 0;  ///< file generation the buffer was read at
    quint64 m_cacheGeneration = 0; ///< file generation the count and position caches belong to
    int m_cachedCount = -1;
    int m_cachedRecNo = -1;
};

/// Opens `cursor` as a table object of its own on the file of `of`, with its fields: a look-up
/// through it moves neither `of` nor whatever shows `of`. Throws DatabaseError as open() does.
void openSecondCursor(Table& cursor, const Table& of);

} // namespace zaf::store
