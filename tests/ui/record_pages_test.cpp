#include "ui_fixture.h"

#include "core/day_count.h"
#include "support/fake_view_state.h"
#include "ui/bound_widgets.h"
#include "ui/dive_resources_page.h"
#include "ui/dive_site_page.h"
#include "ui/equipment_page.h"
#include "ui/mail_links.h"
#include "ui/page_pieces.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabWidget>
#include <functional>
#include <optional>

namespace zaf::test {
namespace {

const QString kDiver = QStringLiteral("Ann Diver");
const QString kEmail = QStringLiteral("ann@example.org");

/// One record page of the sites, resources and equipment, and the record it is tried on.
struct PageCase {
    const char* name;
    Page page;
    std::function<std::unique_ptr<gui::RecordPage>(store::TData_Form&)> make;
    std::function<store::Table&(store::TData_Form&)> table;
    QVector<QPair<QString, QString>> record;  ///< the fields a stored record needs
    const char* keyWidget;                     ///< the page's name field
    QString keyField;
    const char* otherWidget;                   ///< a second field, edited the same way
    QString otherField;
};

template <class P>
std::unique_ptr<gui::RecordPage> makePage(store::TData_Form& data)
{
    return std::make_unique<P>(data);
}

const PageCase kPages[] = {
    {"DiveSite", Page::DiveSites, makePage<gui::DiveSitePage>, [](store::TData_Form& d) -> store::Table& { return d.DiveSite_Table; },
     {{"DiveSite", "Blue Hole"}, {"Location", "Belize"}, {"Altitude", "10 m"}},
     "DiveSite_Edit", "DiveSite", "DiveSite_Altitude", "Altitude"},
    {"DiveResources", Page::DiveResources, makePage<gui::DiveResourcesPage>,
     [](store::TData_Form& d) -> store::Table& { return d.DiveResources_Table; },
     {{"CompanyName", "Reef Divers"}, {"City", "Kralendijk"}},
     "CompanyName_Edit", "CompanyName", "DiveResources_City", "City"},
    {"Equipment", Page::Equipment, makePage<gui::EquipmentPage>,
     [](store::TData_Form& d) -> store::Table& { return d.Equipment_Table; },
     {{"Type", "Fins"}, {"Make", "Mares"}, {"Model", "Avanti"}},
     "EquipmentType_Edit", "Type", "Equipment_Model", "Model"},
};

class RecordPagesTest : public UiFixture {
protected:
    void SetUp() override
    {
        UiFixture::SetUp();
        start();
        config().userName = kDiver;
        config().userEmail = kEmail;
        view.emplace();
    }

    void TearDown() override
    {
        page.reset();
        view.reset();
        gui::setUrlOpener({});
        UiFixture::TearDown();
    }

    /// Stores a record with the case's values, owned by `owner` (the logged-in diver's e-mail
    /// for him, another one otherwise), and leaves the table on it.
    void storeRecord(const PageCase& c, const QString& owner)
    {
        view->page = c.page;
        store::Table& table = c.table(*data);
        table.append();
        for (const auto& [field, value] : c.record)
            table[field].setAsString(value);
        table[QStringLiteral("OwnerName")].setAsString(owner);
        table[QStringLiteral("OwnerEmail")].setAsString(owner == kDiver ? kEmail : QStringLiteral("bob@example.org"));
        table.post();
    }

    void open(const PageCase& c)
    {
        view->page = c.page;
        page = c.make(*data);
        page->resize(590, 430);
    }

    /// What the diver types goes to the text part of a list or link field.
    static QWidget* typingTarget(QWidget* field)
    {
        if (auto* combo = qobject_cast<QComboBox*>(field))
            return combo->lineEdit();
        return field;
    }

    static QString shownText(QWidget* field)
    {
        if (auto* combo = qobject_cast<QComboBox*>(field))
            return combo->currentText();
        return qobject_cast<QLineEdit*>(field)->text();
    }

    static void doubleClick(QWidget* target)
    {
        const QPointF at(4, 4);
        QMouseEvent event(QEvent::MouseButtonDblClick, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    }

    std::optional<FakeViewState> view;
    std::unique_ptr<gui::RecordPage> page;
};

class RecordPageCases : public RecordPagesTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(RecordPageCases, ShowsTheRecordAndWritesWhatTheDiverTypes)
{
    const PageCase& c = GetParam();
    storeRecord(c, kDiver);
    open(c);
    store::Table& table = c.table(*data);
    table.first();

    auto* key = widget<QWidget>(page.get(), c.keyWidget);
    auto* other = widget<QWidget>(page.get(), c.otherWidget);
    ASSERT_TRUE(key && other);
    EXPECT_EQ(shownText(key), c.record[0].second);
    EXPECT_EQ(widget<QLineEdit>(page.get(), (page->objectName().chopped(4) + "_OwnerName").toLatin1())->text(), kDiver);

    const QString before = table[c.otherField].asString();
    type(typingTarget(other), QStringLiteral(" 2"));
    page->storePending();
    EXPECT_TRUE(table.isEditing());
    EXPECT_EQ(table[c.otherField].asString(), before + QStringLiteral(" 2"));
    table.post();
    table.first();
    EXPECT_EQ(table[c.otherField].asString(), before + QStringLiteral(" 2"));
}

TEST_P(RecordPageCases, AnotherOwnersRecordIsReadOnly)
{
    const PageCase& c = GetParam();
    storeRecord(c, QStringLiteral("Bob Other"));
    open(c);
    store::Table& table = c.table(*data);
    table.first();

    for (const auto& [name, field] : {std::pair{c.keyWidget, c.keyField}, std::pair{c.otherWidget, c.otherField}}) {
        auto* shown = widget<QWidget>(page.get(), name);
        ASSERT_NE(shown, nullptr);
        const QString before = table[field].asString();
        type(typingTarget(shown), QStringLiteral("xyz"));
        page->storePending();
        EXPECT_FALSE(table.isEditing()) << name;
        EXPECT_EQ(table[field].asString(), before) << name;
        EXPECT_EQ(shownText(shown), before) << name;
    }
}

TEST_P(RecordPageCases, EnteringStartsARecordOnlyOnAnEmptyTable)
{
    const PageCase& c = GetParam();
    open(c);
    store::Table& table = c.table(*data);
    ASSERT_TRUE(table.isEmpty());
    page->enterPage();
    EXPECT_TRUE(table.isEditing());
    EXPECT_EQ(table[QStringLiteral("OwnerName")].asString(), kDiver);
    table.cancel();

    storeRecord(c, kDiver);
    page->enterPage();
    EXPECT_FALSE(table.isEditing());
    EXPECT_EQ(table.recordCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(Pages, RecordPageCases, ::testing::ValuesIn(kPages),
                         [](const ::testing::TestParamInfo<PageCase>& param) { return std::string(param.param.name); });

TEST_F(RecordPagesTest, SiteLocationOffersTheLocationListAndChoosingWritesIt)
{
    for (const char* entry : {"Bonaire", "Cozumel", "Palau"})
        data->MenuItems_Table.appendRecord({QStringLiteral("Location"), QString::fromLatin1(entry)});
    data->MenuItems_Table.appendRecord({QStringLiteral("Equipment.Type"), QStringLiteral("Pole Spear")});
    data->dropDownLists.clear();
    data->dropDownLists.add(QStringLiteral("Location"), QStringLiteral("Bonaire"));
    data->dropDownLists.add(QStringLiteral("Location"), QStringLiteral("Cozumel"));
    storeRecord(kPages[0], kDiver);
    open(kPages[0]);
    auto* location = widget<gui::LinkField>(page.get(), "DiveSite_Location");
    ASSERT_NE(location, nullptr);

    EXPECT_EQ(location->items(), (QStringList{"Bonaire", "Cozumel"}));
    data->dropDownLists.add(QStringLiteral("Location"), QStringLiteral("Palau"));
    page->listsReloaded(*data);
    EXPECT_EQ(location->items(), (QStringList{"Bonaire", "Cozumel", "Palau"}));
    // Completion reads the location entries, not the other lists of the same table.
    EXPECT_EQ(location->completionOf(QStringLiteral("p")), QStringLiteral("Palau"));

    store::Table& site = data->DiveSite_Table;
    site.first();
    Q_EMIT location->textActivated(QStringLiteral("Cozumel"));
    EXPECT_TRUE(site.isEditing());
    EXPECT_EQ(site[QStringLiteral("Location")].asString(), QStringLiteral("Cozumel"));
}

TEST_F(RecordPagesTest, SiteAndEquipmentShowOnlyPicturesThatLoad)
{
    const QString picture = home.filePath(QStringLiteral("reef.png"));
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(picture));
    const QString broken = home.filePath(QStringLiteral("broken.jpg"));
    {
        QFile file(broken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
    }

    for (int which : {0, 2}) {
        open(kPages[which]);
        auto* frame = page->findChild<gui::PictureFrame*>();
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(page->showPicture(picture)) << kPages[which].name;
        EXPECT_FALSE(frame->pixmap().isNull());
        EXPECT_FALSE(page->showPicture(broken)) << kPages[which].name;
        EXPECT_TRUE(frame->pixmap().isNull());
        EXPECT_TRUE(page->showPicture(picture));
        EXPECT_FALSE(page->showPicture(QString()));
        EXPECT_TRUE(frame->pixmap().isNull());
    }
}

TEST_F(RecordPagesTest, ResourceAddressesOpenOnDoubleClick)
{
    QList<QUrl> opened;
    gui::setUrlOpener([&opened](const QUrl& url) {
        opened.append(url);
        return true;
    });
    storeRecord(kPages[1], kDiver);
    store::Table& resources = data->DiveResources_Table;
    resources.first();
    resources.edit();
    resources[QStringLiteral("Email")].setAsString(QStringLiteral("info@reefdivers.example"));
    resources[QStringLiteral("WebAddress")].setAsString(QStringLiteral("http://reefdivers.example/"));
    resources.post();
    open(kPages[1]);
    resources.first();

    doubleClick(widget<QLineEdit>(page.get(), "DiveResources_Email"));
    doubleClick(widget<QLineEdit>(page.get(), "DiveResources_WebAddress"));
    EXPECT_EQ(opened, (QList<QUrl>{QUrl(QStringLiteral("mailto:info@reefdivers.example")),
                                   QUrl(QStringLiteral("http://reefdivers.example/"))}));

    opened.clear();
    resources.edit();
    resources[QStringLiteral("Email")].setAsString(QStringLiteral("  "));
    doubleClick(widget<QLineEdit>(page.get(), "DiveResources_Email"));
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(RecordPagesTest, EquipmentListsDatePickerAndCurrency)
{
    data->dropDownLists.clear();
    data->dropDownLists.add(QStringLiteral("Equipment.Type"), QStringLiteral("Fins"));
    data->dropDownLists.add(QStringLiteral("Equipment.Make"), QStringLiteral("Mares"));
    data->dropDownLists.add(QStringLiteral("Location"), QStringLiteral("Bonaire"));
    storeRecord(kPages[2], kDiver);
    open(kPages[2]);
    auto* type = widget<gui::ListField>(page.get(), "EquipmentType_Edit");
    auto* make = widget<gui::ListField>(page.get(), "Equipment_Make");
    ASSERT_TRUE(type && make);
    EXPECT_EQ(type->items(), QStringList{"Fins"});
    EXPECT_EQ(make->items(), QStringList{"Mares"});
    data->dropDownLists.add(QStringLiteral("Equipment.Type"), QStringLiteral("Mask"));
    page->listsReloaded(*data);
    EXPECT_EQ(type->items(), (QStringList{"Fins", "Mask"}));
    EXPECT_EQ(make->items(), QStringList{"Mares"});

    store::Table& equipment = data->Equipment_Table;
    equipment.first();
    const double picked = toDayCount(QDate(2003, 5, 17));
    view->pickerAnswer = picked;
    doubleClick(widget<QLineEdit>(page.get(), "Equipment_Date"));
    EXPECT_EQ(equipment[QStringLiteral("Date")].asDateTime(), picked);

    auto* currency = widget<QLineEdit>(page.get(), "Equipment_Currency");
    ASSERT_NE(currency, nullptr);
    page->show();
    for (bool shown : {true, false}) {
        page->setControlShown(PageControl::Currency, shown);
        EXPECT_EQ(currency->isVisible(), shown);
        EXPECT_EQ(widget<QLabel>(page.get(), "Equipment_Currency_Caption")->isVisible(), shown);
        // The page keeps the currency to itself; ownership still reaches the frame's button.
        page->setControlShown(PageControl::TakeOwnership, shown);
        EXPECT_EQ(page->takeOwnershipButton()->isVisible(), shown);
        EXPECT_EQ(currency->isVisible(), shown);
    }

    auto* tabs = widget<QTabWidget>(page.get(), "EquipmentSubPages");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Picture"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Maintenance"));
    EXPECT_NE(tabs->widget(1)->findChild<gui::MemoField*>(QStringLiteral("Equipment_Maintenance")), nullptr);
}

} // namespace
} // namespace zaf::test
