#pragma once

#include <QList>
#include <QString>

namespace zaf {

/// The pages of the main window, in the order of the page picker.
enum class Page {
    DiveLog = 0,
    Divers = 1,
    DiveSites = 2,
    DiveResources = 3,
    TripReport = 4,
    Equipment = 5,
    DiveComputer = 6,
    OthersLogs = 7,
    Pictures = 8,
    Search = 9,
    Statistics = 10,
    MessageBoard = 11,
    ZafMain = 12,
};

/// What the record rules ask of the main window and tell it: which page shows, the unit
/// captions, whether a bulk load runs, where the focus goes. The window implements it; tests
/// use a fake. Rules never reach into widgets. Each area of rules adds what it needs, with a
/// harmless default so a window that does not show that area need not care.
class ViewState {
public:
    virtual ~ViewState() = default;

    /// The page shown now.
    virtual Page currentPage() const { return Page::ZafMain; }
    /// Whether the page control takes input (it is disabled while downloads and loads run).
    virtual bool pageControlEnabled() const { return true; }
    /// A bulk load (import, download, synchronization) is appending records.
    virtual bool bulkLoad() const { return false; }
    /// Puts the keyboard focus on the control of that object name.
    virtual void requestFocus(const QString& objectName) { (void)objectName; }

    /// Caption of the dive page's depth unit button: "Feet" or "Meters".
    virtual QString depthUnitCaption() const { return QStringLiteral("Feet"); }
    /// Caption of the diver page's depth unit button: "Feet" or "Meters".
    virtual QString diverDepthUnitCaption() const { return QStringLiteral("Feet"); }

    // --- dive log pages (the Dive Log page and the Others' Logs page laid out like it)

    /// The unit captions of a dive page. The visibility and altitude unit buttons show the
    /// depth caption too.
    struct DiveUnitCaptions {
        QString depth;         ///< "Feet" / "Meters"
        QString temperature;   ///< "Fahrenheit" / "Celsius"
        QString weight;        ///< "lb." / "kg"
        QString startPressure; ///< "Start PSI" / "Start BAR"
        QString endPressure;   ///< "End PSI" / "End BAR"
        QString usedPressure;  ///< "Used PSI" / "Used BAR"
    };
    virtual void setDiveUnitCaptions(Page page, const DiveUnitCaptions& captions) { (void)page; (void)captions; }

    /// What a dive page shows for the entry now current: own entries can have pictures
    /// added, other divers' entries can be copied into the own log and are shaded.
    struct DiveEntryControls {
        bool copyRecordShown = false;
        bool addPictureShown = true;
        bool panelShaded = false;
        bool graphShown = false; ///< the entry came from a dive computer record
    };
    virtual void setDiveEntryControls(Page page, const DiveEntryControls& controls) { (void)page; (void)controls; }

    /// The buttons of a page's record navigator.
    enum class NavButton { First, Prior, Next, Last, Insert, Delete };
    /// Shows exactly these buttons of the page's navigator.
    virtual void setNavigatorButtons(Page page, const QList<NavButton>& shown) { (void)page; (void)shown; }
    /// Scrolls the page back to its top.
    virtual void resetPageScroll(Page page) { (void)page; }
};

/// Object name of the diver name field of the Dive Log page, where a new entry takes the focus.
inline constexpr const char* kDiveLogDiverNameField = "DiveLogDiverName";

/// The view in force; a do-nothing one until the window or a test installs its own.
ViewState& viewState();
/// Installs the view in force (not owned); nullptr puts the default back.
void setViewState(ViewState* view);

} // namespace zaf
