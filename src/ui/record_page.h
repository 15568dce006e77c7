#pragma once

#include "core/view_state.h"
#include "ui/record_binder.h"
#include "ui/table_grid.h"

#include <QColor>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace zaf::store {
class DataSource;
class TData_Form;
} // namespace zaf::store

namespace zaf::gui {

class LinkField;
class ListField;
class MemoField;
class NameLookup;
class RecordNavigator;

/// Places captions and bound fields on a grid: each field takes one cell with its caption
/// above it. Widgets are named "<prefix>_<Field>" unless a name is given, and their captions
/// "<widget name>_Caption".
class FieldForm {
public:
    FieldForm(QWidget* panel, RecordBinder& binder, QString prefix);

    QGridLayout* grid() const { return m_grid; }
    RecordBinder& binder() const { return m_binder; }

    QLineEdit* text(const QString& field, const QString& caption, int row, int column, int span = 1,
                    const QString& objectName = {});
    QLineEdit* readOnly(const QString& field, const QString& caption, int row, int column, int span = 1,
                        const QString& objectName = {});
    MemoField* memo(const QString& field, const QString& caption, int row, int column, int rowSpan, int span,
                    const QString& objectName = {});
    ListField* list(const QString& field, const QString& caption, const QStringList& items, int row, int column,
                    int span = 1, const QString& objectName = {});
    /// `lookup` is not owned; `listFromLookup` fills the drop-down from it (else from `setItems`).
    LinkField* link(const QString& field, const QString& caption, NameLookup* lookup, bool listFromLookup, int row,
                    int column, int span = 1, const QString& objectName = {});
    QCheckBox* check(const QString& field, const QString& caption, int row, int column,
                     const QString& objectName = {});
    /// A caption alone (for unit labels and the like).
    QLabel* caption(const QString& text, int row, int column, int span = 1, const QString& objectName = {});
    /// Every caption placed, for the configured caption colour.
    const QVector<QLabel*>& captions() const { return m_captions; }

private:
    QString nameFor(const QString& field, const QString& objectName) const;
    /// A caption, kept for the caption colour.
    QLabel* makeCaption(const QString& text, const QString& objectName, QWidget* parent);
    /// The caption of a field: named after it, and its buddy.
    QLabel* captionOf(QWidget* field, const QString& text, QWidget* parent);
    void place(QWidget* field, const QString& caption, int row, int column, int rowSpan, int span);

    QWidget* m_panel;
    RecordBinder& m_binder;
    QString m_prefix;
    QGridLayout* m_grid;
    QVector<QLabel*> m_captions;
};

/// The frame every record page shares: the form with its sub-pages, the hidden table view
/// that fills the page when shown, the navigator bar at the bottom, the background picture
/// and the darker shade for records of other owners. A page answers the part of the window's
/// view state that concerns it; the defaults do nothing.
class RecordPage : public QWidget {
    Q_OBJECT
public:
    /// `navigatorName` names the record navigator (and its buttons); empty for none.
    RecordPage(Page page, store::DataSource& source, const QString& navigatorName, QWidget* parent = nullptr);
    ~RecordPage() override;

    Page page() const { return m_page; }
    RecordBinder& binder() { return *m_binder; }
    store::Table& table() const;
    RecordNavigator* navigator() const { return m_navigator; }
    /// Where the page's fields go.
    QWidget* form() const { return m_form; }

    // --- the table view
    void setTableViewShown(bool shown);
    bool tableViewShown() const;
    void toggleTableView() { setTableViewShown(!tableViewShown()); }
    TableGrid* tableView() const { return m_grid; }

    // --- look
    void setBackground(const QPixmap& picture);
    void setShaded(bool shaded);
    bool shaded() const { return m_shaded; }
    /// Colours every caption of the page.
    virtual void setCaptionColour(const QColor& colour);
    /// The bottom bar's picture (behind the navigator).
    void setBarBackground(const QPixmap& picture);

    // --- view state of this page
    virtual void setNavigatorButtons(unsigned buttons);
    virtual void setUnitCaptions(const UnitCaptions& captions) { (void)captions; }
    /// Shows or hides the frame's own controls ("Take Ownership"); a page with controls of
    /// its own handles those and passes the rest on to here.
    virtual void setControlShown(PageControl control, bool shown);
    virtual bool showPicture(const QString& filePath) { (void)filePath; return false; }
    virtual void setPictureAction(PictureAction action) { (void)action; }
    virtual SurfaceIntervalBoxes surfaceIntervalBoxes() const { return {}; }
    virtual void setSurfaceIntervalBoxes(const SurfaceIntervalBoxes& boxes) { (void)boxes; }
    virtual void resetScroll() {}
    /// The drop-down lists were read afresh (after every opening of the store).
    virtual void listsReloaded(const store::TData_Form& dataForm) { (void)dataForm; }
    /// Writes typed text back and stores what the page keeps outside the record's fields
    /// (the certification grid); run before the page changes and before navigating.
    virtual void storePending() { m_binder->flush(); }
    /// The page's own preparation when the window turns to it (after pending edits were
    /// posted): restrict its lists, start a record on an empty table, run its scroll rule.
    virtual void enterPage() {}

    /// "Take Ownership" (in the bottom bar, hidden until the rules show it): makes the shown
    /// record the logged-in diver's. Named "<navigator name>_TakeOwnership".
    QPushButton* takeOwnershipButton() const { return m_takeOwnership; }

Q_SIGNALS:
    void tableViewToggled(bool shown);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    /// Captions of the page's forms, coloured by setCaptionColour.
    void addCaptions(const QVector<QLabel*>& captions);

private:
    Page m_page;
    RecordBinder* m_binder;
    RecordNavigator* m_navigator = nullptr;
    QStackedWidget* m_stack;
    QWidget* m_form;
    TableGrid* m_grid = nullptr;
    QPushButton* m_takeOwnership = nullptr;
    QWidget* m_bar;
    QPixmap m_background;
    QPixmap m_scaledBackground; ///< m_background scaled to cover the page at its last size
    bool m_shaded = false;
    QVector<QLabel*> m_captions;
    QColor m_captionColour;     ///< invalid until set: captions keep the style's colour
};

} // namespace zaf::gui
