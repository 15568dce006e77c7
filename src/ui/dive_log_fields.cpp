#include "ui/dive_log_form.h"
#include "ui/page_pieces.h"

namespace zaf::gui {

namespace {

QStringList letters()
{
    QStringList items;
    for (char c = 'A'; c <= 'Z'; ++c)
        items.append(QString(QLatin1Char(c)));
    return items;
}

const QStringList kAllWaterConditions = {"Low Tide", "High Tide", "Waves", "Chop", "Surge", "Calm"};

} // namespace

QStringList waterConditionsFor(const QString& entryType)
{
    if (entryType == QLatin1String("Shore Entry"))
        return {"Normal", "High Tide", "Low Tide"};
    if (entryType == QLatin1String("Boat Entry"))
        return {"Calm", "Chop", "Surge", "Waves"};
    return kAllWaterConditions;
}

const QVector<DiveFieldInfo>& diveLogFields()
{
    using K = DiveFieldKind;
    using A = DiveFieldArea;
    using L = DiveLinkTo;
    // Columns: the main area and the sub-pages are grids of 24 equal columns.
    static const QVector<DiveFieldInfo> infos = {
        // main area
        {"DiverName", "Diver Name", K::Link, A::Main, 0, 0, 5, {}, L::Divers},
        {"DiveNumber", "Dive #", K::Text, A::Main, 0, 5, 2},
        {"StartTime", "Start Time", K::Text, A::Main, 0, 7, 7, {}, L::None, "Dbl Click to pick date and time"},
        {"EndTime", "End Time", K::Text, A::Main, 0, 14, 7, {}, L::None, "Dbl Click to pick date and time"},
        {"BottomTime", "Dive Time", K::Text, A::Main, 0, 21, 3, {}, L::None, "Minutes"},
        {"Location", "Location", K::Location, A::Main, 1, 0, 6},
        {"DiveSite", "Dive Site", K::Link, A::Main, 1, 6, 6, {}, L::DiveSites},
        {"DiveOperation", "Dive Shop", K::Link, A::Main, 1, 12, 6, {}, L::DiveResources},
        {"DiveType", "Dive Type", K::List, A::Main, 1, 18, 6, diveTypeItems()},
        {"AirPressureStart", "Start PSI", K::Text, A::Main, 2, 0, 3},
        {"AirPressureEnd", "End PSI", K::Text, A::Main, 2, 3, 3},
        {"PSIUsed", "Used PSI", K::Text, A::Main, 2, 6, 3},
        {"SACRate", "SAC Rate", K::Text, A::Main, 2, 9, 3, {}, L::None, "Dbl Click for the SAC volume"},
        {"MaximumDepth", "Max. Depth", K::Text, A::Main, 2, 12, 4},
        // columns 16-18 of row 2: the depth unit button
        {"AverageDepth", "Avg. Depth", K::Text, A::Main, 2, 19, 5},
        {"Rating", "Dive Rating", K::List, A::Main, 4, 6, 3, ratingItems()},
        // columns 0-5 of row 3: the surface interval boxes
        {"PGStart", "Pressure Group", K::List, A::Main, 3, 6, 4, letters()},
        {"PGEnd", "", K::List, A::Main, 3, 10, 2, letters()},
        {"Gas", "Breathing Gas", K::List, A::Main, 3, 12, 6,
         {"Air", "EANx32", "EANx36", "Nitrox I", "Nitrox II", "Nitrox", "Heliox", "Trimix", "Oxygen"}},
        {"Deco", "Decompression", K::List, A::Main, 3, 18, 6, {"None", "Safety Stop", "In Water", "In Chamber"}},
        {"VFLabel", "Video/Film Label", K::Text, A::Main, 4, 0, 6},
        {"Comments", "Comments", K::Memo, A::Main, 4, 9, 15, {}, L::None, "Dbl Click to toggle full screen"},

        // owner line, under the sub-pages (captions beside the fields)
        {"OwnerName", "Owner", K::Shown, A::Owner, 0, 0, 1},
        {"OwnerEmail", "E-mail", K::Shown, A::Owner, 0, 1, 1},
        {"CopyOnServer", "Copy on Server", K::ShownCheck, A::Owner, 0, 2, 1},

        // Buddies
        {"DiveBuddy1", "Dive Buddy", K::Link, A::Buddies, 0, 0, 8, {}, L::Divers},
        {"DiveMaster", "Dive Master", K::Link, A::Buddies, 0, 8, 8, {}, L::Divers},
        {"DiveBuddy2", "Additional Buddies", K::Link, A::Buddies, 1, 0, 8, {}, L::Divers},
        {"DiveBuddy3", "", K::Link, A::Buddies, 1, 8, 8, {}, L::Divers},
        {"Divebuddy4", "", K::Link, A::Buddies, 1, 16, 8, {}, L::Divers},

        // Environment (unit buttons beside visibility, altitude and the temperatures)
        {"Visibility", "Visibility", K::Text, A::Environment, 0, 0, 4},
        {"WaterType", "Water Type", K::List, A::Environment, 0, 8, 5, {"Fresh Water", "Salt Water"}},
        {"EntryType", "Entry Type", K::List, A::Environment, 0, 13, 5, {"Boat Entry", "Shore Entry"}},
        {"WaterConditions", "Water Conditions", K::List, A::Environment, 0, 18, 6, kAllWaterConditions},
        {"DiveAltitude", "Altitude", K::Text, A::Environment, 1, 0, 4},
        {"Current", "Current", K::List, A::Environment, 1, 8, 5, {"None", "Light", "Moderate", "Fast"}},
        {"Weather", "Weather", K::List, A::Environment, 1, 13, 5,
         {"Clear", "Partly Cloudy", "Overcast", "Rain", "Stormy", "Snow"}},
        {"DayTime", "Time of Day", K::List, A::Environment, 1, 18, 6, {"Day", "Dawn", "Dusk", "Night"}},
        {"TemperatureWaterMin", "Water Min.", K::Text, A::Environment, 2, 0, 4},
        {"TemperatureWaterMax", "Water Max.", K::Text, A::Environment, 2, 4, 4},
        {"TemperatureAir", "Air Temp", K::Text, A::Environment, 2, 8, 5},

        // Dive Suit / Equipment
        {"Hood", "Hood", K::Check, A::Suit, 0, 0, 4},
        {"Gloves", "Gloves", K::Check, A::Suit, 0, 4, 4},
        {"Mitt", "Mitt", K::Check, A::Suit, 0, 8, 4},
        {"Boots", "Boots", K::Check, A::Suit, 0, 12, 4},
        {"Swimsuit", "Swimsuit", K::Check, A::Suit, 1, 0, 4},
        {"Skin", "Skin", K::Check, A::Suit, 1, 4, 4},
        {"Shorty", "Shorty", K::Check, A::Suit, 1, 8, 4},
        {"Wetsuit", "Wetsuit", K::Check, A::Suit, 1, 12, 4},
        {"Drysuit", "Drysuit", K::Check, A::Suit, 1, 16, 4},
        {"Weight", "Weight", K::Text, A::Suit, 2, 0, 4},
        {"Apparatus", "Apparatus", K::List, A::Suit, 2, 8, 5,
         {"None", "SCUBA", "Rebreather", "Surface Supplied", "Chamber", "Experimental"}},
        {"GasSource", "Gas Source", K::List, A::Suit, 2, 13, 5,
         {"Tank", "Compressor", "Air Banks", "Gas Banks", "Mix Maker"}},
        {"Computer", "Computer", K::Computer, A::Suit, 2, 18, 6},

        // Safety / Outcome
        {"Rest", "Rest", K::List, A::Safety, 0, 0, 4, {"Rested", "Tired", "Exhausted"}},
        {"Alcohol", "Alcohol", K::List, A::Safety, 0, 4, 4,
         {"None", "1 drink", "2 drinks", "3 drinks", "4 drinks", "5 drinks", "6 or more drinks"}},
        {"Exercise", "Exercise", K::List, A::Safety, 0, 8, 4, {"None", "Light", "Moderate", "Heavy"}},
        {"Medication", "Medication", K::List, A::Safety, 0, 12, 4, {"None"}},
        {"Comfort", "Comfort", K::List, A::Safety, 0, 16, 4, {"Comfortable", "Cold", "Very Cold", "Hot"}},
        {"Workload", "Workload", K::List, A::Safety, 0, 20, 4,
         {"Resting", "Light", "Moderate", "Severe", "Exhausting"}},
        {"Problems", "Problems", K::List, A::Safety, 1, 0, 4,
         {"None", "Equalization", "Vertigo", "Out of Air", "Buoyancy", "Shared Air", "Rapid Ascent",
          "Sea Sickness"}},
        {"EquipMalf", "Malfunction", K::List, A::Safety, 1, 4, 5,
         {"None", "Face Mask", "Fins", "Weight", "BCD", "Thermal Protection", "Dive Computer", "Depth Gauge",
          "Pressure Gauge", "Breathing Apparatus"}},
        {"Altitude", "Altitude within 48hrs", K::List, A::Safety, 1, 9, 7,
         {"No", "Commercial Aircraft", "Ground Transportation", "MedEvac Aircraft", "Unpressurized Aircraft"}},
        {"DCS", "Symptoms of DCS", K::List, A::Safety, 1, 16, 5, {"No", "Yes"}},
        {"SafetyComments", "Safety Comments", K::Memo, A::Safety, 2, 0, 16},

        // Gas Mixture: one line per tank (its label in columns 0-1); the totals beside the tanks,
        // in rows 3 and 4 of their own block.
        {"T1O2", "O2 %", K::Text, A::GasMixture, 0, 2, 2},
        {"T1N2", "N2 %", K::Text, A::GasMixture, 0, 4, 2},
        {"T1He", "He %", K::Text, A::GasMixture, 0, 6, 2},
        {"T1SPSI", "Start", K::Text, A::GasMixture, 0, 8, 3},
        {"T1EPSI", "End", K::Text, A::GasMixture, 0, 11, 3},
        {"T1T", "Time", K::Text, A::GasMixture, 0, 14, 3, {}, L::None, "Minutes into dive tank was changed"},
        {"T1S", "Size", K::Text, A::GasMixture, 0, 17, 3},
        {"T1P", "Rated", K::Text, A::GasMixture, 0, 20, 3},
        {"T2O2", "", K::Text, A::GasMixture, 1, 2, 2},
        {"T2N2", "", K::Text, A::GasMixture, 1, 4, 2},
        {"T2He", "", K::Text, A::GasMixture, 1, 6, 2},
        {"T2SPSI", "", K::Text, A::GasMixture, 1, 8, 3},
        {"T2EPSI", "", K::Text, A::GasMixture, 1, 11, 3},
        {"T2T", "", K::Text, A::GasMixture, 1, 14, 3, {}, L::None, "Minutes into dive tank was changed"},
        {"T2S", "", K::Text, A::GasMixture, 1, 17, 3},
        {"T2P", "", K::Text, A::GasMixture, 1, 20, 3},
        {"T3O2", "", K::Text, A::GasMixture, 2, 2, 2},
        {"T3N2", "", K::Text, A::GasMixture, 2, 4, 2},
        {"T3He", "", K::Text, A::GasMixture, 2, 6, 2},
        {"T3SPSI", "", K::Text, A::GasMixture, 2, 8, 3},
        {"T3EPSI", "", K::Text, A::GasMixture, 2, 11, 3},
        {"T3T", "", K::Text, A::GasMixture, 2, 14, 3, {}, L::None, "Minutes into dive tank was changed"},
        {"T3S", "", K::Text, A::GasMixture, 2, 17, 3},
        {"T3P", "", K::Text, A::GasMixture, 2, 20, 3},
        {"CFUsed", "Vol. Used", K::Text, A::GasMixture, 3, 0, 1},
        {"CFM", "Vol. / Min.", K::Text, A::GasMixture, 3, 1, 1},
        {"ACFMRate", "SAC Vol.", K::Text, A::GasMixture, 3, 2, 1},
        {"O2pp", "O2 p.p.", K::Text, A::GasMixture, 4, 0, 1},
        {"O2Exposure", "% O2 Exposr", K::Text, A::GasMixture, 4, 1, 1},
    };
    return infos;
}

} // namespace zaf::gui
