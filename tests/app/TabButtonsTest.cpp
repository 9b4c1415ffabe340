#include "TabButtons.h"

#include "MouseEvents.h"
#include "RowName.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <limits>

namespace {

struct PressCase
{
    const char* name;
    double x;
    int page;
};

class TabButtonsPress : public ::testing::TestWithParam<PressCase>
{
};

TEST_P(TabButtonsPress, SelectsThePageOfTheThirdPressed)
{
    TabButtons buttons;
    buttons.resize(350, 25);
    QSignalSpy changed(&buttons, &TabButtons::tabChanged);
    const QPointF pos(GetParam().x, 12);
    QMouseEvent event(QEvent::MouseButtonPress, pos, buttons.mapToGlobal(pos.toPoint()), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&buttons, &event);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), GetParam().page);
    EXPECT_EQ(buttons.pixmap(Qt::ReturnByValue).toImage(),
              QPixmap(QString(":/images/tab_buttons/button_%1.png").arg(GetParam().page + 1)).toImage());
}

INSTANTIATE_TEST_SUITE_P(Strip350, TabButtonsPress,
                         ::testing::Values(PressCase{"left_edge", 0, 0}, PressCase{"end_of_first", 115, 0},
                                           PressCase{"half_rounds_up", 115.5, 1},
                                           PressCase{"start_of_second", 116, 1},
                                           PressCase{"end_of_second", 231, 1}, PressCase{"start_of_third", 232, 2},
                                           PressCase{"right_edge", 349, 2}),
                         RowName());

TEST(TabButtons, ShortcutSlotsSelectTheirPagesAndAnOutOfRangeIndexNothing)
{
    TabButtons buttons;
    QSignalSpy changed(&buttons, &TabButtons::tabChanged);
    buttons.showChordViewer();
    buttons.showRiffBuilder();
    buttons.showRealTimeTools();
    buttons.showRealTimeTools();
    ASSERT_EQ(changed.count(), 4) << "a press on the shown page emits too";
    EXPECT_EQ(changed.at(0).at(0).toInt(), 2);
    EXPECT_EQ(changed.at(1).at(0).toInt(), 1);
    EXPECT_EQ(changed.at(2).at(0).toInt(), 0);

    buttons.showChordViewer();
    const QImage shown = buttons.pixmap(Qt::ReturnByValue).toImage();
    changed.clear();
    for (int index : {-1, 3, 1000, std::numeric_limits<int>::min()})
        buttons.setCurrentTab(index);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(buttons.pixmap(Qt::ReturnByValue).toImage(), shown);
}

} // namespace
