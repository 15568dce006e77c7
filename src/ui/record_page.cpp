#include "ui/record_page.h"

#include "store/data_source.h"
#include "store/errors.h"
#include "store/ownership.h"
#include "store/table.h"
#include "ui/bound_widgets.h"
#include "ui/record_navigator.h"
#include "ui/slot_errors.h"
#include "ui/text_entry_rules.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace zaf::gui {
namespace {

// Spacing of every form, so that all pages share one rhythm.
constexpr int kFormMargin = 10;
constexpr int kColumnSpacing = 14;
constexpr int kRowSpacing = 6;
constexpr int kCaptionGap = 3;

/// How many characters a field of the store needs to show its values.
int charactersFor(const store::Field* field)
{
    if (!field)
        return 20;
    switch (field->type()) {
    case store::FieldType::Text:
        return std::clamp(field->size(), 4, 40);
    case store::FieldType::Int16:
    case store::FieldType::Int32:
    case store::FieldType::AutoInc:
        return 7;
    case store::FieldType::Float:
    case store::FieldType::Money:
        return 10;
    case store::FieldType::Date:
        return 13;
    case store::FieldType::DateTime:
        return 20;
    case store::FieldType::Logical:
        return 6;
    default:
        return 40;
    }
}

/// A caption beside a check box toggles it when clicked, like the check box's own text would.
class CaptionClick : public QObject {
public:
    CaptionClick(QLabel* caption, QCheckBox* check) : QObject(caption), m_check(check) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease && m_check && m_check->isEnabled() &&
            !m_check->testAttribute(Qt::WA_TransparentForMouseEvents)) {
            m_check->toggle();
            return true;
        }
        return false;
    }

private:
    QPointer<QCheckBox> m_check;
};

/// The bottom bar: the navigator and the page's buttons over an optional picture.
class PictureBar : public QWidget {
public:
    using QWidget::QWidget;

    void setPicture(const QPixmap& picture)
    {
        m_picture = picture;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (!m_picture.isNull())
            p.drawPixmap(rect(), m_picture);
        else
            p.fillRect(rect(), palette().color(QPalette::Window).darker(104));
        // A hairline above the bar separates it from the form.
        p.setPen(palette().color(QPalette::Mid));
        p.drawLine(rect().topLeft(), rect().topRight());
    }

private:
    QPixmap m_picture;
};

} // namespace

// ---------------------------------------------------------------- FieldForm

FieldForm::FieldForm(QWidget* panel, RecordBinder& binder, QString prefix)
    : m_panel(panel), m_binder(binder), m_prefix(std::move(prefix)), m_grid(nullptr)
{
    if (auto* existing = qobject_cast<QGridLayout*>(panel->layout())) {
        m_grid = existing;
    } else if (QLayout* other = panel->layout()) {
        // The panel already arranges other things: the form takes its place among them.
        auto* area = new QWidget(panel);
        m_grid = new QGridLayout(area);
        m_grid->setContentsMargins(0, 0, 0, 0);
        other->addWidget(area);
        m_panel = area;
    } else {
        m_grid = new QGridLayout(panel);
        m_grid->setContentsMargins(kFormMargin, kFormMargin, kFormMargin, kFormMargin);
    }
    m_grid->setHorizontalSpacing(kColumnSpacing);
    m_grid->setVerticalSpacing(kRowSpacing);
}

QString FieldForm::nameFor(const QString& field, const QString& objectName) const
{
    return objectName.isEmpty() ? m_prefix + QLatin1Char('_') + field : objectName;
}

void FieldForm::place(QWidget* field, const QString& caption, int row, int column, int rowSpan, int span)
{
    // A cell holds the caption over its field; the grid's columns line the fields up.
    auto* cell = new QWidget(m_panel);
    cell->setObjectName(field->objectName() + QStringLiteral("_Cell"));
    auto* stack = new QVBoxLayout(cell);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(kCaptionGap);
    if (!caption.isEmpty()) {
        stack->addWidget(captionOf(field, caption, cell));
    }
    const bool tall = field->sizePolicy().verticalPolicy() & QSizePolicy::ExpandFlag;
    stack->addWidget(field, tall ? 1 : 0);
    if (!tall)
        stack->addStretch(1);
    m_grid->addWidget(cell, row, column, rowSpan, span);
}

namespace {

/// Sizes a one-line field to what it holds: it may shrink with the window, but a short field
/// does not stretch across a wide column.
void sizeToContents(QWidget* w, const store::Field* field, int span)
{
    w->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    if (span > 1)
        return; // a field given several columns takes them all
    const int chars = charactersFor(field);
    const int width = w->fontMetrics().averageCharWidth() * (chars + 1) + 18;
    w->setMaximumWidth(std::max(width, 60));
}

} // namespace

QLineEdit* FieldForm::text(const QString& field, const QString& caption, int row, int column, int span,
                           const QString& objectName)
{
    auto* w = new QLineEdit(m_panel);
    w->setObjectName(nameFor(field, objectName));
    sizeToContents(w, m_binder.table().findField(field), span);
    installTextEntryRules(w, false);
    place(w, caption, row, column, 1, span);
    m_binder.bind(w, field);
    return w;
}

QLineEdit* FieldForm::readOnly(const QString& field, const QString& caption, int row, int column, int span,
                               const QString& objectName)
{
    auto* w = new QLineEdit(m_panel);
    w->setObjectName(nameFor(field, objectName));
    w->setReadOnly(true);
    w->setFocusPolicy(Qt::ClickFocus); // can be selected and copied, but Tab passes it by
    // Read-only fields sit on the window's colour, not the white of a field that takes input.
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Window));
    w->setPalette(pal);
    w->setProperty("readOnlyField", true);
    sizeToContents(w, m_binder.table().findField(field), span);
    place(w, caption, row, column, 1, span);
    m_binder.bind(w, field, true);
    return w;
}

MemoField* FieldForm::memo(const QString& field, const QString& caption, int row, int column, int rowSpan, int span,
                           const QString& objectName)
{
    auto* w = new MemoField(m_panel);
    w->setObjectName(nameFor(field, objectName));
    w->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    w->setMinimumHeight(w->fontMetrics().lineSpacing() * 3 + 12);
    installTextEntryRules(w, false);
    place(w, caption, row, column, rowSpan, span);
    m_binder.bind(w, field);
    return w;
}

ListField* FieldForm::list(const QString& field, const QString& caption, const QStringList& items, int row,
                           int column, int span, const QString& objectName)
{
    auto* w = new ListField(m_panel);
    w->setObjectName(nameFor(field, objectName));
    w->setItems(items);
    sizeToContents(w, m_binder.table().findField(field), span);
    installTextEntryRules(w, true);
    place(w, caption, row, column, 1, span);
    m_binder.bind(w, field);
    return w;
}

LinkField* FieldForm::link(const QString& field, const QString& caption, NameLookup* lookup, bool listFromLookup,
                           int row, int column, int span, const QString& objectName)
{
    auto* w = new LinkField(lookup, listFromLookup, m_panel);
    w->setObjectName(nameFor(field, objectName));
    sizeToContents(w, m_binder.table().findField(field), span);
    installTextEntryRules(w, true);
    place(w, caption, row, column, 1, span);
    m_binder.bind(w, field);
    return w;
}

QCheckBox* FieldForm::check(const QString& field, const QString& caption, int row, int column,
                            const QString& objectName)
{
    // The caption stands beside its box, as check boxes read best.
    auto* cell = new QWidget(m_panel);
    auto* line = new QHBoxLayout(cell);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(6);
    auto* w = new QCheckBox(cell);
    w->setObjectName(nameFor(field, objectName));
    cell->setObjectName(w->objectName() + QStringLiteral("_Cell"));
    line->addWidget(w);
    if (!caption.isEmpty()) {
        QLabel* label = captionOf(w, caption, cell);
        label->installEventFilter(new CaptionClick(label, w));
        line->addWidget(label);
    }
    line->addStretch(1);
    m_grid->addWidget(cell, row, column, Qt::AlignVCenter);
    m_binder.bind(w, field);
    return w;
}

QLabel* FieldForm::caption(const QString& text, int row, int column, int span, const QString& objectName)
{
    QString name = objectName;
    if (name.isEmpty()) {
        QString plain = text;
        plain.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")));
        name = m_prefix + QLatin1Char('_') + plain + QStringLiteral("_Caption");
    }
    QLabel* label = makeCaption(text, name, m_panel);
    m_grid->addWidget(label, row, column, 1, span, Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLabel* FieldForm::makeCaption(const QString& text, const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    m_captions.append(label);
    return label;
}

QLabel* FieldForm::captionOf(QWidget* field, const QString& text, QWidget* parent)
{
    QLabel* label = makeCaption(text, field->objectName() + QStringLiteral("_Caption"), parent);
    label->setBuddy(field);
    return label;
}

// ---------------------------------------------------------------- RecordPage

RecordPage::RecordPage(Page page, store::DataSource& source, const QString& navigatorName, QWidget* parent)
    : QWidget(parent), m_page(page), m_binder(new RecordBinder(source, this)), m_stack(new QStackedWidget(this)),
      m_form(new QWidget), m_bar(new PictureBar(this))
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    // The form scrolls when the window is smaller than the page; the page's picture shows
    // through it.
    auto* scroll = new QScrollArea(m_stack);
    scroll->setObjectName(QStringLiteral("FormScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(m_form);
    scroll->setAutoFillBackground(false);
    scroll->viewport()->setAutoFillBackground(false);
    m_form->setAutoFillBackground(false); // after setWidget, which turns it on
    m_form->setObjectName(QStringLiteral("Form"));
    m_stack->addWidget(scroll);

    m_grid = new TableGrid(*source.table(), {}, m_stack);
    m_grid->setObjectName(navigatorName.isEmpty() ? QStringLiteral("TableView") : navigatorName + QStringLiteral("_TableView"));
    m_stack->addWidget(m_grid);
    outer->addWidget(m_stack, 1);

    m_bar->setObjectName(QStringLiteral("NavigatorBar"));
    auto* bar = new QHBoxLayout(m_bar);
    bar->setContentsMargins(10, 4, 10, 4);
    bar->setSpacing(8);
    if (!navigatorName.isEmpty()) {
        m_navigator = new RecordNavigator(*source.table(), navigatorName, m_bar);
        // Whatever a page adds as beforeAction, typed text is stored and the grid put away first.
        m_navigator->prepareAction = [this](NavigatorButton) {
            storePending();
            setTableViewShown(false);
        };
        bar->addWidget(m_navigator);
    }
    bar->addStretch(1);
    m_takeOwnership = new QPushButton(tr("Take Ownership"), m_bar);
    m_takeOwnership->setObjectName(navigatorName + QStringLiteral("_TakeOwnership"));
    m_takeOwnership->setToolTip(tr("Make this record yours, so that you can change it"));
    m_takeOwnership->hide();
    bar->addWidget(m_takeOwnership);
    outer->addWidget(m_bar);

    connect(m_takeOwnership, &QPushButton::clicked, this, [this] {
        runReported([this] {
            storePending();
            store::takeOwnership(table());
        });
    });
    connect(m_grid, &TableGrid::rowDoubleClicked, this, [this](int) { setTableViewShown(false); });
    connect(m_grid, &TableGrid::left, this, [this] {
        if (tableViewShown())
            setTableViewShown(false);
    });
}

RecordPage::~RecordPage() = default;

store::Table& RecordPage::table() const
{
    return m_binder->table();
}

bool RecordPage::tableViewShown() const
{
    return m_stack->currentWidget() == m_grid;
}

void RecordPage::setTableViewShown(bool shown)
{
    if (shown == tableViewShown())
        return;
    if (shown) {
        // The grid reads the table's file: what was typed is stored there first, so that the
        // record shows in the grid as on the form.
        runReported([this] {
            storePending();
            store::Table& t = table();
            if (t.isOpen() && t.isEditing() && t.modified())
                t.post();
        });
        m_grid->reload();
        m_stack->setCurrentWidget(m_grid);
        m_grid->setFocus(Qt::OtherFocusReason);
    } else {
        {
            // The grid loses the focus on the way out; that is no leaving to act on.
            const QSignalBlocker quiet(m_grid);
            m_stack->setCurrentIndex(0);
        }
        runReported([this] { m_grid->moveTableToSelection(); });
    }
    Q_EMIT tableViewToggled(shown);
}

void RecordPage::setBackground(const QPixmap& picture)
{
    m_background = picture;
    m_scaledBackground = QPixmap();
    update();
}

void RecordPage::setShaded(bool shaded)
{
    if (m_shaded == shaded)
        return;
    m_shaded = shaded;
    update();
}

void RecordPage::setCaptionColour(const QColor& colour)
{
    m_captionColour = colour;
    QVector<QLabel*> all = m_captions;
    // Captions a form placed are found by their name as well, so none is missed.
    for (QLabel* label : m_form->findChildren<QLabel*>())
        if (label->objectName().endsWith(QStringLiteral("_Caption")) && !all.contains(label))
            all.append(label);
    for (QLabel* label : all) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, colour);
        label->setPalette(pal);
    }
}

void RecordPage::setBarBackground(const QPixmap& picture)
{
    static_cast<PictureBar*>(m_bar)->setPicture(picture);
}

void RecordPage::setNavigatorButtons(unsigned buttons)
{
    if (m_navigator)
        m_navigator->setVisibleButtons(buttons);
}

void RecordPage::setControlShown(PageControl control, bool shown)
{
    if (control == PageControl::TakeOwnership)
        m_takeOwnership->setVisible(shown);
}

void RecordPage::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter p(this);
    const QRect area(0, 0, width(), height() - m_bar->height());
    if (!m_background.isNull() && !area.isEmpty()) {
        // Scaled to cover the page, cut at the edges rather than distorted. The scaled copy is
        // kept while it still covers the page with one side fitting exactly, which is what
        // scaling to cover would give again.
        if (m_scaledBackground.isNull() || m_scaledBackground.width() < area.width() ||
            m_scaledBackground.height() < area.height() ||
            (m_scaledBackground.width() != area.width() && m_scaledBackground.height() != area.height()))
            m_scaledBackground =
                m_background.scaled(area.size(), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        const QPoint offset((area.width() - m_scaledBackground.width()) / 2,
                            (area.height() - m_scaledBackground.height()) / 2);
        p.drawPixmap(offset, m_scaledBackground);
    }
    if (m_shaded) {
        // Darker, not dark: the other diver's values must still read easily.
        p.fillRect(area, QColor(16, 24, 48, 84));
    }
}

void RecordPage::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        toggleTableView();
        event->accept();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void RecordPage::addCaptions(const QVector<QLabel*>& captions)
{
    for (QLabel* label : captions) {
        if (!label || m_captions.contains(label))
            continue;
        m_captions.append(label);
        if (m_captionColour.isValid()) {
            QPalette pal = label->palette();
            pal.setColor(QPalette::WindowText, m_captionColour);
            label->setPalette(pal);
        }
    }
}

} // namespace zaf::gui
