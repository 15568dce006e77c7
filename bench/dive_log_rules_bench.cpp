// Cost of posting one dive log entry through every rule of the dive log (carry-over,
// stamps, unit fill-in, list and companion look-ups, the diver totals over the whole log,
// the scroll and ownership display) with the diver's log holding 10 or 10,000 dives.
#include "core/config_record.h"
#include "core/program_dir.h"
#include "core/view_state.h"
#include "store/data_form.h"
#include "store/diver_totals.h"
#include "store/schema.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace zaf::store;

/// The window with the Dive Log page showing, so the scroll rule does its full work.
class DivePageView : public zaf::ViewState {
public:
    zaf::Page currentPage() const override { return zaf::Page::DiveLog; }
};

QVariantList valuesOf(const TableDef& def, const QList<std::pair<QString, QVariant>>& named)
{
    QVariantList values;
    for (int i = 0; i < def.fields.size(); ++i)
        values.append(QVariant());
    for (const auto& [name, value] : named)
        values[def.fieldIndex(name)] = value;
    return values;
}

/// The fields a diver fills for dive n; the same place, shop, buddy and computer throughout,
/// so a post finds every companion record and list entry and appends none.
void fillDive(Table& log, int n)
{
    const double start = 40000.0 + n * 0.25;
    log[QStringLiteral("DiveNumber")].setAsInteger(n);
    log[QStringLiteral("StartTime")].setAsDateTime(start);
    log[QStringLiteral("EndTime")].setAsDateTime(start + 45.0 / 1440.0);
    log[QStringLiteral("Location")].setAsString(QStringLiteral("Reef Bay"));
    log[QStringLiteral("DiveSite")].setAsString(QStringLiteral("North Wall"));
    log[QStringLiteral("DiveOperation")].setAsString(QStringLiteral("Blue Shop"));
    log[QStringLiteral("DiveBuddy1")].setAsString(QStringLiteral("Kim"));
    log[QStringLiteral("Computer")].setAsString(QStringLiteral("Wrist One"));
    log[QStringLiteral("Format")].setAsInteger(n % 3 == 0 ? 1 : 0);
    log[QStringLiteral("MaximumDepth")].setAsFloat(10 + n % 30);
    log[QStringLiteral("BottomTime")].setAsInteger(45);
    log[QStringLiteral("SACRate")].setAsFloat(18 + n % 5);
    log[QStringLiteral("ACFMRate")].setAsFloat(0.6);
}

/// A logged-in diver "Jo" with `dives` dives already in the log, the diver records, the site
/// and the shop those dives name; the log filtered to Jo's own entries as after login.
struct RulesHome {
    QTemporaryDir dir;
    DivePageView view;
    std::unique_ptr<TData_Form> data;
    std::unique_ptr<Table> raw; ///< the same log without rules, to fill and to tidy up

    explicit RulesHome(int dives)
    {
        zaf::setProgramDirectory(dir.path());
        zaf::setViewState(&view);
        zaf::config().userName = QStringLiteral("Jo");
        zaf::config().userEmail = QStringLiteral("jo@example.org");
        data = std::make_unique<TData_Form>();
        data->DataCreate();
        const QVariant jo = QStringLiteral("Jo"), mail = QStringLiteral("jo@example.org");
        for (const QString& name : {QStringLiteral("Jo"), QStringLiteral("Kim")})
            data->Divers_Table.appendRecord(valuesOf(schema::divers(), {{QStringLiteral("DiverName"), name},
                                                                        {QStringLiteral("OwnerName"), jo},
                                                                        {QStringLiteral("OwnerEmail"), mail},
                                                                        {QStringLiteral("Format"), 0}}));
        data->DiveSite_Table.appendRecord({QStringLiteral("North Wall")});
        data->DiveResources_Table.appendRecord(valuesOf(schema::diveResources(),
                                                        {{QStringLiteral("CompanyName"), QStringLiteral("Blue Shop")},
                                                         {QStringLiteral("OwnerName"), jo},
                                                         {QStringLiteral("OwnerEmail"), mail}}));
        raw = std::make_unique<Table>(QStringLiteral("raw"));
        raw->setDefinition(schema::diveLog());
        raw->setPath(data->DiveLog_Table.path());
        raw->open();
        for (int n = 1; n <= dives; ++n) {
            raw->append();
            fillDive(*raw, n);
            (*raw)[QStringLiteral("DiverName")].setAsString(QStringLiteral("Jo"));
            (*raw)[QStringLiteral("OwnerName")].setAsString(QStringLiteral("Jo"));
            (*raw)[QStringLiteral("OwnerEmail")].setAsString(QStringLiteral("jo@example.org"));
            raw->post();
        }
        data->DiveLog_Table.setFilter(Filter::equals(QStringLiteral("OwnerName"), QStringLiteral("Jo")));
        data->DiveLog_Table.last();
    }
    ~RulesHome()
    {
        raw.reset();
        data.reset();
        zaf::setViewState(nullptr);
        zaf::config() = zaf::ConfigRecord();
    }
};

/// One post of a new entry with the log at a steady size: the entry is taken out again
/// (outside the timing) so every iteration meets the same log.
void BM_PostEntry(benchmark::State& state)
{
    RulesHome home(int(state.range(0)));
    Table& log = home.data->DiveLog_Table;
    for (auto _ : state) {
        log.append();
        const int number = log[QStringLiteral("DiveNumber")].asInteger();
        fillDive(log, number);
        log.post();
        state.PauseTiming();
        if (home.raw->findKey({QStringLiteral("Jo"), number}))
            home.raw->deleteRecord();
        state.ResumeTiming();
    }
    Table& divers = home.data->Divers_Table;
    divers.findKey({QStringLiteral("Jo")});
    state.counters["dives_counted"] = divers[QStringLiteral("NumberofDives")].asInteger();
}
BENCHMARK(BM_PostEntry)->Arg(10)->Arg(10000)->Unit(benchmark::kMillisecond);

/// The diver totals alone, the part of a post that reads the diver's whole log.
void BM_DiverTotals(benchmark::State& state)
{
    RulesHome home(int(state.range(0)));
    home.data->Divers_Table.findKey({QStringLiteral("Jo")});
    for (auto _ : state)
        diverTotals(*home.data);
    state.counters["dives_counted"] = home.data->Divers_Table[QStringLiteral("NumberofDives")].asInteger();
}
BENCHMARK(BM_DiverTotals)->Arg(10)->Arg(10000)->Unit(benchmark::kMillisecond);

/// Posting a whole log of 10,000 entries one after the other from an empty log.
void BM_PostTenThousandEntries(benchmark::State& state)
{
    std::unique_ptr<RulesHome> home;
    for (auto _ : state) {
        state.PauseTiming();
        home = std::make_unique<RulesHome>(0);
        Table& log = home->data->DiveLog_Table;
        state.ResumeTiming();
        for (int n = 1; n <= 10000; ++n) {
            log.append();
            fillDive(log, n);
            log.post();
        }
        state.PauseTiming();
        Table& divers = home->data->Divers_Table;
        divers.findKey({QStringLiteral("Jo")});
        state.counters["dives_counted"] = divers[QStringLiteral("NumberofDives")].asInteger();
        home.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PostTenThousandEntries)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
