#include "store/ownership.h"

#include "core/ui.h"
#include "store/record_owner.h"
#include "store/table.h"

namespace zaf::store {

const QString kOwnedByLocalDiverMessage = QStringLiteral(
    "Another diver on this system owns this record.  You cannot take ownship from them.  "
    "If the record owner is no longer needed you can delete them from the login screen.");

bool takeOwnership(Table& table)
{
    if (!table.isOpen() || nobodyLoggedIn())
        return false;
    if (table.state() == Table::State::Browse && table.isEmpty())
        return false;
    if (isOtherLocalDiverRecord(table)) {
        ui().message(kOwnedByLocalDiverMessage);
        return false;
    }
    table.edit();
    stampOwner(table);
    table.post();
    if (table.onAfterScroll)
        table.onAfterScroll(table);
    return true;
}

} // namespace zaf::store
