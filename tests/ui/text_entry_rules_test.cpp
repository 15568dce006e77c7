#include "record_widgets_fixture.h"

#include "store/table.h"
#include "ui/bound_widgets.h"
#include "ui/name_lookup.h"
#include "ui/text_entry_rules.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace zaf::test {
namespace {

using gui::LinkField;
using gui::ListField;
using gui::MemoField;
using gui::NameLookup;

const QStringList kDiveTypes = {"Beach", "Cave",  "Cavern", "Cenotes", "Ice",          "Lake", "Open Water", "Pond",
                                "Pool",  "Reef",  "River",  "Sandbar", "Swim Through", "Wall", "Wreck"};

TEST(TextAfterSelectionBackspace, TextFieldsLoseOneMoreCharacterListsKeepWhatStandsBefore)
{
    struct Case {
        const char* text;
        int selectionStart;
        bool list;
        const char* expected;
    };
    const Case cases[] = {
        {"Blue Hole", 5, false, "Blue"},   // "Hole" selected: the blank goes too
        {"Blue Hole", 5, true, "Blue "},
        {"Blue Hole", 2, false, "B"},      // what stands after the selection goes as well
        {"Blue Hole", 0, false, ""},       // nothing before the selection
        {"Blue Hole", 0, true, ""},
        {"Pond", 1, true, "P"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gui::textAfterSelectionBackspace(c.text, c.selectionStart, c.list), QString(c.expected))
            << c.text << " from " << c.selectionStart << (c.list ? " (list)" : " (text)");
}

using TextEntryRulesTest = RecordWidgetsTest;

TEST_F(TextEntryRulesTest, TypedApostropheIsEnteredAsBackquoteInEveryKindOfField)
{
    auto* edit = add(new QLineEdit);
    auto* memo = add(new MemoField);
    auto* list = add(new ListField);
    gui::installTextEntryRules(edit, false);
    gui::installTextEntryRules(memo, false);
    gui::installTextEntryRules(list, true);

    type(edit, QStringLiteral("O'Brien"));
    type(memo, QStringLiteral("it's"));
    type(list, QStringLiteral("O'Neil"));

    EXPECT_EQ(edit->text(), QStringLiteral("O`Brien"));
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("it`s"));
    EXPECT_EQ(list->currentText(), QStringLiteral("O`Neil"));
}

TEST_F(TextEntryRulesTest, MemoTurnsPastedApostrophesIntoBackquotes)
{
    auto* memo = add(new MemoField);
    QApplication::clipboard()->setText(QStringLiteral("Jo's dive, Ann's boat"));
    memo->paste();
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Jo`s dive, Ann`s boat"));
}

TEST_F(TextEntryRulesTest, BackspaceCutsTheTextBackByTheFieldsRule)
{
    struct Case {
        bool list;
        const char* text;
        int selectionStart; ///< -1: no selection, the caret at `caret`
        int selectionLength;
        int caret;
        const char* expected;
    };
    const Case cases[] = {
        {false, "Blue Hole", 5, 4, 0, "Blue"},
        {false, "Blue Hole", 2, 2, 0, "B"},
        {false, "Blue Hole", -1, 0, 4, "Blu Hole"}, // no selection: an ordinary Backspace
        {true, "Open Water", 4, 6, 0, "Open"},
        {true, "Open Water", 0, 4, 0, ""},
        {true, "Pond", -1, 0, 1, "Pon"},           // the caret goes to the end first
    };
    for (const Case& c : cases) {
        QWidget* field = nullptr;
        QLineEdit* line = nullptr;
        if (c.list) {
            auto* list = add(new ListField);
            line = list->lineEdit();
            field = list;
        } else {
            line = add(new QLineEdit);
            field = line;
        }
        gui::installTextEntryRules(field, c.list);
        line->setText(QString::fromUtf8(c.text));
        if (c.selectionStart >= 0)
            line->setSelection(c.selectionStart, c.selectionLength);
        else
            line->setCursorPosition(c.caret);
        press(field, Qt::Key_Backspace);
        EXPECT_EQ(line->text(), QString::fromUtf8(c.expected))
            << (c.list ? "list " : "text ") << c.text << " selection " << c.selectionStart;
        delete field;
    }
}

TEST_F(TextEntryRulesTest, ListCompletesToTheFirstItemBeginningWithTheTypedText)
{
    auto* list = add(new ListField);
    list->setItems(kDiveTypes);
    gui::installTextEntryRules(list, true);
    focus(list);
    ASSERT_TRUE(list->hasFocus());

    struct Case {
        const char* typed;
        const char* text;
        const char* selected;
    };
    const Case cases[] = {
        {"p", "Pond", "ond"}, // not "Open Water", which merely contains a p
        {"CAVE", "Cave", ""},
        {"caver", "Cavern", "n"},
        {"sw", "Swim Through", "im Through"},
        {"x", "x", ""},
    };
    for (const Case& c : cases) {
        list->setEditText(QString());
        type(list, QString::fromUtf8(c.typed));
        EXPECT_EQ(list->currentText(), QString::fromUtf8(c.text)) << c.typed;
        EXPECT_EQ(list->lineEdit()->selectedText(), QString::fromUtf8(c.selected)) << c.typed;
    }
}

TEST_F(TextEntryRulesTest, BackspaceOverACompletionIsNotCompletedAgain)
{
    auto* list = add(new ListField);
    list->setItems(kDiveTypes);
    gui::installTextEntryRules(list, true);
    focus(list);
    type(list, QStringLiteral("p"));
    ASSERT_EQ(list->currentText(), QStringLiteral("Pond"));
    press(list, Qt::Key_Backspace);
    EXPECT_EQ(list->currentText(), QStringLiteral("P"));
    press(list, Qt::Key_Backspace);
    EXPECT_EQ(list->currentText(), QString());
}

TEST_F(TextEntryRulesTest, ListWithoutFocusDoesNotComplete)
{
    auto* list = add(new ListField);
    list->setItems(kDiveTypes);
    type(list, QStringLiteral("p"));
    EXPECT_EQ(list->currentText(), QStringLiteral("p"));
}

TEST_F(TextEntryRulesTest, LinkCompletesFromTheLinkedTablesKeyOrder)
{
    addSite(QStringLiteral("Blue Hole"));
    addSite(QStringLiteral("Blue Corner"));
    addSite(QStringLiteral("Angel Reef"));
    NameLookup sites(data->DiveSite_Table);
    auto* link = add(new LinkField(&sites, true));
    gui::installTextEntryRules(link, true);
    focus(link);

    struct Case {
        const char* typed;
        const char* text;
        const char* selected;
    };
    const Case cases[] = {
        {"Blue H", "Blue Hole", "ole"},
        {"Bx", "Bx", ""},
        {"b", "Blue Corner", "lue Corner"}, // the first letter is looked up as a capital
        {"Blue C", "Blue Corner", "orner"},
        {"Z", "Z", ""},                     // nothing at or after it
    };
    for (const Case& c : cases) {
        link->setEditText(QString());
        type(link, QString::fromUtf8(c.typed));
        EXPECT_EQ(link->currentText(), QString::fromUtf8(c.text)) << c.typed;
        EXPECT_EQ(link->lineEdit()->selectedText(), QString::fromUtf8(c.selected)) << c.typed;
    }
    // The page's own cursor stays where it was.
    EXPECT_EQ(data->DiveSite_Table[QStringLiteral("DiveSite")].asString(), QStringLiteral("Angel Reef"));
}

TEST_F(TextEntryRulesTest, LocationLookupOffersOnlyTheLocationEntries)
{
    for (const auto& [menu, item] : QList<QPair<QString, QString>>{
             {"Location", "Bonaire"}, {"Location", "Belize"}, {"Computer", "Bzz Pro"}, {"Menu", "Ax"}})
        addRecord(data->MenuItems_Table, {{"Menu", menu}, {"Item", item}});
    NameLookup locations(data->MenuItems_Table, {QStringLiteral("Location")});
    EXPECT_EQ(locations.names(), (QStringList{"Belize", "Bonaire"}));
    EXPECT_EQ(locations.nearest(QStringLiteral("Bo")), QStringLiteral("Bonaire"));
    EXPECT_EQ(locations.nearest(QStringLiteral("Bz")), QString()); // the computer list's entry is not a place

    auto* link = add(new LinkField(&locations, true));
    gui::installTextEntryRules(link, true);
    focus(link);
    type(link, QStringLiteral("be"));
    EXPECT_EQ(link->currentText(), QStringLiteral("Belize"));
    static_cast<QComboBox*>(link)->showPopup(); // as a click on the arrow does
    EXPECT_EQ(link->items(), (QStringList{"Belize", "Bonaire"}));
    EXPECT_EQ(link->currentText(), QStringLiteral("Belize")); // filling the drop-down keeps the text
    link->hidePopup();
}

TEST_F(TextEntryRulesTest, LookupOnAClosedStoreFindsNothingQuietly)
{
    addSite(QStringLiteral("Blue Hole"));
    NameLookup sites(data->DiveSite_Table);
    EXPECT_EQ(sites.nearest(QStringLiteral("B")), QStringLiteral("Blue Hole"));
    data->DiveSite_Table.close();
    EXPECT_EQ(sites.nearest(QStringLiteral("B")), QString());
    EXPECT_TRUE(sites.names().isEmpty());
    EXPECT_TRUE(ui.messages.isEmpty());
}

} // namespace
} // namespace zaf::test
