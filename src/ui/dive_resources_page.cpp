#include "ui/dive_resources_page.h"

#include "store/data_form.h"
#include "ui/bound_widgets.h"
#include "ui/mail_links.h"
#include "ui/page_pieces.h"

#include <QGridLayout>
#include <QLineEdit>

namespace zaf::gui {

QStringList resourceTypeItems()
{
    return {QStringLiteral("Dive Shop"), QStringLiteral("Electronics Store"), QStringLiteral("Live Aboard"),
            QStringLiteral("Lodging"), QStringLiteral("Travel Agent")};
}

DiveResourcesPage::DiveResourcesPage(store::TData_Form& dataForm, QWidget* parent)
    : RecordPage(Page::DiveResources, dataForm.DiveResources_DataSource, QStringLiteral("DiveResourcesNavigator"), parent)
{
    setObjectName(QStringLiteral("DiveResourcesPage"));

    FieldForm form(this->form(), binder(), QStringLiteral("DiveResources"));
    form.text(QStringLiteral("CompanyName"), QStringLiteral("Company Name"), 0, 0, 2,
              QStringLiteral("CompanyName_Edit"));
    form.list(QStringLiteral("Type"), QStringLiteral("Type"), resourceTypeItems(), 0, 2);
    auto* rating = form.list(QStringLiteral("Rating"), QStringLiteral("Rating"), ratingItems(), 0, 3);
    rating->setToolTip(QStringLiteral("10 Best ... 1 Worst"));

    form.text(QStringLiteral("Phone1"), QStringLiteral("Phone"), 1, 0);
    form.text(QStringLiteral("Phone2"), QStringLiteral("Phone 2"), 1, 1);
    form.text(QStringLiteral("Fax"), QStringLiteral("Fax"), 1, 2);

    form.text(QStringLiteral("Address1"), QStringLiteral("Address"), 2, 0, 2);
    form.text(QStringLiteral("Address2"), QStringLiteral("Address (continued)"), 2, 2, 2);
    form.text(QStringLiteral("City"), QStringLiteral("City"), 3, 0);
    form.text(QStringLiteral("State"), QStringLiteral("State/Province"), 3, 1);
    form.text(QStringLiteral("Country"), QStringLiteral("Country"), 3, 2);
    form.text(QStringLiteral("ZipCode"), QStringLiteral("Post Code"), 3, 3);

    auto* email = form.text(QStringLiteral("Email"), QStringLiteral("E-mail"), 4, 0, 2);
    auto* web = form.text(QStringLiteral("WebAddress"), QStringLiteral("Web Address"), 4, 2, 2);
    const QString openHint = QStringLiteral("Dbl Click to open");
    email->setToolTip(openHint);
    web->setToolTip(openHint);
    // A blank address opens nothing; the links themselves see to that.
    binder().onDoubleClick(QStringLiteral("Email"), [email] { openMailTo(email->text().trimmed()); });
    binder().onDoubleClick(QStringLiteral("WebAddress"), [web] { openWebAddress(web->text().trimmed()); });

    form.memo(QStringLiteral("Comments"), QStringLiteral("Comments"), 5, 0, 1, 4);
    addOwnerRow(form, 6);
    form.grid()->setRowStretch(5, 1);
    evenColumns(form, 4);
    addCaptions(form.captions());
}

void DiveResourcesPage::enterPage()
{
    startRecordOnEmptyTable(table());
}

} // namespace zaf::gui
