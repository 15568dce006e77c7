#pragma once

#include "core/regional_settings.h"

namespace zaf::testing {

/// Puts other regional settings in force for one test and the previous ones back after it.
class RegionalSettingsGuard {
public:
    explicit RegionalSettingsGuard(const RegionalSettings& settings) : m_saved(regionalSettings())
    {
        setRegionalSettings(settings);
    }
    ~RegionalSettingsGuard() { setRegionalSettings(m_saved); }
    RegionalSettingsGuard(const RegionalSettingsGuard&) = delete;
    RegionalSettingsGuard& operator=(const RegionalSettingsGuard&) = delete;

private:
    RegionalSettings m_saved;
};

/// US-style settings: '.' decimals, "M/d/yyyy", "$5.00".
inline RegionalSettings dotSettings()
{
    return RegionalSettings{};
}

/// Continental settings: ',' decimals, "dd.MM.yyyy", "5,00 €".
inline RegionalSettings commaSettings()
{
    RegionalSettings s;
    s.decimalSeparator = QLatin1Char(',');
    s.shortDateFormat = QStringLiteral("dd.MM.yyyy");
    s.currencySymbol = QStringLiteral("€");
    s.currencySymbolFirst = false;
    s.currencySpaced = true;
    return s;
}

} // namespace zaf::testing
