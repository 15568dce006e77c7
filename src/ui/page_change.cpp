// The page change rule of the main window: whatever shows another page (a tab, the page
// picker, a toolbar button, a command) saves and checks the pending edits, keeps the picture
// table on the current picture and prepares the page that now shows.
#include "ui/main_window.h"

#include "core/trace.h"
#include "core/ui.h"
#include "store/data_form.h"
#include "store/errors.h"
#include "ui/application.h"
#include "ui/error_handler.h"
#include "ui/page_icons.h"
#include "ui/record_page.h"

#include <QComboBox>
#include <QLabel>
#include <QTabWidget>

namespace zaf::gui {
namespace {

const QString kPressF1 = QStringLiteral("Press F1 for help");

bool blank(store::Table& table, const char* field)
{
    return table[QLatin1String(field)].asString().trimmed().isEmpty();
}

/// Posts a pending edit; false when the post failed with a database error.
bool tryPost(store::Table& table)
{
    if (!needsPost(table))
        return true;
    try {
        table.post();
        return true;
    } catch (const store::DatabaseError&) {
        return false;
    }
}

} // namespace

void TMain::PageControl1Change()
{
    if (m_inPageChange || !m_data)
        return;
    m_inPageChange = true;
    TraceScope trace(QStringLiteral("TMain.PageControl1Change"));
    const Page page = currentPage();

    // Typed text not yet written back, and the certification grid when it has the focus.
    for (RecordPage* record : m_recordPages)
        if (record)
            record->storePending();
    m_pagePicker->setCurrentIndex(int(page));

    store::TData_Form& d = *m_data;
    postPending({&d.Divers_Table, &d.DiveLog_Table, &d.DiveSite_Table, &d.DiveResources_Table, &d.Travel_Table});
    postEquipment();
    postPending({&d.DiveComputer_Table});
    postPictures();
    keepCurrentPicture(currentPage());
    preparePage(currentPage());
    ui().setStatus(kPressF1);
    m_inPageChange = false;
}

bool TMain::postEquipment()
{
    store::Table& equipment = m_data->Equipment_Table;
    if (tryPost(equipment))
        return true;
    // A piece of equipment is known by its type, make and model: without all three it
    // cannot be stored, and the diver is sent back to fill them in. Any other refusal of a
    // complete record is let go; the record stays in edit.
    if (blank(equipment, "Type") || blank(equipment, "Make") || blank(equipment, "Model")) {
        m_pages->setCurrentIndex(int(Page::Equipment));
        ui().message(QStringLiteral("Type, Make and Model must have values."), MessageKind::Warning);
    }
    return false;
}

bool TMain::postPictures()
{
    store::Table& pictures = m_data->Pictures_Table;
    if (tryPost(pictures))
        return true;
    if (blank(pictures, "Title")) {
        m_pages->setCurrentIndex(int(Page::Pictures));
        ui().message(QStringLiteral("Title must have a value."), MessageKind::Warning);
    }
    return false;
}

void TMain::keepCurrentPicture(Page page)
{
    store::Table& pictures = m_data->Pictures_Table;
    if (!pictures.isOpen() || pictures.isEditing())
        return;
    // The Pictures page lists pictures by title, every other page by file; whichever order
    // the table turns to, the picture that was current stays current.
    try {
        const bool byTitle = page == Page::Pictures;
        const QString key = byTitle ? QStringLiteral("Title") : QStringLiteral("FileName");
        const QString value = pictures[key].asString();
        pictures.clearFilter();
        pictures.setIndexName(byTitle ? QStringLiteral("Title_Index") : QString());
        if (!value.isEmpty())
            pictures.locate({key}, {value});
    } catch (const store::DatabaseError& e) {
        write_debug_message(QStringLiteral("TMain.PageControl1Change"), e.message());
    }
}

void TMain::preparePage(Page page)
{
    try {
        if (RecordPage* record = recordPage(page))
            record->enterPage();
        if (page == Page::DiveComputer)
            fillDiveComputerSelector();
    } catch (...) {
        if (m_errorHandler)
            handleCurrentException(*m_errorHandler);
    }
    if (m_pageIcon)
        m_pageIcon->setPixmap(pageIcon(page, 24));
}

} // namespace zaf::gui
