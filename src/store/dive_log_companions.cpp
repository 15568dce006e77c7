#include "store/dive_log_companions.h"

#include "core/config_record.h"
#include "core/day_count.h"
#include "store/data_form.h"
#include "store/dive_log_rules.h"
#include "store/errors.h"
#include "store/menu_items.h"

namespace zaf::store {
namespace {

/// True when the table can be asked and has no record whose leading key field is `value`.
bool missingByName(Table& table, const QString& value)
{
    return table.isOpen() && !table.findKey({value});
}

void addDiveSite(TData_Form& data, Table& entry)
{
    const QString site = entry[QStringLiteral("DiveSite")].asString();
    if (!hasText(site) || !missingByName(data.DiveSite_Table, site))
        return;
    const ConfigRecord& cfg = config();
    // In the site table's field order; the site's own rules run on this append.
    data.DiveSite_Table.appendRecord({
        site,
        entry[QStringLiteral("Location")].value(),
        entry[QStringLiteral("DiveType")].value(),
        entry[QStringLiteral("Rating")].value(),
        cfg.userName,
        cfg.userEmail,
        QVariant(),         // Comments
        false,              // CopyOnServer
        nowDayCount(),      // LastModified
        true,               // Shared
        QVariant(),         // Longitude
        QVariant(),         // Latitude
        entry[QStringLiteral("DiveAltitude")].asString(),
    });
}

void addDiveResource(TData_Form& data, Table& entry)
{
    const QString shop = entry[QStringLiteral("DiveOperation")].asString();
    if (hasText(shop) && missingByName(data.DiveResources_Table, shop))
        data.DiveResources_Table.appendRecord({shop});
}

/// The dive master, the buddies and the diver each get a diver record of their own.
void addDivers(TData_Form& data, Table& entry)
{
    const char* const people[] = {"DiveMaster", "DiveBuddy1", "DiveBuddy2", "DiveBuddy3", "Divebuddy4", "DiverName"};
    for (const char* field : people) {
        const QString name = entry[QString::fromLatin1(field)].asString();
        if (hasText(name) && missingByName(data.Divers_Table, name))
            data.Divers_Table.appendRecord({name});
    }
}

/// Model 5 computers keep no clock of their own: their records take the times of the log.
void copyTimesToComputerRecord(TData_Form& data, Table& entry)
{
    const QString stamp = entry[QStringLiteral("DiveStamp")].asString();
    if (!stamp.trimmed().startsWith(QLatin1String("05")))
        return;
    Table& computer = data.DiveComputer_Table;
    if (!computer.isOpen())
        return;
    try {
        computer.setIndexName(QString());
        if (computer.findKey({stamp}) && computer[QStringLiteral("ComputerType")].asInteger() == 5) {
            computer.edit();
            for (const char* name : {"StartTime", "EndTime"}) {
                Field& from = entry[QString::fromLatin1(name)];
                if (!from.isNull())
                    computer[QString::fromLatin1(name)].setAsDateTime(from.asDateTime());
            }
            computer.post();
        }
    } catch (const DatabaseError&) {
        // The record keeps its old times; a half-done edit must not stay pending either.
        if (computer.isEditing())
            computer.cancel();
    }
    try {
        computer.setIndexName(QStringLiteral("DateTime_Index"));
    } catch (const DatabaseError&) {
    }
}

} // namespace

void addCompanionRecords(TData_Form& data, Table& entry)
{
    const std::pair<const char*, QString> lists[] = {
        {"Location", QStringLiteral("Location")},
        {"Computer", QStringLiteral("DiveLog.Computer")},
    };
    for (const auto& [field, list] : lists) {
        const QString value = entry[QString::fromLatin1(field)].asString();
        if (hasText(value))
            addMenuItem(data, list, value);
    }
    addDiveSite(data, entry);
    addDiveResource(data, entry);
    addDivers(data, entry);
    copyTimesToComputerRecord(data, entry);
}

} // namespace zaf::store
