#pragma once

#include "ui/record_page.h"

#include <memory>

class QListWidget;
class QPushButton;
class QTabWidget;

namespace zaf::store {
class TData_Form;
}

namespace zaf::gui {

class DiveSelectionWindow;
class LinkField;
class NameLookup;
class PictureFrame;

/// The "Trip Report" page: the shown `Travel` record with its costs and their total, the
/// trip's dive list (sub-page "Dives", picked from the diver's log in the "Dive Selection"
/// window) and the trip's pictures (sub-page "Pictures").
class TripReportPage : public RecordPage {
    Q_OBJECT
public:
    TripReportPage(store::TData_Form& data, QWidget* parent = nullptr);
    ~TripReportPage() override;

    /// "Add Dives", "Clear Dives" and the currency; the rest as every page.
    void setControlShown(PageControl control, bool shown) override;
    /// Loads the file into the trip's picture frame; false (and an empty frame) when it does not load.
    bool showPicture(const QString& filePath) override;
    void listsReloaded(const store::TData_Form& data) override;
    /// Starts a trip on an empty table, then runs the trip's scroll rule for the shown trip.
    void enterPage() override;

    /// Opens the "Dive Selection" window over the shown trip.
    void openDiveSelection();
    /// "Clear Dives": empties the trip's dive list after asking.
    void clearDives();
    /// Removes the selected line of the trip's dive list.
    void removeSelectedDive();

    QListWidget* divesList() const { return m_dives; }
    DiveSelectionWindow* diveSelectionWindow() const { return m_selection; }
    PictureFrame* pictureFrame() const { return m_picture; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showDives();
    void updateTotalCost();

    store::TData_Form& m_data;
    std::unique_ptr<NameLookup> m_locations;
    std::unique_ptr<NameLookup> m_companies;
    LinkField* m_location = nullptr;
    QTabWidget* m_tabs = nullptr;
    QListWidget* m_dives = nullptr;
    QPushButton* m_addDives = nullptr;
    QPushButton* m_clearDives = nullptr;
    QWidget* m_currency = nullptr;
    PictureFrame* m_picture = nullptr;
    DiveSelectionWindow* m_selection = nullptr;
};

} // namespace zaf::gui
