#include "store/drop_down_lists.h"
#include "store/menu_items.h"
#include "store_rules_fixture.h"

namespace zaf::test {
namespace {

using store::DropDownLists;

class DropDownListsTest : public StoreRulesTest {
protected:
    QStringList list(const QString& name) const { return data.dropDownLists.entries(name); }
    static QStringList sorted(QStringList entries)
    {
        entries.sort();
        return entries;
    }
};

TEST_F(DropDownListsTest, OpeningTheStoreFillsEveryDefaultInKeyOrder)
{
    for (const auto& [name, defaults] : DropDownLists::defaultEntries()) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(list(name), sorted(defaults));
    }
    EXPECT_TRUE(list(DropDownLists::Location).isEmpty());
    EXPECT_EQ(data.MenuItems_Table.recordCount(), 9 + 16 + 21);
}

TEST_F(DropDownListsTest, ADeletedDefaultIsBackAfterTheNextOpening)
{
    ASSERT_TRUE(data.MenuItems_Table.findKey({DropDownLists::EquipmentType, QStringLiteral("Fins")}));
    data.MenuItems_Table.deleteRecord();
    // Entries the diver added stay, whatever list they belong to.
    ASSERT_TRUE(store::addMenuItem(data, QStringLiteral("Old.List"), QStringLiteral("kept")));
    data.Commit_Changes();
    EXPECT_TRUE(list(DropDownLists::EquipmentType).contains(QStringLiteral("Fins")));
    EXPECT_TRUE(data.MenuItems_Table.findKey({QStringLiteral("Old.List"), QStringLiteral("kept")}));
    EXPECT_TRUE(list(QStringLiteral("Old.List")).isEmpty()) << "a list shown nowhere";
}

TEST_F(DropDownListsTest, AddMenuItemSkipsBlanksAndEntriesAlreadyThere)
{
    EXPECT_TRUE(store::addMenuItem(data, DropDownLists::Location, QStringLiteral("Cozumel")));
    EXPECT_FALSE(store::addMenuItem(data, DropDownLists::Location, QStringLiteral("Cozumel")));
    EXPECT_FALSE(store::addMenuItem(data, DropDownLists::Location, QStringLiteral(" ")));
    EXPECT_FALSE(store::addMenuItem(data, DropDownLists::Location, QString()));
    EXPECT_TRUE(list(DropDownLists::Location).isEmpty()) << "memory lists change only at a reload";
    store::read_menuitems(data);
    EXPECT_EQ(list(DropDownLists::Location), QStringList{QStringLiteral("Cozumel")});
}

// Posts of own records grow the lists; the same values on a record of another owner do not.
TEST_F(DropDownListsTest, OnlyOwnPostsGrowTheLists)
{
    view.page = Page::Equipment;
    const struct {
        const char* owner;
        const char* email;
        const char* site;
        const char* location;
        const char* type;
        const char* make;
    } posts[] = {
        {"Jo", "jo@example.org", "Wreck", "Bonaire", "Drysuit", "Bare"},
        {"Kim", "kim@example.org", "Wall", "Roatan", "Scooter", "Zeagle"},
        {"Jo", "other@example.org", "Arch", "Utila", "Reel", "Halcyon"}, // same name, other address
    };
    for (const auto& p : posts) {
        const QString owner = QString::fromLatin1(p.owner), email = QString::fromLatin1(p.email);
        addRecord(data.DiveSite_Table, {{QStringLiteral("DiveSite"), QString::fromLatin1(p.site)},
                                        {QStringLiteral("Location"), QString::fromLatin1(p.location)},
                                        {QStringLiteral("OwnerName"), owner},
                                        {QStringLiteral("OwnerEmail"), email}});
        addRecord(data.Equipment_Table, {{QStringLiteral("Type"), QString::fromLatin1(p.type)},
                                         {QStringLiteral("Make"), QString::fromLatin1(p.make)},
                                         {QStringLiteral("OwnerName"), owner},
                                         {QStringLiteral("OwnerEmail"), email}});
    }
    data.Commit_Changes();
    EXPECT_EQ(list(DropDownLists::Location), QStringList{QStringLiteral("Bonaire")});
    const QStringList types = list(DropDownLists::EquipmentType);
    EXPECT_TRUE(types.contains(QStringLiteral("Drysuit")));
    EXPECT_FALSE(types.contains(QStringLiteral("Scooter")));
    EXPECT_FALSE(types.contains(QStringLiteral("Reel")));
    EXPECT_EQ(types, sorted(types));
    const QStringList makes = list(DropDownLists::EquipmentMake);
    EXPECT_TRUE(makes.contains(QStringLiteral("Bare")));
    EXPECT_FALSE(makes.contains(QStringLiteral("Zeagle")));
    EXPECT_FALSE(makes.contains(QStringLiteral("Halcyon")));
}

} // namespace
} // namespace zaf::test
