#include "core/config_file.h"
#include "core/day_count.h"
#include "core/program_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

namespace zaf {
namespace {

// A stored record built by hand from the layout, independently of the encoder.
class RecordBytes {
public:
    RecordBytes() : bytes(ConfigRecordSize, '\0') {}

    RecordBytes& text(int at, const char* s)
    {
        const auto n = std::strlen(s);
        bytes[at] = char(n);
        std::memcpy(bytes.data() + at + 1, s, n);
        return *this;
    }
    RecordBytes& i32(int at, uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = char((v >> (8 * i)) & 0xFF);
        return *this;
    }
    RecordBytes& i16(int at, uint16_t v)
    {
        bytes[at] = char(v & 0xFF);
        bytes[at + 1] = char(v >> 8);
        return *this;
    }
    RecordBytes& f64(int at, double v)
    {
        uint64_t raw;
        std::memcpy(&raw, &v, 8);
        for (int i = 0; i < 8; ++i)
            bytes[at + i] = char((raw >> (8 * i)) & 0xFF);
        return *this;
    }
    RecordBytes& flag(int at, bool v)
    {
        bytes[at] = v ? 1 : 0;
        return *this;
    }

    QByteArray bytes;
};

// One record with a distinct value in every field, and the same record as stored bytes.
ConfigRecord sampleRecord()
{
    ConfigRecord r;
    r.formatVersion = QStringLiteral("0.16");
    r.programVersion = QStringLiteral("Beta 0.67");
    r.top = 20;
    r.left = -3;
    r.width = 800;
    r.height = 600;
    r.backgroundFontColor = 0x00FF8040;
    r.userName = QStringLiteral("Zoë Diver");
    r.userEmail = QStringLiteral("zoe@example.org");
    r.shareContactInfo = false;
    r.enableRecordSharing = true;
    r.enablePictureSharing = false;
    r.downloadPort = QStringLiteral("COM3");
    r.diveComputerModel = 5;
    r.lastUpdateCheck = 45000.5;
    r.pictureQuality = 75;
    r.lastServerVerification = 45001.25;
    r.enableInternet = true;
    r.lastPictureDirectory = QStringLiteral("/home/zoe/pics");
    r.screenLayout = 11;
    r.shareWithDan = false;
    r.templatesVersion = QStringLiteral("T7");
    r.helpVersion = QStringLiteral("H9");
    r.lastLoginIndex = 4;
    r.alwaysTrue = true;
    r.lastMessageBoardFetch = 44990.0;
    r.lastAlertId = QStringLiteral("A1");
    r.lastMessageOfDayId = QStringLiteral("M2");
    r.autoSynchronize = true;
    r.lastBackupDirectory = QStringLiteral("/backup");
    r.reserved = -2;
    r.lastLogo1MessageId = QStringLiteral("L1");
    r.lastLogo2MessageId = QStringLiteral("L2");
    return r;
}

QByteArray sampleBytes()
{
    RecordBytes b;
    b.text(0, "0.16").text(11, "Beta 0.67");
    b.i32(24, 20).i32(28, uint32_t(-3)).i32(32, 800).i32(36, 600).i32(40, 0x00FF8040);
    b.text(44, "Zo\xEB Diver").text(85, "zoe@example.org");
    b.flag(166, false).flag(167, true).flag(168, false);
    b.text(169, "COM3").i32(180, 5).f64(184, 45000.5).i32(192, 75).f64(200, 45001.25);
    b.flag(208, true).text(209, "/home/zoe/pics").i16(460, 11).flag(462, false);
    b.text(463, "T7").text(484, "H9").i32(508, 4).flag(512, true).f64(520, 44990.0);
    b.text(528, "A1").text(539, "M2").flag(550, true).text(551, "/backup").i32(804, uint32_t(-2));
    b.text(808, "L1").text(819, "L2");
    return b.bytes;
}

class ConfigFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        setProgramDirectory(home.path());
        config() = ConfigRecord();
    }
    void TearDown() override { config() = ConfigRecord(); }

    void store(const QString& name, const QByteArray& bytes)
    {
        QFile f(home.path() + QLatin1Char('/') + name + QStringLiteral(".zaf"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray stored(const QString& name)
    {
        QFile f(home.path() + QLatin1Char('/') + name + QStringLiteral(".zaf"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir home;
    const ScreenSize screen{1280, 1024};
};

TEST_F(ConfigFileTest, RecordEncodesToTheStoredLayoutByteForByte)
{
    const QByteArray expected = sampleBytes();
    const QByteArray actual = encodeConfig(sampleRecord());
    ASSERT_EQ(actual.size(), ConfigRecordSize);
    for (int i = 0; i < ConfigRecordSize; ++i)
        ASSERT_EQ(uint8_t(actual[i]), uint8_t(expected[i])) << "byte " << i;
}

TEST_F(ConfigFileTest, StoredBytesDecodeToEveryField)
{
    ConfigRecord r;
    ASSERT_TRUE(decodeConfig(sampleBytes(), r));
    EXPECT_EQ(encodeConfig(r), sampleBytes());
    EXPECT_EQ(r.userName, QStringLiteral("Zoë Diver"));
    EXPECT_EQ(r.left, -3);
    EXPECT_EQ(r.reserved, -2);
    EXPECT_EQ(r.screenLayout, 11);
    EXPECT_DOUBLE_EQ(r.lastServerVerification, 45001.25);

    ConfigRecord untouched = sampleRecord();
    EXPECT_FALSE(decodeConfig(sampleBytes().left(831), untouched));
    EXPECT_EQ(untouched.userName, sampleRecord().userName);
}

TEST_F(ConfigFileTest, MissingFileGivesTheDefaults)
{
    const double before = nowDayCount();
    EXPECT_FALSE(readConfig(QStringLiteral("config"), screen));
    const ConfigRecord& r = config();
    EXPECT_EQ(r.userName, QStringLiteral("config"));
    EXPECT_EQ(r.top, 10);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.width, 616);
    EXPECT_EQ(r.height, 586);
    EXPECT_TRUE(r.shareContactInfo && r.enableRecordSharing && r.enablePictureSharing && r.enableInternet &&
                r.shareWithDan && r.alwaysTrue);
    EXPECT_FALSE(r.autoSynchronize);
    EXPECT_EQ(r.pictureQuality, 100);
    EXPECT_EQ(r.reserved, 0);
    EXPECT_EQ(r.screenLayout, 0);
    EXPECT_GE(r.lastUpdateCheck, before);
    EXPECT_NEAR(r.lastMessageBoardFetch, before - 60.0, 0.01);
}

TEST_F(ConfigFileTest, SmallScreenDefaultsToLayoutSix)
{
    readConfig(QStringLiteral("config"), ScreenSize{800, 600});
    EXPECT_EQ(config().screenLayout, 6);
}

TEST_F(ConfigFileTest, StoredRecordIsReadBackAsStored)
{
    store(QStringLiteral("Zoe"), sampleBytes());
    EXPECT_TRUE(readConfig(QStringLiteral("Zoe"), screen));
    ConfigRecord expected = sampleRecord();
    expected.left = 10; // a negative left is put back on the screen
    EXPECT_EQ(encodeConfig(config()), encodeConfig(expected));
}

TEST_F(ConfigFileTest, OldFormatVersionGetsDefaultsButKeepsTheReservedInteger)
{
    QByteArray bytes = sampleBytes();
    bytes[1] = '9'; // "9.16"
    store(QStringLiteral("Zoe"), bytes);
    EXPECT_FALSE(readConfig(QStringLiteral("Zoe"), screen));
    EXPECT_EQ(config().reserved, -2);
    EXPECT_EQ(config().pictureQuality, 100);
    EXPECT_TRUE(config().shareContactInfo);
    EXPECT_EQ(config().downloadPort, QStringLiteral("COM3"));
}

TEST_F(ConfigFileTest, EarlyMessageBoardTimeIsMovedToSixtyDaysAgo)
{
    store(QStringLiteral("Zoe"), RecordBytes().text(0, "0.16").f64(520, 69.9).bytes);
    readConfig(QStringLiteral("Zoe"), screen);
    EXPECT_NEAR(config().lastMessageBoardFetch, nowDayCount() - 60.0, 0.01);
}

TEST_F(ConfigFileTest, PlacementIsKeptOnTheScreen)
{
    struct Case {
        const char* what;
        int top, left, width, height;
        int wantTop, wantLeft, wantWidth, wantHeight;
    };
    const Case cases[] = {
        {"fits", 100, 50, 800, 600, 100, 50, 800, 600},
        {"below the screen", 2000, 50, 800, 600, 10, 50, 800, 600},
        {"right of the screen", 100, 1300, 800, 600, 100, 10, 800, 600},
        {"negative", -1, -5, 800, 600, 10, 10, 800, 600},
        {"too small", 100, 50, 5, 5, 100, 50, 616, 586},
        {"too large", 100, 50, 1281, 1025, 100, 50, 616, 586},
        {"screen-sized", 1024, 1280, 1280, 1024, 1024, 1280, 1280, 1024},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ConfigRecord r;
        r.top = c.top;
        r.left = c.left;
        r.width = c.width;
        r.height = c.height;
        keepOnScreen(r, screen);
        EXPECT_EQ(r.top, c.wantTop);
        EXPECT_EQ(r.left, c.wantLeft);
        EXPECT_EQ(r.width, c.wantWidth);
        EXPECT_EQ(r.height, c.wantHeight);
    }
}

TEST_F(ConfigFileTest, FirstLoginKeepsThePreviousDiversSetupButNotTheirSwitches)
{
    store(QStringLiteral("Zoe"), sampleBytes());
    readConfig(QStringLiteral("Zoe"), screen);
    config().userName = QStringLiteral("Newcomer");
    EXPECT_FALSE(readConfig(QStringLiteral("Newcomer"), screen));
    const ConfigRecord& r = config();
    EXPECT_EQ(r.userName, QStringLiteral("Newcomer"));
    EXPECT_EQ(r.downloadPort, QStringLiteral("COM3"));
    EXPECT_EQ(r.diveComputerModel, 5);
    EXPECT_EQ(r.lastPictureDirectory, QStringLiteral("/home/zoe/pics"));
    EXPECT_EQ(r.lastBackupDirectory, QStringLiteral("/backup"));
    EXPECT_EQ(r.templatesVersion, QStringLiteral("T7"));
    EXPECT_EQ(r.helpVersion, QStringLiteral("H9"));
    EXPECT_TRUE(r.shareContactInfo);
    EXPECT_TRUE(r.enablePictureSharing);
    EXPECT_FALSE(r.autoSynchronize);
    EXPECT_EQ(r.top, 10);
    EXPECT_EQ(r.width, 616);
    EXPECT_GT(r.lastUpdateCheck, 45000.5);
    EXPECT_EQ(r.reserved, 0);
}

TEST_F(ConfigFileTest, WritingStampsTheVersionsAndWritesBothFiles)
{
    config() = sampleRecord();
    config().formatVersion = QStringLiteral("0.1");
    config().programVersion = QStringLiteral("Beta 0.50");
    config().userName = QStringLiteral("Zoe");
    ASSERT_TRUE(writeConfig());
    QByteArray expected = sampleBytes();
    expected.replace(44, 41, RecordBytes().text(0, "Zoe").bytes.left(41));
    EXPECT_EQ(stored(QStringLiteral("Zoe")), expected);
    EXPECT_EQ(stored(QStringLiteral("config")), expected);
}

TEST_F(ConfigFileTest, DefaultRecordIsStoredByteForByte)
{
    readConfig(QStringLiteral("Ann"), screen);
    config().userEmail = QStringLiteral("ann@example.org");
    ASSERT_TRUE(writeConfig());
    RecordBytes b;
    b.text(0, "0.16").text(11, "Beta 0.67").i32(24, 10).i32(28, 10).i32(32, 616).i32(36, 586);
    b.text(44, "Ann").text(85, "ann@example.org").flag(166, true).flag(167, true).flag(168, true);
    b.f64(184, config().lastUpdateCheck).i32(192, 100).flag(208, true).flag(462, true).flag(512, true);
    b.f64(520, config().lastMessageBoardFetch);
    EXPECT_EQ(stored(QStringLiteral("Ann")), b.bytes);
}

TEST_F(ConfigFileTest, BlankUserNameWritesNothing)
{
    for (const QString& name : {QString(), QStringLiteral("   ")}) {
        config().userName = name;
        EXPECT_TRUE(writeConfig());
    }
    EXPECT_TRUE(QDir(home.path()).entryList(QDir::Files).isEmpty());
}

} // namespace
} // namespace zaf
