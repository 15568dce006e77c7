#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QTimer>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace zaf::store {
class TData_Form;
}

namespace zaf::gui {

class TMain;

/// The login window's password field: what is typed goes into a hidden buffer and the field
/// shows one "*" per character. Only typing and Backspace change it (no paste, no drop), so
/// the buffer and the stars never disagree.
class PasswordEdit : public QLineEdit {
public:
    explicit PasswordEdit(QWidget* parent = nullptr);

    const QString& password() const { return m_password; }
    void clearPassword();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void showStars();
    QString m_password;
};

/// The login window: pick or create a diver, type the password, log in. Shown at start and
/// by "&Login as new Diver"; stays on top, cannot be closed from its title bar and keeps the
/// main window disabled until a diver has logged in.
class TLogin : public QDialog {
    Q_OBJECT
public:
    TLogin(TMain* main, store::TData_Form* form);

    void read_user_file();
    void write_user_file();

    // --- handlers
    void FormShow();
    void Button1Click();   ///< "&Ok"
    void ExitClick();      ///< "E&xit"
    void DeleteDiverClick();
    void selectEntry(int index);
    void Timer1Timer();

    /// Escape does not close the login window either.
    void reject() override;

    /// The password typed at the last login, kept for the server account check.
    const QString& sessionPassword() const { return m_sessionPassword; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormClose();
    void closeWindow();
    void fillList(const QStringList& names);

    TMain* m_main;
    store::TData_Form* m_data;
    QComboBox* m_divers = nullptr;
    PasswordEdit* m_passwordEdit = nullptr;
    QLineEdit* m_email = nullptr;
    QCheckBox* m_internet = nullptr;
    QTimer m_timer1;
    QString m_sessionPassword;
    bool m_closeAllowed = false;
};

} // namespace zaf::gui
