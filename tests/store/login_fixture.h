#pragma once

#include "core/app_state.h"
#include "core/cancel_flag.h"
#include "core/config_file.h"
#include "core/config_record.h"
#include "core/diver_file.h"
#include "core/program_dir.h"
#include "store/data_form.h"
#include "support/scripted_ui.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>

namespace zaf::test {

/// A fresh store in a temporary home with a diver file of two divers: Ann (slot 1,
/// password "pw") and Bob (slot 2, no password).
class LoginFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        setProgramDirectory(home.path());
        appState() = AppState();
        config() = ConfigRecord();
        setCancel(false);
        DiverTable& divers = diverTable();
        divers.decode({});
        divers.slot(1) = DiverSlot{QStringLiteral("Ann"), QStringLiteral("pw"), QStringLiteral("ann@example.org")};
        divers.slot(2) = DiverSlot{QStringLiteral("Bob"), QString(), QStringLiteral("bob@example.org")};
        ASSERT_TRUE(divers.write());
        divers.read();
        data.DataCreate();
    }
    void TearDown() override
    {
        config() = ConfigRecord();
        diverTable().decode({});
        setCancel(false);
    }

    using Values = std::initializer_list<std::pair<const char*, QString>>;
    /// Appends and posts one record with the given field texts.
    static void add(store::Table& table, Values values)
    {
        table.append();
        for (const auto& [name, value] : values)
            table[QLatin1String(name)].setAsString(value);
        table.post();
    }
    /// The texts of one field over the whole (unfiltered) table, in its order.
    static QStringList column(store::Table& table, const char* name)
    {
        QStringList out;
        for (table.first(); !table.eof(); table.next())
            out.append(table[QLatin1String(name)].asString());
        return out;
    }
    bool exists(const QString& relative) const { return QFileInfo::exists(home.path() + QLatin1Char('/') + relative); }

    QTemporaryDir home;
    ScriptedUi ui;
    store::TData_Form data;
    const ScreenSize screen{1280, 1024};
};

} // namespace zaf::test
