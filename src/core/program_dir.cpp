#include "core/program_dir.h"

#include <QDir>
#include <QStandardPaths>

namespace zaf {
namespace {

QString& current()
{
    static QString dir;
    return dir;
}

QString withSeparator(QString dir)
{
    if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QString sub(const char* name)
{
    return programDirectory() + QLatin1String(name) + QLatin1Char('/');
}

} // namespace

QString programDirectory()
{
    if (current().isEmpty())
        current() = defaultProgramDirectory();
    return current();
}

void setProgramDirectory(const QString& dir)
{
    current() = withSeparator(QDir::cleanPath(QDir(dir).absolutePath()));
}

QString defaultProgramDirectory()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return withSeparator(QDir::cleanPath(base + QStringLiteral("/zaf")));
}

QString dataDirectory() { return sub("data"); }
QString backupDirectory() { return sub("data/backup"); }
QString picturesDirectory() { return sub("pictures"); }
QString helpDirectory() { return sub("help"); }
QString templatesDirectory() { return sub("web_templates"); }
QString htmlDirectory() { return sub("HTML"); }
QString exportDirectory() { return sub("export"); }
QString backgroundsDirectory() { return sub("backgrounds"); }
QString updateDirectory() { return sub("update"); }

} // namespace zaf
