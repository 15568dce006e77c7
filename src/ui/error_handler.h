#pragma once

#include <QString>
#include <functional>

namespace zaf::store {
class TData_Form;
}

namespace zaf::gui {

/// What the program does with an error that no command caught: a damaged memo is repaired,
/// a duplicate key cancels every pending edit, anything else is shown with a request to
/// report it. Every error is traced. Nothing is raised again.
class ErrorHandler {
public:
    /// The tables whose pending edits a duplicate key cancels (null until the store exists).
    void setDataForm(store::TData_Form* data) { m_data = data; }
    /// Repairs the current record of every table after a damaged memo was read.
    std::function<void()> blobRepairHook;
    /// True while the shutdown watchdog runs; the user is then told nothing.
    std::function<bool()> watchdogRunning;

    /// Handles one uncaught error with message text `message`.
    void handle(const QString& message);

private:
    void cancelPendingEdits();

    store::TData_Form* m_data = nullptr;
};

} // namespace zaf::gui
