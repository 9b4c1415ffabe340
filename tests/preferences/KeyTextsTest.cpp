#include "KeyTexts.h"
#include "RowName.h"

#include <gtest/gtest.h>

namespace {

QKeySequence keys(const char* portable)
{
    return QKeySequence(QString::fromLatin1(portable), QKeySequence::PortableText);
}

const QString cmd = KeyTexts::commandSign();

struct CaptureCase
{
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* captured;
    QString display;
};

class KeyTextsCapture : public ::testing::TestWithParam<CaptureCase>
{
};

TEST_P(KeyTextsCapture, KeyPressBecomesPortableThenDisplayText)
{
    const CaptureCase& c = GetParam();
    const QString captured = KeyTexts::captured(c.key, c.modifiers);
    EXPECT_EQ(captured, QString::fromLatin1(c.captured));
    EXPECT_EQ(KeyTexts::displayFromCaptured(captured), c.display);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyTextsCapture,
    ::testing::Values(CaptureCase{"ctrl_is_the_command_sign", Qt::Key_O, Qt::ControlModifier, "Ctrl+O",
                                  cmd + "+O"},
                      CaptureCase{"meta_is_called_ctrl", Qt::Key_O, Qt::MetaModifier, "Meta+O", "CTRL+O"},
                      // Qt's modifier order puts Meta first: the word comes before the sign.
                      CaptureCase{"both_in_qt_order", Qt::Key_O, Qt::ControlModifier | Qt::MetaModifier,
                                  "Meta+Ctrl+O", "CTRL+" + cmd + "+O"},
                      CaptureCase{"shift_upper_cased", Qt::Key_O, Qt::ShiftModifier, "Shift+O", "SHIFT+O"},
                      CaptureCase{"ctrl_shift_function_key", Qt::Key_F5, Qt::ControlModifier | Qt::ShiftModifier,
                                  "Ctrl+Shift+F5", cmd + "+SHIFT+F5"},
                      CaptureCase{"alt_kept", Qt::Key_L, Qt::AltModifier, "Alt+L", "ALT+L"},
                      CaptureCase{"named_key", Qt::Key_Space, Qt::NoModifier, "Space", "SPACE"},
                      CaptureCase{"keypad_flag_dropped", Qt::Key_5, Qt::KeypadModifier, "5", "5"},
                      CaptureCase{"backslash", Qt::Key_Backslash, Qt::NoModifier, "\\", "\\"}),
    RowName());

struct SequenceCase
{
    const char* name;
    QString text;
    QKeySequence expected;
};

class KeyTextsSequence : public ::testing::TestWithParam<SequenceCase>
{
};

TEST_P(KeyTextsSequence, DisplayAndStoredTextsNameTheirKeys)
{
    const SequenceCase& c = GetParam();
    EXPECT_EQ(KeyTexts::keySequence(c.text), c.expected) << KeyTexts::keySequenceText(c.text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyTextsSequence,
    ::testing::Values(SequenceCase{"sign_is_qt_control", cmd + "+O", keys("Ctrl+O")},
                      SequenceCase{"display_ctrl_is_qt_meta", "CTRL+O", keys("Meta+O")},
                      SequenceCase{"stored_meta_stays_meta", "META+O", keys("Meta+O")},
                      SequenceCase{"both_modifiers", "CTRL+" + cmd + "+O", keys("Meta+Ctrl+O")},
                      SequenceCase{"named_key_upper_case", "RETURN", QKeySequence(Qt::Key_Return)},
                      SequenceCase{"lone_backslash", "\\", QKeySequence(Qt::Key_Backslash)},
                      SequenceCase{"apostrophe", "'", QKeySequence(Qt::Key_Apostrophe)},
                      SequenceCase{"minus_key", "-", QKeySequence(Qt::Key_Minus)},
                      SequenceCase{"empty_never_fires", "", QKeySequence()}),
    RowName());

struct FormCase
{
    const char* name;
    QString display;
    QString stored;
    QString shown;
};

class KeyTextsForms : public ::testing::TestWithParam<FormCase>
{
};

// Writing turns display texts into stored ones, loading reads the stored
// ones back; both name the same keys, and the page shows the platform's
// names for them.
TEST_P(KeyTextsForms, StoredFormRoundTripsAndShowsPlatformNames)
{
    const FormCase& c = GetParam();
    EXPECT_EQ(KeyTexts::storedFromDisplay(c.display), c.stored);
    EXPECT_TRUE(KeyTexts::sameKeys(KeyTexts::loadedFromStored(c.stored), c.display));
    EXPECT_EQ(KeyTexts::shown(c.display), c.shown);
    EXPECT_EQ(KeyTexts::shown(c.stored), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyTextsForms,
    ::testing::Values(FormCase{"command", cmd + "+Q", cmd + "+Q", "Ctrl+Q"},
                      FormCase{"control", "CTRL+A", "META+A", "Meta+A"},
                      FormCase{"both", "CTRL+" + cmd + "+A", "META+" + cmd + "+A", "Meta+Ctrl+A"},
                      FormCase{"shift_and_named_key", "SHIFT+RETURN", "SHIFT+RETURN", "Shift+Return"},
                      FormCase{"plain", "F1", "F1", "F1"}, FormCase{"empty", "", "", ""}),
    RowName());

TEST(KeyTexts, StoredCtrlIsReadAsTheCommandKey)
{
    EXPECT_EQ(KeyTexts::loadedFromStored("CTRL+O"), cmd + "+O");
    EXPECT_EQ(KeyTexts::keySequence(KeyTexts::loadedFromStored("CTRL+O")), keys("Ctrl+O"));
}

TEST(KeyTexts, TextThatNamesNoKeyIsShownWithTheModifiersRenamed)
{
    EXPECT_EQ(KeyTexts::shown(cmd + "+BOGUS"), "Ctrl+BOGUS");
    EXPECT_EQ(KeyTexts::shown("CTRL+BOGUS"), "Meta+BOGUS");
}

struct SameCase
{
    const char* name;
    QString a;
    QString b;
    bool same;
};

class KeyTextsSame : public ::testing::TestWithParam<SameCase>
{
};

TEST_P(KeyTextsSame, ComparedAsKeys)
{
    const SameCase& c = GetParam();
    EXPECT_EQ(KeyTexts::sameKeys(c.a, c.b), c.same);
    EXPECT_EQ(KeyTexts::sameKeys(c.b, c.a), c.same);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyTextsSame,
    ::testing::Values(SameCase{"captured_control_meets_loaded_meta", "CTRL+A", "META+A", true},
                      SameCase{"letter_case_ignored", "SPACE", "space", true},
                      SameCase{"command_is_not_control", cmd + "+A", "CTRL+A", false},
                      SameCase{"modifier_order_ignored", "SHIFT+" + cmd + "+O", cmd + "+SHIFT+O", true},
                      SameCase{"two_empty_texts", "", "", true}, SameCase{"empty_and_key", "", "A", false},
                      SameCase{"unreadable_same_text", "BOGUS", "bogus", true},
                      SameCase{"unreadable_other_text", "BOGUS", "FOO", false},
                      SameCase{"unreadable_and_key", "BOGUS", "B", false}),
    RowName());

} // namespace
