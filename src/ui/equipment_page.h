#pragma once

#include "ui/record_page.h"

#include <memory>

class QTabWidget;

namespace zaf::store {
class TData_Form;
}

namespace zaf::gui {

class ListField;
class NameLookup;
class PictureFrame;

/// The "Equipment" page: the shown `Equipment` record with its type and maker lists, the
/// shop it came from, and the sub-pages "Picture" and "Maintenance".
class EquipmentPage : public RecordPage {
    Q_OBJECT
public:
    EquipmentPage(store::TData_Form& dataForm, QWidget* parent = nullptr);
    ~EquipmentPage() override;

    /// The currency shows only beside the price of another owner's item; every other control
    /// goes to the frame.
    void setControlShown(PageControl control, bool shown) override;
    /// Loads the file into the "Picture" sub-page; false (and an empty frame) when it does not load.
    bool showPicture(const QString& filePath) override;
    void listsReloaded(const store::TData_Form& dataForm) override;
    /// Starts an item on an empty table.
    void enterPage() override;

    PictureFrame* pictureFrame() const { return m_picture; }
    QTabWidget* subPages() const { return m_subPages; }

private:
    std::unique_ptr<NameLookup> m_shops;
    ListField* m_type = nullptr;
    ListField* m_make = nullptr;
    QWidget* m_currency = nullptr;
    QWidget* m_currencyCaption = nullptr;
    QTabWidget* m_subPages = nullptr;
    PictureFrame* m_picture = nullptr;
};

} // namespace zaf::gui
