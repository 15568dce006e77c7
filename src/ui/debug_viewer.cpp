#include "ui/debug_viewer.h"

#include "store/data_form.h"
#include "store/errors.h"
#include "store/schema.h"
#include "store/table_file.h"
#include "ui/help_keys.h"
#include "ui/help_topics.h"
#include "ui/table_model.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace zaf::gui {

TZAF_Debug_Form::TZAF_Debug_Form(store::TData_Form& dataForm, QWidget* parent)
    : QWidget(parent, Qt::Window), m_data(dataForm)
{
    setObjectName(QStringLiteral("ZAF_Debug_Form"));
    setWindowTitle(QStringLiteral("ZAF Debugger"));
    setHelpContext(this, help_topic::DebugMenu);
    resize(760, 420);

    m_model = new TableModel(m_data.ZAF_Debug_Table, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);

    auto* navigator = new QWidget(this);
    navigator->setObjectName(QStringLiteral("DBNavigator1"));
    auto* navLayout = new QHBoxLayout(navigator);
    navLayout->setContentsMargins(0, 0, 0, 0);
    struct Move {
        const char* name;
        const char* text;
        std::function<int()> target;
    };
    const Move moves[] = {
        {"First", "|<", [] { return 0; }},
        {"Prior", "<", [this] { return currentRow() - 1; }},
        {"Next", ">", [this] { return currentRow() + 1; }},
        {"Last", ">|", [this] { return m_model->rowCount() - 1; }},
    };
    for (const Move& m : moves) {
        auto* button = new QPushButton(QString::fromLatin1(m.text), navigator);
        button->setObjectName(QString::fromLatin1(m.name));
        button->setToolTip(QString::fromLatin1(m.name));
        button->setFixedWidth(40);
        connect(button, &QPushButton::clicked, this, [this, target = m.target] { moveTo(target()); });
        navLayout->addWidget(button);
    }
    auto* refreshButton = new QPushButton(QStringLiteral("Refresh"), navigator);
    refreshButton->setObjectName(QStringLiteral("Refresh"));
    connect(refreshButton, &QPushButton::clicked, this, &TZAF_Debug_Form::refresh);
    navLayout->addWidget(refreshButton);

    auto* purgeButton = new QPushButton(QStringLiteral("Purge Debug Data"), this);
    purgeButton->setObjectName(QStringLiteral("Button1"));
    connect(purgeButton, &QPushButton::clicked, this, &TZAF_Debug_Form::purge);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(navigator);
    bottom->addStretch(1);
    bottom->addWidget(purgeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);
}

void TZAF_Debug_Form::showEvent(QShowEvent* event)
{
    refresh();
    QWidget::showEvent(event);
}

void TZAF_Debug_Form::refresh()
{
    m_model->reload();
    // Time, line number and procedure get room for their usual length; the message takes
    // the rest of the width.
    const int widths[] = {150, 60, 260};
    for (int column = 0; column < 3 && column < m_model->columnCount(); ++column)
        m_grid->setColumnWidth(column, widths[column]);
}

void TZAF_Debug_Form::purge()
{
    store::Table& trace = m_data.ZAF_Debug_Table;
    try {
        trace.close();
        store::table_file::remove(trace.path());
    } catch (const store::DatabaseError&) {
    }
    try {
        store::table_file::create(trace.path(), store::schema::zafDebug());
        trace.open();
    } catch (const store::DatabaseError&) {
    }
    refresh();
}

int TZAF_Debug_Form::currentRow() const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? current.row() : 0;
}

void TZAF_Debug_Form::moveTo(int row)
{
    const int rows = m_model->rowCount();
    if (rows == 0)
        return;
    row = std::clamp(row, 0, rows - 1);
    m_grid->setCurrentIndex(m_model->index(row, 0));
    m_grid->scrollTo(m_model->index(row, 0));
}

} // namespace zaf::gui
