#pragma once

namespace zaf::gui {

/// Hands the exception being handled (call inside a catch) to the application's error
/// handler, or shows its message when the application object has none. Event handlers and
/// slots of the record pages end here instead of letting an exception cross Qt.
void reportCurrentException();

/// Runs `action`, reporting whatever it throws as reportCurrentException does. Returns
/// whether it ran through.
template <typename Action>
bool runReported(Action&& action)
{
    try {
        action();
        return true;
    } catch (...) {
        reportCurrentException();
        return false;
    }
}

} // namespace zaf::gui
