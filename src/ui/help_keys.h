#pragma once

#include <QObject>
#include <functional>

class QAction;
class QWidget;

namespace zaf::gui {

/// Gives a window or control its help topic, shown when F1 is pressed while it (or a
/// control inside it without a topic of its own) has the focus.
void setHelpContext(QWidget* widget, int topic);
/// Gives a menu command its help topic, shown for F1 while the command is highlighted in
/// its open menu (a command without one shows the menu's topic).
void setHelpContext(QAction* action, int topic);
/// The topic of a widget: its own, else the nearest parent's; help_topic::Fallback when
/// neither it nor any parent carries one.
int helpContextOf(const QWidget* widget);

/// Application-wide F1: looks up the topic of the widget that receives the key and hands it
/// to `show`. Install once on the application object.
class HelpKeyFilter : public QObject {
public:
    explicit HelpKeyFilter(std::function<void(int topic)> show, QObject* parent = nullptr);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(int)> m_show;
};

/// Installs a HelpKeyFilter on the running application that shows topics with show_help.
HelpKeyFilter* installHelpKey();

} // namespace zaf::gui
