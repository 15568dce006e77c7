#pragma once

#include "store/field.h"

#include <QString>
#include <optional>

namespace zaf::calc {

// How the dive rules read and write the fields of the shown record: the way the window's
// edit boxes see them, as texts.

/// Whether the field's text sorts after "0" in character order: empty texts, "0" and
/// negative numbers do not.
bool textAboveZero(const store::Field& field);
/// Whether the field's text, trimmed, is empty.
bool isBlank(const store::Field& field);
/// The field's text as a number; nothing for an empty or non-numeric text.
std::optional<double> numberOf(const store::Field& field);
/// Stores a computed value through its general text (at most 15 significant digits).
void setGeneral(store::Field& field, double value);
/// a ÷ b, or nothing when the quotient is not a finite number (division by zero included).
std::optional<double> divided(double a, double b);

} // namespace zaf::calc
