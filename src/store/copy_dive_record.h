#pragma once

namespace zaf::store {

class TData_Form;
class Table;

/// "Copy Record": copies the current entry of `source` (the dive log or the other divers'
/// log) into the logged-in diver's own log as a new entry, for a diver who was the dive
/// master or a buddy on that dive. The buddies are swapped so that the source diver takes the
/// user's place; weight, suit and dive computer come from the user's own latest dive. Refuses
/// with a message when the dive does not name the user. Returns whether an entry was appended;
/// database errors of the append reach the caller.
bool copyDiveRecord(TData_Form& data, Table& source);

} // namespace zaf::store
