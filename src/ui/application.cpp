#include "ui/application.h"

#include "store/errors.h"

#include <exception>

namespace zaf::gui {

ZafApplication::ZafApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool ZafApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        handleCurrentException(m_handler);
    }
    return false;
}

void handleCurrentException(ErrorHandler& handler)
{
    try {
        throw;
    } catch (const store::DatabaseError& e) {
        handler.handle(e.message());
    } catch (const std::exception& e) {
        handler.handle(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        handler.handle(QStringLiteral("Unknown error."));
    }
}

} // namespace zaf::gui
