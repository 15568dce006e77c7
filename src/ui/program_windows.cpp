#include "ui/program_windows.h"

#include "core/new_diver.h"
#include "store/data_form.h"
#include "ui/about_box.h"
#include "ui/debug_viewer.h"
#include "ui/help_keys.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/zaf_prompt.h"

namespace zaf::gui {

ProgramWindows::ProgramWindows(TMain& main, store::TData_Form& data)
    : m_main(main)
    , m_data(data)
    , m_help(std::make_unique<HelpWindow>(data.ZAFHelp_Table, &main))
    , m_prompt(std::make_unique<TZAFPrompt>(&main))
{
    setHelpWindow(m_help.get());
    // The login and configuration windows live in core's reach and ask for topics by number.
    setHelpHook([](int topic) { show_help(topic); });
    m_helpKey = installHelpKey();
    HelpWindow* help = m_help.get();
    data.closeHelpHook = [help] { help->close(); };

    DebugModeHooks hooks;
    hooks.showDebugMenu = [&main] { main.setDebugMenuVisible(true); };
    m_about = std::make_unique<TAboutBox>(&data, hooks, &main);
    TAboutBox* about = m_about.get();
    main.aboutHook = [about] { about->showCentred(); };
    main.debugViewerHook = [this] { showDebugViewer(); };
}

ProgramWindows::~ProgramWindows()
{
    m_main.aboutHook = nullptr;
    m_main.debugViewerHook = nullptr;
    m_data.closeHelpHook = nullptr;
    setHelpHook(nullptr);
    setHelpWindow(nullptr);
    delete m_helpKey;
}

void ProgramWindows::showDebugViewer()
{
    if (!m_debugViewer)
        m_debugViewer = std::make_unique<TZAF_Debug_Form>(m_data);
    m_debugViewer->show();
    m_debugViewer->raise();
}

} // namespace zaf::gui
