#include "store/other_table_rules.h"

#include "core/day_count.h"
#include "core/regional_settings.h"
#include "core/trace.h"
#include "store/data_form.h"
#include "store/errors.h"
#include "store/table_rules.h"

#include <vector>

namespace zaf::store {
namespace rules {

RuleTrace::RuleTrace(const QString& prefix, const Table& table, const char* event)
{
    if (prefix.isEmpty())
        return;
    m_procedure = prefix + table.objectName() + QStringLiteral("_Table") + QLatin1String(event);
    write_debug_message(m_procedure, QStringLiteral("enter"));
}

RuleTrace::~RuleTrace()
{
    if (m_procedure.isEmpty())
        return;
    try {
        write_debug_message(m_procedure, QStringLiteral("exit"));
    } catch (...) {
        // A failing trace write must not turn an unwinding into a termination.
    }
}

bool mayMoveFocus(Page page)
{
    return viewState().currentPage() == page && !viewState().bulkLoad();
}

} // namespace rules

namespace {

using rules::RuleTrace;
using rules::TableRules;

const QString kEvents = QStringLiteral("Tdata_form.");
const QString kData = QStringLiteral("TData_Form.");

/// Runs the rule after whatever another part of the program already attached to the event.
template <class... Args>
void chain(std::function<void(Args...)>& slot, std::function<void(Args...)> rule)
{
    if (!slot) {
        slot = std::move(rule);
        return;
    }
    slot = [before = std::move(slot), rule = std::move(rule)](Args... args) {
        before(args...);
        rule(args...);
    };
}

void markChanged(Table& table, Sharing sharing)
{
    table[QStringLiteral("CopyOnServer")].setAsBoolean(false);
    table[QStringLiteral("Shared")].setAsBoolean(sharingSwitch(sharing));
    table[QStringLiteral("LastModified")].setAsDateTime(nowDayCount());
}

void newRecord(TData_Form& data, const TableRules& r, Table& table)
{
    const RuleTrace trace(r.eventPrefix, table, "NewRecord");
    if (nobodyLoggedIn()) {
        table.cancel();
        return;
    }
    if (r.onlyWhilePageShows && viewState().currentPage() != r.page)
        return;
    if (r.newRecord) {
        r.newRecord(data, table);
        return;
    }
    if (r.stampsOwner)
        stampOwner(table);
    if (r.clearsCopyOnServer)
        table[QStringLiteral("CopyOnServer")].setAsBoolean(false);
    table[QStringLiteral("LastModified")].setAsDateTime(nowDayCount());
    table[QStringLiteral("Shared")].setAsBoolean(sharingSwitch(r.sharing));
    if (!r.focusControl.isEmpty() && rules::mayMoveFocus(r.page))
        viewState().requestFocus(r.focusControl);
}

void afterEdit(TData_Form& data, const TableRules& r, Table& table)
{
    const RuleTrace trace(r.eventPrefix, table, "AfterEdit");
    markChanged(table, r.sharing);
    if (r.afterEdit)
        r.afterEdit(data, table);
}

void beforePost(const TableRules& r, Table& table)
{
    const RuleTrace trace(r.postPrefix, table, "BeforePost");
    try {
        table[QStringLiteral("Shared")].setAsBoolean(sharingSwitch(r.sharing));
    } catch (const DatabaseError&) {
        // The flag is set again at the next edit; the post goes on without it.
    }
}

void afterPost(TData_Form& data, const TableRules& r, Table& table)
{
    const RuleTrace trace(r.postPrefix, table, "AfterPost");
    if (isOwnRecord(table))
        r.afterPost(data, table);
}

/// Records of another diver account on this computer cannot be deleted from this login.
void showNavigator(const TableRules& r, Table& table)
{
    if (r.navigatorOnlyWhilePageShows && viewState().currentPage() != r.page)
        return;
    unsigned buttons = NavFirst | NavPrior | NavNext | NavLast;
    if (r.fullNavigator)
        buttons |= NavInsert;
    if (!isOtherLocalDiverRecord(table))
        buttons |= NavDelete;
    viewState().setNavigatorButtons(r.page, buttons);
}

void afterScroll(TData_Form& data, const TableRules& r, Table& table)
{
    const RuleTrace trace(r.eventPrefix, table, "AfterScroll");
    showNavigator(r, table);
    if (r.afterScroll)
        r.afterScroll(data, table);
}

/// Own records edit as the diver types; others are read-only on a shaded panel and offer
/// "Take Ownership". Recomputed on every move and change, so a new login needs no reopening.
void dataChange(TData_Form& data, const TableRules& r)
{
    Table& table = *r.table;
    const QString procedure = kData + table.objectName() + QStringLiteral("_DataSourceDataChange");
    const TraceScope trace(procedure);
    const bool own = !r.alwaysReadOnly && table.isOpen() && isOwnRecord(table);
    r.source->autoEdit = own;
    if (r.hasTakeOwnership)
        viewState().setControlShown(r.page, PageControl::TakeOwnership, !own);
    viewState().setPageShaded(r.page, !own);
    if (r.dataChange)
        r.dataChange(data, table, own);
}

// --- what differs per table

void diversAfterEdit(TData_Form&, Table& divers)
{
    const bool feet = viewState().diverDepthUnitCaption() == QLatin1String("Feet");
    divers[QStringLiteral("Format")].setAsInteger(feet ? 0 : 1);
}

void travelAfterEdit(TData_Form&, Table& travel)
{
    if (isOwnRecord(travel))
        travel[QStringLiteral("Currency")].setAsString(regionalSettings().currencySymbol);
}

void equipmentAfterEdit(TData_Form&, Table& equipment)
{
    equipment[QStringLiteral("Currency")].setAsString(regionalSettings().currencySymbol);
}

void diversDataChange(TData_Form& data, Table& divers, bool own)
{
    viewState().setControlShown(Page::Divers, PageControl::DeleteDiver, own);
    viewState().setControlShown(Page::Divers, PageControl::AddDiver, own);
    if (viewState().currentPage() != Page::Divers || !data.divers_log_table.isOpen())
        return;
    const Filter dives = Filter::equals(QStringLiteral("DiverName"), divers[QStringLiteral("DiverName")].asString());
    // Every keystroke lands here: refilter only when the diver really changed.
    if (data.divers_log_table.filterText() != dives.text())
        data.divers_log_table.setFilter(dives);
}

void travelDataChange(TData_Form&, Table&, bool own)
{
    viewState().setControlShown(Page::TripReport, PageControl::AddDives, own);
    viewState().setControlShown(Page::TripReport, PageControl::ClearDives, own);
}

void diveComputerDataChange(TData_Form&, Table&, bool own)
{
    viewState().setControlShown(Page::DiveComputer, PageControl::CreateDiveLog, own);
    if (own && viewState().pageControlEnabled())
        viewState().redrawProfile();
}

void picturesDataChange(TData_Form&, Table&, bool)
{
    // The pictures page offers no "Take Ownership" button, whoever owns the picture.
    viewState().setControlShown(Page::Pictures, PageControl::TakeOwnership, false);
}

void othersLogDataChange(TData_Form&, Table& others, bool)
{
    viewState().setControlShown(Page::OthersLogs, PageControl::CopyRecord, true);
    viewState().setControlShown(Page::OthersLogs, PageControl::Graph,
                                hasText(others[QStringLiteral("DiveStamp")].asString()));
}

std::vector<TableRules> tableRules(TData_Form& data)
{
    std::vector<TableRules> all;

    TableRules divers;
    divers.table = &data.Divers_Table;
    divers.source = &data.Divers_DataSource;
    divers.page = Page::Divers;
    divers.sharing = Sharing::Contact;
    divers.eventPrefix = kEvents;
    divers.postPrefix = kEvents;
    divers.focusControl = QStringLiteral("DiverName_Edit");
    divers.afterEdit = diversAfterEdit;
    divers.afterScroll = rules::diversAfterScroll;
    divers.dataChange = diversDataChange;
    all.push_back(divers);

    TableRules site;
    site.table = &data.DiveSite_Table;
    site.source = &data.DiveSite_DataSource;
    site.page = Page::DiveSites;
    site.eventPrefix = kEvents;
    site.postPrefix = kData;
    site.focusControl = QStringLiteral("DiveSite_Edit");
    site.afterPost = rules::diveSiteAfterPost;
    site.afterScroll = rules::diveSiteAfterScroll;
    all.push_back(site);

    TableRules resources;
    resources.table = &data.DiveResources_Table;
    resources.source = &data.DiveResources_DataSource;
    resources.page = Page::DiveResources;
    resources.eventPrefix = kData;
    resources.postPrefix = kData;
    resources.focusControl = QStringLiteral("CompanyName_Edit");
    all.push_back(resources);

    TableRules travel;
    travel.table = &data.Travel_Table;
    travel.source = &data.Travel_DataSource;
    travel.page = Page::TripReport;
    travel.eventPrefix = kData;
    travel.onlyWhilePageShows = true;
    travel.navigatorOnlyWhilePageShows = true;
    travel.newRecord = rules::newTrip;
    travel.afterEdit = travelAfterEdit;
    travel.afterPost = rules::travelAfterPost;
    travel.afterScroll = rules::travelAfterScroll;
    travel.dataChange = travelDataChange;
    all.push_back(travel);

    TableRules equipment;
    equipment.table = &data.Equipment_Table;
    equipment.source = &data.Equipment_DataSource;
    equipment.page = Page::Equipment;
    equipment.eventPrefix = kData;
    equipment.focusControl = QStringLiteral("EquipmentType_Edit");
    equipment.onlyWhilePageShows = true;
    equipment.afterEdit = equipmentAfterEdit;
    equipment.afterPost = rules::equipmentAfterPost;
    equipment.afterScroll = rules::equipmentAfterScroll;
    all.push_back(equipment);

    TableRules computer;
    computer.table = &data.DiveComputer_Table;
    computer.source = &data.DiveComputer_DataSource;
    computer.page = Page::DiveComputer;
    computer.eventPrefix = kData;
    computer.postPrefix = kData;
    computer.clearsCopyOnServer = true;
    computer.hasTakeOwnership = false;
    computer.dataChange = diveComputerDataChange;
    all.push_back(computer);

    TableRules pictures;
    pictures.table = &data.Pictures_Table;
    pictures.source = &data.Pictures_DataSource;
    pictures.page = Page::Pictures;
    pictures.sharing = Sharing::Picture;
    pictures.eventPrefix = kData;
    pictures.postPrefix = kData;
    pictures.stampsOwner = false; // whoever adds the picture fills the owner
    pictures.hasTakeOwnership = false;
    pictures.fullNavigator = false;
    pictures.afterScroll = rules::picturesAfterScroll;
    pictures.dataChange = picturesDataChange;
    all.push_back(pictures);

    return all;
}

void install(TData_Form& data, const TableRules& r)
{
    Table& table = *r.table;
    TData_Form* d = &data;
    chain(table.onNewRecord, Table::Event([d, r](Table& t) { newRecord(*d, r, t); }));
    chain(table.onAfterEdit, Table::Event([d, r](Table& t) { afterEdit(*d, r, t); }));
    chain(table.onBeforePost, Table::Event([r](Table& t) { beforePost(r, t); }));
    if (r.afterPost)
        chain(table.onAfterPost, Table::Event([d, r](Table& t) { afterPost(*d, r, t); }));
    chain(table.onAfterScroll, Table::Event([d, r](Table& t) { afterScroll(*d, r, t); }));
    chain(r.source->onDataChange, std::function<void(Field*)>([d, r](Field*) { dataChange(*d, r); }));
}

void installOthersLog(TData_Form& data)
{
    TableRules others;
    others.table = &data.OthersLog_Table;
    others.source = &data.OthersLog_DataSource;
    others.page = Page::OthersLogs;
    others.eventPrefix = kEvents;
    others.hasTakeOwnership = false;
    others.alwaysReadOnly = true; // copies of other divers' dives
    others.fullNavigator = false;
    others.navigatorOnlyWhilePageShows = true;
    others.afterScroll = rules::othersLogAfterScroll;
    others.dataChange = othersLogDataChange;
    TData_Form* d = &data;
    chain(others.table->onAfterScroll, Table::Event([d, others](Table& t) { afterScroll(*d, others, t); }));
    chain(others.source->onDataChange, std::function<void(Field*)>([d, others](Field*) { dataChange(*d, others); }));
}

} // namespace

void installOtherTableRules(TData_Form& data)
{
    for (const TableRules& r : tableRules(data))
        install(data, r);
    installOthersLog(data);
    Table& pictures = data.Pictures_Table;
    chain(pictures.onBeforeDelete, Table::Event([](Table& t) {
              const RuleTrace trace(kData, t, "BeforeDelete");
              rules::picturesBeforeDelete(t);
          }));
    rules::installTitleValidation(pictures);
}

} // namespace zaf::store
