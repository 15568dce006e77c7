#include "store/change_login.h"

#include "core/cancel_flag.h"
#include "core/config_file.h"
#include "core/config_record.h"
#include "core/directory_ops.h"
#include "core/diver_file.h"
#include "core/program_dir.h"
#include "core/ui.h"
#include "store/data_form.h"
#include "store/errors.h"
#include "store/filter.h"
#include "store/login_steps.h"

#include <QFile>
#include <functional>

namespace zaf::store {

namespace {

constexpr int kNameMax = 20;
constexpr int kEmailMax = 50;
constexpr int kPasswordMax = 20;

struct Identity {
    QString name;
    QString email;
};

QString replaceFirst(QString text, const QString& from, const QString& to)
{
    const qsizetype at = text.indexOf(from);
    if (at >= 0)
        text.replace(at, from.size(), to);
    return text;
}

void replaceFirstIn(Field& field, const QString& from, const QString& to)
{
    if (!field.isNull())
        field.setAsString(replaceFirst(field.asString(), from, to));
}

// Leaves the table unfiltered and out of edit however the walk ends.
class WalkGuard {
public:
    explicit WalkGuard(Table& table) : m_table(table) {}
    ~WalkGuard()
    {
        try {
            if (m_table.isEditing())
                m_table.cancel();
            m_table.clearFilter();
        } catch (...) {
        }
    }
    WalkGuard(const WalkGuard&) = delete;
    WalkGuard& operator=(const WalkGuard&) = delete;

private:
    Table& m_table;
};

// The primary key values of the current record: how a record that would not post is
// recognised on later steps.
QVariantList keyOf(Table& table)
{
    QVariantList key;
    for (const QString& name : table.layout().primaryKey)
        key.append(table[name].value());
    return key;
}

// Moves to the first record of the filtered table that is not among `skipped`; false when
// there is none.
bool firstNotSkipped(Table& table, const QList<QVariantList>& skipped)
{
    for (table.first(); !table.eof(); table.next())
        if (skipped.isEmpty() || !skipped.contains(keyOf(table)))
            return true;
    return false;
}

// Gives every record of `from` in `table` to `to`. A re-owned record leaves the filter, so
// each step takes the first record left (passing over those that would not post). The walk
// ends when none is left, on the cancel flag, or after two steps in a row without progress.
void reownTable(Table& table, const Identity& from, const Identity& to, const std::function<void(Table&)>& more,
                bool skipFailedPosts)
{
    if (!table.isOpen())
        return;
    const QString ownerName = QStringLiteral("OwnerName");
    const QString ownerEmail = QStringLiteral("OwnerEmail");
    WalkGuard guard(table);
    table.setFilter(Filter::allOf({Filter::equals(ownerName, from.name), Filter::equals(ownerEmail, from.email)}));
    QList<QVariantList> skipped;
    int beforePrevious = -1;
    int before = table.recordCount();
    while (!cancelRequested() && firstNotSkipped(table, skipped)) {
        const QVariantList key = keyOf(table);
        if (table[ownerName].asString() == from.name && table[ownerEmail].asString() == from.email) {
            table.edit();
            table[ownerName].setAsString(to.name);
            table[ownerEmail].setAsString(to.email);
            if (more)
                more(table);
            if (skipFailedPosts) {
                try {
                    table.post();
                } catch (const DatabaseError&) {
                    table.cancel();
                    skipped.append(key);
                }
            } else {
                table.post();
            }
        } else {
            skipped.append(key);
        }
        const int after = table.recordCount();
        if (after == beforePrevious)
            break;
        beforePrevious = before;
        before = after;
    }
}

QString pictureDiskPath(const Identity& who)
{
    return picturesDirectory() + who.name.left(2) + QLatin1Char('/') + who.name + QLatin1Char('_') + who.email;
}

void reownEverything(TData_Form& data, const Identity& from, const Identity& to)
{
    ui().message(QStringLiteral("Your ZAF records will now be updated.  This may take a while."));
    ui().setBusyCursor(true);
    struct CursorBack {
        ~CursorBack() { ui().setBusyCursor(false); }
    } cursorBack;

    const QString oldDir = pictureDiskPath(from);
    const QString newDir = makePictureDirectories(to.name, to.email);
    const bool picturesMirrored = copy_directory(oldDir, newDir);

    const QString oldPart = picturePart(from.name, from.email);
    const QString newPart = picturePart(to.name, to.email);

    for (Table* table : {&data.DiveSite_Table, &data.DiveResources_Table, &data.Travel_Table, &data.Equipment_Table,
                         &data.DiveComputer_Table})
        reownTable(*table, from, to, {}, false);
    reownTable(data.Pictures_Table, from, to, [&](Table& t) {
        replaceFirstIn(t[QStringLiteral("FileName")], oldPart, newPart);
    }, false);

    reownTable(data.Divers_Table, from, to, [&](Table& t) {
        Field& diverName = t[QStringLiteral("DiverName")];
        if (diverName.asString() == from.name)
            diverName.setAsString(to.name);
        Field& email = t[QStringLiteral("Email")];
        if (email.asString() == from.email)
            email.setAsString(to.email);
        replaceFirstIn(t[QStringLiteral("Picture")], oldPart, newPart);
    }, true);
    setCancel(false);

    ConfigRecord& cfg = config();
    cfg.userName = to.name;
    cfg.userEmail = to.email;

    reownTable(data.DiveLog_Table, from, to, [&](Table& t) {
        Field& diverName = t[QStringLiteral("DiverName")];
        if (diverName.asString() == from.name)
            diverName.setAsString(to.name);
        Field& pictures = t[QStringLiteral("Pictures")];
        if (!pictures.isNull())
            pictures.setAsString(pictures.asString().replace(oldPart, newPart));
    }, false);

    // The old pictures go only once every one of them is in the new directory.
    if (picturesMirrored)
        Delete_directory(oldDir);
    // The settings move to the new name before the old file goes, so the next login finds
    // them; with the same name the file is the diver's own and stays.
    if (from.name != to.name) {
        writeConfig();
        QFile::remove(programDirectory() + from.name + QStringLiteral(".zaf"));
    }
}

} // namespace

ChangeLoginResult changeLogin(TData_Form& data)
{
    data.Commit_Changes();
    DiverTable& divers = diverTable();
    ConfigRecord& cfg = config();
    const int k = divers.find(cfg.userName);
    if (k == 0) {
        ui().message(QStringLiteral("Your diver account was not found on this computer.  Your login has not been changed."),
                     MessageKind::Warning);
        return ChangeLoginResult::Refused;
    }
    DiverSlot& slot = divers.slot(k);

    // A cancelled question keeps what it showed; the password question shows nothing.
    QString name = slot.name;
    ui().inputBox(QStringLiteral("Your Full Name"), QStringLiteral("Please enter your full name."), name);
    slot.name = name.trimmed().left(kNameMax);
    QString email = slot.email;
    ui().inputBox(QStringLiteral("Enter New Diver e-mail address"), QStringLiteral("Diver e-mail"), email);
    slot.email = email.left(kEmailMax);
    QString password;
    ui().inputBox(QStringLiteral("Enter New Diver password"), QStringLiteral("Password"), password, true);
    slot.password = password.left(kPasswordMax);

    const Identity to{slot.name, slot.email};
    // The name and address also name the diver's files, so path separators are invalid too.
    if (to.name.trimmed().isEmpty() || to.email.trimmed().isEmpty() || !isPathSafeName(to.name) ||
        !isPathSafeName(to.email)) {
        ui().message(QStringLiteral("You have entered invalid data.  Your login has not been changed."),
                     MessageKind::Warning);
        divers.read();
        return ChangeLoginResult::Refused;
    }
    divers.write();
    divers.read();
    if (password.trimmed().isEmpty())
        ui().message(QStringLiteral("Your password has been cleared.  Then next time you login you will not need to "
                                    "type in a password.\rIt is not recommened that you run ZAF without a password if "
                                    "you are using any of the internet features."));

    const Identity from{cfg.userName, cfg.userEmail};
    if (to.name == from.name && to.email == from.email)
        return ChangeLoginResult::Rewritten;
    reownEverything(data, from, to);
    return ChangeLoginResult::Reowned;
}

} // namespace zaf::store
