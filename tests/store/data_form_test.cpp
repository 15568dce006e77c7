#include "core/app_state.h"
#include "core/config_record.h"
#include "core/program_dir.h"
#include "core/trace.h"
#include "store/data_form.h"
#include "store/sqlite_file.h"
#include "store/table_file.h"
#include "support/scripted_ui.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zaf::test {
namespace {

using store::TData_Form;

const QStringList kTenTables = {
    QStringLiteral("MenuItems"), QStringLiteral("Pictures"),     QStringLiteral("Divers"),
    QStringLiteral("DiveLog"),   QStringLiteral("DiveSite"),     QStringLiteral("DiveResources"),
    QStringLiteral("Travel"),    QStringLiteral("Equipment"),    QStringLiteral("DiveComputer"),
    QStringLiteral("MessageBoard")};

class DataFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        setProgramDirectory(home.path());
        appState() = AppState();
        // The dive log refuses new entries while nobody is logged in. The dives these tests
        // add belong to other divers, so the rules add no companion records of their own.
        config().userName = QStringLiteral("Ann");
        config().userEmail = QStringLiteral("ann@example.org");
    }
    void TearDown() override
    {
        appState() = AppState();
        config() = ConfigRecord();
    }

    bool tableFileExists(const QString& name) const
    {
        return QFileInfo::exists(home.path() + QStringLiteral("/data/") + name + QStringLiteral(".DB"));
    }

    void addDive(TData_Form& data, const QString& diver, int number, const QString& owner)
    {
        store::Table& log = data.DiveLog_Table;
        log.append();
        log[QStringLiteral("DiverName")].setAsString(diver);
        log[QStringLiteral("DiveNumber")].setAsInteger(number);
        log[QStringLiteral("OwnerName")].setAsString(owner);
        log[QStringLiteral("OwnerEmail")].setAsString(owner + QStringLiteral("@example.org"));
        log.post();
    }

    QTemporaryDir home;
    ScriptedUi ui;
};

TEST_F(DataFormTest, FirstStartCreatesDirectoriesAndTenEmptyTables)
{
    TData_Form data;
    data.DataCreate();
    EXPECT_TRUE(QFileInfo(home.path() + QStringLiteral("/data")).isDir());
    EXPECT_TRUE(QFileInfo(home.path() + QStringLiteral("/pictures")).isDir());
    for (const QString& name : kTenTables) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(tableFileExists(name));
    }
    for (store::Table* table : {&data.DiveLog_Table, &data.OthersLog_Table, &data.divers_log_table, &data.Divers_Table}) {
        EXPECT_TRUE(table->isOpen());
        EXPECT_EQ(table->recordCount(), 0);
    }
    EXPECT_FALSE(tableFileExists(QStringLiteral("ZAF_Debug")));
    EXPECT_TRUE(ui.questions.isEmpty());
    EXPECT_EQ(data.DiveComputer_Table.indexName(), QStringLiteral("DateTime_Index"));
}

TEST_F(DataFormTest, TraceTableExistsOnlyInDebugMode)
{
    appState().debugMode = true;
    {
        TData_Form data;
        data.DataCreate();
        ASSERT_TRUE(tableFileExists(QStringLiteral("ZAF_Debug")));
        // Opening the dive log already traced its scroll rule.
        const int before = data.ZAF_Debug_Table.recordCount();
        write_debug_message(QStringLiteral("TMain.FormClose"), QStringLiteral("enter"));
        data.write_debug_message(QString(60, QLatin1Char('p')), QString(150, QLatin1Char('m')));
        store::Table& trace = data.ZAF_Debug_Table;
        trace.setRecNo(before + 1);
        EXPECT_EQ(trace[QStringLiteral("Procedure")].asString(), QStringLiteral("TMain.FormClose"));
        EXPECT_EQ(trace[QStringLiteral("Count")].asInteger(), before + 1);
        trace.next();
        EXPECT_EQ(trace[QStringLiteral("Procedure")].asString().size(), 50);
        EXPECT_EQ(trace[QStringLiteral("Message")].asString().size(), 100);
        EXPECT_EQ(trace[QStringLiteral("Count")].asInteger(), before + 2);
    }
    // The next start without debug mode removes it; trace writes then do nothing.
    appState().debugMode = false;
    TData_Form data;
    data.DataCreate();
    EXPECT_FALSE(tableFileExists(QStringLiteral("ZAF_Debug")));
    data.write_debug_message(QStringLiteral("x"), QStringLiteral("y"));
    EXPECT_FALSE(tableFileExists(QStringLiteral("ZAF_Debug")));
}

TEST_F(DataFormTest, CorruptTableQuestion)
{
    {
        TData_Form data;
        data.DataCreate();
    }
    const QString pictures = home.path() + QStringLiteral("/data/Pictures.DB");
    auto corrupt = [&] {
        QFile f(pictures);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(4096, '\x13'));
    };
    const QString question = QStringLiteral("Your Picture Database has become corrupt.  Delete all data and continue?");

    // No: the program runs with Pictures closed, and asks again at the next opening.
    corrupt();
    ui.answers = {Answer::No, Answer::No};
    TData_Form data;
    int restarts = 0;
    data.restartHook = [&] { ++restarts; };
    data.DataCreate();
    EXPECT_EQ(ui.questions, QStringList{question});
    EXPECT_FALSE(data.Pictures_Table.isOpen());
    EXPECT_TRUE(data.DiveLog_Table.isOpen());
    data.Commit_Changes();
    EXPECT_EQ(ui.questions, (QStringList{question, question}));
    EXPECT_EQ(restarts, 0);
    EXPECT_TRUE(QFileInfo::exists(pictures));

    // Yes: the files go, a new copy starts, and this one is marked to end without saving.
    ui.answers = {Answer::Yes};
    data.Commit_Changes();
    EXPECT_FALSE(QFileInfo::exists(pictures));
    EXPECT_EQ(restarts, 1);
    EXPECT_TRUE(appState().exitRequested);
    EXPECT_TRUE(appState().otherInstance);
}

TEST_F(DataFormTest, CommitChangesPostsAndKeepsThePositions)
{
    // New diver records need a logged-in diver.
    config().userName = QStringLiteral("Jo");
    config().userEmail = QStringLiteral("jo@example.org");
    TData_Form data;
    data.DataCreate();
    data.DiveLog_Table.setFilter(QStringLiteral("OwnerName='Jo'"));
    data.OthersLog_Table.setFilter(QStringLiteral("OwnerName<>'Jo'"));
    for (int n = 1; n <= 5; ++n)
        addDive(data, QStringLiteral("Jo"), n, QStringLiteral("Jo"));
    for (int n = 1; n <= 3; ++n)
        addDive(data, QStringLiteral("Kim"), n, QStringLiteral("Kim"));
    for (const char* name : {"Jo", "Kim", "Lee"}) {
        store::Table& divers = data.Divers_Table;
        divers.append();
        divers[QStringLiteral("DiverName")].setAsString(QString::fromLatin1(name));
        divers[QStringLiteral("OwnerName")].setAsString(QStringLiteral("Jo"));
        divers[QStringLiteral("OwnerEmail")].setAsString(QStringLiteral("jo@example.org"));
        divers.post();
    }

    data.DiveLog_Table.setRecNo(4);
    data.OthersLog_Table.setRecNo(2);
    data.Divers_Table.setRecNo(3);
    // An unposted edit is made durable.
    data.DiveLog_Table.edit();
    data.DiveLog_Table[QStringLiteral("DiveSite")].setAsString(QStringLiteral("Blue Hole"));

    data.Commit_Changes();
    EXPECT_EQ(data.DiveLog_Table.recNo(), 4);
    EXPECT_EQ(data.DiveLog_Table[QStringLiteral("DiveSite")].asString(), QStringLiteral("Blue Hole"));
    EXPECT_EQ(data.DiveLog_Table.recordCount(), 5) << "the filter stays in force";
    EXPECT_EQ(data.OthersLog_Table.recNo(), 2);
    EXPECT_EQ(data.OthersLog_Table[QStringLiteral("DiverName")].asString(), QStringLiteral("Kim"));
    EXPECT_EQ(data.Divers_Table.recNo(), 3);
    EXPECT_EQ(data.Divers_Table[QStringLiteral("DiverName")].asString(), QStringLiteral("Lee"));
}

TEST_F(DataFormTest, ClosingTheConnectionClosesEveryTable)
{
    TData_Form data;
    data.DataCreate();
    data.ZAF_Database.close();
    for (store::Table* table : data.ZAF_Database.tables())
        EXPECT_FALSE(table->isOpen()) << table->objectName().toStdString();
    EXPECT_FALSE(store::SqliteFile::isOpen(home.path() + QStringLiteral("/data/DiveLog.DB")));
}

} // namespace
} // namespace zaf::test
