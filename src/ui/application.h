#pragma once

#include "ui/error_handler.h"

#include <QApplication>

namespace zaf::gui {

/// The program's application object: every error escaping an event handler ends in its
/// error handler instead of ending the program.
class ZafApplication : public QApplication {
public:
    ZafApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    ErrorHandler& errorHandler() { return m_handler; }

private:
    ErrorHandler m_handler;
};

/// Runs `handler` on the error message of the exception being handled (call inside a catch).
void handleCurrentException(ErrorHandler& handler);

} // namespace zaf::gui
