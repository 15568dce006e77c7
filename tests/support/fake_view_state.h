#pragma once

#include "core/view_state.h"

#include <QFileInfo>
#include <QList>
#include <QMap>
#include <QPair>
#include <QSet>
#include <QStringList>

namespace zaf::test {

/// A view whose answers tests set and whose requests tests read back.
class FakeViewState : public ViewState {
public:
    FakeViewState() { setViewState(this); }
    ~FakeViewState() override { setViewState(nullptr); }

    Page currentPage() const override { return page; }
    bool pageControlEnabled() const override { return pageControl; }
    bool bulkLoad() const override { return bulk; }
    void requestFocus(const QString& objectName) override { focusRequests.append(objectName); }
    QString depthUnitCaption() const override { return depthCaption; }
    QString diverDepthUnitCaption() const override { return diverDepthCaption; }

    // The dive log page's depth caption is the one the rules read back, so setting the
    // captions of that page moves it too.
    void setUnitCaptions(Page target, const UnitCaptions& captions) override
    {
        unitCaptions[target] = captions;
        if (target == Page::DiveLog)
            depthCaption = captions.depth;
    }
    void setDiverUnitCaptions(const QString& depth, const QString& weight) override
    {
        diverDepthCaption = depth;
        diverWeightCaption = weight;
    }
    SurfaceIntervalBoxes surfaceIntervalBoxes(Page target) const override { return intervalBoxes.value(target); }
    void setSurfaceIntervalBoxes(Page target, const SurfaceIntervalBoxes& boxes) override
    {
        intervalBoxes[target] = boxes;
    }
    void showGasMixturePage() override { ++gasMixtureShown; }
    std::optional<double> pickDateTime(double current) override
    {
        pickerStartedAt.append(current);
        return pickerAnswer;
    }

    void showPage(Page p) override { shownPages.append(p); }
    void setNavigatorButtons(Page p, unsigned buttons) override { navigator[p] = buttons; }
    void setControlShown(Page p, PageControl control, bool shown) override { controls[{p, control}] = shown; }
    void setPageShaded(Page p, bool isShaded) override { shaded[p] = isShaded; }
    /// A picture "loads" when its file exists and is not listed as unreadable.
    bool showPicture(Page p, const QString& filePath) override
    {
        const bool loads = !filePath.isEmpty() && QFileInfo(filePath).isFile() && !unreadablePictures.contains(filePath);
        pictures[p] = loads ? filePath : QString();
        return loads;
    }
    void setPictureAction(Page p, PictureAction action) override { pictureActions[p] = action; }
    void refreshCertifications() override { ++certificationRefreshes; }
    void redrawProfile() override { ++profileRedraws; }
    void resetOthersPictureScroll() override { ++othersScrollResets; }
    void resetPageScroll(Page p) override { scrollResets.append(p); }

    /// Whether the control was last shown (false when never mentioned).
    bool controlShown(Page p, PageControl control) const { return controls.value({p, control}, false); }

    Page page = Page::DiveLog;
    bool pageControl = true;
    bool bulk = false;
    QString depthCaption = QStringLiteral("Feet");
    QString diverDepthCaption = QStringLiteral("Feet");
    QStringList focusRequests;

    QMap<Page, UnitCaptions> unitCaptions;
    QString diverWeightCaption = QStringLiteral("lb.");
    QMap<Page, SurfaceIntervalBoxes> intervalBoxes;
    int gasMixtureShown = 0;
    std::optional<double> pickerAnswer;  ///< what the picker yields; nothing means Cancel
    QList<double> pickerStartedAt;

    QList<Page> shownPages;
    QMap<Page, unsigned> navigator;
    QMap<QPair<Page, PageControl>, bool> controls;
    QMap<Page, bool> shaded;
    QMap<Page, QString> pictures;         ///< the picture shown per page; empty when cleared
    QSet<QString> unreadablePictures;     ///< files that exist but do not load
    QMap<Page, PictureAction> pictureActions;
    int certificationRefreshes = 0;
    int profileRedraws = 0;
    int othersScrollResets = 0;
    QList<Page> scrollResets;
};

} // namespace zaf::test
