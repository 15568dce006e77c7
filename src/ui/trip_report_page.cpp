#include "ui/trip_report_page.h"

#include "calc/dive_time_rules.h"
#include "core/ui.h"
#include "store/data_form.h"
#include "store/drop_down_lists.h"
#include "store/record_owner.h"
#include "store/trip_dives.h"
#include "ui/bound_widgets.h"
#include "ui/dive_selection_window.h"
#include "ui/linked_records.h"
#include "ui/memo_enlargement.h"
#include "ui/name_lookup.h"
#include "ui/slot_errors.h"
#include "ui/page_pieces.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zaf::gui {

namespace {

const QString kPrefix = QStringLiteral("Trip");

QString field(const char* name)
{
    return QString::fromLatin1(name);
}

/// The cost fields whose sum is the trip's total.
constexpr const char* kCosts[] = {"RoomRate", "AirFare", "DiveCost", "MealCost", "MiscCost"};

} // namespace

TripReportPage::TripReportPage(store::TData_Form& dataForm, QWidget* parent)
    : RecordPage(Page::TripReport, dataForm.Travel_DataSource, QStringLiteral("TravelNavigator"), parent)
    , m_data(dataForm)
    , m_locations(std::make_unique<NameLookup>(dataForm.MenuItems_Table, QVariantList{store::DropDownLists::Location}))
    , m_companies(std::make_unique<NameLookup>(dataForm.DiveResources_Table))
{
    setObjectName(QStringLiteral("TripReportPage"));
    // One grid lines up the fields, the report beside the sub-pages, and the owner row.
    FieldForm fields(form(), binder(), kPrefix);
    fields.text(field("TripNumber"), tr("Trip Number"), 0, 0);
    m_location = fields.link(field("Location"), tr("Location"), m_locations.get(), false, 0, 1, 3,
                             QStringLiteral("TripLocation_Edit"));
    writeChoiceIntoRecord(m_location, binder(), field("Location"));
    fields.list(field("TripRating"), tr("Trip Rating"), ratingItems(), 0, 4);
    fields.text(field("StartDate"), tr("Start Date"), 1, 0);
    fields.text(field("EndDate"), tr("End Date"), 1, 1);
    for (const char* date : {"StartDate", "EndDate"})
        binder().onDoubleClick(field(date), [this, date] {
            if (binder().editable())
                calc::pickDateTime(table(), field(date));
        });
    fields.link(field("TravelAgent"), tr("Travel Agent"), m_companies.get(), true, 1, 2, 3);
    fields.link(field("DiveShop"), tr("Dive Shop"), m_companies.get(), true, 2, 0, 2);
    fields.link(field("Lodging"), tr("Lodging"), m_companies.get(), true, 2, 2, 3);
    installRecordLinks(*this, m_data,
                       {{field("TravelAgent"), LinkedTable::DiveResources},
                        {field("DiveShop"), LinkedTable::DiveResources},
                        {field("Lodging"), LinkedTable::DiveResources}});
    const char* const costCaptions[] = {"Room Rate", "Air Fare", "Dive Cost", "Meal Cost", "Misc. Cost"};
    for (int i = 0; i < 5; ++i) {
        fields.text(field(kCosts[i]), tr(costCaptions[i]), 3, i);
        binder().onLeave(field(kCosts[i]), [this] { updateTotalCost(); });
    }
    fields.text(field("TotalCost"), tr("Total Cost"), 4, 0);
    binder().onEnter(field("TotalCost"), [this] { updateTotalCost(); });
    m_currency = fields.text(field("Currency"), tr("Currency"), 4, 1);
    fields.text(field("NumberofDives"), tr("Number of Dives"), 4, 2);

    MemoField* report = fields.memo(field("TripReport"), tr("Trip Report"), 5, 0, 1, 2);
    // A long report reads better at full size: a double click lets it fill the page.
    (new MemoEnlargement(report, form()))->followDoubleClicks();
    m_tabs = new QTabWidget(form());
    m_tabs->setObjectName(QStringLiteral("TripSubPages"));
    fields.grid()->addWidget(m_tabs, 5, 2, 1, 3);

    auto* divesPanel = new QWidget(m_tabs);
    auto* divesLayout = new QVBoxLayout(divesPanel);
    divesLayout->setContentsMargins(4, 4, 4, 4);
    m_dives = new QListWidget(divesPanel);
    m_dives->setObjectName(QStringLiteral("TripDivesList"));
    m_dives->installEventFilter(this);
    // A line of the list stands for one of the diver's own dives: a double click shows it.
    connect(m_dives, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        runReported([&] { showOwnDive(m_data, store::diveNumberOfChoice(item->text())); });
    });
    divesLayout->addWidget(m_dives);
    auto* buttons = new QHBoxLayout;
    m_addDives = new QPushButton(tr("Add Dives"), divesPanel);
    m_addDives->setObjectName(QStringLiteral("AddDivesButton"));
    m_clearDives = new QPushButton(tr("Clear Dives"), divesPanel);
    m_clearDives->setObjectName(QStringLiteral("ClearDivesButton"));
    buttons->addWidget(m_addDives);
    buttons->addWidget(m_clearDives);
    buttons->addStretch();
    divesLayout->addLayout(buttons);
    connect(m_addDives, &QPushButton::clicked, this, &TripReportPage::openDiveSelection);
    connect(m_clearDives, &QPushButton::clicked, this, &TripReportPage::clearDives);
    m_tabs->addTab(divesPanel, tr("Dives"));
    // The list follows the trip's memo through a hidden view of it.
    auto* memo = new QLineEdit(divesPanel);
    memo->hide();
    binder().bind(memo, field("Dives"), true);
    binder().onTextChanged(field("Dives"), [this] { showDives(); });

    m_picture = new PictureFrame(m_tabs);
    m_picture->setObjectName(QStringLiteral("TripPicture"));
    m_tabs->addTab(m_picture, tr("Pictures"));

    addOwnerRow(fields, 6);
    fields.grid()->setRowStretch(5, 1);
    addCaptions(fields.captions());

    listsReloaded(dataForm);
}

TripReportPage::~TripReportPage() = default;

void TripReportPage::setControlShown(PageControl control, bool shown)
{
    switch (control) {
    case PageControl::AddDives:
        m_addDives->setVisible(shown);
        break;
    case PageControl::ClearDives:
        m_clearDives->setVisible(shown);
        break;
    case PageControl::Currency:
        m_currency->setVisible(shown);
        if (auto* caption = form()->findChild<QLabel*>(m_currency->objectName() + QStringLiteral("_Caption")))
            caption->setVisible(shown);
        break;
    default:
        RecordPage::setControlShown(control, shown);
        break;
    }
}

bool TripReportPage::showPicture(const QString& filePath)
{
    return m_picture->load(filePath);
}

void TripReportPage::listsReloaded(const store::TData_Form& lists)
{
    m_location->setItems(lists.dropDownLists.entries(store::DropDownLists::Location));
}

void TripReportPage::enterPage()
{
    store::Table& trip = table();
    startRecordOnEmptyTable(trip);
    if (trip.isOpen() && trip.onAfterScroll)
        trip.onAfterScroll(trip);
    showDives();
}

void TripReportPage::showDives()
{
    m_dives->clear();
    store::Table& trip = table();
    if (trip.isOpen())
        m_dives->addItems(store::tripDiveLines(trip));
}

void TripReportPage::updateTotalCost()
{
    // Another diver's trip is shown as it was sent, total included.
    if (binder().editable() && table().isOpen())
        store::updateTripTotalCost(table());
}

void TripReportPage::openDiveSelection()
{
    if (!table().isOpen() || !store::isOwnRecord(table()))
        return;
    binder().flush();
    if (!m_selection) {
        m_selection = new DiveSelectionWindow(m_data, this);
        m_selection->setWindowFlag(Qt::Window);
        connect(m_selection, &DiveSelectionWindow::tripChanged, this, &TripReportPage::showDives);
    }
    m_selection->reload();
    m_selection->setModal(true);
    m_selection->show();
}

void TripReportPage::clearDives()
{
    const QString question = QStringLiteral(
        "This will clear the dives from this trip report, your actual logs will not be affected.  Are you sure?");
    if (ui().askYesNo(question) != Answer::Yes)
        return;
    try {
        store::clearTripDives(table());
    } catch (...) {
        reportCurrentException();
    }
    showDives();
}

void TripReportPage::removeSelectedDive()
{
    const int row = m_dives->currentRow();
    if (row < 0 || !table().isOpen() || !store::isOwnRecord(table()))
        return;
    try {
        store::removeTripDive(table(), row);
    } catch (...) {
        reportCurrentException();
    }
    showDives();
}

bool TripReportPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_dives && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Insert) {
            openDiveSelection();
            return true;
        }
        if (key == Qt::Key_Delete) {
            removeSelectedDive();
            return true;
        }
    }
    return RecordPage::eventFilter(watched, event);
}

} // namespace zaf::gui
