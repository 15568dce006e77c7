#pragma once

#include "core/view_state.h"

namespace zaf::store {
class TData_Form;
class Table;
} // namespace zaf::store

namespace zaf::calc {

/// Converts the shown dive log entry to the other unit system, posts it, sets the Dive Log
/// page's captions and recomputes the gas figures from the converted values.
void convertDiveLogEntry(store::TData_Form& data);

/// Converts the shown diver record's maximum depth and weight to the other unit system,
/// posts it and sets the Divers page's captions. A failing post reaches the caller.
void convertDiverRecord(store::TData_Form& data);

/// Sets the unit captions of `page` (Dive Log or Others' Logs) from the `Format` of the
/// record `table` shows; an undecided format leaves them as they are.
void showUnitCaptions(Page page, store::Table& table);

} // namespace zaf::calc
