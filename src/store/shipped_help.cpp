#include "store/shipped_help.h"

#include "core/program_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace zaf::store {
namespace {
const QString kHelpFile = QStringLiteral("ZAFHelp.DB");
}

QStringList shippedHelpDirectories()
{
    QStringList dirs;
#ifdef ZAF_BUILD_SHARE_DIR
    dirs.append(QStringLiteral(ZAF_BUILD_SHARE_DIR "/help"));
#endif
    if (QCoreApplication::instance())
        dirs.append(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/zaf/help"));
    dirs += QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("zaf/help"),
                                      QStandardPaths::LocateDirectory);
    return dirs;
}

bool installShippedHelp(const QStringList& sources)
{
    const QString target = helpDirectory() + kHelpFile;
    if (QFileInfo::exists(target))
        return true;
    for (const QString& dir : sources) {
        const QString source = QDir(dir).filePath(kHelpFile);
        if (!QFileInfo(source).isFile())
            continue;
        QDir().mkpath(helpDirectory());
        if (!QFile::copy(source, target))
            continue;
        // An installed copy is read-only; the table engine must be able to open its own copy
        // for writing to keep its journal beside it.
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        return true;
    }
    return false;
}

} // namespace zaf::store
