#include "store/record_owner.h"

#include "core/config_record.h"
#include "core/diver_file.h"
#include "store/table.h"

namespace zaf::store {

namespace {
const QString kOwnerName = QStringLiteral("OwnerName");
const QString kOwnerEmail = QStringLiteral("OwnerEmail");
} // namespace

bool sharingSwitch(Sharing kind)
{
    switch (kind) {
    case Sharing::Contact:
        return config().shareContactInfo;
    case Sharing::Picture:
        return config().enablePictureSharing;
    case Sharing::Record:
        break;
    }
    return config().enableRecordSharing;
}

Filter ownDivesFilter()
{
    const ConfigRecord& cfg = config();
    return Filter::allOf({Filter::equals(QStringLiteral("OwnerName"), cfg.userName),
                          Filter::equals(QStringLiteral("OwnerEmail"), cfg.userEmail),
                          Filter::equals(QStringLiteral("DiverName"), cfg.userName)});
}

bool isOwnRecord(Table& table)
{
    return table[kOwnerName].asString() == config().userName && table[kOwnerEmail].asString() == config().userEmail;
}

bool isOtherLocalDiverRecord(Table& table)
{
    return chk_user_account(table[kOwnerName].asString(), table[kOwnerEmail].asString());
}

void stampOwner(Table& table)
{
    table[kOwnerName].setAsString(config().userName);
    table[kOwnerEmail].setAsString(config().userEmail);
}

bool nobodyLoggedIn()
{
    return config().userName.trimmed().isEmpty();
}

bool hasText(const QString& text)
{
    return !text.trimmed().isEmpty();
}

} // namespace zaf::store
