#pragma once

#include "ui/record_page.h"

#include <memory>

class QPushButton;

namespace zaf::store {
class TData_Form;
}

namespace zaf::gui {

class DiveLogForm;
class ListField;
class NameLookup;

/// The "Dive Log" page: the diver's own dive log entry with its lists, links and six
/// sub-pages. Leaving and entering its fields runs the dive's time and gas rules, its unit
/// buttons convert the entry, and its surface interval is typed as days, hours and minutes.
class DiveLogPage : public RecordPage {
    Q_OBJECT
public:
    DiveLogPage(store::TData_Form& dataForm, QWidget* parent = nullptr);
    ~DiveLogPage() override;

    /// The fields, sub-pages and controls as built.
    DiveLogForm& diveForm() const { return *m_form; }

    /// Brings the "Gas Mixture" sub-page to the front.
    void showGasMixture();

    void setUnitCaptions(const UnitCaptions& captions) override;
    void setControlShown(PageControl control, bool shown) override;
    SurfaceIntervalBoxes surfaceIntervalBoxes() const override;
    void setSurfaceIntervalBoxes(const SurfaceIntervalBoxes& boxes) override;
    void listsReloaded(const store::TData_Form& dataForm) override;
    /// Runs the dive log's scroll rule and starts a new entry on an empty log.
    void enterPage() override;

Q_SIGNALS:
    /// "Copy Record": the window copies the shown entry into the diver's own log.
    void copyRecordRequested();

private:
    void installFieldRules();
    void installIntervalBoxRules();
    /// Runs a rule that changes the entry only while the entry is the diver's own.
    void ifEditable(void (*rule)(store::TData_Form&));

    store::TData_Form& m_data;
    std::unique_ptr<NameLookup> m_divers;
    std::unique_ptr<NameLookup> m_diveSites;
    std::unique_ptr<NameLookup> m_diveResources;
    std::unique_ptr<NameLookup> m_locations;
    DiveLogForm* m_form = nullptr;
};

} // namespace zaf::gui
