// The record pages of the main window and the commands and view state that need a
// particular page.
#include "ui/main_window.h"

#include "core/ui.h"
#include "store/copy_dive_record.h"
#include "store/data_form.h"
#include "ui/application.h"
#include "ui/date_time_picker.h"
#include "ui/dive_log_form.h"
#include "ui/dive_log_page.h"
#include "ui/dive_resources_page.h"
#include "ui/dive_site_page.h"
#include "ui/divers_page.h"
#include "ui/equipment_page.h"
#include "ui/error_handler.h"
#include "ui/menu_editor.h"
#include "ui/others_log_page.h"
#include "ui/trip_report_page.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace zaf::gui {
namespace {

void addToForm(RecordPage* page, QWidget* widget)
{
    QWidget* form = page->form();
    auto* layout = qobject_cast<QBoxLayout*>(form->layout());
    if (!layout) {
        layout = new QVBoxLayout(form);
        layout->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    }
    widget->setParent(form);
    layout->addWidget(widget);
}

/// The buttons a page's navigator offers until the record rules choose: downloaded records
/// are not typed in, and the others' log is only read.
unsigned navigatorButtonsOf(Page page)
{
    const unsigned moves = NavFirst | NavPrior | NavNext | NavLast;
    switch (page) {
    case Page::DiveComputer:
        return moves | NavDelete;
    case Page::OthersLogs:
        return moves;
    default:
        return moves | NavInsert | NavDelete;
    }
}

} // namespace

void TMain::releaseRecordPages()
{
    // The pages and windows over the store's tables go before the store does: a widget that
    // is destroyed may still write back what was typed into it.
    m_menuEditor.reset();
    // The window's own controls that sit on tool pages stay with the window.
    for (QWidget* own : {static_cast<QWidget*>(m_diveComputer), static_cast<QWidget*>(m_screenSaverButton)}) {
        own->hide();
        own->setParent(this);
    }
    for (RecordPage*& page : m_recordPages) {
        delete page;
        page = nullptr;
    }
    m_diveLogPage = nullptr;
    m_othersLogPage = nullptr;
    m_diversPage = nullptr;
}

void TMain::buildRecordPages()
{
    store::TData_Form& d = *m_data;
    auto place = [this](RecordPage* page) {
        m_recordPages[int(page->page())] = page;
        page->setNavigatorButtons(navigatorButtonsOf(page->page()));
        m_pages->widget(int(page->page()))->layout()->addWidget(page);
        wireRecordPage(page);
    };
    m_diveLogPage = new DiveLogPage(d, this);
    m_othersLogPage = new OthersLogPage(d, this);
    m_diversPage = new DiversPage(d, this);
    place(m_diveLogPage);
    place(m_diversPage);
    place(new DiveSitePage(d, this));
    place(new DiveResourcesPage(d, this));
    place(new TripReportPage(d, this));
    place(new EquipmentPage(d, this));
    place(m_othersLogPage);

    // The tool pages with a table get their frame and navigator here; what they show comes
    // with the work they belong to.
    auto* computer = new RecordPage(Page::DiveComputer, d.DiveComputer_DataSource, QStringLiteral("DiveComputerNavigator"), this);
    computer->setObjectName(QStringLiteral("DiveComputerPage"));
    auto* computerRow = new QWidget;
    auto* row = new QHBoxLayout(computerRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(QStringLiteral("Computer"), computerRow));
    row->addWidget(m_diveComputer);
    m_diveComputer->setVisible(true);
    row->addStretch(1);
    addToForm(computer, computerRow);
    place(computer);

    auto* pictures = new RecordPage(Page::Pictures, d.Pictures_DataSource, QStringLiteral("PicturesNavigator"), this);
    pictures->setObjectName(QStringLiteral("PicturesPage"));
    addToForm(pictures, m_screenSaverButton);
    place(pictures);

    connect(m_diveLogPage, &DiveLogPage::copyRecordRequested, this, [this] { Button20Click(true); });
    connect(m_othersLogPage, &OthersLogPage::copyRecordRequested, this, [this] { Button20Click(false); });

    auto previous = d.dropDownLists.onReloaded;
    d.dropDownLists.onReloaded = [this, previous] {
        if (previous)
            previous();
        for (RecordPage* page : m_recordPages)
            if (page)
                page->listsReloaded(*m_data);
    };
    loadBackgrounds();
}

QString TMain::depthUnitCaption() const
{
    // Asked by the oxygen rule every time a field is left: the button is at hand, not searched.
    QPushButton* button = m_diveLogPage ? m_diveLogPage->diveForm().unitButton(UnitButton::Depth) : nullptr;
    return button ? button->text() : ViewState::depthUnitCaption();
}

QString TMain::diverDepthUnitCaption() const
{
    return m_diversPage ? m_diversPage->depthUnitCaption() : ViewState::diverDepthUnitCaption();
}

void TMain::setDiverUnitCaptions(const QString& depth, const QString& weight)
{
    if (m_diversPage)
        m_diversPage->setDiverUnitCaptions(depth, weight);
}

void TMain::showGasMixturePage()
{
    if (m_diveLogPage)
        m_diveLogPage->showGasMixture();
}

std::optional<double> TMain::pickDateTime(double current)
{
    if (!m_picker)
        m_picker = new DateTimePicker(this);
    return m_picker->pick(current, QCursor::pos());
}

void TMain::refreshCertifications()
{
    if (m_diversPage)
        m_diversPage->refreshCertifications();
}

// --- Copy Record

void TMain::Button20Click(bool fromDivePage)
{
    if (!m_data)
        return;
    store::Table& source = fromDivePage ? m_data->DiveLog_Table : m_data->OthersLog_Table;
    try {
        store::copyDiveRecord(*m_data, source);
    } catch (...) {
        if (m_errorHandler)
            handleCurrentException(*m_errorHandler);
    }
}


void TMain::openDropDownListEditor()
{
    if (m_data)
        TMenu_Editor::open(m_menuEditor, *m_data, this);
}

} // namespace zaf::gui
