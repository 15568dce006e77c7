#pragma once

#include <QString>
#include <optional>

namespace zaf {

/// General float-to-text: at most 15 significant digits, the shortest form that keeps them,
/// no thousands separators, the regional decimal separator, exponent form ("1.5E20", "1E-7")
/// for values whose decimal form would need more than 15 digits before the point or
/// starts below 1E-5. Infinities and NaN come out as "INF", "-INF" and "NAN".
QString floatToText(double value);

/// Text to float with the regional decimal separator (a '.' is accepted too); leading and
/// trailing blanks allowed; nullopt when the text is not a number.
std::optional<double> textToFloat(const QString& text);

/// Formats by a display pattern of '#' (optional digit), '0' (required digit) and '.'
/// ("####.##", "####0.##", "####0.####"). Rounds half away from zero at the last place.
/// An integer part of zero still shows one "0" so that 0.5 reads "0.5".
QString formatFloat(double value, const QString& pattern);

/// Money in the locale's currency format: symbol, two decimals, regional separator.
QString formatMoney(double value);

} // namespace zaf
