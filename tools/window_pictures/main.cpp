// zaf_window_pictures HOME OUTDIR: opens the program on HOME as a start does, logs in the
// first diver of HOME's user.zaf (when there is one) and writes login.png, main.png and
// configuration.png into OUTDIR. Run with QT_QPA_PLATFORM=offscreen.
#include "core/app_state.h"
#include "core/diver_file.h"
#include "core/program_dir.h"
#include "core/ui.h"
#include "store/data_form.h"
#include "ui/application.h"
#include "ui/configuration_form.h"
#include "ui/login_form.h"
#include "ui/main_window.h"

#include <QDir>
#include <QPushButton>
#include <cstdio>

namespace {

bool save(QWidget& window, const QString& file)
{
    QCoreApplication::processEvents();
    const bool ok = window.grab().save(file);
    std::printf("%s %s (%dx%d)\n", ok ? "wrote" : "could not write", qPrintable(file), window.width(), window.height());
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    zaf::gui::ZafApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: zaf_window_pictures HOME OUTDIR\n");
        return 2;
    }
    zaf::setProgramDirectory(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(out.path());

    zaf::gui::TMain main;
    zaf::setUi(&main.windowUi());
    zaf::store::TData_Form data;
    main.setDataForm(&data);
    data.DataCreate();
    zaf::gui::TLogin login(&main, &data);
    zaf::gui::TConfiguration_form configuration(&main, &data);
    main.setLoginWindow(&login);
    main.setConfigurationWindow(&configuration);
    login.show();
    main.show();
    bool ok = save(login, out.filePath(QStringLiteral("login.png")));
    if (!zaf::diverTable().slot(1).isFree())
        login.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    ok &= save(main, out.filePath(QStringLiteral("main.png")));
    configuration.show();
    ok &= save(configuration, out.filePath(QStringLiteral("configuration.png")));
    zaf::appState().exitRequested = true; // leave without the shutdown steps
    zaf::setUi(nullptr);
    return ok ? 0 : 1;
}
