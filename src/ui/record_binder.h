#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>
#include <functional>
#include <memory>

class QWidget;

namespace zaf::store {
class DataSource;
class Field;
class Table;
} // namespace zaf::store

namespace zaf::gui {

/// Binds the widgets of one page to one table's data source. Each bound widget shows its
/// field's display text and follows every move and change of the record. Typing puts the
/// record into edit state (when the data source's automatic edit allows it: records of other
/// owners are read-only) and the text is written back when the field is left, or before the
/// record is posted, whichever comes first. Leaving a field then runs its leave rules.
///
/// Widgets that can be bound: QLineEdit, MemoField (any QPlainTextEdit), ListField and
/// LinkField (any QComboBox), QCheckBox, QLabel (shown only).
class RecordBinder : public QObject {
    Q_OBJECT
public:
    using Rule = std::function<void()>;

    RecordBinder(store::DataSource& source, QObject* parent = nullptr);
    ~RecordBinder() override;

    store::DataSource& source() const { return m_source; }
    store::Table& table() const;

    /// Binds a widget to a field of the table. A read-only widget never writes back.
    void bind(QWidget* widget, const QString& fieldName, bool readOnly = false);
    /// The first widget bound to the field; null when none is.
    QWidget* widget(const QString& fieldName) const;

    /// Rules of a field (several per event run in the order they were added).
    void onEnter(const QString& fieldName, Rule rule);
    void onLeave(const QString& fieldName, Rule rule);
    void onKeyReleased(const QString& fieldName, Rule rule);
    void onDoubleClick(const QString& fieldName, Rule rule);
    /// Every change of the field's shown text, by typing or by the record.
    void onTextChanged(const QString& fieldName, Rule rule);

    /// Shows the record's values in every widget (or in the widgets of one field).
    void refresh();
    void refresh(const store::Field& field);
    /// Writes every typed, not yet written text back into the record. A text the field
    /// refuses (not a number, not a date) is reported and the widget shows the record again.
    /// Returns false when a text was refused.
    bool flush();
    /// Whether the widgets take input: follows the data source's automatic edit switch.
    bool editable() const { return m_editable; }

private:
    struct Binding {
        QPointer<QWidget> widget;
        QString field;
        bool readOnly = false;
        bool dirty = false;
    };
    struct Rules {
        QVector<Rule> enter, leave, keyReleased, doubleClick, textChanged;
    };

    bool eventFilter(QObject* watched, QEvent* event) override;
    void connectWidget(int index);
    void typed(int index);
    /// Writes one typed text; `report` shows a refusal and puts the record's value back,
    /// otherwise a refused text stays typed (it may be half a number).
    bool writeBack(Binding& binding, bool report);
    void show(Binding& binding);
    void setWidgetReadOnly(QWidget* widget, bool readOnly);
    void applyEditable();
    void dataChanged(store::Field* changed);
    int indexOf(const QObject* widget) const;
    static void run(const QVector<Rule>& rules);

    store::DataSource& m_source;
    QVector<Binding> m_bindings;
    QHash<QString, Rules> m_rules;
    bool m_editable = true;
    bool m_showing = false;
    QPointer<QWidget> m_entered; ///< the field whose enter rules ran and leave rules did not yet
    int m_writing = -1; ///< the binding being written: the record's echo does not reset it
    std::shared_ptr<bool> m_alive;
};

} // namespace zaf::gui
