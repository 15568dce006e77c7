#pragma once

#include "core/view_state.h"

#include <QList>
#include <QMap>
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
    void showAllNavigatorButtons() override { ++navigatorShownAll; }
    std::optional<double> pickDateTime(double current) override
    {
        pickerStartedAt.append(current);
        return pickerAnswer;
    }

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
    int navigatorShownAll = 0;
    std::optional<double> pickerAnswer;  ///< what the picker yields; nothing means Cancel
    QList<double> pickerStartedAt;
};

} // namespace zaf::test
