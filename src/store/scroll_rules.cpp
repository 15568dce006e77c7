#include "core/config_record.h"
#include "core/trace.h"
#include "core/ui.h"
#include "store/data_form.h"
#include "store/errors.h"
#include "store/picture_files.h"
#include "store/table_rules.h"

namespace zaf::store::rules {

namespace {

/// Unit captions follow a record only once its unit system is decided ("0" or "1").
std::optional<UnitCaptions> decidedCaptions(Table& table)
{
    return unitCaptions(table[QStringLiteral("Format")].asString());
}

/// Forgets a picture whose file is gone, so the record stops pointing at nothing.
void clearPicture(Table& table)
{
    try {
        if (!table.isEditing())
            table.edit();
        table[QStringLiteral("Picture")].clear();
        table.post();
    } catch (const DatabaseError& e) {
        if (table.isEditing())
            table.cancel();
        write_debug_message(QStringLiteral("TData_Form.clearPicture"), e.message());
    }
}

bool ownPictureMissing(Table& table)
{
    const QString name = table[QStringLiteral("Picture")].asString();
    return isOwnRecord(table) && hasText(name) && !pictureFileExists(name);
}

/// Shows the pictures that name the shown site or trip, in title order; the picture table's
/// own scroll rule puts the first of them on the page.
void showPicturesWhere(TData_Form& data, const Filter& filter)
{
    Table& pictures = data.Pictures_Table;
    if (!pictures.isOpen())
        return;
    try {
        pictures.setIndexName(QStringLiteral("Title_Index"));
        pictures.setFilter(filter);
    } catch (const DatabaseError& e) {
        // A pending picture edit that cannot be stored keeps the picture table as it was.
        write_debug_message(QStringLiteral("TData_Form.showPicturesWhere"), e.message());
    }
}

} // namespace

void diversAfterScroll(TData_Form& data, Table& divers)
{
    ViewState& view = viewState();
    if (const auto captions = decidedCaptions(divers))
        viewState().setDiverUnitCaptions(captions->depth, captions->weight);
    view.setControlShown(Page::Divers, PageControl::GetDives,
                         divers[QStringLiteral("DiverName")].asString() != config().userName);
    showRecordPicture(divers, Page::Divers);
    if (ownPictureMissing(divers) && !view.bulkLoad() && view.currentPage() == Page::Divers) {
        const QString question = QStringLiteral("This record indicates that there is a picture for \"") +
                                 divers[QStringLiteral("DiverName")].asString() +
                                 QStringLiteral("\", however it was not found.  Would you like to download it "
                                                "from the ZAF server?");
        if (ui().askYesNo(question) == Answer::Yes) {
            if (data.downloadPictureHook)
                data.downloadPictureHook(divers[QStringLiteral("Picture")].asString());
            showRecordPicture(divers, Page::Divers);
        } else {
            clearPicture(divers);
            showRecordPicture(divers, Page::Divers);
        }
    }
    view.refreshCertifications();
}

void diveSiteAfterScroll(TData_Form& data, Table& site)
{
    if (viewState().currentPage() != Page::DiveSites)
        return;
    // An empty site page starts a new site at once. The new record moves the cursor and so
    // comes back here; the guard keeps a refused insert from starting another one.
    static bool starting = false;
    if (!starting && !site.isEditing() && !nobodyLoggedIn() && site.isEmpty()) {
        starting = true;
        try {
            site.edit();
        } catch (...) {
            starting = false;
            throw;
        }
        starting = false;
    }
    showPicturesWhere(data, Filter::equals(QStringLiteral("DiveSite"), site[QStringLiteral("DiveSite")].asString()));
}

void travelAfterScroll(TData_Form& data, Table& travel)
{
    if (viewState().currentPage() != Page::TripReport)
        return;
    viewState().setControlShown(Page::TripReport, PageControl::Currency,
                                travel[QStringLiteral("OwnerName")].asString() != config().userName);
    // A trip's pictures carry its location, and its trip number where a site's name would be.
    showPicturesWhere(data, Filter::allOf({Filter::equals(QStringLiteral("Location"),
                                                          travel[QStringLiteral("Location")].asString()),
                                           Filter::equals(QStringLiteral("DiveSite"),
                                                          travel[QStringLiteral("TripNumber")].asString())}));
}

void equipmentAfterScroll(TData_Form&, Table& equipment)
{
    if (ownPictureMissing(equipment)) {
        clearPicture(equipment);
    }
    showRecordPicture(equipment, Page::Equipment);
    viewState().setControlShown(Page::Equipment, PageControl::Currency, !isOwnRecord(equipment));
}

void othersLogAfterScroll(TData_Form&, Table& others)
{
    if (viewState().currentPage() != Page::OthersLogs)
        return;
    if (viewState().pageControlEnabled())
        viewState().resetOthersPictureScroll();
    if (const auto captions = decidedCaptions(others))
        viewState().setUnitCaptions(Page::OthersLogs, *captions);
}

} // namespace zaf::store::rules
