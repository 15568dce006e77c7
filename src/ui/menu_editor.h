#pragma once

#include <QWidget>
#include <memory>

class QTableView;

namespace zaf::store {
class TData_Form;
}

namespace zaf::gui {

class EditableTableModel;
class ErrorHandler;
class RecordNavigator;

/// "ZAF Drop Down List Editor": the entries of the drop-down lists (`MenuItems`) in a grid of
/// list and entry, edited in place, with a record navigator; "Done" reloads the lists and
/// closes the window.
class TMenu_Editor : public QWidget {
public:
    explicit TMenu_Editor(store::TData_Form& dataForm, QWidget* parent = nullptr);
    ~TMenu_Editor() override;

    /// Shows the editor kept in `slot`, making it first when there is none yet (with a
    /// status text while it is being made).
    static TMenu_Editor& open(std::unique_ptr<TMenu_Editor>& slot, store::TData_Form& dataForm, QWidget* parent = nullptr);

    /// Where refused edits go; by default the application's handler.
    void setErrorHandler(ErrorHandler* handler) { m_handler = handler; }
    /// "Done": stores or drops a pending entry, reloads the lists and closes.
    void done();

    QTableView* grid() const { return m_grid; }
    EditableTableModel* model() const { return m_model; }
    RecordNavigator* navigator() const { return m_navigator; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void reload();
    void report(const QString& message);

    store::TData_Form& m_data;
    ErrorHandler* m_handler = nullptr;
    EditableTableModel* m_model;
    QTableView* m_grid;
    RecordNavigator* m_navigator;
    bool m_syncing = false; ///< the grid follows the table: its row changes move nothing
};

} // namespace zaf::gui
