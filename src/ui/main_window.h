#pragma once

#include "core/config_file.h"
#include "core/view_state.h"
#include "ui/qt_ui.h"
#include "ui/single_instance.h"

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <QPixmap>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QToolBar;
class QPlainTextEdit;

namespace zaf::store {
class TData_Form;
class Table;
}

namespace zaf::gui {

class DiveLogPage;
class DiversPage;
class ErrorHandler;

/// Settles a table's pending change before the window posts it: drops a new record nobody
/// typed into; true when a change is left to post.
bool needsPost(store::Table& table);
class OthersLogPage;
class RecordPage;
class DateTimePicker;
class TMenu_Editor;

/// The main window: menus, toolbar, the thirteen pages with their picker, the status line
/// with its progress bar and Cancel button, the timers, and the start-up and shutdown steps.
/// It is the program's `Ui` (through QtUi) and its view state.
class TMain : public QMainWindow, public ViewState {
    Q_OBJECT
public:
    /// The window's title, and the name of the lock that refuses a second copy.
    static QString title();

    /// Runs the creation steps (FormCreate) for the given command-line debug switches.
    explicit TMain(QWidget* parent = nullptr);
    ~TMain() override;

    /// The data module, created after the window; null until then. The record pages are
    /// made over it here; setting null (before the data module goes) takes them down again.
    void setDataForm(store::TData_Form* form);
    store::TData_Form* dataForm() const { return m_data; }
    /// Where errors caught during shutdown go (the application's handler).
    void setErrorHandler(ErrorHandler* handler) { m_errorHandler = handler; }
    /// The login window shown at the first display and by "&Login as new Diver".
    void setLoginWindow(QWidget* login) { m_login = login; }
    /// The configuration window opened by "&Configure" and "Configure ZAF".
    void setConfigurationWindow(QWidget* configuration) { m_configuration = configuration; }

    // --- start-up and shutdown
    void FormCreate();
    /// The first display's steps; false when this copy is refused and must end.
    bool FormShow();
    void FormClose();
    void Prepare_to_close();
    /// Loads the record for the configuration's user name and applies the window placement;
    /// true when it was a record of the current format.
    bool read_cfg();
    /// Applies the record in force: window placement, caption colour, screen layout.
    void applyConfiguration();
    /// The size of the screen the window must stay on.
    static ScreenSize screenSize();
    /// Stores the record with the current window placement.
    void write_cfg();

    // --- the cancel flag and the pause
    void CancelButtonClick();
    /// A pause of `milliseconds` that keeps the window alive and ends early on cancel.
    void wait(int milliseconds);

    // --- commands of this window
    void saveChanges();
    void loginAsNewDiver();
    void showConfiguration();
    /// Shows the login window (its show steps disable this window until a diver logs in).
    void showLogin();
    /// Shows or hides the server menu, the Web menu and the Search and Message Board pages.
    void setNetworkFunctionsVisible(bool visible);
    bool networkFunctionsVisible() const;
    /// Shows or hides the "Debug" menu (the About box's debug password shows it).
    void setDebugMenuVisible(bool visible);
    /// Shows a page and puts its caption into the picker.
    void showPage(Page page);

    /// One tick of the shutdown watchdog (`Timer7`).
    void Timer7Timer();
    bool watchdogRunning() const { return m_timer7.isActive(); }

    // --- view state
    Page currentPage() const override;
    bool pageControlEnabled() const override;
    void requestFocus(const QString& objectName) override;
    QString depthUnitCaption() const override;
    QString diverDepthUnitCaption() const override;
    void setUnitCaptions(Page page, const UnitCaptions& captions) override;
    void setDiverUnitCaptions(const QString& depth, const QString& weight) override;
    SurfaceIntervalBoxes surfaceIntervalBoxes(Page page) const override;
    void setSurfaceIntervalBoxes(Page page, const SurfaceIntervalBoxes& boxes) override;
    void showGasMixturePage() override;
    std::optional<double> pickDateTime(double current) override;
    void setNavigatorButtons(Page page, unsigned buttons) override;
    void setControlShown(Page page, PageControl control, bool shown) override;
    void setPageShaded(Page page, bool shaded) override;
    bool showPicture(Page page, const QString& filePath) override;
    void setPictureAction(Page page, PictureAction action) override;
    void refreshCertifications() override;
    void resetPageScroll(Page page) override;

    // --- pages
    /// The record page shown on `page`; null for the tool pages without a table.
    RecordPage* recordPage(Page page) const;
    /// The page change rule: saves and checks pending edits, keeps the current picture and
    /// prepares the page now shown. Runs after every change of the shown page.
    void PageControl1Change();
    /// A toolbar button: shows its page, or toggles the table view of a record page that
    /// already shows.
    void toolBarPage(Page page);
    /// Applies one of the twelve screen layouts, shows the Dive Log page and sizes the window.
    void applyScreenLayout(int layout);
    /// Sizes the window so the Dive Log page just holds its fields.
    void fitToDiveLogPage();
    /// Reads the background pictures of the program directory's `backgrounds` folder.
    void loadBackgrounds();
    /// Colours every caption of the record pages.
    void setCaptionColour(const QColor& colour);
    /// Copy Record of the Dive Log page (`fromDivePage`) or of the Others' Logs page.
    void Button20Click(bool fromDivePage);

    /// The Ui of this window (message boxes parented here, the status line).
    QtUi& windowUi() { return m_qtUi; }
    /// Shows the progress bar and the Cancel button for a transfer, or hides them again.
    void setTransferControlsVisible(bool visible);
    /// The status line's progress bar (for transfers).
    QProgressBar* progressBar() const { return m_progress; }
    /// The text of the status line's panel.
    QString statusText() const;

    // --- what other windows provide; unset hooks leave their commands doing nothing
    std::function<void()> aboutHook;              ///< "&About ZAF"
    std::function<void()> debugViewerHook;        ///< the Debug menu's trace viewer
    std::function<void(int layout)> screenLayoutHook; ///< apply one of the twelve layouts
    std::function<void(const QColor&)> fontColourHook; ///< captions of the record pages
    /// Ends the message loop; by default the application exits.
    std::function<void()> terminateHook;
    /// Ends the process at once (the watchdog's last stage); by default _Exit.
    std::function<void()> destroyHook;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildPages();
    void buildStatusLine();
    void buildTimers();
    void loadLogos();
    void fillDiveComputerSelector();
    void buildRecordPages();
    void releaseRecordPages();
    void fitOnce();
    void buildStartPage();
    void wireRecordPage(RecordPage* page);
    void connectEditCommands();
    void connectHelpLinks();
    void openDropDownListEditor();
    bool postEquipment();
    bool postPictures();
    void keepCurrentPicture(Page page);
    void preparePage(Page page);
    void postPending(std::initializer_list<store::Table*> tables);
    void terminate();
    QAction* action(const QString& objectName) const;

    store::TData_Form* m_data = nullptr;
    ErrorHandler* m_errorHandler = nullptr;
    QWidget* m_login = nullptr;
    QWidget* m_configuration = nullptr;
    QtUi m_qtUi;
    SingleInstance m_instance;

    QTabWidget* m_pages = nullptr;
    QComboBox* m_pagePicker = nullptr;
    QComboBox* m_diveComputer = nullptr;
    QPushButton* m_screenSaverButton = nullptr;
    QLabel* m_logos[2] = {nullptr, nullptr};
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
    QMenu* m_serverMenu = nullptr;
    QMenu* m_webMenu = nullptr;
    QMenu* m_debugMenu = nullptr;
    QToolBar* m_toolBar = nullptr;
    QWidget* m_topBar = nullptr;
    QLabel* m_leftPanel = nullptr;
    QLabel* m_pageIcon = nullptr;
    RecordPage* m_recordPages[13] = {};
    DiveLogPage* m_diveLogPage = nullptr;
    OthersLogPage* m_othersLogPage = nullptr;
    DiversPage* m_diversPage = nullptr;
    DateTimePicker* m_picker = nullptr;
    std::unique_ptr<TMenu_Editor> m_menuEditor;
    QPixmap m_backgrounds[13];
    int m_layout = 0;
    bool m_inPageChange = false;

    QTimer m_timer1, m_timer2, m_timer3, m_timer4, m_timer5, m_timer6, m_timer7;
    bool m_shown = false;
    bool m_closing = false;
    QString m_logoTargets[2];
};

} // namespace zaf::gui
