#include "ui/single_instance.h"

#include <QDir>
#include <QLockFile>

namespace zaf::gui {

SingleInstance::SingleInstance() = default;

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire(const QString& directory, const QString& title)
{
    release();
    QDir().mkpath(directory);
    auto lock = std::make_unique<QLockFile>(QDir(directory).filePath(title + QStringLiteral(".lock")));
    // A running copy holds its lock for the whole run, so a lock is never stale by age;
    // only one whose process is gone is taken over (QLockFile checks the process itself).
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    m_lock = std::move(lock);
    return true;
}

void SingleInstance::release()
{
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}

} // namespace zaf::gui
