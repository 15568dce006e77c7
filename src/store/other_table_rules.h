#pragma once

namespace zaf::store {

class TData_Form;

/// Attaches the record rules of the divers, dive site, dive resources, trip, equipment,
/// dive computer and picture tables and of the others' log view to their table and data
/// source events: owner stamps, sharing flags, change marks, the ownership display, the
/// navigator sets, companion records, list growth and the picture rules.
void installOtherTableRules(TData_Form& data);

} // namespace zaf::store
