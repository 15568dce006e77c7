#include "store/login_steps.h"

#include "core/config_record.h"
#include "core/diver_file.h"
#include "core/new_diver.h"
#include "core/program_dir.h"
#include "core/text_helpers.h"
#include "core/trace.h"
#include "store/data_form.h"
#include "store/filter.h"

#include <QDir>

namespace zaf::store {

namespace {

constexpr int kMinimumEmailLength = 6;
constexpr int kUserNameMax = 40;
constexpr int kUserEmailMax = 80;

// Makes the logged-in diver's own Divers record; the new-record rule stamps the owner, and
// where no rule is installed the diver is stamped here the same way.
bool appendDiverRecord(Table& divers, int format, bool setFormat)
{
    const ConfigRecord& cfg = config();
    divers.append();
    if (divers.state() != Table::State::Insert)
        return false;
    divers[QStringLiteral("DiverName")].setAsString(cfg.userName);
    divers[QStringLiteral("Phone_Home")].clear();
    divers[QStringLiteral("Phone_Work")].clear();
    divers[QStringLiteral("Email")].setAsString(cfg.userEmail);
    if (divers[QStringLiteral("OwnerName")].isNull())
        divers[QStringLiteral("OwnerName")].setAsString(cfg.userName);
    if (divers[QStringLiteral("OwnerEmail")].isNull())
        divers[QStringLiteral("OwnerEmail")].setAsString(cfg.userEmail);
    if (setFormat)
        divers[QStringLiteral("Format")].setAsInteger(format);
    divers.post();
    return true;
}

bool findDiverRecord(Table& divers, const QString& name)
{
    return divers.isOpen() && divers.findKey({name});
}

} // namespace

LoginCheck checkLogin(bool storeOpen, int selectedIndex, const QString& typedPassword)
{
    if (!storeOpen)
        return LoginCheck::StoreClosed;
    config().lastLoginIndex = selectedIndex;
    if (selectedIndex < 1 || selectedIndex > DiverTable::SlotCount)
        return LoginCheck::NoDiver;
    const DiverSlot& slot = diverTable().slot(selectedIndex);
    if (slot.name.trimmed().isEmpty())
        return LoginCheck::NoDiver;
    if (slot.email.size() < kMinimumEmailLength)
        return LoginCheck::InvalidEmail;
    if (typedPassword != slot.password)
        return LoginCheck::WrongPassword;
    return LoginCheck::Ok;
}

QString loginCheckMessage(LoginCheck check)
{
    switch (check) {
    case LoginCheck::StoreClosed:
        return QStringLiteral("There is a problem opening the databases.\r"
                              "Please exit ZAF, then close all other running programs\r"
                              "and try running ZAF again.  If you still have the problem\r"
                              "send an email to support@zafaro.example detailing the problem.");
    case LoginCheck::NoDiver:
        return QStringLiteral("You must pick or create a diver.");
    case LoginCheck::InvalidEmail:
        return QStringLiteral("Your email address is not valid.");
    case LoginCheck::Ok:
    case LoginCheck::WrongPassword:
        break;
    }
    return {};
}

QString picturePart(const QString& name, const QString& email)
{
    return name.left(2) + QLatin1Char('\\') + name + QLatin1Char('_') + email;
}

QString makePictureDirectories(const QString& name, const QString& email)
{
    const QString own = picturesDirectory() + name.left(2) + QLatin1Char('/') + name + QLatin1Char('_') + email;
    QDir().mkpath(picturesDirectory());
    QDir().mkpath(picturesDirectory() + name.left(2));
    QDir().mkpath(own);
    return own;
}

LoginOutcome logIn(TData_Form& data, int slotIndex, ScreenSize screen)
{
    LoginOutcome outcome;
    const DiverSlot slot = diverTable().slot(slotIndex);
    ConfigRecord& cfg = config();
    cfg.userName = slot.name.left(kUserNameMax);
    cfg.userEmail = slot.email.left(kUserEmailMax);
    const bool current = readConfig(cfg.userName, screen);
    // The owner stamp is the account the diver logged in with, even if the file says otherwise.
    cfg.userName = slot.name.left(kUserNameMax);
    cfg.userEmail = slot.email.left(kUserEmailMax);
    cfg.lastLoginIndex = slotIndex;

    Table& divers = data.Divers_Table;
    if (divers.isOpen() && !findDiverRecord(divers, cfg.userName))
        outcome.showDiversPage = appendDiverRecord(divers, 0, false);

    QDir().mkpath(dataDirectory());
    if (isPathSafeName(cfg.userName) && isPathSafeName(cfg.userEmail))
        makePictureDirectories(cfg.userName, cfg.userEmail);

    const bool placeholder = isEmptyOrBlank(cfg.userName) || isEmptyOrBlank(cfg.userEmail) ||
                             cfg.userName == QLatin1String("Your Name") || cfg.userEmail == sampleEmailAddress();
    outcome.showConfiguration = placeholder || !current;
    return outcome;
}

void closeLogin(TData_Form& data)
{
    const TraceScope trace(QStringLiteral("TLogin.FormClose"));
    diverTable().write();
    if (!data.Divers_Table.isOpen())
        return;
    const QString name = config().userName;
    const QString owner = QStringLiteral("OwnerName");
    if (data.OthersLog_Table.isOpen())
        data.OthersLog_Table.setFilter(Filter::notEquals(owner, name));
    if (data.DiveLog_Table.isOpen())
        data.DiveLog_Table.setFilter(Filter::equals(owner, name));
}

bool saveDiverFormat(TData_Form& data, bool metric)
{
    const QString name = config().userName;
    Table& divers = data.Divers_Table;
    if (name.isEmpty() || !divers.isOpen())
        return false;
    const int format = metric ? 1 : 0;
    if (findDiverRecord(divers, name)) {
        divers.edit();
        divers[QStringLiteral("Format")].setAsInteger(format);
        divers.post();
        return false;
    }
    return appendDiverRecord(divers, format, true);
}

} // namespace zaf::store
