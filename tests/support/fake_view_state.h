#pragma once

#include "core/view_state.h"

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

    void setDiveUnitCaptions(Page p, const DiveUnitCaptions& c) override
    {
        diveCaptions[int(p)] = c;
        // The window reads the depth caption back from the button it just set.
        if (p == Page::DiveLog)
            depthCaption = c.depth;
    }
    void setDiveEntryControls(Page p, const DiveEntryControls& c) override { entryControls[int(p)] = c; }
    void setNavigatorButtons(Page p, const QList<NavButton>& shown) override { navigator[int(p)] = shown; }
    void resetPageScroll(Page p) override { scrollResets.append(p); }

    Page page = Page::DiveLog;
    bool pageControl = true;
    bool bulk = false;
    QString depthCaption = QStringLiteral("Feet");
    QString diverDepthCaption = QStringLiteral("Feet");
    QStringList focusRequests;
    QMap<int, DiveUnitCaptions> diveCaptions;     ///< by page
    QMap<int, DiveEntryControls> entryControls;   ///< by page
    QMap<int, QList<NavButton>> navigator;        ///< by page
    QList<Page> scrollResets;
};

} // namespace zaf::test
