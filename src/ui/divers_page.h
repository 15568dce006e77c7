#pragma once

#include "ui/record_page.h"

#include <memory>

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace zaf::store {
class TData_Form;
}

namespace zaf::gui {

class CertificationGrid;
class PictureFrame;

/// The "Divers" page: the shown `Divers` record with its totals from the logs, its
/// certification grid, the unit buttons that convert the record, and the sub-pages
/// "Picture", "Dives" (the shown diver's logged dives), "Emergency" and "Notes".
class DiversPage : public RecordPage {
    Q_OBJECT
public:
    DiversPage(store::TData_Form& data, QWidget* parent = nullptr);
    ~DiversPage() override;

    /// Sets the captions of the depth and weight unit buttons ("Feet"/"Meters", "lb."/"kg").
    void setDiverUnitCaptions(const QString& depth, const QString& weight);
    /// Takes the depth and weight captions of a unit caption set.
    void setUnitCaptions(const UnitCaptions& captions) override;
    /// The depth unit button's caption ("Feet" or "Meters").
    QString depthUnitCaption() const;
    /// Loads the file into the diver's picture frame; false (and an empty frame) when it does not load.
    bool showPicture(const QString& filePath) override;
    /// "Add" and "Delete" of the certifications (AddDiver, DeleteDiver); the rest as every page.
    void setControlShown(PageControl control, bool shown) override;
    /// Refills the certification grid (and the total dive time) from the shown diver.
    void refreshCertifications();
    /// Writes typed text back, and stores the certification grid when it has the focus.
    void storePending() override;
    /// Recomputes the diver's totals (when the log is open), restricts the Dives sub-page to
    /// the shown diver's entries and fills the certification grid.
    void enterPage() override;

    CertificationGrid* certificationGrid() const { return m_certifications; }
    TableGrid* divesGrid() const { return m_dives; }
    PictureFrame* pictureFrame() const { return m_picture; }

private:
    void convertUnits();
    void openDive(int recNo);
    void showDurationText();

    store::TData_Form& m_data;
    QTabWidget* m_tabs = nullptr;
    CertificationGrid* m_certifications = nullptr;
    TableGrid* m_dives = nullptr;
    PictureFrame* m_picture = nullptr;
    QPushButton* m_depthUnit = nullptr;
    QPushButton* m_weightUnit = nullptr;
    QPushButton* m_addCertification = nullptr;
    QPushButton* m_deleteCertification = nullptr;
    QLineEdit* m_totalTime = nullptr;
};

} // namespace zaf::gui
