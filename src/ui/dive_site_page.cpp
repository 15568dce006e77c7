#include "ui/dive_site_page.h"

#include "store/data_form.h"
#include "store/drop_down_lists.h"
#include "ui/bound_widgets.h"
#include "ui/name_lookup.h"
#include "ui/page_pieces.h"

#include <QGridLayout>
#include <QLineEdit>

namespace zaf::gui {

DiveSitePage::DiveSitePage(store::TData_Form& dataForm, QWidget* parent)
    : RecordPage(Page::DiveSites, dataForm.DiveSite_DataSource, QStringLiteral("DiveSiteNavigator"), parent)
    , m_locations(std::make_unique<NameLookup>(dataForm.MenuItems_Table, QVariantList{store::DropDownLists::Location}))
{
    setObjectName(QStringLiteral("DiveSitePage"));

    FieldForm form(this->form(), binder(), QStringLiteral("DiveSite"));
    form.text(QStringLiteral("DiveSite"), QStringLiteral("Dive Site"), 0, 0, 2, QStringLiteral("DiveSite_Edit"));
    m_location = form.link(QStringLiteral("Location"), QStringLiteral("Location"), m_locations.get(), false, 1, 0, 2);
    writeChoiceIntoRecord(m_location, binder(), QStringLiteral("Location"));
    form.list(QStringLiteral("DiveType"), QStringLiteral("Dive Type"), diveSiteTypeItems(), 2, 0);
    form.list(QStringLiteral("Rating"), QStringLiteral("Dive Site Rating"), ratingItems(), 2, 1);
    form.text(QStringLiteral("Longitude"), QStringLiteral("Longitude"), 3, 0);
    form.text(QStringLiteral("Latitude"), QStringLiteral("Latitude"), 3, 1);
    form.text(QStringLiteral("Altitude"), QStringLiteral("Altitude"), 3, 2);
    form.memo(QStringLiteral("Comments"), QStringLiteral("Comments"), 4, 0, 1, 4);
    addOwnerRow(form, 5);

    m_picture = new PictureFrame(this->form());
    m_picture->setObjectName(QStringLiteral("DiveSitePicture"));
    form.grid()->addWidget(m_picture, 0, 2, 3, 2);
    form.grid()->setRowStretch(4, 1);
    evenColumns(form, 4);
    addCaptions(form.captions());

    listsReloaded(dataForm);
}

DiveSitePage::~DiveSitePage() = default;

bool DiveSitePage::showPicture(const QString& filePath)
{
    return m_picture->load(filePath);
}

void DiveSitePage::listsReloaded(const store::TData_Form& dataForm)
{
    m_location->setItems(dataForm.dropDownLists.entries(store::DropDownLists::Location));
}

void DiveSitePage::enterPage()
{
    store::Table& site = table();
    startRecordOnEmptyTable(site);
    if (site.isOpen() && site.onAfterScroll)
        site.onAfterScroll(site);
}

} // namespace zaf::gui
