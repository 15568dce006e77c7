#pragma once

#include "ui/debug_password.h"

#include <QDialog>
#include <functional>

class QLabel;

namespace zaf::store {
class TData_Form;
}

namespace zaf::gui {

/// "About ZAF": product, version, build and operating system. A double click on the
/// program's picture asks for the debug password (see debug_password.h).
class TAboutBox : public QDialog {
public:
    /// `dataForm` is the store debug mode reopens; without it the picture does nothing.
    explicit TAboutBox(store::TData_Form* dataForm = nullptr, DebugModeHooks hooks = {}, QWidget* parent = nullptr);

    /// Shows the box centred on the screen.
    void showCentred();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    store::TData_Form* m_data;
    DebugModeHooks m_hooks;
    QLabel* m_icon;
};

} // namespace zaf::gui
