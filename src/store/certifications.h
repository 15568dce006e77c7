#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace zaf::store {

// A diver's `Certifications` memo keeps one certification per line, its six parts joined by
// " -- ": level, date, diver ID, instructor, instructor ID and dive shop. The Divers page
// shows them as a grid whose row 0 holds the headings and whose column 0 is a narrow
// marker column, so certification line n sits in row n, columns 1 to 6.

/// Columns of the certification grid, the marker column included.
inline constexpr int kCertificationColumns = 7;

/// One grid row: kCertificationColumns cells.
using CertificationRow = QStringList;
using CertificationRows = QVector<CertificationRow>;

/// The headings of columns 1 to 6: "Cert", "Date", "ID #", "Instructor", "Ins ID", "Shop".
QStringList certificationHeadings();

/// The lines of a memo ("\n" or "\r\n" between lines; a final line break ends the last line
/// rather than starting an empty one).
QStringList memoLines(const QString& memo);
/// Lines joined into a memo text.
QString memoText(const QStringList& lines);

/// The six parts of one line: each part runs to the next "--" and is trimmed; the sixth
/// takes whatever remains. A line with fewer separators leaves the later parts empty.
QStringList certificationParts(const QString& line);

/// The grid for a memo: number of lines + 2 rows (room for one more line). With
/// `withContent` false the rows stay blank (the record is being edited and its memo is not
/// what the grid would store); otherwise row 0 holds the headings and each non-blank line n
/// fills row n.
CertificationRows certificationRows(const QString& memo, bool withContent = true);

/// Whether a grid holds anything worth storing: row 1, column 1 is not blank.
bool certificationRowsStorable(const CertificationRows& rows);

/// The memo a grid stands for: rows 1 onward, columns 1 to 6 joined by " -- ", one line per
/// row, ending at the first row whose column 1 is blank.
QString certificationMemo(const CertificationRows& rows);

/// One memo line from the six answers of the "Add" questions.
QString certificationLine(const QStringList& parts);

/// The memo with `line` appended as its last line.
QString withCertificationAdded(const QString& memo, const QString& line);

/// The memo without its line `index` (0-based, the line of grid row index + 1); unchanged
/// when there is no such line.
QString withCertificationRemoved(const QString& memo, int index);

} // namespace zaf::store
