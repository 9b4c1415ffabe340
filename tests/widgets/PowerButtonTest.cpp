// PowerButton reports the state it is leaving; every receiver relies on it.
#include "PowerButton.h"
#include "MouseEvents.h"
#include "RowName.h"

#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct PowerCase
{
    const char* name;
    bool startOn;
    std::function<void(PowerButton&)> act;
    std::vector<bool> emitted; // the buttonOn arguments, in order
    bool endOn;
};

class PowerButtonProtocol : public ::testing::TestWithParam<PowerCase>
{
};

TEST_P(PowerButtonProtocol, ButtonOnCarriesTheStateBeingLeft)
{
    const PowerCase& c = GetParam();
    PowerButton button(nullptr);
    button.setValueFromSession(c.startOn);
    QSignalSpy spy(&button, &PowerButton::buttonOn);

    c.act(button);

    std::vector<bool> emitted;
    for (const auto& args : spy)
        emitted.push_back(args[0].toBool());
    EXPECT_EQ(emitted, c.emitted);
    EXPECT_EQ(button.isOn(), c.endOn);
}

const QPoint inside(5, 5);

INSTANTIATE_TEST_SUITE_P(
    Table, PowerButtonProtocol,
    ::testing::Values(
        PowerCase{
            "click_turns_on", false, [](PowerButton& b) { press(&b, inside, Qt::LeftButton); }, {false}, true},
        PowerCase{
            "click_turns_off", true, [](PowerButton& b) { press(&b, inside, Qt::LeftButton); }, {true}, false},
        PowerCase{"right_click_toggles_too",
                  false,
                  [](PowerButton& b) { press(&b, inside, Qt::RightButton); },
                  {false},
                  true},
        PowerCase{"modifiers_do_not_matter",
                  true,
                  [](PowerButton& b) { press(&b, inside, Qt::LeftButton, Qt::MetaModifier | Qt::ShiftModifier); },
                  {true},
                  false},
        // The tools' keyboard shortcuts send a press with no button held.
        PowerCase{"synthetic_press_without_buttons",
                  false,
                  [](PowerButton& b) {
                      sendMouse(&b, QEvent::MouseButtonPress, QPoint(0, 0), Qt::LeftButton, Qt::NoButton);
                  },
                  {false},
                  true},
        PowerCase{
            "release_does_nothing", true, [](PowerButton& b) { release(&b, inside, Qt::LeftButton); }, {}, true},
        PowerCase{"double_click_toggles_twice",
                  false,
                  [](PowerButton& b) {
                      press(&b, inside, Qt::LeftButton);
                      release(&b, inside, Qt::LeftButton);
                      sendMouse(&b, QEvent::MouseButtonDblClick, inside, Qt::LeftButton, Qt::LeftButton);
                      release(&b, inside, Qt::LeftButton);
                  },
                  {false, true},
                  false},
        PowerCase{"session_on_when_on_reports_again",
                  true,
                  [](PowerButton& b) { b.setValueFromSession(true); },
                  {false},
                  true},
        PowerCase{"session_off_when_off_reports_again",
                  false,
                  [](PowerButton& b) { b.setValueFromSession(false); },
                  {true},
                  false},
        PowerCase{"reset_when_on", true, [](PowerButton& b) { b.reset(); }, {true}, false},
        PowerCase{"reset_when_off_is_silent", false, [](PowerButton& b) { b.reset(); }, {}, false},
        PowerCase{"keyboard_never_toggles",
                  false,
                  [](PowerButton& b) {
                      b.setFocus();
                      QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
                      QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
                      QApplication::sendEvent(&b, &down);
                      QApplication::sendEvent(&b, &up);
                  },
                  {},
                  false}),
    RowName());

TEST(PowerButton, PaintsEitherSizeWithoutComplaint)
{
    PowerButton button(nullptr);
    button.resize(25, 25);
    const QImage offLarge = button.grab().toImage();
    button.setValueFromSession(true);
    const QImage onLarge = button.grab().toImage();
    EXPECT_NE(offLarge, onLarge);

    button.setDrawSmallPixmap(true);
    button.resize(20, 20);
    EXPECT_NE(button.grab().toImage(), onLarge.copy(0, 0, 20, 20));
}

} // namespace
