#include "core/config_file.h"

#include "core/cp1252.h"
#include "core/day_count.h"
#include "core/diver_file.h"
#include "core/program_dir.h"
#include "core/version.h"

#include <QFile>
#include <QSaveFile>
#include <cstring>
#include <type_traits>

namespace zaf {

namespace {

const QString kFormatVersion = QStringLiteral("0.16");

constexpr int kDefaultTop = 10;
constexpr int kDefaultLeft = 10;
constexpr int kDefaultWidth = 616;
constexpr int kDefaultHeight = 586;
constexpr int kSmallScreenHeight = 600;
constexpr int16_t kSmallScreenLayout = 6;
constexpr int kDefaultPictureQuality = 100;
constexpr double kMessageBoardLookBack = 60.0;
// Day 70 is 10 March 1900: an earlier message-board time was never really stored.
constexpr double kEarliestMessageBoardFetch = 70.0;

// Where each field sits in the stored record. A short string of at most n characters takes
// n + 1 bytes; the gaps between fields are padding and stay zero.
namespace at {
constexpr int formatVersion = 0;      // max 10
constexpr int programVersion = 11;    // max 12
constexpr int top = 24;
constexpr int left = 28;
constexpr int width = 32;
constexpr int height = 36;
constexpr int backgroundFontColor = 40;
constexpr int userName = 44;          // max 40
constexpr int userEmail = 85;         // max 80
constexpr int shareContactInfo = 166;
constexpr int enableRecordSharing = 167;
constexpr int enablePictureSharing = 168;
constexpr int downloadPort = 169;     // max 10
constexpr int diveComputerModel = 180;
constexpr int lastUpdateCheck = 184;
constexpr int pictureQuality = 192;
constexpr int lastServerVerification = 200;
constexpr int enableInternet = 208;
constexpr int lastPictureDirectory = 209; // max 250
constexpr int screenLayout = 460;
constexpr int shareWithDan = 462;
constexpr int templatesVersion = 463; // max 20
constexpr int helpVersion = 484;      // max 20
constexpr int lastLoginIndex = 508;
constexpr int alwaysTrue = 512;
constexpr int lastMessageBoardFetch = 520;
constexpr int lastAlertId = 528;      // max 10
constexpr int lastMessageOfDayId = 539; // max 10
constexpr int autoSynchronize = 550;
constexpr int lastBackupDirectory = 551; // max 250
constexpr int reserved = 804;
constexpr int lastLogo1MessageId = 808; // max 10
constexpr int lastLogo2MessageId = 819; // max 10
} // namespace at

// The stored numbers are little-endian whatever the machine.
template <typename T>
void put(QByteArray& bytes, int offset, T value)
{
    using U = std::make_unsigned_t<std::conditional_t<std::is_floating_point_v<T>,
                                                      std::conditional_t<sizeof(T) == 8, int64_t, int32_t>, T>>;
    U raw;
    std::memcpy(&raw, &value, sizeof raw);
    for (size_t i = 0; i < sizeof raw; ++i)
        bytes[offset + int(i)] = static_cast<char>((raw >> (8 * i)) & 0xFF);
}

template <typename T>
T get(const QByteArray& bytes, int offset)
{
    using U = std::make_unsigned_t<std::conditional_t<std::is_floating_point_v<T>,
                                                      std::conditional_t<sizeof(T) == 8, int64_t, int32_t>, T>>;
    U raw = 0;
    for (size_t i = 0; i < sizeof raw; ++i)
        raw |= static_cast<U>(static_cast<unsigned char>(bytes[offset + int(i)])) << (8 * i);
    T value;
    std::memcpy(&value, &raw, sizeof value);
    return value;
}

void putBool(QByteArray& bytes, int offset, bool value)
{
    bytes[offset] = value ? 1 : 0;
}

bool getBool(const QByteArray& bytes, int offset)
{
    return bytes[offset] != 0;
}

void putText(QByteArray& bytes, int offset, int maxLength, const QString& text)
{
    writeShortString(bytes.data() + offset, maxLength, text);
}

QString getText(const QByteArray& bytes, int offset, int maxLength)
{
    return readShortString(bytes.constData() + offset, maxLength);
}

QString configPath(const QString& userName)
{
    return programDirectory() + userName + QStringLiteral(".zaf");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

} // namespace

QByteArray encodeConfig(const ConfigRecord& r)
{
    QByteArray b(ConfigRecordSize, '\0');
    putText(b, at::formatVersion, 10, r.formatVersion);
    putText(b, at::programVersion, 12, r.programVersion);
    put<int32_t>(b, at::top, r.top);
    put<int32_t>(b, at::left, r.left);
    put<int32_t>(b, at::width, r.width);
    put<int32_t>(b, at::height, r.height);
    put<int32_t>(b, at::backgroundFontColor, r.backgroundFontColor);
    putText(b, at::userName, 40, r.userName);
    putText(b, at::userEmail, 80, r.userEmail);
    putBool(b, at::shareContactInfo, r.shareContactInfo);
    putBool(b, at::enableRecordSharing, r.enableRecordSharing);
    putBool(b, at::enablePictureSharing, r.enablePictureSharing);
    putText(b, at::downloadPort, 10, r.downloadPort);
    put<int32_t>(b, at::diveComputerModel, r.diveComputerModel);
    put<double>(b, at::lastUpdateCheck, r.lastUpdateCheck);
    put<int32_t>(b, at::pictureQuality, r.pictureQuality);
    put<double>(b, at::lastServerVerification, r.lastServerVerification);
    putBool(b, at::enableInternet, r.enableInternet);
    putText(b, at::lastPictureDirectory, 250, r.lastPictureDirectory);
    put<int16_t>(b, at::screenLayout, r.screenLayout);
    putBool(b, at::shareWithDan, r.shareWithDan);
    putText(b, at::templatesVersion, 20, r.templatesVersion);
    putText(b, at::helpVersion, 20, r.helpVersion);
    put<int32_t>(b, at::lastLoginIndex, r.lastLoginIndex);
    putBool(b, at::alwaysTrue, r.alwaysTrue);
    put<double>(b, at::lastMessageBoardFetch, r.lastMessageBoardFetch);
    putText(b, at::lastAlertId, 10, r.lastAlertId);
    putText(b, at::lastMessageOfDayId, 10, r.lastMessageOfDayId);
    putBool(b, at::autoSynchronize, r.autoSynchronize);
    putText(b, at::lastBackupDirectory, 250, r.lastBackupDirectory);
    put<int32_t>(b, at::reserved, r.reserved);
    putText(b, at::lastLogo1MessageId, 10, r.lastLogo1MessageId);
    putText(b, at::lastLogo2MessageId, 10, r.lastLogo2MessageId);
    return b;
}

bool decodeConfig(const QByteArray& b, ConfigRecord& r)
{
    if (b.size() != ConfigRecordSize)
        return false;
    r.formatVersion = getText(b, at::formatVersion, 10);
    r.programVersion = getText(b, at::programVersion, 12);
    r.top = get<int32_t>(b, at::top);
    r.left = get<int32_t>(b, at::left);
    r.width = get<int32_t>(b, at::width);
    r.height = get<int32_t>(b, at::height);
    r.backgroundFontColor = get<int32_t>(b, at::backgroundFontColor);
    r.userName = getText(b, at::userName, 40);
    r.userEmail = getText(b, at::userEmail, 80);
    r.shareContactInfo = getBool(b, at::shareContactInfo);
    r.enableRecordSharing = getBool(b, at::enableRecordSharing);
    r.enablePictureSharing = getBool(b, at::enablePictureSharing);
    r.downloadPort = getText(b, at::downloadPort, 10);
    r.diveComputerModel = get<int32_t>(b, at::diveComputerModel);
    r.lastUpdateCheck = get<double>(b, at::lastUpdateCheck);
    r.pictureQuality = get<int32_t>(b, at::pictureQuality);
    r.lastServerVerification = get<double>(b, at::lastServerVerification);
    r.enableInternet = getBool(b, at::enableInternet);
    r.lastPictureDirectory = getText(b, at::lastPictureDirectory, 250);
    r.screenLayout = get<int16_t>(b, at::screenLayout);
    r.shareWithDan = getBool(b, at::shareWithDan);
    r.templatesVersion = getText(b, at::templatesVersion, 20);
    r.helpVersion = getText(b, at::helpVersion, 20);
    r.lastLoginIndex = get<int32_t>(b, at::lastLoginIndex);
    r.alwaysTrue = getBool(b, at::alwaysTrue);
    r.lastMessageBoardFetch = get<double>(b, at::lastMessageBoardFetch);
    r.lastAlertId = getText(b, at::lastAlertId, 10);
    r.lastMessageOfDayId = getText(b, at::lastMessageOfDayId, 10);
    r.autoSynchronize = getBool(b, at::autoSynchronize);
    r.lastBackupDirectory = getText(b, at::lastBackupDirectory, 250);
    r.reserved = get<int32_t>(b, at::reserved);
    r.lastLogo1MessageId = getText(b, at::lastLogo1MessageId, 10);
    r.lastLogo2MessageId = getText(b, at::lastLogo2MessageId, 10);
    return true;
}

void applyConfigDefaults(ConfigRecord& r, ScreenSize screen, bool includingReserved)
{
    const double now = nowDayCount();
    r.top = kDefaultTop;
    r.left = kDefaultLeft;
    r.width = kDefaultWidth;
    r.height = kDefaultHeight;
    r.shareContactInfo = true;
    r.enableRecordSharing = true;
    r.enablePictureSharing = true;
    r.enableInternet = true;
    r.shareWithDan = true;
    r.autoSynchronize = false;
    r.pictureQuality = kDefaultPictureQuality;
    r.lastUpdateCheck = now;
    r.alwaysTrue = true;
    r.lastMessageBoardFetch = now - kMessageBoardLookBack;
    if (includingReserved)
        r.reserved = 0;
    if (screen.height <= kSmallScreenHeight)
        r.screenLayout = kSmallScreenLayout;
}

void keepOnScreen(ConfigRecord& r, ScreenSize screen)
{
    if (screen.height < r.top)
        r.top = kDefaultTop;
    if (screen.width < r.left)
        r.left = kDefaultLeft;
    if (r.top < 0)
        r.top = kDefaultTop;
    if (r.left < 0)
        r.left = kDefaultLeft;
    if (screen.height < r.height)
        r.height = kDefaultHeight;
    if (screen.width < r.width)
        r.width = kDefaultWidth;
    if (r.height < 10)
        r.height = kDefaultHeight;
    if (r.width < 10)
        r.width = kDefaultWidth;
}

bool readConfig(const QString& userName, ScreenSize screen)
{
    ConfigRecord& r = config();
    r.userName = userName;
    bool read = false;
    QFile file(configPath(userName));
    if (isPathSafeName(userName) && file.open(QIODevice::ReadOnly))
        read = decodeConfig(file.readAll(), r);
    // A file that is not one whole record is treated like a missing one: the record in
    // memory keeps its values and gets the defaults.
    if (!read)
        applyConfigDefaults(r, screen, true);
    const bool current = read && r.formatVersion == kFormatVersion;
    if (!current)
        applyConfigDefaults(r, screen, false);
    keepOnScreen(r, screen);
    r.alwaysTrue = true;
    if (r.lastMessageBoardFetch < kEarliestMessageBoardFetch)
        r.lastMessageBoardFetch = nowDayCount() - kMessageBoardLookBack;
    return current;
}

bool writeConfig()
{
    ConfigRecord& r = config();
    r.formatVersion = kFormatVersion;
    r.programVersion = versionText();
    if (r.userName.trimmed().isEmpty())
        return true;
    if (!isPathSafeName(r.userName))
        return false;
    const QByteArray bytes = encodeConfig(r);
    const bool own = writeFile(configPath(r.userName), bytes);
    const bool copy = writeFile(configPath(QStringLiteral("config")), bytes);
    return own && copy;
}

} // namespace zaf
