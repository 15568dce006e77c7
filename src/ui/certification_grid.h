#pragma once

#include <QTableWidget>

namespace zaf::store {
class Table;
}

namespace zaf::gui {

/// The certification grid of the Divers page: the shown diver's `Certifications` memo as
/// rows of six columns under a heading row, with a narrow marker column in front. The
/// logged-in diver edits the own record's certifications in place; what was typed is stored
/// back into the memo when the grid is left or another cell is chosen. Records of other
/// divers show read-only.
class CertificationGrid : public QTableWidget {
    Q_OBJECT
public:
    CertificationGrid(store::Table& divers, QWidget* parent = nullptr);

    /// Shows the shown diver's memo afresh (and whether the grid takes input). While the
    /// record has unsaved changes only the number of rows follows the memo.
    void fill();
    /// Writes the grid back into the memo and posts, when the Divers page shows and row 1
    /// holds a certification; a failing post reaches the application's error handler.
    void store();
    /// Stores when the keyboard focus is in the grid (before the page changes or the
    /// navigator moves).
    void storeIfFocused();
    /// Whether the keyboard focus is in the grid or in its cell editor.
    bool hasFocusInside() const;

    /// Asks the six questions of a new certification and appends it to the memo.
    void addCertification();
    /// Removes the certification of the current row after asking.
    void deleteCertification();

Q_SIGNALS:
    /// Told at every fill: whether the shown record is the logged-in diver's (the page shows
    /// "Add" and "Delete" only then).
    void ownRecordShown(bool own);

private:
    void setOwnRecord(bool own);
    void writeMemo(const QString& memo);
    void focusMoved(QWidget* from, QWidget* to);
    bool contains(const QWidget* widget) const;

    store::Table& m_divers;
    bool m_filling = false;
    bool m_own = false;
};

} // namespace zaf::gui
