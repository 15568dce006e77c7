#include "calc/unit_commands.h"
#include "calc/unit_conversion.h"
#include "dive_fixture.h"
#include "store/schema.h"

namespace zaf::test {
namespace {

using calc::Quantity;

struct ConversionCase {
    const char* what;
    Quantity quantity;
    bool toMetric;
    double in;
    double out;
};

// Products with 0.3048, 1.8 and 14.5038 come out at four decimals; everything else keeps
// full precision.
const ConversionCase kConversions[] = {
    {"feet to meters", Quantity::Length, true, 100, 30.48},
    {"feet to meters, rounded", Quantity::Length, true, 33.3333, 10.16},
    {"meters to feet, full", Quantity::Length, false, 10, 10 / 0.3048},
    {"Fahrenheit to Celsius, full", Quantity::Temperature, true, 50, (50 - 32) / 1.8},
    {"Celsius to Fahrenheit", Quantity::Temperature, false, 20, 68},
    {"Celsius to Fahrenheit, rounded", Quantity::Temperature, false, 21.11111, 70.0},
    {"psi to bar, full", Quantity::Pressure, true, 3000, 3000 / 14.5038},
    {"bar to psi, rounded", Quantity::Pressure, false, 1.23456, 17.9058},
    {"bar to psi comes back to 3000", Quantity::Pressure, false, 3000 / 14.5038, 3000},
    {"cubic feet to liters", Quantity::Volume, true, 80, 80 / 0.0353146},
    {"liters to cubic feet, full", Quantity::Volume, false, 11.1, 11.1 * 0.0353146},
    {"pounds to kilograms, full", Quantity::Weight, true, 10.5, 10.5 * 0.453592},
    {"kilograms to pounds", Quantity::Weight, false, 4.53592, 4.53592 / 0.453592},
};

TEST(UnitConversion, FactorsAndPrecision)
{
    for (const ConversionCase& c : kConversions) {
        SCOPED_TRACE(c.what);
        const double got = c.toMetric ? calc::toMetric(c.quantity, c.in) : calc::toImperial(c.quantity, c.in);
        EXPECT_DOUBLE_EQ(got, c.out);
    }
}

TEST(UnitConversion, CaptionsFollowTheFormat)
{
    const auto imperial = calc::unitCaptions(QStringLiteral("0"));
    ASSERT_TRUE(imperial);
    EXPECT_EQ(imperial->depth, QStringLiteral("Feet"));
    EXPECT_EQ(imperial->temperature, QStringLiteral("Fahrenheit"));
    EXPECT_EQ(imperial->weight, QStringLiteral("lb."));
    EXPECT_EQ(imperial->startPressure, QStringLiteral("Start PSI"));
    EXPECT_EQ(imperial->endPressure, QStringLiteral("End PSI"));
    EXPECT_EQ(imperial->usedPressure, QStringLiteral("Used PSI"));

    const auto metric = calc::unitCaptions(QStringLiteral("1"));
    ASSERT_TRUE(metric);
    EXPECT_EQ(metric->depth, QStringLiteral("Meters"));
    EXPECT_EQ(metric->temperature, QStringLiteral("Celsius"));
    EXPECT_EQ(metric->weight, QStringLiteral("kg"));
    EXPECT_EQ(metric->startPressure, QStringLiteral("Start BAR"));
    EXPECT_EQ(metric->endPressure, QStringLiteral("End BAR"));
    EXPECT_EQ(metric->usedPressure, QStringLiteral("Used BAR"));

    EXPECT_FALSE(calc::unitCaptions(QString()));
    EXPECT_FALSE(calc::unitCaptions(QStringLiteral("2")));
}

using ConvertDiveTest = DiveFixture;

TEST_F(ConvertDiveTest, ToMetricAndBackPostsAndRecomputesGas)
{
    addDive(1, {{"MaximumDepth", 100.0},
                {"TemperatureAir", 68.0},
                {"AirPressureStart", 4000.0},
                {"AirPressureEnd", 700.0},
                {"BottomTime", 40},
                {"T1S", 80.0},
                {"T1P", 3000.0},
                {"T1SPSI", 3000.0},
                {"T1EPSI", 500.0},
                {"T2SPSI", 1000.0},
                {"T2EPSI", 200.0},
                {"PSIUsed", 123.0}});
    // Format left empty: an undecided entry goes to metric.

    calc::convertDiveLogEntry(data);
    EXPECT_EQ(field("Format").asString(), QStringLiteral("1"));
    EXPECT_DOUBLE_EQ(field("MaximumDepth").asFloat(), 30.48);
    EXPECT_DOUBLE_EQ(field("TemperatureAir").asFloat(), 20.0);
    EXPECT_DOUBLE_EQ(field("T1S").asFloat(), 80 / 0.0353146);
    EXPECT_DOUBLE_EQ(field("T2SPSI").asFloat(), 1000 / 14.5038);
    for (const char* empty : {"AverageDepth", "Visibility", "Weight", "T3S", "T3SPSI", "DiveAltitude"}) {
        SCOPED_TRACE(empty);
        EXPECT_TRUE(field(empty).isNull());
    }
    // The gas figures are recomputed from the converted pressures, not converted themselves.
    EXPECT_DOUBLE_EQ(field("AirPressureStart").asFloat(), 3000 / 14.5038 + 1000 / 14.5038);
    EXPECT_DOUBLE_EQ(field("PSIUsed").asFloat(), 4000 / 14.5038 - 700 / 14.5038);
    EXPECT_EQ(view.unitCaptions[Page::DiveLog].usedPressure, QStringLiteral("Used BAR"));
    EXPECT_EQ(view.depthCaption, QStringLiteral("Meters"));

    // The converted values were posted: another cursor on the file reads them.
    store::Table other;
    other.setDefinition(store::schema::diveLog());
    other.setPath(log().path());
    other.open();
    other.first();
    EXPECT_EQ(other[QStringLiteral("Format")].asString(), QStringLiteral("1"));
    EXPECT_DOUBLE_EQ(other[QStringLiteral("MaximumDepth")].asFloat(), 30.48);

    calc::convertDiveLogEntry(data);
    EXPECT_EQ(field("Format").asString(), QStringLiteral("0"));
    EXPECT_NEAR(field("MaximumDepth").asFloat(), 100, 1e-9);
    EXPECT_DOUBLE_EQ(field("TemperatureAir").asFloat(), 68);
    EXPECT_DOUBLE_EQ(field("T1SPSI").asFloat(), 3000);
    EXPECT_DOUBLE_EQ(field("AirPressureEnd").asFloat(), 700);
    EXPECT_TRUE(field("Visibility").isNull());
    EXPECT_EQ(view.unitCaptions[Page::DiveLog].usedPressure, QStringLiteral("Used PSI"));
    EXPECT_EQ(view.unitCaptions[Page::DiveLog].temperature, QStringLiteral("Fahrenheit"));
}

TEST_F(ConvertDiveTest, DiverRecordConvertsDepthAndWeight)
{
    store::Table& divers = data.Divers_Table;
    divers.append();
    divers[QStringLiteral("DiverName")].setAsString(QStringLiteral("Jo"));
    divers[QStringLiteral("OwnerName")].setAsString(QStringLiteral("Jo"));
    divers[QStringLiteral("OwnerEmail")].setAsString(QStringLiteral("jo@example.org"));
    divers[QStringLiteral("Format")].setAsInteger(0);
    divers[QStringLiteral("MaxDepth")].setAsFloat(130);
    divers.post();

    calc::convertDiverRecord(data);
    EXPECT_EQ(divers[QStringLiteral("Format")].asString(), QStringLiteral("1"));
    EXPECT_DOUBLE_EQ(divers[QStringLiteral("MaxDepth")].asFloat(), 39.624);
    EXPECT_TRUE(divers[QStringLiteral("Weight")].isNull());
    EXPECT_EQ(divers.state(), store::Table::State::Browse);
    EXPECT_EQ(view.diverDepthCaption, QStringLiteral("Meters"));
    EXPECT_EQ(view.diverWeightCaption, QStringLiteral("kg"));
}

} // namespace
} // namespace zaf::test
