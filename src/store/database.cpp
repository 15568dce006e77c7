#include "store/database.h"

#include "store/errors.h"
#include "store/table.h"

#include <QDir>
#include <algorithm>

namespace zaf::store {

Database::~Database()
{
    for (Table* table : m_tables)
        table->setDatabase(nullptr);
}

void Database::setDirectory(const QString& directory)
{
    m_directory = directory;
}

void Database::open()
{
    if (!QDir().mkpath(m_directory))
        throw DatabaseError(QStringLiteral("Cannot create the directory %1").arg(m_directory));
    m_connected = true;
}

void Database::close()
{
    const std::vector<Table*> tables = m_tables;
    for (Table* table : tables)
        table->close();
    m_connected = false;
}

void Database::registerTable(Table* table)
{
    if (std::find(m_tables.begin(), m_tables.end(), table) == m_tables.end())
        m_tables.push_back(table);
}

void Database::unregisterTable(Table* table)
{
    m_tables.erase(std::remove(m_tables.begin(), m_tables.end(), table), m_tables.end());
}

} // namespace zaf::store
