// zaf_window_pictures HOME OUTDIR [--sample]: opens the program on HOME as a start does, logs
// in the first diver of HOME's user.zaf (when there is one) and writes login.png, main.png,
// configuration.png and a picture of every page (page-<n>.png, and page-<n>-large.png with the
// window enlarged) into OUTDIR. --sample first gives HOME a diver and a small log when it has
// no diver yet. Run with QT_QPA_PLATFORM=offscreen.
#include "core/app_state.h"
#include "core/config_record.h"
#include "core/diver_file.h"
#include "core/program_dir.h"
#include "core/ui.h"
#include "store/data_form.h"
#include "ui/application.h"
#include "ui/configuration_form.h"
#include "ui/login_form.h"
#include "ui/main_window.h"
#include "calc/calc_hooks.h"
#include "sample_log.h"

#include <QTabWidget>
#include "ui/record_page.h"

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
    const bool sample = argc == 4 && QLatin1String(argv[3]) == QLatin1String("--sample");
    if (argc != 3 && !sample) {
        std::fprintf(stderr, "usage: zaf_window_pictures HOME OUTDIR [--sample]\n");
        return 2;
    }
    zaf::setProgramDirectory(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(out.path());

    bool fill = false;
    if (sample && zaf::diverTable().read().isEmpty()) {
        zaf::DiverTable divers;
        divers.slot(1) = zaf::DiverSlot{QStringLiteral("Ann Diver"), QString(), QStringLiteral("ann@example.org")};
        divers.slot(2) = zaf::DiverSlot{QStringLiteral("Max Reef"), QString(), QStringLiteral("max@example.org")};
        divers.write();
        fill = true;
    }

    zaf::gui::TMain main;
    zaf::setUi(&main.windowUi());
    zaf::store::TData_Form data;
    zaf::calc::installCalcHooks(data);
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
    if (fill) {
        if (zaf::config().userName.isEmpty() || zaf::config().userName == QLatin1String("config")) {
            std::fprintf(stderr, "zaf_window_pictures: the login did not succeed\n");
            return 1;
        }
        writeSampleLog(data);
    }
    auto* pages = main.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (const QSize size : {main.size(), QSize(1000, 760)}) {
        main.resize(size);
        for (int n = 0; n < pages->count(); ++n) {
            if (!pages->isTabVisible(n))
                continue;
            main.showPage(zaf::Page(n));
            if (zaf::gui::RecordPage* page = main.recordPage(zaf::Page(n)); page && n != int(zaf::Page::DiveLog))
                page->table().first();
            const QString name = size == QSize(1000, 760) ? QStringLiteral("page-%1-large.png") : QStringLiteral("page-%1.png");
            ok &= save(main, out.filePath(name.arg(n)));
        }
    }
    configuration.show();
    ok &= save(configuration, out.filePath(QStringLiteral("configuration.png")));
    zaf::appState().exitRequested = true; // leave without the shutdown steps
    main.setDataForm(nullptr);
    zaf::setUi(nullptr);
    return ok ? 0 : 1;
}
