#pragma once

#include "core/view_state.h"

#include <QString>
#include <optional>

namespace zaf::calc {

/// The kinds of measured value a record holds, each converted by its own factor.
enum class Quantity { Length, Temperature, Volume, Pressure, Weight };

/// Rounds to four decimal places, halves to even: the precision of the fixed-point factors.
double roundToFourDecimals(double value);

/// An imperial value in metric units. Products with 0.3048 keep four decimals; quotients,
/// and every conversion of volume, weight and temperature to metric, keep full precision.
double toMetric(Quantity quantity, double value);
/// A metric value in imperial units. Products with 1.8 and 14.5038 keep four decimals.
double toImperial(Quantity quantity, double value);

/// Whether a record's `Format` text means metric ("1"); "0", empty and anything else do not.
bool isMetric(const QString& format);

/// The six captions of a dive log entry's page for a `Format` text (kept with the view).
using zaf::unitCaptions;

} // namespace zaf::calc
