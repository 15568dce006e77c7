#include "core/ui.h"

namespace zaf {
namespace {

// Used before a window exists (command-line runs): answers No and records nothing.
class SilentUi final : public Ui {
public:
    void message(const QString&, MessageKind) override {}
    Answer askYesNo(const QString&, MessageKind) override { return Answer::No; }
    Answer askYesNoCancel(const QString&, MessageKind) override { return Answer::Cancel; }
    Answer askOkCancel(const QString&, MessageKind) override { return Answer::Cancel; }
    Answer askYesNoAll(const QString&, MessageKind) override { return Answer::No; }
    bool inputBox(const QString&, const QString&, QString&, bool) override { return false; }
    QString chooseFile(const QString&, const QString&, const QString&) override { return {}; }
    void setStatus(const QString&) override {}
    void setBusyCursor(bool) override {}
    void processEvents() override {}
};

SilentUi g_silent;
Ui* g_ui = &g_silent;

} // namespace

Ui& ui()
{
    return *g_ui;
}

void setUi(Ui* newUi)
{
    g_ui = newUi ? newUi : &g_silent;
}

} // namespace zaf
