#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>

namespace zaf::store {
class Table;
}

namespace zaf::gui {

/// A read-only grid model over a table object: one row per record of its current order
/// and filter, one column per field, shown by the field's display text. Rows are read
/// through the cursor as the view asks for them, so a long table is never loaded at once.
class TableModel : public QAbstractTableModel {
public:
    explicit TableModel(store::Table& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /// Forgets what was read: call after the table was reopened or changed.
    void reload();

private:
    const QStringList& row(int n) const;

    store::Table& m_table;
    int m_rows = 0;
    int m_columns = 0;
    QStringList m_headers;
    mutable QHash<int, QStringList> m_cache;
};

} // namespace zaf::gui
