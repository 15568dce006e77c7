#include "ui/screen_layouts.h"

#include "core/config_record.h"
#include "ui/main_window.h"
#include "ui/record_page.h"

#include <QAbstractScrollArea>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>

namespace zaf::gui {
namespace {

constexpr bool Shown = true, Hidden = false, Right = true, Top = false, Buttons = true, Tabs = false;

const ScreenLayout kLayouts[12] = {
    {Shown, Shown, Right, Tabs},     {Shown, Shown, Top, Tabs},      {Shown, Shown, Top, Buttons},
    {Shown, Hidden, Top, Buttons},   {Shown, Hidden, Top, Tabs},     {Shown, Hidden, Right, Tabs},
    {Hidden, Shown, Right, Tabs},    {Hidden, Shown, Top, Tabs},     {Hidden, Shown, Top, Buttons},
    {Hidden, Hidden, Top, Buttons},  {Hidden, Hidden, Top, Tabs},    {Hidden, Hidden, Right, Tabs},
};

// Tabs drawn as a row of flat buttons; the shown page's button is pressed in.
const char* const kButtonTabs =
    "QTabWidget::pane { border: 1px solid palette(mid); top: -1px; }"
    "QTabBar::tab { border: 1px solid palette(mid); border-radius: 4px; padding: 3px 8px; margin: 1px 2px 3px 0px;"
    " background: palette(button); }"
    "QTabBar::tab:selected { background: palette(highlight); color: palette(highlighted-text); }"
    "QTabBar::tab:hover:!selected { background: palette(light); }";

} // namespace

const ScreenLayout& screenLayout(int n)
{
    return kLayouts[(n >= 0 && n < 12) ? n : 0];
}

void TMain::applyScreenLayout(int layout)
{
    m_layout = (layout >= 0 && layout < 12) ? layout : 0;
    const ScreenLayout& frame = screenLayout(m_layout);
    m_topBar->setVisible(frame.topBar);
    m_toolBar->setVisible(frame.toolBar);
    m_pages->setTabPosition(frame.tabsRight ? QTabWidget::East : QTabWidget::North);
    m_pages->setStyleSheet(frame.tabButtons ? QString::fromLatin1(kButtonTabs) : QString());
    // Tabs down the right side keep their captions readable only one per row.
    m_pages->tabBar()->setExpanding(false);
    showPage(Page::DiveLog);
    fitToDiveLogPage();
}

void TMain::fitToDiveLogPage()
{
    // Twice: scroll bars that were needed before the first pass are gone after it.
    for (int pass = 0; pass < 2; ++pass)
        fitOnce();
}

void TMain::fitOnce()
{
    RecordPage* page = recordPage(Page::DiveLog);
    if (!page || !page->form())
        return;
    // The page area must just hold the Dive Log page's fields: grow or shrink the window by
    // what the page area lacks or has to spare, but never beyond the screen.
    // The form sits in a scroll area: what the page shows of it is the scroll area's viewport.
    auto* scroll = qobject_cast<QAbstractScrollArea*>(page->form()->parentWidget()
                                                          ? page->form()->parentWidget()->parentWidget()
                                                          : nullptr);
    if (!scroll)
        return;
    layout()->activate();
    const QSize wanted = page->form()->sizeHint();
    const QSize area = scroll->viewport()->size();
    if (!wanted.isValid() || area.isEmpty())
        return;
    QSize size = this->size() + (wanted - area);
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize());
    size = size.expandedTo(minimumSizeHint());
    resize(size);
}

} // namespace zaf::gui
