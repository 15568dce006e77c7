#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace zaf {

/// An INI-style settings file read and written as plain text, so that section names with
/// dots and key names with spaces ("[Screen Saver.Quorvane Screen Saver]", "Program Path=")
/// stand in the file exactly as written. Sections and keys match without regard to letter
/// case; lines the program does not touch are kept as they were.
class IniFile {
public:
    explicit IniFile(QString path);

    /// Reads the file; a missing or unreadable file reads as empty (false then).
    bool load();
    /// Writes the file back, replacing it; false when it could not be written.
    bool save() const;

    /// The value of key in section, or `fallback` when either is missing.
    QString value(const QString& section, const QString& key, const QString& fallback = {}) const;
    /// Sets key in section, adding the section (at the end) or the key (at the section's end).
    void setValue(const QString& section, const QString& key, const QString& value);

    const QString& path() const { return m_path; }
    /// The file's text as it would be saved.
    QString text() const;

private:
    int findSection(const QString& section) const;
    QString m_path;
    QStringList m_lines;
};

/// Where the program's settings files live: the per-user configuration directory, unless a
/// test or the command line put another one in force.
QString settingsDirectory();
/// Puts another settings directory in force; an empty text returns to the default.
void setSettingsDirectory(const QString& dir);

/// The full path of "Quorvane.INI".
QString quorvaneIniPath();
/// "Version" of section "Screen Saver.Quorvane Screen Saver" of "Quorvane.INI"; "na" when
/// the file, the section or the key is missing or cannot be read.
QString screenSaverVersion();
/// Writes "Program Path" (the program directory) and "Version" into section
/// "Application.Zafaro" of "Quorvane.INI"; false when the file could not be written.
bool writeApplicationSettings();

} // namespace zaf
