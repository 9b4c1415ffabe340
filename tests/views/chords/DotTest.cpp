// The selectable chord dot: its look and its toggling by the left button.
#include "Dot.h"
#include "MouseEvents.h"
#include "RowName.h"

#include "PictureStrip.h"

#include <QImage>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QPixmap dotPicture()
{
    return cachedPixmap(":/images/chords/orange_dot.png");
}

// Whether the centre shows anything but the background of the corner (the
// dot picture is a round light, transparent in its corners).
bool centreDrawn(Dot& dot)
{
    const QImage image = dot.grab().toImage();
    return image.pixel(7, 7) != image.pixel(0, 0);
}

TEST(DotLook, LitAtConstructionButNotShown)
{
    const QPixmap picture = dotPicture();
    ASSERT_FALSE(picture.isNull());
    Dot dot(nullptr, &picture, 9, 1, "Am");

    EXPECT_EQ(dot.size(), QSize(14, 14));
    EXPECT_TRUE(dot.isLit());
    EXPECT_FALSE(dot.isShown());
    EXPECT_TRUE(centreDrawn(dot));

    dot.setLit(false);
    EXPECT_FALSE(centreDrawn(dot));
}

struct PressCase
{
    const char* name;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    bool toggles;
};

class DotPress : public ::testing::TestWithParam<PressCase>
{
};

TEST_P(DotPress, OnlyTheLeftButtonTogglesAndReports)
{
    const PressCase c = GetParam();
    const QPixmap picture = dotPicture();
    Dot dot(nullptr, &picture, 4, 6, "Em7");
    dot.setLit(false);
    QSignalSpy byValue(&dot, qOverload<int, int, bool>(&Dot::setDotActive));
    QSignalSpy byDot(&dot, qOverload<Dot*>(&Dot::setDotActive));

    press(&dot, QPoint(7, 7), c.buttons, c.modifiers);

    EXPECT_EQ(dot.isLit(), c.toggles);
    EXPECT_EQ(dot.isShown(), c.toggles);
    ASSERT_EQ(byValue.count(), c.toggles ? 1 : 0);
    ASSERT_EQ(byDot.count(), c.toggles ? 1 : 0);
    if (c.toggles) {
        EXPECT_EQ(byValue.at(0).at(0).toInt(), 4);
        EXPECT_EQ(byValue.at(0).at(1).toInt(), 6);
        EXPECT_TRUE(byValue.at(0).at(2).toBool());
        EXPECT_EQ(byDot.at(0).at(0).value<Dot*>(), &dot);

        // A second press darkens it again and reports shown false.
        press(&dot, QPoint(7, 7), c.buttons, c.modifiers);
        EXPECT_FALSE(dot.isLit());
        EXPECT_FALSE(dot.isShown());
        EXPECT_FALSE(byValue.at(1).at(2).toBool());
    }
}

INSTANTIATE_TEST_SUITE_P(Table, DotPress,
                         ::testing::Values(PressCase{"left", Qt::LeftButton, Qt::NoModifier, true},
                                           PressCase{"left_with_meta", Qt::LeftButton, Qt::MetaModifier, true},
                                           PressCase{"right", Qt::RightButton, Qt::NoModifier, false},
                                           PressCase{"middle", Qt::MiddleButton, Qt::NoModifier, false}),
                         RowName());

TEST(DotPress, LitAtConstructionThePressDarkens)
{
    const QPixmap picture = dotPicture();
    Dot dot(nullptr, &picture, 0, 0, "C");
    QSignalSpy byValue(&dot, qOverload<int, int, bool>(&Dot::setDotActive));

    press(&dot, QPoint(7, 7), Qt::LeftButton);

    EXPECT_FALSE(dot.isLit());
    ASSERT_EQ(byValue.count(), 1);
    EXPECT_FALSE(byValue.at(0).at(2).toBool());
}

TEST(DotDetected, LightsMarksShownAndReportsTheDotOnly)
{
    const QPixmap picture = dotPicture();
    Dot dot(nullptr, &picture, 2, 3, "");
    dot.setLit(false);
    QSignalSpy byValue(&dot, qOverload<int, int, bool>(&Dot::setDotActive));
    QSignalSpy byDot(&dot, qOverload<Dot*>(&Dot::setDotActive));

    dot.setDetected();

    EXPECT_TRUE(dot.isLit());
    EXPECT_TRUE(dot.isShown());
    EXPECT_EQ(byValue.count(), 0);
    EXPECT_EQ(byDot.count(), 1);
}

} // namespace
