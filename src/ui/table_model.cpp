#include "ui/table_model.h"

#include "store/errors.h"
#include "store/table.h"

namespace zaf::gui {
namespace {
// The rows a few screens of a grid show; beyond that the cache starts again, which keeps
// memory flat however far the user scrolls.
constexpr int kCacheLimit = 2000;
} // namespace

TableModel::TableModel(store::Table& table, QObject* parent) : QAbstractTableModel(parent), m_table(table)
{
    reload();
}

void TableModel::reload()
{
    beginResetModel();
    m_cache.clear();
    m_headers.clear();
    m_rows = 0;
    m_columns = 0;
    if (m_table.isOpen()) {
        try {
            m_rows = m_table.recordCount();
            m_columns = m_table.fieldCount();
            for (int i = 0; i < m_columns; ++i)
                m_headers.append(m_table.field(i).name());
        } catch (const store::DatabaseError&) {
            m_rows = 0; // an unreadable table shows as an empty grid
        }
    }
    endResetModel();
}

int TableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

const QStringList& TableModel::row(int n) const
{
    if (auto it = m_cache.constFind(n); it != m_cache.constEnd())
        return *it;
    if (m_cache.size() >= kCacheLimit)
        m_cache.clear();
    QStringList values;
    try {
        // A view asks for rows top to bottom, so the next record is usually one step away.
        if (m_table.recNo() == n)
            m_table.next();
        else
            m_table.setRecNo(n + 1);
        if (m_table.recNo() == n + 1)
            for (int i = 0; i < m_columns; ++i)
                values.append(m_table.field(i).displayText());
    } catch (const store::DatabaseError&) {
        // Left empty: the grid shows a blank row rather than failing the paint.
    }
    return *m_cache.insert(n, values);
}

QVariant TableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows || !m_table.isOpen())
        return {};
    const QStringList& values = row(index.row());
    return index.column() < values.size() ? QVariant(values[index.column()]) : QVariant();
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < m_headers.size() ? QVariant(m_headers[section]) : QVariant();
    return section + 1;
}

} // namespace zaf::gui
