#include "store/field.h"

#include "core/day_count.h"
#include "core/number_format.h"
#include "store/errors.h"
#include "store/table.h"

#include <QDateTime>
#include <cmath>
#include <limits>

namespace zaf::store {
namespace {

bool isText(FieldType type)
{
    return type == FieldType::Text || type == FieldType::Memo || type == FieldType::FMemo;
}

bool isInteger(FieldType type)
{
    return type == FieldType::Int32 || type == FieldType::Int16 || type == FieldType::AutoInc;
}

bool isDay(FieldType type)
{
    return type == FieldType::Date || type == FieldType::DateTime;
}

qint64 checkedInteger(FieldType type, qint64 value, const QString& shown)
{
    const qint64 lo = type == FieldType::Int16 ? -32768 : std::numeric_limits<qint32>::min();
    const qint64 hi = type == FieldType::Int16 ? 32767 : std::numeric_limits<qint32>::max();
    if (value < lo || value > hi)
        throw ConversionError(QStringLiteral("%1 is not a valid value for this field; it must be between %2 and %3.")
                                  .arg(shown)
                                  .arg(lo)
                                  .arg(hi));
    return value;
}

} // namespace

Field::Field(Table& table, int index, FieldDef def) : m_table(table), m_index(index), m_def(std::move(def)) {}

QVariant Field::value() const
{
    return m_table.bufferValue(m_index);
}

bool Field::isNull() const
{
    const QVariant& v = m_table.bufferValue(m_index);
    return !v.isValid() || (isText(m_def.type) && v.toString().isEmpty());
}

void Field::setValue(const QVariant& value)
{
    if (m_def.type == FieldType::AutoInc)
        throw DatabaseError(QStringLiteral("Field '%1' cannot be modified.").arg(m_def.name));
    m_table.setBufferValue(*this, normalized(value));
}

void Field::clear()
{
    m_table.setBufferValue(*this, isText(m_def.type) ? QVariant(QString()) : QVariant());
}

QVariant Field::fromText(const QString& text) const
{
    const QString trimmed = text.trimmed();
    if (isText(m_def.type))
        return m_def.type == FieldType::Text ? text.left(m_def.size) : text;
    if (trimmed.isEmpty())
        return {};
    switch (m_def.type) {
    case FieldType::Int32:
    case FieldType::Int16:
    case FieldType::AutoInc: {
        bool ok = false;
        const qint64 v = trimmed.toLongLong(&ok);
        if (!ok)
            throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
        return QVariant::fromValue(checkedInteger(m_def.type, v, trimmed));
    }
    case FieldType::Float:
    case FieldType::Money: {
        const auto v = textToFloat(trimmed);
        if (!v || !std::isfinite(*v))
            throw ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
        return *v;
    }
    case FieldType::Date:
    case FieldType::DateTime: {
        const auto v = parseDayCount(trimmed);
        if (!v)
            throw ConversionError(QStringLiteral("'%1' is not a valid date and time").arg(text));
        return m_def.type == FieldType::Date ? std::trunc(*v) : *v;
    }
    case FieldType::Logical: {
        const QString upper = trimmed.toUpper();
        if (upper == QStringLiteral("TRUE") || upper == QStringLiteral("T") || upper == QStringLiteral("YES"))
            return true;
        if (upper == QStringLiteral("FALSE") || upper == QStringLiteral("F") || upper == QStringLiteral("NO"))
            return false;
        throw ConversionError(QStringLiteral("'%1' is not a valid boolean value").arg(text));
    }
    default:
        return {};
    }
}

QVariant Field::normalized(const QVariant& value) const
{
    if (!value.isValid() || value.isNull())
        return isText(m_def.type) ? QVariant(QString()) : QVariant();
    const int id = value.typeId();
    if (id == QMetaType::QString)
        return fromText(value.toString());
    if (id == QMetaType::QDateTime || id == QMetaType::QDate) {
        const double days =
            id == QMetaType::QDate ? toDayCount(value.toDate()) : toDayCount(value.toDateTime());
        return normalized(days);
    }
    if (isText(m_def.type)) {
        const QString text = id == QMetaType::Double ? floatToText(value.toDouble()) : value.toString();
        return m_def.type == FieldType::Text ? text.left(m_def.size) : text;
    }
    if (isInteger(m_def.type)) {
        if (id == QMetaType::Double) {
            const double d = value.toDouble();
            if (!std::isfinite(d))
                throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(floatToText(d)));
            return QVariant::fromValue(checkedInteger(m_def.type, std::llround(d), floatToText(d)));
        }
        return QVariant::fromValue(checkedInteger(m_def.type, value.toLongLong(), value.toString()));
    }
    if (m_def.type == FieldType::Logical)
        return value.toBool();
    const double d = value.toDouble();
    if (!std::isfinite(d))
        throw ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(floatToText(d)));
    return m_def.type == FieldType::Date ? std::trunc(d) : d;
}

QString Field::asString() const
{
    const QVariant v = value();
    if (!v.isValid())
        return {};
    switch (m_def.type) {
    case FieldType::Text:
    case FieldType::Memo:
    case FieldType::FMemo:
        return v.toString();
    case FieldType::Int32:
    case FieldType::Int16:
    case FieldType::AutoInc:
        return QString::number(v.toLongLong());
    case FieldType::Float:
    case FieldType::Money:
        return floatToText(v.toDouble());
    case FieldType::Logical:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case FieldType::Date:
        return shortDateText(v.toDouble());
    case FieldType::DateTime: {
        const double d = v.toDouble();
        if (splitDayCount(d).fraction == 0)
            return shortDateText(d);
        return shortDateText(d) + QLatin1Char(' ') + formatDayCount(d, QStringLiteral("h:nn:ss AM/PM"));
    }
    }
    return {};
}

void Field::setAsString(const QString& text)
{
    setValue(text);
}

int Field::asInteger() const
{
    const QVariant v = value();
    if (!v.isValid())
        return 0;
    if (isText(m_def.type)) {
        bool ok = false;
        const int n = v.toString().trimmed().toInt(&ok);
        if (!ok)
            throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(v.toString()));
        return n;
    }
    if (v.typeId() == QMetaType::Double)
        return int(std::llround(v.toDouble()));
    return int(v.toLongLong());
}

void Field::setAsInteger(qint64 value)
{
    setValue(QVariant::fromValue(value));
}

double Field::asFloat() const
{
    const QVariant v = value();
    if (!v.isValid())
        return 0;
    if (isText(m_def.type)) {
        const auto d = textToFloat(v.toString());
        if (!d)
            throw ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(v.toString()));
        return *d;
    }
    return v.toDouble();
}

void Field::setAsFloat(double value)
{
    setValue(value);
}

double Field::asDateTime() const
{
    const QVariant v = value();
    if (!v.isValid())
        return 0;
    if (isText(m_def.type)) {
        const auto d = parseDayCount(v.toString());
        if (!d)
            throw ConversionError(QStringLiteral("'%1' is not a valid date and time").arg(v.toString()));
        return *d;
    }
    return v.toDouble();
}

void Field::setAsDateTime(double dayCount)
{
    setValue(dayCount);
}

bool Field::asBoolean() const
{
    const QVariant v = value();
    if (!v.isValid())
        return false;
    if (isText(m_def.type))
        return v.toString().trimmed().compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0;
    return v.toBool();
}

void Field::setAsBoolean(bool value)
{
    setValue(value);
}

QString Field::displayText() const
{
    const QVariant v = value();
    if (!v.isValid())
        return {};
    if (m_def.type == FieldType::Money && m_def.displayFormat.isEmpty())
        return formatMoney(v.toDouble());
    if (m_def.displayFormat.isEmpty())
        return asString();
    if (isDay(m_def.type))
        return formatDayCount(v.toDouble(), m_def.displayFormat);
    if (m_def.type == FieldType::Float || m_def.type == FieldType::Money)
        return formatFloat(v.toDouble(), m_def.displayFormat);
    return asString();
}

} // namespace zaf::store
