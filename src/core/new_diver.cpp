#include "core/new_diver.h"

#include "core/diver_file.h"
#include "core/ui.h"

namespace zaf {

namespace {

constexpr int kNameMax = 20;
constexpr int kPasswordMax = 20;
constexpr int kEmailMax = 50;
constexpr int kNewDiverHelpTopic = 10;

HelpHook& helpHook()
{
    static HelpHook hook;
    return hook;
}

// Names end up inside quoted texts: the first two apostrophes become grave accents.
QString withoutApostrophes(QString name)
{
    for (int replaced = 0; replaced < 2; ++replaced) {
        const int at = int(name.indexOf(QLatin1Char('\'')));
        if (at < 0)
            break;
        name[at] = QLatin1Char('`');
    }
    return name;
}

} // namespace

QString sampleEmailAddress()
{
    return QStringLiteral("yourname@example.com");
}

void setHelpHook(HelpHook hook)
{
    helpHook() = std::move(hook);
}

void showHelpTopic(int topic)
{
    if (helpHook())
        helpHook()(topic);
}

int add_new_user()
{
    DiverTable& table = diverTable();
    const int k = table.firstFree();
    if (k == 0) {
        ui().message(QStringLiteral("There is room for %1 divers on this computer and all of them are taken.  "
                                    "Delete a diver you no longer need before you add a new one.")
                         .arg(DiverTable::SlotCount),
                     MessageKind::Warning);
        return 0;
    }
    DiverSlot& slot = table.slot(k);
    // Every way out but the last frees the slot again; nothing reaches the file.
    auto giveUp = [&slot](const QString& why) {
        if (!why.isEmpty())
            ui().message(why, MessageKind::Warning);
        slot = DiverSlot{};
        return 0;
    };

    ui().message(QStringLiteral(
        "Please use your full name and a valid email address when prompted.  You will not be able to change this "
        "data later.  Valid data is required if you choose to share data with ZAF users or submit data to DAN or "
        "other dive organizations."));
    showHelpTopic(kNewDiverHelpTopic);

    QString answer;
    if (!ui().inputBox(QStringLiteral("Enter New Diver Name"), QStringLiteral("Diver Name"), answer))
        return giveUp({});
    answer = answer.trimmed();
    slot.name = answer.left(kNameMax);

    if (!ui().inputBox(QStringLiteral("This is your full name"), QStringLiteral("If this is correct press \"OK\"."),
                       answer))
        return giveUp({});
    answer = answer.trimmed();
    if (answer.size() > kNameMax)
        return giveUp(QStringLiteral("Your Diver name must be less than 20 characters"));
    slot.name = answer;

    QString email = sampleEmailAddress();
    if (!ui().inputBox(QStringLiteral("Enter New Diver e-mail address"), QStringLiteral("Diver e-mail"), email))
        return giveUp({});
    if (email.trimmed().size() > kEmailMax)
        return giveUp(QStringLiteral("Your email address must be less than 50 characters"));
    slot.email = email.left(kEmailMax);

    // The name and address name the diver's configuration file and picture directory.
    if (!isPathSafeName(slot.name) || !isPathSafeName(slot.email))
        return giveUp(QStringLiteral("Your Diver name and email address cannot contain the characters / or \\."));

    QString password;
    if (!ui().inputBox(QStringLiteral("Enter New Diver password"), QStringLiteral("Password"), password, true))
        return giveUp({});
    slot.password = password.left(kPasswordMax);

    slot.name = withoutApostrophes(slot.name);
    if (slot.name.trimmed().isEmpty())
        return giveUp({});
    const QString name = slot.name;
    if (!table.write()) {
        table.read();
        ui().message(QStringLiteral("The diver file could not be written.  The new diver was not added."),
                     MessageKind::Error);
        return 0;
    }
    table.read();
    // Free slots are not written, so the new diver may have moved up in the re-read file.
    return table.find(name);
}

} // namespace zaf
