#include "store/filter.h"

#include "store/errors.h"

namespace zaf::store {
namespace {

using Node = Filter::Node;
using NodePtr = std::shared_ptr<const Node>;

const char* opText(Filter::Op op)
{
    switch (op) {
    case Filter::Op::Equal: return "=";
    case Filter::Op::NotEqual: return "<>";
    case Filter::Op::Less: return "<";
    case Filter::Op::LessEqual: return "<=";
    case Filter::Op::Greater: return ">";
    case Filter::Op::GreaterEqual: return ">=";
    }
    return "=";
}

// Recursive descent over:  expr := term { (AND|OR) term } ;  term := '(' expr ')' | field op value
// AND binds tighter than OR.
class Parser {
public:
    explicit Parser(const QString& text) : m_text(text) {}

    NodePtr parseAll()
    {
        NodePtr node = parseOr();
        skipBlanks();
        if (m_pos < m_text.size())
            error(QStringLiteral("unexpected text"));
        return node;
    }

private:
    NodePtr parseOr()
    {
        NodePtr first = parseAnd();
        QVector<NodePtr> parts{first};
        while (takeWord(QStringLiteral("OR")))
            parts.append(parseAnd());
        return join(Node::Kind::Or, parts);
    }

    NodePtr parseAnd()
    {
        QVector<NodePtr> parts{parseTerm()};
        while (takeWord(QStringLiteral("AND")))
            parts.append(parseTerm());
        return join(Node::Kind::And, parts);
    }

    static NodePtr join(Node::Kind kind, const QVector<NodePtr>& parts)
    {
        if (parts.size() == 1)
            return parts.first();
        auto node = std::make_shared<Node>();
        node->kind = kind;
        node->children = parts;
        return node;
    }

    NodePtr parseTerm()
    {
        skipBlanks();
        if (peek() == QLatin1Char('(')) {
            ++m_pos;
            NodePtr inner = parseOr();
            skipBlanks();
            if (peek() != QLatin1Char(')'))
                error(QStringLiteral("missing ')'"));
            ++m_pos;
            return inner;
        }
        auto node = std::make_shared<Node>();
        node->field = takeName();
        node->op = takeOp();
        node->value = takeValue();
        return node;
    }

    QString takeName()
    {
        skipBlanks();
        if (peek() == QLatin1Char('[')) { // [Field Name]
            const qsizetype end = m_text.indexOf(QLatin1Char(']'), m_pos);
            if (end < 0)
                error(QStringLiteral("missing ']'"));
            QString name = m_text.mid(m_pos + 1, end - m_pos - 1);
            m_pos = end + 1;
            return name;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && (m_text[m_pos].isLetterOrNumber() || m_text[m_pos] == QLatin1Char('_')))
            ++m_pos;
        if (m_pos == start)
            error(QStringLiteral("field name expected"));
        return m_text.mid(start, m_pos - start);
    }

    Filter::Op takeOp()
    {
        skipBlanks();
        static const struct {
            const char* text;
            Filter::Op op;
        } ops[] = {{"<>", Filter::Op::NotEqual}, {"<=", Filter::Op::LessEqual}, {">=", Filter::Op::GreaterEqual},
                   {"=", Filter::Op::Equal},     {"<", Filter::Op::Less},       {">", Filter::Op::Greater}};
        for (const auto& candidate : ops) {
            const QLatin1String t(candidate.text);
            if (QStringView(m_text).mid(m_pos).startsWith(t)) {
                m_pos += t.size();
                return candidate.op;
            }
        }
        error(QStringLiteral("comparison expected"));
    }

    QString takeValue()
    {
        skipBlanks();
        if (peek() == QLatin1Char('\'')) {
            QString value;
            ++m_pos;
            for (;;) {
                if (m_pos >= m_text.size())
                    error(QStringLiteral("unterminated quoted value"));
                const QChar c = m_text[m_pos++];
                if (c != QLatin1Char('\'')) {
                    value += c;
                } else if (peek() == QLatin1Char('\'')) {
                    value += c;
                    ++m_pos;
                } else {
                    return value;
                }
            }
        }
        // An unquoted number.
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && (m_text[m_pos].isDigit() || QStringLiteral("+-.eE").contains(m_text[m_pos])))
            ++m_pos;
        if (m_pos == start)
            error(QStringLiteral("value expected"));
        return m_text.mid(start, m_pos - start);
    }

    bool takeWord(const QString& word)
    {
        skipBlanks();
        const qsizetype end = m_pos + word.size();
        if (end > m_text.size() || QStringView(m_text).mid(m_pos, word.size()).compare(word, Qt::CaseInsensitive) != 0)
            return false;
        if (end < m_text.size() && (m_text[end].isLetterOrNumber() || m_text[end] == QLatin1Char('_')))
            return false;
        m_pos = end;
        return true;
    }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
    }

    QChar peek() const { return m_pos < m_text.size() ? m_text[m_pos] : QChar(); }

    [[noreturn]] void error(const QString& what) const
    {
        throw DatabaseError(QStringLiteral("Filter expression incorrectly formatted: %1 at position %2 in \"%3\"")
                                .arg(what)
                                .arg(m_pos + 1)
                                .arg(m_text));
    }

    const QString& m_text;
    qsizetype m_pos = 0;
};

QString nodeText(const Node& node, bool nested)
{
    if (node.kind == Node::Kind::Compare) {
        const QString comparison = node.field + QLatin1String(opText(node.op)) + quoteFilterValue(node.value);
        return nested ? QLatin1Char('(') + comparison + QLatin1Char(')') : comparison;
    }
    QStringList parts;
    for (const NodePtr& child : node.children)
        parts.append(nodeText(*child, true));
    const QString joined = parts.join(node.kind == Node::Kind::And ? QStringLiteral(" AND ") : QStringLiteral(" OR "));
    return nested ? QLatin1Char('(') + joined + QLatin1Char(')') : joined;
}

void collectFields(const Node& node, QStringList& out)
{
    if (node.kind == Node::Kind::Compare) {
        if (!out.contains(node.field, Qt::CaseInsensitive))
            out.append(node.field);
        return;
    }
    for (const NodePtr& child : node.children)
        collectFields(*child, out);
}

} // namespace

Filter Filter::parse(const QString& text)
{
    if (text.trimmed().isEmpty())
        return {};
    return Filter(Parser(text).parseAll());
}

Filter Filter::compare(const QString& field, Op op, const QString& value)
{
    auto node = std::make_shared<Node>();
    node->field = field;
    node->op = op;
    node->value = value;
    return Filter(node);
}

Filter Filter::equals(const QString& field, const QString& value)
{
    return compare(field, Op::Equal, value);
}

Filter Filter::notEquals(const QString& field, const QString& value)
{
    return compare(field, Op::NotEqual, value);
}

Filter Filter::allOf(const QVector<Filter>& parts)
{
    QVector<NodePtr> children;
    for (const Filter& part : parts)
        if (!part.isEmpty())
            children.append(part.m_root);
    if (children.isEmpty())
        return {};
    if (children.size() == 1)
        return Filter(children.first());
    auto node = std::make_shared<Node>();
    node->kind = Node::Kind::And;
    node->children = children;
    return Filter(node);
}

QString Filter::text() const
{
    if (!m_root)
        return {};
    return nodeText(*m_root, false);
}

QStringList Filter::fields() const
{
    QStringList out;
    if (m_root)
        collectFields(*m_root, out);
    return out;
}

QString quoteFilterValue(const QString& value)
{
    QString quoted = value;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

} // namespace zaf::store
