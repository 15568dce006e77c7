#pragma once

#include <QString>
#include <cstdint>

namespace zaf {

/// One diver's settings, held in memory for the whole run. On disk it is the fixed 832-byte
/// record of "<user name>.zaf" and "config.zaf" (see config_file.h for its layout).
struct ConfigRecord {
    QString formatVersion;            ///< "0.16" once written by this program
    QString programVersion;           ///< program version that last wrote the record
    int32_t top = 0;                  ///< main window placement
    int32_t left = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t backgroundFontColor = 0;  ///< a 0x00BBGGRR colour value
    QString userName;                 ///< the owner stamp: at most 40 characters
    QString userEmail;                ///< the owner stamp: at most 80 characters
    bool shareContactInfo = false;
    bool enableRecordSharing = false;
    bool enablePictureSharing = false;
    QString downloadPort;             ///< "COM1" … "COM8" or "LPT1"
    int32_t diveComputerModel = 0;    ///< 1 … 10
    double lastUpdateCheck = 0;       ///< day-count date-time
    int32_t pictureQuality = 0;       ///< shared picture quality in percent, 25 … 100
    double lastServerVerification = 0;
    bool enableInternet = false;
    QString lastPictureDirectory;
    int16_t screenLayout = 0;         ///< 0 … 11
    bool shareWithDan = false;
    QString templatesVersion;
    QString helpVersion;
    int32_t lastLoginIndex = 0;       ///< index of the diver last picked in the login list
    bool alwaysTrue = false;          ///< set whenever the record is read
    double lastMessageBoardFetch = 0;
    QString lastAlertId;
    QString lastMessageOfDayId;
    bool autoSynchronize = false;
    QString lastBackupDirectory;
    int32_t reserved = 0;             ///< kept as read
    QString lastLogo1MessageId;
    QString lastLogo2MessageId;
};

/// The record in force for this run (the logged-in diver's, or config.zaf's before login).
ConfigRecord& config();

} // namespace zaf
