#pragma once

#include <QLabel>
#include <QMouseEvent>
#include <functional>

namespace zaf::gui {

/// A picture or text that does something when clicked (the sponsor logos, the start page).
class ClickableLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> clicked;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QLabel::mouseReleaseEvent(event);
        if (clicked && rect().contains(event->position().toPoint()))
            clicked();
    }
};

} // namespace zaf::gui
