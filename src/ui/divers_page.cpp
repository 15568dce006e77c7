#include "ui/divers_page.h"

#include "calc/dive_time_rules.h"
#include "calc/dive_times.h"
#include "calc/unit_commands.h"
#include "store/data_form.h"
#include "store/diver_totals.h"
#include "ui/bound_widgets.h"
#include "ui/certification_grid.h"
#include "ui/mail_links.h"
#include "ui/slot_errors.h"
#include "ui/page_pieces.h"
#include "ui/record_navigator.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zaf::gui {

namespace {

const QString kPrefix = QStringLiteral("Diver");
const QString kFromLogs = QStringLiteral("Updated Automatically from logs");

QString field(const char* name)
{
    return QString::fromLatin1(name);
}

/// A compound cell's own grid: no margin of its own, fields close together.
void compact(QGridLayout* grid)
{
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
}

QPushButton* unitButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    // A click converts the record; the button never takes the focus from a field.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

DiversPage::DiversPage(store::TData_Form& dataForm, QWidget* parent)
    : RecordPage(Page::Divers, dataForm.Divers_DataSource, QStringLiteral("DiversNavigator"), parent), m_data(dataForm)
{
    setObjectName(QStringLiteral("DiversPage"));

    // One grid of five columns lines up every section of the page: who the diver is, the
    // totals from the logs, the certifications, the sub-pages and the owner.
    FieldForm form(this->form(), binder(), kPrefix);
    QGridLayout* grid = form.grid();
    form.text(field("DiverName"), tr("Diver Name"), 0, 0, 2, QStringLiteral("DiverName_Edit"));
    form.list(field("Sex"), tr("Sex"), {QStringLiteral("Male"), QStringLiteral("Female")}, 0, 2);
    form.text(field("DateofBirth"), tr("Date of Birth"), 0, 3);
    form.text(field("Height"), tr("Height"), 0, 4);
    form.text(field("Phone_Home"), tr("Home Phone"), 1, 0);
    form.text(field("Phone_Work"), tr("Work Phone"), 1, 1);
    form.text(field("Email"), tr("E-mail"), 1, 2, 3);
    form.text(field("Address1"), tr("Address"), 2, 0, 2);
    form.text(field("Address2"), tr("Address (continued)"), 2, 2, 2);
    form.text(field("ZipCode"), tr("Post Code"), 2, 4);
    form.text(field("City"), tr("City"), 3, 0);
    form.text(field("State"), tr("State/Province"), 3, 1);
    form.text(field("Country"), tr("Country"), 3, 2);

    // --- the totals the logs keep, with the unit buttons that convert the record
    auto* weightCell = new QWidget(this->form());
    FieldForm weight(weightCell, binder(), kPrefix);
    compact(weight.grid());
    weight.text(field("Weight"), tr("Weight"), 0, 0);
    m_weightUnit = unitButton("DiverWeightUnitButton", QStringLiteral("lb."), weightCell);
    weight.grid()->addWidget(m_weightUnit, 0, 1, Qt::AlignBottom);
    weight.grid()->setColumnStretch(2, 1); // the button stays beside its field
    grid->addWidget(weightCell, 3, 3, 1, 2);

    QLineEdit* dives = form.readOnly(field("NumberofDives"), tr("Number of Dives"), 4, 0);
    auto* depthCell = new QWidget(this->form());
    FieldForm depth(depthCell, binder(), kPrefix);
    compact(depth.grid());
    QLineEdit* deepest = depth.readOnly(field("MaxDepth"), tr("Max Depth"), 0, 0);
    m_depthUnit = unitButton("DiverDepthUnitButton", QStringLiteral("Feet"), depthCell);
    depth.grid()->addWidget(m_depthUnit, 0, 1, Qt::AlignBottom);
    depth.grid()->setColumnStretch(2, 1);
    grid->addWidget(depthCell, 4, 1);
    for (QPushButton* unit : {m_weightUnit, m_depthUnit})
        unit->setFixedWidth(unit->fontMetrics().horizontalAdvance(QStringLiteral("Meters")) + 10);

    // The total dive time is shown as days, hours and minutes, not as the stored minutes.
    auto* timeCell = new QWidget(this->form());
    auto* timeLayout = new QVBoxLayout(timeCell);
    timeLayout->setContentsMargins(0, 0, 0, 0);
    timeLayout->setSpacing(3); // the gap the form leaves under its own captions
    auto* timeCaption = new QLabel(tr("Total Dive Time"), timeCell);
    timeCaption->setObjectName(QStringLiteral("DiverTotalDiveTime_Caption"));
    m_totalTime = new QLineEdit(timeCell);
    m_totalTime->setObjectName(QStringLiteral("DiverTotalDiveTime"));
    m_totalTime->setReadOnly(true);
    m_totalTime->setFocusPolicy(Qt::ClickFocus);
    m_totalTime->setPalette(dives->palette());
    timeLayout->addWidget(timeCaption);
    timeLayout->addWidget(m_totalTime);
    grid->addWidget(timeCell, 4, 2, Qt::AlignBottom);
    // A hidden view of the stored minutes tells of every change of them.
    auto* minutes = new QLineEdit(timeCell);
    minutes->hide();
    binder().bind(minutes, field("TotalBottomTime"), true);
    binder().onTextChanged(field("TotalBottomTime"), [this] { showDurationText(); });
    // The unit buttons follow the record's units whenever they change, not only when another
    // diver is shown: a record stored in other units (by the configuration, say) must not be
    // turned back by the next edit, which takes the units from these captions.
    auto* units = new QLineEdit(timeCell);
    units->hide();
    binder().bind(units, field("Format"), true);
    binder().onTextChanged(field("Format"), [this, units] {
        if (const auto captions = unitCaptions(units->text()))
            setDiverUnitCaptions(captions->depth, captions->weight);
    });

    // The two averages share one caption.
    auto* sacCell = new QWidget(this->form());
    FieldForm sac(sacCell, binder(), kPrefix);
    compact(sac.grid());
    sac.caption(tr("SAC Rate (PSI/Bar | vol.)"), 0, 0, 2, QStringLiteral("DiverSACRate_Caption"));
    QLineEdit* sacRate = sac.readOnly(field("SACRate"), QString(), 1, 0);
    QLineEdit* sacVolume = sac.readOnly(field("SACvol"), QString(), 1, 1);
    grid->addWidget(sacCell, 4, 3, 1, 2, Qt::AlignBottom);

    for (QLineEdit* shown : {dives, deepest, m_totalTime, sacRate, sacVolume})
        shown->setToolTip(kFromLogs);
    for (const FieldForm* part : {&weight, &depth, &sac})
        addCaptions(part->captions());
    addCaptions({timeCaption});
    connect(m_depthUnit, &QPushButton::clicked, this, &DiversPage::convertUnits);
    connect(m_weightUnit, &QPushButton::clicked, this, &DiversPage::convertUnits);

    // --- certifications: a caption with the buttons, the grid under them
    auto* certificationPanel = new QWidget(this->form());
    auto* certificationLayout = new QVBoxLayout(certificationPanel);
    certificationLayout->setContentsMargins(0, 4, 0, 0);
    certificationLayout->setSpacing(3);
    auto* certificationTop = new QHBoxLayout;
    auto* certificationCaption = new QLabel(tr("Certifications"), certificationPanel);
    certificationCaption->setObjectName(QStringLiteral("CertificationGrid_Caption"));
    auto* add = m_addCertification = new QPushButton(tr("Add"), certificationPanel);
    add->setObjectName(QStringLiteral("AddCertButton"));
    auto* remove = m_deleteCertification = new QPushButton(tr("Delete"), certificationPanel);
    remove->setObjectName(QStringLiteral("DeleteCertButton"));
    certificationTop->addWidget(certificationCaption, 0, Qt::AlignBottom);
    certificationTop->addStretch(1);
    certificationTop->addWidget(add);
    certificationTop->addWidget(remove);
    certificationLayout->addLayout(certificationTop);
    m_certifications = new CertificationGrid(dataForm.Divers_Table, certificationPanel);
    m_certifications->setFixedHeight(4 * 20 + 2 * m_certifications->frameWidth());
    certificationLayout->addWidget(m_certifications);
    addCaptions({certificationCaption});
    connect(add, &QPushButton::clicked, m_certifications, &CertificationGrid::addCertification);
    connect(remove, &QPushButton::clicked, m_certifications, &CertificationGrid::deleteCertification);
    connect(m_certifications, &CertificationGrid::ownRecordShown, this, [add, remove](bool own) {
        add->setVisible(own);
        remove->setVisible(own);
    });
    grid->addWidget(certificationPanel, 5, 0, 1, 5);

    // --- the sub-pages
    m_tabs = new QTabWidget(this->form());
    m_tabs->setObjectName(QStringLiteral("DiversSubPages"));
    m_tabs->setMinimumHeight(140);
    grid->addWidget(m_tabs, 6, 0, 1, 5);

    m_picture = new PictureFrame(m_tabs);
    m_picture->setObjectName(QStringLiteral("DiverPicture"));
    m_tabs->addTab(m_picture, tr("Picture"));

    m_dives = new TableGrid(dataForm.divers_log_table,
                            {{field("DiveNumber"), tr("Dive#"), 60}, {field("DiveSite"), QString(), 300}}, m_tabs);
    m_dives->setObjectName(QStringLiteral("DiverDivesGrid"));
    connect(m_dives, &TableGrid::rowDoubleClicked, this, &DiversPage::openDive);
    m_tabs->addTab(m_dives, tr("Dives"));

    auto* emergencyPanel = new QWidget(m_tabs);
    FieldForm emergency(emergencyPanel, binder(), kPrefix);
    emergency.text(field("EContact"), tr("Contact"), 0, 0);
    emergency.text(field("EContactPhone"), tr("Phone Number"), 0, 1);
    emergency.text(field("DANID"), tr("DAN ID#"), 0, 2);
    emergency.text(field("EInsurance"), tr("Insurance co."), 1, 0, 2);
    emergency.text(field("EPolicy"), tr("Policy #"), 1, 2);
    emergency.list(field("DANLevel"), tr("DAN Level"),
                   {QStringLiteral("Master"), QStringLiteral("Plus"), QStringLiteral("Standard")}, 2, 0);
    emergency.text(field("DANExpire"), tr("DAN Expiration"), 2, 1);
    emergency.grid()->setRowStretch(3, 1);
    addCaptions(emergency.captions());
    m_tabs->addTab(emergencyPanel, tr("Emergency"));

    auto* notesPanel = new QWidget(m_tabs);
    FieldForm notes(notesPanel, binder(), kPrefix);
    notes.memo(field("Notes"), QString(), 0, 0, 1, 1);
    addCaptions(notes.captions());
    m_tabs->addTab(notesPanel, tr("Notes"));

    addOwnerRow(form, 7);
    grid->setRowStretch(6, 1);
    addCaptions(form.captions());

    binder().onDoubleClick(field("DateofBirth"), [this] {
        // Another diver's record is shown read-only: no picker to change it.
        if (binder().editable())
            calc::pickDateTime(table(), field("DateofBirth"));
    });
    binder().onDoubleClick(field("Email"), [this] {
        if (auto* email = qobject_cast<QLineEdit*>(binder().widget(field("Email"))))
            openMailTo(email->text());
    });

    if (RecordNavigator* nav = navigator()) {
        // The grid's typing is stored before the navigator moves away from the diver.
        nav->beforeAction = [this, before = nav->beforeAction](NavigatorButton button) {
            m_certifications->storeIfFocused();
            if (before)
                before(button);
        };
    }
}

DiversPage::~DiversPage() = default;

void DiversPage::setDiverUnitCaptions(const QString& depth, const QString& weight)
{
    m_depthUnit->setText(depth);
    m_weightUnit->setText(weight);
}

void DiversPage::setUnitCaptions(const UnitCaptions& captions)
{
    setDiverUnitCaptions(captions.depth, captions.weight);
}

QString DiversPage::depthUnitCaption() const
{
    return m_depthUnit->text();
}

bool DiversPage::showPicture(const QString& filePath)
{
    return m_picture->load(filePath);
}

void DiversPage::setControlShown(PageControl control, bool shown)
{
    if (control == PageControl::AddDiver)
        m_addCertification->setVisible(shown);
    else if (control == PageControl::DeleteDiver)
        m_deleteCertification->setVisible(shown);
    else
        RecordPage::setControlShown(control, shown);
}

void DiversPage::refreshCertifications()
{
    m_certifications->fill();
    showDurationText();
}

void DiversPage::storePending()
{
    RecordPage::storePending();
    m_certifications->storeIfFocused();
}

void DiversPage::enterPage()
{
    store::Table& divers = table();
    if (!divers.isOpen())
        return;
    if (m_data.DiveLog_Table.isOpen())
        store::diverTotals(m_data);
    store::Table& dives = m_data.divers_log_table;
    if (dives.isOpen()) {
        const store::Filter own = store::Filter::equals(field("DiverName"), divers[field("DiverName")].asString());
        if (dives.filterText() != own.text())
            dives.setFilter(own);
        m_dives->reload();
    }
    refreshCertifications();
}

void DiversPage::convertUnits()
{
    try {
        binder().flush();
        calc::convertDiverRecord(m_data);
    } catch (...) {
        reportCurrentException();
    }
}

void DiversPage::openDive(int recNo)
{
    try {
        store::Table& dives = m_data.divers_log_table;
        if (recNo <= 0 || !dives.isOpen())
            return;
        dives.setRecNo(recNo);
        const QStringList keyFields{field("DiverName"), field("DiveNumber")};
        const QVariantList key{dives[keyFields[0]].value(), dives[keyFields[1]].value()};
        // The diver's own dive opens on the Dive Log page, anybody else's on Others' Logs.
        if (m_data.DiveLog_Table.isOpen() && m_data.DiveLog_Table.locate(keyFields, key))
            viewState().showPage(Page::DiveLog);
        else if (m_data.OthersLog_Table.isOpen() && m_data.OthersLog_Table.locate(keyFields, key))
            viewState().showPage(Page::OthersLogs);
    } catch (...) {
        reportCurrentException();
    }
}

void DiversPage::showDurationText()
{
    store::Table& divers = table();
    if (!divers.isOpen()) {
        m_totalTime->clear();
        return;
    }
    // No time logged yet reads as nothing logged: "0 days, 0 hrs, 0 min".
    const store::Field& minutes = divers[field("TotalBottomTime")];
    m_totalTime->setText(calc::durationText(minutes.isNull() ? 0 : minutes.asInteger()));
    m_totalTime->setCursorPosition(0); // a long total shows its days first
}

} // namespace zaf::gui
