#pragma once

namespace zaf::gui {

/// Hands the exception being handled to the application's error handler, as if it had
/// escaped the event that caused it (call inside a catch). Without the program's
/// application object the exception is raised again.
void passToErrorHandler();

} // namespace zaf::gui
