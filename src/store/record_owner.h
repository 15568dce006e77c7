#pragma once

#include <QString>

namespace zaf::store {

class Table;

/// Which configuration switch decides a table's `Shared` flag.
enum class Sharing { Contact, Record, Picture };

/// The configuration's sharing switch of that kind.
bool sharingSwitch(Sharing kind);
/// The record is the logged-in diver's: its owner name and e-mail are the configuration's.
bool isOwnRecord(Table& table);
/// The record belongs to another diver account on this computer.
bool isOtherLocalDiverRecord(Table& table);
/// Writes the logged-in diver's name and e-mail into the record's owner stamp.
void stampOwner(Table& table);
/// Nobody is logged in: new records are refused.
bool nobodyLoggedIn();
/// A value worth keeping in a list or a companion record: not empty once trimmed.
bool hasText(const QString& text);

} // namespace zaf::store
