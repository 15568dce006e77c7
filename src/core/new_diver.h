#pragma once

#include <QString>
#include <functional>

namespace zaf {

/// The example address the e-mail question offers; a diver who keeps it is asked to set up
/// the account in the configuration window at login.
QString sampleEmailAddress();

/// Opens a help topic; the help window sets it (until then it does nothing).
using HelpHook = std::function<void(int topic)>;
void setHelpHook(HelpHook hook);
/// Shows help topic `topic` through the hook in force.
void showHelpTopic(int topic);

/// add_new_user: asks through ui() for a new diver's name, e-mail address and password into
/// the first free slot of diverTable(), then writes and re-reads the diver file. Cancelling,
/// a name over 20 or an address over 50 characters free the slot again and write nothing.
/// Returns the new diver's slot (1 … 100), or 0 when no diver was added.
int add_new_user();

} // namespace zaf
