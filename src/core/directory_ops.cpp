#include "core/directory_ops.h"

#include "core/cancel_flag.h"
#include "core/ui.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zaf {

namespace {

constexpr QFile::Permissions kOwnerAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

QDir::Filters allEntries()
{
    return QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
}

QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

// The "user" flags Qt reports are what the current user may do (root may always write);
// only the owner, group and other bits are the file's own.
QFile::Permissions ownPermissions(const QFileInfo& info)
{
    return info.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
}

bool isReadOnly(const QFileInfo& info)
{
    return !(info.permissions() & QFile::WriteOwner);
}

// A target is up to date when it has the source's size and time and is not locked against
// writing where the source is not.
bool upToDate(const QFileInfo& source, const QFileInfo& target)
{
    if (!target.exists() || !target.isFile() || target.size() != source.size())
        return false;
    const qint64 a = source.lastModified().toSecsSinceEpoch();
    const qint64 b = target.lastModified().toSecsSinceEpoch();
    return a == b && (!isReadOnly(target) || isReadOnly(source));
}

// Copies the bytes over the target in place, so a write-protected target makes it fail
// as it would for any other program.
bool copyOver(const QString& source, const QString& target, QString& error)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        error = in.errorString();
        return false;
    }
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = out.errorString();
        return false;
    }
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() && in.error() != QFile::NoError) {
            error = in.errorString();
            return false;
        }
        if (out.write(chunk) != chunk.size()) {
            error = out.errorString();
            return false;
        }
    }
    out.setFileTime(QFileInfo(source).lastModified(), QFileDevice::FileModificationTime);
    out.close();
    return true;
}

bool mirrorFile(const QFileInfo& source, const QString& targetDir)
{
    const QString target = targetDir + QLatin1Char('/') + source.fileName();
    if (upToDate(source, QFileInfo(target)))
        return true;
    QString error;
    bool copied = copyOver(source.filePath(), target, error);
    if (!copied) {
        // A write-protected target loses its protection and gets a second chance.
        if (QFileInfo::exists(target))
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner | QFile::ReadOwner);
        copied = copyOver(source.filePath(), target, error);
    }
    if (!copied) {
        const QString text = QStringLiteral("Copy ") + source.filePath() + QStringLiteral(" to ") + target +
                             QStringLiteral(" Failed because ") + error;
        if (ui().askOkCancel(text, MessageKind::Error) == Answer::Cancel)
            setCancel(true);
        return false;
    }
    QFile::setPermissions(target, ownPermissions(source));
    return true;
}

} // namespace

bool copy_directory(const QString& source, const QString& target)
{
    const QString from = withoutTrailingSlash(source);
    const QString to = withoutTrailingSlash(target);
    bool complete = true;
    const QFileInfoList entries = QDir(from).entryInfoList(allEntries(), QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (cancelRequested())
            return false;
        if (entry.isDir()) {
            // A linked directory could lead back into the tree being copied.
            if (entry.isSymLink())
                continue;
            const QString sub = to + QLatin1Char('/') + entry.fileName();
            QDir().mkpath(sub);
            QFile::setPermissions(sub, QFile::permissions(sub) | kOwnerAll);
            complete = copy_directory(entry.filePath(), sub) && complete;
            // The source's permissions go on last, so a protected directory is still filled.
            QFile::setPermissions(sub, ownPermissions(entry) | kOwnerAll);
        } else if (entry.isFile()) {
            complete = mirrorFile(entry, to) && complete;
        }
    }
    return complete && !cancelRequested();
}

void Delete_directory(const QString& path)
{
    const QString dir = withoutTrailingSlash(path);
    const QFileInfo info(dir);
    if (!info.isDir() || info.isSymLink())
        return;
    QFile::setPermissions(dir, QFile::permissions(dir) | kOwnerAll);
    const QFileInfoList entries = QDir(dir).entryInfoList(allEntries(), QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (cancelRequested())
            break;
        if (entry.isDir() && !entry.isSymLink()) {
            Delete_directory(entry.filePath());
        } else {
            if (!entry.isSymLink())
                QFile::setPermissions(entry.filePath(), ownPermissions(entry) | QFile::WriteOwner);
            QFile::remove(entry.filePath());
        }
    }
    QDir().rmdir(dir);
}

} // namespace zaf
