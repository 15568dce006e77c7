#pragma once

#include "core/view_state.h"

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

    Page page = Page::DiveLog;
    bool pageControl = true;
    bool bulk = false;
    QString depthCaption = QStringLiteral("Feet");
    QString diverDepthCaption = QStringLiteral("Feet");
    QStringList focusRequests;
};

} // namespace zaf::test
