#pragma once

#include <QString>
#include <QStringList>

namespace zaf::divecomputer {

/// The model code of the first and the last model.
constexpr int FirstModel = 1;
constexpr int LastModel = 10;

/// The ten model names in code order (code 1 first); codes 7 to 9 are "Reserved".
const QStringList& modelNames();
/// The names offered to the diver: every name but "Reserved", sorted.
QStringList offeredModelNames();
/// The name of model `code`; empty for a code outside 1 … 10.
QString modelName(int code);
/// The code (1 … 10) of a model name; 0 for an unknown name or "Reserved".
int modelNumber(const QString& name);

} // namespace zaf::divecomputer
