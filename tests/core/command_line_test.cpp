#include "core/command_line.h"
#include "core/program_dir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace zaf {
namespace {

TEST(CommandLine, DebugSwitchesAreFoundAnywhereAndCaseSensitive)
{
    struct Case {
        QStringList args;
        bool debug;
        bool admin;
    };
    const Case cases[] = {
        {{QStringLiteral("/Tzolk")}, true, false},
        {{QStringLiteral("/Tzolk_Varnu")}, true, true},
        {{QStringLiteral("--home"), QStringLiteral("/tmp/x"), QStringLiteral("x/Tzolky")}, true, false},
        {{QStringLiteral("/tzolk")}, false, false},
        {{QStringLiteral("/TZOLK_VARNU")}, false, false},
        {{}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const CommandLine line = CommandLine::parse(c.args);
        EXPECT_EQ(line.debug, c.debug);
        EXPECT_EQ(line.adminDebug, c.admin);
    }
}

TEST(CommandLine, HomeHelpAndVersion)
{
    EXPECT_EQ(CommandLine::parse({QStringLiteral("--home"), QStringLiteral("/tmp/h")}).home, QStringLiteral("/tmp/h"));
    EXPECT_EQ(CommandLine::parse({QStringLiteral("--home=/tmp/h")}).home, QStringLiteral("/tmp/h"));
    EXPECT_FALSE(CommandLine::parse({QStringLiteral("--home")}).error.isEmpty());
    EXPECT_TRUE(CommandLine::parse({QStringLiteral("--help")}).help);
    EXPECT_TRUE(CommandLine::parse({QStringLiteral("--version")}).version);
}

TEST(ProgramDirectory, AlwaysEndsInASeparatorAndHoldsTheFixedFolders)
{
    setProgramDirectory(QStringLiteral("/tmp/zaf-home"));
    EXPECT_EQ(programDirectory(), QStringLiteral("/tmp/zaf-home/"));
    setProgramDirectory(QStringLiteral("/tmp/zaf-home/"));
    EXPECT_EQ(programDirectory(), QStringLiteral("/tmp/zaf-home/"));
    EXPECT_EQ(dataDirectory(), QStringLiteral("/tmp/zaf-home/data/"));
    EXPECT_EQ(backupDirectory(), QStringLiteral("/tmp/zaf-home/data/backup/"));
    EXPECT_EQ(htmlDirectory(), QStringLiteral("/tmp/zaf-home/HTML/"));
    EXPECT_TRUE(defaultProgramDirectory().endsWith(QStringLiteral("/zaf/")));
    // A relative home is taken from the working directory.
    setProgramDirectory(QStringLiteral("rel"));
    EXPECT_EQ(programDirectory(), QDir::current().absoluteFilePath(QStringLiteral("rel")) + QLatin1Char('/'));
}

} // namespace
} // namespace zaf
