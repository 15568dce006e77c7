#pragma once

#include "store/field_def.h"

#include <QVariant>
#include <functional>

namespace zaf::store {

class Table;

/// One field of a table's current record: typed access to the record buffer, the display
/// text by the field's display format, and the required flag checked at post.
/// Empty is one state for every type (an empty text counts as empty).
class Field {
public:
    Field(Table& table, int index, FieldDef def);

    const QString& name() const { return m_def.name; }
    FieldType type() const { return m_def.type; }
    int size() const { return m_def.size; }
    int index() const { return m_index; }
    bool required() const { return m_def.required; }
    void setRequired(bool required) { m_def.required = required; }
    const QString& displayFormat() const { return m_def.displayFormat; }
    void setDisplayFormat(const QString& format) { m_def.displayFormat = format; }
    const FieldDef& definition() const { return m_def; }

    bool isNull() const;
    /// The stored value: QString for texts and memos, qint64 for integers, double for
    /// numbers and day counts, bool for logicals; an invalid QVariant when empty.
    QVariant value() const;
    /// Sets from any of the value kinds above (a QString is read like setAsString).
    void setValue(const QVariant& value);
    void clear();

    QString asString() const;
    void setAsString(const QString& text);
    int asInteger() const;
    void setAsInteger(qint64 value);
    double asFloat() const;
    void setAsFloat(double value);
    double asDateTime() const;
    void setAsDateTime(double dayCount);
    bool asBoolean() const;
    void setAsBoolean(bool value);

    /// The text shown and printed: the display format applied, "" when empty.
    QString displayText() const;

    /// Field validation: runs after a new value is in the buffer and before anyone is told of
    /// the change; throwing puts the old value back and rejects the change.
    std::function<void(Field&)> onValidate;

    /// Converts a value to this field's stored kind (used by the table when loading values).
    QVariant normalized(const QVariant& value) const;

private:
    QVariant fromText(const QString& text) const;

    Table& m_table;
    int m_index;
    FieldDef m_def;
};

} // namespace zaf::store
