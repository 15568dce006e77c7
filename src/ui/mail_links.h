#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace zaf::gui {

/// Opens a new mail to the address ("mailto:" + address) in the system's mail program.
/// Nothing happens for a blank address. Returns whether the address was handed over.
bool openMailTo(const QString& address);

/// Hands a web address to the system's browser. Nothing happens for a blank address.
/// Returns whether the address was handed over.
bool openWebAddress(const QString& address);

/// Replaces the system's "open" action (tests record the addresses instead); an empty
/// function puts the system's back.
void setUrlOpener(std::function<bool(const QUrl&)> opener);

} // namespace zaf::gui
