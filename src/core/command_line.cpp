#include "core/command_line.h"

namespace zaf {

CommandLine CommandLine::parse(const QStringList& arguments)
{
    CommandLine line;
    const QString whole = arguments.join(QLatin1Char(' '));
    line.debug = whole.contains(QStringLiteral("/Tzolk"));
    line.adminDebug = whole.contains(QStringLiteral("/Tzolk_Varnu"));
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QStringLiteral("--home")) {
            if (i + 1 >= arguments.size()) {
                line.error = QStringLiteral("--home needs a directory");
                break;
            }
            line.home = arguments[++i];
        } else if (arg.startsWith(QStringLiteral("--home="))) {
            line.home = arg.mid(7);
        } else if (arg == QStringLiteral("--help") || arg == QStringLiteral("-h")) {
            line.help = true;
        } else if (arg == QStringLiteral("--version")) {
            line.version = true;
        }
    }
    if (line.error.isEmpty() && arguments.contains(QStringLiteral("--home")) && line.home.isEmpty())
        line.error = QStringLiteral("--home needs a directory");
    return line;
}

QString CommandLine::usage()
{
    return QStringLiteral(
        "Usage: zaf [--home DIR] [/Tzolk | /Tzolk_Varnu]\n"
        "\n"
        "  --home DIR     keep the logbook in DIR (created when missing);\n"
        "                 default: ~/.local/share/zaf/\n"
        "  --version      print the version and exit\n"
        "  --help         print this text and exit\n"
        "  /Tzolk         debug mode: write the trace log\n"
        "  /Tzolk_Varnu   debug mode with the Debug menu\n");
}

} // namespace zaf
