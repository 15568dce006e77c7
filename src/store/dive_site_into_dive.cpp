#include "store/dive_site_into_dive.h"

#include "store/data_form.h"
#include "store/errors.h"
#include "store/record_owner.h"

namespace zaf::store {
namespace {

/// The number at the front of a site's altitude ("1200 ft" gives "1200 "). A text without a
/// blank is taken whole: it is a bare number more often than anything else.
QString altitudeNumber(const QString& altitude)
{
    const qsizetype blank = altitude.indexOf(QLatin1Char(' '));
    return blank < 0 ? altitude : altitude.left(blank + 1);
}

/// Empty is one state, whether stored as nothing or as an empty text.
bool isEmptyValue(const QVariant& v)
{
    return !v.isValid() || v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty());
}

/// Sets the entry's field when it differs, so that merely passing through the site field of
/// an entry that already matches its site does not mark the entry as changed.
void assign(Table& log, const QString& name, const QVariant& value)
{
    Field& f = log[name];
    const QVariant target = f.normalized(value);
    const QVariant current = f.value();
    if ((isEmptyValue(current) && isEmptyValue(target)) || current == target)
        return;
    log.edit();
    f.setValue(target);
}

} // namespace

void copyDiveSiteIntoDive(TData_Form& data)
{
    Table& log = data.DiveLog_Table;
    if (!log.isOpen() || !isOwnRecord(log))
        return;
    const QString siteName = log[QStringLiteral("DiveSite")].asString();
    if (!hasText(siteName))
        return;
    try {
        // A cursor of its own: the Dive Site page keeps showing the site it showed.
        Table site(QStringLiteral("t_site"));
        openSecondCursor(site, data.DiveSite_Table);
        if (!site.findKey({siteName}))
            return;
        assign(log, QStringLiteral("DiveType"), site[QStringLiteral("DiveType")].value());
        assign(log, QStringLiteral("Location"), site[QStringLiteral("Location")].value());
        try {
            assign(log, QStringLiteral("DiveAltitude"), altitudeNumber(site[QStringLiteral("Altitude")].asString()));
        } catch (const DatabaseError&) {
            // An altitude that is not a number (say "sea level") is simply not taken over.
        }
    } catch (const DatabaseError&) {
        // The copy is a convenience: the diver can still type the values.
    }
}

} // namespace zaf::store
