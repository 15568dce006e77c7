#include "store_rules_fixture.h"

namespace zaf::test {
namespace {

class RecordRuleTracesTest : public StoreRulesTest {
protected:
    void SetUp() override
    {
        StoreRulesTest::SetUp();
        appState().debugMode = true;
        data.Commit_Changes(); // reopened in debug mode, with a trace table
        data.ZAF_Debug_Table.first();
        while (!data.ZAF_Debug_Table.eof())
            data.ZAF_Debug_Table.deleteRecord();
    }
    QStringList traced()
    {
        QStringList lines;
        store::Table& trace = data.ZAF_Debug_Table;
        for (trace.first(); !trace.eof(); trace.next())
            lines.append(trace[QStringLiteral("Procedure")].asString() + QLatin1Char(' ') +
                         trace[QStringLiteral("Message")].asString());
        return lines;
    }
};

// The trace names differ in case between tables and events; the before and after post rules
// of trips and equipment write none.
TEST_F(RecordRuleTracesTest, EachRuleTracesUnderItsOwnName)
{
    view.page = Page::Equipment;
    addRecord(data.Divers_Table, {{QStringLiteral("DiverName"), QStringLiteral("Jo")}});
    addRecord(data.DiveSite_Table, {{QStringLiteral("DiveSite"), QStringLiteral("Wreck")}});
    addRecord(data.Equipment_Table, {{QStringLiteral("Type"), QStringLiteral("Fins")},
                                     {QStringLiteral("Make"), QStringLiteral("Mares")}});
    data.Equipment_Table.edit();
    data.Equipment_Table.post();
    const QStringList lines = traced();
    const struct {
        const char* line;
        bool expected;
    } cases[] = {
        {"Tdata_form.Divers_TableNewRecord enter", true},
        {"Tdata_form.Divers_TableBeforePost exit", true},
        {"Tdata_form.Divers_TableAfterScroll enter", true},
        {"TData_Form.Divers_DataSourceDataChange enter", true},
        {"Tdata_form.DiveSite_TableNewRecord enter", true},
        {"TData_Form.DiveSite_TableBeforePost enter", true},
        {"TData_Form.DiveSite_TableAfterPost exit", true},
        {"TData_Form.DiveSite_DataSourceDataChange enter", true},
        {"TData_Form.Equipment_TableNewRecord enter", true},
        {"TData_Form.Equipment_TableAfterEdit enter", true},
        {"TData_Form.Equipment_TableBeforePost enter", false},
        {"TData_Form.Equipment_TableAfterPost enter", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lines.contains(QString::fromLatin1(c.line)), c.expected) << c.line;
}

} // namespace
} // namespace zaf::test
