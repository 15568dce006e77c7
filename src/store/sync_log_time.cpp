#include "core/trace.h"
#include "core/ui.h"
#include "store/data_form.h"
#include "store/dive_log_rules.h"
#include "store/errors.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace zaf::store {
namespace {

const QString kSync = QStringLiteral("Tdata_form.Sync_log_time");
constexpr qint64 kMsPerDay = 86400000;
constexpr qint64 kMsPerMinute = 60000;

/// Minutes of the time-of-day part of a duration: whole days are not counted, seconds are
/// dropped. Rounded to the millisecond first so that 75 minutes do not come out as 74.
int clockMinutes(double duration)
{
    const qint64 ms = std::llabs(std::llround(duration * double(kMsPerDay))) % kMsPerDay;
    return int(ms / kMsPerMinute);
}

/// Sets one field of the entry; a refusal by the table leaves the entry in edit as it was.
template <typename Set>
void setIgnoringErrors(Table& log, Set set)
{
    try {
        log.edit();
        set();
    } catch (const DatabaseError&) {
    }
}

} // namespace

void TData_Form::Sync_log_time(int mode)
{
    TraceScope trace(kSync);
    Table& log = DiveLog_Table;
    if (!log.isOpen() || !isOwnRecord(log))
        return;
    Field& start = log[QStringLiteral("StartTime")];
    Field& end = log[QStringLiteral("EndTime")];
    Field& bottom = log[QStringLiteral("BottomTime")];
    const int minutes = clockMinutes(end.asDateTime() - start.asDateTime());
    const int bottomTime = bottom.asInteger();
    if (bottomTime <= 0) {
        setIgnoringErrors(log, [&] { bottom.setAsInteger(minutes); });
        return;
    }
    if (bottomTime == minutes)
        return;
    const bool inOrder = start.asDateTime() < end.asDateTime();
    if (mode == 1 && inOrder) {
        if (ui().askYesNo(QStringLiteral("Would you like to set the Dive Time based on the Start and End Time?"),
                          MessageKind::Information) == Answer::Yes) {
            write_debug_message(kSync, QStringLiteral("setting bottom time"));
            setIgnoringErrors(log, [&] { bottom.setAsInteger(minutes); });
            write_debug_message(kSync, QStringLiteral("set bottom time"));
        }
        return;
    }
    if (mode != 1 && mode != 2)
        return;
    if (inOrder && ui().askYesNo(QStringLiteral("Would you like to set the End Time based on the Start and Dive Time?"),
                                 MessageKind::Information) != Answer::Yes)
        return;
    // An end time is a time of day after the start: a dive time of a day or more has none.
    if (bottomTime >= 24 * 60)
        throw std::range_error(
            QStringLiteral("A dive time of %1 minutes cannot be turned into an end time; it must be less than 24 hours.")
                .arg(bottomTime)
                .toStdString());
    write_debug_message(kSync, QStringLiteral("setting end time"));
    const double startTime = start.asDateTime();
    setIgnoringErrors(log, [&] { end.setAsDateTime(startTime + double(bottomTime) / (24.0 * 60.0)); });
    write_debug_message(kSync, QStringLiteral("set end time"));
}

} // namespace zaf::store
