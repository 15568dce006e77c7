#include "support/scripted_ui.h"

#include <gtest/gtest.h>

namespace zaf::test {

ScriptedUi::ScriptedUi()
{
    setUi(this);
}

ScriptedUi::~ScriptedUi()
{
    setUi(nullptr);
}

Answer ScriptedUi::next(const QString& text)
{
    questions.append(text);
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return Answer::Cancel;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedUi::message(const QString& text, MessageKind)
{
    messages.append(text);
}

Answer ScriptedUi::askYesNo(const QString& text, MessageKind)
{
    return next(text);
}

Answer ScriptedUi::askYesNoCancel(const QString& text, MessageKind)
{
    return next(text);
}

Answer ScriptedUi::askOkCancel(const QString& text, MessageKind)
{
    return next(text);
}

Answer ScriptedUi::askYesNoAll(const QString& text, MessageKind)
{
    return next(text);
}

bool ScriptedUi::inputBox(const QString&, const QString& prompt, QString& value, bool)
{
    prompts.append(prompt);
    if (inputs.empty())
        return false;
    value = inputs.front();
    inputs.pop_front();
    return true;
}

QString ScriptedUi::chooseFile(const QString&, const QString&, const QString&)
{
    if (files.empty())
        return {};
    QString file = files.front();
    files.pop_front();
    return file;
}

void ScriptedUi::setStatus(const QString& text)
{
    statuses.append(text);
}

void ScriptedUi::setBusyCursor(bool value)
{
    busy = value;
}

void ScriptedUi::processEvents()
{
    ++eventPumps;
}

} // namespace zaf::test
