#include "core/ini_settings.h"
#include "core/program_dir.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zaf {
namespace {

class IniSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(settings.isValid() && home.isValid());
        setSettingsDirectory(settings.path());
        setProgramDirectory(home.path());
    }
    void TearDown() override { setSettingsDirectory({}); }

    void writeIni(const QByteArray& text)
    {
        QFile f(quorvaneIniPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QString readIni()
    {
        QFile f(quorvaneIniPath());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    QTemporaryDir settings;
    QTemporaryDir home;
};

TEST_F(IniSettingsTest, ApplicationSectionIsWrittenLiterally)
{
    ASSERT_TRUE(writeApplicationSettings());
    EXPECT_EQ(readIni(), QStringLiteral("[Application.Zafaro]\nProgram Path=") + programDirectory() +
                             QStringLiteral("\nVersion=Beta 0.67\n"));
}

TEST_F(IniSettingsTest, RewritingKeepsTheOtherSectionsAndReplacesTheValues)
{
    writeIni("; shared settings\r\n[COM ports]\r\nCOM1=/dev/ttyUSB0\r\n\r\n[application.zafaro]\r\n"
             "version=Beta 0.50\r\nExtra=1\r\n\r\n[Server]\r\nHost=127.0.0.1\r\n");
    ASSERT_TRUE(writeApplicationSettings());
    EXPECT_EQ(readIni(), QStringLiteral("; shared settings\n[COM ports]\nCOM1=/dev/ttyUSB0\n\n[application.zafaro]\n"
                                        "Version=Beta 0.67\nExtra=1\nProgram Path=") +
                             programDirectory() + QStringLiteral("\n\n[Server]\nHost=127.0.0.1\n"));
}

TEST_F(IniSettingsTest, ScreenSaverVersion)
{
    EXPECT_EQ(screenSaverVersion(), QStringLiteral("na"));
    writeIni("[Screen Saver.Quorvane Screen Saver]\nOther=1\n");
    EXPECT_EQ(screenSaverVersion(), QStringLiteral("na"));
    writeIni("[Other]\nVersion=9\n[Screen Saver.Quorvane Screen Saver]\nversion = 2.1 \n");
    EXPECT_EQ(screenSaverVersion(), QStringLiteral("2.1"));
}

} // namespace
} // namespace zaf
