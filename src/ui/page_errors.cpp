#include "ui/page_errors.h"

#include "ui/application.h"

namespace zaf::gui {

void passToErrorHandler()
{
    auto* app = dynamic_cast<ZafApplication*>(QCoreApplication::instance());
    if (!app)
        throw;
    handleCurrentException(app->errorHandler());
}

} // namespace zaf::gui
