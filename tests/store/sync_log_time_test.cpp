#include "dive_log_fixture.h"

#include <optional>
#include <stdexcept>

namespace zaf::test {
namespace {

class SyncLogTimeTest : public DiveLogFixture {};

const QString kSetDiveTime = QStringLiteral("Would you like to set the Dive Time based on the Start and End Time?");
const QString kSetEndTime = QStringLiteral("Would you like to set the End Time based on the Start and Dive Time?");

TEST_F(SyncLogTimeTest, ReconcilesTimesAsTheDiverAnswers)
{
    const double nine = at(2024, 5, 1, 9, 0);
    const double nineFortyFive = at(2024, 5, 1, 9, 45);
    struct Case {
        const char* name;
        int mode;
        double start, end;
        QVariant bottom;
        std::optional<Answer> answer;
        QString question;
        int bottomAfter;
        double endAfter;
    };
    const Case cases[] = {
        {"no dive time yet, past midnight", 1, at(2024, 5, 1, 23, 30), at(2024, 5, 2, 0, 45), QVariant(), {}, {}, 75,
         at(2024, 5, 2, 0, 45)},
        {"whole days are not counted", 2, nine, at(2024, 5, 2, 10, 0), 0, {}, {}, 60, at(2024, 5, 2, 10, 0)},
        {"already in step", 1, nine, nineFortyFive, 45, {}, {}, 45, nineFortyFive},
        {"end edited, yes", 1, nine, nineFortyFive, 40, Answer::Yes, kSetDiveTime, 45, nineFortyFive},
        {"end edited, no", 1, nine, nineFortyFive, 40, Answer::No, kSetDiveTime, 40, nineFortyFive},
        {"end before start", 1, at(2024, 5, 1, 10, 0), nine, 30, {}, {}, 30, at(2024, 5, 1, 10, 30)},
        {"dive time edited, yes", 2, nine, nineFortyFive, 50, Answer::Yes, kSetEndTime, 50, at(2024, 5, 1, 9, 50)},
        {"dive time edited, no", 2, nine, nineFortyFive, 50, Answer::No, kSetEndTime, 50, nineFortyFive},
    };
    int number = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        seedDive({{"DiveNumber", number}, {"StartTime", c.start}, {"EndTime", c.end}, {"BottomTime", c.bottom}});
        ASSERT_TRUE(log().findKey({"Jo", number++}));
        ui.questions.clear();
        if (c.answer)
            ui.answers.push_back(*c.answer);
        data->Sync_log_time(c.mode);
        EXPECT_EQ(ui.questions, c.question.isEmpty() ? QStringList() : QStringList{c.question});
        EXPECT_EQ(log()["BottomTime"].asInteger(), c.bottomAfter);
        EXPECT_NEAR(log()["EndTime"].asDateTime(), c.endAfter, 1e-9);
        log().cancel();
    }
}

TEST_F(SyncLogTimeTest, ADayLongDiveTimeGivesNoEndTime)
{
    const double ten = at(2024, 5, 1, 10, 0), nine = at(2024, 5, 1, 9, 0);
    seedDive({{"DiveNumber", 1}, {"StartTime", ten}, {"EndTime", nine}, {"BottomTime", 25 * 60}});
    ASSERT_TRUE(log().findKey({"Jo", 1}));
    EXPECT_THROW(data->Sync_log_time(2), std::range_error);
    EXPECT_DOUBLE_EQ(log()["EndTime"].asDateTime(), nine);
}

TEST_F(SyncLogTimeTest, AnotherDiversEntryIsLeftAlone)
{
    log().clearFilter();
    seedDive({{"DiveNumber", 1}, {"StartTime", at(2024, 5, 1, 9, 0)}, {"EndTime", at(2024, 5, 1, 9, 45)},
              {"OwnerName", "Kim"}, {"OwnerEmail", "kim@x.org"}});
    log().first();
    data->Sync_log_time(1);
    EXPECT_TRUE(log()["BottomTime"].isNull());
    EXPECT_EQ(log().state(), store::Table::State::Browse);
}

} // namespace
} // namespace zaf::test
