#pragma once

#include "store/record_owner.h"

#include <QString>

namespace zaf::store {

class TData_Form;
class Table;

/// Attaches the dive log's record rules to the events of `DiveLog_Table` and its data
/// source: defaults and carry-over for a new entry, change stamps, unit fill-in, companion
/// records and diver totals at post, totals at delete, the ownership display and the page
/// captions when an entry is shown.
void installDiveLogRules(TData_Form& data);

/// True when the trimmed text is not ordered before "0" in text order: empty and negative
/// values fail, "0" and positive values pass.
bool notBeforeZero(const QString& text);

} // namespace zaf::store
