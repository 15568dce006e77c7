#pragma once

#include "core/view_state.h"

#include <QString>
#include <optional>

namespace zaf::store {
class TData_Form;
class Table;
} // namespace zaf::store

namespace zaf::calc {

// The rules that derive the times of the shown dive log entry while the diver edits it.

/// End time of the diver's own dive just before the shown entry in key order; 0 when there
/// is none or it has no end time; nothing when the log cannot be read.
std::optional<double> previousDiveEnd(store::TData_Form& data);

/// Entering an empty start time: proposes the previous dive's end plus the surface interval.
void proposeStartTime(store::TData_Form& data);

/// A key typed into the start time: the time-of-day class is derived afresh on leaving.
void clearDayTime(store::TData_Form& data);

/// Leaving the start time: time-of-day class, end time, the end time's plausibility and the
/// surface interval.
void deriveDiveTimes(store::TData_Form& data);

/// The surface interval from the previous dive's end to this start.
void deriveSurfaceInterval(store::TData_Form& data);

/// Shows the surface interval of the record `table` shows in the boxes of `page`.
void showSurfaceInterval(Page page, store::Table& table);

/// Leaving a surface interval box: stores the boxes' days, hours and minutes in the diver's
/// own entry; another diver's entry gets its boxes back from the record.
void storeSurfaceInterval(store::TData_Form& data);

/// After the end time was left and reconciled: the log's first entry is posted, and a log
/// of one entry gets the navigator's full set of buttons.
void updateNavigator(store::TData_Form& data);

/// Lets the diver pick a date and time for a date field; a cancelled pick keeps the value.
void pickDateTime(store::Table& table, const QString& fieldName);

} // namespace zaf::calc
