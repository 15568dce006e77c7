#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <functional>
#include <memory>

namespace zaf::store {
class Table;
}

namespace zaf::gui {

/// An editable grid model over chosen fields of a table: one row per record in the table's
/// order and filter, plus a last row for a record being inserted. Typing into a cell puts
/// the table on that record, into edit, and sets the field; the record is posted when the
/// grid leaves its row (or whoever owns the table posts it), so the cells of one row are
/// edited together even when the row then moves in the key order. An error of that post (a
/// duplicate key, say) cancels the edit and goes to `onError`.
class EditableTableModel : public QAbstractTableModel {
public:
    EditableTableModel(store::Table& table, QStringList fields, QObject* parent = nullptr);
    ~EditableTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /// Reads the table afresh (after it changed through its own cursor or another one).
    void reload();
    /// Empties the grid and lets go of the table's file (while the grid is not shown, the
    /// store may be closed, backed up or restored).
    void release();
    /// The row of the table's current record; -1 when it has none.
    int currentRow();
    /// Moves the table to the record of that row. A record being edited in another row is
    /// posted first (an untouched new one is dropped); false when that post was refused.
    bool moveTableTo(int row);

    /// Posts the record the grid is editing (an untouched new one is dropped). When the post
    /// is refused the edit is cancelled and the error is thrown on to the caller.
    void commitPending();

    /// Where errors of the grid's own posts and field changes go.
    std::function<void(const QString& message)> onError;

private:
    bool isInsertRow(int row) const;
    const QStringList& stored(int row) const;
    /// commitPending for the grid's own moves: false (after `onError`) when refused.
    bool postPending();
    /// Cancels the table's new record and takes its row out of the grid.
    void dropInsertRow();

    store::Table& m_table;
    QStringList m_fields;
    std::unique_ptr<store::Table> m_cursor; ///< reads the rows without moving the table
    int m_rows = 0;              ///< stored records as of the last reload
    bool m_insertRow = false;    ///< the grid shows a last row for the table's new record
    int m_editRow = -1;          ///< the stored row whose record the grid put into edit
    mutable QHash<int, QStringList> m_cache;
};

} // namespace zaf::gui
