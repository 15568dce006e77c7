#pragma once

#include "core/ui.h"

#include <functional>

class QWidget;

namespace zaf::gui {

/// The program's `Ui`: real message boxes, input boxes and file dialogs, the main window's
/// status line and the application's cursor.
class QtUi : public Ui {
public:
    /// `parent` owns the dialogs (may be null).
    explicit QtUi(QWidget* parent = nullptr);

    void setParent(QWidget* parent) { m_parent = parent; }
    /// Where status texts go: the first panel of the main window's status line.
    void setStatusSink(std::function<void(const QString&)> sink) { m_status = std::move(sink); }

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

private:
    QWidget* m_parent;
    std::function<void(const QString&)> m_status;
    bool m_busy = false;
};

} // namespace zaf::gui
