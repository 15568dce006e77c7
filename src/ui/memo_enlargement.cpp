#include "ui/memo_enlargement.h"

#include "ui/bound_widgets.h"

#include <QBoxLayout>
#include <QEvent>

namespace zaf::gui {

MemoEnlargement::MemoEnlargement(MemoField* memo, QWidget* area)
    : QObject(memo), m_memo(memo), m_area(area), m_home(memo->parentWidget())
{
    m_memo->setToolTip(tr("Dbl Click to toggle full screen"));
    // The enlarged memo follows the area's size.
    area->installEventFilter(this);
}

void MemoEnlargement::followDoubleClicks()
{
    connect(m_memo, &MemoField::doubleClicked, this, [this] { setEnlarged(!m_enlarged); });
    connect(m_memo, &MemoField::focusLeft, this, [this] { setEnlarged(false); });
}

void MemoEnlargement::setEnlarged(bool enlarged)
{
    if (enlarged == m_enlarged || m_moving || !m_area || !m_home)
        return;
    // Moving the memo between parents takes its focus away for a moment; that is no "leave".
    m_moving = true;
    const bool hadFocus = m_memo->hasFocus();
    auto* home = qobject_cast<QBoxLayout*>(m_home->layout());
    if (enlarged) {
        if (home) {
            m_homeIndex = home->indexOf(m_memo);
            m_homeStretch = home->stretch(m_homeIndex);
            home->removeWidget(m_memo);
        }
        m_maxHeight = m_memo->maximumHeight();
        m_memo->setMaximumHeight(QWIDGETSIZE_MAX);
        m_memo->setParent(m_area);
        m_memo->setGeometry(m_area->rect());
        m_memo->show();
        m_memo->raise();
    } else {
        m_memo->setMaximumHeight(m_maxHeight);
        m_memo->setParent(m_home);
        if (home)
            home->insertWidget(m_homeIndex, m_memo, m_homeStretch);
        m_memo->show();
    }
    m_enlarged = enlarged;
    if (hadFocus || enlarged)
        m_memo->setFocus(Qt::OtherFocusReason);
    m_moving = false;
}

bool MemoEnlargement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_area && event->type() == QEvent::Resize && m_enlarged)
        m_memo->setGeometry(m_area->rect());
    return QObject::eventFilter(watched, event);
}

} // namespace zaf::gui
