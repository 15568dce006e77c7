#include "ui_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>

namespace zaf::test {
namespace {

class LoginTest : public UiFixture {
protected:
    void showLogin()
    {
        start();
        login->show();
        divers = widget<QComboBox>(login.get(), "DiverList");
        password = widget<QLineEdit>(login.get(), "PasswordEdit");
    }

    void pick(int index)
    {
        divers->setCurrentIndex(index);
        login->selectEntry(index);
    }

    QComboBox* divers = nullptr;
    QLineEdit* password = nullptr;
};

struct LoginCase {
    const char* what;
    // ctest lists a case by its name instead of its bytes.
    friend void PrintTo(const LoginCase& c, std::ostream* os) { *os << c.what; }
    const char* storedPassword;
    const char* email;
    const char* typed;
    const char* message; ///< the one message expected, or nullptr for none
    bool loggedIn;
};

class LoginPaths : public LoginTest, public ::testing::WithParamInterface<LoginCase> {};

TEST_P(LoginPaths, OkButton)
{
    const LoginCase& c = GetParam();
    writeDivers({{QStringLiteral("Ann Diver"), QLatin1String(c.storedPassword), QLatin1String(c.email)}});
    showLogin();
    ASSERT_EQ(divers->currentIndex(), 1);
    type(password, QLatin1String(c.typed));
    click(login.get(), "Button1");

    if (c.message)
        EXPECT_EQ(ui.messages, QStringList{QLatin1String(c.message)});
    else
        EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(login->isVisible(), !c.loggedIn);
    EXPECT_TRUE(password->text().isEmpty()) << "the password field is emptied every time";
    if (c.loggedIn) {
        EXPECT_EQ(config().userName, QStringLiteral("Ann Diver"));
        EXPECT_EQ(config().userEmail, QLatin1String(c.email));
        EXPECT_TRUE(main->isEnabled());
        EXPECT_EQ(data->DiveLog_Table.filterText(), QStringLiteral("OwnerName='Ann Diver'"));
        EXPECT_TRUE(QFileInfo(home.filePath(QStringLiteral("pictures/An/Ann Diver_") + QLatin1String(c.email))).isDir());
    } else {
        EXPECT_NE(config().userName, QStringLiteral("Ann Diver"));
        EXPECT_FALSE(main->isEnabled()) << "a refused login leaves the main window disabled";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Login, LoginPaths,
    ::testing::Values(LoginCase{"EmptyPassword", "", "ann@example.org", "", nullptr, true},
                      LoginCase{"RightPassword", "reef", "ann@example.org", "reef", nullptr, true},
                      LoginCase{"WrongPasswordIsSilent", "reef", "ann@example.org", "wreck", nullptr, false},
                      LoginCase{"MissingPassword", "reef", "ann@example.org", "", nullptr, false},
                      LoginCase{"FiveCharacterEmail", "", "a@b.c", "", "Your email address is not valid.", false},
                      LoginCase{"SixCharacterEmail", "", "a@b.cd", "", nullptr, true}),
    [](const ::testing::TestParamInfo<LoginCase>& param) { return std::string(param.param.what); });

TEST_F(LoginTest, PasswordFieldShowsStarsAndBackspaceRemovesTheLastCharacter)
{
    writeDivers({{QStringLiteral("Ann Diver"), QStringLiteral("reef"), QStringLiteral("ann@example.org")}});
    showLogin();
    type(password, QStringLiteral("reefx"));
    EXPECT_EQ(password->text(), QStringLiteral("*****"));
    pressKey(password, Qt::Key_Backspace);
    EXPECT_EQ(password->text(), QStringLiteral("****"));
    EXPECT_EQ(password->cursorPosition(), 4);
    click(login.get(), "Button1");
    EXPECT_EQ(config().userName, QStringLiteral("Ann Diver")) << "the buffer, not the stars, is the password";
}

TEST_F(LoginTest, ZeroByteDiverFileOffersOneBlankEntryThatCannotLogIn)
{
    QFile file(home.filePath(QStringLiteral("user.zaf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    showLogin();
    ASSERT_EQ(divers->count(), 2);
    EXPECT_EQ(divers->itemText(0), QStringLiteral("Add new Diver"));
    pick(1);
    click(login.get(), "Button1");
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("You must pick or create a diver.")});
    EXPECT_TRUE(login->isVisible());
}

struct NewDiverCase {
    const char* what;
    // ctest lists a case by its name instead of its bytes.
    friend void PrintTo(const NewDiverCase& c, std::ostream* os) { *os << c.what; }
    const char* name;      ///< typed at both name questions
    const char* stored;    ///< the name in the list afterwards, or nullptr when refused
    const char* refusal;   ///< the message of a refused name
};

class NewDiver : public LoginTest, public ::testing::WithParamInterface<NewDiverCase> {};

TEST_P(NewDiver, FromTheAddNewDiverEntry)
{
    const NewDiverCase& c = GetParam();
    showLogin();
    ui.inputs = {QLatin1String(c.name), QLatin1String(c.name), QStringLiteral("new@example.org"), QStringLiteral("pw")};
    ui.messages.clear();
    pick(0);

    const QStringList names = DiverTable().read();
    if (c.stored) {
        EXPECT_EQ(names, QStringList{QLatin1String(c.stored)});
        ASSERT_EQ(divers->count(), 2);
        EXPECT_EQ(divers->itemText(1), QLatin1String(c.stored));
        EXPECT_EQ(divers->currentIndex(), 1) << "the new diver is picked";
        EXPECT_FALSE(ui.messages.contains(QLatin1String("Your Diver name must be less than 20 characters")));
    } else {
        EXPECT_TRUE(names.isEmpty()) << "nothing is written for a refused diver";
        EXPECT_TRUE(ui.messages.contains(QLatin1String(c.refusal))) << ui.messages.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(divers->count(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Login, NewDiver,
    ::testing::Values(NewDiverCase{"TwentyCharacters", "Abcdefghij Klmnopqrs", "Abcdefghij Klmnopqrs", nullptr},
                      NewDiverCase{"TwentyOneCharacters", "Abcdefghij Klmnopqrst", nullptr,
                                   "Your Diver name must be less than 20 characters"},
                      NewDiverCase{"ThreeApostrophes", "O'Dea O'Neil O'Hara", "O`Dea O`Neil O'Hara", nullptr}),
    [](const ::testing::TestParamInfo<NewDiverCase>& param) { return std::string(param.param.what); });

TEST_F(LoginTest, CancelledNewDiverWritesNothing)
{
    showLogin();
    ui.inputs.clear(); // the first question is cancelled
    pick(0);
    EXPECT_FALSE(homeFileExists(QStringLiteral("user.zaf")));
    EXPECT_EQ(divers->count(), 1);
}

TEST_F(LoginTest, DeletingTheOnlyDiverEmptiesTheFile)
{
    writeDivers({{QStringLiteral("Ann Diver"), QString(), QStringLiteral("ann@example.org")}});
    showLogin();
    click(login.get(), "DeleteDiverButton");
    EXPECT_EQ(QFileInfo(home.filePath(QStringLiteral("user.zaf"))).size(), 0);
    // An empty diver file reads as one blank entry.
    ASSERT_EQ(divers->count(), 2);
    EXPECT_TRUE(divers->itemText(1).trimmed().isEmpty());
    EXPECT_TRUE(ui.questions.isEmpty()) << "deleting asks nothing";
}

TEST_F(LoginTest, LoginAsNewDiverSavesAndShowsTheLoginAgain)
{
    writeDivers({{QStringLiteral("Ann Diver"), QString(), QStringLiteral("ann@example.org")}});
    showLogin();
    main->show();
    click(login.get(), "Button1");
    ASSERT_FALSE(login->isVisible());
    main->showPage(Page::Equipment);
    ui.messages.clear();

    widget<QAction>(main.get(), "LoginAsNewDiverItem")->trigger();
    EXPECT_TRUE(login->isVisible());
    EXPECT_FALSE(main->isEnabled());
    EXPECT_EQ(main->currentPage(), Page::ZafMain);
    EXPECT_EQ(config().userName, QStringLiteral("Ann Diver")) << "the diver stays in force until the next login";
    EXPECT_TRUE(data->Divers_Table.isOpen()) << "the store was reopened";
}

TEST_F(LoginTest, TitleBarCloseIsRefused)
{
    showLogin();
    login->close();
    EXPECT_TRUE(login->isVisible());
    login->reject(); // Escape
    EXPECT_TRUE(login->isVisible());
}

TEST_F(LoginTest, ExitWritesNeitherConfigurationNorSettings)
{
    writeDivers({{QStringLiteral("Ann Diver"), QString(), QStringLiteral("ann@example.org")}});
    showLogin();
    main->show();
    click(login.get(), "ExitButton");

    EXPECT_FALSE(login->isVisible());
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(appState().exitRequested);
    EXPECT_TRUE(cancelRequested());
    EXPECT_GE(terminations, 1);
    EXPECT_FALSE(homeFileExists(QStringLiteral("config.zaf")));
    EXPECT_FALSE(homeFileExists(QStringLiteral("Ann Diver.zaf")));
    EXPECT_FALSE(QFileInfo::exists(quorvaneIniPath()));
    EXPECT_FALSE(ui.statuses.contains(QStringLiteral("ZAF is Shutting Down...")));
    EXPECT_TRUE(data->Divers_Table.isOpen()) << "the shutdown steps did not run";
}

} // namespace
} // namespace zaf::test
