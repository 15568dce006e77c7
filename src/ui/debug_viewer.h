#pragma once

#include <QWidget>

class QTableView;

namespace zaf::store {
class TData_Form;
}

namespace zaf::gui {

class TableModel;

/// "ZAF Debugger": the trace table in a read-only grid filling the window, a navigator and
/// "Purge Debug Data", which empties the trace.
class TZAF_Debug_Form : public QWidget {
public:
    explicit TZAF_Debug_Form(store::TData_Form& dataForm, QWidget* parent = nullptr);

    /// Re-reads the trace table (new lines are written all the time in debug mode).
    void refresh();
    /// Deletes the trace table and creates it empty and open again; database errors are
    /// ignored, so a purge never stops the program.
    void purge();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void moveTo(int row);
    int currentRow() const;

    store::TData_Form& m_data;
    TableModel* m_model;
    QTableView* m_grid;
};

} // namespace zaf::gui
