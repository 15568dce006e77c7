#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace zaf::store {

/// One open SQLite database file, shared by every table object on that file so that they
/// see each other's posts at once. Keeps its prepared statements and a change counter that
/// cursors compare to know when their current record may be stale.
class SqliteFile {
public:
    /// The shared handle for a file; opens it when no table has it open yet.
    /// Throws DatabaseError when the file is missing (unless create) or not a database.
    static std::shared_ptr<SqliteFile> open(const QString& path, bool create = false);
    /// True when some table object still has this file open.
    static bool isOpen(const QString& path);

    ~SqliteFile();
    SqliteFile(const SqliteFile&) = delete;
    SqliteFile& operator=(const SqliteFile&) = delete;

    const QString& path() const { return m_path; }
    sqlite3* handle() const { return m_db; }

    /// A cached prepared statement, reset and unbound, ready for new bindings.
    sqlite3_stmt* statement(const QByteArray& sql);
    /// Runs statements that return no rows.
    void exec(const QByteArray& sql);
    /// Throws the error of the last call (key violation for unique constraint failures).
    [[noreturn]] void fail(int rc, const QString& context) const;

    /// Bumped by every write through any table object on this file.
    quint64 generation() const { return m_generation; }
    void bumpGeneration() { ++m_generation; }

private:
    SqliteFile(QString path, sqlite3* db);

    QString m_path;
    sqlite3* m_db = nullptr;
    QHash<QByteArray, sqlite3_stmt*> m_statements;
    quint64 m_generation = 0;
};

/// Resets a statement when the scope ends, so a cached statement never stays busy.
class StatementScope {
public:
    explicit StatementScope(sqlite3_stmt* stmt) : m_stmt(stmt) {}
    ~StatementScope();
    StatementScope(const StatementScope&) = delete;
    StatementScope& operator=(const StatementScope&) = delete;

private:
    sqlite3_stmt* m_stmt;
};

} // namespace zaf::store
