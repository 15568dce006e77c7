#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace zaf::gui {

/// Refuses a second running copy on one program directory. The lock file is named after the
/// main window's title and kept in the program directory: what must never happen is two
/// copies working on one set of tables, while copies on different homes (and tests running
/// side by side) do not disturb each other. The lock of a copy that died is taken over.
class SingleInstance {
public:
    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    /// Takes the lock in `directory` for the window title `title`; false when another
    /// running copy holds it.
    bool acquire(const QString& directory, const QString& title);
    /// Lets go of the lock (before a new copy is started in this one's place).
    void release();

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace zaf::gui
