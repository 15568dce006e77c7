#pragma once

#include "ui/record_page.h"

namespace zaf::store {
class TData_Form;
}

namespace zaf::gui {

class DiveLogForm;

/// The "Others' Logs" page: the shown entry of the other divers' logs, laid out like the
/// Dive Log page but read-only, with plain text in place of lists and links. Its unit buttons
/// only show the entry's units; "Copy Record" takes the entry into the diver's own log.
class OthersLogPage : public RecordPage {
    Q_OBJECT
public:
    OthersLogPage(store::TData_Form& dataForm, QWidget* parent = nullptr);
    ~OthersLogPage() override;

    /// The fields, sub-pages and controls as built.
    DiveLogForm& diveForm() const { return *m_form; }

    void setUnitCaptions(const UnitCaptions& captions) override;
    void setControlShown(PageControl control, bool shown) override;
    SurfaceIntervalBoxes surfaceIntervalBoxes() const override;
    void setSurfaceIntervalBoxes(const SurfaceIntervalBoxes& boxes) override;
    /// Runs the other divers' log's scroll rule.
    void enterPage() override;

Q_SIGNALS:
    /// "Copy Record": the window copies the shown entry into the diver's own log.
    void copyRecordRequested();

private:
    store::TData_Form& m_data;
    DiveLogForm* m_form = nullptr;
};

} // namespace zaf::gui
