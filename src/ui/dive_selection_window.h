#pragma once

#include <QDialog>

class QListWidget;

namespace zaf::store {
class TData_Form;
}

namespace zaf::gui {

/// The "Dive Selection" window of the Trip Report page: the logged-in diver's dives, from
/// which several are picked at once and added to the shown trip's dive list.
class DiveSelectionWindow : public QDialog {
    Q_OBJECT
public:
    DiveSelectionWindow(store::TData_Form& data, QWidget* parent = nullptr);

    /// Reads the diver's dives afresh (each time the window opens).
    void reload();
    QListWidget* choices() const { return m_choices; }

    /// "Add Dives": appends the selected dives to the trip's list.
    void addSelected();
    /// "Clear All Dives": empties the trip's list.
    void clearAll();
    /// "Done": counts the trip's dives and closes.
    void finish();

Q_SIGNALS:
    /// The trip's list changed (the page shows it afresh).
    void tripChanged();

private:
    store::TData_Form& m_data;
    QListWidget* m_choices;
};

} // namespace zaf::gui
