// How the main window feels with a long log: 10,000 dives of the logged-in diver. Start to a
// usable window after login, a page change, the next record, and opening the dive log's
// table view and scrolling to its end.
#include "core/app_state.h"
#include "core/config_record.h"
#include "core/program_dir.h"
#include "core/ui.h"
#include "store/data_form.h"
#include "store/login_steps.h"
#include "store/schema.h"
#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/record_navigator.h"
#include "ui/record_page.h"
#include "ui/table_grid.h"

#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace zaf;

constexpr int kDives = 10000;

/// A home whose log holds kDives dives of "Jo", written once for the whole run.
class LongLogHome {
public:
    LongLogHome()
    {
        setProgramDirectory(m_dir.path());
        logIn();
        store::TData_Form data;
        data.DataCreate();
        const QString jo = QStringLiteral("Jo"), mail = QStringLiteral("jo@example.org");
        data.Divers_Table.append();
        data.Divers_Table[QStringLiteral("DiverName")].setAsString(jo);
        data.Divers_Table.post();
        // Written past the record rules: the benchmark measures the window, not the filling.
        store::Table raw(QStringLiteral("raw"));
        raw.setDefinition(store::schema::diveLog());
        raw.setPath(data.DiveLog_Table.path());
        raw.open();
        for (int n = 1; n <= kDives; ++n) {
            raw.append();
            raw[QStringLiteral("DiverName")].setAsString(jo);
            raw[QStringLiteral("DiveNumber")].setAsInteger(n);
            raw[QStringLiteral("StartTime")].setAsDateTime(40000.0 + n * 0.25);
            raw[QStringLiteral("DiveSite")].setAsString(QStringLiteral("North Wall"));
            raw[QStringLiteral("Location")].setAsString(QStringLiteral("Reef Bay"));
            raw[QStringLiteral("MaximumDepth")].setAsFloat(10 + n % 30);
            raw[QStringLiteral("BottomTime")].setAsInteger(45);
            raw[QStringLiteral("SACRate")].setAsFloat(18);
            raw[QStringLiteral("Format")].setAsInteger(0);
            raw[QStringLiteral("OwnerName")].setAsString(jo);
            raw[QStringLiteral("OwnerEmail")].setAsString(mail);
            raw.post();
        }
    }

    static void logIn()
    {
        config().userName = QStringLiteral("Jo");
        config().userEmail = QStringLiteral("jo@example.org");
    }

private:
    QTemporaryDir m_dir;
};

/// The program as it stands after login: window, store, the log filtered to the diver.
struct Session {
    std::unique_ptr<gui::TMain> main;
    std::unique_ptr<store::TData_Form> data;

    Session()
    {
        main = std::make_unique<gui::TMain>();
        main->terminateHook = [] {};
        data = std::make_unique<store::TData_Form>();
        main->setDataForm(data.get());
        data->DataCreate();
        LongLogHome::logIn();
        store::closeLogin(*data);
        main->show();
        main->showPage(Page::DiveLog);
        QCoreApplication::processEvents();
    }
    ~Session()
    {
        main->terminateHook = [] {};
        data->DiveLog_Table.cancel();
        main.reset();
        data.reset();
    }
};

void BM_StartToUsableWindow(benchmark::State& state)
{
    for (auto _ : state) {
        auto session = std::make_unique<Session>();
        benchmark::DoNotOptimize(session->main.get());
        state.PauseTiming(); // closing the window is not part of starting it
        session.reset();
        state.ResumeTiming();
    }
}

void BM_PageChange(benchmark::State& state)
{
    Session session;
    bool divers = true;
    for (auto _ : state) {
        session.main->showPage(divers ? Page::Divers : Page::DiveLog);
        QCoreApplication::processEvents();
        divers = !divers;
    }
}

void BM_NextRecord(benchmark::State& state)
{
    Session session;
    gui::RecordNavigator* navigator = session.main->recordPage(Page::DiveLog)->navigator();
    store::Table& log = session.data->DiveLog_Table;
    log.first();
    for (auto _ : state) {
        if (log.eof()) {
            state.PauseTiming();
            log.first();
            state.ResumeTiming();
        }
        navigator->click(NavNext);
        QCoreApplication::processEvents();
    }
    state.counters["dives"] = log.recordCount();
}

void BM_TableViewToEnd(benchmark::State& state)
{
    Session session;
    gui::RecordPage* page = session.main->recordPage(Page::DiveLog);
    for (auto _ : state) {
        page->setTableViewShown(true);
        QCoreApplication::processEvents();
        gui::TableGrid* grid = page->tableView();
        grid->scrollToBottom();
        grid->viewport()->grab(); // paints, so the rows at the end are read
        state.PauseTiming();
        page->setTableViewShown(false);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = page->tableView()->model()->rowCount();
}

} // namespace

BENCHMARK(BM_StartToUsableWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageChange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NextRecord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableViewToEnd)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    gui::ZafApplication app(argc, argv);
    LongLogHome home;
    (void)home;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
