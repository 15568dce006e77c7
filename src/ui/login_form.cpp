#include "ui/login_form.h"

#include "core/app_state.h"
#include "core/cancel_flag.h"
#include "core/config_record.h"
#include "core/diver_file.h"
#include "core/new_diver.h"
#include "core/trace.h"
#include "core/ui.h"
#include "store/data_form.h"
#include "store/login_steps.h"
#include "ui/help_keys.h"
#include "ui/help_topics.h"
#include "ui/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zaf::gui {
namespace {

constexpr int kPasswordLength = 20;
const QString kAddNewDiver = QStringLiteral("Add new Diver");

} // namespace

// --- the password field

PasswordEdit::PasswordEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setMaxLength(kPasswordLength);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void PasswordEdit::clearPassword()
{
    m_password.clear();
    showStars();
}

void PasswordEdit::showStars()
{
    setText(QString(m_password.size(), QLatin1Char('*')));
    setCursorPosition(int(text().size()));
}

void PasswordEdit::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
        m_password.chop(1);
        showStars();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        QLineEdit::keyPressEvent(event); // the window's default button and focus chain
        return;
    default:
        break;
    }
    const QString typed = event->text();
    const bool control = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (!control && !typed.isEmpty() && typed.at(0).isPrint()) {
        if (m_password.size() + typed.size() <= kPasswordLength)
            m_password += typed;
        showStars();
    }
    // Everything else (paste, cut, undo, caret moves) would let the stars part from the
    // buffer, so it is swallowed.
    event->accept();
}

void PasswordEdit::inputMethodEvent(QInputMethodEvent* event)
{
    event->ignore();
}

// --- the window

TLogin::TLogin(TMain* main, store::TData_Form* form)
    : m_main(main)
    , m_data(form)
{
    setObjectName(QStringLiteral("TLogin"));
    setWindowTitle(QStringLiteral("ZAF Login"));
    // No close box: the window ends only through "&Ok" or "E&xit".
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);

    m_divers = new QComboBox(this);
    m_divers->setObjectName(QStringLiteral("DiverList"));
    m_passwordEdit = new PasswordEdit(this);
    m_passwordEdit->setObjectName(QStringLiteral("PasswordEdit"));
    m_email = new QLineEdit(this);
    m_email->setObjectName(QStringLiteral("EmailEdit"));
    m_email->setReadOnly(true);
    m_email->setMaxLength(50);
    m_email->setFocusPolicy(Qt::NoFocus);
    m_internet = new QCheckBox(QStringLiteral("Enable Internet Functions"), this);
    m_internet->setObjectName(QStringLiteral("InternetCheckBox"));
    m_internet->setChecked(true);

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    auto* exitButton = new QPushButton(QStringLiteral("E&xit"), this);
    exitButton->setObjectName(QStringLiteral("ExitButton"));
    exitButton->setAutoDefault(false);
    auto* remove = new QPushButton(QStringLiteral("Delete Diver"), this);
    remove->setObjectName(QStringLiteral("DeleteDiverButton"));
    remove->setAutoDefault(false);
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("HelpButton"));
    help->setAutoDefault(false);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Diver"), m_divers);
    fields->addRow(QStringLiteral("Password"), m_passwordEdit);
    fields->addRow(QStringLiteral("E-Mail Address"), m_email);
    fields->addRow(QString(), m_internet);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(exitButton);
    buttons->addWidget(remove);
    buttons->addWidget(help);
    auto* column = new QVBoxLayout(this);
    column->addLayout(fields);
    column->addLayout(buttons);
    m_divers->setMinimumWidth(260);

    m_timer1.setParent(this);
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(1000);

    connect(m_divers, &QComboBox::activated, this, [this](int index) { selectEntry(index); });
    connect(ok, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(exitButton, &QPushButton::clicked, this, [this] { ExitClick(); });
    connect(remove, &QPushButton::clicked, this, [this] { DeleteDiverClick(); });
    connect(help, &QPushButton::clicked, this, [] { showHelpTopic(10); });
    setHelpContext(this, help_topic::Login);
    connect(m_internet, &QCheckBox::clicked, this, [](bool checked) { config().enableInternet = checked; });
    connect(&m_timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

void TLogin::fillList(const QStringList& names)
{
    m_divers->clear();
    m_divers->addItem(kAddNewDiver);
    m_divers->addItems(names);
}

void TLogin::read_user_file()
{
    fillList(diverTable().read());
}

void TLogin::write_user_file()
{
    diverTable().write();
}

void TLogin::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TLogin::FormShow()
{
    const QString procedure = QStringLiteral("TLogin.FormShow");
    write_debug_message(procedure, QStringLiteral("enter"));
    m_closeAllowed = false;
    read_user_file();
    int index = config().lastLoginIndex;
    if (index <= 0)
        index = 1;
    if (index < m_divers->count()) {
        m_divers->setCurrentIndex(index);
        selectEntry(index);
    } else {
        // A remembered diver who is gone leaves nobody picked, rather than starting the
        // creation dialogue of entry 0 by itself.
        m_divers->setCurrentIndex(-1);
        m_email->clear();
    }
    m_sessionPassword.clear();
    m_timer1.start();
    if (m_main)
        m_main->setEnabled(false);
    activateWindow();
    m_passwordEdit->setFocus();
    m_internet->setChecked(config().enableInternet);
    write_debug_message(procedure, QStringLiteral("exit"));
}

void TLogin::Timer1Timer()
{
    if (isVisible()) {
        if (m_main)
            m_main->setEnabled(false);
        m_passwordEdit->setFocus();
    }
    m_timer1.stop();
}

void TLogin::selectEntry(int index)
{
    if (index == 0) {
        const int slot = add_new_user();
        read_user_file();
        if (slot > 0 && slot < m_divers->count()) {
            m_divers->setCurrentIndex(slot);
            selectEntry(slot);
        } else {
            m_divers->setCurrentIndex(-1);
            m_email->clear();
        }
        return;
    }
    if (index < 1 || index > DiverTable::SlotCount) {
        m_email->clear();
        return;
    }
    const DiverSlot& slot = diverTable().slot(index);
    if (!slot.name.trimmed().isEmpty()) {
        m_email->setText(slot.email);
        m_passwordEdit->setFocus();
    } else {
        m_email->clear();
    }
}

void TLogin::DeleteDiverClick()
{
    const int index = m_divers->currentIndex();
    if (index < 1 || index > DiverTable::SlotCount)
        return;
    diverTable().slot(index).name.clear();
    write_user_file();
    read_user_file();
    const int next = m_divers->count() > 1 ? 1 : -1;
    m_divers->setCurrentIndex(next);
    if (next > 0)
        selectEntry(next);
    else
        m_email->clear();
}

void TLogin::Button1Click()
{
    if (m_main)
        m_main->setNetworkFunctionsVisible(true);
    const bool storeOpen = m_data && m_data->Divers_Table.isOpen();
    if (!storeOpen) {
        ui().message(store::loginCheckMessage(store::LoginCheck::StoreClosed), MessageKind::Error);
        return;
    }
    const QString procedure = QStringLiteral("TLogin.Button1Click");
    write_debug_message(procedure, QStringLiteral("enter"));
    const int index = m_divers->currentIndex();
    config().lastLoginIndex = index;

    const store::LoginCheck check = store::checkLogin(storeOpen, index, m_passwordEdit->password());
    if (check == store::LoginCheck::NoDiver || check == store::LoginCheck::InvalidEmail
        || check == store::LoginCheck::StoreClosed) {
        ui().message(store::loginCheckMessage(check), MessageKind::Warning);
        return;
    }
    if (check == store::LoginCheck::Ok) {
        // The main window takes input only once someone is logged in: enabling it before
        // the checks would leave it usable behind a refused login.
        if (m_main)
            m_main->setEnabled(true);
        const store::LoginOutcome outcome = store::logIn(*m_data, index, TMain::screenSize());
        if (m_main) {
            m_main->applyConfiguration();
            m_main->showPage(Page::ZafMain);
            if (outcome.showDiversPage)
                m_main->showPage(Page::Divers);
        }
        config().enableInternet = m_internet->isChecked();
        if (!config().enableInternet && m_main)
            m_main->setNetworkFunctionsVisible(false);
        closeWindow();
        if (outcome.showConfiguration && m_main)
            m_main->showConfiguration();
    }
    m_sessionPassword = m_passwordEdit->password().left(kPasswordLength);
    m_passwordEdit->clearPassword();
    if (isVisible())
        m_passwordEdit->setFocus();
    // The news check after a login belongs to the message board.
    ui().setStatus(QStringLiteral("Press F1 for help"));
    write_debug_message(procedure, QStringLiteral("exit"));
}

void TLogin::ExitClick()
{
    setCancel(true);
    appState().exitRequested = true;
    closeWindow();
    if (m_main)
        m_main->close();
}

void TLogin::closeWindow()
{
    m_closeAllowed = true;
    close();
}

void TLogin::closeEvent(QCloseEvent* event)
{
    if (!m_closeAllowed) {
        event->ignore();
        return;
    }
    m_timer1.stop();
    FormClose();
    event->accept();
}

void TLogin::reject()
{
}

void TLogin::FormClose()
{
    const QString procedure = QStringLiteral("TLogin.FormClose");
    write_debug_message(procedure, QStringLiteral("enter"));
    if (m_data)
        store::closeLogin(*m_data);
    else
        write_user_file();
    write_debug_message(procedure, QStringLiteral("exit"));
}

} // namespace zaf::gui
