#include "core/ini_settings.h"

#include "core/program_dir.h"
#include "core/version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace zaf {

namespace {

QString& settingsOverride()
{
    static QString dir;
    return dir;
}

bool isSectionLine(const QString& line)
{
    const QString t = line.trimmed();
    return t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'));
}

QString sectionName(const QString& line)
{
    const QString t = line.trimmed();
    return t.mid(1, t.size() - 2).trimmed();
}

// The key of a "key=value" line, or an empty text for any other line.
QString keyOf(const QString& line)
{
    const int eq = int(line.indexOf(QLatin1Char('=')));
    if (eq <= 0 || line.trimmed().startsWith(QLatin1Char(';')))
        return {};
    return line.left(eq).trimmed();
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

const QString kScreenSaverSection = QStringLiteral("Screen Saver.Quorvane Screen Saver");
const QString kApplicationSection = QStringLiteral("Application.Zafaro");

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

bool IniFile::load()
{
    m_lines.clear();
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString all = QString::fromUtf8(file.readAll());
    m_lines = all.split(QLatin1Char('\n'));
    for (QString& line : m_lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
    return true;
}

QString IniFile::text() const
{
    QString all;
    for (const QString& line : m_lines)
        all += line + QLatin1Char('\n');
    return all;
}

bool IniFile::save() const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text().toUtf8());
    return file.commit();
}

int IniFile::findSection(const QString& section) const
{
    for (int i = 0; i < m_lines.size(); ++i)
        if (isSectionLine(m_lines[i]) && sameName(sectionName(m_lines[i]), section))
            return i;
    return -1;
}

QString IniFile::value(const QString& section, const QString& key, const QString& fallback) const
{
    const int start = findSection(section);
    if (start < 0)
        return fallback;
    for (int i = start + 1; i < m_lines.size() && !isSectionLine(m_lines[i]); ++i) {
        if (sameName(keyOf(m_lines[i]), key)) {
            const QString& line = m_lines[i];
            return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
        }
    }
    return fallback;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    const QString entry = key + QLatin1Char('=') + value;
    const int start = findSection(section);
    if (start < 0) {
        if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty())
            m_lines.append(QString());
        m_lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        m_lines.append(entry);
        return;
    }
    int end = start + 1;
    for (; end < m_lines.size() && !isSectionLine(m_lines[end]); ++end) {
        if (sameName(keyOf(m_lines[end]), key)) {
            m_lines[end] = entry;
            return;
        }
    }
    // New keys go after the section's last entry, before the blank lines that part it from
    // the next section.
    int at = end;
    while (at > start + 1 && m_lines[at - 1].trimmed().isEmpty())
        --at;
    m_lines.insert(at, entry);
}

QString settingsDirectory()
{
    if (!settingsOverride().isEmpty())
        return settingsOverride();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

void setSettingsDirectory(const QString& dir)
{
    settingsOverride() = dir;
}

QString quorvaneIniPath()
{
    return QDir(settingsDirectory()).filePath(QStringLiteral("Quorvane.INI"));
}

QString screenSaverVersion()
{
    IniFile ini(quorvaneIniPath());
    ini.load();
    return ini.value(kScreenSaverSection, QStringLiteral("Version"), QStringLiteral("na"));
}

bool writeApplicationSettings()
{
    IniFile ini(quorvaneIniPath());
    ini.load();
    ini.setValue(kApplicationSection, QStringLiteral("Program Path"), programDirectory());
    ini.setValue(kApplicationSection, QStringLiteral("Version"), versionText());
    return ini.save();
}

} // namespace zaf
