#include "ui/page_pieces.h"

#include "store/record_owner.h"
#include "store/table.h"
#include "ui/bound_widgets.h"
#include "ui/record_binder.h"
#include "ui/record_page.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QPixmap>

namespace zaf::gui {

QStringList diveTypeItems()
{
    return {QStringLiteral("Beach"),      QStringLiteral("Cave"),         QStringLiteral("Cavern"),
            QStringLiteral("Cenotes"),    QStringLiteral("Ice"),          QStringLiteral("Lake"),
            QStringLiteral("Open Water"), QStringLiteral("Pond"),         QStringLiteral("Pool"),
            QStringLiteral("Reef"),       QStringLiteral("River"),        QStringLiteral("Sandbar"),
            QStringLiteral("Swim Through"), QStringLiteral("Wall"),       QStringLiteral("Wreck")};
}

QStringList diveSiteTypeItems()
{
    QStringList items = diveTypeItems();
    items.removeAll(QStringLiteral("Ice"));
    return items;
}

QStringList ratingItems()
{
    QStringList items;
    for (int rating = 10; rating >= 1; --rating)
        items << QString::number(rating);
    return items;
}

PictureFrame::PictureFrame(QWidget* parent)
    : QLabel(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAlignment(Qt::AlignCenter);
    setMinimumSize(120, 90);
    // The picture follows the frame's size, never the other way round.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

bool PictureFrame::load(const QString& filePath)
{
    m_picture = QPixmap();
    m_file.clear();
    if (!filePath.isEmpty() && m_picture.load(filePath))
        m_file = filePath;
    else
        m_picture = QPixmap();
    rescale();
    return !m_file.isEmpty();
}

void PictureFrame::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    rescale();
}

void PictureFrame::rescale()
{
    if (m_picture.isNull()) {
        clear();
        return;
    }
    const QSize room = contentsRect().size() - QSize(4, 4);
    setPixmap(m_picture.scaled(room.expandedTo(QSize(1, 1)), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void addOwnerRow(FieldForm& form, int row, int nameSpan, int emailSpan)
{
    form.readOnly(QStringLiteral("OwnerName"), QStringLiteral("Owner"), row, 0, nameSpan);
    form.readOnly(QStringLiteral("OwnerEmail"), QStringLiteral("Owner E-mail"), row, nameSpan, emailSpan);
    auto* copy = form.check(QStringLiteral("CopyOnServer"), QStringLiteral("Copy on Server"), row, nameSpan + emailSpan);
    // Whether a record is on the server is the sending's business, never the diver's.
    copy->setEnabled(false);
}

void evenColumns(FieldForm& form, int columns)
{
    for (int column = 0; column < columns; ++column)
        form.grid()->setColumnStretch(column, 1);
}

void writeChoiceIntoRecord(LinkField* field, RecordBinder& binder, const QString& fieldName)
{
    QObject::connect(field, &QComboBox::textActivated, field, [field, &binder, fieldName](const QString& entry) {
        if (!binder.editable())
            return;
        store::Table& table = binder.table();
        if (!table.isEditing())
            table.edit();
        table[fieldName].setAsString(entry);
        field->setFocus(Qt::OtherFocusReason);
    });
}

void startRecordOnEmptyTable(store::Table& table)
{
    // Nobody logged in: a new record would be refused, so the page stays empty.
    if (!table.isOpen() || table.isEditing() || store::nobodyLoggedIn() || !table.isEmpty())
        return;
    table.append();
}

} // namespace zaf::gui
