#include "calc/dive_time_rules.h"

#include "calc/dive_times.h"
#include "calc/field_text.h"
#include "core/config_record.h"
#include "core/trace.h"
#include "core/ui.h"
#include "store/data_form.h"
#include "store/errors.h"
#include "store/record_owner.h"
#include "store/schema.h"

namespace zaf::calc {

using store::Field;
using store::Table;

namespace {

bool isOwnEntry(Table& log)
{
    return log[QStringLiteral("OwnerName")].asString() == config().userName &&
           log[QStringLiteral("OwnerEmail")].asString() == config().userEmail;
}

} // namespace

std::optional<double> previousDiveEnd(store::TData_Form& data)
{
    Table& log = data.DiveLog_Table;
    try {
        const store::TableDef& def = store::schema::diveLog();
        // The shown entry's key as it reads now, which may not have been posted yet.
        QVariantList key;
        for (const QString& name : def.primaryKey)
            key.append(log[name].value());

        Table previous(QStringLiteral("t_table"));
        store::openSecondCursor(previous, log);
        previous.setFilter(store::ownDivesFilter());
        if (previous.isEmpty())
            return 0.0;
        previous.findNearest(key);
        // Without a record at or after the key the cursor rests on the last one, which is
        // then the dive before; otherwise it is one step back.
        if (!previous.eof()) {
            previous.prior();
            if (previous.bof())
                return 0.0;
        }
        Field& end = previous[QStringLiteral("EndTime")];
        return isBlank(end) ? 0.0 : end.asDateTime();
    } catch (const store::DatabaseError&) {
        return std::nullopt;
    }
}

void proposeStartTime(store::TData_Form& data)
{
    Table& log = data.DiveLog_Table;
    if (!log.isOpen())
        return;
    TraceScope trace(QStringLiteral("TMain.propose_start_time"));
    if (!isBlank(log[QStringLiteral("StartTime")]))
        return;
    const auto previousEnd = previousDiveEnd(data);
    if (!previousEnd || !(*previousEnd > 0))
        return;
    try {
        log.edit();
        log[QStringLiteral("StartTime")].setAsDateTime(
            *previousEnd + log[QStringLiteral("SurfaceInterval")].asInteger() / 1440.0);
    } catch (const store::DatabaseError&) {
        ui().message(QStringLiteral("error2"));
    }
}

void clearDayTime(store::TData_Form& data)
{
    Table& log = data.DiveLog_Table;
    if (!log.isOpen() || isBlank(log[QStringLiteral("DayTime")]))
        return;
    log.edit();
    log[QStringLiteral("DayTime")].setAsString(QString());
}

void deriveDiveTimes(store::TData_Form& data)
{
    Table& log = data.DiveLog_Table;
    if (!log.isOpen() || viewState().currentPage() != Page::DiveLog)
        return;
    TraceScope trace(QStringLiteral("TMain.derive_dive_times"));
    log.edit();
    Field& startField = log[QStringLiteral("StartTime")];
    Field& endField = log[QStringLiteral("EndTime")];
    const double start = startField.asDateTime();

    Field& dayTime = log[QStringLiteral("DayTime")];
    if (isBlank(dayTime)) {
        const QString cls = dayTimeForHour(hourOf(start));
        if (!cls.isEmpty())
            dayTime.setAsString(cls);
    }

    // Without a start time there is nothing to measure the end time against, and it is kept.
    if (!isBlank(startField)) {
        Field& minutes = log[QStringLiteral("BottomTime")];
        if (isBlank(endField) && textAboveZero(minutes))
            endField.setAsDateTime(endTimeFor(start, minutes.asInteger()));
        if (!endTimePlausible(start, endField.asDateTime()))
            endField.setAsDateTime(start);
    }
    deriveSurfaceInterval(data);
}

void deriveSurfaceInterval(store::TData_Form& data)
{
    Table& log = data.DiveLog_Table;
    if (!log.isOpen())
        return;
    TraceScope trace(QStringLiteral("TMain.derive_surface_interval"));
    const auto previousEnd = previousDiveEnd(data);
    if (!previousEnd)
        return;
    const auto minutes = surfaceIntervalMinutes(log[QStringLiteral("StartTime")].asDateTime(), *previousEnd);
    if (!minutes)
        return;
    log.edit();
    log[QStringLiteral("SurfaceInterval")].setAsInteger(*minutes);
}

void showSurfaceInterval(Page page, store::Table& table)
{
    if (!table.isOpen())
        return;
    viewState().setSurfaceIntervalBoxes(page, surfaceIntervalBoxesFor(table[QStringLiteral("SurfaceInterval")].asInteger()));
}

void storeSurfaceInterval(store::TData_Form& data)
{
    Table& log = data.DiveLog_Table;
    if (!log.isOpen() || viewState().currentPage() != Page::DiveLog)
        return;
    TraceScope trace(QStringLiteral("TMain.store_surface_interval"));
    if (!isOwnEntry(log)) {
        showSurfaceInterval(Page::DiveLog, log);
        return;
    }
    const auto minutes = surfaceIntervalFromBoxes(viewState().surfaceIntervalBoxes(Page::DiveLog));
    if (!minutes)
        return;
    log.edit();
    log[QStringLiteral("SurfaceInterval")].setAsInteger(*minutes);
}

void updateNavigator(store::TData_Form& data)
{
    Table& log = data.DiveLog_Table;
    if (!log.isOpen())
        return;
    if (log.recordCount() == 0 && log.isEditing())
        log.post();
    const int count = log.recordCount();
    if (count >= 1 && count < 2)
        viewState().setNavigatorButtons(Page::DiveLog, NavFirst | NavPrior | NavNext | NavLast | NavInsert | NavDelete);
}

void pickDateTime(store::Table& table, const QString& fieldName)
{
    if (!table.isOpen())
        return;
    TraceScope trace(QStringLiteral("TMain.pick_date_time"));
    table.edit();
    Field& field = table[fieldName];
    const auto picked = viewState().pickDateTime(field.asDateTime());
    // Nothing picked (or a zero date): the field keeps the value it had.
    if (picked && *picked > 0)
        field.setAsDateTime(*picked);
}

} // namespace zaf::calc
