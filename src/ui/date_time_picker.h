#pragma once

#include <QDialog>
#include <QPoint>
#include <optional>

class QCalendarWidget;
class QPushButton;
class QTimeEdit;

namespace zaf::gui {

/// "Pick Date & Time": a small window that stays on top, with a month calendar, a
/// time-of-day field and the buttons "Set" (the default) and "Cancel". The date fields of the
/// record pages open it on a double click. Made once; closing it only hides it.
class DateTimePicker : public QDialog {
public:
    explicit DateTimePicker(QWidget* parent = nullptr);

    /// Shows the picker with its top-left corner at `at`, starting from `current` (a day
    /// count; 0, an empty field, starts from today), and waits while the program's events
    /// run: the chosen date and time on "Set"; nothing on "Cancel", on closing the window
    /// or when the cancel flag ends the wait.
    std::optional<double> pick(double current, QPoint at);

    QCalendarWidget* calendar() const { return m_calendar; }
    QTimeEdit* timeField() const { return m_time; }

private:
    void setChosen();

    QCalendarWidget* m_calendar;
    QTimeEdit* m_time;
    QPushButton* m_set;
    std::optional<double> m_result;
    bool m_waiting = false;
};

} // namespace zaf::gui
