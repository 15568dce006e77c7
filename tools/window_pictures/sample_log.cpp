#include "sample_log.h"

#include "core/config_record.h"
#include "core/day_count.h"
#include "store/data_form.h"

#include <QDateTime>
#include <initializer_list>
#include <utility>

namespace {

using Values = std::initializer_list<std::pair<const char*, QVariant>>;

void add(zaf::store::Table& table, Values values, const QString& owner = {}, const QString& email = {})
{
    table.append();
    for (const auto& [name, value] : values)
        table[QLatin1String(name)].setValue(value);
    // Some tables stamp the owner only while their page shows; the log is the diver's own.
    table[QStringLiteral("OwnerName")].setAsString(owner.isEmpty() ? zaf::config().userName : owner);
    table[QStringLiteral("OwnerEmail")].setAsString(owner.isEmpty() ? zaf::config().userEmail : email);
    table.post();
}

double at(int month, int day, int hour, int minute)
{
    return zaf::toDayCount(QDateTime(QDate(2026, month, day), QTime(hour, minute)));
}

} // namespace

void writeSampleLog(zaf::store::TData_Form& d)
{
    const QString me = zaf::config().userName;
    d.DiveSite_Table.clearFilter();
    add(d.DiveSite_Table, {{"DiveSite", QStringLiteral("Blue Hole")}, {"Location", QStringLiteral("Dahab")},
                           {"DiveType", QStringLiteral("Reef")}, {"Rating", QStringLiteral("9")},
                           {"Altitude", QStringLiteral("0 m")},
                           {"Comments", QStringLiteral("Arch at 55 m; stay above it.")}});
    add(d.DiveSite_Table, {{"DiveSite", QStringLiteral("Lighthouse Reef")}, {"Location", QStringLiteral("Dahab")},
                           {"DiveType", QStringLiteral("Wall")}, {"Rating", QStringLiteral("7")}});
    add(d.DiveResources_Table, {{"CompanyName", QStringLiteral("Red Sea Divers")}, {"Type", QStringLiteral("Dive Shop")},
                                {"City", QStringLiteral("Dahab")}, {"Country", QStringLiteral("Egypt")},
                                {"Email", QStringLiteral("info@redsea.example.org")},
                                {"WebAddress", QStringLiteral("https://redsea.example.org")}, {"Rating", QStringLiteral("9")}});
    // A dive of another diver that names this one as a buddy: it shows in the others' log.
    add(d.DiveLog_Table, {{"DiverName", QStringLiteral("Max Reef")}, {"DiveNumber", 311}, {"StartTime", at(3, 2, 11, 42)},
                          {"EndTime", at(3, 2, 12, 30)}, {"Location", QStringLiteral("Dahab")},
                          {"DiveSite", QStringLiteral("Blue Hole")}, {"Format", 1}, {"MaximumDepth", 31.5},
                          {"BottomTime", 48}, {"DiveBuddy1", me}, {"Comments", QStringLiteral("Guided the bells traverse.")}},
        QStringLiteral("Max Reef"), QStringLiteral("max@example.org"));
    add(d.DiveLog_Table, {{"DiverName", me}, {"DiveNumber", 1}, {"StartTime", at(3, 2, 9, 10)}, {"EndTime", at(3, 2, 9, 55)},
                          {"Location", QStringLiteral("Dahab")}, {"DiveSite", QStringLiteral("Lighthouse Reef")},
                          {"DiveOperation", QStringLiteral("Red Sea Divers")}, {"DiveType", QStringLiteral("Wall")},
                          {"Format", 0}, {"MaximumDepth", 66}, {"BottomTime", 45}, {"AirPressureStart", 3000},
                          {"AirPressureEnd", 700}, {"T1S", 80}, {"T1P", 3000}, {"T1O2", 21}, {"Gas", QStringLiteral("Air")},
                          {"DiveBuddy1", QStringLiteral("Max Reef")}, {"Visibility", 60}, {"TemperatureWaterMin", 75},
                          {"WaterType", QStringLiteral("Salt Water")}, {"EntryType", QStringLiteral("Shore Entry")},
                          {"Rating", QStringLiteral("8")}, {"Weight", 14}, {"Wetsuit", true}, {"Hood", true},
                          {"Comments", QStringLiteral("Napoleon wrasse at the corner, two turtles on the way back.")}});
    add(d.DiveLog_Table, {{"DiverName", me}, {"DiveNumber", 2}, {"StartTime", at(3, 2, 11, 40)}, {"EndTime", at(3, 2, 12, 32)},
                          {"Location", QStringLiteral("Dahab")}, {"DiveSite", QStringLiteral("Blue Hole")},
                          {"DiveType", QStringLiteral("Reef")}, {"Format", 1}, {"MaximumDepth", 30.2}, {"AverageDepth", 16},
                          {"BottomTime", 52}, {"SurfaceInterval", 105}, {"AirPressureStart", 210}, {"AirPressureEnd", 60},
                          {"T1S", 12}, {"T1P", 232}, {"T1O2", 32}, {"Gas", QStringLiteral("EANx32")},
                          {"Deco", QStringLiteral("Safety Stop")}, {"DiveMaster", QStringLiteral("Max Reef")},
                          {"Rating", QStringLiteral("10")}, {"Weight", 6}, {"Wetsuit", true}});
    add(d.Travel_Table, {{"TripNumber", 1}, {"Location", QStringLiteral("Dahab")}, {"StartDate", at(3, 1, 0, 0)}, {"EndDate", at(3, 8, 0, 0)},
                         {"DiveShop", QStringLiteral("Red Sea Divers")}, {"RoomRate", 100}, {"AirFare", 200}, {"DiveCost", 50},
                         {"MealCost", 25}, {"MiscCost", 10}, {"TripRating", QStringLiteral("9")},
                         {"Dives", QStringLiteral("1 - Lighthouse Reef\n2 - Blue Hole")}, {"NumberofDives", 2},
                         {"TripReport", QStringLiteral("Calm week, warm water, very good visibility.")}});
    add(d.Equipment_Table, {{"Type", QStringLiteral("Fins")}, {"Make", QStringLiteral("Mares")},
                            {"Model", QStringLiteral("Avanti Quattro")}, {"Color", QStringLiteral("Blue")},
                            {"DiveShop", QStringLiteral("Red Sea Divers")}, {"Price", 129.95}, {"Date", at(1, 15, 0, 0)}});
    if (d.Divers_Table.locate({QStringLiteral("DiverName")}, {me})) {
        d.Divers_Table.edit();
        d.Divers_Table[QStringLiteral("City")].setAsString(QStringLiteral("Hamburg"));
        d.Divers_Table[QStringLiteral("Certifications")].setAsString(
            QStringLiteral("Open Water -- 6/1/19 -- 19-0042 -- R. Kahl -- 5521 -- Tauchbasis Nord\n"
                           "Advanced Open Water -- 3/4/21 -- 21-0107 -- R. Kahl -- 5521 -- Tauchbasis Nord"));
        d.Divers_Table.post();
    }
}
