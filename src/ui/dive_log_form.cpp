#include "ui/dive_log_form.h"

#include "ui/bound_widgets.h"
#include "ui/memo_enlargement.h"
#include "ui/record_page.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zaf::gui {

namespace {

constexpr int kColumns = 24;
constexpr int kSpacing = 4;

/// Calls back when its widget takes or loses the focus.
class FocusWatch : public QObject {
public:
    FocusWatch(QWidget* widget, std::function<void()> entered, std::function<void()> left)
        : QObject(widget), m_entered(std::move(entered)), m_left(std::move(left))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn && m_entered)
            m_entered();
        else if (event->type() == QEvent::FocusOut && m_left)
            m_left();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_entered;
    std::function<void()> m_left;
};

QGridLayout* columnGrid(QWidget* panel)
{
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setHorizontalSpacing(kSpacing);
    grid->setVerticalSpacing(2);
    for (int c = 0; c < kColumns; ++c) {
        grid->setColumnStretch(c, 1);
        grid->setColumnMinimumWidth(c, 10);
    }
    return grid;
}

/// A panel that asks for no more width than its fields need: the window is sized to the
/// Dive Log page, and the fields' own preferred widths would make it needlessly wide.
class CompactPanel : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return {minimumSizeHint().width(), QWidget::sizeHint().height()}; }
};

/// A caption over a row of controls, for the cells that hold more than one field's widget.
QWidget* captionedRow(QWidget* parent, QLabel* caption, const QVector<QWidget*>& controls, QHBoxLayout** rowOut = nullptr)
{
    auto* cell = new QWidget(parent);
    auto* column = new QVBoxLayout(cell);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(caption);
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    for (QWidget* c : controls)
        row->addWidget(c);
    column->addLayout(row);
    if (rowOut)
        *rowOut = row;
    return cell;
}

/// Lets a drop-down shrink to its cell instead of growing to its longest item.
void fitToCell(QComboBox* box)
{
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(2);
}

const char* const kUnitButtonNames[] = {"DepthUnitButton", "VisibilityUnitButton", "AltitudeUnitButton",
                                        "TemperatureUnitButton", "WeightUnitButton"};

} // namespace

void onFocusChange(QWidget* widget, std::function<void()> entered, std::function<void()> left)
{
    new FocusWatch(widget, std::move(entered), std::move(left));
}

DiveLogForm::DiveLogForm(RecordPage& page, const DiveLogFormNames& names, const DiveLogLookups* lookups)
    : QObject(&page), m_page(page)
{
    QWidget* form = page.form();
    auto* layout = new QVBoxLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    auto* main = new CompactPanel(form);
    main->setObjectName(names.fieldPrefix + QStringLiteral("MainArea"));
    buildArea(DiveFieldArea::Main, main, names, lookups);
    layout->addWidget(main);

    m_subPages = new QTabWidget(form);
    m_subPages->setObjectName(names.subPages);
    m_subPages->setDocumentMode(true);
    m_subPages->setUsesScrollButtons(true);
    // Narrow tabs, so that all six captions fit across the page.
    m_subPages->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 7px; }"));
    m_subPages->addTab(picturesPanel(), tr("Pictures"));
    const std::pair<DiveFieldArea, QString> tabs[] = {
        {DiveFieldArea::Buddies, tr("Buddies")},
        {DiveFieldArea::Environment, tr("Environment")},
        {DiveFieldArea::Suit, tr("Dive Suit / Equipment")},
        {DiveFieldArea::Safety, tr("Safety / Outcome")},
        {DiveFieldArea::GasMixture, tr("Gas Mixture")},
    };
    for (const auto& [area, caption] : tabs) {
        auto* panel = new CompactPanel(m_subPages);
        buildArea(area, panel, names, lookups);
        m_subPages->addTab(panel, caption);
    }
    layout->addWidget(m_subPages, 1);

    auto* owner = new CompactPanel(form);
    buildArea(DiveFieldArea::Owner, owner, names, lookups);
    layout->addWidget(owner);

    if (m_comments)
        m_commentsEnlargement = new MemoEnlargement(m_comments, form);
}

QWidget* DiveLogForm::buildCell(const DiveFieldInfo& info, QWidget* panel, const QString& caption,
                                const DiveLogFormNames& names, const DiveLogLookups* lookups)
{
    // Each field is built in a cell of its own, so that its caption sits over it however the
    // form places captions, and the cells line up on the area's columns.
    auto* cell = new QWidget(panel);
    FieldForm cellForm(cell, m_page.binder(), names.fieldPrefix);
    cellForm.grid()->setContentsMargins(0, 0, 0, 0);
    cellForm.grid()->setSpacing(2);
    DiveFieldInfo shown = info;
    if (info.kind != DiveFieldKind::ShownCheck) // a check box carries its caption itself
        shown.caption = caption;
    QWidget* widget = buildField(cellForm, shown, names, lookups);
    m_fields.insert(info.field, widget);
    m_captions += cellForm.captions();
    if (info.field == QLatin1String("Comments"))
        m_comments = static_cast<MemoField*>(widget);
    return cell;
}

void DiveLogForm::buildArea(DiveFieldArea area, QWidget* panel, const DiveLogFormNames& names,
                            const DiveLogLookups* lookups)
{
    if (area == DiveFieldArea::Owner) {
        // One low line: captions beside the fields, the copy button at its end.
        auto* line = new QHBoxLayout(panel);
        line->setContentsMargins(6, 2, 6, 4);
        line->setSpacing(kSpacing);
        for (const DiveFieldInfo& info : diveLogFields()) {
            if (info.area != area)
                continue;
            if (info.kind != DiveFieldKind::ShownCheck) {
                auto* caption = new QLabel(info.caption, panel);
                caption->setObjectName(names.fieldPrefix + QLatin1Char('_') + info.field + QStringLiteral("_Caption"));
                m_captions.append(caption);
                line->addWidget(caption);
            }
            line->addWidget(buildCell(info, panel, QString(), names, lookups), info.field == QLatin1String("OwnerEmail") ? 2 : 1);
        }
        line->addStretch(1);
        m_copyRecord = new QPushButton(tr("Copy Record"), panel);
        m_copyRecord->setObjectName(names.copyRecord);
        line->addWidget(m_copyRecord);
        return;
    }

    // The gas mixture keeps its totals in a block of their own beside the three tanks.
    QGridLayout* totals = nullptr;
    QWidget* fieldsPanel = panel;
    if (area == DiveFieldArea::GasMixture) {
        auto* beside = new QHBoxLayout(panel);
        beside->setContentsMargins(0, 0, 0, 0);
        beside->setSpacing(8);
        fieldsPanel = new QWidget(panel);
        auto* totalsPanel = new QWidget(panel);
        beside->addWidget(fieldsPanel, 3);
        beside->addWidget(totalsPanel, 2, Qt::AlignTop);
        totals = new QGridLayout(totalsPanel);
        totals->setContentsMargins(0, 2, 6, 2);
        totals->setHorizontalSpacing(kSpacing);
        totals->setVerticalSpacing(2);
    }
    QGridLayout* grid = columnGrid(fieldsPanel);
    for (const DiveFieldInfo& info : diveLogFields()) {
        if (info.area != area)
            continue;
        if (totals && info.row >= 3) {
            totals->addWidget(buildCell(info, totals->parentWidget(), info.caption, names, lookups), info.row - 3,
                              info.column, Qt::AlignBottom);
            continue;
        }
        QWidget* cell = buildCell(info, fieldsPanel, info.caption, names, lookups);
        // Memos take the height they are given; every other cell keeps its field at the
        // bottom, so that fields with and without a caption line up.
        if (info.kind == DiveFieldKind::Memo) {
            grid->addWidget(cell, info.row, info.column, 1, info.span);
        } else {
            grid->addWidget(cell, info.row, info.column, 1, info.span, Qt::AlignBottom);
        }
    }
    // Rows keep their height; what a taller sub-page leaves over stays below them.
    if (area != DiveFieldArea::Main)
        grid->setRowStretch(grid->rowCount(), 1);
    // The cells not described by a field: unit buttons, surface interval, tank labels, hint.
    const auto unitButton = [&](UnitButton which, int row, int column, int span) {
        auto* button = new QPushButton(panel);
        button->setObjectName(names.controlPrefix + QLatin1String(kUnitButtonNames[int(which)]));
        // Unit buttons stay out of the way of typing: they are clicked, not tabbed to.
        button->setFocusPolicy(Qt::NoFocus);
        m_unitButtons.insert(int(which), button);
        grid->addWidget(button, row, column, 1, span, Qt::AlignBottom);
    };
    switch (area) {
    case DiveFieldArea::Main: {
        unitButton(UnitButton::Depth, 2, 16, 3);
        auto* caption = new QLabel(tr("Surface Interval"), panel);
        caption->setObjectName(names.controlPrefix + QStringLiteral("SurfaceIntervalCaption"));
        m_captions.append(caption);
        QVector<QWidget*> boxes;
        const char* const boxNames[] = {"SIDaysBox", "SIHoursBox", "SIMinutesBox"};
        const int lengths[] = {3, 2, 2};
        const char* const units[] = {"d", "h", "m"};
        for (int i = 0; i < 3; ++i) {
            auto* box = new QLineEdit(QStringLiteral("0"), panel);
            box->setObjectName(names.controlPrefix + QLatin1String(boxNames[i]));
            box->setMaxLength(lengths[i]);
            box->setAlignment(Qt::AlignRight);
            box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (lengths[i] + 1) + 14);
            if (!lookups) {
                // Shown like the page's other read-only fields.
                box->setReadOnly(true);
                QPalette palette = box->palette();
                palette.setColor(QPalette::Base, palette.color(QPalette::Window));
                box->setPalette(palette);
            }
            m_intervalBoxes[i] = box;
            auto* unit = new QLabel(QLatin1String(units[i]), panel);
            m_captions.append(unit);
            boxes << box << unit;
        }
        QHBoxLayout* row = nullptr;
        QWidget* cell = captionedRow(panel, caption, boxes, &row);
        row->addStretch(1);
        grid->addWidget(cell, 3, 0, 1, 6, Qt::AlignBottom);
        break;
    }
    case DiveFieldArea::Environment:
        unitButton(UnitButton::Visibility, 0, 4, 4);
        unitButton(UnitButton::Altitude, 1, 4, 4);
        unitButton(UnitButton::Temperature, 2, 13, 5);
        break;
    case DiveFieldArea::Suit:
        unitButton(UnitButton::Weight, 2, 4, 4);
        break;
    case DiveFieldArea::Safety: {
        auto* hint = new QLabel(tr("This data is sent only to DAN"), panel);
        hint->setWordWrap(true);
        m_captions.append(hint);
        grid->addWidget(hint, 2, 16, 1, 8, Qt::AlignBottom);
        break;
    }
    case DiveFieldArea::GasMixture:
        for (int tank = 1; tank <= 3; ++tank) {
            auto* label = new QLabel(tr("Tank %1").arg(tank), fieldsPanel);
            m_captions.append(label);
            grid->addWidget(label, tank - 1, 0, 1, 2, Qt::AlignBottom);
        }
        break;
    case DiveFieldArea::Owner:
    case DiveFieldArea::Buddies:
        break;
    }
    // The pressure captions follow the entry's unit system.
    const char* const pressures[] = {"AirPressureStart", "AirPressureEnd", "PSIUsed"};
    for (int i = 0; i < 3; ++i) {
        if (QWidget* w = m_fields.value(QLatin1String(pressures[i])); w && !m_pressureCaptions[i])
            m_pressureCaptions[i] = w->parentWidget()->findChild<QLabel*>(w->objectName() + QStringLiteral("_Caption"));
    }
}

QWidget* DiveLogForm::buildField(FieldForm& form, const DiveFieldInfo& info, const DiveLogFormNames& names,
                                 const DiveLogLookups* lookups)
{
    using K = DiveFieldKind;
    const QString name = info.field == QLatin1String("DiverName") ? names.diverName : QString();
    QWidget* widget = nullptr;
    if (info.kind == K::Memo) {
        MemoField* memo = form.memo(info.field, info.caption, 0, 0, 1, 1, name);
        if (!lookups)
            memo->setReadOnly(true);
        // Room for a line or two: a double click gives the comments the whole page.
        memo->setMinimumHeight(0);
        const int lines = info.field == QLatin1String("Comments") ? 2 : 1;
        memo->setMaximumHeight(memo->fontMetrics().lineSpacing() * lines + 10);
        widget = memo;
    } else if (info.kind == K::ShownCheck) {
        auto* box = new QCheckBox(info.caption, form.grid()->parentWidget());
        box->setObjectName(names.fieldPrefix + QLatin1Char('_') + info.field);
        form.grid()->addWidget(box, 0, 0);
        form.binder().bind(box, info.field, true);
        widget = box;
    } else if (info.kind == K::Check) {
        widget = form.check(info.field, info.caption, 0, 0, name);
    } else if (!lookups || info.kind == K::Shown) {
        widget = form.readOnly(info.field, info.caption, 0, 0, 1, name);
    } else if (info.kind == K::Text) {
        widget = form.text(info.field, info.caption, 0, 0, 1, name);
    } else if (info.kind == K::List || info.kind == K::Computer) {
        ListField* list = form.list(info.field, info.caption, info.items, 0, 0, 1, name);
        fitToCell(list);
        widget = list;
    } else {
        NameLookup* lookup = lookups->locations;
        if (info.link == DiveLinkTo::Divers)
            lookup = lookups->divers;
        else if (info.link == DiveLinkTo::DiveSites)
            lookup = lookups->diveSites;
        else if (info.link == DiveLinkTo::DiveResources)
            lookup = lookups->diveResources;
        // Locations offer the drop-down list table's entries; links offer their table's names.
        LinkField* link = form.link(info.field, info.caption, lookup, info.kind == K::Link, 0, 0, 1, name);
        fitToCell(link);
        widget = link;
    }
    if (!info.hint.isEmpty())
        widget->setToolTip(info.hint);
    // The cells are spanned by what their fields hold, so a field takes its cell's width.
    if (info.kind != K::Check && info.kind != K::ShownCheck) {
        widget->setMinimumWidth(10);
        widget->setMaximumWidth(QWIDGETSIZE_MAX);
    }
    return widget;
}

QWidget* DiveLogForm::picturesPanel()
{
    // The dive's pictures come with the picture work: six empty frames hold their places.
    auto* panel = new CompactPanel(m_subPages);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(6, 6, 6, 6);
    row->setSpacing(kSpacing);
    for (int i = 1; i <= 6; ++i) {
        auto* frame = new QLabel(panel);
        frame->setObjectName(QStringLiteral("PictureFrame%1").arg(i));
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setFrameShadow(QFrame::Sunken);
        frame->setMinimumSize(40, 40);
        frame->setAlignment(Qt::AlignCenter);
        row->addWidget(frame, 1);
    }
    return panel;
}

void DiveLogForm::setUnitCaptions(const UnitCaptions& captions)
{
    const QString texts[] = {captions.depth, captions.depth, captions.depth, captions.temperature, captions.weight};
    for (int i = 0; i < 5; ++i) {
        if (QPushButton* button = m_unitButtons.value(i))
            button->setText(texts[i]);
    }
    const QString pressures[] = {captions.startPressure, captions.endPressure, captions.usedPressure};
    for (int i = 0; i < 3; ++i) {
        if (m_pressureCaptions[i])
            m_pressureCaptions[i]->setText(pressures[i]);
    }
}

SurfaceIntervalBoxes DiveLogForm::surfaceIntervalBoxes() const
{
    return {m_intervalBoxes[0]->text(), m_intervalBoxes[1]->text(), m_intervalBoxes[2]->text()};
}

void DiveLogForm::setSurfaceIntervalBoxes(const SurfaceIntervalBoxes& boxes)
{
    m_intervalBoxes[0]->setText(boxes.days);
    m_intervalBoxes[1]->setText(boxes.hours);
    m_intervalBoxes[2]->setText(boxes.minutes);
}

void DiveLogForm::showGasMixture()
{
    m_subPages->setCurrentIndex(m_subPages->count() - 1);
}

bool DiveLogForm::commentsEnlarged() const
{
    return m_commentsEnlargement && m_commentsEnlargement->enlarged();
}

void DiveLogForm::setCommentsEnlarged(bool enlarged)
{
    if (m_commentsEnlargement)
        m_commentsEnlargement->setEnlarged(enlarged);
}

void DiveLogForm::showOxygenWarning(QLineEdit* field)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, QApplication::palette(field).color(QPalette::Text));
    bool number = false;
    const double value = field->text().trimmed().toDouble(&number);
    if (number && value > 1.4)
        palette.setColor(QPalette::Text, Qt::red);
    field->setPalette(palette);
}

} // namespace zaf::gui
