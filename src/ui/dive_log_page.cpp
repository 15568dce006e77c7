#include "ui/dive_log_page.h"

#include "calc/dive_time_rules.h"
#include "calc/gas_rules.h"
#include "calc/unit_commands.h"
#include "store/data_form.h"
#include "store/dive_site_into_dive.h"
#include "ui/bound_widgets.h"
#include "ui/dive_log_form.h"
#include "ui/linked_records.h"
#include "ui/memo_enlargement.h"
#include "ui/name_lookup.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace zaf::gui {

namespace {

const DiveLogFormNames kNames{QStringLiteral("DiveLog"), QString::fromLatin1(kDiveLogDiverNameField),
                              QStringLiteral("DiveLogSubPages"), QString(),
                              QStringLiteral("DiveLogCopyRecordButton")};

/// The links of the entry's fields: the diver and the buddies, the site and the dive shop.
QVector<RecordLink> diveLogLinks()
{
    QVector<RecordLink> links;
    for (const DiveFieldInfo& info : diveLogFields()) {
        if (info.kind != DiveFieldKind::Link)
            continue;
        const LinkedTable to = info.link == DiveLinkTo::Divers      ? LinkedTable::Divers
                               : info.link == DiveLinkTo::DiveSites ? LinkedTable::DiveSites
                                                                    : LinkedTable::DiveResources;
        links.append({info.field, to});
    }
    return links;
}

} // namespace

DiveLogPage::DiveLogPage(store::TData_Form& dataForm, QWidget* parent)
    : RecordPage(Page::DiveLog, dataForm.DiveLog_DataSource, QStringLiteral("DiveLogNavigator"), parent),
      m_data(dataForm),
      m_divers(std::make_unique<NameLookup>(dataForm.Divers_Table)),
      m_diveSites(std::make_unique<NameLookup>(dataForm.DiveSite_Table)),
      m_diveResources(std::make_unique<NameLookup>(dataForm.DiveResources_Table)),
      m_locations(std::make_unique<NameLookup>(dataForm.MenuItems_Table, QVariantList{QStringLiteral("Location")}))
{
    setObjectName(QStringLiteral("DiveLogPage"));
    const DiveLogLookups lookups{m_divers.get(), m_diveSites.get(), m_diveResources.get(), m_locations.get()};
    m_form = new DiveLogForm(*this, kNames, &lookups);
    addCaptions(m_form->captions());

    m_form->copyRecordButton()->hide();
    connect(m_form->copyRecordButton(), &QPushButton::clicked, this, &DiveLogPage::copyRecordRequested);
    for (UnitButton which : {UnitButton::Depth, UnitButton::Visibility, UnitButton::Altitude, UnitButton::Temperature,
                             UnitButton::Weight}) {
        connect(m_form->unitButton(which), &QPushButton::clicked, this,
                [this] { calc::convertDiveLogEntry(m_data); });
    }
    if (const auto captions = unitCaptions(QStringLiteral("0")))
        m_form->setUnitCaptions(*captions);

    installFieldRules();
    installIntervalBoxRules();
    installRecordLinks(*this, m_data, diveLogLinks());
    listsReloaded(dataForm);

    // The boxes show the entry's surface interval after every move and change of the entry.
    QPointer<DiveLogPage> self(this);
    auto previous = dataForm.DiveLog_DataSource.onDataChange;
    dataForm.DiveLog_DataSource.onDataChange = [self, previous](store::Field* changed) {
        if (previous)
            previous(changed);
        if (self)
            calc::showSurfaceInterval(Page::DiveLog, self->m_data.DiveLog_Table);
    };
}

DiveLogPage::~DiveLogPage() = default;

void DiveLogPage::ifEditable(void (*rule)(store::TData_Form&))
{
    // Another diver's entry is shown read-only: the rules that derive values leave it alone.
    if (m_data.DiveLog_DataSource.autoEdit)
        rule(m_data);
}

void DiveLogPage::installFieldRules()
{
    RecordBinder& b = binder();
    store::TData_Form& d = m_data;
    auto editing = [this](void (*rule)(store::TData_Form&)) { return [this, rule] { ifEditable(rule); }; };

    // Times
    b.onEnter(QStringLiteral("StartTime"), editing(calc::proposeStartTime));
    b.onKeyReleased(QStringLiteral("StartTime"), editing(calc::clearDayTime));
    b.onLeave(QStringLiteral("StartTime"), editing(calc::deriveDiveTimes));
    b.onLeave(QStringLiteral("EndTime"), editing([](store::TData_Form& form) {
                  form.Sync_log_time(1);
                  calc::updateNavigator(form);
              }));
    b.onLeave(QStringLiteral("BottomTime"), editing([](store::TData_Form& form) {
                  calc::computeGasConsumption(form);
                  form.Sync_log_time(2);
              }));
    for (const char* field : {"StartTime", "EndTime"}) {
        const QString name = QLatin1String(field);
        b.onDoubleClick(name, [this, name] {
            if (m_data.DiveLog_DataSource.autoEdit)
                calc::pickDateTime(m_data.DiveLog_Table, name);
        });
    }

    // Gas figures
    for (const char* field : {"AirPressureStart", "AirPressureEnd", "MaximumDepth"})
        b.onLeave(QLatin1String(field), editing(calc::computeGasConsumption));
    for (const char* field : {"PSIUsed", "SACRate"}) {
        b.onEnter(QLatin1String(field), editing(calc::resetPressureUsed));
        b.onLeave(QLatin1String(field), editing(calc::resetPressureUsed));
    }
    for (int tank = 1; tank <= 3; ++tank) {
        for (const char* part : {"SPSI", "EPSI", "T", "S", "P"})
            b.onLeave(QStringLiteral("T%1%2").arg(tank).arg(QLatin1String(part)), editing(calc::computeTanks));
    }
    for (const char* field : {"T1SPSI", "T1EPSI", "T1T"})
        b.onEnter(QLatin1String(field), editing(calc::prefillTank1));
    b.onLeave(QStringLiteral("T1O2"), editing(calc::computeOxygen));
    b.onLeave(QStringLiteral("Gas"), editing(calc::applyBreathingGas));
    b.onDoubleClick(QStringLiteral("SACRate"), [&d] { calc::showSacVolume(d); });
    auto* oxygen = qobject_cast<QLineEdit*>(m_form->field(QStringLiteral("O2pp")));
    b.onTextChanged(QStringLiteral("O2pp"), [oxygen] { DiveLogForm::showOxygenWarning(oxygen); });

    // The dive site brings its type, location and altitude along.
    b.onLeave(QStringLiteral("DiveSite"), editing(store::copyDiveSiteIntoDive));

    // The water conditions offered depend on how the diver got in.
    auto* conditions = static_cast<ListField*>(m_form->field(QStringLiteral("WaterConditions")));
    b.onLeave(QStringLiteral("EntryType"), [&d, conditions] {
        const QString entry = d.DiveLog_Table[QStringLiteral("EntryType")].asString();
        if (entry == QLatin1String("Shore Entry") || entry == QLatin1String("Boat Entry"))
            conditions->setItems(waterConditionsFor(entry));
    });

    // The comments memo fills the page on a double click, and goes back on the next or on leaving it.
    m_form->commentsEnlargement()->followDoubleClicks();
}

void DiveLogPage::installIntervalBoxRules()
{
    for (int i = 0; i < 3; ++i) {
        std::function<void()> entered;
        if (i == 0)
            entered = [this] { ifEditable(calc::deriveSurfaceInterval); };
        // Storing refills the boxes of another diver's entry from the record, so it always runs.
        onFocusChange(m_form->intervalBox(i), entered, [this] { calc::storeSurfaceInterval(m_data); });
    }
}

void DiveLogPage::showGasMixture()
{
    m_form->showGasMixture();
}

void DiveLogPage::setUnitCaptions(const UnitCaptions& captions)
{
    m_form->setUnitCaptions(captions);
}

void DiveLogPage::setControlShown(PageControl control, bool shown)
{
    switch (control) {
    case PageControl::CopyRecord:
        m_form->copyRecordButton()->setVisible(shown);
        break;
    case PageControl::AddPicture: // the picture strip has no buttons yet
    case PageControl::Graph:      // the profile graph comes with the dive computer downloads
        break;
    default:
        RecordPage::setControlShown(control, shown);
        break;
    }
}

SurfaceIntervalBoxes DiveLogPage::surfaceIntervalBoxes() const
{
    return m_form->surfaceIntervalBoxes();
}

void DiveLogPage::setSurfaceIntervalBoxes(const SurfaceIntervalBoxes& boxes)
{
    m_form->setSurfaceIntervalBoxes(boxes);
}

void DiveLogPage::listsReloaded(const store::TData_Form& dataForm)
{
    const store::DropDownLists& lists = dataForm.dropDownLists;
    static_cast<ListField*>(m_form->field(QStringLiteral("Location")))
        ->setItems(lists.entries(store::DropDownLists::Location));
    static_cast<ListField*>(m_form->field(QStringLiteral("Computer")))
        ->setItems(lists.entries(store::DropDownLists::DiveLogComputer));
}

void DiveLogPage::enterPage()
{
    store::Table& log = m_data.DiveLog_Table;
    if (!log.isOpen())
        return;
    if (log.onAfterScroll)
        log.onAfterScroll(log);
    if (log.isEmpty() && !log.isEditing())
        log.append();
}

} // namespace zaf::gui
