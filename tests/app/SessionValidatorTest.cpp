// The session validator itself: a file as the writer makes it is clean,
// and each kind of damage is found at its level and severity (a validator
// that finds nothing would pass every writer test).
#include "SessionValidator.h"
#include "RowName.h"
#include "SessionDocument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using sessioncheck::Level;
using sessioncheck::Severity;

SessionState sampleState()
{
    SessionState s;
    s.fileName = QStringLiteral("/music/Song.wav");
    s.playbackPos = 1000;
    s.riffs[1].riffLength = 1;
    s.riffs[1].riffLengthMax = 2;
    SessionStep& step = s.riffs[1].steps[2];
    step.beat = 7;
    step.state = 3;
    step.startSample = 100;
    step.endSample = 200;
    step.semitone = 3.0f;
    step.interp = float(std::pow(2.0, 3.0 / 12.0));
    s.song[0] = 1;
    s.zoomFactor = float(0.66 * 0.66);
    return s;
}

QByteArray replaced(QByteArray bytes, const char* before, const char* after)
{
    const int at = bytes.indexOf(before);
    EXPECT_GE(at, 0) << before;
    return bytes.replace(at, int(qstrlen(before)), after);
}

struct DamageCase
{
    const char* name;
    std::function<QByteArray(const QByteArray&)> damage;
    Level level;
    Severity severity;
    int frameCount = -1;
};

class SessionValidatorFinds : public ::testing::TestWithParam<DamageCase>
{
};

TEST(SessionValidator, FileAsWrittenIsClean)
{
    const auto report = sessioncheck::validate(session::toXml(sampleState()), {44100});
    EXPECT_TRUE(report.clean()) << report.toString().toStdString();
}

TEST_P(SessionValidatorFinds, DamageAtItsLevel)
{
    const DamageCase c = GetParam();
    const QByteArray damaged = c.damage(session::toXml(sampleState()));
    const auto report = sessioncheck::validate(damaged, {c.frameCount});
    EXPECT_TRUE(report.has(c.level, c.severity)) << report.toString().toStdString();
}

using B = const QByteArray&;

INSTANTIATE_TEST_SUITE_P(
    Table, SessionValidatorFinds,
    ::testing::Values(
        DamageCase{"byte_order_mark", [](B b) { return "\xef\xbb\xbf" + b; }, Level::Document, Severity::Warning},
        DamageCase{"xml_declaration", [](B b) { return "<?xml version=\"1.0\"?>\n" + b; }, Level::Document,
                   Severity::Warning},
        DamageCase{"no_document_type", [](B b) { return replaced(b, "<!DOCTYPE TBXML>", ""); }, Level::Document,
                   Severity::Warning},
        DamageCase{"root_in_capitals",
                   [](B b) { return replaced(replaced(b, "<tbxml>", "<TBXML>"), "</tbxml>", "</TBXML>"); },
                   Level::Document, Severity::Error},
        DamageCase{"cut_short", [](B b) { return b.left(b.size() / 2); }, Level::Document, Severity::Error},
        DamageCase{"control_character_in_the_path", [](B b) { return replaced(b, "Song.wav", "So\x01ng.wav"); },
                   Level::Document, Severity::Error},
        DamageCase{"invalid_utf8", [](B b) { return replaced(b, "Song.wav", "So\xc3ng.wav"); }, Level::Document,
                   Severity::Error},
        DamageCase{"other_indentation", [](B b) { return replaced(b, "\n <looped>", "\n  <looped>"); },
                   Level::Document, Severity::Warning},
        DamageCase{
            "nested_too_deep",
            [](B b) {
                return replaced(
                    b, "<plot>",
                    (QByteArray("<a>").repeated(40) + QByteArray("</a>").repeated(40) + "<plot>").constData());
            },
            Level::Document, Severity::Error},
        DamageCase{"element_missing", [](B b) { return replaced(b, " <volume>99</volume>\n", ""); },
                   Level::Structure, Severity::Warning},
        DamageCase{"unknown_element", [](B b) { return replaced(b, "<plot>", "<extra>1</extra><plot>"); },
                   Level::Structure, Severity::Warning},
        DamageCase{"children_reordered",
                   [](B b) {
                       return replaced(replaced(b, " <looped>0</looped>\n", ""), "<volume>",
                                       "<looped>0</looped><volume>");
                   },
                   Level::Structure, Severity::Warning},
        DamageCase{"comment_before_a_value", [](B b) { return replaced(b, "<volume>99", "<volume><!--v-->99"); },
                   Level::Structure, Severity::Error},
        DamageCase{"two_text_nodes", [](B b) { return replaced(b, "<volume>99", "<volume>9<![CDATA[9]]>"); },
                   Level::Structure, Severity::Error},
        DamageCase{"riff_id_beyond_five", [](B b) { return replaced(b, "<riff id=\"5\">", "<riff id=\"6\">"); },
                   Level::Structure, Severity::Error},
        DamageCase{"riff_id_twice", [](B b) { return replaced(b, "<riff id=\"5\">", "<riff id=\"4\">"); },
                   Level::Structure, Severity::Error},
        DamageCase{"riff_without_id", [](B b) { return replaced(b, "<riff id=\"0\">", "<riff>"); },
                   Level::Structure, Severity::Warning},
        DamageCase{"seventeen_song_steps",
                   [](B b) { return replaced(b, "</song>", "<step id=\"16\">-1</step></song>"); },
                   Level::Structure, Severity::Error},
        DamageCase{"step_id_not_its_place", [](B b) { return replaced(b, "<step id=\"3\">", "<step id=\"9\">"); },
                   Level::Structure, Severity::Warning},
        DamageCase{"attribute_on_a_leaf", [](B b) { return replaced(b, "<volume>", "<volume unit=\"%\">"); },
                   Level::Structure, Severity::Warning},
        DamageCase{"decimal_that_is_no_number", [](B b) { return replaced(b, "<loopEnd>0", "<loopEnd>abc"); },
                   Level::Values, Severity::Error},
        DamageCase{"decimal_beyond_int", [](B b) { return replaced(b, "<loopEnd>0", "<loopEnd>9999999999"); },
                   Level::Values, Severity::Error},
        DamageCase{"flag_two", [](B b) { return replaced(b, "<looped>0", "<looped>2"); }, Level::Values,
                   Severity::Warning},
        DamageCase{"tempo_below_zero", [](B b) { return replaced(b, "<bpm>0", "<bpm>-1"); }, Level::Values,
                   Severity::Error},
        DamageCase{"exact_tempo_no_number", [](B b) { return replaced(b, "<exactBpm>0", "<exactBpm>fast"); },
                   Level::Values, Severity::Error},
        DamageCase{"exact_tempo_below_zero", [](B b) { return replaced(b, "<exactBpm>0", "<exactBpm>-1"); },
                   Level::Values, Severity::Error},
        DamageCase{"exact_tempo_padded", [](B b) { return replaced(b, "<exactBpm>0", "<exactBpm>0.0"); },
                   Level::Values, Severity::Warning},
        DamageCase{"exact_tempo_not_the_whole_one",
                   [](B b) { return replaced(b, "<exactBpm>0", "<exactBpm>35.4"); }, Level::Values,
                   Severity::Error},
        DamageCase{"exact_tempo_missing", [](B b) { return replaced(b, "   <exactBpm>0</exactBpm>\n", ""); },
                   Level::Structure, Severity::Warning},
        DamageCase{"tab_out_of_range", [](B b) { return replaced(b, "<currentTab>0", "<currentTab>3"); },
                   Level::Values, Severity::Error},
        DamageCase{"interp_not_the_semitones_ratio",
                   [](B b) { return replaced(b, "<interp>1.18921", "<interp>1.2"); }, Level::Values,
                   Severity::Error},
        DamageCase{"interp_not_finite", [](B b) { return replaced(b, "<interp>1.18921", "<interp>nan"); },
                   Level::Values, Severity::Error},
        DamageCase{"six_digits_padded",
                   [](B b) { return replaced(b, "<zoomFactor>0.4356", "<zoomFactor>0.43560"); }, Level::Values,
                   Severity::Warning},
        DamageCase{"zoom_between_levels", [](B b) { return replaced(b, "<zoomFactor>0.4356", "<zoomFactor>0.5"); },
                   Level::Values, Severity::Error},
        DamageCase{"position_past_the_recording",
                   [](B b) { return replaced(b, "<playbackPos>1000", "<playbackPos>44100"); }, Level::Values,
                   Severity::Error, 44100},
        DamageCase{"maximum_below_length", [](B b) { return replaced(b, "<riffLengthMax>2", "<riffLengthMax>0"); },
                   Level::Values, Severity::Error},
        DamageCase{"song_slot_beyond_f",
                   [](B b) { return replaced(b, "<step id=\"0\">1</step>", "<step id=\"0\">6</step>"); },
                   Level::Values, Severity::Error}),
    RowName());

} // namespace
