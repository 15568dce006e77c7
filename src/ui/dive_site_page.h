#pragma once

#include "ui/record_page.h"

#include <memory>

namespace zaf::store {
class TData_Form;
}

namespace zaf::gui {

class LinkField;
class NameLookup;
class PictureFrame;

/// The "Dive Site" page: the shown `DiveSite` record with its location pick list and the
/// site's picture.
class DiveSitePage : public RecordPage {
    Q_OBJECT
public:
    DiveSitePage(store::TData_Form& dataForm, QWidget* parent = nullptr);
    ~DiveSitePage() override;

    /// Loads the file into the site picture frame; false (and an empty frame) when it does not load.
    bool showPicture(const QString& filePath) override;
    void listsReloaded(const store::TData_Form& dataForm) override;
    /// Starts a site on an empty table, then runs the site's scroll rule for the shown site.
    void enterPage() override;

    PictureFrame* pictureFrame() const { return m_picture; }

private:
    std::unique_ptr<NameLookup> m_locations;
    LinkField* m_location = nullptr;
    PictureFrame* m_picture = nullptr;
};

} // namespace zaf::gui
