#pragma once

#include "core/config_record.h"

#include <QByteArray>
#include <QString>

namespace zaf {

/// Size in bytes of the stored configuration record.
constexpr int ConfigRecordSize = 832;

/// The size of the screen the main window must stay on.
struct ScreenSize {
    int width = 1024;
    int height = 768;
};

/// The record as its 832 little-endian bytes.
QByteArray encodeConfig(const ConfigRecord& record);
/// Fills `record` from stored bytes; false (record untouched) unless exactly 832 bytes.
bool decodeConfig(const QByteArray& bytes, ConfigRecord& record);

/// Puts the defaults of a new record into `record` (the reserved integer too when asked);
/// every other field keeps its value.
void applyConfigDefaults(ConfigRecord& record, ScreenSize screen, bool includingReserved);
/// Moves and sizes the stored window placement back onto the screen.
void keepOnScreen(ConfigRecord& record, ScreenSize screen);

/// read_cfg's record side: puts `userName` into config(), then reads
/// "<program directory><user name>.zaf" over it (a missing file, or one that is not exactly
/// one record, gives the defaults on top of what the record held), repairs the placement and
/// the message-board time and sets the always-true flag. True when the file held a record of
/// the current format version ("0.16"); false tells the login to show the configuration window.
bool readConfig(const QString& userName, ScreenSize screen);
/// write_cfg's record side (the caller first copies the window placement into config()):
/// stamps the versions and writes "<user name>.zaf", then "config.zaf". Nothing is written
/// (and true returned) for an empty or blank user name; false when a file could not be
/// written or the name holds a path separator.
bool writeConfig();

} // namespace zaf
