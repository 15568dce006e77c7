#include "ui/slot_errors.h"

#include "core/ui.h"
#include "store/errors.h"
#include "ui/application.h"

#include <QCoreApplication>
#include <exception>

namespace zaf::gui {

void reportCurrentException()
{
    if (auto* app = dynamic_cast<ZafApplication*>(QCoreApplication::instance())) {
        handleCurrentException(app->errorHandler());
        return;
    }
    try {
        throw;
    } catch (const store::DatabaseError& e) {
        ui().message(e.message(), MessageKind::Error);
    } catch (const std::exception& e) {
        ui().message(QString::fromLocal8Bit(e.what()), MessageKind::Error);
    } catch (...) {
        ui().message(QStringLiteral("Unknown error."), MessageKind::Error);
    }
}

} // namespace zaf::gui
