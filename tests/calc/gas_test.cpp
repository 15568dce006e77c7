#include "calc/breathing_gas.h"
#include "calc/calc_hooks.h"
#include "calc/gas_formulas.h"
#include "calc/gas_rules.h"
#include "dive_fixture.h"

namespace zaf::test {
namespace {

TEST(GasFormulas, TankRatesAndTheirMean)
{
    EXPECT_DOUBLE_EQ(calc::tankVolumeUsed(80, 3000, 3000, 500), 200.0 / 3);
    EXPECT_EQ(calc::tankVolumeUsed(80, 0, 3000, 500), 0);
    EXPECT_DOUBLE_EQ(calc::tankRate(80, 3000, 3000, 500, 40), 5.0 / 3);
    EXPECT_EQ(calc::tankRate(80, 3000, 3000, 500, 0), 0);
    EXPECT_EQ(calc::tankRate(80, 3000, 3000, 500, -5), 0);
    EXPECT_EQ(calc::tankRate(80, 0, 3000, 500, 40), 0);

    const struct {
        double r1, r2, r3, mean;
    } means[] = {
        {1.5, 2.5, 0, 2},
        {0, 2.5, 0, 0},   // without tank 1 there is no mean
        {1, 2, 3, 2},
        {1, 0, 3, 1},     // tank 3 counts only after tank 2
        {1.2, 0, 0, 1.2},
    };
    for (const auto& m : means) {
        SCOPED_TRACE(testing::Message() << m.r1 << " " << m.r2 << " " << m.r3);
        EXPECT_DOUBLE_EQ(calc::meanTankRate(m.r1, m.r2, m.r3), m.mean);
    }
    EXPECT_FALSE(calc::volumeForPressure(80, 0, 20));
}

TEST(GasFormulas, BreathingGasChoices)
{
    const struct {
        const char* name;
        bool fixed;
        double oxygen, nitrogen;
        bool shows;
    } cases[] = {
        {"Air", true, 21, 79, false},      {"EANx32", true, 32, 68, true}, {"Nitrox I", true, 32, 68, true},
        {"Nitrox II", true, 36, 64, true}, {"EANx36", true, 36, 64, true}, {"Oxygen", true, 100, 0, true},
        {"Heliox", false, 0, 0, true},     {"Trimix", false, 0, 0, true},  {"  ", false, 0, 0, false},
        {"", false, 0, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const calc::BreathingGasChoice choice = calc::breathingGas(QString::fromLatin1(c.name));
        EXPECT_EQ(choice.showMixture, c.shows);
        ASSERT_EQ(choice.mix.has_value(), c.fixed);
        if (c.fixed) {
            EXPECT_EQ(choice.mix->oxygen, c.oxygen);
            EXPECT_EQ(choice.mix->nitrogen, c.nitrogen);
            EXPECT_EQ(choice.mix->helium, 0);
        }
    }
}

using GasRulesTest = DiveFixture;

TEST_F(GasRulesTest, SacRateInBothUnitSystems)
{
    const struct {
        const char* what;
        int format;
        double start, end, depth, sac;
    } cases[] = {
        {"imperial", 0, 3000, 500, 66, 2500.0 / 40 * 33 / 99},
        {"metric", 1, 206.84, 34.47, 20.1168, 1.4364},
    };
    int number = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        addDive(number++, {{"Format", c.format}});
        type({{"AirPressureStart", c.start}, {"AirPressureEnd", c.end}, {"BottomTime", 40}, {"MaximumDepth", c.depth}});
        calc::computeGasConsumption(data);
        EXPECT_DOUBLE_EQ(field("PSIUsed").asFloat(), c.start - c.end);
        EXPECT_NEAR(field("SACRate").asFloat(), c.sac, 1e-4);
        log().post();
    }
    EXPECT_DOUBLE_EQ(field("SACRate").asFloat(), (206.84 - 34.47) / 40 * 10.0584 / (20.1168 + 10.0584));
}

TEST_F(GasRulesTest, SingleTankMirrorsTheDiveAndGivesVolumes)
{
    addDive(1, {{"Format", 0}, {"T1S", 80.0}, {"T1P", 3000.0}});
    type({{"AirPressureStart", 3000.0}, {"AirPressureEnd", 500.0}, {"BottomTime", 40}, {"MaximumDepth", 66.0}});
    calc::computeGasConsumption(data);

    EXPECT_EQ(field("T1SPSI").asFloat(), 3000);
    EXPECT_EQ(field("T1EPSI").asFloat(), 500);
    EXPECT_EQ(field("T1T").asInteger(), 40);
    EXPECT_EQ(field("CFUsed").asString(), QStringLiteral("66.6666666666667"));
    EXPECT_EQ(field("CFM").asString(), QStringLiteral("1.66666666666667"));
    EXPECT_DOUBLE_EQ(field("ACFMRate").asFloat(), 80.0 / 3000 * field("SACRate").asFloat());
    EXPECT_EQ(field("AirPressureStart").asFloat(), 3000);
}

TEST_F(GasRulesTest, SecondTankKeepsTankOneAndSumsTheTotals)
{
    addDive(1, {{"Format", 0},
                {"T1S", 80.0}, {"T1P", 3000.0}, {"T1SPSI", 3000.0}, {"T1EPSI", 1500.0}, {"T1T", 20},
                {"T2S", 80.0}, {"T2P", 3000.0}, {"T2SPSI", 3000.0}, {"T2EPSI", 500.0}, {"T2T", 60}});
    type({{"AirPressureStart", 3000.0}, {"AirPressureEnd", 500.0}, {"BottomTime", 60}, {"MaximumDepth", 66.0}});
    calc::computeGasConsumption(data);

    EXPECT_EQ(field("T1SPSI").asFloat(), 3000);
    EXPECT_EQ(field("T1EPSI").asFloat(), 1500);
    EXPECT_EQ(field("T1T").asInteger(), 20);
    EXPECT_EQ(field("AirPressureStart").asFloat(), 6000);
    EXPECT_EQ(field("AirPressureEnd").asFloat(), 2000);
    EXPECT_EQ(field("CFUsed").asString(), QStringLiteral("106.666666666667"));
    // Rates 2 and 1.1111: the mean of both.
    EXPECT_NEAR(field("CFM").asFloat(), (2.0 + 10.0 / 9) / 2, 1e-12);

    // A second tank without a time has no rate: the mean is tank 1's alone.
    type({{"T2T", 0}});
    calc::computeTanks(data);
    EXPECT_NEAR(field("CFM").asFloat(), 2.0, 1e-12);
}

TEST_F(GasRulesTest, ResetKeepsPressureUsedAtZeroWithoutBothPressures)
{
    addDive(1, {{"Format", 0}, {"AirPressureStart", 3000.0}, {"PSIUsed", 999.0}, {"SACRate", 7.0}});
    calc::resetPressureUsed(data);
    EXPECT_EQ(field("PSIUsed").asFloat(), 0);
    EXPECT_EQ(field("SACRate").asFloat(), 7); // no pressure used, no new rate

    // Away from the Dive Log page nothing is derived.
    log().cancel();
    view.page = Page::Statistics;
    type({{"AirPressureEnd", 500.0}, {"BottomTime", 40}, {"MaximumDepth", 66.0}});
    calc::computeGasConsumption(data);
    EXPECT_EQ(field("PSIUsed").asFloat(), 999);
}

TEST_F(GasRulesTest, TankOnePrefillOnlyWhenEmpty)
{
    addDive(1, {{"AirPressureStart", 3000.0}, {"AirPressureEnd", 700.0}, {"BottomTime", 45}});
    calc::prefillTank1(data);
    EXPECT_EQ(field("T1SPSI").asFloat(), 3000);
    EXPECT_EQ(field("T1EPSI").asFloat(), 700);
    EXPECT_EQ(field("T1T").asInteger(), 45);

    type({{"T1SPSI", 2500.0}, {"T1EPSI", 1000.0}});
    calc::prefillTank1(data);
    EXPECT_EQ(field("T1EPSI").asFloat(), 1000);
}

TEST_F(GasRulesTest, SacVolumeMessage)
{
    addDive(1, {{"Format", 0}, {"T1S", 80.0}, {"SACRate", 15.0}});
    calc::showSacVolume(data);
    type({{"T1P", 3000.0}});
    calc::showSacVolume(data);
    type({{"Format", 1}, {"T1S", 11.0}, {"T1P", 200.0}, {"SACRate", 1.5}});
    calc::showSacVolume(data);
    EXPECT_EQ(ui.messages, (QStringList{QStringLiteral("Tank size and pressure needed"), QStringLiteral("0.4 cuft / min."),
                                        QStringLiteral("0.0825 liters / min.")}));
}

TEST_F(GasRulesTest, InstalledHookRunsTheComputation)
{
    EXPECT_FALSE(data.gasComputationHook);
    calc::installCalcHooks(data);
    ASSERT_TRUE(data.gasComputationHook);
    addDive(1, {{"Format", 0}});
    type({{"AirPressureStart", 3000.0}, {"AirPressureEnd", 500.0}, {"BottomTime", 40}, {"MaximumDepth", 66.0}});
    data.gasComputationHook();
    EXPECT_NEAR(field("SACRate").asFloat(), 20.8333, 1e-4);
}

} // namespace
} // namespace zaf::test
