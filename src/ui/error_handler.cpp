#include "ui/error_handler.h"

#include "core/trace.h"
#include "core/ui.h"
#include "store/data_form.h"
#include "store/errors.h"

namespace zaf::gui {

void ErrorHandler::handle(const QString& message)
{
    const QString upper = message.toUpper();
    if (upper.left(4) == QLatin1String("BLOB")) {
        if (blobRepairHook)
            blobRepairHook();
    } else if (upper.left(13) == QLatin1String("KEY VIOLATION")) {
        cancelPendingEdits();
        ui().message(QStringLiteral("This is a duplicate record.  It cannot be saved."), MessageKind::Error);
    } else if (!(watchdogRunning && watchdogRunning())) {
        ui().message(message + QLatin1Char('\r')
                         + QStringLiteral("Please report this error and what caused the error to ZAF Support."),
                     MessageKind::Error);
    }
    write_debug_message(QStringLiteral("Exception"), message);
}

void ErrorHandler::cancelPendingEdits()
{
    if (!m_data)
        return;
    store::TData_Form& d = *m_data;
    // Not only the table that failed: a duplicate can come from a rule that wrote into
    // another table, and a half-done edit left behind would fail again at the next post.
    store::Table* const tables[] = {&d.Divers_Table,    &d.DiveLog_Table,       &d.OthersLog_Table,
                                    &d.DiveSite_Table,  &d.DiveResources_Table, &d.Travel_Table,
                                    &d.Equipment_Table, &d.Pictures_Table,      &d.DiveComputer_Table};
    for (store::Table* table : tables) {
        if (!table->isEditing())
            continue;
        try {
            table->cancel();
        } catch (const store::DatabaseError&) {
            // A cancel that fails leaves that table as it was; the others are still cancelled.
        }
    }
}

} // namespace zaf::gui
