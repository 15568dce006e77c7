#include "core/config_record.h"
#include "core/day_count.h"
#include "store/data_form.h"
#include "store/errors.h"
#include "store/table_rules.h"

namespace zaf::store::rules {

namespace {

/// The trip number of the diver's last trip; 0 when it is not a number.
int lastTripNumber(Table& travel)
{
    travel.last();
    try {
        return travel[QStringLiteral("TripNumber")].asInteger();
    } catch (const DatabaseError&) {
        return 0;
    }
}

} // namespace

// A new trip is numbered after the diver's last one. Filtering the trips stores the new
// record first, as trip 0 with no location, and the numbering then edits that stored
// record: so a trip the diver cancels stays stored as trip 0.
void newTrip(TData_Form&, Table& travel)
{
    const QString user = config().userName;
    const QString email = config().userEmail;
    stampOwner(travel);
    travel[QStringLiteral("LastModified")].setAsDateTime(nowDayCount());
    travel[QStringLiteral("TripNumber")].setAsInteger(0);
    travel[QStringLiteral("Shared")].setAsBoolean(sharingSwitch(Sharing::Record));
    const Filter own = Filter::allOf({Filter::equals(QStringLiteral("OwnerName"), user),
                                      Filter::equals(QStringLiteral("OwnerEmail"), email)});
    try {
        travel.setFilter(own);
    } catch (...) {
        // Most likely an earlier cancelled trip 0 holds the key: leave no half-made record
        // pending and let the duplicate be reported.
        if (travel.isEditing())
            travel.cancel();
        throw;
    }
    const int last = lastTripNumber(travel);
    travel.clearFilter();
    if (!travel.findKey({user, email, 0, QString()}))
        return;
    travel.edit();
    const double now = nowDayCount();
    travel[QStringLiteral("TripNumber")].setAsInteger(last + 1);
    travel[QStringLiteral("StartDate")].setAsDateTime(now);
    travel[QStringLiteral("EndDate")].setAsDateTime(now);
    if (mayMoveFocus(Page::TripReport))
        viewState().requestFocus(QStringLiteral("TripLocation_Edit"));
}

} // namespace zaf::store::rules
