#pragma once

#include <QString>

namespace zaf::store {

class Table;

/// The refusal shown when the record belongs to another diver account on this computer.
extern const QString kOwnedByLocalDiverMessage;

/// "Take Ownership": makes the current record the logged-in diver's, so it becomes editable,
/// and runs the table's scroll rule again. A record of another local diver is refused with
/// a message. Returns whether the owner changed.
bool takeOwnership(Table& table);

} // namespace zaf::store
