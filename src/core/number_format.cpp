#include "core/number_format.h"

#include "core/regional_settings.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace zaf {
namespace {

constexpr int kSignificantDigits = 15;

QString nonFiniteText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// A finite value as its 15 significant decimal digits: value = 0.d1d2...d15 * 10^(exponent + 1),
// that is the first digit stands at the place 10^exponent.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

DecimalDigits decimalDigits(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                                      kSignificantDigits - 1);
    const std::string text(buffer, result.ptr);
    DecimalDigits out;
    std::size_t i = 0;
    if (text[i] == '-') {
        out.negative = true;
        ++i;
    }
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (text[i] != '.')
            out.digits += text[i];
    }
    out.exponent = std::stoi(text.substr(i + 1));
    return out;
}

// The value rounded half away from zero to `decimals` places, working on its 15 significant
// digits so that what rounds is the number the diver sees (1.005 becomes 1.01). The point
// comes out as '.', the integer part has at least `minInteger` digits, trailing fraction
// zeros go as far as `minDecimals` allows, and a value that rounds to zero has no sign.
std::string roundedFixed(double value, int decimals, int minDecimals, int minInteger)
{
    const DecimalDigits d = decimalDigits(value);
    // All digits of the value scaled by 10^decimals, rounded to a whole number.
    const long long keep = static_cast<long long>(d.exponent) + 1 + decimals;
    std::string scaled;
    if (keep >= static_cast<long long>(d.digits.size())) {
        scaled = d.digits + std::string(static_cast<std::size_t>(keep) - d.digits.size(), '0');
    } else if (keep < 0) {
        scaled = "0";
    } else {
        scaled = d.digits.substr(0, static_cast<std::size_t>(keep));
        if (d.digits[static_cast<std::size_t>(keep)] >= '5') {
            std::size_t i = scaled.size();
            while (i > 0 && scaled[i - 1] == '9') {
                scaled[i - 1] = '0';
                --i;
            }
            if (i == 0)
                scaled.insert(scaled.begin(), '1');
            else
                ++scaled[i - 1];
        }
        if (scaled.empty())
            scaled = "0";
    }

    const std::size_t width = static_cast<std::size_t>(decimals) + static_cast<std::size_t>(minInteger);
    if (scaled.size() < width)
        scaled.insert(0, width - scaled.size(), '0');
    std::string integerPart = scaled.substr(0, scaled.size() - static_cast<std::size_t>(decimals));
    std::string fraction = scaled.substr(scaled.size() - static_cast<std::size_t>(decimals));
    // Leading zeros beyond the required integer digits go.
    std::size_t firstSignificant = 0;
    while (integerPart.size() - firstSignificant > static_cast<std::size_t>(minInteger) &&
           integerPart[firstSignificant] == '0')
        ++firstSignificant;
    integerPart.erase(0, firstSignificant);
    while (fraction.size() > static_cast<std::size_t>(minDecimals) && fraction.back() == '0')
        fraction.pop_back();

    const bool isZero = scaled.find_first_not_of('0') == std::string::npos;
    std::string text = (d.negative && !isZero) ? "-" : "";
    text += integerPart;
    if (!fraction.empty())
        text += '.' + fraction;
    return text;
}

QString withRegionalSeparator(const std::string& text)
{
    QString out = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    const QChar separator = regionalSettings().decimalSeparator;
    if (separator != QLatin1Char('.'))
        out.replace(QLatin1Char('.'), separator);
    return out;
}

} // namespace

QString floatToText(double value)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (value == 0)
        return QStringLiteral("0"); // also for -0

    DecimalDigits d = decimalDigits(value);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    const int digitCount = static_cast<int>(d.digits.size());

    std::string text = d.negative ? "-" : "";
    if (d.exponent >= kSignificantDigits || d.exponent < -5) {
        // Exponent form: "E", a sign only when negative, no leading zeros.
        text += d.digits[0];
        if (digitCount > 1)
            text += '.' + d.digits.substr(1);
        text += 'E';
        if (d.exponent < 0)
            text += '-';
        text += std::to_string(d.exponent < 0 ? -d.exponent : d.exponent);
    } else if (d.exponent >= 0) {
        const int integerDigits = d.exponent + 1;
        if (digitCount <= integerDigits) {
            text += d.digits + std::string(static_cast<std::size_t>(integerDigits - digitCount), '0');
        } else {
            text += d.digits.substr(0, static_cast<std::size_t>(integerDigits)) + '.' +
                    d.digits.substr(static_cast<std::size_t>(integerDigits));
        }
    } else {
        text += "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    }
    return withRegionalSeparator(text);
}

std::optional<double> textToFloat(const QString& text)
{
    const QString trimmed = text.trimmed();
    const QChar separator = regionalSettings().decimalSeparator;

    // Checks the shape by hand: [sign] digits [point digits] [E [sign] digits], with at
    // least one mantissa digit; "inf", "nan", hex and thousands separators are not numbers.
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(trimmed.size()));
    qsizetype i = 0;
    const qsizetype n = trimmed.size();
    if (i < n && (trimmed[i] == QLatin1Char('+') || trimmed[i] == QLatin1Char('-'))) {
        if (trimmed[i] == QLatin1Char('-'))
            ascii += '-';
        ++i;
    }
    int mantissaDigits = 0;
    while (i < n && trimmed[i] >= QLatin1Char('0') && trimmed[i] <= QLatin1Char('9')) {
        ascii += static_cast<char>(trimmed[i].unicode());
        ++mantissaDigits;
        ++i;
    }
    if (i < n && (trimmed[i] == separator || trimmed[i] == QLatin1Char('.'))) {
        ascii += '.';
        ++i;
        while (i < n && trimmed[i] >= QLatin1Char('0') && trimmed[i] <= QLatin1Char('9')) {
            ascii += static_cast<char>(trimmed[i].unicode());
            ++mantissaDigits;
            ++i;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < n && (trimmed[i] == QLatin1Char('e') || trimmed[i] == QLatin1Char('E'))) {
        ascii += 'e';
        ++i;
        if (i < n && (trimmed[i] == QLatin1Char('+') || trimmed[i] == QLatin1Char('-'))) {
            ascii += static_cast<char>(trimmed[i].unicode());
            ++i;
        }
        int exponentDigits = 0;
        while (i < n && trimmed[i] >= QLatin1Char('0') && trimmed[i] <= QLatin1Char('9')) {
            ascii += static_cast<char>(trimmed[i].unicode());
            ++exponentDigits;
            ++i;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;

    const char* first = ascii.data();
    const char* last = first + ascii.size();
    double value = 0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small a value becomes zero (or the nearest tiny double); too large is no number.
        long double wide = 0;
        const auto wideResult = std::from_chars(first, last, wide);
        if (wideResult.ec != std::errc() || std::fabs(wide) > 1)
            return std::nullopt;
        return static_cast<double>(wide);
    }
    if (result.ec != std::errc() || result.ptr != last)
        return std::nullopt;
    return value;
}

QString formatFloat(double value, const QString& pattern)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    int decimals = 0;
    int minDecimals = 0;
    int minInteger = 0;
    const qsizetype integerEnd = point < 0 ? pattern.size() : point;
    for (qsizetype i = 0; i < integerEnd; ++i) {
        if (pattern[i] == QLatin1Char('0'))
            ++minInteger;
    }
    if (point >= 0) {
        for (qsizetype i = point + 1; i < pattern.size(); ++i) {
            if (pattern[i] == QLatin1Char('#') || pattern[i] == QLatin1Char('0'))
                ++decimals;
            if (pattern[i] == QLatin1Char('0'))
                minDecimals = decimals;
        }
    }
    if (minInteger < 1)
        minInteger = 1;
    return withRegionalSeparator(roundedFixed(value, decimals, minDecimals, minInteger));
}

QString formatMoney(double value)
{
    const RegionalSettings& settings = regionalSettings();
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const int decimals = settings.currencyDecimals < 0 ? 0 : settings.currencyDecimals;
    QString amount = withRegionalSeparator(roundedFixed(value, decimals, decimals, 1));
    QString sign;
    if (amount.startsWith(QLatin1Char('-'))) {
        sign = QStringLiteral("-");
        amount.remove(0, 1);
    }
    const QString gap = settings.currencySpaced ? QStringLiteral(" ") : QString();
    if (settings.currencySymbolFirst)
        return sign + settings.currencySymbol + gap + amount;
    return sign + amount + gap + settings.currencySymbol;
}

} // namespace zaf
