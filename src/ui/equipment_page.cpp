#include "ui/equipment_page.h"

#include "calc/dive_time_rules.h"
#include "store/data_form.h"
#include "store/drop_down_lists.h"
#include "ui/bound_widgets.h"
#include "ui/linked_records.h"
#include "ui/name_lookup.h"
#include "ui/page_pieces.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

namespace zaf::gui {

EquipmentPage::EquipmentPage(store::TData_Form& dataForm, QWidget* parent)
    : RecordPage(Page::Equipment, dataForm.Equipment_DataSource, QStringLiteral("EquipmentNavigator"), parent)
    , m_shops(std::make_unique<NameLookup>(dataForm.DiveResources_Table))
{
    setObjectName(QStringLiteral("EquipmentPage"));

    // Six narrow columns: the short fields share a row, the names take two columns each.
    FieldForm form(this->form(), binder(), QStringLiteral("Equipment"));
    m_type = form.list(QStringLiteral("Type"), QStringLiteral("Type"), {}, 0, 0, 2,
                       QStringLiteral("EquipmentType_Edit"));
    m_make = form.list(QStringLiteral("Make"), QStringLiteral("Manufacturer"), {}, 0, 2, 2);
    form.text(QStringLiteral("Model"), QStringLiteral("Model"), 0, 4, 2);
    form.text(QStringLiteral("SerialNumber"), QStringLiteral("Serial Number"), 1, 0, 2);
    form.text(QStringLiteral("Color"), QStringLiteral("Color"), 1, 2);
    form.text(QStringLiteral("Size"), QStringLiteral("Size"), 1, 3);
    form.text(QStringLiteral("Warranty"), QStringLiteral("Warranty"), 1, 4, 2);
    form.link(QStringLiteral("DiveShop"), QStringLiteral("Purchased From"), m_shops.get(), true, 2, 0, 2);
    installRecordLinks(*this, dataForm, {{QStringLiteral("DiveShop"), LinkedTable::DiveResources}});
    auto* date = form.text(QStringLiteral("Date"), QStringLiteral("Purchase Date"), 2, 2, 2);
    date->setToolTip(QStringLiteral("Dbl Click to pick a date"));
    binder().onDoubleClick(QStringLiteral("Date"), [this] { calc::pickDateTime(table(), QStringLiteral("Date")); });
    form.text(QStringLiteral("Price"), QStringLiteral("Price"), 2, 4);
    m_currency = form.readOnly(QStringLiteral("Currency"), QStringLiteral("Currency"), 2, 5);
    form.text(QStringLiteral("Description"), QStringLiteral("Description"), 3, 0, 6);
    form.memo(QStringLiteral("Comments"), QStringLiteral("Comments"), 4, 0, 1, 3);

    m_subPages = new QTabWidget(this->form());
    m_subPages->setObjectName(QStringLiteral("EquipmentSubPages"));
    m_picture = new PictureFrame;
    m_picture->setObjectName(QStringLiteral("EquipmentPicture"));
    m_subPages->addTab(m_picture, QStringLiteral("Picture"));
    auto* maintenancePage = new QWidget;
    maintenancePage->setObjectName(QStringLiteral("EquipmentMaintenancePage"));
    FieldForm maintenance(maintenancePage, binder(), QStringLiteral("Equipment"));
    // The tab names the memo; a caption over it would only repeat that.
    maintenance.memo(QStringLiteral("Maintenance"), QString(), 0, 0, 1, 1);
    m_subPages->addTab(maintenancePage, QStringLiteral("Maintenance"));
    form.grid()->addWidget(m_subPages, 4, 3, 1, 3);

    addOwnerRow(form, 5, 2, 3);
    form.grid()->setRowStretch(4, 1);
    evenColumns(form, 6);
    addCaptions(form.captions());
    addCaptions(maintenance.captions());

    m_currencyCaption = this->form()->findChild<QLabel*>(m_currency->objectName() + QStringLiteral("_Caption"));
    // An own item's price is in the diver's own currency: the rules show it for others' items.
    setControlShown(PageControl::Currency, false);
    listsReloaded(dataForm);
}

EquipmentPage::~EquipmentPage() = default;

void EquipmentPage::setControlShown(PageControl control, bool shown)
{
    if (control != PageControl::Currency) {
        RecordPage::setControlShown(control, shown);
        return;
    }
    m_currency->setVisible(shown);
    if (m_currencyCaption)
        m_currencyCaption->setVisible(shown);
}

bool EquipmentPage::showPicture(const QString& filePath)
{
    return m_picture->load(filePath);
}

void EquipmentPage::listsReloaded(const store::TData_Form& dataForm)
{
    m_type->setItems(dataForm.dropDownLists.entries(store::DropDownLists::EquipmentType));
    m_make->setItems(dataForm.dropDownLists.entries(store::DropDownLists::EquipmentMake));
}

void EquipmentPage::enterPage()
{
    startRecordOnEmptyTable(table());
}

} // namespace zaf::gui
