#pragma once

#include <QString>

namespace zaf::store {

class TData_Form;

/// What "Change Login" came to.
enum class ChangeLoginResult {
    Refused,   ///< invalid data (or no account): the diver file is as it was
    Rewritten, ///< only the diver file changed (same name and e-mail address)
    Reowned,   ///< the diver's records, pictures and configuration moved to the new identity
};

/// "Change Login" without its window: asks through ui() for the new name, e-mail address and
/// password of the logged-in diver, rewrites the diver file and, when the name or address
/// changed, re-owns every record, moves the picture directory and the configuration file.
/// The caller switches to the main page first; after Rewritten or Reowned it switches to the
/// main page again, shows the login window and closes the configuration window.
/// A key violation while re-owning a record (other than a Divers record) ends the
/// operation with the store's DatabaseError, for the application's error report.
ChangeLoginResult changeLogin(TData_Form& data);

} // namespace zaf::store
