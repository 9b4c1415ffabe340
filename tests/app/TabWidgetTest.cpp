#include "TabWidget.h"

#include "ChordsTab.h"
#include "JamTab.h"
#include "MouseEvents.h"
#include "RealTimeToolsTab.h"
#include "TabButtons.h"

#include <QStackedWidget>

#include <gtest/gtest.h>

namespace {

// The jam tab puts its song chooser on the tab area's parent.
struct TabArea
{
    QWidget window;
    TabWidget* tabs = new TabWidget(&window);
};

TEST(TabWidget, StacksToolsJamAndChordsUnderTheButtonStrip)
{
    TabArea area;
    TabWidget& tabs = *area.tabs;
    EXPECT_EQ(tabs.pageStack->count(), 3);
    EXPECT_EQ(tabs.pageStack->widget(0), tabs.realTimeToolsTab);
    EXPECT_EQ(tabs.pageStack->widget(1), tabs.jamTab);
    EXPECT_EQ(tabs.pageStack->widget(2), tabs.chordsTab);
    EXPECT_EQ(tabs.pageStack->currentIndex(), 0);
    EXPECT_EQ(tabs.pageStack->geometry(), QRect(0, 0, 1000, 355));
    EXPECT_EQ(tabs.tabButtons->geometry(), QRect(325, 12, 350, 25));
    // Raised: the strip is the last child, drawn over the stack.
    EXPECT_EQ(tabs.children().last(), tabs.tabButtons);
}

TEST(TabWidget, PressesAndShortcutsSwitchPagesAndAnOutOfRangeTabNothing)
{
    TabArea area;
    TabWidget& tabs = *area.tabs;
    press(tabs.tabButtons, QPoint(300, 10), Qt::LeftButton);
    EXPECT_EQ(tabs.pageStack->currentWidget(), tabs.chordsTab);
    press(tabs.tabButtons, QPoint(150, 10), Qt::LeftButton);
    EXPECT_EQ(tabs.pageStack->currentWidget(), tabs.jamTab);
    tabs.tabButtons->showRealTimeTools();
    EXPECT_EQ(tabs.pageStack->currentWidget(), tabs.realTimeToolsTab);
    tabs.tabButtons->showChordViewer();
    for (int index : {-1, 3, 7})
        tabs.tabButtons->setCurrentTab(index);
    EXPECT_EQ(tabs.pageStack->currentWidget(), tabs.chordsTab);
}

TEST(TabWidget, AResetKeepsTheShownPage)
{
    TabArea area;
    TabWidget& tabs = *area.tabs;
    tabs.tabButtons->showRiffBuilder();
    tabs.resetTabWidget();
    EXPECT_EQ(tabs.pageStack->currentWidget(), tabs.jamTab);
    EXPECT_FALSE(tabs.jamTab->isEnabled()) << "the jam tab waits for the analysis";
}

} // namespace
