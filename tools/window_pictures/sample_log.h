#pragma once

namespace zaf::store {
class TData_Form;
}

/// Fills an empty store with a small log as a diver keeps it: the logged-in diver's own
/// dives (imperial and metric), a dive of another diver, sites, a shop, a trip and a piece of
/// equipment. Records are written through the record rules, as the window writes them.
void writeSampleLog(zaf::store::TData_Form& data);
