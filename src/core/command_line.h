#pragma once

#include <QString>
#include <QStringList>

namespace zaf {

/// What the command line asks for.
struct CommandLine {
    QString home;            ///< --home DIR; empty for the default program directory
    bool debug = false;      ///< "/Tzolk" appears anywhere (so "/Tzolk_Varnu" counts too)
    bool adminDebug = false; ///< "/Tzolk_Varnu" appears anywhere
    bool help = false;       ///< --help
    bool version = false;    ///< --version
    QString error;           ///< a usage error, empty when the line is fine

    /// Parses the arguments after the program name. The debug switches are found in the
    /// whole command line as one text, case-sensitively, as the program always has.
    static CommandLine parse(const QStringList& arguments);
    /// The --help text.
    static QString usage();
};

} // namespace zaf
