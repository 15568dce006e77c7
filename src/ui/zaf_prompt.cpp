#include "ui/zaf_prompt.h"

#include "core/cancel_flag.h"
#include "ui/help_keys.h"
#include "ui/help_topics.h"
#include "ui/help_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace zaf::gui {

TZAFPrompt::TZAFPrompt(QWidget* mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint), m_main(mainWindow)
{
    setObjectName(QStringLiteral("ZAFPrompt"));
    setWindowTitle(QStringLiteral("ZAF Prompt"));
    setModal(false);
    setHelpContext(this, help_topic::SyncPrompt);
    showHelp = [](int topic) { show_help(topic); };

    m_question = new QLabel(this);
    m_question->setObjectName(QStringLiteral("Question"));
    m_question->setWordWrap(true);
    m_question->setMinimumWidth(420);

    struct Choice {
        const char* name;
        const char* text;
        int value;
    };
    static const Choice choices[] = {
        {"Button1", "Delete from Server", DeleteFromServer}, {"Button2", "Delete All from Server", DeleteAllFromServer},
        {"Button3", "Copy it Local", CopyLocal},             {"Button4", "Copy All Local", CopyAllLocal},
        {"Button5", "Skip", Skip},
    };
    auto* buttons = new QGridLayout;
    int column = 0;
    for (const Choice& c : choices) {
        auto* button = new QPushButton(QString::fromLatin1(c.text), this);
        button->setObjectName(QString::fromLatin1(c.name));
        button->setAutoDefault(false);
        const int value = c.value;
        connect(button, &QPushButton::clicked, this, [this, value] { answer(value); });
        buttons->addWidget(button, column / 3, column % 3);
        ++column;
    }
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("Button6"));
    help->setDefault(true);
    connect(help, &QPushButton::clicked, this, [this] {
        if (showHelp)
            showHelp(help_topic::SyncPrompt);
    });
    buttons->addWidget(help, column / 3, column % 3);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->addWidget(m_question, 1);
    layout->addSpacing(10);
    layout->addLayout(buttons);
}

int TZAFPrompt::MsgDlg(const QString& question)
{
    m_answer = None;
    m_question->setText(question);
    adjustSize();
    if (const QScreen* screen = m_main ? m_main->screen() : QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    activateWindow();

    const bool hadCursor = m_main && m_main->testAttribute(Qt::WA_SetCursor);
    const QCursor previous = m_main ? m_main->cursor() : QCursor();
    if (m_main)
        m_main->setCursor(Qt::ArrowCursor);
    // A long operation shows its hourglass as the application's override cursor, which
    // would hide the arrow; an arrow on top of that stack is taken off again afterwards.
    const bool overridden = QGuiApplication::overrideCursor() != nullptr;
    if (overridden)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);

    // The cancel flag is set by an event handler (the Cancel button, shutdown), so waking on
    // events is enough; the tick only bounds how long a flag set elsewhere goes unnoticed.
    QTimer tick;
    tick.start(100);
    while (m_answer == None && !cancelRequested())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    tick.stop();

    if (overridden)
        QGuiApplication::restoreOverrideCursor();
    if (m_main) {
        if (hadCursor)
            m_main->setCursor(previous);
        else
            m_main->unsetCursor();
    }
    hide();
    return m_answer;
}

void TZAFPrompt::answer(int value)
{
    m_answer = value;
}

void TZAFPrompt::closeEvent(QCloseEvent* event)
{
    if (m_answer == None)
        m_answer = Skip;
    QDialog::closeEvent(event);
}

void TZAFPrompt::reject()
{
    // Escape and the close box both leave the record alone, like "Skip".
    if (m_answer == None)
        m_answer = Skip;
    QDialog::reject();
}

} // namespace zaf::gui
