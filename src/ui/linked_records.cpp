#include "ui/linked_records.h"

#include "core/config_record.h"
#include "core/view_state.h"
#include "store/data_form.h"
#include "store/table.h"
#include "ui/record_page.h"

#include <QComboBox>
#include <QLineEdit>

namespace zaf::gui {

namespace {

/// Where the records of a linked table live: its table, its key field and its page.
struct LinkedTableInfo {
    store::Table store::TData_Form::*table;
    const char* key;
    Page page;
};

LinkedTableInfo infoOf(LinkedTable to)
{
    switch (to) {
    case LinkedTable::Divers:
        return {&store::TData_Form::Divers_Table, "DiverName", Page::Divers};
    case LinkedTable::DiveSites:
        return {&store::TData_Form::DiveSite_Table, "DiveSite", Page::DiveSites};
    case LinkedTable::DiveResources:
        break;
    }
    return {&store::TData_Form::DiveResources_Table, "CompanyName", Page::DiveResources};
}

/// The text a field shows now: what was typed counts, though it is not written back yet.
QString shownText(RecordPage& page, const QString& field)
{
    QWidget* widget = page.binder().widget(field);
    if (auto* box = qobject_cast<QComboBox*>(widget))
        return box->currentText();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    store::Table& table = page.table();
    return table.isOpen() ? table[field].asString() : QString();
}

} // namespace

bool showLinkedRecord(store::TData_Form& data, LinkedTable to, const QString& name)
{
    if (name.trimmed().isEmpty())
        return false;
    const LinkedTableInfo info = infoOf(to);
    store::Table& table = data.*info.table;
    // A pending change of the target table is settled by the move, as any move settles it.
    if (!table.isOpen() || !table.locate({QLatin1String(info.key)}, {name}))
        return false;
    viewState().showPage(info.page);
    return true;
}

bool showOwnDive(store::TData_Form& data, const QString& diveNumber)
{
    bool isNumber = false;
    const qint64 number = diveNumber.trimmed().toLongLong(&isNumber);
    store::Table& log = data.DiveLog_Table;
    if (!isNumber || !log.isOpen() ||
        !log.locate({QStringLiteral("DiverName"), QStringLiteral("DiveNumber")}, {config().userName, number}))
        return false;
    viewState().showPage(Page::DiveLog);
    return true;
}

void installRecordLinks(RecordPage& page, store::TData_Form& data, const QVector<RecordLink>& links)
{
    for (const RecordLink& link : links) {
        // The binder reports what a look-up throws, as it does for every rule of a field.
        page.binder().onDoubleClick(link.field, [&page, &data, link] {
            showLinkedRecord(data, link.to, shownText(page, link.field));
        });
    }
}

} // namespace zaf::gui
