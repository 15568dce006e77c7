#include "ui/menu_editor.h"

#include "core/ui.h"
#include "store/data_form.h"
#include "store/errors.h"
#include "store/menu_items.h"
#include "ui/application.h"
#include "ui/editable_table_model.h"
#include "ui/error_handler.h"
#include "ui/record_navigator.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace zaf::gui {
namespace {

struct Column {
    const char* field;
    int width;
};
const Column kColumns[] = {{"Menu", 161}, {"Item", 210}};

constexpr int kGridHeight = 320;

} // namespace

TMenu_Editor::TMenu_Editor(store::TData_Form& dataForm, QWidget* parent)
    : QWidget(parent, Qt::Window), m_data(dataForm)
{
    setObjectName(QStringLiteral("Menu_Editor"));
    setWindowTitle(QStringLiteral("ZAF Drop Down List Editor"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    QStringList fields;
    for (const Column& c : kColumns)
        fields.append(QString::fromLatin1(c.field));
    m_model = new EditableTableModel(dataForm.MenuItems_Table, fields, this);
    m_model->onError = [this](const QString& message) { report(message); };

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("MenuItemsGrid"));
    m_grid->setModel(m_model);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    int width = 2 * m_grid->frameWidth() + m_grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_grid);
    for (int i = 0; i < int(std::size(kColumns)); ++i) {
        m_grid->setColumnWidth(i, kColumns[i].width);
        width += kColumns[i].width;
    }
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grid->setFixedSize(width, kGridHeight);
    // The table follows the row the diver moves to, so the navigator acts on that entry.
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (m_syncing || !current.isValid())
                    return;
                // A refused post leaves the table on the record it was on: the grid follows it
                // once this change of row is over.
                if (!m_model->moveTableTo(current.row()))
                    QTimer::singleShot(0, this, [this] { reload(); });
            });

    m_navigator = new RecordNavigator(dataForm.MenuItems_Table, QStringLiteral("MenuItemsNavigator"), this);
    m_navigator->setVisibleButtons(NavFirst | NavPrior | NavNext | NavLast | NavInsert | NavDelete);
    // The navigator's moves would post the grid's record themselves; done here, a refused
    // post also takes the grid's edit back before the navigator reports it.
    m_navigator->beforeAction = [this](NavigatorButton) {
        try {
            m_model->commitPending();
        } catch (...) {
            QTimer::singleShot(0, this, [this] { reload(); });
            throw;
        }
    };
    m_navigator->afterAction = [this](NavigatorButton) { reload(); };

    auto* doneButton = new QPushButton(QStringLiteral("Done"), this);
    doneButton->setObjectName(QStringLiteral("DoneButton"));
    connect(doneButton, &QPushButton::clicked, this, [this] { done(); });

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_navigator);
    bottom->addStretch(1);
    bottom->addWidget(doneButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TMenu_Editor::~TMenu_Editor() = default;

TMenu_Editor& TMenu_Editor::open(std::unique_ptr<TMenu_Editor>& slot, store::TData_Form& dataForm, QWidget* parent)
{
    if (!slot) {
        ui().setStatus(QStringLiteral("Creating Menu Editor screen.  Please wait..."));
        slot = std::make_unique<TMenu_Editor>(dataForm, parent);
        ui().setStatus(QString());
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
    return *slot;
}

void TMenu_Editor::done()
{
    // A refused entry is taken back and reported; the window stays open to show the lists.
    try {
        m_model->commitPending();
    } catch (const store::DatabaseError& e) {
        report(e.message());
        reload();
        return;
    }
    store::read_menuitems(m_data);
    close();
}

void TMenu_Editor::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (const QScreen* s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
    reload();
}

void TMenu_Editor::hideEvent(QHideEvent* event)
{
    m_model->release();
    QWidget::hideEvent(event);
}

void TMenu_Editor::reload()
{
    // A refused edit or a dropped entry may report back after the window was closed.
    if (!isVisible())
        return;
    const int column = qMax(0, m_grid->currentIndex().column());
    m_syncing = true;
    m_model->reload();
    const int row = m_model->currentRow();
    if (row >= 0)
        m_grid->setCurrentIndex(m_model->index(row, column));
    m_syncing = false;
}

void TMenu_Editor::report(const QString& message)
{
    if (m_handler) {
        m_handler->handle(message);
    } else if (auto* app = dynamic_cast<ZafApplication*>(QCoreApplication::instance())) {
        app->errorHandler().handle(message);
    } else {
        ui().message(message, MessageKind::Error);
    }
}

} // namespace zaf::gui
