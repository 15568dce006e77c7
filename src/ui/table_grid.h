#pragma once

#include <QStringList>
#include <QTableView>
#include <QVector>
#include <memory>

namespace zaf::store {
class Table;
}

namespace zaf::gui {

class TableModel;

/// A read-only grid over a table, for the table view of a record page and the small lists
/// of the pages. It reads through a cursor of its own in the order and filter of the table
/// it shows, row by row as they are painted, so 10,000 records open at once.
class TableGrid : public QTableView {
    Q_OBJECT
public:
    struct Column {
        QString field;
        QString caption; ///< empty: the field name
        int width = 0;   ///< pixels; 0 leaves the default
    };

    /// `columns` empty shows every field under its name.
    TableGrid(store::Table& table, QVector<Column> columns, QWidget* parent = nullptr);
    ~TableGrid() override;

    /// Reads the table afresh in its current order and filter, and selects its current record.
    void reload();
    /// 1-based position (in the shown table's order) of the selected row; 0 when none.
    int selectedRecNo() const;
    /// Moves the shown table to the selected row's record.
    void moveTableToSelection();

Q_SIGNALS:
    void rowDoubleClicked(int recNo);
    void left();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    store::Table& m_table;
    std::unique_ptr<store::Table> m_cursor;
    QVector<Column> m_columns;
    TableModel* m_model = nullptr;
};

} // namespace zaf::gui
