#pragma once

namespace zaf::store {

class TData_Form;

/// Leaving the dive site field of the dive page: when a dive site of the typed name is
/// stored, the diver's own entry takes the site's dive type, location and altitude (the
/// site's altitude text up to and including its first blank, which drops a unit written
/// after the number). Never shows a message; a value that cannot be taken over is left as
/// it was.
void copyDiveSiteIntoDive(TData_Form& data);

} // namespace zaf::store
