#include "ui/background_pictures.h"

#include <QDir>
#include <QFileInfo>

namespace zaf::gui {

QString backgroundFile(const QString& directory, int slot)
{
    const QDir dir(directory);
    for (const char* extension : {".bmp", ".jpg"}) {
        const QString path = dir.filePath(QString::number(slot) + QLatin1String(extension));
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace zaf::gui
