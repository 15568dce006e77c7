#pragma once

#include "core/app_state.h"
#include "core/config_record.h"
#include "core/day_count.h"
#include "core/program_dir.h"
#include "store/data_form.h"
#include "support/fake_view_state.h"
#include "support/scripted_ui.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QVariant>
#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>

namespace zaf::test {

/// A store in a temporary home with a logged-in diver and the Dive Log page showing.
class DiveFixture : public ::testing::Test {
protected:
    using Values = std::initializer_list<std::pair<const char*, QVariant>>;

    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        setProgramDirectory(home.path());
        appState() = AppState();
        config().userName = QStringLiteral("Jo");
        config().userEmail = QStringLiteral("jo@example.org");
        data.DataCreate();
        ASSERT_TRUE(log().isOpen());
    }
    void TearDown() override
    {
        config() = ConfigRecord();
        appState() = AppState();
    }

    store::Table& log() { return data.DiveLog_Table; }
    store::Field& field(const char* name) { return log()[QLatin1String(name)]; }

    /// Appends a dive of `owner` (the logged-in diver by default) with the given values and
    /// posts it; it stays the shown entry.
    void addDive(int number, Values values, const QString& owner = QStringLiteral("Jo"))
    {
        log().append();
        set(values);
        field("DiverName").setAsString(owner);
        field("DiveNumber").setAsInteger(number);
        field("OwnerName").setAsString(owner);
        field("OwnerEmail").setAsString(owner.toLower() + QStringLiteral("@example.org"));
        log().post();
    }

    /// Puts the shown entry into edit with the given values, as if the diver had typed them.
    void type(Values values)
    {
        log().edit();
        set(values);
    }

    void set(Values values)
    {
        for (const auto& [name, value] : values)
            field(name).setValue(value);
    }

    static double at(int day, int hour, int minute)
    {
        return toDayCount(QDateTime(QDate(2024, 6, day), QTime(hour, minute)));
    }

    QTemporaryDir home;
    ScriptedUi ui;
    FakeViewState view;
    store::TData_Form data;
};

} // namespace zaf::test
