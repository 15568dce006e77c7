#pragma once

#include "ui/record_page.h"

namespace zaf::store {
class TData_Form;
}

namespace zaf::gui {

/// The "Dive Resources" page: the shown `DiveResources` record (dive shops, travel agents,
/// lodges, live-aboards, stores); a double click on its e-mail or web address opens it.
class DiveResourcesPage : public RecordPage {
    Q_OBJECT
public:
    DiveResourcesPage(store::TData_Form& dataForm, QWidget* parent = nullptr);

    /// Starts a resource on an empty table.
    void enterPage() override;
};

/// The kinds of dive resource the type list offers.
QStringList resourceTypeItems();

} // namespace zaf::gui
