#include "calc/field_text.h"

#include "core/number_format.h"
#include "store/record_owner.h"

#include <cmath>

namespace zaf::calc {

bool textAboveZero(const store::Field& field)
{
    return field.asString().compare(QLatin1String("0")) > 0;
}

bool isBlank(const store::Field& field)
{
    return !store::hasText(field.asString());
}

std::optional<double> numberOf(const store::Field& field)
{
    const QString text = field.asString().trimmed();
    if (text.isEmpty())
        return std::nullopt;
    const auto value = textToFloat(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

void setGeneral(store::Field& field, double value)
{
    field.setAsString(floatToText(value));
}

std::optional<double> divided(double a, double b)
{
    if (b == 0)
        return std::nullopt;
    const double q = a / b;
    if (!std::isfinite(q))
        return std::nullopt;
    return q;
}

} // namespace zaf::calc
