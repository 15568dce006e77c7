#include "store/picture_files.h"

#include "core/program_dir.h"

#include <QDir>
#include <QFileInfo>

namespace zaf::store {

QString pictureFilePath(const QString& storedName)
{
    QString relative = storedName.trimmed();
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (relative.isEmpty() || QDir::isAbsolutePath(relative) || relative.contains(QLatin1Char(':')))
        return {};
    const QString base = QDir::cleanPath(picturesDirectory());
    const QString path = QDir::cleanPath(base + QLatin1Char('/') + relative);
    if (!path.startsWith(base + QLatin1Char('/')))
        return {};
    return path;
}

bool pictureFileExists(const QString& storedName)
{
    const QString path = pictureFilePath(storedName);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

} // namespace zaf::store
