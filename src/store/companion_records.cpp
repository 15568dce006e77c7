#include "core/trace.h"
#include "store/data_form.h"
#include "store/drop_down_lists.h"
#include "store/errors.h"
#include "store/menu_items.h"
#include "store/table_rules.h"

namespace zaf::store::rules {

namespace {

/// Lists a shop, agent or lodge typed on a trip or an equipment record among the dive
/// resources, unless one of that company name is there already. The resource gets only its
/// name; its own new record rule stamps the owner.
void addDiveResource(TData_Form& data, const QString& companyName)
{
    Table& resources = data.DiveResources_Table;
    if (!hasText(companyName) || !resources.isOpen())
        return;
    try {
        if (resources.locate({QStringLiteral("CompanyName")}, {companyName}))
            return;
        resources.appendRecord({companyName});
    } catch (const DatabaseError& e) {
        // The record that named the company is stored; losing the companion is not worth
        // failing that post for.
        write_debug_message(QStringLiteral("TData_Form.addDiveResource"), e.message());
    }
}

QString text(Table& table, const char* field)
{
    return table[QLatin1String(field)].asString();
}

} // namespace

void diveSiteAfterPost(TData_Form& data, Table& site)
{
    addMenuItem(data, DropDownLists::Location, text(site, "Location"));
}

void travelAfterPost(TData_Form& data, Table& travel)
{
    addMenuItem(data, DropDownLists::Location, text(travel, "Location"));
    for (const char* field : {"Lodging", "TravelAgent", "DiveShop"})
        addDiveResource(data, text(travel, field));
}

void equipmentAfterPost(TData_Form& data, Table& equipment)
{
    addDiveResource(data, text(equipment, "DiveShop"));
    addMenuItem(data, DropDownLists::EquipmentType, text(equipment, "Type"));
    addMenuItem(data, DropDownLists::EquipmentMake, text(equipment, "Make"));
}

} // namespace zaf::store::rules
