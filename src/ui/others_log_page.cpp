#include "ui/others_log_page.h"

#include "calc/dive_time_rules.h"
#include "store/data_form.h"
#include "ui/bound_widgets.h"
#include "ui/dive_log_form.h"
#include "ui/memo_enlargement.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace zaf::gui {

namespace {

const DiveLogFormNames kNames{QStringLiteral("OthersLog"), QStringLiteral("OthersLog_DiverName"),
                              QStringLiteral("OthersLogSubPages"), QStringLiteral("Others"),
                              QStringLiteral("Button20")};

} // namespace

OthersLogPage::OthersLogPage(store::TData_Form& dataForm, QWidget* parent)
    : RecordPage(Page::OthersLogs, dataForm.OthersLog_DataSource, QStringLiteral("OthersLogNavigator"), parent),
      m_data(dataForm)
{
    setObjectName(QStringLiteral("OthersLogPage"));
    m_form = new DiveLogForm(*this, kNames, nullptr);
    addCaptions(m_form->captions());

    m_form->copyRecordButton()->hide();
    connect(m_form->copyRecordButton(), &QPushButton::clicked, this, &OthersLogPage::copyRecordRequested);
    if (const auto captions = unitCaptions(QStringLiteral("0")))
        m_form->setUnitCaptions(*captions);
    // The unit buttons only tell the units of another diver's entry: they convert nothing.

    auto* oxygen = qobject_cast<QLineEdit*>(m_form->field(QStringLiteral("O2pp")));
    binder().onTextChanged(QStringLiteral("O2pp"), [oxygen] { DiveLogForm::showOxygenWarning(oxygen); });

    m_form->commentsEnlargement()->followDoubleClicks();

    QPointer<OthersLogPage> self(this);
    auto previous = dataForm.OthersLog_DataSource.onDataChange;
    dataForm.OthersLog_DataSource.onDataChange = [self, previous](store::Field* changed) {
        if (previous)
            previous(changed);
        if (self)
            calc::showSurfaceInterval(Page::OthersLogs, self->m_data.OthersLog_Table);
    };
}

OthersLogPage::~OthersLogPage() = default;

void OthersLogPage::setUnitCaptions(const UnitCaptions& captions)
{
    m_form->setUnitCaptions(captions);
}

void OthersLogPage::setControlShown(PageControl control, bool shown)
{
    switch (control) {
    case PageControl::CopyRecord:
        m_form->copyRecordButton()->setVisible(shown);
        break;
    case PageControl::Graph: // the profile graph comes with the dive computer downloads
        break;
    default:
        RecordPage::setControlShown(control, shown);
        break;
    }
}

SurfaceIntervalBoxes OthersLogPage::surfaceIntervalBoxes() const
{
    return m_form->surfaceIntervalBoxes();
}

void OthersLogPage::setSurfaceIntervalBoxes(const SurfaceIntervalBoxes& boxes)
{
    m_form->setSurfaceIntervalBoxes(boxes);
}

void OthersLogPage::enterPage()
{
    store::Table& others = m_data.OthersLog_Table;
    if (others.isOpen() && others.onAfterScroll)
        others.onAfterScroll(others);
}

} // namespace zaf::gui
