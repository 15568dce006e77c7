#pragma once

#include "core/view_state.h"

#include <QWidget>
#include <functional>

class QToolButton;

namespace zaf::store {
class Table;
}

namespace zaf::gui {

/// The record navigator of a page: First, Prior, Next, Last, Insert and Delete over one
/// table. The record rules choose which buttons show (`setVisibleButtons`). The buttons are
/// named after the navigator: "<name>_First", "<name>_Prior", "<name>_Next", "<name>_Last",
/// "<name>_Insert", "<name>_Delete".
class RecordNavigator : public QWidget {
    Q_OBJECT
public:
    RecordNavigator(store::Table& table, const QString& objectName, QWidget* parent = nullptr);

    /// NavigatorButton flags of the buttons shown.
    void setVisibleButtons(unsigned buttons);
    unsigned visibleButtons() const { return m_visible; }
    /// Carries out a button as if it was clicked (a hidden button does nothing).
    void click(NavigatorButton button);
    QToolButton* button(NavigatorButton button) const;

    /// The frame's own preparation, before `beforeAction` (the record page writes typed text
    /// back and hides its table view); pages leave it to the frame.
    std::function<void(NavigatorButton)> prepareAction;
    /// Runs before every button's action (a page stores its grid, posts the dive log, hides its
    /// table view); an exception thrown here stops the action.
    std::function<void(NavigatorButton)> beforeAction;
    /// Runs after the action succeeded.
    std::function<void(NavigatorButton)> afterAction;
    /// Delete asks "Delete record?" first; a page may turn the question off.
    bool confirmDelete = true;

private:
    void run(NavigatorButton button);

    store::Table& m_table;
    unsigned m_visible = 0;
    QToolButton* m_buttons[6] = {};
};

} // namespace zaf::gui
