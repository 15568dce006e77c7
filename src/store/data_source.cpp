#include "store/data_source.h"

#include "store/table.h"

namespace zaf::store {

DataSource::DataSource(Table* table)
{
    setTable(table);
}

DataSource::~DataSource()
{
    setTable(nullptr);
}

void DataSource::setTable(Table* table)
{
    if (m_table == table)
        return;
    if (m_table)
        m_table->detach(this);
    m_table = table;
    if (m_table)
        m_table->attach(this);
}

} // namespace zaf::store
