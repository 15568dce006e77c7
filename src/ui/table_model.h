#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <QVector>

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

    /// The fields shown and their headings (an empty heading shows the field name); without
    /// any, every field shows under its name. Takes effect at the next reload.
    void setColumns(const QStringList& fields, const QStringList& headings = {});
    /// Forgets what was read: call after the table was reopened or changed.
    void reload();

private:
    const QStringList& row(int n) const;
    void readBlock(int first) const;
    void seek(int recNo) const;

    store::Table& m_table;
    int m_rows = 0;
    QStringList m_fields;       ///< as asked for
    QStringList m_headings;     ///< as asked for
    QVector<int> m_columns;     ///< field index of each column shown
    QStringList m_headers;
    mutable QHash<int, QStringList> m_cache;
};

} // namespace zaf::gui
