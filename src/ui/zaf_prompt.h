#pragma once

#include <QDialog>
#include <functional>

class QLabel;

namespace zaf::gui {

/// "ZAF Prompt": the question the full synchronization asks about a server record that has
/// no local copy. It does not block like a modal box: MsgDlg keeps the program's events
/// running until an answer is given or the cancel flag is set.
class TZAFPrompt : public QDialog {
public:
    /// The answers; 0 means the wait was cancelled.
    enum Answer { None = 0, DeleteFromServer = 1, DeleteAllFromServer = 2, CopyLocal = 3, CopyAllLocal = 4, Skip = 5 };

    /// `mainWindow` gets the arrow cursor while the prompt waits (may be null).
    explicit TZAFPrompt(QWidget* mainWindow = nullptr);

    /// Shows the question and waits: 1 to 5 by the button pressed (closing the window is 5),
    /// 0 when the cancel flag ended the wait. "Help" shows the prompt's topic and waits on.
    int MsgDlg(const QString& question);

    /// What "Help" does; by default the program's help window.
    std::function<void(int topic)> showHelp;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void answer(int value);

    QWidget* m_main;
    QLabel* m_question;
    int m_answer = None;
};

} // namespace zaf::gui
