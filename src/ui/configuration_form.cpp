#include "ui/configuration_form.h"

#include "core/config_record.h"
#include "core/new_diver.h"
#include "divecomputer/models.h"
#include "store/change_login.h"
#include "store/data_form.h"
#include "store/errors.h"
#include "store/login_steps.h"
#include "store/table.h"
#include "ui/help_keys.h"
#include "ui/help_topics.h"
#include "ui/main_window.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSlider>
#include <QVBoxLayout>

namespace zaf::gui {
namespace {

QCheckBox* checkBox(QWidget* parent, const char* caption, const char* objectName)
{
    auto* box = new QCheckBox(QLatin1String(caption), parent);
    box->setObjectName(QLatin1String(objectName));
    return box;
}

QPushButton* button(QWidget* parent, const char* caption, const char* objectName)
{
    auto* b = new QPushButton(QLatin1String(caption), parent);
    b->setObjectName(QLatin1String(objectName));
    b->setAutoDefault(false);
    return b;
}

// The record keeps colours as 0x00BBGGRR.
QColor fromStored(int value)
{
    return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

int toStored(const QColor& colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

} // namespace

TConfiguration_form::TConfiguration_form(TMain* main, store::TData_Form* form)
    : m_main(main)
    , m_data(form)
{
    setObjectName(QStringLiteral("TConfiguration_form"));
    setWindowTitle(QStringLiteral("Configuration"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    chooseColour = [this](const QColor& current) {
        return QColorDialog::getColor(current, this, QStringLiteral("Background Font Color"));
    };

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("NameEdit"));
    m_name->setReadOnly(true);
    m_email = new QLineEdit(this);
    m_email->setObjectName(QStringLiteral("EmailEdit"));
    m_email->setReadOnly(true);
    // Shown, not edited: the focus starts on the first control the diver can change.
    m_name->setFocusPolicy(Qt::NoFocus);
    m_email->setFocusPolicy(Qt::NoFocus);

    auto* computerGroup = new QGroupBox(QStringLiteral("Dive Computer Setup"), this);
    m_port = new QComboBox(computerGroup);
    m_port->setObjectName(QStringLiteral("PortComboBox"));
    for (int n = 1; n <= 8; ++n)
        m_port->addItem(QStringLiteral("COM%1").arg(n));
    m_port->addItem(QStringLiteral("LPT1"));
    m_computer = new QComboBox(computerGroup);
    m_computer->setObjectName(QStringLiteral("ComputerTypeComboBox"));
    auto* computerFields = new QFormLayout(computerGroup);
    computerFields->addRow(QStringLiteral("Port for Data Downloads"), m_port);
    computerFields->addRow(QStringLiteral("Dive Computer Type"), m_computer);

    m_quality = new QSlider(Qt::Horizontal, this);
    m_quality->setObjectName(QStringLiteral("PictureQualitySlider"));
    m_quality->setRange(25, 100);
    m_qualityLabel = new QLabel(this);
    m_qualityLabel->setObjectName(QStringLiteral("PictureQualityLabel"));
    m_qualityLabel->setMinimumWidth(40);
    m_layout = new QSlider(Qt::Horizontal, this);
    m_layout->setObjectName(QStringLiteral("ScreenLayoutSlider"));
    m_layout->setRange(0, 11);
    m_layout->setTickPosition(QSlider::TicksBelow);
    m_layout->setPageStep(1);

    auto* unitsGroup = new QGroupBox(QStringLiteral("Units"), this);
    m_imperial = new QRadioButton(QStringLiteral("Imperial"), unitsGroup);
    m_imperial->setObjectName(QStringLiteral("ImperialRadio"));
    m_metric = new QRadioButton(QStringLiteral("Metric"), unitsGroup);
    m_metric->setObjectName(QStringLiteral("MetricRadio"));
    m_imperial->setChecked(true);
    auto* unitsRow = new QHBoxLayout(unitsGroup);
    unitsRow->addWidget(m_imperial);
    unitsRow->addWidget(m_metric);

    m_dan = checkBox(this, "Share data with DAN", "DanCheckBox");
    m_pictureSharing = checkBox(this, "Enable Picture Sharing", "PictureSharingCheckBox");
    m_contactSharing = checkBox(this, "Share Contact Information", "ContactSharingCheckBox");
    m_recordSharing = checkBox(this, "Enable Record Sharing", "RecordSharingCheckBox");
    m_internet = checkBox(this, "Enable Internet Functions", "InternetCheckBox");
    m_autoSync = checkBox(this, "Automatically Synchronize", "AutoSyncCheckBox");

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    auto* test = button(this, "Test Connection", "TestConnectionButton");
    test->setEnabled(false); // needs the server connection
    auto* colour = button(this, "Background Font Color", "FontColorButton");
    auto* changeLogin = button(this, "Change Login", "ChangeLoginButton");
    auto* help = button(this, "Help", "HelpButton");

    auto* identity = new QFormLayout;
    identity->addRow(QStringLiteral("Name"), m_name);
    identity->addRow(QStringLiteral("E-Mail Address"), m_email);
    auto* qualityRow = new QHBoxLayout;
    qualityRow->addWidget(m_quality, 1);
    qualityRow->addWidget(m_qualityLabel);
    auto* sliders = new QFormLayout;
    sliders->addRow(QStringLiteral("Shared Picture Quality"), qualityRow);
    sliders->addRow(QStringLiteral("Screen Layout"), m_layout);
    auto* switches = new QGridLayout;
    switches->addWidget(m_dan, 0, 0);
    switches->addWidget(m_pictureSharing, 0, 1);
    switches->addWidget(m_contactSharing, 1, 0);
    switches->addWidget(m_recordSharing, 1, 1);
    switches->addWidget(m_internet, 2, 0);
    switches->addWidget(m_autoSync, 2, 1);
    auto* buttons = new QGridLayout;
    buttons->addWidget(ok, 0, 0);
    buttons->addWidget(changeLogin, 0, 1);
    buttons->addWidget(help, 0, 2);
    buttons->addWidget(test, 1, 0);
    buttons->addWidget(colour, 1, 1, 1, 2);

    auto* column = new QVBoxLayout(this);
    column->addLayout(identity);
    column->addWidget(computerGroup);
    column->addLayout(sliders);
    column->addWidget(unitsGroup);
    column->addLayout(switches);
    column->addSpacing(6);
    column->addLayout(buttons);

    connect(m_pictureSharing, &QCheckBox::toggled, this, [this](bool on) { pictureSharingToggled(on); });
    connect(m_recordSharing, &QCheckBox::toggled, this, [this](bool on) { recordSharingToggled(on); });
    connect(m_contactSharing, &QCheckBox::toggled, this, [this](bool on) { contactSharingToggled(on); });
    connect(m_internet, &QCheckBox::toggled, this, [this](bool on) { internetToggled(on); });
    connect(m_dan, &QCheckBox::toggled, this, [](bool on) { config().shareWithDan = on; });
    connect(m_autoSync, &QCheckBox::toggled, this, [](bool on) { config().autoSynchronize = on; });
    connect(m_port, &QComboBox::textActivated, this,
            [](const QString& text) { config().downloadPort = text.left(10); });
    connect(m_computer, &QComboBox::textActivated, this, [](const QString& name) {
        if (const int code = divecomputer::modelNumber(name); code > 0)
            config().diveComputerModel = code;
    });
    connect(m_quality, &QSlider::valueChanged, this, [this](int value) {
        config().pictureQuality = value;
        m_qualityLabel->setText(QString::number(value) + QLatin1Char('%'));
    });
    connect(m_layout, &QSlider::valueChanged, this, [this](int value) {
        // Only the diver's own moves count: setting the slider while showing the window
        // must not re-lay the main window.
        if (!m_layout->hasFocus())
            return;
        config().screenLayout = static_cast<int16_t>(value);
        if (m_main && m_main->screenLayoutHook)
            m_main->screenLayoutHook(value);
    });
    connect(ok, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(changeLogin, &QPushButton::clicked, this, [this] { ChangeLoginClick(); });
    connect(colour, &QPushButton::clicked, this, [this] { FontColorClick(); });
    connect(help, &QPushButton::clicked, this, [] { showHelpTopic(21); });
    setHelpContext(this, help_topic::Configuration);
}

void TConfiguration_form::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TConfiguration_form::loadDiverUnits()
{
    const QString user = config().userName;
    if (user.isEmpty() || !m_data || !m_data->Divers_Table.isOpen())
        return;
    // A table object of its own, so the look-up does not move the Divers page's record.
    store::Table divers;
    try {
        store::openSecondCursor(divers, m_data->Divers_Table);
        if (divers.locate({QStringLiteral("DiverName")}, {user})) {
            const bool imperial = divers[QStringLiteral("Format")].asInteger() == 0;
            (imperial ? m_imperial : m_metric)->setChecked(true);
        }
    } catch (const store::DatabaseError&) {
        // Without the diver's record the unit choice stays as shown.
    }
}

void TConfiguration_form::FormShow()
{
    loadDiverUnits();
    const ConfigRecord& record = config();
    m_layout->setValue(record.screenLayout);
    m_name->setText(record.userName);
    m_email->setText(record.userEmail);
    // Set in the order of the window; each box's rule runs, and with the values equal to
    // the record only the implications between the sharing switches can change anything.
    const bool dan = record.shareWithDan, pictures = record.enablePictureSharing,
               contact = record.shareContactInfo, records = record.enableRecordSharing,
               internet = record.enableInternet, sync = record.autoSynchronize;
    m_dan->setChecked(dan);
    m_pictureSharing->setChecked(pictures);
    m_contactSharing->setChecked(contact);
    m_recordSharing->setChecked(records);
    m_internet->setChecked(internet);
    m_autoSync->setChecked(sync);
    m_port->setCurrentText(record.downloadPort);
    m_quality->setValue(record.pictureQuality);
    m_qualityLabel->setText(QString::number(m_quality->value()) + QLatin1Char('%'));
    m_internet->setEnabled(true);

    m_computer->clear();
    m_computer->addItems(divecomputer::offeredModelNames());
    m_computer->setCurrentIndex(m_computer->findText(divecomputer::modelName(record.diveComputerModel)));
}

void TConfiguration_form::pictureSharingToggled(bool checked)
{
    ConfigRecord& record = config();
    const bool changed = record.enablePictureSharing != checked;
    record.enablePictureSharing = checked;
    if (changed && restampHook)
        restampHook(QStringLiteral("pictures"));
    if (checked)
        m_recordSharing->setChecked(true);
}

void TConfiguration_form::recordSharingToggled(bool checked)
{
    ConfigRecord& record = config();
    const bool changed = record.enableRecordSharing != checked;
    record.enableRecordSharing = checked;
    if (changed && restampHook)
        restampHook(QStringLiteral("records"));
    if (!checked) {
        m_pictureSharing->setChecked(false);
        m_contactSharing->setChecked(false);
    }
}

void TConfiguration_form::contactSharingToggled(bool checked)
{
    ConfigRecord& record = config();
    const bool changed = record.shareContactInfo != checked;
    record.shareContactInfo = checked;
    if (changed && restampHook)
        restampHook(QStringLiteral("divers"));
    if (checked)
        m_recordSharing->setChecked(true);
}

void TConfiguration_form::internetToggled(bool checked)
{
    config().enableInternet = checked;
    if (m_main)
        m_main->setNetworkFunctionsVisible(checked);
}

void TConfiguration_form::FontColorClick()
{
    if (!chooseColour)
        return;
    const QColor chosen = chooseColour(fromStored(config().backgroundFontColor));
    if (!chosen.isValid())
        return;
    config().backgroundFontColor = toStored(chosen);
    if (m_main && m_main->fontColourHook)
        m_main->fontColourHook(chosen);
}

void TConfiguration_form::OkClick()
{
    close();
    if (!m_data)
        return;
    // The diver's units on screen follow from the Divers record's scroll rule.
    if (store::saveDiverFormat(*m_data, m_metric->isChecked()) && m_main)
        m_main->showPage(Page::Divers);
}

void TConfiguration_form::ChangeLoginClick()
{
    if (!m_data)
        return;
    if (m_main)
        m_main->showPage(Page::ZafMain);
    const store::ChangeLoginResult result = store::changeLogin(*m_data);
    if (result == store::ChangeLoginResult::Refused)
        return;
    if (m_main) {
        m_main->showPage(Page::ZafMain);
        m_main->showLogin();
    }
    close();
}

} // namespace zaf::gui
