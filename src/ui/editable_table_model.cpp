#include "ui/editable_table_model.h"

#include "store/errors.h"
#include "store/table.h"

namespace zaf::gui {

EditableTableModel::EditableTableModel(store::Table& table, QStringList fields, QObject* parent)
    : QAbstractTableModel(parent), m_table(table), m_fields(std::move(fields)),
      m_cursor(std::make_unique<store::Table>(QStringLiteral("t_grid")))
{
    reload();
}

EditableTableModel::~EditableTableModel() = default;

void EditableTableModel::reload()
{
    beginResetModel();
    m_cache.clear();
    m_rows = 0;
    m_insertRow = false;
    m_editRow = -1;
    if (m_table.isOpen()) {
        try {
            if (!m_cursor->isOpen() || m_cursor->path() != m_table.path())
                store::openSecondCursor(*m_cursor, m_table);
            m_cursor->setIndexName(m_table.indexName());
            m_cursor->setFilter(m_table.filter());
            m_rows = m_cursor->recordCount();
            m_insertRow = m_table.state() == store::Table::State::Insert;
            if (m_table.state() == store::Table::State::Edit)
                m_editRow = m_table.recNo() - 1;
        } catch (const store::DatabaseError&) {
            m_rows = 0; // an unreadable table shows as an empty grid
        }
    }
    endResetModel();
}

void EditableTableModel::release()
{
    beginResetModel();
    m_cache.clear();
    m_rows = 0;
    m_insertRow = false;
    m_editRow = -1;
    m_cursor->close();
    endResetModel();
}

int EditableTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows + (m_insertRow ? 1 : 0);
}

int EditableTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_fields.size());
}

bool EditableTableModel::isInsertRow(int row) const
{
    return m_insertRow && row == m_rows;
}

const QStringList& EditableTableModel::stored(int row) const
{
    if (auto it = m_cache.constFind(row); it != m_cache.constEnd())
        return *it;
    QStringList values;
    try {
        if (m_cursor->isOpen()) {
            if (m_cursor->recNo() != row + 1)
                m_cursor->setRecNo(row + 1);
            if (m_cursor->recNo() == row + 1)
                for (const QString& name : m_fields)
                    values.append(m_cursor->field(name).asString());
        }
    } catch (const store::DatabaseError&) {
        // Left empty: the grid shows a blank row rather than failing the paint.
    }
    return *m_cache.insert(row, values);
}

QVariant EditableTableModel::data(const QModelIndex& index, int role) const
{
    if ((role != Qt::DisplayRole && role != Qt::EditRole) || !index.isValid() || !m_table.isOpen())
        return {};
    const int row = index.row();
    const QString& name = m_fields[index.column()];
    // The record being edited shows what was typed, not what is stored yet.
    if (isInsertRow(row))
        return m_table.state() == store::Table::State::Insert ? QVariant(m_table.field(name).asString()) : QVariant();
    if (row == m_editRow && m_table.state() == store::Table::State::Edit)
        return m_table.field(name).asString();
    if (row >= m_rows)
        return {};
    const QStringList& values = stored(row);
    return index.column() < values.size() ? QVariant(values[index.column()]) : QVariant();
}

Qt::ItemFlags EditableTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant EditableTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < m_fields.size() ? QVariant(m_fields[section]) : QVariant();
    return section + 1;
}

bool EditableTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount() || !m_table.isOpen())
        return false;
    const int row = index.row();
    const QString& name = m_fields[index.column()];
    const QString text = value.toString();
    if (!moveTableTo(row))
        return false;
    try {
        if (isInsertRow(row)) {
            // The new record was dropped elsewhere meanwhile: there is nothing to write into.
            if (m_table.state() != store::Table::State::Insert)
                return false;
        } else if (!m_table.isEditing()) {
            if (m_table.field(name).asString() == text)
                return true;
            m_table.edit();
            m_editRow = row;
        }
        m_table.field(name).setAsString(text);
    } catch (const store::DatabaseError& e) {
        // A value the field cannot hold: the cell keeps what it showed.
        if (onError)
            onError(e.message());
        return false;
    }
    Q_EMIT dataChanged(index, index);
    return true;
}

int EditableTableModel::currentRow()
{
    if (!m_table.isOpen())
        return -1;
    if (m_table.state() == store::Table::State::Insert)
        return m_insertRow ? m_rows : -1;
    const int recNo = m_table.recNo();
    return recNo > 0 ? recNo - 1 : -1;
}

bool EditableTableModel::moveTableTo(int row)
{
    if (!m_table.isOpen())
        return false;
    const bool onEditedRow = isInsertRow(row) || (row == m_editRow && m_table.state() == store::Table::State::Edit);
    // Leaving a record stores it, as every grid of the program does; an untouched new
    // record is dropped, and with it the grid's last row.
    if (m_table.isEditing() && !onEditedRow && !postPending())
        return false;
    if (isInsertRow(row) || m_table.isEditing())
        return true;
    try {
        if (m_table.recNo() != row + 1)
            m_table.setRecNo(row + 1);
    } catch (const store::DatabaseError& e) {
        if (onError)
            onError(e.message());
        return false;
    }
    return true;
}

void EditableTableModel::commitPending()
{
    if (!m_table.isOpen() || !m_table.isEditing())
        return;
    const bool inserting = m_table.state() == store::Table::State::Insert;
    if (inserting && !m_table.modified()) {
        dropInsertRow();
        return;
    }
    try {
        if (m_table.modified())
            m_table.post();
        else
            m_table.cancel();
    } catch (const store::DatabaseError&) {
        try {
            if (inserting && m_table.isEditing())
                dropInsertRow();
            else if (m_table.isEditing())
                m_table.cancel();
        } catch (const store::DatabaseError&) {
            // The first error is the one the diver needs to see.
        }
        m_editRow = -1;
        m_cache.clear();
        if (rowCount() > 0)
            Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        throw;
    }
    if (inserting && m_insertRow) {
        // The new record is stored now: the same number of rows, one more of them stored.
        m_insertRow = false;
        ++m_rows;
    }
    m_editRow = -1;
    // The record may have moved in the key order, so any row can read differently now.
    m_cache.clear();
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

bool EditableTableModel::postPending()
{
    try {
        commitPending();
    } catch (const store::DatabaseError& e) {
        if (onError)
            onError(e.message());
        return false;
    }
    return true;
}

void EditableTableModel::dropInsertRow()
{
    if (!m_insertRow) {
        m_table.cancel();
        return;
    }
    beginRemoveRows({}, m_rows, m_rows);
    m_insertRow = false;
    try {
        m_table.cancel();
    } catch (...) {
        endRemoveRows();
        throw;
    }
    endRemoveRows();
}

} // namespace zaf::gui
