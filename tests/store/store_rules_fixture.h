#pragma once

#include "core/app_state.h"
#include "core/config_record.h"
#include "core/diver_file.h"
#include "core/program_dir.h"
#include "store/data_form.h"
#include "support/fake_view_state.h"
#include "support/scripted_ui.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zaf::test {

/// A freshly opened store in a temporary home with "Jo" logged in, a scripted Ui and a fake
/// window, for the record rules of the tables beside the dive log.
class StoreRulesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        setProgramDirectory(home.path());
        appState() = AppState();
        config() = ConfigRecord();
        diverTable().decode({});
        login(QStringLiteral("Jo"), QStringLiteral("jo@example.org"));
        data.DataCreate();
    }
    void TearDown() override
    {
        config() = ConfigRecord();
        diverTable().decode({});
        appState() = AppState();
    }

    static void login(const QString& name, const QString& email)
    {
        config().userName = name;
        config().userEmail = email;
    }
    /// Another diver account on this computer.
    static void addLocalDiver(const QString& name, const QString& email)
    {
        DiverTable& divers = diverTable();
        DiverSlot& slot = divers.slot(divers.firstFree());
        slot.name = name;
        slot.email = email;
    }
    /// Appends a record with these text fields and posts it; the rules fill the rest.
    static void addRecord(store::Table& table, const QList<QPair<QString, QString>>& fields)
    {
        table.append();
        ASSERT_TRUE(table.isEditing()) << "the new record was refused";
        for (const auto& [name, value] : fields)
            table[name].setAsString(value);
        table.post();
    }

    QTemporaryDir home;
    ScriptedUi ui;
    FakeViewState view;
    store::TData_Form data;
};

} // namespace zaf::test
