#pragma once

#include "store/field_def.h"

namespace zaf::store::schema {

/// The definitions of every logbook table, fields in table order with their keys.
const TableDef& divers();
const TableDef& diveLog();
const TableDef& diveSite();
const TableDef& diveResources();
const TableDef& travel();
const TableDef& equipment();
const TableDef& diveComputer();
const TableDef& pictures();
const TableDef& menuItems();
const TableDef& messageBoard();
const TableDef& zafDebug();
const TableDef& zafHelp();

/// Looks a definition up by table name ("DiveLog"); nullptr for an unknown name.
const TableDef* byName(const QString& name);

} // namespace zaf::store::schema
