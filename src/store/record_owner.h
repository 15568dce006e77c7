#pragma once

#include "store/filter.h"

#include <QString>

namespace zaf::store {

class Table;

/// Which configuration switch decides a table's `Shared` flag.
enum class Sharing { Contact, Record, Picture };

/// The configuration's sharing switch of that kind.
bool sharingSwitch(Sharing kind);
/// The record is the logged-in diver's: its owner name and e-mail are the configuration's.
bool isOwnRecord(Table& table);
/// The logged-in diver's own dives in a dive log: owned by the diver and logged under the
/// diver's name (entries the diver keeps for somebody else are owned but are not the diver's dives).
Filter ownDivesFilter();
/// The record belongs to another diver account on this computer.
bool isOtherLocalDiverRecord(Table& table);
/// Writes the logged-in diver's name and e-mail into the record's owner stamp.
void stampOwner(Table& table);
/// Nobody is logged in: new records are refused.
bool nobodyLoggedIn();
/// A value worth keeping in a list or a companion record: not empty once trimmed.
bool hasText(const QString& text);

} // namespace zaf::store
