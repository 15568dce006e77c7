#include "ui/debug_password.h"

#include "core/app_state.h"
#include "core/ui.h"
#include "store/data_form.h"

namespace zaf::gui {
namespace {

/// The answer to one password question; a cancelled box counts as an empty answer.
QString askPassword()
{
    QString answer;
    if (!ui().inputBox(QStringLiteral("ZAF Debug Mode"), QStringLiteral("Enter Debug Password"), answer))
        answer.clear();
    return answer;
}

void switchOn(store::TData_Form& data)
{
    appState().debugMode = true;
    data.Commit_Changes();
}

} // namespace

bool askDebugPassword(store::TData_Form& data, const DebugModeHooks& hooks)
{
    if (appState().debugMode)
        return false;
    if (askPassword() == QLatin1String("/Tzolk")) {
        switchOn(data);
        ui().setStatus(QStringLiteral("Debugging Mode enabled."));
        return true;
    }
    // The administrator password is only taken at the second question.
    if (askPassword() != QLatin1String("/Tzolk_Varnu"))
        return false;
    switchOn(data);
    appState().adminDebug = true;
    if (hooks.showDebugMenu)
        hooks.showDebugMenu();
    if (hooks.traceFileTransfers)
        hooks.traceFileTransfers();
    ui().setStatus(QStringLiteral("Debugging Mode enabled."));
    return true;
}

} // namespace zaf::gui
