#include "core/config_record.h"
#include "core/diver_file.h"
#include "core/program_dir.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

namespace zaf {
namespace {

// One 93-byte diver record built by hand; `junk` fills the bytes past each text's length,
// which a reader must ignore.
QByteArray diverRecord(const char* name, const char* password, const char* email, char junk = '\0')
{
    QByteArray r(93, junk);
    auto put = [&r](int at, const char* s) {
        const auto n = std::strlen(s);
        r[at] = char(n);
        std::memcpy(r.data() + at + 1, s, n);
    };
    put(0, name);
    put(21, password);
    put(42, email);
    return r;
}

class DiverFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        setProgramDirectory(home.path());
        config() = ConfigRecord();
    }
    void TearDown() override
    {
        config() = ConfigRecord();
        diverTable().decode({});
    }
    void writeUserFile(const QByteArray& bytes)
    {
        QFile f(home.path() + QStringLiteral("/user.zaf"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir home;
};

TEST_F(DiverFileTest, ThreeDiversAreReadAndWrittenBack)
{
    const QByteArray file = diverRecord("Ann Diver", "secret", "ann@example.org", 'x') +
                            diverRecord("B\xE9la", "", "bela@example.org") +
                            diverRecord("Cy", "pw", "cy@example.org");
    writeUserFile(file);
    DiverTable& t = diverTable();
    EXPECT_EQ(t.read(), (QStringList{QStringLiteral("Ann Diver"), QStringLiteral("Béla"), QStringLiteral("Cy")}));
    EXPECT_EQ(t.slot(1).password, QStringLiteral("secret"));
    EXPECT_EQ(t.slot(2).password, QString());
    EXPECT_EQ(t.slot(3).email, QStringLiteral("cy@example.org"));
    EXPECT_TRUE(t.slot(4).isFree());

    // Free slots leave no gap: deleting the middle diver moves the third one up.
    t.slot(2).name.clear();
    ASSERT_TRUE(t.write());
    QFile f(home.path() + QStringLiteral("/user.zaf"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), diverRecord("Ann Diver", "secret", "ann@example.org") + diverRecord("Cy", "pw", "cy@example.org"));
}

TEST_F(DiverFileTest, EmptyFileGivesOneBlankEntryAndMissingFileNone)
{
    writeUserFile({});
    EXPECT_EQ(diverTable().read(), QStringList{QString()});
    QFile::remove(home.path() + QStringLiteral("/user.zaf"));
    diverTable().slot(5).name = QStringLiteral("left over");
    EXPECT_TRUE(diverTable().read().isEmpty());
    EXPECT_TRUE(diverTable().slot(5).isFree());
}

TEST_F(DiverFileTest, DeletingTheOnlyDiverEmptiesTheFile)
{
    writeUserFile(diverRecord("Ann", "", "ann@example.org"));
    diverTable().read();
    diverTable().slot(1).name.clear();
    ASSERT_TRUE(diverTable().write());
    EXPECT_EQ(QFile(home.path() + QStringLiteral("/user.zaf")).size(), 0);
}

TEST_F(DiverFileTest, NoMoreThanAHundredSlotsAreRead)
{
    QByteArray file;
    for (int i = 0; i < 101; ++i)
        file += diverRecord(QByteArray::number(i).constData(), "", "x@example.org");
    writeUserFile(file);
    const QStringList names = diverTable().read();
    ASSERT_EQ(names.size(), 100);
    EXPECT_EQ(names.last(), QStringLiteral("99"));
    EXPECT_EQ(diverTable().firstFree(), 0);
}

TEST_F(DiverFileTest, CheckUserAccount)
{
    writeUserFile(diverRecord("Ann", "", "ann@example.org") + diverRecord("Bob", "", "bob@example.org"));
    diverTable().read();
    struct Case {
        const char* what;
        QString loggedName, loggedEmail, u, e;
        bool expected;
    };
    const QString ann = QStringLiteral("Ann"), annMail = QStringLiteral("ann@example.org");
    const QString bob = QStringLiteral("Bob"), bobMail = QStringLiteral("bob@example.org");
    const Case cases[] = {
        {"another local diver", ann, annMail, bob, bobMail, true},
        {"the logged-in diver", ann, annMail, ann, annMail, false},
        {"own name, other address", ann, annMail, ann, bobMail, false},
        {"own address, other name", ann, annMail, bob, annMail, false},
        {"name and address of two accounts", QStringLiteral("Cy"), QStringLiteral("cy@x"), ann, bobMail, false},
        {"no such account", ann, annMail, QStringLiteral("Dee"), QStringLiteral("dee@x"), false},
        {"blank name", ann, annMail, QStringLiteral(" "), bobMail, false},
        {"empty address", ann, annMail, bob, QString(), false},
        {"nobody logged in", QString(), QString(), bob, bobMail, false},
        {"logged-in address blank", ann, QStringLiteral(" "), bob, bobMail, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        config().userName = c.loggedName;
        config().userEmail = c.loggedEmail;
        EXPECT_EQ(chk_user_account(c.u, c.e), c.expected);
    }
}

} // namespace
} // namespace zaf
