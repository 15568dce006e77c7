#pragma once

#include <memory>

namespace zaf::store {
class TData_Form;
}

namespace zaf::gui {

class HelpWindow;
class HelpKeyFilter;
class TAboutBox;
class TMain;
class TZAF_Debug_Form;
class TZAFPrompt;

/// The windows the main window opens on demand — help, About box, trace viewer, prompt —
/// made once for the run and wired to the main window's menus, F1 and the data module.
class ProgramWindows {
public:
    ProgramWindows(TMain& main, store::TData_Form& data);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    HelpWindow& help() { return *m_help; }
    TZAFPrompt& prompt() { return *m_prompt; }

private:
    void showDebugViewer();

    TMain& m_main;
    store::TData_Form& m_data;
    std::unique_ptr<HelpWindow> m_help;
    std::unique_ptr<TAboutBox> m_about;
    std::unique_ptr<TZAFPrompt> m_prompt;
    std::unique_ptr<TZAF_Debug_Form> m_debugViewer; ///< made on first use
    HelpKeyFilter* m_helpKey = nullptr;             ///< owned by the application
};

} // namespace zaf::gui
