#include "ui/qt_ui.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace zaf::gui {

namespace {

QMessageBox::Icon iconFor(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

Answer answerFor(int button)
{
    switch (button) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::NoToAll: return Answer::NoToAll;
    case QMessageBox::YesToAll: return Answer::YesToAll;
    default: return Answer::Cancel;
    }
}

// Every box carries the program's title, as the message boxes always have.
Answer ask(QWidget* parent, const QString& text, MessageKind kind, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(iconFor(kind), QStringLiteral("ZAF"), text, buttons, parent);
    return answerFor(box.exec());
}

} // namespace

QtUi::QtUi(QWidget* parent)
    : m_parent(parent)
{
}

void QtUi::message(const QString& text, MessageKind kind)
{
    ask(m_parent, text, kind, QMessageBox::Ok);
}

Answer QtUi::askYesNo(const QString& text, MessageKind kind)
{
    return ask(m_parent, text, kind, QMessageBox::Yes | QMessageBox::No);
}

Answer QtUi::askYesNoCancel(const QString& text, MessageKind kind)
{
    return ask(m_parent, text, kind, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

Answer QtUi::askOkCancel(const QString& text, MessageKind kind)
{
    return ask(m_parent, text, kind, QMessageBox::Ok | QMessageBox::Cancel);
}

Answer QtUi::askYesNoAll(const QString& text, MessageKind kind)
{
    return ask(m_parent, text, kind,
               QMessageBox::Yes | QMessageBox::No | QMessageBox::NoToAll | QMessageBox::YesToAll);
}

bool QtUi::inputBox(const QString& caption, const QString& prompt, QString& value, bool password)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(m_parent, caption, prompt,
                                                 password ? QLineEdit::Password : QLineEdit::Normal, value, &ok);
    if (ok)
        value = answer;
    return ok;
}

QString QtUi::chooseFile(const QString& caption, const QString& directory, const QString& filter)
{
    return QFileDialog::getOpenFileName(m_parent, caption, directory, filter);
}

void QtUi::setStatus(const QString& text)
{
    if (m_status)
        m_status(text);
}

void QtUi::setBusyCursor(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtUi::processEvents()
{
    QApplication::processEvents();
}

} // namespace zaf::gui
