// Double clicks on the link fields of the record pages, in the real main window: the page of
// the named record shows, on that record.
#include "ui_fixture.h"

#include "store/login_steps.h"
#include "ui/bound_widgets.h"
#include "ui/record_page.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>

namespace zaf::test {
namespace {

const QString kJo = QStringLiteral("Jo Diver");
const QString kJoMail = QStringLiteral("jo@example.org");
/// One record in each linked table that no link names: the tables stand on it before a click.
const QString kDecoy = QStringLiteral("Zed Decoy");

using Values = std::initializer_list<std::pair<const char*, QVariant>>;

/// Jo logged in with divers, dive sites and dive resources to link to, and one dive log
/// entry, one trip and one piece of equipment of Jo's to link from.
class LinkedRecordsTest : public UiFixture {
protected:
    void SetUp() override
    {
        UiFixture::SetUp();
        start();
        config().userName = kJo;
        config().userEmail = kJoMail;
        for (const QString& name : {kJo, QStringLiteral("Max Buddy"), QStringLiteral("Ann Master"), kDecoy})
            appendOwned(data->Divers_Table, {{"DiverName", name}});
        for (const QString& site : {QStringLiteral("Salt Pier"), QStringLiteral("Blue Hole"), kDecoy})
            appendOwned(data->DiveSite_Table, {{"DiveSite", site}});
        for (const QString& company : {QStringLiteral("Reef Shop"), QStringLiteral("Sea Lodge"), QStringLiteral("Sun Travel"),
                                       kDecoy})
            appendOwned(data->DiveResources_Table, {{"CompanyName", company}});
        appendOwned(data->DiveLog_Table, {{"DiverName", kJo}, {"DiveNumber", 1}});
        appendOwned(data->Travel_Table, {{"TripNumber", 1}, {"Location", QStringLiteral("Bonaire")}});
        appendOwned(data->Equipment_Table,
                    {{"Type", QStringLiteral("Fins")}, {"Make", QStringLiteral("Mares")}, {"Model", QStringLiteral("Jet")}});
        store::closeLogin(*data);
        main->show();
        login->hide();
        main->setEnabled(true);
        QApplication::setActiveWindow(main.get());
        QCoreApplication::processEvents();
    }

    /// Appends and posts a record with these values, owned by Jo unless another email is given.
    static void appendOwned(store::Table& table, Values values, const QString& email = kJoMail)
    {
        table.append();
        ASSERT_TRUE(table.isEditing()) << "the new record was refused";
        for (const auto& [name, value] : values)
            table[QLatin1String(name)].setValue(value);
        table[QStringLiteral("OwnerName")].setAsString(kJo);
        table[QStringLiteral("OwnerEmail")].setAsString(email);
        table.post();
    }

    /// Writes the value into the shown record of a table.
    static void setField(store::Table& table, const char* field, const QString& value)
    {
        table.edit();
        table[QLatin1String(field)].setAsString(value);
        table.post();
    }

    /// The link field of a page by its object name.
    gui::LinkField* linkField(Page page, const char* name)
    {
        gui::RecordPage* record = main->recordPage(page);
        auto* found = record ? record->findChild<gui::LinkField*>(QLatin1String(name)) : nullptr;
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    /// Double clicks into the field's text, as the mouse does.
    static void doubleClick(gui::LinkField* field)
    {
        QLineEdit* edit = field->lineEdit();
        const QPointF at(edit->width() / 2.0, edit->height() / 2.0);
        QMouseEvent event(QEvent::MouseButtonDblClick, at, edit->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &event);
    }

    /// Puts each linked table on its decoy record.
    void standOnDecoys()
    {
        const std::pair<store::Table*, const char*> tables[] = {{&data->Divers_Table, "DiverName"},
                                                                {&data->DiveSite_Table, "DiveSite"},
                                                                {&data->DiveResources_Table, "CompanyName"}};
        for (const auto& [table, key] : tables)
            ASSERT_TRUE(table->locate({QLatin1String(key)}, {kDecoy})) << key;
    }

    store::Table& sourceTable(Page page)
    {
        if (page == Page::TripReport)
            return data->Travel_Table;
        if (page == Page::Equipment)
            return data->Equipment_Table;
        return data->DiveLog_Table;
    }
};

struct LinkCase {
    const char* name;
    Page from;
    const char* widget;
    const char* field;
    const char* value;
    Page to;
    const char* key;
};

class LinkFieldTest : public LinkedRecordsTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(LinkFieldTest, DoubleClickShowsTheNamedRecordOnItsPage)
{
    const LinkCase& c = GetParam();
    store::Table& source = sourceTable(c.from);
    source.first();
    setField(source, c.field, QLatin1String(c.value));
    main->showPage(c.from);
    standOnDecoys();
    gui::LinkField* field = linkField(c.from, c.widget);
    ASSERT_NE(field, nullptr);
    ASSERT_EQ(field->currentText(), QLatin1String(c.value));

    doubleClick(field);

    EXPECT_EQ(main->currentPage(), c.to);
    store::Table& target = main->recordPage(c.to)->table();
    EXPECT_EQ(target[QLatin1String(c.key)].asString(), QLatin1String(c.value));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Links, LinkFieldTest,
    ::testing::Values(
        LinkCase{"DiveLogDiver", Page::DiveLog, "DiveLogDiverName", "DiverName", "Jo Diver", Page::Divers, "DiverName"},
        LinkCase{"DiveLogBuddy", Page::DiveLog, "DiveLog_DiveBuddy1", "DiveBuddy1", "Max Buddy", Page::Divers, "DiverName"},
        LinkCase{"DiveLogMaster", Page::DiveLog, "DiveLog_DiveMaster", "DiveMaster", "Ann Master", Page::Divers,
                 "DiverName"},
        LinkCase{"DiveLogLastBuddy", Page::DiveLog, "DiveLog_Divebuddy4", "Divebuddy4", "Ann Master", Page::Divers,
                 "DiverName"},
        LinkCase{"DiveLogSite", Page::DiveLog, "DiveLog_DiveSite", "DiveSite", "Blue Hole", Page::DiveSites, "DiveSite"},
        LinkCase{"DiveLogShop", Page::DiveLog, "DiveLog_DiveOperation", "DiveOperation", "Reef Shop",
                 Page::DiveResources, "CompanyName"},
        LinkCase{"TripAgent", Page::TripReport, "Trip_TravelAgent", "TravelAgent", "Sun Travel", Page::DiveResources,
                 "CompanyName"},
        LinkCase{"TripShop", Page::TripReport, "Trip_DiveShop", "DiveShop", "Reef Shop", Page::DiveResources,
                 "CompanyName"},
        LinkCase{"TripLodging", Page::TripReport, "Trip_Lodging", "Lodging", "Sea Lodge", Page::DiveResources,
                 "CompanyName"},
        LinkCase{"EquipmentShop", Page::Equipment, "Equipment_DiveShop", "DiveShop", "Sea Lodge", Page::DiveResources,
                 "CompanyName"}),
    [](const ::testing::TestParamInfo<LinkCase>& c) { return std::string(c.param.name); });

// The entry is not stored here: storing it would add the unknown site to the sites.
TEST_F(LinkedRecordsTest, ABlankOrUnknownNameStaysOnThePage)
{
    main->showPage(Page::DiveLog);
    store::Table& log = data->DiveLog_Table;
    for (const QString& name : {QString(), QStringLiteral("   "), QStringLiteral("Nowhere")}) {
        log.first();
        log.edit();
        log[QStringLiteral("DiveSite")].setAsString(name);
        standOnDecoys();
        doubleClick(linkField(Page::DiveLog, "DiveLog_DiveSite"));
        EXPECT_EQ(main->currentPage(), Page::DiveLog) << name.toStdString();
        EXPECT_EQ(data->DiveSite_Table[QStringLiteral("DiveSite")].asString(), kDecoy) << name.toStdString();
        log.cancel();
    }
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('|').toStdString();
}

// An entry of the log that Jo cannot change (stamped with another address of Jo's) shows its
// fields read-only; looking its buddy up changes nothing, so the link still leads there.
TEST_F(LinkedRecordsTest, ALinkOfAReadOnlyEntryStillLeadsToTheRecord)
{
    appendOwned(data->DiveLog_Table, {{"DiverName", kJo}, {"DiveNumber", 2}, {"DiveBuddy1", QStringLiteral("Max Buddy")}},
                QStringLiteral("old@example.org"));
    main->showPage(Page::DiveLog);
    ASSERT_TRUE(data->DiveLog_Table.locate({QStringLiteral("DiveNumber")}, {2}));
    gui::LinkField* buddy = linkField(Page::DiveLog, "DiveLog_DiveBuddy1");
    ASSERT_NE(buddy, nullptr);
    ASSERT_TRUE(buddy->lineEdit()->isReadOnly());
    standOnDecoys();
    doubleClick(buddy);
    EXPECT_EQ(main->currentPage(), Page::Divers);
    EXPECT_EQ(data->Divers_Table[QStringLiteral("DiverName")].asString(), QStringLiteral("Max Buddy"));
}

// The linked table may hold a change not yet stored (a record started by its page, or
// edited in code): going to the linked record stores it first, as any move of the table does.
TEST_F(LinkedRecordsTest, AChangeOfTheLinkedTableIsStoredBeforeTheMove)
{
    data->DiveLog_Table.first();
    setField(data->DiveLog_Table, "DiveSite", QStringLiteral("Salt Pier"));
    main->showPage(Page::DiveLog);
    standOnDecoys();
    store::Table& sites = data->DiveSite_Table;
    sites.edit();
    sites[QStringLiteral("Location")].setAsString(QStringLiteral("Curacao"));

    doubleClick(linkField(Page::DiveLog, "DiveLog_DiveSite"));

    EXPECT_EQ(main->currentPage(), Page::DiveSites);
    EXPECT_FALSE(sites.isEditing());
    EXPECT_EQ(sites[QStringLiteral("DiveSite")].asString(), QStringLiteral("Salt Pier"));
    ASSERT_TRUE(sites.locate({QStringLiteral("DiveSite")}, {kDecoy}));
    EXPECT_EQ(sites[QStringLiteral("Location")].asString(), QStringLiteral("Curacao"));
}

} // namespace
} // namespace zaf::test
