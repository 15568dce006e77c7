#include "ui/certification_grid.h"

#include "core/ui.h"
#include "core/view_state.h"
#include "store/certifications.h"
#include "store/record_owner.h"
#include "store/table.h"
#include "ui/slot_errors.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>

namespace zaf::gui {

namespace {

const QString kMemo = QStringLiteral("Certifications");
constexpr int kColumnWidths[store::kCertificationColumns] = {10, 140, 60, 60, 80, 60, 80};
constexpr int kRowHeight = 20;

/// One question of "Add": window title, prompt and the text it starts with.
struct Question {
    const char* caption;
    const char* prompt;
    const char* initial;
};

constexpr Question kQuestions[] = {
    {"Enter Certification Level", "Certification", "PADI : Open Water"},
    {"Enter Date Certified", "Certification Date", "1/15/00"},
    {"Enter Diver ID # (if applicable)", "Diver ID # (if applicable)", ""},
    {"Enter Instructor Name", "Instructor Name", ""},
    {"Enter Instructor #", "Instructor #", ""},
    {"Enter Dive Shop", "Dive Shop", ""},
};

} // namespace

CertificationGrid::CertificationGrid(store::Table& divers, QWidget* parent)
    : QTableWidget(0, store::kCertificationColumns, parent), m_divers(divers)
{
    setObjectName(QStringLiteral("CertificationGrid"));
    // The heading row and the marker column are cells of the grid, as in the memo's rows.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setMinimumSectionSize(0); // the marker column is narrower than a header's least width
    for (int c = 0; c < store::kCertificationColumns; ++c)
        setColumnWidth(c, kColumnWidths[c]);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Always room for every column and the vertical scroll bar: the grid never scrolls sideways.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int columnWidth : kColumnWidths)
        width += columnWidth;
    setMinimumWidth(width);
    setEditTriggers(QAbstractItemView::NoEditTriggers);

    connect(this, &QTableWidget::currentCellChanged, this, [this](int, int, int previousRow, int) {
        if (previousRow >= 0)
            store();
    });
    connect(qApp, &QApplication::focusChanged, this, &CertificationGrid::focusMoved);
}

bool CertificationGrid::contains(const QWidget* widget) const
{
    return widget && (widget == this || isAncestorOf(widget));
}

bool CertificationGrid::hasFocusInside() const
{
    return contains(QApplication::focusWidget());
}

void CertificationGrid::focusMoved(QWidget* from, QWidget* to)
{
    // The cell editor is a child of the grid: moving into it is not leaving.
    if (contains(from) && !contains(to))
        store();
}

void CertificationGrid::setOwnRecord(bool own)
{
    m_own = own;
    setEditTriggers(own ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked
                        : QAbstractItemView::NoEditTriggers);
    Q_EMIT ownRecordShown(own);
}

void CertificationGrid::fill()
{
    const bool open = m_divers.isOpen();
    // A record being typed into has a memo that is not yet the stored one: only its size shows.
    const bool unsaved = open && m_divers.isEditing() && m_divers.modified();
    const store::CertificationRows rows =
        store::certificationRows(open ? m_divers[kMemo].asString() : QString(), open && !unsaved);

    const int row = currentRow();
    const int column = currentColumn();
    m_filling = true;
    clearContents();
    setRowCount(int(rows.size()));
    const QBrush fixed = palette().button();
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < store::kCertificationColumns; ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            if (r == 0 || c == 0) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(fixed);
            } else {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
            }
            setItem(r, c, item);
        }
    }
    if (row >= 0 && row < rowCount() && column >= 0)
        setCurrentCell(row, column);
    m_filling = false;
    setOwnRecord(open && store::isOwnRecord(m_divers));
}

void CertificationGrid::store()
{
    if (m_filling || !m_own || !m_divers.isOpen() || viewState().currentPage() != Page::Divers)
        return;
    store::CertificationRows rows(rowCount(), store::CertificationRow(store::kCertificationColumns));
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < store::kCertificationColumns; ++c)
            if (const QTableWidgetItem* cell = item(r, c))
                rows[r][c] = cell->text();
    if (!store::certificationRowsStorable(rows))
        return;
    const QString memo = store::certificationMemo(rows);
    // Choosing cells without typing changes nothing, and must not mark the record as changed.
    if (memo == m_divers[kMemo].asString())
        return;
    writeMemo(memo);
}

void CertificationGrid::storeIfFocused()
{
    if (hasFocusInside())
        store();
}

void CertificationGrid::writeMemo(const QString& memo)
{
    try {
        if (!m_divers.isEditing())
            m_divers.edit();
        m_divers[kMemo].setAsString(memo);
        m_divers.post();
    } catch (...) {
        reportCurrentException();
    }
    fill();
}

void CertificationGrid::addCertification()
{
    if (!m_own || !m_divers.isOpen())
        return;
    QStringList answers;
    for (const Question& question : kQuestions) {
        QString value = QString::fromLatin1(question.initial);
        // Cancelling any question adds nothing.
        if (!ui().inputBox(QString::fromLatin1(question.caption), QString::fromLatin1(question.prompt), value))
            return;
        answers.append(value);
    }
    writeMemo(store::withCertificationAdded(m_divers[kMemo].asString(), store::certificationLine(answers)));
}

void CertificationGrid::deleteCertification()
{
    if (!m_own || !m_divers.isOpen())
        return;
    if (ui().askYesNo(QStringLiteral("Delete Certification.  Are you sure?")) == Answer::Yes) {
        const QString memo = m_divers[kMemo].asString();
        const QString shorter = store::withCertificationRemoved(memo, currentRow() - 1);
        if (shorter != memo) {
            writeMemo(shorter);
            return;
        }
    }
    fill();
}

} // namespace zaf::gui
