#pragma once

#include "store/field_def.h"
#include "store/table.h"
#include "store/table_file.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zaf::test {

/// A small table in a fresh directory: a text/int/datetime primary key with required
/// fields, a case-insensitive secondary index, a memo and an autoinc, enough to show the
/// engine's behaviour without the weight of the logbook schema.
class TableFixture : public ::testing::Test {
protected:
    static store::TableDef diveDef()
    {
        using store::FieldType;
        store::TableDef def;
        def.name = QStringLiteral("Dives");
        def.fields = {
            {QStringLiteral("Diver"), FieldType::Text, 10, true, {}},
            {QStringLiteral("Number"), FieldType::Int32, 0, false, {}},
            {QStringLiteral("Start"), FieldType::DateTime, 0, false, QStringLiteral("mmm dd, yyyy  h:mm am/pm")},
            {QStringLiteral("Site"), FieldType::Text, 20, false, {}},
            {QStringLiteral("Owner"), FieldType::Text, 10, false, {}},
            {QStringLiteral("Depth"), FieldType::Float, 0, false, QStringLiteral("####0.##")},
            {QStringLiteral("Notes"), FieldType::Memo, 0, false, {}},
            {QStringLiteral("Sent"), FieldType::Logical, 0, false, {}},
            {QStringLiteral("Seq"), FieldType::AutoInc, 0, false, {}},
        };
        def.primaryKey = {QStringLiteral("Diver"), QStringLiteral("Number"), QStringLiteral("Start")};
        def.secondaryIndexes = {{QStringLiteral("Site_Index"), {QStringLiteral("Site"), QStringLiteral("Number")}, false, true}};
        return def;
    }

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.path() + QStringLiteral("/Dives");
        store::table_file::create(path, diveDef());
        table.setPath(path);
        table.setDefinition(diveDef());
        table.open();
    }

    /// Appends one record: diver, number (null for empty), site, owner.
    void add(const QString& diver, const QVariant& number, const QString& site = {}, const QString& owner = {})
    {
        ASSERT_TRUE(table.appendRecord({diver, number, QVariant(), site, owner}));
    }

    /// The values of one field over the whole table in its current order and filter.
    QStringList walk(const QString& fieldName)
    {
        QStringList out;
        table.first();
        while (!table.eof()) {
            out.append(table.field(fieldName).asString());
            table.next();
        }
        return out;
    }

    QTemporaryDir dir;
    QString path;
    store::Table table{QStringLiteral("Dives")};
};

} // namespace zaf::test
