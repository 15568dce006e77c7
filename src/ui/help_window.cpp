#include "ui/help_window.h"

#include "core/ui.h"
#include "store/errors.h"
#include "store/table.h"
#include "ui/help_keys.h"
#include "ui/help_topics.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

namespace zaf::gui {
namespace {

HelpWindow* g_helpWindow = nullptr;

QPushButton* makeButton(const QString& text, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

HelpWindow::HelpWindow(store::Table& helpTable, QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window), m_table(helpTable), m_main(mainWindow)
{
    setObjectName(QStringLiteral("THelpForm"));
    setWindowTitle(QStringLiteral("ZAF Help System"));
    setHelpContext(this, help_topic::Fallback);

    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("Help_Caption"));
    m_caption->setWordWrap(true);
    QFont captionFont = m_caption->font();
    captionFont.setBold(true);
    captionFont.setPointSizeF(captionFont.pointSizeF() * 1.25);
    m_caption->setFont(captionFont);

    m_number = new QLabel(this);
    m_number->setObjectName(QStringLiteral("HelpNumber"));
    m_number->hide();

    m_text = new QTextEdit(this);
    m_text->setObjectName(QStringLiteral("Help_Text"));
    m_text->setReadOnly(true);
    m_text->installEventFilter(this);

    m_prior = makeButton(QStringLiteral("< Prior"), QStringLiteral("PriorButton"), this);
    m_next = makeButton(QStringLiteral("Next >"), QStringLiteral("NextButton"), this);
    connect(m_prior, &QPushButton::clicked, this, [this] { step(false); });
    connect(m_next, &QPushButton::clicked, this, [this] { step(true); });

    // Both open pages on the web, which needs the server check; until the program has a
    // server connection they stay visible but cannot be pressed.
    QPushButton* web = makeButton(QStringLiteral("Quorvane web site"), QStringLiteral("WebSiteButton"), this);
    QPushButton* manual = makeButton(QStringLiteral("ZAF On-Line Manual"), QStringLiteral("ManualButton"), this);
    web->setEnabled(false);
    manual->setEnabled(false);

    auto* top = new QHBoxLayout;
    top->addWidget(m_caption, 1);
    top->addWidget(m_number);
    auto* navigator = new QHBoxLayout;
    navigator->addWidget(m_prior);
    navigator->addWidget(m_next);
    navigator->addStretch(1);
    auto* links = new QHBoxLayout;
    links->addWidget(web);
    links->addWidget(manual);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_text, 1);
    layout->addLayout(navigator);
    layout->addLayout(links);

    setGeometry(1, 1, 400, 500);
}

HelpWindow::~HelpWindow()
{
    // show_help and F1 must not reach a window that is gone.
    if (g_helpWindow == this)
        g_helpWindow = nullptr;
}

int HelpWindow::leftFor(int mainLeft, int mainWidth, int screenWidth, int ownWidth)
{
    if (mainLeft < screenWidth - mainWidth - mainLeft)
        return screenWidth - ownWidth;
    return 1;
}

bool HelpWindow::openTable()
{
    if (m_table.isOpen())
        return true;
    try {
        m_table.open();
        return true;
    } catch (const store::DatabaseError&) {
        // A fresh copy of the help table comes with the program's updates, which need the
        // server; without it the user is told and the window stays closed.
        ui().message(QStringLiteral("ZAF Help file not found."));
        return false;
    }
}

bool HelpWindow::show_help(int topic)
{
    if (!openTable())
        return false;
    m_number->hide();
    if (!m_table.findKey({topic})) {
        m_number->setText(QString::number(topic));
        if (!m_table.findKey({help_topic::Fallback}))
            m_table.first();
    }
    showCurrent();
    place();
    showNormal();
    raise();
    activateWindow();
    m_text->setFocus();
    return true;
}

int HelpWindow::currentTopic()
{
    if (!m_table.isOpen() || m_table.isEmpty())
        return -1;
    return m_table.field(QStringLiteral("Help_ID")).asInteger();
}

void HelpWindow::place()
{
    const QScreen* screen = m_main ? m_main->screen() : QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->availableGeometry().width() : 0;
    const int mainLeft = m_main ? m_main->frameGeometry().left() : 0;
    const int mainWidth = m_main ? m_main->frameGeometry().width() : 0;
    move(leftFor(mainLeft, mainWidth, screenWidth, frameGeometry().width()), 1);
}

void HelpWindow::showCurrent()
{
    const bool any = !m_table.isEmpty();
    m_caption->setText(any ? m_table.field(QStringLiteral("Help_Caption")).asString() : QString());
    m_text->setPlainText(any ? m_table.field(QStringLiteral("Help_Text")).asString() : QString());
    // A look-up by number leaves the cursor's bof/eof flags clear even on the first or last
    // topic, so the ends are told by position.
    const int position = any ? m_table.recNo() : -1;
    m_prior->setEnabled(any && position > 1);
    m_next->setEnabled(any && position < m_table.recordCount());
}

void HelpWindow::step(bool forward)
{
    if (!m_table.isOpen())
        return;
    forward ? m_table.next() : m_table.prior();
    showCurrent();
}

bool HelpWindow::handleKey(int key)
{
    switch (key) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_QuoteLeft:
        m_number->setText(QString::number(currentTopic()));
        m_number->show();
        return true;
    case Qt::Key_1:
        m_number->show();
        return true;
    default:
        return false;
    }
}

void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(event->key()))
        QWidget::keyPressEvent(event);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text && event->type() == QEvent::KeyPress)
        return handleKey(static_cast<QKeyEvent*>(event)->key());
    return QWidget::eventFilter(watched, event);
}

void HelpWindow::closeEvent(QCloseEvent* event)
{
    m_table.close();
    QWidget::closeEvent(event);
}

void setHelpWindow(HelpWindow* window)
{
    g_helpWindow = window;
}

HelpWindow* helpWindow()
{
    return g_helpWindow;
}

void show_help(int topic)
{
    if (g_helpWindow)
        g_helpWindow->show_help(topic);
}

} // namespace zaf::gui
