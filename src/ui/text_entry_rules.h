#pragma once

#include <QString>

class QWidget;

namespace zaf::gui {

// The typing rules every text field, list and memo of the record pages shares: an apostrophe
// is entered as a backquote (the log's texts travel inside quoted filter and server texts),
// and Backspace over a selection cuts the text back instead of deleting only the selection.

/// What a field's text becomes when Backspace is pressed over a selection that starts at
/// `selectionStart`: a text field drops one more character before the selection, a list
/// field keeps exactly what stands before it.
QString textAfterSelectionBackspace(const QString& text, int selectionStart, bool listField);

/// Replaces every apostrophe with a backquote.
QString withBackquotes(QString text);

/// Installs the typing rules on a line edit, an editable combo box (`listField` = true for
/// fixed lists and links) or a memo.
void installTextEntryRules(QWidget* field, bool listField);

} // namespace zaf::gui
