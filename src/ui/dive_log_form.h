#pragma once

#include "core/view_state.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace zaf::gui {

class FieldForm;
class MemoEnlargement;
class MemoField;
class NameLookup;
class RecordPage;

// The fields of a dive log entry as the Dive Log page and the Others' Logs page show them.
// Both pages are built from one description, so that they stay laid out alike: the Dive Log
// page with its lists and links, the Others' Logs page with plain read-only text.

/// How a field of a dive log entry is edited on the Dive Log page.
enum class DiveFieldKind {
    Text,
    List,     ///< drop-down of the fixed items
    Link,     ///< drop-down of the records of another table
    Location, ///< drop-down of the location list
    Computer, ///< drop-down of the dive computer list
    Memo,
    Check,
    Shown,    ///< read-only on every page
    ShownCheck, ///< a yes/no box, read-only on every page
};

/// Where a field sits: the main area, the owner line, or one of the sub-pages.
enum class DiveFieldArea { Main, Owner, Buddies, Environment, Suit, Safety, GasMixture };

/// The table a link field offers names from.
enum class DiveLinkTo { None, Divers, DiveSites, DiveResources };

/// One field of the form: a cell of its area's grid (rows and columns of the caption-over-field cells).
struct DiveFieldInfo {
    QString field;
    QString caption;
    DiveFieldKind kind;
    DiveFieldArea area;
    int row;
    int column;
    int span = 1;
    QStringList items = {};
    DiveLinkTo link = DiveLinkTo::None;
    QString hint = {};
};

/// Every field of a dive log entry shown on the pages, in the order they are built.
const QVector<DiveFieldInfo>& diveLogFields();

/// The water conditions offered for an entry type: "Shore Entry" and "Boat Entry" have their
/// own; any other entry type offers the full list.
QStringList waterConditionsFor(const QString& entryType);

/// Object names that differ between the two pages.
struct DiveLogFormNames {
    QString fieldPrefix;   ///< fields are "<prefix>_<Field>"
    QString diverName;     ///< the diver name field
    QString subPages;      ///< the sub-page tab widget
    QString controlPrefix; ///< unit buttons and surface interval boxes: "<prefix>DepthUnitButton", …
    QString copyRecord;    ///< the "Copy Record" button
};

/// The name lookups of the Dive Log page's link and location fields (not owned).
struct DiveLogLookups {
    NameLookup* divers = nullptr;
    NameLookup* diveSites = nullptr;
    NameLookup* diveResources = nullptr;
    NameLookup* locations = nullptr;
};

/// The unit buttons of a dive log form.
enum class UnitButton { Depth, Visibility, Altitude, Temperature, Weight };

/// Builds the dive log form onto a record page and keeps what both pages act on: the unit
/// buttons and pressure captions, the surface interval boxes, the oxygen warning colour and
/// the comments memo that a double click enlarges to the whole page.
class DiveLogForm : public QObject {
    Q_OBJECT
public:
    /// `lookups` null: every field is plain read-only text (the Others' Logs page).
    DiveLogForm(RecordPage& page, const DiveLogFormNames& names, const DiveLogLookups* lookups);

    QWidget* field(const QString& name) const { return m_fields.value(name); }
    QTabWidget* subPages() const { return m_subPages; }
    QPushButton* unitButton(UnitButton which) const { return m_unitButtons.value(int(which)); }
    QPushButton* copyRecordButton() const { return m_copyRecord; }
    MemoField* comments() const { return m_comments; }
    QLineEdit* intervalBox(int index) const { return m_intervalBoxes[index]; }
    /// Every caption of the form, for the configured caption colour.
    const QVector<QLabel*>& captions() const { return m_captions; }

    /// Shows the unit captions on the unit buttons and the three pressure captions.
    void setUnitCaptions(const UnitCaptions& captions);
    SurfaceIntervalBoxes surfaceIntervalBoxes() const;
    void setSurfaceIntervalBoxes(const SurfaceIntervalBoxes& boxes);
    /// Brings the "Gas Mixture" sub-page to the front.
    void showGasMixture();
    /// Whether the comments memo fills the page now.
    bool commentsEnlarged() const;
    /// Lets the comments memo fill the whole page, or puts it back under its caption.
    void setCommentsEnlarged(bool enlarged);
    /// What moves the comments memo; null when the form has none.
    MemoEnlargement* commentsEnlargement() const { return m_commentsEnlargement; }

    /// Red for an oxygen partial pressure above 1.4, else the normal text colour.
    static void showOxygenWarning(QLineEdit* field);

private:
    void buildArea(DiveFieldArea area, QWidget* panel, const DiveLogFormNames& names, const DiveLogLookups* lookups);
    QWidget* buildCell(const DiveFieldInfo& info, QWidget* panel, const QString& caption,
                       const DiveLogFormNames& names, const DiveLogLookups* lookups);
    QWidget* buildField(FieldForm& form, const DiveFieldInfo& info, const DiveLogFormNames& names,
                        const DiveLogLookups* lookups);
    QWidget* picturesPanel();

    RecordPage& m_page;
    QHash<QString, QWidget*> m_fields;
    QTabWidget* m_subPages = nullptr;
    QHash<int, QPushButton*> m_unitButtons;
    QLabel* m_pressureCaptions[3] = {};
    QLineEdit* m_intervalBoxes[3] = {};
    QPushButton* m_copyRecord = nullptr;
    QVector<QLabel*> m_captions;
    MemoField* m_comments = nullptr;
    MemoEnlargement* m_commentsEnlargement = nullptr;
};

/// Runs `entered` and `left` when the widget takes and loses the keyboard focus.
void onFocusChange(QWidget* widget, std::function<void()> entered, std::function<void()> left);

} // namespace zaf::gui
