#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace zaf::gui {

class MemoField;

/// Lets a memo fill a whole area of its page (the page's form), over everything else on it,
/// and puts it back in its place under its caption. A long text is easier to read and write
/// at full size; the small memo keeps the page's other fields in view.
class MemoEnlargement : public QObject {
    Q_OBJECT
public:
    /// `area` must contain the memo's place; the memo owns this object.
    MemoEnlargement(MemoField* memo, QWidget* area);

    bool enlarged() const { return m_enlarged; }
    /// Lets the memo fill the area, or puts it back where it was.
    void setEnlarged(bool enlarged);
    /// A double click on the memo toggles its size; leaving the memo puts it back.
    void followDoubleClicks();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MemoField* m_memo;
    QPointer<QWidget> m_area;
    QPointer<QWidget> m_home; ///< the cell whose layout holds the memo when not enlarged
    int m_homeIndex = 0;     ///< its place in that layout
    int m_homeStretch = 0;
    int m_maxHeight = 0;     ///< the memo's own height limit, lifted while enlarged
    bool m_enlarged = false;
    bool m_moving = false;
};

} // namespace zaf::gui
