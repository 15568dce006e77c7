#include "ui_fixture.h"

#include "store/schema.h"
#include "ui/configuration_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

namespace zaf::test {
namespace {

class ConfigurationTest : public UiFixture {
protected:
    /// Starts the program, then puts `record` in force (start-up read config.zaf) and shows
    /// the window.
    void open(const std::function<void(ConfigRecord&)>& record = {})
    {
        start();
        if (record)
            record(config());
        form = std::make_unique<gui::TConfiguration_form>(main.get(), data.get());
        main->setConfigurationWindow(form.get());
        form->show();
    }
    void TearDown() override
    {
        form.reset();
        UiFixture::TearDown();
    }
    QCheckBox* box(const char* name) { return widget<QCheckBox>(form.get(), name); }

    std::unique_ptr<gui::TConfiguration_form> form;
};

TEST_F(ConfigurationTest, ShowsTheRecord)
{
    open([](ConfigRecord& r) {
        r.userName = QStringLiteral("Ann Diver");
        r.userEmail = QStringLiteral("ann@example.org");
        r.downloadPort = QStringLiteral("COM3");
        r.pictureQuality = 80;
        r.diveComputerModel = 3;
        r.shareWithDan = true;
    });
    EXPECT_EQ(widget<QLineEdit>(form.get(), "NameEdit")->text(), QStringLiteral("Ann Diver"));
    EXPECT_EQ(widget<QLineEdit>(form.get(), "EmailEdit")->text(), QStringLiteral("ann@example.org"));
    EXPECT_EQ(widget<QComboBox>(form.get(), "PortComboBox")->currentText(), QStringLiteral("COM3"));
    EXPECT_EQ(widget<QLabel>(form.get(), "PictureQualityLabel")->text(), QStringLiteral("80%"));
    EXPECT_TRUE(box("DanCheckBox")->isChecked());
    auto* models = widget<QComboBox>(form.get(), "ComputerTypeComboBox");
    EXPECT_EQ(models->currentText(), QStringLiteral("Suunto Vyper"));
    QStringList names;
    for (int i = 0; i < models->count(); ++i)
        names << models->itemText(i);
    EXPECT_FALSE(names.contains(QStringLiteral("Reserved")));
    QStringList sorted = names;
    sorted.sort();
    EXPECT_EQ(names, sorted);
    EXPECT_FALSE(widget<QWidget>(form.get(), "TestConnectionButton")->isEnabled());
}

struct SharingCase {
    const char* what;
    // ctest lists a case by its name instead of its bytes.
    friend void PrintTo(const SharingCase& c, std::ostream* os) { *os << c.what; }
    const char* clicked;
    bool pictures, contact, records; ///< the record's switches afterwards
};

class SharingSwitches : public ConfigurationTest, public ::testing::WithParamInterface<SharingCase> {};

TEST_P(SharingSwitches, ImplyEachOther)
{
    const SharingCase& c = GetParam();
    const bool allOn = QLatin1String(c.clicked) == QLatin1String("RecordSharingCheckBox");
    open([allOn](ConfigRecord& r) {
        r.enableRecordSharing = allOn;
        r.enablePictureSharing = allOn;
        r.shareContactInfo = allOn;
    });
    box(c.clicked)->click();
    EXPECT_EQ(config().enablePictureSharing, c.pictures);
    EXPECT_EQ(config().shareContactInfo, c.contact);
    EXPECT_EQ(config().enableRecordSharing, c.records);
    EXPECT_EQ(box("PictureSharingCheckBox")->isChecked(), c.pictures);
    EXPECT_EQ(box("RecordSharingCheckBox")->isChecked(), c.records);
}

INSTANTIATE_TEST_SUITE_P(
    Configuration, SharingSwitches,
    ::testing::Values(SharingCase{"UncheckRecordsUnchecksTheOthers", "RecordSharingCheckBox", false, false, false},
                      SharingCase{"CheckPicturesChecksRecords", "PictureSharingCheckBox", true, false, true},
                      SharingCase{"CheckContactChecksRecords", "ContactSharingCheckBox", false, true, true}),
    [](const ::testing::TestParamInfo<SharingCase>& param) { return std::string(param.param.what); });

TEST_F(ConfigurationTest, InternetSwitchHidesTheNetworkFunctions)
{
    open([](ConfigRecord& r) { r.enableInternet = true; });
    box("InternetCheckBox")->click();
    EXPECT_FALSE(config().enableInternet);
    EXPECT_FALSE(main->networkFunctionsVisible());
}

TEST_F(ConfigurationTest, ScreenLayoutFollowsTheSliderOnlyWhileItHasTheFocus)
{
    QList<int> applied;
    open();
    main->screenLayoutHook = [&applied](int layout) { applied << layout; };
    auto* slider = widget<QSlider>(form.get(), "ScreenLayoutSlider");
    slider->setValue(4);
    EXPECT_TRUE(applied.isEmpty());
    QApplication::setActiveWindow(form.get());
    slider->setFocus();
    ASSERT_TRUE(slider->hasFocus());
    slider->setValue(9);
    EXPECT_EQ(applied, QList<int>{9});
    EXPECT_EQ(config().screenLayout, 9);
}

TEST_F(ConfigurationTest, OkMakesTheDiversRecordInTheChosenUnits)
{
    open([](ConfigRecord& r) {
        r.userName = QStringLiteral("Ann Diver");
        r.userEmail = QStringLiteral("ann@example.org");
    });
    widget<QRadioButton>(form.get(), "MetricRadio")->setChecked(true);
    click(form.get(), "OkButton");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(main->currentPage(), Page::Divers);
    store::Table check;
    check.setDefinition(store::schema::divers());
    check.setPath(home.filePath(QStringLiteral("data/Divers")));
    check.open();
    ASSERT_TRUE(check.locate({QStringLiteral("DiverName")}, {QStringLiteral("Ann Diver")}));
    EXPECT_EQ(check[QStringLiteral("Format")].asInteger(), 1);
    EXPECT_FALSE(homeFileExists(QStringLiteral("Ann Diver.zaf"))) << "OK does not store the record";
}

TEST_F(ConfigurationTest, ChangeLoginClosesTheWindowAndAsksForTheLoginOnlyWhenAccepted)
{
    writeDivers({{QStringLiteral("Ann Diver"), QStringLiteral("old"), QStringLiteral("ann@example.org")}});
    diverTable().read();
    open([](ConfigRecord& r) {
        r.userName = QStringLiteral("Ann Diver");
        r.userEmail = QStringLiteral("ann@example.org");
    });
    main->setLoginWindow(login.get());

    ui.inputs = {QString(), QStringLiteral("ann@example.org"), QStringLiteral("new")};
    click(form.get(), "ChangeLoginButton");
    EXPECT_TRUE(ui.messages.contains(
        QStringLiteral("You have entered invalid data.  Your login has not been changed.")));
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(login->isVisible());

    ui.inputs = {QStringLiteral("Ann Diver"), QStringLiteral("ann@example.org"), QStringLiteral("new")};
    click(form.get(), "ChangeLoginButton");
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(login->isVisible()) << "the diver logs in again";
    EXPECT_EQ(main->currentPage(), Page::ZafMain);
    DiverTable stored;
    stored.read();
    EXPECT_EQ(stored.slot(1).password, QStringLiteral("new"));
}

TEST_F(ConfigurationTest, ColourChoiceIsStoredAndApplied)
{
    QColor applied;
    open();
    main->fontColourHook = [&applied](const QColor& c) { applied = c; };
    form->chooseColour = [](const QColor&) { return QColor(0x12, 0x34, 0x56); };
    click(form.get(), "FontColorButton");
    EXPECT_EQ(config().backgroundFontColor, 0x563412);
    EXPECT_EQ(applied, QColor(0x12, 0x34, 0x56));
}

} // namespace
} // namespace zaf::test
