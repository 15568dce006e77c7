#pragma once

#include "core/app_state.h"
#include "core/cancel_flag.h"
#include "core/config_record.h"
#include "core/diver_file.h"
#include "core/ini_settings.h"
#include "core/program_dir.h"
#include "store/data_form.h"
#include "store/login_steps.h"
#include "support/scripted_ui.h"
#include "ui/error_handler.h"
#include "ui/login_form.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>

namespace zaf::test {

/// A program directory and a settings directory of its own per test, the scripted Ui, and
/// the real main window, data module and login window made as the program makes them.
class UiFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(settings.isValid());
        setProgramDirectory(home.path());
        setSettingsDirectory(settings.path());
        resetState();
        setUi(&ui);
    }

    void TearDown() override
    {
        login.reset();
        main.reset();
        data.reset();
        setUi(nullptr);
        setSettingsDirectory({});
        resetState();
    }

    static void resetState()
    {
        appState() = AppState();
        config() = ConfigRecord();
        diverTable() = DiverTable();
        setCancel(false);
    }

    /// Window first, then the store, then the login window; nothing is shown yet.
    void start()
    {
        main = std::make_unique<gui::TMain>();
        main->terminateHook = [this] { ++terminations; };
        main->destroyHook = [this] { ++destructions; };
        data = std::make_unique<store::TData_Form>();
        data->DataCreate();
        main->setDataForm(data.get());
        handler.setDataForm(data.get());
        handler.watchdogRunning = [this] { return main->watchdogRunning(); };
        main->setErrorHandler(&handler);
        login = std::make_unique<gui::TLogin>(main.get(), data.get());
        main->setLoginWindow(login.get());
    }

    /// Writes user.zaf with these divers in slots 1, 2, …
    static void writeDivers(const std::vector<DiverSlot>& divers)
    {
        DiverTable table;
        for (size_t i = 0; i < divers.size(); ++i)
            table.slot(int(i) + 1) = divers[i];
        ASSERT_TRUE(table.write());
    }

    template <typename W>
    W* widget(QObject* parent, const char* name)
    {
        W* found = parent->findChild<W*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void click(QObject* parent, const char* name)
    {
        if (auto* button = widget<QPushButton>(parent, name))
            button->click();
    }

    /// Types text into a widget as key presses.
    static void type(QWidget* target, const QString& text)
    {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(target, &press);
        }
    }

    static void pressKey(QWidget* target, int key)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
    }

    /// Logs "Jo" in as the login window leaves things. Called after start(): the window reads
    /// a configuration record of its own when it is made.
    void logInJo()
    {
        config().userName = QStringLiteral("Jo");
        config().userEmail = QStringLiteral("jo@example.org");
        store::closeLogin(*data);
    }

    /// A shown, active window of `size` holding `pages` one above the other and, under them,
    /// `sink`: a line edit that can take the focus away from the pages.
    static std::unique_ptr<QWidget> hostWindow(QSize size, std::initializer_list<QWidget*> pages, QLineEdit*& sink)
    {
        auto host = std::make_unique<QWidget>();
        host->resize(size);
        auto* layout = new QVBoxLayout(host.get());
        for (QWidget* page : pages)
            layout->addWidget(page);
        sink = new QLineEdit(host.get());
        layout->addWidget(sink);
        host->show();
        QApplication::setActiveWindow(host.get());
        QCoreApplication::processEvents();
        return host;
    }

    bool homeFileExists(const QString& name) const { return QFileInfo::exists(home.filePath(name)); }

    QTemporaryDir home;
    QTemporaryDir settings;
    ScriptedUi ui;
    gui::ErrorHandler handler;
    std::unique_ptr<store::TData_Form> data;
    std::unique_ptr<gui::TMain> main;
    std::unique_ptr<gui::TLogin> login;
    int terminations = 0;
    int destructions = 0;
};

} // namespace zaf::test
