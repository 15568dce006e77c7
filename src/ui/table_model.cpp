#include "ui/table_model.h"

#include "store/errors.h"
#include "store/table.h"

namespace zaf::gui {
namespace {
// The rows a few screens of a grid show; beyond that the cache starts again, which keeps
// memory flat however far the user scrolls.
constexpr int kCacheLimit = 2000;
// Rows are read in runs of this many: a view asks for one screen at a time, and reading on
// from where the cursor stands costs one short step per row.
constexpr int kBlock = 64;
// How far the cursor walks step by step before a jump by position is cheaper. A jump counts
// its way through the order, so near the end of a long table walking back from the last
// record wins.
constexpr int kWalkLimit = 4 * kBlock;
} // namespace

TableModel::TableModel(store::Table& table, QObject* parent) : QAbstractTableModel(parent), m_table(table)
{
    reload();
}

void TableModel::setColumns(const QStringList& fields, const QStringList& headings)
{
    m_fields = fields;
    m_headings = headings;
}

void TableModel::reload()
{
    beginResetModel();
    m_cache.clear();
    m_headers.clear();
    m_columns.clear();
    m_rows = 0;
    if (m_table.isOpen()) {
        try {
            m_rows = m_table.recordCount();
            if (m_fields.isEmpty()) {
                for (int i = 0; i < m_table.fieldCount(); ++i) {
                    m_columns.append(i);
                    m_headers.append(m_table.field(i).name());
                }
            } else {
                for (int i = 0; i < m_fields.size(); ++i) {
                    const store::Field* f = m_table.findField(m_fields[i]);
                    if (!f)
                        continue; // a column of a field the table lacks is left out
                    m_columns.append(f->index());
                    const QString heading = m_headings.value(i);
                    m_headers.append(heading.isEmpty() ? f->name() : heading);
                }
            }
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
    return parent.isValid() ? 0 : int(m_columns.size());
}

void TableModel::seek(int recNo) const
{
    const int current = m_table.recNo();
    const int distance = recNo - current;
    if (current > 0 && std::abs(distance) <= kWalkLimit) {
        if (distance != 0)
            m_table.moveBy(distance);
    } else if (m_rows - recNo <= kWalkLimit) {
        m_table.last();
        if (recNo < m_rows)
            m_table.moveBy(recNo - m_rows);
    } else if (recNo <= kWalkLimit) {
        m_table.first();
        if (recNo > 1)
            m_table.moveBy(recNo - 1);
    } else {
        m_table.setRecNo(recNo);
    }
}

void TableModel::readBlock(int first) const
{
    const int end = std::min(first + kBlock, m_rows);
    try {
        seek(first + 1);
        for (int r = first; r < end; ++r) {
            if (m_table.recNo() != r + 1)
                break; // the table changed under the grid: the rest stays blank until a reload
            QStringList values;
            values.reserve(m_columns.size());
            for (int column : m_columns)
                values.append(m_table.field(column).displayText());
            m_cache.insert(r, values);
            if (r + 1 < end) {
                m_table.next();
                if (m_table.eof())
                    break;
            }
        }
    } catch (const store::DatabaseError&) {
        // Left empty: the grid shows blank rows rather than failing the paint.
    }
}

const QStringList& TableModel::row(int n) const
{
    if (auto it = m_cache.constFind(n); it != m_cache.constEnd())
        return *it;
    if (m_cache.size() >= kCacheLimit)
        m_cache.clear();
    readBlock(n - n % kBlock);
    auto it = m_cache.constFind(n);
    if (it == m_cache.constEnd())
        it = m_cache.insert(n, QStringList());
    return *it;
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
