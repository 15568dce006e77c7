#pragma once

#include <QString>
#include <vector>

namespace zaf::store {

class Table;

/// The connection object the data module opens its tables through (ZAF_Database): it names
/// the data directory, and closing it closes every table opened through it at once.
class Database {
public:
    explicit Database(QString name = QStringLiteral("ZAF_Database")) : m_name(std::move(name)) {}
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& name() const { return m_name; }
    void setDirectory(const QString& directory);
    const QString& directory() const { return m_directory; }

    /// Connects: makes sure the directory exists. Throws DatabaseError when it cannot be made.
    void open();
    /// Closes every open table of this connection, then the connection.
    void close();
    bool isConnected() const { return m_connected; }

    void registerTable(Table* table);
    void unregisterTable(Table* table);
    const std::vector<Table*>& tables() const { return m_tables; }

private:
    QString m_name;
    QString m_directory;
    bool m_connected = false;
    std::vector<Table*> m_tables;
};

} // namespace zaf::store
