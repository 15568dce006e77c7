#include "store/sqlite_file.h"

#include "store/errors.h"
#include "store/text_fold.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace zaf::store {
namespace {

QHash<QString, std::weak_ptr<SqliteFile>>& registry()
{
    static QHash<QString, std::weak_ptr<SqliteFile>> files;
    return files;
}

QString canonical(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

// zaf_fold(text): the case-folded text, so case-insensitive look-ups fold exactly like the
// case-insensitive index columns do.
void foldFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const QByteArray folded = foldText(QString::fromUtf8(text ? text : "")).toUtf8();
    sqlite3_result_text(ctx, folded.constData(), int(folded.size()), SQLITE_TRANSIENT);
}

} // namespace

std::shared_ptr<SqliteFile> SqliteFile::open(const QString& path, bool create)
{
    const QString key = canonical(path);
    if (auto existing = registry().value(key).lock())
        return existing;
    if (!create && !QFileInfo::exists(key))
        throw DatabaseError(QStringLiteral("Table does not exist. File: %1").arg(path));

    sqlite3* db = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(key.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        sqlite3_close(db);
        throw DatabaseError(QStringLiteral("Cannot open table %1: %2").arg(path, message));
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, 2000);
    sqlite3_create_function(db, "zaf_fold", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, foldFunction,
                            nullptr, nullptr);
    std::shared_ptr<SqliteFile> file(new SqliteFile(key, db));
    // WAL with normal syncing: each post is its own transaction and survives a killed process.
    file->exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;");
    registry().insert(key, file);
    return file;
}

bool SqliteFile::isOpen(const QString& path)
{
    return !registry().value(canonical(path)).expired();
}

SqliteFile::SqliteFile(QString path, sqlite3* db) : m_path(std::move(path)), m_db(db) {}

SqliteFile::~SqliteFile()
{
    for (sqlite3_stmt* stmt : std::as_const(m_statements))
        sqlite3_finalize(stmt);
    sqlite3_close(m_db);
    auto& files = registry();
    auto it = files.find(m_path);
    if (it != files.end() && it->expired())
        files.erase(it);
}

sqlite3_stmt* SqliteFile::statement(const QByteArray& sql)
{
    auto it = m_statements.find(sql);
    if (it != m_statements.end())
        return *it;
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v3(m_db, sql.constData(), int(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt,
                                      nullptr);
    if (rc != SQLITE_OK)
        fail(rc, QString::fromUtf8(sql));
    m_statements.insert(sql, stmt);
    return stmt;
}

void SqliteFile::exec(const QByteArray& sql)
{
    char* error = nullptr;
    const int rc = sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : sqlite3_errstr(rc));
        sqlite3_free(error);
        throw DatabaseError(QStringLiteral("%1 (%2)").arg(message, m_path));
    }
}

void SqliteFile::fail(int rc, const QString& context) const
{
    if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY)
        throw KeyViolation(QStringLiteral("File: %1").arg(m_path));
    throw DatabaseError(
        QStringLiteral("%1 (%2; %3)").arg(QString::fromUtf8(sqlite3_errmsg(m_db)), m_path, context.left(200)));
}

StatementScope::~StatementScope()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

} // namespace zaf::store
