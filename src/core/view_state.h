#pragma once

#include <QString>
#include <optional>

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

/// The six unit captions of a page that shows a dive log entry.
struct UnitCaptions {
    QString depth;          ///< depth unit button; the visibility and altitude buttons copy it
    QString temperature;    ///< temperature unit button
    QString weight;         ///< weight unit button
    QString startPressure;  ///< start pressure label
    QString endPressure;    ///< end pressure label
    QString usedPressure;   ///< used pressure label
};

/// The days, hours and minutes boxes of a page's surface interval, as typed or shown.
struct SurfaceIntervalBoxes {
    QString days = QStringLiteral("0");
    QString hours = QStringLiteral("0");
    QString minutes = QStringLiteral("0");
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

    // --- dive calculations
    /// Sets the unit captions of the Dive Log or the Others' Logs page.
    virtual void setUnitCaptions(Page page, const UnitCaptions& captions) { (void)page, (void)captions; }
    /// Sets the depth and weight unit captions of the Divers page.
    virtual void setDiverUnitCaptions(const QString& depth, const QString& weight) { (void)depth, (void)weight; }
    /// The surface interval boxes of the Dive Log or the Others' Logs page as they read now.
    virtual SurfaceIntervalBoxes surfaceIntervalBoxes(Page page) const { (void)page; return {}; }
    /// Shows texts in the surface interval boxes of the Dive Log or the Others' Logs page.
    virtual void setSurfaceIntervalBoxes(Page page, const SurfaceIntervalBoxes& boxes) { (void)page, (void)boxes; }
    /// Brings the Gas Mixture sub-page of the Dive Log page to the front.
    virtual void showGasMixturePage() {}
    /// Shows all six buttons of the dive log's record navigator.
    virtual void showAllNavigatorButtons() {}
    /// Lets the diver pick a date and time, starting from `current` (a day count); nothing
    /// when the picker was cancelled.
    virtual std::optional<double> pickDateTime(double current) { (void)current; return std::nullopt; }
};

/// The view in force; a do-nothing one until the window or a test installs its own.
ViewState& viewState();
/// Installs the view in force (not owned); nullptr puts the default back.
void setViewState(ViewState* view);

} // namespace zaf
