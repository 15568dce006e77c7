#include "ui/record_navigator.h"

#include "core/ui.h"
#include "store/table.h"
#include "ui/slot_errors.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace zaf::gui {
namespace {

enum class Glyph { First, Prior, Next, Last, Plus, Minus };

struct ButtonInfo {
    NavigatorButton button;
    const char* suffix;
    const char* tip;
    Glyph glyph;
};

constexpr ButtonInfo kButtons[6] = {
    {NavFirst, "_First", "First record", Glyph::First},
    {NavPrior, "_Prior", "Prior record", Glyph::Prior},
    {NavNext, "_Next", "Next record", Glyph::Next},
    {NavLast, "_Last", "Last record", Glyph::Last},
    {NavInsert, "_Insert", "Insert record", Glyph::Plus},
    {NavDelete, "_Delete", "Delete record", Glyph::Minus},
};

int slotOf(NavigatorButton button)
{
    for (int i = 0; i < 6; ++i)
        if (kButtons[i].button == button)
            return i;
    return -1;
}

/// The button's picture, drawn rather than loaded so that it stays sharp at any scale and
/// takes the colour of the style's button text.
QIcon drawnIcon(Glyph glyph, const QColor& colour)
{
    constexpr int size = 32; // drawn large, shown at 16 or 20 pixels
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const auto triangle = [&](qreal tipX, bool pointsLeft) {
        QPainterPath path;
        const qreal baseX = pointsLeft ? tipX + 13 : tipX - 13;
        path.moveTo(tipX, 16);
        path.lineTo(baseX, 6);
        path.lineTo(baseX, 26);
        path.closeSubpath();
        p.drawPath(path);
    };
    switch (glyph) {
    case Glyph::First:
        p.drawRoundedRect(QRectF(7, 6, 4, 20), 1, 1);
        triangle(12, true);
        break;
    case Glyph::Prior:
        triangle(9, true);
        break;
    case Glyph::Next:
        triangle(23, false);
        break;
    case Glyph::Last:
        p.drawRoundedRect(QRectF(21, 6, 4, 20), 1, 1);
        triangle(20, false);
        break;
    case Glyph::Plus:
        p.drawRoundedRect(QRectF(14, 6, 4, 20), 1.5, 1.5);
        p.drawRoundedRect(QRectF(6, 14, 20, 4), 1.5, 1.5);
        break;
    case Glyph::Minus:
        p.drawRoundedRect(QRectF(6, 14, 20, 4), 1.5, 1.5);
        break;
    }
    return QIcon(pixmap);
}

} // namespace

RecordNavigator::RecordNavigator(store::Table& table, const QString& objectName, QWidget* parent)
    : QWidget(parent), m_table(table)
{
    setObjectName(objectName);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    const QColor colour = palette().color(QPalette::ButtonText);
    for (int i = 0; i < 6; ++i) {
        const ButtonInfo& info = kButtons[i];
        auto* b = new QToolButton(this);
        b->setObjectName(objectName + QLatin1String(info.suffix));
        b->setToolTip(tr(info.tip));
        b->setIcon(drawnIcon(info.glyph, colour));
        b->setIconSize(QSize(16, 16));
        b->setAutoRaise(false);
        b->setFocusPolicy(Qt::NoFocus); // the field being typed in keeps the focus
        b->setMinimumSize(30, 26);
        b->hide();
        const NavigatorButton which = info.button;
        connect(b, &QToolButton::clicked, this, [this, which] { run(which); });
        row->addWidget(b);
        m_buttons[i] = b;
    }
}

void RecordNavigator::setVisibleButtons(unsigned buttons)
{
    m_visible = buttons;
    for (int i = 0; i < 6; ++i)
        m_buttons[i]->setVisible((buttons & kButtons[i].button) != 0);
}

void RecordNavigator::click(NavigatorButton button)
{
    run(button);
}

QToolButton* RecordNavigator::button(NavigatorButton button) const
{
    const int slot = slotOf(button);
    return slot >= 0 ? m_buttons[slot] : nullptr;
}

void RecordNavigator::run(NavigatorButton button)
{
    if ((m_visible & button) == 0)
        return;
    // Called from a button's click: nothing may leave here as an exception.
    runReported([&] {
        if (button == NavDelete) {
            if (!m_table.isOpen() || (!m_table.isEditing() && m_table.isEmpty()))
                return; // nothing to delete
            if (confirmDelete && ui().askYesNo(QStringLiteral("Delete record?")) != Answer::Yes)
                return;
        }
        if (prepareAction)
            prepareAction(button);
        if (beforeAction)
            beforeAction(button);
        switch (button) {
        case NavFirst:
            m_table.first();
            break;
        case NavPrior:
            m_table.prior();
            break;
        case NavNext:
            m_table.next();
            break;
        case NavLast:
            m_table.last();
            break;
        case NavInsert:
            m_table.insert();
            break;
        case NavDelete:
            m_table.deleteRecord();
            break;
        }
        if (afterAction)
            afterAction(button);
    });
}

} // namespace zaf::gui
