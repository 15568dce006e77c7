#include "core/regional_settings.h"

#include <QLocale>

namespace zaf {
namespace {

RegionalSettings& current()
{
    static RegionalSettings settings;
    return settings;
}

// Turns a Qt date pattern into the program's letters: d, dd, M, MM and yyyy. Years are
// always written with four digits. Day names are left out with the punctuation that
// follows them. Returns an empty text when the pattern spells the month as a name, which
// the program's short date cannot show.
QString convertDatePattern(const QString& qtPattern)
{
    QString result;
    bool hasDay = false;
    bool hasMonth = false;
    bool hasYear = false;
    qsizetype i = 0;
    const qsizetype n = qtPattern.size();
    while (i < n) {
        const QChar c = qtPattern[i];
        if (c == QLatin1Char('\'')) {
            // Quoted literal text; two quotes stand for one quote character.
            ++i;
            while (i < n) {
                if (qtPattern[i] == QLatin1Char('\'')) {
                    if (i + 1 < n && qtPattern[i + 1] == QLatin1Char('\'')) {
                        result += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                result += qtPattern[i];
                ++i;
            }
            continue;
        }
        qsizetype run = 1;
        while (i + run < n && qtPattern[i + run] == c)
            ++run;
        if (c == QLatin1Char('d')) {
            if (run <= 2) {
                result += run == 1 ? QStringLiteral("d") : QStringLiteral("dd");
                hasDay = true;
                i += run;
            } else {
                // A day name: drop it with the separators after it ("dddd, ").
                i += run;
                while (i < n && !qtPattern[i].isLetter() && qtPattern[i] != QLatin1Char('\''))
                    ++i;
            }
        } else if (c == QLatin1Char('M')) {
            if (run > 2)
                return {};
            result += run == 1 ? QStringLiteral("M") : QStringLiteral("MM");
            hasMonth = true;
            i += run;
        } else if (c == QLatin1Char('y')) {
            result += QStringLiteral("yyyy");
            hasYear = true;
            i += run;
        } else {
            result += qtPattern.mid(i, run);
            i += run;
        }
    }
    if (!hasDay || !hasMonth || !hasYear)
        return {};
    return result.trimmed();
}

} // namespace

RegionalSettings RegionalSettings::fromSystemLocale()
{
    const QLocale locale = QLocale::system();
    RegionalSettings settings;

    const QString point = locale.decimalPoint();
    if (!point.isEmpty())
        settings.decimalSeparator = point.front();

    const QString datePattern = convertDatePattern(locale.dateFormat(QLocale::ShortFormat));
    if (!datePattern.isEmpty())
        settings.shortDateFormat = datePattern;

    // Where the symbol goes, whether a blank parts it from the amount and how many
    // decimals money has are read off how the locale writes one unit of its currency.
    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    const QString one = locale.toCurrencyString(1.0);
    const qsizetype symbolAt = symbol.isEmpty() ? -1 : one.indexOf(symbol);
    qsizetype firstDigit = -1;
    qsizetype lastDigit = -1;
    for (qsizetype i = 0; i < one.size(); ++i) {
        if (one[i].isDigit()) {
            if (firstDigit < 0)
                firstDigit = i;
            lastDigit = i;
        }
    }
    if (symbolAt >= 0 && firstDigit >= 0) {
        settings.currencySymbol = symbol;
        settings.currencySymbolFirst = symbolAt < firstDigit;
        const QString between = settings.currencySymbolFirst
                                    ? one.mid(symbolAt + symbol.size(), firstDigit - symbolAt - symbol.size())
                                    : one.mid(lastDigit + 1, symbolAt - lastDigit - 1);
        settings.currencySpaced = false;
        for (const QChar c : between) {
            if (c.isSpace())
                settings.currencySpaced = true;
        }
        const qsizetype pointAt = point.isEmpty() ? -1 : one.indexOf(point, firstDigit);
        int decimals = 0;
        if (pointAt >= 0 && pointAt < lastDigit) {
            for (qsizetype i = pointAt + point.size(); i < one.size() && one[i].isDigit(); ++i)
                ++decimals;
        }
        settings.currencyDecimals = decimals;
    }
    return settings;
}

const RegionalSettings& regionalSettings()
{
    return current();
}

void setRegionalSettings(const RegionalSettings& settings)
{
    current() = settings;
}

} // namespace zaf
