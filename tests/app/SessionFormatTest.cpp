// The session file's text forms and the characters it cannot carry.
#include "SessionFormat.h"
#include "RowName.h"
#include "TempoKnob.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

enum class Form { SixDigits, TruncatedDecimal, TruncatedSixDigits, ExactFloat };

struct FormCase
{
    const char* name;
    Form form;
    double value;
    const char* text;
};

class SessionTextForms : public ::testing::TestWithParam<FormCase>
{
};

TEST_P(SessionTextForms, WritesTheValueAsTheFileHoldsIt)
{
    const FormCase c = GetParam();
    QString text;
    switch (c.form) {
    case Form::SixDigits:
        text = session::text::sixDigits(c.value);
        break;
    case Form::TruncatedDecimal:
        text = session::text::truncatedDecimal(float(c.value));
        break;
    case Form::TruncatedSixDigits:
        text = session::text::truncatedSixDigits(float(c.value));
        break;
    case Form::ExactFloat:
        text = session::text::exactFloat(float(c.value));
        break;
    }
    EXPECT_EQ(text.toStdString(), c.text);
}

const double nan = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Table, SessionTextForms,
    ::testing::Values(FormCase{"two_without_a_point", Form::SixDigits, 2.0, "2"},
                      FormCase{"a_half", Form::SixDigits, 0.5, "0.5"},
                      FormCase{"semitone_ratio_six_digits", Form::SixDigits, std::pow(2.0, 1.0 / 12.0), "1.05946"},
                      FormCase{"start_volume_in_single_precision", Form::SixDigits, double(0.99f * 100.0f), "99"},
                      FormCase{"minus_two_point_nine", Form::SixDigits, double(-3.0f + 10.0f / 100.0f), "-2.9"},
                      FormCase{"small_uses_an_exponent", Form::SixDigits, 0.00001, "1e-05"},
                      FormCase{"a_million_uses_an_exponent", Form::SixDigits, 1234567.0, "1.23457e+06"},
                      FormCase{"zoom_level_two", Form::SixDigits, double(float(0.66 * 0.66)), "0.4356"},
                      FormCase{"tempo_truncated_not_rounded", Form::TruncatedSixDigits, 120.7, "120"},
                      FormCase{"negative_truncates_toward_zero", Form::TruncatedDecimal, -2.9, "-2"},
                      FormCase{"centre_truncated", Form::TruncatedDecimal, 441.99, "441"},
                      FormCase{"no_number_is_zero", Form::TruncatedDecimal, nan, "0"},
                      FormCase{"beyond_int_saturates", Form::TruncatedDecimal, 1e20, "2147483647"},
                      FormCase{"a_tenth_in_six_digits", Form::ExactFloat, double(120.7f), "120.7"},
                      FormCase{"whole_tempo", Form::ExactFloat, 100.0, "100"},
                      FormCase{"beyond_six_digits", Form::ExactFloat, double(0.9925f * 157.0f), "155.8225"},
                      FormCase{"knob_six_at_120", Form::ExactFloat, double(tempoknob::factorAt(6) * 120.0f),
                               "35.399994"},
                      FormCase{"minus_zero_is_zero", Form::ExactFloat, -0.0, "0"},
                      FormCase{"no_number_is_zero_exactly", Form::ExactFloat, nan, "0"}),
    RowName());

// Every tempo a knob position or a box step gives, at any tempo a recording
// may have, reads back from its text as the very same float.
TEST(SessionTextForms, ExactFloatReadsBackAsTheSameFloat)
{
    int failures = 0;
    for (int original = 1; original <= 400 && failures < 10; ++original) {
        for (int position = 0; position <= 199; ++position) {
            const float bpm = tempoknob::factorAt(position) * float(original);
            const QString text = session::text::exactFloat(bpm);
            if (text.toFloat() != bpm) {
                ++failures;
                ADD_FAILURE() << bpm << " written " << text.toStdString();
            }
        }
    }
}

struct ForbiddenCase
{
    const char* name;
    QString text;
    int index;
};

class SessionForbiddenCharacters : public ::testing::TestWithParam<ForbiddenCase>
{
};

TEST_P(SessionForbiddenCharacters, FindsTheFirstCharacterXmlCannotCarry)
{
    const ForbiddenCase c = GetParam();
    EXPECT_EQ(session::firstForbiddenXmlChar(c.text), c.index);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SessionForbiddenCharacters,
    ::testing::Values(
        ForbiddenCase{"plain_path", QStringLiteral("/music/My Song.mp3"), -1},
        ForbiddenCase{"markup_characters_are_escaped_not_forbidden", QStringLiteral("/m/a&b<c>\"'.wav"), -1},
        ForbiddenCase{"tab_line_feed_carriage_return_allowed", QStringLiteral("/m/a\tb\nc\rd.wav"), -1},
        ForbiddenCase{"non_ascii_allowed", QString::fromUtf8("/m/Ünïcødé 音楽.flac"), -1},
        ForbiddenCase{"astral_pair_allowed", QString::fromUtf8("/m/\xF0\x9F\x8E\xB8.ogg"), -1},
        ForbiddenCase{"control_character", QStringLiteral("/m/a\x01.wav"), 4},
        ForbiddenCase{"escape_character", QStringLiteral("/m/\x1b[0m.wav"), 3},
        ForbiddenCase{"nul", QString(QStringLiteral("/m/a")) + QChar(0) + QStringLiteral(".wav"), 4},
        ForbiddenCase{"noncharacter_fffe", QStringLiteral("/m/") + QChar(0xfffe), 3},
        ForbiddenCase{"noncharacter_ffff", QStringLiteral("/") + QChar(0xffff) + QStringLiteral("x"), 1},
        ForbiddenCase{"lone_high_surrogate", QStringLiteral("/m/") + QChar(0xd83c) + QStringLiteral("x"), 3},
        ForbiddenCase{"lone_low_surrogate", QStringLiteral("/") + QChar(0xdf38), 1},
        ForbiddenCase{"high_surrogate_at_the_end", QStringLiteral("/ab") + QChar(0xd83c), 3}),
    RowName());

} // namespace
