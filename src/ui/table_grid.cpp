#include "ui/table_grid.h"

#include "store/errors.h"
#include "store/table.h"
#include "ui/table_model.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QMouseEvent>

namespace zaf::gui {

TableGrid::TableGrid(store::Table& table, QVector<Column> columns, QWidget* parent)
    : QTableView(parent), m_table(table),
      m_cursor(std::make_unique<store::Table>(table.objectName() + QStringLiteral("_Grid"))),
      m_columns(std::move(columns))
{
    m_model = new TableModel(*m_cursor, this);
    QStringList fields, captions;
    for (const Column& c : m_columns) {
        fields.append(c.field);
        captions.append(c.caption);
    }
    m_model->setColumns(fields, captions);
    setModel(m_model);

    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // Fixed row heights: measuring rows to their contents would read every record.
    QHeaderView* rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 8);
    rows->setMinimumSectionSize(fontMetrics().height() + 4);
    rows->hide();
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(true);
}

TableGrid::~TableGrid() = default;

void TableGrid::reload()
{
    try {
        if (!m_table.isOpen()) {
            m_cursor->close();
        } else {
            if (!m_cursor->isOpen() || m_cursor->path() != m_table.path())
                store::openSecondCursor(*m_cursor, m_table);
            // The grid shows values as the page does, in the page's order and filter.
            for (int i = 0; i < m_table.fieldCount() && i < m_cursor->fieldCount(); ++i)
                m_cursor->field(i).setDisplayFormat(m_table.field(i).displayFormat());
            m_cursor->setIndexName(m_table.indexName());
            m_cursor->setFilter(m_table.filter());
        }
    } catch (const store::DatabaseError&) {
        m_cursor->close(); // shown as an empty grid; the page itself reports what is wrong
    }
    m_model->reload();
    for (int i = 0; i < m_columns.size() && i < m_model->columnCount(); ++i)
        if (m_columns[i].width > 0)
            setColumnWidth(i, m_columns[i].width);

    int current = -1;
    try {
        if (m_table.isOpen() && m_table.state() != store::Table::State::Insert)
            current = m_table.recNo();
    } catch (const store::DatabaseError&) {
        current = -1;
    }
    if (current > 0 && current <= m_model->rowCount()) {
        const QModelIndex index = m_model->index(current - 1, 0);
        setCurrentIndex(index);
        scrollTo(index, QAbstractItemView::PositionAtCenter);
    } else {
        clearSelection();
    }
}

int TableGrid::selectedRecNo() const
{
    const QModelIndexList rows = selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    return rows.isEmpty() ? 0 : rows.first().row() + 1;
}

void TableGrid::moveTableToSelection()
{
    const int recNo = selectedRecNo();
    if (recNo <= 0 || !m_table.isOpen())
        return;
    if (m_table.state() != store::Table::State::Insert && m_table.recNo() == recNo)
        return; // already there: a pending edit of that record stays open
    m_table.setRecNo(recNo);
}

void TableGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid())
        return;
    selectRow(index.row());
    Q_EMIT rowDoubleClicked(index.row() + 1);
}

void TableGrid::focusOutEvent(QFocusEvent* event)
{
    QTableView::focusOutEvent(event);
    // Another window or a menu taking over is no leaving of the grid.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        Q_EMIT left();
}

} // namespace zaf::gui
