#pragma once

#include <QString>
#include <QStringList>

namespace zaf {

/// The answers a question box can give.
enum class Answer { Yes, No, Cancel, Ok, NoToAll, YesToAll };

/// The kind of icon a message or question shows.
enum class MessageKind { Information, Warning, Error, Confirmation };

/// Every message box, question, input box, file choice, status text, cursor change and
/// "let pending events run" of the program goes through this interface. The main window
/// implements it with real dialogs; tests use a scripted implementation that records every
/// text and answers from a queue.
class Ui {
public:
    virtual ~Ui() = default;

    /// A message with an OK button.
    virtual void message(const QString& text, MessageKind kind = MessageKind::Information) = 0;
    /// Yes/No question.
    virtual Answer askYesNo(const QString& text, MessageKind kind = MessageKind::Confirmation) = 0;
    /// Yes/No/Cancel question.
    virtual Answer askYesNoCancel(const QString& text, MessageKind kind = MessageKind::Confirmation) = 0;
    /// OK/Cancel question.
    virtual Answer askOkCancel(const QString& text, MessageKind kind = MessageKind::Confirmation) = 0;
    /// Yes / No / No to All / Yes to All question.
    virtual Answer askYesNoAll(const QString& text, MessageKind kind = MessageKind::Confirmation) = 0;
    /// One-line input box; returns false when the user cancelled (value untouched then).
    virtual bool inputBox(const QString& caption, const QString& prompt, QString& value,
                          bool password = false) = 0;
    /// File-open choice; empty when cancelled.
    virtual QString chooseFile(const QString& caption, const QString& directory, const QString& filter) = 0;
    /// Text of the first status bar panel.
    virtual void setStatus(const QString& text) = 0;
    /// Hourglass cursor on (true) or the default arrow (false).
    virtual void setBusyCursor(bool busy) = 0;
    /// Lets pending window messages run so the window stays live during a long operation.
    virtual void processEvents() = 0;
};

/// The interface in force; a silent one until the program or a test installs its own.
Ui& ui();
/// Installs the interface in force (not owned); nullptr puts the silent one back.
void setUi(Ui* ui);

} // namespace zaf
