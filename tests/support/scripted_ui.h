#pragma once

#include "core/ui.h"

#include <QStringList>
#include <deque>

namespace zaf::test {

/// A Ui for tests: records every text the program shows and answers from queues.
/// An unanswered question fails the test, so a question nobody expected is noticed.
class ScriptedUi : public Ui {
public:
    ScriptedUi();
    ~ScriptedUi() override;

    void message(const QString& text, MessageKind kind) override;
    Answer askYesNo(const QString& text, MessageKind kind) override;
    Answer askYesNoCancel(const QString& text, MessageKind kind) override;
    Answer askOkCancel(const QString& text, MessageKind kind) override;
    Answer askYesNoAll(const QString& text, MessageKind kind) override;
    bool inputBox(const QString& caption, const QString& prompt, QString& value, bool password) override;
    QString chooseFile(const QString& caption, const QString& directory, const QString& filter) override;
    void setStatus(const QString& text) override;
    void setBusyCursor(bool busy) override;
    void processEvents() override;

    std::deque<Answer> answers;       ///< for every kind of question, in order
    std::deque<QString> inputs;       ///< for input boxes; an empty queue means "cancelled"
    std::deque<QString> files;        ///< for file choices

    QStringList messages;             ///< texts of messages
    QStringList questions;            ///< texts of questions
    QStringList prompts;              ///< prompts of input boxes
    QStringList statuses;             ///< every status text
    bool busy = false;
    int eventPumps = 0;

private:
    Answer next(const QString& text);
};

} // namespace zaf::test
