#include "core/app_state.h"
#include "core/command_line.h"
#include "core/program_dir.h"
#include "core/regional_settings.h"
#include "core/version.h"
#include "store/data_form.h"
#include "store/errors.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ZAF"));
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

    // Until the main window exists, a start opens the store in the program directory
    // (creating what is missing) and closes it again.
    try {
        zaf::store::TData_Form data;
        data.DataCreate();
        if (zaf::appState().otherInstance)
            return 0;
        std::printf("ZAF %s: logbook ready in %s\n", qPrintable(zaf::versionText()),
                    qPrintable(zaf::programDirectory()));
    } catch (const zaf::store::DatabaseError& e) {
        std::fprintf(stderr, "zaf: %s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
