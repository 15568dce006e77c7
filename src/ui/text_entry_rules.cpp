#include "ui/text_entry_rules.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QVariant>

namespace zaf::gui {
namespace {

constexpr QChar kApostrophe(39);
constexpr QChar kBackquote(96);

/// Set on a list field while the Backspace rule cuts its text, so that its completion does
/// not put back what the diver just removed.
constexpr const char* kErasingProperty = "zafErasing";

/// Watches the key presses of one field: rewrites typed apostrophes and carries out the
/// Backspace rule. Lives as a child of the field it watches.
class TextEntryFilter : public QObject {
public:
    TextEntryFilter(QWidget* field, bool listField) : QObject(field), m_field(field), m_listField(listField) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->text() == QString(kApostrophe))
            return retype(watched, key);
        if (key->key() == Qt::Key_Backspace && key->modifiers() == Qt::NoModifier)
            return backspace();
        return false;
    }

private:
    /// Sends the same key press again, carrying a backquote instead of the apostrophe.
    static bool retype(QObject* watched, const QKeyEvent* key)
    {
        QKeyEvent backquote(QEvent::KeyPress, Qt::Key_QuoteLeft, key->modifiers(), QString(kBackquote),
                            key->isAutoRepeat(), ushort(key->count()));
        QCoreApplication::sendEvent(watched, &backquote);
        return true;
    }

    QLineEdit* lineEdit() const
    {
        if (auto* edit = qobject_cast<QLineEdit*>(m_field))
            return edit;
        if (auto* combo = qobject_cast<QComboBox*>(m_field))
            return combo->lineEdit();
        return nullptr;
    }

    bool backspace()
    {
        QLineEdit* edit = lineEdit();
        // A memo keeps the ordinary Backspace: cutting a long text away would lose too much.
        if (!edit || edit->isReadOnly())
            return false;
        if (!edit->hasSelectedText()) {
            if (m_listField)
                edit->end(false); // the ordinary Backspace then takes the last character
            return false;
        }
        const QString text = edit->text();
        const QString kept = textAfterSelectionBackspace(text, edit->selectionStart(), m_listField);
        // Selecting the rest and deleting it counts as the diver's own edit (unlike setText),
        // so the bound record hears of it like any typed change.
        m_field->setProperty(kErasingProperty, true);
        edit->setSelection(int(kept.size()), int(text.size() - kept.size()));
        edit->del();
        if (m_field)
            m_field->setProperty(kErasingProperty, false);
        return true;
    }

    QPointer<QWidget> m_field;
    bool m_listField;
};

} // namespace

QString textAfterSelectionBackspace(const QString& text, int selectionStart, bool listField)
{
    const int keep = listField ? selectionStart : selectionStart - 1;
    return text.left(qBound(0, keep, int(text.size())));
}

QString withBackquotes(QString text)
{
    return text.replace(kApostrophe, kBackquote);
}

void installTextEntryRules(QWidget* field, bool listField)
{
    if (!field)
        return;
    auto* filter = new TextEntryFilter(field, listField);
    field->installEventFilter(filter);
    // An editable combo box passes its keys to its line edit directly; a test or an input
    // method may also address the line edit itself, so it is watched too.
    if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(filter);
}

} // namespace zaf::gui
