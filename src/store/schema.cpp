#include "store/schema.h"

// The layout of every logbook table: field names in table order, types, text sizes, the
// required flags and display formats of the field objects, and the keys. Tables are created
// from these definitions, and an existing file is checked against them, so field order and
// spelling matter (including the odd ones such as DiveLog's "Divebuddy4" and "T3T", which
// was added after the safety fields).

namespace zaf::store {

int TableDef::fieldIndex(const QString& fieldName) const
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (fields[i].name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

namespace schema {
namespace {

// Display formats shared by many fields.
const char* const kDate = "mmm dd, yyyy";
const char* const kDateTime = "mmm dd, yyyy  h:mm am/pm"; // two blanks before the time
const char* const kDec = "####.##";
const char* const kDec0 = "####0.##";
const char* const kDec0x4 = "####0.####";

constexpr bool kRequired = true;

FieldDef field(const char* name, FieldType type, int size = 0, bool required = false,
               const char* display = "")
{
    return FieldDef{QString::fromLatin1(name), type, size, required, QString::fromLatin1(display)};
}

FieldDef text(const char* name, int size, bool required = false)
{
    return field(name, FieldType::Text, size, required);
}
FieldDef int32(const char* name, bool required = false)
{
    return field(name, FieldType::Int32, 0, required);
}
FieldDef int16(const char* name)
{
    return field(name, FieldType::Int16);
}
FieldDef real(const char* name, const char* display = "")
{
    return field(name, FieldType::Float, 0, false, display);
}
FieldDef money(const char* name)
{
    return field(name, FieldType::Money);
}
FieldDef logical(const char* name)
{
    return field(name, FieldType::Logical);
}
FieldDef date(const char* name, const char* display = "")
{
    return field(name, FieldType::Date, 0, false, display);
}
FieldDef dateTime(const char* name, const char* display = "")
{
    return field(name, FieldType::DateTime, 0, false, display);
}
FieldDef memo(const char* name)
{
    return field(name, FieldType::Memo);
}
FieldDef fmemo(const char* name)
{
    return field(name, FieldType::FMemo);
}
FieldDef autoInc(const char* name)
{
    return field(name, FieldType::AutoInc);
}

} // namespace

// The definitions below keep one field a line.
// clang-format off
const TableDef& divers()
{
    static const TableDef def{
        QStringLiteral("Divers"),
        {
            text("DiverName", 20, kRequired),
            text("Phone_Home", 20),
            text("Phone_Work", 20),
            text("Email", 50),
            text("Address1", 40),
            text("Address2", 40),
            text("City", 20),
            text("State", 20),
            text("Country", 20),
            text("ZipCode", 10),
            date("DateofBirth", kDate),
            int32("Format"),
            int32("NumberofDives"),
            real("MaxDepth", kDec),
            int32("TotalBottomTime"),
            text("OwnerName", 20, kRequired),
            text("OwnerEmail", 50, kRequired),
            memo("Certifications"),
            text("Picture", 100),
            text("EContact", 20),
            text("EContactPhone", 20),
            text("EInsurance", 40),
            text("EPolicy", 40),
            text("DANID", 20),
            text("DANLevel", 20),
            date("DANExpire", kDate),
            memo("Notes"),
            logical("CopyOnServer"),
            dateTime("LastModified"),
            text("Sex", 10),
            real("Weight", kDec),
            text("Height", 10),
            real("SACRate", kDec0),
            logical("Shared"),
            real("SACvol", kDec0x4),
        },
        {"DiverName", "Phone_Home", "Phone_Work", "Email"},
        {},
    };
    return def;
}

const TableDef& diveLog()
{
    static const TableDef def{
        QStringLiteral("DiveLog"),
        {
            text("DiverName", 20, kRequired),
            int32("DiveNumber", kRequired),
            dateTime("StartTime", kDateTime),
            dateTime("EndTime", kDateTime),
            text("Location", 40),
            text("DiveSite", 40),
            text("OwnerName", 20, kRequired),
            text("OwnerEmail", 50, kRequired),
            text("DiveType", 20),
            text("DiveMaster", 20),
            text("DiveBuddy1", 20),
            text("DiveBuddy2", 20),
            text("DiveBuddy3", 20),
            text("Divebuddy4", 20), // lower-case b, as in existing logbooks
            text("DiveOperation", 40),
            int32("Format"),
            real("MaximumDepth", kDec),
            real("AverageDepth", kDec),
            int32("BottomTime"),
            int32("SurfaceInterval"),
            text("PGStart", 2),
            text("PGEnd", 2),
            real("Visibility", kDec),
            real("TemperatureAir", kDec),
            text("Weather", 20),
            text("DayTime", 20),
            real("TemperatureWaterMin", kDec),
            real("TemperatureWaterMax", kDec),
            text("WaterType", 20),
            text("EntryType", 20),
            real("AirPressureStart", kDec0),
            real("AirPressureEnd", kDec0),
            real("Weight", kDec),
            logical("Swimsuit"),
            logical("Shorty"),
            logical("Skin"),
            logical("Wetsuit"),
            logical("Drysuit"),
            logical("Gloves"),
            logical("Boots"),
            logical("Hood"),
            fmemo("Comments"),
            text("DiveStamp", 20),
            fmemo("Pictures"),
            text("VFLabel", 40),
            int16("Rating"),
            logical("CopyOnServer"),
            dateTime("LastModified"),
            text("Current", 20),
            text("Gas", 20),
            text("Deco", 20),
            text("Apparatus", 20),
            text("GasSource", 20),
            text("Computer", 40),
            // Tanks 1 to 3: gas mix, start and end pressure, minute of the tank change.
            real("T1O2"),
            real("T1N2"),
            real("T1He"),
            real("T1SPSI", kDec0),
            real("T1EPSI", kDec0),
            int32("T1T"),
            real("T2O2"),
            real("T2N2"),
            real("T2He"),
            real("T2SPSI", kDec0),
            real("T2EPSI", kDec0),
            int32("T2T"),
            real("T3O2"),
            real("T3N2"),
            real("T3He"),
            real("T3SPSI", kDec0),
            real("T3EPSI", kDec0),
            // Safety data.
            text("Rest", 20),
            text("Alcohol", 20),
            text("Exercise", 20),
            text("Medication", 20),
            text("Comfort", 20),
            text("Workload", 20),
            text("Problems", 20),
            text("EquipMalf", 20),
            text("Altitude", 20),
            text("DCS", 10),
            fmemo("SafetyComments"),
            real("DiveAltitude", kDec0),
            real("PSIUsed", kDec0),
            real("SACRate", kDec0),
            logical("Mitt"),
            text("WaterConditions", 20),
            int32("T3T"), // tank 3's change minute, added after the safety fields
            real("T1S", kDec0),
            real("T2S", kDec0),
            real("T3S", kDec0),
            real("T1P", kDec0),
            real("T2P", kDec0),
            real("T3P", kDec0),
            real("CFUsed", kDec0),
            real("CFM", kDec0),
            real("ACFMRate", kDec0),
            logical("Shared"),
            real("O2pp", kDec0),
            real("O2Exposure", kDec0),
        },
        {"DiverName", "DiveNumber", "StartTime", "EndTime", "Location", "DiveSite", "OwnerName",
         "OwnerEmail"},
        {},
    };
    return def;
}

const TableDef& diveSite()
{
    static const TableDef def{
        QStringLiteral("DiveSite"),
        {
            text("DiveSite", 40, kRequired),
            text("Location", 40),
            text("DiveType", 20),
            int16("Rating"),
            text("OwnerName", 20),
            text("OwnerEmail", 50),
            fmemo("Comments"),
            logical("CopyOnServer"),
            dateTime("LastModified"),
            logical("Shared"),
            text("Longitude", 20),
            text("Latitude", 20),
            text("Altitude", 20),
        },
        {"DiveSite", "Location", "DiveType", "Rating", "OwnerName", "OwnerEmail"},
        {},
    };
    return def;
}

const TableDef& diveResources()
{
    static const TableDef def{
        QStringLiteral("DiveResources"),
        {
            text("CompanyName", 40, kRequired),
            text("Type", 20),
            text("Phone1", 20),
            text("OwnerName", 20, kRequired),
            text("OwnerEmail", 50, kRequired),
            text("Phone2", 20),
            text("Fax", 20),
            text("Address1", 40),
            text("Address2", 40),
            text("City", 20),
            text("State", 20),
            text("Country", 20),
            text("ZipCode", 10),
            text("Email", 50),
            text("WebAddress", 80),
            int16("Rating"),
            fmemo("Comments"),
            logical("CopyOnServer"),
            dateTime("LastModified"),
            logical("Shared"),
        },
        {"CompanyName", "Type", "Phone1", "OwnerName", "OwnerEmail"},
        {},
    };
    return def;
}

const TableDef& travel()
{
    static const TableDef def{
        QStringLiteral("Travel"),
        {
            text("OwnerName", 20, kRequired),
            text("OwnerEmail", 50, kRequired),
            int32("TripNumber", kRequired),
            text("Location", 80),
            date("StartDate", kDate),
            date("EndDate", kDate),
            text("TravelAgent", 40),
            text("DiveShop", 40),
            text("Lodging", 40),
            money("RoomRate"),
            money("AirFare"),
            money("DiveCost"),
            money("MealCost"),
            money("MiscCost"),
            money("TotalCost"),
            text("Currency", 2),
            int32("NumberofDives"),
            int16("TripRating"),
            memo("Dives"),
            fmemo("TripReport"),
            logical("CopyOnServer"),
            dateTime("LastModified"),
            logical("Shared"),
        },
        {"OwnerName", "OwnerEmail", "TripNumber", "Location", "StartDate", "EndDate"},
        {},
    };
    return def;
}

const TableDef& equipment()
{
    static const TableDef def{
        QStringLiteral("Equipment"),
        {
            text("Type", 20, kRequired),
            text("Make", 20, kRequired),
            text("Model", 20),
            text("SerialNumber", 40),
            text("OwnerName", 20),
            text("OwnerEmail", 50),
            text("Color", 20),
            text("Size", 10),
            text("DiveShop", 40),
            money("Price"),
            text("Currency", 2),
            date("Date", kDate),
            text("Warranty", 20),
            text("Description", 80),
            fmemo("Comments"),
            memo("Maintenance"),
            text("Picture", 100),
            money("AskingPrice"),
            logical("CopyOnServer"),
            dateTime("LastModified"),
            logical("Shared"),
        },
        {"Type", "Make", "Model", "SerialNumber", "OwnerName", "OwnerEmail"},
        {},
    };
    return def;
}

const TableDef& diveComputer()
{
    static const TableDef def{
        QStringLiteral("DiveComputer"),
        {
            text("DiveStamp", 20),
            int32("ComputerType"),
            text("Format", 2), // a unit code here, unlike the integer Format of the other tables
            int32("DiveNumber"),
            dateTime("StartTime", kDateTime),
            dateTime("EndTime", kDateTime),
            int32("SurfaceInterval"),
            real("MaxDepth", kDec0),
            real("MinTemp", kDec0),
            real("AvgDepth", kDec0),
            int32("DiveTime"),
            memo("DepthLog"),
            memo("TempLog"),
            text("OwnerName", 20),
            text("OwnerEmail", 50),
            logical("CopyOnServer"),
            dateTime("LastModified"),
            real("MaxTemp", kDec0),
            real("AirTemp", kDec0),
            real("StartPressure", kDec0),
            real("EndPressure", kDec0),
            int32("SampleRate"),
            int32("PercentO2"),
            logical("Shared"),
        },
        {"DiveStamp", "ComputerType", "Format", "DiveNumber", "StartTime", "EndTime"},
        {
            // Downloaded dives are normally listed in time order.
            IndexDef{QStringLiteral("DateTime_Index"),
                     {"StartTime", "EndTime", "DiveStamp", "DiveNumber"},
                     /*unique=*/false,
                     /*caseInsensitive=*/true},
        },
    };
    return def;
}

const TableDef& pictures()
{
    static const TableDef def{
        QStringLiteral("Pictures"),
        {
            text("FileName", 100, kRequired),
            text("OwnerName", 20, kRequired),
            text("OwnerEmail", 50, kRequired),
            text("Title", 40, kRequired),
            text("Location", 40),
            text("DiveSite", 40),
            fmemo("Description"),
            dateTime("DateTime", kDateTime),
            text("VFLabel", 40),
            int32("AutoInc"), // a plain integer the program numbers itself, not an engine counter
            logical("CopyOnServer"),
            dateTime("LastModified"),
            logical("Shared"),
        },
        {"FileName", "OwnerName", "OwnerEmail", "Title"},
        {
            IndexDef{QStringLiteral("Title_Index"),
                     {"Title", "Location", "DiveSite", "FileName"},
                     /*unique=*/true,
                     /*caseInsensitive=*/true},
        },
    };
    return def;
}

const TableDef& menuItems()
{
    static const TableDef def{
        QStringLiteral("MenuItems"),
        {
            text("Menu", 60),
            text("Item", 60),
            logical("CopyOnServer"),
        },
        {"Menu", "Item"},
        {},
    };
    return def;
}

const TableDef& messageBoard()
{
    static const TableDef def{
        QStringLiteral("MessageBoard"),
        {
            int32("MID"),
            int32("RID"),
            text("Section", 40),
            text("Subject", 80),
            dateTime("DateTime"),
            int32("TZ"),
            text("FromName", 20),
            text("FromEmail", 80),
            text("ToName", 20),
            text("ToEmail", 80),
            memo("Message"),
        },
        {"MID", "RID", "Section", "Subject"},
        {},
    };
    return def;
}

const TableDef& zafDebug()
{
    // The trace log has no key: lines are kept in the order they were written.
    static const TableDef def{
        QStringLiteral("ZAF_Debug"),
        {
            dateTime("DateTime"),
            autoInc("Count"),
            text("Procedure", 50),
            text("Message", 100),
        },
        {},
        {},
    };
    return def;
}

const TableDef& zafHelp()
{
    // Shipped read-only with the program; topics are read in Help_ID order.
    static const TableDef def{
        QStringLiteral("ZAFHelp"),
        {
            int32("Help_ID"),
            text("Help_Caption", 255),
            fmemo("Help_Text"),
        },
        {"Help_ID"},
        {},
    };
    return def;
}

// clang-format on

const TableDef* byName(const QString& name)
{
    // Table names, like the file names they stand for, compare without regard to case.
    using Getter = const TableDef& (*)();
    static const Getter all[] = {divers,       diveLog,  diveSite,  diveResources, travel,   equipment,
                                 diveComputer, pictures, menuItems, messageBoard,  zafDebug, zafHelp};
    for (Getter get : all) {
        const TableDef& def = get();
        if (def.name.compare(name, Qt::CaseInsensitive) == 0)
            return &def;
    }
    return nullptr;
}

} // namespace schema
} // namespace zaf::store
