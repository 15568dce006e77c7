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

/// Buttons of a page's record navigator, combined as flags.
enum NavigatorButton : unsigned {
    NavFirst = 1u << 0,
    NavPrior = 1u << 1,
    NavNext = 1u << 2,
    NavLast = 1u << 3,
    NavInsert = 1u << 4,
    NavDelete = 1u << 5,
};

/// Controls of the record pages that the record rules show or hide.
enum class PageControl {
    AddPicture,    ///< "Add Picture" (dive log page)
    TakeOwnership, ///< "Take Ownership" (diver, site, resource, trip, equipment pages)
    CopyRecord,    ///< "Copy Record" (others' page)
    Graph,         ///< "Graph" (others' page)
    DeleteDiver,   ///< "Delete" (diver page)
    AddDiver,      ///< "Add" (diver page)
    GetDives,      ///< "Get Dives" (diver page)
    AddDives,      ///< "Add Dives" (trip page)
    ClearDives,    ///< "Clear Dives" (trip page)
    CreateDiveLog, ///< "Create Dive Log" (dive computer page)
    Currency,      ///< the currency label, field and button (trip and equipment pages)
};

/// The button a page's picture area offers when no picture is shown.
enum class PictureAction {
    None,
    DownloadPicture, ///< "Download Picture": the file is on the server, not here
    AddPicture,      ///< "Add Picture": the diver may load one
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
    /// Lets the diver pick a date and time, starting from `current` (a day count); nothing
    /// when the picker was cancelled.
    virtual std::optional<double> pickDateTime(double current) { (void)current; return std::nullopt; }

    // --- record pages: what the rules of the divers, sites, resources, trips, equipment,
    // dive computer, pictures and others' logs tables show and hide
    /// Asks the window to show that page (the page change rule runs as for a click).
    virtual void showPage(Page page) { (void)page; }
    /// The buttons a page's record navigator offers (NavigatorButton flags).
    virtual void setNavigatorButtons(Page page, unsigned buttons) { (void)page; (void)buttons; }
    /// Shows or hides one of a record page's own controls.
    virtual void setControlShown(Page page, PageControl control, bool shown) { (void)page; (void)control; (void)shown; }
    /// A record of another owner is shown on a shaded panel; an own record on the normal face.
    virtual void setPageShaded(Page page, bool shaded) { (void)page; (void)shaded; }
    /// Shows the picture file in the page's picture area (an empty path clears it). Returns
    /// whether the file could be loaded; when it could not, the area is left empty.
    virtual bool showPicture(Page page, const QString& filePath) { (void)page; (void)filePath; return false; }
    /// Which picture button the page's picture area offers.
    virtual void setPictureAction(Page page, PictureAction action) { (void)page; (void)action; }
    /// Refills the certification list of the diver page from the shown diver.
    virtual void refreshCertifications() {}
    /// Redraws the dive computer page's profile graph for the shown record.
    virtual void redrawProfile() {}
    /// Puts the others' page picture strip back to its first picture.
    virtual void resetOthersPictureScroll() {}
    /// Scrolls the page back to its top.
    virtual void resetPageScroll(Page page) { (void)page; }
};

/// Object name of the diver name field of the Dive Log page, where a new entry takes the focus.
inline constexpr const char* kDiveLogDiverNameField = "DiveLogDiverName";

/// The six unit captions of a dive page for a unit system ("0" imperial, "1" metric);
/// nothing for an undecided one, which leaves the captions as they are.
std::optional<UnitCaptions> unitCaptions(const QString& format);

/// The view in force; a do-nothing one until the window or a test installs its own.
ViewState& viewState();
/// Installs the view in force (not owned); nullptr puts the default back.
void setViewState(ViewState* view);

} // namespace zaf
