#include "login_fixture.h"

#include "core/new_diver.h"
#include "store/login_steps.h"

#include <QFile>

namespace zaf::test {
namespace {

using store::LoginCheck;

class LoginStepsTest : public LoginFixture {};

TEST_F(LoginStepsTest, SelectionAndPasswordChecks)
{
    diverTable().slot(3) = DiverSlot{QStringLiteral(" "), QString(), QStringLiteral("x@example.org")};
    diverTable().slot(4) = DiverSlot{QStringLiteral("Cy"), QString(), QStringLiteral("c@x.o")};
    diverTable().slot(5) = DiverSlot{QStringLiteral("Dee"), QString(), QStringLiteral("d@x.or")};
    struct Case {
        const char* what;
        bool open;
        int index;
        QString password;
        LoginCheck expected;
    };
    const Case cases[] = {
        {"right password", true, 1, QStringLiteral("pw"), LoginCheck::Ok},
        {"wrong password", true, 1, QStringLiteral("PW"), LoginCheck::WrongPassword},
        {"empty password for a diver without one", true, 2, QString(), LoginCheck::Ok},
        {"a password where none is set", true, 2, QStringLiteral("pw"), LoginCheck::WrongPassword},
        {"Add new Diver selected", true, 0, QString(), LoginCheck::NoDiver},
        {"nothing selected", true, -1, QString(), LoginCheck::NoDiver},
        {"blank slot", true, 3, QString(), LoginCheck::NoDiver},
        {"unused slot", true, 6, QString(), LoginCheck::NoDiver},
        {"5-character address", true, 4, QString(), LoginCheck::InvalidEmail},
        {"6-character address", true, 5, QString(), LoginCheck::Ok},
        {"store closed", false, 1, QStringLiteral("pw"), LoginCheck::StoreClosed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(store::checkLogin(c.open, c.index, c.password), c.expected);
    }
    EXPECT_EQ(store::loginCheckMessage(LoginCheck::NoDiver), QStringLiteral("You must pick or create a diver."));
    EXPECT_EQ(store::loginCheckMessage(LoginCheck::InvalidEmail), QStringLiteral("Your email address is not valid."));
    EXPECT_TRUE(store::loginCheckMessage(LoginCheck::WrongPassword).isEmpty());
    EXPECT_TRUE(store::loginCheckMessage(LoginCheck::StoreClosed).startsWith(
        QStringLiteral("There is a problem opening the databases.\rPlease exit ZAF")));
}

TEST_F(LoginStepsTest, EmptyDiverFileOffersABlankEntryThatCannotLogIn)
{
    QFile f(home.path() + QStringLiteral("/user.zaf"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.close();
    ASSERT_EQ(diverTable().read(), QStringList{QString()});
    EXPECT_EQ(store::checkLogin(true, 1, QString()), LoginCheck::NoDiver);
}

TEST_F(LoginStepsTest, FirstLoginMakesTheDiversRecordAndDirectories)
{
    const store::LoginOutcome first = store::logIn(data, 1, screen);
    EXPECT_TRUE(first.showDiversPage);
    EXPECT_TRUE(first.showConfiguration); // no configuration file yet
    EXPECT_EQ(config().userName, QStringLiteral("Ann"));
    EXPECT_EQ(config().userEmail, QStringLiteral("ann@example.org"));
    EXPECT_EQ(config().lastLoginIndex, 1);
    store::Table& divers = data.Divers_Table;
    ASSERT_EQ(divers.recordCount(), 1);
    divers.first();
    EXPECT_EQ(divers[QStringLiteral("DiverName")].asString(), QStringLiteral("Ann"));
    EXPECT_EQ(divers[QStringLiteral("Email")].asString(), QStringLiteral("ann@example.org"));
    EXPECT_EQ(divers[QStringLiteral("OwnerName")].asString(), QStringLiteral("Ann"));
    EXPECT_TRUE(exists(QStringLiteral("data")));
    EXPECT_TRUE(QFileInfo(home.path() + QStringLiteral("/pictures/An/Ann_ann@example.org")).isDir());

    ASSERT_TRUE(writeConfig());
    const store::LoginOutcome again = store::logIn(data, 1, screen);
    EXPECT_FALSE(again.showDiversPage);
    EXPECT_FALSE(again.showConfiguration);
    EXPECT_EQ(divers.recordCount(), 1);
}

TEST_F(LoginStepsTest, PlaceholderIdentityAsksForTheConfiguration)
{
    diverTable().slot(3) = DiverSlot{QStringLiteral("Your Name"), QString(), QStringLiteral("real@example.org")};
    diverTable().slot(4) = DiverSlot{QStringLiteral("Cy"), QString(), sampleEmailAddress()};
    for (int slot : {3, 4}) {
        SCOPED_TRACE(slot);
        config().userName = diverTable().slot(slot).name;
        ASSERT_TRUE(writeConfig());
        EXPECT_TRUE(store::logIn(data, slot, screen).showConfiguration);
    }
}

TEST_F(LoginStepsTest, ClosingFiltersTheLogsSafelyAndWritesTheDiverFile)
{
    diverTable().slot(3) = DiverSlot{QStringLiteral("O'Hara"), QString(), QStringLiteral("o@example.org")};
    // The log takes new entries only from a logged-in diver.
    config().userName = QStringLiteral("O'Hara");
    config().userEmail = QStringLiteral("o@example.org");
    add(data.DiveLog_Table, {{"DiverName", QStringLiteral("O'Hara")}, {"DiveNumber", QStringLiteral("1")},
                             {"OwnerName", QStringLiteral("O'Hara")}, {"OwnerEmail", QStringLiteral("o@example.org")}});
    add(data.DiveLog_Table, {{"DiverName", QStringLiteral("Bob")}, {"DiveNumber", QStringLiteral("1")},
                             {"OwnerName", QStringLiteral("Bob")}, {"OwnerEmail", QStringLiteral("bob@example.org")}});
    store::closeLogin(data);
    EXPECT_EQ(data.DiveLog_Table.filterText(), QStringLiteral("OwnerName='O''Hara'"));
    EXPECT_EQ(column(data.DiveLog_Table, "OwnerName"), QStringList{QStringLiteral("O'Hara")});
    EXPECT_EQ(column(data.OthersLog_Table, "OwnerName"), QStringList{QStringLiteral("Bob")});
    EXPECT_EQ(QFile(home.path() + QStringLiteral("/user.zaf")).size(), 3 * DiverTable::RecordSize);
}

TEST_F(LoginStepsTest, ConfigurationOkSetsOrMakesTheDiversRecord)
{
    EXPECT_FALSE(store::saveDiverFormat(data, true)); // nobody logged in
    EXPECT_EQ(data.Divers_Table.recordCount(), 0);

    config().userName = QStringLiteral("Bob");
    config().userEmail = QStringLiteral("bob@example.org");
    EXPECT_TRUE(store::saveDiverFormat(data, true));
    data.Divers_Table.first();
    EXPECT_EQ(data.Divers_Table[QStringLiteral("Format")].asInteger(), 1);

    EXPECT_FALSE(store::saveDiverFormat(data, false));
    EXPECT_EQ(data.Divers_Table.recordCount(), 1);
    data.Divers_Table.first();
    EXPECT_EQ(data.Divers_Table[QStringLiteral("Format")].asInteger(), 0);
}

} // namespace
} // namespace zaf::test
