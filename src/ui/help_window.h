#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTextEdit;

namespace zaf::store {
class Table;
}

namespace zaf::gui {

/// The help window "ZAF Help System": one topic of the help table at a time, its caption as
/// a title line and its text read-only below, with Prior/Next through the topics in number
/// order. The help table is open only while the window shows.
class HelpWindow : public QWidget {
public:
    /// `helpTable` is the data module's ZAFHelp table; `mainWindow` decides the placement.
    explicit HelpWindow(store::Table& helpTable, QWidget* mainWindow = nullptr);
    ~HelpWindow() override;

    /// Shows a topic, or topic 0 (keeping the asked number in the hidden number label) when
    /// there is no such topic. Reports "ZAF Help file not found." and returns false when the
    /// help table cannot be opened.
    bool show_help(int topic);
    /// The Help_ID of the topic shown; -1 when none is.
    int currentTopic();

    /// Where the window's left edge goes: the right edge of the screen while the main window
    /// sits nearer the screen's left edge than its right edge, else 1.
    static int leftFor(int mainLeft, int mainWidth, int screenWidth, int ownWidth);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool openTable();
    void place();
    void showCurrent();
    void step(bool forward);
    bool handleKey(int key);

    store::Table& m_table;
    QWidget* m_main;
    QLabel* m_number;
    QLabel* m_caption;
    QTextEdit* m_text;
    QPushButton* m_prior;
    QPushButton* m_next;
};

/// Registers the program's help window for show_help and F1 (not owned; nullptr clears).
void setHelpWindow(HelpWindow* window);
HelpWindow* helpWindow();
/// Shows a topic in the registered help window; does nothing before one is registered.
void show_help(int topic);

} // namespace zaf::gui
