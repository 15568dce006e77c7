// Speed of the table engine against plain SQLite statements doing the same work, on a
// dive log of 10,000 entries with every field filled.
#include "core/program_dir.h"
#include "store/data_form.h"
#include "store/schema.h"
#include "store/table_file.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <sys/resource.h>

namespace {

using namespace zaf::store;

constexpr int kDives = 10000;

QVariant sampleValue(const FieldDef& f, int dive, int column)
{
    switch (f.type) {
    case FieldType::Text: return QStringLiteral("t%1-%2").arg(column).arg(dive).left(f.size);
    case FieldType::Memo:
    case FieldType::FMemo: return QStringLiteral("A note about dive %1, with a few sentences of text.").arg(dive);
    case FieldType::Int32:
    case FieldType::Int16: return dive % 30000;
    case FieldType::Logical: return dive % 2 == 0;
    case FieldType::Date:
    case FieldType::DateTime: return 40000.0 + dive * 0.25;
    default: return dive * 0.5 + column;
    }
}

/// One dive's values in field order; the diver and the owner alternate between two divers.
QVariantList diveValues(int dive)
{
    const TableDef& def = schema::diveLog();
    QVariantList values;
    for (int i = 0; i < def.fields.size(); ++i)
        values.append(sampleValue(def.fields[i], dive, i));
    const QString who = dive % 2 ? QStringLiteral("Jo") : QStringLiteral("Kim");
    values[def.fieldIndex(QStringLiteral("DiverName"))] = who;
    values[def.fieldIndex(QStringLiteral("OwnerName"))] = who;
    values[def.fieldIndex(QStringLiteral("DiveNumber"))] = dive;
    return values;
}

/// "SELECT rowid, <every dive log field> FROM records", as a plain reader would write it.
QString selectAllFields()
{
    QString sql = QStringLiteral("SELECT rowid");
    for (const FieldDef& f : schema::diveLog().fields)
        sql += QStringLiteral(",\"%1\"").arg(f.name);
    return sql + QStringLiteral(" FROM records");
}

long peakKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

/// A home with a store of 10,000 dives, made once for the whole run.
struct Home {
    QTemporaryDir dir;
    QString logFile;
    Home()
    {
        zaf::setProgramDirectory(dir.path());
        TData_Form data;
        data.DataCreate();
        // Filled past the dive log's record rules: these figures are the engine's alone.
        Table log(QStringLiteral("DiveLog"));
        log.setDefinition(schema::diveLog());
        log.setPath(data.DiveLog_Table.path());
        log.open();
        for (int n = 0; n < kDives; ++n)
            log.appendRecord(diveValues(n));
        logFile = log.fileName();
    }
};

Home& home()
{
    static Home h;
    return h;
}

void BM_OpenStore(benchmark::State& state)
{
    home();
    for (auto _ : state) {
        TData_Form data;
        data.DataCreate();
        benchmark::DoNotOptimize(data.DiveLog_Table.isOpen());
    }
}
BENCHMARK(BM_OpenStore)->Unit(benchmark::kMillisecond);

void BM_WalkTable(benchmark::State& state)
{
    home();
    TData_Form data;
    data.DataCreate();
    Table& log = data.DiveLog_Table;
    const long before = peakKb();
    for (auto _ : state) {
        qint64 chars = 0;
        for (log.first(); !log.eof(); log.next())
            for (int i = 0; i < log.fieldCount(); ++i)
                chars += log.field(i).asString().size();
        benchmark::DoNotOptimize(chars);
    }
    state.counters["peak_growth_MB"] = double(peakKb() - before) / 1024.0;
}
BENCHMARK(BM_WalkTable)->Unit(benchmark::kMillisecond);

void BM_WalkRaw(benchmark::State& state)
{
    sqlite3* db = nullptr;
    sqlite3_open(home().logFile.toUtf8().constData(), &db);
    const TableDef& def = schema::diveLog();
    const QString sql = selectAllFields() + QStringLiteral(" ORDER BY \"DiverName\",\"DiveNumber\",\"StartTime\",\"EndTime\",\"Location\","
                          "\"DiveSite\",\"OwnerName\",\"OwnerEmail\",rowid");
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr);
    for (auto _ : state) {
        qint64 chars = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW)
            for (int i = 0; i < def.fields.size(); ++i) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i + 1));
                chars += QString::fromUtf8(text ? text : "").size();
            }
        sqlite3_reset(stmt);
        benchmark::DoNotOptimize(chars);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}
BENCHMARK(BM_WalkRaw)->Unit(benchmark::kMillisecond);

void BM_SwitchOwnerFilter(benchmark::State& state)
{
    home();
    TData_Form data;
    data.DataCreate();
    Table& log = data.DiveLog_Table;
    bool jo = false;
    for (auto _ : state) {
        jo = !jo;
        log.setFilter(Filter::equals(QStringLiteral("OwnerName"), jo ? QStringLiteral("Jo") : QStringLiteral("Kim")));
        benchmark::DoNotOptimize(log.recordCount());
    }
}
BENCHMARK(BM_SwitchOwnerFilter)->Unit(benchmark::kMicrosecond);

void BM_KeyLookups(benchmark::State& state)
{
    home();
    TData_Form data;
    data.DataCreate();
    Table& log = data.DiveLog_Table;
    for (auto _ : state)
        for (int i = 0; i < 1000; ++i) {
            const int dive = (i * 7919) % kDives;
            benchmark::DoNotOptimize(log.findKey({dive % 2 ? QStringLiteral("Jo") : QStringLiteral("Kim"), dive}));
        }
}
BENCHMARK(BM_KeyLookups)->Unit(benchmark::kMillisecond);

void BM_KeyLookupsRaw(benchmark::State& state)
{
    sqlite3* db = nullptr;
    sqlite3_open(home().logFile.toUtf8().constData(), &db);
    const TableDef& def = schema::diveLog();
    const QString sql = selectAllFields() + QStringLiteral(" WHERE \"DiverName\"=? AND \"DiveNumber\"=? ORDER BY \"DiverName\",\"DiveNumber\","
                          "\"StartTime\",\"EndTime\",\"Location\",\"DiveSite\",\"OwnerName\",\"OwnerEmail\",rowid LIMIT 1");
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr);
    for (auto _ : state)
        for (int i = 0; i < 1000; ++i) {
            const int dive = (i * 7919) % kDives;
            sqlite3_bind_text(stmt, 1, dive % 2 ? "Jo" : "Kim", -1, SQLITE_STATIC);
            sqlite3_bind_int(stmt, 2, dive);
            if (sqlite3_step(stmt) == SQLITE_ROW)
                for (int c = 0; c < def.fields.size(); ++c)
                    benchmark::DoNotOptimize(sqlite3_column_text(stmt, c + 1));
            sqlite3_reset(stmt);
        }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}
BENCHMARK(BM_KeyLookupsRaw)->Unit(benchmark::kMillisecond);

void BM_AppendTable(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/DiveLog");
    QVector<QVariantList> rows;
    for (int n = 0; n < kDives; ++n)
        rows.append(diveValues(n));
    int events = 0;
    for (auto _ : state) {
        table_file::create(path, schema::diveLog());
        Table log(QStringLiteral("DiveLog"));
        log.setPath(path);
        log.setDefinition(schema::diveLog());
        log.onNewRecord = log.onBeforePost = log.onAfterPost = log.onAfterScroll = [&events](Table&) { ++events; };
        log.open();
        for (const QVariantList& row : rows)
            log.appendRecord(row);
        log.close();
    }
    benchmark::DoNotOptimize(events);
}
BENCHMARK(BM_AppendTable)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_AppendRaw(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/DiveLog");
    const TableDef& def = schema::diveLog();
    QVector<QVariantList> rows;
    for (int n = 0; n < kDives; ++n)
        rows.append(diveValues(n));
    QString columns, slots;
    for (const FieldDef& f : def.fields) {
        columns += (columns.isEmpty() ? QString() : QStringLiteral(",")) + QStringLiteral("\"%1\"").arg(f.name);
        slots += slots.isEmpty() ? QStringLiteral("?") : QStringLiteral(",?");
    }
    const QByteArray sql = QStringLiteral("INSERT INTO records(%1) VALUES(%2)").arg(columns, slots).toUtf8();
    for (auto _ : state) {
        table_file::create(path, def);
        sqlite3* db = nullptr;
        sqlite3_open(table_file::fileNameFor(path).toUtf8().constData(), &db);
        sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;", nullptr, nullptr, nullptr);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
        for (const QVariantList& row : rows) {
            for (int i = 0; i < row.size(); ++i) {
                const QVariant& v = row[i];
                if (v.typeId() == QMetaType::QString) {
                    const QByteArray text = v.toString().toUtf8();
                    sqlite3_bind_text(stmt, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
                } else if (v.typeId() == QMetaType::Double) {
                    sqlite3_bind_double(stmt, i + 1, v.toDouble());
                } else {
                    sqlite3_bind_int64(stmt, i + 1, v.toLongLong());
                }
            }
            sqlite3_step(stmt);
            sqlite3_reset(stmt);
        }
        sqlite3_finalize(stmt);
        sqlite3_close(db);
    }
}
BENCHMARK(BM_AppendRaw)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
