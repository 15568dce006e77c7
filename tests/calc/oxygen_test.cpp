#include "calc/gas_rules.h"
#include "calc/oxygen.h"
#include "core/settings_guard.h"
#include "dive_fixture.h"

namespace zaf::test {
namespace {

TEST(Oxygen, LimitTable)
{
    ASSERT_EQ(calc::kOxygenLimits.size(), 21u);
    for (int i = 0; i <= 6; ++i)
        EXPECT_EQ(calc::kOxygenLimits[std::size_t(i)], 36.0) << i;
    const double rest[] = {28.5, 22.5, 18.0, 15.0, 12.0, 10.5, 9.0, 7.5, 6.0, 2.25, 1.0, 0, 0, 0};
    for (int i = 7; i <= 20; ++i)
        EXPECT_EQ(calc::kOxygenLimits[std::size_t(i)], rest[i - 7]) << i;
}

TEST(Oxygen, IndexFromTheShownPartialPressure)
{
    const struct {
        const char* shown;
        std::optional<int> index;
    } cases[] = {
        {"1.28", 13},
        {"1.25", 12}, // halves go to the even tenth
        {"0.65", 6},
        {"1.35", 14},
        {"1.9", 19},
        {"2.1", std::nullopt},
        {"-0.1", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(calc::exposureIndex(QString::fromLatin1(c.shown)), c.index);
    }
    EXPECT_DOUBLE_EQ(*calc::oxygenExposure(30, 13), 30.0 / 9 * 5);
    EXPECT_FALSE(calc::oxygenExposure(30, 19));
    EXPECT_FALSE(calc::oxygenExposure(30, 21));
}

TEST(Oxygen, WarningColourAbove1point4)
{
    const struct {
        const char* text;
        calc::O2ppColour colour;
    } cases[] = {
        {"1.28", calc::O2ppColour::Normal}, {"1.4", calc::O2ppColour::Normal},
        {"1.41", calc::O2ppColour::Warning}, {"1.6", calc::O2ppColour::Warning},
        {"", calc::O2ppColour::Normal},     {"n/a", calc::O2ppColour::Normal},
    };
    for (const auto& c : cases)
        EXPECT_EQ(calc::o2ppColour(QString::fromLatin1(c.text)), c.colour) << c.text;
}

using OxygenRuleTest = DiveFixture;

TEST_F(OxygenRuleTest, NitroxAt99FeetThroughTheBreathingGas)
{
    addDive(1, {{"Format", 0}, {"MaximumDepth", 99.0}, {"BottomTime", 30}, {"Gas", QStringLiteral("EANx32")}});
    calc::applyBreathingGas(data);
    EXPECT_EQ(field("T1O2").asFloat(), 32);
    EXPECT_EQ(field("T1N2").asFloat(), 68);
    EXPECT_EQ(field("T1He").asFloat(), 0);
    EXPECT_EQ(view.gasMixtureShown, 1);
    EXPECT_EQ(field("O2pp").asString(), QStringLiteral("1.28"));
    EXPECT_EQ(field("O2Exposure").asString(), QStringLiteral("16.6666666666667"));
    EXPECT_EQ(calc::o2ppColour(field("O2pp").displayText()), calc::O2ppColour::Normal);

    type({{"MaximumDepth", 132.0}});
    calc::computeOxygen(data);
    EXPECT_EQ(field("O2pp").asString(), QStringLiteral("1.6"));
    EXPECT_EQ(calc::o2ppColour(field("O2pp").displayText()), calc::O2ppColour::Warning);
}

TEST_F(OxygenRuleTest, MetricDepthUsesTenMetersPerAtmosphere)
{
    // Comma decimals too: the shown partial pressure is read back in the same settings.
    zaf::testing::RegionalSettingsGuard comma(zaf::testing::commaSettings());
    addDive(1, {{"Format", 1}, {"MaximumDepth", 30.0}, {"BottomTime", 30}, {"T1O2", 32.0}});
    view.depthCaption = QStringLiteral("Meters"); // as the page shows a metric entry
    calc::computeOxygen(data);
    EXPECT_DOUBLE_EQ(field("O2pp").asFloat(), 1.28);
    EXPECT_DOUBLE_EQ(field("O2Exposure").asFloat(), 16.6666666666667);
}

TEST_F(OxygenRuleTest, NoLimitOrMissingValuesLeaveTheExposure)
{
    // 100 % oxygen at 29.7 feet is 1.9 atmospheres: the table allows no time.
    addDive(1, {{"MaximumDepth", 29.7}, {"BottomTime", 30}, {"Gas", QStringLiteral("Oxygen")}, {"O2Exposure", 5.0}});
    calc::applyBreathingGas(data);
    EXPECT_DOUBLE_EQ(field("O2pp").asFloat(), 1.9);
    EXPECT_EQ(field("O2Exposure").asFloat(), 5);
    log().post();

    // Heliox only brings the mixture page up; the typed fractions stay.
    addDive(2, {{"BottomTime", 30}, {"Gas", QStringLiteral("Heliox")}, {"T1O2", 18.0}, {"T1He", 50.0},
                {"O2pp", 0.5}, {"O2Exposure", 7.0}});
    calc::applyBreathingGas(data);
    EXPECT_EQ(field("T1O2").asFloat(), 18);
    EXPECT_EQ(field("T1He").asFloat(), 50);
    EXPECT_EQ(view.gasMixtureShown, 2);
    // No maximum depth: the rule stops before writing anything.
    EXPECT_EQ(field("O2pp").asFloat(), 0.5);
    EXPECT_EQ(field("O2Exposure").asFloat(), 7);
}

} // namespace
} // namespace zaf::test
