#include "ui/bound_widgets.h"

#include "ui/name_lookup.h"
#include "ui/text_entry_rules.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace zaf::gui {

// ---------------------------------------------------------------- MemoField

MemoField::MemoField(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true); // Tab moves on to the next field, as in every other field
}

void MemoField::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QMimeData plain;
    plain.setText(withBackquotes(source->text()));
    QPlainTextEdit::insertFromMimeData(&plain);
}

void MemoField::mouseDoubleClickEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}

void MemoField::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        Q_EMIT focusLeft();
}

// ---------------------------------------------------------------- ListField

ListField::ListField(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    // The field completes by its own rule; Qt's inline completer would fight it, and a
    // pressed Enter must not add the typed text to the fixed items.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setFocusPolicy(Qt::StrongFocus); // no focus (and no value change) by the mouse wheel
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(6);
    installEventFilter(this);
    lineEdit()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) { complete(text); });
}

void ListField::setItems(const QStringList& items)
{
    // Refilling an editable combo box would put its first item into the text: keep the text.
    const QSignalBlocker blocker(this);
    const QString text = currentText();
    const int cursor = lineEdit()->cursorPosition();
    clear();
    addItems(items);
    setCurrentIndex(findText(text, Qt::MatchFixedString));
    setEditText(text);
    lineEdit()->setCursorPosition(cursor);
}

QStringList ListField::items() const
{
    QStringList all;
    all.reserve(count());
    for (int i = 0; i < count(); ++i)
        all.append(itemText(i));
    return all;
}

QString ListField::completionOf(const QString& typed)
{
    if (typed.isEmpty())
        return {};
    for (int i = 0; i < count(); ++i)
        if (itemText(i).startsWith(typed, Qt::CaseInsensitive))
            return itemText(i);
    return {};
}

void ListField::showPopup()
{
    if (lineEdit()->isReadOnly())
        return; // a read-only field offers nothing to choose
    fillPopup();
    QComboBox::showPopup();
}

bool ListField::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Erasing must not be completed again, or Backspace could never remove a letter.
        m_erasing = key == Qt::Key_Backspace || key == Qt::Key_Delete;
        // The arrows would step a read-only field through its items.
        if (watched == this && lineEdit()->isReadOnly() &&
            (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown))
            return true;
        break;
    }
    case QEvent::Wheel:
        // Scrolling the page over a list must not change the record.
        if (!hasFocus() || lineEdit()->isReadOnly()) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (watched == lineEdit())
            Q_EMIT doubleClicked();
        break;
    default:
        break;
    }
    return QComboBox::eventFilter(watched, event);
}

void ListField::complete(const QString& typed)
{
    const bool erasing = m_erasing || property("zafErasing").toBool();
    m_erasing = false;
    if (m_completing || erasing || !(hasFocus() || lineEdit()->hasFocus()) || typed.isEmpty())
        return;
    const QString found = completionOf(typed);
    if (found.isEmpty() || found.size() < typed.size())
        return;
    m_completing = true;
    setEditText(found);
    lineEdit()->setSelection(int(found.size()), -int(found.size() - typed.size()));
    m_completing = false;
}

// ---------------------------------------------------------------- LinkField

LinkField::LinkField(NameLookup* lookup, bool listFromLookup, QWidget* parent)
    : ListField(parent), m_lookup(lookup), m_listFromLookup(listFromLookup)
{
}

QString LinkField::completionOf(const QString& typed)
{
    if (typed.isEmpty() || !m_lookup)
        return {};
    // Names are kept with a capital first letter; the look-up starts from there.
    const QString start = typed.left(1).toUpper() + typed.mid(1);
    const QString found = m_lookup->nearest(start);
    if (found.toUpper().startsWith(typed.toUpper()))
        return found;
    return {};
}

void LinkField::fillPopup()
{
    if (m_listFromLookup && m_lookup)
        setItems(m_lookup->names());
}

} // namespace zaf::gui
