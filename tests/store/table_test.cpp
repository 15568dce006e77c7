#include "table_fixture.h"

#include "store/data_source.h"
#include "store/errors.h"
#include "store/sqlite_file.h"

#include <QFile>
#include <sqlite3.h>

namespace zaf::test {
namespace {

using store::DatabaseError;
using store::Filter;
using store::KeyViolation;
using store::RequiredValue;
using store::Table;

TEST_F(TableFixture, EmptyKeyFieldsSortFirstAndAreNotSkipped)
{
    add(QStringLiteral("Bo"), 2);
    add(QStringLiteral("Bo"), QVariant());
    add(QStringLiteral("Al"), 7);
    add(QStringLiteral("Bo"), 0);
    add(QStringLiteral("Bo"), -3);
    EXPECT_EQ(walk(QStringLiteral("Number")),
              (QStringList{QStringLiteral("7"), QString(), QStringLiteral("-3"), QStringLiteral("0"), QStringLiteral("2")}));
    // Backwards the same records come in reverse, the empty one included.
    table.last();
    QStringList back;
    while (!table.bof()) {
        back.append(table.field(QStringLiteral("Number")).asString());
        table.prior();
    }
    EXPECT_EQ(back, (QStringList{QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("-3"), QString(), QStringLiteral("7")}));
}

TEST_F(TableFixture, KeyViolationAlsoWithEmptyKeyFields)
{
    add(QStringLiteral("Bo"), QVariant());
    try {
        table.appendRecord({QStringLiteral("Bo"), QVariant()});
        FAIL() << "a second record with the same empty key fields was stored";
    } catch (const KeyViolation& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Key violation")));
    }
    EXPECT_EQ(table.state(), Table::State::Browse) << "a refused append must not stay pending";
    EXPECT_EQ(table.recordCount(), 1);

    // An edit that makes two records equal is refused too, and the edit stays open.
    add(QStringLiteral("Bo"), 1);
    ASSERT_TRUE(table.findKey({QStringLiteral("Bo"), 1}));
    table.edit();
    table.field(QStringLiteral("Number")).clear();
    EXPECT_THROW(table.post(), KeyViolation);
    EXPECT_EQ(table.state(), Table::State::Edit);
    table.cancel();
    EXPECT_EQ(table.field(QStringLiteral("Number")).asInteger(), 1);
}

TEST_F(TableFixture, RequiredFieldRefusedAtPost)
{
    table.append();
    table.field(QStringLiteral("Site")).setAsString(QStringLiteral("Reef"));
    try {
        table.post();
        FAIL() << "posted without the required diver";
    } catch (const RequiredValue& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Field 'Diver' must have a value."));
    }
    EXPECT_EQ(table.state(), Table::State::Insert);
}

TEST_F(TableFixture, TextIsCutMemoHoldsAnyLengthAutoIncRises)
{
    const QString longNote = QString(QStringLiteral("line with 'quotes' and \\backslashes\\\n")).repeated(5000);
    table.append();
    table.field(QStringLiteral("Diver")).setAsString(QStringLiteral("Bartholomew Jones"));
    table.field(QStringLiteral("Notes")).setAsString(longNote);
    table.post();
    add(QStringLiteral("Cy"), 1);
    add(QStringLiteral("Al"), 1);

    ASSERT_TRUE(table.findKey({QStringLiteral("Bartholome")}));
    EXPECT_EQ(table.field(QStringLiteral("Diver")).asString(), QStringLiteral("Bartholome"));
    EXPECT_EQ(table.field(QStringLiteral("Notes")).asString(), longNote);
    // Rising in the order the records were added, whatever their key order.
    QStringList seq;
    for (const char* diver : {"Bartholome", "Cy", "Al"}) {
        ASSERT_TRUE(table.findKey({QString::fromLatin1(diver)}));
        seq.append(table.field(QStringLiteral("Seq")).asString());
    }
    EXPECT_EQ(seq, (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    EXPECT_THROW(table.field(QStringLiteral("Seq")).setAsInteger(9), DatabaseError);
}

TEST_F(TableFixture, CaseInsensitiveIndexOrdersAndLooksUpIgnoringCase)
{
    add(QStringLiteral("A"), 1, QStringLiteral("blue hole"));
    add(QStringLiteral("B"), 2, QStringLiteral("Anchor"));
    add(QStringLiteral("C"), 3, QStringLiteral("Blue Corner"));
    add(QStringLiteral("D"), 4, QStringLiteral("coral"));
    table.setIndexName(QStringLiteral("Site_Index"));
    EXPECT_EQ(walk(QStringLiteral("Site")), (QStringList{QStringLiteral("Anchor"), QStringLiteral("Blue Corner"),
                                                          QStringLiteral("blue hole"), QStringLiteral("coral")}));
    ASSERT_TRUE(table.findKey({QStringLiteral("BLUE HOLE")}));
    EXPECT_EQ(table.field(QStringLiteral("Diver")).asString(), QStringLiteral("A"));
    table.findNearest({QStringLiteral("BLUE D")});
    EXPECT_EQ(table.field(QStringLiteral("Site")).asString(), QStringLiteral("blue hole"));

    // Back to the primary order: the current record stays current.
    table.setIndexName(QString());
    EXPECT_EQ(table.field(QStringLiteral("Diver")).asString(), QStringLiteral("A"));
    table.next();
    EXPECT_EQ(table.field(QStringLiteral("Diver")).asString(), QStringLiteral("B"));
    EXPECT_THROW(table.setIndexName(QStringLiteral("No_Index")), DatabaseError);
}

TEST_F(TableFixture, PartialAndNearestKeyLookups)
{
    add(QStringLiteral("Al"), 1);
    add(QStringLiteral("Bo"), 5);
    add(QStringLiteral("Bo"), 9);
    add(QStringLiteral("Dee"), 2);

    struct Case {
        QVariantList key;
        bool exact;
        QString diver;
        QString number;
    };
    const Case cases[] = {
        {{QStringLiteral("Bo")}, true, QStringLiteral("Bo"), QStringLiteral("5")},
        {{QStringLiteral("Bo"), 9}, true, QStringLiteral("Bo"), QStringLiteral("9")},
        {{QStringLiteral("Bo"), 6}, false, QStringLiteral("Bo"), QStringLiteral("9")},
        {{QStringLiteral("C")}, false, QStringLiteral("Dee"), QStringLiteral("2")},
        {{QStringLiteral("Zed")}, false, QStringLiteral("Dee"), QStringLiteral("2")}, // after every key: the last
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key.first().toString().toStdString());
        table.first();
        EXPECT_EQ(table.findKey(c.key), c.exact);
        if (!c.exact) {
            EXPECT_EQ(table.field(QStringLiteral("Diver")).asString(), QStringLiteral("Al")) << "a miss stays put";
            table.findNearest(c.key);
        }
        EXPECT_EQ(table.field(QStringLiteral("Diver")).asString(), c.diver);
        EXPECT_EQ(table.field(QStringLiteral("Number")).asString(), c.number);
    }
    EXPECT_TRUE(table.locate({QStringLiteral("Diver")}, {QStringLiteral("de")}, {true, true}));
    EXPECT_EQ(table.field(QStringLiteral("Diver")).asString(), QStringLiteral("Dee"));
    EXPECT_FALSE(table.locate({QStringLiteral("Diver")}, {QStringLiteral("de")}));
}

TEST_F(TableFixture, FiltersOfEveryForm)
{
    add(QStringLiteral("Jo"), 1, QStringLiteral("Reef"), QStringLiteral("Jo"));
    add(QStringLiteral("Jo"), 2, QStringLiteral("O'Neil's"), QStringLiteral("Jo"));
    add(QStringLiteral("Kim"), 1, QStringLiteral("Reef"), QStringLiteral("Jo"));
    add(QStringLiteral("Kim"), 2, QString(), QStringLiteral("Kim"));

    struct Case {
        QString text;
        QStringList numbersAndDivers;
    };
    const Case cases[] = {
        {QStringLiteral("Owner='Jo'"), {QStringLiteral("Jo1"), QStringLiteral("Jo2"), QStringLiteral("Kim1")}},
        {QStringLiteral("Owner<>'Jo'"), {QStringLiteral("Kim2")}},
        {QStringLiteral("(Owner='Jo') AND (Diver='Jo')"), {QStringLiteral("Jo1"), QStringLiteral("Jo2")}},
        {QStringLiteral("(Owner='Jo') AND (Site='Reef') AND (Diver='Kim')"), {QStringLiteral("Kim1")}},
        {QStringLiteral("Site='O''Neil''s'"), {QStringLiteral("Jo2")}},
        {QStringLiteral("Site=''"), {QStringLiteral("Kim2")}},
        {QStringLiteral("Number=2"), {QStringLiteral("Jo2"), QStringLiteral("Kim2")}},
        {QStringLiteral("Owner='jo'"), {}},
        {QString(), {QStringLiteral("Jo1"), QStringLiteral("Jo2"), QStringLiteral("Kim1"), QStringLiteral("Kim2")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        table.setFilter(c.text);
        QStringList seen;
        for (table.first(); !table.eof(); table.next())
            seen.append(table.field(QStringLiteral("Diver")).asString() + table.field(QStringLiteral("Number")).asString());
        EXPECT_EQ(seen, c.numbersAndDivers);
        EXPECT_EQ(table.recordCount(), c.numbersAndDivers.size());
    }

    // Built from values: a quote in the value is just a character.
    const Filter built = Filter::allOf({Filter::equals(QStringLiteral("Owner"), QStringLiteral("Jo")),
                                        Filter::equals(QStringLiteral("Site"), QStringLiteral("O'Neil's"))});
    EXPECT_EQ(built.text(), QStringLiteral("(Owner='Jo') AND (Site='O''Neil''s')"));
    table.setFilter(built);
    EXPECT_EQ(table.recordCount(), 1);
    EXPECT_EQ(Filter::parse(built.text()).text(), built.text());

    for (const char* bad : {"Owner='Jo", "Owner 'Jo'", "(Owner='Jo'", "Owner='Jo' AND", "Nope='x'"})
        EXPECT_THROW(table.setFilter(QString::fromLatin1(bad)), DatabaseError) << bad;
}

TEST_F(TableFixture, RecordNumbersFollowTheFilteredOrder)
{
    for (int n = 1; n <= 6; ++n)
        add(QStringLiteral("Jo"), n, {}, n % 2 ? QStringLiteral("odd") : QStringLiteral("even"));
    table.setFilter(QStringLiteral("Owner='even'"));
    QList<int> numbers;
    for (table.first(); !table.eof(); table.next())
        numbers.append(table.recNo());
    EXPECT_EQ(numbers, (QList<int>{1, 2, 3}));
    table.setRecNo(2);
    EXPECT_EQ(table.field(QStringLiteral("Number")).asInteger(), 4);
    ASSERT_TRUE(table.findKey({QStringLiteral("Jo"), 6}));
    EXPECT_EQ(table.recNo(), 3);
    table.append();
    EXPECT_EQ(table.recNo(), -1);
    table.cancel();
    EXPECT_EQ(table.recNo(), 3);
}

TEST_F(TableFixture, EventOrderOfInsertEditPostDelete)
{
    QStringList log;
    auto record = [&log](const char* name) { return [&log, name](Table&) { log.append(QString::fromLatin1(name)); }; };
    table.onNewRecord = [&log](Table& t) {
        log.append(QStringLiteral("new:") + t.field(QStringLiteral("Diver")).asString());
        t.field(QStringLiteral("Owner")).setAsString(QStringLiteral("me"));
    };
    table.onAfterEdit = record("afterEdit");
    table.onBeforePost = record("beforePost");
    table.onAfterPost = record("afterPost");
    table.onBeforeDelete = record("beforeDelete");
    table.onAfterDelete = record("afterDelete");
    table.onAfterScroll = record("afterScroll");
    store::DataSource source(&table);
    source.onDataChange = [&log](store::Field* f) { log.append(f ? QStringLiteral("change:") + f->name() : QStringLiteral("change")); };

    struct Step {
        std::function<void()> run;
        QStringList expected;
    };
    const Step steps[] = {
        {[&] { table.appendRecord({QStringLiteral("Jo"), 1}); },
         {QStringLiteral("new:"), QStringLiteral("afterScroll"), QStringLiteral("change"), QStringLiteral("change:Diver"),
          QStringLiteral("change:Number"), QStringLiteral("beforePost"), QStringLiteral("afterPost"), QStringLiteral("change")}},
        {[&] { table.edit(); table.field(QStringLiteral("Site")).setAsString(QStringLiteral("Reef")); table.post(); },
         {QStringLiteral("afterEdit"), QStringLiteral("change:Site"), QStringLiteral("beforePost"), QStringLiteral("afterPost"),
          QStringLiteral("change")}},
        {[&] { table.first(); }, {QStringLiteral("afterScroll"), QStringLiteral("change")}},
        {[&] { table.deleteRecord(); },
         {QStringLiteral("beforeDelete"), QStringLiteral("afterDelete"), QStringLiteral("afterScroll"), QStringLiteral("change")}},
    };
    for (const Step& step : steps) {
        log.clear();
        step.run();
        EXPECT_EQ(log, step.expected);
    }
    // The new record rule's value was kept (it ran before the caller's values were set).
    log.clear();
    table.appendRecord({QStringLiteral("Al"), 2});
    EXPECT_EQ(table.field(QStringLiteral("Owner")).asString(), QStringLiteral("me"));

    // Display off: no data change reaches the data source until it is on again, then one.
    log.clear();
    table.disableControls();
    table.first();
    table.next();
    table.enableControls();
    EXPECT_EQ(log, (QStringList{QStringLiteral("afterScroll"), QStringLiteral("afterScroll"), QStringLiteral("change")}));
}

TEST_F(TableFixture, NewRecordRuleMayRefuseTheRecord)
{
    table.onNewRecord = [](Table& t) { t.cancel(); };
    EXPECT_FALSE(table.appendRecord({QStringLiteral("Jo"), 1}));
    EXPECT_EQ(table.state(), Table::State::Browse);
    EXPECT_EQ(table.recordCount(), 0);
}

TEST_F(TableFixture, FieldValidationRejectsAChange)
{
    add(QStringLiteral("Jo"), 1);
    table.field(QStringLiteral("Site")).onValidate = [](store::Field& f) {
        if (f.asString().isEmpty())
            throw DatabaseError(QStringLiteral("Site must have a value."));
    };
    table.edit();
    table.field(QStringLiteral("Site")).setAsString(QStringLiteral("Reef"));
    EXPECT_THROW(table.field(QStringLiteral("Site")).clear(), DatabaseError);
    EXPECT_EQ(table.field(QStringLiteral("Site")).asString(), QStringLiteral("Reef"));
}

TEST_F(TableFixture, MovingAwaySettlesAPendingChange)
{
    add(QStringLiteral("Jo"), 1);
    add(QStringLiteral("Jo"), 2);
    table.first();
    table.edit();
    table.field(QStringLiteral("Site")).setAsString(QStringLiteral("Wall"));
    table.next(); // typed: posted
    table.append(); // nothing typed: dropped when moving on
    table.first();
    EXPECT_EQ(table.field(QStringLiteral("Site")).asString(), QStringLiteral("Wall"));
    EXPECT_EQ(table.recordCount(), 2);
}

TEST_F(TableFixture, TwoCursorsOnOneFileSeeEachOthersPosts)
{
    Table other(QStringLiteral("Other"));
    other.setPath(path);
    other.setDefinition(diveDef());
    other.open();
    add(QStringLiteral("Jo"), 1);
    EXPECT_EQ(other.recordCount(), 1);
    other.first();
    EXPECT_EQ(other.field(QStringLiteral("Diver")).asString(), QStringLiteral("Jo"));

    table.edit();
    table.field(QStringLiteral("Site")).setAsString(QStringLiteral("Reef"));
    table.post();
    EXPECT_EQ(other.field(QStringLiteral("Site")).asString(), QStringLiteral("Reef")) << "current record is live";

    add(QStringLiteral("Kim"), 1);
    other.next();
    EXPECT_EQ(other.field(QStringLiteral("Diver")).asString(), QStringLiteral("Kim"));
    // Deleted through the first cursor: the second moves on to what follows.
    ASSERT_TRUE(table.findKey({QStringLiteral("Kim")}));
    table.deleteRecord();
    EXPECT_EQ(other.field(QStringLiteral("Diver")).asString(), QStringLiteral("Jo"));
    EXPECT_EQ(other.recordCount(), 1);
}

TEST_F(TableFixture, ValuesSurviveCloseAndReopen)
{
    table.append();
    table.field(QStringLiteral("Diver")).setAsString(QStringLiteral("Jo"));
    table.field(QStringLiteral("Depth")).setAsFloat(30.48);
    table.field(QStringLiteral("Sent")).setAsBoolean(false);
    table.field(QStringLiteral("Start")).setAsDateTime(45296.5);
    table.post();
    table.close();
    table.open();
    EXPECT_DOUBLE_EQ(table.field(QStringLiteral("Depth")).asFloat(), 30.48);
    EXPECT_EQ(table.field(QStringLiteral("Depth")).displayText(), QStringLiteral("30.48"));
    EXPECT_EQ(table.field(QStringLiteral("Sent")).asString(), QStringLiteral("False"));
    EXPECT_FALSE(table.field(QStringLiteral("Sent")).isNull());
    EXPECT_TRUE(table.field(QStringLiteral("Number")).isNull());
    EXPECT_EQ(table.field(QStringLiteral("Start")).displayText(), QStringLiteral("Jan 05, 2024  12:00 pm"));
    table.edit();
    EXPECT_THROW(table.field(QStringLiteral("Number")).setAsString(QStringLiteral("12a")), store::ConversionError);
    EXPECT_THROW(table.field(QStringLiteral("Depth")).setAsString(QStringLiteral("deep")), store::ConversionError);
}

TEST_F(TableFixture, FilesThatAreNoTableCannotBeOpened)
{
    table.close();
    const QByteArray good = [&] {
        QFile f(table.fileName());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    ASSERT_GT(good.size(), 4096);
    auto writeFile = [&](const QByteArray& bytes) {
        QFile f(table.fileName());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    };
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"garbage", QByteArray(8192, '\x5a')},
        {"truncated", good.left(good.size() / 2)},
        {"empty", QByteArray()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(c.bytes);
        EXPECT_THROW(table.open(), DatabaseError);
        EXPECT_FALSE(table.isOpen());
    }
    // A database file of some other program.
    QFile::remove(table.fileName());
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(table.fileName().toUtf8().constData(), &db), SQLITE_OK);
        sqlite3_exec(db, "CREATE TABLE records(a); INSERT INTO records VALUES(1);", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    EXPECT_THROW(table.open(), DatabaseError);
    // A table file of ours with another layout.
    QFile::remove(table.fileName());
    store::TableDef otherDef = diveDef();
    otherDef.fields.removeLast();
    store::table_file::create(path, otherDef);
    EXPECT_THROW(table.open(), DatabaseError);
    // Missing altogether.
    store::table_file::remove(path);
    EXPECT_THROW(table.open(), DatabaseError);
}

// Walking the order must seek in the index, not scan the table from the start, or a walk
// over a large log grows quadratic.
TEST_F(TableFixture, NavigationSeeksInTheIndex)
{
    for (int n = 0; n < 50; ++n)
        add(QStringLiteral("Jo"), n, QStringLiteral("Site %1").arg(n));
    table.close();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(table.fileName().toUtf8().constData(), &db), SQLITE_OK);
    auto plan = [db](const char* sql) {
        sqlite3_stmt* stmt = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db, (QByteArray("EXPLAIN QUERY PLAN ") + sql).constData(), -1, &stmt, nullptr), SQLITE_OK);
        QString detail;
        while (sqlite3_step(stmt) == SQLITE_ROW)
            detail += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3))) + QLatin1Char(';');
        sqlite3_finalize(stmt);
        return detail;
    };
    const QString primary = plan(R"(SELECT rowid FROM records WHERE ("Diver","Number","Start",rowid) > (?,?,?,?)
                                    ORDER BY "Diver","Number","Start",rowid LIMIT 1)");
    EXPECT_TRUE(primary.contains(QStringLiteral("SEARCH"))) << primary.toStdString();
    const QString folded = plan(R"(SELECT rowid FROM records WHERE ("_fold_Site","Number",rowid) > (?,?,?)
                                   ORDER BY "_fold_Site","Number",rowid LIMIT 1)");
    EXPECT_TRUE(folded.contains(QStringLiteral("SEARCH"))) << folded.toStdString();
    sqlite3_close(db);
}

} // namespace
} // namespace zaf::test
