#pragma once

#include "core/app_state.h"
#include "core/config_record.h"
#include "core/diver_file.h"
#include "core/program_dir.h"
#include "store/data_form.h"
#include "support/fake_view_state.h"
#include "support/scripted_ui.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace zaf::test {

inline const QString kJo = QStringLiteral("Jo");
inline const QString kJoMail = QStringLiteral("jo@example.org");

/// A freshly opened store with "Jo" logged in, the scripted Ui, a fake window state and a
/// top-level window that the widget under test sits in (shown and active, so that fields
/// can take the focus). The window goes before the store.
class RecordWidgetsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        setProgramDirectory(home.path());
        appState() = AppState();
        config() = ConfigRecord();
        diverTable().decode({});
        config().userName = kJo;
        config().userEmail = kJoMail;
        data = std::make_unique<store::TData_Form>();
        data->DataCreate();
        window = std::make_unique<QWidget>();
        window->resize(616, 586);
        new QVBoxLayout(window.get());
    }

    void TearDown() override
    {
        window.reset();
        data.reset();
        config() = ConfigRecord();
        diverTable().decode({});
        appState() = AppState();
    }

    /// Appends a record with these text fields and posts it.
    static void addRecord(store::Table& table, const QList<QPair<QString, QString>>& fields)
    {
        table.append();
        ASSERT_TRUE(table.isEditing()) << "the new record was refused";
        for (const auto& [name, value] : fields)
            table[name].setAsString(value);
        table.post();
    }

    /// A dive site of that owner ("Jo" by default).
    void addSite(const QString& name, const QString& owner = kJo, const QString& mail = kJoMail)
    {
        addRecord(data->DiveSite_Table,
                  {{"DiveSite", name}, {"Location", QStringLiteral("Bonaire")}, {"OwnerName", owner}, {"OwnerEmail", mail}});
    }

    /// Puts a widget into the window.
    template <typename W>
    W* add(W* widget)
    {
        window->layout()->addWidget(widget);
        return widget;
    }

    /// Shows the window as the active one and gives the widget the focus.
    void focus(QWidget* widget)
    {
        if (!window->isVisible()) {
            window->show();
            QApplication::setActiveWindow(window.get());
            QCoreApplication::processEvents();
        }
        widget->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
    }

    /// Types text into a widget as key presses, as the keyboard would.
    static void type(QWidget* target, const QString& text)
    {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(target, &release);
        }
    }

    static void press(QWidget* target, int key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    }

    QTemporaryDir home;
    ScriptedUi ui;
    FakeViewState view;
    std::unique_ptr<store::TData_Form> data;
    std::unique_ptr<QWidget> window;
};

} // namespace zaf::test
