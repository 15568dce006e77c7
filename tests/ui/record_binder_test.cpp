#include "record_widgets_fixture.h"

#include "store/errors.h"
#include "store/table.h"
#include "ui/bound_widgets.h"
#include "ui/record_binder.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace zaf::test {
namespace {

using RecordBinderTest = RecordWidgetsTest;

TEST_F(RecordBinderTest, TypingPutsTheRecordIntoEditAndWritesTheTextAtOnce)
{
    addSite(QStringLiteral("Blue Hole"));
    store::Table& sites = data->DiveSite_Table;
    sites.first();
    gui::RecordBinder binder(data->DiveSite_DataSource);
    auto* location = add(new QLineEdit);
    binder.bind(location, QStringLiteral("Location"));
    ASSERT_EQ(location->text(), QStringLiteral("Bonaire"));
    ASSERT_FALSE(sites.isEditing());

    location->selectAll();
    type(location, QStringLiteral("Curaçao"));

    EXPECT_TRUE(sites.isEditing());
    EXPECT_EQ(sites[QStringLiteral("Location")].asString(), QStringLiteral("Curaçao"));
}

TEST_F(RecordBinderTest, TextTypedIsKeptWhenSomethingElseMovesTheRecord)
{
    addSite(QStringLiteral("Angel Reef"));
    addSite(QStringLiteral("Blue Hole"));
    store::Table& sites = data->DiveSite_Table;
    sites.first();
    gui::RecordBinder binder(data->DiveSite_DataSource);
    auto* name = add(new QLineEdit);
    binder.bind(name, QStringLiteral("DiveSite"));

    name->end(false);
    type(name, QStringLiteral(" North"));
    sites.next(); // the field was never left
    EXPECT_EQ(name->text(), QStringLiteral("Blue Hole"));

    sites.first();
    EXPECT_EQ(sites[QStringLiteral("DiveSite")].asString(), QStringLiteral("Angel Reef North"));
    EXPECT_EQ(name->text(), QStringLiteral("Angel Reef North"));
}

TEST_F(RecordBinderTest, AnotherDiversRecordIsReadOnlyAfterTheRulesDecided)
{
    addSite(QStringLiteral("Angel Reef"));
    addSite(QStringLiteral("Blue Hole"), QStringLiteral("Ann"), QStringLiteral("ann@example.org"));
    store::Table& sites = data->DiveSite_Table;
    sites.first();
    gui::RecordBinder binder(data->DiveSite_DataSource);
    auto* location = add(new QLineEdit);
    auto* comments = add(new gui::MemoField);
    auto* shared = add(new QCheckBox);
    binder.bind(location, QStringLiteral("Location"));
    binder.bind(comments, QStringLiteral("Comments"));
    binder.bind(shared, QStringLiteral("Shared"));
    EXPECT_FALSE(location->isReadOnly());

    sites.next();
    EXPECT_TRUE(view.shaded.value(Page::DiveSites)); // the record rules still run
    EXPECT_FALSE(binder.editable());
    EXPECT_TRUE(location->isReadOnly());
    EXPECT_TRUE(comments->isReadOnly());
    EXPECT_TRUE(shared->testAttribute(Qt::WA_TransparentForMouseEvents));

    // Even a text set from outside does not reach the record.
    location->setText(QStringLiteral("Elsewhere"));
    shared->setChecked(!shared->isChecked());
    EXPECT_FALSE(sites.isEditing());
    EXPECT_EQ(location->text(), QStringLiteral("Bonaire"));

    sites.first();
    EXPECT_TRUE(binder.editable());
    EXPECT_FALSE(location->isReadOnly());
}

TEST_F(RecordBinderTest, ANumberIsWrittenAsSoonAsItIsOneAndARefusedTextIsReportedOnLeaving)
{
    addSite(QStringLiteral("Angel Reef"));
    store::Table& sites = data->DiveSite_Table;
    sites.first();
    gui::RecordBinder binder(data->DiveSite_DataSource);
    auto* rating = add(new QLineEdit);
    auto* other = add(new QLineEdit);
    binder.bind(rating, QStringLiteral("Rating"));
    focus(rating);

    type(rating, QStringLiteral("8"));
    EXPECT_EQ(sites[QStringLiteral("Rating")].asInteger(), 8);
    type(rating, QStringLiteral("x"));
    EXPECT_TRUE(ui.messages.isEmpty()) << "half-typed values are not reported while typing";
    EXPECT_EQ(rating->text(), QStringLiteral("8x"));

    focus(other);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages[0].contains(QStringLiteral("Rating")));
    EXPECT_TRUE(ui.messages[0].contains(QStringLiteral("'8x' is not a valid integer value")));
    EXPECT_EQ(rating->text(), QStringLiteral("8"));
    EXPECT_EQ(sites[QStringLiteral("Rating")].asInteger(), 8);
}

TEST_F(RecordBinderTest, FlushWritesWhatWaitedAndSaysWhetherItWasTaken)
{
    addSite(QStringLiteral("Angel Reef"));
    data->DiveSite_Table.first();
    gui::RecordBinder binder(data->DiveSite_DataSource);
    auto* rating = add(new QLineEdit);
    binder.bind(rating, QStringLiteral("Rating"));
    type(rating, QStringLiteral("-"));
    EXPECT_FALSE(binder.flush());
    EXPECT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(rating->text(), QString());
    EXPECT_TRUE(binder.flush()); // nothing waits any more
    EXPECT_EQ(ui.messages.size(), 1);
}

TEST_F(RecordBinderTest, FieldRulesRunOnEnterLeaveKeysAndEveryChangeOfTheText)
{
    addSite(QStringLiteral("Angel Reef"));
    addSite(QStringLiteral("Blue Hole"));
    data->DiveSite_Table.first();
    gui::RecordBinder binder(data->DiveSite_DataSource);
    auto* name = add(new QLineEdit);
    auto* other = add(new QLineEdit);
    binder.bind(name, QStringLiteral("DiveSite"));
    QStringList events;
    binder.onEnter(QStringLiteral("DiveSite"), [&] { events << "enter"; });
    binder.onLeave(QStringLiteral("divesite"), [&] { events << "leave:" + data->DiveSite_Table["DiveSite"].asString(); });
    binder.onKeyReleased(QStringLiteral("DiveSite"), [&] { events << "key"; });
    binder.onTextChanged(QStringLiteral("DiveSite"), [&] { events << "text:" + name->text(); });

    focus(name);
    name->end(false);
    type(name, QStringLiteral("!"));
    focus(other);
    data->DiveSite_Table.last(); // the record moved: the shown text changed too
    EXPECT_EQ(events, (QStringList{"enter", "text:Angel Reef!", "key", "leave:Angel Reef!", "text:Blue Hole"}))
        << events.join(QLatin1Char('|')).toStdString();
}

TEST_F(RecordBinderTest, ARuleThatFailsIsReportedAndTheOtherRulesStillRun)
{
    addSite(QStringLiteral("Angel Reef"));
    data->DiveSite_Table.first();
    gui::RecordBinder binder(data->DiveSite_DataSource);
    auto* name = add(new QLineEdit);
    auto* other = add(new QLineEdit);
    binder.bind(name, QStringLiteral("DiveSite"));
    int after = 0;
    binder.onLeave(QStringLiteral("DiveSite"), [] { throw store::DatabaseError(QStringLiteral("Disk full")); });
    binder.onLeave(QStringLiteral("DiveSite"), [&] { ++after; });
    focus(name);
    focus(other);
    EXPECT_EQ(after, 1);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages[0].startsWith(QStringLiteral("Disk full")));
}

TEST_F(RecordBinderTest, CheckBoxAndLabelFollowTheirFields)
{
    addSite(QStringLiteral("Angel Reef"));
    data->DiveSite_Table.first();
    gui::RecordBinder binder(data->DiveSite_DataSource);
    auto* shared = add(new QCheckBox);
    auto* owner = add(new QLabel);
    binder.bind(shared, QStringLiteral("Shared"));
    binder.bind(owner, QStringLiteral("OwnerName"), true);
    EXPECT_EQ(owner->text(), kJo);
    const bool before = data->DiveSite_Table[QStringLiteral("Shared")].asBoolean();
    shared->click();
    EXPECT_TRUE(data->DiveSite_Table.isEditing());
    EXPECT_EQ(data->DiveSite_Table[QStringLiteral("Shared")].asBoolean(), !before);
    EXPECT_EQ(binder.widget(QStringLiteral("shared")), shared);
}

} // namespace
} // namespace zaf::test
