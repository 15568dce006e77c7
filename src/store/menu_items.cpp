#include "store/menu_items.h"

#include "core/cancel_flag.h"
#include "core/trace.h"
#include "store/data_form.h"
#include "store/errors.h"
#include "store/record_owner.h"

namespace zaf::store {

namespace {

const QString kMenu = QStringLiteral("Menu");
const QString kItem = QStringLiteral("Item");

/// Appends (list, entry) when no such entry is stored. Failures reach the caller.
bool appendIfMissing(Table& items, const QString& list, const QString& entry)
{
    if (items.findKey({list, entry}))
        return false;
    // Entries waiting to be sent to the server start unsent, like every changed record.
    return items.appendRecord({list, entry, false});
}

} // namespace

void read_menuitems(TData_Form& data)
{
    DropDownLists& lists = data.dropDownLists;
    lists.clear();
    Table& items = data.MenuItems_Table;
    if (items.isOpen()) {
        items.disableControls();
        for (const auto& [list, entries] : DropDownLists::defaultEntries()) {
            for (const QString& entry : entries) {
                try {
                    appendIfMissing(items, list, entry);
                } catch (const DatabaseError&) {
                    // A default that cannot be put back is simply missing from the list.
                }
            }
        }
        try {
            for (items.first(); !items.eof() && !cancelRequested(); items.next())
                lists.add(items[kMenu].asString(), items[kItem].asString());
        } catch (const DatabaseError& e) {
            write_debug_message(QStringLiteral("TMain.read_menuitems"), e.message());
        }
        items.enableControls();
    }
    if (lists.onReloaded)
        lists.onReloaded();
}

bool addMenuItem(TData_Form& data, const QString& list, const QString& entry)
{
    if (!hasText(entry) || !data.MenuItems_Table.isOpen())
        return false;
    try {
        return appendIfMissing(data.MenuItems_Table, list, entry);
    } catch (const DatabaseError& e) {
        // The record that carried the value is already stored; a list entry is not worth
        // failing its post for.
        write_debug_message(QStringLiteral("TData_Form.addMenuItem"), e.message());
        return false;
    }
}

} // namespace zaf::store
