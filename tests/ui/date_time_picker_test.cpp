#include "core/cancel_flag.h"
#include "core/day_count.h"
#include "ui/date_time_picker.h"

#include <QCalendarWidget>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace zaf::test {
namespace {

double at(int year, int month, int day, int hour, int minute)
{
    return toDayCount(QDateTime(QDate(year, month, day), QTime(hour, minute)));
}

/// Runs `act` on the picker while its pick() waits, and records what the picker showed.
struct PickRun {
    gui::DateTimePicker& picker;
    QDate shownDate;
    QTime shownTime;
    QPoint shownAt;
    bool visible = false;

    std::optional<double> run(double current, QPoint where, const std::function<void()>& act)
    {
        QTimer::singleShot(0, &picker, [this, act] {
            shownDate = picker.calendar()->selectedDate();
            shownTime = picker.timeField()->time();
            shownAt = picker.pos();
            visible = picker.isVisible();
            act();
        });
        return picker.pick(current, where);
    }
};

TEST(DateTimePickerTest, SetYieldsThePickedDateAndTime)
{
    gui::DateTimePicker picker;
    EXPECT_EQ(picker.windowTitle(), "Pick Date & Time");
    EXPECT_TRUE(picker.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    PickRun run{picker};
    const auto picked = run.run(at(2024, 6, 2, 9, 15), QPoint(40, 60), [&] {
        picker.calendar()->setSelectedDate(QDate(2024, 7, 14));
        picker.timeField()->setTime(QTime(16, 45));
        picker.findChild<QPushButton*>(QStringLiteral("SetButton"))->click();
    });

    EXPECT_TRUE(run.visible);
    EXPECT_EQ(run.shownDate, QDate(2024, 6, 2));
    EXPECT_EQ(run.shownTime, QTime(9, 15));
    EXPECT_EQ(run.shownAt, QPoint(40, 60));
    ASSERT_TRUE(picked.has_value());
    EXPECT_DOUBLE_EQ(*picked, at(2024, 7, 14, 16, 45));
    EXPECT_FALSE(picker.isVisible());

    // Made once: the same window picks again, from the new value, and Set alone keeps it.
    const auto again = run.run(*picked, QPoint(10, 10), [&] {
        picker.findChild<QPushButton*>(QStringLiteral("SetButton"))->click();
    });
    EXPECT_EQ(run.shownDate, QDate(2024, 7, 14));
    ASSERT_TRUE(again.has_value());
    EXPECT_DOUBLE_EQ(*again, *picked);
}

TEST(DateTimePickerTest, SetIsTheDefaultButton)
{
    gui::DateTimePicker picker;
    EXPECT_TRUE(picker.findChild<QPushButton*>(QStringLiteral("SetButton"))->isDefault());
    EXPECT_FALSE(picker.findChild<QPushButton*>(QStringLiteral("CancelButton"))->isDefault());
}

TEST(DateTimePickerTest, EveryWayOutButSetYieldsNothing)
{
    gui::DateTimePicker picker;
    const struct {
        const char* how;
        std::function<void()> act;
    } cases[] = {
        {"Cancel", [&] { picker.findChild<QPushButton*>(QStringLiteral("CancelButton"))->click(); }},
        {"closing the window", [&] { picker.close(); }},
        {"the cancel flag", [] { setCancel(true); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        setCancel(false);
        PickRun run{picker};
        const auto picked = run.run(at(2024, 6, 2, 9, 15), QPoint(0, 0), [&] {
            picker.calendar()->setSelectedDate(QDate(2024, 7, 14));
            c.act();
        });
        EXPECT_FALSE(picked.has_value());
        EXPECT_FALSE(picker.isVisible());
    }
    setCancel(false);
}

} // namespace
} // namespace zaf::test
