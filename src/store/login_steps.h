#pragma once

#include "core/config_file.h"

#include <QString>

namespace zaf::store {

class TData_Form;

/// What pressing "&Ok" in the login window comes to before anyone is logged in.
enum class LoginCheck {
    Ok,            ///< the password matches: log in
    StoreClosed,   ///< the Divers table is not open
    NoDiver,       ///< "Add new Diver" or a blank entry is selected
    InvalidEmail,  ///< the diver's address has 5 characters or fewer
    WrongPassword, ///< silent: the password field is just emptied
};

/// Checks the login list selection (entry k is slot k; entry 0 is "Add new Diver") and the
/// typed password against diverTable().
LoginCheck checkLogin(bool storeOpen, int selectedIndex, const QString& typedPassword);
/// The message a check result shows; empty for Ok and WrongPassword.
QString loginCheckMessage(LoginCheck check);

/// What the login window must do after the store side of a login.
struct LoginOutcome {
    bool showDiversPage = false;    ///< a Divers record was just made for the diver
    bool showConfiguration = false; ///< placeholder identity, or no current configuration file
};

/// Logs in the diver of slot `slot`: copies the name and e-mail into config(), reads the
/// diver's configuration file, remembers the slot, makes the diver's Divers record when
/// missing and creates the data and picture directories.
LoginOutcome logIn(TData_Form& data, int slot, ScreenSize screen);

/// The login window's close: writes the diver file and, with the store open, filters
/// DiveLog to the diver's own entries and OthersLog to everyone else's.
void closeLogin(TData_Form& data);

/// The diver's picture directory as stored in records: "<first two>\<name>_<e-mail>".
QString picturePart(const QString& name, const QString& email);
/// Creates "pictures", "pictures/<first two>" and "pictures/<first two>/<name>_<e-mail>" in
/// the program directory; returns the last one's disk path.
QString makePictureDirectories(const QString& name, const QString& email);

/// The configuration window's "OK" on the store: sets the unit system of the diver's Divers
/// record (making the record when missing). True when the record was made, so the window
/// switches to the "Divers" page. Nothing happens without a user name.
bool saveDiverFormat(TData_Form& data, bool metric);

} // namespace zaf::store
