#include "ui/record_binder.h"

#include "core/ui.h"
#include "store/data_source.h"
#include "store/errors.h"
#include "store/table.h"
#include "ui/slot_errors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>

namespace zaf::gui {
namespace {

QString ruleKey(const QString& fieldName)
{
    return fieldName.toLower(); // field names are case-insensitive, as in the store
}

/// The text a widget holds now (a check box answers "True" or "False").
QString textOf(const QWidget* widget)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(widget))
        return memo->toPlainText();
    if (auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText();
    if (auto* check = qobject_cast<const QCheckBox*>(widget))
        return check->isChecked() ? QStringLiteral("True") : QStringLiteral("False");
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    return {};
}

/// Puts a text into a widget, leaving it alone when it already shows that text (so the
/// caret of a field being typed in does not jump).
void setTextOf(QWidget* widget, const QString& text, bool checked)
{
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != text) {
            edit->setText(text);
            if (!edit->hasFocus())
                edit->setCursorPosition(0); // a long text shows its beginning
        }
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        if (memo->toPlainText() != text)
            memo->setPlainText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (combo->currentText() == text)
            return;
        if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString));
    } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        check->setChecked(checked);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    }
}

bool isFocusMove(const QEvent* event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    // Another window taking over, or a drop-down opening, is no leaving of the field.
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

RecordBinder::RecordBinder(store::DataSource& source, QObject* parent)
    : QObject(parent), m_source(source), m_alive(std::make_shared<bool>(true))
{
    const std::weak_ptr<bool> alive = m_alive;
    // The record rules set the automatic edit switch per record in their handler, so theirs
    // runs first and the widgets follow what it decided.
    std::function<void(store::Field*)> previous = source.onDataChange;
    source.onDataChange = [previous, alive, this](store::Field* changed) {
        if (previous)
            previous(changed);
        if (alive.lock())
            dataChanged(changed);
    };
    // Whoever posts the record (a rule, the page change, a navigator) stores what was typed
    // first; the table's own checks then see it.
    if (store::Table* table = source.table()) {
        store::Table::Event before = table->onBeforePost;
        table->onBeforePost = [before, alive, this](store::Table& t) {
            if (alive.lock())
                flush();
            if (before)
                before(t);
        };
    }
    m_editable = m_source.autoEdit && m_source.table() && m_source.table()->isOpen();
}

RecordBinder::~RecordBinder() = default;

store::Table& RecordBinder::table() const
{
    return *m_source.table();
}

void RecordBinder::bind(QWidget* widget, const QString& fieldName, bool readOnly)
{
    if (!widget)
        return;
    m_bindings.append(Binding{widget, fieldName, readOnly, false});
    const int index = int(m_bindings.size()) - 1;
    connectWidget(index);
    show(m_bindings[index]);
    setWidgetReadOnly(widget, readOnly || !m_editable);
}

QWidget* RecordBinder::widget(const QString& fieldName) const
{
    for (const Binding& b : m_bindings)
        if (b.widget && b.field.compare(fieldName, Qt::CaseInsensitive) == 0)
            return b.widget;
    return nullptr;
}

void RecordBinder::onEnter(const QString& fieldName, Rule rule)
{
    m_rules[ruleKey(fieldName)].enter.append(std::move(rule));
}

void RecordBinder::onLeave(const QString& fieldName, Rule rule)
{
    m_rules[ruleKey(fieldName)].leave.append(std::move(rule));
}

void RecordBinder::onKeyReleased(const QString& fieldName, Rule rule)
{
    m_rules[ruleKey(fieldName)].keyReleased.append(std::move(rule));
}

void RecordBinder::onDoubleClick(const QString& fieldName, Rule rule)
{
    m_rules[ruleKey(fieldName)].doubleClick.append(std::move(rule));
}

void RecordBinder::onTextChanged(const QString& fieldName, Rule rule)
{
    m_rules[ruleKey(fieldName)].textChanged.append(std::move(rule));
}

void RecordBinder::connectWidget(int index)
{
    QWidget* w = m_bindings[index].widget;
    const auto changed = [this, index] {
        runReported([&] { typed(index); });
        run(m_rules.value(ruleKey(m_bindings[index].field)).textChanged);
    };
    // Every change of the shown text counts, not only typed ones: a completion, a choice from
    // the drop-down or a page's own setText all become the record's value.
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        connect(edit, &QLineEdit::textChanged, this, changed);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
        connect(memo, &QPlainTextEdit::textChanged, this, changed);
        memo->viewport()->installEventFilter(this); // its mouse events go to the viewport
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->isEditable()) {
            connect(combo, &QComboBox::editTextChanged, this, changed);
            combo->lineEdit()->installEventFilter(this); // its mouse events go to the line edit
        } else {
            connect(combo, &QComboBox::currentTextChanged, this, changed);
        }
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        connect(check, &QCheckBox::toggled, this, changed);
    }
    w->installEventFilter(this);
}

void RecordBinder::typed(int index)
{
    if (m_showing)
        return;
    Binding& b = m_bindings[index];
    if (!b.widget || index == m_writing)
        return;
    const bool editable = m_source.autoEdit && m_source.table() && m_source.table()->isOpen();
    if (b.readOnly || !editable) {
        show(b); // nothing reaches a record the diver may not change
        return;
    }
    b.dirty = true;
    // Written at once so that nothing typed is lost when something else posts or moves the
    // record; a text that is not yet a value ("12.", "3/") waits for the field to be left.
    writeBack(b, false);
}

bool RecordBinder::writeBack(Binding& b, bool report)
{
    if (!b.dirty || !b.widget)
        return true;
    store::Table* t = m_source.table();
    store::Field* field = t && t->isOpen() ? t->findField(b.field) : nullptr;
    if (!field || b.readOnly || !m_source.autoEdit) {
        b.dirty = false;
        return true;
    }
    const int index = int(&b - m_bindings.data());
    const QScopedValueRollback<int> writing(m_writing, index);
    QWidget* w = b.widget;
    const QString text = textOf(w);
    const auto* check = qobject_cast<const QCheckBox*>(w);
    const bool checked = check && check->isChecked();
    try {
        if (!t->isEditing()) {
            t->edit();
            // On an empty table that starts a new record, which shows itself in every field:
            // the text being typed is put back.
            if (textOf(w) != text) {
                const QScopedValueRollback<bool> showing(m_showing, true);
                setTextOf(w, text, checked);
            }
        }
        if (check)
            field->setAsBoolean(checked);
        else
            field->setAsString(text);
        b.dirty = false;
        return true;
    } catch (const store::DatabaseError& e) {
        if (!report)
            return false;
        b.dirty = false;
        ui().message(QStringLiteral("%1: %2").arg(field->name(), e.message()), MessageKind::Warning);
        show(b);
        return false;
    }
}

void RecordBinder::show(Binding& b)
{
    if (!b.widget)
        return;
    QString text;
    bool checked = false;
    store::Table* t = m_source.table();
    if (store::Field* field = t && t->isOpen() ? t->findField(b.field) : nullptr) {
        try {
            text = field->displayText();
            if (qobject_cast<QCheckBox*>(b.widget.data()))
                checked = field->asBoolean();
        } catch (const store::DatabaseError&) {
            text.clear(); // a value the field cannot show is shown as nothing
        }
        if (auto* edit = qobject_cast<QLineEdit*>(b.widget.data());
            edit && field->type() == store::FieldType::Text && field->size() > 0)
            edit->setMaxLength(field->size());
    }
    const QScopedValueRollback<bool> showing(m_showing, true);
    setTextOf(b.widget, text, checked);
    b.dirty = false;
}

void RecordBinder::refresh()
{
    applyEditable();
    for (int i = 0; i < m_bindings.size(); ++i)
        if (i != m_writing)
            show(m_bindings[i]);
}

void RecordBinder::refresh(const store::Field& field)
{
    for (int i = 0; i < m_bindings.size(); ++i)
        if (i != m_writing && m_bindings[i].field.compare(field.name(), Qt::CaseInsensitive) == 0)
            show(m_bindings[i]);
}

bool RecordBinder::flush()
{
    bool ok = true;
    for (Binding& b : m_bindings)
        if (b.dirty && !writeBack(b, true))
            ok = false;
    return ok;
}

void RecordBinder::setWidgetReadOnly(QWidget* w, bool readOnly)
{
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setReadOnly(readOnly);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
        memo->setReadOnly(readOnly);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->isEditable())
            combo->lineEdit()->setReadOnly(readOnly);
        else
            combo->setEnabled(!readOnly);
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        // Not disabled: a disabled box is greyed out, and the other diver's answer should read
        // as clearly as one's own.
        check->setAttribute(Qt::WA_TransparentForMouseEvents, readOnly);
        check->setFocusPolicy(readOnly ? Qt::NoFocus : Qt::StrongFocus);
    }
}

void RecordBinder::applyEditable()
{
    m_editable = m_source.autoEdit && m_source.table() && m_source.table()->isOpen();
    for (const Binding& b : m_bindings)
        if (b.widget && !b.readOnly)
            setWidgetReadOnly(b.widget, !m_editable);
}

void RecordBinder::dataChanged(store::Field* changed)
{
    applyEditable();
    if (changed)
        refresh(*changed);
    else
        refresh();
}

int RecordBinder::indexOf(const QObject* widget) const
{
    for (int i = 0; i < m_bindings.size(); ++i) {
        const QWidget* w = m_bindings[i].widget;
        if (!w)
            continue;
        // The line edit of a list and the viewport of a memo stand for their field.
        if (w == widget || (widget && widget->parent() == w &&
                            (qobject_cast<const QLineEdit*>(widget) ||
                             (qobject_cast<const QPlainTextEdit*>(w) &&
                              widget == static_cast<const QPlainTextEdit*>(w)->viewport()))))
            return i;
    }
    return -1;
}

bool RecordBinder::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::FocusIn && type != QEvent::FocusOut && type != QEvent::KeyRelease &&
        type != QEvent::MouseButtonDblClick)
        return false;
    const int index = indexOf(watched);
    if (index < 0)
        return false;
    const bool isField = watched == m_bindings[index].widget;
    const Rules rules = m_rules.value(ruleKey(m_bindings[index].field));
    switch (type) {
    case QEvent::FocusIn:
        // The first field of a window is entered when the window opens; coming back to the
        // window is no new entering of the field that had the focus.
        if (isField && m_entered != m_bindings[index].widget &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            m_entered = m_bindings[index].widget;
            run(rules.enter);
        }
        break;
    case QEvent::FocusOut:
        if (isField && isFocusMove(event)) {
            if (m_entered == m_bindings[index].widget)
                m_entered = nullptr;
            runReported([&] {
                Binding& b = m_bindings[index];
                if (writeBack(b, true))
                    show(b); // the value as the record keeps it ("12.50" shows as 12.5)
            });
            run(rules.leave);
        }
        break;
    case QEvent::KeyRelease:
        run(rules.keyReleased);
        break;
    case QEvent::MouseButtonDblClick:
        run(rules.doubleClick);
        break;
    default:
        break;
    }
    return false;
}

void RecordBinder::run(const QVector<Rule>& rules)
{
    for (const Rule& rule : rules)
        runReported(rule);
}

} // namespace zaf::gui
