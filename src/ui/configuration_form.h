#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;

namespace zaf::store {
class TData_Form;
}

namespace zaf::gui {

class TMain;

/// The configuration window ("&Configure"): the diver's switches, dive computer setup,
/// picture quality, screen layout, units and caption colour, and the change of login data.
/// Every control writes into the record in force at once; "OK" does not store the record.
class TConfiguration_form : public QDialog {
    Q_OBJECT
public:
    TConfiguration_form(TMain* main, store::TData_Form* form);

    void FormShow();
    void OkClick();
    void ChangeLoginClick();
    void FontColorClick();

    /// Re-stamps `Shared` on the diver's records after a sharing switch changed (which
    /// records: "pictures", "divers" or "records"); the sending part of the program sets it.
    std::function<void(const QString& which)> restampHook;
    /// Runs the colour dialog; tests replace it. Returns an invalid colour when cancelled.
    std::function<QColor(const QColor& current)> chooseColour;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void pictureSharingToggled(bool checked);
    void recordSharingToggled(bool checked);
    void contactSharingToggled(bool checked);
    void internetToggled(bool checked);
    void loadDiverUnits();

    TMain* m_main;
    store::TData_Form* m_data;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_email = nullptr;
    QComboBox* m_port = nullptr;
    QComboBox* m_computer = nullptr;
    QSlider* m_quality = nullptr;
    QLabel* m_qualityLabel = nullptr;
    QSlider* m_layout = nullptr;
    QRadioButton* m_imperial = nullptr;
    QRadioButton* m_metric = nullptr;
    QCheckBox* m_dan = nullptr;
    QCheckBox* m_pictureSharing = nullptr;
    QCheckBox* m_contactSharing = nullptr;
    QCheckBox* m_recordSharing = nullptr;
    QCheckBox* m_internet = nullptr;
    QCheckBox* m_autoSync = nullptr;
};

} // namespace zaf::gui
