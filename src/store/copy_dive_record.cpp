#include "store/copy_dive_record.h"

#include "core/config_record.h"
#include "core/day_count.h"
#include "core/trace.h"
#include "core/ui.h"
#include "core/view_state.h"
#include "store/data_form.h"
#include "store/filter.h"
#include "store/record_owner.h"
#include "store/schema.h"

#include <array>

namespace zaf::store {
namespace {

const QString kTrace = QStringLiteral("TMain.Button20Click");

/// The people of a dive, in the order the buddy swap walks them.
const std::array<const char*, 5> kPeople = {"DiveMaster", "DiveBuddy1", "DiveBuddy2", "DiveBuddy3", "Divebuddy4"};

/// What a copied dive takes from the diver's own latest dive instead of from the source:
/// the diver's own weight, suit and dive computer, which the other diver's log cannot know.
const std::array<const char*, 10> kFromOwnLatest = {"Weight", "Swimsuit", "Shorty", "Skin",  "Wetsuit",
                                                    "Drysuit", "Gloves", "Boots",  "Hood",  "Computer"};

/// The last field a copy sets; the fields after it keep what the new-record rule gave them.
const char* const kLastCopiedField = "Computer";

/// Writes "Enter" and "Exit" under the command's name, also when the copy fails.
class CommandTrace {
public:
    CommandTrace() { write_debug_message(kTrace, QStringLiteral("Enter")); }
    ~CommandTrace()
    {
        try {
            write_debug_message(kTrace, QStringLiteral("Exit"));
        } catch (...) {
            // A failing trace write must not turn an unwinding into a termination.
        }
    }
    CommandTrace(const CommandTrace&) = delete;
    CommandTrace& operator=(const CommandTrace&) = delete;
};

/// Position of `name` among `names`; -1 when it is not there.
template <std::size_t N>
int indexOf(const std::array<const char*, N>& names, const QString& name)
{
    for (std::size_t i = 0; i < N; ++i)
        if (name == QLatin1String(names[i]))
            return int(i);
    return -1;
}

/// The dive number of the copy: one past the diver's count of dives. A diver without a
/// Divers record has no count, so the copy follows the diver's highest own dive instead.
qint64 nextDiveNumber(TData_Form& data, Table& ownLatest)
{
    const QString& user = config().userName;
    Table divers(QStringLiteral("t_divers"));
    openSecondCursor(divers, data.Divers_Table);
    // The count is kept on the record the diver owns (the diver totals look there too).
    divers.setFilter(Filter::equals(QStringLiteral("OwnerName"), user));
    const bool found = divers.findKey({user});
    write_debug_message(kTrace, QStringLiteral("found , appending record"));
    if (found)
        return qint64(divers[QStringLiteral("NumberofDives")].asInteger()) + 1;
    return qint64(ownLatest[QStringLiteral("DiveNumber")].asInteger()) + 1;
}

} // namespace

bool copyDiveRecord(TData_Form& data, Table& source)
{
    CommandTrace trace;
    const ConfigRecord& cfg = config();
    const QString user = cfg.userName;
    // Nobody logged in: there is no own log to copy into.
    if (user <= QLatin1String(" "))
        return false;

    // The diver's own latest dive, read through a cursor of its own so that neither the
    // shown entry nor the source moves.
    Table ownLatest(QStringLiteral("t_table"));
    openSecondCursor(ownLatest, data.DiveLog_Table);
    ownLatest.setFilter(ownDivesFilter());
    ownLatest.last();

    // Whoever named the user on the source dive is named by the source diver on the copy.
    const QString sourceDiver = source[QStringLiteral("DiverName")].asString();
    QVariantList people;
    bool sourceDiverNamed = false;
    for (const char* name : kPeople) {
        Field& f = source[QLatin1String(name)];
        const bool isUser = f.asString() == user;
        people.append(isUser ? QVariant(sourceDiver) : f.value());
        sourceDiverNamed = sourceDiverNamed || (isUser ? sourceDiver : f.asString()) == sourceDiver;
    }
    if (!sourceDiverNamed && sourceDiver != user) {
        ui().message(QStringLiteral("You can not copy a dive if you are not in the Buddy list."));
        return false;
    }

    const qint64 number = nextDiveNumber(data, ownLatest);

    // Every value is read before the append: the source may be the very table appended to.
    const TableDef& def = schema::diveLog();
    const int last = def.fieldIndex(QLatin1String(kLastCopiedField));
    QVariantList values;
    for (int i = 0; i <= last; ++i) {
        const QString& name = def.fields[i].name;
        QVariant value;
        if (name == QLatin1String("DiverName") || name == QLatin1String("OwnerName"))
            value = user;
        else if (name == QLatin1String("OwnerEmail"))
            value = cfg.userEmail;
        else if (name == QLatin1String("DiveNumber"))
            value = number;
        else if (name == QLatin1String("PGStart") || name == QLatin1String("PGEnd"))
            value = QStringLiteral("0");
        else if (name == QLatin1String("AirPressureStart") || name == QLatin1String("AirPressureEnd"))
            value = 0.0;
        else if (name == QLatin1String("CopyOnServer"))
            value = false;
        else if (name == QLatin1String("LastModified"))
            value = nowDayCount();
        else if (indexOf(kFromOwnLatest, name) >= 0)
            value = ownLatest[name].value();
        else if (const int person = indexOf(kPeople, name); person >= 0)
            value = people[person];
        else
            value = source[name].value();
        values.append(value);
    }

    if (!data.DiveLog_Table.appendRecord(values))
        return false;
    write_debug_message(kTrace, QStringLiteral("Record Appended"));

    const bool fromDivePage = &source == &data.DiveLog_Table;
    ViewState& view = viewState();
    view.showPage(Page::DiveLog);
    if (fromDivePage)
        view.requestFocus(QString::fromLatin1(kDiveLogDiverNameField));
    return true;
}

} // namespace zaf::store
