#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

namespace zaf::store {

/// A record filter: comparisons of a field with a value, joined by AND (or OR) and grouped
/// in parentheses, as in "(OwnerName='Jo') AND (OwnerEmail='j@x') AND (DiverName='Jo')".
/// Values are always bound as parameters, never pasted into SQL, so any text is safe.
class Filter {
public:
    enum class Op { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };

    struct Node {
        enum class Kind { Compare, And, Or } kind = Kind::Compare;
        QString field;
        Op op = Op::Equal;
        QString value;
        QVector<std::shared_ptr<const Node>> children;
    };

    Filter() = default;

    /// Parses a filter text; throws DatabaseError with the position of a syntax error.
    /// Inside a quoted value a doubled quote stands for one quote.
    static Filter parse(const QString& text);
    /// Field = value, built from a value rather than from text.
    static Filter equals(const QString& field, const QString& value);
    static Filter notEquals(const QString& field, const QString& value);
    static Filter compare(const QString& field, Op op, const QString& value);
    /// All of the given filters (the empty ones are skipped).
    static Filter allOf(const QVector<Filter>& parts);

    bool isEmpty() const { return !m_root; }
    const Node* root() const { return m_root.get(); }
    /// The filter as text in the parsed form (values quoted, quotes doubled).
    QString text() const;
    /// The fields the filter reads.
    QStringList fields() const;

private:
    explicit Filter(std::shared_ptr<const Node> root) : m_root(std::move(root)) {}
    std::shared_ptr<const Node> m_root;
};

/// Quotes a value for a filter text: 'O''Neil'.
QString quoteFilterValue(const QString& value);

} // namespace zaf::store
