#include "core/diver_file.h"
#include "core/new_diver.h"
#include "core/program_dir.h"
#include "support/scripted_ui.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zaf {
namespace {

class NewDiverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        setProgramDirectory(home.path());
        diverTable().read();
        setHelpHook([this](int topic) { helpTopics.append(topic); });
    }
    void TearDown() override
    {
        setHelpHook({});
        diverTable().decode({});
    }
    void answer(const QStringList& inputs)
    {
        for (const QString& s : inputs)
            ui.inputs.push_back(s);
    }
    qint64 userFileSize() const { return QFile(home.path() + QStringLiteral("/user.zaf")).size(); }

    QTemporaryDir home;
    test::ScriptedUi ui;
    QList<int> helpTopics;
};

const QString kIntro = QStringLiteral(
    "Please use your full name and a valid email address when prompted.  You will not be able to change this data "
    "later.  Valid data is required if you choose to share data with ZAF users or submit data to DAN or other dive "
    "organizations.");

TEST_F(NewDiverTest, NewDiverIsWrittenToTheDiverFile)
{
    answer({QStringLiteral("  Ann Diver "), QStringLiteral("Ann Diver"), QStringLiteral("ann@example.org"),
            QStringLiteral("secret")});
    EXPECT_EQ(add_new_user(), 1);
    EXPECT_EQ(ui.messages, QStringList{kIntro});
    EXPECT_EQ(helpTopics, QList<int>{10});
    EXPECT_EQ(ui.prompts, (QStringList{QStringLiteral("Diver Name"), QStringLiteral("If this is correct press \"OK\"."),
                                       QStringLiteral("Diver e-mail"), QStringLiteral("Password")}));
    diverTable().read();
    EXPECT_EQ(diverTable().slot(1).name, QStringLiteral("Ann Diver"));
    EXPECT_EQ(diverTable().slot(1).email, QStringLiteral("ann@example.org"));
    EXPECT_EQ(diverTable().slot(1).password, QStringLiteral("secret"));
}

TEST_F(NewDiverTest, LengthLimits)
{
    const QString twenty(20, QLatin1Char('n'));
    const QString fifty = QString(38, QLatin1Char('e')) + QStringLiteral("@example.org");
    struct Case {
        const char* what;
        QString name, email;
        QString message; // empty: the diver is added
    };
    const Case cases[] = {
        {"20-character name", twenty, QStringLiteral("n@example.org"), {}},
        {"21-character name", twenty + QLatin1Char('n'), QStringLiteral("n@example.org"),
         QStringLiteral("Your Diver name must be less than 20 characters")},
        {"50-character address", QStringLiteral("Ann"), fifty, {}},
        {"51-character address", QStringLiteral("Ann"), QLatin1Char('e') + fifty,
         QStringLiteral("Your email address must be less than 50 characters")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(home.path() + QStringLiteral("/user.zaf"));
        diverTable().read();
        ui.messages.clear();
        ui.inputs.clear();
        answer({c.name, c.name, c.email, QString()});
        const int slot = add_new_user();
        if (c.message.isEmpty()) {
            EXPECT_EQ(slot, 1);
            EXPECT_EQ(ui.messages, QStringList{kIntro});
        } else {
            EXPECT_EQ(slot, 0);
            EXPECT_EQ(ui.messages, (QStringList{kIntro, c.message}));
            EXPECT_TRUE(diverTable().slot(1).isFree());
            EXPECT_FALSE(QFile::exists(home.path() + QStringLiteral("/user.zaf")));
        }
    }
}

TEST_F(NewDiverTest, FirstTwoApostrophesBecomeGraveAccents)
{
    answer({QStringLiteral("O'Ne'il's"), QStringLiteral("O'Ne'il's"), QStringLiteral("o@example.org"), QString()});
    ASSERT_EQ(add_new_user(), 1);
    EXPECT_EQ(diverTable().slot(1).name, QStringLiteral("O`Ne`il's"));
}

TEST_F(NewDiverTest, CancellingAnyQuestionFreesTheSlot)
{
    const QStringList all = {QStringLiteral("Ann"), QStringLiteral("Ann"), QStringLiteral("ann@example.org"),
                             QStringLiteral("pw")};
    for (int answered = 0; answered < all.size(); ++answered) {
        SCOPED_TRACE(answered);
        ui.inputs.clear();
        answer(all.mid(0, answered)); // the next question finds no answer: cancelled
        EXPECT_EQ(add_new_user(), 0);
        EXPECT_TRUE(diverTable().slot(1).isFree());
        EXPECT_EQ(userFileSize(), 0);
    }
}

TEST_F(NewDiverTest, PathSeparatorsInTheNameAreRefused)
{
    answer({QStringLiteral("../Ann"), QStringLiteral("../Ann"), QStringLiteral("ann@example.org"), QString()});
    EXPECT_EQ(add_new_user(), 0);
    EXPECT_TRUE(diverTable().slot(1).isFree());
    EXPECT_EQ(ui.messages.size(), 2);
}

TEST_F(NewDiverTest, HundredAndFirstDiverIsRefused)
{
    for (int k = 1; k <= DiverTable::SlotCount; ++k) {
        diverTable().slot(k).name = QStringLiteral("Diver %1").arg(k);
        diverTable().slot(k).email = QStringLiteral("d%1@example.org").arg(k);
    }
    ASSERT_TRUE(diverTable().write());
    diverTable().read();
    answer({QStringLiteral("Extra"), QStringLiteral("Extra"), QStringLiteral("x@example.org"), QString()});
    EXPECT_EQ(add_new_user(), 0);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages[0].contains(QStringLiteral("100 divers")));
    EXPECT_TRUE(ui.prompts.isEmpty());
    EXPECT_EQ(userFileSize(), 100 * DiverTable::RecordSize);
}

} // namespace
} // namespace zaf
