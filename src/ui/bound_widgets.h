#pragma once

#include <QComboBox>
#include <QPlainTextEdit>
#include <QStringList>
#include <functional>

namespace zaf::gui {

class NameLookup;

/// A multi-line text field. Whatever reaches it, typed or pasted, has its apostrophes
/// entered as backquotes.
class MemoField : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MemoField(QWidget* parent = nullptr);

Q_SIGNALS:
    void doubleClicked();
    void focusLeft();

protected:
    void insertFromMimeData(const QMimeData* source) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

/// A text field with a drop-down of fixed items ("list" fields). While it has the focus,
/// every typed change completes to the first item that begins with the typed text
/// (regardless of case), with the completed part selected.
class ListField : public QComboBox {
    Q_OBJECT
public:
    explicit ListField(QWidget* parent = nullptr);

    void setItems(const QStringList& items);
    QStringList items() const;
    /// The completion of `typed`; empty when nothing fits. A link field asks its table.
    virtual QString completionOf(const QString& typed);

Q_SIGNALS:
    void doubleClicked();

protected:
    void showPopup() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    /// Fills the drop-down before it opens (a link field reads its table).
    virtual void fillPopup() {}

private:
    void complete(const QString& typed);
    bool m_completing = false;
    bool m_erasing = false; ///< the last key erased: its change is not completed
};

/// A text field with a drop-down of the records of another table ("link" fields, and the
/// location fields over the location list). Completion takes the typed text with its first
/// character upper-cased and the nearest name in the table's key order.
class LinkField : public ListField {
    Q_OBJECT
public:
    /// `lookup` is not owned. Without `listFromLookup` the drop-down keeps the items it is given.
    LinkField(NameLookup* lookup, bool listFromLookup, QWidget* parent = nullptr);

    QString completionOf(const QString& typed) override;

protected:
    void fillPopup() override;

private:
    NameLookup* m_lookup;
    bool m_listFromLookup;
};

} // namespace zaf::gui
