#pragma once

namespace zaf {

/// The program-wide cancel flag: set by the Cancel button, shutdown and failed transfers;
/// cleared by each long operation when it begins; tested between two steps of every loop.
bool cancelRequested();
void setCancel(bool value);

} // namespace zaf
