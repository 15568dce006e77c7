#include "ui/date_time_picker.h"

#include "core/cancel_flag.h"
#include "core/day_count.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace zaf::gui {

DateTimePicker::DateTimePicker(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("DateTimePicker"));
    setWindowTitle(QStringLiteral("Pick Date & Time"));
    setModal(false);

    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("Calendar"));
    m_calendar->setGridVisible(true);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);

    m_time = new QTimeEdit(this);
    m_time->setObjectName(QStringLiteral("TimeField"));
    m_time->setDisplayFormat(QStringLiteral("h:mm AP"));

    m_set = new QPushButton(QStringLiteral("Set"), this);
    m_set->setObjectName(QStringLiteral("SetButton"));
    m_set->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);
    connect(m_set, &QPushButton::clicked, this, [this] { setChosen(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_time, 1);
    buttons->addWidget(m_set);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_calendar);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void DateTimePicker::setChosen()
{
    m_result = toDayCount(QDateTime(m_calendar->selectedDate(), m_time->time()));
    accept();
}

std::optional<double> DateTimePicker::pick(double current, QPoint at)
{
    // A double click arriving while the picker already waits is not a second question.
    if (m_waiting)
        return std::nullopt;
    m_waiting = true;
    m_result.reset();

    // An empty field reads as day 0 (30 December 1899), which no diver means to pick near.
    const QDateTime start = current == 0 ? QDateTime::currentDateTime() : fromDayCount(current);
    m_calendar->setSelectedDate(start.date());
    // Seconds stay as they were (a downloaded dive has them) though the field shows minutes.
    m_time->setTime(start.time());
    move(at);
    show();
    raise();
    activateWindow();
    m_set->setFocus();

    // The cancel flag is set by event handlers, so waking on events is enough; the tick only
    // bounds how long a flag set elsewhere goes unnoticed.
    QTimer tick;
    tick.start(100);
    while (isVisible() && !cancelRequested())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    tick.stop();

    if (isVisible()) {
        // Ended by the cancel flag: nothing was chosen.
        m_result.reset();
        hide();
    }
    m_waiting = false;
    return m_result;
}

} // namespace zaf::gui
