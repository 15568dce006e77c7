#pragma once

#include <QLabel>
#include <QString>
#include <QStringList>

namespace zaf::store {
class Table;
}

namespace zaf::gui {

class FieldForm;
class LinkField;
class RecordBinder;

// Pieces the record pages of sites, resources and equipment share.

/// The kinds of dive the dive log offers, in list order.
QStringList diveTypeItems();
/// The kinds of dive a site can be: the dive log's without "Ice" (a site is not frozen all year).
QStringList diveSiteTypeItems();
/// A rating list: "10" down to "1".
QStringList ratingItems();

/// A picture area: shows a file scaled into its box, keeping the picture's proportions.
class PictureFrame : public QLabel {
    Q_OBJECT
public:
    explicit PictureFrame(QWidget* parent = nullptr);

    /// Shows the file; an empty path or a file that does not load leaves the frame empty.
    /// Returns whether the picture loaded.
    bool load(const QString& filePath);
    /// The path of the picture shown; empty when none is.
    QString shownFile() const { return m_file; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void rescale();

    QString m_file;
    QPixmap m_picture;
};

/// The read-only owner row every record page shows: `OwnerName`, `OwnerEmail` and
/// `CopyOnServer` as "Copy on Server", side by side from the first column of `row`.
void addOwnerRow(FieldForm& form, int row, int nameSpan = 1, int emailSpan = 2);

/// Gives the form's first `columns` columns an even share of the page's width, so the cells
/// of every row line up whatever their fields hold.
void evenColumns(FieldForm& form, int columns);

/// Choosing an entry in a location pick list puts the record into edit, writes the entry into
/// `fieldName` and keeps the focus in the field. Records of other owners stay as they are.
void writeChoiceIntoRecord(LinkField* field, RecordBinder& binder, const QString& fieldName);

/// A page that opens on an empty table starts a new record at once, so the diver can type.
void startRecordOnEmptyTable(store::Table& table);

} // namespace zaf::gui
