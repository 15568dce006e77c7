// The main window's pages: the record pages over the data module's tables, the start page,
// the toolbar's page buttons, and the window's view state, which the record rules use to
// reach the pages.
#include "ui/main_window.h"

#include "core/program_dir.h"
#include "core/ui.h"
#include "store/data_form.h"
#include "ui/application.h"
#include "ui/background_pictures.h"
#include "ui/clickable_label.h"
#include "ui/error_handler.h"
#include "ui/program_icon.h"
#include "ui/record_navigator.h"
#include "ui/record_page.h"
#include "store/errors.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <iterator>

namespace zaf::gui {
namespace {

/// The pages whose toolbar button, pressed again, shows or hides their table view.
bool hasTableViewToggle(Page page)
{
    switch (page) {
    case Page::DiveLog:
    case Page::Divers:
    case Page::DiveSites:
    case Page::DiveResources:
    case Page::TripReport:
    case Page::Equipment:
    case Page::OthersLogs:
        return true;
    default:
        return false;
    }
}

/// Background slot of each page; the pages without one take the Divers picture.
int backgroundSlotOf(Page page)
{
    switch (page) {
    case Page::DiveLog:
    case Page::OthersLogs:
        return DiveLogBackground;
    case Page::DiveSites:
        return DiveSiteBackground;
    case Page::DiveResources:
        return DiveResourcesBackground;
    case Page::TripReport:
        return TripReportBackground;
    case Page::Equipment:
        return EquipmentBackground;
    case Page::Pictures:
        return PicturesBackground;
    case Page::Search:
        return SearchBackground;
    case Page::Statistics:
        return StatisticsBackground;
    default:
        return DiversBackground;
    }
}

} // namespace

void TMain::buildStartPage()
{
    QWidget* sheet = m_pages->widget(int(Page::ZafMain));
    auto* picture = new ClickableLabel(sheet);
    picture->setObjectName(QStringLiteral("StartPicture"));
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(programIcon(160));
    picture->setCursor(Qt::PointingHandCursor);
    picture->setToolTip(QStringLiteral("Dive Log"));
    picture->clicked = [this] { showPage(Page::DiveLog); };
    auto* name = new QLabel(QStringLiteral("Zafaro"), sheet);
    name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    big.setBold(true);
    name->setFont(big);
    auto* hint = new QLabel(QStringLiteral("Click the flag to open your dive log."), sheet);
    hint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* column = static_cast<QVBoxLayout*>(sheet->layout());
    column->addStretch(2);
    column->addWidget(picture);
    column->addWidget(name);
    column->addWidget(hint);
    column->addStretch(3);
}

void TMain::wireRecordPage(RecordPage* page)
{
    RecordNavigator* navigator = page->navigator();
    if (!navigator)
        return;
    const Page which = page->page();
    auto before = navigator->beforeAction;
    navigator->beforeAction = [this, which, before](NavigatorButton button) {
        if (before)
            before(button);
        // Moving in the dive log first stores the entry being edited; a refusal is let go,
        // the move goes on from the entry as it stands.
        if (which == Page::DiveLog) {
            store::Table& log = m_data->DiveLog_Table;
            if (log.isOpen() && log.isEditing()) {
                try {
                    log.post();
                } catch (const store::DatabaseError&) {
                }
            }
        }
    };
}

// --- the toolbar

void TMain::toolBarPage(Page page)
{
    if (page == Page::MessageBoard && !networkFunctionsVisible()) {
        ui().message(QStringLiteral("You must connect to the internet for this feature to function."),
                     MessageKind::Information);
        return;
    }
    // Without network functions the Search button finds in the local tables instead.
    if (page == Page::Search && !networkFunctionsVisible())
        return;
    if (currentPage() == page && hasTableViewToggle(page)) {
        if (RecordPage* record = recordPage(page))
            record->toggleTableView();
        return;
    }
    showPage(page);
}

// --- pictures and colours

void TMain::loadBackgrounds()
{
    const QString directory = backgroundsDirectory();
    for (int slot = 1; slot < BackgroundSlotCount; ++slot) {
        const QString file = backgroundFile(directory, slot);
        m_backgrounds[slot] = file.isEmpty() ? QPixmap() : QPixmap(file);
    }
    m_leftPanel->setPixmap(m_backgrounds[LeftPanelBackground]);
    m_leftPanel->setVisible(!m_backgrounds[LeftPanelBackground].isNull());
    for (RecordPage* page : m_recordPages) {
        if (!page)
            continue;
        const QPixmap& own = m_backgrounds[backgroundSlotOf(page->page())];
        page->setBackground(own.isNull() ? m_backgrounds[DiversBackground] : own);
        page->setBarBackground(m_backgrounds[BottomBarBackground]);
    }
}

void TMain::setCaptionColour(const QColor& colour)
{
    for (RecordPage* page : m_recordPages)
        if (page)
            page->setCaptionColour(colour);
}

// --- view state

RecordPage* TMain::recordPage(Page page) const
{
    const int index = int(page);
    return index >= 0 && index < int(std::size(m_recordPages)) ? m_recordPages[index] : nullptr;
}

void TMain::setUnitCaptions(Page page, const UnitCaptions& captions)
{
    if (RecordPage* record = recordPage(page))
        record->setUnitCaptions(captions);
}

SurfaceIntervalBoxes TMain::surfaceIntervalBoxes(Page page) const
{
    RecordPage* record = recordPage(page);
    return record ? record->surfaceIntervalBoxes() : SurfaceIntervalBoxes{};
}

void TMain::setSurfaceIntervalBoxes(Page page, const SurfaceIntervalBoxes& boxes)
{
    if (RecordPage* record = recordPage(page))
        record->setSurfaceIntervalBoxes(boxes);
}

void TMain::setNavigatorButtons(Page page, unsigned buttons)
{
    if (RecordPage* record = recordPage(page))
        record->setNavigatorButtons(buttons);
}

void TMain::setControlShown(Page page, PageControl control, bool shown)
{
    if (RecordPage* record = recordPage(page))
        record->setControlShown(control, shown);
}

void TMain::setPageShaded(Page page, bool shaded)
{
    // An empty table shows no record of anybody's: its page keeps the normal face.
    if (RecordPage* record = recordPage(page))
        record->setShaded(shaded && record->table().isOpen() && !record->table().isEmpty());
}

bool TMain::showPicture(Page page, const QString& filePath)
{
    RecordPage* record = recordPage(page);
    return record && record->showPicture(filePath);
}

void TMain::setPictureAction(Page page, PictureAction action)
{
    if (RecordPage* record = recordPage(page))
        record->setPictureAction(action);
}

void TMain::resetPageScroll(Page page)
{
    if (RecordPage* record = recordPage(page))
        record->resetScroll();
}

} // namespace zaf::gui
