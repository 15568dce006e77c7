#include "store/dive_log_rules.h"

#include "core/app_state.h"
#include "core/config_record.h"
#include "core/day_count.h"
#include "core/trace.h"
#include "core/view_state.h"
#include "store/data_form.h"
#include "store/dive_log_companions.h"
#include "store/diver_totals.h"
#include "store/errors.h"
#include "store/schema.h"

#include <QDir>
#include <QFileInfo>

namespace zaf::store {
namespace {

const QString kNewRecord = QStringLiteral("Tdata_form.DiveLog_TableNewRecord");
const QString kAfterEdit = QStringLiteral("Tdata_form.DiveLog_TableAfterEdit");
const QString kBeforePost = QStringLiteral("Tdata_form.DiveLog_TableBeforePost");
const QString kAfterPost = QStringLiteral("Tdata_form.DiveLog_TableAfterPost");
const QString kAfterDelete = QStringLiteral("Tdata_form.DiveLog_TableAfterDelete");
const QString kAfterScroll = QStringLiteral("Tdata_form.DiveLog_TableAfterScroll");
const QString kDataChange = QStringLiteral("TData_Form.DiveLog_DataSourceDataChange");

/// The exposure protection a new entry starts without.
const char* const kSuitFields[] = {"Swimsuit", "Shorty", "Skin", "Wetsuit", "Drysuit",
                                   "Gloves",   "Hood",   "Boots", "Mitt"};

/// Measurements carried from the previous dive only when they are zero or more, so that an
/// empty or negative value (a placeholder) does not turn up in the next dive.
const char* const kCarriedIfNotNegative[] = {"DiveAltitude", "Visibility", "Weight"};

/// What a diver usually keeps from one dive to the next: the place, the people, the gear and
/// the safety answers. Times, depths, pressures, the site and the comments start fresh.
const char* const kCarried[] = {
    "WaterType", "EntryType", "Weather",   "WaterConditions", "Location",  "DiveOperation", "DiveMaster",
    "DiveBuddy1", "DiveBuddy2", "DiveBuddy3", "Divebuddy4",    "Swimsuit",  "Shorty",        "Skin",
    "Wetsuit",   "Drysuit",   "Gloves",    "Hood",            "Boots",     "Mitt",          "VFLabel",
    "Current",   "Gas",       "Deco",      "Apparatus",       "GasSource", "Computer",      "T1S",
    "T1P",       "Rest",      "Alcohol",   "Exercise",        "Medication", "Comfort",      "Workload",
    "Problems",  "EquipMalf", "Altitude",  "DCS"};

QString fieldName(const char* name)
{
    return QString::fromLatin1(name);
}

/// The unit system of the diver's own `Divers` record (as the configuration chose it), read
/// through a cursor of its own; imperial when the record is missing or undecided.
int diversOwnFormat(const Table& log, const QString& diver)
{
    try {
        Table divers(QStringLiteral("divers_format"));
        divers.setDefinition(schema::divers());
        divers.setPath(QFileInfo(log.path()).dir().filePath(QStringLiteral("Divers")));
        divers.open();
        if (divers.findKey({diver}) && divers[QStringLiteral("Format")].asString() == QLatin1String("1"))
            return 1;
    } catch (const DatabaseError&) {
        // Without the diver's record the entry starts imperial, as an empty log always did.
    }
    return 0;
}

/// Fills a new entry from the diver's own latest dive (highest number, then latest start).
void carryOver(Table& entry, Table& previous)
{
    write_debug_message(kNewRecord, QStringLiteral("inserting data"));
    write_debug_message(kNewRecord, QStringLiteral("Edit"));
    Field& number = previous[QStringLiteral("DiveNumber")];
    if (number.isNull())
        entry[QStringLiteral("DiveNumber")].setAsInteger(0);
    else
        entry[QStringLiteral("DiveNumber")].setAsInteger(qint64(number.asInteger()) + 1);
    Field& format = previous[QStringLiteral("Format")];
    entry[QStringLiteral("Format")].setAsInteger(format.isNull() ? 0 : format.asInteger());

    bool first = true;
    for (const char* name : kCarriedIfNotNegative) {
        Field& from = previous[fieldName(name)];
        if (notBeforeZero(from.asString()))
            entry[fieldName(name)].setValue(from.value());
        if (first)
            write_debug_message(kNewRecord, QStringLiteral("DiveAltitude"));
        first = false;
    }
    for (const char* name : kCarried) {
        Field& from = previous[fieldName(name)];
        if (from.isNull())
            entry[fieldName(name)].clear();
        else
            entry[fieldName(name)].setValue(from.value());
    }
    write_debug_message(kNewRecord, QStringLiteral("data insert complete"));
}

void newRecord(Table& log)
{
    TraceScope trace(kNewRecord);
    const ConfigRecord& cfg = config();
    if (cfg.userName.trimmed().isEmpty()) {
        // Nobody is logged in: there is no owner to stamp the entry with.
        log.cancel();
        return;
    }
    const double now = nowDayCount();
    log[QStringLiteral("OwnerName")].setAsString(cfg.userName);
    log[QStringLiteral("OwnerEmail")].setAsString(cfg.userEmail);
    log[QStringLiteral("LastModified")].setAsDateTime(now);
    log[QStringLiteral("Shared")].setAsBoolean(cfg.enableRecordSharing);
    log[QStringLiteral("DiverName")].setAsString(cfg.userName);
    log[QStringLiteral("DiveNumber")].setAsInteger(0);
    log[QStringLiteral("StartTime")].setAsDateTime(now);
    log[QStringLiteral("EndTime")].setAsDateTime(now);
    for (const char* name : kSuitFields)
        log[fieldName(name)].setAsBoolean(false);
    write_debug_message(kNewRecord, QStringLiteral("finished clean insert"));

    // A cursor of its own, so the shown entry and its events stay untouched.
    Table previous(QStringLiteral("t_table"));
    write_debug_message(kNewRecord, QStringLiteral("created t_table"));
    write_debug_message(kNewRecord, QStringLiteral("opening t_table"));
    openSecondCursor(previous, log);
    previous.setFilter(ownDivesFilter());
    previous.last();

    Field& previousEnd = previous[QStringLiteral("EndTime")];
    appState().previousDiveEnd = previousEnd.isNull() ? 0 : previousEnd.asDateTime();
    write_debug_message(kNewRecord, QStringLiteral("checked times ") + log[QStringLiteral("StartTime")].asString() +
                                        QLatin1Char(' ') + previousEnd.asString());
    if (appState().previousDiveEnd > 0)
        carryOver(log, previous);
    previous.close();
    // Nothing carried over (the diver's first dive): the entry starts in the diver's own
    // units, so that what is worked out while it is typed, such as the SAC rate, already
    // uses the constants of the units the diver types in.
    if (log[QStringLiteral("Format")].isNull())
        log[QStringLiteral("Format")].setAsInteger(diversOwnFormat(log, cfg.userName));

    if (viewState().currentPage() == Page::DiveLog && !viewState().bulkLoad())
        viewState().requestFocus(QString::fromLatin1(kDiveLogDiverNameField));
}

void afterEdit(Table& log)
{
    TraceScope trace(kAfterEdit);
    Field& sent = log[QStringLiteral("CopyOnServer")];
    if (sent.isNull() || sent.asBoolean())
        sent.setAsBoolean(false);
    // Edits in quick succession keep the first stamp, so one sitting counts as one change.
    const double now = nowDayCount();
    Field& modified = log[QStringLiteral("LastModified")];
    if (now - 0.001 > modified.asDateTime())
        modified.setAsDateTime(now);
    log[QStringLiteral("Shared")].setAsBoolean(config().enableRecordSharing);
}

void beforePost(Table& log)
{
    TraceScope trace(kBeforePost);
    try {
        log[QStringLiteral("Shared")].setAsBoolean(config().enableRecordSharing);
    } catch (const DatabaseError&) {
        // The sharing stamp is refreshed again at the next edit.
    }
    Field& format = log[QStringLiteral("Format")];
    const QString text = format.asString();
    if (text != QLatin1String("0") && text != QLatin1String("1"))
        format.setAsInteger(viewState().depthUnitCaption() == QLatin1String("Meters") ? 1 : 0);
}

void afterPost(TData_Form& data, Table& log)
{
    TraceScope trace(kAfterPost);
    userDiverTotals(data);
    if (isOwnRecord(log))
        addCompanionRecords(data, log);
}

void afterDelete(TData_Form& data)
{
    TraceScope trace(kAfterDelete);
    userDiverTotals(data);
}

void afterScroll(TData_Form& data, Table& log)
{
    // The record number costs a count over the log, so it is asked only when it is traced.
    const bool tracing = appState().debugMode;
    if (tracing)
        write_debug_message(kAfterScroll, QStringLiteral("enter : recno=") + QString::number(log.recNo()));
    ViewState& view = viewState();
    if (view.currentPage() == Page::DiveLog) {
        if (view.pageControlEnabled()) {
            unsigned buttons = NavFirst | NavPrior | NavNext | NavLast;
            if (!log.isEmpty())
                buttons |= NavInsert | NavDelete;
            view.setNavigatorButtons(Page::DiveLog, buttons);
            // The rate of an entry logged without one is worked out when it is shown. Only
            // the diver's own entries are touched, and only when there is something to work
            // it out with: an edit alone would mark the entry as changed for nothing.
            if (data.gasComputationHook && isOwnRecord(log) && log[QStringLiteral("SACRate")].isNull() &&
                !log[QStringLiteral("AirPressureEnd")].isNull()) {
                log.edit();
                data.gasComputationHook();
            }
            view.resetPageScroll(Page::DiveLog);
        }
        // An undecided unit system leaves the captions as they are.
        if (const auto captions = unitCaptions(log[QStringLiteral("Format")].asString()))
            view.setUnitCaptions(Page::DiveLog, *captions);
    }
    if (tracing)
        write_debug_message(kAfterScroll, QStringLiteral("exit : recno=") + QString::number(log.recNo()));
}

void showOwnership(TData_Form& data)
{
    TraceScope trace(kDataChange);
    Table& log = data.DiveLog_Table;
    if (!log.isOpen())
        return;
    const bool own = isOwnRecord(log);
    // Another diver's entry cannot be changed from the dive page, only copied.
    data.DiveLog_DataSource.autoEdit = own;
    ViewState& view = viewState();
    view.setControlShown(Page::DiveLog, PageControl::CopyRecord, !own);
    view.setControlShown(Page::DiveLog, PageControl::AddPicture, own);
    view.setControlShown(Page::DiveLog, PageControl::Graph, hasText(log[QStringLiteral("DiveStamp")].asString()));
    view.setPageShaded(Page::DiveLog, !own);
}

} // namespace

bool notBeforeZero(const QString& text)
{
    return text.trimmed().compare(QLatin1String("0")) >= 0;
}

void installDiveLogRules(TData_Form& data)
{
    Table& log = data.DiveLog_Table;
    log.onNewRecord = [](Table& t) { newRecord(t); };
    log.onAfterEdit = [](Table& t) { afterEdit(t); };
    log.onBeforePost = [](Table& t) { beforePost(t); };
    log.onAfterOpen = [](Table& t) { ensureDiverTotalsIndex(t); };
    log.onAfterPost = [&data](Table& t) { afterPost(data, t); };
    log.onAfterDelete = [&data](Table&) { afterDelete(data); };
    log.onAfterScroll = [&data](Table& t) { afterScroll(data, t); };
    // After open: nothing.
    std::function<void(Field*)> window = data.DiveLog_DataSource.onDataChange;
    data.DiveLog_DataSource.onDataChange = [&data, window](Field* changed) {
        showOwnership(data);
        if (window)
            window(changed);
    };
}

} // namespace zaf::store
