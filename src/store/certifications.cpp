#include "store/certifications.h"

namespace zaf::store {

namespace {

const QString kSeparator = QStringLiteral("--");
const QString kJoin = QStringLiteral(" -- ");
constexpr int kParts = kCertificationColumns - 1;

CertificationRow blankRow()
{
    return CertificationRow(kCertificationColumns);
}

bool isBlank(const QString& text)
{
    return text.trimmed().isEmpty();
}

} // namespace

QStringList certificationHeadings()
{
    return {QStringLiteral("Cert"),       QStringLiteral("Date"),   QStringLiteral("ID #"),
            QStringLiteral("Instructor"), QStringLiteral("Ins ID"), QStringLiteral("Shop")};
}

QStringList memoLines(const QString& memo)
{
    if (memo.isEmpty())
        return {};
    QStringList lines = memo.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    return lines;
}

QString memoText(const QStringList& lines)
{
    return lines.join(QLatin1Char('\n'));
}

QStringList certificationParts(const QString& line)
{
    QStringList parts;
    QString rest = line;
    for (int i = 0; i < kParts - 1; ++i) {
        const int at = rest.indexOf(kSeparator);
        if (at < 0) {
            parts.append(rest.trimmed());
            rest.clear();
            continue;
        }
        parts.append(rest.left(at).trimmed());
        rest = rest.mid(at + kSeparator.size());
    }
    parts.append(rest.trimmed());
    return parts;
}

CertificationRows certificationRows(const QString& memo, bool withContent)
{
    const QStringList lines = memoLines(memo);
    CertificationRows rows(lines.size() + 2, blankRow());
    if (!withContent)
        return rows;
    const QStringList headings = certificationHeadings();
    for (int c = 0; c < kParts; ++c)
        rows[0][c + 1] = headings[c];
    for (int n = 0; n < lines.size(); ++n) {
        if (isBlank(lines[n]))
            continue;
        const QStringList parts = certificationParts(lines[n]);
        for (int c = 0; c < kParts; ++c)
            rows[n + 1][c + 1] = parts[c];
    }
    return rows;
}

bool certificationRowsStorable(const CertificationRows& rows)
{
    return rows.size() > 1 && rows[1].size() > 1 && !isBlank(rows[1][1]);
}

QString certificationMemo(const CertificationRows& rows)
{
    QStringList lines;
    for (int r = 1; r < rows.size(); ++r) {
        const CertificationRow& row = rows[r];
        if (row.size() < 2 || isBlank(row[1]))
            break;
        QStringList parts;
        for (int c = 1; c <= kParts; ++c)
            parts.append(c < row.size() ? row[c] : QString());
        lines.append(parts.join(kJoin));
    }
    return memoText(lines);
}

QString certificationLine(const QStringList& parts)
{
    return parts.join(kJoin);
}

QString withCertificationAdded(const QString& memo, const QString& line)
{
    QStringList lines = memoLines(memo);
    lines.append(line);
    return memoText(lines);
}

QString withCertificationRemoved(const QString& memo, int index)
{
    QStringList lines = memoLines(memo);
    if (index < 0 || index >= lines.size())
        return memo;
    lines.removeAt(index);
    return memoText(lines);
}

} // namespace zaf::store
