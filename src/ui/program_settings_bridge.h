#pragma once

#include <QString>
#include <QStringList>

namespace zaf::gui {

/// The installed screen saver's version from the settings file, "na" when there is none.
QString readScreenSaverVersion();
/// Records the program directory and version in the settings file at shutdown.
void writeProgramPathAndVersion();
/// The dive computer model names a list offers: every model but the reserved ones, in
/// model order.
QStringList offeredModelNames();
/// The name of model `code` (1 … 10); empty for an unknown code.
QString modelName(int code);
/// The model code of a name; 0 when no model has it.
int modelCode(const QString& name);

} // namespace zaf::gui
