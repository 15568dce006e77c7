#include "ui/dive_selection_window.h"

#include "store/data_form.h"
#include "store/trip_dives.h"
#include "ui/slot_errors.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zaf::gui {

DiveSelectionWindow::DiveSelectionWindow(store::TData_Form& dataForm, QWidget* parent)
    : QDialog(parent), m_data(dataForm), m_choices(new QListWidget(this))
{
    setObjectName(QStringLiteral("DiveSelectionWindow"));
    setWindowTitle(tr("Dive Selection"));
    m_choices->setObjectName(QStringLiteral("DiveSelectionList"));
    m_choices->setSelectionMode(QAbstractItemView::ExtendedSelection);

    struct Button {
        const char* name;
        QString caption;
        void (DiveSelectionWindow::*action)();
    };
    const Button buttons[] = {
        {"AddSelectedDivesButton", tr("Add Dives"), &DiveSelectionWindow::addSelected},
        {"ClearAllDivesButton", tr("Clear All Dives"), &DiveSelectionWindow::clearAll},
        {"DoneButton", tr("Done"), &DiveSelectionWindow::finish},
    };
    auto* row = new QHBoxLayout;
    for (const Button& b : buttons) {
        auto* button = new QPushButton(b.caption, this);
        button->setObjectName(QLatin1String(b.name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, b.action);
        row->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_choices);
    layout->addLayout(row);
    resize(320, 360);
}

void DiveSelectionWindow::reload()
{
    m_choices->clear();
    try {
        m_choices->addItems(store::tripDiveChoices(m_data.DiveLog_Table));
    } catch (...) {
        reportCurrentException();
    }
}

void DiveSelectionWindow::addSelected()
{
    QStringList chosen;
    // In list order, not in the order the lines were clicked.
    for (int i = 0; i < m_choices->count(); ++i)
        if (m_choices->item(i)->isSelected())
            chosen.append(m_choices->item(i)->text());
    try {
        store::addTripDives(m_data.Travel_Table, m_data.DiveLog_Table, chosen);
    } catch (...) {
        reportCurrentException();
    }
    Q_EMIT tripChanged();
}

void DiveSelectionWindow::clearAll()
{
    try {
        store::clearTripDives(m_data.Travel_Table);
    } catch (...) {
        reportCurrentException();
    }
    Q_EMIT tripChanged();
}

void DiveSelectionWindow::finish()
{
    try {
        store::finishTripDives(m_data.Travel_Table);
    } catch (...) {
        reportCurrentException();
    }
    Q_EMIT tripChanged();
    hide();
}

} // namespace zaf::gui
