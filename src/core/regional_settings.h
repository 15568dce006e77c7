#pragma once

#include <QString>

namespace zaf {

/// The regional settings the program formats numbers, dates and money with.
/// Taken from the system locale at start; tests replace them to check comma-decimal behaviour.
struct RegionalSettings {
    QChar decimalSeparator = QLatin1Char('.');
    QString shortDateFormat = QStringLiteral("M/d/yyyy"); ///< in the program's own pattern letters (d, M, yyyy)
    QString currencySymbol = QStringLiteral("$");
    bool currencySymbolFirst = true;  ///< "$12.50" rather than "12,50 €"
    bool currencySpaced = false;      ///< a blank between symbol and amount
    int currencyDecimals = 2;

    /// The settings of the system locale (LANG / LC_* as Qt reads them).
    static RegionalSettings fromSystemLocale();
};

/// The settings in force for this process.
const RegionalSettings& regionalSettings();
/// Replaces the settings in force (start-up, tests).
void setRegionalSettings(const RegionalSettings& settings);

} // namespace zaf
