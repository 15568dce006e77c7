// The widget tests need one QApplication for the whole run; it is made before main() so
// every test file can create windows. The offscreen platform is the default here, so the
// tests run without a display.
#include <QApplication>

namespace {

QApplication* makeApplication()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tests_ui";
    static char* argv[] = {name, nullptr};
    return new QApplication(argc, argv);
}

[[maybe_unused]] QApplication* const g_application = makeApplication();

} // namespace
