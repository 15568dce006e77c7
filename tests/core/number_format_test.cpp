#include "core/number_format.h"

#include "settings_guard.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using zaf::testing::commaSettings;
using zaf::testing::dotSettings;
using zaf::testing::RegionalSettingsGuard;

namespace {

struct FloatTextCase {
    double value;
    const char* expected;
};

TEST(FloatToText, ShortestFormWithFifteenSignificantDigits)
{
    RegionalSettingsGuard guard(dotSettings());
    const std::vector<FloatTextCase> cases = {
        {20.833333333333332, "20.8333333333333"},
        {0.1 + 0.2, "0.3"},
        {100.0, "100"},
        {1.5, "1.5"},
        {-2.5, "-2.5"},
        {100 / 0.3048, "328.083989501312"},     // 328.08398950131233...
        {2.0 / 3.0, "0.666666666666667"},       // last kept digit rounds up
        {999999999999999.0, "999999999999999"}, // 15 digits still fit before the point
        {123456789012345.6, "123456789012346"},
        {0.00001, "0.00001"},   // 1E-5 itself is still written out
        {0.000015, "0.000015"},
        {0.0001234, "0.0001234"},
        {-0.0, "0"},
        {0.0, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zaf::floatToText(c.value), QString::fromLatin1(c.expected)) << c.expected;
}

TEST(FloatToText, ExponentFormForVeryLargeAndVerySmallValues)
{
    RegionalSettingsGuard guard(dotSettings());
    const std::vector<FloatTextCase> cases = {
        {1e20, "1E20"},
        {1.5e20, "1.5E20"},
        {1e15, "1E15"},
        {999999999999999.9, "1E15"}, // rounding to 15 digits carries into the next power
        {1.5e-7, "1.5E-7"},
        {1e-6, "1E-6"},
        {-1.5e300, "-1.5E300"},
        {1e-100, "1E-100"},
        {123456789012345678.0, "1.23456789012346E17"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zaf::floatToText(c.value), QString::fromLatin1(c.expected)) << c.expected;
}

TEST(FloatToText, NonFiniteValues)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(zaf::floatToText(inf), QStringLiteral("INF"));
    EXPECT_EQ(zaf::floatToText(-inf), QStringLiteral("-INF"));
    EXPECT_EQ(zaf::floatToText(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("NAN"));
}

TEST(FloatToText, UsesTheRegionalSeparator)
{
    RegionalSettingsGuard guard(commaSettings());
    const std::vector<FloatTextCase> cases = {
        {1.5, "1,5"},
        {-0.25, "-0,25"},
        {1.5e-7, "1,5E-7"},
        {100.0, "100"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zaf::floatToText(c.value), QString::fromLatin1(c.expected)) << c.expected;
}

struct ParseCase {
    const char* text;
    std::optional<double> expected;
};

void checkParses(const std::vector<ParseCase>& cases)
{
    for (const auto& c : cases) {
        const auto got = zaf::textToFloat(QString::fromUtf8(c.text));
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << '"' << c.text << '"';
        if (got) {
            EXPECT_DOUBLE_EQ(*got, *c.expected) << '"' << c.text << '"';
        }
    }
}

TEST(TextToFloat, AcceptsNumbersWithDotSettings)
{
    RegionalSettingsGuard guard(dotSettings());
    checkParses({
        {"1.5", 1.5},
        {"  1.5\t", 1.5},
        {"-2", -2.0},
        {"+3.25", 3.25},
        {".5", 0.5},
        {"5.", 5.0},
        {"1e3", 1000.0},
        {"1.5E-7", 1.5e-7},
        {"-2.5e+2", -250.0},
        {"20.8333333333333", 20.8333333333333},
        {"1e-400", 0.0}, // too small for a double: zero, not an error
    });
}

TEST(TextToFloat, RejectsWhatIsNoNumber)
{
    RegionalSettingsGuard guard(dotSettings());
    checkParses({
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"1.5x", std::nullopt},
        {"1.5 m", std::nullopt},
        {"x1.5", std::nullopt},
        {"1..5", std::nullopt},
        {"1.5.0", std::nullopt},
        {"--1", std::nullopt},
        {"+-1", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"1e", std::nullopt},
        {"e5", std::nullopt},
        {"1e+", std::nullopt},
        {"1,5", std::nullopt}, // a comma is no decimal point here
        {"1 000", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"0x10", std::nullopt},
        {"1e400", std::nullopt},
    });
}

TEST(TextToFloat, CommaSettingsTakeBothSeparators)
{
    RegionalSettingsGuard guard(commaSettings());
    checkParses({
        {"1,5", 1.5},
        {"1.5", 1.5},
        {" -0,25 ", -0.25},
        {"1,5E-7", 1.5e-7},
        {"1,5,0", std::nullopt},
        {"1,5.0", std::nullopt},
        {"1,", 1.0},
    });
}

TEST(TextToFloat, ReadsBackWhatFloatToTextWrites)
{
    const std::vector<double> values = {20.833333333333332, 100 / 0.3048, -1.5e-7, 1e20, 0.00001, 42.0};
    for (const auto& settings : {dotSettings(), commaSettings()}) {
        RegionalSettingsGuard guard(settings);
        for (double v : values) {
            const QString text = zaf::floatToText(v);
            const auto back = zaf::textToFloat(text);
            ASSERT_TRUE(back.has_value()) << text.toStdString();
            EXPECT_EQ(zaf::floatToText(*back), text);
        }
    }
}

struct PatternCase {
    double value;
    const char* pattern;
    const char* expected;
};

TEST(FormatFloat, FollowsThePattern)
{
    RegionalSettingsGuard guard(dotSettings());
    const std::vector<PatternCase> cases = {
        {1.5, "####0.##", "1.5"},
        {2.0, "####0.##", "2"},
        {1.43643, "####0.####", "1.4364"},
        {2.0, "0.00", "2.00"},
        {1.2, "0.0#", "1.2"},
        {1.0, "0.0#", "1.0"},
        {1.256, "0.0#", "1.26"},
        {0.5, "####.##", "0.5"},
        {0.0, "####.##", "0"},
        {5.0, "00.0", "05.0"},
        {123.0, "0", "123"},
        {1234567.891, "####.##", "1234567.89"},
        {-1.5, "####0.##", "-1.5"},
        {1e20, "0.00", "100000000000000000000.00"},
        {1.5e-7, "0.####", "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zaf::formatFloat(c.value, QString::fromLatin1(c.pattern)), QString::fromLatin1(c.expected))
            << c.value << " with " << c.pattern;
}

TEST(FormatFloat, RoundsHalfAwayFromZeroOnTheVisibleDigits)
{
    RegionalSettingsGuard guard(dotSettings());
    const std::vector<PatternCase> cases = {
        // Both are stored a hair below the half; the diver sees the half and expects it up.
        {1.005, "0.00", "1.01"},
        {2.675, "0.00", "2.68"},
        {-1.005, "0.00", "-1.01"},
        {2.5, "####", "3"},
        {-2.5, "####", "-3"},
        {0.05, "0.#", "0.1"},
        {9.995, "0.00", "10.00"},
        {0.995, "####.##", "1"},
        {1.004999, "0.00", "1.00"},
        {0.5, "####", "1"},
        {0.4999, "####", "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zaf::formatFloat(c.value, QString::fromLatin1(c.pattern)), QString::fromLatin1(c.expected))
            << c.value << " with " << c.pattern;
}

TEST(FormatFloat, NegativeValuesRoundingToZeroHaveNoSign)
{
    RegionalSettingsGuard guard(dotSettings());
    const std::vector<PatternCase> cases = {
        {-0.001, "0.00", "0.00"},
        {-0.004, "####.##", "0"},
        {-0.0, "0.0", "0.0"},
        {-0.4, "####", "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zaf::formatFloat(c.value, QString::fromLatin1(c.pattern)), QString::fromLatin1(c.expected))
            << c.value << " with " << c.pattern;
}

TEST(FormatFloat, UsesTheRegionalSeparator)
{
    RegionalSettingsGuard guard(commaSettings());
    EXPECT_EQ(zaf::formatFloat(1.5, QStringLiteral("####0.##")), QStringLiteral("1,5"));
    EXPECT_EQ(zaf::formatFloat(-2.0, QStringLiteral("0.00")), QStringLiteral("-2,00"));
}

struct MoneyCase {
    zaf::RegionalSettings settings;
    double value;
    const char* expected;
};

TEST(FormatMoney, PlacesSymbolSignAndDecimalsFromTheSettings)
{
    zaf::RegionalSettings yen;
    yen.currencySymbol = QStringLiteral("¥");
    yen.currencyDecimals = 0;
    zaf::RegionalSettings real;
    real.decimalSeparator = QLatin1Char(',');
    real.currencySymbol = QStringLiteral("R$");
    real.currencySpaced = true;
    zaf::RegionalSettings franc;
    franc.currencySymbol = QStringLiteral("CHF");
    franc.currencySymbolFirst = false;

    const std::vector<MoneyCase> cases = {
        {dotSettings(), 5.0, "$5.00"},
        {dotSettings(), -5.0, "-$5.00"},
        {dotSettings(), 1234.5, "$1234.50"},
        {dotSettings(), 0.005, "$0.01"},
        {dotSettings(), 1.005, "$1.01"},
        {dotSettings(), -0.001, "$0.00"},
        {commaSettings(), 12.5, "12,50 €"},
        {commaSettings(), -5.0, "-5,00 €"},
        {yen, 1234.5, "¥1235"},
        {yen, -3.0, "-¥3"},
        {real, 1.0, "R$ 1,00"},
        {real, -1.0, "-R$ 1,00"},
        {franc, 7.25, "7.25CHF"},
    };
    for (const auto& c : cases) {
        RegionalSettingsGuard guard(c.settings);
        EXPECT_EQ(zaf::formatMoney(c.value), QString::fromUtf8(c.expected)) << c.expected;
    }
}

} // namespace
