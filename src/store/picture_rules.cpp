#include "core/config_record.h"
#include "store/data_form.h"
#include "store/picture_files.h"
#include "store/table_rules.h"

#include <QFile>
#include <QFileInfo>

namespace zaf::store::rules {

void picturesBeforeDelete(Table& pictures)
{
    // The record goes, so its file goes too; a file already gone is no reason to keep it.
    const QString path = pictureFilePath(pictures[QStringLiteral("FileName")].asString());
    if (!path.isEmpty() && QFileInfo(path).isFile())
        QFile::remove(path);
}

void installTitleValidation(Table& pictures)
{
    // A picture needs a title before it can be stored: take the diver to where it is typed.
    pictures[QStringLiteral("Title")].onValidate = [](Field& title) {
        if (title.asString().trimmed().isEmpty())
            viewState().showPage(Page::Pictures);
    };
}

bool showRecordPicture(Table& table, Page page)
{
    const QString name = table[QStringLiteral("Picture")].asString();
    const QString path = pictureFilePath(name);
    ViewState& view = viewState();
    if (!path.isEmpty() && view.showPicture(page, path)) {
        view.setPictureAction(page, PictureAction::None);
        return true;
    }
    view.showPicture(page, QString());
    PictureAction action = PictureAction::None;
    if (table[QStringLiteral("OwnerName")].asString() == config().userName)
        action = PictureAction::AddPicture;
    else if (hasText(name) && config().enableInternet)
        action = PictureAction::DownloadPicture;
    view.setPictureAction(page, action);
    return false;
}

void picturesAfterScroll(TData_Form& data, Table& pictures)
{
    // A bulk load turns the picture display off; showing each record would only slow it.
    if (!data.Pictures_DataSource.enabled)
        return;
    const QString name = pictures[QStringLiteral("FileName")].asString();
    const QString path = pictureFilePath(name);
    ViewState& view = viewState();
    QVector<Page> pages = {Page::Pictures};
    if (view.currentPage() == Page::TripReport || view.currentPage() == Page::DiveSites)
        pages.append(view.currentPage());
    for (Page page : pages) {
        const bool shown = view.showPicture(page, path);
        const bool offerDownload = !shown && hasText(name) && config().enableInternet;
        view.setPictureAction(page, offerDownload ? PictureAction::DownloadPicture : PictureAction::None);
    }
}

} // namespace zaf::store::rules
