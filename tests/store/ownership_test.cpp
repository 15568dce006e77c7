#include "store/ownership.h"
#include "store_rules_fixture.h"

namespace zaf::test {
namespace {

class OwnershipTest : public StoreRulesTest {
protected:
    /// A dive site record stamped with that owner, as a copy from the server would be.
    void addSiteOf(const QString& owner, const QString& email)
    {
        addRecord(data.DiveSite_Table, {{QStringLiteral("DiveSite"), QStringLiteral("Wreck")}});
        data.DiveSite_Table.edit();
        data.DiveSite_Table[QStringLiteral("OwnerName")].setAsString(owner);
        data.DiveSite_Table[QStringLiteral("OwnerEmail")].setAsString(email);
        data.DiveSite_Table.post();
    }
    QString owner(store::Table& table) { return table[QStringLiteral("OwnerName")].asString(); }
};

TEST_F(OwnershipTest, ARecordCopiedFromTheServerBecomesTheDiversAndEditable)
{
    addSiteOf(QStringLiteral("Kim"), QStringLiteral("kim@example.org"));
    EXPECT_FALSE(data.DiveSite_DataSource.autoEdit);
    EXPECT_TRUE(view.controlShown(Page::DiveSites, PageControl::TakeOwnership));
    EXPECT_TRUE(view.shaded.value(Page::DiveSites));

    EXPECT_TRUE(store::takeOwnership(data.DiveSite_Table));
    EXPECT_EQ(owner(data.DiveSite_Table), QStringLiteral("Jo"));
    EXPECT_EQ(data.DiveSite_Table[QStringLiteral("OwnerEmail")].asString(), QStringLiteral("jo@example.org"));
    EXPECT_FALSE(data.DiveSite_Table.isEditing());
    EXPECT_FALSE(data.DiveSite_Table[QStringLiteral("CopyOnServer")].asBoolean()) << "the new owner must send it";
    EXPECT_TRUE(data.DiveSite_DataSource.autoEdit);
    EXPECT_FALSE(view.controlShown(Page::DiveSites, PageControl::TakeOwnership));
    EXPECT_FALSE(view.shaded.value(Page::DiveSites));
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(OwnershipTest, ARecordOfAnotherLocalDiverIsRefusedWithAMessage)
{
    addLocalDiver(QStringLiteral("Kim"), QStringLiteral("kim@example.org"));
    addSiteOf(QStringLiteral("Kim"), QStringLiteral("kim@example.org"));
    EXPECT_FALSE(store::takeOwnership(data.DiveSite_Table));
    EXPECT_EQ(ui.messages,
              QStringList{QStringLiteral("Another diver on this system owns this record.  You cannot take ownship from "
                                         "them.  If the record owner is no longer needed you can delete them from the "
                                         "login screen.")});
    data.DiveSite_Table.refresh();
    EXPECT_EQ(owner(data.DiveSite_Table), QStringLiteral("Kim"));
    EXPECT_FALSE(data.DiveSite_DataSource.autoEdit);
}

// The navigator never offers Delete on a record of another diver account of this computer;
// a record copied from the server may be deleted like an own one.
TEST_F(OwnershipTest, NavigatorOffersDeleteExceptOnRecordsOfOtherLocalDivers)
{
    addLocalDiver(QStringLiteral("Kim"), QStringLiteral("kim@example.org"));
    const unsigned browse = NavFirst | NavPrior | NavNext | NavLast;
    const struct {
        const char* owner;
        const char* email;
        unsigned divers;   // the full navigator
        unsigned pictures; // no Insert
    } cases[] = {
        {"Jo", "jo@example.org", browse | NavInsert | NavDelete, browse | NavDelete},
        {"Kim", "kim@example.org", browse | NavInsert, browse},
        {"Lee", "lee@example.org", browse | NavInsert | NavDelete, browse | NavDelete},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.owner);
        const QString name = QString::fromLatin1(c.owner), email = QString::fromLatin1(c.email);
        addRecord(data.Divers_Table, {{QStringLiteral("DiverName"), name},
                                      {QStringLiteral("OwnerName"), name},
                                      {QStringLiteral("OwnerEmail"), email}});
        addRecord(data.Pictures_Table, {{QStringLiteral("FileName"), QStringLiteral("p%1.jpg").arg(++n)},
                                        {QStringLiteral("Title"), QStringLiteral("Title")},
                                        {QStringLiteral("OwnerName"), name},
                                        {QStringLiteral("OwnerEmail"), email}});
        // The navigator follows the record scrolled to.
        ASSERT_TRUE(data.Divers_Table.findKey({name}));
        EXPECT_EQ(view.navigator.value(Page::Divers), c.divers);
        data.Pictures_Table.last();
        EXPECT_EQ(view.navigator.value(Page::Pictures), c.pictures);
        EXPECT_EQ(view.controlShown(Page::Divers, PageControl::DeleteDiver), name == QLatin1String("Jo"));
    }
}

TEST_F(OwnershipTest, NewRecordsTakeTheOwnerStampAndNeedALogin)
{
    config().enableRecordSharing = true;
    view.page = Page::DiveResources;
    data.DiveResources_Table.append();
    EXPECT_EQ(owner(data.DiveResources_Table), QStringLiteral("Jo"));
    EXPECT_TRUE(data.DiveResources_Table[QStringLiteral("Shared")].asBoolean());
    EXPECT_EQ(view.focusRequests, QStringList{QStringLiteral("CompanyName_Edit")});
    data.DiveResources_Table.cancel();

    login(QString(), QString());
    for (store::Table* table : {&data.Divers_Table, &data.DiveSite_Table, &data.DiveResources_Table,
                                &data.Travel_Table, &data.Equipment_Table, &data.DiveComputer_Table,
                                &data.Pictures_Table}) {
        SCOPED_TRACE(table->objectName().toStdString());
        EXPECT_FALSE(table->appendRecord({})) << "accepted with nobody logged in";
        EXPECT_FALSE(table->isEditing());
    }
}

TEST_F(OwnershipTest, EditingADiverTakesTheUnitSystemFromTheDiverPage)
{
    addRecord(data.Divers_Table, {{QStringLiteral("DiverName"), QStringLiteral("Jo")}});
    for (const auto& [caption, format] : {std::pair{"Meters", 1}, std::pair{"Feet", 0}}) {
        view.diverDepthCaption = QString::fromLatin1(caption);
        data.Divers_Table.edit();
        data.Divers_Table.post();
        EXPECT_EQ(data.Divers_Table[QStringLiteral("Format")].asInteger(), format) << caption;
    }
}

} // namespace
} // namespace zaf::test
