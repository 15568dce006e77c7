#pragma once

#include "core/app_state.h"
#include "core/config_record.h"
#include "core/day_count.h"
#include "core/program_dir.h"
#include "store/data_form.h"
#include "store/schema.h"
#include "support/fake_view_state.h"
#include "support/scripted_ui.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace zaf::test {

using Values = QList<std::pair<QString, QVariant>>;

/// A store in a fresh home with diver "Jo" logged in and the dive log filtered to Jo's own
/// entries as after login. Dives can be put in past the rules (`seedDive`) or posted through
/// them (`postDive`).
class DiveLogFixture : public ::testing::Test {
protected:
    static constexpr const char* kUser = "Jo";
    static constexpr const char* kEmail = "jo@example.org";

    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        setProgramDirectory(home.path());
        appState() = AppState();
        config() = ConfigRecord();
        config().userName = QString::fromLatin1(kUser);
        config().userEmail = QString::fromLatin1(kEmail);
        config().enableRecordSharing = true;
        data = std::make_unique<store::TData_Form>();
        data->DataCreate();
        standInForOtherTableRules();
        log().setFilter(store::Filter::equals(QStringLiteral("OwnerName"), QString::fromLatin1(kUser)));
        raw.setDefinition(store::schema::diveLog());
        raw.setPath(log().path());
        raw.open();
    }

    void TearDown() override
    {
        raw.close();
        data.reset();
        appState() = AppState();
        config() = ConfigRecord();
    }

    store::Table& log() { return data->DiveLog_Table; }

    static double at(int year, int month, int day, int hour, int minute)
    {
        return toDayCount(QDateTime(QDate(year, month, day), QTime(hour, minute)));
    }

    /// Sets the named fields of the table's current (editing) record.
    static void fill(store::Table& table, const Values& values)
    {
        for (const auto& [name, value] : values) {
            if (value.isNull())
                table[name].clear();
            else
                table[name].setValue(value);
        }
    }

    /// Stores a dive without running any rule; owned by Jo unless the values say otherwise.
    void seedDive(const Values& values)
    {
        raw.append();
        fill(raw, {{QStringLiteral("DiverName"), QString::fromLatin1(kUser)},
                   {QStringLiteral("OwnerName"), QString::fromLatin1(kUser)},
                   {QStringLiteral("OwnerEmail"), QString::fromLatin1(kEmail)}});
        fill(raw, values);
        raw.post();
    }

    /// A new entry through every rule of the dive log, with these values typed in.
    void postDive(const Values& values)
    {
        log().append();
        fill(log(), values);
        log().post();
    }

    /// A diver record owned by Jo, stored past the rules.
    void seedDiver(const QString& name, const Values& values = {})
    {
        QVariantList row;
        const store::TableDef& def = store::schema::divers();
        for (int i = 0; i < def.fields.size(); ++i)
            row.append(QVariant());
        row[def.fieldIndex(QStringLiteral("DiverName"))] = name;
        row[def.fieldIndex(QStringLiteral("OwnerName"))] = QString::fromLatin1(kUser);
        row[def.fieldIndex(QStringLiteral("OwnerEmail"))] = QString::fromLatin1(kEmail);
        for (const auto& [field, value] : values)
            row[def.fieldIndex(field)] = value;
        std::function<void(store::Table&)> rule = data->Divers_Table.onNewRecord;
        data->Divers_Table.onNewRecord = nullptr;
        data->Divers_Table.appendRecord(row);
        data->Divers_Table.onNewRecord = rule;
    }

    /// Moves the divers table to that diver's record.
    store::Table& diver(const QString& name)
    {
        EXPECT_TRUE(data->Divers_Table.findKey({name})) << name.toStdString();
        return data->Divers_Table;
    }

    QTemporaryDir home;
    ScriptedUi ui;
    FakeViewState view;
    std::unique_ptr<store::TData_Form> data;
    store::Table raw{QStringLiteral("raw")};

private:
    /// The diver and dive shop tables stamp their owner and clear the sent flag of an edited
    /// diver by rules of their own; where those are not installed, these stand in for them.
    void standInForOtherTableRules()
    {
        for (store::Table* table : {&data->Divers_Table, &data->DiveResources_Table})
            if (!table->onNewRecord)
                table->onNewRecord = [](store::Table& t) {
                    t[QStringLiteral("OwnerName")].setAsString(config().userName);
                    t[QStringLiteral("OwnerEmail")].setAsString(config().userEmail);
                };
        if (!data->Divers_Table.onAfterEdit)
            data->Divers_Table.onAfterEdit = [](store::Table& t) {
                t[QStringLiteral("CopyOnServer")].setAsBoolean(false);
            };
    }
};

} // namespace zaf::test
