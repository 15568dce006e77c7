#include "ui/help_keys.h"

#include "ui/help_topics.h"
#include "ui/help_window.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace zaf::gui {
namespace {
constexpr const char* kHelpContext = "helpContext";
}

void setHelpContext(QWidget* widget, int topic)
{
    widget->setProperty(kHelpContext, topic);
}

void setHelpContext(QAction* action, int topic)
{
    action->setProperty(kHelpContext, topic);
}

int helpContextOf(const QWidget* widget)
{
    if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
        if (const QAction* active = menu->activeAction()) {
            const QVariant topic = active->property(kHelpContext);
            if (topic.isValid())
                return topic.toInt();
        }
    }
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant topic = w->property(kHelpContext);
        if (topic.isValid())
            return topic.toInt();
    }
    return help_topic::Fallback;
}

HelpKeyFilter::HelpKeyFilter(std::function<void(int)> show, QObject* parent)
    : QObject(parent), m_show(std::move(show))
{
}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    // Consumed here, so the key does not travel on to the parents and open a second topic.
    if (m_show)
        m_show(helpContextOf(widget));
    return true;
}

HelpKeyFilter* installHelpKey()
{
    auto* filter = new HelpKeyFilter([](int topic) { show_help(topic); }, qApp);
    qApp->installEventFilter(filter);
    return filter;
}

} // namespace zaf::gui
