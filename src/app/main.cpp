#include "core/app_state.h"
#include "core/command_line.h"
#include "core/program_dir.h"
#include "core/regional_settings.h"
#include "core/ui.h"
#include "core/version.h"
#include "calc/calc_hooks.h"
#include "store/data_form.h"
#include "store/shipped_help.h"
#include "ui/application.h"
#include "ui/configuration_form.h"
#include "ui/login_form.h"
#include "ui/main_window.h"
#include "ui/program_windows.h"

#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    zaf::gui::ZafApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ZAF"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("ZAF"));
    const zaf::CommandLine line = zaf::CommandLine::parse(app.arguments().mid(1));
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "zaf: %s\n\n%s", qPrintable(line.error), qPrintable(zaf::CommandLine::usage()));
        return 2;
    }
    if (line.help) {
        std::printf("%s", qPrintable(zaf::CommandLine::usage()));
        return 0;
    }
    if (line.version) {
        std::printf("Zafaro %s\n", qPrintable(zaf::versionText()));
        return 0;
    }

    zaf::setRegionalSettings(zaf::RegionalSettings::fromSystemLocale());
    zaf::setProgramDirectory(line.home.isEmpty() ? zaf::defaultProgramDirectory() : line.home);
    zaf::appState().debugMode = line.debug;
    zaf::appState().adminDebug = line.adminDebug;
    // The last diver window alive ends the program only through the shutdown steps.
    QApplication::setQuitOnLastWindowClosed(false);

    // The windows are made in the order the program has always made them: the main window
    // first (it finds a running copy), then the data module, then the login window, which
    // shows itself before the main window does.
    zaf::gui::TMain main;
    zaf::setUi(&main.windowUi());
    zaf::gui::ErrorHandler& handler = app.errorHandler();
    handler.watchdogRunning = [&main] { return main.watchdogRunning(); };
    main.setErrorHandler(&handler);

    if (zaf::appState().otherInstance) {
        // A copy that is refused opens no table and shows no login: it only says why.
        std::fprintf(stderr, "zaf: ZAF is already running.\n");
        main.show();
        return 0;
    }

    zaf::store::installShippedHelp();
    zaf::store::TData_Form data;
    zaf::calc::installCalcHooks(data);
    main.setDataForm(&data);
    handler.setDataForm(&data);
    try {
        data.DataCreate();
    } catch (...) {
        zaf::gui::handleCurrentException(handler);
    }
    if (zaf::appState().otherInstance) // the store started a fresh copy in this one's place
        return 0;

    zaf::gui::ProgramWindows windows(main, data);
    zaf::gui::TLogin login(&main, &data);
    zaf::gui::TConfiguration_form configuration(&main, &data);
    main.setLoginWindow(&login);
    main.setConfigurationWindow(&configuration);
    login.show();
    main.show();
    const int code = QApplication::exec();
    main.setDataForm(nullptr); // the pages over the tables go before the tables
    zaf::setUi(nullptr);
    return code;
}
